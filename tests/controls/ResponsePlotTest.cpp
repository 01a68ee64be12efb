// The response plot: range upkeep, layout, grid, ticks, labels and curves.
#include "PlotFixture.h"

#include "Form.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

#include <cmath>
#include <limits>

namespace {

TEST(ResponsePlotRange, LimitsAreRepairedOnEveryAxisFormat)
{
    LMyFFTDrawHpLp6dB p(nullptr);
    p.SetXAutoScale(false);
    p.SetYAutoScale(false);
    p.SetXMin(5);
    p.SetXMax(5);
    EXPECT_EQ(p.XMax(), 6);
    p.SetXAxisFormat(TMyAxisFormat::Log);
    p.SetXMax(5);
    EXPECT_EQ(p.XMax(), 50);
    p.SetYMax(18);
    p.SetYMin(-18);
    p.SetYAxisFormat(TMyAxisFormat::Log);
    EXPECT_DOUBLE_EQ(p.YMin(), 1.8);
    p.SetYMin(-5);
    EXPECT_DOUBLE_EQ(p.YMin(), 0.18);
    p.SetYMax(-2);
    EXPECT_EQ(p.YMax(), 10);
}

TEST(ResponsePlotRange, AutoScaleFollowsTheCurvesAndFallsBackToMinusOneToOne)
{
    LMyFFTDrawHpLp6dB p(nullptr);
    const double y[] = {-4, 7, std::nan(""), -std::numeric_limits<double>::infinity(), 2};
    EXPECT_FALSE(p.FFTDraw(y, 5, 3, clRed, TMyPlotStyle(0)));
    EXPECT_EQ(p.XMin(), 0);
    EXPECT_EQ(p.XMax(), 4);
    EXPECT_EQ(p.YMin(), -4);
    EXPECT_EQ(p.YMax(), 7);
    EXPECT_TRUE(p.FFTDraw(y, 5, 3, clBlue, TMyPlotStyle(2)));
    TColor colour = clNone;
    EXPECT_TRUE(p.GetPlotColor(colour, 3));
    EXPECT_EQ(colour, clRed);
    EXPECT_TRUE(p.RemovePlot(3));
    EXPECT_FALSE(p.RemovePlot(3));
    EXPECT_EQ(p.XMin(), -1);
    EXPECT_EQ(p.XMax(), 1);
    EXPECT_EQ(p.YMin(), -1);
    EXPECT_EQ(p.YMax(), 1);
}

TEST(ResponsePlotRange, PointSizeAndTickLengthsAreClamped)
{
    LMyFFTDrawHpLp6dB p(nullptr);
    struct Case {
        void (LMyFFTDrawHpLp6dB::*set)(int);
        int (LMyFFTDrawHpLp6dB::*get)() const;
        int value, expected;
    } cases[] = {
        {&LMyFFTDrawHpLp6dB::SetPointSize, &LMyFFTDrawHpLp6dB::PointSize, 0, 1},
        {&LMyFFTDrawHpLp6dB::SetPointSize, &LMyFFTDrawHpLp6dB::PointSize, 11, 10},
        {&LMyFFTDrawHpLp6dB::SetPointSize, &LMyFFTDrawHpLp6dB::PointSize, 7, 7},
        {&LMyFFTDrawHpLp6dB::SetHorzTickLength, &LMyFFTDrawHpLp6dB::HorzTickLength, -3, 0},
        {&LMyFFTDrawHpLp6dB::SetHorzTickLength, &LMyFFTDrawHpLp6dB::HorzTickLength, 900, 500},
        {&LMyFFTDrawHpLp6dB::SetVertTickLength, &LMyFFTDrawHpLp6dB::VertTickLength, 900, 250},
        {&LMyFFTDrawHpLp6dB::SetNumHorzGrid, &LMyFFTDrawHpLp6dB::NumHorzGrid, -2, 0},
    };
    for (const Case &k : cases) {
        (p.*k.set)(k.value);
        EXPECT_EQ((p.*k.get)(), k.expected) << k.value;
    }
}

// The widest label the layout reserves room for, measured as the layout does.
int WidestLabel(TFont *font)
{
    TBitmap b(1, 1);
    b.Canvas()->Font()->Assign(font);
    int w = 0;
    for (int k = -100; k <= 100; ++k)
        w = std::max(w, b.Canvas()->TextWidth(FloatToStrF(3.141592653589793 * std::pow(10.0, k), ffGeneral, 5, 4)));
    return w;
}

TEST_F(PlotFixture, LayoutWithTheChannelPageSettings)
{
    TBitmap b(1, 1);
    b.Canvas()->Font()->Assign(plot.AxisLabelFont());
    const int labelHeight = b.Canvas()->TextHeight(QStringLiteral("966"));
    const int L = WidestLabel(plot.AxisLabelFont()) - 26;
    const int B = static_cast<int>(255 - 1.2 * labelHeight);
    EXPECT_EQ(plot.PlotPage()->Dest(), Rect(L, 10, 1060, B));
    EXPECT_EQ(plot.XLabelPage()->Dest(), Rect(L, B, 1060, 255));
    EXPECT_EQ(plot.YLabelPage()->Dest(), Rect(0, 10, L, 255));
    EXPECT_EQ(plot.RightMarginPage()->Dest(), Rect(1060, 0, 1070, 255));
    EXPECT_EQ(plot.GetPlotWidth(), 1060 - L);
    EXPECT_EQ(plot.GetPlotHeight(), B - 10);
    // Without labels the plot page starts 30 pixels left of the control.
    plot.SetShowYLabel(false);
    EXPECT_EQ(plot.PlotPage()->Dest().Left, -30);
}

// The label widths are measured once for all plots: a plot with another
// label font measures its own, and one with the first font again finds the
// first width.
TEST_F(PlotFixture, EachLabelFontGetsItsOwnWidthAcrossPlots)
{
    const int small = plot.PlotPage()->Dest().Left;
    LMyFFTDrawHpLp6dB big(nullptr);
    MainWindowSettings(big, 1070, 255);
    TFont f;
    f.Assign(big.AxisLabelFont());
    f.SetHeight(-20);
    big.SetAxisLabelFont(&f);
    EXPECT_EQ(big.PlotPage()->Dest().Left, WidestLabel(&f) - 26);
    EXPECT_GT(big.PlotPage()->Dest().Left, small);
    LMyFFTDrawHpLp6dB again(nullptr);
    MainWindowSettings(again, 1070, 255);
    EXPECT_EQ(again.PlotPage()->Dest().Left, small);
}

// Columns of the X label page that hold ink, around each label's centre.
std::vector<bool> XLabelsShown(LMyFFTDrawHpLp6dB &p)
{
    const double logs[10] = {1.301029996, 2, 3, 4, 4.301029996, 1.698970004, 2.301029996, 2.698970004, 3.301029996, 3.698970004};
    const QImage img = p.ScreenImage();
    const TRect d = p.XLabelPage()->Dest();
    std::vector<bool> shown;
    for (double li : logs) {
        const int cx = d.Left + static_cast<int>(p.ScreenX(4096 * li / std::log10(48000.0)));
        bool ink = false;
        for (int y = d.Top; y < d.Bottom; ++y)
            for (int x = cx - 2; x <= cx + 2; ++x)
                ink = ink || FromQColor(img.pixelColor(x, y)) != clBlack;
        shown.push_back(ink);
    }
    return shown;
}

TEST_F(PlotFixture, NarrowControlsShowFourFrequencyLabelsAndWideOnesTen)
{
    MainWindowSettings(plot, 799, 255);
    plot.Redraw();
    EXPECT_EQ(XLabelsShown(plot), (std::vector<bool>{true, true, true, true, false, false, false, false, false, false}));
    MainWindowSettings(plot, 800, 255);
    plot.Redraw();
    EXPECT_EQ(XLabelsShown(plot), std::vector<bool>(10, true));
}

TEST(ResponsePlotLayout, AControlWithNoRoomSwitchesTitlesAndLabelsOffAndDrawsNothing)
{
    // xOn: plot title, X label and X title still on; yOn: Y label and Y title.
    struct Case {
        int w, h;
        bool xOn, yOn;
    } cases[] = {{300, 5, false, true}, {5, 200, true, false}, {5, 5, false, false}};
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.w << " x " << k.h);
        LMyFFTDrawHpLp6dB p(nullptr);
        p.SetShowPlotTitle(true);
        p.SetShowXTitle(true);
        p.SetShowYTitle(true);
        p.SetBounds(0, 0, k.w, k.h);
        const QImage shown = p.PaintToImage();
        EXPECT_EQ(p.ShowXLabel(), k.xOn);
        EXPECT_EQ(p.ShowPlotTitle(), k.xOn);
        EXPECT_EQ(p.ShowXTitle(), k.xOn);
        EXPECT_EQ(p.ShowYLabel(), k.yOn);
        EXPECT_EQ(p.ShowYTitle(), k.yOn);
        for (int y = 0; y < k.h; ++y)
            for (int x = 0; x < k.w; ++x)
                ASSERT_EQ(FromQColor(shown.pixelColor(x, y)), clBlack) << x << "," << y;
        // A narrow control keeps its plot page, off to the left; a low one has none.
        EXPECT_EQ(p.LaidOut(), k.h > 5);
        if (p.LaidOut()) {
            EXPECT_LE(p.PlotPage()->Dest().Right, 0);
        } else {
            EXPECT_EQ(p.PlotX(3), 0);
        }
    }
}

