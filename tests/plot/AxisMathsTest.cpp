#include "DateTime.h"
#include "gPlotAxisLabelFormat.h"
#include "gPlotAxisScale.h"
#include "gPlotAxisTicks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A 400-pixel scale from x = 50 to x = 450 (or y = 10 to 410 upward).
TgPlotAxisScale Scale(double Min, double Span, TgPlotScaleType Type = ipstLinear, bool Reverse = false,
                      bool Horizontal = true)
{
    TgPlotAxisScale s;
    s.Min = Min;
    s.Span = Span;
    s.ScaleType = Type;
    s.ReverseScale = Reverse;
    s.Horizontal = Horizontal;
    s.SetGeometry(Horizontal ? TRect(50, 0, 450, 30) : TRect(0, 10, 30, 410));
    return s;
}

TEST(AxisScale, Conversions)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char *name;
        TgPlotAxisScale scale;
        double value;
        int pixel;
    } rows[] = {
        {"linear", Scale(0, 100), 25, 150},
        {"linear max", Scale(0, 100), 100, 450},
        {"reversed", Scale(0, 100, ipstLinear, true), 25, 350},
        {"vertical", Scale(0, 100, ipstLinear, false, false), 25, 310},
        {"vertical reversed", Scale(0, 100, ipstLinear, true, false), 25, 110},
        {"log", Scale(1, 999, ipstLog10), 10, 183},
        {"log at 0 maps like 1", Scale(1, 999, ipstLog10), 0, 50},
        {"linear far right", Scale(0, 100), 1e9, 32000},
        {"linear far left", Scale(0, 100), -1e9, -32000},
        {"linear infinite", Scale(0, 100), -INFINITY, -32000},
        {"log far below", Scale(1, 999, ipstLog10), 1e-300, -32000},
        {"log far above", Scale(1, 999, ipstLog10), 1e300, 32000},
        {"linear NaN off scale", Scale(0, 100), nan, 32000},
        {"log NaN off scale", Scale(1, 999, ipstLog10), nan, 32000},
        {"log Min below 0 counts as 1", Scale(-5, 999, ipstLog10), 10, 183},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(r.scale.PositionToPixels(r.value), r.pixel) << r.name;
        EXPECT_EQ(r.scale.PointOnScale(r.value), r.pixel >= 50 && r.pixel <= 450) << r.name;
    }
    EXPECT_EQ(Scale(0, 100).PixelsToPosition(150), 25);
    EXPECT_EQ(Scale(0, 100, ipstLinear, true).PixelsToPosition(350), 25);
    EXPECT_EQ(Scale(0, 100, ipstLinear, false, false).PixelsToPosition(310), 25);
    EXPECT_NEAR(Scale(1, 999, ipstLog10).PixelsToPosition(250), std::pow(10.0, 1.5), 1e-9);
    EXPECT_EQ(Scale(-5, 999, ipstLog10).PixelsToPosition(50), 1); // not a NaN from log10(-5)
    EXPECT_EQ(Scale(0, 100).WidthToPixels(10), 40);
    EXPECT_EQ(Scale(0, 100).MinPixels(), 50);
    EXPECT_EQ(Scale(0, 100).MaxPixels(), 450);
    EXPECT_EQ(Scale(0, 100, ipstLinear, true).PositionToPercent(25), 0.75);
}

TEST(AxisScale, PercentToPosition)
{
    TgPlotAxisScale part = Scale(0, 100);
    part.StartPercent = 20;
    part.StopPercent = 70;
    EXPECT_EQ(part.PercentToPosition(0.45), 50);
    EXPECT_EQ(Scale(0, 100, ipstLinear, true).PercentToPosition(0.25), 75);
    EXPECT_NEAR(Scale(1, 999, ipstLog10).PercentToPosition(0.5), std::pow(10.0, 1.5), 1e-9);
    EXPECT_NEAR(Scale(1, 999, ipstLog10, true).PercentToPosition(0.25), std::pow(10.0, 2.25), 1e-9);
    EXPECT_EQ(Scale(0, 999, ipstLog10).PercentToPosition(0), 1); // Min 0 counts as 1
    TgPlotAxisScale none = Scale(0, 100);
    none.StopPercent = none.StartPercent;
    EXPECT_EQ(none.PercentToPosition(0.5), 0);
}

