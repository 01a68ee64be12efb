#include "TestInput.h"
#include "Form.h"
#include "LdDemoButton.h"
#include "LdPowerButton.h"
#include "PixelMap.h"

#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace {

// The main window's LED button: 47 x 16, black, no bevel and no outline,
// olive and yellow LED.
struct Led : ::testing::Test {
    TForm form{nullptr};
    TLdPowerButton *led = nullptr;
    std::string log;
    void SetUp() override
    {
        form.SetBounds(0, 0, 200, 60);
        led = new TLdPowerButton(&form);
        led->SetParent(&form);
        led->SetColor(clBlack);
        led->SetBevelWidth(0);
        led->SetOutlineWidth(0);
        led->Palette()->SetLow(clOlive);
        led->Palette()->SetHigh(clYellow);
        led->SetBounds(10, 10, 47, 16);
        led->OnClick = [this](TObject *) { log += led->Active() ? "click:on " : "click:off "; };
        form.Show();
    }
    TColor LedColour() { return FromQColor(led->PaintToImage().pixelColor(led->ImageRect().Left + 6, led->ImageRect().Top + 6)); }
};

TEST_F(Led, ClickFlipsActiveBeforeOnClickAndDragOutCancels)
{
    EXPECT_EQ(LedColour(), clOlive);
    Click(led->Widget(), QPoint(5, 5));
    EXPECT_EQ(log, "click:on ");
    EXPECT_EQ(LedColour(), clYellow);

    SendMouse(led->Widget(), QEvent::MouseButtonPress, QPoint(5, 5));
    Move(led->Widget(), QPoint(60, 5), Qt::LeftButton);
    EXPECT_FALSE(led->Pressed());
    SendMouse(led->Widget(), QEvent::MouseButtonRelease, QPoint(60, 5));
    EXPECT_EQ(log, "click:on ");
    EXPECT_TRUE(led->Active());

    SendMouse(led->Widget(), QEvent::MouseButtonPress, QPoint(5, 5));
    Move(led->Widget(), QPoint(60, 5), Qt::LeftButton);
    Move(led->Widget(), QPoint(6, 5), Qt::LeftButton); // back in before the release
    SendMouse(led->Widget(), QEvent::MouseButtonRelease, QPoint(6, 5));
    EXPECT_EQ(log, "click:on click:off ");

    led->SetActive(true); // from code: no click
    EXPECT_EQ(log, "click:on click:off ");
    EXPECT_EQ(LedColour(), clYellow);

    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(led->Widget(), &down);
    QApplication::sendEvent(led->Widget(), &up);
    EXPECT_EQ(log, "click:on click:off click:off ");
}

TEST_F(Led, LayoutPutsTheLedAndCaptionTogetherInTheMiddle)
{
    TPoint image;
    TRect text;
    ImageTextLayout(Rect(0, 0, 47, 16), TSize(17, 13), TSize(12, 12), 5, -1, ImageLeft, image, text);
    EXPECT_EQ(image, Point(7, 2));
    EXPECT_EQ(text.Left, 24);
    EXPECT_EQ(text.Top, 2);
    ImageTextLayout(Rect(2, 2, 45, 14), TSize(0, 0), TSize(12, 12), 5, -1, ImageTop, image, text);
    EXPECT_EQ(image, Point(18, 2)); // spacing dropped without a caption
    ImageTextLayout(Rect(0, 0, 100, 20), TSize(30, 10), TSize(10, 10), -1, -1, ImageRight, image, text);
    EXPECT_EQ(image.X, 100 - 20 - 10); // margin = spacing = (100 - 40) / 3
    EXPECT_EQ(text.Left, 70 - 20 - 30);

    // The drawn button: the LED where the layout put it, its two rings and
    // its colour inside, the caption starting right of it.
    led->SetCaption("A");
    TPoint expected;
    TRect caption;
    led->Canvas()->SetFont(led->Font());
    CalcImageTextLayout(led->Canvas(), led->ClientRect(), "A", TSize(12, 12), 5, -1, ImageLeft, expected, caption);
    EXPECT_EQ(led->ImageRect(), Bounds(expected.X, expected.Y, 12, 12));
    TBitmap shot;
    shot.SetImage(led->PaintToImage());
    const TRect r = led->ImageRect();
    EXPECT_EQ(shot.Canvas()->Pixels(r.Left, r.Top), ColorToRGB(clBtnShadow));
    EXPECT_EQ(shot.Canvas()->Pixels(r.Left + 1, r.Top + 1), clBlack);
    EXPECT_EQ(shot.Canvas()->Pixels(r.Left + 2, r.Top + 2), clOlive);
    EXPECT_EQ(shot.Canvas()->Pixels(r.Left + 9, r.Top + 9), clOlive);
    EXPECT_EQ(shot.Canvas()->Pixels(r.Left + 10, r.Top + 10), clBlack);
    EXPECT_EQ(led->TextBounds().Left, r.Right + 5);

    led->SetEnabled(false); // a disabled LED shows the button colour
    EXPECT_EQ(LedColour(), clBlack);
}

