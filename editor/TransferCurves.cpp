#include "TransferCurves.h"

#include "DynamicsText.h"
#include "SharedConstants.h"
#include "gPlotDataCursor.h"
#include "gPlotLegend.h"
#include "gPlotMasterManager.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

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

TgXYPlot *MakeTransferPlot(TComponent *Owner)
{
    auto *plot = new TgXYPlot(Owner);
    plot->SetBorderStyle(ibsNone);
    plot->Master()->SetUserCanEditObjects(false);
    plot->GetToolBar(0)->SetVisible(false);
    plot->GetLegend(0)->SetVisible(false);
    plot->GetDataCursor(0)->SetVisible(false);
    plot->SetTitleVisible(false);
    for (TgPlotAxis *axis : {static_cast<TgPlotAxis *>(plot->GetXAxis(0)), static_cast<TgPlotAxis *>(plot->GetYAxis(0))}) {
        axis->SetMinSpan(-100, 120);
        axis->SetTrackingEnabled(false);
    }
    TgXYPlotChannel *curve = plot->GetChannel(0);
    curve->SetColor(clWhite);
    curve->SetTraceLineWidth(2);
    TgXYPlotChannel *marker = plot->GetChannel(plot->AddChannel());
    marker->SetColor(clLime);
    marker->SetTraceLineStyle(iplsDot);
    marker->SetMarkersVisible(true);
    marker->SetMarkersSize(2);
    return plot;
}

void ShowTransferCurve(TgXYPlot &Plot, const TransferCurve &c)
{
    TgXYPlotChannel *curve = Plot.GetChannel(0);
    curve->DeletePoints(curve->Count());
    for (const auto &p : c.curve)
        curve->AddXY(p.x, p.y);
    TgXYPlotChannel *marker = Plot.GetChannel(1);
    marker->DeletePoints(marker->Count());
    marker->AddXY(c.marker.x, c.marker.y);
}