TEST(AxisScale, DegenerateGeometryGivesTheMiddle)
{
    TgPlotAxisScale s;
    s.SetGeometry(TRect(40, 0, 40, 10));
    EXPECT_EQ(s.PositionToPixels(12345), 40);
    EXPECT_EQ(s.PixelsToPosition(99), s.Min);
    TgPlotAxisScale tiny = Scale(0, 1e-300);
    EXPECT_EQ(tiny.PositionToPixels(5), 250);
}

// Label texts: one row per style and precision.
TEST(AxisLabelFormat, Table)
{
    struct Row {
        TgPlotTextFormat style;
        TgPrecisionStyle precisionStyle;
        int precision;
        double span;
        double value;
        const char16_t *text;
        QString format = QStringLiteral("hh:nn:ss");
        TgPlotScaleType scale = ipstLinear;
    } rows[] = {
        {iptfValue, ipsSignificantDigits, 3, 100, 25, u"25"},
        {iptfValue, ipsSignificantDigits, 3, 1, 0.25, u"0.25"},
        {iptfValue, ipsSignificantDigits, 3, 0.5, 0.25, u"0.250"},
        {iptfValue, ipsFixedDecimalPoints, 1, 100, 25, u"25.0"},
        {iptfValue, ipsSignificantDigits, 3, 999, 250, u"250", {}, ipstLog10},
        {iptfValue, ipsSignificantDigits, 3, 999, 0.025, u"0.025", {}, ipstLog10},
        {iptfExponent, ipsSignificantDigits, 3, 1, 15000, u"1.50E+004"},
        {iptfExponent, ipsFixedDecimalPoints, 3, 1, 15000, u"1.500E+004"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, 1500, u"1.50K"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, 25000, u"25.0K"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, 2.5e-6, u"0.00250m"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, 2.5e-7, u"0.250\u00B5"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, 1e-6, u"1.00\u00B5"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, 0.005, u"0.00500"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, 0.0005, u"0.500m"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, 1e-15, u"0.00"},
        {iptfPrefix, ipsSignificantDigits, 3, 1, -2e9, u"-2.00G"},
        {iptfDateTime, ipsSignificantDigits, 3, 1, 36525.5, u"36525 12:00", QStringLiteral("Jhh:nn")},
        {iptfDateTime, ipsSignificantDigits, 3, 1, 36525.75, u"18:00:00"},
        {iptfThousands, ipsSignificantDigits, 3, 10000, 56789.6, u"56,790"},
        {iptfThousands, ipsSignificantDigits, 3, 10, 1234.5678, u"1,234.6"},
        {iptfPrice32nds, ipsSignificantDigits, 3, 1, 101.5, u"101.160"},
        {iptfPrice32nds, ipsSignificantDigits, 3, 1, 0.25, u"0.080"},
        {iptfPrice32nds, ipsSignificantDigits, 3, 1, -1.5, u"-1.160"},
        {iptfPrice32nds, ipsSignificantDigits, 3, 1, -101.5, u"-101.160"},
        // Fixed-point texts past 20 significant digits are written as exponents.
        {iptfValue, ipsSignificantDigits, 3, 1e300, 2e300, u"2.00E+300"},
        {iptfValue, ipsSignificantDigits, 3, 1e300, -2e300, u"-2.00E+300"},
        {iptfValue, ipsFixedDecimalPoints, 2, 100, 1e19, u"1.00E+019"},
        {iptfValue, ipsSignificantDigits, 3, 100, 1e19, u"10000000000000000000"},
        {iptfValue, ipsSignificantDigits, 3, 100, 1e21, u"1.00E+021"},
        {iptfValue, ipsSignificantDigits, 3, 999, 2e300, u"2.00E+300", {}, ipstLog10},
        {iptfValue, ipsSignificantDigits, 3, 1, 1e-30, u"0.00000000000000000000000000000100", {}, ipstLog10},
        {iptfThousands, ipsSignificantDigits, 3, 1e300, 2e300, u"2.00E+300"},
        {iptfValue, ipsSignificantDigits, 3, 100, std::nan(""), u"NaN"},
        {iptfValue, ipsSignificantDigits, 3, 100, HUGE_VAL, u"INF"},
        {iptfThousands, ipsSignificantDigits, 3, 100, -HUGE_VAL, u"-INF"},
        {iptfDateTime, ipsSignificantDigits, 3, 100, std::nan(""), u"NaN"},
        {iptfValue, ipsSignificantDigits, 3, 999, -HUGE_VAL, u"-INF", {}, ipstLog10},
    };
    for (const Row &r : rows) {
        TgPlotAxisTextFormat f;
        f.FormatStyle = r.style;
        f.PrecisionStyle = r.precisionStyle;
        f.Precision = r.precision;
        f.DateTimeFormat = r.format;
        bool final;
        EXPECT_EQ(FormatAxisValue(f, r.span, r.scale, r.value, final), QString::fromUtf16(r.text))
            << r.value << " style " << r.style;
        EXPECT_FALSE(final);
    }
    bool final;
    EXPECT_EQ(FormatAxisValue(TgPlotAxisTextFormat(), 999, ipstLog10, 0, final), "Unknown");
    EXPECT_TRUE(final);
}

