#include "Button.h"
#include "CustomControl.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Form.h"
#include "HandlerGuard.h"
#include "Label.h"
#include "PaintBox.h"
#include "Panel.h"
#include "Timer.h"
#include "TestInput.h"
#include "VirtualKeys.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A self-drawn windowed control that fills one rectangle and logs its input.
class Pad : public TCustomControl {
public:
    explicit Pad(TComponent *owner) : TCustomControl(owner) {}
    TRect box = Rect(0, 0, 0, 0);
    TColor boxColor = clBlue;
    void Paint() override
    {
        Canvas()->Brush()->SetColor(boxColor);
        Canvas()->FillRect(box);
    }
};

QColor PixelAt(const QImage &img, int x, int y)
{
    return img.pixelColor(x, y);
}

// A red form, 200 x 100, shown offscreen, with an event log.
struct FormFixture : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::vector<std::string> log;

    void SetUp() override
    {
        form->SetBounds(0, 0, 200, 100);
        form->SetColor(clRed);
    }

    void Hook(TControl *c, const std::string &name)
    {
        c->OnMouseDown = [this, name](TObject *, TMouseButton b, TShiftState s, int x, int y) {
            log.push_back(name + " down " + std::to_string(int(b)) + " " + std::to_string(x) + "," +
                          std::to_string(y) + (s.Contains(ssDouble) ? " dbl" : "") +
                          (s.Contains(ssShift) ? " shift" : ""));
        };
        c->OnMouseUp = [this, name](TObject *, TMouseButton b, TShiftState, int x, int y) {
            log.push_back(name + " up " + std::to_string(int(b)) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        c->OnClick = [this, name](TObject *) { log.push_back(name + " click"); };
        c->OnDblClick = [this, name](TObject *) { log.push_back(name + " dblclick"); };
        c->OnMouseEnter = [this, name](TObject *) { log.push_back(name + " enter"); };
        c->OnMouseLeave = [this, name](TObject *) { log.push_back(name + " leave"); };
    }

    QWidget *W() { return form->Widget(); }
};

using Strings = std::vector<std::string>;

TEST_F(FormFixture, WindowedControlGetsMouseClickBeforeMouseUp)
{
    auto *pad = new Pad(form.get());
    pad->SetParent(form.get());
    pad->SetBounds(10, 10, 50, 50);
    Hook(pad, "pad");
    Hook(form.get(), "form");
    form->Show();

    Click(pad->Widget(), QPoint(5, 7));
    EXPECT_EQ(log, (Strings{"pad down 0 5,7", "pad click", "pad up 0 5,7"}));

    log.clear(); // released outside: no click; the captured pad still gets the up
    SendMouse(pad->Widget(), QEvent::MouseButtonPress, QPoint(5, 5));
    SendMouse(pad->Widget(), QEvent::MouseButtonRelease, QPoint(70, 5));
    EXPECT_EQ(log, (Strings{"pad down 0 5,5", "pad up 0 70,5"}));

    log.clear(); // right button: no click
    Click(pad->Widget(), QPoint(1, 2), Qt::RightButton);
    EXPECT_EQ(log, (Strings{"pad down 1 1,2", "pad up 1 1,2"}));

    log.clear(); // Qt's press-release-doubleclick-release
    SendMouse(pad->Widget(), QEvent::MouseButtonPress, QPoint(3, 3));
    SendMouse(pad->Widget(), QEvent::MouseButtonRelease, QPoint(3, 3));
    SendMouse(pad->Widget(), QEvent::MouseButtonDblClick, QPoint(3, 3));
    SendMouse(pad->Widget(), QEvent::MouseButtonRelease, QPoint(3, 3));
    EXPECT_EQ(log, (Strings{"pad down 0 3,3", "pad click", "pad up 0 3,3", "pad dblclick", "pad down 0 3,3 dbl",
                            "pad up 0 3,3"}));

    log.clear(); // modifiers reach the shift state
    SendMouse(pad->Widget(), QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    SendMouse(pad->Widget(), QEvent::MouseButtonRelease, QPoint(2, 2));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0], "pad down 0 2,2 shift");
}

