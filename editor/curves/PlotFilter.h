#pragma once
#include "FrequencyGrid.h"
#include "ResponseBuffer.h"
#include "ResponseKernel.h"

#include <cstdint>

// One filter record of a Plot ("slot"): a section's parameters and its
// response at every grid point, magnitude in dB or phase in tenths of a degree
// (PhaseScale units). The editor reads and writes `response` directly.
//
// Codes: 1 peak, 2 low shelf, 3 high shelf, 4 high-pass and 5 low-pass of
// second order, 6 band-pass, 7 first-order all-pass, 8 first-order low-pass,
// 9 first-order high-pass, 10 unity, 11-13 crossover low-pass sections
// 1/(1 + A s), 1/(1 + A s + s^2), 1/(1 + A s + B s^2), 14-16 crossover
// high-pass sections s/(s + A), s^2/(s^2 + A s + 1), s^2/(s^2 + A s + B),
// 17 second-order all-pass. A record with any other code is flat (0 dB,
// phase 0).
class PlotFilter {
public:
    static constexpr int kFirstCode = 1;
    static constexpr int kLastCode = 17;
    static constexpr int kUnityCode = 10;
    // Bounds applied to a copy of the parameters before the computation: the
    // frequency stays below the Nyquist frequency (where tan() diverges), Q and
    // the section values stay positive (they divide).
    static constexpr double kMaxFreqHz = 47999.0;
    static constexpr double kMinQ = 0.01;
    static constexpr double kMinSectionValue = 1.0 / 1024;

    float sectionA = 0;    // first prototype value of a crossover section (codes 11-16)
    float sectionB = 0;    // second prototype value (codes 13 and 16)
    uint8_t phaseMode = 0; // 0: response holds magnitude in dB, 1: phase
    int code = 3;
    double freqHz = 1000.0;
    double gainDb = 0.0; // codes 1, 2, 3
    double q = 0.4;      // codes 1-6 and 17
    ResponseBuffer response;

    // Store the values, then compute the response.
    void Set(double gain, double frequency, double q, int code);
    void SetAll(double gain, double frequency, double q, int code, float sectionA, float sectionB);

    // The section's coefficients from the record (a0 = 1); false, leaving c
    // untouched, for a code outside 1-17.
    bool ComputeCoefficients(FilterCoefficients &c) const;
    // Fills `response` in the record's mode, the phase shifted by half a turn
    // where the code's shape needs it.
    void ComputeResponse();
};
