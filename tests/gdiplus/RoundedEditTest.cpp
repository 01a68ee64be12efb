// The value edit box: geometry, forwarded events, painting and the
// embedded buttons.
#include "Button.h"
#include "Form.h"
#include "RoundedControls.h"
#include "Stream.h"
#include "TestPictures.h"
#include "VirtualKeys.h"
#include "TestInput.h"

#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const QColor kParent(0, 128, 0);

// A box as the window layout builds it, on a green form.
struct BoxForm : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TRoundedEdit *box = nullptr;
    std::vector<std::string> log;

    void SetUp() override
    {
        form->SetBounds(0, 0, 200, 100);
        form->SetColor(RGB(0, 128, 0));
        box = Make(10, 10, 58);
    }
    void TearDown() override { QApplication::setActiveWindow(nullptr); }
    TRoundedEdit *Make(int x, int y, int w)
    {
        auto *b = new TRoundedEdit(form.get());
        b->BeginLoading();
        b->SetParent(form.get());
        b->SetBounds(x, y, w, 24);
        b->SetRounding(6);
        b->SetBorderColor(clHighlightText);
        b->SetColor(clWhite);
        b->SetAlignment(taCenter);
        b->SetAutoSelect(false);
        b->SetHideSelection(false);
        b->SetShowHint(true);
        b->SetTabStop(true);
        b->SetText("+0.0dB");
        b->EndLoading();
        return b;
    }
    void Show()
    {
        form->Show();
        QApplication::setActiveWindow(form->Widget());
    }
    QImage Render()
    {
        return form->PaintToImage().copy(box->Left(), box->Top(), box->Width(), box->Height());
    }
    QLineEdit *Line() { return box->Edit()->LineEdit(); }
};

TEST_F(BoxForm, GeometryOfTheBoxAndItsInnerEdit)
{
    box->SetBounds(10, 10, 58, 50);
    EXPECT_EQ(box->Height(), 24);
    EXPECT_EQ(box->Edit()->BoundsRect(), Bounds(6, 5, 44, 18));
    box->SetWidth(70);
    EXPECT_EQ(box->Edit()->Width(), 56);
    EXPECT_EQ(box->Version(), "1.0.3.1");
    box->SetVersion("2");
    EXPECT_EQ(box->Version(), "1.0.3.1");
}

TEST_F(BoxForm, EventsReachTheBoxHandlersWithTheBoxAsSender)
{
    box->SetTag(6);
    box->SetName("edGainOut3");
    std::vector<TObject *> senders;
    box->OnKeyDown = [&](TObject *s, Word &, TShiftState) { senders.push_back(s); };
    box->OnKeyPress = [&](TObject *s, QChar &k) {
        senders.push_back(s);
        if (k == u'x')
            k = QChar(); // swallowed
        else if (k == u'a')
            k = u'b'; // changed: the typed character is the new one
    };
    box->OnChange = [&](TObject *s) { senders.push_back(s); };
    box->OnMouseDown = [&](TObject *s, TMouseButton, TShiftState, int x, int y) {
        senders.push_back(s);
        log.push_back(std::to_string(x) + "," + std::to_string(y));
    };
    Show();
    box->SetFocus();
    ASSERT_TRUE(box->Focused());
    box->SetText("");
    senders.clear();
    Key(Line(), Qt::Key_X, "x");
    Key(Line(), Qt::Key_A, "a");
    EXPECT_EQ(box->Text(), "b");
    // A cleared key-down is suppressed too.
    box->OnKeyDown = [&](TObject *s, Word &k, TShiftState) {
        senders.push_back(s);
        if (k == VK_BACK)
            k = 0;
    };
    Key(Line(), Qt::Key_Backspace);
    EXPECT_EQ(box->Text(), "b");
    Click(Line(), {3, 4});
    EXPECT_EQ(log, std::vector<std::string>{"3,4"}); // the edit's coordinates
    ASSERT_FALSE(senders.empty());
    for (TObject *s : senders)
        EXPECT_EQ(s, box);
    EXPECT_EQ(static_cast<TRoundedEdit *>(senders.front())->Tag(), 6);
}

TEST_F(BoxForm, EnterReachesOnKeyDownBeforeTheDefaultButton)
{
    auto *ok = new TButton(form.get());
    ok->SetParent(form.get());
    ok->SetBounds(100, 10, 50, 24);
    ok->SetDefault(true);
    ok->OnClick = [&](TObject *) { log.push_back("default"); };
    box->OnKeyDown = [&](TObject *, Word &k, TShiftState) {
        if (k == VK_RETURN)
            log.push_back("enter");
    };
    Show();
    box->SetFocus();
    Key(Line(), Qt::Key_Return);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "enter");
}

