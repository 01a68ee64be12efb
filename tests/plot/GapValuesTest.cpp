// Points whose Y is no finite number, as the user sees them: a gap in every
// trace (as a Null point leaves), never a line across the whole view, and
// curves that still show.
#include "ShownPlot.h"
#include "gPlot.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

const TColor kTrace = clYellow;

double Wave(double X)
{
    return 50 + 20 * std::sin(X / 15);
}

// Whether column C of the image holds the trace's colour between rows Top
// and Bottom.
bool TraceIn(const QImage &Image, int C, int Top, int Bottom)
{
    for (int y = std::max(Top, 0); y <= std::min(Bottom, Image.height() - 1); ++y)
        if ((Image.pixel(C, y) & 0xFFFFFF) == (Rgb(kTrace) & 0xFFFFFF))
            return true;
    return false;
}

struct Row {
    const char *name;
    bool xy;                                     // an XY plot, else a strip chart
    std::function<void(TgPlotChannelCustom *)> style; // on the channel
    bool curve;                                  // passes over the point
};

TEST(GapValues, NaNAndInfiniteYLeaveAGapOrAreLeftOutOfCurves)
{
    const auto strip = [](std::function<void(TgPlotChannel *)> F) {
        return [F](TgPlotChannelCustom *C) { F(ChannelAs<TgPlotChannel>(C)); };
    };
    const Row rows[] = {
        {"fast trace", false, strip([](TgPlotChannel *) {}), false},
        {"plain trace", false, strip([](TgPlotChannel *C) { C->SetFastDrawEnabled(false); }), false},
        {"cubic spline", false, strip([](TgPlotChannel *C) { C->SetInterpolationStyle(ipistCubicSpline); }), false},
        {"polynomial", false, strip([](TgPlotChannel *C) { C->SetInterpolationStyle(ipistPolynomial); }), true},
        {"rational", false, strip([](TgPlotChannel *C) { C->SetInterpolationStyle(ipistRational); }), true},
        {"XY trace", true, [](TgPlotChannelCustom *) {}, false},
    };
    for (const Row &r : rows)
        for (double odd : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
            SCOPED_TRACE(std::string(r.name) + ", Y " + std::to_string(odd));
            std::unique_ptr<TShownPlot<TgPlot>> strips;
            std::unique_ptr<TShownPlot<TgXYPlot>> xys;
            TgPlotComponent *plot;
            TgPlotChannelCustom *channel;
            std::function<QImage()> shot;
            if (r.xy) {
                xys = std::make_unique<TShownPlot<TgXYPlot>>(600, 300);
                plot = xys->plot;
                channel = xys->plot->GetChannel(0);
                shot = [&] { return xys->Shot(); };
            } else {
                strips = std::make_unique<TShownPlot<TgPlot>>(600, 300);
                plot = strips->plot;
                channel = strips->plot->GetChannel(0);
                shot = [&] { return strips->Shot(); };
            }
            channel->SetColor(kTrace);
            r.style(channel);
            for (int i = 0; i <= 20; ++i)
                channel->AddXY(i * 5, i == 10 ? odd : Wave(i * 5));
            EXPECT_TRUE(channel->Data().GetNull(10));
            const QImage img = shot();
            const QRect frame = DataViewFrame(img);
            ASSERT_FALSE(frame.isNull());
            const auto column = [&](double X) { return PercentX(frame, X); };
            const auto row = [&](double Y) { return PercentY(frame, Y); };
            // Nothing beyond the wave's band: no line across the view.
            for (int c = frame.left() + 1; c < frame.right(); ++c) {
                ASSERT_FALSE(TraceIn(img, c, frame.top() + 1, row(75))) << "column " << c;
                ASSERT_FALSE(TraceIn(img, c, row(25), frame.bottom() - 1)) << "column " << c;
            }
            for (double x : {12.0, 38.0, 62.0, 88.0})
                EXPECT_TRUE(TraceIn(img, column(x), row(Wave(x)) - 3, row(Wave(x)) + 3)) << "at " << x;
            if (r.curve)
                EXPECT_TRUE(TraceIn(img, column(50), row(Wave(50)) - 3, row(Wave(50)) + 3));
            else
                for (double x : {47.0, 50.0, 53.0})
                    EXPECT_FALSE(TraceIn(img, column(x), frame.top() + 1, frame.bottom() - 1)) << "gap at " << x;
            // The axes keep their range in the running figures.
            EXPECT_TRUE(std::isfinite(channel->RunningYMean()));
            EXPECT_LE(channel->RunningYMax(), 70);
            (void)plot;
        }
}

} // namespace
