#pragma once
#include "LCmd.h"
#include "LUnitHost.h"

#include <map>
#include <string>
#include <vector>

// Host fake that records every frame, curve invalidation and list row the
// model hands it.
class RecordingHost : public LUnitHost {
public:
    struct Sent {
        ByteVector frame;
        bool append;
    };

    uint8_t deviceId = 1;
    bool updating = false;
    std::vector<Sent> sent;
    std::vector<int> invalidated;
    std::map<int, std::string> storeRows, recallRows;

    uint8_t GetDeviceId() const override { return deviceId; }
    bool IsUpdatingControls() const override { return updating; }
    void SendCommand(const LCmd &cmd, bool append) override { sent.push_back({cmd.ToBytes(1), append}); }
    void InvalidateCurve(int channel) override { invalidated.push_back(channel); }
    void SetStorePresetName(int row, const std::string &name) override { storeRows[row] = name; }
    void SetRecallPresetName(int row, const std::string &name) override { recallRows[row] = name; }
};
