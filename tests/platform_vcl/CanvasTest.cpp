#include "Bitmap.h"
#include "Canvas.h"
#include "Region.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <limits>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A white 20 x 20 bitmap to draw on.
struct CanvasFixture : ::testing::Test {
    TBitmap bmp{20, 20};
    TCanvas *c = bmp.Canvas();
    TColor At(int x, int y) { return c->Pixels(x, y); }
    int CountColor(TColor color)
    {
        int n = 0;
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                n += At(x, y) == color;
        return n;
    }
};

TEST_F(CanvasFixture, NewBitmapIsWhite)
{
    EXPECT_EQ(CountColor(clWhite), 400);
}

TEST_F(CanvasFixture, FillRectCoversExactlyLeftToRightMinusOne)
{
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(2, 3, 7, 9));
    EXPECT_EQ(CountColor(clRed), 5 * 6);
    EXPECT_EQ(At(2, 3), clRed);
    EXPECT_EQ(At(6, 8), clRed);
    EXPECT_EQ(At(7, 8), clWhite);
    EXPECT_EQ(At(6, 9), clWhite);
    EXPECT_EQ(At(1, 3), clWhite);
}

TEST_F(CanvasFixture, RectangleLeavesOutRightAndBottomEdge)
{
    c->Pen()->SetColor(clBlue);
    c->Brush()->SetColor(clLime);
    c->Rectangle(2, 2, 8, 6);
    // Outline on columns 2 and 7, rows 2 and 5; inside lime.
    EXPECT_EQ(At(2, 2), clBlue);
    EXPECT_EQ(At(7, 2), clBlue);
    EXPECT_EQ(At(7, 5), clBlue);
    EXPECT_EQ(At(2, 5), clBlue);
    EXPECT_EQ(At(8, 2), clWhite);
    EXPECT_EQ(At(2, 6), clWhite);
    EXPECT_EQ(At(3, 3), clLime);
    EXPECT_EQ(At(6, 4), clLime);
    EXPECT_EQ(CountColor(clBlue), 2 * 6 + 2 * 2);
    EXPECT_EQ(CountColor(clLime), 4 * 2);
}

TEST_F(CanvasFixture, RectangleWithClearPenFillsOnePixelLess)
{
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetColor(clRed);
    c->Rectangle(0, 0, 5, 5);
    EXPECT_EQ(CountColor(clRed), 16);
    EXPECT_EQ(At(3, 3), clRed);
    EXPECT_EQ(At(4, 0), clWhite);
}

TEST_F(CanvasFixture, LineToLeavesOutTheEndPixel)
{
    struct Case {
        int x1, y1, x2, y2, pixels;
    } cases[] = {
        {1, 1, 10, 1, 9},  // horizontal
        {1, 1, 1, 10, 9},  // vertical
        {10, 1, 1, 1, 9},  // right to left
        {1, 1, 6, 6, 5},   // diagonal
        {6, 6, 1, 1, 5},   // diagonal back
        {1, 1, 13, 4, 12}, // shallow
    };
    for (const Case &k : cases) {
        bmp.Canvas()->Brush()->SetColor(clWhite);
        c->FillRect(Rect(0, 0, 20, 20));
        c->Pen()->SetColor(clBlack);
        c->MoveTo(k.x1, k.y1);
        c->LineTo(k.x2, k.y2);
        SCOPED_TRACE(testing::Message() << k.x1 << "," << k.y1 << " -> " << k.x2 << "," << k.y2);
        EXPECT_EQ(CountColor(clBlack), k.pixels);
        EXPECT_EQ(At(k.x1, k.y1), clBlack);
        EXPECT_EQ(At(k.x2, k.y2), clWhite);
        EXPECT_EQ(c->PenPos(), Point(k.x2, k.y2));
    }
}

TEST_F(CanvasFixture, PolylineJoinsAndLeavesOutLastPoint)
{
    c->Pen()->SetColor(clBlack);
    c->Polyline({Point(1, 1), Point(5, 1), Point(5, 5)});
    EXPECT_EQ(At(5, 1), clBlack);
    EXPECT_EQ(At(5, 4), clBlack);
    EXPECT_EQ(At(5, 5), clWhite);
    EXPECT_EQ(CountColor(clBlack), 8);
}

TEST_F(CanvasFixture, ClipRegionLimitsDrawing)
{
    TRegion r(Rect(5, 5, 10, 10));
    c->SelectClipRgn(&r);
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(CountColor(clRed), 25);
    EXPECT_EQ(c->ClipRect(), Rect(5, 5, 10, 10));
    c->SelectClipRgn(nullptr);
    c->ExcludeClipRect(Rect(0, 0, 20, 10));
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(CountColor(clBlue), 200);
}

// The box of the pixels that are not white; empty when there are none.
TRect InkBox(TCanvas *c, int w, int h)
{
    TRect box = Rect(w, h, 0, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (c->Pixels(x, y) != clWhite)
                box = Rect(std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1));
    return box;
}

