#pragma once
#include <QString>

#include <cstddef>
#include <cstdint>

// Texts of the page refresh for stored values and control positions (the
// dynamics, delay and mix forms are in DynamicsText.h).
namespace ValueTexts {

// GEQ band, word 0 to 240 (120 = 0 dB), no unit: "+0.0", "-12.0".
QString Geq(int Position);
// Crossover frequency index: "1.00KHz", "19.7Hz".
QString Frequency(int Position);
// A fixed-size name field up to its first NUL, at most Max characters.
QString Name(const uint8_t *Bytes, size_t Max);
// Current preset: "F00" for the factory preset, "U01" to "U20".
QString PresetNumber(int Preset);

} // namespace ValueTexts
