#include <gtest/gtest.h>

#include "SharedConstants.h"
#include "ValueScales.h"

#include <cmath>
#include <string>

namespace {

struct ScaleCase {
    const char *what;
    double got;
    double want;
};

TEST(ValueScalesTest, EdgeCases)
{
    const ScaleCase cases[] = {
        {"FreqToIndex(1000)", double(FreqToIndex(1000)), 170},
        {"IndexToFreq(170)", IndexToFreq(170), 1000},
        {"FreqToIndex exact half k + 0.5 rounds down", double(FreqToIndex(1011.6194403019225)), 170},
        {"FreqToIndex just above the half rounds up", double(FreqToIndex(1011.7)), 171},
        {"FreqToIndex(25000) clamps (309 unclamped)", double(FreqToIndex(25000)), 300},
        {"FreqToIndex(20160)", double(FreqToIndex(20160)), 300},
        {"FreqToIndex(19.7)", double(FreqToIndex(19.7)), 0},
        {"FreqToIndex(10) clamps a negative index", double(FreqToIndex(10)), 0},
        {"FreqToIndex(0)", double(FreqToIndex(0)), 0},
        {"FreqToIndex(-5)", double(FreqToIndex(-5)), 0},
        {"FreqToIndex(NaN)", double(FreqToIndex(std::nan(""))), 0},
        {"FreqToIndex(inf)", double(FreqToIndex(INFINITY)), 300},
        {"QToIndex(3.0)", double(QToIndex(3.0)), 35},
        {"QToIndex(0.71)", double(QToIndex(0.71)), 10},
        {"QToIndex(0.4)", double(QToIndex(0.4)), 0},
        {"QToIndex(128)", double(QToIndex(128)), 100},
        {"QToIndex(200) clamps", double(QToIndex(200)), 100},
        {"QToIndex(0.1) clamps", double(QToIndex(0.1)), 0},
        {"QToIndex(0)", double(QToIndex(0)), 0},
        {"QToIndex(-1)", double(QToIndex(-1)), 0},
        {"GainToIndex(-12)", double(GainToIndex(-12.0)), 0},
        {"GainToIndex(12)", double(GainToIndex(12.0)), 240},
        {"GainToIndex(0.55) truncates", double(GainToIndex(0.55)), 125},
        {"GainToIndex(-0.55) truncates toward zero", double(GainToIndex(-0.55)), 115},
        {"GainToIndex(13) clamps", double(GainToIndex(13.0)), 240},
        {"GainToIndex(-20) clamps", double(GainToIndex(-20.0)), 0},
        {"GainToIndex(NaN)", double(GainToIndex(std::nan(""))), 0},
        {"IndexToGain(120)", IndexToGain(120), 0.0},
        {"IndexToGain(0)", IndexToGain(0), -12.0},
        {"IndexToGain(240)", IndexToGain(240), 12.0},
        {"DelayToSamples(1, ms)", double(DelayToSamples(1.0, 0)), 96},
        {"DelayToSamples(1, m)", double(DelayToSamples(1.0, 1)), 279},
        {"DelayToSamples(1, ft)", double(DelayToSamples(1.0, 2)), 85},
        {"DelayToSamples(680, ms) is the top", double(DelayToSamples(680.0, 0)), 65280},
        {"DelayToSamples(1000, ms) clamps", double(DelayToSamples(1000.0, 0)), 65280},
        {"DelayToSamples(-1, ms) clamps", double(DelayToSamples(-1.0, 0)), 0},
        {"DelayToSamples unit 3", double(DelayToSamples(1.0, 3)), 0},
        {"DelayToSamples unit -1", double(DelayToSamples(1.0, -1)), 0},
        {"IsNumericText(12.5)", double(IsNumericText("12.5")), 1},
        {"IsNumericText(-3)", double(IsNumericText("-3")), 0},
        {"IsNumericText(1.2.3)", double(IsNumericText("1.2.3")), 1},
        {"IsNumericText(empty)", double(IsNumericText("")), 1},
        {"IsNumericText(1e3)", double(IsNumericText("1e3")), 0},
        {"IsNumericText( 1)", double(IsNumericText(" 1")), 0},
        {"PosInText(abc, c)", double(PosInText("abc", "c")), 3},
        {"PosInText(abc, A) is case-sensitive", double(PosInText("abc", "A")), 0},
        {"PosInText(abc, d)", double(PosInText("abc", "d")), 0},
    };
    for (const ScaleCase &c : cases)
        EXPECT_NEAR(c.got, c.want, 1e-9 * std::max(1.0, std::fabs(c.want))) << c.what;

    const std::pair<int, const char *> texts[] = {
        {120, "+12.0dB"}, {0, "+0.0dB"},    {5, "+0.5dB"},     {-5, "-0.5dB"},
        {-200, "-20.0dB"}, {-201, "-20.5dB"}, {-280, "-60.0dB"},
    };
    for (const auto &t : texts)
        EXPECT_EQ(GainText(t.first), t.second) << t.first;
}

TEST(ValueScalesTest, EveryTableIndexRoundTrips)
{
    for (int i = 0; i <= kQIndexMax; ++i)
        EXPECT_EQ(QToIndex(QTable[i]), i) << QTable[i];
    for (int i = 0; i <= kFreqIndexMax; ++i)
        EXPECT_EQ(FreqToIndex(IndexToFreq(i)), i);
    for (int i = 0; i <= kEqGainIndexMax; ++i)
        EXPECT_EQ(GainToIndex(IndexToGain(i) + (i >= 120 ? 0.01 : -0.01)), i);
}

} // namespace
