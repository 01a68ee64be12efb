// The strip-chart channel on a laid-out strip chart: the X-order check and
// its two messages, the add variants, elapsed time on an injected wall
// clock, index search, Y read back in pixels, the digital readings and the
// typed channel accessor.
#include "Bitmap.h"
#include "ComponentStream.h"
#include "Form.h"
#include "MessageOf.h"
#include "Stream.h"
#include "TestInput.h"
#include "gPlot.h"
#include "gPlotDataCursor.h"
#include "gPlotMasterManager.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const TDateTime Noon = EncodeDate(2026, 3, 7) + EncodeTime(12, 0, 0, 0);

// A strip chart of 600 x 300 with both axes fixed at 0..100 (no tracking),
// on a wall clock that stands at noon until moved.
struct StripChart : ::testing::Test {
    ManualWallClock wall{Noon};
    ScopedWallClock useWall{wall};
    TgPlot plot{nullptr};
    TgPlotChannel *channel = plot.GetChannel(0);
    TBitmap image{600, 300};

    StripChart()
    {
        plot.SetBounds(0, 0, 600, 300);
        plot.GetXAxis(0)->SetTrackingEnabled(false);
        plot.GetYAxis(0)->SetTrackingEnabled(false);
        SetX(0, 100);
        plot.GetYAxis(0)->SetMinSpan(0, 100);
    }
    void SetX(double Min, double Span) { plot.GetXAxis(0)->SetMinSpan(Min, Span); }
    void Paint() { plot.PaintToCanvas(image.Canvas()); }
    void AddXs(std::initializer_list<double> Xs)
    {
        for (double x : Xs)
            channel->AddXY(x, x);
    }
    std::vector<double> Xs() const
    {
        std::vector<double> result;
        for (int i = 0; i < channel->Count(); ++i)
            result.push_back(channel->Data().GetX(i));
        return result;
    }
};

TEST_F(StripChart, OutOfOrderXIsRefusedWithTheDataOrdersMessage)
{
    struct Case {
        const char *name;
        std::initializer_list<double> xs;
        double x;
        const char *message; // nullptr: accepted
    } const cases[] = {
        {"rising, behind the last", {1, 2, 3}, 2.5, "New Data-Point X-Value is out of order"},
        {"rising, equal to the last", {1, 2, 3}, 3, nullptr},
        {"rising, ahead", {1, 2, 3}, 4, nullptr},
        {"falling, behind the last", {5, 4, 3}, 3.5, "New Data-Point X-Value is out of order."},
        {"falling, equal to the last", {5, 4, 3}, 3, nullptr},
        {"single point", {5}, -100, nullptr},
        // No X order holds a NaN or an infinity.
        {"rising, NaN", {1, 2, 3}, std::nan(""), "New Data-Point X-Value is not a finite number"},
        {"falling, NaN", {5, 4, 3}, std::nan(""), "New Data-Point X-Value is not a finite number"},
        {"single point, NaN", {5}, std::nan(""), "New Data-Point X-Value is not a finite number"},
        {"no point, infinite", {}, -HUGE_VAL, "New Data-Point X-Value is not a finite number"},
    };
    const std::function<void(TgPlotChannel *, double)> adds[] = {
        [](TgPlotChannel *c, double x) { c->AddXY(x, 1); },
        [](TgPlotChannel *c, double x) { c->AddXNull(x); },
        [](TgPlotChannel *c, double x) { c->AddXEmpty(x); },
        [](TgPlotChannel *c, double x) { c->AddHighLow(x, 4, 1, 2, 3); },
    };
    for (const Case &c : cases)
        for (size_t op = 0; op < std::size(adds); ++op) {
            channel->Clear();
            channel->SetAllowOutOfOrderXValues(true);
            AddXs(c.xs);
            channel->SetAllowOutOfOrderXValues(false);
            const int before = channel->Count();
            const QString got = MessageOf([&] { adds[op](channel, c.x); });
            EXPECT_EQ(got, c.message ? QString::fromLatin1(c.message) : QStringLiteral("(nothing raised)"))
                << c.name << ", add " << op;
            EXPECT_EQ(channel->Count(), before + (c.message ? 0 : 1)) << c.name << ", add " << op;
        }

    // Allowed by default; the clock and array adds never check.
    channel->Clear();
    channel->SetAllowOutOfOrderXValues(true);
    AddXs({1, 2, 3});
    EXPECT_NO_THROW(channel->AddXY(0, 0));
    channel->SetAllowOutOfOrderXValues(false);
    EXPECT_NO_THROW(channel->AddYArray(1, QVariantList{1, 2}));
    EXPECT_NO_THROW(channel->AddYElapsedSeconds(1));

    // A NaN X is refused even where the order is free, on the XY plot too.
    channel->SetAllowOutOfOrderXValues(true);
    EXPECT_EQ(MessageOf([&] { channel->AddXY(std::nan(""), 1); }),
              QStringLiteral("New Data-Point X-Value is not a finite number"));
    TgXYPlot xy(nullptr);
    EXPECT_EQ(MessageOf([&] { xy.GetChannel(0)->AddXY(std::nan(""), 1); }),
              QStringLiteral("New Data-Point X-Value is not a finite number"));
    EXPECT_EQ(xy.GetChannel(0)->Count(), 0);
}

