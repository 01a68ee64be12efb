#pragma once
#include "LUnitHost.h"
#include "LCmd.h"
#include "ParameterImage.h"
#include "PresetFile.h"
#include "UnitInfoBlock.h"

#include <array>
#include <cstddef>
#include <cstdint>

// A channel's record in the image: exactly one of the pointers is set, the
// input record for ChannelIndex 0-3, the output record for 4-11.
struct ChannelRecord {
    const InputChannelRecord *input = nullptr;
    const OutputChannelRecord *output = nullptr;
    const uint8_t *Bytes() const;
    size_t Size() const;
};

// The editor's model of the processor: the parameter image, the preset-stored
// flags, the block staging of uploads and the whole-unit data. Group setters
// write the value into every channel of the edited channel's link group (found
// by FindGroupLinkMask, so that a member's edit reaches its leader and the
// whole group, as the saved file must show) and send one
// command for the edited channel through the host (nothing while the host is
// updating its controls or when there is no host). Channels are ChannelIndex
// values; calls with a channel, band or slot outside its range change and send
// nothing. Used on the UI thread only.
class LUnitControl {
public:
    static constexpr int kPresetSlots = 20;
    static constexpr int kBlockCount = 29;
    static constexpr int kBlockSize = 50;
    static constexpr size_t kStagingSize = size_t(kBlockCount) * kBlockSize; // 1450

    explicit LUnitControl(LUnitHost *host = nullptr);
    ~LUnitControl();

    void SetHost(LUnitHost *host) { this->host = host; }

    // Copies the built-in default image over the model's image.
    void LoadDefaults();

    // --- whole image and records (no commands) ---
    const ParameterImage &GetImage() const { return image; }
    void SetImage(const ParameterImage &img) { image = img; }
    ChannelRecord GetChannelRecord(int ch) const;

    // --- getters ---
    uint16_t GetGain(int ch) const;
    uint16_t GetDelay(int ch) const;
    uint8_t GetPolarity(int ch) const; // 1 when the stored word is not 0
    bool IsMuted(int ch) const;
    bool IsPeqBandBypassed(int ch, int band) const;
    PeqBand GetPeqBand(int ch, int band) const;
    uint16_t GetGeqBand(int input, int band) const;
    static PeqBand GetDefaultPeqBand(int ch, int band);
    static uint16_t GetDefaultGeqBand(int input, int band);
    std::array<uint16_t, 5> GetComp(int output) const;  // ratio, attack, release, knee, threshold+180
    std::array<uint16_t, 4> GetLimit(int output) const; // attack, release, knee, threshold+180
    std::array<uint16_t, 4> GetGate(int input) const;   // attack, release, hold, threshold+180
    CrossoverRecord GetCrossover(int ch) const;
    const uint8_t *GetChannelName(int ch) const; // 8 bytes, NUL padded
    uint16_t GetLinkMask(int ch) const;
    // The mask of ch's link group (see FindGroupLinkMask of the image).
    uint16_t FindGroupLinkMask(int ch) const;
    uint16_t GetRouteMask(int output) const;
    uint16_t GetMixLevel(int output, int input) const;
    uint16_t GetDelayUnit() const { return image.delayUnit; }
    uint16_t GetTestSignalMode() const { return image.testSignalMode; }
    uint16_t GetSineFreqIndex() const { return image.sineFreqIndex; }
    uint16_t GetEqBypassMask(int ch) const; // input mask for 0-3, output mask for 4-11
    uint16_t GetGeqBypassMask() const { return image.inputGeqBypassMask; }
    const uint8_t *GetPresetName() const { return image.presetName; } // 14 bytes
    bool IsPresetStored(int slot) const;

    // --- group setters (link group written, one command for ch, append 0) ---
    void SetComp(int output, const std::array<uint16_t, 5> &comp);
    void SetLimit(int output, const std::array<uint16_t, 4> &limit);
    void SetGate(int input, const std::array<uint16_t, 4> &gate);
    void SetPolarity(int ch, uint16_t polarity);
    void SetGain(int ch, uint16_t gain);
    void SetDelay(int ch, uint16_t delay);
    void SetMute(int ch, bool on);
    // Also ends with InvalidateCurve(ch), sent or not (as do the three below).
    void SetPeqBand(int ch, int band, const PeqBand &value, bool bypass);
    // Inputs only change the model; an output channel still sends its command.
    void SetGeqBand(int input, int band, uint16_t gainIndex);
    void SetHighPass(int ch, const CrossoverRecord &x); // takes hpfFreq, hpfType
    void SetLowPass(int ch, const CrossoverRecord &x);  // takes lpfFreq, lpfType

