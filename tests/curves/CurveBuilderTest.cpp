#include <gtest/gtest.h>

#include "CurveBuilder.h"
#include "FrequencyGrid.h"
#include "LUnitControl.h"
#include "Plot.h"
#include "PlotDisplay.h"
#include "SharedConstants.h"
#include "ValueScales.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// Records what the curve maths draws.
class RecordingDisplay : public PlotDisplay {
public:
    struct Curve {
        int key;
        RgbColour colour;
        std::vector<double> y;
    };
    struct Block {
        int index, style;
        double x, y;
        RgbColour colour;
        double freq, gain, q;
        int code;
    };
    std::vector<Curve> curves;
    std::vector<Block> blocks;
    std::vector<int> removed;
    std::vector<std::string> calls;
    int paramSlotType = -1;
    double paramX = 0, paramY = 0;
    float paramFreq = 0;
    std::vector<double> fill;

    void FFTDraw(const double *y, int count, int key, RgbColour colour, int) override
    {
        curves.push_back({key, colour, std::vector<double>(y, y + count)});
    }
    bool RemovePlot(int key) override
    {
        removed.push_back(key);
        return true;
    }
    void DrawBlock(double y, double x, RgbColour colour, int index, bool, int style) override
    {
        blocks.push_back({index, style, x, y, colour, 0, 0, 0, 0});
    }
    void SetBlockParameter(int index, double freq, double gain, double q, int code) override
    {
        ASSERT_FALSE(blocks.empty());
        ASSERT_EQ(blocks.back().index, index);
        blocks.back().freq = freq, blocks.back().gain = gain, blocks.back().q = q, blocks.back().code = code;
    }
    void DrawParam(int type, double y, double x, float freq, double, RgbColour) override
    {
        calls.push_back("param");
        paramSlotType = type, paramX = x, paramY = y, paramFreq = freq;
    }
    void DrawCurveFill(int, const double *y, int count) override
    {
        calls.push_back("fill");
        fill.assign(y, y + count);
    }
    void SetCurveDisplay(bool on) override { calls.push_back(on ? "show" : "hide"); }
};

struct SectionRow {
    int type;
    // Codes (high-pass) of slots 34-38, 0 for a slot not set by the build;
    // with A and B of each.
    int codes[5];
    float a[5], b[5];
    int totalCode;
    float totalA, totalB;
};

constexpr int F = 10; // flat

// Every slope type's sections as the high-pass builds them (the low-pass uses
// codes 11, 12, 13 where these say 14, 15, 16).
const SectionRow kSlopeRows[] = {
    {0, {}, {}, {}, 10, 0, 0},
    {1, {}, {}, {}, 14, 1, 0},
    {2, {14, F, F, F, F}, {1.0f}, {}, 14, 1.0f, 0},
    {3, {F, 15, F, F, F}, {0, 1.4142f}, {}, 15, 1.4142f, 0},
    {4, {F, 16, F, F, F}, {0, 1.3617f}, {0, 0.618f}, 16, 1.3617f, 0.618f},
    {5, {14, 14, F, F, F}, {1, 1}, {}, 14, 1, 0},
    {6, {14, 15, F, F, F}, {1, 1.0f}, {}, 15, 1.0f, 0},
    {7, {14, 16, F, F, F}, {0.756f, 0.9996f}, {0, 0.4772f}, 16, 0.9996f, 0.4772f},
    {8, {F, 15, 15, F, F}, {0, 0.7654f, 1.8478f}, {}, 15, 1.8478f, 0},
    {9, {F, 16, 16, F, F}, {0, 1.3397f, 0.7743f}, {0, 0.4889f, 0.389f}, 16, 0.7743f, 0.389f},
    {10, {15, 15, F, F, F}, {1.4142f, 1.4142f}, {}, 15, 1.4142f, 0},
    {11, {14, 15, 15, F, F}, {1, 0.618f, 1.618f}, {}, 15, 1.618f, 0},
    {12, {14, 16, 16, F, F}, {0.6656f, 1.1402f, 0.6216f}, {0, 0.4128f, 0.3245f}, 16, 0.6216f, 0.3245f},
    {13, {F, 15, 15, 15, F}, {0, 0.5176f, 1.4142f, 1.9319f}, {}, 15, 1.9319f, 0},
    {14, {F, 16, 16, 16, F}, {0, 1.2217f, 0.9686f, 0.5131f}, {0, 0.3887f, 0.3505f, 0.2756f}, 16, 0.5131f, 0.2756f},
    {15, {14, 14, 15, 15, F}, {1, 1, 1.0f, 1.0f}, {}, 15, 1.0f, 0},
    {16, {14, 15, 15, 15, F}, {1, 0.445f, 1.247f, 1.8019f}, {}, 15, 1.8019f, 0},
    {17, {14, 16, 16, 16, F}, {0.5937f, 1.0944f, 0.8304f, 0.4332f}, {0, 0.3395f, 0.3011f, 0.2381f}, 16, 0.4332f, 0.2381f},
    {18, {F, 15, 15, 15, 15}, {0, 0.3902f, 1.1111f, 1.6629f, 1.9616f}, {}, 15, 1.9616f, 0},
    {19, {F, 16, 16, 16, 16}, {0, 1.1112f, 0.9754f, 0.7202f, 0.3728f}, {0, 0.3162f, 0.2979f, 0.2621f, 0.2087f}, 16, 0.3728f, 0.2087f},
    {20, {15, 15, 15, 15, F}, {1.8478f, 1.8478f, 0.7654f, 0.7654f}, {}, 15, 0.7654f, 0},
};

