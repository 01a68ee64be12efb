#include "PixelMap.h"
#include "SkGradient.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr TColor Start = RGB(200, 40, 0);
constexpr TColor Stop = RGB(10, 90, 250);

// Close to Expected within a few steps per channel (bands and fixed point).
::testing::AssertionResult Near(TColor Actual, TColor Expected, int Tolerance = 8)
{
    const TColor a = ColorToRGB(Actual), e = ColorToRGB(Expected);
    if (std::abs(GetRValue(a) - GetRValue(e)) <= Tolerance && std::abs(GetGValue(a) - GetGValue(e)) <= Tolerance &&
        std::abs(GetBValue(a) - GetBValue(e)) <= Tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << a << " is not near " << e;
}

int Distance(TColor A, TColor B)
{
    return std::abs(GetRValue(A) - GetRValue(B)) + std::abs(GetGValue(A) - GetGValue(B)) +
           std::abs(GetBValue(A) - GetBValue(B));
}

struct Painted {
    TBitmap bmp;
    Painted(int w, int h, TGradientDirection d, TColor start = Start, TColor stop = Stop, std::uint8_t band = 1)
    {
        FillBitmap(bmp, w, h, clWhite);
        PaintGradientFill(bmp.Canvas(), Rect(0, 0, w, h), d, start, stop, band);
    }
    TColor At(int x, int y) { return bmp.Canvas()->Pixels(x, y); }
};

TEST(SkGradient, EmptyRectangleDrawsNothing)
{
    for (int d = gdDiagonalUp; d <= gdBigSquareBox; ++d) {
        TBitmap bmp;
        FillBitmap(bmp, 10, 10, clWhite);
        PaintGradientFill(bmp.Canvas(), Rect(2, 2, 2, 9), static_cast<TGradientDirection>(d), Start, Stop, 1);
        PaintGradientFill(bmp.Canvas(), Rect(2, 5, 9, 5), static_cast<TGradientDirection>(d), Start, Stop, 1);
        EXPECT_EQ(InkBounds(bmp, clWhite), TRect()) << d;
    }
}

TEST(SkGradient, EndShapesRunFromEdgeToEdge)
{
    Painted h(100, 50, gdHorizontalEnd);
    EXPECT_EQ(h.At(37, 0), Start);
    EXPECT_EQ(h.At(37, 49), Stop);
    EXPECT_EQ(h.At(0, 25), h.At(99, 25)); // rows are uniform
    Painted v(100, 50, gdVerticalEnd);
    EXPECT_EQ(v.At(0, 10), Start);
    EXPECT_EQ(v.At(99, 10), Stop);
    EXPECT_EQ(v.At(40, 0), v.At(40, 49));
}

TEST(SkGradient, CentreShapesHaveTheStartAtBothEndsAndTheStopInTheMiddle)
{
    Painted v(100, 50, gdVerticalCenter);
    EXPECT_TRUE(Near(v.At(0, 20), Start));
    EXPECT_TRUE(Near(v.At(99, 20), Start));
    EXPECT_TRUE(Near(v.At(50, 20), Stop));
    for (int y = 0; y < 50; ++y) // every row a copy of the first strip
        ASSERT_EQ(v.At(73, y), v.At(73, 0)) << y;
    Painted h(30, 60, gdHorizontalCenter);
    EXPECT_TRUE(Near(h.At(10, 0), Start));
    EXPECT_TRUE(Near(h.At(10, 59), Start));
    EXPECT_TRUE(Near(h.At(10, 30), Stop));
    for (int x = 0; x < 30; ++x)
        ASSERT_EQ(h.At(x, 44), h.At(0, 44)) << x;
}

TEST(SkGradient, BoxShapesAreSymmetricFullyPaintedAndStopInTheCentre)
{
    const TGradientDirection shapes[] = {gdHorizontalBox, gdVerticalBox, gdSquareBox, gdBigSquareBox};
    const TSize sizes[] = {{40, 24}, {41, 25}, {30, 17}, {9, 7}};
    for (TGradientDirection d : shapes)
        for (TSize s : sizes) {
            SCOPED_TRACE(testing::Message() << "shape " << d << " size " << s.cx << "x" << s.cy);
            Painted p(s.cx, s.cy, d);
            for (int y = 0; y < s.cy; ++y)
                for (int x = 0; x < s.cx; ++x) {
                    ASSERT_NE(p.At(x, y), clWhite) << x << "," << y; // nothing left unpainted
                    ASSERT_EQ(p.At(x, y), p.At(s.cx - 1 - x, y)) << x << "," << y;
                    ASSERT_EQ(p.At(x, y), p.At(x, s.cy - 1 - y)) << x << "," << y;
                }
            // The outer band lies on the start side (a tiny box has too few
            // bands for that), the centre on the stop side.
            if (s.cx >= 30) {
                EXPECT_LT(Distance(p.At(0, 0), Start), Distance(p.At(0, 0), Stop));
            }
            const TColor centre = p.At((s.cx - 1) / 2, (s.cy - 1) / 2);
            EXPECT_TRUE(Near(centre, Stop, 12));
        }
}

TEST(SkGradient, EqualColoursAndTinyBoxesGiveOneSolidFill)
{
    const struct {
        TGradientDirection d;
        int w, h;
        TColor stop;
    } rows[] = {{gdDiagonalUp, 20, 10, Start}, {gdSquareBox, 20, 10, Start}, {gdSquareBox, 4, 10, Stop},
                {gdBigSquareBox, 20, 4, Stop}};
    for (const auto &r : rows) {
        Painted p(r.w, r.h, r.d, Start, r.stop);
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x)
                ASSERT_EQ(p.At(x, y), Start) << r.d << " " << x << "," << y;
    }
}

