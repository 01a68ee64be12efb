#include "PeqValueEntry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TypedRow {
    const char *text;
    bool accepted;
    int position = 0;  // when accepted
    const char *shown = ""; // text of the resulting position
};

TEST(PeqValueEntry, TypedFrequency)
{
    const TypedRow rows[] = {
        {"1.5kHz", true, 18, "1.52KHz"}, {"1.5k", true, 18, "1.52KHz"}, {"1500", true, 18, "1.52KHz"},
        {"100", true, -100, "99.2Hz"},   {"1000hz", true, 0, "1.00KHz"}, {"30000", true, 130, "20.16KHz"},
        {"5", true, -170, "19.7Hz"},     {"0.001", true, -170, "19.7Hz"}, {"20K", true, 130, "20.16KHz"},
        {"0", false}, {"0Hz", false}, {"0.0", false}, {"00", false}, {".0", false}, {".0k", false},
        {"abc", false}, {"1.2.3", false}, {"20KHz5", false}, {"", false}, {".", false}, {"Hz", false},
        {"1,000", false}, {"1,5k", false}, {"-100", false}, {"1e3", false},
    };
    for (const TypedRow &r : rows) {
        int pos = 12345;
        EXPECT_EQ(TypedFreqPosition(QString::fromUtf8(r.text), pos), r.accepted) << r.text;
        if (r.accepted) {
            EXPECT_EQ(pos, r.position) << r.text;
            EXPECT_EQ(FreqText(pos), QString::fromUtf8(r.shown)) << r.text;
        } else {
            EXPECT_EQ(pos, 12345) << r.text << " leaves the position alone";
        }
    }
}

TEST(PeqValueEntry, TypedQ)
{
    const TypedRow rows[] = {
        {"200", true, 100, "128.00"}, {"0.1", true, 0, "0.40"}, {"10", true, 56, "10.10"},
        {"1.26", true, 20, "1.26"},   {"3", true, 35, "3.00"},  {"0.0", true, 0, "0.40"},
        {"0", false}, {"", false}, {".", false}, {"1,5", false}, {"1.2.3", false}, {"q", false}, {"-1", false},
    };
    for (const TypedRow &r : rows) {
        int pos = 12345;
        EXPECT_EQ(TypedQPosition(QString::fromUtf8(r.text), pos), r.accepted) << r.text;
        if (r.accepted) {
            EXPECT_EQ(pos, r.position) << r.text;
            EXPECT_EQ(QText(pos), QString::fromUtf8(r.shown)) << r.text;
        }
    }
}

TEST(PeqValueEntry, TypedGain)
{
    const TypedRow rows[] = {
        {"-20dB", true, -120, "-12dB"}, {"1.25", true, 12, "1.2dB"}, {"1-2", true, 10, "1dB"},
        {"-.5", true, -5, "-0.5dB"},    {"3.5DB", true, 35, "3.5dB"}, {"0", true, 0, "0dB"},
        {"12.09", true, 120, "12dB"},   {"-0.09", true, 0, "0dB"},
        {"5.", false}, {"--1", false}, {"-", false}, {".", false}, {"", false}, {"dB", false},
        {"1,5", false}, {"x1", false}, {"1.2.3", false},
    };
    for (const TypedRow &r : rows) {
        int pos = 12345;
        EXPECT_EQ(TypedGainPosition(QString::fromUtf8(r.text), pos), r.accepted) << r.text;
        if (r.accepted) {
            EXPECT_EQ(pos, r.position) << r.text;
            EXPECT_EQ(GainPositionText(pos), QString::fromUtf8(r.shown)) << r.text;
        }
    }
}

TEST(PeqValueEntry, ValuesFromCode)
{
    struct FreqRow {
        double hz;
        int position;
        const char *shown;
    } freqs[] = {
        {1500, 17, "1.48KHz"}, {1300, 11, "1.29KHz"}, {1020, 1, "1.02KHz"}, {1000, 0, "1.00KHz"},
        {19.7, -170, "19.7Hz"}, {20158.7, 130, "20.16KHz"}, {977.2, -1, "977.2Hz"},
        {0, -170, "19.7Hz"}, {-50, -170, "19.7Hz"}, {1e12, 130, "20.16KHz"}, {NAN, -170, "19.7Hz"},
    };
    for (const FreqRow &r : freqs) {
        EXPECT_EQ(FreqPositionFromHz(r.hz), r.position) << r.hz;
        EXPECT_EQ(FreqText(FreqPositionFromHz(r.hz)), QString::fromUtf8(r.shown)) << r.hz;
    }
    // Every grid frequency maps to its own position.
    for (int p = kPeqFreqPosMin; p <= kPeqFreqPosMax; ++p)
        ASSERT_EQ(FreqPositionFromHz(FreqOfPosition(p)), p);

    EXPECT_EQ(GainPositionFromDb(1.2), 12);
    EXPECT_EQ(GainPositionFromDb(1.25), 12);
    EXPECT_EQ(GainPositionFromDb(-0.35), -3);
    EXPECT_EQ(GainPositionFromDb(NAN), 0);
    EXPECT_EQ(GainDbText(1.25), QStringLiteral("1.25dB"));
    EXPECT_EQ(GainDbText(-3), QStringLiteral("-3dB"));

    EXPECT_EQ(QPositionFromValue(20.7), 20);
    EXPECT_EQ(QPositionFromValue(150), 100);
    EXPECT_EQ(QPositionFromValue(-3), 0);
    EXPECT_DOUBLE_EQ(QOfPosition(0), 0.4);
    EXPECT_DOUBLE_EQ(QOfPosition(56), 10.1);
    EXPECT_DOUBLE_EQ(QOfPosition(100), 128);
    EXPECT_DOUBLE_EQ(GainOfPosition(-35), -3.5);
}

} // namespace
