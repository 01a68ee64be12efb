// How an axis's range follows the values a channel adds: the first value's
// alignment, each tracking style, snapping to the tick steps, the minimum
// span and the margins; fitting the range to the channels.
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gPlot.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Row {
    const char *name;
    TgPlotTrackingStyle style;
    TgPlotAlignFirstStyle align;
    double min, span; // before the first value
    std::vector<double> values;
    double wantMin, wantSpan;
    double compressMax = 0;
    TgPlotTrackingIncrementStyle increment = iptisMinimum;
    double desiredIncrement = 0;
    double spanMinimum = 0, minMargin = 0, maxMargin = 0;
};

// The values go in as X of the plot's channel, as an application adds them;
// the first value aligns (ipafsNone: it is only taken note of).
TEST(AxisTracking, FollowsTheValuesByStyle)
{
    const Row rows[] = {
        {"align auto, beyond the range", iptsScaleMinMax, ipafsAuto, 0, 100, {250}, 250, 100},
        {"align auto, inside the range", iptsScaleMinMax, ipafsAuto, 0, 100, {40}, 0, 100},
        {"align min", iptsScaleMinMax, ipafsMin, 0, 100, {40}, 40, 100},
        {"align max", iptsScaleMinMax, ipafsMax, 0, 100, {40}, -60, 100},
        {"align none", iptsScaleMinMax, ipafsNone, 0, 100, {250}, 0, 100},
        {"scale min max grows", iptsScaleMinMax, ipafsNone, 0, 100, {50, 150}, 0, 150},
        {"scale min max moves down", iptsScaleMinMax, ipafsNone, 0, 100, {50, -20}, -20, 100},
        {"scale max", iptsScaleMax, ipafsNone, 0, 100, {50, 150, -20}, 0, 150},
        {"scale min", iptsScaleMin, ipafsNone, 0, 100, {50, -20, 150}, -20, 120},
        {"expand min max up", iptsExpandMinMax, ipafsNone, 0, 100, {50, 150}, 0, 150},
        {"expand min max down", iptsExpandMinMax, ipafsNone, 0, 100, {50, -20}, -20, 120},
        {"scroll smooth", iptsScrollSmooth, ipafsNone, 0, 10, {5, 12}, 2, 10},
        {"scroll smooth below", iptsScrollSmooth, ipafsNone, 0, 10, {5, -3}, -3, 10},
        {"scroll smooth compressed", iptsScrollSmooth, ipafsNone, 0, 10, {5, 12}, 0, 12, 100},
        {"scroll smooth grows, then scrolls", iptsScrollSmooth, ipafsNone, 0, 10, {5, 12, 50, 99, 105}, 0, 105, 100},
        {"scroll smooth compressed to the maximum", iptsScrollSmooth, ipafsNone, 0, 10, {5, 12, 50, 99, 105, 110}, 10,
         100, 100},
        {"scroll page", iptsScrollPage, ipafsNone, 0, 10, {5, 25}, 10, 10},
        {"scroll page back", iptsScrollPage, ipafsNone, 0, 10, {5, -3}, -10, 10},
        {"snap to majors", iptsScaleMinMax, ipafsNone, 3, 94, {50, 50}, 0, 100, 0, iptisMajor, 20},
        {"snap to majors after growing", iptsScaleMinMax, ipafsNone, 3, 94, {50, 130}, 0, 140, 0, iptisMajor, 20},
        {"snap to minors", iptsScaleMinMax, ipafsNone, 13, 74, {50, 50}, 10, 80, 0, iptisMinor, 20},
        {"snap to majors, same range", iptsScaleMinMax, ipafsNone, 13, 74, {50, 50}, 0, 100, 0, iptisMajor, 20},
        {"snapping needs a step style", iptsScaleMinMax, ipafsNone, 3, 94, {50, 50}, 3, 94, 0, iptisMinimum, 20},
        {"scroll does not snap", iptsScrollSmooth, ipafsNone, 3, 94, {50, 50}, 3, 94, 0, iptisMajor, 20},
        {"expand collapse", iptsExpandCollapse, ipafsNone, 0, 100, {5, 50, 20}, 5, 45},
        {"expand collapse fast", iptsExpandCollapseFast, ipafsNone, 0, 100, {5, 50, 20}, 5, 45},
        {"span minimum", iptsScaleMinMax, ipafsNone, 0, 100, {50, 50}, -50, 200, 0, iptisMinimum, 0, 200},
        {"expand collapse to the span minimum", iptsExpandCollapse, ipafsNone, 0, 100, {5, 50}, 5, 100, 0,
         iptisMinimum, 0, 100},
        {"min margin", iptsScaleMinMax, ipafsNone, 0, 100, {50, 5}, -5, 100, 0, iptisMinimum, 0, 0, 10},
        {"max margin", iptsScaleMinMax, ipafsNone, 0, 100, {50, 95}, 0, 105, 0, iptisMinimum, 0, 0, 0, 10},
        {"expand collapse with margins", iptsExpandCollapse, ipafsNone, 0, 100, {5, 50}, 3, 50, 0, iptisMinimum, 0, 0,
         2, 3},
        {"margins leave the first value", iptsScaleMinMax, ipafsMin, 0, 100, {5}, 5, 100, 0, iptisMinimum, 0, 0, 10,
         10},
    };
    for (const Row &r : rows) {
        TgXYPlot plot(nullptr);
        plot.SetBounds(0, 0, 500, 300);
        TgPlotXAxis *x = plot.GetXAxis(0);
        TgXYPlotChannel *channel = plot.GetChannel(0);
        channel->SetYAxisTrackingEnabled(false);
        x->SetMinSpan(r.min, r.span);
        x->SetTrackingStyle(r.style);
        x->SetTrackingAlignFirstStyle(r.align);
        x->SetTrackingScrollCompressMax(r.compressMax);
        x->SetTrackingIncrementStyle(r.increment);
        x->SetTrackingSpanMinimum(r.spanMinimum);
        x->SetTrackingMinMargin(r.minMargin);
        x->SetTrackingMaxMargin(r.maxMargin);
        if (r.desiredIncrement != 0) {
            // Snapping takes the steps of the last tick generation.
            x->SetDesiredIncrement(r.desiredIncrement);
            x->SetMinorCount(1);
            plot.ReCalcLayout();
            ASSERT_EQ(x->MajorIncrement(), r.desiredIncrement) << r.name;
            ASSERT_EQ(x->MinorIncrement(), r.desiredIncrement / 2) << r.name;
        }
        for (double v : r.values)
            channel->AddXY(v, 0);
        EXPECT_DOUBLE_EQ(x->Min(), r.wantMin) << r.name;
        EXPECT_DOUBLE_EQ(x->Span(), r.wantSpan) << r.name;
    }
}

