#include "CommandClasses.h"

#include <algorithm>

namespace {

// Copies the first n characters of text and pads with NUL up to n.
void PutPassword(ByteVector &out, const std::string &text, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        out.push_back(i < text.size() ? uint8_t(text[i]) : uint8_t(0));
}

} // namespace

CM_MCS_COMP::CM_MCS_COMP(uint8_t deviceId, uint8_t channel, uint16_t ratio, uint16_t attack,
                         uint16_t release, uint16_t knee, uint16_t threshold)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutWord(ratio);
    PutWord(attack);
    PutWord(release);
    PutWord(knee);
    PutWord(threshold);
}
CM_MCS_COMP::~CM_MCS_COMP() = default;

CM_MCS_LIMIT::CM_MCS_LIMIT(uint8_t deviceId, uint8_t channel, uint16_t attack, uint16_t release,
                           uint16_t knee, uint16_t threshold)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutWord(attack);
    PutWord(release);
    PutWord(knee);
    PutWord(threshold);
}
CM_MCS_LIMIT::~CM_MCS_LIMIT() = default;

CM_MCS_GATE::CM_MCS_GATE(uint8_t deviceId, uint8_t channel, uint16_t attack, uint16_t release,
                         uint16_t hold, uint16_t threshold)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutWord(attack);
    PutWord(release);
    PutWord(hold);
    PutWord(threshold);
}
CM_MCS_GATE::~CM_MCS_GATE() = default;

CM_MCS_POLARITY::CM_MCS_POLARITY(uint8_t deviceId, uint8_t channel, uint16_t polarity)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutByte(polarity != 0 ? 1 : 0);
}
CM_MCS_POLARITY::~CM_MCS_POLARITY() = default;

CM_MCS_PEQ::CM_MCS_PEQ(uint8_t deviceId, uint8_t channel, uint8_t band, uint16_t gainIndex,
                       uint16_t freqIndex, uint8_t qIndex, uint8_t type, uint8_t bypass)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutByte(band);
    PutWord(gainIndex);
    PutWord(freqIndex);
    PutByte(qIndex);
    PutByte(type);
    PutByte(bypass != 0 ? 1 : 0);
}
CM_MCS_PEQ::~CM_MCS_PEQ() = default;

CM_MCS_GEQ::CM_MCS_GEQ(uint8_t deviceId, uint8_t channel, uint8_t band, uint16_t gainIndex)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutByte(band);
    PutWord(gainIndex);
}
CM_MCS_GEQ::~CM_MCS_GEQ() = default;

CM_MCS_HIGH_PASS::CM_MCS_HIGH_PASS(uint8_t deviceId, uint8_t channel, uint16_t freqIndex, uint8_t type)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutWord(freqIndex);
    PutByte(type);
}
CM_MCS_HIGH_PASS::~CM_MCS_HIGH_PASS() = default;

CM_MCS_LOW_PASS::CM_MCS_LOW_PASS(uint8_t deviceId, uint8_t channel, uint16_t freqIndex, uint8_t type)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutWord(freqIndex);
    PutByte(type);
}
CM_MCS_LOW_PASS::~CM_MCS_LOW_PASS() = default;

CM_MCS_GAIN::CM_MCS_GAIN(uint8_t deviceId, uint8_t channel, uint16_t gain) : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutWord(gain);
}
CM_MCS_GAIN::~CM_MCS_GAIN() = default;

CM_MCS_DELAY::CM_MCS_DELAY(uint8_t deviceId, uint8_t channel, uint16_t delay) : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutWord(delay);
}
CM_MCS_DELAY::~CM_MCS_DELAY() = default;

CM_MCS_DELAYUNIT::CM_MCS_DELAYUNIT(uint8_t deviceId, uint8_t unit) : LCmd(deviceId, kCode)
{
    PutByte(unit);
}
CM_MCS_DELAYUNIT::~CM_MCS_DELAYUNIT() = default;

