#include "LinkRig.h"
#include "LinkTestUtil.h"

#include <gtest/gtest.h>

TEST(NetLink, ShortReadsAllReachTheCollectorWithoutARepeat)
{
    NetRig rig;
    // Suspended before the link opens: a level request the poll timer sends
    // in between would come first in the traffic lines.
    rig.link->SetPollingSuspended(true);
    ASSERT_TRUE(rig.Open());
    rig.sim.knobs.splitBytes = 3;
    rig.sim.knobs.splitGapMs = 15; // separate reads of 3 bytes
    rig.link->QueueFrame(Gain(6, 280), false);
    ASSERT_TRUE(PumpUntil([&] { return rig.owner.replies.size() == 1; }));
    EXPECT_EQ(rig.owner.replies[0].bytes, kAck);
    PumpFor(100);
    EXPECT_EQ(rig.sim.FrameCount(), 1u);
    const auto lines = rig.owner.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], "NET R 10 02 01 "); // one line per read
}

TEST(NetLink, TheOtherSideClosingIsALinkError)
{
    NetRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    rig.sim.HangUp();
    ASSERT_TRUE(PumpUntil([&] { return !rig.owner.errors.empty(); }));
    EXPECT_EQ(rig.owner.errors[0].code, int(LinkErrorConnectionLost));
}

TEST(NetLink, AFailedSendEndsTheWorkerWithALinkError)
{
    NetRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    rig.link->SetTimeout(100);
    rig.link->SetRetryCount(5);
    rig.sim.HangUp();
    // No events are handled meanwhile, so the socket has not seen the close:
    // only the worker's own send can fail.
    rig.link->QueueFrame(Gain(4, 1), false);
    QElapsedTimer t;
    t.start();
    while (rig.link->IsOpen() && t.elapsed() < 5000)
        QThread::msleep(5);
    EXPECT_FALSE(rig.link->IsOpen());
    ASSERT_TRUE(PumpUntil([&] { return !rig.owner.errors.empty(); }));
    EXPECT_EQ(rig.owner.errors[0].code, int(LinkErrorConnectionLost));
    PumpFor(100);
    EXPECT_EQ(rig.owner.errors.size(), 1u);
}

TEST(NetLink, ARefusedConnectIsALinkError)
{
    uint16_t deadPort;
    {
        SimTcp gone;
        deadPort = gone.Port();
    }
    NetRig rig;
    rig.socket.SetAddress("127.0.0.1");
    rig.socket.SetPort(deadPort);
    ASSERT_TRUE(rig.socket.Open());
    ASSERT_TRUE(rig.OpenLink());
    rig.link->QueueFrame(LCmd(1, 0x10).ToBytes(1), true);
    ASSERT_TRUE(PumpUntil([&] { return !rig.owner.errors.empty(); }));
    EXPECT_EQ(rig.owner.errors[0].code, int(LinkErrorConnectionLost));
}

TEST(NetLink, DataWithNoLinkOpenRepeatsTheLastFrameOnce)
{
    NetRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    rig.link->QueueFrame(Gain(6, 280), false);
    ASSERT_TRUE(PumpUntil([&] { return rig.owner.replies.size() == 1; }));
    rig.link->Close();
    rig.glue.SetLink(nullptr); // the socket stays up
    rig.sim.SendRaw({0x01, 0x02});
    ASSERT_TRUE(PumpUntil([&] { return rig.sim.FrameCount() >= 2; }));
    EXPECT_EQ(rig.sim.Frames()[1], Gain(6, 280));
    // The device answers the repeat; that answer is not repeated again.
    PumpFor(200);
    EXPECT_EQ(rig.sim.FrameCount(), 2u);
}