TEST_F(BoxForm, ExitOnAMoveToASiblingNotOnDeactivation)
{
    TRoundedEdit *other = Make(10, 50, 58);
    box->OnEnter = [&](TObject *s) { log.push_back(s == box ? "enter" : "?"); };
    box->OnExit = [&](TObject *s) { log.push_back(s == box ? "exit" : "?"); };
    Show();
    box->SetFocus();
    TForm away(nullptr);
    away.Show();
    QApplication::setActiveWindow(away.Widget());
    QApplication::setActiveWindow(form->Widget());
    EXPECT_EQ(log, std::vector<std::string>{"enter"});
    other->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "exit"}));
    // Tab walks into the boxes' edits.
    Key(other->Edit()->LineEdit(), Qt::Key_Tab);
    EXPECT_TRUE(box->Focused());
}

TEST_F(BoxForm, DisabledOnlyInTheInnerEditFramePaintedAsBefore)
{
    Show();
    const QImage before = Render();
    box->SetEnabled(false);
    EXPECT_FALSE(box->Enabled());
    EXPECT_FALSE(box->Edit()->Enabled());
    EXPECT_TRUE(box->TControl::Enabled());
    const QImage after = Render();
    EXPECT_EQ(after.pixelColor(3, 12), before.pixelColor(3, 12));
    EXPECT_EQ(after.pixelColor(3, 12), QColor(255, 255, 255));
}

TEST_F(BoxForm, FrameHighlightArcAndParentCorners)
{
    Show();
    QImage img = Render();
    const QColor white(255, 255, 255);
    EXPECT_EQ(img.pixelColor(0, 0), kParent);  // outside the rounded corner
    EXPECT_EQ(img.pixelColor(57, 23), kParent);
    EXPECT_EQ(img.pixelColor(3, 12), white);    // the fill, left of the edit
    EXPECT_EQ(img.pixelColor(53, 12), white);   // and right of it
    // The outline in the border colour along the left edge.
    const QColor border = ToQColor(ColorToRGB(clHighlightText));
    EXPECT_NEAR(img.pixelColor(0, 12).red(), border.red(), 60);
    // The highlight line one pixel below the top, between the corners.
    const QColor line = img.pixelColor(29, 1);
    EXPECT_LT(line.red(), 250);
    EXPECT_NEAR(line.red(), 0xD9, 30);
    box->ShadowColor = clNone;
    box->Invalidate();
    img = Render();
    EXPECT_EQ(img.pixelColor(29, 1), white);
    // The top-right arc of the highlight: some pixel of the corner shows it
    // with the shadow on, none without.
    box->ShadowColor = 0xD9D9D9;
    const QImage on = Render();
    bool differs = false;
    for (int y = 1; y < 6; ++y)
        for (int x = 47; x < 55; ++x)
            differs |= on.pixelColor(x, y) != img.pixelColor(x, y);
    EXPECT_TRUE(differs);
}

TEST_F(BoxForm, EmptyTextShowsGreyAtTheTopLeftWhileEmpty)
{
    box->SetText("");
    box->SetEmptyText("x");
    box->SetAlignment(taLeftJustify);
    Show();
    auto greyIn = [&](const QImage &img, int x0, int x1) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = x0; x < x1; ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() == c.green() && c.green() == c.blue() && c.red() < 200 && c.red() > 60;
            }
        return n;
    };
    QImage img = box->Edit()->PaintToImage();
    EXPECT_GT(greyIn(img, 3, 12), 0);
    EXPECT_EQ(greyIn(img, 0, 3), 0);
    box->SetFocus(); // shown while focused too
    EXPECT_GT(greyIn(box->Edit()->PaintToImage(), 3, 12), 0);
    box->SetText("5");
    box->Edit()->SetAlignment(taRightJustify); // the typed text keeps away from the corner
    EXPECT_EQ(greyIn(box->Edit()->PaintToImage(), 3, 12), 0);
}

TEST_F(BoxForm, SyntheticEndKeyMovesTheCaretToTheEnd)
{
    Show();
    box->SetFocus();
    box->SetText("19.7Hz");
    box->Edit()->SetSelStart(0);
    int keys = 0;
    box->OnKeyDown = [&](TObject *, Word &k, TShiftState) { keys += k == VK_END; };
    box->Perform(WM_KEYDOWN, VK_END);
    box->Perform(WM_KEYUP, VK_END);
    EXPECT_EQ(box->Edit()->SelStart(), 6);
    EXPECT_EQ(keys, 1);
}

std::unique_ptr<TSmGDIPPicture> Icon(int w, int h)
{
    auto p = std::make_unique<TSmGDIPPicture>();
    TMemoryStream s(EncodedPicture("PNG", w, h, QColor(200, 0, 0)));
    p->LoadFromStream(&s);
    return p;
}

