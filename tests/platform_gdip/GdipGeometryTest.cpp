// Geometry conventions of the drawing services: pixel centres, caps, arcs.

#include "GdipTestCanvas.h"

#include <gtest/gtest.h>
#include <cmath>

TEST(GdipGeometry, AliasedRectangleCoversPixelCentresInside)
{
    GdipTestCanvas c(16, 16, SmoothingModeNone);
    SolidBrush black(0xFF000000);
    ASSERT_EQ(GdipFillRectangle(c.g, black.brush(), 2, 3, 5, 4), Ok);
    c.done();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= 2 && x < 7 && y >= 3 && y < 7;
            EXPECT_EQ(c.ink(x, y), inside ? 255 : 0) << x << "," << y;
        }
}

// Anti-aliased, a rectangle at whole coordinates covers half of the pixels
// on each edge: integer coordinates are pixel centres.
TEST(GdipGeometry, AntiAliasedRectangleHalfCoversEdgePixels)
{
    GdipTestCanvas c(16, 16, SmoothingModeAntiAlias);
    SolidBrush black(0xFF000000);
    GdipFillRectangle(c.g, black.brush(), 2, 2, 6, 6);
    c.done();
    EXPECT_EQ(c.ink(5, 5), 255);
    for (auto [x, y] : {std::pair{2, 5}, {8, 5}, {5, 2}, {5, 8}})
        EXPECT_NEAR(c.ink(x, y), 128, 8) << x << "," << y;
    EXPECT_EQ(c.ink(1, 5), 0);
    EXPECT_EQ(c.ink(9, 5), 0);
}

// A one-pixel line at a whole coordinate fills exactly that row, smoothed
// or not; its flat caps add nothing beyond the end points.
TEST(GdipGeometry, OnePixelLineLiesOnItsRowWithFlatEnds)
{
    for (SmoothingMode mode : {SmoothingModeNone, SmoothingModeAntiAlias}) {
        GdipTestCanvas c(32, 16, mode);
        Pen pen(0xFF000000, 1);
        GdipDrawLine(c.g, pen.p, 4, 8, 20, 8);
        c.done();
        EXPECT_EQ(c.ink(12, 8), 255) << mode;
        EXPECT_EQ(c.ink(12, 7), 0) << mode;
        EXPECT_EQ(c.ink(12, 9), 0) << mode;
        EXPECT_EQ(c.ink(2, 8), 0) << mode;
        EXPECT_EQ(c.ink(22, 8), 0) << mode;
    }
}

TEST(GdipGeometry, SquareCapExtendsByHalfTheWidth)
{
    GdipTestCanvas flat(40, 20, SmoothingModeNone);
    GdipTestCanvas square(40, 20, SmoothingModeNone);
    Pen a(0xFF000000, 6), b(0xFF000000, 6);
    GdipSetPenEndCap(b.p, LineCapSquare);
    GdipDrawLine(flat.g, a.p, 10, 10, 30, 10);
    GdipDrawLine(square.g, b.p, 10, 10, 30, 10);
    flat.done();
    square.done();
    EXPECT_EQ(flat.ink(20, 10), 255);
    EXPECT_EQ(flat.ink(32, 10), 0);
    EXPECT_EQ(flat.ink(8, 10), 0);
    EXPECT_EQ(square.ink(32, 10), 255);
    EXPECT_EQ(square.ink(8, 10), 255);
    // Width 6 around y = 10 covers rows 7..12 (centres 7.5..12.5 inside).
    EXPECT_EQ(flat.ink(20, 8), 255);
    EXPECT_EQ(flat.ink(20, 5), 0);
}

// Angles run clockwise on the screen: 0 to 90 degrees is the lower right
// quarter, and on an ellipse the angle is the direction of the point.
TEST(GdipGeometry, ArcsRunClockwiseWithGeometricAngles)
{
    GdipTestCanvas c(220, 120, SmoothingModeNone);
    Pen pen(0xFF000000, 3);
    GdipDrawArc(c.g, pen.p, 10, 10, 100, 100, 0, 90);
    c.finish();
    const double r = 50, k = std::sqrt(0.5);
    EXPECT_GT(c.ink(int(std::lround(60 + r * k)), int(std::lround(60 + r * k))), 0);
    EXPECT_EQ(c.ink(int(std::lround(60 + r * k)), int(std::lround(60 - r * k))), 0);
    EXPECT_EQ(c.ink(int(std::lround(60 - r * k)), int(std::lround(60 + r * k))), 0);

    GdipTestCanvas e(220, 120, SmoothingModeNone);
    // Ellipse 200 x 100: the 45 degree ray meets it at x = y = ab / sqrt(a^2 + b^2).
    GdipDrawArc(e.g, pen.p, 10, 10, 200, 100, 0, 45);
    e.finish();
    const double a = 100, b = 50, d = a * b / std::hypot(a, b);
    EXPECT_GT(e.ink(int(std::lround(110 + d)) - 1, int(std::lround(60 + d)) - 1)
                  + e.ink(int(std::lround(110 + d)), int(std::lround(60 + d))), 0);
    // The point in the 60 degree direction lies beyond the end.
    const double d60 = a * b / std::hypot(b * 0.5, a * std::sqrt(0.75));
    EXPECT_EQ(e.ink(int(std::lround(110 + d60 * 0.5)), int(std::lround(60 + d60 * std::sqrt(0.75)))), 0);
}

TEST(GdipGeometry, ClipExcludesAndResets)
{
    GdipTestCanvas c(20, 20, SmoothingModeNone);
    SolidBrush black(0xFF000000);
    GdipSetClipRect(c.g, 0, 0, 10, 20, CombineModeReplace);
    GdipSetClipRect(c.g, 0, 0, 10, 5, CombineModeExclude);
    GdipFillRectangle(c.g, black.brush(), 0, 0, 20, 20);
    c.done();
    EXPECT_EQ(c.ink(5, 10), 255);
    EXPECT_EQ(c.ink(5, 2), 0);
    EXPECT_EQ(c.ink(15, 10), 0);
}

TEST(GdipGeometry, WorldTransformMovesShapesNotTheClip)
{
    GdipTestCanvas c(40, 20, SmoothingModeNone);
    SolidBrush black(0xFF000000);
    GdipSetClipRect(c.g, 0, 0, 20, 20, CombineModeReplace);
    GpMatrix *m = nullptr;
    GdipCreateMatrix2(1, 0, 0, 1, 10, 0, &m);
    GdipSetWorldTransform(c.g, m);
    GdipFillRectangle(c.g, black.brush(), 0, 0, 20, 20);
    GdipDeleteMatrix(m);
    c.done();
    EXPECT_EQ(c.ink(5, 5), 0);
    EXPECT_EQ(c.ink(15, 5), 255);
    EXPECT_EQ(c.ink(25, 5), 0);
}
