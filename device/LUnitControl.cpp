#include "LUnitControl.h"

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "ImageRanges.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsChannel(int ch) { return ch >= 0 && ch < kChannelCount; }
bool IsInput(int ch) { return ch >= 0 && ch < kInputCount; }
bool IsOutput(int ch) { return ch >= kInputCount && ch < kChannelCount; }
int PeqBandCount(int ch) { return IsInput(ch) ? kInputPeqBands : kOutputPeqBands; }
bool IsPeqBand(int ch, int band) { return IsChannel(ch) && band >= 0 && band < PeqBandCount(ch); }
// The bit of ch in the masks of its side (input n: bit n, output n+1: bit n).
uint16_t SideBit(int ch) { return uint16_t(1u << (IsInput(ch) ? ch : ch - kInputCount)); }

void SetBit(uint16_t &mask, uint16_t bit, bool on)
{
    mask = on ? uint16_t(mask | bit) : uint16_t(mask & ~bit);
}

constexpr char kDefaultPresetName[] = "Default Preset";

// Calls f with ch's input or output record (ch must be a channel); both record
// types share the field names f uses.
template <typename Image, typename F> decltype(auto) OnRecord(Image &img, int ch, F f)
{
    if (IsInput(ch))
        return f(img.inputs[ch]);
    return f(img.outputs[ch - kInputCount]);
}

template <size_t N> std::array<uint16_t, N> ToArray(const uint16_t (&words)[N])
{
    std::array<uint16_t, N> r{};
    std::copy(words, words + N, r.begin());
    return r;
}

template <typename R> void AssignFilter(R &r, bool high, uint16_t freq, uint8_t type)
{
    (high ? r.hpfFreq : r.lpfFreq) = freq;
    (high ? r.hpfType : r.lpfType) = type;
}

} // namespace

const uint8_t *ChannelRecord::Bytes() const
{
    return input ? reinterpret_cast<const uint8_t *>(input) : reinterpret_cast<const uint8_t *>(output);
}

size_t ChannelRecord::Size() const
{
    return input ? sizeof(InputChannelRecord) : output ? sizeof(OutputChannelRecord) : 0;
}

LUnitControl::LUnitControl(LUnitHost *host_) : host(host_)
{
    LoadDefaults();
}

LUnitControl::~LUnitControl() = default;

void LUnitControl::LoadDefaults()
{
    image = ParameterImage::Default();
}

// ---------------------------------------------------------------- records

ChannelRecord LUnitControl::GetChannelRecord(int ch) const
{
    ChannelRecord r;
    if (IsInput(ch))
        r.input = &image.inputs[ch];
    else if (IsOutput(ch))
        r.output = &image.outputs[ch - kInputCount];
    return r;
}

// ---------------------------------------------------------------- getters

uint16_t LUnitControl::GetGain(int ch) const
{
    return IsChannel(ch) ? OnRecord(image, ch, [](const auto &r) { return r.gain; }) : 0;
}

uint16_t LUnitControl::GetDelay(int ch) const
{
    return IsChannel(ch) ? OnRecord(image, ch, [](const auto &r) { return r.delay; }) : 0;
}

uint8_t LUnitControl::GetPolarity(int ch) const
{
    return IsChannel(ch) && OnRecord(image, ch, [](const auto &r) { return r.polarity; }) != 0;
}

bool LUnitControl::IsMuted(int ch) const
{
    if (IsInput(ch))
        return image.inputMuteMask & SideBit(ch);
    return IsOutput(ch) && (image.outputMuteMask & SideBit(ch));
}

bool LUnitControl::IsPeqBandBypassed(int ch, int band) const
{
    return IsPeqBand(ch, band) && ((image.peqBypassMasks[ch] >> band) & 1);
}

PeqBand LUnitControl::GetPeqBand(int ch, int band) const
{
    return IsPeqBand(ch, band) ? OnRecord(image, ch, [&](const auto &r) { return r.peq[band]; }) : PeqBand{};
}

uint16_t LUnitControl::GetGeqBand(int input, int band) const
{
    return IsInput(input) && band >= 0 && band < kGeqBands ? image.inputs[input].geq[band] : 0;
}

