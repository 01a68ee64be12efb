// The shared response curves of the window's displays: binding to the
// displays by name, the crossover tick, the value box texts.
#include "EditorCurves.h"
#include "FakePageHost.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "MainLayout.h"
#include "MonotonicClock.h"
#include "Plot.h"
#include "Timer.h"
#include "ValueScales.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CurvesFixture : ::testing::Test {
    CurvesFixture() { MainLayout::Build(host, host.form); }
    // The points the display holds under Key (empty when it holds none).
    std::vector<double> Shown(int Display, int Key)
    {
        int n = 0;
        auto *d = host.Curves().Display(Display);
        if (!d || !d->GetPlotNumPoints(n, Key))
            return {};
        std::vector<double> y(static_cast<size_t>(n));
        d->GetPlotY(y.data(), Key);
        return y;
    }
    FakePageHost host;
};

TEST_F(CurvesFixture, PlotsBindToTheDisplaysOfTheirNamesAndDrawTheirSums)
{
    EditorCurves &c = host.Curves();
    EXPECT_EQ(c.Display(0), host.FindControl("fftDrawInA"));
    EXPECT_EQ(c.Display(11), host.FindControl("fftDrawOut8"));
    EXPECT_EQ(c.Display(EditorCurves::kGainOut), host.FindControl("fftDrawGainOut"));
    EXPECT_EQ(c.Display(EditorCurves::kFirstGeq + 3), host.FindControl("fftDrawGeqInD"));
    EXPECT_EQ(c.Display(0)->XMin(), 966);
    EXPECT_EQ(c.Display(0)->XMax(), 3840);

    CrossoverRecord x = host.model.GetCrossover(5);
    x.hpfFreq = 170;
    x.hpfType = 8; // BW -24
    host.model.SetHighPass(5, x);
    c.UpdateHighPassCurve(5);
    const std::vector<double> sum = Shown(5, Plot::kSumSlot);
    ASSERT_EQ(sum.size(), size_t(kGridPoints));
    for (int i = 0; i < kGridPoints; i += 97)
        EXPECT_DOUBLE_EQ(sum[size_t(i)], c.PlotOf(5).Filter(Plot::kSumSlot).response[i]);
    EXPECT_LT(sum[1000], -20.0); // far below the 1 kHz corner
    EXPECT_TRUE(Shown(4, Plot::kSumSlot).empty());
}

TEST_F(CurvesFixture, CrossoverEditWaitsForItsTickAndTheLastEditWins)
{
    ManualClock clock;
    ScopedClock scope(clock);
    FakePageHost h; // its timer runs on the manual clock
    MainLayout::Build(h, h.form);
    EditorCurves &c = h.Curves();
    PendingCurveEdit e;
    e.kind = 0; // low-pass
    e.channel = 2;
    e.crossoverType = 3; // BW -12
    e.freqHz = 500;
    c.ScheduleHpLpCurve(e);
    e.freqHz = float(IndexToFreq(170));
    c.ScheduleHpLpCurve(e);
    EXPECT_EQ(c.PlotOf(2).Filter(Plot::kLowPassSlot).code, 3); // untouched before the tick
    clock.Advance(1);
    EXPECT_FALSE(c.HpLpTimer()->Enabled());
    EXPECT_DOUBLE_EQ(c.PlotOf(2).Filter(Plot::kLowPassSlot).freqHz, double(float(IndexToFreq(170))));
    EXPECT_LT(c.PlotOf(2).Filter(Plot::kSumSlot).response[3500], -20.0);
}

TEST(ValueTexts, FrequencyGainAndQForms)
{
    EXPECT_EQ(SliderFreqText(1000), "1.00KHz");
    EXPECT_EQ(SliderFreqText(IndexToFreq(0)), " 19.7Hz");
    EXPECT_EQ(SliderFreqText(20160), "20.16KHz");
    EXPECT_EQ(SliderGainText(117), "-0.3dB");
    EXPECT_EQ(SliderGainText(120), "+0.0dB");
    EXPECT_EQ(SliderGainText(240), "+12.0dB");
    EXPECT_EQ(SliderGainText(0), "-12.0dB");
    EXPECT_EQ(SliderQText(35), "3.00");
    EXPECT_EQ(SliderQText(0), "0.40");
    EXPECT_EQ(SliderQText(10), "0.71");
}

} // namespace
