// Mouse capture, Tab order and walking, the hint hook, Perform of keys and the
// edit's extensions.
#include "CustomControl.h"
#include "Edit.h"
#include "Form.h"
#include "Menus.h"
#include "Panel.h"
#include "PaintBox.h"
#include "TestInput.h"
#include "VirtualKeys.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QToolTip>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class Pad : public TCustomControl {
public:
    explicit Pad(TComponent *owner) : TCustomControl(owner) {}
    std::vector<bool> captureSeen;
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override
    {
        captureSeen.push_back(MouseCapture());
        TCustomControl::MouseDown(b, s, x, y);
    }
};

// A windowless control whose hint names the half of it under the mouse.
class HalfHint : public TGraphicControl {
public:
    explicit HalfHint(TComponent *owner) : TGraphicControl(owner) {}
    void HintShow(THintInfo &Info) override
    {
        Info.HintStr = Info.CursorPos.X < Width() / 2 ? "left" : "";
    }
};

// A control that records how it loses the mouse and what reaches it after.
class Holder : public TCustomControl {
public:
    explicit Holder(TComponent *owner) : TCustomControl(owner) {}
    std::vector<TControl *> takers; // one entry per WM_CAPTURECHANGED
    int clicks = 0, moves = 0, ups = 0;
    void Click() override { ++clicks; }
    void MouseMove(TShiftState, int, int) override { ++moves; }
    void MouseUp(TMouseButton, TShiftState, int, int) override { ++ups; }
    void CaptureChanged(TControl *NewCapture) override { takers.push_back(NewCapture); }
};

struct Window : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    void SetUp() override { form->SetBounds(0, 0, 300, 200); }
    void TearDown() override { QApplication::setActiveWindow(nullptr); }
    template <typename T> T *Add(int x, int y, int w = 40, int h = 20)
    {
        auto *c = new T(form.get());
        c->SetParent(form.get());
        c->SetBounds(x, y, w, h);
        return c;
    }
    void Activate()
    {
        form->Show();
        QApplication::setActiveWindow(form->Widget());
    }
};

TEST_F(Window, MouseCaptureHoldsFromPressToLastRelease)
{
    Pad *pad = Add<Pad>(10, 10);
    Activate();
    EXPECT_FALSE(pad->MouseCapture());
    SendMouse(pad->Widget(), QEvent::MouseButtonPress, {5, 5});
    EXPECT_EQ(pad->captureSeen, std::vector<bool>{true}); // already set inside MouseDown
    EXPECT_TRUE(pad->MouseCapture());
    // A second button while the first is held keeps it.
    SendMouse(pad->Widget(), QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::LeftButton);
    SendMouse(pad->Widget(), QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::LeftButton);
    EXPECT_TRUE(pad->MouseCapture());
    SendMouse(pad->Widget(), QEvent::MouseButtonRelease, {5, 5});
    EXPECT_FALSE(pad->MouseCapture());

    // A control without csCaptureMouse never holds it; a cleared one lets go.
    SendMouse(pad->Widget(), QEvent::MouseButtonPress, {5, 5});
    pad->SetMouseCapture(false);
    EXPECT_FALSE(pad->MouseCapture());
    SendMouse(pad->Widget(), QEvent::MouseButtonRelease, {5, 5});
    { TControlStyle st = pad->ControlStyle(); st.Exclude(csCaptureMouse); pad->SetControlStyle(st); }
    SendMouse(pad->Widget(), QEvent::MouseButtonPress, {5, 5});
    EXPECT_FALSE(pad->MouseCapture());
    SendMouse(pad->Widget(), QEvent::MouseButtonRelease, {5, 5});
}

