#pragma once
#include <string>

// Conversions between the device's stored integers and the values the editor
// shows and accepts as typed text. Conversions to an integer truncate toward
// zero and then clamp to the stored range, so a typed value can never produce
// an index the device does not know.

constexpr int kFreqIndexMin = 0, kFreqIndexMax = 300;     // 170 = 1 kHz, 1/30 octave per step
constexpr int kEqGainIndexMin = 0, kEqGainIndexMax = 240; // 120 = 0 dB, 0.1 dB per step
constexpr int kQIndexMin = 0, kQIndexMax = 100;           // index into QTable
constexpr int kDelayMinSamples = 0, kDelayMaxSamples = 65280; // 96 samples per ms
constexpr int kFreqIndexOneKHz = 170;
constexpr int kEqGainIndexZeroDb = 120;

// True when every character is a decimal digit or '.'; true for "".
bool IsNumericText(const std::string &text);
// 1-based position of part inside text, 0 when absent (case-sensitive).
int PosInText(const std::string &text, const std::string &part);
// Delay typed in unit 0 ms, 1 metres or 2 feet, in samples (0 to 65280); 0 for
// any other unit.
int DelayToSamples(double value, int unit);
// Q to Q index (rounded to the nearest table position), 0 to 100.
int QToIndex(double q);
// dB to PEQ/GEQ gain index, 0 to 240.
int GainToIndex(double db);
// Hz to frequency index (nearest, an exact half rounds down), 0 to 300.
int FreqToIndex(double hz);
// Frequency index to Hz, unclamped.
double IndexToFreq(int index);
// Gain index to dB.
double IndexToGain(int index);
// Text of a channel-gain or mix position p (-280 to +120), e.g. "+0.0dB", "-60.0dB".
std::string GainText(int p);
