#include "MessageOf.h"
#include "PlotOwnerStub.h"
#include "gPlotDataCursor.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Both axes 0..10 over a 400 x 200 data view at (50, 20): X = 1 lies at
// pixel 90, Y = 1 at pixel 200. The axes do not follow the points.
class ChannelTest : public ::testing::Test {
protected:
    ChannelTest()
    {
        for (TgPlotAxis *axis : {static_cast<TgPlotAxis *>(plot.AddXAxis()), static_cast<TgPlotAxis *>(plot.AddYAxis())}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 10);
        }
        plot.AddDataView();
        channel = plot.AddChannel();
        channel->SetColor(clWhite);
    }
    TPoint Pixel(double X, double Y) { return TPoint(50 + int(X * 40), 220 - int(Y * 20)); }
    bool Lit(double X, double Y)
    {
        const TPoint p = Pixel(X, Y);
        return image->Canvas()->Pixels(p.X, p.Y) != clBlack;
    }
    bool LitAt(int X, int Y) { return image->Canvas()->Pixels(X, Y) != clBlack; }
    void Paint()
    {
        image = BlackImage(500, 300);
        plot.Layout(image->Canvas(), TRect(50, 20, 450, 220));
        channel->Draw(image->Canvas(), clBlack);
    }

    TPlotOwnerStub plot;
    TgXYPlotChannel *channel;
    std::unique_ptr<TBitmap> image;
};

TEST_F(ChannelTest, RunningStatisticsAndDeleting)
{
    channel->AddXY(1, 5);
    channel->AddXY(2, 7);
    channel->AddXY(3, 6);
    EXPECT_EQ(channel->RunningXMax(), 3);
    EXPECT_EQ(channel->RunningYMin(), 5);
    EXPECT_EQ(channel->RunningYMean(), 6);
    channel->DeletePoints(1); // the statistics stay
    EXPECT_EQ(channel->RunningXMin(), 1);
    EXPECT_EQ(channel->Count(), 2);
    channel->DeletePoints(channel->Count());
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->DrawStartIndex(), -1);
    EXPECT_EQ(channel->RunningXMax(), -1e300);
    EXPECT_EQ(MessageOf([&] { channel->DeletePoints(3); }), "Delete size out of Range");

    channel->DoAddXY(4, 0, true, false); // a Null point counts here...
    channel->AddXY(5, 3);
    EXPECT_EQ(channel->RunningYMin(), 0);
    channel->ReCalcRunningMinMaxMean(); // ...but not when recounted
    EXPECT_EQ(channel->RunningYMin(), 3);
    channel->AddNull();
    EXPECT_EQ(channel->RunningYMin(), 3);
    EXPECT_EQ(channel->Count(), 3);
}

TEST_F(ChannelTest, DataStyleSwitchKeepsTheStyles)
{
    channel->SetMarkersSize(9);
    channel->SetRingBufferSize(50);
    channel->SetTraceLineStyle(iplsDot);
    channel->AddXY(1, 1);
    channel->SetDataStyle(ipdsCompact);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->Color(), clWhite);
    EXPECT_EQ(channel->MarkersSize(), 9);
    EXPECT_EQ(channel->TraceLineStyle(), iplsDot);
    EXPECT_EQ(channel->RingBufferSize(), 50);
    EXPECT_EQ(channel->DataPointSize(), 8);
}

// A Null point breaks the trace, an Empty point is passed over.
TEST_F(ChannelTest, TraceRunsBreakAtNullAndJoinOverEmpty)
{
    channel->AddXY(0, 0);
    channel->AddNull();
    channel->AddXY(2, 2);
    channel->AddXY(3, 3);
    Paint();
    EXPECT_FALSE(Lit(1, 1));
    EXPECT_TRUE(Lit(2.5, 2.5));

    channel->DeletePoints(channel->Count());
    channel->AddXY(0, 0);
    channel->AddEmpty();
    channel->AddXY(2, 2);
    channel->AddXY(3, 3);
    Paint();
    EXPECT_TRUE(Lit(1, 1));
    EXPECT_TRUE(Lit(2.5, 2.5));

    // Insertion order, X running backwards: 3 -> 1 -> 2.
    channel->DeletePoints(channel->Count());
    for (double x : {3.0, 1.0, 2.0})
        channel->AddXY(x, x == 1 ? 5 : 8);
    Paint();
    EXPECT_TRUE(Lit(2, 6.5));
    EXPECT_TRUE(Lit(1.5, 6.5));
}

