#include "CommandClasses.h"
#include "RequestQueue.h"

#include <gtest/gtest.h>

namespace {
ByteVector Gain(uint8_t ch, uint16_t v) { return CM_MCS_GAIN(1, ch, v).ToBytes(1); }
ByteVector Mute(uint8_t ch, uint8_t m) { return CM_MCS_MUTE(1, ch, m).ToBytes(1); }
ByteVector Peq(uint8_t ch, uint8_t band, uint16_t g) { return CM_MCS_PEQ(1, ch, band, g, 170, 35, 0, 0).ToBytes(1); }
ByteVector Geq(uint8_t in, uint8_t band, uint16_t g) { return CM_MCS_GEQ(1, in, band, g).ToBytes(1); }
ByteVector Mix(uint8_t out, uint8_t in, uint16_t v) { return CM_MCS_MIX(1, out, in, v).ToBytes(1); }

struct Step {
    ByteVector frame;
    bool append;
};
} // namespace

TEST(RequestQueue, CoalescingTable)
{
    struct Case {
        const char *name;
        std::vector<Step> steps;
        std::vector<ByteVector> want;
    };
    const std::vector<Case> cases = {
        {"moves of one slider collapse into the last", {{Gain(6, 1), false}, {Gain(6, 2), false}, {Gain(6, 3), false}},
         {Gain(6, 3)}},
        {"same code, other channel: both kept", {{Gain(4, 1), false}, {Gain(5, 2), false}}, {Gain(4, 1), Gain(5, 2)}},
        {"gain then mute: both, in order", {{Gain(4, 1), false}, {Mute(4, 1), false}}, {Gain(4, 1), Mute(4, 1)}},
        {"append then non-append of the same: both", {{Gain(4, 1), true}, {Gain(4, 2), false}}, {Gain(4, 1), Gain(4, 2)}},
        {"an append frame is never replaced", {{Gain(4, 1), false}, {Gain(4, 2), true}, {Gain(4, 3), false}},
         {Gain(4, 1), Gain(4, 2), Gain(4, 3)}},
        {"PEQ: other band kept, same band replaced",
         {{Peq(0, 1, 1), false}, {Peq(0, 2, 2), false}, {Peq(0, 2, 3), false}}, {Peq(0, 1, 1), Peq(0, 2, 3)}},
        {"GEQ: other band kept", {{Geq(1, 5, 1), false}, {Geq(1, 6, 1), false}}, {Geq(1, 5, 1), Geq(1, 6, 1)}},
        {"MIX: other input kept, same input replaced",
         {{Mix(4, 0, 1), false}, {Mix(4, 1, 1), false}, {Mix(4, 1, 2), false}}, {Mix(4, 0, 1), Mix(4, 1, 2)}},
        {"an older target behind another frame is not replaced",
         {{Gain(4, 1), false}, {Mute(4, 1), false}, {Gain(4, 2), false}}, {Gain(4, 1), Mute(4, 1), Gain(4, 2)}},
    };
    for (const Case &k : cases) {
        RequestQueue q;
        for (const Step &s : k.steps)
            q.Push(s.frame, s.append);
        EXPECT_EQ(std::vector<ByteVector>(q.Frames().begin(), q.Frames().end()), k.want) << k.name;
    }
}

TEST(RequestQueue, TheFrontBeingSentIsNoLongerATarget)
{
    RequestQueue q;
    q.Push(Gain(4, 1), false);
    ByteVector f;
    ASSERT_TRUE(q.PopFront(f));
    q.Push(Gain(4, 2), false);
    EXPECT_EQ(q.Size(), 1u);
    EXPECT_FALSE(q.PopFront(f) && q.PopFront(f));
}