// Every way the mouse can go elsewhere during a press ends the holder's
// capture once, tells it who took the mouse and fires its OnMouseCaptureLost
// once, and makes the release no click; the holder's own end of the press is
// no loss.
TEST_F(Window, ControlLosesTheCaptureWhenTheMouseGoesElsewhere)
{
    TForm modal(nullptr);
    modal.SetBounds(320, 0, 100, 60);
    modal.WindowWidget()->setWindowModality(Qt::ApplicationModal);
    struct Case {
        const char *what;
        std::function<void(Holder *Self, TPanel *Box, Holder *Other)> take;
        bool byOther;
        bool stillReachable; // visible and enabled after: its release arrives
    };
    const Case cases[] = {
        {"window deactivated", [](Holder *, TPanel *, Holder *) { QApplication::setActiveWindow(nullptr); }, false,
         true},
        {"modal window shown", [&modal](Holder *, TPanel *, Holder *) { modal.Show(); }, false, false},
        {"popup menu opened",
         [](Holder *, TPanel *, Holder *) {
             TPopupMenu menu(nullptr);
             auto *item = new TMenuItem(nullptr);
             item->SetCaption(QStringLiteral("One"));
             menu.Items()->Add(item);
             menu.Popup(0, 0);
             menu.Menu()->close();
         },
         false, true},
        {"hidden", [](Holder *Self, TPanel *, Holder *) { Self->SetVisible(false); }, false, false},
        {"parent hidden", [](Holder *, TPanel *Box, Holder *) { Box->SetVisible(false); }, false, false},
        {"disabled", [](Holder *Self, TPanel *, Holder *) { Self->SetEnabled(false); }, false, false},
        {"parent disabled", [](Holder *, TPanel *Box, Holder *) { Box->SetEnabled(false); }, false, false},
        {"another control takes it", [](Holder *, TPanel *, Holder *Other) { Other->SetMouseCapture(true); }, true,
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto *box = Add<TPanel>(0, 0, 200, 100);
        auto *self = new Holder(form.get());
        self->SetParent(box);
        self->SetBounds(10, 10, 40, 20);
        Holder *other = Add<Holder>(100, 150);
        int lost = 0;
        self->OnMouseCaptureLost = [&](TObject *Sender) {
            EXPECT_EQ(Sender, self);
            EXPECT_FALSE(self->MouseCapture());
            ++lost;
        };
        Activate();
        SendMouse(self->Widget(), QEvent::MouseButtonPress, {5, 5});
        ASSERT_EQ(GetCaptureControl(), self);
        c.take(self, box, other);
        modal.Hide();
        EXPECT_FALSE(self->MouseCapture());
        EXPECT_EQ(lost, 1);
        EXPECT_EQ(self->takers, std::vector<TControl *>{c.byOther ? other : nullptr});
        EXPECT_EQ(GetCaptureControl(), c.byOther ? other : nullptr);
        if (c.stillReachable) {
            SendMouse(self->Widget(), QEvent::MouseButtonRelease, {5, 5});
            EXPECT_EQ(self->clicks, 0);
            EXPECT_EQ(self->ups, 1);
        }
        EXPECT_EQ(self->takers.size(), 1u);
        EXPECT_TRUE(other->takers.empty());
        other->SetMouseCapture(false);
        delete box;
        delete other;
    }

    // The holder's own release, or its own letting go, tells it nothing.
    Holder *self = Add<Holder>(10, 10);
    self->OnMouseCaptureLost = [](TObject *) { ADD_FAILURE() << "no loss"; };
    Activate();
    Click(self->Widget(), {5, 5});
    EXPECT_EQ(self->clicks, 1);
    SendMouse(self->Widget(), QEvent::MouseButtonPress, {5, 5});
    self->SetMouseCapture(false);
    SendMouse(self->Widget(), QEvent::MouseButtonRelease, {5, 5});
    EXPECT_TRUE(self->takers.empty());
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

// After the loss the rest of the press (Qt's grab still sends it) reaches the
// control only over it; the next press holds the mouse again.
TEST_F(Window, AfterALossThePressCountsOnlyOverTheControl)
{
    Holder *self = Add<Holder>(10, 10);
    Activate();
    SendMouse(self->Widget(), QEvent::MouseButtonPress, {5, 5});
    Move(self->Widget(), {60, 5}, Qt::LeftButton); // captured: outside counts
    EXPECT_EQ(self->moves, 1);
    QApplication::setActiveWindow(nullptr);
    Move(self->Widget(), {60, 5}, Qt::LeftButton);
    SendMouse(self->Widget(), QEvent::MouseButtonRelease, {60, 5});
    EXPECT_EQ(self->moves, 1);
    EXPECT_EQ(self->ups, 0);
    Move(self->Widget(), {5, 5});
    EXPECT_EQ(self->moves, 2);

    Activate();
    SendMouse(self->Widget(), QEvent::MouseButtonPress, {5, 5});
    EXPECT_TRUE(self->MouseCapture());
    Move(self->Widget(), {60, 5}, Qt::LeftButton);
    SendMouse(self->Widget(), QEvent::MouseButtonRelease, {60, 5});
    EXPECT_EQ(self->moves, 3);
    EXPECT_EQ(self->ups, 1);
}

TEST_F(Window, TabOrderIsThePlaceAmongWindowedSiblings)
{
    TEdit *a = Add<TEdit>(0, 0), *b = Add<TEdit>(0, 30), *c = Add<TEdit>(0, 60);
    Add<TPaintBox>(0, 90); // windowless: no place in the order
    EXPECT_EQ((std::vector<int>{a->TabOrder(), b->TabOrder(), c->TabOrder()}), (std::vector<int>{0, 1, 2}));
    c->SetTabOrder(0);
    EXPECT_EQ((std::vector<int>{a->TabOrder(), b->TabOrder(), c->TabOrder()}), (std::vector<int>{1, 2, 0}));
    a->SetTabOrder(99); // clamped to the end
    EXPECT_EQ((std::vector<int>{a->TabOrder(), b->TabOrder(), c->TabOrder()}), (std::vector<int>{2, 1, 0}));
    b->SetParent(nullptr);
    EXPECT_EQ(b->TabOrder(), -1);
    EXPECT_EQ((std::vector<int>{c->TabOrder(), a->TabOrder()}), (std::vector<int>{0, 1}));
    delete b;
}

TEST_F(Window, TabWalksTheOrderSkippingWhatCannotTakeTheFocus)
{
    TEdit *a = Add<TEdit>(0, 0), *b = Add<TEdit>(0, 30), *c = Add<TEdit>(0, 60), *d = Add<TEdit>(0, 90);
    // A panel-like container whose child comes right after it in the order.
    auto *box = Add<Pad>(100, 0, 100, 100);
    auto *inner = new TEdit(form.get());
    inner->SetParent(box);
    inner->SetBounds(5, 5, 50, 20);
    d->SetTabOrder(0); // d a b c box(inner)
    b->SetEnabled(false);
    c->SetTabStop(false);
    Activate();
    d->SetFocus();
    std::vector<TWinControl *> seen;
    for (int i = 0; i < 4; ++i) {
        Key(QApplication::focusWidget(), Qt::Key_Tab);
        seen.push_back(TWinControl::FindControl(QApplication::focusWidget()));
    }
    EXPECT_EQ(seen, (std::vector<TWinControl *>{a, inner, d, a}));
    Key(QApplication::focusWidget(), Qt::Key_Tab, QString(), Qt::ShiftModifier);
    EXPECT_TRUE(d->Focused());
    Key(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(inner->Focused());
    // Tab is not a key for the handlers.
    bool keyed = false;
    inner->OnKeyDown = [&](TObject *, Word &, TShiftState) { keyed = true; };
    Key(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(keyed);
}

TEST_F(Window, HintHookChangesTheHintPerMousePosition)
{
    auto *h = Add<HalfHint>(20, 20, 100, 20);
    h->SetHint("whole");
    h->SetShowHint(true);
    Activate();
    auto help = [&](int x) {
        QHelpEvent e(QEvent::ToolTip, QPoint(20 + x, 30), form->Widget()->mapToGlobal(QPoint(20 + x, 30)));
        QApplication::sendEvent(form->Widget(), &e);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    };
    EXPECT_EQ(help(80), ""); // the hook emptied it: nothing shows
    EXPECT_EQ(help(10), "left");
    QToolTip::hideText();
}

TEST_F(Window, PerformedKeysReachTheHandlersAndTheLineEdit)
{
    TEdit *e = Add<TEdit>(0, 0, 100, 20);
    Activate();
    e->SetFocus();
    e->SetText("12345");
    e->SetSelStart(1);
    std::vector<int> keys;
    e->OnKeyDown = [&](TObject *, Word &k, TShiftState) { keys.push_back(k); };
    e->Perform(WM_KEYDOWN, VK_END);
    e->Perform(WM_KEYUP, VK_END);
    EXPECT_EQ(keys, std::vector<int>{VK_END});
    EXPECT_EQ(e->SelStart(), 5);
    e->Perform(WM_CHAR, 'x');
    EXPECT_EQ(e->Text(), "12345x");
}

TEST_F(Window, EditExtensions)
{
    TEdit *e = Add<TEdit>(0, 0, 100, 20), *other = Add<TEdit>(0, 30, 100, 20);
    Activate();
    QLineEdit *le = e->LineEdit();

    e->SetCharCase(ecUpperCase);
    e->SetText("abc");
    EXPECT_EQ(e->Text(), "ABC");
    e->SetCharCase(ecLowerCase);
    EXPECT_EQ(e->Text(), "abc");
    e->SetCharCase(ecNormal);

    e->SetNumbersOnly(true);
    e->SetFocus();
    e->SetText("");
    Key(le, Qt::Key_1, "1");
    Key(le, Qt::Key_A, "a");
    Key(le, Qt::Key_Period, ".");
    Key(le, Qt::Key_2, "2");
    EXPECT_EQ(e->Text(), "12");
    e->SetNumbersOnly(false);

    e->SetAlignment(taCenter);
    EXPECT_TRUE(le->alignment() & Qt::AlignHCenter);
    e->SetTextHint("8");
    EXPECT_EQ(e->TextHint(), "8");
    e->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(le->layoutDirection(), Qt::RightToLeft);
    e->SetImeName("any");
    EXPECT_EQ(e->ImeName(), "any");

    // HideSelection false keeps the selection when the focus leaves.
    e->SetFocus();
    e->SetText("abcdef");
    e->SetSelStart(1);
    e->SetSelLength(3);
    other->SetFocus();
    EXPECT_EQ(e->SelLength(), 0);
    e->SetFocus();
    e->SetSelStart(1);
    e->SetSelLength(3);
    e->SetHideSelection(false);
    other->SetFocus();
    EXPECT_EQ(e->SelText(), "bcd");
    e->SetHideSelection(true);

    // AutoSelect: Tab selects all only when set.
    e->SetText("abc");
    other->SetFocus();
    Key(other->LineEdit(), Qt::Key_Backtab);
    ASSERT_TRUE(e->Focused());
    EXPECT_EQ(e->SelLength(), 3);
    e->SetAutoSelect(false);
    other->SetFocus();
    Key(other->LineEdit(), Qt::Key_Backtab);
    ASSERT_TRUE(e->Focused());
    EXPECT_EQ(e->SelLength(), 0);
}

// Paint of an edit runs after the line edit has drawn, on top of it.
class MarkedEdit : public TEdit {
public:
    explicit MarkedEdit(TComponent *o) : TEdit(o) {}
    int focusChanges = 0;
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(0, 0, 4, 4));
    }

protected:
    void FocusGained() override { ++focusChanges; }
    void FocusLost() override { ++focusChanges; }
};

TEST_F(Window, EditPaintHookAndFocusHooks)
{
    auto *e = Add<MarkedEdit>(0, 0, 100, 20);
    auto *other = Add<TEdit>(0, 30, 100, 20);
    Activate();
    QImage img = e->PaintToImage();
    EXPECT_EQ(img.pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_NE(img.pixelColor(50, 10), QColor(255, 0, 0));
    e->SetFocus();
    other->SetFocus();
    EXPECT_EQ(e->focusChanges, 2);
    // Losing and regaining the activation: no exit or enter, but the hooks see it.
    e->SetFocus();
    TForm away(nullptr);
    away.Show();
    QApplication::setActiveWindow(away.Widget());
    QApplication::setActiveWindow(form->Widget());
    EXPECT_EQ(e->focusChanges, 5);
}

} // namespace
