#include "SkShapeButton.h"

#include "Form.h"
#include "PaintBox.h"
#include "PixelMap.h"
#include "TestInput.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// A 12 x 12 picture: a black 4 x 4 square at (4, 4) on teal (the bottom-left
// pixel, so the transparent colour).
void MakeShape(TBitmap &b)
{
    b.SetSize(12, 12);
    b.Canvas()->Brush()->SetColor(clTeal);
    b.Canvas()->FillRect(Rect(0, 0, 12, 12));
    b.Canvas()->Brush()->SetColor(clBlack);
    b.Canvas()->FillRect(Rect(4, 4, 8, 8));
}

TEST(SkShapeButton, GeneratedFacesPerBevelWidth)
{
    TSkShapeButton button(nullptr);
    button.SetBevelHighlightColor(clWhite);
    button.SetBevelShadowColor(clGray);
    button.SetBorderColor(clRed);
    TBitmap shape;
    MakeShape(shape);
    button.SetBitmap(&shape);
    EXPECT_EQ(button.Width(), 16) << "auto size: the picture plus 4";
    struct Row {
        int bevel;
        TFormBorderStyle border;
        // Colours along the row y = 5 at x = 7..11 (right of the square) and
        // x = 4..0 (left of it), for the up and the down image.
        std::vector<TColor> upRight, upLeft, downRight, downLeft;
    } rows[] = {
        {0, bsNone, {clBlack, clTeal, clTeal, clTeal, clTeal}, {clBlack, clTeal, clTeal, clTeal, clTeal},
         {clBlack, clTeal, clTeal, clTeal, clTeal}, {clBlack, clTeal, clTeal, clTeal, clTeal}},
        {1, bsNone, {clBlack, clGray, clTeal, clTeal, clTeal}, {clBlack, clWhite, clTeal, clTeal, clTeal},
         {clBlack, clTeal, clTeal, clTeal, clTeal}, {clBlack, clGray, clTeal, clTeal, clTeal}},
        {2, bsNone, {clBlack, clGray, clGray, clTeal, clTeal}, {clBlack, clWhite, clWhite, clTeal, clTeal},
         {clBlack, clWhite, clTeal, clTeal, clTeal}, {clBlack, clGray, clGray, clTeal, clTeal}},
        {2, bsSingle, {clBlack, clGray, clGray, clRed, clTeal}, {clBlack, clWhite, clWhite, clRed, clTeal},
         {clBlack, clWhite, clWhite, clTeal, clTeal}, {clBlack, clGray, clGray, clRed, clTeal}},
        {5, bsSingle, {clBlack, clGray, clGray, clRed, clTeal}, {clBlack, clWhite, clWhite, clRed, clTeal},
         {clBlack, clWhite, clWhite, clTeal, clTeal}, {clBlack, clGray, clGray, clRed, clTeal}},
    };
    for (const Row &r : rows) {
        button.SetBorderStyle(r.border);
        button.SetBevelWidth(r.bevel);
        EXPECT_EQ(button.BevelWidth(), std::min(r.bevel, 2));
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(button.BitmapUp()->Canvas()->Pixels(7 + i, 5), ColorToRGB(r.upRight[i])) << r.bevel << " up x=" << 7 + i;
            EXPECT_EQ(button.BitmapUp()->Canvas()->Pixels(4 - i, 5), ColorToRGB(r.upLeft[i])) << r.bevel << " up x=" << 4 - i;
            EXPECT_EQ(button.BitmapDown()->Canvas()->Pixels(7 + i, 5), ColorToRGB(r.downRight[i])) << r.bevel << " down x=" << 7 + i;
            EXPECT_EQ(button.BitmapDown()->Canvas()->Pixels(4 - i, 5), ColorToRGB(r.downLeft[i])) << r.bevel << " down x=" << 4 - i;
        }
    }
}

// The shape without bevel or border at (10, 10) on a form, over a paint
// box that counts the clicks that fall through.
struct ShapeOverBox : ::testing::Test {
    TForm form{nullptr};
    TSkShapeButton *button = nullptr;
    int belowClicks = 0, buttonClicks = 0;
    void SetUp() override
    {
        form.SetBounds(0, 0, 100, 100);
        auto *below = new TPaintBox(&form);
        below->SetParent(&form);
        below->SetBounds(0, 0, 100, 100);
        below->OnClick = [this](TObject *) { ++belowClicks; };
        button = new TSkShapeButton(&form);
        button->SetParent(&form);
        button->SetLeft(10);
        button->SetTop(10);
        button->SetBevelWidth(0);
        button->SetBorderStyle(bsNone);
        TBitmap shape;
        MakeShape(shape);
        button->SetBitmap(&shape);
        button->OnClick = [this](TObject *) { ++buttonClicks; };
    }
};

