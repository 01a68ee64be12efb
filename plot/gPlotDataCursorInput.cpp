// The data cursor's mouse, keys and snapping to data points.
#include "Cursors.h"
#include "VirtualKeys.h"
#include "gPlotChannelCustom.h"
#include "gPlotComponent.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotObjectHost.h"
#include "gPlotXAxis.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Along a hint the percentages run across its orientation: a vertical hint
// moves up and down its pointer.
TgOrientation Along(TgOrientation Hint)
{
    return Hint == ioVertical ? ioHorizontal : ioVertical;
}

} // namespace

bool TgPlotDataCursor::gMouseHitTest(const TgPlotMouseData &MouseData)
{
    if (!FDataView)
        return false;
    return (FPointer1Show && FPointer1Rect.Contains(MouseData.X, MouseData.Y)) ||
           (FPointer2Show && FPointer2Rect.Contains(MouseData.X, MouseData.Y)) ||
           (FHintShowing && FHintRect.Contains(MouseData.X, MouseData.Y));
}

void TgPlotDataCursor::DoMouseLeft(const TgPlotMouseData &MouseData)
{
    TgPlotManagerObject::DoMouseLeft(MouseData);
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    if (!FDataView)
        return;
    if (FHintShowing && FHintRect.Contains(MouseData.X, MouseData.Y)) {
        FHintDrag = true;
        FDragPixels = PercentToPixels(Along(FHintOrientation), FHintPosition);
        NotifyInvalidateNow();
        return;
    }
    const auto start = [&](bool &Drag, TgOrientation Orientation, double Position) {
        Drag = true;
        FDragPixels = PercentToPixels(Orientation, Position);
        NotifyInvalidateNow();
        UpdateReadings();
    };
    if (FPointer1Show && FPointer1Rect.Contains(MouseData.X, MouseData.Y))
        start(FPointer1Drag, FPointer1Orientation, FPointer1Position);
    else if (FPointer2Show && FPointer2Rect.Contains(MouseData.X, MouseData.Y))
        start(FPointer2Drag, FPointer2Orientation, FPointer2Position);
}

void TgPlotDataCursor::DoMouseMove(const TgPlotMouseData &MouseData)
{
    if (!FDataView || !(FHintDrag || FPointer1Drag || FPointer2Drag))
        return;
    // The element keeps its offset from the mouse as the press found it.
    const auto follow = [&](TgOrientation Orientation) {
        const int pixels = Orientation == ioVertical ? MouseData.X + FDragPixels - FMouseDownX
                                                     : MouseData.Y + FDragPixels - FMouseDownY;
        return HeldPercent(PixelsToPercent(Orientation, pixels));
    };
    if (FHintDrag)
        FHintPosition = follow(Along(FHintOrientation));
    else if (FPointer1Drag)
        FPointer1Position = follow(FPointer1Orientation);
    else
        FPointer2Position = follow(FPointer2Orientation);
    UpdateReadings();
    NotifyInvalidateNow();
}

void TgPlotDataCursor::DoMouseUp(const TgPlotMouseData &MouseData)
{
    if (!(FHintDrag || FPointer1Drag || FPointer2Drag))
        return;
    if (FPointer1Drag)
        SnapPointer(1);
    else if (FPointer2Drag)
        SnapPointer(2);
    FHintDrag = FPointer1Drag = FPointer2Drag = false;
    NotifyInvalidateNow();
    if (FMouseDown && gMouseHitTest(MouseData))
        if (IgPlotObjectHost *host = Host())
            host->DoObjectClick(this);
}

