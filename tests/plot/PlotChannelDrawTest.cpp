// What a strip-chart channel draws, counted on a recording canvas: the
// decimated trace, digital runs, steps, one-pixel bars and candles, fills
// and the interpolated curves (equal X, points around each column, gaps),
// and a drawing failure shown as a failed paint.
#include "Bitmap.h"
#include "RecordingCanvas.h"
#include "gMath.h"
#include "gPlot.h"
#include "gPlotDataView.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

struct Segment {
    TPoint a, b;
};

// Every straight piece the recording holds, in order.
std::vector<Segment> SegmentsOf(const TRecordingCanvas &C)
{
    std::vector<Segment> result;
    for (const TCanvasCall &call : C.Calls())
        if (call.Kind == cpPolyline || call.Kind == cpLine)
            for (size_t i = 1; i < call.Points.size(); ++i)
                result.push_back({call.Points[i - 1], call.Points[i]});
    return result;
}

// A strip chart of 600 x 300, both axes fixed at 0..100, laid out by one
// paint; Draw records the channel's own drawing alone.
struct ChannelDrawing : ::testing::Test {
    TgPlot plot{nullptr};
    TgPlotChannel *channel = plot.GetChannel(0);
    TBitmap image{600, 300};
    TRecordingCanvas canvas;

    ChannelDrawing()
    {
        plot.SetBounds(0, 0, 600, 300);
        for (TgPlotAxis *axis : {static_cast<TgPlotAxis *>(plot.GetXAxis(0)),
                                 static_cast<TgPlotAxis *>(plot.GetYAxis(0))}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 100);
        }
    }
    void Draw()
    {
        plot.PaintToCanvas(image.Canvas());
        canvas.ClearCalls();
        channel->UpdateCanDraw();
        ASSERT_TRUE(channel->CanDraw());
        channel->Draw(&canvas, clBlack);
    }
    int Px(double X) { return plot.GetXAxis(0)->PositionToPixels(X); }
    int Py(double Y) { return plot.GetYAxis(0)->PositionToPixels(Y); }
    TRect View() { return plot.GetDataView(0)->DrawRect(); }
};

TEST_F(ChannelDrawing, FastTraceDrawsAtMostTwoSegmentsPerPixelColumn)
{
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> noise(-30, 30);
    for (int i = 0; i < 100000; ++i)
        channel->AddXY(i / 1000.0, 50 + noise(rng));
    Draw();
    const int columns = channel->PixelListStop() - channel->PixelListStart() + 1;
    const std::vector<Segment> segments = SegmentsOf(canvas);
    EXPECT_LE(int(segments.size()), 2 * columns);
    EXPECT_GE(int(segments.size()), columns); // every column has its stroke
    for (const Segment &s : segments)
        ASSERT_LE(std::abs(s.b.X - s.a.X), 1) << "joins only neighbouring columns";
}

TEST_F(ChannelDrawing, TwoPointsInOneColumnGiveOneVerticalSegment)
{
    channel->AddXY(50, 10);
    channel->AddXY(50.01, 30);
    Draw();
    const std::vector<Segment> segments = SegmentsOf(canvas);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].a, TPoint(Px(50), Py(30))); // from the largest Y to the smallest
    EXPECT_EQ(segments[0].b, TPoint(Px(50), Py(10)));
}

TEST_F(ChannelDrawing, ASinglePointDrawsOnlyItsMarker)
{
    channel->SetMarkersVisible(true);
    channel->AddXY(40, 60);
    for (bool digital : {false, true}) {
        channel->SetDigitalEnabled(digital);
        Draw();
        EXPECT_EQ(canvas.Segments(), 0);
        ASSERT_EQ(canvas.Count(cpEllipse), 1);
        const TCanvasCall marker = canvas.Of(cpEllipse)[0];
        const int y = digital ? channel->PixelsHigh() : Py(60); // a digital marker sits on its level
        EXPECT_EQ(marker.Points[0], TPoint(Px(40) - 3, y - 3));
    }
}

