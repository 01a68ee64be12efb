#include <gtest/gtest.h>

#include "ImageRanges.h"
#include "LUnitControl.h"
#include "PresetFile.h"
#include "RecordingHost.h"
#include "TestImages.h"
#include "UnitFile.h"

#include <cstddef>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// Device data outside the ranges that the controls and the files hold is held
// to them as the model takes it: the model holds what the pages can show, and
// what it saves opens again.

namespace {

size_t In(int c, size_t field) { return offsetof(ParameterImage, inputs) + size_t(c) * 140 + field; }
size_t Out(int o, size_t field) { return offsetof(ParameterImage, outputs) + size_t(o - 1) * 104 + field; }

unsigned Peek(const ParameterImage &img, size_t at, int width)
{
    return width == 2 ? unsigned(img.Bytes()[at]) | unsigned(img.Bytes()[at + 1]) << 8 : img.Bytes()[at];
}

void Poke(ParameterImage &img, size_t at, int width, unsigned v)
{
    img.Bytes()[at] = uint8_t(v & 0xFF);
    if (width == 2)
        img.Bytes()[at + 1] = uint8_t(v >> 8);
}

// The 29 block replies of an image, as the device streams them.
std::vector<ByteVector> Blocks(const ParameterImage &img)
{
    std::vector<ByteVector> blocks;
    for (int n = 0; n < LUnitControl::kBlockCount; ++n) {
        ByteVector b{uint8_t(n)};
        for (size_t k = 0; k < size_t(LUnitControl::kBlockSize); ++k) {
            const size_t at = size_t(n) * LUnitControl::kBlockSize + k;
            b.push_back(at < ParameterImage::kSize ? img.Bytes()[at] : 0);
        }
        blocks.push_back(b);
    }
    return blocks;
}

struct Field {
    const char *name;
    size_t at; // image offset
    int width;
    unsigned lo, hi; // stored range; a mask keeps only the bits of hi
    bool mask;
};

// One field of every kind the device sends back.
const Field kFields[] = {
    {"input A gain", In(0, 132), 2, 0, 400, false},
    {"output 8 gain", Out(8, 96), 2, 0, 400, false},
    {"output 3 mix B", Out(3, 12), 2, 0, 280, false},
    {"input D GEQ band 17", In(3, 16 + 34), 2, 0, 240, false},
    {"input B PEQ band 7 gain", In(1, 78 + 42), 2, 0, 240, false},
    {"output 2 PEQ band 8 frequency", Out(2, 24 + 48 + 2), 2, 0, 300, false},
    {"input C PEQ band 0 Q", In(2, 78 + 4), 1, 0, 100, false},
    {"output 5 PEQ band 4 type", Out(5, 24 + 24 + 5), 1, 0, 8, false},
    {"input A high-pass frequency", In(0, 126), 2, 0, 300, false},
    {"output 1 low-pass frequency", Out(1, 20), 2, 0, 300, false},
    {"input B low-pass type", In(1, 131), 1, 0, 20, false},
    {"output 6 high-pass type", Out(6, 22), 1, 0, 20, false},
    {"input C delay", In(2, 136), 2, 0, 65280, false},
    {"output 4 delay", Out(4, 100), 2, 0, 65280, false},
    {"input A gate attack", In(0, 8), 2, 0, 998, false},
    {"input B gate release", In(1, 10), 2, 9, 2999, false},
    {"input C gate hold", In(2, 12), 2, 9, 998, false},
    {"input D gate threshold", In(3, 14), 2, 0, 180, false},
    {"output 1 compressor ratio", Out(1, 78), 2, 0, 15, false},
    {"output 2 compressor attack", Out(2, 80), 2, 0, 998, false},
    {"output 3 compressor release", Out(3, 82), 2, 9, 2999, false},
    {"output 4 compressor knee", Out(4, 84), 2, 0, 12, false},
    {"output 5 compressor threshold", Out(5, 86), 2, 0, 220, false},
    {"output 6 limiter attack", Out(6, 88), 2, 0, 998, false},
    {"output 7 limiter release", Out(7, 90), 2, 9, 2999, false},
    {"output 8 limiter knee", Out(8, 92), 2, 0, 12, false},
    {"output 1 limiter threshold", Out(1, 94), 2, 0, 220, false},
    {"input D polarity", In(3, 134), 2, 0, 1, false},
    {"output 7 polarity", Out(7, 98), 2, 0, 1, false},
    {"output 2 route mask", Out(2, 8), 2, 0, 0x0F, true},
    {"input B link mask", In(1, 138), 2, 0, 0x0F, true},
    {"output 3 link mask", Out(3, 102), 2, 0, 0xFF, true},
    {"input mute mask", 1408, 2, 0, 0x0F, true},
    {"output mute mask", 1410, 2, 0, 0xFF, true},
    {"input C PEQ bypass mask", 1412 + 4, 2, 0, 0xFF, true},
    {"output 8 PEQ bypass mask", 1434, 2, 0, 0x1FF, true},
    {"test signal mode", 1436, 2, 0, 3, false},
    {"sine frequency", 1438, 2, 0, 30, false},
    {"delay unit", 1440, 2, 0, 2, false},
    {"input EQ bypass mask", 1442, 2, 0, 0x0F, true},
    {"output EQ bypass mask", 1444, 2, 0, 0xFF, true},
    {"input GEQ bypass mask", 1446, 2, 0, 0x0F, true},
};

// The words fed for a field, each with the value the model must hold.
std::vector<std::pair<unsigned, unsigned>> OutOfRange(const Field &f)
{
    const unsigned all = f.width == 2 ? 0xFFFF : 0xFF, top = f.width == 2 ? 0x8000 : 0x80;
    std::vector<std::pair<unsigned, unsigned>> v;
    if (f.mask) {
        v = {{all, f.hi}, {f.hi + 1, 0}, {top | 1u, 1}};
    } else {
        // All ones, just above the maximum, and a word negative when read
        // signed (where that lies outside the range).
        v = {{all, f.hi}, {f.hi + 1, f.hi}};
        if (top > f.hi)
            v.push_back({top, f.hi});
        if (f.lo > 0)
            v.insert(v.end(), {{0, f.lo}, {f.lo - 1, f.lo}});
    }
    return v;
}

// The stored user preset a whole-unit upload reads, with one field poked.
StoredPresetRecord StoredFrom(LUnitControl &model, int number, const ParameterImage &img)
{
    for (const ByteVector &b : Blocks(img))
        EXPECT_TRUE(model.ReceivePresetChunk(number, b));
    return model.GetStoredPreset(number - 1);
}

TEST(DeviceIntake, EveryKindOfFieldOutsideItsRangeIsHeldAndTheSavedFilesOpenAgain)
{
    const ParameterImage device = RandomImage(71);
    for (const Field &f : kFields) {
        for (const auto &[fed, held] : OutOfRange(f)) {
            SCOPED_TRACE(std::string(f.name) + " fed " + std::to_string(fed));
            RecordingHost host;
            LUnitControl model(&host);
            ParameterImage sent = device;
            Poke(sent, f.at, f.width, fed);
            for (const ByteVector &b : Blocks(sent))
                ASSERT_TRUE(model.ReceiveImageChunk(b));

            ParameterImage expected = sent;
            expected.reserved = ParameterImage::Default().reserved;
            Poke(expected, f.at, f.width, held);
            EXPECT_EQ(Peek(model.GetImage(), f.at, f.width), held);
            EXPECT_EQ(std::memcmp(&model.GetImage(), &expected, sizeof expected), 0) << "only the field changed";
            EXPECT_TRUE(host.sent.empty());

            // The ".prs" saved now opens again, field for field.
            const ByteVector prs = PresetFile::ToBytes(model.GetImage());
            RecordingHost other;
            LUnitControl reopened(&other);
            ASSERT_EQ(reopened.ApplyPresetBytes(prs.data() + PresetFile::kMagicSize,
                                                prs.size() - PresetFile::kMagicSize),
                      FileStatus::Ok);
            EXPECT_EQ(PresetFile::ToBytes(reopened.GetImage()), prs);

            // The same field in a stored preset: the ".unt" written opens again.
            ParameterImage stored = sent;
            stored.Bytes()[0] = UnitRecord::kStoredMark;
            model.SetPresetStored(6);
            const StoredPresetRecord rec = StoredFrom(model, 7, stored);
            if (f.at + size_t(f.width) <= UnitRecord::kImageBytes) {
                EXPECT_EQ(Peek(UnitRecord::FromStoredPreset(rec).Image(), f.at, f.width), held);
            }
            const ByteVector unt = UnitFile::FromModel(model).ToBytes();
            UnitFile read;
            std::string why;
            ASSERT_EQ(UnitFile::FromBytes(unt, read, &why), FileStatus::Ok) << why;
            EXPECT_EQ(read.ToBytes(), unt);
        }
    }
}

TEST(DeviceIntake, NamesKeepTheirPrintableBytesAndTheirFieldsPadding)
{
    ParameterImage sent = RandomImage(72);
    const uint8_t channel[8] = {'K', 0x01, 'i', 0xFF, 'c', 0, 'x', 0x7F};
    std::memcpy(sent.inputs[2].name, channel, 8);
    const uint8_t control[8] = {0x1B, '[', '2', 'J', 0x9B, 0x0A, 0x0D, 'Z'};
    std::memcpy(sent.outputs[7].name, control, 8);
    const uint8_t preset[14] = {'L', 'i', 0, 'v', 0xE9, 'e', 0x7F, 0, 0, 0x09, 'X', 0, 0, 0};
    std::memcpy(sent.presetName, preset, 14);

    RecordingHost host;
    LUnitControl model(&host);
    for (const ByteVector &b : Blocks(sent))
        ASSERT_TRUE(model.ReceiveImageChunk(b));
    EXPECT_EQ(std::memcmp(model.GetChannelName(2), "Kic\0\0\0\0\0", 8), 0);
    EXPECT_EQ(std::memcmp(model.GetChannelName(11), "[2JZ\0\0\0\0", 8), 0);
    EXPECT_EQ(std::memcmp(model.GetPresetName(), "Li ve  X      ", 14), 0);
    // Names already as the edits make them stay as they are.
    EXPECT_EQ(std::memcmp(model.GetChannelName(0), sent.inputs[0].name, 8), 0);

    // The preset-name replies of the upload: the current preset's name and the lists.
    ByteVector reply(15, 4);
    std::memcpy(reply.data() + 1, preset, 14);
    ASSERT_TRUE(model.SetStoredPresetName(5, reply));
    EXPECT_EQ(host.recallRows[5], "Li ve  X      ");
    EXPECT_EQ(host.storeRows[4], "Li ve  X      ");
    ASSERT_TRUE(model.SetPresetName(ByteVector(preset, preset + 14)));
    EXPECT_EQ(std::memcmp(model.GetPresetName(), "Li ve  X      ", 14), 0);
}

// Whatever bytes the device sends, the image taken passes both file checks;
// an image already in range is taken unchanged.
TEST(DeviceIntake, HeldImagesPassBothFileChecksAndInRangeImagesStay)
{
    std::mt19937 rng(73);
    for (int seed = 0; seed < 40; ++seed) {
        SCOPED_TRACE(seed);
        ParameterImage noise;
        for (size_t i = 0; i < ParameterImage::kSize; ++i)
            noise.Bytes()[i] = uint8_t(rng());
        ImageRanges::Hold(noise);
        EXPECT_EQ(ImageRanges::Fault(noise, ImageFields::PresetBody), "");
        EXPECT_EQ(ImageRanges::Fault(noise, ImageFields::UnitRecord), "");

        const ParameterImage good = RandomImage(uint32_t(100 + seed));
        ParameterImage held = good;
        ImageRanges::Hold(held);
        EXPECT_EQ(std::memcmp(&held, &good, sizeof good), 0);
    }
}

} // namespace
