// The plot's side of its axes and data views: the axis events relayed with
// the axis's index among the axes of its kind, and tracking switched off on
// every axis.
#include "gPlotComponent.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

namespace {

// The axis's index among its kind, and whether it is an X axis; false when
// the plot does not hold it.
bool AxisIndex(const TgPlotComponent *Plot, TgPlotAxis *Axis, bool &IsX, int &Index)
{
    for (int i = 0; i < Plot->XAxisCount(); ++i)
        if (Plot->GetXAxis(i) == Axis) {
            IsX = true;
            Index = i;
            return true;
        }
    for (int i = 0; i < Plot->YAxisCount(); ++i)
        if (Plot->GetYAxis(i) == Axis) {
            IsX = false;
            Index = i;
            return true;
        }
    return false;
}

} // namespace

void TgPlotComponent::DisableAllTracking()
{
    for (int i = 0; i < XAxisCount(); ++i)
        GetXAxis(i)->SetTrackingEnabled(false);
    for (int i = 0; i < YAxisCount(); ++i)
        GetYAxis(i)->SetTrackingEnabled(false);
}

void TgPlotComponent::DoAxisMinChange(TgPlotAxis *Axis, double OldValue, double NewValue)
{
    bool x;
    int index;
    if (IsLoading() || !AxisIndex(this, Axis, x, index))
        return;
    if (const auto &event = x ? OnXAxisMinChange : OnYAxisMinChange)
        event(this, index, OldValue, NewValue);
}

void TgPlotComponent::DoAxisSpanChange(TgPlotAxis *Axis, double OldValue, double NewValue)
{
    bool x;
    int index;
    if (IsLoading() || !AxisIndex(this, Axis, x, index))
        return;
    if (const auto &event = x ? OnXAxisSpanChange : OnYAxisSpanChange)
        event(this, index, OldValue, NewValue);
}

void TgPlotComponent::DoAxisMinSpanChange(TgPlotAxis *Axis, double OldMin, double OldSpan, double NewMin,
                                          double NewSpan)
{
    bool x;
    int index;
    if (IsLoading() || !AxisIndex(this, Axis, x, index))
        return;
    if (const auto &event = x ? OnXAxisMinSpanChange : OnYAxisMinSpanChange)
        event(this, index, OldMin, OldSpan, NewMin, NewSpan);
}

void TgPlotComponent::DoAxisMinSpanChangeFinished(TgPlotAxis *Axis, double OldMin, double OldSpan, double NewMin,
                                                  double NewSpan)
{
    bool x;
    int index;
    if (IsLoading() || !AxisIndex(this, Axis, x, index))
        return;
    if (const auto &event = x ? OnXAxisMinSpanChangeFinished : OnYAxisMinSpanChangeFinished)
        event(this, index, OldMin, OldSpan, NewMin, NewSpan);
}

void TgPlotComponent::DoAxisCustomizeLabel(TgPlotAxis *Axis, double Value, QString &Label)
{
    bool x;
    int index;
    if (IsLoading() || !AxisIndex(this, Axis, x, index))
        return;
    if (const auto &event = x ? OnXAxisCustomizeLabel : OnYAxisCustomizeLabel)
        event(this, index, Value, Label);
}

void TgPlotComponent::DoAxisCustomizeHint(TgPlotAxis *Axis, QString &Text)
{
    bool x;
    int index;
    if (IsLoading() || !AxisIndex(this, Axis, x, index))
        return;
    if (const auto &event = x ? OnXAxisCustomizeHint : OnYAxisCustomizeHint)
        event(this, index, Text);
}

void TgPlotComponent::DoBeforeZoomBox(TgPlotDataView *, TRect &ZoomRect, bool &Cancel)
{
    if (!IsLoading() && OnBeforeZoomBox)
        OnBeforeZoomBox(this, ZoomRect, Cancel);
}
