// The XY plot draws points whose X rises (within the X axis's range) per
// pixel column, and points in any other order as runs of polylines between
// the segments that need clipping: either way the picture must be the one
// the point-by-point drawing gives (what a list of per-point styles gets).
#include "ShownPlot.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace {

// The pixels where two pictures differ.
int Differences(const QImage &A, const QImage &B)
{
    if (A.size() != B.size())
        return -1;
    int n = 0;
    for (int y = 0; y < A.height(); ++y)
        for (int x = 0; x < A.width(); ++x)
            n += A.pixel(x, y) != B.pixel(x, y);
    return n;
}

// The picture of the points Add puts into a channel must be the one the
// point-by-point drawing gives: the full-feature list keeps per-point
// styles, so it is drawn point by point.
void ExpectThePointByPointPicture(const std::function<void(TgXYPlotChannel *)> &Add)
{
    QImage pictures[2];
    for (int exact = 0; exact < 2; ++exact) {
        TShownPlot<TgXYPlot> shown(600, 300);
        TgXYPlotChannel *channel = shown.plot->GetChannel(0);
        channel->SetDataStyle(exact ? ipdsFullFeature : ipdsStandard);
        channel->SetColor(clYellow);
        Add(channel);
        pictures[exact] = shown.Shot();
    }
    EXPECT_FALSE(BoxOf(pictures[0], Rgb(clYellow)).isNull());
    EXPECT_EQ(Differences(pictures[0], pictures[1]), 0);
}

struct Case {
    const char *name;
    int points;
    double from, to; // X runs from .. to; the view shows 0 .. 100
    double noise;    // added to a slow wave
    int gapAt;       // a Null point there (-1: none)
};

TEST(XYColumnTrace, RisingXDrawsThePixelsOfThePointByPointTrace)
{
    const Case cases[] = {
        {"dense noise, many points a column", 200000, 0, 100, 30, -1},
        {"dense wave", 100000, 0, 100, 0.2, -1},
        {"sparse, a point every few columns", 150, 0, 100, 10, -1},
        {"beyond both edges", 50000, -20, 130, 5, -1},
        {"a gap", 20000, 0, 100, 5, 9000},
        {"equal X in a row", 5000, 0, 100, 20, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectThePointByPointPicture([&c](TgXYPlotChannel *channel) {
            std::mt19937 rng(3);
            std::uniform_real_distribution<double> noise(-c.noise, c.noise);
            for (int i = 0; i < c.points; ++i) {
                double x = c.from + (c.to - c.from) * i / c.points;
                if (std::string(c.name) == "equal X in a row")
                    x = c.from + (c.to - c.from) * (i / 7) * 7 / c.points;
                const double y = 50 + 30 * std::sin(x / 8) + noise(rng);
                if (i == c.gapAt)
                    channel->AddNull();
                else
                    channel->AddXY(x, y);
            }
        });
    }
}

// Points out of X order: a scatter of pairs, a figure that turns back and
// forth, and rising runs longer than the pieces a run is drawn in.
TEST(XYColumnTrace, PointsInAnyOrderDrawThePixelsOfThePointByPointTrace)
{
    const struct {
        const char *name;
        int points;
        std::function<void(int, double &, double &)> at; // point i's X and Y
    } cases[] = {
        {"a scatter of pairs in random order", 20000,
         [](int i, double &X, double &Y) {
             std::mt19937 rng(unsigned(i) + 5);
             std::uniform_real_distribution<double> any(2, 98);
             X = any(rng);
             Y = 50 + 40 * std::sin(X / 7);
         }},
        {"a Lissajous figure beyond the view's edges", 6000,
         [](int i, double &X, double &Y) {
             X = 50 + 60 * std::sin(3 * i * 0.001);
             Y = 50 + 45 * std::sin(4 * i * 0.001);
         }},
        {"rising runs of 10000 pixels, then back", 20000,
         [](int i, double &X, double &Y) { // a zigzag moving a pixel or more each point
             const int k = i % 160;
             X = 1 + (i % 10000) * 0.0098;
             Y = 10 + (k < 80 ? k : 160 - k) + (i / 10000) * 1.7;
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectThePointByPointPicture([&c](TgXYPlotChannel *channel) {
            for (int i = 0; i < c.points; ++i) {
                double x, y;
                c.at(i, x, y);
                channel->AddXY(x, y);
            }
        });
    }
}

} // namespace
