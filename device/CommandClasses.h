#pragma once
#include "LCmd.h"

#include <string>

// One class per device operation. Each fixes its command code (kCode) and the
// order and width of its payload; words go low byte first and carry the stored
// values of the ParameterImage unchanged. Channels are ChannelIndex values
// (0-3 inputs A-D, 4-11 outputs 1-8).

// Output channel; words ratio, attack, release, knee, threshold + 180.
class CM_MCS_COMP : public LCmd {
public:
    static constexpr uint8_t kCode = 0x30;
    CM_MCS_COMP(uint8_t deviceId, uint8_t channel, uint16_t ratio, uint16_t attack, uint16_t release,
                uint16_t knee, uint16_t threshold);
    ~CM_MCS_COMP() override;
};

// Output channel; words attack, release, knee, threshold + 180.
class CM_MCS_LIMIT : public LCmd {
public:
    static constexpr uint8_t kCode = 0x3F;
    CM_MCS_LIMIT(uint8_t deviceId, uint8_t channel, uint16_t attack, uint16_t release, uint16_t knee,
                 uint16_t threshold);
    ~CM_MCS_LIMIT() override;
};

// Input channel; words attack, release, hold, threshold + 180.
class CM_MCS_GATE : public LCmd {
public:
    static constexpr uint8_t kCode = 0x3E;
    CM_MCS_GATE(uint8_t deviceId, uint8_t channel, uint16_t attack, uint16_t release, uint16_t hold,
                uint16_t threshold);
    ~CM_MCS_GATE() override;
};

// Channel; 1 for any non-zero polarity, else 0.
class CM_MCS_POLARITY : public LCmd {
public:
    static constexpr uint8_t kCode = 0x36;
    CM_MCS_POLARITY(uint8_t deviceId, uint8_t channel, uint16_t polarity);
    ~CM_MCS_POLARITY() override;
};

// Channel; band; words gain index, frequency index; Q index; type; bypass (1/0).
class CM_MCS_PEQ : public LCmd {
public:
    static constexpr uint8_t kCode = 0x33;
    CM_MCS_PEQ(uint8_t deviceId, uint8_t channel, uint8_t band, uint16_t gainIndex, uint16_t freqIndex,
               uint8_t qIndex, uint8_t type, uint8_t bypass);
    ~CM_MCS_PEQ() override;
};

// Input channel; band 0-30; word gain index.
class CM_MCS_GEQ : public LCmd {
public:
    static constexpr uint8_t kCode = 0x48;
    CM_MCS_GEQ(uint8_t deviceId, uint8_t channel, uint8_t band, uint16_t gainIndex);
    ~CM_MCS_GEQ() override;
};

// Channel; word frequency index; slope type.
class CM_MCS_HIGH_PASS : public LCmd {
public:
    static constexpr uint8_t kCode = 0x32;
    CM_MCS_HIGH_PASS(uint8_t deviceId, uint8_t channel, uint16_t freqIndex, uint8_t type);
    ~CM_MCS_HIGH_PASS() override;
};

class CM_MCS_LOW_PASS : public LCmd {
public:
    static constexpr uint8_t kCode = 0x31;
    CM_MCS_LOW_PASS(uint8_t deviceId, uint8_t channel, uint16_t freqIndex, uint8_t type);
    ~CM_MCS_LOW_PASS() override;
};

// Channel; gain word.
class CM_MCS_GAIN : public LCmd {
public:
    static constexpr uint8_t kCode = 0x34;
    CM_MCS_GAIN(uint8_t deviceId, uint8_t channel, uint16_t gain);
    ~CM_MCS_GAIN() override;
};

// Channel; delay word in samples.
class CM_MCS_DELAY : public LCmd {
public:
    static constexpr uint8_t kCode = 0x38;
    CM_MCS_DELAY(uint8_t deviceId, uint8_t channel, uint16_t delay);
    ~CM_MCS_DELAY() override;
};

// Display unit of delays: 0 ms, 1 metres, 2 feet.
class CM_MCS_DELAYUNIT : public LCmd {
public:
    static constexpr uint8_t kCode = 0x15;
    CM_MCS_DELAYUNIT(uint8_t deviceId, uint8_t unit);
    ~CM_MCS_DELAYUNIT() override;
};

// Output channel; low byte of its route mask.
class CM_MCS_MATRIX : public LCmd {
public:
    static constexpr uint8_t kCode = 0x3A;
    CM_MCS_MATRIX(uint8_t deviceId, uint8_t channel, uint16_t routeMask);
    ~CM_MCS_MATRIX() override;
};

