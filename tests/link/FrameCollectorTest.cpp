#include "FrameCollector.h"

#include <gtest/gtest.h>

namespace {

const ByteVector kGainAck = {0x10, 0x02, 0x01, 0x00, 0x01, 0x01, 0x10, 0x03, 0x00};
const ByteVector kLevels = {0x10, 0x02, 0x01, 0x00, 0x04, 0x40, 0x10, 0x03, 0x02, 0x10, 0x03, 0x77};

constexpr int64_t kGapMs = 200;

struct Collected {
    explicit Collected(int64_t gapMs = kGapMs) : c(gapMs) {}
    FrameCollector c;
    std::vector<ByteVector> frames;
    void Feed(const ByteVector &b, int64_t at = 0)
    {
        c.Feed(b.data(), b.size(), at, [&](const ByteVector &f) { frames.push_back(f); });
    }
};

ByteVector Cat(std::initializer_list<ByteVector> parts)
{
    ByteVector out;
    for (const auto &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace

TEST(FrameCollector, StreamsAndTheFramesTheyYield)
{
    struct Case {
        const char *name;
        ByteVector stream;
        std::vector<ByteVector> want;
    };
    const std::vector<Case> cases = {
        {"junk prefix", Cat({{0x55, 0xAA, 0x03}, kGainAck}), {kGainAck}},
        {"0x55 0x10 then the frame: starts at the first 0x10", Cat({{0x55, 0x10}, kGainAck}), {kGainAck}},
        {"two replies in one chunk", Cat({kGainAck, kLevels}), {kGainAck, kLevels}},
        {"0x10 0x03 inside the payload is data", kLevels, {kLevels}},
        {"wrong check byte is still a frame", {0x10, 0x02, 0x01, 0x00, 0x01, 0x01, 0x10, 0x03, 0xEE},
         {{0x10, 0x02, 0x01, 0x00, 0x01, 0x01, 0x10, 0x03, 0xEE}}},
        {"end bytes not where LEN puts them: resynchronised on the next frame",
         Cat({{0x10, 0x02, 0x01, 0x00, 0x09, 0x01, 0x10, 0x03, 0x00}, kGainAck, {0, 0, 0}}), {kGainAck}},
        {"LEN 0 is no frame", Cat({{0x10, 0x02, 0x01, 0x00, 0x00, 0x10, 0x03, 0x00}, kGainAck}), {kGainAck}},
        {"a frame that starts inside a garbled one is found",
         Cat({{0x10, 0x02, 0x01, 0x00, 0x05}, kGainAck, {0x00, 0x00, 0x00}}), {kGainAck}},
    };
    for (const Case &k : cases) {
        Collected c;
        c.Feed(k.stream);
        EXPECT_EQ(c.frames, k.want) << k.name;
    }
}

TEST(FrameCollector, ReplySplitAnywhereIsDeliveredOnceWithItsLastByte)
{
    const ByteVector stream = Cat({{0x55}, kLevels, kGainAck});
    for (size_t cut = 0; cut <= stream.size(); ++cut) {
        Collected c;
        c.Feed(ByteVector(stream.begin(), stream.begin() + long(cut)), 0);
        c.Feed(ByteVector(stream.begin() + long(cut), stream.end()), 10);
        EXPECT_EQ(c.frames, (std::vector<ByteVector>{kLevels, kGainAck})) << "cut at " << cut;
    }
}

TEST(FrameCollector, APartialFrameIsDroppedAfterAGap)
{
    Collected c;
    c.Feed({0x10, 0x02, 0x01, 0x00, 0x01}, 0);
    c.Feed(kGainAck, kGapMs + 1);
    EXPECT_EQ(c.frames, std::vector<ByteVector>{kGainAck});
    // Within the gap the bytes still belong together.
    Collected d;
    d.Feed({0x10, 0x02, 0x01, 0x00}, 0);
    d.Feed({0x01, 0x01, 0x10, 0x03, 0x00}, kGapMs);
    EXPECT_EQ(d.frames.size(), 1u);
}

TEST(FrameCollector, WithoutAGapPiecesBelongTogetherUntilReset)
{
    Collected c(FrameCollector::kNoGap);
    c.Feed({0x10, 0x02, 0x01}, 0);
    c.Feed({0x00, 0x01, 0x01}, 600);
    c.Feed({0x10, 0x03, 0x00}, 3600000);
    EXPECT_EQ(c.frames, std::vector<ByteVector>{kGainAck});
    // A stale start that announces more bytes than the next reply brings
    // would swallow that reply; a reset lets the reply stand alone.
    const ByteVector stale = {0x10, 0x02, 0x01, 0x00, 0x40};
    Collected glued(FrameCollector::kNoGap);
    glued.Feed(stale, 0);
    glued.Feed(kGainAck, 1000);
    EXPECT_TRUE(glued.frames.empty());
    c.Feed(stale, 0);
    c.c.Reset();
    c.Feed(kGainAck, 1000);
    EXPECT_EQ(c.frames, (std::vector<ByteVector>{kGainAck, kGainAck}));
}
