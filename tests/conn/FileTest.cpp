#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>
#include <fstream>
#include <iterator>

#include "CM_MCS_CMD.h"
#include "ConnFixture.h"
#include "PresetFile.h"
#include "UnitFile.h"

namespace {



bool SameBody(const ParameterImage &a, const ParameterImage &b)
{
    return std::memcmp(a.Bytes() + 2, b.Bytes() + 2, PresetFile::kBodySize) == 0;
}

ParameterImage EditedImage()
{
    ParameterImage img = ParameterImage::Default();
    img.outputs[3].gain = 250;
    img.inputs[0].geq[30] = 200;
    img.outputs[7].comp[0] = 5;
    std::memcpy(img.presetName, "From File     ", 14);
    return img;
}

TEST(SaveFileName, OnlyTheFinalSuffixOfTheFileNameCounts)
{
    using K = LMainLinkUi::FileKind;
    struct Case {
        const char *chosen;
        K kind;
        const char *expected;
    } cases[] = {
        {"/tmp/a", K::Preset, "/tmp/a.prs"},
        {"/tmp/a.prs", K::Preset, "/tmp/a.prs"},
        {"/tmp/a.Prs", K::Preset, "/tmp/a.Prs"},
        {"/tmp/a.PRS", K::Preset, "/tmp/a.PRS"},
        {"/tmp/x.prs/a", K::Preset, "/tmp/x.prs/a.prs"},
        {"/tmp/a.prs.bak", K::Preset, "/tmp/a.prs.bak.prs"},
        {"/tmp/.prs", K::Preset, "/tmp/.prs"},
        {"/tmp/a.unt", K::Preset, "/tmp/a.unt.prs"},
        {"/tmp/b", K::Unit, "/tmp/b.unt"},
        {"/tmp/b.UNT", K::Unit, "/tmp/b.UNT"},
        {"/tmp/b.unt.old", K::Unit, "/tmp/b.unt.old.unt"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LMainLink::SaveFileName(c.chosen, c.kind), c.expected) << c.chosen;
}

class PresetFiles : public testing::TestWithParam<Transport> {};

TEST_P(PresetFiles, SaveAndLoadOnline)
{
    QTemporaryDir dir;
    ConnFixture f(GetParam());
    f.sim->WithSim([](SimProcessor &s) { s.image.outputs[1].delay = 960; });
    ASSERT_TRUE(f.ConnectAndUpload());

    // Save: the device's image as uploaded.
    const std::string saved = dir.filePath("online").toStdString();
    f.ui.saveNames.push_back(saved);
    f.main.SavePresetFile();
    const ParameterImage device = f.sim->WithSim([](SimProcessor &s) { return s.image; });
    EXPECT_EQ(ReadFile(saved + ".prs"), PresetFile::ToBytes(device));

    // Load: every value goes to the device, the busy window closes after the
    // level reply that follows the 385 commands.
    const std::string loaded = dir.filePath("load.prs").toStdString();
    WriteFile(loaded, PresetFile::ToBytes(EditedImage()));
    f.ui.openNames.push_back(loaded);
    PumpFor(50);
    const size_t mark = f.sim->FrameCount();
    f.main.OpenClick();
    EXPECT_EQ(f.main.GetAfterLoadStep(), 12);
    EXPECT_TRUE(f.ui.busyVisible);
    ASSERT_TRUE(PumpUntil([&] { return f.Settled(); }, 10000));
    EXPECT_TRUE(SameBody(f.main.Model().GetImage(), EditedImage()));
    EXPECT_TRUE(SameBody(f.sim->WithSim([](SimProcessor &s) { return s.image; }), EditedImage()));
    std::vector<uint8_t> codes = f.Codes();
    codes.erase(codes.begin(), codes.begin() + long(mark));
    codes.erase(std::remove(codes.begin(), codes.end(), CMD_LEVELS), codes.end());
    codes.erase(std::remove(codes.begin(), codes.end(), CMD_POLL), codes.end());
    EXPECT_EQ(codes.size(), size_t(PresetFile::kLoadCommandCount));
    EXPECT_FALSE(f.main.IsUpdatingControls());
    EXPECT_TRUE(f.ui.informations.empty());
}

INSTANTIATE_TEST_SUITE_P(Links, PresetFiles, testing::Values(Transport::Pty, Transport::Tcp), TransportName);

// Offline, the model alone changes; damaged or unwritable files are refused
// with "Open File Error !!" and nothing changes.
TEST(PresetFilesOffline, SaveLoadAndRefusals)
{
    QTemporaryDir dir;
    LHeadlessUi ui;
    LSysLinkFactory factory;
    LMainLink main(&ui, &factory);
    ui.SetMain(&main);

    const std::string good = dir.filePath("good.prs").toStdString();
    WriteFile(good, PresetFile::ToBytes(EditedImage()));
    ui.openNames.push_back(good);
    main.OpenClick();
    EXPECT_TRUE(SameBody(main.Model().GetImage(), EditedImage()));
    EXPECT_EQ(main.GetAfterLoadStep(), 0);
    EXPECT_FALSE(ui.busyVisible);
    EXPECT_EQ(ui.pageRefreshes, 1);

    ui.saveNames.push_back(dir.filePath("copy").toStdString());
    main.SavePresetFile();
    EXPECT_EQ(ReadFile(dir.filePath("copy.prs").toStdString()), PresetFile::ToBytes(EditedImage()));

    const ParameterImage before = main.Model().GetImage();
    ByteVector bytes = PresetFile::ToBytes(ParameterImage::Default());
    struct Bad {
        const char *name;
        ByteVector content;
    };
    ByteVector shortFile(bytes.begin(), bytes.end() - 1), longFile = bytes, badMagic = bytes, badRange = bytes;
    longFile.push_back(0);
    badMagic[3] = 'x';
    badRange[14 + offsetof(ParameterImage, outputs) + offsetof(OutputChannelRecord, hpfType)] = 21;
    const Bad bad[] = {{"short.prs", shortFile}, {"long.prs", longFile}, {"magic.prs", badMagic}, {"range.prs", badRange}};
    for (const Bad &b : bad) {
        const std::string name = dir.filePath(b.name).toStdString();
        WriteFile(name, b.content);
        ui.openNames.push_back(name);
        ui.informations.clear();
        main.OpenClick();
        EXPECT_EQ(ui.informations, std::vector<std::string>{"Open File Error !!"}) << b.name;
        EXPECT_EQ(std::memcmp(main.Model().GetImage().Bytes(), before.Bytes(), ParameterImage::kSize), 0) << b.name;
    }
    ui.openNames.push_back(dir.filePath("missing.prs").toStdString());
    ui.informations.clear();
    main.OpenClick();
    EXPECT_EQ(ui.informations, std::vector<std::string>{"Open File Error !!"});

    // A file that cannot be written: the message, and nothing half written.
    ui.saveNames.push_back(dir.filePath("no/such/dir/x").toStdString());
    ui.informations.clear();
    main.SavePresetFile();
    EXPECT_EQ(ui.informations, std::vector<std::string>{"Open File Error !!"});
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no/such/dir/x.prs")));

    // Cancelled dialogs do nothing.
    ui.informations.clear();
    main.SavePresetFile();
    main.OpenClick();
    EXPECT_TRUE(ui.informations.empty());
}

} // namespace