TEST_F(PlotFixture, GridMarksDecadesInAxisColourAndTheStepsBetweenInGridColour)
{
    plot.UpdateCurvePage();
    const int row = 5;
    for (int a = 2; a <= 4; ++a)
        for (int m = 1; m <= 9; ++m) {
            const int x = static_cast<int>(plot.ScreenX(plot.Bin(m * std::pow(10.0, a))));
            if (x <= 0 || x >= plot.GetPlotWidth() - 1)
                continue;
            EXPECT_EQ(PlotPixel(x, row), m == 1 ? TColor(35840) : TColor(18432)) << m << "e" << a;
        }
    // Horizontal lines every 3 dB; the 0 dB line is the axis.
    for (int k = 1; k <= 11; ++k) {
        const int y = static_cast<int>(plot.ScreenY(-18 + 3 * k));
        EXPECT_EQ(PlotPixel(3, y), k == 6 ? TColor(35840) : TColor(18432)) << k;
        EXPECT_EQ(PlotPixel(3, y + 2), clBlack) << k;
    }
}

TEST_F(PlotFixture, TicksOfLengthZeroMarkOnlyTheBottomOfTheVerticalGrid)
{
    plot.SetAxisStyle(TMyAxisStyle::None);
    const int x = static_cast<int>(plot.ScreenX(plot.Bin(200)));
    const int h = plot.GetPlotHeight();
    const int y = static_cast<int>(plot.ScreenY(-15));
    EXPECT_EQ(PagePixel(x, h - 1), TColor(35840));
    EXPECT_EQ(PagePixel(x, h - 2), TColor(18432));
    EXPECT_EQ(PagePixel(0, y), TColor(18432));
    plot.SetShowVertTicks(false);
    plot.SetHorzTickLength(5);
    EXPECT_EQ(PagePixel(x, h - 1), TColor(18432));
    EXPECT_EQ(PagePixel(4, y), TColor(35840));
    EXPECT_EQ(PagePixel(5, y), TColor(18432));
}

