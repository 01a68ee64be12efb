#include "ImageRanges.h"

#include <algorithm>
#include <cstddef>

namespace {

enum class Kind : uint8_t {
    Range,       // lo..hi; held to the nearer bound
    Mask,        // hi holds every valid bit; held by dropping the others
    Polarity,    // 0 normal, 1 inverted; held to 1 when not 0
    ChannelName, // NUL padded
    PresetName,  // blank padded
};

// Where a row's offset counts from.
enum class Place : uint8_t {
    Record,      // the channel's record
    ChannelWord, // a per-channel word array of the image, indexed by ChannelIndex
    Image,       // the image
};

struct Row {
    const char *name; // '#' stands for the repeat number
    size_t offset;
    uint8_t width;    // bytes: 1 or 2, a name's size for names
    uint8_t count;    // repeats, `stride` bytes apart
    uint8_t stride;
    Kind kind;
    unsigned lo, hi;
    Place place;
};

// Preset files written elsewhere may hold 2 for an inverted channel: the device
// gets 1 for it and a loaded image keeps the word.
constexpr unsigned kPresetFileMaxPolarity = 2;

constexpr size_t kGate = offsetof(InputChannelRecord, gate);
constexpr size_t kComp = offsetof(OutputChannelRecord, comp);
constexpr size_t kLimit = offsetof(OutputChannelRecord, limit);
constexpr size_t kMix = offsetof(OutputChannelRecord, mix);
constexpr size_t kPeqBypass = offsetof(ParameterImage, peqBypassMasks);

// The rows of a record kind that carries `bands` PEQ bands at `peq` and the
// crossover, gain, polarity, delay and link mask fields of R.
#define TQ62_PEQ_ROWS(R, bands)                                                                                   \
    {"PEQ band # gain", offsetof(R, peq) + offsetof(PeqBand, gainIndex), 2, bands, 6, Kind::Range, 0, 240,        \
     Place::Record},                                                                                              \
        {"PEQ band # frequency", offsetof(R, peq) + offsetof(PeqBand, freqIndex), 2, bands, 6, Kind::Range, 0,   \
         300, Place::Record},                                                                                     \
        {"PEQ band # Q", offsetof(R, peq) + offsetof(PeqBand, qIndex), 1, bands, 6, Kind::Range, 0, 100,          \
         Place::Record},                                                                                          \
        {"PEQ band # type", offsetof(R, peq) + offsetof(PeqBand, type), 1, bands, 6, Kind::Range, 0, 8,           \
         Place::Record}
#define TQ62_COMMON_ROWS(R, linkBits)                                                                             \
    {"high-pass frequency", offsetof(R, hpfFreq), 2, 1, 0, Kind::Range, 0, 300, Place::Record},                   \
        {"low-pass frequency", offsetof(R, lpfFreq), 2, 1, 0, Kind::Range, 0, 300, Place::Record},                \
        {"high-pass type", offsetof(R, hpfType), 1, 1, 0, Kind::Range, 0, 20, Place::Record},                     \
        {"low-pass type", offsetof(R, lpfType), 1, 1, 0, Kind::Range, 0, 20, Place::Record},                      \
        {"gain", offsetof(R, gain), 2, 1, 0, Kind::Range, 0, 400, Place::Record},                                 \
        {"polarity", offsetof(R, polarity), 2, 1, 0, Kind::Polarity, 0, 1, Place::Record},                        \
        {"delay", offsetof(R, delay), 2, 1, 0, Kind::Range, 0, 65280, Place::Record},                             \
        {"link mask", offsetof(R, linkMask), 2, 1, 0, Kind::Mask, 0, linkBits, Place::Record}

// Stored ranges, as the editor's controls hold them: gain words 0..400 (mix
// 0..280), EQ gain indices 0..240, frequency indices 0..300, Q indices 0..100,
// delays 0..65280 samples; dynamics times in ms minus one, thresholds in half
// dB + 180 (gate -90..0 dB, compressor and limiter -90..+20 dB), knee 0..12 dB.
const Row kInputRows[] = {
    {"name", offsetof(InputChannelRecord, name), kChannelNameSize, 1, 0, Kind::ChannelName, 0, 0, Place::Record},
    {"gate attack", kGate, 2, 1, 0, Kind::Range, 0, 998, Place::Record},
    {"gate release", kGate + 2, 2, 1, 0, Kind::Range, 9, 2999, Place::Record},
    {"gate hold", kGate + 4, 2, 1, 0, Kind::Range, 9, 998, Place::Record},
    {"gate threshold", kGate + 6, 2, 1, 0, Kind::Range, 0, 180, Place::Record},
    {"GEQ band #", offsetof(InputChannelRecord, geq), 2, kGeqBands, 2, Kind::Range, 0, 240, Place::Record},
    TQ62_PEQ_ROWS(InputChannelRecord, kInputPeqBands),
    TQ62_COMMON_ROWS(InputChannelRecord, 0x0F),
    {"PEQ bypass mask", kPeqBypass, 2, 1, 0, Kind::Mask, 0, 0xFF, Place::ChannelWord},
};

const Row kOutputRows[] = {
    {"name", offsetof(OutputChannelRecord, name), kChannelNameSize, 1, 0, Kind::ChannelName, 0, 0, Place::Record},
    {"route mask", offsetof(OutputChannelRecord, routeMask), 2, 1, 0, Kind::Mask, 0, 0x0F, Place::Record},
    {"mix A", kMix, 2, 1, 0, Kind::Range, 0, 280, Place::Record},
    {"mix B", kMix + 2, 2, 1, 0, Kind::Range, 0, 280, Place::Record},
    {"mix C", kMix + 4, 2, 1, 0, Kind::Range, 0, 280, Place::Record},
    {"mix D", kMix + 6, 2, 1, 0, Kind::Range, 0, 280, Place::Record},
    TQ62_PEQ_ROWS(OutputChannelRecord, kOutputPeqBands),
    {"compressor ratio", kComp, 2, 1, 0, Kind::Range, 0, 15, Place::Record},
    {"compressor attack", kComp + 2, 2, 1, 0, Kind::Range, 0, 998, Place::Record},
    {"compressor release", kComp + 4, 2, 1, 0, Kind::Range, 9, 2999, Place::Record},
    {"compressor knee", kComp + 6, 2, 1, 0, Kind::Range, 0, 12, Place::Record},
    {"compressor threshold", kComp + 8, 2, 1, 0, Kind::Range, 0, 220, Place::Record},
    {"limiter attack", kLimit, 2, 1, 0, Kind::Range, 0, 998, Place::Record},
    {"limiter release", kLimit + 2, 2, 1, 0, Kind::Range, 9, 2999, Place::Record},
    {"limiter knee", kLimit + 4, 2, 1, 0, Kind::Range, 0, 12, Place::Record},
    {"limiter threshold", kLimit + 6, 2, 1, 0, Kind::Range, 0, 220, Place::Record},
    TQ62_COMMON_ROWS(OutputChannelRecord, 0xFF),
    {"PEQ bypass mask", kPeqBypass, 2, 1, 0, Kind::Mask, 0, 0x1FF, Place::ChannelWord},
};

#undef TQ62_PEQ_ROWS
#undef TQ62_COMMON_ROWS

const Row kImageRows[] = {
    {"preset name", offsetof(ParameterImage, presetName), kPresetNameSize, 1, 0, Kind::PresetName, 0, 0,
     Place::Image},
    {"input mute mask", offsetof(ParameterImage, inputMuteMask), 2, 1, 0, Kind::Mask, 0, 0x0F, Place::Image},
    {"output mute mask", offsetof(ParameterImage, outputMuteMask), 2, 1, 0, Kind::Mask, 0, 0xFF, Place::Image},
    {"test signal mode", offsetof(ParameterImage, testSignalMode), 2, 1, 0, Kind::Range, 0, 3, Place::Image},
    {"sine frequency", offsetof(ParameterImage, sineFreqIndex), 2, 1, 0, Kind::Range, 0, 30, Place::Image},
    {"delay unit", offsetof(ParameterImage, delayUnit), 2, 1, 0, Kind::Range, 0, 2, Place::Image},
    {"input EQ bypass mask", offsetof(ParameterImage, inputEqBypassMask), 2, 1, 0, Kind::Mask, 0, 0x0F,
     Place::Image},
    // A unit record holds only this word's low byte, so its file check skips it.
    {"output EQ bypass mask", offsetof(ParameterImage, outputEqBypassMask), 2, 1, 0, Kind::Mask, 0, 0xFF,
     Place::Image},
    {"input GEQ bypass mask", offsetof(ParameterImage, inputGeqBypassMask), 2, 1, 0, Kind::Mask, 0, 0x0F,
     Place::Image},
};

// One field of the image: a row at one repeat of one channel (-1 for the image rows).
struct Field {
    const Row &row;
    int channel;
    int repeat;
    size_t at; // image offset

