#include "ValueTexts.h"

#include "Format.h"
#include "SharedConstants.h"
#include "ValueScales.h"

#include <algorithm>

namespace ValueTexts {

QString Gain(int Position) { return QString::fromStdString(GainText(Position)); }

QString Geq(int Position)
{
    const double v = (Position - 120) * 0.1;
    return Position >= 120 ? Format("+%3.1f", v) : Format("%4.1f", v);
}

QString Threshold(int Position) { return Format("%+1.1fdB", Position * 0.5); }
QString GateTime(int Position) { return Format("%dms", Position + 1); }
QString DynTime(int Position) { return Format("%3dms", Position + 1); }
QString Knee(int Position) { return Format("%ddB", Position); }

QString Ratio(int Position)
{
    if (Position >= kRatioCount - 1)
        return "Limit";
    return QString("1:") + RatioTexts[std::max(Position, 0)];
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