int LowPassCode(int highPassCode)
{
    return highPassCode >= 14 && highPassCode <= 16 ? highPassCode - 3 : highPassCode;
}

TEST(CurveBuilder, EverySlopeTypeBuildsItsSectionsAndTotal)
{
    for (const SectionRow &r : kSlopeRows) {
        for (bool high : {true, false}) {
            SCOPED_TRACE(testing::Message() << "type " << r.type << (high ? " high-pass" : " low-pass"));
            Plot plot;
            // Sections of an earlier, longer build must not survive.
            BuildHpLpCurve(plot, high, 18, 500.0);
            BuildHpLpCurve(plot, high, r.type, 1200.0);
            const PlotFilter &t = plot.Filter(high ? 31 : 32);
            EXPECT_EQ(t.code, high ? r.totalCode : LowPassCode(r.totalCode));
            EXPECT_EQ(t.sectionA, r.totalA);
            EXPECT_EQ(t.sectionB, r.totalB);
            EXPECT_EQ(t.freqHz, 1200.0);
            if (r.type < 2)
                continue;
            for (int k = 0; k < 5; ++k) {
                const PlotFilter &s = plot.Filter(34 + k);
                EXPECT_EQ(s.code, high ? r.codes[k] : LowPassCode(r.codes[k])) << k;
                EXPECT_EQ(s.sectionA, r.a[k]) << k;
                EXPECT_EQ(s.sectionB, r.b[k]) << k;
                EXPECT_EQ(s.freqHz, s.code == F ? 1000.0 : 1200.0) << k;
            }
        }
    }
}

TEST(CurveBuilder, CornersFallByTheirFamilysAmount)
{
    // Corner on a grid point; Butterworth and Bessel filters are -3.010 dB
    // there, Linkwitz-Riley ones -6.021 dB. A digit swap in a section value
    // moves a corner by more than the tolerance.
    const int point = 2400;
    const double corner = GridFrequency(point);
    for (int type = 1; type <= 20; ++type) {
        const int row = CrossoverSlopeOrder[type];
        const double expected = row >= 17 ? -6.021 : -3.010;
        for (bool high : {true, false}) {
            Plot plot;
            BuildHpLpCurve(plot, high, type, corner);
            EXPECT_NEAR(plot.Filter(high ? 31 : 32).response[point], expected, 0.002)
                << "type " << type << (high ? " high-pass" : " low-pass");
        }
    }
}

TEST(CurveBuilder, TotalIsTheSumOfItsSectionsAndFollowsTheMode)
{
    for (uint8_t mode : {0, 1}) {
        Plot plot;
        plot.SetPhaseMode(mode);
        BuildHpLpCurve(plot, false, 19, 3000.0);
        for (int i = 0; i < kGridPoints; i += 5) {
            double s = 0;
            for (int k = 34; k <= 38; ++k)
                s += plot.Filter(k).response[i];
            ASSERT_EQ(plot.Filter(32).response[i], s) << i;
        }
    }
}