int TgPlotDataCursor::GetMouseCursor(TPoint)
{
    int cursor = crHandPoint;
    if (TgPlotComponent *plot = PlotComponent())
        plot->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TgPlotDataCursor::gKeyDown(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    TgPlotManagerObject::gKeyDown(CharCode, Shift, PopupMenu);
    if (!FDataView)
        return;
    if (FSnapToDataPoint) {
        SnapKeyDown(CharCode, Shift);
        return;
    }
    const double px = PixelStep(ioVertical), py = PixelStep(ioHorizontal);
    const auto step = [&](TgOrientation Orientation) { return Orientation == ioVertical ? px : py; };
    if (!Shift.Contains(ssShift)) {
        const bool hintVertical = FHintShowing && FHintOrientation == ioVertical;
        const bool hintHorizontal = FHintShowing && FHintOrientation == ioHorizontal;
        const bool p1Vertical = FPointer1Show && FPointer1Orientation == ioVertical;
        const bool p1Horizontal = FPointer1Show && FPointer1Orientation == ioHorizontal;
        switch (CharCode) {
        case VK_PRIOR: FPointer1Position += 5 * step(FPointer1Orientation); break;
        case VK_NEXT: FPointer1Position -= 5 * step(FPointer1Orientation); break;
        case VK_END: FPointer1Position = 100; break;
        case VK_HOME: FPointer1Position = 0; break;
        case VK_LEFT:
        case VK_RIGHT: {
            const double d = CharCode == VK_LEFT ? -px : px;
            if (hintHorizontal)
                FHintPosition += d;
            if (p1Vertical)
                FPointer1Position += d;
            break;
        }
        case VK_UP:
        case VK_DOWN: {
            const double d = CharCode == VK_UP ? py : -py;
            if (hintVertical)
                FHintPosition += d;
            if (p1Horizontal)
                FPointer1Position += d;
            break;
        }
        default: return;
        }
    } else if (FPointer2Show) {
        const bool vertical = FPointer2Orientation == ioVertical;
        switch (CharCode) {
        case VK_PRIOR: FPointer2Position += 5 * step(FPointer2Orientation); break;
        case VK_NEXT: FPointer2Position -= 5 * step(FPointer2Orientation); break;
        case VK_END: FPointer2Position = 100; break;
        case VK_HOME: FPointer2Position = 0; break;
        case VK_LEFT: if (vertical) FPointer2Position -= px; break;
        case VK_RIGHT: if (vertical) FPointer2Position += px; break;
        case VK_UP: if (!vertical) FPointer2Position += py; break;
        case VK_DOWN: if (!vertical) FPointer2Position -= py; break;
        default: return;
        }
    } else {
        return;
    }
    ClampPositions();
    NotifyInvalidateNow();
}

// --- Snapping (strip charts) ------------------------------------------------

void TgPlotDataCursor::DoSnapToDataPoint()
{
    SnapPointer(1);
    SnapPointer(2);
}

int TgPlotDataCursor::FindNearestIndex(TgPlotChannelCustom *Channel, double P, double X, double &Distance)
{
    Distance = 1e300;
    const int n = Channel->Count();
    if (n == 0)
        return -1;
    const TgPlotDataCustomList &data = Channel->Data();
    // The ends by the data's own order: on falling X the first point is the
    // right-most one.
    const double first = data.GetX(0), last = data.GetX(n - 1);
    const bool rising = first <= last;
    int index;
    if (X >= (rising ? last : first)) {
        index = rising ? n - 1 : 0;
    } else if (X <= (rising ? first : last)) {
        index = rising ? 0 : n - 1;
    } else {
        index = Channel->CalcIndex(Channel->XAxis()->PercentToPosition(P / 100));
        if (index == -1)
            return -1;
        const int found = index;
        for (const int candidate : {found - 1, found + 1})
            if (candidate >= 0 && candidate < n &&
                std::fabs(X - data.GetX(candidate)) < std::fabs(X - data.GetX(index)))
                index = candidate;
    }
    Distance = std::fabs(X - data.GetX(index));
    return index;
}

void TgPlotDataCursor::SnapPointer(int Which)
{
    if (!FSnapToDataPoint || !OnStripChart() || FStyle == ipcsDeltaY)
        return;
    TgPlotComponent *plot = PlotComponent();
    const double p = Which == 1 ? FPointer1Position : FPointer2Position;
    FSnapToIndexChannel = -1;
    FSnapToIndexData = -1;
    if (IsAll()) {
        double best = 1e300;
        for (int i = 0; i < plot->ChannelCount(); ++i) {
            TgPlotChannelCustom *channel = plot->GetChannel(i);
            if (!channel->XAxis())
                continue;
            double distance;
            const int index =
                FindNearestIndex(channel, p, channel->XAxis()->PercentToPosition(p / 100), distance);
            if (index >= 0 && distance < best) {
                best = distance;
                FSnapToIndexChannel = i;
                FSnapToIndexData = index;
            }
        }
    } else if (TgPlotChannelCustom *channel = FindChannel(); channel && channel->XAxis()) {
        double distance;
        FSnapToIndexData = FindNearestIndex(channel, p, channel->XAxis()->PercentToPosition(p / 100), distance);
        FSnapToIndexChannel = plot->GetChannelIndexByName(channel->Name());
    }
    MoveToDataIndex(FSnapToIndexChannel, FSnapToIndexData, 0, Which);
}

void TgPlotDataCursor::MoveToDataIndex(int ChannelIndex, int DataIndex, int Step, int Which)
{
    TgPlotComponent *plot = PlotComponent();
    if (!OnStripChart() || ChannelIndex < 0 || ChannelIndex >= plot->ChannelCount())
        return;
    TgPlotChannelCustom *channel = plot->GetChannel(ChannelIndex);
    TgPlotXAxis *axis = channel->XAxis();
    const int n = channel->Count();
    if (!axis || n == 0)
        return;
    const long long wanted = axis->ReverseScale() ? (long long)DataIndex - Step : (long long)DataIndex + Step;
    const int index = int(std::clamp<long long>(wanted, 0, n - 1));
    const double x = channel->Data().GetX(index);
    const double span = axis->Span();
    if (x > axis->Max())
        axis->SetMin(x - span + span / 40);
    else if (x < axis->Min())
        axis->SetMin(x - span / 40);
    const double percent = axis->PositionToPercent(x) * 100;
    if (Which == 1)
        SetPointer1Position(percent);
    else
        SetPointer2Position(percent);
}

void TgPlotDataCursor::MoveHintOnePixel(bool Up)
{
    const double step = PixelStep(Along(FHintOrientation));
    FHintPosition = HeldPercent(FHintPosition + (Up ? step : -step));
    NotifyInvalidateNow();
}

void TgPlotDataCursor::SnapKeyDown(Word Key, TShiftState Shift)
{
    const bool shift = Shift.Contains(ssShift);
    if (shift && !FPointer2Show)
        return;
    const int which = shift ? 2 : 1;
    const bool reversed = XYAxesReversed();
    const auto step = [&](int Step) {
        SnapPointer(which);
        MoveToDataIndex(FSnapToIndexChannel, FSnapToIndexData, Step, which);
    };
    const auto to = [&](int Index) {
        SnapPointer(which);
        MoveToDataIndex(FSnapToIndexChannel, Index, 0, which);
    };
    const auto hint = [&](bool Up) {
        SnapPointer(which);
        MoveHintOnePixel(Up);
    };
    switch (Key) {
    case VK_PRIOR: step(5); break;
    case VK_NEXT: step(-5); break;
    case VK_END: to(std::numeric_limits<int>::max()); break; // held to the last point
    case VK_HOME: to(0); break;
    case VK_LEFT: reversed ? hint(false) : step(-1); break;
    case VK_UP: reversed ? step(1) : hint(true); break;
    case VK_RIGHT: reversed ? hint(true) : step(1); break;
    case VK_DOWN: reversed ? step(-1) : hint(false); break;
    default: break;
    }
}

TgPlotDataPointStatus TgPlotDataCursor::GetInterpolatedYValue(const QString &ChannelName, double XValue,
                                                              double &YValue)
{
    YValue = 0;
    TgPlotComponent *plot = PlotComponent();
    TgPlotChannelCustom *channel = OnStripChart() ? plot->GetChannelByName(ChannelName) : nullptr;
    TgPlotXAxis *axis = channel ? channel->XAxis() : nullptr;
    if (!axis)
        return ipdpsNull;
    // The X axes' range events stay quiet while the range is borrowed.
    struct Quiet {
        TgPlotComponent *plot;
        TgPlotObjectDoubleValueChangeEvent min, span;
        TgPlotAxesMinSpanChangeEvent minSpan;
        explicit Quiet(TgPlotComponent *p)
            : plot(p), min(std::move(p->OnXAxisMinChange)), span(std::move(p->OnXAxisSpanChange)),
              minSpan(std::move(p->OnXAxisMinSpanChange))
        {
            p->OnXAxisMinChange = nullptr;
            p->OnXAxisSpanChange = nullptr;
            p->OnXAxisMinSpanChange = nullptr;
        }
        ~Quiet()
        {
            plot->OnXAxisMinChange = std::move(min);
            plot->OnXAxisSpanChange = std::move(span);
            plot->OnXAxisMinSpanChange = std::move(minSpan);
        }
    } quiet(plot);
    const bool visible = Visible();
    const TgPlotDataCursorStyle style = FStyle;
    const QString name = FChannelName;
    const double pointer1 = FPointer1Position, min = axis->Min();
    SetVisible(true);
    SetStyle(ipcsValueXY);
    SetChannelName(ChannelName);
    if (FUseCachedInterpolatedData) {
        SetPointer1Position(axis->PositionToPercent(XValue) * 100);
        UpdateReadings();
    } else {
        SetPointer1Position(0);
        axis->SetMin(XValue);
        plot->ReCalcLayout();
    }
    const TgPlotDataPointStatus result = FStatus;
    YValue = FValueY;
    SetVisible(visible);
    SetStyle(style);
    SetChannelName(name);
    SetPointer1Position(pointer1);
    axis->SetMin(min);
    return result;
}
