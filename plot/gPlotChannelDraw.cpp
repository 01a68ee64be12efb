// Trace and marker drawing of a channel.
#include "Canvas.h"
#include "gDrawing.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataView.h"
#include "gPlotOwner.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gUtilities.h"

#include <iterator>
#include <vector>

namespace {

// The one-pixel cosmetic pen stands for width 1.
int PenWidthOf(int Width) { return Width == 1 ? 0 : Width; }

} // namespace

TPoint TgPlotChannelCustom::GetPointPixels(int Index, bool XYAxesReversed)
{
    const int x = XAxis()->PositionToPixels(GetX(Index)), y = YAxis()->PositionToPixels(GetY(Index));
    return XYAxesReversed ? TPoint(y, x) : TPoint(x, y);
}

void TgPlotChannelCustom::DrawQuadrilateral(TCanvas *Canvas, bool XYAxesReversed, TgDoublePoint P1,
                                            TgDoublePoint P2, TgDoublePoint P3, TgDoublePoint P4)
{
    const auto pixel = [&](TgDoublePoint P) {
        return ReversiblePoint(XYAxesReversed, XAxis()->PositionToPixels(P.X), YAxis()->PositionToPixels(P.Y));
    };
    Canvas->Polygon({pixel(P1), pixel(P2), pixel(P3), pixel(P4)});
}

TRect TgPlotChannelCustom::GetPixelRect(double X1, double X2, double Y1, double Y2)
{
    return ReversibleNormalizedRect(XYAxesReversed(), XAxis()->PositionToPixels(X1), YAxis()->PositionToPixels(Y1),
                                    XAxis()->PositionToPixels(X2), YAxis()->PositionToPixels(Y2));
}

TRect TgPlotChannelCustom::GetMarkerRect(int Index, bool XYAxesReversed)
{
    const TPoint p = GetPointPixels(Index, XYAxesReversed);
    const int s = MarkersAllowIndividual() ? FData->GetMarkerSize(Index) : MarkersSize();
    return TRect(p.X - s, p.Y - s, p.X + s, p.Y + s);
}

bool TgPlotChannelCustom::SegmentNeedsNoClip(double X1, double Y1, double X2, double Y2)
{
    TgPlotXAxis *x = XAxis();
    TgPlotYAxis *y = YAxis();
    const double xMin = x->Min(), xMax = x->Max();
    if (!(X1 >= xMin && X1 <= xMax && X2 >= xMin && X2 <= xMax && X1 <= X2))
        return false;
    if (!ClipToAxes())
        return true;
    const double yMin = y->Min(), yMax = y->Max();
    return Y1 >= yMin && Y1 <= yMax && Y2 >= yMin && Y2 <= yMax && x->ValueOnScale(X1) && x->ValueOnScale(X2) &&
           y->ValueOnScale(Y1) && y->ValueOnScale(Y2);
}

namespace {

// The pixels of a run go to the canvas in pieces of this many points.
constexpr size_t RunPiece = 4096;

} // namespace