TEST_F(ChannelTest, SegmentsAreClippedToTheAxes)
{
    struct Row {
        const char *name;
        bool clip;
        double x1, y1, x2, y2;
        TPoint lit, dark;
    } rows[] = {
        // leaves the Y range: drawn to its end unless clipped
        {"beyond Y drawn", false, 5, 5, 5, 14, TPoint(250, 5), TPoint(251, 5)},
        {"beyond Y clipped", true, 5, 5, 5, 14, TPoint(250, 30), TPoint(250, 5)},
        // X wholly beyond the axis: never drawn
        {"X outside", false, 11, 5, 12, 5, TPoint(251, 300), TPoint(480, 120)},
        // crossing the X axis's Min: starts at Min
        {"crosses Min", false, -5, 5, 5, 5, TPoint(50, 120), TPoint(40, 120)},
    };
    for (const Row &r : rows) {
        channel->DeletePoints(channel->Count());
        channel->SetClipToAxes(r.clip);
        channel->AddXY(r.x1, r.y1);
        channel->AddXY(r.x2, r.y2);
        image = BlackImage(500, 300);
        plot.Layout(image->Canvas(), TRect(50, 20, 450, 220));
        channel->DrawTrace(image->Canvas(), false, clBlack);
        if (r.lit.Y < 300) {
            EXPECT_TRUE(LitAt(r.lit.X, r.lit.Y)) << r.name;
        }
        EXPECT_FALSE(LitAt(r.dark.X, r.dark.Y)) << r.name;
    }
}

TEST_F(ChannelTest, TraceWidthAndMarkerLimit)
{
    channel->AddXY(1, 5);
    channel->AddXY(9, 5);
    Paint();
    EXPECT_TRUE(LitAt(200, 120));
    EXPECT_FALSE(LitAt(200, 121));
    channel->SetTraceLineWidth(2);
    Paint();
    EXPECT_TRUE(LitAt(200, 121));

    channel->DeletePoints(channel->Count());
    channel->SetTraceVisible(false);
    channel->SetMarkersVisible(true);
    channel->SetMarkersTurnOffLimit(10);
    for (int i = 0; i < 12; ++i)
        channel->AddXY(i * 0.5, 5);
    Paint();
    EXPECT_FALSE(LitAt(50, 120)); // 12 points: |11 - 0| > 10
    channel->DeletePoints(1);
    Paint();
    EXPECT_TRUE(LitAt(70, 120)); // 11 points: markers shown
}

// Marker shapes, size 4, around (250, 120): pixels inside the figure and
// pixels the figure leaves out.
TEST_F(ChannelTest, MarkerShapes)
{
    struct Row {
        TgPlotMarkerStyle style;
        std::vector<TPoint> lit, dark;
    } rows[] = {
        {ipmsCircle, {{0, 0}, {2, 0}, {0, -2}}, {{3, 3}, {-4, -4}}},
        {ipmsSquare, {{0, 0}, {-4, -4}, {3, 3}}, {{5, 0}, {0, 5}}},
        {ipmsDiamond, {{0, 0}, {3, 0}, {0, -3}}, {{3, 3}, {-3, -3}}},
        {ipmsCross, {{2, 2}, {-2, 2}, {2, -2}}, {{0, 2}, {2, 0}}},
        {ipmsPlus, {{0, 2}, {2, 0}, {0, -2}}, {{2, 2}, {-2, -2}}},
        {ipmsTriangleUp, {{0, 2}, {-2, 3}}, {{0, -2}}},
        {ipmsTriangleDown, {{0, -2}, {2, -3}}, {{0, 2}}},
        {ipmsTriangleLeft, {{2, 0}, {3, -2}}, {{-2, 0}}},
        {ipmsTriangleRight, {{-2, 0}, {-3, 2}}, {{2, 0}}},
        {ipmsVerticalLine, {{0, -3}, {0, 3}}, {{2, 0}, {-2, 0}}},
        {ipmsHorizontalLine, {{-3, 0}, {3, 0}}, {{0, 2}, {0, -2}}},
    };
    channel->SetTraceVisible(false);
    channel->SetMarkersVisible(true);
    channel->SetMarkersSize(4);
    channel->AddXY(5, 5);
    for (const Row &r : rows) {
        channel->SetMarkersStyle(r.style);
        Paint();
        for (TPoint p : r.lit)
            EXPECT_TRUE(LitAt(250 + p.X, 120 + p.Y)) << "style " << int(r.style) << " at " << p.X << "," << p.Y;
        for (TPoint p : r.dark)
            EXPECT_FALSE(LitAt(250 + p.X, 120 + p.Y)) << "style " << int(r.style) << " at " << p.X << "," << p.Y;
    }
}