TEST(CurveBuilder, LinkwitzRiley24AfterButterworth48LeavesNoFourthSection)
{
    Plot plot;
    BuildHpLpCurve(plot, true, 18, 800.0);
    BuildHpLpCurve(plot, true, 10, 800.0);
    for (int k : {36, 37, 38})
        for (double v : plot.Filter(k).response)
            ASSERT_EQ(v, 0.0) << k;
    Plot lk;
    BuildHpLpCurve(lk, true, 10, 800.0);
    for (int i = 0; i < kGridPoints; ++i)
        ASSERT_EQ(plot.Filter(31).response[i], lk.Filter(31).response[i]);
}

TEST(CurveBuilder, BypassIsFlatAndBothFirstOrderTypesAgree)
{
    Plot plot;
    BuildHpLpCurve(plot, true, 0, 5000.0);
    for (double v : plot.Filter(31).response)
        ASSERT_EQ(v, 0.0);
    Plot bw, bl;
    BuildHpLpCurve(bw, true, 1, 200.0);
    BuildHpLpCurve(bl, true, 2, 200.0);
    for (int i = 0; i < kGridPoints; ++i)
        ASSERT_NEAR(bw.Filter(31).response[i], bl.Filter(31).response[i], 1e-12);
    // The low-pass after the high-pass leaves the high-pass total alone.
    const std::vector<double> high(bw.Filter(31).response.begin(), bw.Filter(31).response.end());
    BuildHpLpCurve(bw, false, 18, 4000.0);
    EXPECT_EQ(std::vector<double>(bw.Filter(31).response.begin(), bw.Filter(31).response.end()), high);
}

TEST(CurveBuilder, LookupsClampUnknownTypesToFlat)
{
    EXPECT_EQ(PeqTypeFilterCode(8), 17);
    EXPECT_EQ(PeqTypeFilterCode(9), 0);
    for (int t : {-1, 10, 200, 255})
        EXPECT_EQ(PeqTypeFilterCode(t), 0) << t;
    EXPECT_TRUE(IsKnownPeqType(8));
    EXPECT_FALSE(IsKnownPeqType(9));
    EXPECT_EQ(QTableValue(101), double(QTable[100]));
    EXPECT_EQ(QTableValue(255), double(QTable[100]));
    EXPECT_EQ(QTableValue(-3), double(QTable[0]));
    EXPECT_EQ(CrossoverSlopeRow(20), 20);
    for (int t : {-1, 21, 255})
        EXPECT_EQ(CrossoverSlopeRow(t), 0) << t;

    Plot plot;
    for (int type : {9, 10, 255}) {
        SetPeqSlot(plot, 2, PeqCurveBand{1000.0, 12.0, 2.0, type, false});
        for (double v : plot.Filter(2).response)
            ASSERT_EQ(v, 0.0) << type;
    }
    for (int type : {21, 255}) {
        BuildHpLpCurve(plot, false, type, 1000.0);
        for (double v : plot.Filter(32).response)
            ASSERT_EQ(v, 0.0) << type;
    }
    // A Q index past the table draws with the table's last Q.
    LUnitControl model;
    const PeqCurveBand band = PeqCurveBandFromModel(PeqBand{240, 170, 200, 0}, false);
    EXPECT_EQ(band.q, double(QTable[100]));
    EXPECT_NEAR(band.gainDb, 12.0, 1e-12);
    EXPECT_EQ(band.freqHz, 1000.0);
}