    // --- single-channel and global setters ---
    void SetMatrixRoute(int output, int input, bool on);           // CM_MCS_MATRIX, append 0
    void SetMixLevel(int output, int input, uint16_t level);       // CM_MCS_MIX, append 0
    void SetDelayUnit(uint16_t unit);                              // CM_MCS_DELAYUNIT, append 0
    void SetLinkMask(int ch, uint16_t mask);                       // CMD_LINK_MASK, append 1
    void SetChannelName(int ch, const uint8_t *name);              // 8 bytes; CM_MCS_CHANNEL_NAME, append 1
    void SetEqBypassMask(int ch, uint16_t mask);                   // no command
    void SetGeqBypassMask(uint16_t mask);                          // no command

    // Copies ch from's processing settings into to (same side), model only: for
    // inputs gate, GEQ, PEQ, crossover, gain, polarity, delay; for outputs
    // crossover, PEQ, compressor, limiter, gain, polarity, delay; plus the PEQ
    // bypass word and to's bits of the mute and EQ bypass masks. The name, link
    // mask, route mask, mix and GEQ bypass bit stay. Different sides: nothing.
    void CopyChannel(int from, int to);

    // --- presets and names; reply readers return false and change nothing
    // when the payload is shorter than what they need ---
    // Upload-start reply: slot i stored exactly when byte i is 255 (20 bytes).
    bool SetPresetFlags(const ByteVector &payload);
    void SetPresetStored(int slot);
    // The first 14 bytes become the image's preset name, held to what the
    // name edit accepts (ImageRanges::HoldName, blank padded).
    bool SetPresetName(const ByteVector &name);
    // "Default Preset" on user presets 1-20 of both dialogs' lists.
    void ResetPresetNames();
    // Preset-name reply: bytes 1-14, held as SetPresetName holds them, name
    // user preset n (1-20) in both lists; needs 15 bytes.
    bool SetStoredPresetName(int n, const ByteVector &payload);

    // --- preset files ---
    // The magic followed by image bytes 2 to 1435 (1450 bytes, no line end).
    ByteVector ToPresetString() const;
    // Body of a ".prs" file (from offset 16; its first 1434 bytes are taken).
    // Every field is range-checked first: a short body or a value outside its
    // range changes and sends nothing. Otherwise image bytes 2 to 1435 are
    // replaced and the 385 commands of the load go to the host with append 1,
    // also while it updates its controls (no setter and no link group is used).
    FileStatus ApplyPresetBytes(const uint8_t *body, size_t n, std::string *why = nullptr);

    // --- block transfers ---
    // Parameter-block reply: byte 0 block n (0-28), then at most 50 data bytes
    // staged at 50n. Block 28 takes image bytes 2-1447 from the staging area,
    // each field held to its stored range (ImageRanges::Hold), so that the
    // pages show what the model holds and a save of it opens again.
    // A block number above 28 or more than 50 data bytes: false, nothing staged.
    bool ReceiveImageChunk(const ByteVector &payload);
    // Stored-preset block reply for preset number 1-20: staged likewise; block
    // 28 fills storedPresets[number - 1] from staging bytes 0-1445, held the
    // same way, so that a ".unt" written from them reads back.
    bool ReceivePresetChunk(int number, const ByteVector &payload);
    const uint8_t *GetBlockStaging() const { return blockStaging.data(); }

    // --- whole-unit data ---
    // READ_EEPROM reply: its first 18 bytes become the unit information.
    bool SetDeviceInfo(const ByteVector &payload);
    const UnitInfoBlock &GetUnitInfo() const { return unitInfo; }
    void SetUnitInfo(const UnitInfoBlock &info) { unitInfo = info; }
    const StoredPresetRecord &GetStoredPreset(int slot) const; // slot 0-19 (clamped)
    void SetStoredPreset(int slot, const StoredPresetRecord &rec);

private:
    // Sends cmd unless there is no host or the host is updating its controls.
    void Send(const LCmd &cmd, bool append);
    uint8_t DeviceId() const;
    void InvalidateCurve(int ch);
    // Calls f(member) for every channel of ch's side in ch's link group.
    template <typename F> void ForEachMember(int ch, F f);

    ParameterImage image;
    std::array<uint8_t, kPresetSlots> presetStored{};
    std::array<uint8_t, kStagingSize> blockStaging{};
    UnitInfoBlock unitInfo{};
    std::array<StoredPresetRecord, kPresetSlots> storedPresets{};
    LUnitHost *host = nullptr;
};