PeqBand LUnitControl::GetDefaultPeqBand(int ch, int band)
{
    return IsPeqBand(ch, band) ? OnRecord(ParameterImage::Default(), ch, [&](const auto &r) { return r.peq[band]; })
                               : PeqBand{};
}

uint16_t LUnitControl::GetDefaultGeqBand(int input, int band)
{
    return IsInput(input) && band >= 0 && band < kGeqBands ? ParameterImage::Default().inputs[input].geq[band]
                                                           : 0;
}

std::array<uint16_t, 5> LUnitControl::GetComp(int output) const
{
    return IsOutput(output) ? ToArray(image.outputs[output - kInputCount].comp) : std::array<uint16_t, 5>{};
}

std::array<uint16_t, 4> LUnitControl::GetLimit(int output) const
{
    return IsOutput(output) ? ToArray(image.outputs[output - kInputCount].limit) : std::array<uint16_t, 4>{};
}

std::array<uint16_t, 4> LUnitControl::GetGate(int input) const
{
    return IsInput(input) ? ToArray(image.inputs[input].gate) : std::array<uint16_t, 4>{};
}

CrossoverRecord LUnitControl::GetCrossover(int ch) const
{
    if (!IsChannel(ch))
        return CrossoverRecord{};
    return OnRecord(image, ch, [](const auto &r) { return CrossoverRecord{r.hpfFreq, r.lpfFreq, r.hpfType, r.lpfType}; });
}

const uint8_t *LUnitControl::GetChannelName(int ch) const
{
    return OnRecord(image, IsChannel(ch) ? ch : 0, [](const auto &r) { return &r.name[0]; });
}

uint16_t LUnitControl::GetLinkMask(int ch) const
{
    return IsChannel(ch) ? OnRecord(image, ch, [](const auto &r) { return r.linkMask; }) : 0;
}

uint16_t LUnitControl::GetRouteMask(int output) const
{
    return IsOutput(output) ? image.outputs[output - kInputCount].routeMask : 0;
}

uint16_t LUnitControl::GetMixLevel(int output, int input) const
{
    return IsOutput(output) && IsInput(input) ? image.outputs[output - kInputCount].mix[input] : 0;
}

uint16_t LUnitControl::GetEqBypassMask(int ch) const
{
    return IsInput(ch) ? image.inputEqBypassMask : image.outputEqBypassMask;
}

uint16_t LUnitControl::FindGroupLinkMask(int ch) const
{
    return ::FindGroupLinkMask(image, ch);
}

bool LUnitControl::IsPresetStored(int slot) const
{
    return slot >= 0 && slot < kPresetSlots && presetStored[size_t(slot)] != 0;
}

// ---------------------------------------------------------------- sending

uint8_t LUnitControl::DeviceId() const
{
    return host ? host->GetDeviceId() : 0;
}

void LUnitControl::Send(const LCmd &cmd, bool append)
{
    if (host && !host->IsUpdatingControls())
        host->SendCommand(cmd, append);
}

void LUnitControl::InvalidateCurve(int ch)
{
    if (host)
        host->InvalidateCurve(ch);
}

template <typename F> void LUnitControl::ForEachMember(int ch, F f)
{
    const uint16_t mask = FindGroupLinkMask(ch);
    const int first = IsInput(ch) ? 0 : kInputCount;
    const int count = IsInput(ch) ? kInputCount : kOutputCount;
    for (int i = 0; i < count; ++i)
        if (mask & (1u << i))
            f(first + i);
}

// ---------------------------------------------------------------- group setters

void LUnitControl::SetComp(int output, const std::array<uint16_t, 5> &c)
{
    if (!IsOutput(output))
        return;
    ForEachMember(output, [&](int m) {
        std::copy(c.begin(), c.end(), image.outputs[m - kInputCount].comp);
    });
    Send(CM_MCS_COMP(DeviceId(), uint8_t(output), c[0], c[1], c[2], c[3], c[4]), false);
}

