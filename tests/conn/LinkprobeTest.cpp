#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <fstream>
#include <iterator>

#include <QElapsedTimer>
#include <thread>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ConnFixture.h"
#include "PresetFile.h"

namespace {

struct ProbeRun {
    int exitCode;
    std::string out;
};

ProbeRun RunLinkprobe(const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(LINKPROBE_PATH), args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return {-1, "timeout"};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAll().toStdString()};
}


class Linkprobe : public testing::TestWithParam<Transport> {
protected:
    std::unique_ptr<SimFrontEnd> sim;
    QStringList target;

    void SetUp() override
    {
        if (GetParam() == Transport::Tcp) {
            auto tcp = std::make_unique<SimTcp>(3);
            target = {"--tcp", QStringLiteral("127.0.0.1:%1").arg(tcp->Port())};
            sim = std::move(tcp);
        } else {
            auto pty = std::make_unique<SimPty>(3);
            target = {"--serial", QString::fromStdString(pty->SlavePath())};
            sim = std::move(pty);
        }
        target << "--id" << "3";
    }
};

TEST_P(Linkprobe, SavesThePresetOfTheDeviceAndLoadsOneBack)
{
    QTemporaryDir dir;
    sim->WithSim([](SimProcessor &s) { s.image.outputs[6].gain = 333; });
    const QString saved = dir.filePath("dev.prs");
    const ProbeRun save = RunLinkprobe(QStringList(target) << "--save-prs" << saved << "--levels" << "2");
    ASSERT_EQ(save.exitCode, 0) << save.out;
    EXPECT_NE(save.out.find("online: device 3"), std::string::npos) << save.out;
    EXPECT_NE(save.out.find("levels: in"), std::string::npos) << save.out;
    EXPECT_EQ(save.out.find("information:"), std::string::npos) << save.out;
    const ParameterImage device = sim->WithSim([](SimProcessor &s) { return s.image; });
    EXPECT_EQ(ReadFile(saved.toStdString()), PresetFile::ToBytes(device));

    ParameterImage other = device;
    other.inputs[2].gain = 99;
    other.outputs[0].delay = 480;
    const std::string load = dir.filePath("other.prs").toStdString();
    const ByteVector bytes = PresetFile::ToBytes(other);
    WriteFile(load, bytes);
    const ProbeRun loadRun = RunLinkprobe(QStringList(target) << "--load-prs" << QString::fromStdString(load));
    ASSERT_EQ(loadRun.exitCode, 0) << loadRun.out;
    const ParameterImage after = sim->WithSim([](SimProcessor &s) { return s.image; });
    EXPECT_EQ(std::memcmp(after.Bytes() + 2, other.Bytes() + 2, PresetFile::kBodySize), 0);
}

TEST_P(Linkprobe, WritesAUnitFile)
{
    QTemporaryDir dir;
    sim->WithSim([](SimProcessor &s) {
        s.stored[7] = true;
        s.storedSlots[7].Bytes()[0] = 255;
    });
    const ProbeRun r = RunLinkprobe(QStringList(target) << "--save-unt" << dir.filePath("whole"));
    ASSERT_EQ(r.exitCode, 0) << r.out;
    const ByteVector unit = ReadFile(dir.filePath("whole.unt").toStdString());
    ASSERT_EQ(unit.size(), 28994u);
    EXPECT_EQ(unit[34 + 1448 * 7], 8) << "record 8 holds preset 8";
    EXPECT_EQ(unit[34 + 1448 * 6], 0x64) << "record 7 is empty";
}

TEST_P(Linkprobe, FailsWithTheTextTheEditorWouldShow)
{
    sim->WithSim([](SimProcessor &s) { s.identity = "TQ62 V011"; });
    const ProbeRun r = RunLinkprobe(target);
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.out.find("information: Unit's Version Error !!"), std::string::npos) << r.out;

    QTemporaryDir dir;
    sim->WithSim([](SimProcessor &s) { s.identity = "TQ62 V010"; });
    const ProbeRun none = RunLinkprobe(QStringList(target) << "--save-unt" << dir.filePath("u.unt"));
    EXPECT_EQ(none.exitCode, 1) << none.out;
    EXPECT_NE(none.out.find("information: No Saving Preset Exist !!"), std::string::npos) << none.out;
}

// A load the device never finishes is no success: the link's error, exit 1.
TEST_P(Linkprobe, ALoadCutShortFailsWithTheLinkError)
{
    QTemporaryDir dir;
    const std::string load = dir.filePath("cut.prs").toStdString();
    ParameterImage img = ParameterImage::Default();
    img.outputs[3].mix[1] = 50;
    WriteFile(load, PresetFile::ToBytes(img));
    sim->knobs.unansweredCode = CM_MCS_MIX::kCode;
    const ProbeRun r = RunLinkprobe(QStringList(target) << "--load-prs" << QString::fromStdString(load));
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.out.find("interrupted: no reply from the device (link error 0)"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("loaded preset file"), std::string::npos) << r.out;
}

// Level replies that follow each other closely are each printed; lost
// replies are resent by the link and do not cost a line.
TEST_P(Linkprobe, PrintsEveryLevelReplyAsked)
{
    sim->knobs.dropEvery = 9;
    const ProbeRun r = RunLinkprobe(QStringList(target) << "--levels" << "2");
    ASSERT_EQ(r.exitCode, 0) << r.out;
    size_t lines = 0;
    for (size_t at = r.out.find("levels: in"); at != std::string::npos; at = r.out.find("levels: in", at + 1))
        ++lines;
    EXPECT_EQ(lines, 2u) << r.out;
}

// A link that breaks is reported at once with its error, long before the deadline.
TEST_P(Linkprobe, ABrokenLinkEndsTheRunAtOnce)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(LINKPROBE_PATH), QStringList(target) << "--levels" << "1000" << "--timeout" << "600");
    ASSERT_TRUE(p.waitForStarted());
    auto levelRequests = [&] {
        const auto frames = sim->Frames();
        return std::count_if(frames.begin(), frames.end(), [](const ByteVector &f) { return f[5] == CMD_LEVELS; });
    };
    QElapsedTimer t;
    t.start();
    while (levelRequests() < 2 && t.elapsed() < 20000)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_GE(levelRequests(), 2);
    sim->HangUp();
    t.restart();
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_LT(t.elapsed(), 5000);
    const std::string out = p.readAll().toStdString();
    EXPECT_EQ(p.exitCode(), 1) << out;
    EXPECT_NE(out.find("link broken: "), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(Links, Linkprobe, testing::Values(Transport::Pty, Transport::Tcp), TransportName);

TEST(LinkprobeArgs, RefusesBadArgumentsAndOtherHosts)
{
    EXPECT_EQ(RunLinkprobe({}).exitCode, 2);
    EXPECT_EQ(RunLinkprobe({"--tcp", "127.0.0.1"}).exitCode, 2);
    EXPECT_EQ(RunLinkprobe({"--tcp", "127.0.0.1:1", "--serial", "/dev/null"}).exitCode, 2);
    EXPECT_EQ(RunLinkprobe({"--serial", "/dev/null", "--id", "255"}).exitCode, 2);
    EXPECT_EQ(RunLinkprobe({"--tcp", "192.0.2.1:9761"}).exitCode, 2);
    EXPECT_EQ(RunLinkprobe({"--serial", "/dev/null", "--timeout", "0"}).exitCode, 2);
    EXPECT_EQ(RunLinkprobe({"--serial", "/dev/null", "--timeout", "x"}).exitCode, 2);
}

} // namespace
