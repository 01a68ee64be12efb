#include "Exceptions.h"
#include "FloatFormat.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TFormatSettings Comma()
{
    TFormatSettings s;
    s.DecimalSeparator = u',';
    s.ThousandSeparator = u'.';
    return s;
}

TEST(FloatToStrF, Table)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        TFloatFormat format;
        int precision, digits;
        const char *want;
    } cases[] = {
        {0, ffGeneral, 15, 0, "0"},
        {1.5, ffGeneral, 15, 0, "1.5"},
        {-1.5, ffGeneral, 15, 0, "-1.5"},
        {0.1, ffGeneral, 15, 0, "0.1"},
        {1.0 / 3, ffGeneral, 15, 0, "0.333333333333333"},
        {1e20, ffGeneral, 15, 0, "1E20"},
        {1e15, ffGeneral, 15, 0, "1E15"},
        {123456789012345.0, ffGeneral, 15, 0, "123456789012345"},
        {1e-5, ffGeneral, 15, 0, "0.00001"},
        {1.5e-6, ffGeneral, 15, 2, "1.5E-06"},
        {2.5, ffGeneral, 1, 0, "3"},                     // halves away from zero
        {-2.5, ffGeneral, 1, 0, "-3"},
        {9.96, ffGeneral, 2, 0, "10"},                   // carry into a new digit
        // The response display's axis labels.
        {18, ffGeneral, 5, 4, "18"},
        {-12, ffGeneral, 5, 4, "-12"},
        {std::pow(10.0, 1.301029996), ffGeneral, 4, 4, "20"},
        {0.001 * std::pow(10.0, 3.301029996), ffGeneral, 4, 4, "2"},
        {1234.5, ffExponent, 4, 2, "1.235E+03"},
        {0, ffExponent, 3, 3, "0.00E+000"},
        {-0.00012345, ffExponent, 3, 0, "-1.23E-4"},
        {7, ffExponent, 1, 1, "7E+0"},
        {3.14159, ffFixed, 15, 2, "3.14"},
        {2.5, ffFixed, 15, 0, "3"},
        {-2.5, ffFixed, 15, 0, "-3"},
        {1.005, ffFixed, 15, 2, "1.01"},
        {0.125, ffFixed, 15, 2, "0.13"},
        {99.999, ffFixed, 15, 2, "100.00"},
        {-0.001, ffFixed, 15, 2, "0.00"},                // no sign on a rounded zero
        {1.23456789, ffFixed, 4, 6, "1.235000"},         // precision first, then decimals
        {1e20, ffFixed, 15, 2, "1E20"},                  // too many whole digits: general form
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {-1234, ffNumber, 15, 0, "-1,234"},
        {999, ffNumber, 15, 0, "999"},
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
        {-5, ffCurrency, 15, 2, "($5.00)"},
        {std::nan(""), ffFixed, 15, 2, "NAN"},
        {inf, ffGeneral, 15, 0, "INF"},
        {-inf, ffNumber, 15, 0, "-INF"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), QLatin1String(c.want))
            << c.value << " format " << c.format << " " << c.precision << "/" << c.digits;
}

TEST(FloatToStrF, FollowsTheSettings)
{
    const TFormatSettings comma = Comma();
    EXPECT_EQ(FloatToStr(1.5, comma), "1,5");
    EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 15, 1, comma), "1.234,5");
    EXPECT_EQ(FloatToStrF(2.5e-7, ffExponent, 2, 2, comma), "2,5E-07");

    // The program-wide set is what the defaults read, and it starts with ".".
    EXPECT_EQ(FloatToStr(0.25), "0.25");
    {
        TFormatSettingsScope scope(comma);
        EXPECT_EQ(FloatToStr(0.25), "0,25");
        EXPECT_EQ(FormatFloat("0.0", 0.25), "0,3");
    }
    EXPECT_EQ(FloatToStr(0.25), "0.25");

    TFormatSettings euro;
    euro.CurrencyString = QStringLiteral("EUR");
    euro.CurrencyFormat = 3;
    euro.NegCurrFormat = 8;
    EXPECT_EQ(FloatToStrF(12, ffCurrency, 15, 2, euro), "12.00 EUR");
    EXPECT_EQ(FloatToStrF(-12, ffCurrency, 15, 0, euro), "-12 EUR");
}