    std::string Name() const
    {
        std::string name = row.name;
        const size_t mark = name.find('#');
        if (mark != std::string::npos)
            name.replace(mark, 1, std::to_string(repeat));
        if (channel < 0)
            return name;
        const std::string ch = channel < kInputCount ? std::string("input ") + char('A' + channel)
                                                     : std::string("output ") + char('1' + channel - kInputCount);
        return ch + " " + name;
    }
};

template <size_t N, class F> void ForEachRow(const Row (&rows)[N], int channel, size_t record, F &f)
{
    for (const Row &r : rows) {
        const size_t base = r.place == Place::Record        ? record + r.offset
                            : r.place == Place::ChannelWord ? r.offset + 2 * size_t(channel)
                                                            : r.offset;
        for (int k = 0; k < r.count; ++k)
            f(Field{r, channel, k, base + size_t(k) * r.stride});
    }
}

// Calls f(Field) for every field of the image, channel by channel, then the image's own.
template <class F> void ForEachField(F f)
{
    for (int c = 0; c < kInputCount; ++c)
        ForEachRow(kInputRows, c, offsetof(ParameterImage, inputs) + size_t(c) * sizeof(InputChannelRecord), f);
    for (int o = 0; o < kOutputCount; ++o)
        ForEachRow(kOutputRows, kInputCount + o,
                   offsetof(ParameterImage, outputs) + size_t(o) * sizeof(OutputChannelRecord), f);
    ForEachRow(kImageRows, -1, 0, f);
}

unsigned Read(const uint8_t *image, const Field &f)
{
    return f.row.width == 2 ? unsigned(image[f.at]) | unsigned(image[f.at + 1]) << 8 : image[f.at];
}

void Write(uint8_t *image, const Field &f, unsigned v)
{
    image[f.at] = uint8_t(v & 0xFF);
    if (f.row.width == 2)
        image[f.at + 1] = uint8_t(v >> 8);
}

bool IsName(Kind k) { return k == Kind::ChannelName || k == Kind::PresetName; }

// One past the last image byte that a file of the given kind carries.
size_t FileEnd(ImageFields fields)
{
    return fields == ImageFields::PresetBody ? offsetof(ParameterImage, testSignalMode)
                                             : offsetof(ParameterImage, outputEqBypassMask) + 1;
}

} // namespace