TEST_F(FormFixture, WindowlessControlGetsMouseInItsOwnCoordinates)
{
    auto *box = new TPaintBox(form.get());
    box->SetParent(form.get());
    box->SetBounds(50, 40, 30, 20);
    Hook(box, "box");
    Hook(form.get(), "form");
    form->Show();

    Click(W(), QPoint(55, 47));
    EXPECT_EQ(log, (Strings{"box down 0 5,7", "box click", "box up 0 5,7"}));

    log.clear(); // outside the box: the form itself
    Click(W(), QPoint(5, 5));
    EXPECT_EQ(log, (Strings{"form down 0 5,5", "form click", "form up 0 5,5"}));

    log.clear(); // captured while pressed: moves outside still reach the box
    box->OnMouseMove = [this](TObject *, TShiftState s, int x, int y) {
        log.push_back("box move " + std::to_string(x) + "," + std::to_string(y) + (s.Contains(ssLeft) ? " left" : ""));
    };
    SendMouse(W(), QEvent::MouseButtonPress, QPoint(51, 41));
    Move(W(), QPoint(10, 10), Qt::LeftButton);
    SendMouse(W(), QEvent::MouseButtonRelease, QPoint(10, 10));
    EXPECT_EQ(log, (Strings{"box down 0 1,1", "box move -40,-30 left", "box up 0 -40,-30"}));

    log.clear(); // disabled: the form gets the mouse
    box->SetEnabled(false);
    Click(W(), QPoint(55, 47));
    EXPECT_EQ(log, (Strings{"form down 0 55,47", "form click", "form up 0 55,47"}));
}

TEST_F(FormFixture, MouseEnterAndLeaveForWindowlessChildren)
{
    auto *box = new TPaintBox(form.get());
    box->SetParent(form.get());
    box->SetBounds(50, 40, 30, 20);
    box->SetCursor(crHandPoint);
    Hook(box, "box");
    form->Show();
    Move(W(), QPoint(10, 10));
    Move(W(), QPoint(60, 50));
    EXPECT_EQ(W()->cursor().shape(), Qt::PointingHandCursor);
    Move(W(), QPoint(61, 50));
    Move(W(), QPoint(10, 10));
    EXPECT_EQ(log, (Strings{"box enter", "box leave"}));
    EXPECT_NE(W()->cursor().shape(), Qt::PointingHandCursor);

    log.clear();
    Move(W(), QPoint(60, 50));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(W(), &leave); // the mouse leaves the window
    EXPECT_EQ(log, (Strings{"box enter", "box leave"}));
}

TEST_F(FormFixture, WheelGoesToTheControlUnderTheMouseThenItsParent)
{
    auto *box = new TPaintBox(form.get());
    box->SetParent(form.get());
    box->SetBounds(50, 40, 30, 20);
    auto *pad = new Pad(form.get());
    pad->SetParent(form.get());
    pad->SetBounds(100, 10, 50, 50);
    form->Show();

    bool boxHandles = false;
    int boxDelta = 0, formDelta = 0, ups = 0, downs = 0, padDelta = 0;
    TPoint boxPos;
    box->OnMouseWheel = [&](TObject *, TShiftState, int delta, TPoint pos, bool &handled) {
        boxDelta += delta;
        boxPos = pos;
        handled = boxHandles;
    };
    form->OnMouseWheel = [&](TObject *, TShiftState, int delta, TPoint, bool &) { formDelta += delta; };
    form->OnMouseWheelUp = [&](TObject *, TShiftState, TPoint, bool &handled) { ++ups; handled = true; };
    form->OnMouseWheelDown = [&](TObject *, TShiftState, TPoint, bool &handled) { ++downs; handled = true; };
    pad->OnMouseWheel = [&](TObject *, TShiftState, int delta, TPoint, bool &) { padDelta += delta; };

    EXPECT_TRUE(Wheel(W(), QPoint(55, 45), 120));
    EXPECT_EQ(boxDelta, 120);
    EXPECT_EQ(boxPos, FromQPoint(W()->mapToGlobal(QPoint(55, 45))));
    EXPECT_EQ(formDelta, 120); // not handled by the box
    EXPECT_EQ(ups, 1);

    boxHandles = true;
    Wheel(W(), QPoint(55, 45), -120);
    EXPECT_EQ(formDelta, 120);
    EXPECT_EQ(downs, 0);

    // Half notches add up before a wheel-down call.
    Wheel(W(), QPoint(5, 5), -60);
    EXPECT_EQ(downs, 0);
    Wheel(W(), QPoint(5, 5), -60);
    EXPECT_EQ(downs, 1);

    // A windowed child that leaves the wheel unhandled passes it to the form.
    formDelta = 0;
    Wheel(pad->Widget(), QPoint(5, 5), 240);
    EXPECT_EQ(padDelta, 240);
    EXPECT_EQ(formDelta, 240);
    EXPECT_EQ(ups, 3);
}

