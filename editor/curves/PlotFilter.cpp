#include "PlotFilter.h"

#include "SharedConstants.h"

#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

// Lower bound for a value that divides: NaN and anything below take the bound.
double AtLeast(double v, double bound)
{
    return v >= bound ? v : bound;
}

// Half-turn fix-ups of the folded phase, so that each shape reads as one
// continuous curve within +-18 (the second-order all-pass passes -18 at its
// corner and continues one turn higher).
PhaseFixUp FixUpOf(int code, double gainDb)
{
    switch (code) {
    case 4: case 7: case 9: case 15: case 16:
        return PhaseFixUp::Raise;
    case 5: case 8: case 12: case 13:
        return PhaseFixUp::Lower;
    case 17:
        return PhaseFixUp::LowerTurnAbove;
    case 2:
        return gainDb > 0 ? PhaseFixUp::Lower : gainDb < 0 ? PhaseFixUp::Raise : PhaseFixUp::None;
    case 3:
        return gainDb > 0 ? PhaseFixUp::Raise : gainDb < 0 ? PhaseFixUp::Lower : PhaseFixUp::None;
    default:
        return PhaseFixUp::None;
    }
}

} // namespace

void PlotFilter::Set(double gain, double frequency, double q_, int code_)
{
    gainDb = gain;
    freqHz = frequency;
    q = q_;
    code = code_;
    ComputeResponse();
}

void PlotFilter::SetAll(double gain, double frequency, double q_, int code_, float a, float b)
{
    sectionA = a;
    sectionB = b;
    Set(gain, frequency, q_, code_);
}

