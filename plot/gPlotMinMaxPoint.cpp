#include "gPlotMinMaxPoint.h"

void TgPlotMinMaxPoint::Clear()
{
    Empty = true;
    YMax = -1e301;
    YMin = 1e301;
}

void TgPlotMinMaxPoint::AddData(double NewXValue, double NewYValue, int NewXPixels)
{
    if (Empty) {
        Empty = false;
        XPixels = NewXPixels;
        XValue = NewXValue;
        YFirst = NewYValue;
    }
    if (NewYValue > YMax)
        YMax = NewYValue;
    if (NewYValue < YMin)
        YMin = NewYValue;
    YLast = NewYValue;
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