CM_MCS_MATRIX::CM_MCS_MATRIX(uint8_t deviceId, uint8_t channel, uint16_t routeMask)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutByte(uint8_t(routeMask & 0xFF));
}
CM_MCS_MATRIX::~CM_MCS_MATRIX() = default;

CM_MCS_MIX::CM_MCS_MIX(uint8_t deviceId, uint8_t channel, uint8_t input, uint16_t level)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutByte(input);
    PutWord(level);
}
CM_MCS_MIX::~CM_MCS_MIX() = default;

CM_MCS_MUTE::CM_MCS_MUTE(uint8_t deviceId, uint8_t channel, uint8_t mute) : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutByte(mute);
}
CM_MCS_MUTE::~CM_MCS_MUTE() = default;

CM_MCS_CHANNEL_NAME::CM_MCS_CHANNEL_NAME(uint8_t deviceId, uint8_t channel, const uint8_t *name)
    : LCmd(deviceId, kCode)
{
    PutByte(channel);
    PutBytes(name, kNameSize);
}
CM_MCS_CHANNEL_NAME::~CM_MCS_CHANNEL_NAME() = default;

CM_MCS_PRESETNAME::CM_MCS_PRESETNAME(uint8_t deviceId, const uint8_t *name) : LCmd(deviceId, kCode)
{
    PutBytes(name, kNameSize);
}
CM_MCS_PRESETNAME::~CM_MCS_PRESETNAME() = default;

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(uint8_t deviceId, uint16_t address, uint8_t count,
                                         const uint8_t *bytes)
    : LCmd(deviceId, kCode)
{
    const uint8_t n = uint8_t(std::min<size_t>(count, kMaxCount));
    PutWord(address);
    PutByte(n);
    PutBytes(bytes, n);
}
CM_MCS_WRITE_EEPROM::~CM_MCS_WRITE_EEPROM() = default;

CM_MCS_READ_EEPROM::CM_MCS_READ_EEPROM(uint8_t deviceId, uint16_t address, uint8_t count)
    : LCmd(deviceId, kCode)
{
    PutWord(address);
    PutByte(count);
}
CM_MCS_READ_EEPROM::~CM_MCS_READ_EEPROM() = default;

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(uint8_t deviceId, uint8_t block, uint8_t slot, const uint8_t *bytes,
                                 size_t count)
    : LCmd(deviceId, kCode)
{
    PutByte(block);
    PutByte(slot);
    PutBytes(bytes, std::min(count, kMaxCount));
}
CM_MCS_DOWNLOAD::~CM_MCS_DOWNLOAD() = default;

CM_MCS_MCU_RESET::CM_MCS_MCU_RESET(uint8_t deviceId) : LCmd(deviceId, kCode) {}
CM_MCS_MCU_RESET::~CM_MCS_MCU_RESET() = default;

CM_MCS_SET_LOCK::CM_MCS_SET_LOCK(uint8_t deviceId, const std::string &password) : LCmd(deviceId, kCode)
{
    PutPassword(data, password, kPasswordSize);
}
CM_MCS_SET_LOCK::~CM_MCS_SET_LOCK() = default;

CM_MCS_PASS_SUBMIT::CM_MCS_PASS_SUBMIT(uint8_t deviceId, uint8_t selector, const std::string &password)
    : LCmd(deviceId, kCode)
{
    PutByte(selector);
    PutPassword(data, password, kPasswordSize);
}
CM_MCS_PASS_SUBMIT::~CM_MCS_PASS_SUBMIT() = default;

CM_MCS_WORK_MODE::CM_MCS_WORK_MODE(uint8_t deviceId, uint8_t mode, uint8_t sineFreqIndex)
    : LCmd(deviceId, kCode)
{
    PutByte(mode);
    PutByte(sineFreqIndex);
}
CM_MCS_WORK_MODE::~CM_MCS_WORK_MODE() = default;
