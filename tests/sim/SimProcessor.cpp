#include "SimProcessor.h"

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"

#include <cstring>

namespace {

uint16_t Word(const ByteVector &d, size_t at) { return uint16_t(d[at] | d[at + 1] << 8); }

bool IsInput(unsigned ch) { return ch < unsigned(kInputCount); }
bool IsOutput(unsigned ch) { return ch >= unsigned(kInputCount) && ch < unsigned(kChannelCount); }
bool InRange(unsigned v, unsigned lo, unsigned hi) { return v >= lo && v <= hi; }

// Ranges the processor accepts, as stored in the image.
constexpr unsigned kMaxFreq = 300, kMaxEqGain = 240, kMaxQ = 100, kMaxPeqType = 8, kMaxSlope = 20;
constexpr unsigned kMaxGain = 400, kMaxMix = 280, kMaxDelay = 65280;
constexpr unsigned kMaxAttack = 998, kMinRelease = 9, kMaxRelease = 2999, kMinHold = 9, kMaxHold = 998;
constexpr unsigned kMaxKnee = 12, kMaxRatio = 15, kMaxDynThreshold = 220, kMaxGateThreshold = 180;
constexpr unsigned kLastBlock = 28;

// Channels written by an edit of ch: every channel of its kind in ch's link
// group, so that a member's edit reaches its leader's whole group.
std::vector<int> Group(const ParameterImage &img, unsigned ch)
{
    std::vector<int> members;
    const uint16_t mask = FindGroupLinkMask(img, int(ch));
    const int first = IsInput(ch) ? 0 : kInputCount;
    const int count = IsInput(ch) ? kInputCount : kOutputCount;
    for (int i = 0; i < count; ++i)
        if ((mask >> i) & 1)
            members.push_back(first + i);
    return members;
}

void SetBit(uint16_t &mask, int bit, bool on)
{
    if (on)
        mask = uint16_t(mask | 1u << bit);
    else
        mask = uint16_t(mask & ~(1u << bit));
}

uint16_t &MuteMask(ParameterImage &img, int ch) { return IsInput(unsigned(ch)) ? img.inputMuteMask : img.outputMuteMask; }
uint16_t &EqBypassMask(ParameterImage &img, int ch)
{
    return IsInput(unsigned(ch)) ? img.inputEqBypassMask : img.outputEqBypassMask;
}
int SideBit(int ch) { return IsInput(unsigned(ch)) ? ch : ch - kInputCount; }

// The settings of one channel copied onto another of its kind: everything but
// the name, the link mask and an output's routing and mix.
void CopyChannel(ParameterImage &img, int from, int to)
{
    if (IsInput(unsigned(from))) {
        InputChannelRecord &d = img.inputs[to];
        const InputChannelRecord &s = img.inputs[from];
        std::memcpy(d.gate, s.gate, offsetof(InputChannelRecord, linkMask) - offsetof(InputChannelRecord, gate));
    } else {
        OutputChannelRecord &d = img.outputs[to - kInputCount];
        const OutputChannelRecord &s = img.outputs[from - kInputCount];
        std::memcpy(&d.hpfFreq, &s.hpfFreq,
                    offsetof(OutputChannelRecord, linkMask) - offsetof(OutputChannelRecord, hpfFreq));
    }
    img.peqBypassMasks[to] = img.peqBypassMasks[from];
    SetBit(MuteMask(img, to), SideBit(to), (MuteMask(img, from) >> SideBit(from)) & 1);
    SetBit(EqBypassMask(img, to), SideBit(to), (EqBypassMask(img, from) >> SideBit(from)) & 1);
}

ByteVector Block(const ParameterImage &img, unsigned block)
{
    ByteVector out(1, uint8_t(block));
    for (size_t k = 0; k < SimProcessor::kBlockSize; ++k) {
        const size_t at = block * SimProcessor::kBlockSize + k;
        out.push_back(at < ParameterImage::kSize ? img.Bytes()[at] : 0);
    }
    return out;
}

} // namespace

SimProcessor::SimProcessor(uint8_t id) : image(ParameterImage::Default()), deviceId(id)
{
    for (auto &s : storedSlots)
        s = ParameterImage::Default();
}

ByteVector SimProcessor::ReplyFrame(uint8_t id, uint8_t code, const ByteVector &payload)
{
    ByteVector f{CommandFrame::kDle, CommandFrame::kStx, id, 0x00, uint8_t(payload.size() + 1), code};
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(CommandFrame::kDle);
    f.push_back(CommandFrame::kEtx);
    f.push_back(CommandFrame::Check(f.data(), f.size()));
    return f;
}