void LUnitControl::SetLimit(int output, const std::array<uint16_t, 4> &l)
{
    if (!IsOutput(output))
        return;
    ForEachMember(output, [&](int m) {
        std::copy(l.begin(), l.end(), image.outputs[m - kInputCount].limit);
    });
    Send(CM_MCS_LIMIT(DeviceId(), uint8_t(output), l[0], l[1], l[2], l[3]), false);
}

void LUnitControl::SetGate(int input, const std::array<uint16_t, 4> &g)
{
    if (!IsInput(input))
        return;
    ForEachMember(input, [&](int m) { std::copy(g.begin(), g.end(), image.inputs[m].gate); });
    Send(CM_MCS_GATE(DeviceId(), uint8_t(input), g[0], g[1], g[2], g[3]), false);
}

void LUnitControl::SetPolarity(int ch, uint16_t polarity)
{
    if (!IsChannel(ch))
        return;
    ForEachMember(ch, [&](int m) { OnRecord(image, m, [&](auto &r) { r.polarity = polarity; }); });
    Send(CM_MCS_POLARITY(DeviceId(), uint8_t(ch), polarity), false);
}

void LUnitControl::SetGain(int ch, uint16_t gain)
{
    if (!IsChannel(ch))
        return;
    ForEachMember(ch, [&](int m) { OnRecord(image, m, [&](auto &r) { r.gain = gain; }); });
    Send(CM_MCS_GAIN(DeviceId(), uint8_t(ch), gain), false);
}

void LUnitControl::SetDelay(int ch, uint16_t delay)
{
    if (!IsChannel(ch))
        return;
    ForEachMember(ch, [&](int m) { OnRecord(image, m, [&](auto &r) { r.delay = delay; }); });
    Send(CM_MCS_DELAY(DeviceId(), uint8_t(ch), delay), false);
}

void LUnitControl::SetMute(int ch, bool on)
{
    if (!IsChannel(ch))
        return;
    uint16_t &mask = IsInput(ch) ? image.inputMuteMask : image.outputMuteMask;
    ForEachMember(ch, [&](int m) { SetBit(mask, SideBit(m), on); });
    Send(CM_MCS_MUTE(DeviceId(), uint8_t(ch), on ? 1 : 0), false);
}

void LUnitControl::SetPeqBand(int ch, int band, const PeqBand &v, bool bypass)
{
    if (!IsPeqBand(ch, band))
        return;
    ForEachMember(ch, [&](int m) {
        OnRecord(image, m, [&](auto &r) { r.peq[band] = v; });
        SetBit(image.peqBypassMasks[m], uint16_t(1u << band), bypass);
    });
    Send(CM_MCS_PEQ(DeviceId(), uint8_t(ch), uint8_t(band), v.gainIndex, v.freqIndex, v.qIndex, v.type,
                    bypass ? 1 : 0),
         false);
    InvalidateCurve(ch);
}

void LUnitControl::SetGeqBand(int input, int band, uint16_t gainIndex)
{
    if (!IsChannel(input) || band < 0 || band >= kGeqBands)
        return;
    if (IsInput(input))
        ForEachMember(input, [&](int m) { image.inputs[m].geq[band] = gainIndex; });
    Send(CM_MCS_GEQ(DeviceId(), uint8_t(input), uint8_t(band), gainIndex), false);
    InvalidateCurve(input);
}

void LUnitControl::SetHighPass(int ch, const CrossoverRecord &x)
{
    if (!IsChannel(ch))
        return;
    ForEachMember(ch, [&](int m) { OnRecord(image, m, [&](auto &r) { AssignFilter(r, true, x.hpfFreq, x.hpfType); }); });
    Send(CM_MCS_HIGH_PASS(DeviceId(), uint8_t(ch), x.hpfFreq, x.hpfType), false);
    InvalidateCurve(ch);
}

void LUnitControl::SetLowPass(int ch, const CrossoverRecord &x)
{
    if (!IsChannel(ch))
        return;
    ForEachMember(ch, [&](int m) { OnRecord(image, m, [&](auto &r) { AssignFilter(r, false, x.lpfFreq, x.lpfType); }); });
    Send(CM_MCS_LOW_PASS(DeviceId(), uint8_t(ch), x.lpfFreq, x.lpfType), false);
    InvalidateCurve(ch);
}

