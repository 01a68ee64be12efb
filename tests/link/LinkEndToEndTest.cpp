#include "LinkRig.h"
#include "LinkTestUtil.h"

#include <gtest/gtest.h>

// The behaviour the three links share, each against the simulator over its
// own transport: a pseudo-terminal, the HID packet pair and loopback TCP.
class LinkE2E : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        rig = MakeRig(GetParam());
        ASSERT_TRUE(rig->Open()) << rig->Kind();
        rig->SetPollingSuspended(true);
    }
    void TearDown() override { rig.reset(); }
    SimFrontEnd &sim() { return rig->Sim(); }
    uint16_t OutputGain(int out)
    {
        return sim().WithSim([&](SimProcessor &s) { return s.image.outputs[out].gain; });
    }
    std::unique_ptr<Rig> rig;
};

INSTANTIATE_TEST_SUITE_P(Transports, LinkE2E, ::testing::Values("serial", "usb", "net"),
                         [](const ::testing::TestParamInfo<std::string> &i) { return i.param; });

TEST_P(LinkE2E, AnIdleLinkWritesAtOnceABusyOneQueues)
{
    sim().knobs.replyDelayMs = 300;
    rig->QueueFrame(Gain(4, 100), false);
    ASSERT_TRUE(sim().WaitForFrames(1, 2000));
    EXPECT_TRUE(rig->IsBusy());
    rig->QueueFrame(Mute(4, 1), false);
    EXPECT_EQ(rig->QueuedCount(), 1u);
    PumpFor(100);
    EXPECT_EQ(sim().FrameCount(), 1u); // the second waits for the first reply
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == 2; }));
    EXPECT_EQ(sim().Frames(), (std::vector<ByteVector>{Gain(4, 100), Mute(4, 1)}));
    EXPECT_GE(rig->owner.replies[0].ms, 280u); // round trip includes the device's delay
    EXPECT_TRUE(PumpUntil([&] { return !rig->IsBusy(); }));
    EXPECT_EQ(OutputGain(0), 100);
}

// A queued frame goes out as soon as the reply before it is complete, while
// the main window still handles that reply; the device never has two frames.
// During each reply the link tells how many frames follow the answered one.
TEST_P(LinkE2E, TheNextFrameLeavesWhileAReplyIsHandled)
{
    const std::vector<ByteVector> frames = {Gain(4, 100), Mute(4, 1), Gain(5, 7), Mute(6, 1)};
    std::vector<size_t> behind;
    std::vector<bool> nextAlreadySent;
    rig->owner.onReply = [&](const ByteVector &) {
        behind.push_back(rig->FramesBehind());
        const size_t answered = rig->owner.replies.size();
        nextAlreadySent.push_back(answered < frames.size() && sim().WaitForFrames(answered + 1, 2000));
    };
    for (const ByteVector &f : frames)
        rig->QueueFrame(f, true);
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == frames.size() && !rig->IsBusy(); }));
    EXPECT_EQ(behind, (std::vector<size_t>{3, 2, 1, 0}));
    EXPECT_EQ(nextAlreadySent, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(sim().Frames(), frames);
    // A frame that a reply's handler queues still goes out after it.
    rig->owner.onReply = [&](const ByteVector &) {
        if (rig->owner.replies.size() == frames.size() + 1)
            rig->QueueFrame(Mute(7, 1), true);
    };
    rig->QueueFrame(Gain(7, 9), true);
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == frames.size() + 2 && !rig->IsBusy(); }));
    EXPECT_EQ(sim().Frames().back(), Mute(7, 1));
}

TEST_P(LinkE2E, CoalescingKeepsEveryChannelsLastValue)
{
    struct Step {
        ByteVector frame;
        bool append;
    };
    struct Case {
        const char *name;
        std::vector<Step> whileBusy;
        std::vector<ByteVector> wire; // after the frame that made the link busy
        std::vector<std::pair<int, uint16_t>> gains; // output, last value
    };
    const std::vector<Case> cases = {
        {"same code, other channels",
         {{Gain(5, 11), false}, {Gain(6, 12), false}, {Gain(7, 13), false}, {Gain(5, 21), false}, {Gain(5, 22), false}},
         {Gain(5, 11), Gain(6, 12), Gain(7, 13), Gain(5, 22)},
         {{1, 22}, {2, 12}, {3, 13}}},
        {"a burst of one slider", {{Gain(6, 201), false}, {Gain(6, 202), false}, {Gain(6, 205), false}},
         {Gain(6, 205)}, {{2, 205}}},
        {"gain then mute", {{Gain(4, 31), false}, {Mute(4, 1), false}}, {Gain(4, 31), Mute(4, 1)}, {{0, 31}}},
        {"append then non-append", {{Gain(4, 41), true}, {Gain(4, 42), false}}, {Gain(4, 41), Gain(4, 42)}, {{0, 42}}},
    };
    sim().knobs.replyDelayMs = 80;
    for (const Case &k : cases) {
        sim().ClearFrames();
        rig->owner.replies.clear();
        rig->QueueFrame(Gain(11, 1), false);
        ASSERT_TRUE(sim().WaitForFrames(1, 2000)) << k.name;
        for (const Step &s : k.whileBusy)
            rig->QueueFrame(s.frame, s.append);
        ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == k.wire.size() + 1 && !rig->IsBusy(); }))
            << k.name;
        std::vector<ByteVector> want{Gain(11, 1)};
        want.insert(want.end(), k.wire.begin(), k.wire.end());
        EXPECT_EQ(sim().Frames(), want) << k.name;
        for (auto [out, value] : k.gains)
            EXPECT_EQ(OutputGain(out), value) << k.name << " output " << out;
    }
}