bool PlotFilter::ComputeCoefficients(FilterCoefficients &c) const
{
    if (code < kFirstCode || code > kLastCode)
        return false;
    const double f = std::isnan(freqHz) ? kMaxFreqHz : std::fmin(freqHz, kMaxFreqHz);
    const double K = std::tan(kPi * f / (2 * kNyquistHz)), K2 = K * K;
    const double Q = AtLeast(q, kMinQ);
    const double A = AtLeast(sectionA, kMinSectionValue), B = AtLeast(sectionB, kMinSectionValue);
    const double G = gainDb;
    // The gain factor only the peak and the shelves use.
    const double V = code <= 3 ? std::pow(10.0, std::fabs(G) / 20.0) : 1, sV = std::sqrt(V);
    double h = 1, b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    switch (code) {
    case 1:
        if (G >= 0) {
            h = 1 + K / Q + K2;
            b0 = 1 + V * K / Q + K2, b1 = 2 * (K2 - 1), b2 = 1 - V * K / Q + K2;
            a1 = 2 * (K2 - 1), a2 = 1 - K / Q + K2;
        } else {
            h = 1 + V * K / Q + K2;
            b0 = 1 + K / Q + K2, b1 = 2 * (K2 - 1), b2 = 1 - K / Q + K2;
            a1 = 2 * (K2 - 1), a2 = 1 - V * K / Q + K2;
        }
        break;
    case 2:
        if (G >= 0) {
            h = 1 + K / Q + K2;
            b0 = 1 + sV * K / Q + V * K2, b1 = 2 * (V * K2 - 1), b2 = 1 - sV * K / Q + V * K2;
            a1 = 2 * (K2 - 1), a2 = 1 - K / Q + K2;
        } else {
            h = 1 + sV * K / Q + V * K2;
            b0 = 1 + K / Q + K2, b1 = 2 * (K2 - 1), b2 = 1 - K / Q + K2;
            a1 = 2 * (V * K2 - 1), a2 = 1 - sV * K / Q + V * K2;
        }
        break;
    case 3:
        if (G >= 0) {
            h = 1 + K / Q + K2;
            b0 = V + sV * K / Q + K2, b1 = 2 * (K2 - V), b2 = V - sV * K / Q + K2;
            a1 = 2 * (K2 - 1), a2 = 1 - K / Q + K2;
        } else {
            // Two normalisers: h1 for the numerator, h2 for the denominator.
            const double h1 = V + sV * K / Q + K2, h2 = 1 + std::sqrt(1 / V) * K / Q + K2 / V;
            c = {(1 + K / Q + K2) / h1, 2 * (K2 - 1) / h1, (1 - K / Q + K2) / h1,
                 1, 2 * (K2 / V - 1) / h2, (1 - std::sqrt(1 / V) * K / Q + K2 / V) / h2};
            return true;
        }
        break;
    case 4:
        h = 1 + K / Q + K2;
        b0 = 1, b1 = -2, b2 = 1, a1 = 2 * (K2 - 1), a2 = 1 - K / Q + K2;
        break;
    case 5:
        h = 1 + K / Q + K2;
        b0 = K2, b1 = 2 * K2, b2 = K2, a1 = 2 * (K2 - 1), a2 = 1 - K / Q + K2;
        break;
    case 6:
        h = Q + K + Q * K2;
        b0 = 2 * K, b1 = 0, b2 = -2 * K, a1 = 2 * Q * (K2 - 1), a2 = Q - K + Q * K2;
        break;
    case 7:
        // b1 is -1 itself, not divided by h.
        h = 1 + K;
        c = {(1 - K) / h, -1, 0, 1, -(1 - K) / h, 0};
        return true;
    case 8:
        h = 1 + K;
        b0 = K, b1 = K, b2 = 0, a1 = K - 1, a2 = 0;
        break;
    case 9:
        h = 1 + K;
        b0 = -1, b1 = 1, b2 = 0, a1 = K - 1, a2 = 0;
        break;
    case 10:
        c = {1, 0, 0, 1, 0, 0};
        return true;
    case 11:
        h = 1 + K / A;
        b0 = K / A, b1 = K / A, b2 = 0, a1 = K / A - 1, a2 = 0;
        break;
    case 12:
        h = 1 + A * K + K2;
        b0 = K2, b1 = 2 * K2, b2 = K2, a1 = 2 * (K2 - 1), a2 = 1 - A * K + K2;
        break;
    case 13:
        h = 1 + (A / B) * K + K2 / B;
        b0 = K2 / B, b1 = 2 * (K2 / B), b2 = K2 / B, a1 = 2 * (K2 / B - 1), a2 = 1 - (A / B) * K + K2 / B;
        break;
    case 14:
        h = 1 + A * K;
        b0 = 1, b1 = -1, b2 = 0, a1 = A * K - 1, a2 = 0;
        break;
    case 15:
        h = 1 + A * K + K2;
        b0 = 1, b1 = -2, b2 = 1, a1 = 2 * (K2 - 1), a2 = 1 - A * K + K2;
        break;
    case 16:
        h = 1 + A * K + B * K2;
        b0 = 1, b1 = -2, b2 = 1, a1 = 2 * (B * K2 - 1), a2 = 1 - A * K + B * K2;
        break;
    case 17:
        h = 1 + K / Q + K2;
        b0 = 1 - K / Q + K2, b1 = 2 * (K2 - 1), b2 = 1 + K / Q + K2, a1 = 2 * (K2 - 1), a2 = 1 - K / Q + K2;
        break;
    }
    c = {b0 / h, b1 / h, b2 / h, 1, a1 / h, a2 / h};
    return true;
}

void PlotFilter::ComputeResponse()
{
    FilterCoefficients c;
    if (!ComputeCoefficients(c)) {
        // An unknown code (a bypass type, a bad type from a file or the device)
        // draws flat rather than with whatever was computed before.
        for (double &v : response)
            v = 0.0;
        return;
    }
    if (phaseMode)
        EvaluatePhase(c, FixUpOf(code, gainDb), freqHz, response.data());
    else
        EvaluateResponse(c, false, response.data());
    // A flat section (0 dB bands are most of them) needs no memory.
    response.ReleaseIfFlat();
}