TEST_F(StripChart, AddVariants)
{
    EXPECT_EQ(channel->AddXNull(1), 0);
    EXPECT_EQ(channel->AddXEmpty(2), 1);
    EXPECT_TRUE(channel->Data().GetNull(0));
    EXPECT_TRUE(channel->Data().GetEmpty(1));
    EXPECT_EQ(channel->Data().GetY(0), 0);
    EXPECT_EQ(channel->Data().GetY(1), 0);

    // Arrays start at the last X (0 when empty): the first value repeats it.
    channel->Clear();
    channel->AddYArray(0.5, QVariantList{1, 2, 3});
    EXPECT_EQ(Xs(), (std::vector<double>{0, 0.5, 1.0}));
    channel->Clear();
    channel->AddXY(10, 7);
    channel->AddYArray(0.5, QVariantList{1, 2, 3});
    EXPECT_EQ(Xs(), (std::vector<double>{10, 10, 10.5, 11}));
    EXPECT_EQ(channel->Data().GetY(3), 3);
    // Bad arrays add nothing.
    EXPECT_EQ(MessageOf([&] { channel->AddYArray(1, QVariantList{1, QVariantList{2, 3}}); }),
              QStringLiteral("Y-Data array must be 1 dimensional"));
    EXPECT_EQ(MessageOf([&] { channel->AddYArray(1, 5.0); }), QStringLiteral("Y-Data array must be 1 dimensional"));
    EXPECT_NE(MessageOf([&] { channel->AddYArray(1, QVariantList{1, QStringLiteral("x")}); }),
              QStringLiteral("(nothing raised)"));
    EXPECT_EQ(channel->Count(), 4);

    // High-low records live in a list that keeps them, outside the running
    // statistics; the standard list drops the four values.
    channel->Clear();
    const int running = channel->RunningCount();
    channel->AddHighLow(1, 9, 2, 3, 8);
    EXPECT_EQ(channel->Data().GetHigh(0), 0);
    channel->SetDataStyle(ipdsFullFeature);
    EXPECT_EQ(channel->AddHighLow(1, 9, 2, 3, 8), 0);
    const TgPlotDataCustomList &list = channel->Data();
    EXPECT_EQ(std::vector<double>({list.GetHigh(0), list.GetLow(0), list.GetOpen(0), list.GetClose(0)}),
              (std::vector<double>{9, 2, 3, 8}));
    EXPECT_EQ(channel->RunningCount(), running);

    channel->AddYNow(5);
    EXPECT_EQ(list.GetX(1), Noon);
}

