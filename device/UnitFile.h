#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "LCmd.h"
#include "ParameterImage.h"
#include "PresetFile.h"
#include "UnitInfoBlock.h"

class LUnitControl;

// One user preset as a ".unt" file keeps it: byte 0 the preset number (1 to 20),
// bytes 1 to 1445 image bytes 0 to 1444. A stored preset's first image byte is
// 255; a slot that holds no preset is written as 1446 bytes of 0x64.
struct UnitRecord {
    static constexpr size_t kSize = 1446;
    static constexpr size_t kImageBytes = kSize - 1; // image bytes 0 to 1444
    static constexpr uint8_t kEmptyFill = 0x64;
    static constexpr uint8_t kStoredMark = 255;
    static constexpr size_t kBlockSize = 50;
    static constexpr int kBlockCount = 29;

    uint8_t bytes[kSize];

    static UnitRecord Empty();
    static UnitRecord FromStoredPreset(const StoredPresetRecord &preset);

    // The whole-unit download sends a record only when this holds.
    bool IsStored() const { return bytes[1] == kStoredMark; }
    uint8_t PresetNumber() const { return bytes[0]; }
    // The record's image; bytes 1445 to 1447, which a record does not hold, are 0.
    ParameterImage Image() const;
    // Data of download block b (0 to 28): image bytes 50b to 50b + 49. Block 28
    // reaches past the record; those five bytes are sent as 0 (no output EQ
    // bypass above output 8, no GEQ bypass).
    std::array<uint8_t, kBlockSize> DownloadBlock(int block) const;
};

// ".unt": the 16-byte magic, the 18-byte UnitInfoBlock, then 20 records of 1446
// bytes each followed by CR LF; exactly 28994 bytes.
struct UnitFile {
    static constexpr int kRecordCount = 20;
    static constexpr size_t kHeaderSize = PresetFile::kMagicSize + UnitInfoBlock::kSize; // 34
    static constexpr size_t kRecordStride = UnitRecord::kSize + 2;                      // 1448
    static constexpr size_t kSize = kHeaderSize + kRecordCount * kRecordStride;          // 28994

    UnitInfoBlock unitInfo;
    UnitRecord records[kRecordCount];

    // What a whole-unit upload writes: the model's device information, and per
    // user preset n its stored record when the model holds preset n as stored,
    // else an empty record.
    static UnitFile FromModel(const LUnitControl &model);

    ByteVector ToBytes() const;

    // Checks the size, the magic and, for every stored record, that its number
    // names its own position and that its fields lie in their stored ranges.
    // Only when all pass is `file` replaced; otherwise it is left untouched and
    // `why` (when given) names the cause. Records that hold no preset are taken
    // as they are: nothing ever sends them.
    static FileStatus FromBytes(const uint8_t *p, size_t n, UnitFile &file, std::string *why = nullptr);
    static FileStatus FromBytes(const ByteVector &bytes, UnitFile &file, std::string *why = nullptr)
    {
        return FromBytes(bytes.data(), bytes.size(), file, why);
    }
};

static_assert(sizeof(UnitRecord) == UnitRecord::kSize, "UnitRecord layout");
static_assert(UnitFile::kSize == 28994, "UnitFile size");
