#include "LinkRig.h"
#include "LinkTestUtil.h"

#include <gtest/gtest.h>

TEST(SerialLink, OpensAt115200_8N1ExclusivelyAndRefusesBadArguments)
{
    SerialRig rig;
    ASSERT_TRUE(rig.Open()) << rig.link->LastError();
    uint32_t baud;
    int bits;
    bool parity, twoStop;
    ASSERT_TRUE(rig.sim.SlaveSettings(baud, bits, parity, twoStop));
    EXPECT_EQ(baud, 115200u);
    EXPECT_EQ(bits, 8);
    EXPECT_FALSE(parity);
    EXPECT_FALSE(twoStop);
    SerialPort::Settings s;
    ASSERT_TRUE(rig.link->GetPortSettings(s));
    EXPECT_EQ(s.baud, 115200u);

    EXPECT_FALSE(rig.Open()); // already open: refused, and it keeps running
    EXPECT_TRUE(rig.link->IsOpen());

    TestOwner owner;
    LCommProc second(owner);
    EXPECT_FALSE(second.Open(rig.sim.SlavePath(), 115200, 8, 0, 0));
    EXPECT_NE(second.LastError().find("in use"), std::string::npos) << second.LastError();
    EXPECT_FALSE(second.Open(0, 115200, 8, 0, 0));
    EXPECT_FALSE(second.Open(99, 115200, 8, 0, 0));
    EXPECT_NE(second.LastError().find("1 to 98"), std::string::npos);
    rig.Close();
    EXPECT_FALSE(second.Open(rig.sim.SlavePath(), 14400, 8, 0, 0));
    EXPECT_NE(second.LastError().find("14400"), std::string::npos) << second.LastError();
    EXPECT_FALSE(second.Open(rig.sim.SlavePath(), 300, 8, 0, 0));
    EXPECT_TRUE(second.Open(rig.sim.SlavePath(), 115200, 8, 0, 0)) << second.LastError();
}

TEST(SerialLink, ThePortSettingsCanBeReadWhileAReplyIsHandled)
{
    SerialRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    bool read = false;
    SerialPort::Settings s;
    rig.owner.onReply = [&](const ByteVector &) { read = rig.link->GetPortSettings(s); };
    rig.link->QueueFrame(Gain(4, 1), false);
    ASSERT_TRUE(PumpUntil([&] { return rig.owner.replies.size() == 1; }));
    EXPECT_TRUE(read);
    EXPECT_EQ(s.baud, 115200u);
}

TEST(SerialLink, UncountedResendsComeFirstAndNeverRewriteADroppedFrame)
{
    SerialRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    rig.sim.knobs.silent = true;
    rig.link->SetTimeout(150);
    rig.link->SetRetryCount(0);
    rig.link->SetUncountedResends(1);
    rig.link->QueueFrame(Gain(4, 1), false);
    ASSERT_TRUE(PumpUntil([&] { return !rig.owner.errors.empty(); }));
    auto times = rig.sim.FrameTimesMs();
    ASSERT_EQ(times.size(), 2u);
    EXPECT_GE(times[1] - times[0], 125);
    EXPECT_GE(rig.owner.errors[0].at - times[0], 275);
    // A grant after the frame was dropped writes nothing.
    rig.link->SetUncountedResends(1);
    PumpFor(500);
    EXPECT_EQ(rig.sim.FrameCount(), 2u);
    EXPECT_EQ(rig.owner.errors.size(), 1u);
}

TEST(SerialLink, AHangUpIsALinkError)
{
    SerialRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    rig.sim.HangUp();
    ASSERT_TRUE(PumpUntil([&] { return !rig.owner.errors.empty(); }));
    EXPECT_EQ(rig.owner.errors[0].code, int(LinkErrorWaitFailed));
    EXPECT_TRUE(PumpUntil([&] { return !rig.link->IsOpen(); }));
    rig.link->QueueFrame(Gain(4, 1), false); // the link takes nothing more
    QElapsedTimer t;
    t.start();
    rig.Close();
    EXPECT_LT(t.elapsed(), 1000);
}

// Line noise can start a frame that never ends: a pause of more than the gap
// ends it, and the next frame is taken, without waiting for the reply timeout.
TEST(SerialLink, APartialFrameIsDroppedAfterTheGapAndTheNextFrameIsTaken)
{
    SerialRig rig;
    ASSERT_TRUE(rig.Open());
    rig.link->SetPollingSuspended(true);
    rig.link->SetTimeout(2000);
    rig.link->SetRetryCount(1);
    rig.sim.knobs.silent = true;
    rig.link->QueueFrame(Gain(4, 1), false);
    ASSERT_TRUE(rig.sim.WaitForFrames(1, 2000));
    rig.sim.SendRaw({0x10, 0x02, 0x01, 0x00, 0x40, 0x24}); // announces 72 bytes
    PumpFor(300);
    rig.sim.SendRaw(kAck);
    ASSERT_TRUE(PumpUntil([&] { return !rig.owner.replies.empty(); }, 1000));
    EXPECT_EQ(rig.owner.replies[0].bytes, kAck);
    EXPECT_EQ(rig.sim.FrameCount(), 1u);
}
