#include <QTemporaryDir>

#include <fstream>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ConnFixture.h"
#include "PresetFile.h"

namespace {

class LinkLoss : public testing::TestWithParam<Transport> {};

void ExpectOfflineAndReset(ConnFixture &f)
{
    EXPECT_FALSE(f.main.HasLink());
    EXPECT_FALSE(f.main.IsOnline());
    EXPECT_FALSE(f.main.IsLinked());
    EXPECT_EQ(f.main.GetTransferState(), 0);
    EXPECT_EQ(f.main.GetSequence(), LMainLink::Sequence::None);
    EXPECT_FALSE(f.main.IsLevelPolling());
    EXPECT_TRUE(f.ui.mainWindowEnabled);
    EXPECT_FALSE(f.ui.busyVisible);
    EXPECT_GE(f.ui.linkBrokenCount, 1);
    EXPECT_TRUE(f.ui.dialogVisible) << "the connect dialog comes back";
    EXPECT_EQ(f.ui.linkButtonCaption, "OffLine");
}

TEST_P(LinkLoss, MidUpload)
{
    ConnFixture f(GetParam());
    f.sim->knobs.replyDelayMs = 15;
    f.Connect();
    ASSERT_TRUE(PumpUntil([&] {
        const auto codes = f.Codes();
        return std::count(codes.begin(), codes.end(), CMD_GET_PARAMETER_BLOCK) >= 3;
    }));
    ASSERT_EQ(f.main.GetSequence(), LMainLink::Sequence::Upload);
    f.sim->HangUp();
    ASSERT_TRUE(PumpUntil([&] { return !f.main.HasLink(); }, 8000));
    ExpectOfflineAndReset(f);
}

TEST_P(LinkLoss, MidDownload)
{
    QTemporaryDir dir;
    ConnFixture f(GetParam());
    ASSERT_TRUE(f.ConnectAndUpload());
    ParameterImage img = ParameterImage::Default();
    img.Bytes()[0] = 255;
    ByteVector file(PresetFile::kMagic, PresetFile::kMagic + 16);
    file.insert(file.end(), 18, 0);
    for (int n = 1; n <= 20; ++n) {
        file.push_back(uint8_t(n));
        file.insert(file.end(), img.Bytes(), img.Bytes() + 1445);
        file.push_back(0x0D);
        file.push_back(0x0A);
    }
    const std::string name = dir.filePath("all.unt").toStdString();
    WriteFile(name, file);

    f.sim->knobs.replyDelayMs = 5;
    f.ui.openNames.push_back(name);
    f.main.DownloadUnit();
    ASSERT_FALSE(f.ui.mainWindowEnabled);
    ASSERT_TRUE(PumpUntil([&] {
        const auto codes = f.Codes();
        return std::count(codes.begin(), codes.end(), CM_MCS_DOWNLOAD::kCode) >= 5;
    }));
    f.sim->HangUp();
    ASSERT_TRUE(PumpUntil([&] { return !f.main.HasLink(); }, 8000));
    ExpectOfflineAndReset(f);

    // Nothing left running: no acknowledgement of a later link moves a sequence.
    PumpFor(400);
    EXPECT_EQ(f.main.GetTransferState(), 0);
}

INSTANTIATE_TEST_SUITE_P(Links, LinkLoss, testing::Values(Transport::Pty, Transport::Tcp), TransportName);

// The window shows online only while the link that uploaded is open: one that
// goes under it, replaced by another opening or its socket closed for a new
// connection, is lost as any other.
TEST(LinkLossUnderTheWindow, AnotherOpeningReplacesTheOnlineLink)
{
    ConnFixture f(Transport::Tcp);
    ASSERT_TRUE(f.ConnectAndUpload());
    f.main.OpenNetLink();
    EXPECT_FALSE(f.main.IsOnline());
    EXPECT_EQ(f.ui.linkButtonCaption, "OffLine");
    EXPECT_EQ(f.ui.interfaceLabel, "");
    EXPECT_EQ(f.ui.linkBrokenCount, 1);
    EXPECT_TRUE(f.ui.dialogVisible);
    EXPECT_FALSE(f.main.IsLevelPolling());
}

TEST(LinkLossUnderTheWindow, TheSocketClosedForANewConnection)
{
    ConnFixture f(Transport::Tcp);
    ASSERT_TRUE(f.ConnectAndUpload());
    f.factory.DiscoverDevices();
    ASSERT_TRUE(PumpUntil([&] { return !f.main.HasLink(); }, 8000));
    ExpectOfflineAndReset(f);
    EXPECT_EQ(f.main.GetLastLinkError().rfind("the network connection was lost", 0), 0u) << f.main.GetLastLinkError();
}

} // namespace
