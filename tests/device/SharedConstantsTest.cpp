#include <gtest/gtest.h>

#include "SharedConstants.h"

#include <cmath>
#include <string>

namespace {

const double kPi = std::acos(-1.0);

TEST(SharedConstantsTest, TablesMapAsTheFiltersAndPagesExpect)
{
    EXPECT_STREQ(RatioTexts[15], "Limit");
    EXPECT_EQ(RatioValues[15], 20.1);
    for (int i = 0; i < 15; ++i) // texts and values agree entry by entry
        EXPECT_NEAR(std::stod(RatioTexts[i]), RatioValues[i], 1e-9) << i;
    EXPECT_EQ(CrossoverSlopeOrder[5], 17);  // Linkwitz-Riley 12
    EXPECT_EQ(CrossoverSlopeOrder[20], 20); // Linkwitz-Riley 48
    EXPECT_EQ(PeqTypeFilterCodes[3], 8);    // low-pass 6 dB
    EXPECT_EQ(PeqTypeFilterCodes[6], 4);    // high-pass 12 dB
    EXPECT_FLOAT_EQ(QTable[10], 0.71f);
    EXPECT_FLOAT_EQ(QTable[35], 3.0f);
    for (int i = 1; i <= 100; ++i)
        EXPECT_LT(QTable[i - 1], QTable[i]) << i;
    EXPECT_EQ(FreqStep, std::pow(2.0, 1.0 / 30.0));
    EXPECT_NEAR(PhaseScale, 18.0 / kPi, 1e-12);
    EXPECT_EQ(GeqCentreFrequencies[17], 1000.0f);
    EXPECT_EQ(GeqCentreFrequencies[30], 20000.0f);
    EXPECT_EQ(std::string(TitleText) + " " + VersionText, "Brelland TQ-62 DSP Processor Editor V1.0");
}

TEST(SharedConstantsTest, ButterworthSectionsFollowTheirFormula)
{
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(ButterworthSections[n - 1][0], n % 2 ? 1.0f : 0.0f) << n;
        int col = 1;
        for (int k = 1; k <= n / 2; ++k) // 2 sin((2k - 1) pi / 2n), rounded to 4 places
            EXPECT_NEAR(ButterworthSections[n - 1][col++], 2 * std::sin((2 * k - 1) * kPi / (2 * n)), 6e-4)
                << n << "/" << k;
        while (col < 5)
            EXPECT_EQ(ButterworthSections[n - 1][col++], 0.0f);
    }
}

TEST(SharedConstantsTest, ColourTablesHaveTheirEntries)
{
    const RgbColour red{255, 0, 0}, navy{0, 0, 128}, purple{128, 0, 128}, maroon{128, 0, 0};
    for (int cycle = 0; cycle < 4; ++cycle) {
        EXPECT_EQ(BandColours[14 * cycle], red);
        EXPECT_EQ(BandColours[14 * cycle + 13], navy);
    }
    EXPECT_EQ(BandColours + kBandColourCount, ChannelColours);
    EXPECT_EQ(ChannelColours[0], purple);  // input A
    EXPECT_EQ(ChannelColours[4], red);     // output 1
    EXPECT_EQ(ChannelColours[17], maroon); // GEQ display of input D
    EXPECT_EQ(&ChannelColours[kChannelColourCount - 1], &PlotColours[kPlotColourCount - 1]);
}

} // namespace
