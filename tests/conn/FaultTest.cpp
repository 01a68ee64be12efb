// The connection logic against a fake link whose replies the test hands in
// directly: bounds of device replies, stalled sequences, stale timers and the
// transfer state around opening and closing.
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <functional>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ConnFixture.h"
#include "PresetFile.h"
#include "SimProcessor.h"

namespace {

struct FakePort : LLinkPort {
    FakePort(std::vector<ByteVector> *sent, std::vector<bool> *appends) : sent(sent), appends(appends) {}
    Kind GetKind() const override { return Kind::Net; }
    void QueueFrame(const ByteVector &frame, bool append) override
    {
        sent->push_back(frame);
        appends->push_back(append);
    }
    size_t QueuedCount() const override { return queued; }
    void SetTimeout(unsigned ms) override { timeout = ms; }
    unsigned GetTimeout() const override { return timeout; }
    void SetRetryCount(int) override {}
    void SetPollingSuspended(bool) override {}
    void SetDeviceId(int) override {}
    void Close() override {}
    std::vector<ByteVector> *sent;
    std::vector<bool> *appends;
    unsigned timeout = 0;
    size_t queued = 0; // what the test says waits behind the frame on the wire
};

struct FakeFactory : LLinkFactory {
    std::unique_ptr<LLinkPort> OpenCom(const std::string &, int, LLinkEvents *) override { return Make(); }
    std::unique_ptr<LLinkPort> OpenUsb(int, LLinkEvents *, UsbFrameWriter) override { return Make(); }
    std::unique_ptr<LLinkPort> OpenNet(int, LLinkEvents *) override { return Make(); }
    std::unique_ptr<LLinkPort> Make()
    {
        auto port = std::make_unique<FakePort>(&sent, &appends);
        last = port.get();
        return port;
    }
    FakePort *last = nullptr; // the open link's (valid while it is open)
    std::vector<ByteVector> sent;
    std::vector<bool> appends;
};

class Faults : public testing::Test {
protected:
    Faults() : main(&ui, &factory) { ui.SetMain(&main); }

    void Reply(uint8_t code, const ByteVector &payload = {})
    {
        main.OnReplyFrame(SimProcessor::ReplyFrame(1, code, payload));
    }
    // Connect probe, identity and lock status answered: online and unlocked.
    void GoOnline()
    {
        main.OpenNetLink();
        Reply(CMD_CONNECT);
        const std::string id = "TQ62 V010";
        Reply(CMD_IDENTITY, ByteVector(id.begin(), id.end()));
        ASSERT_TRUE(main.IsOnline());
        factory.sent.clear();
    }
    // Upload start and current preset: the names follow.
    void StartUpload(uint8_t current = 0)
    {
        Reply(CMD_UPLOAD_START, ByteVector(20, 0));
        Reply(CMD_CURRENT_PRESET, {current});
    }
    static ByteVector Block(int n, size_t dataBytes = 50, uint8_t fill = 0)
    {
        ByteVector p(1 + dataBytes, fill);
        p[0] = uint8_t(n);
        return p;
    }
    static ByteVector Name(int slot, const char *text)
    {
        ByteVector p(15, ' ');
        p[0] = uint8_t(slot);
        std::memcpy(p.data() + 1, text, std::strlen(text));
        return p;
    }
    uint8_t LastCode() const { return factory.sent.empty() ? 0 : factory.sent.back()[5]; }
    size_t Sent() const { return factory.sent.size(); }

