#pragma once
#include <QString>

#include <cstddef>
#include <cstdint>

// Texts the pages show for stored values and control positions. Each takes a
// control position (after the control has clamped it); an index outside its
// table is held to the table, so a damaged file or a stray device value never
// reads past it.
namespace ValueTexts {

// Gain sliders and mix spinners, position -280 to +120: "+0.0dB", "-60.0dB".
QString Gain(int Position);
// GEQ band, word 0 to 240 (120 = 0 dB), no unit: "+0.0", "-12.0".
QString Geq(int Position);
// Thresholds in half dB: "%+1.1fdB".
QString Threshold(int Position);
// Gate times "%dms" and compressor/limiter times "%3dms" of position + 1.
QString GateTime(int Position);
QString DynTime(int Position);
// Knee "%ddB".
QString Knee(int Position);
// Compressor ratio index: "Limit" at 15 and above, else "1:" and the ratio.
QString Ratio(int Position);
// Crossover frequency index: "1.00KHz", "19.7Hz".
QString Frequency(int Position);
// A fixed-size name field up to its first NUL, at most Max characters.
QString Name(const uint8_t *Bytes, size_t Max);
// Current preset: "F00" for the factory preset, "U01" to "U20".
QString PresetNumber(int Preset);

} // namespace ValueTexts
