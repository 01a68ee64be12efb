#include "Exceptions.h"
#include "gMath.h"

#include <gtest/gtest.h>

namespace {

// Arrays from index 1, as the routines use them.
std::vector<double> From1(std::initializer_list<double> v)
{
    std::vector<double> a{0.0};
    a.insert(a.end(), v);
    return a;
}

TEST(PlotMath, LogarithmAndPower)
{
    EXPECT_NEAR(static_cast<double>(Log10(1000)), 3.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(Log10(0.01)), -2.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(RaisePower(10, 2)), 100.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(RaisePower(2, 0.5)), std::sqrt(2.0), 1e-15);
}

TEST(PlotMath, SplineUsesTheEndIntervalsSlopes)
{
    const auto x = From1({0, 1, 2}), y = From1({0, 1, 0});
    std::vector<double> y2(4);
    SplineSetup(x, y, 3, y2, 123, -456); // the slopes passed are not used
    // Slope of the spline at an end, from its second derivatives.
    const double h = 1;
    const double startSlope = (y[2] - y[1]) / h - h / 6 * (2 * y2[1] + y2[2]);
    const double endSlope = (y[3] - y[2]) / h + h / 6 * (y2[2] + 2 * y2[3]);
    EXPECT_NEAR(startSlope, 1, 1e-12);
    EXPECT_NEAR(endSlope, -1, 1e-12);
    double v = 0;
    Splint(x, y, y2, 3, 1, v);
    EXPECT_NEAR(v, 1, 1e-12);

    // On a straight line every second derivative is 0 and the spline is the line.
    const auto lx = From1({0, 1, 3, 4}), ly = From1({1, 3, 7, 9});
    std::vector<double> l2(5);
    SplineSetup(lx, ly, 4, l2, 0, 0);
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(l2[static_cast<size_t>(i)], 0, 1e-12);
    Splint(lx, ly, l2, 4, 2.5, v);
    EXPECT_NEAR(v, 6, 1e-12);

    const auto dx = From1({0, 0, 1, 2});
    try {
        Splint(dx, ly, l2, 4, -1, v);
        FAIL() << "equal XA accepted";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), "Splint Error - xa's must be distinct");
    }
}

TEST(PlotMath, PolynomialAndRationalInterpolation)
{
    const auto x = From1({1, 2, 3}), y = From1({1, 4, 9});
    double v = 0, dy = 0;
    PolynomialInterpolate(x, y, 3, 2.5, v, dy);
    EXPECT_NEAR(v, 6.25, 1e-12);
    PolynomialInterpolate(x, y, 3, 0, v, dy); // outside the table too
    EXPECT_NEAR(v, 0, 1e-12);

    RationalInterpolate(x, y, 3, 2, v, dy);
    EXPECT_EQ(v, 4);
    EXPECT_EQ(dy, 0);
    // 1/x is a rational function: the scheme reproduces it.
    const auto rx = From1({1, 2, 4, 5}), ry = From1({1, 0.5, 0.25, 0.2});
    RationalInterpolate(rx, ry, 4, 3, v, dy);
    EXPECT_NEAR(v, 1.0 / 3, 1e-9);

    const auto same = From1({1, 1, 3});
    try {
        PolynomialInterpolate(same, y, 3, 2, v, dy);
        FAIL() << "equal XA accepted";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), "Polynomial Interpolation Error - Pause in Routine Data");
    }
}

TEST(PlotMath, SegmentsAndRectangles)
{
    double slope = 0, intercept = 0;
    LineThroughPoints({0, 1}, {2, 5}, slope, intercept);
    EXPECT_EQ(slope, 2);
    EXPECT_EQ(intercept, 1);
    LineThroughPoints({3, 1}, {3, 5}, slope, intercept);
    EXPECT_EQ(slope, 1e30);

    struct Seg {
        const char *name;
        TPoint a1, a2, b1, b2;
        bool want;
    } segs[] = {
        {"plain cross", {0, 0}, {10, 10}, {0, 10}, {10, 0}, true},
        {"touching at an end", {0, 0}, {5, 5}, {5, 5}, {10, 0}, true},
        {"parallel overlapping", {0, 0}, {10, 0}, {5, 0}, {15, 0}, false},
        {"parallel apart", {0, 0}, {10, 0}, {0, 5}, {10, 5}, false},
        {"lines cross beyond one segment", {0, 0}, {10, 0}, {5, 1}, {5, 10}, false},
        {"vertical side passed far above", {0, -1000}, {100, -1000}, {50, 0}, {50, 20}, false},
        {"vertical side crossed", {0, 10}, {100, 10}, {50, 0}, {50, 20}, true},
        {"both vertical", {1, 0}, {1, 10}, {1, 5}, {1, 20}, false},
    };
    for (const Seg &s : segs)
        EXPECT_EQ(SegmentsIntersect(s.a1, s.a2, s.b1, s.b2), s.want) << s.name;

    const TRect r(10, 10, 50, 30);
    struct RectCase {
        const char *name;
        TPoint p1, p2;
        bool want;
    } rects[] = {
        {"wholly inside", {20, 15}, {30, 25}, true},
        {"one end on the edge", {50, 30}, {90, 90}, true},
        {"through two sides", {0, 20}, {100, 20}, true},
        {"far above, spanning the X range", {0, -500}, {100, -400}, false},
        {"beside it", {60, 0}, {70, 50}, false},
        {"diagonal through a corner region", {0, 0}, {60, 40}, true},
    };
    for (const RectCase &c : rects)
        EXPECT_EQ(SegmentIntersectsRect(c.p1, c.p2, r), c.want) << c.name;
}

} // namespace
