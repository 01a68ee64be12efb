#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ConnFixture.h"

namespace {

class Identity : public testing::TestWithParam<Transport> {};

TEST_P(Identity, AFailedCheckDisconnectsShowsItsTextAndClosesTheLinkAfterTheWindow)
{
    struct Case {
        const char *identity;
        const char *text;
    };
    const Case cases[] = {
        {"TQ62 V011", "Unit's Version Error !!"},
        {"tq62 V010", "Unit's Type Error !!"},
        {"TQ6", "Unit's Type Error !!"},
    };
    const ByteVector disconnect = {0x10, 0x02, 0x00, 0xFF, 0x01, 0x11, 0x10, 0x03, 0xEE};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.identity);
        ConnFixture f(GetParam());
        f.sim->WithSim([&](SimProcessor &s) { s.identity = c.identity; });
        f.ui.holdInformation = true;
        f.Connect();
        ASSERT_TRUE(PumpUntil([&] { return !f.ui.informations.empty(); }));
        EXPECT_EQ(f.ui.informations.front(), c.text);
        EXPECT_FALSE(f.main.IsOnline());
        EXPECT_FALSE(f.main.IsLinked());
        EXPECT_FALSE(f.ui.dialogVisible);
        EXPECT_EQ(f.ui.connectResults, f.ui.connectFailures) << "never told connected";

        // The device is told to disconnect, to ID 255, while the window shows.
        ASSERT_TRUE(PumpUntil([&] {
            const auto frames = f.sim->Frames();
            return !frames.empty() && frames.back() == disconnect;
        }, 3000));
        PumpFor(400);
        EXPECT_TRUE(f.main.HasLink()) << "the link stays until the window is closed";

        f.ui.CloseInformation();
        ASSERT_TRUE(PumpUntil([&] { return !f.main.HasLink(); }, 3000));
        EXPECT_GE(f.ui.linkBrokenCount, 1);
        EXPECT_EQ(f.main.GetTransferState(), 0);
        EXPECT_TRUE(f.ui.linkButtonEnabled) << "the window is offline again";
        EXPECT_EQ(f.ui.linkButtonCaption, "OffLine");
    }
}

TEST_P(Identity, ALockedDeviceIsUnlockedAboutASecondLaterThenUploaded)
{
    ConnFixture f(GetParam());
    f.sim->WithSim([](SimProcessor &s) {
        s.locked = true;
        s.password = {'1', '2', '3', '4'};
        s.image.outputs[7].delay = 4321;
    });
    f.ui.passwords = {"0000", "1234"};
    ASSERT_TRUE(f.ConnectAndUpload(8000));
    EXPECT_EQ(f.ui.unlockSubmissions, (std::vector<std::string>{"0000", "1234"}));
    EXPECT_EQ(f.ui.unlockResult, 1);
    EXPECT_EQ(f.main.Model().GetDelay(11), 4321);

    const auto frames = f.sim->Frames();
    const auto times = f.sim->FrameTimesMs();
    int64_t lockAt = -1, firstSubmitAt = -1;
    std::vector<uint8_t> after; // codes from the first submission on
    for (size_t i = 0; i < frames.size(); ++i) {
        const uint8_t code = frames[i][5];
        if (code == CMD_LOCK_STATUS && lockAt < 0)
            lockAt = times[i];
        if (code == CM_MCS_PASS_SUBMIT::kCode && firstSubmitAt < 0)
            firstSubmitAt = times[i];
        if (firstSubmitAt >= 0 && after.size() < 3)
            after.push_back(code);
    }
    ASSERT_GE(lockAt, 0);
    ASSERT_GE(firstSubmitAt, 0);
    EXPECT_GE(firstSubmitAt - lockAt, 900);
    EXPECT_LE(firstSubmitAt - lockAt, 3000); // generous: loaded machines
    EXPECT_EQ(after, (std::vector<uint8_t>{CM_MCS_PASS_SUBMIT::kCode, CM_MCS_PASS_SUBMIT::kCode, CMD_UPLOAD_START}));
}

TEST_P(Identity, AReplyFromAnotherIdGivesUpTheCandidateDuringAScanOnly)
{
    {
        ConnFixture f(GetParam());
        f.sim->knobs.wrongId = 7;
        f.Connect();
        ASSERT_TRUE(PumpUntil([&] { return f.ui.scanFailed; }, 5000));
        EXPECT_FALSE(f.main.HasLink());
        EXPECT_FALSE(f.main.IsLinked());
        EXPECT_EQ(f.ui.connectFailures, int(f.ui.candidates.size())) << "each round gives the candidate up";
        EXPECT_EQ(f.ui.informations.back(), "No Device found.");
    }
    {
        ConnFixture f(GetParam());
        ASSERT_TRUE(f.ConnectAndUpload());
        ASSERT_TRUE(PumpUntil([&] { return !f.ui.dialogVisible; }, 2000));
        const size_t seen = f.sim->FrameCount();
        f.sim->knobs.wrongId = 7;
        ASSERT_TRUE(PumpUntil([&] { return f.sim->FrameCount() >= seen + 3; }, 3000));
        PumpFor(50);
        f.sim->knobs.wrongId = 0;
        const int displays = f.ui.levelDisplays;
        ASSERT_TRUE(PumpUntil([&] { return f.ui.levelDisplays > displays; }, 3000));
        EXPECT_TRUE(f.main.HasLink());
        EXPECT_TRUE(f.main.IsOnline());
    }
}

INSTANTIATE_TEST_SUITE_P(Links, Identity, testing::Values(Transport::Pty, Transport::Tcp), TransportName);

} // namespace
