#include "gPlotAxisScale.h"

#include <cmath>

void TgPlotAxisScale::SetGeometry(const TRect &ScaleRect)
{
    FScaleRect = ScaleRect;
    if (Horizontal) {
        FActualStart = ReverseScale ? ScaleRect.Right : ScaleRect.Left;
        FActualStop = ReverseScale ? ScaleRect.Left : ScaleRect.Right;
    } else {
        FActualStart = ReverseScale ? ScaleRect.Top : ScaleRect.Bottom;
        FActualStop = ReverseScale ? ScaleRect.Bottom : ScaleRect.Top;
    }
    FPixelsPerSpanUnit = (FActualStart - FActualStop) / Span;
    if (std::fabs(FPixelsPerSpanUnit) > 1e300)
        FPixelsPerSpanUnit = 0;
}

int TgPlotAxisScale::LogPositionToPixels(double Value) const
{
    const double l0 = std::log10(LogMin()), l1 = std::log10(LogMax());
    if (l1 == l0)
        return 0;
    if (std::isnan(Value))
        return int(PixelLimit);
    const double v = Value > 0 ? Value : 1.0;
    return OffsetPixel(FActualStart, (std::log10(v) - l0) * (FActualStart - FActualStop) / (l1 - l0));
}

double TgPlotAxisScale::PixelsToPosition(int Value) const
{
    double ratio;
    if (Horizontal) {
        const int l = FScaleRect.Left, r = FScaleRect.Right;
        if (l == r)
            return Min;
        ratio = ReverseScale ? double(r - Value) / (r - l) : double(Value - l) / (r - l);
    } else {
        const int t = FScaleRect.Top, b = FScaleRect.Bottom;
        if (t == b)
            return Min;
        ratio = ReverseScale ? double(Value - t) / (b - t) : double(b - Value) / (b - t);
    }
    if (ScaleType == ipstLinear)
        return Min + Span * ratio;
    const double l0 = std::log10(LogMin());
    return std::pow(10.0, l0 + ratio * (std::log10(LogMax()) - l0));
}

int TgPlotAxisScale::WidthToPixels(double Value) const
{
    return std::abs(PositionToPixels(Min + Value) - PositionToPixels(Min));
}

double TgPlotAxisScale::PositionToPercent(double Value) const
{
    return ReverseScale ? (Max() - Value) / Span : (Value - Min) / Span;
}

double TgPlotAxisScale::PercentToPosition(double Value) const
{
    const double d = StopPercent - StartPercent;
    if (d <= 0)
        return 0;
    if (ScaleType == ipstLinear)
        return ReverseScale ? Max() - Value * Span : (Value * 100 - StartPercent) / d * Span + Min;
    const double l0 = std::log10(LogMin()), a = std::log10(LogMax()) - l0;
    return std::pow(10.0, ReverseScale ? l0 + a * (1 - Value) : l0 + Value * a);
}

bool TgPlotAxisScale::PointOnScale(double Value) const
{
    const int p = PositionToPixels(Value);
    return Horizontal ? p >= FScaleRect.Left && p <= FScaleRect.Right : p >= FScaleRect.Top && p <= FScaleRect.Bottom;
}
