// Text backgrounds, hatch brushes, wide pens and dash patterns of the canvas,
// and the paint box that keeps a screen image.
#include "Bitmap.h"
#include "Canvas.h"
#include "Region.h"
#include "ScreenImagePaintBox.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct PenBrushFixture : ::testing::Test {
    TBitmap bmp{40, 40};
    TCanvas *c = bmp.Canvas();
    TColor At(int x, int y) { return c->Pixels(x, y); }
    int Count(TColor colour)
    {
        int n = 0;
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                n += At(x, y) == colour;
        return n;
    }
    void Wipe()
    {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clWhite);
        c->FillRect(Rect(0, 0, 40, 40));
    }
};

TEST_F(PenBrushFixture, TextBackgroundFollowsTheBrushUntilSetOtherwise)
{
    struct Case {
        const char *name;
        void (*setup)(TCanvas *);
        bool filled;
    } cases[] = {
        {"solid brush", [](TCanvas *k) { k->Brush()->SetColor(clRed); }, true},
        {"solid brush, transparent on request",
         [](TCanvas *k) {
             k->Brush()->SetColor(clRed);
             k->SetBkMode(TRANSPARENT);
         },
         false},
        {"cross-hatch brush",
         [](TCanvas *k) {
             k->Brush()->SetColor(clRed);
             k->Brush()->SetStyle(bsCross);
         },
         false},
        {"brush changed after the request",
         [](TCanvas *k) {
             k->SetBkMode(TRANSPARENT);
             k->Brush()->SetColor(clRed);
         },
         true},
        {"clear brush", [](TCanvas *k) { k->Brush()->SetStyle(bsClear); }, false},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        Wipe();
        k.setup(c);
        c->Font()->SetColor(clBlue);
        c->TextOut(2, 2, QStringLiteral("ab"));
        EXPECT_EQ(Count(clRed) > 0, k.filled);
        EXPECT_EQ(c->BkMode(), k.filled ? OPAQUE : TRANSPARENT);
    }
}

TEST_F(PenBrushFixture, CrossHatchRepeatsEveryEightPixelsOverUntouchedGaps)
{
    c->Brush()->SetColor(clRed);
    c->Brush()->SetStyle(bsCross);
    c->FillRect(Rect(0, 0, 32, 32));
    int red = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const TColor p = At(x, y);
            ASSERT_TRUE(p == clRed || p == clWhite) << x << "," << y;
            EXPECT_EQ(At(x + 8, y), p);
            EXPECT_EQ(At(x, y + 8), p);
            red += p == clRed;
        }
    // One full row and one full column of every 8 x 8 cell: 15 of 64 pixels.
    EXPECT_EQ(red, 9 * 15);
    EXPECT_EQ(At(35, 35), clWhite);
}

TEST_F(PenBrushFixture, WidthTwoPenHasRoundCapsAndJoinsAndIsAlwaysSolid)
{
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetWidth(2);
    c->Pen()->SetStyle(psDash);
    c->Polyline({Point(2, 2), Point(10, 2), Point(10, 10)});
    // Each line pixel and its right, lower and lower-right neighbours: the
    // corner is closed and no dash gap appears.
    EXPECT_EQ(Count(clBlack), 9 * 2 + 2 * 9 - 2);
    for (TPoint p : {Point(2, 2), Point(10, 2), Point(11, 3), Point(10, 10), Point(11, 10)})
        EXPECT_EQ(At(p.X, p.Y), clBlack) << p.X << "," << p.Y;
    for (TPoint p : {Point(1, 2), Point(2, 4), Point(12, 5), Point(10, 11)})
        EXPECT_EQ(At(p.X, p.Y), clWhite) << p.X << "," << p.Y;
}

