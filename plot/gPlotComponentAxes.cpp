// The plot's side of its axes and data views: the axis events relayed with
// the axis's index among the axes of its kind, tracking switched on or off on
// every axis, and the master axes' input replayed on their kind.
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

void TgPlotComponent::EnableAllTracking()
{
    for (int i = 0; i < XAxisCount(); ++i)
        GetXAxis(i)->SetTrackingEnabled(true);
    for (int i = 0; i < YAxisCount(); ++i)
        GetYAxis(i)->SetTrackingEnabled(true);
}

void TgPlotComponent::RelayToAxesOfKind(TgPlotAxis *Axis, const std::function<void(TgPlotAxis *)> &Replay)
{
    if (FAxisRelayActive)
        return;
    const bool x = dynamic_cast<TgPlotXAxis *>(Axis) != nullptr;
    WithoutAxisRelays([&] {
        for (int i = 0; i < (x ? XAxisCount() : YAxisCount()); ++i) {
            TgPlotAxis *other = x ? static_cast<TgPlotAxis *>(GetXAxis(i)) : GetYAxis(i);
            if (other != Axis)
                Replay(other);
        }
    });
}

void TgPlotComponent::WithoutAxisRelays(const std::function<void()> &Call)
{
    const bool outer = !FAxisRelayActive;
    FAxisRelayActive = true;
    try {
        Call();
    } catch (...) {
        if (outer)
            FAxisRelayActive = false;
        throw;
    }
    if (outer)
        FAxisRelayActive = false;
}

void TgPlotComponent::RelayAxisMouseLeft(TgPlotAxis *Axis, const TgPlotMouseData &MouseData)
{
    RelayToAxesOfKind(Axis, [&](TgPlotAxis *A) { A->DoMouseLeft(MouseData); });
}

void TgPlotComponent::RelayAxisMouseMove(TgPlotAxis *Axis, const TgPlotMouseData &MouseData)
{
    RelayToAxesOfKind(Axis, [&](TgPlotAxis *A) { A->DoMouseMove(MouseData); });
}

void TgPlotComponent::RelayAxisMouseUp(TgPlotAxis *Axis, const TgPlotMouseData &MouseData)
{
    RelayToAxesOfKind(Axis, [&](TgPlotAxis *A) { A->DoMouseUp(MouseData); });
}

void TgPlotComponent::RelayAxisMouseWheel(TgPlotAxis *Axis, int WheelDelta, TShiftState Shift, int X, int Y)
{
    RelayToAxesOfKind(Axis, [&](TgPlotAxis *A) { A->DoMouseWheel(WheelDelta, Shift, X, Y); });
}

void TgPlotComponent::RelayAxisKeyDown(TgPlotAxis *Axis, Word &Key, TShiftState Shift)
{
    RelayToAxesOfKind(Axis, [&](TgPlotAxis *A) { A->gKeyDown(Key, Shift, TControl::PopupMenu()); });
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
