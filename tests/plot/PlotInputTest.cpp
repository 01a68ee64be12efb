// The plot's mouse, keys and hints: hit-test priority, selection rules,
// hint timing on an injected clock, relays while loading.
#include "CustomControl.h"
#include "Form.h"
#include "MonotonicClock.h"
#include "PlotTestObjects.h"
#include "TestInput.h"
#include "VirtualKeys.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotLabel.h"
#include "gPlotToolBar.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

namespace {

// A Y axis that describes itself in the hint.
class THintAxis : public TgPlotYAxis {
public:
    using TgPlotYAxis::TgPlotYAxis;
    void DoMouseHint(const TgPlotMouseData &, TgHintData &Hint) override
    {
        Hint.Text = QStringLiteral("hint");
        Hint.Width = 20;
        Hint.Height = 10;
    }
};

class TKeyPlot : public TgXYPlot {
public:
    using TgXYPlot::TgXYPlot;
    int Wanted(Word Key)
    {
        int result = 0;
        IsWantedKey(Key, result);
        return result;
    }
};

struct InputFixture : ::testing::Test {
    ManualClock clock{1000};
    ScopedClock scope{clock};
    TKeyPlot plot{nullptr};
    TgPlotYAxis *axis = nullptr;
    QStringList events;
    void SetUp() override
    {
        // Rectangles by hand: no paint runs here.
        plot.GetDataView(0)->SetDrawRect(TRect(0, 0, 500, 200));
        axis = plot.GetYAxis(0);
        axis->SetDrawRect(TRect(10, 10, 50, 50));
        axis->CalcScaleRect(); // an axis is hit within the focus rectangle its scale gives
        plot.GetToolBar(0)->SetDrawRect(TRect(10, 10, 50, 50));
        plot.GetLabel(0)->SetDrawRect(TRect(100, 100, 150, 150));
        plot.OnMouseDownYAxis = [this](TObject *, int i, TMouseButton, TShiftState, int, int) {
            events << QStringLiteral("down y%1").arg(i);
        };
        plot.OnLostFocusYAxis = [this](TObject *, int i) { events << QStringLiteral("lost y%1").arg(i); };
    }
    TgPlotObject *At(int X, int Y)
    {
        TgPlotMouseData d;
        d.X = X;
        d.Y = Y;
        return plot.FindObjectAt(d);
    }
};

TEST_F(InputFixture, HitTestPriority)
{
    EXPECT_EQ(At(20, 20), plot.GetToolBar(0)); // unselected: manager order
    axis->SetUserSelected(true);
    EXPECT_EQ(At(20, 20), axis); // a selected object first
    EXPECT_EQ(At(120, 120), plot.GetLabel(0)); // over the data view beneath
    EXPECT_EQ(At(300, 150), plot.GetDataView(0));
    plot.GetDataView(0)->SetVisible(false);
    EXPECT_EQ(At(300, 150), nullptr);
    plot.GetLabel(0)->SetEnabled(false);
    EXPECT_EQ(At(120, 120), nullptr);
}

TEST_F(InputFixture, RightPressClearsSelectsAndCaptures)
{
    plot.GetLabel(0)->SetUserSelected(true);
    plot.MouseDown(mbRight, {ssRight}, 300, 150); // the data view
    EXPECT_FALSE(plot.GetLabel(0)->UserSelected());
    plot.MouseUp(mbRight, {}, 300, 150);

    plot.GetToolBar(0)->SetVisible(false);
    plot.GetLabel(0)->SetUserSelected(true);
    plot.MouseDown(mbRight, {ssRight}, 20, 20);
    EXPECT_FALSE(plot.GetLabel(0)->UserSelected());
    EXPECT_TRUE(axis->UserSelected());
    EXPECT_TRUE(plot.MouseCapture());
    EXPECT_TRUE(axis->MouseDownPopup()); // the press went to the axis itself
    EXPECT_EQ(events, QStringList({"down y0"}));
    EXPECT_EQ(plot.MouseDownObject(), axis);
    plot.MouseUp(mbRight, {}, 20, 20);
    EXPECT_EQ(plot.LastClickedObject(), axis);
    EXPECT_EQ(plot.MouseDownObject(), nullptr);

    // A press on empty space (nothing hit) clears the selection too.
    plot.GetDataView(0)->SetVisible(false);
    plot.MouseDown(mbLeft, {ssLeft}, 300, 150);
    EXPECT_FALSE(axis->UserSelected());
    plot.MouseUp(mbLeft, {}, 300, 150);
}

TEST_F(InputFixture, CtrlOnASelectedAxisDeselectsAndSelects)
{
    plot.GetToolBar(0)->SetVisible(false);
    axis->SetUserSelected(true);
    events.clear();
    plot.MouseDown(mbLeft, {ssCtrl, ssLeft}, 20, 20);
    EXPECT_FALSE(axis->UserSelected());
    EXPECT_TRUE(plot.Selecting());
    EXPECT_EQ(events, QStringList({"lost y0"}));
    plot.MouseUp(mbLeft, {ssCtrl}, 20, 20);
    EXPECT_FALSE(plot.Selecting());

    axis->SetUserSelected(true);
    events.clear();
    axis->SetEnabled(false); // disabling deselects
    EXPECT_FALSE(axis->UserSelected());
    EXPECT_EQ(events, QStringList({"lost y0"}));
}

TEST_F(InputFixture, HintShowsAfterThePauseAndHidesLater)
{
    plot.GetToolBar(0)->SetVisible(false);
    auto *hinted = MakePlotObject<THintAxis>(&plot);
    hinted->DoInsert();
    hinted->SetDrawRect(TRect(200, 10, 240, 50));
    hinted->CalcScaleRect();
    plot.MouseMove({}, 210, 20);
    clock.Advance(400);
    plot.MouseMove({}, 212, 20); // the pause starts again
    clock.Advance(499);
    EXPECT_FALSE(plot.Hint().Visible);
    clock.Advance(1);
    EXPECT_TRUE(plot.Hint().Visible);
    EXPECT_EQ(plot.Hint().Text, QStringLiteral("hint"));
    clock.Advance(2499);
    EXPECT_TRUE(plot.Hint().Visible);
    clock.Advance(1);
    EXPECT_FALSE(plot.Hint().Visible);

    // Not again on the same object; after leaving it, again after a pause;
    // a move on the object while it shows hides it.
    plot.MouseMove({}, 230, 40);
    clock.Advance(500);
    EXPECT_FALSE(plot.Hint().Visible);
    plot.MouseMove({}, 300, 150);
    plot.MouseMove({}, 230, 40);
    clock.Advance(500);
    ASSERT_TRUE(plot.Hint().Visible);
    plot.MouseMove({}, 231, 40);
    EXPECT_FALSE(plot.Hint().Visible);
    // A press hides it at once.
    clock.Advance(1000);
    plot.MouseDown(mbLeft, {ssLeft}, 231, 40);
    EXPECT_FALSE(plot.Hint().Visible);
    plot.MouseUp(mbLeft, {}, 231, 40);
}

TEST_F(InputFixture, RelaysSilentWhileLoading)
{
    int added = 0, changed = 0;
    plot.OnAddChannel = [&](TObject *, int) { ++added; };
    plot.OnDataCursorChange = [&](TObject *, int) { ++changed; };
    plot.BeginLoading();
    plot.AddChannel();
    plot.MouseDown(mbRight, {ssRight}, 20, 20);
    plot.MouseUp(mbRight, {}, 20, 20);
    plot.DoDataCursorChange(plot.GetDataCursor(0));
    plot.EndLoading();
    EXPECT_EQ(added, 0);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(changed, 1);
    plot.AddChannel();
    EXPECT_EQ(added, 1);
}

TEST_F(InputFixture, ArrowKeysAreWantedAndKeysReachSelectedObjects)
{
    for (Word key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})
        EXPECT_EQ(plot.Wanted(key), 1);
    EXPECT_EQ(plot.Wanted(VK_TAB), 0);
    axis->SetUserSelected(true);
    QStringList popups;
    plot.OnPopupMenuYAxis = [&](TObject *, int i, bool &Cancel, int, int) {
        popups << QStringLiteral("y%1").arg(i);
        Cancel = true;
    };
    Word key = VK_APPS;
    plot.KeyDown(key, {});
    EXPECT_EQ(popups, QStringList({"y0"}));
}

