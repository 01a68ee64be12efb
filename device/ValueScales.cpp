#include "ValueScales.h"

#include "SharedConstants.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Truncates toward zero and clamps to [lo, hi]; NaN gives lo.
int TruncClamp(long double v, int lo, int hi)
{
    if (!(v >= lo))
        return lo;
    if (v >= hi)
        return hi;
    return int(v);
}

} // namespace

int PosInText(const std::string &text, const std::string &part)
{
    const size_t p = text.find(part);
    return p == std::string::npos ? 0 : int(p) + 1;
}

bool IsNumericText(const std::string &text)
{
    static const std::string allowed = "0123456789.";
    for (char c : text)
        if (PosInText(allowed, std::string(1, c)) == 0)
            return false;
    return true;
}

int DelayToSamples(double value, int unit)
{
    // Formed in extended precision before the truncation, as the device tables were.
    const long double v = value;
    long double samples;
    switch (unit) {
    case 0:
        samples = v * 96.0L;
        break;
    case 1:
        samples = v * 96.0L * 1000.0L / (long double)SpeedOfSound;
        break;
    case 2:
        samples = v * 96.0L * 1000.0L / (long double)SpeedOfSound * 0.304803706413069968L;
        break;
    default:
        return 0;
    }
    return TruncClamp(samples, kDelayMinSamples, kDelayMaxSamples);
}

int QToIndex(double q)
{
    if (std::isnan(q) || q <= 0)
        return kQIndexMin;
    double n = std::log(128.0 / q) / std::log(1.0596);
    if (!std::isfinite(n))
        return n > 0 ? kQIndexMin : kQIndexMax;
    // Round through the 15-significant-digit decimal text, so that values a hair
    // below a half (binary noise) still round up like the exact table values.
    const double mag = std::fabs(n);
    const int intDigits = mag < 1 ? 1 : int(std::floor(std::log10(mag))) + 1;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", intDigits < 15 ? 15 - intDigits : 0, n);
    const char *point = std::strchr(text, '.');
    const char digit = point ? point[1] : text[0];
    if (digit >= '5' && digit <= '9')
        n += 1;
    return TruncClamp(100.0L - (long double)std::trunc(n), kQIndexMin, kQIndexMax);
}

int GainToIndex(double db)
{
    const double tenths = db * 10.0; // rounded to double before the truncation
    return TruncClamp(std::trunc(tenths) + 120.0L, kEqGainIndexMin, kEqGainIndexMax);
}

int FreqToIndex(double hz)
{
    if (std::isnan(hz) || hz <= 0)
        return kFreqIndexMin;
    const double a = std::log(hz * 0.001) / std::log(FreqStep) + 170.0;
    if (!std::isfinite(a))
        return a > 0 ? kFreqIndexMax : kFreqIndexMin;
    const double c = std::trunc(a);
    return TruncClamp(a - c > 0.5 ? c + 1 : c, kFreqIndexMin, kFreqIndexMax);
}

double IndexToFreq(int index)
{
    return 1000.0 * std::pow(FreqStep, double(index - 170));
}

double IndexToGain(int index)
{
    return (index - 120) * 0.1;
}

std::string GainText(int p)
{
    char text[32];
    if (p >= 0) {
        std::snprintf(text, sizeof text, "+%3.1fdB", p * 0.1);
    } else {
        const float v = float(-p);
        const float shown = v > 200.0f ? (v - 200.0f) * 0.5f + 20.0f : v * 0.1f;
        std::snprintf(text, sizeof text, "-%3.1fdB", double(shown));
    }
    return text;
}
