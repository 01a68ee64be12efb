#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "LCmd.h"
#include "ParameterImage.h"

// A simulated TQ-62: a pure bytes-in / bytes-out state machine that answers
// every command as the real processor does. Not thread-safe: a front end that
// runs it on its own thread serialises every call.
class SimProcessor {
public:
    static constexpr int kSlots = 20;
    static constexpr size_t kUnitInfoSize = 18;

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

    // The device's state, open to tests.
    ParameterImage image;                                  // current settings
    std::array<ParameterImage, kSlots> slots;              // stored user presets 1..20
    std::array<bool, kSlots> stored{};                     // slot holds a preset
    std::array<uint8_t, kUnitInfoSize> unitInfo{};         // bytes read by READ_EEPROM at 0
    uint8_t currentPreset = 0;                             // 0 factory, 1..20 user
    bool locked = false;
    std::array<uint8_t, 4> password{};                     // NUL-padded
    const char *identity = "TQ62 V010";                    // reply text of CMD_IDENTITY

private:
    uint8_t deviceId;
    ByteVector pending;                  // partial frame bytes between Feed calls
    std::vector<ByteVector> received;
};
