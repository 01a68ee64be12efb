// Data points of an XY plot under the mouse: which point is hit, dragging
// in each style, click against moved point, the hint beside a point, the
// legend row. Points are found in the rendered picture by their colours.
#include "Cursors.h"
#include "MonotonicClock.h"
#include "ShownPlot.h"
#include "gPlotDataView.h"
#include "gPlotLegend.h"
#include "gXYPlot.h"
#include "gXYPlotChannel.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QPoint Centre(const QRect &R) { return QPoint((R.left() + R.right()) / 2, (R.top() + R.bottom()) / 2); }
QRect ToArea(const TRect &R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }

struct ChannelMouse : ::testing::Test {
    ManualClock clock{1000};
    ScopedClock scope{clock};
    TShownPlot<TgXYPlot> shown{600, 400};
    TgXYPlot *plot = shown.plot;
    QStringList events;

    ChannelMouse()
    {
        plot->GetXAxis(0)->SetMinSpan(0, 10);
        plot->GetYAxis(0)->SetMinSpan(0, 10);
        plot->GetDataView(0)->SetGridShow(false);
        Channel(0)->SetColor(clRed);
        Prepare(Channel(0));
        plot->OnMouseDownDataPoint = [this](TObject *, int c, int i, TMouseButton, TShiftState, int, int) {
            events << QStringLiteral("down %1:%2").arg(c).arg(i);
        };
        plot->OnMouseUpDataPoint = [this](TObject *, int c, int i, TMouseButton, TShiftState, int, int) {
            events << QStringLiteral("up %1:%2").arg(c).arg(i);
        };
        plot->OnClickDataPoint = [this](TObject *, int c, int i) { events << QStringLiteral("click %1:%2").arg(c).arg(i); };
        plot->OnDataPointMoved = [this](TObject *, int c, int i, double ox, double oy, double nx, double ny) {
            events << QStringLiteral("moved %1:%2 %3,%4>%5,%6").arg(c).arg(i).arg(ox).arg(oy).arg(nx).arg(ny);
        };
        plot->OnClickChannel = [this](TObject *, int c) { events << QStringLiteral("channel %1").arg(c); };
    }
    TgXYPlotChannel *Channel(int Index) { return plot->GetChannel(Index); }
    static void Prepare(TgXYPlotChannel *C)
    {
        C->SetTraceVisible(false);
        C->SetMarkersVisible(true);
    }
    QRect View() const { return ToArea(plot->GetDataView(0)->DrawRect()); }
    QRect Markers(TColor Colour)
    {
        const QImage picture = shown.Shot();
        return BoxOf(picture, Rgb(Colour), View());
    }
    QStringList Take()
    {
        QStringList taken = events;
        events.clear();
        return taken;
    }
    // The steps of a press: at P, moves with the button held, the release.
    void Press(QPoint P) { SendMouse(shown.Widget(), QEvent::MouseButtonPress, P); }
    void DragTo(QPoint P) { Move(shown.Widget(), P, Qt::LeftButton); }
    void Release(QPoint P) { SendMouse(shown.Widget(), QEvent::MouseButtonRelease, P); }
    void Hover(QPoint P) { Move(shown.Widget(), P); }
};