TEST_F(FormFixture, KeysReachTheFocusedControlAsVirtualKeys)
{
    auto *pad = new Pad(form.get());
    pad->SetParent(form.get());
    pad->SetBounds(10, 10, 50, 50);
    pad->SetTabStop(true);
    auto *edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(70, 10, 100, 20);
    form->Show();
    QApplication::setActiveWindow(W());

    pad->OnKeyDown = [&](TObject *, Word &key, TShiftState s) {
        log.push_back("down " + std::to_string(key) + (s.Contains(ssCtrl) ? " ctrl" : ""));
    };
    pad->OnKeyPress = [&](TObject *, QChar &key) { log.push_back(std::string("press ") + char(key.unicode())); };
    pad->OnKeyUp = [&](TObject *, Word &key, TShiftState) { log.push_back("up " + std::to_string(key)); };
    form->OnKeyDown = [&](TObject *, Word &key, TShiftState) { log.push_back("form " + std::to_string(key)); };

    pad->SetFocus();
    ASSERT_TRUE(pad->Focused());
    Key(pad->Widget(), Qt::Key_Left);
    Key(pad->Widget(), Qt::Key_A, "a");
    Key(pad->Widget(), Qt::Key_F5, QString(), Qt::ControlModifier);
    EXPECT_EQ(log, (Strings{"down 37", "up 37", "down 65", "press a", "up 65", "down 116 ctrl", "up 116"}));

    log.clear(); // KeyPreview: the form first
    form->SetKeyPreview(true);
    Key(pad->Widget(), Qt::Key_Down);
    EXPECT_EQ(log, (Strings{"form 40", "down 40", "up 40"}));
    form->SetKeyPreview(false);

    // A standard edit: a swallowed key never reaches the Qt widget.
    edit->SetFocus();
    edit->OnKeyPress = [](TObject *, QChar &key) {
        if (key == u'x')
            key = QChar();
    };
    Key(edit->Widget(), Qt::Key_A, "a");
    Key(edit->Widget(), Qt::Key_X, "x");
    Key(edit->Widget(), Qt::Key_B, "b");
    EXPECT_EQ(edit->Text(), "ab");
    QApplication::setActiveWindow(nullptr);
}

TEST_F(FormFixture, FocusEnterAndExitButNotForWindowActivation)
{
    auto *a = new TEdit(form.get());
    a->SetParent(form.get());
    a->SetBounds(10, 10, 80, 20);
    auto *b = new TEdit(form.get());
    b->SetParent(form.get());
    b->SetBounds(10, 40, 80, 20);
    a->OnEnter = [&](TObject *) { log.push_back("a enter"); };
    a->OnExit = [&](TObject *) { log.push_back("a exit"); };
    b->OnEnter = [&](TObject *) { log.push_back("b enter"); };
    b->OnExit = [&](TObject *) { log.push_back("b exit"); };
    form->Show();
    QApplication::setActiveWindow(W());

    a->SetFocus();
    b->SetFocus();
    EXPECT_EQ(log, (Strings{"a enter", "a exit", "b enter"}));
    EXPECT_TRUE(b->Focused());

    log.clear(); // another window takes the activation and gives it back
    TForm other(nullptr);
    other.Show();
    QApplication::setActiveWindow(other.Widget());
    QApplication::setActiveWindow(W());
    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_TRUE(b->Focused());
    QApplication::setActiveWindow(nullptr);
}