TEST_F(BoxForm, EmbeddedButtonsHitClickAndPopup)
{
    TRoundedEdit *b = Make(10, 40, 120);
    auto icon = Icon(10, 10);
    TRoundedControl *first = b->Controls()->Add();
    first->SetPicture(icon.get());
    first->SetHint("first");
    TRoundedControl *second = b->Controls()->Add();
    second->SetPicture(icon.get());
    EXPECT_EQ(b->Controls()->RightControlSize(), 2 + 12 + 12);
    EXPECT_EQ(b->Edit()->Width(), 120 - 12 - 26);
    std::vector<int> clicks;
    b->OnControlClick = [&](TObject *s, int index) {
        EXPECT_EQ(s, b);
        clicks.push_back(index);
    };
    Show();
    // Buttons from the right: x0 = 120 - 0 - 26 - 3 = 91, each 12 wide.
    int left = -1;
    EXPECT_EQ(b->LayoutControls(91, false), -1); // on the left edge: no hit
    EXPECT_EQ(b->LayoutControls(92, false, &left), 0);
    EXPECT_EQ(left, 91);
    EXPECT_EQ(b->LayoutControls(103, false), -1); // left + width: no hit
    EXPECT_EQ(b->LayoutControls(104, false), 1);

    QWidget *w = b->Widget();
    Click(w, {95, 12});
    EXPECT_EQ(clicks, std::vector<int>{0});
    // Pressed elsewhere, released on a button: no click.
    SendMouse(w, QEvent::MouseButtonPress, {2, 12});
    SendMouse(w, QEvent::MouseButtonRelease, {95, 12});
    // Pressed on a button, released elsewhere: no click, and not left down.
    SendMouse(w, QEvent::MouseButtonPress, {107, 12});
    EXPECT_EQ(second->State(), csDown);
    SendMouse(w, QEvent::MouseButtonRelease, {2, 12});
    EXPECT_EQ(second->State(), csNormal);
    // Pressed on one, released on the other: no click either.
    SendMouse(w, QEvent::MouseButtonPress, {95, 12});
    SendMouse(w, QEvent::MouseButtonRelease, {107, 12});
    EXPECT_EQ(clicks, std::vector<int>{0});
    EXPECT_EQ(first->State(), csNormal);

    // Hover and its end.
    Move(w, {95, 12});
    EXPECT_EQ(first->State(), csHover);
    Move(w, {107, 12});
    EXPECT_EQ(first->State(), csNormal);
    EXPECT_EQ(second->State(), csHover);

    // The hint of the button under the mouse.
    THintInfo info;
    info.CursorPos = {95, 12};
    b->HintShow(info);
    EXPECT_EQ(info.HintStr, "first");

    // A drop-down button with a menu opens it on press at (left, Height - 3).
    TPopupMenu menu(nullptr);
    auto *item = new TMenuItem(nullptr);
    item->SetCaption("One");
    menu.Items()->Add(item);
    second->SetDropDown(true);
    second->SetPopupMenu(&menu);
    int secondLeft = -1;
    ASSERT_EQ(b->LayoutControls(110, false, &secondLeft), 1);
    SendMouse(w, QEvent::MouseButtonPress, {110, 12});
    EXPECT_EQ(menu.PopupPoint(), b->ClientToScreen({secondLeft, 24 - 3}));
    SendMouse(w, QEvent::MouseButtonRelease, {110, 12});
    if (menu.Menu())
        menu.Menu()->close();
}

TEST_F(BoxForm, ImageListButtonsAndFreedListsAndMenus)
{
    TRoundedEdit *b = Make(10, 40, 120);
    auto *list = new TCustomImageList(nullptr);
    list->SetWidth(8);
    list->SetHeight(8);
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    list->Add(blue);
    b->SetImages(list);
    TRoundedControl *c = b->Controls()->Add();
    c->SetImageIndex(0);
    c->SetPosition(cpLeftInControl);
    EXPECT_EQ(b->Controls()->LeftControlSize(), 10);
    EXPECT_EQ(b->Edit()->Left(), 6 + 10);
    const QImage img = form->PaintToImage().copy(b->Left(), b->Top(), b->Width(), b->Height());
    EXPECT_EQ(img.pixelColor(3 + 2, 8 + 2), QColor(0, 0, 255)); // at (Rounding div 2, (24 - 8) div 2)

    auto *menu = new TPopupMenu(nullptr);
    c->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(c->PopupMenu(), nullptr);
    delete list;
    EXPECT_EQ(b->Images(), nullptr);

    // Assign copies the settings but neither the pictures nor the menu.
    TRoundedEdit *other = Make(10, 70, 120);
    c->SetHint("h");
    other->SetControls(b->Controls());
    ASSERT_EQ(other->Controls()->Count(), 1);
    EXPECT_EQ(other->Controls()->Items(0)->Hint(), "h");
    EXPECT_EQ(other->Controls()->Items(0)->Position(), cpLeftInControl);
}

} // namespace