    LHeadlessUi ui;
    FakeFactory factory;
    LMainLink main;
};

TEST_F(Faults, RepliesOutsideTheirBoundsAreDropped)
{
    GoOnline();
    StartUpload();
    // A preset-name slot above 19.
    size_t before = Sent();
    Reply(CMD_PRESET_NAME, Name(20, "x"));
    EXPECT_EQ(Sent(), before);
    for (int n = 0; n < 20; ++n)
        Reply(CMD_PRESET_NAME, Name(n, "Name"));
    ASSERT_EQ(LastCode(), CMD_GET_PARAMETER_BLOCK);

    struct Case {
        const char *what;
        ByteVector payload;
    } cases[] = {
        {"block 29", Block(29)},
        {"block 255", Block(255)},
        {"49 data bytes", Block(3, 49)},
        {"51 data bytes", Block(3, 51)},
        {"no data", Block(3, 0)},
    };
    for (const Case &c : cases) {
        before = Sent();
        Reply(CMD_PARAMETER_BLOCK, c.payload);
        EXPECT_EQ(Sent(), before) << c.what;
    }
    Reply(CMD_PARAMETER_BLOCK, Block(0));
    EXPECT_EQ(factory.sent.back()[6], 1) << "a good block asks for the next";
}

TEST_F(Faults, TheImageIsTakenOnlyWhenEveryBlockCame)
{
    GoOnline();
    const ParameterImage before = main.Model().GetImage();
    StartUpload();
    for (int n = 0; n < 20; ++n)
        Reply(CMD_PRESET_NAME, Name(n, "Name"));
    for (int b = 0; b <= 28; ++b)
        if (b != 5)
            Reply(CMD_PARAMETER_BLOCK, Block(b, 50, 0x11));
    EXPECT_EQ(std::memcmp(main.Model().GetImage().Bytes(), before.Bytes(), ParameterImage::kSize), 0);
    EXPECT_EQ(main.GetSequence(), LMainLink::Sequence::None);
    EXPECT_FALSE(ui.busyVisible);
    EXPECT_EQ(ui.informations.size(), 1u) << "the abandoned upload is reported";

    // A later upload stages from scratch: blocks of the earlier one do not count.
    StartUpload();
    for (int n = 0; n < 20; ++n)
        Reply(CMD_PRESET_NAME, Name(n, "Name"));
    Reply(CMD_PARAMETER_BLOCK, Block(28, 50, 0x22));
    EXPECT_EQ(std::memcmp(main.Model().GetImage().Bytes(), before.Bytes(), ParameterImage::kSize), 0);
}

TEST_F(Faults, TheCurrentPresetsNameComesFromItsOwnSlot)
{
    GoOnline();
    StartUpload(3); // user preset 3 lives in slot 2
    for (int n = 0; n < 20; ++n)
        Reply(CMD_PRESET_NAME, Name(n, n == 2 ? "Right" : "Wrong"));
    EXPECT_EQ(std::memcmp(main.Model().GetPresetName(), "Right         ", 14), 0);
    EXPECT_EQ(ui.recallNames[3], "Right         ");
    EXPECT_EQ(ui.storeNames[2], "Right         ");
}

// A current preset beyond the user presets is held to the last: the label
// names a preset the device has.
TEST_F(Faults, ACurrentPresetBeyondTheUserPresetsIsHeldToTheLast)
{
    for (const uint8_t current : {uint8_t(21), uint8_t(255)}) {
        SCOPED_TRACE(int(current));
        GoOnline();
        StartUpload(current);
        for (int n = 0; n < 20; ++n)
            Reply(CMD_PRESET_NAME, Name(n, "Name"));
        for (int b = 0; b <= 28; ++b)
            Reply(CMD_PARAMETER_BLOCK, Block(b));
        EXPECT_EQ(main.GetCurrentPreset(), 20);
        EXPECT_EQ(ui.presetNumberLabel, "U20");
        main.CloseLink();
    }
}

TEST_F(Faults, AStalledSequenceIsGivenUpAndALateBusyTimerShowsNothing)
{
    GoOnline();
    // An upload that finishes within the 100 ms before its busy window would show.
    StartUpload();
    for (int n = 0; n < 20; ++n)
        Reply(CMD_PRESET_NAME, Name(n, "Name"));
    for (int b = 0; b <= 28; ++b)
        Reply(CMD_PARAMETER_BLOCK, Block(b));
    PumpFor(250);
    EXPECT_EQ(ui.busyShows, 0);
    EXPECT_TRUE(main.IsLevelPolling());

    // An upload whose name replies never come: given up after twice the reply
    // timeout, with a message, the busy window closed and polling running again.
    main.SetLinkTimeout(100);
    StartUpload();
    ASSERT_TRUE(PumpUntil([&] { return ui.busyShows == 1; }, 2000));
    ASSERT_TRUE(PumpUntil([&] { return main.GetSequence() == LMainLink::Sequence::None; }, 5000));
    EXPECT_FALSE(ui.busyVisible);
    EXPECT_EQ(ui.informations, std::vector<std::string>{"SID_INFO_ERROR_CMD"});
    EXPECT_TRUE(ui.linkButtonEnabled);
    EXPECT_TRUE(main.IsLevelPolling());
}

TEST_F(Faults, AcknowledgementsActOnlyInTheirOwnSequence)
{
    GoOnline();
    const uint8_t name[14] = {'A', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    main.StorePreset(0, name);
    ASSERT_EQ(main.GetTransferState(), 2);
    main.CloseLink();
    EXPECT_EQ(main.GetTransferState(), 0);
    EXPECT_FALSE(ui.busyVisible);

    // After the next connect the device's answer to a poll starts nothing.
    GoOnline();
    const int current = main.GetCurrentPreset();
    EXPECT_EQ(main.GetTransferState(), 0);
    Reply(CMD_ACK);
    EXPECT_EQ(Sent(), 0u);

    // The whole-unit replies outside their sequences.
    Reply(CMD_READ_EEPROM_REPLY, ByteVector(18, 1));
    Reply(CMD_STORED_PRESET_BLOCK, Block(0));
    Reply(CMD_DOWNLOAD_REPLY, {0});
    Reply(CMD_CURRENT_PRESET, {4});
    Reply(CMD_PRESET_NAME, Name(0, "x"));
    Reply(CMD_PARAMETER_BLOCK, Block(0));
    EXPECT_EQ(Sent(), 0u);
    EXPECT_EQ(main.GetCurrentPreset(), current);

    // Offline, store, recall and factory default change nothing.
    main.CloseLink();
    main.StorePreset(1, name);
    main.RecallPreset(3);
    main.StartFactoryDefault();
    main.SetTransferState(6);
    EXPECT_EQ(main.GetTransferState(), 0);
    EXPECT_FALSE(main.Model().IsPresetStored(1));
    EXPECT_EQ(main.GetCurrentPreset(), current);
}

TEST_F(Faults, ALinkGivenUpAfterItsConnectReplyStartsNoSequence)
{
    main.OpenNetLink();
    Reply(CMD_CONNECT);
    ASSERT_TRUE(main.IsLinked());
    main.CloseLink(); // the scan gives the candidate up; isLinked stays as it was
    main.StorePreset(0, reinterpret_cast<const uint8_t *>("x             "));
    main.RecallPreset(1);
    main.StartFactoryDefault();
    main.UploadUnit();
    EXPECT_EQ(main.GetTransferState(), 0);
    EXPECT_EQ(main.GetSequence(), LMainLink::Sequence::None);
    EXPECT_EQ(ui.busyShows, 0);
    EXPECT_EQ(ui.informations, std::vector<std::string>{"You Must Connect First !!"});
}

TEST_F(Faults, LevelRepliesThatAreShortOrNotANumberShowSilence)
{
    GoOnline();
    const int before = ui.levelDisplays;
    Reply(CMD_LEVELS, ByteVector(37, 0x3F));
    EXPECT_EQ(ui.levelDisplays, before) << "a short reply is dropped";

    ByteVector p(38, 0);
    const auto nan = SimProcessor::EncodeLevel(std::nanf(""));
    const auto neg = SimProcessor::EncodeLevel(-2.0f);
    const auto inf = SimProcessor::EncodeLevel(INFINITY);
    std::copy(nan.begin(), nan.end(), p.begin());          // input A
    std::copy(neg.begin(), neg.end(), p.begin() + 3);      // input B
    std::copy(inf.begin(), inf.end(), p.begin() + 3 * 4);  // output 1
    std::copy(nan.begin(), nan.end(), p.begin() + 3 * 5);  // output 2
    Reply(CMD_LEVELS, p);
    ASSERT_EQ(ui.levelDisplays, before + 1);
    EXPECT_EQ(ui.lastLevels.inputSteps[0], 0);
    EXPECT_EQ(ui.lastLevels.inputSteps[1], 0);
    EXPECT_EQ(ui.lastLevels.outputSteps[0], 8);
    EXPECT_EQ(ui.lastLevels.outputSteps[1], 0);
}

TEST_F(Faults, TheConnectDialogLearnsTheResultOfTheIdentityCheck)
{
    main.OpenNetLink();
    EXPECT_EQ(factory.last->timeout, 4000u) << "network probe";
    Reply(CMD_CONNECT);
    EXPECT_EQ(factory.last->timeout, 5000u) << "identity request";
    EXPECT_EQ(ui.connectResults, 0) << "nothing before the identity is checked";
    const std::string id = "TQ62 V010 and more";
    Reply(CMD_IDENTITY, ByteVector(id.begin(), id.end()));
    EXPECT_EQ(ui.connectResults, 1);
    EXPECT_EQ(ui.connectFailures, 0);
    EXPECT_TRUE(main.IsOnline());
    EXPECT_EQ(factory.last->timeout, 1000u) << "online over the network";
    EXPECT_EQ(LastCode(), CMD_LOCK_STATUS);
}

TEST_F(Faults, ARefusedDeviceLeavesTheWindowOfflineAndOnlyItsOwnLinkIsClosed)
{
    const std::string wrong = "TQ63 V010";
    ui.holdInformation = true;
    main.skbMenuLinkClick(); // the link button is disabled while the scan runs
    ASSERT_FALSE(ui.linkButtonEnabled);
    main.OpenNetLink();
    Reply(CMD_CONNECT);
    Reply(CMD_IDENTITY, ByteVector(wrong.begin(), wrong.end()));
    ui.CloseInformation();
    ASSERT_TRUE(PumpUntil([&] { return !main.HasLink(); }, 3000));
    EXPECT_TRUE(ui.linkButtonEnabled);
    EXPECT_EQ(ui.linkButtonCaption, "OffLine");
    EXPECT_EQ(ui.connectItemCaption, "Connect");
    EXPECT_FALSE(ui.linkButtonDown);

    // The refused link was replaced by the next candidate before the window
    // closed: that candidate stays.
    main.OpenNetLink();
    Reply(CMD_CONNECT);
    Reply(CMD_IDENTITY, ByteVector(wrong.begin(), wrong.end()));
    main.OpenNetLink();
    ui.CloseInformation();
    PumpFor(500);
    EXPECT_TRUE(main.HasLink());
    EXPECT_TRUE(main.IsConnecting());
}

// A preset-file load: any reply moves it on, whatever its code, and only the
// level reply to the request queued behind the file's commands ends it.
TEST_F(Faults, APresetLoadEndsOnlyAtTheReplyToItsOwnLevelRequest)
{
    QTemporaryDir dir;
    GoOnline();
    main.StartLevelPolling();
    main.SetLinkTimeout(200); // one resend: given up 600 ms after the last reply
    const std::string name = dir.filePath("a.prs").toStdString();
    WriteFile(name, PresetFile::ToBytes(ParameterImage::Default()));
    ui.openNames.push_back(name);
    main.OpenClick();
    ASSERT_EQ(Sent(), size_t(PresetFile::kLoadCommandCount) + 1);
    EXPECT_EQ(LastCode(), CMD_LEVELS);
    EXPECT_FALSE(factory.appends.back()) << "the level request goes with append 0";
    EXPECT_FALSE(main.IsLevelPolling()) << "no poll may come between the commands and that request";
    EXPECT_EQ(main.GetAfterLoadStep(), 12);

    // Replies of codes that are not acknowledgements keep the load alive.
    for (const uint8_t code : {uint8_t(0x02), uint8_t(CM_MCS_GAIN::kCode), uint8_t(CMD_ACK), uint8_t(0x02)}) {
        PumpFor(150);
        Reply(code);
    }
    EXPECT_EQ(main.GetSequence(), LMainLink::Sequence::FileLoad);
    EXPECT_TRUE(ui.informations.empty());

    // A level reply while frames still wait behind it is a request of before.
    factory.last->queued = 200;
    Reply(CMD_LEVELS, ByteVector(38, 0));
    EXPECT_EQ(main.GetAfterLoadStep(), 12);
    EXPECT_TRUE(ui.busyVisible);
    factory.last->queued = 0;
    factory.sent.clear();
    Reply(CMD_LEVELS, ByteVector(38, 0));
    EXPECT_EQ(main.GetAfterLoadStep(), 0);
    EXPECT_EQ(main.GetSequence(), LMainLink::Sequence::None);
    EXPECT_FALSE(ui.busyVisible);
    EXPECT_EQ(LastCode(), CMD_POLL);
    EXPECT_TRUE(main.IsLevelPolling());

    // A load whose replies stop is given up with a message.
    ui.openNames.push_back(name);
    main.OpenClick();
    ASSERT_TRUE(PumpUntil([&] { return main.GetSequence() == LMainLink::Sequence::None; }, 3000));
    EXPECT_EQ(ui.informations, std::vector<std::string>{"SID_INFO_ERROR_CMD"});
    EXPECT_EQ(main.GetAfterLoadStep(), 0);
}

TEST_F(Faults, TheStallWatchdogFollowsTheTimeoutOfTheStepsOwnCommand)
{
    GoOnline();
    main.SetLinkTimeout(100);
    main.SetTransferState(6);
    Reply(CMD_ACK); // the upload start goes out with a 5000 ms reply timeout
    ASSERT_EQ(LastCode(), CMD_UPLOAD_START);
    PumpFor(500);
    EXPECT_EQ(main.GetSequence(), LMainLink::Sequence::Upload);
    EXPECT_TRUE(ui.informations.empty());
}

// Each user- or editor-started sequence: its first command, reply timeout and
// busy window, then what the acknowledgement sends and which state follows.
TEST_F(Faults, TransferStatesStepByStep)
{
    const uint8_t name[14] = {'N', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    struct Case {
        const char *what;
        std::function<void(LMainLink &)> start;
        uint8_t firstCode;
        unsigned firstTimeout;
        const char *busyText; // nullptr: the busy window is not shown by the start
        int busyMax;
        uint8_t ackCode, ackArg;
        unsigned ackTimeout;
        int stateAfter;
    };
    const Case cases[] = {
        {"recall U05", [](LMainLink &m) { m.RecallPreset(5); }, CMD_RECALL_PRESET, 10000,
         "Load preset now , please wait...", 29, CMD_GET_PARAMETER_BLOCK, 0, 5000, 0},
        {"store U03", [&](LMainLink &m) { m.StorePreset(2, name); }, CM_MCS_PRESETNAME::kCode, 10000,
         "Store preset now , please wait...", 2, CMD_STORE_PRESET, 3, 10000, 9},
        {"factory default", [](LMainLink &m) { m.StartFactoryDefault(); }, CMD_PREPARE_DOWNLOAD, 10000, nullptr, 0,
         CMD_UPLOAD_START, 0, 5000, 0},
        {"re-upload", [](LMainLink &m) { m.SetTransferState(6); }, 0, 1000, nullptr, 0, CMD_UPLOAD_START, 0, 5000, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui.busyStatus.clear();
        ui.busyShows = 0;
        GoOnline();
        c.start(main);
        if (c.firstCode) {
            ASSERT_EQ(Sent(), 1u);
            EXPECT_EQ(LastCode(), c.firstCode);
            EXPECT_TRUE(factory.appends.back());
        }
        EXPECT_EQ(factory.last->timeout, c.firstTimeout);
        if (c.busyText) {
            EXPECT_EQ(ui.busyStatus, c.busyText);
            EXPECT_EQ(ui.busyMax, c.busyMax);
            EXPECT_EQ(ui.busyPosition, 0);
            EXPECT_EQ(ui.busyShows, 1);
            EXPECT_TRUE(ui.busyModal);
        }
        factory.sent.clear();
        Reply(CMD_ACK);
        ASSERT_EQ(Sent(), 1u);
        EXPECT_EQ(LastCode(), c.ackCode);
        if (c.ackArg) {
            EXPECT_EQ(factory.sent.back()[6], c.ackArg);
        }
        EXPECT_TRUE(factory.appends.back());
        EXPECT_EQ(factory.last->timeout, c.ackTimeout);
        EXPECT_EQ(main.GetTransferState(), c.stateAfter);
        main.CloseLink();
    }

    // The store's second acknowledgement ends it: the progress full, one
    // closing poll that may be replaced, the busy window closed, polling on.
    GoOnline();
    main.StorePreset(0, name);
    Reply(CMD_ACK);
    EXPECT_EQ(ui.busyPosition, 1);
    factory.sent.clear();
    Reply(CMD_ACK);
    ASSERT_EQ(Sent(), 1u);
    EXPECT_EQ(LastCode(), CMD_POLL);
    EXPECT_FALSE(factory.appends.back());
    EXPECT_EQ(ui.busyPosition, 2);
    EXPECT_FALSE(ui.busyVisible);
    EXPECT_TRUE(main.IsLevelPolling());
    EXPECT_EQ(main.GetTransferState(), 0);

    // A locked device: state 8 until an acknowledgement, which sends nothing.
    ByteVector lock(6, 0);
    lock[5] = 1;
    Reply(CMD_LOCK_STATUS, lock);
    EXPECT_EQ(main.GetTransferState(), 8);
    factory.sent.clear();
    Reply(CMD_ACK);
    EXPECT_EQ(Sent(), 0u);
    EXPECT_EQ(main.GetTransferState(), 0);
}

TEST_F(Faults, DeviceIdAndPortNames)
{
    main.SetDeviceId(0);
    main.SetDeviceId(255);
    EXPECT_EQ(main.GetDeviceId(), 1);
    main.SetDeviceId(7);
    EXPECT_EQ(main.GetDeviceId(), 7);
    EXPECT_EQ(ui.deviceIdLabel, "ID : 7");
    EXPECT_EQ(LSysLinkFactory::PortNumber("COM7"), 7);
    EXPECT_EQ(LSysLinkFactory::PortNumber("COM12"), 12);
    EXPECT_EQ(LSysLinkFactory::PortNumber("\\\\.\\COM12"), 12);
    EXPECT_EQ(LSysLinkFactory::PortNumber("COMX"), 0);
    EXPECT_EQ(LSysLinkFactory::PortNumber("/dev/ttyUSB0"), 0);
}

} // namespace