std::string ImageRanges::Fault(const ParameterImage &image, ImageFields fields)
{
    const size_t end = FileEnd(fields);
    std::string fault;
    ForEachField([&](const Field &f) {
        if (!fault.empty() || IsName(f.row.kind) || f.at + f.row.width > end)
            return;
        const unsigned hi = f.row.kind == Kind::Polarity && fields == ImageFields::PresetBody
                                ? kPresetFileMaxPolarity
                                : f.row.hi;
        const unsigned v = Read(image.Bytes(), f);
        if (v < f.row.lo || v > hi)
            fault = f.Name() + " " + std::to_string(v) + " outside " + std::to_string(f.row.lo) + ".." +
                    std::to_string(hi);
    });
    return fault;
}

void ImageRanges::Hold(ParameterImage &image)
{
    uint8_t *bytes = image.Bytes();
    ForEachField([&](const Field &f) {
        switch (f.row.kind) {
        case Kind::ChannelName:
            HoldName(bytes + f.at, f.row.width, 0);
            return;
        case Kind::PresetName:
            HoldName(bytes + f.at, f.row.width, ' ');
            return;
        case Kind::Mask:
            Write(bytes, f, Read(bytes, f) & f.row.hi);
            return;
        case Kind::Range:
        case Kind::Polarity:
            Write(bytes, f, std::clamp(Read(bytes, f), f.row.lo, f.row.hi));
            return;
        }
    });
}

void ImageRanges::HoldName(uint8_t *name, size_t size, uint8_t pad)
{
    size_t kept = 0;
    for (size_t i = 0; i < size; ++i) {
        uint8_t c = name[i];
        if (c == 0 && pad == 0)
            break;
        if (c == 0)
            c = ' ';
        if (c >= 0x20 && c <= 0x7E)
            name[kept++] = c;
    }
    std::fill(name + kept, name + size, pad);
}
