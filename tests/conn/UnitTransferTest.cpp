#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "CM_MCS_CMD.h"
#include "ConnFixture.h"
#include "PresetFile.h"
#include "UnitFile.h"

namespace {



ParameterImage StoredImage(int n)
{
    ParameterImage img = ParameterImage::Default();
    img.Bytes()[0] = 255;
    img.outputs[n % 8].gain = uint16_t(100 + n);
    img.inputs[n % 4].geq[n] = uint16_t(10 * n);
    img.outputEqBypassMask = 0x8001; // its high byte (1445) has no place in a record
    img.inputGeqBypassMask = 0x000F;
    return img;
}

// A ".unt" built by hand: records of the given presets stored, the others empty.
ByteVector UnitBytes(const uint8_t info[18], const std::map<int, ParameterImage> &presets)
{
    ByteVector b(PresetFile::kMagic, PresetFile::kMagic + 16);
    b.insert(b.end(), info, info + 18);
    for (int n = 1; n <= 20; ++n) {
        const auto it = presets.find(n);
        if (it == presets.end()) {
            b.insert(b.end(), 1446, 0x64);
        } else {
            b.push_back(uint8_t(n));
            b.insert(b.end(), it->second.Bytes(), it->second.Bytes() + 1445);
        }
        b.push_back(0x0D);
        b.push_back(0x0A);
    }
    return b;
}

class UnitTransfer : public testing::TestWithParam<Transport> {};

TEST_P(UnitTransfer, UploadWritesTheStoredPresetsByteExact)
{
    QTemporaryDir dir;
    ConnFixture f(GetParam());
    uint8_t info[18];
    for (int i = 0; i < 18; ++i)
        info[i] = uint8_t(0xA0 + i);
    f.sim->WithSim([&](SimProcessor &s) {
        std::memcpy(s.unitInfo.data(), info, 18);
        s.storedSlots[1] = StoredImage(2);
        s.storedSlots[4] = StoredImage(5);
        s.stored[1] = s.stored[4] = true;
    });
    ASSERT_TRUE(f.ConnectAndUpload());
    const std::string name = dir.filePath("unit").toStdString();
    f.ui.saveNames.push_back(name);
    f.main.UploadUnit();
    EXPECT_TRUE(f.ui.busyVisible);
    EXPECT_EQ(f.ui.busyMax, 2);
    ASSERT_TRUE(PumpUntil([&] { return QFileInfo::exists(QString::fromStdString(name + ".unt")) && f.Settled(); }));
    EXPECT_EQ(ReadFile(name + ".unt"), UnitBytes(info, {{2, StoredImage(2)}, {5, StoredImage(5)}}));
    EXPECT_TRUE(f.main.IsLevelPolling());
    EXPECT_TRUE(f.ui.informations.empty());
}

TEST_P(UnitTransfer, DownloadFillsTheDevicesSlotsFromTheFile)
{
    QTemporaryDir dir;
    ConnFixture f(GetParam());
    ASSERT_TRUE(f.ConnectAndUpload());
    uint8_t info[18];
    for (int i = 0; i < 18; ++i)
        info[i] = uint8_t(i + 1);
    const std::string name = dir.filePath("in.unt").toStdString();
    WriteFile(name, UnitBytes(info, {{2, StoredImage(2)}, {5, StoredImage(5)}}));
    f.ui.openNames.push_back(name);
    f.main.DownloadUnit();
    EXPECT_FALSE(f.ui.mainWindowEnabled);
    EXPECT_TRUE(f.ui.busyVisible);
    EXPECT_FALSE(f.ui.busyModal);
    ASSERT_TRUE(PumpUntil([&] { return !f.main.HasLink(); }, 10000)) << "the device restarts and the link closes";
    EXPECT_TRUE(f.ui.mainWindowEnabled);
    EXPECT_EQ(f.ui.busyMax, 2);
    EXPECT_EQ(f.ui.busyPositions.back(), 2) << "progress counts records sent";

    f.sim->WithSim([&](SimProcessor &s) {
        EXPECT_EQ(s.resetCount, 1);
        EXPECT_EQ(std::memcmp(s.unitInfo.data() + 1, info + 1, 17), 0);
        for (int n : {2, 5}) {
            const ParameterImage want = StoredImage(n);
            EXPECT_TRUE(s.stored[size_t(n - 1)]) << n;
            EXPECT_EQ(std::memcmp(s.storedSlots[size_t(n - 1)].Bytes(), want.Bytes(), 1445), 0) << n;
            const uint8_t *tail = s.storedSlots[size_t(n - 1)].Bytes() + 1445;
            EXPECT_EQ(tail[0] | tail[1] | tail[2], 0) << "bytes past the record are sent as 0";
        }
        for (int slot = 0; slot < 20; ++slot) {
            if (slot != 1 && slot != 4) {
                EXPECT_FALSE(s.stored[size_t(slot)]) << slot;
            }
        }
    });
}

// A stored preset that holds words outside their ranges is held to them as it
// is read: the ".unt" written opens again and downloads.
TEST_P(UnitTransfer, UploadOfStoredValuesOutsideTheirRangesWritesAFileThatOpensAgain)
{
    QTemporaryDir dir;
    ConnFixture f(GetParam());
    ParameterImage odd = StoredImage(3);
    odd.inputs[3].geq[17] = 0xFFFF;
    odd.outputs[6].polarity = 2;
    odd.outputs[0].comp[2] = 0;
    odd.inputs[1].peq[4].type = 0xFF;
    odd.delayUnit = 9;
    odd.outputs[2].name[1] = 0xFF;
    f.sim->WithSim([&](SimProcessor &s) {
        s.storedSlots[2] = odd;
        s.stored[2] = true;
    });
    ASSERT_TRUE(f.ConnectAndUpload());
    const std::string name = dir.filePath("odd").toStdString();
    f.ui.saveNames.push_back(name);
    f.main.UploadUnit();
    ASSERT_TRUE(PumpUntil([&] { return QFileInfo::exists(QString::fromStdString(name + ".unt")) && f.Settled(); }));

    UnitFile file;
    std::string why;
    ASSERT_EQ(UnitFile::FromBytes(ReadFile(name + ".unt"), file, &why), FileStatus::Ok) << why;
    const ParameterImage held = file.records[2].Image();
    EXPECT_EQ(held.inputs[3].geq[17], 240);
    EXPECT_EQ(held.outputs[6].polarity, 1);
    EXPECT_EQ(held.outputs[0].comp[2], 9);
    EXPECT_EQ(held.inputs[1].peq[4].type, 8);
    EXPECT_EQ(held.delayUnit, 2);
    EXPECT_EQ(held.outputs[2].name[0], odd.outputs[2].name[0]);
    EXPECT_EQ(held.outputs[2].name[1], odd.outputs[2].name[2]) << "the unprintable byte dropped";

    f.ui.openNames.push_back(name + ".unt");
    f.main.DownloadUnit();
    EXPECT_TRUE(f.ui.informations.empty());
    ASSERT_TRUE(PumpUntil([&] { return !f.main.HasLink(); }, 10000)) << "the device takes the file and restarts";
    f.sim->WithSim([&](SimProcessor &s) { EXPECT_EQ(s.storedSlots[2].inputs[3].geq[17], 240); });
}

TEST_P(UnitTransfer, DamagedFilesAreRefusedBeforeAnythingIsSent)
{
    QTemporaryDir dir;
    ConnFixture f(GetParam());
    ASSERT_TRUE(f.ConnectAndUpload());
    PumpFor(50);
    const uint8_t info[18] = {};
    const ByteVector good = UnitBytes(info, {{3, StoredImage(3)}});
    ByteVector shortFile(good.begin(), good.end() - 1), longFile = good, wrongSlot = good, badMagic = good;
    longFile.push_back(0);
    wrongSlot[34 + 1448 * 2] = 4; // record 3 claims to be preset 4
    badMagic[0] = '#';
    const size_t mark = f.sim->FrameCount();
    for (const ByteVector *b : {&shortFile, &longFile, &wrongSlot, &badMagic}) {
        const std::string name = dir.filePath("bad.unt").toStdString();
        WriteFile(name, *b);
        f.ui.openNames.push_back(name);
        f.ui.informations.clear();
        f.main.DownloadUnit();
        EXPECT_EQ(f.ui.informations, std::vector<std::string>{"Download File Error !!"}) << b->size();
        EXPECT_TRUE(f.ui.mainWindowEnabled);
    }
    PumpFor(50);
    std::vector<uint8_t> codes = f.Codes();
    codes.erase(codes.begin(), codes.begin() + long(mark));
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CMD_PREPARE_DOWNLOAD), 0);
    EXPECT_TRUE(f.main.HasLink());
}

INSTANTIATE_TEST_SUITE_P(Links, UnitTransfer, testing::Values(Transport::Pty, Transport::Tcp), TransportName);

TEST(UnitTransferOffline, AskForALinkOrAStoredPreset)
{
    LHeadlessUi ui;
    LSysLinkFactory factory;
    LMainLink main(&ui, &factory);
    ui.SetMain(&main);
    main.UploadUnit();
    main.DownloadUnit();
    main.FactoryDefaultClick();
    EXPECT_EQ(ui.informations, std::vector<std::string>(3, "You Must Connect First !!"));
    EXPECT_EQ(ui.factoryConfirmations, 0);
}

TEST(UnitTransferNoneStored, SaysSo)
{
    ConnFixture f(Transport::Tcp);
    ASSERT_TRUE(f.ConnectAndUpload());
    f.main.UploadUnit();
    EXPECT_EQ(f.ui.informations, std::vector<std::string>{"No Saving Preset Exist !!"});
    EXPECT_EQ(f.main.GetSequence(), LMainLink::Sequence::None);
}

} // namespace