TEST(FormatFloat, PictureTable)
{
    // Columns: 1234, -1234, 0.5, 0.
    struct Case {
        const char *format;
        const char *want[4];
    } cases[] = {
        {"", {"1234", "-1234", "0.5", "0"}},
        {"0", {"1234", "-1234", "1", "0"}},
        {"0.00", {"1234.00", "-1234.00", "0.50", "0.00"}},
        {"#.##", {"1234", "-1234", ".5", ""}},
        {"#,##0.00", {"1,234.00", "-1,234.00", "0.50", "0.00"}},
        {"#,##0.00;(#,##0.00)", {"1,234.00", "(1,234.00)", "0.50", "0.00"}},
        {"#,##0.00;;Zero", {"1,234.00", "-1,234.00", "0.50", "Zero"}},
        {"0.000E+00", {"1.234E+03", "-1.234E+03", "5.000E-01", "0.000E+00"}},
        {"#.###E-0", {"1.234E3", "-1.234E3", "5E-1", "0E0"}},
        {"#,#0", {"1,234", "-1,234", "1", "0"}},
        {"000000", {"001234", "-001234", "000001", "000000"}},
        {"'x='0.0\" dB\"", {"x=1234.0 dB", "-x=1234.0 dB", "x=0.5 dB", "x=0.0 dB"}},
        {".00", {"1234.00", "-1234.00", ".50", ".00"}},
        {"0.0#", {"1234.0", "-1234.0", "0.5", "0.0"}},
    };
    const double values[4] = {1234, -1234, 0.5, 0};
    for (const Case &c : cases)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(FormatFloat(QLatin1String(c.format), values[i]), QLatin1String(c.want[i]))
                << "format \"" << c.format << "\" value " << values[i];
}

TEST(FormatFloat, RoundingGroupingAndSettings)
{
    EXPECT_EQ(FormatFloat("#,#0", 1234567), "1,234,567");
    EXPECT_EQ(FormatFloat("#,#0.00", 0.125), "0.13");
    EXPECT_EQ(FormatFloat("#,#0.00", 999.996), "1,000.00");
    EXPECT_EQ(FormatFloat("0.00", 0.285), "0.29");  // the binary value is just under the half
    EXPECT_EQ(FormatFloat("0.00", -0.001), "0.00");
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, Comma()), "1.234,50");
    EXPECT_EQ(FormatFloat("0.0", std::nan("")), "NAN");
}

TEST(StrToFloat, AcceptsOnlyWholeNumbers)
{
    struct Good {
        const char *text;
        double want;
    } good[] = {{"1.5", 1.5}, {" -2.5e3 ", -2500}, {".5", 0.5}, {"5.", 5}, {"+7", 7}, {"1E-2", 0.01}};
    for (const Good &g : good)
        EXPECT_DOUBLE_EQ(StrToFloat(QLatin1String(g.text)), g.want) << g.text;

    for (const char *bad : {"", " ", "abc", "1.2.3", "1e", "1e999", "1,5", "0x10", "- 1", "1 2"})
        EXPECT_THROW(StrToFloat(QLatin1String(bad)), EConvertError) << bad;
    try {
        StrToFloat("x1");
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), "'x1' is not a valid floating point value");
    }

    EXPECT_DOUBLE_EQ(StrToFloat("1,5", Comma()), 1.5);
    EXPECT_THROW(StrToFloat("1.5", Comma()), EConvertError);
    EXPECT_DOUBLE_EQ(StrToFloatDef("junk", 3.25), 3.25);

    // Every text FloatToStr makes reads back to the same value.
    for (double v : {0.1, -1e-300, 1.0 / 3, 123456.789, 6.02214076e23})
        EXPECT_NEAR(StrToFloat(FloatToStr(v)), v, std::fabs(v) * 1e-14);
}

} // namespace

namespace {

TEST(StrToInt, DecimalAndHexadecimal)
{
    struct Case {
        const char *text;
        bool ok;
        long long want;
    } cases[] = {{"42", true, 42},   {"  -7", true, -7},     {"+3", true, 3},      {"$FF", true, 255},
                 {"0x1f", true, 31}, {"-2147483648", true, -2147483648LL},     {"2147483648", false, 0},
                 {"", false, 0},     {"1 ", false, 0},       {"1.0", false, 0},    {"$", false, 0},
                 {"-", false, 0},    {"12a", false, 0}};
    for (const Case &c : cases) {
        if (c.ok)
            EXPECT_EQ(StrToInt(QLatin1String(c.text)), c.want) << c.text;
        else
            EXPECT_THROW(StrToInt(QLatin1String(c.text)), EConvertError) << c.text;
    }
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<long long>::min());
    EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
}

} // namespace
