#include "LevelReply.h"

#include "SharedConstants.h"

#include <cmath>
#include <cstring>
#include <iterator>

float LevelReply::LevelValue(uint8_t b0, uint8_t b1, uint8_t b2)
{
    const uint32_t bits = uint32_t(b1) << 24 | uint32_t(b0) << 16 | uint32_t(b2) << 8;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

bool LevelReply::Decode(const uint8_t *payload, size_t n, LevelReply &out)
{
    if (payload == nullptr || n < kSize)
        return false;
    for (int i = 0; i < kChannelCount; ++i) {
        const uint8_t *b = payload + 3 * i;
        const float v = LevelValue(b[0], b[1], b[2]);
        // Negative levels (negative zero too) and NaN have no logarithm: the meter shows silence.
        out.levels[size_t(i)] = (std::isnan(v) || std::signbit(v)) ? 0.0f : v;
    }
    out.activity = uint16_t(payload[36] | payload[37] << 8);
    return true;
}

double LevelReply::LevelDb(int channel) const
{
    float v = channel >= 0 && channel < kChannelCount ? levels[size_t(channel)] : 0.0f;
    if (!(v > 0.0f))
        v = 1e-7f;
    return 20.0 * std::log10(double(v));
}

int LevelReply::Steps(int channel) const
{
    if (channel < 0 || channel >= kChannelCount)
        return 0;
    const bool input = channel < kInputCount;
    const float *steps = input ? MeterSteps.inputs : MeterSteps.outputs;
    const int count = input ? int(std::size(MeterSteps.inputs)) : int(std::size(MeterSteps.outputs));
    const double db = LevelDb(channel);
    for (int k = 0; k < count; ++k)
        if (double(steps[k]) - 15.0 >= db)
            return k;
    return count;
}
