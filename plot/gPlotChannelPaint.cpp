// How a strip-chart channel paints: the test before painting, the layers,
// the straight trace decimated per pixel column, the digital trace, fills,
// bars and the high-low figures; the decimated trace draws its columns in
// gPlotChannelColumns.cpp. The curves and steps are in
// gPlotChannelCurves.cpp.
#include "gPlotChannel.h"

#include "Canvas.h"
#include "Exceptions.h"
#include "gDrawing.h"
#include "gPlotDataNullList.h"
#include "gPlotMinMaxPoint.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gUtilities.h"

#include <cmath>
#include <functional>

namespace {

const QString &PixelRangeMessage()
{
    static const QString text = QStringLiteral("Pixel List XPixel out of Range");
    return text;
}

// (X, Y) in canvas pixels, exchanged when the axes are.
TPoint Oriented(int X, int Y, bool Reversed)
{
    return Reversed ? TPoint(Y, X) : TPoint(X, Y);
}

// A rectangle of the figures, given along the X and Y axis, made into canvas
// pixels (normalized).
TRect OrientedRect(int X1, int Y1, int X2, int Y2, bool Reversed)
{
    return Reversed ? NormalizedRect(Y1, X1, Y2, X2) : NormalizedRect(X1, Y1, X2, Y2);
}

} // namespace

void TgPlotChannel::UpdateCanDraw()
{
    FCanDraw = false;
    if (!HasAxes() || !Visible() || Count() == 0)
        return;
    TgPlotXAxis *xAxis = XAxis();
    TgPlotYAxis *yAxis = YAxis();
    const bool increasing = UpdateXIncreasing();
    if (!FDrawOutOfOrderXValues) {
        const double first = GetX(0), last = GetX(Count() - 1);
        if (increasing ? (last < xAxis->Min() || first > xAxis->Max())
                       : (first < xAxis->Min() || last > xAxis->Max()))
            return;
    }
    CalcStartIndex();
    CalcStopIndex();
    const bool steps = FInterpolationStyle == ipistDifferential || FInterpolationStyle == ipistDifferentialTerminated;
    if (!steps && (FDrawStartIndex == -1 || FDrawStopIndex == -1))
        return;
    if (FDigitalReferenceStyle == ipdrScale) {
        FPixelsHigh = yAxis->PositionToPixels(FDigitalReferenceHigh);
        FPixelsLow = yAxis->PositionToPixels(FDigitalReferenceLow);
    } else {
        FPixelsHigh = yAxis->PositionToPixels(yAxis->Min() + yAxis->Span() * FDigitalReferenceHigh / 100);
        FPixelsLow = yAxis->PositionToPixels(yAxis->Min() + yAxis->Span() * FDigitalReferenceLow / 100);
    }
    FPixelListStart = std::min(xAxis->MinPixels(), xAxis->MaxPixels());
    FPixelListStop = std::max(xAxis->MinPixels(), xAxis->MaxPixels());
    const size_t columns = size_t(FPixelListStop - FPixelListStart + 1);
    if (FPixelList.size() < columns)
        FPixelList.resize(columns);
    for (TgPlotPixelPoint &p : FPixelList)
        p.NoValue = true;
    FCanDraw = true;
}

void TgPlotChannel::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    if (!HasAxes())
        return;
    const bool reversed = XYAxesReversed();
    Canvas->SaveState();
    try {
        if (ClipToAxes()) {
            const int x1 = XAxis()->MinPixels(), x2 = XAxis()->MaxPixels();
            const int y1 = YAxis()->MinPixels(), y2 = YAxis()->MaxPixels();
            Canvas->IntersectClipRect(OrientedRect(x1, y1, x2, y2, reversed));
        }
        DrawFill(Canvas, reversed);
        DrawBars(Canvas, reversed);
        DrawTrace(Canvas, reversed, BackGroundColor);
        DrawMarkers(Canvas, reversed, BackGroundColor);
        if (FHighLowStyle == iphlsOpenClose)
            DrawHighLowOpenClose(Canvas, reversed);
        else
            DrawHighLowCandleStick(Canvas, reversed);
    } catch (const Exception &e) {
        // The curve maths fail on data they cannot take (equal X values):
        // the channel's drawing ends for this paint. Anything else is a fault
        // the user should see.
        if (e.Message() == PixelRangeMessage())
            ShowDrawFailure(Canvas, reversed, e.Message());
    }
    Canvas->RestoreState();
}