// The Y label page as it should look: each text right-aligned at its row.
QImage ExpectedYLabels(LMyFFTDrawHpLp6dB &p, const std::vector<std::pair<QString, double>> &labels)
{
    TPaintPage ref;
    ref.Place(0, 0, p.YLabelPage()->Width(), p.YLabelPage()->Height());
    ref.Clear(clBlack);
    ref.UseFont(p.AxisLabelFont());
    TCanvas *c = ref.Canvas();
    for (const auto &[text, value] : labels) {
        const int th = c->TextHeight(text);
        const double y = value == p.YMax() ? 0 : value == p.YMin() ? p.ScreenY(value) - th : p.ScreenY(value) - th / 2.0;
        c->TextOut(ref.Width() - c->TextWidth(text) - 2, static_cast<int>(y), text);
    }
    return static_cast<const TBitmap *>(ref.Bitmap())->Image().copy();
}

QImage YLabels(LMyFFTDrawHpLp6dB &p)
{
    return static_cast<const TBitmap *>(p.YLabelPage()->Bitmap())->Image().copy();
}

TEST_F(PlotFixture, YLabelsStandAtEverySecondGridLineWithAPlusOnTopAndOnPositiveValues)
{
    plot.DrawYAxisLabels();
    auto n = [](double v) { return FloatToStrF(v, ffGeneral, 5, 4) + QStringLiteral("dB"); };
    EXPECT_EQ(YLabels(plot), ExpectedYLabels(plot, {{"+" + n(18), 18}, {n(-18), -18}, {n(-12), -12}, {n(-6), -6},
                                                    {n(0), 0}, {"+" + n(6), 6}, {"+" + n(12), 12}}));
    // The top label has its plus sign whatever the sign of the maximum.
    plot.SetXYMinMax(966, 3840, -30, -6);
    plot.SetNumHorzGrid(3);
    EXPECT_EQ(YLabels(plot), ExpectedYLabels(plot, {{"+" + n(-6), -6}, {n(-30), -30}, {n(-18), -18}}));
    // The phase view: tenths of a degree shown through a scale of 10, no unit.
    plot.SetXYMinMax(966, 3840, -18, 18);
    plot.SetYLabel(QString());
    plot.SetYLabelScale(10);
    plot.SetNumHorzGrid(7);
    auto d = [](double v) { return FloatToStrF(v, ffGeneral, 5, 4); };
    EXPECT_EQ(YLabels(plot), ExpectedYLabels(plot, {{"+" + d(180), 18}, {d(-180), -18}, {d(-90), -9}, {d(0), 0},
                                                    {"+" + d(90), 9}}));
}