// A drag of an axis whose mouse goes elsewhere. When another control takes
// the mouse, the plot forgets the object under the mouse, the drag no longer
// follows the mouse outside the plot, and it ends, once, with the next move
// over the plot without buttons. When the window loses the activation the
// plot loses the focus too, which ends the drag at once.
TEST(PlotCapture, DragEndsCleanlyWhenTheMouseGoesElsewhere)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 600, 320);
    auto *plot = new TgXYPlot(&form);
    plot->SetParent(&form);
    plot->SetBounds(0, 0, 500, 200);
    auto *other = new TCustomControl(&form);
    other->SetParent(&form);
    other->SetBounds(0, 250, 50, 50);
    form.Show();
    QApplication::setActiveWindow(form.Widget());
    plot->ReCalcLayout();
    TgPlotYAxis *axis = plot->GetYAxis(0);
    axis->SetTrackingEnabled(false);
    int finished = 0;
    plot->OnYAxisMinSpanChangeFinished = [&](TObject *, int, double, double, double, double) { ++finished; };
    const TRect r = axis->DrawRect();
    const QPoint p((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), outside(p.x(), 280);
    QWidget *w = plot->Widget();
    const auto startDrag = [&] {
        Move(w, p);
        SendMouse(w, QEvent::MouseButtonPress, p);
        Move(w, p + QPoint(0, 20), Qt::LeftButton);
    };
    Move(w, p);
    ASSERT_EQ(plot->LastMouseOverObject(), axis);
    const double before = axis->Min();
    startDrag();
    double dragged = axis->Min();
    EXPECT_NE(dragged, before);

    other->SetMouseCapture(true);
    EXPECT_FALSE(plot->MouseCapture());
    EXPECT_EQ(plot->LastMouseOverObject(), nullptr);
    Move(w, outside, Qt::LeftButton); // below the plot: not its mouse any more
    SendMouse(w, QEvent::MouseButtonRelease, outside);
    EXPECT_EQ(axis->Min(), dragged);
    EXPECT_EQ(finished, 0);
    Move(w, p); // back over the plot, no button held: the drag ends
    EXPECT_EQ(finished, 1);
    Move(w, p + QPoint(0, 40), Qt::LeftButton);
    EXPECT_EQ(axis->Min(), dragged);
    other->SetMouseCapture(false);

    startDrag();
    dragged = axis->Min();
    QApplication::setActiveWindow(nullptr);
    EXPECT_FALSE(plot->MouseCapture());
    EXPECT_EQ(finished, 2);
    Move(w, outside, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, outside);
    Move(w, p);
    EXPECT_EQ(axis->Min(), dragged);
    EXPECT_EQ(finished, 2);
}

} // namespace
