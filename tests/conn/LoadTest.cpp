// Preset-file loads against the simulated processor over a pseudo-terminal and
// loopback TCP: devices that answer setters in each of their ways, replies
// that come late, a load's end, and a link that breaks under a load.
#include <QTemporaryDir>

#include <cstring>
#include <tuple>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ConnFixture.h"
#include "PresetFile.h"

namespace {

using Answer = SimProcessor::SetterAnswer;

bool SameBody(const ParameterImage &a, const ParameterImage &b)
{
    return std::memcmp(a.Bytes() + 2, b.Bytes() + 2, PresetFile::kBodySize) == 0;
}

// A file unlike the device's defaults in every kind of record.
ParameterImage FileImage()
{
    ParameterImage img = ParameterImage::Default();
    std::memcpy(img.presetName, "Loaded        ", 14);
    img.inputs[1].gain = 77;
    img.inputs[3].geq[12] = 200;
    img.inputs[2].peq[5] = {180, 120, 40, 3};
    img.outputs[0].delay = 480;
    img.outputs[5].comp[0] = 7;
    img.outputs[7].peq[8] = {30, 250, 60, 5};
    img.outputs[2].mix[3] = 100;
    img.outputMuteMask = 0x81;
    img.peqBypassMasks[11] = 0x100;
    return img;
}

ParameterImage DeviceImage(ConnFixture &f)
{
    return f.sim->WithSim([](SimProcessor &s) { return s.image; });
}

// Connects, writes the file and opens it; the load is then running.
std::string StartLoad(ConnFixture &f, QTemporaryDir &dir, const ParameterImage &img)
{
    const std::string name = dir.filePath("load.prs").toStdString();
    WriteFile(name, PresetFile::ToBytes(img));
    f.ui.openNames.push_back(name);
    f.main.OpenClick();
    return name;
}

const char *AnswerName(Answer a)
{
    return a == Answer::Ack ? "Ack" : a == Answer::Other ? "Code02" : "Echo";
}

class SetterAnswers : public testing::TestWithParam<std::tuple<Transport, Answer, int>> {};

// Whatever a device answers a setter with, and however late, the load lands
// whole and closes its busy window without a message.
TEST_P(SetterAnswers, ALoadLandsWhole)
{
    const Transport transport = std::get<0>(GetParam());
    const Answer answer = std::get<1>(GetParam());
    const int latencyMs = std::get<2>(GetParam());
    QTemporaryDir dir;
    ConnFixture f(transport);
    f.sim->WithSim([&](SimProcessor &s) { s.setterAnswer = answer; });
    ASSERT_TRUE(f.ConnectAndUpload());
    f.sim->knobs.replyDelayMs = latencyMs;

    StartLoad(f, dir, FileImage());
    EXPECT_TRUE(f.ui.busyVisible);
    ASSERT_TRUE(PumpUntil([&] { return f.Settled(); }, 20000));
    EXPECT_TRUE(SameBody(DeviceImage(f), FileImage()));
    EXPECT_TRUE(SameBody(f.main.Model().GetImage(), FileImage()));
    EXPECT_TRUE(f.ui.informations.empty()) << f.ui.informations.front();
    EXPECT_TRUE(f.ui.busyInterruptions.empty());
    EXPECT_TRUE(f.main.IsLevelPolling()) << "polling resumes after the load";
}

INSTANTIATE_TEST_SUITE_P(Links, SetterAnswers,
                         testing::Combine(testing::Values(Transport::Pty, Transport::Tcp),
                                          testing::Values(Answer::Ack, Answer::Other, Answer::Echo),
                                          testing::Values(0, 10)),
                         [](const testing::TestParamInfo<std::tuple<Transport, Answer, int>> &p) {
                             return std::string(std::get<0>(p.param) == Transport::Pty ? "Pty" : "Tcp") +
                                    AnswerName(std::get<1>(p.param)) + std::to_string(std::get<2>(p.param)) + "ms";
                         });

class LoadOverLink : public testing::TestWithParam<Transport> {};

// A level request already on the wire when the file is opened comes back
// before the file's commands: the busy window waits until the device has
// answered every one of them.
TEST_P(LoadOverLink, ALevelRequestInFlightDoesNotEndTheLoad)
{
    QTemporaryDir dir;
    ConnFixture f(GetParam());
    ASSERT_TRUE(f.ConnectAndUpload());
    f.sim->knobs.replyDelayMs = 40;
    const size_t before = f.sim->FrameCount();
    ASSERT_TRUE(PumpUntil([&] {
        const auto frames = f.sim->Frames();
        for (size_t i = before; i < frames.size(); ++i)
            if (frames[i][5] == CMD_LEVELS)
                return true;
        return false;
    }, 3000));
    const size_t mark = f.sim->FrameCount();
    f.sim->knobs.replyDelayMs = 0;
    // The poll's reply is still 40 ms away.
    StartLoad(f, dir, FileImage());
    size_t answeredWhenClosed = 0;
    f.ui.onChange = [&] {
        if (!f.ui.busyVisible && answeredWhenClosed == 0)
            answeredWhenClosed = f.sim->FrameCount();
    };
    ASSERT_TRUE(PumpUntil([&] { return f.Settled(); }, 10000));
    f.ui.onChange = nullptr;
    // The file's commands and the level request behind them were all in.
    EXPECT_GE(answeredWhenClosed, mark + size_t(PresetFile::kLoadCommandCount) + 1);
    EXPECT_TRUE(SameBody(DeviceImage(f), FileImage()));
}

// A load whose link goes away is reported as interrupted with the link's
// error, never as done: whether the device hangs up or leaves one command
// unanswered.
TEST_P(LoadOverLink, ALoadCutMidwayIsReportedInterrupted)
{
    struct Case {
        const char *what;
        bool hangUp;
    } cases[] = {{"hang-up", true}, {"one command unanswered", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ConnFixture f(GetParam());
        ASSERT_TRUE(f.ConnectAndUpload());
        f.sim->knobs.replyDelayMs = 2;
        if (!c.hangUp)
            f.sim->knobs.unansweredCode = CM_MCS_MIX::kCode;
        const size_t mark = f.sim->FrameCount();
        StartLoad(f, dir, FileImage());
        if (c.hangUp) {
            ASSERT_TRUE(PumpUntil([&] { return f.sim->FrameCount() >= mark + 60; }, 5000));
            f.sim->HangUp();
        }
        ASSERT_TRUE(PumpUntil([&] { return !f.main.HasLink(); }, 10000));
        ASSERT_EQ(f.ui.busyInterruptions.size(), 1u);
        EXPECT_EQ(f.ui.busyInterruptions[0], f.main.GetLastLinkError());
        if (!c.hangUp) {
            EXPECT_EQ(f.main.GetLastLinkError(), "no reply from the device (link error 0)");
        }
        EXPECT_FALSE(f.ui.busyVisible);
        EXPECT_EQ(f.main.GetAfterLoadStep(), 0);
        EXPECT_FALSE(SameBody(DeviceImage(f), FileImage()));
    }
}

// Files written elsewhere may hold 2 for an inverted channel: the device gets
// 1, the model keeps the 2.
TEST_P(LoadOverLink, PolarityTwoIsSentAsOne)
{
    QTemporaryDir dir;
    ConnFixture f(GetParam());
    ASSERT_TRUE(f.ConnectAndUpload());
    ParameterImage img = FileImage();
    img.inputs[2].polarity = 2;
    img.outputs[6].polarity = 2;
    StartLoad(f, dir, img);
    ASSERT_TRUE(PumpUntil([&] { return f.Settled(); }, 10000));
    EXPECT_TRUE(f.ui.informations.empty());
    EXPECT_TRUE(SameBody(f.main.Model().GetImage(), img));
    const ParameterImage device = DeviceImage(f);
    EXPECT_EQ(device.inputs[2].polarity, 1);
    EXPECT_EQ(device.outputs[6].polarity, 1);
    EXPECT_EQ(f.sim->WithSim([](SimProcessor &s) { return s.refusedCount; }), 0);
}

INSTANTIATE_TEST_SUITE_P(Links, LoadOverLink, testing::Values(Transport::Pty, Transport::Tcp), TransportName);

} // namespace