// Prices in 32nds: labels round once to the nearest 256th, carrying into the
// whole part; the converter's fields truncate to the 256th.
TEST(AxisLabelFormat, PricesRoundOnceAndCarry)
{
    const struct {
        double value;
        const char *rounded;   // the label
        const char *truncated; // sign and whole, 32nds, eighths
    } rows[] = {
        {101.5, "101.160", "101 16 0"},
        {2.515625, "2.164", "2 16 4"},
        {2.5195, "2.165", "2 16 4"},
        {0.25, "0.080", "0 8 0"},
        {0, "0.000", "0 0 0"},
        {1.0 / 512, "0.001", "0 0 0"},          // a half rounds up
        {5 + 0.45 / 256, "5.000", "5 0 0"},     // under half a 256th
        {5 + 0.55 / 256, "5.001", "5 0 0"},
        {127.998, "127.317", "127 31 7"},
        {127.9985, "128.000", "127 31 7"},      // the fraction carries
        {3.99999, "4.000", "3 31 7"},
        {-1.5, "-1.160", "-1 16 0"},
        {-0.9999, "-1.000", "-0 31 7"},
        {1e20, "100000000000000000000.000", "100000000000000000000 0 0"},
    };
    for (const auto &r : rows) {
        TgPlotAxisTextFormat f;
        f.FormatStyle = iptfPrice32nds;
        bool final;
        EXPECT_EQ(FormatAxisValue(f, 1, ipstLinear, r.value, final), QString::fromLatin1(r.rounded)) << r.value;
        const TgPrice32nds p = SplitPrice32nds(r.value, false);
        EXPECT_EQ(QStringLiteral("%1%2 %3 %4")
                      .arg(p.Negative ? "-" : "")
                      .arg(p.Whole, 0, 'f', 0)
                      .arg(p.ThirtySeconds)
                      .arg(p.Eighths),
                  QString::fromLatin1(r.truncated))
            << r.value;
    }
    // Every 1024th of a unit: the label is the nearest 256th.
    for (int k = 0; k < 2048; ++k) {
        const double v = 7 + k / 1024.0 + 1e-7;
        const TgPrice32nds p = SplitPrice32nds(v, true);
        const double shown = p.Whole + p.ThirtySeconds / 32.0 + p.Eighths / 256.0;
        EXPECT_LE(std::fabs(shown - v), 1.0 / 512) << v;
    }
}