int TgPlotChannelCustom::DrawTraceRun(TCanvas *Canvas, bool XYAxesReversed, int From, int Stop, double &PX,
                                      double &PY, std::vector<TPoint> &Points)
{
    const TgPlotAxisScale &xs = XAxis()->Scale(), &ys = YAxis()->Scale();
    auto pixel = [&](double X, double Y) {
        const int a = xs.PositionToPixels(X), b = ys.PositionToPixels(Y);
        return XYAxesReversed ? TPoint(b, a) : TPoint(a, b);
    };
    // SegmentNeedsNoClip with the axes' values read once: a value within
    // the range lies on the scale.
    const double xMin = xs.Min, xMax = xs.Max(), yMin = ys.Min, yMax = ys.Max();
    const bool clip = ClipToAxes();
    // The run goes out in pieces of a fixed size, each starting at the
    // last point of the one before: the same pixels as one polyline, since
    // a polyline leaves out only its last point.
    Points.clear();
    Points.push_back(pixel(PX, PY));
    // The last point drawn is kept in locals, handed back once at the end.
    double lastX = PX, lastY = PY;
    // The points are read a block at a time, not one call each; blocks
    // start small and double, so that a run ending early (clipped data
    // ends one run after another) reads little past its end.
    TgPlotDataCustomList::XYEmptyNull block[1024];
    int i = From;
    int want = 16;
    bool ended = false;
    while (i <= Stop && !ended) {
        const int count = std::min(Stop - i + 1, want);
        want = std::min(2 * want, int(std::size(block)));
        FData->GetXYEmptyNullBlock(i, count, block);
        for (int k = 0; k < count; ++k, ++i) {
            const auto &[x, y, empty, null] = block[k];
            if (empty)
                continue;
            if (null || !(x >= lastX && x >= xMin && x <= xMax) || (clip && !(y >= yMin && y <= yMax))) {
                ended = true;
                break;
            }
            const TPoint p = pixel(x, y);
            if (!(p == Points.back())) {
                if (Points.size() == RunPiece) {
                    Canvas->Polyline(Points.data(), Points.size());
                    Points.erase(Points.begin(), Points.end() - 1);
                }
                Points.push_back(p);
            }
            lastX = x;
            lastY = y;
        }
    }
    PX = lastX;
    PY = lastY;
    Canvas->Polyline(Points.data(), Points.size());
    return i;
}

void TgPlotChannelCustom::SetTracePen(TCanvas *Canvas)
{
    Canvas->Pen()->SetColor(Color());
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetStyle(TPenStyle(TraceLineStyle()));
    Canvas->Pen()->SetWidth(PenWidthOf(TraceLineWidth()));
}

void TgPlotChannelCustom::DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor)
{
    if (!TraceVisible())
        return;
    SetTracePen(Canvas);
    if (FDrawStopIndex <= FDrawStartIndex || !HasAxes())
        return;
    // Solid runs that need no clipping are gathered into one polyline: the
    // pixels are those of the segments drawn one by one, left to right.
    const bool perPointStyles = FDataStyle == ipdsFullFeature;
    const bool solid = !perPointStyles && TraceLineStyle() == iplsSolid;
    bool newRun = true;
    double px = 0, py = 0;
    std::vector<TPoint> run;
    run.reserve(RunPiece);
    int i = FDrawStartIndex;
    while (i <= FDrawStopIndex) {
        double x, y;
        bool empty, null;
        GetXYEmptyNull(i, x, y, empty, null);
        if (empty) {
            ++i;
            continue;
        }
        if (null) {
            newRun = true;
            ++i;
            continue;
        }
        if (newRun) {
            newRun = false;
            px = x;
            py = y;
            ++i;
            continue;
        }
        if (solid && SegmentNeedsNoClip(px, py, x, y)) {
            i = DrawTraceRun(Canvas, XYAxesReversed, i, FDrawStopIndex, px, py, run);
            continue;
        }
        Canvas->Pen()->SetColor(FData->GetTraceLineColor(i));
        Canvas->Pen()->SetStyle(TPenStyle(FData->GetTraceLineStyle(i)));
        Canvas->Pen()->SetWidth(PenWidthOf(FData->GetTraceLineWidth(i)));
        DrawTraceSegment(Canvas, XYAxesReversed, false, px, py, x, y);
        px = x;
        py = y;
        ++i;
    }
}

void TgPlotChannelCustom::DrawTraceSegment(TCanvas *Canvas, bool XYAxesReversed, bool PercentY, double Xa,
                                           double Ya, double Xb, double Yb)
{
    TPoint ends[2];
    if (TraceSegmentEnds(XYAxesReversed, PercentY, Xa, Ya, Xb, Yb, ends[0], ends[1]))
        Canvas->Polyline(ends, 2);
}