TEST_F(StripChart, ElapsedTimeFollowsTheWallClock)
{
    EXPECT_EQ(channel->ElapsedStartTime(), Noon); // the channel's construction
    wall.AdvanceSeconds(90);
    channel->AddYElapsedSeconds(1);
    channel->AddYElapsedTime(2);
    EXPECT_NEAR(channel->Data().GetX(0), 90, 1e-6);
    EXPECT_NEAR(channel->Data().GetX(1) * SecsPerDay, 90, 1e-6);
    channel->ResetElapsedStartTime();
    wall.AdvanceSeconds(3);
    channel->AddYElapsedSeconds(3);
    EXPECT_NEAR(channel->Data().GetX(2), 3, 1e-6);

    // The first point of an empty channel restarts the time, later ones not.
    channel->Clear();
    channel->SetResetStartTimeOnFirstDataPoint(true);
    wall.AdvanceSeconds(30);
    channel->AddYElapsedSeconds(1);
    wall.AdvanceSeconds(5);
    channel->AddYElapsedSeconds(2);
    EXPECT_NEAR(channel->Data().GetX(0), 0, 1e-6);
    EXPECT_NEAR(channel->Data().GetX(1), 5, 1e-6);
}

TEST_F(StripChart, CalcIndexFindsTheFirstPointAtOrBeyond)
{
    struct Case {
        std::initializer_list<double> xs;
        double target;
        int index;
    } const cases[] = {
        {{1, 2, 3}, 0.5, -1}, {{1, 2, 3}, 1, 0},        {{1, 2, 3}, 1.5, 1},      {{1, 2, 3}, 2.5, 2},
        {{1, 2, 3}, 3, 2},    {{1, 2, 3}, 3.5, -1},     {{5, 4, 3, 2, 1}, 5, 0},  {{5, 4, 3, 2, 1}, 4.5, 0},
        {{5, 4, 3, 2, 1}, 3, 2}, {{5, 4, 3, 2, 1}, 2.5, 2}, {{5, 4, 3, 2, 1}, 0.5, -1}, {{5, 4, 3, 2, 1}, 6, -1},
        {{5, 1}, 3, -1}, // two points count as rising: 3 lies before the first
    };
    for (const Case &c : cases) {
        channel->Clear();
        AddXs(c.xs);
        EXPECT_EQ(channel->CalcIndex(c.target), c.index) << "target " << c.target;
    }
}

TEST_F(StripChart, VisibleRangeReachesOnePointBeyondEachEdge)
{
    struct Case {
        bool rising;
        bool outOfOrder;
        double min, span;
        int start, stop;
    } const cases[] = {
        {true, false, 10.5, 10, 10, 21}, // X = index
        {true, false, 10, 10, 10, 20},   // edges on points
        {true, false, -50, 10, 0, 0},    // left of the data
        {true, false, 150, 10, 99, 99},  // right of it
        {false, false, 10.5, 10, 78, 89}, // X = 99 - index
        {false, false, 10, 10, 79, 89},
    };
    for (const Case &c : cases) {
        channel->Clear();
        for (int i = 0; i < 100; ++i)
            channel->AddXY(c.rising ? i : 99 - i, 1);
        channel->SetDrawOutOfOrderXValues(c.outOfOrder);
        SetX(c.min, c.span);
        Paint();
        channel->CalcStartIndex();
        channel->CalcStopIndex();
        EXPECT_EQ(channel->DrawStartIndex(), c.start) << c.rising << " " << c.min;
        EXPECT_EQ(channel->DrawStopIndex(), c.stop) << c.rising << " " << c.min;
    }
    // Scanned instead of searched: the outermost points on the scale, one
    // beyond each.
    channel->Clear();
    AddXs({5, 50, 2, 60, 3, 7});
    channel->SetDrawOutOfOrderXValues(true);
    SetX(40, 30);
    Paint();
    channel->CalcStartIndex();
    channel->CalcStopIndex();
    EXPECT_EQ(channel->DrawStartIndex(), 0);
    EXPECT_EQ(channel->DrawStopIndex(), 4);
}