// Output channel; input 0-3; mix level word.
class CM_MCS_MIX : public LCmd {
public:
    static constexpr uint8_t kCode = 0x41;
    CM_MCS_MIX(uint8_t deviceId, uint8_t channel, uint8_t input, uint16_t level);
    ~CM_MCS_MIX() override;
};

// Channel; mute flag as given (1 muted, 0 sounding).
class CM_MCS_MUTE : public LCmd {
public:
    static constexpr uint8_t kCode = 0x35;
    CM_MCS_MUTE(uint8_t deviceId, uint8_t channel, uint8_t mute);
    ~CM_MCS_MUTE() override;
};

// Channel; the 8 name bytes read from name.
class CM_MCS_CHANNEL_NAME : public LCmd {
public:
    static constexpr uint8_t kCode = 0x3D;
    static constexpr size_t kNameSize = 8;
    CM_MCS_CHANNEL_NAME(uint8_t deviceId, uint8_t channel, const uint8_t *name);
    ~CM_MCS_CHANNEL_NAME() override;
};

// The 14 preset-name bytes read from name.
class CM_MCS_PRESETNAME : public LCmd {
public:
    static constexpr uint8_t kCode = 0x26;
    static constexpr size_t kNameSize = 14;
    CM_MCS_PRESETNAME(uint8_t deviceId, const uint8_t *name);
    ~CM_MCS_PRESETNAME() override;
};

// Address low, address high, count, then count bytes from bytes. The count is
// cut to what one frame can carry (kMaxCount).
class CM_MCS_WRITE_EEPROM : public LCmd {
public:
    static constexpr uint8_t kCode = 0x1A;
    static constexpr size_t kMaxCount = CommandFrame::kMaxPayload - 3;
    CM_MCS_WRITE_EEPROM(uint8_t deviceId, uint16_t address, uint8_t count, const uint8_t *bytes);
    ~CM_MCS_WRITE_EEPROM() override;
};

// Address low, address high, count.
class CM_MCS_READ_EEPROM : public LCmd {
public:
    static constexpr uint8_t kCode = 0x19;
    CM_MCS_READ_EEPROM(uint8_t deviceId, uint16_t address, uint8_t count);
    ~CM_MCS_READ_EEPROM() override;
};

// Block number 0-28; preset slot 0-19; count data bytes from bytes (50 in use),
// cut to what one frame can carry (kMaxCount).
class CM_MCS_DOWNLOAD : public LCmd {
public:
    static constexpr uint8_t kCode = 0x25;
    static constexpr size_t kMaxCount = CommandFrame::kMaxPayload - 2;
    CM_MCS_DOWNLOAD(uint8_t deviceId, uint8_t block, uint8_t slot, const uint8_t *bytes, size_t count);
    ~CM_MCS_DOWNLOAD() override;
};

// No payload: the device restarts.
class CM_MCS_MCU_RESET : public LCmd {
public:
    static constexpr uint8_t kCode = 0x04;
    explicit CM_MCS_MCU_RESET(uint8_t deviceId);
    ~CM_MCS_MCU_RESET() override;
};

// The new lock password: its first 4 characters, NUL-padded when shorter.
class CM_MCS_SET_LOCK : public LCmd {
public:
    static constexpr uint8_t kCode = 0x2F;
    static constexpr size_t kPasswordSize = 4;
    CM_MCS_SET_LOCK(uint8_t deviceId, const std::string &password);
    ~CM_MCS_SET_LOCK() override;
};

// Selector (always 0); the password entered: first 4 characters, NUL-padded.
class CM_MCS_PASS_SUBMIT : public LCmd {
public:
    static constexpr uint8_t kCode = 0x2D;
    static constexpr size_t kPasswordSize = 4;
    CM_MCS_PASS_SUBMIT(uint8_t deviceId, uint8_t selector, const std::string &password);
    ~CM_MCS_PASS_SUBMIT() override;
};

// Test signal: mode 0 analogue, 1 pink, 2 white, 3 sine; sine frequency index 0-30.
class CM_MCS_WORK_MODE : public LCmd {
public:
    static constexpr uint8_t kCode = 0x39;
    CM_MCS_WORK_MODE(uint8_t deviceId, uint8_t mode, uint8_t sineFreqIndex);
    ~CM_MCS_WORK_MODE() override;
};