TEST(SkGradient, DiagonalsRunCornerToCorner)
{
    Painted up(60, 40, gdDiagonalUp);
    EXPECT_TRUE(Near(up.At(0, 39), Start, 12));
    EXPECT_TRUE(Near(up.At(59, 0), Stop, 12));
    Painted down(60, 40, gdDiagonalDown);
    EXPECT_TRUE(Near(down.At(0, 0), Start, 12));
    EXPECT_TRUE(Near(down.At(59, 39), Stop, 12));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_NE(down.At(x, y), clWhite);
}

// Runs of equal colour along the middle row, leaving out those at the two
// ends and at the centre, where a pass ends.
std::vector<int> InnerRuns(Painted &p, int w)
{
    std::vector<int> runs;
    int start = 0;
    for (int x = 1; x <= w; ++x)
        if (x == w || p.At(x, 3) != p.At(start, 3)) {
            if (start > 0 && x < w && !(start <= w / 2 + 1 && x >= w / 2))
                runs.push_back(x - start);
            start = x;
        }
    return runs;
}

TEST(SkGradient, BandWidthIsTheLeastDepthOfABand)
{
    Painted fine(80, 8, gdVerticalCenter, clBlack, clWhite, 1);
    const std::vector<int> fineRuns = InnerRuns(fine, 80);
    ASSERT_FALSE(fineRuns.empty());
    EXPECT_EQ(*std::min_element(fineRuns.begin(), fineRuns.end()), 1);
    for (std::uint8_t band : {4, 32}) { // 32 means 255 / 32 + 1 = 8 steps
        Painted coarse(80, 8, gdVerticalCenter, clBlack, clWhite, band);
        const std::vector<int> runs = InnerRuns(coarse, 80);
        ASSERT_FALSE(runs.empty());
        EXPECT_GE(*std::min_element(runs.begin(), runs.end()), band == 4 ? 4 : 8) << int(band);
    }
}

TEST(SkGradient, BorderPaintsOnlyTheTwoPixelEdge)
{
    TBitmap bmp;
    FillBitmap(bmp, 20, 12, clWhite);
    PaintGradientBorder(bmp.Canvas(), Rect(0, 0, 20, 12), gdHorizontalEnd, Start, Stop);
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 0), Start);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 6), bmp.Canvas()->Pixels(18, 6));
    EXPECT_NE(bmp.Canvas()->Pixels(1, 6), clWhite);
    EXPECT_EQ(InkBounds(bmp, clWhite), Rect(0, 0, 20, 12));
    for (int y = 2; y < 10; ++y)
        for (int x = 2; x < 18; ++x)
            ASSERT_EQ(bmp.Canvas()->Pixels(x, y), clWhite);
    bmp.Canvas()->Brush()->SetColor(clRed); // the clip is given back
    bmp.Canvas()->FillRect(Rect(5, 5, 6, 6));
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 5), clRed);
}

} // namespace