// X extents cover every valid point, Y extents the visible range only;
// markers widen both by their size in axis units.
TEST_F(StripChart, VisibleExtents)
{
    for (int i = 0; i < 100; ++i)
        if (i == 21)
            channel->AddXNull(i);
        else
            channel->AddXY(i, i);
    channel->AddXEmpty(100);
    SetX(10.5, 10);
    Paint();
    EXPECT_EQ(channel->GetVisibleXMax(), 99);
    EXPECT_EQ(channel->GetVisibleXMin(), 0);
    EXPECT_EQ(channel->GetVisibleYMax(), 20); // 21 is a gap
    EXPECT_EQ(channel->GetVisibleYMin(), 10);
    channel->SetMarkersVisible(true);
    const double extent = channel->GetVisibleYMax() - 20;
    EXPECT_GT(extent, 0);
    EXPECT_NEAR(channel->GetVisibleYMin(), 10 - extent, 1e-9);

    channel->SetMarkersVisible(false);
    channel->Clear();
    for (double x : {50.0, 40.0, 30.0})
        channel->AddXY(x, 1);
    EXPECT_EQ(channel->GetVisibleXMax(), 50); // falling data: its first point
    EXPECT_EQ(channel->GetVisibleXMin(), 30);
    channel->SetVisible(false);
    EXPECT_EQ(channel->GetVisibleXMax(), -1e300);
    EXPECT_EQ(channel->GetVisibleYMin(), 1e300);
}

TEST_F(StripChart, YIsInterpolatedInPixels)
{
    // On a log axis from 1 to 100, X 10 lies half way in pixels: a straight
    // line in pixels reads 50 there (a line in values would read 9).
    plot.GetXAxis(0)->SetScaleType(ipstLog10);
    SetX(1, 99);
    channel->AddXY(1, 0);
    channel->AddXY(100, 100);
    Paint();
    double y = -1;
    ASSERT_TRUE(channel->GetYInterpolated(10, y));
    EXPECT_NEAR(y, 50, 1);
    ASSERT_TRUE(channel->GetYInterpolated(100, y));
    EXPECT_EQ(y, 100);
    EXPECT_FALSE(channel->GetYInterpolated(150, y));

    // A null neighbour gives nothing; a digital channel holds the level of
    // the point before.
    plot.GetXAxis(0)->SetScaleType(ipstLinear);
    SetX(0, 100);
    channel->Clear();
    channel->AddXY(0, 0);
    channel->AddXNull(10);
    channel->AddXY(20, 1);
    channel->AddXY(30, 0);
    Paint();
    EXPECT_FALSE(channel->GetYInterpolated(15, y));
    ASSERT_TRUE(channel->GetYInterpolated(25, y));
    EXPECT_NEAR(y, 0.5, 0.02);
    channel->SetDigitalEnabled(true);
    ASSERT_TRUE(channel->GetYInterpolated(25, y));
    EXPECT_EQ(y, 1);
}

// Falling data whose last point is a gap: the neighbour of the last X lies
// past the end of the list; there is nothing to read.
TEST_F(StripChart, DigitalFallingDataEndingInAGapReadsNothing)
{
    for (bool null : {true, false}) {
        channel->Clear();
        channel->SetDigitalEnabled(true);
        channel->AddXY(30, 1);
        channel->AddXY(20, 0);
        if (null)
            channel->AddXNull(10);
        else
            channel->AddXEmpty(10);
        Paint();
        double y = -1;
        bool got = true;
        EXPECT_NO_THROW(got = channel->GetYInterpolated(10, y));
        EXPECT_FALSE(got);
        EXPECT_EQ(channel->GetDataCursorYValue(10, y), ipdpsEmpty);
    }
}

