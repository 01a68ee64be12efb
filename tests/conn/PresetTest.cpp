#include <cstring>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ConnFixture.h"

namespace {

class Presets : public testing::TestWithParam<Transport> {};

// Image bytes 2 to 1447: everything an upload takes from the device.
bool SameUploadedBytes(const ParameterImage &a, const ParameterImage &b)
{
    return std::memcmp(a.Bytes() + 2, b.Bytes() + 2, ParameterImage::kSize - 2) == 0;
}

std::vector<uint8_t> CodesFrom(ConnFixture &f, size_t first)
{
    std::vector<uint8_t> codes = f.Codes();
    codes.erase(codes.begin(), codes.begin() + long(std::min(first, codes.size())));
    codes.erase(std::remove(codes.begin(), codes.end(), CMD_LEVELS), codes.end());
    return codes;
}

TEST_P(Presets, StoreRecallAndFactoryDefault)
{
    ConnFixture f(GetParam());
    ASSERT_TRUE(f.ConnectAndUpload());
    PumpFor(50); // the closing poll reaches the device

    // Store into slot 4: name, store command, closing poll.
    const uint8_t name[14] = {'M', 'y', ' ', 'P', 'r', 'e', 's', 'e', 't', ' ', ' ', ' ', ' ', ' '};
    size_t mark = f.sim->FrameCount();
    f.main.StorePreset(4, name);
    EXPECT_EQ(f.ui.presetNumberLabel, "U05");
    EXPECT_TRUE(f.main.Model().IsPresetStored(4));
    EXPECT_TRUE(f.ui.busyVisible);
    ASSERT_TRUE(PumpUntil([&] { return f.Settled(); }));
    PumpFor(50);
    EXPECT_EQ(CodesFrom(f, mark), (std::vector<uint8_t>{CM_MCS_PRESETNAME::kCode, CMD_STORE_PRESET, CMD_POLL}));
    EXPECT_EQ(f.sim->Frames()[mark + 1][6], 5);
    f.sim->WithSim([&](SimProcessor &s) {
        EXPECT_TRUE(s.stored[4]);
        EXPECT_EQ(std::memcmp(s.storedSlots[4].presetName, name, 14), 0);
    });
    EXPECT_TRUE(f.main.IsLevelPolling());

    // Recall user preset 7, which differs from the current settings.
    const ParameterImage seven = f.sim->WithSim([](SimProcessor &s) {
        s.storedSlots[6] = s.image;
        s.storedSlots[6].outputs[0].gain = 123;
        s.storedSlots[6].inputs[3].geq[10] = 77;
        s.stored[6] = true;
        return s.storedSlots[6];
    });
    const int refreshes = f.ui.pageRefreshes;
    mark = f.sim->FrameCount();
    f.main.RecallPreset(7);
    ASSERT_TRUE(PumpUntil([&] { return f.Settled() && f.ui.pageRefreshes > refreshes; }));
    EXPECT_TRUE(SameUploadedBytes(f.main.Model().GetImage(), seven));
    EXPECT_EQ(f.ui.presetNumberLabel, "U07");
    PumpFor(50);
    const auto codes = CodesFrom(f, mark);
    ASSERT_GE(codes.size(), 31u);
    EXPECT_EQ(codes[0], CMD_RECALL_PRESET);
    EXPECT_EQ(codes[1], CMD_GET_PARAMETER_BLOCK);

    // Recall the factory preset.
    f.main.RecallPreset(0);
    ASSERT_TRUE(PumpUntil([&] { return f.Settled() && f.ui.presetNumberLabel == "F00"; }));
    EXPECT_TRUE(SameUploadedBytes(f.main.Model().GetImage(), f.sim->WithSim([](SimProcessor &s) { return s.image; })));
    PumpFor(50);

    // Factory default: prepare, then the same upload as after a connect.
    f.sim->WithSim([](SimProcessor &s) { s.image.outputs[5].gain = 17; });
    mark = f.sim->FrameCount();
    const int before = f.ui.pageRefreshes;
    f.main.StartFactoryDefault();
    ASSERT_TRUE(PumpUntil([&] { return f.Settled() && f.ui.pageRefreshes > before; }));
    const auto fd = CodesFrom(f, mark);
    ASSERT_GE(fd.size(), 3u);
    EXPECT_EQ(fd[0], CMD_PREPARE_DOWNLOAD);
    EXPECT_EQ(fd[1], CMD_UPLOAD_START);
    EXPECT_EQ(fd[2], CMD_CURRENT_PRESET);
    EXPECT_TRUE(SameUploadedBytes(f.main.Model().GetImage(), f.sim->WithSim([](SimProcessor &s) { return s.image; })));
    EXPECT_NE(f.main.Model().GetGain(9), 17);
    EXPECT_TRUE(f.ui.informations.empty());
}

INSTANTIATE_TEST_SUITE_P(Links, Presets, testing::Values(Transport::Pty, Transport::Tcp), TransportName);

} // namespace
