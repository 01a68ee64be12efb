#pragma once

// The last slider or mouse edit of a curve that a one-shot 1 ms timer
// completes; one record for all channels, a new edit overwrites it.
struct PendingCurveEdit {
    int kind = 0;        // PEQ slider: 0 frequency, 1 Q, 2 gain; crossover: 1 high-pass, 0 low-pass
    int channel = 0;     // ChannelIndex of the edit
    double gainDb = 0.0; // band gain
    float qValue = 0.f;  // Q slider position (slider edit) or Q value (mouse drag)
    float freqHz = 0.f;
    int bypass = 0;      // band bypass flag (mouse drag)
    int bandType = 0;    // band type (mouse drag)
    int band = 0;        // band index (mouse drag)
    int crossoverType = 0; // slope type 0-20
};
