#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The editor's copy of one preset, in the exact byte layout that the device
// sends, the preset files store and the commands carry field by field. Every
// word is little-endian on the wire; the records below are laid out so that
// their natural C++ layout equals the device's bytes (checked at compile time),
// and ToBytes/FromBytes convert on a little-endian host by copying.

constexpr int kInputCount = 4;
constexpr int kOutputCount = 8;
constexpr int kChannelCount = 12;
constexpr int kInputPeqBands = 8;
constexpr int kOutputPeqBands = 9;
constexpr int kGeqBands = 31;
constexpr int kChannelNameSize = 8;
constexpr int kPresetNameSize = 14;

struct PeqBand {
    uint16_t gainIndex;
    uint16_t freqIndex;
    uint8_t qIndex;
    uint8_t type;
};

// The four crossover fields of a channel record, in image order (6 bytes).
struct CrossoverRecord {
    uint16_t hpfFreq;
    uint16_t lpfFreq;
    uint8_t hpfType;
    uint8_t lpfType;
};

struct InputChannelRecord {
    uint8_t name[kChannelNameSize];
    uint16_t gate[4]; // attack, release, hold, threshold + 180
    uint16_t geq[kGeqBands];
    PeqBand peq[kInputPeqBands];
    uint16_t hpfFreq;
    uint16_t lpfFreq;
    uint8_t hpfType;
    uint8_t lpfType;
    uint16_t gain;
    uint16_t polarity;
    uint16_t delay;
    uint16_t linkMask;
};

struct OutputChannelRecord {
    uint8_t name[kChannelNameSize];
    uint16_t routeMask;
    uint16_t mix[kInputCount];
    uint16_t hpfFreq;
    uint16_t lpfFreq;
    uint8_t hpfType;
    uint8_t lpfType;
    PeqBand peq[kOutputPeqBands];
    uint16_t comp[5];  // ratio, attack, release, knee, threshold + 180
    uint16_t limit[4]; // attack, release, knee, threshold + 180
    uint16_t gain;
    uint16_t polarity;
    uint16_t delay;
    uint16_t linkMask;
};

struct ParameterImage {
    static constexpr size_t kSize = 1448;

    uint16_t reserved;
    uint8_t presetName[kPresetNameSize];
    InputChannelRecord inputs[kInputCount];
    OutputChannelRecord outputs[kOutputCount];
    uint16_t inputMuteMask;
    uint16_t outputMuteMask;
    uint16_t peqBypassMasks[kChannelCount];
    uint16_t testSignalMode;
    uint16_t sineFreqIndex;
    uint16_t delayUnit;
    uint16_t inputEqBypassMask;
    uint16_t outputEqBypassMask;
    uint16_t inputGeqBypassMask;

    // The built-in default image (constant data of the program).
    static const ParameterImage &Default();

    std::vector<uint8_t> ToBytes() const;
    // Copies exactly kSize bytes; false (and nothing changed) for any other size.
    bool FromBytes(const uint8_t *p, size_t n);
    // Byte access by image offset, as the block transfers address the image.
    uint8_t *Bytes() { return reinterpret_cast<uint8_t *>(this); }
    const uint8_t *Bytes() const { return reinterpret_cast<const uint8_t *>(this); }
};

// The link mask of ch's group: ch's own mask when it holds ch's bit (a leader
// or a single channel), else the mask of the first lower channel of the same
// side that holds it (the leader of a member, whose own mask is 0); when none
// does, the mask of the channel just below (ch's own for the first of a side).
// 0 for a channel outside 0-11.
uint16_t FindGroupLinkMask(const ParameterImage &image, int ch);

static_assert(sizeof(PeqBand) == 6, "PeqBand layout");
static_assert(sizeof(CrossoverRecord) == 6, "CrossoverRecord layout");
static_assert(sizeof(InputChannelRecord) == 140, "InputChannelRecord layout");
static_assert(offsetof(InputChannelRecord, peq) == 78, "InputChannelRecord layout");
static_assert(offsetof(InputChannelRecord, hpfType) == 130, "InputChannelRecord layout");
static_assert(offsetof(InputChannelRecord, linkMask) == 138, "InputChannelRecord layout");
static_assert(sizeof(OutputChannelRecord) == 104, "OutputChannelRecord layout");
static_assert(offsetof(OutputChannelRecord, peq) == 24, "OutputChannelRecord layout");
static_assert(offsetof(OutputChannelRecord, comp) == 78, "OutputChannelRecord layout");
static_assert(offsetof(OutputChannelRecord, linkMask) == 102, "OutputChannelRecord layout");
static_assert(offsetof(ParameterImage, inputs) == 16, "ParameterImage layout");
static_assert(offsetof(ParameterImage, outputs) == 576, "ParameterImage layout");
static_assert(offsetof(ParameterImage, inputMuteMask) == 1408, "ParameterImage layout");
static_assert(offsetof(ParameterImage, testSignalMode) == 1436, "ParameterImage layout");
static_assert(offsetof(ParameterImage, inputGeqBypassMask) == 1446, "ParameterImage layout");
static_assert(sizeof(ParameterImage) == ParameterImage::kSize, "ParameterImage layout");
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "ParameterImage assumes a little-endian host"
#endif
