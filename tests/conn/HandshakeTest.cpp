#include <algorithm>
#include <cstring>
#include <string>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ConnFixture.h"
#include "LUnitControl.h"
#include "SplitProxy.h"

namespace {

class Handshake : public testing::TestWithParam<Transport> {};

void SetName(ParameterImage &img, const char *name)
{
    std::memset(img.presetName, ' ', sizeof img.presetName);
    std::memcpy(img.presetName, name, std::strlen(name));
}

TEST_P(Handshake, ReachesOnlineWithTheFramesInOrderAndTheDevicesImage)
{
    ConnFixture f(GetParam());
    f.sim->WithSim([](SimProcessor &s) {
        s.image.outputs[2].gain = 311;
        s.image.inputs[1].peq[3].freqIndex = 123;
        s.stored[2] = true;
        SetName(s.storedSlots[2], "Stage Left");
        s.currentPreset = 3;
        SetName(s.image, "Stage Left");
    });
    ASSERT_TRUE(f.ConnectAndUpload());

    // The connect probe, identity, lock status, upload start, current preset,
    // the 20 names, the 29 blocks and the closing poll, in that order.
    std::vector<uint8_t> expected = {CMD_CONNECT, CMD_IDENTITY, CMD_LOCK_STATUS, CMD_UPLOAD_START, CMD_CURRENT_PRESET};
    expected.insert(expected.end(), 20, CMD_PRESET_NAME);
    expected.insert(expected.end(), 29, CMD_GET_PARAMETER_BLOCK);
    expected.push_back(CMD_POLL);
    ASSERT_TRUE(PumpUntil([&] { return f.FramesFromLastProbe().size() >= expected.size(); }, 5000));
    const auto frames = f.FramesFromLastProbe();
    std::vector<uint8_t> codes;
    for (size_t i = 0; i < expected.size(); ++i)
        codes.push_back(frames[i][5]);
    EXPECT_EQ(codes, expected);
    for (int n = 0; n < 20; ++n)
        EXPECT_EQ(frames[5 + size_t(n)][6], n) << "preset name request " << n;
    for (int b = 0; b < 29; ++b)
        EXPECT_EQ(frames[25 + size_t(b)][6], b) << "block request " << b;

    // The model holds the device's image (its first word is the model's own).
    const ParameterImage device = f.sim->WithSim([](SimProcessor &s) { return s.image; });
    const auto mine = f.main.Model().GetImage().ToBytes();
    const auto theirs = device.ToBytes();
    EXPECT_TRUE(std::equal(mine.begin() + 2, mine.end(), theirs.begin() + 2));

    EXPECT_EQ(f.ui.presetNumberLabel, "U03");
    EXPECT_EQ(f.ui.presetNameLabel, "Stage Left    ");
    EXPECT_EQ(f.ui.recallNames[3], "Stage Left    ");
    EXPECT_EQ(f.ui.storeNames[2], "Stage Left    ");
    EXPECT_TRUE(f.main.Model().IsPresetStored(2));
    EXPECT_FALSE(f.main.Model().IsPresetStored(0));
    EXPECT_EQ(f.ui.linkButtonCaption, "OnLine");
    EXPECT_EQ(f.ui.interfaceLabel, GetParam() == Transport::Tcp ? "NET" : f.main.GetComPortName());
    EXPECT_TRUE(f.ui.linkButtonDown);
    EXPECT_TRUE(f.ui.linkButtonEnabled);
    EXPECT_TRUE(PumpUntil([&] { return !f.ui.dialogVisible; }, 2000)) << "the connect dialog closes when connected";
    EXPECT_EQ(f.ui.connectResults - f.ui.connectFailures, 1);
    EXPECT_TRUE(f.ui.informations.empty());
}

TEST_P(Handshake, FactoryPresetShowsF00AndLevelsArePolledEvery300ms)
{
    ConnFixture f(GetParam());
    f.sim->WithSim([](SimProcessor &s) {
        s.levels[0] = 1.0f; // 0 dB: 8 of 9 input segments
        s.levels[4] = 2.0f; // above 0 dB: every output segment
        s.activity = 0x0101;
    });
    ASSERT_TRUE(f.ConnectAndUpload());
    EXPECT_EQ(f.ui.presetNumberLabel, "F00");

    f.sim->ClearFrames();
    ASSERT_TRUE(PumpUntil([&] { return f.ui.levelDisplays >= 8; }, 8000));
    EXPECT_EQ(f.ui.lastLevels.inputSteps[0], 8);
    EXPECT_EQ(f.ui.lastLevels.inputSteps[1], 0);
    EXPECT_EQ(f.ui.lastLevels.outputSteps[0], 8);
    EXPECT_EQ(f.ui.lastLevels.activity, 0x0101);

    std::vector<int64_t> times;
    const auto frames = f.sim->Frames();
    const auto at = f.sim->FrameTimesMs();
    for (size_t i = 0; i < frames.size(); ++i)
        if (frames[i][5] == CMD_LEVELS)
            times.push_back(at[i]);
    ASSERT_GE(times.size(), 6u);
    std::vector<int64_t> gaps;
    for (size_t i = 1; i < times.size(); ++i)
        gaps.push_back(times[i] - times[i - 1]);
    std::sort(gaps.begin(), gaps.end());
    const int64_t median = gaps[gaps.size() / 2];
    EXPECT_GE(median, 250);
    EXPECT_LE(median, 450);
}

TEST_P(Handshake, ASilentDeviceIsGivenUpAfterItsProbeTimeout)
{
    ConnFixture f(GetParam());
    f.sim->knobs.silent = true;
    f.ui.candidates.resize(1);
    QElapsedTimer t;
    t.start();
    f.Connect();
    if (GetParam() == Transport::Pty) {
        // The serial probe: 100 ms without resends, then code 0 ends the candidate.
        ASSERT_TRUE(PumpUntil([&] { return f.ui.connectFailures == 1; }, 5000));
        EXPECT_GE(t.elapsed(), 90);
        EXPECT_LE(t.elapsed(), 2000);
    }
    // The network probe waits 4000 ms; the dialog's 2000 ms watchdog is first.
    ASSERT_TRUE(PumpUntil([&] { return f.ui.scanFailed; }, 8000));
    if (GetParam() == Transport::Tcp) {
        EXPECT_GE(t.elapsed(), 1850);
    }
    EXPECT_FALSE(f.main.HasLink());
}

TEST_P(Handshake, TrafficLinesOnlyWhileTheLogIsVisible)
{
    ConnFixture f(GetParam());
    ASSERT_TRUE(f.ConnectAndUpload());
    PumpFor(50);
    EXPECT_TRUE(f.ui.trafficLines.empty());
    f.ui.trafficLogVisible = true;
    f.main.StorePreset(0, reinterpret_cast<const uint8_t *>("Traffic       "));
    ASSERT_TRUE(PumpUntil([&] { return f.Settled(); }));
    PumpFor(50);
    const std::string w = GetParam() == Transport::Pty ? "COM W " : "NET W ";
    const std::string r = GetParam() == Transport::Pty ? "COM R " : "NET R ";
    size_t writes = 0, reads = 0;
    for (const std::string &line : f.ui.trafficLines) {
        writes += line.compare(0, w.size(), w) == 0;
        reads += line.compare(0, r.size(), r) == 0;
    }
    EXPECT_GE(writes, 3u);
    EXPECT_GE(reads, 3u);
    // The preset-name frame as written.
    EXPECT_NE(std::find_if(f.ui.trafficLines.begin(), f.ui.trafficLines.end(),
                           [&](const std::string &l) { return l.rfind(w + "10 02 00 01 0F 26 54 72 61 ", 0) == 0; }),
              f.ui.trafficLines.end());
}

INSTANTIATE_TEST_SUITE_P(Links, Handshake, testing::Values(Transport::Pty, Transport::Tcp), TransportName);

} // namespace