TEST_P(LinkE2E, LogsTheFrameWrittenAndTheReply)
{
    const std::string kind = GetParam();
    const std::string w = "10 02 00 01 04 34 06 18 01 10 03 2F ", r = "10 02 01 00 01 01 10 03 00 ";
    const std::vector<std::string> want = kind == "serial" ? std::vector<std::string>{"COM W " + w, "COM R " + r}
                                        : kind == "usb"    ? std::vector<std::string>{"USB W 00  " + w, "USB R 00  " + r}
                                                           : std::vector<std::string>{"NET W " + w, "NET R " + r};
    rig->QueueFrame(Gain(6, 280), false);
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == 1; }));
    EXPECT_EQ(rig->owner.Lines(), want);
}

TEST_P(LinkE2E, ResendsThenReportsNoReplyOnTime)
{
    struct Timing {
        uint32_t timeout;
        int resends;
        std::vector<int> writes;
        int error;
    };
    const std::string kind = GetParam();
    const Timing t = kind == "serial" ? Timing{200, 2, {0, 200, 400}, 600}
                   : kind == "usb"    ? Timing{100, 3, {0, 100, 200, 300}, 800}
                                      : Timing{4000, 0, {0}, 4000};
    sim().knobs.silent = true;
    rig->SetTimeout(t.timeout);
    rig->SetRetryCount(t.resends);
    rig->QueueFrame(Gain(4, 7), false);
    ASSERT_TRUE(PumpUntil([&] { return !rig->owner.errors.empty(); }, t.error + 5000));
    const auto times = sim().FrameTimesMs();
    ASSERT_EQ(times.size(), t.writes.size());
    for (size_t i = 0; i < times.size(); ++i) {
        EXPECT_GE(times[i] - times[0], t.writes[i] - 60) << "write " << i;
        EXPECT_LE(times[i] - times[0], t.writes[i] + 300) << "write " << i;
    }
    const auto err = rig->owner.errors[0];
    EXPECT_EQ(err.code, 0);
    EXPECT_EQ(err.arg, 1); // the device ID of the unanswered frame
    EXPECT_EQ(err.source, rig->SourceId());
    EXPECT_GE(err.at - times[0], t.error - 60);
    EXPECT_LE(err.at - times[0], t.error + 400);
    for (const ByteVector &f : sim().Frames())
        EXPECT_EQ(f, Gain(4, 7));
    // The dropped frame is never written again and no further error follows;
    // the link stays busy until it is closed.
    PumpFor(std::min<int>(3 * int(t.timeout), 700));
    EXPECT_EQ(sim().FrameCount(), t.writes.size());
    EXPECT_EQ(rig->owner.errors.size(), 1u);
    EXPECT_TRUE(rig->IsBusy());
}

TEST_P(LinkE2E, AnAnsweredFrameIsNotWrittenAgain)
{
    rig->SetTimeout(100);
    rig->SetRetryCount(2);
    rig->QueueFrame(Gain(4, 9), false);
    ASSERT_TRUE(PumpUntil([&] { return !rig->owner.replies.empty(); }));
    PumpFor(600);
    EXPECT_EQ(sim().FrameCount(), 1u);
    EXPECT_TRUE(rig->owner.errors.empty());
}

TEST_P(LinkE2E, ALostReplyIsRecoveredByAResendAndTimedFromTheFirstWrite)
{
    sim().knobs.dropReplies = 1;
    rig->SetTimeout(150);
    rig->SetRetryCount(2);
    rig->QueueFrame(Gain(4, 9), false);
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == 1; }));
    EXPECT_EQ(sim().FrameCount(), 2u);
    EXPECT_GE(rig->owner.replies[0].ms, 140u);
    EXPECT_TRUE(rig->owner.errors.empty());
}

TEST_P(LinkE2E, AReplyFromAnotherDeviceIsDeliveredForTheDispatcherToJudge)
{
    sim().knobs.wrongId = 7;
    rig->QueueFrame(Gain(4, 9), false);
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == 1; }));
    EXPECT_EQ(rig->owner.replies[0].bytes[CommandFrame::kReplyIdByte], 7);
    EXPECT_TRUE(PumpUntil([&] { return !rig->IsBusy(); }));
}

