#include "PresetFile.h"

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"

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
    std::string fault = RangeFault(loaded, ImageFields::PresetBody);
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

namespace {

// Stored ranges of the image fields.
constexpr unsigned kMaxFreqIndex = 300;
constexpr unsigned kMaxEqGainIndex = 240;
constexpr unsigned kMaxQIndex = 100;
constexpr unsigned kMaxPeqType = 8;
constexpr unsigned kMaxCrossoverType = 20;
constexpr unsigned kMaxGainWord = 400;
constexpr unsigned kMaxMixWord = 280;
constexpr unsigned kMaxDelay = 65280;
constexpr unsigned kMaxPolarity = 1;
// Preset files written elsewhere may hold 2 for an inverted channel: the device
// gets 1 for it and the image keeps the word.
constexpr unsigned kMaxPresetFilePolarity = 2;
constexpr unsigned kMaxAttack = 998;
constexpr unsigned kMinRelease = 9, kMaxRelease = 2999;
constexpr unsigned kMinHold = 9, kMaxHold = 998;
constexpr unsigned kMaxKnee = 12;
constexpr unsigned kMaxRatio = 15;
constexpr unsigned kMaxDynThreshold = 220; // compressor and limiter: -90 .. +20 dB
constexpr unsigned kMaxGateThreshold = 180; // gate: -90 .. 0 dB
constexpr unsigned kMaxTestSignalMode = 3;
constexpr unsigned kMaxSineFreqIndex = 30;
constexpr unsigned kMaxDelayUnit = 2;
constexpr unsigned kInputBits = (1u << kInputCount) - 1;
constexpr unsigned kOutputBits = (1u << kOutputCount) - 1;
constexpr unsigned kInputBandBits = (1u << kInputPeqBands) - 1;
constexpr unsigned kOutputBandBits = (1u << kOutputPeqBands) - 1;

std::string ChannelName(int c)
{
    return c < kInputCount ? std::string("input ") + char('A' + c)
                           : std::string("output ") + char('1' + (c - kInputCount));
}

// Collects the first field found outside its range.
class RangeCheck {
public:
    void Range(unsigned v, unsigned lo, unsigned hi, const std::string &what)
    {
        if (fault.empty() && (v < lo || v > hi))
            fault = what + " " + std::to_string(v) + " outside " + std::to_string(lo) + ".." + std::to_string(hi);
    }
    void Max(unsigned v, unsigned hi, const std::string &what) { Range(v, 0, hi, what); }

    void Peq(const PeqBand *bands, int count, const std::string &ch)
    {
        for (int b = 0; b < count; ++b) {
            const std::string band = ch + " PEQ band " + std::to_string(b);
            Max(bands[b].gainIndex, kMaxEqGainIndex, band + " gain");
            Max(bands[b].freqIndex, kMaxFreqIndex, band + " frequency");
            Max(bands[b].qIndex, kMaxQIndex, band + " Q");
            Max(bands[b].type, kMaxPeqType, band + " type");
        }
    }
    template <class Record>
    void Common(const Record &r, const std::string &ch, unsigned linkBits, unsigned maxPolarity)
    {
        Max(r.hpfFreq, kMaxFreqIndex, ch + " high-pass frequency");
        Max(r.lpfFreq, kMaxFreqIndex, ch + " low-pass frequency");
        Max(r.hpfType, kMaxCrossoverType, ch + " high-pass type");
        Max(r.lpfType, kMaxCrossoverType, ch + " low-pass type");
        Max(r.gain, kMaxGainWord, ch + " gain");
        Max(r.polarity, maxPolarity, ch + " polarity");
        Max(r.delay, kMaxDelay, ch + " delay");
        Max(r.linkMask, linkBits, ch + " link mask");
    }

    std::string fault;
};

} // namespace

std::string PresetFile::RangeFault(const ParameterImage &img, ImageFields fields)
{
    RangeCheck k;
    const unsigned maxPolarity = fields == ImageFields::PresetBody ? kMaxPresetFilePolarity : kMaxPolarity;
    for (int i = 0; i < kInputCount; ++i) {
        const InputChannelRecord &r = img.inputs[i];
        const std::string ch = ChannelName(i);
        k.Max(r.gate[0], kMaxAttack, ch + " gate attack");
        k.Range(r.gate[1], kMinRelease, kMaxRelease, ch + " gate release");
        k.Range(r.gate[2], kMinHold, kMaxHold, ch + " gate hold");
        k.Max(r.gate[3], kMaxGateThreshold, ch + " gate threshold");
        for (int b = 0; b < kGeqBands; ++b)
            k.Max(r.geq[b], kMaxEqGainIndex, ch + " GEQ band " + std::to_string(b));
        k.Peq(r.peq, kInputPeqBands, ch);
        k.Common(r, ch, kInputBits, maxPolarity);
    }
    for (int o = 0; o < kOutputCount; ++o) {
        const OutputChannelRecord &r = img.outputs[o];
        const std::string ch = ChannelName(kInputCount + o);
        k.Max(r.routeMask, kInputBits, ch + " route mask");
        for (int in = 0; in < kInputCount; ++in)
            k.Max(r.mix[in], kMaxMixWord, ch + " mix " + char('A' + in));
        k.Peq(r.peq, kOutputPeqBands, ch);
        k.Max(r.comp[0], kMaxRatio, ch + " compressor ratio");
        k.Max(r.comp[1], kMaxAttack, ch + " compressor attack");
        k.Range(r.comp[2], kMinRelease, kMaxRelease, ch + " compressor release");
        k.Max(r.comp[3], kMaxKnee, ch + " compressor knee");
        k.Max(r.comp[4], kMaxDynThreshold, ch + " compressor threshold");
        k.Max(r.limit[0], kMaxAttack, ch + " limiter attack");
        k.Range(r.limit[1], kMinRelease, kMaxRelease, ch + " limiter release");
        k.Max(r.limit[2], kMaxKnee, ch + " limiter knee");
        k.Max(r.limit[3], kMaxDynThreshold, ch + " limiter threshold");
        k.Common(r, ch, kOutputBits, maxPolarity);
    }
    k.Max(img.inputMuteMask, kInputBits, "input mute mask");
    k.Max(img.outputMuteMask, kOutputBits, "output mute mask");
    for (int c = 0; c < kChannelCount; ++c)
        k.Max(img.peqBypassMasks[c], c < kInputCount ? kInputBandBits : kOutputBandBits,
              ChannelName(c) + " PEQ bypass mask");
    if (fields == ImageFields::UnitRecord) {
        k.Max(img.testSignalMode, kMaxTestSignalMode, "test signal mode");
        k.Max(img.sineFreqIndex, kMaxSineFreqIndex, "sine frequency");
        k.Max(img.delayUnit, kMaxDelayUnit, "delay unit");
        k.Max(img.inputEqBypassMask, kInputBits, "input EQ bypass mask");
        // A record holds only the low byte of the output EQ bypass mask: all 8 bits are valid.
    }
    return k.fault;
}
