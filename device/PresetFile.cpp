#include "PresetFile.h"

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ImageRanges.h"

#include <cstring>

const uint8_t PresetFile::kMagic[PresetFile::kMagicSize] = {'*', '*', '*', '*', 'T', 'Q', '6', '2',
                                                            'V', '0', '1', '0', '*', '*', '*', '*'};

ByteVector PresetFile::ToPresetString(const ParameterImage &image)
{
    ByteVector out(kStringSize);
    std::memcpy(out.data(), kMagic, kMagicSize);
    std::memcpy(out.data() + kMagicSize, image.Bytes() + kFirstImageByte, kBodySize);
    return out;
}

ByteVector PresetFile::ToBytes(const ParameterImage &image)
{
    ByteVector out = ToPresetString(image);
    out.push_back(0x0D);
    out.push_back(0x0A);
    return out;
}

FileStatus PresetFile::Refuse(FileStatus status, std::string text, std::string *why)
{
    if (why)
        *why = std::move(text);
    return status;
}

FileStatus PresetFile::CheckSizeAndMagic(const uint8_t *p, size_t n, size_t size, std::string *why)
{
    if (p == nullptr || n != size)
        return Refuse(FileStatus::WrongSize, "file size " + std::to_string(n) + ", expected " + std::to_string(size), why);
    if (std::memcmp(p, kMagic, kMagicSize) != 0)
        return Refuse(FileStatus::WrongMagic, "magic", why);
    return FileStatus::Ok;
}

FileStatus PresetFile::FromBytes(const uint8_t *p, size_t n, ParameterImage &image, std::string *why)
{
    const FileStatus framing = CheckSizeAndMagic(p, n, kSize, why);
    if (framing != FileStatus::Ok)
        return framing;
    return FromBody(p + kMagicSize, n - kMagicSize, image, why);
}

FileStatus PresetFile::FromBody(const uint8_t *body, size_t n, ParameterImage &image, std::string *why)
{
    if (body == nullptr || n < kBodySize)
        return Refuse(FileStatus::WrongSize, "body size " + std::to_string(n) + ", expected " + std::to_string(kBodySize), why);
    // Check on a copy so that a refused file leaves the caller's image untouched.
    ParameterImage loaded = image;
    std::memcpy(loaded.Bytes() + kFirstImageByte, body, kBodySize);
    std::string fault = ImageRanges::Fault(loaded, ImageFields::PresetBody);
    if (!fault.empty())
        return Refuse(FileStatus::OutOfRange, fault, why);
    image = loaded;
    return FileStatus::Ok;
}

std::vector<LCmd> PresetFile::LoadCommands(const ParameterImage &img, uint8_t id)
{
    std::vector<LCmd> cmds;
    cmds.reserve(kLoadCommandCount);
    cmds.push_back(CM_MCS_PRESETNAME(id, img.presetName));

    auto common = [&](uint8_t c, uint16_t gain, uint16_t polarity, uint16_t delay, uint16_t linkMask) {
        cmds.push_back(CM_MCS_GAIN(id, c, gain));
        cmds.push_back(CM_MCS_POLARITY(id, c, polarity));
        cmds.push_back(CM_MCS_DELAY(id, c, delay));
        cmds.push_back(CM_MCS_CMD(id, CMD_LINK_MASK, c, uint8_t(linkMask & 0xFF)));
    };

    for (int i = 0; i < kInputCount; ++i) {
        const InputChannelRecord &r = img.inputs[i];
        const uint8_t c = uint8_t(i);
        cmds.push_back(CM_MCS_CHANNEL_NAME(id, c, r.name));
        cmds.push_back(CM_MCS_GATE(id, c, r.gate[0], r.gate[1], r.gate[2], r.gate[3]));
        for (int b = 0; b < kGeqBands; ++b)
            cmds.push_back(CM_MCS_GEQ(id, c, uint8_t(b), r.geq[b]));
        cmds.push_back(CM_MCS_HIGH_PASS(id, c, r.hpfFreq, r.hpfType));
        cmds.push_back(CM_MCS_LOW_PASS(id, c, r.lpfFreq, r.lpfType));
        common(c, r.gain, r.polarity, r.delay, r.linkMask);
    }
    for (int o = 0; o < kOutputCount; ++o) {
        const OutputChannelRecord &r = img.outputs[o];
        const uint8_t c = uint8_t(kInputCount + o);
        cmds.push_back(CM_MCS_CHANNEL_NAME(id, c, r.name));
        cmds.push_back(CM_MCS_MATRIX(id, c, r.routeMask));
        for (int in = 0; in < kInputCount; ++in)
            cmds.push_back(CM_MCS_MIX(id, c, uint8_t(in), r.mix[in]));
        cmds.push_back(CM_MCS_HIGH_PASS(id, c, r.hpfFreq, r.hpfType));
        cmds.push_back(CM_MCS_LOW_PASS(id, c, r.lpfFreq, r.lpfType));
        cmds.push_back(CM_MCS_COMP(id, c, r.comp[0], r.comp[1], r.comp[2], r.comp[3], r.comp[4]));
        cmds.push_back(CM_MCS_LIMIT(id, c, r.limit[0], r.limit[1], r.limit[2], r.limit[3]));
        common(c, r.gain, r.polarity, r.delay, r.linkMask);
    }
    for (int i = 0; i < kInputCount; ++i)
        cmds.push_back(CM_MCS_MUTE(id, uint8_t(i), uint8_t((img.inputMuteMask >> i) & 1)));
    for (int o = 0; o < kOutputCount; ++o)
        cmds.push_back(CM_MCS_MUTE(id, uint8_t(kInputCount + o), uint8_t((img.outputMuteMask >> o) & 1)));
    for (int c = 0; c < kChannelCount; ++c) {
        const bool input = c < kInputCount;
        const PeqBand *bands = input ? img.inputs[c].peq : img.outputs[c - kInputCount].peq;
        const int count = input ? kInputPeqBands : kOutputPeqBands;
        for (int b = 0; b < count; ++b) {
            const PeqBand &band = bands[b];
            cmds.push_back(CM_MCS_PEQ(id, uint8_t(c), uint8_t(b), band.gainIndex, band.freqIndex, band.qIndex,
                                      band.type, uint8_t((img.peqBypassMasks[c] >> b) & 1)));
        }
    }
    return cmds;
}
