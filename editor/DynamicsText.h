#pragma once
#include <QString>

// Text forms of the delay and dynamics controls, shared by the handlers, the
// link propagation and the page refresh. Every lookup by a stored value is
// clamped, so a value out of range from a file or the device never indexes
// past a table.

// Delay units as stored in the image: 0 ms, 1 m, 2 ft. Any other stored
// value is shown and used as ms.
int ClampDelayUnit(int Unit);
// "%4.3f ms", "%4.3f m" or "%4.3f ft" of the slider position in samples.
QString DelayText(int Samples, int Unit);

// "%+1.1fdB" of position / 2.
QString ThresholdText(int Position);
// Times are position + 1 ms: "%3dms" on the compressor and limiter, "%dms"
// on the gate.
QString PaddedMsText(int Position);
QString MsText(int Position);
// "%ddB".
QString KneeText(int Position);
// 0 to 15; 15 is "Limit".
int ClampRatioIndex(int Index);
// "1:" + ratio text, or "Limit" at index 15.
QString RatioText(int Index);
// Mix or gain position (-280 to 120) as "+0.0dB", "-25.5dB", "-60.0dB".
QString MixText(int Position);