// A curve of three points at bins 1500, 2000 and 2500 in the middle of the
// page, the middle one given.
struct CurveFixture : PlotFixture {
    void SetUp() override
    {
        PlotFixture::SetUp();
        plot.SetShowVertGrid(false);
        plot.SetShowHorzGrid(false);
        plot.SetAxisStyle(TMyAxisStyle::None);
    }
    void Draw(double Middle, int Style)
    {
        const double x[] = {1500, 2000, 2500}, y[] = {6, Middle, 6};
        plot.RemovePlot(1);
        plot.FFTDraw(x, y, 3, 1, clYellow, TMyPlotStyle(Style));
    }
    TColor At(double Bin, double Gain)
    {
        return PagePixel(static_cast<int>(plot.ScreenX(Bin)), static_cast<int>(plot.ScreenY(Gain)));
    }
};

TEST_F(CurveFixture, StylesDrawLinesSquaresOrBoth)
{
    struct Case {
        int style;
        bool line, square, filled;
    } cases[] = {
        {0, true, false, false}, {1, false, true, true}, {2, false, true, false},
        {3, true, true, true},   {4, true, true, false},
    };
    const int s = plot.PointSize();
    for (const Case &k : cases) {
        SCOPED_TRACE(k.style);
        Draw(6, k.style);
        const int px = static_cast<int>(plot.ScreenX(2000)), py = static_cast<int>(plot.ScreenY(6));
        EXPECT_EQ(At(1750, 6) == clYellow, k.line);
        EXPECT_EQ(PagePixel(px - s, py - s) == clYellow, k.square);
        EXPECT_EQ(PagePixel(px + s, py - s - 2) == clYellow, false);
        if (!k.line) {
            EXPECT_EQ(PagePixel(px, py) == clYellow, k.filled);
        }
        // A width-2 line covers its row and the one below.
        EXPECT_EQ(At(1750, 6) == clYellow, PagePixel(static_cast<int>(plot.ScreenX(1750)), static_cast<int>(plot.ScreenY(6)) + 1) == clYellow);
    }
}

TEST_F(CurveFixture, FarAndNonFinitePointsBreakTheLine)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (double middle : {1e9, -1e12, inf, -inf, std::nan("")}) {
        SCOPED_TRACE(middle);
        Draw(middle, 0);
        const int h = plot.GetPlotHeight();
        for (double bin : {1750.0, 2250.0}) {
            const int x = static_cast<int>(plot.ScreenX(bin));
            for (int y = 0; y < h; ++y)
                ASSERT_NE(PagePixel(x, y), clYellow) << bin << " row " << y;
        }
    }
    Draw(8, 0);
    const int x = static_cast<int>(plot.ScreenX(1750)), y = static_cast<int>(plot.ScreenY(7));
    EXPECT_TRUE(PagePixel(x, y - 1) == clYellow || PagePixel(x, y) == clYellow || PagePixel(x, y + 1) == clYellow);
}