TEST_F(PenBrushFixture, WidePensDrawTheSamePixelsThroughThePainterAndStraightIntoTheImage)
{
    const std::vector<TPoint> path{Point(1, 30), Point(7, 3), Point(20, 25), Point(38, 12), Point(60, 14)};
    for (int width : {2, 3, 5}) {
        SCOPED_TRACE(width);
        Wipe();
        c->Pen()->SetColor(clBlack);
        c->Pen()->SetWidth(width);
        c->Polyline(path);
        const QImage direct = bmp.Image().copy();
        Wipe();
        // A clip of two rectangles (all but a corner that the path misses)
        // makes the painter draw.
        TRegion both;
        both.Combine(TRegion(Rect(0, 0, 40, 20)), TRegion(Rect(0, 20, 39, 40)), RGN_OR);
        ASSERT_GT(both.ToQRegion().rectCount(), 1);
        c->SelectClipRgn(&both);
        c->Polyline(path);
        c->SelectClipRgn(nullptr);
        EXPECT_EQ(bmp.Image(), direct);
        // LineTo from point to point draws what Polyline draws.
        Wipe();
        c->MoveTo(path[0].X, path[0].Y);
        for (size_t i = 1; i < path.size(); ++i)
            c->LineTo(path[i].X, path[i].Y);
        EXPECT_EQ(bmp.Image(), direct);
    }
}

TEST_F(PenBrushFixture, DashedAndDottedOnePixelPens)
{
    struct Case {
        TPenStyle style;
        std::vector<int> runs; // on, off, on, ... along a 40-pixel line
    } cases[] = {
        {psDash, {18, 6, 16}},
        {psDot, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.style);
        Wipe();
        c->Pen()->SetColor(clRed);
        c->Pen()->SetStyle(k.style);
        c->MoveTo(0, 5);
        c->LineTo(40, 5);
        std::vector<int> runs;
        bool on = true;
        int len = 0;
        for (int x = 0; x < 40; ++x) {
            if ((At(x, 5) == clRed) != on) {
                runs.push_back(len);
                on = !on;
                len = 0;
            }
            ++len;
        }
        runs.push_back(len);
        EXPECT_EQ(runs, k.runs);
    }
}

// Records whether its overlay is to be drawn and paints it in blue.
class OverlayBox : public TScreenImagePaintBox {
public:
    using TScreenImagePaintBox::TScreenImagePaintBox;
    bool overlay = false;

protected:
    void PaintOverlay(TCanvas *C) override
    {
        if (!overlay)
            return;
        C->Brush()->SetColor(clBlue);
        C->FillRect(Rect(0, 0, 4, 4));
    }
};

TEST(ScreenImagePaintBox, KeepsCopiedPagesAndShowsOverlaysOnlyWhilePainted)
{
    OverlayBox box(nullptr);
    box.SetColor(clBlack);
    box.SetBounds(0, 0, 30, 20);
    TBitmap page(10, 5);
    page.Canvas()->Brush()->SetColor(clRed);
    page.Canvas()->FillRect(Rect(0, 0, 10, 5));
    box.CopyToScreen(Rect(15, 10, 25, 15), page.Canvas(), Rect(0, 0, 10, 5));
    box.overlay = true;
    QImage shown = box.PaintToImage();
    EXPECT_EQ(FromQColor(shown.pixelColor(15, 10)), clRed);
    EXPECT_EQ(FromQColor(shown.pixelColor(24, 14)), clRed);
    EXPECT_EQ(FromQColor(shown.pixelColor(25, 14)), clBlack);
    EXPECT_EQ(FromQColor(shown.pixelColor(1, 1)), clBlue);
    box.overlay = false;
    shown = box.PaintToImage();
    EXPECT_EQ(FromQColor(shown.pixelColor(1, 1)), clBlack);
    EXPECT_EQ(FromQColor(box.ScreenImage().pixelColor(1, 1)), clBlack);
    // The screen image follows the control's size.
    box.SetBounds(0, 0, 50, 8);
    EXPECT_EQ(box.ScreenImage().size(), QSize(50, 8));
}

} // namespace