void TgPlotChannel::ShowDrawFailure(TCanvas *Canvas, bool XYAxesReversed, const QString &Message)
{
    const TRect area = OrientedRect(XAxis()->MinPixels(), YAxis()->MinPixels(), XAxis()->MaxPixels(),
                                    YAxis()->MaxPixels(), XYAxesReversed);
    DrawFailureMessage(Canvas, TRect(area.Left, area.Top, area.Right + 1, area.Bottom + 1), Message);
}

void TgPlotChannel::DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor)
{
    if (!TraceVisible())
        return;
    SetTracePen(Canvas);
    if (FDigitalEnabled) {
        DrawDigital(Canvas, XYAxesReversed);
        return;
    }
    switch (FInterpolationStyle) {
    case ipistStraightLine:
        if (FFastDrawEnabled)
            DrawTraceFast(Canvas, XYAxesReversed);
        else
            TgPlotChannelCustom::DrawTrace(Canvas, XYAxesReversed, BackGroundColor);
        break;
    case ipistCubicSpline: DrawCubicSpline(Canvas, XYAxesReversed); break;
    case ipistPolynomial: DrawPolynomial(Canvas, XYAxesReversed); break;
    case ipistRational: DrawRational(Canvas, XYAxesReversed); break;
    case ipistDifferential:
    case ipistDifferentialTerminated: DrawDifferential(Canvas, XYAxesReversed); break;
    }
}

void TgPlotChannel::DrawMarkers(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor)
{
    if (FDrawStartIndex == -1 || FDrawStopIndex == -1 || !MarkersVisible())
        return;
    if (!FDigitalEnabled) {
        TgPlotChannelCustom::DrawMarkers(Canvas, XYAxesReversed, BackGroundColor);
        return;
    }
    Canvas->SetFont(MarkersFont());
    TgPlotXAxis *xAxis = XAxis();
    TgPlotYAxis *yAxis = YAxis();
    for (int i = FDrawStartIndex; i <= FDrawStopIndex; ++i) {
        if (!IsValidPoint(i) || !Data().GetMarkerVisible(i))
            continue;
        const double x = GetX(i), y = GetY(i);
        if (!xAxis->ValueOnScale(x) || !yAxis->ValueOnScale(y))
            continue;
        DrawMarker(Canvas, i, BackGroundColor,
                   Oriented(xAxis->PositionToPixels(x), y != 0 ? FPixelsHigh : FPixelsLow, XYAxesReversed));
    }
}

void TgPlotChannel::DrawFill(TCanvas *Canvas, bool XYAxesReversed)
{
    if (!FFillEnabled || FFillStyle == bsClear || FInterpolationStyle != ipistStraightLine || FDigitalEnabled ||
        FDrawStartIndex == -1)
        return;
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(FillBrushColor());
    Canvas->Pen()->SetColor(FillBrushColor());
    Canvas->Pen()->SetWidth(0);
    Canvas->Pen()->SetStyle(psClear);
    bool havePrevious = false;
    double px = 0, py = 0;
    ForEachNonEmpty(FDrawStartIndex, FDrawStopIndex, [&](double X, double Y, bool Null) {
        if (havePrevious && !Null)
            DrawQuadrilateral(Canvas, XYAxesReversed, DoublePoint(X, FFillReference), DoublePoint(X, Y),
                              DoublePoint(px, py), DoublePoint(px, FFillReference));
        havePrevious = !Null;
        px = X;
        py = Y;
    });
}

TRect TgPlotChannel::GetBarRect(int Index)
{
    const TgPlotDataCustomList &list = Data();
    const double x = GetX(Index), half = list.GetBarWidth(Index) / 2;
    return GetPixelRect(x - half, x + half, list.GetBarReference(Index), GetY(Index));
}