TEST(LdDemoButton, FlatShowsNoBevelUntilTheMouseIsOverIt)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 60);
    auto *b = new TLdDemoButton(&form);
    b->SetParent(&form);
    b->SetBounds(0, 0, 65, 17);
    b->SetColor(clBlack);
    b->SetBevelWidth(1);
    b->SetOutlineWidth(0);
    b->SetFlat(true);
    int clicks = 0;
    b->OnClick = [&](TObject *) { ++clicks; };
    QCursor::setPos(-1000, -1000); // not over the window a test before left behind
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()->window()));
    auto at = [&](int x, int y) { return FromQColor(b->PaintToImage().pixelColor(x, y)); };
    EXPECT_EQ(at(0, 5), clBlack);
    const QRect drawn = FindColour(form.PaintToImage(), clBlack);
    ASSERT_FALSE(drawn.isEmpty());
    QTest::mouseMove(form.Widget(), drawn.bottomRight() + QPoint(20, 20));
    QTest::mouseMove(form.Widget(), drawn.center());
    ASSERT_TRUE(b->HasMouse());
    EXPECT_EQ(at(0, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(at(64, 5), ColorToRGB(clBtnShadow));

    // The caption in FontEnter while the mouse is over it.
    b->FontEnter()->SetColor(clLime);
    b->FontLeave()->SetColor(clRed);
    b->SetCaption("EQ");
    TBitmap shot;
    shot.SetImage(b->PaintToImage());
    const std::vector<std::string> rows = PixelMap(shot, {{'g', clLime}, {'r', clRed}});
    const std::string all = [&] {
        std::string s;
        for (const auto &row : rows)
            s += row;
        return s;
    }();
    EXPECT_NE(all.find('g'), std::string::npos);
    EXPECT_EQ(all.find('r'), std::string::npos);

    Click(b->Widget(), QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    SendMouse(b->Widget(), QEvent::MouseButtonPress, QPoint(5, 5));
    Move(b->Widget(), QPoint(100, 5), Qt::LeftButton);
    EXPECT_FALSE(b->IsDown());
    SendMouse(b->Widget(), QEvent::MouseButtonRelease, QPoint(100, 5));
    EXPECT_EQ(clicks, 1);
}

// The events of the Ld base, on both buttons: the mouse coming and going
// (real moves onto the drawn button and off it), and font and caption
// changes, each reported once the button has taken the change in.
TEST(LdCustomControl, MouseFontAndCaptionEvents)
{
    for (bool led : {true, false}) {
        SCOPED_TRACE(led ? "LED button" : "push button");
        TForm form(nullptr);
        form.SetBounds(0, 0, 240, 80);
        TLdCustomImageControl *b = nullptr;
        TLdPowerButton *power = nullptr;
        TLdDemoButton *push = nullptr;
        if (led)
            b = power = new TLdPowerButton(&form);
        else
            b = push = new TLdDemoButton(&form);
        b->SetParent(&form);
        b->SetBounds(30, 20, 120, 24);
        b->SetColor(clBlack);
        std::string log;
        int textWidthSeen = -1;
        b->OnMouseEnter = [&](TObject *s) {
            EXPECT_EQ(s, b);
            log += "enter ";
            if (push) {
                EXPECT_TRUE(push->HasMouse());
            }
        };
        b->OnMouseLeave = [&](TObject *) { log += "leave "; };
        b->OnFontChanged = [&](TObject *s) {
            EXPECT_EQ(s, b);
            log += "font ";
            if (power)
                textWidthSeen = power->TextBounds().Width();
        };
        b->OnTextChanged = [&](TObject *s) {
            EXPECT_EQ(s, b);
            log += "text ";
            if (power)
                textWidthSeen = power->TextBounds().Width();
        };
        QCursor::setPos(-1000, -1000);
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()->window()));

        const QRect drawn = FindColour(form.PaintToImage(), clBlack);
        ASSERT_FALSE(drawn.isEmpty());
        QTest::mouseMove(form.Widget(), drawn.bottomRight() + QPoint(20, 20));
        EXPECT_EQ(log, "");
        QTest::mouseMove(form.Widget(), drawn.center());
        QTest::mouseMove(form.Widget(), drawn.center() + QPoint(3, 1)); // moving on it: no second enter
        EXPECT_EQ(log, "enter ");
        QTest::mouseMove(form.Widget(), drawn.topLeft() - QPoint(10, 10));
        EXPECT_EQ(log, "enter leave ");

        log.clear();
        b->SetCaption("Caption");
        b->SetCaption("Caption"); // the same again: no change
        EXPECT_EQ(log, "text ");
        if (power) {
            EXPECT_GT(textWidthSeen, 0) << "laid out before the event";
            EXPECT_EQ(textWidthSeen, power->TextBounds().Width());
        }

        log.clear();
        form.Font()->SetSize(14); // reaches the button through ParentFont
        EXPECT_EQ(log, "font ");
        log.clear();
        const int before = power ? power->TextBounds().Width() : 0;
        b->Font()->SetSize(24);
        EXPECT_EQ(log, "font ");
        if (power) {
            EXPECT_GT(textWidthSeen, before) << "laid out in the new font before the event";
            EXPECT_EQ(textWidthSeen, power->TextBounds().Width());
        }

        // Grouped updates report as well: the events are not repaints.
        log.clear();
        b->BeginUpdate();
        b->SetCaption("Other");
        b->EndUpdate();
        EXPECT_EQ(log, "text ");
    }
}

TEST(LdPalette, AssignChangesOnceAndToBmpRecolours)
{
    TLdPalette a, b;
    int changes = 0;
    a.OnChange = [&](TObject *) { ++changes; };
    b.SetLow(clRed);
    b.SetHigh(clBlue);
    a.Assign(&b);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(a.ColorForState(0), clRed);
    EXPECT_EQ(a.ColorForState(-3), clRed);
    EXPECT_EQ(a.ColorForState(1), clBlue);

    TBitmap bmp;
    FillBitmap(bmp, 3, 1, clGreen);
    bmp.Canvas()->SetPixel(0, 0, clBlack);
    bmp.Canvas()->SetPixel(1, 0, clWhite);
    a.ToBMP(&bmp, clBlack, clWhite);
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 0), clBlue);
    EXPECT_EQ(bmp.Canvas()->Pixels(2, 0), clGreen);
}

} // namespace
