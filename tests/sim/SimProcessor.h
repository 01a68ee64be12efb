#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "LCmd.h"
#include "ParameterImage.h"

// A simulated TQ-62: a pure bytes-in / bytes-out state machine that answers
// every command as the real processor does. Not thread-safe: a front end that
// runs it on its own thread serialises every call.
//
// Every complete frame is answered by exactly one reply frame carrying the
// simulator's own ID in byte 2. Commands addressed to another ID (255 counts as
// everyone), with a wrong check byte, a payload of the wrong length, or an
// index or value outside its stored range change nothing and are answered with
// kReplyRefused, a code the editor ignores. Parameter commands write every
// member of the edited channel's link group, as the model does.
class SimProcessor {
public:
    static constexpr int kSlots = 20;
    static constexpr size_t kUnitInfoSize = 18;
    static constexpr uint8_t kBroadcastId = 255;
    static constexpr uint8_t kReplyAck = 0x01;
    static constexpr uint8_t kReplyRefused = 0x02;
    static constexpr size_t kBlockSize = 50;
    static constexpr int kBlockCount = 29;

    // How the device answers a parameter setter it took: acknowledgement (01),
    // another code the editor ignores (02), or an echo of the setter's own code
    // and payload. Refused frames are answered with kReplyRefused in every mode.
    enum class SetterAnswer { Ack, Other, Echo };

    explicit SimProcessor(uint8_t deviceId = 1);

    // Bytes received from the editor, in any chunking (junk between frames is
    // skipped); returns the bytes the device sends back, possibly several
    // complete reply frames, possibly none.
    ByteVector Feed(const uint8_t *p, size_t n);
    ByteVector Feed(const ByteVector &bytes) { return Feed(bytes.data(), bytes.size()); }

    // One complete command frame in, the reply frames out (in order).
    std::vector<ByteVector> HandleFrame(const ByteVector &frame);

    // Every complete frame received, in order.
    const std::vector<ByteVector> &ReceivedFrames() const { return received; }
    void ClearReceived() { received.clear(); }

    uint8_t DeviceId() const { return deviceId; }
    void SetDeviceId(uint8_t id) { deviceId = id; }

    // True for the codes of the parameter setters (the model's and a preset
    // file's commands, apart from the preset name that a store waits on).
    static bool IsSetter(uint8_t code);

    // A reply frame as the device sends it: 10 02 ID 00 LEN CODE DATA 10 03 CHK.
    static ByteVector ReplyFrame(uint8_t id, uint8_t code, const ByteVector &payload);
    // The three level bytes, in payload order, that carry the single v (its
    // lowest mantissa byte is dropped).
    static std::array<uint8_t, 3> EncodeLevel(float v);

    // The device's state, open to tests.
    ParameterImage image;                                  // current settings
    std::array<ParameterImage, kSlots> storedSlots;              // stored user presets 1..20
    std::array<bool, kSlots> stored{};                     // slot holds a preset
    std::array<uint8_t, kUnitInfoSize> unitInfo{};         // bytes read by READ_EEPROM at 0
    uint8_t currentPreset = 0;                             // 0 factory, 1..20 user
    bool locked = false;
    std::array<uint8_t, 4> password{};                     // NUL-padded
    const char *identity = "TQ62 V010";                    // reply text of CMD_IDENTITY
    SetterAnswer setterAnswer = SetterAnswer::Ack;         // answer to a setter that was taken

    std::array<float, kChannelCount> levels{};             // linear levels sent by CMD_LEVELS
    uint16_t activity = 0;                                 // compressor bits 0-7, limiter bits 8-15
    int selectedSlot = -1;                                 // stored preset chosen for block reads
    int resetCount = 0;                                    // MCU resets received
    int refusedCount = 0;                                  // frames answered with kReplyRefused

private:
    struct Reply {
        uint8_t code;
        ByteVector payload;
    };
    // The reply to one command for this device; code kReplyRefused leaves the state untouched.
    Reply Answer(uint8_t code, const ByteVector &d);
    void FactoryReset();

    uint8_t deviceId;
    ByteVector pending;                  // partial frame bytes between Feed calls
    std::vector<ByteVector> received;
};
