#include "ValueTexts.h"

#include "Format.h"
#include "ValueScales.h"

namespace ValueTexts {

QString Geq(int Position)
{
    const double v = (Position - 120) * 0.1;
    return Position >= 120 ? Format("+%3.1f", v) : Format("%4.1f", v);
}

QString Frequency(int Position)
{
    const double f = IndexToFreq(Position);
    return f >= 1000 ? Format("%4.2f", f * 0.001) + "KHz" : Format("%4.1f", f) + "Hz";
}

QString Name(const uint8_t *Bytes, size_t Max)
{
    size_t n = 0;
    while (n < Max && Bytes[n] != 0)
        ++n;
    return QString::fromLatin1(reinterpret_cast<const char *>(Bytes), int(n));
}

QString PresetNumber(int Preset) { return Format(Preset >= 1 ? "U%02d" : "F%02d", Preset); }

} // namespace ValueTexts
