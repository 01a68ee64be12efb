#include "TransferCurves.h"

#include "DynamicsText.h"
#include "SharedConstants.h"
#include "TgXYPlot.h"

namespace {

// The threshold in dB as the device's tables hold it, a 32-bit float.
float Threshold(int Position)
{
    return float(Position * 0.5);
}

TransferCurve::Point Marker(float T)
{
    return {T + 0.2, T - 0.4};
}

} // namespace

TransferCurve CompressorCurve(int ThresholdPosition, int RatioIndex, int KneeDb)
{
    const float T = Threshold(ThresholdPosition);
    const int index = ClampRatioIndex(RatioIndex);
    const double k = KneeDb;
    if (index == kRatioCount - 1)
        return {{{20, T}, {T + k, T}, {T - k, T - k}, {-100, -100}}, Marker(T)};
    const float r = float(RatioValues[index]);
    return {{{20, T + (20 - T) / r}, {T + k, T + k / r}, {T - k, T - k}, {-100, -100}}, Marker(T)};
}

TransferCurve GateCurve(int ThresholdPosition)
{
    const float T = Threshold(ThresholdPosition);
    return {{{20, 20}, {T, T}, {T, -100}}, Marker(T)};
}

TransferCurve LimiterCurve(int ThresholdPosition, int KneeDb)
{
    const float T = Threshold(ThresholdPosition);
    const double k = KneeDb;
    return {{{20, T}, {T + k, T}, {T - k, T - k}, {-100, -100}}, Marker(T)};
}

void ShowTransferCurve(TgXYPlot &Plot, const TransferCurve &c)
{
    TgXYPlot::Series &curve = Plot.GetChannel(0);
    curve.DeletePoints();
    for (const auto &p : c.curve)
        curve.AddXY(p.x, p.y);
    TgXYPlot::Series &marker = Plot.GetChannel(1);
    marker.DeletePoints();
    marker.AddXY(c.marker.x, c.marker.y);
    Plot.Invalidate();
}
