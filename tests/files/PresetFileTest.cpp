#include <gtest/gtest.h>

#include "CommandClasses.h"
#include "CM_MCS_CMD.h"
#include "ImageRanges.h"
#include "PresetFile.h"
#include "SimProcessor.h"
#include "TestImages.h"

#include <cstring>

namespace {

ByteVector ImageBytes(const ParameterImage &img, size_t from, size_t to)
{
    return ByteVector(img.Bytes() + from, img.Bytes() + to);
}

void Poke(ParameterImage &img, size_t offset, int width, unsigned value)
{
    img.Bytes()[offset] = uint8_t(value & 0xFF);
    if (width == 2)
        img.Bytes()[offset + 1] = uint8_t(value >> 8);
}

// A target image that differs from every image the tests load.
ParameterImage Target()
{
    ParameterImage t = RandomImage(999);
    t.reserved = 0x1234;
    return t;
}

TEST(PresetFileTest, WritesMagicBodyAndLineEndAndReadsItBackByteExact)
{
    const ParameterImage src = RandomImage(1);
    const ByteVector file = PresetFile::ToBytes(src);
    ASSERT_EQ(file.size(), 1452u);
    EXPECT_EQ(ByteVector(file.begin(), file.begin() + 16), ByteVector({'*', '*', '*', '*', 'T', 'Q', '6', '2', 'V',
                                                                      '0', '1', '0', '*', '*', '*', '*'}));
    EXPECT_EQ(ByteVector(file.begin() + 16, file.begin() + 1450), ImageBytes(src, 2, 1436));
    EXPECT_EQ(file[1450], 0x0D);
    EXPECT_EQ(file[1451], 0x0A);
    EXPECT_EQ(PresetFile::ToPresetString(src), ByteVector(file.begin(), file.begin() + 1450));

    ParameterImage loaded = Target();
    const ParameterImage before = loaded;
    ASSERT_EQ(PresetFile::FromBytes(file, loaded), FileStatus::Ok);
    EXPECT_EQ(ImageBytes(loaded, 2, 1436), ImageBytes(src, 2, 1436));
    // The reserved word and the last twelve bytes are not in the file: they stay.
    EXPECT_EQ(ImageBytes(loaded, 0, 2), ImageBytes(before, 0, 2));
    EXPECT_EQ(ImageBytes(loaded, 1436, 1448), ImageBytes(before, 1436, 1448));
    EXPECT_EQ(PresetFile::ToBytes(loaded), file);
}

TEST(PresetFileTest, DefaultImageIsAccepted)
{
    ParameterImage t = Target();
    EXPECT_EQ(PresetFile::FromBytes(PresetFile::ToBytes(ParameterImage::Default()), t), FileStatus::Ok);
    EXPECT_EQ(ImageRanges::Fault(ParameterImage::Default(), ImageFields::UnitRecord), "");
}

TEST(PresetFileTest, WrongSizeOrMagicIsRefusedAndTheImageStays)
{
    const ByteVector good = PresetFile::ToBytes(RandomImage(2));
    struct Case {
        const char *name;
        ByteVector bytes;
        FileStatus status;
    };
    std::vector<Case> cases = {
        {"empty", {}, FileStatus::WrongSize},
        {"1451 bytes", ByteVector(good.begin(), good.end() - 1), FileStatus::WrongSize},
        {"1453 bytes", good, FileStatus::WrongSize},
        {"unit file size", ByteVector(28994, 0), FileStatus::WrongSize},
        {"first magic byte", good, FileStatus::WrongMagic},
        {"last magic byte", good, FileStatus::WrongMagic},
        {"lower-case magic", good, FileStatus::WrongMagic},
    };
    cases[2].bytes.push_back(0);
    cases[4].bytes[0] = '#';
    cases[5].bytes[15] = 0;
    cases[6].bytes[4] = 't';
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ParameterImage t = Target();
        const ParameterImage before = t;
        std::string why;
        EXPECT_EQ(PresetFile::FromBytes(c.bytes, t, &why), c.status);
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(std::memcmp(&t, &before, sizeof t), 0);
    }
    ParameterImage t = Target();
    EXPECT_EQ(PresetFile::FromBytes(nullptr, 1452, t), FileStatus::WrongSize);
}

struct RangeCase {
    const char *field; // expected in the refusal text
    size_t offset;     // image offset
    int width;
    unsigned last;     // largest accepted value; last + 1 is refused
};

