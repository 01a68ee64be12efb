// The plot label: margins in characters rounded half to even, and what it
// shows (own bitmap, then an image-list picture, then the caption).
#include "Bitmap.h"
#include "Font.h"
#include "ImageList.h"
#include "gPlotLabel.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

namespace {

// x.5 goes to the even neighbour.
int HalfEvenOfHalf(int Units)
{
    const int q = Units / 2;
    return Units % 2 == 0 ? q : (q % 2 == 0 ? q : q + 1);
}

struct LabelFixture : ::testing::Test {
    TgXYPlot plot{nullptr};
    TgPlotLabel *label = plot.GetLabel(0);
    TBitmap bitmap{200, 80};
    TCanvas *canvas = bitmap.Canvas();
    void SetUp() override
    {
        label->SetDrawRect(TRect(10, 10, 190, 70));
        canvas->Brush()->SetColor(clBlack);
        canvas->FillRect(TRect(0, 0, 200, 80));
    }
    int Count(TColor Color, const TRect &R)
    {
        int n = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                n += canvas->Pixels(x, y) == Color;
        return n;
    }
};

TEST_F(LabelFixture, MarginsInCharactersRoundHalfToEven)
{
    canvas->Font()->Assign(label->Font());
    const int h = canvas->TextHeight(QStringLiteral("0"));
    const int w = canvas->TextWidth(QStringLiteral("0"));
    label->SetMarginTop(0.5);
    label->SetMarginBottom(2.5);
    label->SetMarginLeft(0.5);
    const int space = label->GetRequiredSpace(canvas);
    EXPECT_EQ(label->MarginTopPixels(), HalfEvenOfHalf(h));
    EXPECT_EQ(label->MarginBottomPixels(), HalfEvenOfHalf(5 * h));
    EXPECT_EQ(label->MarginLeftPixels(), HalfEvenOfHalf(w));
    label->SetMarginTop(0);
    label->SetMarginBottom(0);
    EXPECT_EQ(space - label->GetRequiredSpace(canvas), HalfEvenOfHalf(h) + HalfEvenOfHalf(5 * h));
}

TEST_F(LabelFixture, BitmapThenImageListThenCaption)
{
    // Caption alone: white text pixels.
    label->Draw(canvas, clBlack);
    EXPECT_GT(Count(clWhite, label->DrawRect()), 0);

    // An image-list picture replaces the caption; an index past the list
    // brings the caption back.
    TBitmap green(24, 24);
    green.Canvas()->Brush()->SetColor(clLime);
    green.Canvas()->FillRect(TRect(0, 0, 24, 24));
    green.Canvas()->SetPixel(0, 23, clBlue); // its transparent colour
    plot.ImageListAdd(1, &green);
    label->SetImageListIndex(1);
    label->SetImageIndex(0);
    SetUp();
    label->Draw(canvas, clBlack);
    EXPECT_EQ(Count(clWhite, label->DrawRect()), 0);
    EXPECT_GT(Count(clLime, label->DrawRect()), 500);
    label->SetImageIndex(1);
    SetUp();
    label->Draw(canvas, clBlack);
    EXPECT_GT(Count(clWhite, label->DrawRect()), 0);
    EXPECT_EQ(Count(clLime, label->DrawRect()), 0);

    // Its own bitmap wins over both, centred, top at the top margin.
    TBitmap red(20, 10);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(TRect(0, 0, 20, 10));
    red.Canvas()->SetPixel(0, 9, clBlue);
    label->SetImage(&red);
    label->SetImageIndex(0);
    SetUp();
    label->Draw(canvas, clBlack);
    EXPECT_EQ(Count(clWhite, label->DrawRect()), 0);
    EXPECT_EQ(Count(clLime, label->DrawRect()), 0);
    EXPECT_EQ(canvas->Pixels(100, 12), clRed);  // (10 + 190) / 2 - 10 = 90 .. 110
    EXPECT_EQ(canvas->Pixels(89, 12), clBlack);
    EXPECT_EQ(Count(clBlue, label->DrawRect()), 0); // the transparent colour is not drawn
    label->ImageClear();
    EXPECT_EQ(label->Image(), nullptr);
}

} // namespace
