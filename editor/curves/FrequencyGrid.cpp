#include "FrequencyGrid.h"

#include <cmath>
#include <memory>

namespace {
const double kPi = 3.14159265358979323846;
const double kLog10Nyquist = std::log10(kNyquistHz);
} // namespace

double GridFrequency(int i)
{
    return std::pow(10.0, kLog10Nyquist * i / kGridPoints);
}

double GridOmega(int i)
{
    return kPi * GridFrequency(i) / kNyquistHz;
}

double GridPosition(double freqHz)
{
    return kGridPoints * std::log10(freqHz) / kLog10Nyquist;
}

double GridFrequencyAt(double position)
{
    return std::pow(10.0, kLog10Nyquist * position / kGridPoints);
}

const FrequencyGridTables &FrequencyGridTables::Get()
{
    static const std::unique_ptr<FrequencyGridTables> tables = [] {
        auto t = std::make_unique<FrequencyGridTables>();
        for (int i = 0; i < kGridPoints; ++i) {
            const double w = GridOmega(i);
            t->cos1[i] = std::cos(w);
            t->sin1[i] = std::sin(w);
            t->cos2[i] = std::cos(2 * w);
            t->sin2[i] = std::sin(2 * w);
            t->hz[i] = w * kNyquistHz / kPi;
        }
        return t;
    }();
    return *tables;
}