TEST_F(CurveFixture, TheCurveAddedLastLiesUnderneath)
{
    const double x[] = {1500, 2500}, y[] = {0, 0};
    plot.FFTDraw(x, y, 2, 1, clYellow, TMyPlotStyle(0));
    plot.FFTDraw(x, y, 2, 2, clAqua, TMyPlotStyle(0));
    EXPECT_EQ(At(2000, 0), clYellow);
    EXPECT_TRUE(plot.SetPlotColor(clRed, 2));
    EXPECT_EQ(At(2000, 0), clRed);
}

} // namespace

namespace {

// On a shown form the plot paints its screen image and asks for no further
// paint from within its own.
TEST(ResponsePlotOnForm, PaintsTheScreenImageWithoutRepaintingItself)
{
    TForm form(nullptr);
    form.SetClientWidth(1100);
    form.SetClientHeight(300);
    LMyFFTDrawHpLp6dB p(&form);
    p.SetParent(&form);
    p.SetBounds(10, 20, 1070, 255);
    int paints = 0;
    p.OnPaint = [&](TObject *) { ++paints; };
    form.Show();
    QCoreApplication::processEvents();
    QImage shot(1100, 300, QImage::Format_RGB32);
    {
        QPainter painter(&shot);
        form.Widget()->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    ASSERT_GT(paints, 0);
    EXPECT_EQ(shot.copy(10, 20, 1070, 255), p.ScreenImage().convertToFormat(QImage::Format_RGB32));
    const int settled = paints;
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, settled);
    // A copy outside the paint asks for one.
    p.UpdateCurvePage();
    QCoreApplication::processEvents();
    EXPECT_GT(paints, settled);
}

} // namespace

namespace {

TEST_F(PlotFixture, LogAxesDrawTheDecadeSchemeAndLabelEachDecade)
{
    plot.SetAxisStyle(TMyAxisStyle::None);
    plot.SetXYMinMax(1, 1000, 1, 1000);
    plot.SetXAxisFormat(TMyAxisFormat::Log);
    plot.SetYAxisFormat(TMyAxisFormat::Log);
    plot.SetNumHorzGrid(1);
    plot.SetNumVertGrid(0);
    // Y: each decade and one line halfway through it; X: decades only.
    for (double v : {10.0, 100.0, 5.5, 55.0}) {
        EXPECT_EQ(PagePixel(40, static_cast<int>(plot.ScreenY(v))), TColor(18432)) << v;
        EXPECT_EQ(PagePixel(static_cast<int>(plot.ScreenX(v)), 40), v == 10 || v == 100 ? TColor(18432) : clBlack) << v;
    }
    EXPECT_EQ(PagePixel(40, static_cast<int>(plot.ScreenY(30))), clBlack);
    // Labels at the inner decades 10 and 100, not at the ends.
    const QImage labels = static_cast<const TBitmap *>(plot.YLabelPage()->Bitmap())->Image();
    auto inkRows = [&](int from, int to) {
        for (int y = std::max(from, 0); y < std::min(to, labels.height()); ++y)
            for (int x = 0; x < labels.width(); ++x)
                if (FromQColor(labels.pixelColor(x, y)) != clBlack)
                    return true;
        return false;
    };
    for (double v : {10.0, 100.0})
        EXPECT_TRUE(inkRows(static_cast<int>(plot.ScreenY(v)) - 3, static_cast<int>(plot.ScreenY(v)) + 3)) << v;
    EXPECT_FALSE(inkRows(static_cast<int>(plot.ScreenY(30)) - 3, static_cast<int>(plot.ScreenY(30)) + 3));
}

TEST_F(PlotFixture, TitlesTakeTwiceTheirTextHeight)
{
    plot.SetShowPlotTitle(true);
    plot.SetShowXTitle(true);
    plot.SetShowYTitle(true);
    TBitmap b(1, 1);
    b.Canvas()->Font()->Assign(plot.PlotTitleFont());
    const int th = b.Canvas()->TextHeight(plot.PlotTitle());
    const TRect before = plot.XLabelPage()->Dest();
    EXPECT_EQ(plot.PlotPage()->Dest().Top, 2 * th);
    EXPECT_EQ(plot.PlotTitlePage()->Dest(), Rect(0, 0, 1060, 2 * th));
    EXPECT_EQ(plot.XTitlePage()->Dest(), Rect(before.Left, 255 - 2 * th, 1060, 255));
    EXPECT_EQ(plot.YTitlePage()->Dest(), Rect(0, 2 * th, 2 * th, 255));
    EXPECT_EQ(plot.YLabelPage()->Dest().Left, 2 * th);
}

} // namespace
