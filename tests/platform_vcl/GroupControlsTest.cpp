#include "Color.h"
#include "Form.h"
#include "GroupBox.h"
#include "Panel.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "TestInput.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QRect BoxOfColour(const QImage &Image, QRgb Colour)
{
    QRect box;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) == (Colour & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Pixels that differ from the box's face colour in the rows above Bottom.
int InkAbove(const QImage &Image, int Bottom, QRgb Face)
{
    int ink = 0;
    for (int y = 0; y < Bottom; ++y)
        for (int x = 0; x < Image.width(); ++x)
            ink += (Image.pixel(x, y) & 0xFFFFFF) != (Face & 0xFFFFFF);
    return ink;
}

// The caption sits in the frame's top edge; an aligned child fills the area
// inside the frame, below the caption.
TEST(GroupBox, CaptionFrameAndClientArea)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *box = new TGroupBox(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 200, 120);
    box->SetCaption("Margin");
    auto *inner = new TPanel(&form);
    inner->SetParent(box);
    inner->SetBevelOuter(bvNone);
    inner->SetColor(clLime);
    inner->SetAlign(alClient);
    form.Show();

    const QImage shot = box->PaintToImage().convertToFormat(QImage::Format_RGB32);
    const QRect child = BoxOfColour(shot, ToQColor(clLime).rgb());
    ASSERT_FALSE(child.isNull());
    const QRgb face = ToQColor(clBtnFace).rgb();
    // Caption ink above the child, frame lines round it.
    EXPECT_GT(child.top(), 8);
    EXPECT_GT(InkAbove(shot, child.top(), face), 20);
    EXPECT_GT(child.left(), 0);
    EXPECT_LT(child.right(), shot.width() - 1);
    EXPECT_LT(child.bottom(), shot.height() - 1);
    EXPECT_EQ(child.width(), inner->Width());
    EXPECT_EQ(child.height(), inner->Height());
    const int shadow = BoxOfColour(shot, ToQColor(clBtnShadow).rgb()).height();
    EXPECT_GT(shadow, child.height()); // the frame runs past the child at both ends

    // Without a caption, the frame's top edge is the only thing above.
    box->SetCaption("");
    const QImage bare = box->PaintToImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(InkAbove(bare, child.top(), face), InkAbove(shot, child.top(), face));
}

// Buttons one per item, column by column; the user's click checks an item
// and fires OnClick; code changes fire nothing.
TEST(RadioGroup, ItemsColumnsAndClicks)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *group = new TRadioGroup(&form);
    group->SetParent(&form);
    group->SetBounds(10, 10, 200, 100);
    group->SetCaption("Orientation");
    int clicks = 0;
    group->OnClick = [&](TObject *) { ++clicks; };
    group->Items()->SetText("Portrait\nLandscape\nSquare");
    form.Show();
    QApplication::setActiveWindow(form.WindowWidget());
    ASSERT_NE(group->Buttons(2), nullptr);
    EXPECT_EQ(group->Buttons(3), nullptr);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(group->Buttons(1)->Caption(), "Landscape");

    // One column: stacked, in order, below the caption.
    for (int i = 0; i < 3; ++i) {
        TRadioButton *b = group->Buttons(i);
        EXPECT_EQ(b->Left(), group->Buttons(0)->Left());
        EXPECT_GT(b->Top(), 8);
        EXPECT_LE(b->Top() + b->Height(), group->Height());
        if (i > 0) {
            EXPECT_GE(b->Top(), group->Buttons(i - 1)->Top() + group->Buttons(i - 1)->Height());
        }
    }
    // Two columns: two items in the first, one in the second.
    group->SetColumns(2);
    EXPECT_EQ(group->Buttons(1)->Left(), group->Buttons(0)->Left());
    EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left() + group->Buttons(0)->Width() - 1);
    EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
    group->SetColumns(1);

    // The user clicks the indicator at the left of the second button.
    QWidget *second = group->Buttons(1)->Widget();
    Click(second, QPoint(6, second->height() / 2));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    Click(second, QPoint(6, second->height() / 2)); // already checked
    EXPECT_EQ(clicks, 1);

    group->SetItemIndex(0);
    EXPECT_TRUE(group->Buttons(0)->Checked());
    EXPECT_FALSE(group->Buttons(1)->Checked());
    group->SetItemIndex(9); // clamped to the last item
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks, 0 + 1);

    // Fewer items: an index past them is gone.
    group->Items()->SetText("Portrait");
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(group->Buttons(1), nullptr);
    QApplication::setActiveWindow(nullptr);
}

} // namespace