TEST_F(ShapeOverBox, ClicksOffTheShapeReachTheControlBelow)
{
    form.Show();
    QWidget *w = form.Widget();
    Click(w, QPoint(10 + 5, 10 + 5)); // on the square
    Click(w, QPoint(10 + 1, 10 + 1)); // a transparent pixel of the button
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(belowClicks, 1);
    // A press on the shape released off it gives no click.
    SendMouse(w, QEvent::MouseButtonPress, QPoint(15, 15));
    SendMouse(w, QEvent::MouseButtonRelease, QPoint(11, 11), Qt::LeftButton);
    EXPECT_EQ(buttonClicks, 1);

    TBitmap none;
    button->SetBitmap(&none);
    EXPECT_TRUE(button->BitmapUp()->Empty());
    Click(w, QPoint(10 + 1, 10 + 1));
    Click(w, QPoint(10 + 5, 10 + 5)); // no shape is drawn any more: nothing to click
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(belowClicks, 3);
}

// Faces set from outside are shown as given, up and pressed, and the
// clickable shape stays the one traced from Bitmap.
TEST_F(ShapeOverBox, FacesSetFromOutside)
{
    // The same outline in other colours: red up, lime down.
    TBitmap up, down;
    MakeShape(up);
    up.Canvas()->Brush()->SetColor(clRed);
    up.Canvas()->FillRect(Rect(4, 4, 8, 8));
    MakeShape(down);
    down.Canvas()->Brush()->SetColor(clLime);
    down.Canvas()->FillRect(Rect(4, 4, 8, 8));
    button->SetBitmapUp(&up);
    button->SetBitmapDown(&down);
    up.Canvas()->Brush()->SetColor(clBlue); // a copy went in
    up.Canvas()->FillRect(Rect(0, 0, 12, 12));
    EXPECT_EQ(button->BitmapUp()->Canvas()->Pixels(5, 5), clRed);
    EXPECT_EQ(button->Bitmap()->Canvas()->Pixels(5, 5), clBlack) << "the source stays";
    QCursor::setPos(-1000, -1000); // not over the window a test before left behind
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()->window()));

    const QRect red = FindColour(form.PaintToImage(), clRed);
    ASSERT_EQ(red.size(), QSize(4, 4));
    EXPECT_TRUE(FindColour(form.PaintToImage(), clBlack).isEmpty()) << "no traced face drawn";
    QTest::mousePress(form.Widget(), Qt::LeftButton, {}, red.center());
    const QImage pressed = form.PaintToImage();
    EXPECT_TRUE(FindColour(pressed, clRed).isEmpty());
    EXPECT_EQ(FindColour(pressed, clLime), red.translated(1, 1)) << "the down face, one pixel down and right";
    QTest::mouseRelease(form.Widget(), Qt::LeftButton, {}, red.center());
    EXPECT_EQ(FindColour(form.PaintToImage(), clRed), red);
    EXPECT_EQ(buttonClicks, 1);

    // Beside the shape, inside the button: the click falls through.
    QTest::mouseClick(form.Widget(), Qt::LeftButton, {}, red.topLeft() - QPoint(2, 2));
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(belowClicks, 1);
}

// The whole button takes the mouse (no precise click) but its hint shows
// over the shape only. Off the shape both hint settings are switched off;
// leaving the button from there brings both back, so the button follows its
// form's ShowHint again.
TEST_F(ShapeOverBox, HintOverTheShapeOnlyAndItsSettingsBackOnLeaving)
{
    button->SetPreciseClick(false);
    button->SetHint("Shape");
    form.SetShowHint(true);
    ASSERT_TRUE(button->ParentShowHint());
    ASSERT_TRUE(button->ShowHint()) << "taken from the form";
    QCursor::setPos(-1000, -1000);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()->window()));
    QWidget *w = form.Widget();
    // The hint the pointer gets where it stands.
    auto hintAt = [&](QPoint p) {
        Move(w, p);
        QHelpEvent e(QEvent::ToolTip, p, w->mapToGlobal(p));
        QApplication::sendEvent(w, &e);
        const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText(); // gone after a moment: waited for, so the next answer is fresh
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));
        return shown.toStdString();
    };
    const QPoint onShape(15, 15), beside(11, 11), away(60, 60);
    EXPECT_EQ(hintAt(onShape), "Shape");
    EXPECT_EQ(hintAt(beside), "") << "inside the button, off the shape";
    EXPECT_EQ(hintAt(onShape), "Shape") << "back on the shape";

    EXPECT_EQ(hintAt(beside), "");
    hintAt(away); // leaves the button from off the shape
    EXPECT_TRUE(button->ParentShowHint());
    EXPECT_TRUE(button->ShowHint());
    form.SetShowHint(false);
    EXPECT_EQ(hintAt(onShape), "") << "the button follows its form again";
    hintAt(away);
    form.SetShowHint(true);
    EXPECT_EQ(hintAt(onShape), "Shape");
}

TEST(SkShapeButton, CaptionPlaceAndAButtonWithoutPicture)
{
    TSkShapeButton button(nullptr);
    EXPECT_TRUE(button.PtInMask(70, 70)) << "never had a picture: the whole area";
    button.SetCaptionXY(0, 0);
    EXPECT_EQ(button.CaptionPosition(), cpCentered) << "unchanged coordinates change nothing";
    button.SetCaptionX(5);
    EXPECT_EQ(button.CaptionPosition(), cpXY);
    TBitmap big;
    big.SetSize(100, 40);
    button.SetBitmap(&big);
    EXPECT_EQ(button.Width(), 104);
    EXPECT_EQ(button.Height(), 44);
}

} // namespace