// One field of each kind, in each kind of record, at its upper bound.
const RangeCase kRangeCases[] = {
    {"input A gate attack", 16 + 8, 2, 998},
    {"input A gate threshold", 16 + 14, 2, 180},
    {"input B gate hold", 16 + 140 + 12, 2, 998},
    {"input D GEQ band 30", 16 + 420 + 16 + 60, 2, 240},
    {"input A PEQ band 0 type", 16 + 78 + 5, 1, 8},
    {"input C PEQ band 2 Q", 16 + 280 + 78 + 12 + 4, 1, 100},
    {"input A PEQ band 7 gain", 16 + 78 + 42, 2, 240},
    {"input B high-pass type", 16 + 140 + 130, 1, 20},
    {"input C low-pass frequency", 16 + 280 + 128, 2, 300},
    {"input A delay", 16 + 136, 2, 65280},
    {"input D gain", 16 + 420 + 132, 2, 400},
    {"input C link mask", 16 + 280 + 138, 2, 0x0F},
    {"output 1 low-pass type", 576 + 23, 1, 20},
    {"output 1 high-pass frequency", 576 + 18, 2, 300},
    {"output 8 PEQ band 8 frequency", 576 + 728 + 24 + 48 + 2, 2, 300},
    {"output 2 PEQ band 0 gain", 576 + 104 + 24, 2, 240},
    {"output 3 gain", 576 + 208 + 96, 2, 400},
    {"output 4 polarity", 576 + 312 + 98, 2, 2}, // 2 is taken as inverted
    {"input B polarity", 16 + 140 + 134, 2, 2},
    {"output 5 mix D", 576 + 416 + 16, 2, 280},
    {"output 6 route mask", 576 + 520 + 8, 2, 0x0F},
    {"output 7 compressor ratio", 576 + 624 + 78, 2, 15},
    {"output 1 compressor release", 576 + 82, 2, 2999},
    {"output 2 limiter knee", 576 + 104 + 92, 2, 12},
    {"output 2 limiter threshold", 576 + 104 + 94, 2, 220},
    {"output 8 delay", 576 + 728 + 100, 2, 65280},
    {"output 8 link mask", 576 + 728 + 102, 2, 0xFF},
    {"input mute mask", 1408, 2, 0x0F},
    {"output mute mask", 1410, 2, 0xFF},
    {"input A PEQ bypass mask", 1412, 2, 0xFF},
    {"output 8 PEQ bypass mask", 1434, 2, 0x1FF},
};

TEST(PresetFileTest, FieldOutsideItsRangeRefusesTheWholeFile)
{
    for (const RangeCase &c : kRangeCases) {
        SCOPED_TRACE(c.field);
        ParameterImage src = RandomImage(3);
        Poke(src, c.offset, c.width, c.last);
        ParameterImage t = Target();
        ASSERT_EQ(PresetFile::FromBytes(PresetFile::ToBytes(src), t), FileStatus::Ok);
        EXPECT_EQ(ImageBytes(t, 2, 1436), ImageBytes(src, 2, 1436));

        Poke(src, c.offset, c.width, c.last + 1);
        t = Target();
        const ParameterImage before = t;
        std::string why;
        EXPECT_EQ(PresetFile::FromBytes(PresetFile::ToBytes(src), t, &why), FileStatus::OutOfRange);
        EXPECT_EQ(why.rfind(c.field, 0), 0u) << why;
        EXPECT_EQ(std::memcmp(&t, &before, sizeof t), 0);
    }
}

TEST(PresetFileTest, LowerBoundsOfReleaseAndHoldAreChecked)
{
    ParameterImage src = RandomImage(4);
    src.inputs[1].gate[1] = 8; // release below 10 ms
    ParameterImage t = Target();
    std::string why;
    EXPECT_EQ(PresetFile::FromBytes(PresetFile::ToBytes(src), t, &why), FileStatus::OutOfRange);
    EXPECT_EQ(why.rfind("input B gate release", 0), 0u) << why;
}

TEST(PresetFileTest, FieldsOutsideTheFileAreNotChecked)
{
    // Test signal, delay unit and the EQ bypass masks do not travel in a preset file.
    ParameterImage src = RandomImage(5);
    src.delayUnit = 7;
    src.testSignalMode = 9;
    ParameterImage t = Target();
    EXPECT_EQ(PresetFile::FromBytes(PresetFile::ToBytes(src), t), FileStatus::Ok);
    EXPECT_NE(ImageRanges::Fault(src, ImageFields::UnitRecord), "");
    EXPECT_EQ(ImageRanges::Fault(src, ImageFields::PresetBody), "");
}

// (code, channel) of every command a load sends, in order; channel -1 for none.
std::vector<std::pair<int, int>> ExpectedLoadOrder()
{
    std::vector<std::pair<int, int>> v{{0x26, -1}};
    for (int c = 0; c < 4; ++c) {
        v.insert(v.end(), {{0x3D, c}, {0x3E, c}});
        for (int b = 0; b < 31; ++b)
            v.push_back({0x48, c});
        v.insert(v.end(), {{0x32, c}, {0x31, c}, {0x34, c}, {0x36, c}, {0x38, c}, {0x3B, c}});
    }
    for (int c = 4; c < 12; ++c) {
        v.insert(v.end(), {{0x3D, c}, {0x3A, c}, {0x41, c}, {0x41, c}, {0x41, c}, {0x41, c}, {0x32, c}, {0x31, c},
                           {0x30, c}, {0x3F, c}, {0x34, c}, {0x36, c}, {0x38, c}, {0x3B, c}});
    }
    for (int c = 0; c < 12; ++c)
        v.push_back({0x35, c});
    for (int c = 0; c < 12; ++c)
        for (int b = 0; b < (c < 4 ? 8 : 9); ++b)
            v.push_back({0x33, c});
    return v;
}