std::array<uint8_t, 3> SimProcessor::EncodeLevel(float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return {uint8_t(bits >> 16), uint8_t(bits >> 24), uint8_t(bits >> 8)};
}

ByteVector SimProcessor::Feed(const uint8_t *p, size_t n)
{
    ByteVector out;
    pending.insert(pending.end(), p, p + n);
    for (;;) {
        size_t start = 0;
        while (start + 1 < pending.size() && !(pending[start] == CommandFrame::kDle && pending[start + 1] == CommandFrame::kStx))
            ++start;
        pending.erase(pending.begin(), pending.begin() + long(start));
        if (pending.size() < CommandFrame::kMinSize)
            break;
        const size_t size = CommandFrame::SizeForLen(pending[CommandFrame::kLenByte]);
        if (pending.size() < size)
            break;
        if (!CommandFrame::IsComplete(pending.data(), size)) {
            pending.erase(pending.begin());
            continue;
        }
        ByteVector frame(pending.begin(), pending.begin() + long(size));
        pending.erase(pending.begin(), pending.begin() + long(size));
        for (const ByteVector &r : HandleFrame(frame))
            out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

std::vector<ByteVector> SimProcessor::HandleFrame(const ByteVector &frame)
{
    received.push_back(frame);
    if (!CommandFrame::IsComplete(frame.data(), frame.size()))
        return {};
    Reply r{kReplyRefused, {}};
    const uint8_t target = frame[CommandFrame::kSentIdByte];
    const bool checkOk = CommandFrame::Check(frame.data(), frame.size() - 1) == frame.back();
    if (checkOk && (target == deviceId || target == kBroadcastId)) {
        const ByteVector data(frame.begin() + long(CommandFrame::kHeaderSize), frame.end() - 3);
        r = Answer(frame[CommandFrame::kCodeByte], data);
    }
    if (r.code == kReplyRefused)
        ++refusedCount;
    const uint8_t code = frame[CommandFrame::kCodeByte];
    if (r.code == kReplyAck && IsSetter(code) && setterAnswer != SetterAnswer::Ack) {
        r.code = setterAnswer == SetterAnswer::Echo ? code : kReplyRefused;
        if (setterAnswer == SetterAnswer::Echo)
            r.payload.assign(frame.begin() + long(CommandFrame::kHeaderSize), frame.end() - 3);
    }
    return {ReplyFrame(deviceId, r.code, r.payload)};
}

bool SimProcessor::IsSetter(uint8_t code)
{
    switch (code) {
    case CM_MCS_COMP::kCode:
    case CM_MCS_LIMIT::kCode:
    case CM_MCS_GATE::kCode:
    case CM_MCS_POLARITY::kCode:
    case CM_MCS_PEQ::kCode:
    case CM_MCS_GEQ::kCode:
    case CM_MCS_HIGH_PASS::kCode:
    case CM_MCS_LOW_PASS::kCode:
    case CM_MCS_GAIN::kCode:
    case CM_MCS_DELAY::kCode:
    case CM_MCS_DELAYUNIT::kCode:
    case CM_MCS_MATRIX::kCode:
    case CM_MCS_MIX::kCode:
    case CM_MCS_MUTE::kCode:
    case CM_MCS_CHANNEL_NAME::kCode:
    case CM_MCS_WORK_MODE::kCode:
    case CMD_LINK_MASK:
    case CMD_EQ_BYPASS:
    case CMD_GEQ_BYPASS:
        return true;
    default:
        return false;
    }
}

void SimProcessor::FactoryReset()
{
    image = ParameterImage::Default();
    for (auto &s : storedSlots)
        s = ParameterImage::Default();
    stored.fill(false);
    currentPreset = 0;
    selectedSlot = -1;
}

SimProcessor::Reply SimProcessor::Answer(uint8_t code, const ByteVector &d)
{
    const Reply ack{kReplyAck, {}};
    const Reply refused{kReplyRefused, {}};
    const size_t n = d.size();
    const unsigned ch = n ? d[0] : 0xFFu;

    // Writes f into every member of ch's link group.
    auto group = [&](auto f) {
        for (int m : Group(image, ch))
            f(m);
    };

    switch (code) {
    case CMD_CONNECT:
        return n == 0 ? Reply{CMD_CONNECT, {}} : refused;
    case CMD_DISCONNECT:
    case CMD_POLL:
        return n == 0 ? ack : refused;
    case CMD_IDENTITY:
        if (n != 0)
            return refused;
        return {CMD_IDENTITY, ByteVector(identity, identity + std::strlen(identity))};
    case CMD_CURRENT_PRESET:
        return n == 0 ? Reply{CMD_CURRENT_PRESET, {currentPreset}} : refused;
    case CMD_LOCK_STATUS:
        return n == 0 ? Reply{CMD_LOCK_STATUS, {0, 0, 0, 0, 0, uint8_t(locked ? 1 : 0)}} : refused;
    case CM_MCS_PASS_SUBMIT::kCode: {
        if (n != 1 + password.size())
            return refused;
        const bool ok = !locked || std::memcmp(d.data() + 1, password.data(), password.size()) == 0;
        if (ok)
            locked = false;
        return {CMD_PASS_SUBMIT_REPLY, {d[0], uint8_t(ok ? 1 : 0)}};
    }
    case CM_MCS_SET_LOCK::kCode: {
        if (n != password.size())
            return refused;
        std::memcpy(password.data(), d.data(), password.size());
        // An empty password removes the lock.
        locked = d != ByteVector(password.size(), 0);
        return ack;
    }
    case CMD_UPLOAD_START: {
        if (n != 0)
            return refused;
        ByteVector flags;
        for (bool s : stored)
            flags.push_back(s ? 255 : 0);
        return {CMD_UPLOAD_START, flags};
    }
    case CMD_PRESET_NAME: {
        if (n != 1 || d[0] >= kSlots)
            return refused;
        ByteVector out{d[0]};
        out.insert(out.end(), storedSlots[d[0]].presetName, storedSlots[d[0]].presetName + kPresetNameSize);
        return {CMD_PRESET_NAME, out};
    }
    case CMD_GET_PARAMETER_BLOCK:
        if (n != 1 || d[0] > kLastBlock)
            return refused;
        return {CMD_PARAMETER_BLOCK, Block(image, d[0])};
    case CMD_PARAMETER_BLOCK: // select a stored preset for reading
        if (n != 1 || !InRange(d[0], 1, kSlots))
            return refused;
        selectedSlot = d[0] - 1;
        return ack;
    case CMD_STORED_PRESET_BLOCK:
        if (n != 1 || d[0] > kLastBlock || selectedSlot < 0)
            return refused;
        return {CMD_STORED_PRESET_BLOCK, Block(storedSlots[size_t(selectedSlot)], d[0])};
    case CMD_RECALL_PRESET:
        if (n != 1 || d[0] > kSlots)
            return refused;
        image = d[0] == 0 ? ParameterImage::Default() : storedSlots[d[0] - 1u];
        currentPreset = d[0];
        return ack;
    case CMD_STORE_PRESET: {
        if (n != 1 || !InRange(d[0], 1, kSlots))
            return refused;
        ParameterImage &slot = storedSlots[d[0] - 1u];
        slot = image;
        slot.Bytes()[0] = 255; // marks a stored preset for whole-unit transfers
        stored[d[0] - 1u] = true;
        currentPreset = d[0];
        return ack;
    }
    case CM_MCS_PRESETNAME::kCode:
        if (n != size_t(kPresetNameSize))
            return refused;
        std::memcpy(image.presetName, d.data(), kPresetNameSize);
        return ack;
    case CMD_PREPARE_DOWNLOAD: // factory settings; a whole-unit download then fills the storedSlots
        if (n != 0)
            return refused;
        FactoryReset();
        return ack;
    case CM_MCS_DOWNLOAD::kCode: {
        if (n < 2 || n > 2 + kBlockSize || d[0] > kLastBlock || d[1] >= kSlots)
            return refused;
        uint8_t *dst = storedSlots[d[1]].Bytes();
        for (size_t k = 2; k < n; ++k) {
            const size_t at = d[0] * kBlockSize + (k - 2);
            if (at < ParameterImage::kSize)
                dst[at] = d[k];
        }
        if (d[0] == kLastBlock)
            stored[d[1]] = true;
        return {CMD_DOWNLOAD_REPLY, {d[0]}};
    }
    case CM_MCS_READ_EEPROM::kCode: {
        if (n != 3 || d[2] > CommandFrame::kMaxPayload) // the reply must fit one frame
            return refused;
        const size_t address = Word(d, 0);
        ByteVector out;
        for (size_t k = 0; k < d[2]; ++k)
            out.push_back(address + k < kUnitInfoSize ? unitInfo[address + k] : 0xFF);
        return {CMD_READ_EEPROM_REPLY, out};
    }
    case CM_MCS_WRITE_EEPROM::kCode: {
        if (n < 3 || n != 3u + d[2])
            return refused;
        const size_t address = Word(d, 0);
        for (size_t k = 0; k < d[2]; ++k)
            if (address + k < kUnitInfoSize)
                unitInfo[address + k] = d[3 + k];
        return ack;
    }
    case CM_MCS_MCU_RESET::kCode:
        if (n != 0)
            return refused;
        ++resetCount;
        selectedSlot = -1;
        return ack;
    case CMD_LEVELS: {
        if (n != 0)
            return refused;
        ByteVector out;
        for (float v : levels) {
            const auto b = EncodeLevel(v);
            out.insert(out.end(), b.begin(), b.end());
        }
        out.push_back(uint8_t(activity & 0xFF));
        out.push_back(uint8_t(activity >> 8));
        return {CMD_LEVELS, out};
    }
    case CMD_COPY_CHANNEL: {
        if (n != 2 || d[0] >= kChannelCount || d[1] >= kChannelCount || IsInput(d[0]) != IsInput(d[1]))
            return refused;
        for (int m : Group(image, d[1]))
            CopyChannel(image, d[0], m);
        return ack;
    }

    // Parameter edits.
    case CM_MCS_GAIN::kCode:
        if (n != 3 || ch >= unsigned(kChannelCount) || Word(d, 1) > kMaxGain)
            return refused;
        group([&](int m) {
            (IsInput(unsigned(m)) ? image.inputs[m].gain : image.outputs[m - kInputCount].gain) = Word(d, 1);
        });
        return ack;
    case CM_MCS_DELAY::kCode:
        if (n != 3 || ch >= unsigned(kChannelCount) || Word(d, 1) > kMaxDelay)
            return refused;
        group([&](int m) {
            (IsInput(unsigned(m)) ? image.inputs[m].delay : image.outputs[m - kInputCount].delay) = Word(d, 1);
        });
        return ack;
    case CM_MCS_POLARITY::kCode:
        if (n != 2 || ch >= unsigned(kChannelCount) || d[1] > 1)
            return refused;
        group([&](int m) {
            (IsInput(unsigned(m)) ? image.inputs[m].polarity : image.outputs[m - kInputCount].polarity) = d[1];
        });
        return ack;
    case CM_MCS_MUTE::kCode:
        if (n != 2 || ch >= unsigned(kChannelCount))
            return refused;
        group([&](int m) { SetBit(MuteMask(image, m), SideBit(m), d[1] != 0); });
        return ack;
    case CMD_EQ_BYPASS:
        if (n != 2 || ch >= unsigned(kChannelCount))
            return refused;
        group([&](int m) { SetBit(EqBypassMask(image, m), SideBit(m), d[1] != 0); });
        return ack;
    case CMD_GEQ_BYPASS:
        if (n != 2 || !IsInput(ch))
            return refused;
        group([&](int m) { SetBit(image.inputGeqBypassMask, m, d[1] != 0); });
        return ack;
    case CM_MCS_HIGH_PASS::kCode:
    case CM_MCS_LOW_PASS::kCode: {
        if (n != 4 || ch >= unsigned(kChannelCount) || Word(d, 1) > kMaxFreq || d[3] > kMaxSlope)
            return refused;
        const bool high = code == CM_MCS_HIGH_PASS::kCode;
        group([&](int m) {
            uint16_t &freq = IsInput(unsigned(m)) ? (high ? image.inputs[m].hpfFreq : image.inputs[m].lpfFreq)
                                                  : (high ? image.outputs[m - kInputCount].hpfFreq
                                                          : image.outputs[m - kInputCount].lpfFreq);
            uint8_t &type = IsInput(unsigned(m)) ? (high ? image.inputs[m].hpfType : image.inputs[m].lpfType)
                                                 : (high ? image.outputs[m - kInputCount].hpfType
                                                         : image.outputs[m - kInputCount].lpfType);
            freq = Word(d, 1);
            type = d[3];
        });
        return ack;
    }
    case CM_MCS_PEQ::kCode: {
        if (n != 9 || ch >= unsigned(kChannelCount))
            return refused;
        const unsigned band = d[1];
        const PeqBand v{Word(d, 2), Word(d, 4), d[6], d[7]};
        if (band >= unsigned(IsInput(ch) ? kInputPeqBands : kOutputPeqBands) || v.gainIndex > kMaxEqGain
            || v.freqIndex > kMaxFreq || v.qIndex > kMaxQ || v.type > kMaxPeqType || d[8] > 1)
            return refused;
        group([&](int m) {
            (IsInput(unsigned(m)) ? image.inputs[m].peq : image.outputs[m - kInputCount].peq)[band] = v;
            SetBit(image.peqBypassMasks[m], int(band), d[8] != 0);
        });
        return ack;
    }
    case CM_MCS_GEQ::kCode:
        if (n != 4 || ch >= unsigned(kChannelCount) || d[1] >= kGeqBands || Word(d, 2) > kMaxEqGain)
            return refused;
        if (IsInput(ch)) // outputs have no graphic EQ
            group([&](int m) { image.inputs[m].geq[d[1]] = Word(d, 2); });
        return ack;
    case CM_MCS_GATE::kCode: {
        if (n != 9 || !IsInput(ch))
            return refused;
        const uint16_t w[4] = {Word(d, 1), Word(d, 3), Word(d, 5), Word(d, 7)};
        if (w[0] > kMaxAttack || !InRange(w[1], kMinRelease, kMaxRelease) || !InRange(w[2], kMinHold, kMaxHold)
            || w[3] > kMaxGateThreshold)
            return refused;
        group([&](int m) { std::memcpy(image.inputs[m].gate, w, sizeof w); });
        return ack;
    }
    case CM_MCS_COMP::kCode: {
        if (n != 11 || !IsOutput(ch))
            return refused;
        const uint16_t w[5] = {Word(d, 1), Word(d, 3), Word(d, 5), Word(d, 7), Word(d, 9)};
        if (w[0] > kMaxRatio || w[1] > kMaxAttack || !InRange(w[2], kMinRelease, kMaxRelease) || w[3] > kMaxKnee
            || w[4] > kMaxDynThreshold)
            return refused;
        group([&](int m) { std::memcpy(image.outputs[m - kInputCount].comp, w, sizeof w); });
        return ack;
    }
    case CM_MCS_LIMIT::kCode: {
        if (n != 9 || !IsOutput(ch))
            return refused;
        const uint16_t w[4] = {Word(d, 1), Word(d, 3), Word(d, 5), Word(d, 7)};
        if (w[0] > kMaxAttack || !InRange(w[1], kMinRelease, kMaxRelease) || w[2] > kMaxKnee
            || w[3] > kMaxDynThreshold)
            return refused;
        group([&](int m) { std::memcpy(image.outputs[m - kInputCount].limit, w, sizeof w); });
        return ack;
    }

    // Single-channel and global settings.
    case CM_MCS_MATRIX::kCode:
        if (n != 2 || !IsOutput(ch) || d[1] > 0x0F)
            return refused;
        image.outputs[ch - kInputCount].routeMask = d[1];
        return ack;
    case CM_MCS_MIX::kCode:
        if (n != 4 || !IsOutput(ch) || d[1] >= kInputCount || Word(d, 2) > kMaxMix)
            return refused;
        image.outputs[ch - kInputCount].mix[d[1]] = Word(d, 2);
        return ack;
    case CMD_LINK_MASK:
        if (n != 2 || ch >= unsigned(kChannelCount) || (IsInput(ch) && d[1] > 0x0F))
            return refused;
        (IsInput(ch) ? image.inputs[ch].linkMask : image.outputs[ch - kInputCount].linkMask) = d[1];
        return ack;
    case CM_MCS_CHANNEL_NAME::kCode:
        if (n != 1 + size_t(kChannelNameSize) || ch >= unsigned(kChannelCount))
            return refused;
        std::memcpy(IsInput(ch) ? image.inputs[ch].name : image.outputs[ch - kInputCount].name, d.data() + 1,
                    kChannelNameSize);
        return ack;
    case CM_MCS_DELAYUNIT::kCode:
        if (n != 1 || d[0] > 2)
            return refused;
        image.delayUnit = d[0];
        return ack;
    case CM_MCS_WORK_MODE::kCode:
        if (n != 2 || d[0] > 3 || d[1] > 30)
            return refused;
        image.testSignalMode = d[0];
        image.sineFreqIndex = d[1];
        return ack;
    default:
        return refused;
    }
}