// The focus is taken at once, also in a window that is not active (the first
// click after another window closed): the window becomes the active one. A
// window behind a modal one stays as it is.
TEST_F(FormFixture, SetFocusActivatesTheWindowAtOnceUnlessAModalWindowBlocksIt)
{
    auto *a = new TEdit(form.get());
    a->SetParent(form.get());
    a->SetBounds(10, 10, 80, 20);
    a->OnEnter = [&](TObject *) { log.push_back("a enter"); };
    form->Show();
    TForm other(nullptr);
    other.Show();
    QApplication::setActiveWindow(other.WindowWidget());
    ASSERT_FALSE(form->Active());

    a->SetFocus();
    EXPECT_TRUE(form->Active());
    EXPECT_TRUE(a->Focused());
    EXPECT_EQ(log, Strings{"a enter"});

    other.Hide();
    QApplication::setActiveWindow(nullptr);
    TForm modal(nullptr);
    modal.WindowWidget()->setWindowModality(Qt::ApplicationModal);
    modal.Show();
    QApplication::setActiveWindow(modal.WindowWidget());
    a->SetFocus();
    EXPECT_FALSE(form->Active());
    EXPECT_TRUE(modal.Active());
    modal.Hide();
    QApplication::setActiveWindow(nullptr);
}

TEST_F(FormFixture, WindowlessControlsStayBelowWindowedSiblings)
{
    auto *pad = new Pad(form.get());
    pad->SetParent(form.get());
    pad->SetBounds(10, 10, 20, 20);
    pad->SetColor(clBlue);
    auto *box = new TPaintBox(form.get()); // created later, brought to front: still below
    box->SetParent(form.get());
    box->SetBounds(0, 0, 40, 40);
    box->OnPaint = [box](TObject *) {
        box->Canvas()->Brush()->SetColor(clLime);
        box->Canvas()->FillRect(box->ClientRect());
    };
    box->BringToFront();
    Hook(pad, "pad");
    Hook(box, "box");
    form->Show();

    QImage img = form->PaintToImage();
    EXPECT_EQ(PixelAt(img, 15, 15), QColor(Qt::blue));
    EXPECT_EQ(PixelAt(img, 35, 35), QColor(Qt::green));
    EXPECT_EQ(PixelAt(img, 5, 5), QColor(Qt::green));
    EXPECT_EQ(PixelAt(img, 45, 45), QColor(Qt::red));

    // Input follows the same order: the windowed control gets the click.
    QWidget *hit = W()->childAt(15, 15);
    ASSERT_EQ(hit, pad->Widget());
    Click(hit, hit->mapFrom(W(), QPoint(15, 15)));
    Click(W(), QPoint(35, 35));
    EXPECT_EQ(log, (Strings{"pad down 0 5,5", "pad click", "pad up 0 5,5", "box down 0 35,35", "box click",
                            "box up 0 35,35"}));
}

TEST_F(FormFixture, TransparentControlsShowTheParentUnderneath)
{
    // Something drawn by the parent under the transparent controls.
    auto *under = new TPaintBox(form.get());
    under->SetParent(form.get());
    under->SetBounds(0, 0, 200, 10);
    under->OnPaint = [under](TObject *) {
        under->Canvas()->Brush()->SetColor(clYellow);
        under->Canvas()->FillRect(under->ClientRect());
    };
    auto *clear = new Pad(form.get());
    clear->SetControlStyle(clear->ControlStyle().Include(csParentBackground));
    clear->SetParent(form.get());
    clear->SetBounds(0, 0, 40, 40);
    clear->box = Rect(20, 20, 30, 30);
    auto *opaque = new Pad(form.get());
    opaque->SetParent(form.get());
    opaque->SetBounds(50, 0, 40, 40);
    opaque->SetColor(clWhite);
    opaque->box = Rect(20, 20, 30, 30);
    auto *label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetTransparent(true);
    label->SetAutoSize(false);
    label->SetBounds(100, 0, 40, 40);
    form->Show();

    QImage img = form->PaintToImage();
    EXPECT_EQ(PixelAt(img, 25, 25), QColor(Qt::blue));   // the control's own drawing
    EXPECT_EQ(PixelAt(img, 5, 25), QColor(Qt::red));     // the form's colour
    EXPECT_EQ(PixelAt(img, 5, 5), QColor(Qt::yellow));   // the form's windowless child
    EXPECT_EQ(PixelAt(img, 55, 25), QColor(Qt::white));  // opaque: erased with its colour
    EXPECT_EQ(PixelAt(img, 55, 5), QColor(Qt::white));
    EXPECT_EQ(PixelAt(img, 105, 5), QColor(Qt::yellow)); // transparent label
    EXPECT_EQ(PixelAt(img, 105, 25), QColor(Qt::red));
    label->SetTransparent(false);
    EXPECT_EQ(PixelAt(form->PaintToImage(), 105, 25), QColor(Qt::red)); // parent colour: still red
    label->SetColor(clAqua);
    EXPECT_EQ(PixelAt(form->PaintToImage(), 105, 25), QColor(Qt::cyan));
}