bool TgPlotChannelCustom::TraceSegmentEnds(bool XYAxesReversed, bool PercentY, double Xa, double Ya, double Xb,
                                           double Yb, TPoint &A, TPoint &B)
{
    double x1 = Xa, y1 = Ya, x2 = Xb, y2 = Yb;
    if (x2 < x1) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    TgPlotXAxis *xAxis = XAxis();
    TgPlotYAxis *yAxis = YAxis();
    const double xMin = xAxis->Min(), xMax = xAxis->Max();
    const bool xVisible = (x1 < xMin && x2 > xMax) || (x1 >= xMin && x1 <= xMax) || (x2 >= xMin && x2 <= xMax);
    bool yVisible = true;
    if (!PercentY && ClipToAxes()) {
        const double yMin = yAxis->Min(), yMax = yAxis->Max();
        auto inside = [&](double v) { return v >= yMin && v <= yMax; };
        yVisible = (y1 < yMin && y2 > yMax) || (y2 < yMin && y1 > yMax) || inside(y1) || inside(y2);
    }
    if (!xVisible || !yVisible)
        return false;
    if (x1 < xMin) {
        y1 = LineYAtX(x1, y1, x2, y2, xMin);
        x1 = xMin;
    }
    if (x2 > xMax) {
        y2 = LineYAtX(x1, y1, x2, y2, xMax);
        x2 = xMax;
    }
    bool onScale1, onScale2;
    if (PercentY || !ClipToAxes()) {
        onScale1 = xAxis->ValueOnScale(x1);
        onScale2 = xAxis->ValueOnScale(x2);
    } else {
        const double yMin = yAxis->Min(), yMax = yAxis->Max();
        const double ax = x1, ay = y1, bx = x2, by = y2;
        auto clipY = [&](double &X, double &Y) {
            if (Y < yMin) {
                X = LineXAtY(ax, ay, bx, by, yMin);
                Y = yMin;
            } else if (Y > yMax) {
                X = LineXAtY(ax, ay, bx, by, yMax);
                Y = yMax;
            }
        };
        clipY(x1, y1);
        clipY(x2, y2);
        onScale1 = xAxis->ValueOnScale(x1) && yAxis->ValueOnScale(y1);
        onScale2 = xAxis->ValueOnScale(x2) && yAxis->ValueOnScale(y2);
    }
    if (!ClipToAxes())
        onScale1 = onScale2 = true;
    if (!onScale1 || !onScale2)
        return false;
    auto yPixel = [&](double Y) {
        if (!PercentY)
            return yAxis->PositionToPixels(Y);
        TgPlotDataView *view = Plot() ? Plot()->FirstDataView() : nullptr;
        if (!view)
            return 0;
        return XYAxesReversed ? view->PositionPercentToPixelsX(Y) : view->PositionPercentToPixelsY(Y);
    };
    TPoint a(xAxis->PositionToPixels(x1), yPixel(y1)), b(xAxis->PositionToPixels(x2), yPixel(y2));
    if (XYAxesReversed) {
        a = TPoint(a.Y, a.X);
        b = TPoint(b.Y, b.X);
    }
    A = a;
    B = b;
    return true;
}

bool TgPlotChannelCustom::ShouldDrawMarker(int Index)
{
    if (!MarkersVisible() || !IsValidPoint(Index) || !HasAxes())
        return false;
    if (MarkersAllowIndividual() && !FData->GetMarkerVisible(Index))
        return false;
    if (ClipToAxes() && (!XAxis()->ValueOnScale(GetX(Index)) || !YAxis()->ValueOnScale(GetY(Index))))
        return false;
    return true;
}

void TgPlotChannelCustom::DrawMarkers(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor)
{
    if (!MarkersVisible())
        return;
    Canvas->SetFont(&FMarkersFont);
    if (MarkersTurnOffLimit() > 0 && std::abs(FDrawStopIndex - FDrawStartIndex) > MarkersTurnOffLimit())
        return;
    if (FDrawStartIndex < 0)
        return;
    for (int i = FDrawStartIndex; i <= FDrawStopIndex; ++i)
        if (ShouldDrawMarker(i))
            DrawMarker(Canvas, i, BackGroundColor, GetPointPixels(i, XYAxesReversed));
}