TEST_F(StripChart, CursorTextsOfADigitalChannelSayHighOrLow)
{
    channel->SetDigitalEnabled(true);
    for (double x : {0.0, 40.0, 60.0, 100.0})
        channel->AddXY(x, x == 40 ? 1 : 0);
    Paint();
    TgPlotDataCursor *cursor = plot.GetDataCursor(0);
    ASSERT_NE(cursor->DataView(), nullptr);
    struct Case {
        TgPlotDataCursorStyle style;
        double pointer1;
        QString yText;
        bool withX;
    } const cases[] = {
        {ipcsValueXY, 50, QStringLiteral("High"), true},
        {ipcsValueY, 50, QStringLiteral("High"), false},
        {ipcsValueY, 80, QStringLiteral("Low"), false},
        {ipcsValueXY, 80, QStringLiteral("Low"), true},
    };
    for (const Case &c : cases) {
        cursor->SetStyle(c.style);
        cursor->SetPointer1Position(c.pointer1);
        channel->DataCursorUpdate(cursor);
        EXPECT_EQ(channel->DataCursorYText(), c.yText);
        EXPECT_EQ(cursor->CursorDisplayText(),
                  c.withX ? channel->DataCursorXText() + QStringLiteral(", ") + c.yText : c.yText);
    }

    // Both pointers at one place: an infinite frequency. Peak-peak reads the
    // two Y pointers through the Y axis.
    cursor->SetStyle(ipcsInverseDeltaX);
    cursor->SetPointer2Position(cursor->Pointer1Position());
    channel->DataCursorUpdate(cursor);
    EXPECT_EQ(cursor->CursorDisplayText(), QStringLiteral("Infinite"));
    cursor->SetStyle(ipcsDeltaY);
    cursor->SetPointer1Position(50);
    cursor->SetPointer2Position(60);
    channel->DataCursorUpdate(cursor);
    EXPECT_NEAR(cursor->ValueY(), 10, 0.5);
}

TEST(StripChartPlot, MakesAndHandsOutStripChartChannels)
{
    TgPlot plot(nullptr);
    EXPECT_NE(dynamic_cast<TgPlotChannel *>(plot.TgPlotComponent::GetChannel(0)), nullptr);
    EXPECT_EQ(plot.GetXAxis(0)->TrackingStyle(), iptsScrollSmooth);
    EXPECT_EQ(plot.AddChannel(), 1);
    EXPECT_NE(plot.GetChannel(1), nullptr);
    // A channel of another class added by code that changed the class.
    plot.Master()->SetChannelClass(&CreateChannelOf<TgXYPlotChannel>);
    plot.AddChannel();
    EXPECT_THROW(plot.GetChannel(2), EInvalidCast);
    TgXYPlot xy(nullptr);
    xy.Master()->SetChannelClass(&CreateChannelOf<TgPlotChannel>);
    xy.AddChannel();
    EXPECT_THROW(xy.GetChannel(1), EInvalidCast);
}

