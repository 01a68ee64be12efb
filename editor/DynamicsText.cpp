#include "DynamicsText.h"

#include "Format.h"
#include "SharedConstants.h"
#include "ValueScales.h"

#include <algorithm>

int ClampDelayUnit(int Unit)
{
    return Unit >= 0 && Unit <= 2 ? Unit : 0;
}

QString DelayText(int Samples, int Unit)
{
    // 343.5 m/s is held as a float and the products are formed in extended
    // precision in this order, as the device's own tables were.
    const long double p = Samples;
    switch (ClampDelayUnit(Unit)) {
    case 1:
        return Format("%4.3f m", double(p * (long double)SpeedOfSound * (1.0L / 96) * 0.001L));
    case 2:
        return Format("%4.3f ft", double(p * (long double)SpeedOfSound * (1.0L / 96) * 3.2808L * 0.001L));
    default:
        return Format("%4.3f ms", double(p * (1.0L / 96)));
    }
}

QString ThresholdText(int Position)
{
    return Format("%+1.1fdB", Position * 0.5);
}

QString PaddedMsText(int Position)
{
    return Format("%3dms", Position + 1);
}

QString MsText(int Position)
{
    return Format("%dms", Position + 1);
}

QString KneeText(int Position)
{
    return Format("%ddB", Position);
}

int ClampRatioIndex(int Index)
{
    return std::clamp(Index, 0, kRatioCount - 1);
}

QString RatioText(int Index)
{
    const int i = ClampRatioIndex(Index);
    return i == kRatioCount - 1 ? QStringLiteral("Limit") : QStringLiteral("1:") + RatioTexts[i];
}

QString MixText(int Position)
{
    return QString::fromStdString(GainText(Position));
}
