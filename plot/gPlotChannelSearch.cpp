// The strip-chart channel's reading of its data: X order, index search by
// bisection, the visible range and extents, interpolated Y, the data-cursor
// reading and the hit test on the trace.
#include "gPlotChannel.h"

#include "Exceptions.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <cmath>
#include <limits>

bool TgPlotChannel::UpdateXIncreasing()
{
    FXIncreasing = Count() >= 3 ? GetX(1) >= GetX(0) : true;
    return FXIncreasing;
}

// The last index probed: the match, or a neighbour of where X would stand
// (-1 for no points).
int TgPlotChannel::FindIndex(double X, bool Ascending)
{
    int lo = 0, hi = Count() - 1, result = -1;
    while (hi >= lo) {
        const int mid = (lo + hi) / 2;
        result = mid;
        const double v = GetX(mid);
        if (v == X)
            break;
        if ((X < v) == Ascending)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return result;
}

int TgPlotChannel::CalcIndex(double TargetValue)
{
    if (!XAxis() || Count() == 0)
        return -1;
    const double first = GetX(0), last = GetX(Count() - 1);
    int i;
    if (UpdateXIncreasing()) {
        if (TargetValue < first || TargetValue > last)
            return -1;
        i = FindIndexAscending(TargetValue);
        if (GetX(i) < TargetValue)
            ++i;
    } else {
        if (TargetValue > first || TargetValue < last)
            return -1;
        i = FindIndexDescending(TargetValue);
        if (GetX(i) < TargetValue)
            --i;
    }
    return Clamped(i);
}

void TgPlotChannel::CalcStartIndex()
{
    FDrawStartIndex = -1;
    TgPlotXAxis *axis = XAxis();
    if (!axis || Count() == 0)
        return;
    int i;
    if (FDrawOutOfOrderXValues) {
        i = Count() - 1;
        for (int k = 0; k < Count(); ++k)
            if (axis->PointOnScale(GetX(k))) {
                i = k;
                break;
            }
        --i;
    } else if (UpdateXIncreasing()) {
        i = FindIndexAscending(axis->Min());
        if (GetX(i) > axis->Min())
            --i;
    } else {
        i = FindIndexDescending(axis->Max());
        if (GetX(i) < axis->Max())
            --i;
    }
    FDrawStartIndex = Clamped(i);
}

void TgPlotChannel::CalcStopIndex()
{
    FDrawStopIndex = -1;
    TgPlotXAxis *axis = XAxis();
    if (!axis || Count() == 0)
        return;
    int i;
    if (FDrawOutOfOrderXValues) {
        i = -1;
        for (int k = Count() - 1; k >= 0; --k)
            if (axis->PointOnScale(GetX(k))) {
                i = k;
                break;
            }
        if (i != -1)
            ++i;
    } else if (UpdateXIncreasing()) {
        i = FindIndexAscending(axis->Max());
        if (GetX(i) < axis->Max())
            ++i;
    } else {
        i = FindIndexDescending(axis->Min());
        if (GetX(i) > axis->Min())
            ++i;
    }
    FDrawStopIndex = Clamped(i);
}

int TgPlotChannel::ValidFrom(bool Forward)
{
    if (Forward) {
        for (int i = 0; i < Count(); ++i)
            if (IsValidPoint(i))
                return i;
    } else {
        for (int i = Count() - 1; i >= 0; --i)
            if (IsValidPoint(i))
                return i;
    }
    return -1;
}

double TgPlotChannel::GetVisibleXMax()
{
    if (!HasAxes() || !Visible() || Count() == 0)
        return -1e300;
    const int i = ValidFrom(!UpdateXIncreasing());
    return i < 0 ? -1e300 : GetXPlusMarker(i);
}

double TgPlotChannel::GetVisibleXMin()
{
    if (!HasAxes() || !Visible() || Count() == 0)
        return 1e300;
    const int i = ValidFrom(UpdateXIncreasing());
    return i < 0 ? 1e300 : GetXMinusMarker(i);
}

// The marker widens every point by the same amount, so the extreme point's
// extent is the extreme extent; the extremes follow the visible run as it
// moves on.
double TgPlotChannel::VisibleY(bool Largest)
{
    CalcStartIndex();
    CalcStopIndex();
    if (!HasAxes() || !Visible() || FDrawStartIndex == -1 || FDrawStopIndex == -1)
        return Largest ? -1e300 : 1e300;
    int lowest, highest;
    ValidYExtremes(FDrawStartIndex, FDrawStopIndex, lowest, highest);
    const int best = Largest ? highest : lowest;
    if (best < 0)
        return Largest ? -1e300 : 1e300;
    return Largest ? GetYPlusMarker(best) : GetYMinusMarker(best);
}

double TgPlotChannel::GetVisibleYMax() { return VisibleY(true); }
double TgPlotChannel::GetVisibleYMin() { return VisibleY(false); }

bool TgPlotChannel::GetYInterpolated(double XValue, double &YValue)
{
    if (Count() == 0)
        return false;
    const int lastIndex = Count() - 1;
    for (int end : {0, lastIndex})
        if (IsValidPoint(end) && GetX(end) == XValue) {
            YValue = GetY(end);
            return true;
        }
    YValue = 0;
    const int index = CalcIndex(XValue);
    const int neighbour = FXIncreasing ? index - 1 : index + 1;
    // Falling data at its last X: the neighbour would lie past the end.
    if (index == -1 || neighbour == -1 || neighbour > lastIndex)
        return false;
    if (FDigitalEnabled) {
        YValue = GetY(neighbour);
        return true;
    }
    if (GetX(index) == XValue) {
        YValue = GetY(index);
        return true;
    }
    if (index < 1 || GetNull(index) || GetNull(neighbour))
        return false;
    TgPlotXAxis *axis = XAxis();
    const int at = axis->PositionToPixels(GetX(index));
    const int dP = axis->PositionToPixels(GetX(neighbour)) - at;
    const int d = axis->PositionToPixels(XValue) - at;
    if (dP == 0 || d == 0)
        YValue = GetY(index);
    else
        YValue = GetY(index) + (GetY(neighbour) - GetY(index)) * d / dP;
    return true;
}

void TgPlotChannel::SetPixelPoint(int XPixel, double Y)
{
    // A list not yet laid out by a paint holds no column at all.
    if (XPixel < FPixelListStart || XPixel > FPixelListStop || size_t(XPixel - FPixelListStart) >= FPixelList.size())
        throw Exception(QStringLiteral("Pixel List XPixel out of Range"));
    TgPlotPixelPoint &p = FPixelList[size_t(XPixel - FPixelListStart)];
    p.NoValue = false;
    p.YValue = Y;
}

TgPlotDataPointStatus TgPlotChannel::GetDataCursorYValue(double X, double &Y)
{
    Y = 0;
    if (Count() == 0)
        return ipdpsEmpty;
    const int first = 0, last = Count() - 1;
    if ((X == GetX(first) && IsValidPoint(first)) || (X == GetX(last) && IsValidPoint(last))) {
        Y = GetY(X == GetX(first) && IsValidPoint(first) ? first : last);
        return ipdpsValid;
    }
    const TgPlotInterpolationStyle style = FDigitalEnabled ? ipistStraightLine : FInterpolationStyle;
    switch (style) {
    case ipistStraightLine: return GetYInterpolated(X, Y) ? ipdpsValid : ipdpsEmpty;
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: {
        const int c = XAxis() ? XAxis()->PositionToPixels(X) : 0;
        const double lo = std::min(GetX(first), GetX(last)), hi = std::max(GetX(first), GetX(last));
        if ((FPixelListStart == 0 && FPixelListStop == 0) || c < FPixelListStart || c > FPixelListStop ||
            X < lo || X > hi)
            return ipdpsEmpty;
        const TgPlotPixelPoint &p = PixelPoint(c);
        Y = p.YValue;
        return p.NoValue ? ipdpsNull : ipdpsValid;
    }
    case ipistDifferential:
    case ipistDifferentialTerminated: {
        const int i = CalcIndex(X) - 1;
        if (i < 0) {
            // Past the last point a step trace holds its last level.
            if (style == ipistDifferential && IsValidPoint(last) && X > GetX(last)) {
                Y = GetY(last);
                return ipdpsValid;
            }
            return ipdpsEmpty;
        }
        Y = GetY(i);
        return GetNull(i) ? ipdpsNull : ipdpsValid;
    }
    }
    return ipdpsEmpty;
}

QString TgPlotChannel::CursorValidYText(double Y)
{
    if (FDigitalEnabled)
        return TranslateText(Y != 0 ? QStringLiteral("High") : QStringLiteral("Low"));
    return GetYValueText(Y);
}

void TgPlotChannel::DataCursorUpdate(TgPlotDataCursor *Cursor)
{
    TgPlotDataView *view = Cursor->DataView();
    if (!HasAxes() || !view)
        return;
    TgPlotXAxis *xAxis = XAxis();
    TgPlotYAxis *yAxis = YAxis();
    auto xAt = [&](double Percent) { return xAxis->PixelsToPosition(view->PositionPercentToPixelsX(Percent)); };
    auto yAt = [&](double Percent) { return yAxis->PixelsToPosition(view->PositionPercentToPixelsY(Percent)); };
    const double x1 = xAt(Cursor->Pointer1Position()), x2 = xAt(Cursor->Pointer2Position());
    double x = 0, y = 0;
    TgPlotDataPointStatus status = ipdpsValid;
    switch (Cursor->Style()) {
    case ipcsValueXY:
    case ipcsValueX:
    case ipcsValueY:
        x = x1;
        status = GetDataCursorYValue(x, y);
        break;
    case ipcsDeltaX: x = xAxis->CursorScaler() * std::fabs(x1 - x2); break;
    case ipcsDeltaY: y = std::fabs(yAt(Cursor->Pointer1Position()) - yAt(Cursor->Pointer2Position())); break;
    case ipcsInverseDeltaX: {
        const double d = std::fabs(x1 - x2) * xAxis->CursorScaler();
        x = d == 0 ? std::numeric_limits<double>::infinity() : 1 / d;
        break;
    }
    }
    Cursor->SetReading(status, y, x);
    Cursor->SetCursorDisplayText(FormatCursorText(Cursor->Style(), status, y, x));
}

bool TgPlotChannel::gMouseHitTest(const TgPlotMouseData &MouseData)
{
    const bool base = TgPlotChannelCustom::gMouseHitTest(MouseData);
    if (!HasAxes() || MouseData.Button != mbRight)
        return base;
    double y;
    if (!GetYInterpolated(XAxis()->PixelsToPosition(MouseData.XAxisPixels), y))
        return base;
    const int py = YAxis()->PositionToPixels(y);
    return base || (py >= MouseData.YAxisPixels - 10 && py < MouseData.YAxisPixels + 10);
}
