#include "gPlotMinMaxPoint.h"

void TgPlotMinMaxPoint::Clear()
{
    Empty = true;
    YMax = -1e301;
    YMin = 1e301;
}

void TgPlotMinMaxPoint::AssignDown(const TgPlotMinMaxPoint &Source)
{
    Empty = Source.Empty;
    XPixels = Source.XPixels;
    XValue = Source.XValue;
    YMax = Source.YMax;
    YMin = Source.YMin;
    YFirst = Source.YFirst;
    YLast = Source.YLast;
}
