#include "PixelMap.h"
#include "SkBmpButton.h"
#include "TestInput.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <string>

namespace {

// Exposes the layout step.
class Button : public TSkBmpButton {
public:
    using TSkBmpButton::LayoutGlyphAndCaption;
    using TSkBmpButton::TSkBmpButton;
};

// A face of one colour with teal corners (left out when drawn).
void Face(TBitmap *b, int w, int h, TColor c)
{
    FillBitmap(*b, w, h, c);
    b->Canvas()->SetPixel(0, 0, clTeal);
    b->Canvas()->SetPixel(w - 1, h - 1, clTeal);
}

// One form, two groups of buttons on it (1: a b c, 2 with AllowAllUp: d e),
// and a button of group 1 on a panel of the form.
struct Group : ::testing::Test {
    TForm form{nullptr};
    Button *a, *b, *c, *d, *e, *f;
    TCustomControl *panel;
    std::string clicks;

    Button *Make(TWinControl *parent, char name, int group, int x)
    {
        auto *btn = new Button(&form);
        btn->SetParent(parent);
        btn->SetBounds(x, 0, 40, 20);
        btn->SetGroupIndex(group);
        btn->Bitmaps()->SetTransparentColor(clTeal);
        btn->OnClick = [this, name](TObject *) { clicks += name; };
        return btn;
    }
    void SetUp() override
    {
        form.SetBounds(0, 0, 400, 100);
        a = Make(&form, 'a', 1, 0);
        b = Make(&form, 'b', 1, 50);
        c = Make(&form, 'c', 1, 100);
        d = Make(&form, 'd', 2, 150);
        e = Make(&form, 'e', 2, 200);
        d->SetAllowAllUp(true);
        panel = new TCustomControl(&form);
        panel->SetParent(&form);
        panel->SetBounds(250, 0, 100, 50);
        f = Make(panel, 'f', 1, 0);
        form.Show();
        QApplication::setActiveWindow(form.Widget());
    }
    void Press(Button *btn) { SendMouse(btn->Widget(), QEvent::MouseButtonPress, QPoint(5, 5)); }
    void Release(Button *btn, QPoint at = QPoint(5, 5))
    {
        SendMouse(btn->Widget(), QEvent::MouseButtonRelease, at);
    }
    void ClickOn(Button *btn) { Press(btn), Release(btn); }
    std::string Downs()
    {
        std::string s;
        for (Button *btn : {a, b, c, d, e, f})
            s += btn->Down() ? '1' : '0';
        return s;
    }
};

TEST_F(Group, RadioGroupKeepsOneButtonDownAndStillClicks)
{
    ClickOn(a);
    EXPECT_EQ(Downs(), "100000");
    ClickOn(b);
    EXPECT_EQ(Downs(), "010000");
    ClickOn(b); // the down button of a radio group clicked again stays down
    EXPECT_EQ(Downs(), "010000");
    b->SetDown(false); // and cannot be released from code either
    EXPECT_EQ(Downs(), "010000");
    EXPECT_EQ(clicks, "abb");
    f->SetDown(true); // the same group number under another parent
    EXPECT_EQ(Downs(), "010001");
    c->SetDown(true);
    EXPECT_EQ(Downs(), "001001");
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(c->State(), bsExclusive);
    EXPECT_EQ(clicks, "abb"); // setting Down fires nothing
}

TEST_F(Group, AllowAllUpIsSharedByTheGroupAndLetsTheDownButtonGoUp)
{
    EXPECT_TRUE(e->AllowAllUp()); // copied from d to its group
    EXPECT_FALSE(a->AllowAllUp());
    ClickOn(d);
    ClickOn(d);
    EXPECT_EQ(Downs(), "000000");
    ClickOn(e);
    ClickOn(d);
    EXPECT_EQ(Downs(), "000100");
    e->SetAllowAllUp(false);
    EXPECT_FALSE(d->AllowAllUp());
    EXPECT_EQ(clicks, "dded");
}

TEST_F(Group, ReleaseOutsideGivesNoClickAndTheStateFollowsThePointer)
{
    Press(a);
    EXPECT_EQ(a->State(), bsDown);
    Move(a->Widget(), QPoint(60, 5), Qt::LeftButton);
    EXPECT_EQ(a->State(), bsUp);
    Move(a->Widget(), QPoint(10, 5), Qt::LeftButton);
    EXPECT_EQ(a->State(), bsDown);
    Move(a->Widget(), QPoint(10, 25), Qt::LeftButton);
    Release(a, QPoint(10, 25));
    EXPECT_EQ(clicks, "");
    EXPECT_FALSE(a->Down());
    auto *plain = Make(&form, 'p', 0, 300);
    plain->SetDown(true); // no group: never down
    EXPECT_FALSE(plain->Down());
    ClickOn(plain);
    EXPECT_EQ(clicks, "p");
    EXPECT_EQ(plain->State(), bsUp);
}

TEST_F(Group, EnterClicksWithoutTogglingAndSpaceTogglesOnRelease)
{
    a->SetFocus();
    Key(a->Widget(), Qt::Key_Return, "\r");
    EXPECT_EQ(clicks, "a");
    EXPECT_FALSE(a->Down());
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(a->Widget(), &space);
    EXPECT_EQ(a->State(), bsDown);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(clicks, "a");
    QKeyEvent spaceUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(a->Widget(), &spaceUp);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(clicks, "aa");
}

TEST_F(Group, DoubleClickFiresOnlyWhenDownAndAcceleratorClicks)
{
    int doubles = 0;
    a->OnDblClick = [&](TObject *) { ++doubles; };
    SendMouse(a->Widget(), QEvent::MouseButtonDblClick, QPoint(5, 5));
    Release(a);
    EXPECT_EQ(doubles, 0);
    a->SetDown(true);
    SendMouse(a->Widget(), QEvent::MouseButtonDblClick, QPoint(5, 5));
    Release(a);
    EXPECT_EQ(doubles, 1);

    clicks.clear();
    b->SetCaption("&Bypass");
    Key(a->Widget(), Qt::Key_B, "b", Qt::AltModifier); // typed in the focused button
    EXPECT_EQ(clicks, "b");
    b->SetEnabled(false);
    Key(a->Widget(), Qt::Key_B, "b", Qt::AltModifier);
    EXPECT_EQ(clicks, "b");
}

// The colour in the middle of a button as drawn.
TColor Middle(Button *btn)
{
    const QImage img = btn->PaintToImage();
    return FromQColor(img.pixelColor(img.width() / 2, img.height() / 2));
}

TEST_F(Group, GlyphPerState)
{
    for (Button *btn : {a, b})
        btn->SetButtonSize(bszStretchToButton);
    TSkButtonBitmaps *bm = a->Bitmaps();
    Face(bm->Up(), 8, 8, clRed);
    Face(bm->Hot(), 8, 8, clYellow);
    Face(bm->Down(), 8, 8, clBlue);
    Face(bm->StayDown(), 8, 8, clGreen);
    EXPECT_EQ(Middle(a), clRed);
    a->MouseEnter();
    EXPECT_EQ(Middle(a), clYellow); // Hot while inside and up
    Press(a);
    EXPECT_EQ(Middle(a), clBlue);
    Release(a);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(Middle(a), clGreen); // staying down, although the mouse is inside
    a->MouseLeave();

    // Fallbacks: StayDown, then Down, then Up (in the other group).
    e->SetButtonSize(bszStretchToButton);
    Face(e->Bitmaps()->Up(), 8, 8, clRed);
    e->SetDown(true);
    EXPECT_EQ(Middle(e), clRed);
    Face(e->Bitmaps()->Down(), 8, 8, clBlue);
    EXPECT_EQ(Middle(e), clBlue);

    // Disabled: a greyed Up; enabled again while down: Down, not StayDown.
    a->SetEnabled(false);
    EXPECT_NE(Middle(a), clRed);
    EXPECT_NE(Middle(a), clGreen);
    EXPECT_EQ(a->State(), bsDisabled);
    a->SetEnabled(true);
    EXPECT_EQ(Middle(a), clBlue);
    EXPECT_EQ(a->State(), bsDown);
}

TEST(SkBmpButton, GreyedUpShowsBlackPixelsInShadowOverAWhiteCopy)
{
    TForm form(nullptr);
    auto *btn = new Button(&form);
    btn->SetParent(&form);
    btn->SetButtonSize(bszNeither);
    btn->SetBounds(0, 0, 12, 12);
    TBitmap up;
    FillBitmap(up, 4, 4, clTeal);
    up.Canvas()->SetPixel(1, 1, clBlack);
    btn->Bitmaps()->SetTransparentColor(clTeal);
    btn->Bitmaps()->SetUp(&up);
    btn->SetEnabled(false);
    const QImage img = btn->PaintToImage();
    // The 4 x 4 glyph is centred at (4, 4): its black pixel at (5, 5).
    EXPECT_EQ(FromQColor(img.pixelColor(5, 5)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FromQColor(img.pixelColor(6, 6)), clWhite);
    EXPECT_EQ(FromQColor(img.pixelColor(4, 4)), ColorToRGB(clBtnFace));
}

TEST(SkBmpButton, CaptionLayoutWithMarginAndAutomaticMargin)
{
    TForm form(nullptr);
    auto *btn = new Button(&form);
    btn->SetParent(&form);
    btn->SetButtonSize(bszStretchToButton);
    btn->SetBounds(0, 0, 80, 90);
    btn->SetLayout(blGlyphTop);
    btn->SetCaption("Output");
    TRect t, r = btn->ClientRect();
    btn->SetMargin(24);
    btn->LayoutGlyphAndCaption(t, r, btn->Bitmaps()->Up());
    EXPECT_EQ(t.Top, 24);
    EXPECT_EQ(r, btn->ClientRect()); // no glyph of its own size
    const int textHeight = t.Height();
    EXPECT_NEAR(t.Left + t.Right, 80, 1);
    btn->SetMargin(-1);
    r = btn->ClientRect();
    btn->LayoutGlyphAndCaption(t, r, btn->Bitmaps()->Up());
    EXPECT_EQ(t.Top, 45 - textHeight / 2);
    btn->SetMargin(-5); // refused
    EXPECT_EQ(btn->Margin(), -1);

    // A glyph at its own size to the left of the caption, spacing 4.
    btn->SetButtonSize(bszNeither);
    btn->SetLayout(blGlyphLeft);
    btn->SetMargin(3);
    TBitmap glyph(10, 6);
    r = btn->ClientRect();
    btn->LayoutGlyphAndCaption(t, r, &glyph);
    EXPECT_EQ(r, Bounds(3, 42, 10, 6));
    EXPECT_EQ(t.Left, 17);
}

TEST(SkBmpButton, SizeFollowsUpAndBorderAndLoadingAdjustsOnce)
{
    TForm form(nullptr);
    auto *btn = new Button(&form);
    btn->SetParent(&form);
    EXPECT_EQ(btn->Width(), 80);
    EXPECT_EQ(btn->Height(), 30);
    TBitmap up(40, 20);
    btn->Bitmaps()->SetUp(&up);
    EXPECT_EQ(btn->BoundsRect(), Bounds(0, 0, 40, 20));
    btn->SetButtonBorder(bbSingle);
    EXPECT_EQ(btn->BoundsRect(), Bounds(0, 0, 42, 22));
    btn->SetButtonBorder(bbButton);
    EXPECT_EQ(btn->Width(), 44); // new style: 2 on each side
    btn->SetWidth(100); // a bitmap-sized button keeps its bitmap's size
    EXPECT_EQ(btn->Width(), 44);

    auto *loading = new Button(&form);
    loading->BeginLoading();
    loading->Bitmaps()->SetUp(&up);
    EXPECT_EQ(loading->Width(), 80);
    loading->EndLoading();
    EXPECT_EQ(loading->Width(), 40);
    loading->SetButtonSize(bszNeither);
    loading->SetWidth(70);
    EXPECT_EQ(loading->Width(), 70);
}

TEST(SkBmpButton, ModalResultClosesOnlyAModalWindow)
{
    TForm form(nullptr);
    auto *btn = new Button(&form);
    btn->SetParent(&form);
    btn->SetModalResult(mrIgnore);
    form.Show();
    btn->Click();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.ModalResult(), mrNone);
    form.Hide();
    QTimer::singleShot(0, [btn] { btn->Click(); });
    EXPECT_EQ(form.ShowModal(), mrIgnore);
    EXPECT_FALSE(form.Visible());
}

TEST(SkBmpButton, DownPatternLivesFromTheFirstNeedUntilTheLastButton)
{
    ASSERT_EQ(TSkBmpButton::DownPatternBitmap(), nullptr);
    TForm form(nullptr);
    auto *first = new Button(&form);
    auto *second = new Button(&form);
    first->SetParent(&form);
    first->SetGroupIndex(1);
    first->SetDown(true);
    first->PaintToImage(); // borderless: no pattern needed
    EXPECT_EQ(TSkBmpButton::DownPatternBitmap(), nullptr);
    first->SetButtonBorder(bbSingle);
    const QImage img = first->PaintToImage();
    ASSERT_NE(TSkBmpButton::DownPatternBitmap(), nullptr);
    // A one-pixel checkerboard of white and face colour inside the frame.
    EXPECT_NE(img.pixel(4, 4), img.pixel(5, 4));
    EXPECT_EQ(img.pixel(4, 4), img.pixel(5, 5));
    delete first;
    EXPECT_NE(TSkBmpButton::DownPatternBitmap(), nullptr);
    delete second;
    EXPECT_EQ(TSkBmpButton::DownPatternBitmap(), nullptr);
}

TEST(SkBmpButton, BorderlessButtonLetsTheParentShowThroughTeal)
{
    TForm form(nullptr);
    form.SetClientWidth(60);
    form.SetClientHeight(40);
    form.SetColor(clNavy);
    auto *btn = new Button(&form);
    btn->SetParent(&form);
    btn->SetButtonSize(bszStretchToButton);
    btn->SetBounds(10, 10, 20, 10);
    btn->Bitmaps()->SetTransparentColor(clTeal);
    TBitmap up;
    FillBitmap(up, 2, 1, clTeal);
    up.Canvas()->SetPixel(1, 0, clRed);
    btn->Bitmaps()->SetUp(&up);
    const QImage img = form.PaintToImage();
    EXPECT_EQ(FromQColor(img.pixelColor(12, 15)), clNavy); // teal half
    EXPECT_EQ(FromQColor(img.pixelColor(25, 15)), clRed);
}

} // namespace