void TgPlotChannel::DrawBars(TCanvas *Canvas, bool /*XYAxesReversed*/)
{
    if (!FBarEnabled || FDrawStartIndex == -1)
        return;
    const TgPlotDataCustomList &list = Data();
    for (int i = FDrawStartIndex; i <= FDrawStopIndex; ++i) {
        if (!IsValidPoint(i) || !list.GetBarVisible(i))
            continue;
        Canvas->Brush()->SetColor(FBarBrushUseChannelColor ? Color() : list.GetBarBrushColor(i));
        Canvas->Pen()->SetColor(FBarPenUseChannelColor ? Color() : list.GetBarPenColor(i));
        Canvas->Pen()->SetWidth(list.GetBarPenWidth(i));
        Canvas->Pen()->SetStyle(list.GetBarPenStyle(i));
        Canvas->Brush()->SetStyle(list.GetBarBrushStyle(i));
        TRect r = GetBarRect(i);
        if (r.Left == r.Right)
            ++r.Right;
        Canvas->Rectangle(r);
    }
}

bool TgPlotChannel::BeginHighLow(TCanvas *Canvas)
{
    if (!FHighLowEnabled || FDrawStartIndex == -1)
        return false;
    Canvas->Pen()->SetWidth(0);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Brush()->SetStyle(bsSolid);
    return true;
}

void TgPlotChannel::DrawHighLowOpenClose(TCanvas *Canvas, bool XYAxesReversed)
{
    if (!BeginHighLow(Canvas))
        return;
    TgPlotXAxis *xAxis = XAxis();
    TgPlotYAxis *yAxis = YAxis();
    const TgPlotDataCustomList &list = Data();
    auto figure = [&](TColor Colour, int X1, int Y1, int X2, int Y2) {
        Canvas->Brush()->SetColor(Colour);
        Canvas->Pen()->SetColor(Colour);
        Canvas->Rectangle(OrientedRect(X1, Y1, X2, Y2, XYAxesReversed));
    };
    // A tick of Width by Height (values) at Value, running from Mid towards
    // Side (-1 left, +1 right).
    auto tick = [&](TColor Colour, double Width, double Height, double Value, int Mid, int Side) {
        const int o = xAxis->WidthToPixels(Width), h = yAxis->WidthToPixels(Height);
        const int py = yAxis->PositionToPixels(Value);
        int x1 = Side < 0 ? Mid - o + 1 : Mid, x2 = Side < 0 ? Mid : Mid + o - 1;
        int y1 = py - h / 2, y2 = py + h - h / 2 - 1;
        if (x1 == x2)
            x2 = x1 + 1;
        if (y1 == y2)
            y1 = y2 + 1;
        figure(Colour, x1, y1, x2, y2);
    };
    for (int i = FDrawStartIndex; i <= FDrawStopIndex; ++i) {
        if (!IsValidPoint(i))
            continue;
        const int b = xAxis->WidthToPixels(FHighLowBarWidth);
        const int px = xAxis->PositionToPixels(GetX(i));
        const int right = px + b - b / 2;
        int left = px - b / 2;
        if (left == right)
            left = right + 1;
        const int low = yAxis->PositionToPixels(list.GetLow(i));
        int high = yAxis->PositionToPixels(list.GetHigh(i));
        if (high == low)
            high = low + 1;
        const int mid = (left + right) / 2;
        if (FHighLowOpenShow)
            tick(FHighLowOpenColor, FHighLowOpenWidth, FHighLowOpenHeight, list.GetOpen(i), mid, -1);
        if (FHighLowCloseShow)
            tick(FHighLowCloseColor, FHighLowCloseWidth, FHighLowCloseHeight, list.GetClose(i), mid, 1);
        figure(FHighLowBarColor, right, low, left, high);
    }
}