TEST_P(LinkE2E, AnIdleLinkPollsAfter2000ms)
{
    rig->SetPollingSuspended(false);
    rig->QueueFrame(Gain(4, 9), false);
    ASSERT_TRUE(PumpUntil([&] { return sim().FrameCount() == 2; }, 6000));
    const auto frames = sim().Frames();
    const auto times = sim().FrameTimesMs();
    EXPECT_EQ(frames[1], kPollFrame);
    EXPECT_GE(times[1] - times[0], 1900);
    EXPECT_LE(times[1] - times[0], 2700);
    EXPECT_EQ(rig->GetTimeout(), GetParam() == "serial" ? 2000u : 5000u);
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == 2; }));
}

TEST_P(LinkE2E, PollingWaitsWhileSuspendedOrBusy)
{
    rig->PollTimer(); // idle but suspended
    PumpFor(100);
    EXPECT_EQ(sim().FrameCount(), 0u);
    sim().knobs.silent = true;
    rig->SetTimeout(10000);
    rig->QueueFrame(Gain(4, 9), false);
    rig->SetPollingSuspended(false);
    rig->PollTimer(); // busy
    rig->QueueFrame(Gain(4, 10), true);
    rig->PollTimer(); // busy, and a frame is queued
    PumpFor(100);
    EXPECT_EQ(sim().FrameCount(), 1u);
    EXPECT_EQ(rig->QueuedCount(), 1u);
    EXPECT_EQ(rig->GetTimeout(), 10000u);
}

TEST_P(LinkE2E, CollectsRepliesBehindJunkAndSplitAnywhere)
{
    sim().knobs.junkBytes = 3;
    sim().knobs.splitBytes = 2;
    for (uint16_t v = 1; v <= 3; ++v)
        rig->QueueFrame(Gain(4, v), true);
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == 3; }));
    for (const auto &r : rig->owner.replies)
        EXPECT_EQ(r.bytes, kAck);
    EXPECT_EQ(sim().FrameCount(), 3u);
}

TEST_P(LinkE2E, TwoRepliesInOneChunk)
{
    if (GetParam() == "usb")
        GTEST_SKIP() << "a HID report carries one frame";
    sim().knobs.silent = true;
    rig->QueueFrame(Gain(4, 1), false);
    ASSERT_TRUE(sim().WaitForFrames(1, 2000));
    ByteVector two = kAck;
    two.insert(two.end(), kPollFrame.begin(), kPollFrame.end());
    sim().SendRaw(two);
    ASSERT_TRUE(PumpUntil([&] { return rig->owner.replies.size() == 2; }));
    EXPECT_EQ(rig->owner.replies[0].bytes, kAck);
    EXPECT_EQ(rig->owner.replies[1].bytes, kPollFrame);
}

TEST_P(LinkE2E, ClosingWithAReplyOutstandingIsQuickAndLeavesNothing)
{
    rig->Close();
    PumpFor(100); // the simulator notices a dropped connection
    const int threads = CountThreads(), fds = CountFds();
    ASSERT_TRUE(rig->Open());
    sim().knobs.silent = true;
    rig->QueueFrame(Gain(4, 1), false);
    ASSERT_TRUE(sim().WaitForFrames(1, 2000));
    QElapsedTimer t;
    t.start();
    rig->Close();
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_FALSE(rig->IsOpen());
    EXPECT_TRUE(PumpUntil([&] { return CountThreads() == threads && CountFds() == fds; }, 2000))
        << CountThreads() << " threads, " << CountFds() << " descriptors";
    rig->QueueFrame(Gain(4, 2), false); // a closed link takes nothing
    PumpFor(100);
    EXPECT_EQ(sim().FrameCount(), 1u);
}

TEST_P(LinkE2E, ClosingWhileAReplyIsBeingHandledDoesNotDeadlock)
{
    const int threads = CountThreads();
    qint64 closeMs = -1;
    rig->owner.onReply = [&](const ByteVector &) {
        QElapsedTimer t;
        t.start();
        rig->Close(); // the worker waits on this very handler
        closeMs = t.elapsed();
    };
    rig->QueueFrame(Gain(4, 1), false);
    ASSERT_TRUE(PumpUntil([&] { return closeMs >= 0; }));
    EXPECT_LT(closeMs, 1000);
    EXPECT_FALSE(rig->IsOpen());
    EXPECT_LE(CountThreads(), threads - 1); // the worker is gone
}

TEST_P(LinkE2E, AnErrorOfALinkClosedMeanwhileIsDropped)
{
    sim().knobs.silent = true;
    rig->SetTimeout(60);
    rig->SetRetryCount(0);
    rig->QueueFrame(Gain(4, 1), false);
    QThread::msleep(900); // the error is posted but not handled yet
    rig->Close();
    PumpFor(100);
    EXPECT_TRUE(rig->owner.errors.empty());
}
