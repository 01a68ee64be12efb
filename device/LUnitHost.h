#pragma once
#include <cstdint>
#include <string>

class LCmd;

// What the parameter model needs of the window that owns it. The main window
// implements it; tests use a recording fake.
class LUnitHost {
public:
    virtual ~LUnitHost();
    // Device ID that every command carries (1 to 254).
    virtual uint8_t GetDeviceId() const = 0;
    // While set, the model's setters change the model but send nothing.
    virtual bool IsUpdatingControls() const = 0;
    // Frames the command and hands it to the open link; does nothing offline.
    // append: always queue behind the others; otherwise the frame may replace a
    // waiting frame of the same command code.
    virtual void SendCommand(const LCmd &cmd, bool append) = 0;
    // The channel's summed response has changed and must be recomputed.
    virtual void InvalidateCurve(int channel) = 0;
    // Row 0-19 of the store dialog's list (user preset row + 1).
    virtual void SetStorePresetName(int row, const std::string &name) = 0;
    // Row 0-20 of the recall dialog's list (0 the factory preset, n user preset n).
    virtual void SetRecallPresetName(int row, const std::string &name) = 0;
};