TEST_F(ChannelDrawing, DigitalRunsDrawLevelsAndEdges)
{
    channel->SetDigitalEnabled(true); // levels 10 (low) and 90 (high)
    struct Case {
        const char *name;
        std::vector<std::pair<double, double>> points;
        std::vector<std::pair<TPoint, TPoint>> segments; // in values
    } const cases[] = {
        {"two points, one level", {{0, 0}, {10, 0}}, {{{0, 10}, {10, 10}}}},
        {"a change",
         {{0, 0}, {10, 0}, {20, 1}, {30, 1}, {40, 0}},
         {{{0, 10}, {20, 10}}, {{20, 10}, {20, 90}}, {{20, 90}, {40, 90}}, {{40, 90}, {40, 10}}}},
        {"a gap ends the run", {{0, 1}, {10, 1}, {15, -1}, {20, 1}}, {{{0, 90}, {10, 90}}}},
    };
    for (const Case &c : cases) {
        channel->Clear();
        for (auto [x, y] : c.points)
            if (y < 0)
                channel->AddXNull(x);
            else
                channel->AddXY(x, y);
        Draw();
        std::vector<std::pair<TPoint, TPoint>> want;
        for (auto [a, b] : c.segments)
            want.push_back({TPoint(Px(a.X), Py(a.Y)), TPoint(Px(b.X), Py(b.Y))});
        std::vector<std::pair<TPoint, TPoint>> got;
        for (const Segment &s : SegmentsOf(canvas))
            got.push_back({s.a, s.b});
        EXPECT_EQ(got, want) << c.name;
    }
    EXPECT_EQ(channel->PixelsHigh(), Py(90));
    EXPECT_EQ(channel->PixelsLow(), Py(10));
}

TEST_F(ChannelDrawing, StepsRunOnToTheRightEdgeOrStopAtTheLastPoint)
{
    for (auto [x, y] : {std::pair{10.0, 20.0}, {30.0, 40.0}, {50.0, 30.0}})
        channel->AddXY(x, y);
    for (bool terminated : {false, true}) {
        channel->SetInterpolationStyle(terminated ? ipistDifferentialTerminated : ipistDifferential);
        Draw();
        std::vector<std::pair<TPoint, TPoint>> want = {
            {TPoint(Px(10), Py(20)), TPoint(Px(30), Py(20))}, {TPoint(Px(30), Py(20)), TPoint(Px(30), Py(40))},
            {TPoint(Px(30), Py(40)), TPoint(Px(50), Py(40))}, {TPoint(Px(50), Py(40)), TPoint(Px(50), Py(30))}};
        if (!terminated)
            want.push_back({TPoint(Px(50), Py(30)), TPoint(Px(100), Py(30))});
        std::vector<std::pair<TPoint, TPoint>> got;
        for (const Segment &s : SegmentsOf(canvas))
            got.push_back({s.a, s.b});
        EXPECT_EQ(got, want) << (terminated ? "terminated" : "running on");
    }
    // The cursor reads the step's level, and past the last point only while
    // the steps run on.
    double y;
    EXPECT_EQ(channel->GetDataCursorYValue(40, y), ipdpsValid);
    EXPECT_EQ(y, 40);
    EXPECT_EQ(channel->GetDataCursorYValue(80, y), ipdpsEmpty);
    channel->SetInterpolationStyle(ipistDifferential);
    EXPECT_EQ(channel->GetDataCursorYValue(80, y), ipdpsValid);
    EXPECT_EQ(y, 30);
}