QString Label(double V) { return QString::number(V); }

std::vector<double> Positions(const TgPlotAxisTicks &T, TgPlotTickType Type)
{
    std::vector<double> out;
    for (const TgPlotTickObject &t : T.Ticks)
        if (t.TickType == Type)
            out.push_back(t.Position);
    return out;
}

TEST(AxisTicks, NumericSteps)
{
    struct Row {
        const char *name;
        TgPlotTickSettings settings;
        std::vector<double> majors;
        std::vector<double> minors;
    } rows[] = {
        {"step 20 for 6 labels", {}, {0, 20, 40, 60, 80, 100}, {10, 30, 50, 70, 90}},
        {"desired increment 25", {25, 0, 1, true, iptfValue}, {0, 25, 50, 75, 100}, {12.5, 37.5, 62.5, 87.5}},
        {"desired increment 5 ignored", {5, 0, 0, true, iptfValue}, {0, 20, 40, 60, 80, 100}, {}},
        {"desired start 3", {0, 3, 0, true, iptfValue}, {3, 23, 43, 63, 83}, {}},
        {"no minors", {0, 0, 0, true, iptfValue}, {0, 20, 40, 60, 80, 100}, {}},
        {"desired step without labels", {5, 0, 0, false, iptfValue}, {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 100}, {}},
    };
    for (Row &r : rows) {
        TgPlotAxisScale s = Scale(0, 100);
        TgPlotAxisTicks t;
        t.Generate(s, r.settings, 6, Label);
        EXPECT_EQ(Positions(t, ipttMajor), r.majors) << r.name;
        EXPECT_EQ(Positions(t, ipttMinor), r.minors) << r.name;
    }
    TgPlotAxisScale s = Scale(0, 100);
    TgPlotAxisTicks t;
    t.Generate(s, {}, 6, Label);
    EXPECT_EQ(t.MajorIncrement, 20);
    EXPECT_EQ(t.MinorIncrement, 10);
    ASSERT_FALSE(t.Ticks.empty());
    EXPECT_EQ(t.Ticks[0].Text, "0");
    t.UpdateTickPixels(s);
    EXPECT_TRUE(t.Ticks[0].Show);
    EXPECT_EQ(t.Ticks[0].PositionPixels, 50);
}

TEST(AxisTicks, HugeAndRunawayRanges)
{
    TgPlotAxisScale huge = Scale(0, 1e300);
    TgPlotAxisTicks t;
    t.Generate(huge, {}, 6, Label);
    EXPECT_EQ(t.MajorIncrement, 2e299);
    EXPECT_EQ(Positions(t, ipttMajor).size(), 6u);

    TgPlotTickSettings dates;
    dates.LabelsFormatStyle = iptfDateTime;
    TgPlotAxisScale hugeDates = Scale(0, 1e300);
    t.Generate(hugeDates, dates, 6, Label); // no day count overflows, no endless loop
    EXPECT_TRUE(t.YearModeEnabled);
    EXPECT_LE(hugeDates.Span, 36525);
    EXPECT_LE(t.Ticks.size(), 5u);

    // More than 5000 ticks, and a step too small to move the position, both
    // end in one major tick in the middle.
    TgPlotAxisScale many = Scale(0, 100);
    t.Generate(many, {}, 100000, Label);
    ASSERT_EQ(t.Ticks.size(), 1u);
    EXPECT_EQ(t.Ticks[0].Position, 50);
    TgPlotAxisScale stuck = Scale(1e20, 1);
    t.Generate(stuck, {}, 6, Label);
    ASSERT_EQ(t.Ticks.size(), 1u);
    EXPECT_EQ(t.Ticks[0].TickType, ipttMajor);
}