TEST_F(ChannelTest, VisibleExtentsWidenedByMarkers)
{
    TgPlotXAxis *x = plot.xAxes[0];
    x->SetMinSpan(0, 400.0 / 6); // 3 pixels are 0.5 units
    channel->AddXY(1, 5);
    channel->AddXY(4, 5);
    EXPECT_EQ(channel->GetVisibleXMax(), 4);
    channel->SetMarkersVisible(true);
    auto canvas = BlackImage(10, 10);
    plot.Layout(canvas->Canvas(), TRect(50, 20, 450, 220));
    EXPECT_DOUBLE_EQ(channel->GetVisibleXMax(), 4.5);
    EXPECT_DOUBLE_EQ(channel->GetVisibleXMin(), 0.5);
    channel->SetVisible(false);
    EXPECT_EQ(channel->GetVisibleXMax(), -1e300);
}

TEST_F(ChannelTest, CursorTexts)
{
    auto canvas = BlackImage(10, 10);
    TgPlotXAxis *x = plot.xAxes[0];
    x->SetReverseScale(true);
    plot.Layout(canvas->Canvas(), TRect(50, 20, 450, 220));
    auto *cursor = plot.Make<TgPlotDataCursor>(QStringLiteral("Cursor"));
    cursor->SetDataView(plot.views[0]);
    cursor->SetPointer1Position(25);
    channel->DataCursorUpdate(cursor);
    // pointer 1 at a quarter of the view reads 7.5 on the reversed X axis,
    // pointer 2 at 60 % reads 6 on Y
    EXPECT_EQ(cursor->CursorDisplayText(), "7.5, 6.0");
    EXPECT_EQ(cursor->ValueX(), 7.5);
    cursor->SetStyle(ipcsInverseDeltaX);
    cursor->SetPointer2Position(25);
    channel->DataCursorUpdate(cursor);
    EXPECT_EQ(cursor->CursorDisplayText(), "Infinite");
    cursor->SetStyle(ipcsDeltaY);
    cursor->SetPointer1Position(50);
    channel->DataCursorUpdate(cursor);
    EXPECT_EQ(cursor->CursorDisplayText(), "2.5");
    channel->SetXAxisName(QStringLiteral("none"));
    channel->DataCursorUpdate(cursor);
    EXPECT_EQ(cursor->CursorDisplayText(), "No X-Axis");
}