TEST(Modal, ButtonModalResultClosesOnlyAModalForm)
{
    TForm form(nullptr);
    auto *ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    int clicks = 0;
    ok->OnClick = [&](TObject *) { ++clicks; };
    auto press = [](TButton *b) { static_cast<QPushButton *>(b->Widget())->click(); };

    // Not modal: the result is stored, the window stays.
    form.Show();
    press(ok);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.ModalResult(), mrOk);
    EXPECT_TRUE(form.Visible());
    form.Hide();

    // Modal: the click ends ShowModal with the button's result.
    bool closeAsked = false;
    form.OnCloseQuery = [&](TObject *, bool &canClose) {
        canClose = closeAsked; // refuse the first time
        closeAsked = true;
    };
    QTimer::singleShot(0, [&] {
        press(ok); // refused: stays open
        QTimer::singleShot(0, [&] { press(ok); });
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(clicks, 3);

    // Closing the window ends it with mrCancel; Escape clicks the Cancel button.
    form.OnCloseQuery = nullptr;
    QTimer::singleShot(0, [&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    auto *cancel = new TButton(&form);
    cancel->SetParent(&form);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrAbort);
    QTimer::singleShot(0, [&] { Key(ok->Widget(), Qt::Key_Escape); });
    EXPECT_EQ(form.ShowModal(), mrAbort);
    EXPECT_THROW({ form.Show(); form.ShowModal(); }, EInvalidOperation);
}

TEST(Modal, AModalRunnerDrivesTheShownDialogInsteadOfWaiting)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 120);
    auto *ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    struct Runner {
        explicit Runner(std::function<void(TCustomForm &)> F) { TCustomForm::ModalRunner = std::move(F); }
        ~Runner() { TCustomForm::ModalRunner = nullptr; }
    };
    bool shownModal = false;
    {
        // The script clicks OK on the shown dialog.
        Runner r([&](TCustomForm &f) {
            shownModal = f.Visible() && f.Modal();
            Click(ok->Widget(), QPoint(5, 5));
        });
        EXPECT_EQ(form.ShowModal(), mrOk);
    }
    EXPECT_TRUE(shownModal);
    EXPECT_FALSE(form.Visible());
    {
        // A script that leaves the dialog open ends it as closed, even when
        // the form would refuse to close.
        form.OnCloseQuery = [](TObject *, bool &CanClose) { CanClose = false; };
        Runner r([](TCustomForm &) {});
        EXPECT_EQ(form.ShowModal(), mrCancel);
        EXPECT_FALSE(form.Visible());
        EXPECT_FALSE(form.Modal());
    }
}

TEST(Modal, EnterInAnEditClicksTheDefaultButton)
{
    TForm form(nullptr);
    auto *edit = new TEdit(&form);
    edit->SetParent(&form);
    auto *ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    ok->SetTop(40);
    QTimer::singleShot(0, [&] { Key(edit->Widget(), Qt::Key_Return, "\r"); });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(Controls, ParentFontAndColourFollowTheParent)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    auto *label = new TLabel(&form);
    label->SetParent(panel);
    form.Font()->SetName("Verdana");
    EXPECT_EQ(panel->Font()->Name(), "Verdana");
    EXPECT_EQ(label->Font()->Name(), "Verdana");
    label->Font()->SetSize(12); // its own font from now on
    form.Font()->SetName("Arial");
    EXPECT_EQ(label->Font()->Name(), "Verdana");
    EXPECT_FALSE(label->ParentFont());
    panel->SetColor(clAqua);
    EXPECT_EQ(label->Color(), clAqua);
}

TEST(Controls, FreeingAControlInsideItsClickIsSafe)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto *box = new TPaintBox(&form);
    box->SetParent(&form);
    box->OnClick = [box](TObject *) { delete box; };
    form.Show();
    Click(form.Widget(), QPoint(5, 5));
    EXPECT_EQ(form.ControlCount(), 0);
    Click(form.Widget(), QPoint(5, 5)); // nothing left to hit
}

