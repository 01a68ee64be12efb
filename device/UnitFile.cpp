#include "UnitFile.h"

#include "ImageRanges.h"
#include "LUnitControl.h"

#include <cstring>

UnitRecord UnitRecord::Empty()
{
    UnitRecord r;
    std::memset(r.bytes, kEmptyFill, kSize);
    return r;
}

UnitRecord UnitRecord::FromStoredPreset(const StoredPresetRecord &preset)
{
    UnitRecord r;
    r.bytes[0] = preset.presetNumber;
    std::memcpy(r.bytes + 1, preset.image, kImageBytes);
    return r;
}

ParameterImage UnitRecord::Image() const
{
    ParameterImage img;
    std::memset(&img, 0, sizeof img);
    std::memcpy(img.Bytes(), bytes + 1, kImageBytes);
    return img;
}

std::array<uint8_t, UnitRecord::kBlockSize> UnitRecord::DownloadBlock(int block) const
{
    std::array<uint8_t, kBlockSize> out{};
    if (block < 0 || block >= kBlockCount)
        return out;
    for (size_t k = 0; k < kBlockSize; ++k) {
        const size_t imageByte = size_t(block) * kBlockSize + k;
        if (imageByte < kImageBytes)
            out[k] = bytes[1 + imageByte];
    }
    return out;
}

UnitFile UnitFile::FromModel(const LUnitControl &model)
{
    UnitFile f;
    f.unitInfo = model.GetUnitInfo();
    for (int k = 0; k < kRecordCount; ++k)
        f.records[k] = model.IsPresetStored(k) ? UnitRecord::FromStoredPreset(model.GetStoredPreset(k))
                                               : UnitRecord::Empty();
    return f;
}

ByteVector UnitFile::ToBytes() const
{
    ByteVector out(kSize);
    std::memcpy(out.data(), PresetFile::kMagic, PresetFile::kMagicSize);
    std::memcpy(out.data() + PresetFile::kMagicSize, unitInfo.bytes, UnitInfoBlock::kSize);
    for (int k = 0; k < kRecordCount; ++k) {
        uint8_t *at = out.data() + kHeaderSize + size_t(k) * kRecordStride;
        std::memcpy(at, records[k].bytes, UnitRecord::kSize);
        at[UnitRecord::kSize] = 0x0D;
        at[UnitRecord::kSize + 1] = 0x0A;
    }
    return out;
}

FileStatus UnitFile::FromBytes(const uint8_t *p, size_t n, UnitFile &file, std::string *why)
{
    const FileStatus framing = PresetFile::CheckSizeAndMagic(p, n, kSize, why);
    if (framing != FileStatus::Ok)
        return framing;

    UnitFile loaded;
    std::memcpy(loaded.unitInfo.bytes, p + PresetFile::kMagicSize, UnitInfoBlock::kSize);
    for (int k = 0; k < kRecordCount; ++k) {
        UnitRecord &r = loaded.records[k];
        std::memcpy(r.bytes, p + kHeaderSize + size_t(k) * kRecordStride, UnitRecord::kSize);
        if (!r.IsStored())
            continue;
        const std::string record = "record " + std::to_string(k + 1);
        // The download addresses block 0 by this number and the rest by position.
        if (r.PresetNumber() != k + 1)
            return PresetFile::Refuse(FileStatus::OutOfRange,
                                      record + " preset number " + std::to_string(r.PresetNumber()), why);
        const std::string fault = ImageRanges::Fault(r.Image(), ImageFields::UnitRecord);
        if (!fault.empty())
            return PresetFile::Refuse(FileStatus::OutOfRange, record + ": " + fault, why);
    }
    file = loaded;
    return FileStatus::Ok;
}
