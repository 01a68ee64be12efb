#pragma once
#include <cstdint>

// Constants shared by every part of the program: texts, value-scale constants,
// filter tables, colours, meter steps and the Q table.

struct RgbColour {
    uint8_t r, g, b;
    constexpr bool operator==(const RgbColour &o) const { return r == o.r && g == o.g && b == o.b; }
};

extern const char *const TitleText;                // "Brelland TQ-62 DSP Processor Editor"
extern const char *const VersionText;              // "V1.0"
extern const char *const DefaultDeviceAddressText; // TCP address used until the user enters one

extern const double FreqStep; // 2^(1/30)
extern const double GeqBandQ; // 8.65

// Unit spellings accepted after a typed number: 0-3 levels in dB, 4-7 attack and
// release in ms, 8-17 delays (8-11 ms, 12-13 metres, 14-17 feet).
constexpr int kUnitTextCount = 18;
extern const char *const UnitTexts[kUnitTextCount];

extern const float SpeedOfSound; // 343.5 m/s

constexpr int kRatioCount = 16;
extern const char *const RatioTexts[kRatioCount];
extern const double RatioValues[kRatioCount]; // index 15 ("Limit") is 20.1

// Crossover type 0-20 -> slope code: 0 off, 1-8 Butterworth order 1-8,
// 9-16 Bessel order 1-8, 17-20 Linkwitz-Riley 12/24/36/48 dB.
extern const int CrossoverSlopeOrder[21];
// PEQ band type 0-9 -> filter code of the response computation.
extern const int PeqTypeFilterCodes[10];

extern const double MaxShelfQ;       // 3.0: largest Q of shelving, low-pass and high-pass bands
extern const double ShelfDefaultQ;   // 0.71 (Q index 10): Q such a band takes when chosen
extern const double CurveAreaOffset; // 42.0 px: left edge of a response plot's curve area

// Row n-1 = order n: first-order flag, then 2*zeta of up to four second-order sections.
extern const float ButterworthSections[8][5];
// Row n-1 = order n: first-order coefficient, 0, then (a, b) of up to four sections.
extern const float BesselSections[8][10];

// 0-55 band markers (14 colours four times), 56-67 the 12 channels,
// 68-69 the overview displays, 70-73 the GEQ displays of inputs A-D.
constexpr int kPlotColourCount = 74;
extern const RgbColour PlotColours[kPlotColourCount];
constexpr int kBandColourCount = 56;
extern const RgbColour *const BandColours;    // PlotColours[0..55]
constexpr int kChannelColourCount = 18;
extern const RgbColour *const ChannelColours; // PlotColours[56..73], by display index

struct MeterStepTable {
    float inputs[9];
    float outputs[8];
};
extern const MeterStepTable MeterSteps; // dB at which meter segments light

extern const float GeqCentreFrequencies[31];
extern const float QTable[101];

extern const double PhaseRange;     // 180.0 degrees
extern const double PhaseAxisRange; // 18.0 dB
extern const double PhaseScale;     // 18 / pi: tenths of a degree onto the dB axis
