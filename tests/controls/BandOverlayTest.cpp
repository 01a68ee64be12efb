// Band handles, parameter texts, the selected band's fill, the marker line
// and the free text drawn over the response plot.
#include "PlotFixture.h"

#include "Format.h"

#include <cmath>

namespace {

// The plot with nothing under the overlays: no grid, ticks or axis lines.
struct OverlayFixture : PlotFixture {
    void SetUp() override
    {
        PlotFixture::SetUp();
        plot.SetShowVertGrid(false);
        plot.SetShowHorzGrid(false);
        plot.SetShowVertTicks(false);
        plot.SetAxisStyle(TMyAxisStyle::None);
    }
    double X(double Frequency) { return plot.Bin(Frequency); }
    // Whether any pixel of Colour lies in the plot page rows Top .. Top + 12,
    // columns Left .. Left + 80 of the screen image. Thin stems of small
    // text are anti-aliased over black: a pixel near the colour counts.
    bool InkIn(int Left, int Top, TColor Colour)
    {
        const QColor want = ToQColor(Colour);
        for (int y = Top; y < Top + 12; ++y)
            for (int x = Left; x < Left + 80; ++x) {
                const QColor got = ToQColor(PlotPixel(x, y));
                if (std::abs(got.red() - want.red()) <= 60 && std::abs(got.green() - want.green()) <= 60 &&
                    std::abs(got.blue() - want.blue()) <= 60)
                    return true;
            }
        return false;
    }
    // Whether the screen shows exactly Text (8 points, Colour) at (Left, Top)
    // of the plot page, compared with the same text drawn alone.
    bool ShowsText(int Left, int Top, const QString &Text, TColor Colour)
    {
        TBitmap ref(plot.GetPlotWidth(), plot.GetPlotHeight());
        ref.Canvas()->Brush()->SetColor(clBlack);
        ref.Canvas()->FillRect(Rect(0, 0, ref.Width(), ref.Height()));
        ref.Canvas()->Font()->SetSize(8);
        ref.Canvas()->Font()->SetColor(Colour);
        ref.Canvas()->SetBkMode(TRANSPARENT);
        ref.Canvas()->TextOut(Left, Top, Text);
        for (int y = Top; y < Top + 13; ++y)
            for (int x = Left - 2; x < Left + 90; ++x)
                if (PlotPixel(x, y) != ref.Canvas()->Pixels(x, y))
                    return false;
        return true;
    }
};

TEST_F(OverlayFixture, HandlesStandAtTheirBlockPositionInTheirColourUntilHidden)
{
    plot.DrawBlock(6, X(1000), clRed, 3, false, 1);
    plot.DrawBlock(-6, X(200), clLime, 49, false, 0);
    plot.DrawBlock(-6, X(300), clLime, 50, false, 0);  // no such band
    plot.DrawBlock(-6, X(300), clLime, -1, false, 0);  // nor this
    const TPoint p = plot.GetBlockPos(3);
    EXPECT_EQ(p, Point(static_cast<int>(plot.ScreenX(X(1000))), static_cast<int>(plot.ScreenY(6))));
    EXPECT_EQ(plot.GetBlockPos(50), TPoint());
    plot.UpdateCurvePage();
    EXPECT_EQ(PlotPixel(p.X - 3, p.Y), clRed);
    EXPECT_EQ(PlotPixel(p.X + 1, p.Y + 3), clRed);
    const TPoint q = plot.GetBlockPos(49);
    EXPECT_EQ(PlotPixel(q.X - 3, q.Y - 3), clLime);
    EXPECT_FALSE(InkIn(static_cast<int>(plot.ScreenX(X(300))) - 10, static_cast<int>(plot.ScreenY(-6)) - 6, clLime));
    // A hidden handle is drawn once by its own call, then never again.
    plot.DrawBlock(6, X(1000), clRed, 3, true, 1);
    for (int copy = 0; copy < 3; ++copy) {
        plot.UpdateCurvePage();
        EXPECT_NE(PlotPixel(p.X - 3, p.Y), clRed) << copy;
    }
    plot.PaintToImage();
    EXPECT_NE(PlotPixel(p.X - 3, p.Y), clRed);
    // The position follows a new layout, not a plain range change.
    plot.SetXMin(1000);
    EXPECT_EQ(plot.GetBlockPos(3), p);
    plot.ResizePaintPage();
    EXPECT_NE(plot.GetBlockPos(3), p);
}

TEST_F(OverlayFixture, SelectedBandTextsByTypeAboveTheHandleAtZeroGainAndBelowAbove)
{
    const QString q = Format(QStringLiteral("Q:%4.2f"), 0.7);
    struct Case {
        int type;
        double gain;
        float frequency;
        QString lines[3]; // Q, frequency, gain; empty when not shown
    } cases[] = {
        {0, 0.0, 999.9f, {q, "999.9Hz", " 0.0dB"}},
        {1, 0.1, 1000.f, {q, "1.00KHz", " 0.1dB"}},
        {2, -3.0, 12500.f, {q, "12.50KHz", "-3.0dB"}},
        {3, -3.0, 12500.f, {"", "12.50KHz", ""}},
        {4, 0.1, 1000.f, {q, "1.00KHz", ""}},
        {8, -3.0, 999.9f, {q, "999.9Hz", ""}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.type);
        plot.DrawParam(k.type, k.gain, X(2000), k.frequency, 0.7, clYellow);
        // A fill that covers nothing on the page: along 0 dB, or below the page
        // for the types that fill down to the bottom edge.
        plot.DrawCurveFill(0, Flat(k.type >= 3 ? -30 : 0).data(), 4096);
        plot.SetCurveDisplay(true);
        plot.UpdateCurvePage();
        const int x = static_cast<int>(plot.ScreenX(X(2000)) - 20), py = static_cast<int>(plot.ScreenY(k.gain));
        const bool above = k.gain <= 0;
        const bool frequencyOnly = k.lines[0].isEmpty();
        // Rows of the Q, frequency and gain lines (the frequency alone stands lower).
        const int rows[3] = {above ? py - 69 : py + 20, frequencyOnly ? (above ? py - 43 : py + 20) : (above ? py - 56 : py + 33),
                             above ? py - 43 : py + 46};
        for (int line = 0; line < 3; ++line) {
            if (k.lines[line].isEmpty())
                continue;
            EXPECT_TRUE(ShowsText(x, rows[line], k.lines[line], clYellow)) << k.lines[line].toStdString();
        }
        if (frequencyOnly) {
            EXPECT_FALSE(InkIn(x, above ? py - 69 : py + 33, clYellow));
        } else if (k.lines[2].isEmpty()) {
            EXPECT_FALSE(InkIn(x, above ? py - 43 : py + 46, clYellow));
        }
    }
    plot.SetCurveDisplay(false);
    plot.UpdateCurvePage();
    EXPECT_FALSE(InkIn(static_cast<int>(plot.ScreenX(X(2000)) - 20), static_cast<int>(plot.ScreenY(-3)) - 43, clYellow));
}

TEST_F(OverlayFixture, ParameterDisplayShowsTheOtherBandsInWhiteByTheirFilterCode)
{
    plot.SetParameterDisplay(true);
    struct Band {
        int band, code;
        double frequency;
        bool q, frequencyLine, gain;
    } bands[] = {
        {0, 1, 100, true, true, true},   // peak
        {1, 7, 400, false, true, false}, // first-order all-pass
        {2, 17, 1600, true, true, false}, // second-order all-pass
        {3, 5, 6400, true, true, false}, // low-pass -6 dB shows as type 4
    };
    for (const Band &b : bands) {
        plot.DrawBlock(-2, X(b.frequency), clRed, b.band, false, 1);
        plot.SetBlockParameter(b.band, b.frequency, -2, 1.0, b.code);
    }
    plot.UpdateCurvePage();
    for (const Band &b : bands) {
        SCOPED_TRACE(b.band);
        const int x = static_cast<int>(plot.ScreenX(X(b.frequency)) - 20), py = static_cast<int>(plot.ScreenY(-2));
        if (b.frequencyLine && !b.q) {
            EXPECT_TRUE(InkIn(x, py - 43, clWhite));
            EXPECT_FALSE(InkIn(x, py - 56, clWhite));
            continue;
        }
        EXPECT_EQ(InkIn(x, py - 69, clWhite), b.q);
        EXPECT_EQ(InkIn(x, py - 56, clWhite), b.frequencyLine);
        EXPECT_EQ(InkIn(x, py - 43, clWhite), b.gain);
    }
    // The selected band's own text is not repeated in white.
    plot.DrawParam(0, -2, X(100), 100.f, 1.0, clYellow);
    plot.UpdateCurvePage();
    EXPECT_FALSE(InkIn(static_cast<int>(plot.ScreenX(X(100)) - 20), static_cast<int>(plot.ScreenY(-2)) - 69, clWhite));
}

double Peak(double f) { return 9.0 * std::exp(-2 * std::pow(std::log2(f / 1000.0), 2)); }
double LowShelfUp(double f) { return 6.0 / (1 + std::pow(f / 200.0, 2)); }
double LowShelfDown(double f) { return -LowShelfUp(f); }
double HighShelfUp(double f) { return 6.0 / (1 + std::pow(5000.0 / f, 2)); }
double HighPass(double f) { return -12.0 / (1 + std::pow(f / 200.0, 2)); }

TEST_F(OverlayFixture, FillShadesTheBandTowardItsTypesEdgeAndStaysTheSameOverRepaints)
{
    struct Sample {
        double frequency, gain;
        bool filled;
    };
    struct Case {
        const char *name;
        int type;
        double gain;
        double (*curve)(double);
        std::vector<Sample> samples;
    } cases[] = {
        {"peak", 0, 9, Peak, {{1000, 4, true}, {1000, 12, false}, {1000, -6, false}, {100, 3, false}}},
        {"low shelf up", 1, 6, LowShelfUp, {{50, 3, true}, {50, 9, false}, {50, -3, false}}},
        {"low shelf down", 1, -6, LowShelfDown, {{50, -3, true}, {50, 3, false}, {50, -9, false}}},
        {"high shelf up", 2, 6, HighShelfUp, {{15000, 3, true}, {15000, 9, false}, {15000, -3, false}}},
        {"high-pass", 4, 0, HighPass, {{50, -15, true}, {50, -6, false}, {5000, -9, true}, {5000, 3, false}}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        plot.DrawParam(k.type, k.gain, X(1000), 1000.f, 1.0, clYellow);
        plot.DrawCurveFill(0, Curve(k.curve).data(), 4096);
        plot.SetCurveDisplay(true);
        plot.UpdateCurvePage();
        TColor fill = clNone;
        for (const Sample &s : k.samples) {
            const TColor p = PlotPixel(static_cast<int>(plot.ScreenX(X(s.frequency))), static_cast<int>(plot.ScreenY(s.gain)));
            EXPECT_EQ(p != clBlack, s.filled) << s.frequency << " Hz, " << s.gain << " dB";
            if (s.filled)
                fill = p;
        }
        // Grey at alpha 30 over black; the same after five more copies and a paint.
        EXPECT_EQ(GetRValue(fill), GetGValue(fill));
        EXPECT_NEAR(GetRValue(fill), 128 * 30 / 255, 1);
        const Sample &in = k.samples[0];
        for (int copy = 0; copy < 5; ++copy)
            plot.UpdateCurvePage();
        plot.PaintToImage();
        EXPECT_EQ(PlotPixel(static_cast<int>(plot.ScreenX(X(in.frequency))), static_cast<int>(plot.ScreenY(in.gain))), fill);
    }
    // Off, the fill goes at the next copy.
    plot.SetCurveDisplay(false);
    plot.UpdateCurvePage();
    EXPECT_EQ(PlotPixel(static_cast<int>(plot.ScreenX(X(50))), static_cast<int>(plot.ScreenY(-15))), clBlack);
}

TEST_F(OverlayFixture, FillTakesAtMostOneCurveOfPointsAndSkipsValuesThatAreNotNumbers)
{
    std::vector<double> y = Curve(Peak);
    y.resize(6000, 50.0);
    y[2000] = std::nan("");
    y[2001] = -std::numeric_limits<double>::infinity();
    plot.DrawParam(0, 9, X(1000), 1000.f, 1.0, clYellow);
    plot.DrawCurveFill(0, y.data(), 6000);
    plot.SetCurveDisplay(true);
    plot.UpdateCurvePage();
    EXPECT_NE(PlotPixel(static_cast<int>(plot.ScreenX(X(1000))), static_cast<int>(plot.ScreenY(4))), clBlack);
}

// The rows of one plot page column that hold Colour, as runs on, off, on ...
std::vector<int> Runs(PlotFixture &f, int X, int Rows, TColor Colour)
{
    std::vector<int> runs;
    bool on = true;
    int len = 0;
    for (int y = 0; y < Rows; ++y) {
        if ((f.PlotPixel(X, y) == Colour) != on) {
            runs.push_back(len);
            on = !on;
            len = 0;
        }
        ++len;
    }
    runs.push_back(len);
    return runs;
}

TEST_F(OverlayFixture, MarkerLineIsDashedWhenDrawnDottedWhenRepaintedWithAYellowSquareAtMinusThreeDecibels)
{
    plot.DrawLine(X(5000), clGreen, true);
    const int x = static_cast<int>(plot.ScreenX(X(5000)));
    EXPECT_EQ(Runs(*this, x, 48, clRed), (std::vector<int>{18, 6, 18, 6}));
    plot.UpdateCurvePage();
    EXPECT_EQ(Runs(*this, x, 12, clRed), (std::vector<int>{3, 3, 3, 3}));
    const int y = static_cast<int>(plot.ScreenY(-3.0));
    EXPECT_EQ(PlotPixel(x - 4, y), clYellow);
    EXPECT_EQ(PlotPixel(x + 3, y), clYellow);
    EXPECT_EQ(PlotPixel(x - 4, y - 4), clYellow);
    EXPECT_NE(PlotPixel(x - 5, y), clYellow);
}

TEST_F(OverlayFixture, FreeTextIsReplacedByTheNextOne)
{
    plot.DrawTextA(100, 50, 20, clAqua, QStringLiteral("Tahoma"), QStringLiteral("OFFLINE"));
    plot.UpdateCurvePage();
    auto ink = [&](int left, TColor c) {
        for (int y = 50; y < 80; ++y)
            for (int x = left; x < left + 30; ++x)
                if (PlotPixel(x, y) == c)
                    return true;
        return false;
    };
    EXPECT_TRUE(ink(100, clAqua));
    plot.DrawTextA(400, 50, 20, clLime, QStringLiteral("Tahoma"), QStringLiteral("LINK"));
    plot.UpdateCurvePage();
    EXPECT_FALSE(ink(100, clAqua));
    EXPECT_TRUE(ink(400, clLime));
}

} // namespace