// Overlapping markers: the earlier point of a channel, and the earlier
// channel, is the one hit, though the later point is drawn over it. Outside
// select mode the points answer nothing.
TEST_F(ChannelMouse, TheLowerIndexWinsOnOverlap)
{
    Channel(0)->AddXY(4, 5);
    Channel(0)->AddXY(4.1, 5);
    Channel(0)->AddXY(7, 5);
    plot->AddChannel();
    Channel(1)->SetColor(clBlue);
    Prepare(Channel(1));
    Channel(1)->AddXY(7, 5);

    const QImage picture = shown.Shot();
    const QRect view = View();
    const QRect pair = BoxOf(picture, Rgb(clRed), QRect(view.left(), view.top(), view.width() / 2 + 20, view.height()));
    const QRect shared =
        BoxOf(picture, Rgb(clRed), QRect(view.center().x() + 30, view.top(), view.width() / 2 - 30, view.height()));
    ASSERT_FALSE(pair.isEmpty());
    ASSERT_FALSE(shared.isEmpty());
    EXPECT_TRUE(BoxOf(picture, Rgb(clBlue), view).isEmpty()) << "channel 0 is drawn over channel 1";
    ASSERT_GT(pair.width(), 8) << "two markers side by side";
    ASSERT_LT(pair.width(), 14) << "that overlap";

    shown.ClickAt(Centre(pair));
    EXPECT_TRUE(Take().filter(QStringLiteral("down")).isEmpty()) << "not in select mode";

    plot->SetSelectActive(true);
    const int y = Centre(pair).y();
    const struct {
        QPoint at;
        QString hit;
    } rows[] = {{QPoint(pair.left() + 1, y), "0:0"},
                {QPoint(pair.right() - 1, y), "0:1"},
                {QPoint(Centre(pair).x(), y), "0:0"},
                {Centre(shared), "0:2"}};
    for (const auto &row : rows) {
        shown.ClickAt(row.at);
        EXPECT_EQ(Take(), QStringList({"down " + row.hit, "up " + row.hit, "click " + row.hit}))
            << row.at.x() << "," << row.at.y();
    }
}

// A point dragged 40 pixels right and 30 up lands where its style lets it.
TEST_F(ChannelMouse, DraggingFollowsTheMoveStyle)
{
    const struct {
        TgPlotChannelDataPointMoveStyle style;
        QPoint moved;
    } rows[] = {{ipcdpmsXandY, QPoint(40, -30)}, {ipcdpmsXOnly, QPoint(40, 0)}, {ipcdpmsYOnly, QPoint(0, -30)}};
    plot->SetSelectActive(true);
    Channel(0)->SetUserCanMoveDataPoints(true);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.style);
        Channel(0)->Clear();
        Channel(0)->AddXY(5, 5);
        Channel(0)->SetUserCanMoveDataPointsStyle(row.style);
        const QRect before = Markers(clRed);
        ASSERT_FALSE(before.isEmpty());
        int changes = 0;
        plot->OnMouseMoveDataPoint = [&changes](TObject *, int, int, TShiftState, int, int) { ++changes; };
        Press(Centre(before));
        DragTo(Centre(before) + QPoint(20, -15));
        DragTo(Centre(before) + QPoint(40, -30));
        Release(Centre(before) + QPoint(40, -30));
        plot->OnMouseMoveDataPoint = nullptr;
        EXPECT_EQ(changes, 2) << "a move event per drag step";
        const QRect after = Markers(clRed);
        EXPECT_NEAR(after.center().x() - before.center().x(), row.moved.x(), 1);
        EXPECT_NEAR(after.center().y() - before.center().y(), row.moved.y(), 1);
        const QStringList moved = Take().filter(QStringLiteral("moved"));
        ASSERT_EQ(moved.size(), 1);
        double x, y;
        bool empty, null;
        Channel(0)->GetXYEmptyNull(0, x, y, empty, null);
        EXPECT_EQ(moved[0], QStringLiteral("moved 0:0 5,5>%1,%2").arg(x).arg(y));
        if (row.style == ipcdpmsXOnly) {
            EXPECT_EQ(y, 5);
        }
        if (row.style == ipcdpmsYOnly) {
            EXPECT_EQ(x, 5);
        }
    }
}