namespace {

// A port that cannot be opened shows as a broken link; nothing is left open.
TEST(OpenFailure, APortThatCannotBeOpenedIsReportedAndDropped)
{
    LHeadlessUi ui;
    LSysLinkFactory factory;
    LMainLink main(&ui, &factory);
    ui.SetMain(&main);
    for (const char *name : {"COM100", "COM0", "COMX", "/nonexistent/tty"}) {
        main.SetComPortName(name);
        main.OpenComLink();
        EXPECT_FALSE(main.HasLink()) << name;
        EXPECT_FALSE(main.IsConnecting()) << name;
    }
    EXPECT_EQ(ui.linkBrokenCount, 4);
    EXPECT_EQ(ui.connectResults, 0);
}

} // namespace

namespace {

// Every reply of the device in two pieces 300 ms apart, as a retransmitted
// segment brings it: the handshake still goes online, each command leaves
// once and each reply is acted on once.
TEST(SplitReplies, TheHandshakeGoesOnlineWithEveryCommandSentOnce)
{
    ConnFixture f(Transport::Tcp);
    f.ui.candidates.resize(1);
    SplitProxy proxy(static_cast<SimTcp &>(*f.sim).Port(), {{5}, 300});
    f.factory.SetNetAddress("127.0.0.1", proxy.Port());
    f.Connect();
    ASSERT_TRUE(PumpUntil([&] { return f.main.IsOnline() && f.sim->FrameCount() >= 6; }, 5000))
        << (f.ui.informations.empty() ? "" : f.ui.informations.back());
    const std::vector<uint8_t> expected = {CMD_CONNECT,      CMD_IDENTITY,       CMD_LOCK_STATUS,
                                           CMD_UPLOAD_START, CMD_CURRENT_PRESET, CMD_PRESET_NAME};
    std::vector<uint8_t> codes = f.Codes();
    codes.resize(expected.size());
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(f.ui.connectResults, 1);
    EXPECT_EQ(f.ui.connectFailures, 0);
    EXPECT_TRUE(f.ui.informations.empty());
    f.main.CloseLink();
}

} // namespace