TEST_F(ChannelDrawing, BarsAndHighLowFiguresNarrowerThanAPixelStayOnePixelWide)
{
    channel->SetTraceVisible(false);
    channel->SetDataStyle(ipdsFullFeature);
    channel->SetBarWidth(0.01);
    channel->SetBarEnabled(true);
    channel->AddHighLow(40, 80, 20, 50, 50); // open = close
    channel->SetHighLowBarWidth(0.01);
    channel->SetHighLowEnabled(true);
    Draw();
    // Bar first, then the open and close ticks and the high-low bar.
    std::vector<TCanvasCall> rects = canvas.Of(cpRectangle);
    ASSERT_EQ(rects.size(), 4u);
    auto width = [](const TCanvasCall &c) { return std::abs(c.Points[1].X - c.Points[0].X); };
    auto height = [](const TCanvasCall &c) { return std::abs(c.Points[1].Y - c.Points[0].Y); };
    EXPECT_EQ(width(rects[0]), 1);
    EXPECT_EQ(rects[3].BrushColor, channel->HighLowBarColor());
    EXPECT_EQ(width(rects[3]), 1);
    EXPECT_EQ(std::min(rects[3].Points[0].Y, rects[3].Points[1].Y), Py(80));

    channel->SetBarEnabled(false);
    channel->SetHighLowStyle(iphlsCandleStick);
    Draw();
    rects = canvas.Of(cpRectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(width(rects[0]), 1);
    EXPECT_EQ(height(rects[0]), 1); // open = close: one pixel high
    EXPECT_EQ(rects[0].BrushColor, channel->HighLowBullishColor());
    ASSERT_EQ(canvas.Count(cpLine), 1); // the wick, high to low
    EXPECT_EQ(canvas.Of(cpLine)[0].Points, (std::vector<TPoint>{TPoint(Px(40), Py(80)), TPoint(Px(40), Py(20))}));
}

TEST_F(ChannelDrawing, FillTakesItsHatchAndBreaksAtGaps)
{
    channel->SetFillEnabled(true);
    channel->SetFillStyle(bsBDiagonal);
    channel->SetFillUseChannelColor(false);
    channel->SetFillColor(clBlue);
    channel->AddXY(10, 50);
    channel->AddXY(20, 60);
    channel->AddXEmpty(25); // skipped: the fill joins its neighbours
    channel->AddXY(30, 40);
    channel->AddXNull(40);
    channel->AddXY(50, 40);
    channel->AddXY(60, 70);
    Draw();
    const std::vector<TCanvasCall> quads = canvas.Of(cpPolygon);
    ASSERT_EQ(quads.size(), 3u);
    for (const TCanvasCall &q : quads) {
        EXPECT_EQ(q.BrushStyle, bsBDiagonal);
        EXPECT_EQ(q.BrushColor, clBlue);
        EXPECT_EQ(q.Points.size(), 4u);
    }
    EXPECT_EQ(quads[1].Points, (std::vector<TPoint>{TPoint(Px(30), Py(0)), TPoint(Px(30), Py(40)),
                                                      TPoint(Px(20), Py(60)), TPoint(Px(20), Py(0))}));
}

// Two points of one X made the spline divide by zero: they are taken as one.
TEST_F(ChannelDrawing, SplineOverEqualXDrawsEveryColumn)
{
    channel->SetInterpolationStyle(ipistCubicSpline);
    for (auto [x, y] : {std::pair{0.0, 0.0}, {10.0, 10.0}, {10.0, 12.0}, {20.0, 0.0}, {20.0, 0.0}, {100.0, 5.0}})
        channel->AddXY(x, y);
    Draw();
    const TRect view = View();
    int columns = 0;
    for (int c = channel->PixelListStart(); c <= channel->PixelListStop(); ++c) {
        const TgPlotPixelPoint &p = channel->PixelPoint(c);
        ASSERT_FALSE(p.NoValue) << c;
        ASSERT_TRUE(std::isfinite(p.YValue)) << c;
        ++columns;
    }
    EXPECT_GE(canvas.Segments(), columns - 1);
    for (const Segment &s : SegmentsOf(canvas))
        ASSERT_TRUE(s.a.Y >= view.Top - 50 && s.a.Y <= view.Bottom + 50) << s.a.Y;
    double y;
    EXPECT_EQ(channel->GetDataCursorYValue(10, y), ipdpsValid);
    EXPECT_NEAR(y, 12, 0.5); // the later point of the two stands
}

// Curves reach every column of the view whatever its geometry: a column that
// rounds outside the list is kept in the nearest one.
TEST_F(ChannelDrawing, CurvesFillEveryColumnOfTheView)
{
    for (double x : {0.0, 25.0, 50.0, 75.0, 100.0})
        channel->AddXY(x, 50 + 30 * std::sin(x / 20));
    TgPlotXAxis *axis = plot.GetXAxis(0);
    for (TgPlotInterpolationStyle style : {ipistCubicSpline, ipistPolynomial})
        for (int width : {401, 533, 600})
            for (bool reversed : {false, true}) {
                channel->SetInterpolationStyle(style);
                plot.SetBounds(0, 0, width, 300);
                axis->SetReverseScale(reversed);
                Draw();
                EXPECT_EQ(canvas.Count(cpText), 0);
                for (int c = channel->PixelListStart(); c <= channel->PixelListStop(); ++c)
                    ASSERT_FALSE(channel->PixelPoint(c).NoValue) << width << " " << reversed << " " << c;
            }
}

TEST_F(ChannelDrawing, PolynomialCurvesTakeThePointsAroundEachColumnAboveFifty)
{
    channel->SetInterpolationStyle(ipistPolynomial);
    auto f = [](double x) { return 50 + 40 * std::sin(x / 8); };
    // Up to 50 points the curve goes through every point, as before.
    std::vector<double> xs{0}, ys{0};
    for (int i = 0; i < 50; ++i) {
        const double x = i * 2.0;
        channel->AddXY(x, f(x));
        xs.push_back(x);
        ys.push_back(f(x));
    }
    Draw();
    for (int c : {channel->PixelListStart() + 5, (channel->PixelListStart() + channel->PixelListStop()) / 2}) {
        const double x = plot.GetXAxis(0)->PixelsToPosition(c);
        double want, dy;
        PolynomialInterpolate(xs, ys, 50, x, want, dy);
        EXPECT_NEAR(channel->PixelPoint(c).YValue, want, 1e-6 * std::max(1.0, std::fabs(want)));
    }
    // Above 50, each column from the 50 points around it: a smooth curve
    // (through all 400 the polynomial would swing out of all measure).
    channel->Clear();
    for (int i = 0; i < 400; ++i)
        channel->AddXY(i / 4.0, f(i / 4.0));
    Draw();
    for (int c = channel->PixelListStart(); c <= channel->PixelListStop(); ++c) {
        const double x = plot.GetXAxis(0)->PixelsToPosition(c);
        if (x <= 99.75) { // the curve ends at the last point
            ASSERT_NEAR(channel->PixelPoint(c).YValue, f(x), 0.01) << x;
        }
    }
}

// Polynomial and rational curves pass through a gap with its stored value;
// equal X values end the drawing without a message.
TEST_F(ChannelDrawing, PolynomialCurvesPassThroughGapsAndStopSilentlyAtEqualX)
{
    for (TgPlotInterpolationStyle style : {ipistPolynomial, ipistRational}) {
        channel->Clear();
        channel->SetInterpolationStyle(style);
        channel->AddXY(10, 40);
        channel->AddXNull(50); // stored Y 0
        channel->AddXY(90, 40);
        Draw();
        double y;
        ASSERT_EQ(channel->GetDataCursorYValue(50, y), ipdpsValid);
        EXPECT_NEAR(y, 0, 1.5);

        channel->AddXY(90, 60);
        EXPECT_NO_THROW(Draw());
        EXPECT_EQ(canvas.Count(cpText), 0);
        EXPECT_EQ(canvas.Count(cpFillRect), 0);
    }
}

// A failure other than the curve maths (here a curve drawn before any paint
// laid out its pixel list) shows its message over the axes' area, as a
// failed paint does, instead of vanishing.
TEST_F(ChannelDrawing, ADrawingFailureShowsItsMessage)
{
    TgPlot fresh(nullptr);
    fresh.SetBounds(0, 0, 600, 300);
    fresh.PaintToCanvas(image.Canvas()); // lays out its axes, no point to draw yet
    TgPlotChannel *c = fresh.GetChannel(0);
    c->SetInterpolationStyle(ipistCubicSpline);
    c->AddXY(0, 10);
    c->AddXY(100, 90);
    TRecordingCanvas out(600, 300);
    c->CalcStartIndex();
    c->CalcStopIndex();
    c->Draw(&out, clBlack);
    ASSERT_EQ(out.Count(cpText), 1);
    EXPECT_EQ(out.Of(cpText)[0].Text, QStringLiteral("Pixel List XPixel out of Range"));
    ASSERT_EQ(out.Count(cpFillRect), 1);
    EXPECT_EQ(out.Of(cpFillRect)[0].BrushColor, clBlack);
}

} // namespace
