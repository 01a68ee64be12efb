#include <gtest/gtest.h>

#include "LUnitControl.h"
#include "TestImages.h"
#include "UnitFile.h"

#include <cstring>

namespace {

// A stored preset as the device delivers it: first image byte 255.
StoredPresetRecord Stored(int number, uint32_t seed)
{
    ParameterImage img = RandomImage(seed);
    img.Bytes()[0] = 255;
    StoredPresetRecord r;
    r.presetNumber = uint8_t(number);
    std::memcpy(r.image, img.Bytes(), StoredPresetRecord::kImageSize);
    return r;
}

// The model after a whole-unit upload that found user presets 2 and 5.
LUnitControl ModelWithPresets2And5()
{
    LUnitControl model;
    UnitInfoBlock info;
    for (size_t i = 0; i < UnitInfoBlock::kSize; ++i)
        info.bytes[i] = uint8_t(0xA0 + i);
    model.SetUnitInfo(info);
    model.SetPresetStored(1);
    model.SetStoredPreset(1, Stored(2, 21));
    model.SetPresetStored(4);
    model.SetStoredPreset(4, Stored(5, 22));
    return model;
}

size_t RecordOffset(int k) { return 34 + 1448 * size_t(k); }

TEST(UnitFileTest, WritesHeaderRecordsAndLineEndsAndReadsThemBackByteExact)
{
    const LUnitControl model = ModelWithPresets2And5();
    const ByteVector file = UnitFile::FromModel(model).ToBytes();
    ASSERT_EQ(file.size(), 28994u);
    EXPECT_EQ(std::memcmp(file.data(), "****TQ62V010****", 16), 0);
    EXPECT_EQ(std::memcmp(file.data() + 16, model.GetUnitInfo().bytes, 18), 0);
    for (int k = 0; k < 20; ++k) {
        SCOPED_TRACE(k);
        const uint8_t *rec = file.data() + RecordOffset(k);
        if (k == 1 || k == 4) {
            EXPECT_EQ(rec[0], k + 1);
            EXPECT_EQ(std::memcmp(rec + 1, model.GetStoredPreset(k).image, 1445), 0);
        } else {
            EXPECT_EQ(ByteVector(rec, rec + 1446), ByteVector(1446, 0x64));
        }
        EXPECT_EQ(rec[1446], 0x0D);
        EXPECT_EQ(rec[1447], 0x0A);
    }

    UnitFile loaded = UnitFile::FromModel(LUnitControl());
    ASSERT_EQ(UnitFile::FromBytes(file, loaded), FileStatus::Ok);
    EXPECT_EQ(loaded.ToBytes(), file);
    EXPECT_TRUE(loaded.records[1].IsStored());
    EXPECT_FALSE(loaded.records[0].IsStored());
    EXPECT_EQ(loaded.records[4].PresetNumber(), 5);
}

TEST(UnitFileTest, RecordImageAndDownloadBlocks)
{
    const StoredPresetRecord src = Stored(3, 23);
    const UnitRecord r = UnitRecord::FromStoredPreset(src);
    const ParameterImage img = r.Image();
    EXPECT_EQ(std::memcmp(img.Bytes(), src.image, 1445), 0);
    EXPECT_EQ(ByteVector(img.Bytes() + 1445, img.Bytes() + 1448), ByteVector(3, 0));

    const auto b0 = r.DownloadBlock(0);
    EXPECT_EQ(std::memcmp(b0.data(), src.image, 50), 0);
    const auto b13 = r.DownloadBlock(13);
    EXPECT_EQ(std::memcmp(b13.data(), src.image + 650, 50), 0);
    // Block 28 holds image bytes 1400 to 1444 and then zeros, never the line end.
    const auto b28 = r.DownloadBlock(28);
    EXPECT_EQ(std::memcmp(b28.data(), src.image + 1400, 45), 0);
    EXPECT_EQ(ByteVector(b28.begin() + 45, b28.end()), ByteVector(5, 0));
    const auto b29 = r.DownloadBlock(29);
    EXPECT_EQ(ByteVector(b29.begin(), b29.end()), ByteVector(50, 0));
}

TEST(UnitFileTest, WrongSizeOrMagicIsRefusedAndTheTargetStays)
{
    const ByteVector good = UnitFile::FromModel(ModelWithPresets2And5()).ToBytes();
    struct Case {
        const char *name;
        size_t size;
        size_t badByte; // index set to '#', or SIZE_MAX
        FileStatus status;
    };
    const Case cases[] = {
        {"empty", 0, SIZE_MAX, FileStatus::WrongSize},
        {"28953 bytes", 28953, SIZE_MAX, FileStatus::WrongSize},
        {"28954 bytes, last record incomplete", 28954, SIZE_MAX, FileStatus::WrongSize},
        {"28993 bytes", 28993, SIZE_MAX, FileStatus::WrongSize},
        {"28995 bytes", 28995, SIZE_MAX, FileStatus::WrongSize},
        {"preset file size", 1452, SIZE_MAX, FileStatus::WrongSize},
        {"first magic byte", 28994, 0, FileStatus::WrongMagic},
        {"last magic byte", 28994, 15, FileStatus::WrongMagic},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ByteVector bytes = good;
        bytes.resize(c.size, 0x0A);
        if (c.badByte != SIZE_MAX)
            bytes[c.badByte] = '#';
        UnitFile t = UnitFile::FromModel(LUnitControl());
        const UnitFile before = t;
        std::string why;
        EXPECT_EQ(UnitFile::FromBytes(bytes, t, &why), c.status);
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(std::memcmp(&t, &before, sizeof t), 0);
    }
}

TEST(UnitFileTest, StoredRecordOutsideItsRangesRefusesTheWholeFile)
{
    const ByteVector good = UnitFile::FromModel(ModelWithPresets2And5()).ToBytes();
    struct Case {
        const char *why;
        int record;         // 0-19
        size_t imageOffset; // image byte, record byte + 1
        int width;
        unsigned value;
    };
    const Case cases[] = {
        {"record 2: input A PEQ band 0 type", 1, 16 + 78 + 5, 1, 9},
        {"record 5: output 1 high-pass type", 4, 576 + 22, 1, 21},
        {"record 5: output 3 gain", 4, 576 + 208 + 96, 2, 401},
        {"record 2: test signal mode", 1, 1436, 2, 4},
        {"record 2: sine frequency", 1, 1438, 2, 31},
        {"record 5: delay unit", 4, 1440, 2, 3},
        {"record 5: input EQ bypass mask", 4, 1442, 2, 0x10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        ByteVector bytes = good;
        uint8_t *at = bytes.data() + RecordOffset(c.record) + 1 + c.imageOffset;
        at[0] = uint8_t(c.value & 0xFF);
        if (c.width == 2)
            at[1] = uint8_t(c.value >> 8);
        UnitFile t = UnitFile::FromModel(LUnitControl());
        const UnitFile before = t;
        std::string why;
        EXPECT_EQ(UnitFile::FromBytes(bytes, t, &why), FileStatus::OutOfRange);
        EXPECT_EQ(why.rfind(c.why, 0), 0u) << why;
        EXPECT_EQ(std::memcmp(&t, &before, sizeof t), 0);
    }
}

TEST(UnitFileTest, StoredRecordMustCarryItsOwnNumber)
{
    ByteVector bytes = UnitFile::FromModel(ModelWithPresets2And5()).ToBytes();
    bytes[RecordOffset(4)] = 6; // record 5 claims to be preset 6
    UnitFile t = UnitFile::FromModel(LUnitControl());
    std::string why;
    EXPECT_EQ(UnitFile::FromBytes(bytes, t, &why), FileStatus::OutOfRange);
    EXPECT_EQ(why, "record 5 preset number 6");
}

TEST(UnitFileTest, RecordsThatHoldNoPresetAreNotChecked)
{
    ByteVector bytes = UnitFile::FromModel(ModelWithPresets2And5()).ToBytes();
    // Record 7: not marked stored, whatever else it holds.
    std::memset(bytes.data() + RecordOffset(6), 0xEE, 1446);
    bytes[RecordOffset(6) + 1] = 0;
    UnitFile t = UnitFile::FromModel(LUnitControl());
    EXPECT_EQ(UnitFile::FromBytes(bytes, t), FileStatus::Ok);
    EXPECT_FALSE(t.records[6].IsStored());
    EXPECT_EQ(t.ToBytes(), bytes);
}

} // namespace
