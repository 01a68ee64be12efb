#pragma once

// The 4096-point logarithmic frequency grid of every response curve: point i
// stands for f(i) = 10^(log10(48000) * i / 4096) Hz, from 1 Hz to just below
// 48 kHz, at the 96 kHz sample rate (omega(i) = pi * f(i) / 48000).
constexpr int kGridPoints = 4096;
constexpr double kNyquistHz = 48000.0;

double GridFrequency(int i);
double GridOmega(int i);
// Fractional grid index of a frequency: 4096 * log10(f) / log10(48000)
// (1000 Hz lies at 2624.94); the x of band markers.
double GridPosition(double freqHz);
// The frequency at a fractional grid position: the inverse of GridPosition.
double GridFrequencyAt(double position);

// Cosines and sines of omega and 2 omega at every grid point, and the grid
// frequency computed back from omega as the phase fix-ups compare it.
// Computed once, on first use, with the same library calls as a per-point
// evaluation would make.
struct FrequencyGridTables {
    alignas(64) double cos1[kGridPoints];
    alignas(64) double sin1[kGridPoints];
    alignas(64) double cos2[kGridPoints];
    alignas(64) double sin2[kGridPoints];
    alignas(64) double hz[kGridPoints];

    static const FrequencyGridTables &Get();
};