// A release where the press was is a click; a point left elsewhere is a
// move; a drag back to the start is a click and no move. One release is
// one up event.
TEST_F(ChannelMouse, ClickVersusMoved)
{
    plot->SetSelectActive(true);
    Channel(0)->SetUserCanMoveDataPoints(true);
    Channel(0)->AddXY(5, 5);
    const QPoint p = Centre(Markers(clRed));
    const struct {
        const char *name;
        std::vector<QPoint> path; // press at the first, then moves, release at the last
        bool click, moved;
    } rows[] = {{"in place", {p, p}, true, false},
                {"away", {p, p + QPoint(15, 0), p + QPoint(30, 0)}, false, true},
                {"away and back", {p, p + QPoint(30, 0), p}, true, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Channel(0)->Clear();
        Channel(0)->AddXY(5, 5);
        shown.Shot();
        Press(row.path.front());
        for (size_t i = 1; i < row.path.size(); ++i)
            DragTo(row.path[i]);
        Release(row.path.back());
        Hover(row.path.back() + QPoint(0, 40)); // moves without buttons release nothing more
        const QStringList got = Take();
        EXPECT_EQ(got.filter(QStringLiteral("click")).size(), row.click ? 1 : 0) << got.join(u'|').toStdString();
        EXPECT_EQ(got.filter(QStringLiteral("moved")).size(), row.moved ? 1 : 0) << got.join(u'|').toStdString();
        EXPECT_EQ(got.filter(QStringLiteral("up")).size(), 1) << got.join(u'|').toStdString();
    }
}

// The hint of a point stands centred above it, but beside it (to the right,
// centred on the mouse) near the data view's left edge.
TEST_F(ChannelMouse, HintPlacement)
{
    plot->SetSelectActive(true);
    Channel(0)->SetShowDataPointHints(true);
    plot->OnDataPointCustomizeHint = [](TObject *, int c, int i, QString &Text) {
        Text = QStringLiteral("channel %1 point %2").arg(c).arg(i);
    };
    const TColor hintColour = clInfoBk;
    for (const bool nearLeft : {true, false}) {
        SCOPED_TRACE(nearLeft ? "near the left edge" : "in the middle");
        Channel(0)->Clear();
        Channel(0)->AddXY(nearLeft ? 0.1 : 5, 5);
        const QRect marker = Markers(clRed);
        ASSERT_FALSE(marker.isEmpty());
        const QPoint mouse = Centre(marker);
        Hover(mouse + QPoint(0, 1));
        Hover(mouse);
        clock.Advance(plot->HintsPause());
        ASSERT_TRUE(plot->Hint().Visible);
        EXPECT_EQ(plot->Hint().Text, QStringLiteral("channel 0 point 0"));
        const QImage picture = shown.Shot();
        const QRect hint = BoxOf(picture, Rgb(hintColour));
        ASSERT_FALSE(hint.isEmpty());
        EXPECT_TRUE(View().contains(hint)) << "inside the data view";
        if (nearLeft) {
            EXPECT_GT(hint.left(), marker.right());
            EXPECT_NEAR(hint.center().y(), mouse.y(), 1);
        } else {
            EXPECT_LT(hint.bottom(), marker.top());
            EXPECT_NEAR(hint.center().x(), mouse.x(), 1);
        }
        // Over the bare data view the hint goes, and the point may hint again.
        Hover(View().bottomRight() - QPoint(5, 5));
        EXPECT_FALSE(plot->Hint().Visible);
    }
}

// Over a point the hand shows, or what the plot's event makes of it.
TEST_F(ChannelMouse, CursorOverAPoint)
{
    plot->SetSelectActive(true);
    Channel(0)->AddXY(5, 5);
    const QPoint p = Centre(Markers(clRed));
    Hover(p);
    EXPECT_EQ(plot->Cursor(), crHandPoint);
    plot->OnGetMouseCursorChannel = [](TObject *, int Index, int &Cursor) {
        if (Index == 0)
            Cursor = crCross;
    };
    Hover(p + QPoint(1, 0));
    EXPECT_EQ(plot->Cursor(), crCross);
}

// The legend row answers a click outside select mode.
TEST_F(ChannelMouse, LegendRowClicksTheChannel)
{
    plot->AddChannel();
    Channel(1)->SetColor(clBlue);
    Prepare(Channel(1));
    plot->GetLegend(0)->SetVisible(true);
    plot->GetLegend(0)->Font()->SetColor(clYellow);
    const QImage picture = shown.Shot();
    const QRect legend = ToArea(plot->GetLegend(0)->DrawRect());
    const QRect sample = BoxOf(picture, Rgb(clBlue), legend);
    ASSERT_FALSE(sample.isEmpty());
    // The channel's name beside its line sample.
    const QRect name =
        BoxOf(picture, Rgb(clYellow), QRect(sample.right() + 1, sample.top() - 6, legend.right() - sample.right(), 13));
    ASSERT_FALSE(name.isEmpty());
    shown.ClickAt(Centre(name));
    EXPECT_TRUE(Take().contains(QStringLiteral("channel 1")));
}

} // namespace