TEST(CurveBuilder, PeqBandsDrawTheirHandlesAndASumInTheChannelColour)
{
    RecordingDisplay display;
    Plot plot(&display);
    std::vector<PeqCurveBand> bands(9);
    for (int n = 0; n < 9; ++n)
        bands[size_t(n)] = PeqCurveBand{IndexToFreq(31 + 32 * n), 3.0, 1.0, 0, n == 4};
    BuildPeqCurve(plot, bands.data(), 9, 6);
    ASSERT_EQ(display.blocks.size(), 9u);
    for (int n = 0; n < 9; ++n) {
        const auto &b = display.blocks[size_t(n)];
        EXPECT_EQ(b.index, n);
        EXPECT_EQ(b.style, 1);
        EXPECT_EQ(b.y, 3.0); // bypassed bands too
        EXPECT_EQ(b.colour, BandColours[n]);
        EXPECT_NEAR(b.x, 4096 * std::log10(bands[size_t(n)].freqHz) / std::log10(48000.0), 1e-9);
        EXPECT_EQ(b.code, n == 4 ? 10 : 1);
    }
    ASSERT_EQ(display.curves.size(), 1u);
    EXPECT_EQ(display.curves[0].key, 33);
    EXPECT_EQ(display.curves[0].colour, ChannelColours[6]);
    for (double v : plot.Filter(4).response)
        ASSERT_EQ(v, 0.0); // the bypassed band
    for (int i = 0; i < kGridPoints; i += 11) {
        double s = 0;
        for (int n = 0; n < 9; ++n)
            s += plot.Filter(n).response[i];
        ASSERT_NEAR(display.curves[0].y[size_t(i)], s, 1e-12);
    }
}

TEST(CurveBuilder, MarkerAndFillOfTheSelectedBand)
{
    RecordingDisplay display;
    Plot plot(&display);
    plot.Filter(0).Set(4, 1000, 2, 1);
    plot.DrawFilled(0, -1, 4.0f, 2.0f, true);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"param", "fill", "show"}));
    EXPECT_NEAR(display.paramX, 2624.94, 0.01);
    EXPECT_EQ(display.paramY, 4.0);
    EXPECT_EQ(display.paramFreq, 1000.0f);
    EXPECT_EQ(display.fill, std::vector<double>(plot.Filter(0).response.begin(), plot.Filter(0).response.end()));
    display.calls.clear();
    plot.DrawFilled(3, 40, 1.0f, 1.0f, false);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"hide"}));
    plot.RemoveCurve(33);
    EXPECT_EQ(display.removed, (std::vector<int>{33}));
    BuildHpLpCurve(plot, false, 3, 1000.0);
    EXPECT_EQ(display.blocks.back().index, 32);
    EXPECT_EQ(display.blocks.back().style, 2);
    EXPECT_EQ(display.blocks.back().y, 0.0);
}

TEST(CurveBuilder, GeqBandsArePeaksAtTheirCentres)
{
    Plot plot;
    uint16_t geq[kGeqBands];
    std::fill(std::begin(geq), std::end(geq), uint16_t(120));
    BuildGeqCurve(plot, geq, 14);
    for (double v : plot.Filter(Plot::kSumSlot).response)
        ASSERT_EQ(v, 0.0);
    geq[17] = 240; // +12 dB at 1 kHz
    BuildGeqCurve(plot, geq, 14);
    EXPECT_NEAR(plot.Filter(Plot::kSumSlot).response[2625], 12.0, 0.01);
    EXPECT_LT(plot.Filter(Plot::kSumSlot).response[2300], 1.0); // an octave below
}

TEST(CurveBuilder, ChannelTotalIsItsBandsPlusItsFilters)
{
    LUnitControl model;
    model.SetPeqBand(5, 2, PeqBand{150, 120, 20, 0}, false);
    model.SetPeqBand(5, 6, PeqBand{90, 230, 10, 2}, false);
    model.SetPeqBand(5, 7, PeqBand{200, 250, 40, 0}, true);
    model.SetHighPass(5, CrossoverRecord{40, 0, 8, 0});
    model.SetLowPass(5, CrossoverRecord{0, 260, 0, 19});
    for (uint8_t mode : {0, 1}) {
        Plot plot;
        plot.SetPhaseMode(mode);
        BuildChannelCurves(plot, model, 5);
        EXPECT_EQ(plot.Filter(31).code, 15);
        EXPECT_EQ(plot.Filter(31).freqHz, double(float(IndexToFreq(40))));
        EXPECT_EQ(plot.Filter(32).code, 13);
        EXPECT_EQ(plot.Filter(7).code, 10);
        EXPECT_EQ(plot.Filter(6).code, 3);
        if (mode == 0) {
            for (int i = 0; i < kGridPoints; i += 13) {
                double s = 0;
                for (int slot = 0; slot < 33; ++slot)
                    s += plot.Filter(slot).response[i];
                ASSERT_EQ(plot.Filter(33).response[i], s) << i;
            }
        }
    }
}

} // namespace