// ---------------------------------------------------------------- single setters

void LUnitControl::SetMatrixRoute(int output, int input, bool on)
{
    if (!IsOutput(output) || !IsInput(input))
        return;
    uint16_t &mask = image.outputs[output - kInputCount].routeMask;
    SetBit(mask, uint16_t(1u << input), on);
    Send(CM_MCS_MATRIX(DeviceId(), uint8_t(output), mask), false);
}

void LUnitControl::SetMixLevel(int output, int input, uint16_t level)
{
    if (!IsOutput(output) || !IsInput(input))
        return;
    image.outputs[output - kInputCount].mix[input] = level;
    Send(CM_MCS_MIX(DeviceId(), uint8_t(output), uint8_t(input), level), false);
}

void LUnitControl::SetDelayUnit(uint16_t unit)
{
    image.delayUnit = unit;
    Send(CM_MCS_DELAYUNIT(DeviceId(), uint8_t(unit)), false);
}

void LUnitControl::SetLinkMask(int ch, uint16_t mask)
{
    if (!IsChannel(ch))
        return;
    OnRecord(image, ch, [&](auto &r) { r.linkMask = mask; });
    Send(CM_MCS_CMD(DeviceId(), CMD_LINK_MASK, uint8_t(ch), uint8_t(mask & 0xFF)), true);
}

void LUnitControl::SetChannelName(int ch, const uint8_t *name)
{
    if (!IsChannel(ch) || name == nullptr)
        return;
    uint8_t *dst = OnRecord(image, ch, [](auto &r) { return &r.name[0]; });
    std::memcpy(dst, name, kChannelNameSize);
    Send(CM_MCS_CHANNEL_NAME(DeviceId(), uint8_t(ch), dst), true);
}

void LUnitControl::SetEqBypassMask(int ch, uint16_t mask)
{
    if (IsInput(ch))
        image.inputEqBypassMask = mask;
    else if (IsOutput(ch))
        image.outputEqBypassMask = mask;
}

void LUnitControl::SetGeqBypassMask(uint16_t mask)
{
    image.inputGeqBypassMask = mask;
}

// ---------------------------------------------------------------- copy

void LUnitControl::CopyChannel(int from, int to)
{
    const bool inputs = IsInput(from) && IsInput(to);
    const bool outputs = IsOutput(from) && IsOutput(to);
    if (!inputs && !outputs)
        return;
    if (inputs) {
        const size_t b = offsetof(InputChannelRecord, gate), e = offsetof(InputChannelRecord, linkMask);
        std::memcpy(reinterpret_cast<uint8_t *>(&image.inputs[to]) + b,
                    reinterpret_cast<const uint8_t *>(&image.inputs[from]) + b, e - b);
    } else {
        const size_t b = offsetof(OutputChannelRecord, hpfFreq), e = offsetof(OutputChannelRecord, linkMask);
        std::memcpy(reinterpret_cast<uint8_t *>(&image.outputs[to - kInputCount]) + b,
                    reinterpret_cast<const uint8_t *>(&image.outputs[from - kInputCount]) + b, e - b);
    }
    image.peqBypassMasks[to] = image.peqBypassMasks[from];
    uint16_t &mute = inputs ? image.inputMuteMask : image.outputMuteMask;
    uint16_t &eq = inputs ? image.inputEqBypassMask : image.outputEqBypassMask;
    SetBit(mute, SideBit(to), mute & SideBit(from));
    SetBit(eq, SideBit(to), eq & SideBit(from));
}

// ---------------------------------------------------------------- presets and names

bool LUnitControl::SetPresetFlags(const ByteVector &payload)
{
    if (payload.size() < size_t(kPresetSlots))
        return false;
    for (size_t i = 0; i < presetStored.size(); ++i)
        presetStored[i] = payload[i] == 255 ? 1 : 0;
    return true;
}

void LUnitControl::SetPresetStored(int slot)
{
    if (slot >= 0 && slot < kPresetSlots)
        presetStored[size_t(slot)] = 1;
}

