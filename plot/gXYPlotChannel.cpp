#include "gXYPlotChannel.h"

#include "Canvas.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gUtilities.h"

#include <cmath>
#include <limits>

int TgXYPlotChannel::AddNull()
{
    const int index = const_cast<TgPlotDataCustomList &>(Data()).Add(0, 0, true, false);
    DoChange();
    return index;
}

int TgXYPlotChannel::AddEmpty()
{
    const int index = const_cast<TgPlotDataCustomList &>(Data()).Add(0, 0, false, true);
    DoChange();
    return index;
}

void TgXYPlotChannel::CalcStartIndex()
{
    FDrawStartIndex = Count() > 0 ? 0 : -1;
}

void TgXYPlotChannel::CalcStopIndex()
{
    FDrawStopIndex = Count() - 1;
}

void TgXYPlotChannel::UpdateCanDraw()
{
    FCanDraw = false;
    if (!HasAxes() || !Visible() || Count() < 1)
        return;
    CalcStartIndex();
    CalcStopIndex();
    FCanDraw = FDrawStartIndex != -1 && FDrawStopIndex != -1;
}

void TgXYPlotChannel::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    if (!HasAxes())
        return;
    const bool reversed = XYAxesReversed();
    Canvas->SaveState();
    if (ClipToAxes()) {
        const int x1 = XAxis()->MinPixels(), x2 = XAxis()->MaxPixels();
        const int y1 = YAxis()->MinPixels(), y2 = YAxis()->MaxPixels();
        if (reversed)
            Canvas->IntersectClipRect(NormalizedRect(y1, x1, y2, x2));
        else
            Canvas->IntersectClipRect(NormalizedRect(x1, y1, x2, y2));
    }
    DrawTrace(Canvas, reversed, BackGroundColor);
    DrawMarkers(Canvas, reversed, BackGroundColor);
    Canvas->RestoreState();
}

void TgXYPlotChannel::DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor)
{
    // Per-point styles, broken lines and points beyond the X axis's ends
    // (whose segments the axis cuts) keep the point-by-point drawing.
    // Rising X: the first and last valid points hold its ends.
    const auto within = [this] {
        int first = 0, last = Count() - 1;
        while (first <= last && !IsValidPoint(first))
            ++first;
        while (last >= first && !IsValidPoint(last))
            --last;
        return first > last || (GetX(first) >= XAxis()->Min() && GetX(last) <= XAxis()->Max());
    };
    if (TraceVisible() && HasAxes() && FDrawStopIndex > FDrawStartIndex && FDrawStartIndex >= 0 &&
        TraceLineStyle() == iplsSolid && DataStyle() != ipdsFullFeature && ValidXRises() && within()) {
        SetTracePen(Canvas);
        DrawTraceColumns(Canvas, XYAxesReversed, FDrawStartIndex, FDrawStopIndex, true);
        return;
    }
    TgPlotChannelCustom::DrawTrace(Canvas, XYAxesReversed, BackGroundColor);
}

double TgXYPlotChannel::VisibleExtent(bool X, int Sign)
{
    const double start = Sign > 0 ? -1e300 : 1e300;
    CalcStartIndex();
    CalcStopIndex();
    if (!HasAxes() || !Visible() || FDrawStartIndex == -1 || FDrawStopIndex == -1)
        return start;
    double xMin, xMax, yMin, yMax;
    GetValidExtremes(xMin, xMax, yMin, yMax);
    const double extreme = X ? (Sign > 0 ? xMax : xMin) : (Sign > 0 ? yMax : yMin);
    if (std::isinf(extreme) && (extreme > 0) != (Sign > 0))
        return start; // no valid point
    // Widening is monotonic: the widened extreme is the extreme widened.
    const double widened = WidenByMarker(extreme, X, Sign);
    return Sign > 0 ? std::max(start, widened) : std::min(start, widened);
}

double TgXYPlotChannel::GetVisibleXMax() { return VisibleExtent(true, 1); }
double TgXYPlotChannel::GetVisibleXMin() { return VisibleExtent(true, -1); }
double TgXYPlotChannel::GetVisibleYMax() { return VisibleExtent(false, 1); }
double TgXYPlotChannel::GetVisibleYMin() { return VisibleExtent(false, -1); }

void TgXYPlotChannel::DataCursorUpdate(TgPlotDataCursor *Cursor)
{
    double x = 0, y = 0;
    TgPlotXAxis *xAxis = XAxis();
    TgPlotYAxis *yAxis = YAxis();
    if (xAxis && yAxis) {
        // Pointer percent -> data-view pixel -> the axis's own position, so
        // that reversed and part-span axes read right. With the plot's axes
        // exchanged the X pointers run across the view's height.
        TgPlotDataView *view = Cursor->DataView();
        double x1, x2, y1, y2;
        if (view && view->Width() > 0 && view->Height() > 0) {
            const bool exchanged = XYAxesReversed();
            const auto along = [view](bool Horizontal, double Percent) {
                return Horizontal ? view->PositionPercentToPixelsX(Percent) : view->PositionPercentToPixelsY(Percent);
            };
            x1 = xAxis->PixelsToPosition(along(!exchanged, Cursor->Pointer1Position()));
            x2 = xAxis->PixelsToPosition(along(!exchanged, Cursor->Pointer2Position()));
            y1 = yAxis->PixelsToPosition(along(exchanged, Cursor->Pointer1Position()));
            y2 = yAxis->PixelsToPosition(along(exchanged, Cursor->Pointer2Position()));
        } else {
            x1 = xAxis->PercentToPosition(Cursor->Pointer1Position() / 100);
            x2 = xAxis->PercentToPosition(Cursor->Pointer2Position() / 100);
            y1 = yAxis->PercentToPosition(Cursor->Pointer1Position() / 100);
            y2 = yAxis->PercentToPosition(Cursor->Pointer2Position() / 100);
        }
        switch (Cursor->Style()) {
        case ipcsValueXY: x = x1; y = y2; break;
        case ipcsValueX: x = x1; break;
        case ipcsValueY: y = y2; break;
        case ipcsDeltaX: x = std::fabs(x1 - x2); break;
        case ipcsDeltaY: y = std::fabs(y1 - y2); break;
        case ipcsInverseDeltaX:
            if (x1 == x2 || xAxis->CursorScaler() == 0)
                x = std::numeric_limits<double>::infinity();
            else
                x = std::fabs(1 / (xAxis->CursorScaler() * (x1 - x2)));
            break;
        }
    }
    Cursor->SetReading(ipdpsValid, y, x);
    Cursor->SetCursorDisplayText(FormatCursorText(Cursor->Style(), ipdpsValid, y, x));
}
