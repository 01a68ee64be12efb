#include "LinkRig.h"
#include "LinkTestUtil.h"
#include "SplitProxy.h"

#include <algorithm>

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

namespace {

// The network link behind a proxy that splits the simulator's replies.
struct SplitRow {
    explicit SplitRow(const SplitProxy::Split &s) : proxy(rig.sim.Port(), s) {}
    bool Open()
    {
        rig.link->SetPollingSuspended(true);
        return rig.Connect(proxy.Port()) && rig.OpenLink();
    }
    NetRig rig;
    SplitProxy proxy;
};

std::string Describe(const SplitProxy::Split &s)
{
    std::string text = "cuts";
    for (size_t cut : s.cuts)
        text += " " + std::to_string(cut);
    return text + ", pause " + std::to_string(s.pauseMs) + " ms";
}

} // namespace

// TCP keeps the bytes and their order, but a lost segment comes again only
// 200 ms or more later: the pieces of a reply belong together whatever the
// pause. The rows run at once, so the run takes about its longest pause.
TEST(NetLink, RepliesSplitAnywhereAndPausedAreDeliveredOnceWithoutAResend)
{
    std::vector<SplitProxy::Split> splits;
    for (int pause : {0, 250, 600})
        for (size_t cut = 1; cut < kAck.size(); ++cut)
            splits.push_back({{cut}, pause});
    for (size_t a = 1; a < kAck.size(); ++a)
        for (size_t b = a + 1; b < kAck.size(); ++b)
            splits.push_back({{a, b}, 250});
    std::vector<std::unique_ptr<SplitRow>> rows;
    for (const auto &s : splits) {
        rows.push_back(std::make_unique<SplitRow>(s));
        ASSERT_TRUE(rows.back()->Open());
        rows.back()->rig.link->SetTimeout(1000);
        rows.back()->rig.link->SetRetryCount(1);
    }
    for (auto &r : rows)
        r->rig.link->QueueFrame(Gain(6, 280), false);
    PumpUntil([&] {
        return std::all_of(rows.begin(), rows.end(), [](const auto &r) { return !r->rig.link->IsBusy(); });
    });
    PumpFor(100);
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string name = Describe(splits[i]);
        const TestOwner &o = rows[i]->rig.owner;
        EXPECT_EQ(o.replies.size(), 1u) << name;
        if (!o.replies.empty()) {
            EXPECT_EQ(o.replies[0].bytes, kAck) << name;
        }
        EXPECT_EQ(rows[i]->rig.sim.FrameCount(), 1u) << name << ": the frame was sent again";
        EXPECT_TRUE(o.errors.empty()) << name;
    }
}

TEST(NetLink, AReplyThatNeverCompletesEndsInTheResendsAndALinkError)
{
    SplitRow row({{}, 0, 5}); // the first five bytes of every reply, never the rest
    ASSERT_TRUE(row.Open());
    row.rig.link->SetTimeout(300);
    row.rig.link->SetRetryCount(1);
    row.rig.link->QueueFrame(Gain(6, 280), false);
    ASSERT_TRUE(PumpUntil([&] { return !row.rig.owner.errors.empty(); }, 5000));
    EXPECT_EQ(row.rig.owner.errors[0].code, int(LinkErrorNoReply));
    EXPECT_EQ(row.rig.sim.FrameCount(), 2u);
    const auto times = row.rig.sim.FrameTimesMs();
    EXPECT_GE(row.rig.owner.errors[0].at - times[0], 550);
    EXPECT_TRUE(row.rig.owner.replies.empty());
}

// The start of a long frame that never completes, then the resend's whole
// reply: the reply must not be taken as more bytes of the stale frame.
TEST(NetLink, TheResendsReplyIsNotGluedOntoAStalePartialFrame)
{
    NetRig rig;
    rig.link->SetPollingSuspended(true);
    ASSERT_TRUE(rig.Open());
    rig.link->SetTimeout(800);
    rig.link->SetRetryCount(1);
    rig.sim.knobs.dropReplies = 1;
    rig.link->QueueFrame(Gain(6, 280), false);
    ASSERT_TRUE(rig.sim.WaitForFrames(1, 2000));
    rig.sim.SendRaw({0x10, 0x02, 0x01, 0x00, 0x40, 0x24}); // announces 72 bytes
    ASSERT_TRUE(PumpUntil([&] { return !rig.owner.replies.empty() || !rig.owner.errors.empty(); }, 5000));
    ASSERT_EQ(rig.owner.replies.size(), 1u);
    EXPECT_EQ(rig.owner.replies[0].bytes, kAck);
    EXPECT_EQ(rig.sim.FrameCount(), 2u);
    PumpFor(100);
    EXPECT_TRUE(rig.owner.errors.empty());
}