TEST(AxisTicks, DateTimeSteps)
{
    TgPlotTickSettings dates;
    dates.LabelsFormatStyle = iptfDateTime;
    TgPlotAxisTicks t;
    TgPlotAxisScale tenDays = Scale(36525, 10);
    t.Generate(tenDays, dates, 8, Label);
    EXPECT_EQ(t.MajorIncrement, 3.5);
    EXPECT_FALSE(t.MonthModeEnabled || t.YearModeEnabled);

    TgPlotAxisScale hours = Scale(36525, 0.5);
    t.Generate(hours, dates, 8, Label);
    EXPECT_DOUBLE_EQ(t.MajorIncrement, 2.0 / 24); // 12 hours over 2-hour steps

    // Month mode: majors on the first of each month, at the time of day of Min.
    TgPlotAxisScale months = Scale(EncodeDate(2020, 3, 15) + 0.25, 200);
    t.Generate(months, dates, 8, Label);
    EXPECT_TRUE(t.MonthModeEnabled);
    EXPECT_EQ(t.MajorIncrement, 1);
    const std::vector<double> majors = Positions(t, ipttMajor);
    ASSERT_EQ(majors.size(), 7u);
    for (size_t i = 0; i < majors.size(); ++i)
        EXPECT_DOUBLE_EQ(majors[i], EncodeDate(2020, int(i) + 4, 1) + 0.25);
    EXPECT_TRUE(Positions(t, ipttMinor).empty());

    // A two-month step starting in January begins in the previous December.
    TgPlotAxisScale january = Scale(EncodeDate(2021, 1, 10), 300);
    t.Generate(january, dates, 6, Label);
    EXPECT_TRUE(t.MonthModeEnabled);
    EXPECT_EQ(t.MajorIncrement, 2);
    EXPECT_EQ(Positions(t, ipttMajor).front(), EncodeDate(2021, 2, 1));

    // Year mode: Jan 1 of every fifth year.
    TgPlotAxisScale years = Scale(EncodeDate(2001, 6, 1), 3650);
    t.Generate(years, dates, 4, Label);
    EXPECT_TRUE(t.YearModeEnabled);
    EXPECT_EQ(t.MajorIncrement, 5);
    EXPECT_EQ(Positions(t, ipttMajor), (std::vector<double>{EncodeDate(2005, 1, 1), EncodeDate(2010, 1, 1)}));
}

TEST(AxisTicks, Price32ndsAndLogDecades)
{
    TgPlotTickSettings price;
    price.LabelsFormatStyle = iptfPrice32nds;
    price.MinorCount = 0;
    TgPlotAxisScale unit = Scale(0, 1);
    TgPlotAxisTicks t;
    t.Generate(unit, price, 6, Label);
    EXPECT_EQ(t.MajorIncrement, 0.25);
    EXPECT_EQ(Positions(t, ipttMajor), (std::vector<double>{0, 0.25, 0.5, 0.75, 1}));

    TgPlotAxisScale decades = Scale(1, 999, ipstLog10);
    t.Generate(decades, {}, 6, Label);
    EXPECT_EQ(Positions(t, ipttMajor), (std::vector<double>{1, 10, 100, 1000}));
    EXPECT_EQ(Positions(t, ipttMinor).size(), 24u);
    EXPECT_EQ(Positions(t, ipttMinor)[0], 2);

    TgPlotAxisScale wide = Scale(1, 1e12 - 1, ipstLog10); // 12 decades, 3 labels: every 5 decades
    t.Generate(wide, {}, 3, Label);
    EXPECT_EQ(Positions(t, ipttMajor), (std::vector<double>{1, 1e5, 1e10}));

    TgPlotAxisScale small = Scale(1, 4, ipstLog10); // under a decade: linear steps, positive only
    t.Generate(small, {}, 6, Label);
    for (double p : Positions(t, ipttMajor))
        EXPECT_GT(p, 0);
    EXPECT_EQ(Positions(t, ipttMajor).front(), 1);
}

} // namespace