// Off, nothing moves; Clear All Data makes the next value align again.
TEST(AxisTracking, OffAndAligningAgain)
{
    TgXYPlot plot(nullptr);
    TgPlotXAxis *x = plot.GetXAxis(0);
    TgXYPlotChannel *channel = plot.GetChannel(0);
    x->SetTrackingEnabled(false);
    channel->AddXY(250, 0);
    EXPECT_EQ(x->Min(), 0);
    x->SetRestoreValuesOnResume(false);
    x->SetTrackingEnabled(true);
    channel->AddXY(250, 0); // the first value seen: aligns
    EXPECT_EQ(x->Min(), 250);
    channel->AddXY(1000, 0);
    EXPECT_EQ(x->Max(), 1000);
    plot.ClearAllData();
    channel->AddXY(5000, 0);
    EXPECT_EQ(x->Min(), 5000);
    EXPECT_EQ(x->Span(), 750);
}

// Fitting over the channels of the axis: the visible points (markers
// widen them) or the running extremes; other axes' channels, channels
// without points and a range of no width leave the axis as it is.
TEST(AxisTracking, ZoomToFitTakesTheChannelsOfTheAxis)
{
    TgXYPlot plot(nullptr);
    plot.SetBounds(0, 0, 500, 300);
    TgPlotYAxis *y = plot.GetYAxis(0);
    y->SetTrackingEnabled(false);
    TgXYPlotChannel *a = plot.GetChannel(0);
    a->AddXY(0, 10);
    a->AddXY(1, 30);
    y->ZoomToFit();
    EXPECT_EQ(y->Min(), 10);
    EXPECT_EQ(y->Span(), 20);

    auto *other = plot.GetChannel(plot.AddChannel());
    const int second = plot.AddYAxis();
    other->SetYAxisName(plot.GetYAxis(second)->Name().toUpper()); // names match ignoring case
    other->AddXY(0, -500);
    y->ZoomToFit();
    EXPECT_EQ(y->Min(), 10);
    plot.GetYAxis(second)->ZoomToFit();
    EXPECT_EQ(plot.GetYAxis(second)->Min(), 0); // one value spans nothing: unchanged

    a->DeletePoints(1); // the running extremes keep the deleted point
    y->SetMinSpan(0, 100);
    y->ZoomToFit();
    EXPECT_EQ(y->Min(), 0);
    y->ZoomToFitFast();
    EXPECT_EQ(y->Min(), 10);
    EXPECT_EQ(y->Span(), 20);
    a->AddXY(2, 20);
    y->ZoomToFit();
    EXPECT_EQ(y->Min(), 20);
    EXPECT_EQ(y->Span(), 10);

    y->SetMinSpan(0, 100);
    plot.ReCalcLayout();
    a->SetMarkersVisible(true); // 3-pixel markers widen the points
    y->ZoomToFit();
    EXPECT_LT(y->Min(), 20);
    EXPECT_GT(y->Max(), 30);
    EXPECT_NEAR(20 - y->Min(), y->Max() - 30, 1e-9);
}