// The editor's gate page: both axes -100 to +20 dB, the curve white and 2
// wide, one marker point; the points are replaced whatever was there.
TEST(EditorTransferPlot, GateCurveAlongItsCorners)
{
    TPlotOwnerStub plot;
    for (TgPlotAxis *axis : {static_cast<TgPlotAxis *>(plot.AddXAxis()), static_cast<TgPlotAxis *>(plot.AddYAxis())}) {
        axis->SetMinSpan(-100, 120);
        axis->SetTrackingEnabled(false);
    }
    plot.AddDataView();
    TgXYPlotChannel *curve = plot.AddChannel(QStringLiteral("Curve"));
    TgXYPlotChannel *marker = plot.AddChannel(QStringLiteral("Marker"));
    curve->SetColor(clWhite);
    curve->SetTraceLineWidth(2);
    marker->SetColor(clYellow);
    marker->SetMarkersVisible(true);
    marker->SetMarkersSize(1);
    for (int i = 0; i < 7; ++i)
        curve->AddXY(-100 + i * 17, 20 - i * 3);
    curve->DeletePoints(curve->Count());
    for (auto p : {std::pair(20.0, 20.0), std::pair(-40.0, -40.0), std::pair(-40.0, -100.0)})
        curve->AddXY(p.first, p.second);
    marker->DeletePoints(marker->Count());
    marker->AddXY(-39.8, -40.4);

    auto image = BlackImage(500, 300);
    TCanvas *canvas = image->Canvas();
    plot.Layout(canvas, TRect(50, 20, 290, 260)); // 2 pixels per dB
    curve->Draw(canvas, clBlack);
    marker->Draw(canvas, clBlack);
    auto pixel = [&](double X, double Y) { return canvas->Pixels(50 + int((X + 100) * 2), 260 - int((Y + 100) * 2)); };
    EXPECT_EQ(pixel(-10, -10), clWhite); // above the threshold: output follows input
    EXPECT_EQ(pixel(19, 19), clWhite);
    EXPECT_EQ(pixel(-40, -70), clWhite); // the gate closes at the threshold
    EXPECT_EQ(pixel(-70, -70), clBlack); // no line below it
    EXPECT_EQ(pixel(-100 + 17, 20 - 3), clBlack); // nothing left of the earlier points
    int yellow = 0;
    for (int y = 130; y < 150; ++y)
        for (int x = 160; x < 180; ++x)
            yellow += canvas->Pixels(x, y) == clYellow;
    EXPECT_GT(yellow, 0);
}

// The visible extents that fit an axis to the channel, kept as points come
// and go, equal a count over every valid point widened by the markers:
// through Null and Empty points, a ring buffer dropping its oldest points,
// deletions, markers shown and hidden, and a change of list kind.
TEST_F(ChannelTest, VisibleExtentsFollowEveryChange)
{
    image = BlackImage(500, 300);
    plot.Layout(image->Canvas(), TRect(50, 20, 450, 220));
    const auto scan = [&](bool X, int Sign) {
        double r = Sign > 0 ? -1e300 : 1e300;
        for (int i = 0; i < channel->Count(); ++i) {
            double x, y;
            bool empty, null;
            channel->GetXYEmptyNull(i, x, y, empty, null);
            if (empty || null)
                continue;
            const double v = X ? (Sign > 0 ? channel->GetXPlusMarker(i) : channel->GetXMinusMarker(i))
                               : (Sign > 0 ? channel->GetYPlusMarker(i) : channel->GetYMinusMarker(i));
            r = Sign > 0 ? std::max(r, v) : std::min(r, v);
        }
        return r;
    };
    const auto check = [&](int Step) {
        EXPECT_EQ(channel->GetVisibleXMax(), scan(true, 1)) << Step;
        EXPECT_EQ(channel->GetVisibleXMin(), scan(true, -1)) << Step;
        EXPECT_EQ(channel->GetVisibleYMax(), scan(false, 1)) << Step;
        EXPECT_EQ(channel->GetVisibleYMin(), scan(false, -1)) << Step;
    };
    check(-1);
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> value(-100, 100);
    channel->SetRingBufferSize(40);
    for (int step = 0; step < 400; ++step) {
        switch (step % 50) {
        case 7: channel->AddNull(); break;
        case 13: channel->AddEmpty(); break;
        case 20: channel->DeletePoints(5); break;
        case 31: channel->SetMarkersVisible(!channel->MarkersVisible()); break;
        case 49: channel->SetRingBufferSize(step % 100 == 49 ? 0 : 40); break;
        default: channel->AddXY(value(rng), value(rng)); break;
        }
        check(step);
    }
    channel->SetDataStyle(ipdsCompact); // single precision: the kept values count
    for (int step = 0; step < 20; ++step) {
        channel->AddXY(value(rng) / 3, value(rng) / 7);
        check(1000 + step);
    }
}

} // namespace
