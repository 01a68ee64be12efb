#include "LinkRig.h"
#include "LinkTestUtil.h"

#include <gtest/gtest.h>

TEST(UsbLink, ChunksHandedInBeforeTheWorkerDrainsAreAllKept)
{
    UsbRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    rig.sim.knobs.silent = true;
    rig.link->QueueFrame(Gain(4, 1), false);
    ASSERT_TRUE(rig.sim.WaitForFrames(1, 2000));
    // Both halves go in at once, on the UI thread, before the worker runs.
    rig.link->PutReceived(kAck.data(), 4);
    rig.link->PutReceived(kAck.data() + 4, kAck.size() - 4);
    ASSERT_TRUE(PumpUntil([&] { return rig.owner.replies.size() == 1; }));
    EXPECT_EQ(rig.owner.replies[0].bytes, kAck);
    PumpFor(50);
    EXPECT_EQ(rig.owner.replies.size(), 1u);
}