// The channel's settings go out with the plot's form stream and come back;
// the bar appearance travels in the data list's stored values.
TEST(StripChartPlot, ChannelSettingsSurviveTheFormStream)
{
    TMemoryStream stream;
    {
        TgPlot plot(nullptr);
        TgPlotChannel *c = plot.GetChannel(0);
        c->SetInterpolationStyle(ipistDifferentialTerminated);
        c->SetFastDrawEnabled(false);
        c->SetFillEnabled(true);
        c->SetFillStyle(bsDiagCross);
        c->SetFillReference(-2.5);
        c->SetHighLowStyle(iphlsCandleStick);
        c->SetHighLowBearishColor(clBlue);
        c->SetDigitalReferenceStyle(ipdrPercent);
        c->SetDigitalReferenceHigh(75);
        c->SetBarWidth(2.5);
        c->SetBarBrushStyle(bsHorizontal);
        c->SetOPCXValueSource(iopcxvsElapsedSeconds);
        c->SetOPCGroupName(QStringLiteral("Plant"));
        c->SetOPCAutoConnect(false);
        TWriter writer(&stream);
        writer.WriteProperties(&plot);
        writer.WriteListEnd();
    }
    stream.SetPosition(0);
    TgPlot copy(nullptr);
    TReader reader(&stream);
    copy.BeginLoading();
    reader.ReadProperties(&copy);
    copy.EndLoading();
    ASSERT_EQ(copy.ChannelCount(), 1);
    TgPlotChannel *c = copy.GetChannel(0);
    EXPECT_EQ(c->InterpolationStyle(), ipistDifferentialTerminated);
    EXPECT_FALSE(c->FastDrawEnabled());
    EXPECT_TRUE(c->FillEnabled());
    EXPECT_EQ(c->FillStyle(), bsDiagCross);
    EXPECT_EQ(c->FillReference(), -2.5);
    EXPECT_EQ(c->HighLowStyle(), iphlsCandleStick);
    EXPECT_EQ(c->HighLowBearishColor(), clBlue);
    EXPECT_EQ(c->HighLowBarColor(), clAqua);
    EXPECT_EQ(c->DigitalReferenceStyle(), ipdrPercent);
    EXPECT_EQ(c->DigitalReferenceHigh(), 75);
    EXPECT_EQ(c->DigitalReferenceLow(), 10);
    EXPECT_EQ(c->BarWidth(), 2.5);
    EXPECT_EQ(c->BarBrushStyle(), bsHorizontal);
    EXPECT_EQ(c->BarPenColor(), clRed);
    EXPECT_EQ(c->OPCXValueSource(), iopcxvsElapsedSeconds);
    EXPECT_EQ(c->OPCGroupName(), QStringLiteral("Plant"));
    EXPECT_FALSE(c->OPCAutoConnect());
}

// A right press on the drawn trace (found in the rendered pixels) selects a
// strip-chart channel; a wheel turn then reaches the plot's channel event.
// An XY channel keeps the wheel to itself.
TEST(StripChartPlot, WheelOverASelectedChannelFiresTheChannelEvent)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 520, 320);
    auto *plot = new TgPlot(&form);
    plot->SetParent(&form);
    plot->SetBounds(0, 0, 500, 300);
    form.Show();
    for (TgPlotAxis *axis : {static_cast<TgPlotAxis *>(plot->GetXAxis(0)), static_cast<TgPlotAxis *>(plot->GetYAxis(0))}) {
        axis->SetTrackingEnabled(false);
        axis->SetMinSpan(0, 100);
    }
    TgPlotChannel *channel = plot->GetChannel(0);
    channel->SetColor(clLime);
    for (int x = 0; x <= 100; x += 10)
        channel->AddXY(x, 50);
    TBitmap shot(500, 300);
    plot->PaintToCanvas(shot.Canvas());
    QPoint onTrace(-1, -1);
    for (int y = 0; y < 300 && onTrace.x() < 0; ++y)
        if (shot.Canvas()->Pixels(250, y) == clLime)
            onTrace = QPoint(250, y);
    ASSERT_GE(onTrace.x(), 0) << "no trace drawn";

    QStringList events;
    plot->OnPopupMenuChannel = [](TObject *, int, bool &Cancel, int, int) { Cancel = true; };
    plot->OnMouseWheelChannel = [&](TObject *, int i, int Delta, TShiftState, int, int) {
        events << QStringLiteral("wheel %1 %2").arg(i).arg(Delta);
    };
    QWidget *w = plot->Widget();
    Click(w, onTrace, Qt::RightButton);
    EXPECT_TRUE(channel->UserSelected());
    Wheel(w, onTrace, 120);
    EXPECT_EQ(events, QStringList({"wheel 0 120"}));

    auto *xy = new TgXYPlot(&form);
    xy->SetParent(&form);
    xy->SetBounds(0, 0, 500, 300);
    bool xyWheel = false;
    xy->OnMouseWheelChannel = [&](TObject *, int, int, TShiftState, int, int) { xyWheel = true; };
    xy->GetChannel(0)->SetUserSelected(true);
    Wheel(xy->Widget(), onTrace, 120);
    EXPECT_FALSE(xyWheel);
}

} // namespace
