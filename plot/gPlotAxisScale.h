#pragma once
#include "Types.h"
#include "gTypes.h"

#include <cmath>

// The value range of an axis and its mapping onto pixels, on a linear or a
// base-10 logarithmic scale. The geometry (where Min and Max lie) comes from
// the axis layout and is current after each layout pass. On a log scale a
// Min or Span that is not above 0 counts as 1 in every conversion.
class TgPlotAxisScale {
public:
    double Min = 0;
    double Span = 100;
    TgPlotScaleType ScaleType = ipstLinear;
    bool ReverseScale = false;
    bool Horizontal = true;
    // The part of the data view's length the axis spans (percent).
    double StartPercent = 0;
    double StopPercent = 100;

    double Max() const { return Min + Span; }
    double Mid() const { return Min + Span / 2; }

    // Takes the scale rectangle: Min lies at its left (bottom) edge, Max at
    // its right (top) edge, or the other way round under ReverseScale.
    void SetGeometry(const TRect &ScaleRect);
    const TRect &ScaleRect() const { return FScaleRect; }
    int ActualStart() const { return FActualStart; }
    int ActualStop() const { return FActualStop; }
    double PixelsPerSpanUnit() const { return FPixelsPerSpanUnit; }
    int ScaleLength() const { return Horizontal ? FScaleRect.Width() : FScaleRect.Height(); }

    // Pixel of a value, within -32000..32000; NaN lies off the scale.
    int PositionToPixels(double Value) const
    {
        if (FActualStart == FActualStop || Span <= 1e-300)
            return (FActualStart + FActualStop) / 2;
        if (ScaleType != ipstLinear)
            return LogPositionToPixels(Value);
        return OffsetPixel(FActualStart, (Value - Min) * FPixelsPerSpanUnit);
    }
    double PixelsToPosition(int Value) const;
    int WidthToPixels(double Value) const;
    // Fraction of the span from Min (from Max under ReverseScale).
    double PositionToPercent(double Value) const;
    // The value at a fraction of the plot: on a linear forward scale the
    // fraction is taken through the axis's start and stop percentages.
    double PercentToPosition(double Value) const;
    // The value's pixel lies within the scale rectangle (edges included).
    bool PointOnScale(double Value) const;
    bool ValueOnScale(double Value) const { return PointOnScale(Value); }
    int MinPixels() const { return PositionToPixels(Min); }
    int MaxPixels() const { return PositionToPixels(Max()); }

    // Min and Max as a log scale uses them (Min and Span not above 0 count as 1).
    double LogMin() const { return Min > 0 ? Min : 1.0; }
    double LogMax() const { return LogMin() + (Span > 0 ? Span : 1.0); }

private:
    static constexpr double PixelLimit = 32000;
    int LogPositionToPixels(double Value) const;
    // Start - Offset within the pixel limit; NaN (an undefined offset) goes
    // off the scale at the far limit.
    static int OffsetPixel(int Start, double Offset)
    {
        if (std::isnan(Offset))
            return int(PixelLimit);
        // Halves to even, as nearbyint rounds, without its library call:
        // adding and taking away 1.5 * 2^52 leaves the nearest integer.
        const double rounded = std::fabs(Offset) < 1e15 ? (Offset + 6755399441055744.0) - 6755399441055744.0
                                                         : std::nearbyint(Offset);
        const double r = Start - rounded;
        return int(r < -PixelLimit ? -PixelLimit : r > PixelLimit ? PixelLimit : r);
    }

    TRect FScaleRect;
    int FActualStart = 0;
    int FActualStop = 0;
    double FPixelsPerSpanUnit = 0;
};
