#include "SharedConstants.h"

const char *const TitleText = "Brelland TQ-62 DSP Processor Editor";
const char *const VersionText = "V1.0";
// Loopback until the user enters the device's address in the network setup, so
// that a fresh editor never reaches out to an address it was not given.
const char *const DefaultDeviceAddressText = "127.0.0.1";

// 2^(1/30) as a literal, so that it is constant-initialised and other units'
// static initialisers never see it unset.
const double FreqStep = 1.023373891996775;
const double GeqBandQ = 8.65;

const char *const UnitTexts[kUnitTextCount] = {
    "dB", "DB", "db", "Db",                     //
    "ms", "Ms", "mS", "MS",                     //
    "ms", "Ms", "mS", "MS", "m",  "M",          //
    "ft", "Ft", "fT", "FT",
};

const float SpeedOfSound = 343.5f;

const char *const RatioTexts[kRatioCount] = {"1.0", "1.1", "1.3", "1.5", "1.7", "2.0", "2.5", "3.0",
                                             "3.5", "4.0", "5.0", "6.0", "8.0", "10",  "20",  "Limit"};
const double RatioValues[kRatioCount] = {1.0, 1.1, 1.3, 1.5, 1.7, 2.0,  2.5,  3.0,
                                         3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0, 20.1};

const int CrossoverSlopeOrder[21] = {0, 1, 9, 2, 10, 17, 3, 11, 4, 12, 18, 5, 13, 6, 14, 19, 7, 15, 8, 16, 20};
const int PeqTypeFilterCodes[10] = {1, 2, 3, 8, 5, 9, 4, 7, 17, 0};

const double MaxShelfQ = 3.0;
const double ShelfDefaultQ = 0.71;
const double CurveAreaOffset = 42.0;

const float ButterworthSections[8][5] = {
    {1, 0, 0, 0, 0},
    {0, 1.4142f, 0, 0, 0},
    {1, 1.0f, 0, 0, 0},
    {0, 0.7654f, 1.8478f, 0, 0},
    {1, 0.618f, 1.618f, 0, 0},
    {0, 0.5176f, 1.4142f, 1.9319f, 0},
    {1, 0.445f, 1.247f, 1.8019f, 0},
    {0, 0.3902f, 1.1111f, 1.6629f, 1.9616f},
};

const float BesselSections[8][10] = {
    {1.0f, 0},
    {0, 0, 1.3617f, 0.618f},
    {0.756f, 0, 0.9996f, 0.4772f},
    {0, 0, 1.3397f, 0.4889f, 0.7743f, 0.389f},
    {0.6656f, 0, 1.1402f, 0.4128f, 0.6216f, 0.3245f},
    {0, 0, 1.2217f, 0.3887f, 0.9686f, 0.3505f, 0.5131f, 0.2756f},
    {0.5937f, 0, 1.0944f, 0.3395f, 0.8304f, 0.3011f, 0.4332f, 0.2381f},
    {0, 0, 1.1112f, 0.3162f, 0.9754f, 0.2979f, 0.7202f, 0.2621f, 0.3728f, 0.2087f},
};

namespace {
constexpr RgbColour kRed{255, 0, 0}, kYellow{255, 255, 0}, kMagenta{255, 0, 255}, kCyan{0, 255, 255},
    kGreen{0, 255, 0}, kBlue{0, 0, 255}, kSkyBlue{166, 202, 240}, kPurple{128, 0, 128}, kTeal{0, 128, 128},
    kMaroon{128, 0, 0}, kCream{255, 251, 240}, kOlive{128, 128, 0}, kGrey{128, 128, 128}, kNavy{0, 0, 128};
#define TQ62_BAND_CYCLE                                                                                       \
    kRed, kYellow, kMagenta, kCyan, kGreen, kBlue, kSkyBlue, kPurple, kTeal, kMaroon, kCream, kOlive, kGrey, kNavy
} // namespace

const RgbColour PlotColours[kPlotColourCount] = {
    TQ62_BAND_CYCLE, TQ62_BAND_CYCLE, TQ62_BAND_CYCLE, TQ62_BAND_CYCLE,
    // channels 0-11
    kPurple, kOlive, kTeal, kMaroon, kRed, kGreen, kYellow, kBlue, kMagenta, kCyan, kSkyBlue, kCream,
    // overview displays, then the GEQ displays of inputs A-D
    kPurple, kOlive, kPurple, kOlive, kTeal, kMaroon,
};
#undef TQ62_BAND_CYCLE

const RgbColour *const BandColours = PlotColours;
const RgbColour *const ChannelColours = PlotColours + kBandColourCount;

const MeterStepTable MeterSteps = {
    {-50, -40, -30, -20, -5, 0, 5, 12, 15},
    {-50, -30, -10, -5, 0, 5, 12, 15},
};

const float GeqCentreFrequencies[31] = {20,   25,   31.5f, 40,   50,   63,    80,    100,   125,  160,  200,
                                        250,  315,  400,   500,  630,  800,   1000,  1250,  1600, 2000, 2500,
                                        3150, 4000, 5000,  6300, 8000, 10000, 12500, 16000, 20000};

const float QTable[101] = {
    0.4f,  0.42f, 0.45f, 0.47f, 0.5f,  0.53f, 0.56f, 0.59f, 0.63f, 0.67f, 0.71f, 0.75f, 0.79f, 0.84f, 0.89f,
    0.94f, 1.0f,  1.06f, 1.12f, 1.19f, 1.26f, 1.3f,  1.4f,  1.5f,  1.6f,  1.7f,  1.8f,  1.9f,  2.0f,  2.1f,
    2.2f,  2.4f,  2.5f,  2.7f,  2.8f,  3.0f,  3.2f,  3.4f,  3.6f,  3.8f,  4.0f,  4.2f,  4.5f,  4.8f,  5.0f,
    5.3f,  5.7f,  6.0f,  6.3f,  6.7f,  7.1f,  7.6f,  8.0f,  8.5f,  9.0f,  9.5f,  10.1f, 10.7f, 11.3f, 12.0f,
    12.7f, 13.5f, 14.0f, 15.0f, 16.0f, 17.0f, 18.0f, 19.0f, 20.0f, 21.0f, 23.0f, 24.0f, 25.0f, 27.0f, 29.0f,
    30.0f, 32.0f, 34.0f, 36.0f, 38.0f, 40.0f, 43.0f, 45.0f, 48.0f, 51.0f, 54.0f, 57.0f, 60.0f, 64.0f, 68.0f,
    72.0f, 76.0f, 81.0f, 85.0f, 91.0f, 96.0f, 102.0f, 108.0f, 114.0f, 121.0f, 128.0f,
};

const double PhaseRange = 180.0;
const double PhaseAxisRange = 18.0;
// 18 / pi: phase in tenths of a degree on the +-18 dB axis.
const double PhaseScale = PhaseAxisRange / PhaseRange * 180.0 / 3.14159265358979323846;