// Expand-collapse on both axes keeps the Y axis on the valid points' range
// after every add, as a full scan of the channel finds it: rising and
// falling values, Null, Empty and NaN points, and a ring that drops the
// points holding the extremes (strip chart and XY plot, ring on and off).
TEST(AxisTracking, ExpandCollapseEqualsAFullScanAfterAddsAndRingOverwrites)
{
    for (bool xy : {false, true})
        for (int ring : {0, 7, 40}) {
            SCOPED_TRACE(std::string(xy ? "XY plot" : "strip chart") + ", ring " + std::to_string(ring));
            std::unique_ptr<TgPlotComponent> plot;
            if (xy)
                plot = std::make_unique<TgXYPlot>(nullptr);
            else
                plot = std::make_unique<TgPlot>(nullptr);
            plot->SetBounds(0, 0, 600, 300);
            TgPlotAxis *yAxis = plot->GetYAxis(0);
            plot->GetXAxis(0)->SetTrackingStyle(iptsExpandCollapse);
            yAxis->SetTrackingStyle(iptsExpandCollapse);
            TgPlotChannelCustom *channel = plot->GetChannel(0);
            if (ring)
                channel->SetRingBufferSize(ring);
            std::mt19937 rng(11);
            std::uniform_int_distribution<int> kind(0, 19), level(-50, 50);
            for (int i = 0; i < 300; ++i) {
                const int k = kind(rng);
                // Long climbs and falls, so that the ring drops extremes.
                const double y = k == 0 ? std::nan("") : (i / 60 % 2 ? 1 : -1) * (i % 60) + level(rng) / 10.0;
                channel->AddXYFlags(i, y, k == 1, k == 2);
                double lo = HUGE_VAL, hi = -HUGE_VAL;
                for (int p = 0; p < channel->Count(); ++p)
                    if (!channel->Data().GetNull(p) && !channel->Data().GetEmpty(p)) {
                        lo = std::min(lo, channel->Data().GetY(p));
                        hi = std::max(hi, channel->Data().GetY(p));
                    }
                if (lo >= hi || k <= 2)
                    continue; // one value keeps the span; a gap or NaN is no value to track
                ASSERT_EQ(yAxis->Min(), lo) << "after point " << i;
                ASSERT_NEAR(yAxis->Max(), hi, 1e-12 * (std::fabs(hi) + 1)) << "after point " << i; // Min + Span
            }
        }
}

} // namespace