TEST(Controls, ExceptionsOfHandlersStopAtTheQtBoundaryAndAreReported)
{
    std::vector<QString> reports;
    SetExceptionReporter([&](const QString &m) { reports.push_back(m); });
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *button = new TButton(&form);
    button->SetName("bnThrow");
    button->SetParent(&form);
    button->OnClick = [](TObject *) { throw EConvertError("from a click"); };
    auto *pad = new Pad(&form);
    pad->SetName("pdThrow");
    pad->SetParent(&form);
    pad->SetBounds(100, 0, 50, 50);
    pad->OnMouseDown = [](TObject *, TMouseButton, TShiftState, int, int) { throw std::runtime_error("down"); };
    auto *edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetTop(60);
    edit->OnChange = [](TObject *) { throw 42; };
    auto *timer = new TTimer(&form);
    timer->SetName("tmThrow");
    timer->SetInterval(1);
    timer->OnTimer = [timer](TObject *) {
        timer->SetEnabled(false);
        throw EInvalidOperation("from a tick");
    };
    form.OnPaint = [](TObject *) { throw EConvertError("from a paint"); };
    form.Show();

    EXPECT_NO_THROW(static_cast<QPushButton *>(button->Widget())->click());
    EXPECT_NO_THROW(Click(pad->Widget(), QPoint(5, 5)));
    EXPECT_NO_THROW(Key(edit->Widget(), Qt::Key_A, "a"));
    EXPECT_NO_THROW(form.PaintToImage());
    QElapsedTimer clock;
    clock.start();
    while (timer->Enabled() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    SetExceptionReporter(nullptr);

    auto reported = [&](const char *what) {
        for (const QString &m : reports)
            if (m.contains(QLatin1String(what)))
                return true;
        return false;
    };
    EXPECT_TRUE(reported("bnThrow failed: from a click"));
    EXPECT_TRUE(reported("pdThrow failed: down"));
    EXPECT_TRUE(reported("unknown exception"));
    EXPECT_TRUE(reported("tmThrow failed: from a tick"));
    EXPECT_TRUE(reported("from a paint"));
}

TEST(Controls, ControlsFreedInsideTheirOwnHandlersAreSafe)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.Show();

    // A standard button freed by its own click: its widget is still delivering
    // the release, so Qt frees it afterwards; it is already out of the form.
    auto *button = new TButton(&form);
    button->SetParent(&form);
    QPointer<QWidget> buttonWidget = button->Widget();
    button->OnClick = [button](TObject *) { delete button; };
    Click(buttonWidget, QPoint(5, 5));
    EXPECT_EQ(form.ControlCount(), 0);
    ASSERT_TRUE(buttonWidget);
    EXPECT_FALSE(buttonWidget->isVisible());
    EXPECT_EQ(buttonWidget->parentWidget(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(buttonWidget);

    // A self-drawn control freed in its mouse-down; the release still comes.
    auto *pad = new Pad(&form);
    pad->SetParent(&form);
    pad->SetBounds(0, 0, 50, 50);
    QPointer<QWidget> padWidget = pad->Widget();
    int leaves = 0;
    pad->OnMouseLeave = [&](TObject *) { ++leaves; };
    pad->OnMouseDown = [pad](TObject *, TMouseButton, TShiftState, int, int) { delete pad; };
    Click(padWidget, QPoint(5, 5));
    EXPECT_EQ(form.ControlCount(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(padWidget);
    EXPECT_EQ(leaves, 0);

    // A window freed by a click on one of its buttons, twice released as well.
    auto *dialog = new TForm(nullptr);
    auto *close = new TButton(dialog);
    close->SetParent(dialog);
    QPointer<QWidget> dialogWidget = dialog->Widget(), closeWidget = close->Widget();
    close->OnClick = [dialog](TObject *) {
        dialog->Release();
        dialog->Release();
        delete dialog;
    };
    dialog->Show();
    Click(closeWidget, QPoint(5, 5));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialogWidget);
    EXPECT_FALSE(closeWidget);

    // A timer freed in its own tick.
    bool fired = false;
    auto *timer = new TTimer(&form);
    timer->SetInterval(1);
    timer->OnTimer = [&fired, timer](TObject *) {
        fired = true;
        delete timer;
    };
    QElapsedTimer clock;
    clock.start();
    while (!fired && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(fired);
    EXPECT_EQ(form.ComponentCount(), 0);
}

} // namespace