TEST_F(CanvasFixture, ShapesCoverLeftTopUpToRightBottomMinusOne)
{
    struct Case {
        const char *shape;
        std::function<void(TCanvas *)> draw;
    } cases[] = {
        {"Rectangle", [](TCanvas *k) { k->Rectangle(3, 4, 15, 12); }},
        {"Ellipse", [](TCanvas *k) { k->Ellipse(3, 4, 15, 12); }},
        {"RoundRect", [](TCanvas *k) { k->RoundRect(3, 4, 15, 12, 6, 6); }},
        {"FrameRect", [](TCanvas *k) { k->FrameRect(Rect(3, 4, 15, 12)); }},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.shape);
        c->Brush()->SetColor(clWhite);
        c->FillRect(Rect(0, 0, 20, 20));
        c->Pen()->SetColor(clBlack);
        c->Brush()->SetColor(clRed);
        k.draw(c);
        EXPECT_EQ(InkBox(c, 20, 20), Rect(3, 4, 15, 12));
    }
}

TEST(Canvas, LinesFarOffTheCanvasEndAtOnceAndKeepTheirDashes)
{
    // The part of a dashed line inside a narrow bitmap equals that part of
    // the same line drawn whole on a wide one.
    TBitmap wide(300, 10), narrow(50, 10);
    for (TBitmap *b : {&wide, &narrow})
        b->Canvas()->Pen()->SetStyle(psDash);
    wide.Canvas()->MoveTo(0, 5);
    wide.Canvas()->LineTo(150, 5);
    narrow.Canvas()->MoveTo(-100, 5);
    narrow.Canvas()->LineTo(50, 5);
    for (int x = 0; x < 50; ++x)
        ASSERT_EQ(narrow.Canvas()->Pixels(x, 5), wide.Canvas()->Pixels(x + 100, 5)) << x;
    EXPECT_EQ(InkBox(narrow.Canvas(), 50, 10), Rect(0, 5, 50, 6));

    // Two billion steps away: only the visible ones are walked.
    TBitmap small(20, 20);
    TCanvas *c = small.Canvas();
    c->MoveTo(-2000000000, 10);
    c->LineTo(2000000000, 11);
    c->MoveTo(5, -2000000000);
    c->LineTo(6, 2000000000);
    EXPECT_EQ(InkBox(c, 20, 20), Rect(0, 0, 20, 20));
    c->Pen()->SetStyle(psDot);
    c->MoveTo(-2000000001, 3);
    c->LineTo(2000000000, 3);
    int dots = 0;
    for (int x = 0; x < 20; ++x)
        dots += c->Pixels(x, 3) == clBlack;
    EXPECT_GT(dots, 5);
    EXPECT_LT(dots, 15);
}

// The canvas keeps text measures per font: each answer is Qt's for the
// canvas's font of the moment, however the font changes between calls.
TEST(CanvasText, MeasuresFollowTheFontAndMatchQt)
{
    TBitmap bmp(40, 40);
    TCanvas *c = bmp.Canvas();
    const struct {
        const char *name;
        int height;
        TFontStyles style;
    } fonts[] = {
        {"Tahoma", -11, {}}, {"Tahoma", -20, {}},          {"Tahoma", -11, {fsBold}},
        {"Arial", 16, {}},   {"Courier New", -13, {}},      {"Tahoma", -11, {}},
    };
    const QString texts[] = {"", "0.25", "-1.5E+03", QString::fromUtf8("频率 Hz"), "W", "WWWWWWWW"};
    for (int round = 0; round < 2; ++round) // the second round finds what the first kept
        for (const auto &f : fonts) {
            c->Font()->SetName(f.name);
            c->Font()->SetHeight(f.height);
            c->Font()->SetStyle(f.style);
            const QFontMetrics qt(c->Font()->ToQFont());
            for (const QString &text : texts) {
                SCOPED_TRACE(QString("%1 %2 %3").arg(f.name).arg(f.height).arg(text).toStdString());
                EXPECT_EQ(c->TextWidth(text), qt.horizontalAdvance(text));
                EXPECT_EQ(c->TextExtent(text), TSize(qt.horizontalAdvance(text), qt.height()));
                EXPECT_EQ(c->TextHeight(text), qt.height());
                for (const unsigned flags : {DT_SINGLELINE | DT_CENTER | DT_VCENTER, unsigned(DT_WORDBREAK)}) {
                    TRect r(7, 9, 37, 29);
                    c->DrawText(text, r, flags | DT_CALCRECT | DT_NOPREFIX);
                    const int qf = flags & DT_WORDBREAK ? Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap
                                                        : Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
                    const QRect bound = qt.boundingRect(QRect(7, 9, 30, 20), qf, text);
                    if (!text.isEmpty()) {
                        EXPECT_EQ(r, TRect(7, 9, 7 + bound.width(), 9 + bound.height())) << flags;
                    }
                }
            }
        }
}

TEST(Geometry, MulDivAndRoundingStayDefined)
{
    EXPECT_EQ(MulDiv(10, 96, 72), 13);
    EXPECT_EQ(MulDiv(-13, 72, 96), -10);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);  // half away from zero
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 1), -1); // does not fit
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

} // namespace