TEST(PresetFileTest, LoadCommandsComeInTheDeviceOrder)
{
    const ParameterImage img = RandomImage(6);
    const std::vector<LCmd> cmds = PresetFile::LoadCommands(img, 7);
    const auto expected = ExpectedLoadOrder();
    ASSERT_EQ(cmds.size(), 385u);
    ASSERT_EQ(expected.size(), 385u);
    for (size_t i = 0; i < cmds.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cmds[i].GetId(), 7);
        EXPECT_EQ(cmds[i].GetCode(), expected[i].first);
        if (expected[i].second >= 0) {
            EXPECT_EQ(cmds[i].Data().at(0), expected[i].second);
        }
    }
    EXPECT_EQ(cmds.front().GetData(), ImageBytes(img, 2, 16));
    // GEQ band 5 of input B: channel, band, gain word.
    const uint16_t geq = img.inputs[1].geq[5];
    EXPECT_EQ(cmds[1 + 39 + 2 + 5].GetData(), ByteVector({1, 5, uint8_t(geq & 0xFF), uint8_t(geq >> 8)}));
    // The last: output 8, band 8, with its bypass bit.
    const PeqBand &b = img.outputs[7].peq[8];
    EXPECT_EQ(cmds.back().ToBytes(1), CM_MCS_PEQ(7, 11, 8, b.gainIndex, b.freqIndex, b.qIndex, b.type,
                                                 (img.peqBypassMasks[11] >> 8) & 1)
                                          .ToBytes(1));
    // Mutes carry one bit each.
    const size_t firstMute = 1 + 4 * 39 + 8 * 14;
    for (int c = 0; c < 12; ++c) {
        const unsigned bit = c < 4 ? (img.inputMuteMask >> c) & 1 : (img.outputMuteMask >> (c - 4)) & 1;
        EXPECT_EQ(cmds[firstMute + c].GetData(), ByteVector({uint8_t(c), uint8_t(bit)}));
    }
}

// Feeds every load command to a simulated processor.
void SendAll(SimProcessor &sim, const std::vector<LCmd> &cmds)
{
    for (const LCmd &c : cmds)
        sim.Feed(c.ToBytes(1));
}

TEST(PresetFileTest, ProcessorThatTakesTheLoadHoldsTheFilesSettings)
{
    ParameterImage img = RandomImage(8);
    for (int i = 0; i < kInputCount; ++i)
        img.inputs[i].linkMask = uint16_t(1u << i);
    for (int o = 0; o < kOutputCount; ++o)
        img.outputs[o].linkMask = uint16_t(1u << o);
    SimProcessor sim;
    SendAll(sim, PresetFile::LoadCommands(img, 1));
    EXPECT_EQ(sim.refusedCount, 0);
    EXPECT_EQ(sim.ReceivedFrames().size(), 385u);
    EXPECT_EQ(ImageBytes(sim.image, 2, 1436), ImageBytes(img, 2, 1436));
}

TEST(PresetFileTest, LinkedChannelsOfAFileArriveWhole)
{
    // Inputs A and B and outputs 1 to 3 linked, each group with equal settings.
    ParameterImage img = RandomImage(9);
    img.inputs[1] = img.inputs[0];
    std::memcpy(img.inputs[1].name, "InB\0\0\0\0\0", 8);
    img.inputs[0].linkMask = img.inputs[1].linkMask = 0x03;
    img.inputs[2].linkMask = 0x04;
    img.inputs[3].linkMask = 0x08;
    for (int o = 0; o < kOutputCount; ++o) {
        if (o > 0 && o < 3)
            img.outputs[o] = img.outputs[0];
        img.outputs[o].linkMask = o < 3 ? 0x07 : uint16_t(1u << o);
    }
    img.peqBypassMasks[1] = img.peqBypassMasks[0];
    img.peqBypassMasks[5] = img.peqBypassMasks[6] = img.peqBypassMasks[4];
    img.inputMuteMask = 0x03;
    img.outputMuteMask = 0x07;
    SimProcessor sim;
    SendAll(sim, PresetFile::LoadCommands(img, 1));
    EXPECT_EQ(sim.refusedCount, 0);
    EXPECT_EQ(ImageBytes(sim.image, 2, 1436), ImageBytes(img, 2, 1436));
}

} // namespace