void TgPlotChannelCustom::DrawMarker(TCanvas *Canvas, int Index, TColor BackGroundColor, TPoint Point)
{
    if (!MarkersVisible())
        return;
    TgPlotMarkerStyle style = MarkersStyle();
    int r = MarkersSize();
    int penWidth = MarkersPenWidth();
    TPenStyle penStyle = MarkersPenStyle();
    TColor penColor = MarkersPenUseChannelColor() ? Color() : MarkersPenColor();
    TColor brushColor = MarkersBrushUseChannelColor() ? Color() : MarkersBrushColor();
    TBrushStyle brushStyle = MarkersBrushStyle();
    if (Index == -1) {
        r = std::min(r, 6);
    } else if (MarkersAllowIndividual()) {
        style = FData->GetMarkerStyle(Index);
        r = FData->GetMarkerSize(Index);
        penWidth = FData->GetMarkerPenWidth(Index);
        penStyle = FData->GetMarkerPenStyle(Index);
        if (!MarkersPenUseChannelColor())
            penColor = FData->GetMarkerPenColor(Index);
        if (!MarkersBrushUseChannelColor())
            brushColor = FData->GetMarkerBrushColor(Index);
        brushStyle = FData->GetMarkerBrushStyle(Index);
    }
    Canvas->Pen()->SetWidth(penWidth);
    Canvas->Pen()->SetStyle(penStyle);
    Canvas->Pen()->SetColor(penColor);
    Canvas->Brush()->SetColor(brushColor);
    Canvas->Brush()->SetStyle(brushStyle);
    const int x = Point.X, y = Point.Y;
    auto line = [&](int X1, int Y1, int X2, int Y2) {
        Canvas->MoveTo(X1, Y1);
        Canvas->LineTo(X2, Y2);
    };
    switch (style) {
    case ipmsCircle: Canvas->Ellipse(x - r, y - r, x + r, y + r); break;
    case ipmsSquare: Canvas->Rectangle(x - r, y - r, x + r, y + r); break;
    case ipmsDiamond: Canvas->Polygon({TPoint(x + r, y), TPoint(x, y + r), TPoint(x - r, y), TPoint(x, y - r)}); break;
    case ipmsCross:
        line(x + r, y + r, x - r, y - r);
        line(x + r, y - r, x - r, y + r);
        break;
    case ipmsPlus:
        line(x, y + r, x, y - r);
        line(x + r, y, x - r, y);
        break;
    case ipmsTriangleUp: Canvas->Polygon({TPoint(x - r, y + r), TPoint(x, y), TPoint(x + r, y + r)}); break;
    case ipmsTriangleDown: Canvas->Polygon({TPoint(x - r, y - r), TPoint(x, y), TPoint(x + r, y - r)}); break;
    case ipmsTriangleLeft: Canvas->Polygon({TPoint(x + r, y - r), TPoint(x, y), TPoint(x + r, y + r)}); break;
    case ipmsTriangleRight: Canvas->Polygon({TPoint(x - r, y - r), TPoint(x, y), TPoint(x - r, y + r)}); break;
    case ipmsVerticalLine: line(x, y - r, x, y + r); break;
    case ipmsHorizontalLine: line(x - r, y, x + r, y); break;
    case ipmsCharacter: {
        const char16_t c = Index >= 0 ? FData->GetMarkerCharacter(Index) : FData->StoredMarkerCharacter;
        if (c == 0)
            break;
        Canvas->Brush()->SetStyle(bsClear);
        TRect box(x, y, x, y);
        Canvas->DrawText(QString(QChar(c)), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
        break;
    }
    }
}
