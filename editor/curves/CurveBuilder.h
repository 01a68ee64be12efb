#pragma once
#include "ParameterImage.h"
#include "Plot.h"

#include <cstdint>

class LUnitControl;

// How the editor's settings fill the slots of a channel's or a GEQ display's
// Plot: PEQ bands, crossover sections and totals, GEQ bands and the sum. The
// pages and the headless tools call the same routines. Every table lookup
// clamps: a type, Q index or slope from a file, the device or a copy that the
// tables do not know draws flat (and the pages show it as bypass).

// One PEQ band as its curve needs it (the values the band table shows).
struct PeqCurveBand {
    double freqHz = 1000.0;
    double gainDb = 0.0;
    double q = 0.4;
    int type = 0; // 0-8; anything else draws flat
    bool bypass = false;
};

// PEQ band type 0-9 to filter code; any other type gives code 0 (flat).
int PeqTypeFilterCode(int type);
// True for the band types the band table offers (0-8).
bool IsKnownPeqType(int type);
// Q of a Q index, the index held within 0-100.
double QTableValue(int qIndex);
// Crossover slope type 0-20 to its section row; any other type gives row 0
// (bypass, flat).
int CrossoverSlopeRow(int slopeType);
// True for the slope types of the slope list and bypass (0-20).
bool IsKnownSlopeType(int slopeType);

// The band as the model holds it: frequency and gain from their indexes, Q from
// the Q table.
PeqCurveBand PeqCurveBandFromModel(const PeqBand &band, bool bypass);

// Slot := the band's section (gain, frequency, Q, code of its type), or gain 0
// and code 10 when it is bypassed.
void SetPeqSlot(Plot &plot, int slot, const PeqCurveBand &band);
// Slots 0 to count - 1 from the bands, each band's handle drawn at its gain
// (bypassed bands too), then the sum in the colour of colourIndex.
void BuildPeqCurve(Plot &plot, const PeqCurveBand *bands, int count, int colourIndex);
// The high-pass (isHighPass) or low-pass filter of the given slope type and
// corner: its sections into slots base + 3 to base + 7, its total into base
// (high-pass) or base + 1 (low-pass), then its handle ("HPF" or "LPF" at 0 dB).
// The sum is not redrawn.
void BuildHpLpCurve(Plot &plot, bool isHighPass, int slopeType, double cornerHz, int baseSlot = Plot::kHighPassSlot);
// The GEQ bands (gain-index words, 120 = 0 dB) into slots 0-30 as peaks of
// Q 8.65 at their centre frequencies, then the sum.
void BuildGeqCurve(Plot &plot, const uint16_t (&geq)[kGeqBands], int colourIndex);

// Everything a channel display shows of channel ch (0-11) of the model: its PEQ
// bands, high-pass and low-pass filters and the sum, in the plot's current mode.
void BuildChannelCurves(Plot &plot, const LUnitControl &model, int ch);
// The high-pass or low-pass filter of ch as the model holds it, then the sum.
void UpdateHighPassCurve(Plot &plot, const LUnitControl &model, int ch);
void UpdateLowPassCurve(Plot &plot, const LUnitControl &model, int ch);