void TgPlotChannel::DrawHighLowCandleStick(TCanvas *Canvas, bool XYAxesReversed)
{
    if (!BeginHighLow(Canvas))
        return;
    TgPlotXAxis *xAxis = XAxis();
    TgPlotYAxis *yAxis = YAxis();
    const TgPlotDataCustomList &list = Data();
    for (int i = FDrawStartIndex; i <= FDrawStopIndex; ++i) {
        if (!IsValidPoint(i))
            continue;
        const int px = xAxis->PositionToPixels(GetX(i));
        Canvas->Pen()->SetColor(FHighLowShadowColor);
        const TPoint top = Oriented(px, yAxis->PositionToPixels(list.GetHigh(i)), XYAxesReversed);
        const TPoint bottom = Oriented(px, yAxis->PositionToPixels(list.GetLow(i)), XYAxesReversed);
        Canvas->MoveTo(top.X, top.Y);
        Canvas->LineTo(bottom.X, bottom.Y);
        const int b = xAxis->WidthToPixels(FHighLowBarWidth);
        const int open = yAxis->PositionToPixels(list.GetOpen(i));
        int close = yAxis->PositionToPixels(list.GetClose(i));
        if (close == open)
            close = open + 1;
        Canvas->Brush()->SetColor(list.GetOpen(i) > list.GetClose(i) ? FHighLowBearishColor : FHighLowBullishColor);
        Canvas->Rectangle(OrientedRect(px - b / 2, open, px + b / 2 + 1, close, XYAxesReversed));
    }
}

void TgPlotChannel::DrawTraceFast(TCanvas *Canvas, bool XYAxesReversed)
{
    if (FDrawStartIndex == FDrawStopIndex || FDrawStartIndex == -1)
        return;
    DrawTraceColumns(Canvas, XYAxesReversed, FDrawStartIndex, FDrawStopIndex, false);
}

void TgPlotChannel::DrawDigitalRun(TCanvas *Canvas, bool XYAxesReversed, TDigitalSequenceData &Run)
{
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(FillBrushColor());
    const bool percent = FDigitalReferenceStyle == ipdrPercent;
    const double level = Run.StartYValue ? FDigitalReferenceHigh : FDigitalReferenceLow;
    const double other = Run.StartYValue ? FDigitalReferenceLow : FDigitalReferenceHigh;
    const double s = Run.StartXValue;
    if (Run.TransitionSet) {
        const double t = Run.TransitionXValue;
        if (FFillEnabled) {
            Canvas->Pen()->SetColor(FillBrushColor());
            DrawQuadrilateral(Canvas, XYAxesReversed, DoublePoint(t, FFillReference), DoublePoint(t, level),
                              DoublePoint(s, level), DoublePoint(s, FFillReference));
        }
        Canvas->Pen()->SetColor(Color());
        DrawTraceSegment(Canvas, XYAxesReversed, percent, s, level, t, level);
        DrawTraceSegment(Canvas, XYAxesReversed, percent, t, level, t, other);
    } else if (Run.StartSet && Run.StopSet) {
        const double e = Run.StopXValue;
        Canvas->Pen()->SetColor(Color());
        if (FFillEnabled)
            DrawQuadrilateral(Canvas, XYAxesReversed, DoublePoint(e, FFillReference), DoublePoint(e, level),
                              DoublePoint(s, level), DoublePoint(s, FFillReference));
        DrawTraceSegment(Canvas, XYAxesReversed, percent, s, level, e, level);
    }
    Run.Clear();
}

void TgPlotChannel::DrawDigital(TCanvas *Canvas, bool XYAxesReversed)
{
    if (FDrawStartIndex == FDrawStopIndex || FDrawStartIndex == -1)
        return;
    TDigitalSequenceData run;
    ForEachNonEmpty(FDrawStartIndex, FDrawStopIndex, [&](double X, double Y, bool Null) {
        if (Null) {
            DrawDigitalRun(Canvas, XYAxesReversed, run);
            return;
        }
        const bool level = Y != 0;
        if (run.StartSet && level == run.StartYValue) {
            run.StopSet = true;
            run.StopXValue = X;
            return;
        }
        if (run.StartSet) {
            run.TransitionSet = true;
            run.TransitionXValue = X;
            DrawDigitalRun(Canvas, XYAxesReversed, run);
        }
        run.StartSet = true;
        run.StartXValue = X;
        run.StartYValue = level;
    });
    DrawDigitalRun(Canvas, XYAxesReversed, run);
}
