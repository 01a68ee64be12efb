#include "Bitmap.h"
#include "InvertRect.h"

#include <gtest/gtest.h>

namespace {

TEST(InvertRect, InvertsExactlyTheRectangleAndUndoesItself)
{
    TBitmap bmp(10, 10);
    TCanvas *c = bmp.Canvas();
    c->SetPixel(3, 3, RGB(10, 200, 30));
    InvertRect(c, TRect(2, 2, 5, 6));
    EXPECT_EQ(c->Pixels(2, 2), clBlack);
    EXPECT_EQ(c->Pixels(4, 5), clBlack);
    EXPECT_EQ(c->Pixels(3, 3), RGB(245, 55, 225));
    EXPECT_EQ(c->Pixels(5, 5), clWhite); // right and bottom edges are outside
    EXPECT_EQ(c->Pixels(4, 6), clWhite);
    InvertRect(c, TRect(2, 2, 5, 6));
    EXPECT_EQ(c->Pixels(3, 3), RGB(10, 200, 30));
    EXPECT_EQ(c->Pixels(2, 2), clWhite);
    InvertRect(c, TRect(5, 5, 5, 9)); // empty: nothing
    EXPECT_EQ(c->Pixels(5, 5), clWhite);
}

} // namespace
