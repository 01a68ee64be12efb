#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "ParameterImage.h"

// The payload of the reply to CMD_LEVELS: for channel i (ChannelIndex) three
// bytes b0 b1 b2 at 3i, forming the IEEE single whose bytes from the most
// significant down are b1 b0 b2 00; then the activity word at 36 (low byte
// first): bit k the compressor, bit 8 + k the limiter of output k + 1 acting.
struct LevelReply {
    static constexpr size_t kSize = 38;
    static constexpr double kSilenceDb = -140.0; // a level of 0 counts as 1e-7

    // Linear amplitude per channel; a negative or NaN level is held as 0 (silence).
    std::array<float, kChannelCount> levels{};
    uint16_t activity = 0;

    // False, and `out` unchanged, when the payload is shorter than kSize.
    static bool Decode(const uint8_t *payload, size_t n, LevelReply &out);
    // The raw single of one channel's three bytes, in payload order.
    static float LevelValue(uint8_t b0, uint8_t b1, uint8_t b2);

    // 20 log10 of the level, 0 counting as 1e-7 (-140 dB); +inf for an infinite level.
    // A channel outside 0 to 11 reads as silence (-140 dB, no segment lit).
    double LevelDb(int channel) const;
    // Lit segments of the channel's meter: the index of the first meter step
    // whose threshold (step - 15 dB) is at or above the level, or the step
    // count when none is (9 steps on inputs, 8 on outputs).
    int Steps(int channel) const;
    // output: 0 to 7 for outputs 1 to 8.
    bool IsCompressorActive(int output) const { return (activity >> output) & 1; }
    bool IsLimiterActive(int output) const { return (activity >> (8 + output)) & 1; }
};
