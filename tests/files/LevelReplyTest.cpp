#include <gtest/gtest.h>

#include "LevelReply.h"
#include "SimProcessor.h"

#include <cmath>
#include <limits>

namespace {

// A 38-byte payload with every channel at the given three bytes.
ByteVector Payload(uint8_t b0, uint8_t b1, uint8_t b2, uint16_t activity = 0)
{
    ByteVector p;
    for (int i = 0; i < 12; ++i)
        p.insert(p.end(), {b0, b1, b2});
    p.push_back(uint8_t(activity & 0xFF));
    p.push_back(uint8_t(activity >> 8));
    return p;
}

ByteVector PayloadOf(float level)
{
    const auto b = SimProcessor::EncodeLevel(level);
    return Payload(b[0], b[1], b[2]);
}

TEST(LevelReplyTest, LevelBytesAndMeterSegments)
{
    struct Case {
        const char *name;
        uint8_t b0, b1, b2;
        float level;   // decoded, after sanitising
        int inSteps;   // of 9
        int outSteps;  // of 8
    };
    const Case cases[] = {
        {"zero counts as -140 dB", 0x00, 0x00, 0x00, 0.0f, 0, 0},
        {"1.0 is 0 dB, the last threshold not exceeded", 0x80, 0x3F, 0x00, 1.0f, 8, 7},
        {"2.0 lights every segment", 0x00, 0x40, 0x00, 2.0f, 9, 8},
        {"0.5 (-6 dB)", 0x00, 0x3F, 0x00, 0.5f, 7, 6},
        {"third byte is the low mantissa byte", 0x80, 0x3F, 0x80, 1.0f + std::ldexp(1.0f, -8), 9, 8},
        {"negative is silence", 0x80, 0xBF, 0x00, 0.0f, 0, 0},
        {"negative zero is silence", 0x00, 0x80, 0x00, 0.0f, 0, 0},
        {"NaN is silence", 0xC0, 0x7F, 0x00, 0.0f, 0, 0},
        {"negative NaN is silence", 0xC0, 0xFF, 0x00, 0.0f, 0, 0},
        {"infinity lights every segment", 0x80, 0x7F, 0x00, std::numeric_limits<float>::infinity(), 9, 8},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        LevelReply r;
        const ByteVector p = Payload(c.b0, c.b1, c.b2);
        ASSERT_TRUE(LevelReply::Decode(p.data(), p.size(), r));
        EXPECT_EQ(r.levels[0], c.level);
        EXPECT_FALSE(std::signbit(r.levels[0]));
        EXPECT_EQ(r.levels[11], c.level);
        EXPECT_EQ(r.Steps(0), c.inSteps);
        EXPECT_EQ(r.Steps(3), c.inSteps);
        EXPECT_EQ(r.Steps(4), c.outSteps);
        EXPECT_EQ(r.Steps(11), c.outSteps);
        EXPECT_FALSE(std::isnan(r.LevelDb(0)));
    }
}

TEST(LevelReplyTest, SilenceIsMinus140Db)
{
    LevelReply r;
    const ByteVector p = Payload(0, 0, 0);
    ASSERT_TRUE(LevelReply::Decode(p.data(), p.size(), r));
    EXPECT_NEAR(r.LevelDb(5), -140.0, 1e-4);
}

TEST(LevelReplyTest, ThresholdEqualToTheLevelStopsTheCount)
{
    // Just below -3 dB: 7 input segments; just above: 8. Around -20 dB the
    // output meter (thresholds ... -25, -20, -15 ...) switches from 3 to 4.
    struct Case {
        double db;
        int inSteps, outSteps;
    };
    const Case cases[] = {{-3.01, 7, 6}, {-2.99, 8, 7}, {-20.01, 4, 3}, {-19.99, 5, 4}, {-65.01, 0, 0}, {-64.99, 1, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.db);
        const ByteVector p = PayloadOf(float(std::pow(10.0, c.db / 20.0)));
        LevelReply r;
        ASSERT_TRUE(LevelReply::Decode(p.data(), p.size(), r));
        EXPECT_EQ(r.Steps(0), c.inSteps);
        EXPECT_EQ(r.Steps(4), c.outSteps);
    }
}

TEST(LevelReplyTest, ChannelsAndActivityWord)
{
    ByteVector p = Payload(0, 0, 0, 0x8102);
    p[3 * 6 + 1] = 0x3F; // channel 6 (output 3): 0.5
    LevelReply r;
    ASSERT_TRUE(LevelReply::Decode(p.data(), p.size(), r));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(r.levels[i], i == 6 ? 0.5f : 0.0f) << i;
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(r.IsCompressorActive(k), k == 1) << k;
        EXPECT_EQ(r.IsLimiterActive(k), k == 0 || k == 7) << k;
    }
}

TEST(LevelReplyTest, ShortReplyIsRefusedLongerOneIsRead)
{
    ByteVector p = Payload(0x80, 0x3F, 0x00, 0x0001);
    LevelReply r;
    r.levels.fill(0.25f);
    r.activity = 0x4000;
    EXPECT_FALSE(LevelReply::Decode(p.data(), 37, r));
    EXPECT_FALSE(LevelReply::Decode(p.data(), 0, r));
    EXPECT_FALSE(LevelReply::Decode(nullptr, 38, r));
    EXPECT_EQ(r.levels[0], 0.25f);
    EXPECT_EQ(r.activity, 0x4000);
    p.push_back(0x77);
    EXPECT_TRUE(LevelReply::Decode(p.data(), p.size(), r));
    EXPECT_EQ(r.levels[0], 1.0f);
    EXPECT_EQ(r.activity, 1);
    // Channels outside 0 to 11 read as silence instead of past the levels.
    for (int ch : {-1, 12}) {
        EXPECT_EQ(r.Steps(ch), 0) << ch;
        EXPECT_NEAR(r.LevelDb(ch), LevelReply::kSilenceDb, 1e-4) << ch;
    }
}

} // namespace