bool LUnitControl::SetPresetName(const ByteVector &name)
{
    if (name.size() < size_t(kPresetNameSize))
        return false;
    std::memcpy(image.presetName, name.data(), kPresetNameSize);
    ImageRanges::HoldName(image.presetName, kPresetNameSize, ' ');
    return true;
}

void LUnitControl::ResetPresetNames()
{
    if (!host)
        return;
    for (int n = 1; n <= kPresetSlots; ++n) {
        host->SetRecallPresetName(n, kDefaultPresetName);
        host->SetStorePresetName(n - 1, kDefaultPresetName);
    }
}

bool LUnitControl::SetStoredPresetName(int n, const ByteVector &payload)
{
    if (n < 1 || n > kPresetSlots || payload.size() < size_t(1 + kPresetNameSize))
        return false;
    uint8_t held[kPresetNameSize];
    std::memcpy(held, payload.data() + 1, kPresetNameSize);
    ImageRanges::HoldName(held, kPresetNameSize, ' ');
    const std::string name(held, held + kPresetNameSize);
    if (host) {
        host->SetRecallPresetName(n, name);
        host->SetStorePresetName(n - 1, name);
    }
    return true;
}

// ---------------------------------------------------------------- preset files

ByteVector LUnitControl::ToPresetString() const
{
    return PresetFile::ToPresetString(image);
}

FileStatus LUnitControl::ApplyPresetBytes(const uint8_t *body, size_t n, std::string *why)
{
    const FileStatus status = PresetFile::FromBody(body, n, image, why);
    if (status != FileStatus::Ok || !host)
        return status;
    for (const LCmd &cmd : PresetFile::LoadCommands(image, DeviceId()))
        host->SendCommand(cmd, true);
    return status;
}

// ---------------------------------------------------------------- block transfers

namespace {

// Stages one block reply; false when it lies outside the staging area.
bool StageBlock(uint8_t *staging, const ByteVector &payload, int &block)
{
    if (payload.empty())
        return false;
    block = payload[0];
    const size_t count = payload.size() - 1;
    if (block >= LUnitControl::kBlockCount || count > size_t(LUnitControl::kBlockSize))
        return false;
    std::memcpy(staging + size_t(block) * LUnitControl::kBlockSize, payload.data() + 1, count);
    return true;
}

} // namespace

bool LUnitControl::ReceiveImageChunk(const ByteVector &payload)
{
    int block = 0;
    if (!StageBlock(blockStaging.data(), payload, block))
        return false;
    if (block == kBlockCount - 1) {
        // The image's first word is never taken from the device.
        ParameterImage taken = image;
        std::memcpy(taken.Bytes() + 2, blockStaging.data() + 2, ParameterImage::kSize - 2);
        ImageRanges::Hold(taken);
        image = taken;
    }
    return true;
}

bool LUnitControl::ReceivePresetChunk(int number, const ByteVector &payload)
{
    if (number < 1 || number > kPresetSlots)
        return false;
    int block = 0;
    if (!StageBlock(blockStaging.data(), payload, block))
        return false;
    if (block == kBlockCount - 1) {
        ParameterImage taken;
        std::memcpy(taken.Bytes(), blockStaging.data(), ParameterImage::kSize);
        ImageRanges::Hold(taken);
        StoredPresetRecord &rec = storedPresets[size_t(number - 1)];
        rec.presetNumber = uint8_t(number);
        std::memcpy(rec.image, taken.Bytes(), StoredPresetRecord::kImageSize);
    }
    return true;
}

// ---------------------------------------------------------------- whole unit

bool LUnitControl::SetDeviceInfo(const ByteVector &payload)
{
    if (payload.size() < UnitInfoBlock::kSize)
        return false;
    std::memcpy(unitInfo.bytes, payload.data(), UnitInfoBlock::kSize);
    return true;
}

const StoredPresetRecord &LUnitControl::GetStoredPreset(int slot) const
{
    return storedPresets[size_t(std::clamp(slot, 0, kPresetSlots - 1))];
}

void LUnitControl::SetStoredPreset(int slot, const StoredPresetRecord &rec)
{
    if (slot >= 0 && slot < kPresetSlots)
        storedPresets[size_t(slot)] = rec;
}
