// How a channel answers the plot's mouse: hit testing of its legend row and
// its points, point hints, dragging a point and the data-point events.
#include "Canvas.h"
#include "Cursors.h"
#include "Font.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotLegend.h"
#include "gPlotOwner.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

bool TgPlotChannelCustom::gMouseHitTest(const TgPlotMouseData &MouseData)
{
    const bool inherited = TgPlotManagerObject::gMouseHitTest(MouseData);
    if (VisibleInLegend() && FLegendRect.Contains(MouseData.X, MouseData.Y))
        return true;
    IgPlotOwner *plot = Plot();
    if (!plot || !plot->GetSelectActive())
        return inherited;
    FSelectDataIndex = -1;
    const bool bars = BarEnabled();
    if ((!bars && !MarkersVisible()) || Count() == 0 || !HasAxes())
        return inherited;
    CalcStartIndex();
    CalcStopIndex();
    if (FDrawStartIndex < 0)
        return inherited;
    // The first point in index order wins where points overlap.
    for (int i = FDrawStartIndex; i <= FDrawStopIndex && i < Count(); ++i) {
        if (!IsValidPoint(i) || (!bars && !ShouldDrawMarker(i)))
            continue;
        FSelectDataRect = bars ? GetBarRect(i) : GetMarkerRect(i, XYAxesReversed());
        if (FSelectDataRect.Contains(MouseData.X, MouseData.Y)) {
            FSelectDataIndex = i;
            return true;
        }
    }
    return inherited;
}

void TgPlotChannelCustom::DoMouseHint(const TgPlotMouseData &MouseData, TgHintData &HintData)
{
    IgPlotOwner *plot = Plot();
    if (!plot)
        return;
    plot->DoDataPointMouseMove(this, FSelectDataIndex, MouseData);
    if (!FShowDataPointHints || FSelectDataIndex < 0 || FSelectDataIndex >= Count() ||
        !FSelectDataRect.Contains(MouseData.X, MouseData.Y) || !HasAxes())
        return;
    const int index = FSelectDataIndex;
    HintData.Text = XAxis()->GetLabelText(GetX(index)) + QStringLiteral(", ") + YAxis()->GetLabelText(GetY(index));
    plot->DoDataPointCustomizeHint(this, index, HintData.Text);

    TCanvas canvas;
    if (TFont *font = plot->HintsFont())
        canvas.Font()->Assign(font);
    const int textHeight = canvas.TextHeight(HintData.Text);
    HintData.Width = canvas.TextWidth(HintData.Text) + 4;
    HintData.Height = textHeight + 4;

    // Centred above the point; below it at the data view's top, beside it
    // at the left or right edge; always inside the data view vertically.
    const int mx = MouseData.X, my = MouseData.Y;
    const int s = MarkersSize() / 2;
    const int t = textHeight + s + 8;
    int top = my - t;
    int left = mx - HintData.Width / 2;
    if (TgPlotDataView *view = plot->FirstDataView()) {
        const TRect r = view->DrawRect();
        if (r.Top >= top)
            top = my + t;
        if (r.Left >= left) {
            left = mx + s + 8;
            top = my - HintData.Height / 2;
        } else if (left + HintData.Width >= r.Right) {
            left = mx - s - HintData.Width - 4;
            top = my - HintData.Height / 2;
        }
        if (top + HintData.Height >= r.Bottom)
            top = r.Bottom - HintData.Height;
        if (r.Top >= top)
            top = r.Top;
    }
    HintData.Left = left;
    HintData.Top = top;
}

void TgPlotChannelCustom::DoMouseLeft(const TgPlotMouseData &MouseData)
{
    if (IgPlotOwner *plot = Plot())
        plot->DoDataPointMouseDown(this, FSelectDataIndex, MouseData);
    FMouseDownDataIndex = FSelectDataIndex;
    if (FSelectDataIndex < 0 || FSelectDataIndex >= Count() || !FSelectDataRect.Contains(MouseData.X, MouseData.Y))
        return;
    FSelectDragActive = true;
    FSelectDragIndex = FSelectDataIndex;
    FMouseDownDataRect = FSelectDataRect;
    FMouseDownDataX = GetX(FSelectDragIndex);
    FMouseDownDataY = GetY(FSelectDragIndex);
    FMouseDownAxisPixels = MouseData;
}

void TgPlotChannelCustom::DoMouseMove(const TgPlotMouseData &MouseData)
{
    if (!FSelectDragActive)
        return;
    if (IgPlotOwner *plot = Plot())
        plot->DoDataPointMouseMove(this, FMouseDownDataIndex, MouseData);
    // The point may have gone meanwhile (cleared by a handler).
    if (!FUserCanMoveDataPoints || FSelectDragIndex >= Count() || !HasAxes())
        return;
    double dX = 0, dY = 0;
    if (FUserCanMoveDataPointsStyle != ipcdpmsYOnly)
        dX = XAxis()->PixelsToPosition(FMouseDownAxisPixels.XAxisPixels) -
             XAxis()->PixelsToPosition(MouseData.XAxisPixels);
    if (FUserCanMoveDataPointsStyle != ipcdpmsXOnly)
        dY = YAxis()->PixelsToPosition(FMouseDownAxisPixels.YAxisPixels) -
             YAxis()->PixelsToPosition(MouseData.YAxisPixels);
    SetX(FSelectDragIndex, FMouseDownDataX - dX);
    SetY(FSelectDragIndex, FMouseDownDataY - dY);
}

void TgPlotChannelCustom::DoMouseUp(const TgPlotMouseData &MouseData)
{
    // The plot hands a release to the pressed object and again to every
    // selected one (and a release to them on each move without buttons):
    // only the release that ends this channel's press is reported.
    if (!FMouseDown && !FSelectDragActive)
        return;
    IgPlotOwner *plot = Plot();
    if (plot)
        plot->DoDataPointMouseUp(this, FMouseDownDataIndex, MouseData);
    if (FSelectDragActive) {
        FSelectDragActive = false;
        const int index = FSelectDragIndex;
        if (!plot || index >= Count())
            return;
        if (FMouseDownDataRect.Contains(MouseData.X, MouseData.Y))
            plot->DoDataPointClick(this, index);
        const double x = GetX(index), y = GetY(index);
        if (x != FMouseDownDataX || y != FMouseDownDataY)
            plot->DoDataPointMoved(this, index, FMouseDownDataX, FMouseDownDataY, x, y);
    } else if (plot && FLegendRect.Contains(MouseData.X, MouseData.Y)) {
        plot->DoObjectClick(this);
    }
}

int TgPlotChannelCustom::GetMouseCursor(TPoint)
{
    int cursor = crHandPoint;
    if (IgPlotOwner *plot = Plot())
        plot->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TgPlotChannelCustom::NotificationSetFocus(TObject *Sender)
{
    TgPlotManagerObject::NotificationSetFocus(Sender);
    auto *other = dynamic_cast<TgPlotObject *>(Sender);
    if (!other || other == this || !other->UserSelected() || dynamic_cast<TgPlotLegend *>(other))
        return;
    // A data cursor that reads this channel keeps it selected beside itself.
    if (auto *cursor = dynamic_cast<TgPlotDataCursor *>(other))
        if (cursor->ChannelName() == TgPlotDataCursor::AllChannels() || cursor->FindChannel() == this)
            return;
    SetUserSelected(false);
}

void TgPlotChannelCustom::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TgPlotManagerObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
