// The strip-chart channel's interpolated curves (cubic spline, polynomial,
// rational), drawn one pixel column at a time and kept in the pixel list for
// the data cursor, and its step traces.
#include "gPlotChannel.h"

#include "Canvas.h"
#include "gMath.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <algorithm>
#include <cmath>

namespace {

// Above this many points a polynomial or rational curve is taken, column by
// column, through the points around the column only: over every point each
// paint would cost width x N^2 (a few thousand points hang the program), and
// a high-degree polynomial swings wildly between its points anyway.
constexpr int LocalPoints = 50;

} // namespace

template <class F>
void TgPlotChannel::DrawCurveColumns(TCanvas *Canvas, bool XYAxesReversed, double Lo, double Hi, F &&YAt)
{
    TgPlotXAxis *axis = XAxis();
    int c0 = axis->PositionToPixels(Lo), c1 = axis->PositionToPixels(Hi);
    if (c1 < c0)
        std::swap(c0, c1);
    const bool fill = FFillEnabled && FFillStyle != bsClear;
    // A column that rounds just outside the list (the ends of the axis) is
    // kept in the nearest one.
    auto keep = [&](double X, double Y) {
        SetPixelPoint(std::clamp(axis->PositionToPixels(X), FPixelListStart, FPixelListStop), Y);
    };
    auto fillStroke = [&](double X, double Y) {
        Canvas->Pen()->SetColor(FillBrushColor());
        DrawTraceSegment(Canvas, XYAxesReversed, false, X, Y, X, FFillReference);
        Canvas->Pen()->SetColor(Color());
    };
    double px = axis->PixelsToPosition(c0);
    double py = YAt(px);
    if (fill)
        fillStroke(px, py);
    keep(px, py);
    for (int c = c0; c <= c1; ++c) {
        const double x = axis->PixelsToPosition(c), y = YAt(x);
        if (fill)
            fillStroke(x, y);
        DrawTraceSegment(Canvas, XYAxesReversed, false, px, py, x, y);
        keep(x, y);
        px = x;
        py = y;
    }
}

void TgPlotChannel::DrawCubicSplineSegment(TCanvas *Canvas, bool XYAxesReversed, std::vector<double> &X,
                                           std::vector<double> &Y, int N)
{
    if (N <= 1)
        return;
    std::vector<double> y2(size_t(N) + 1);
    SplineSetup(X, Y, N, y2, 1e30, 1e30);
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(FillBrushColor());
    const double lo = std::max(X[1], XAxis()->Min()), hi = std::min(X[size_t(N)], XAxis()->Max());
    if (lo > hi)
        return; // the segment lies beside the view
    DrawCurveColumns(Canvas, XYAxesReversed, lo, hi, [&](double x) {
        double y;
        Splint(X, Y, y2, N, x, y);
        return y;
    });
}

void TgPlotChannel::DrawCubicSpline(TCanvas *Canvas, bool XYAxesReversed)
{
    if (Count() < 2)
        return;
    const bool rising = UpdateXIncreasing();
    std::vector<double> xs{0}, ys{0}; // 1-based
    auto flush = [&] {
        if (!rising) { // the spline wants its X rising
            std::reverse(xs.begin() + 1, xs.end());
            std::reverse(ys.begin() + 1, ys.end());
        }
        DrawCubicSplineSegment(Canvas, XYAxesReversed, xs, ys, int(xs.size()) - 1);
        xs.resize(1);
        ys.resize(1);
    };
    ForEachNonEmpty(0, Count() - 1, [&](double X, double Y, bool Null) {
        if (Null) {
            flush();
            return;
        }
        // Points of one X would make the spline's intervals zero: the later
        // point stands for them.
        if (xs.size() > 1 && xs.back() == X) {
            ys.back() = Y;
            return;
        }
        xs.push_back(X);
        ys.push_back(Y);
    });
    flush();
}

void TgPlotChannel::DrawInterpolatedCurve(TCanvas *Canvas, bool XYAxesReversed, bool Rational)
{
    if (Count() < 2)
        return;
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(FillBrushColor());
    // Every point, null and empty ones with their stored values, but for
    // a stored Y that is no finite number: the curve cannot pass through it.
    std::vector<double> xs{0}, ys{0}; // 1-based
    xs.reserve(size_t(Count()) + 1);
    ys.reserve(size_t(Count()) + 1);
    for (int i = 0; i < Count(); ++i)
        if (std::isfinite(GetY(i))) {
            xs.push_back(GetX(i));
            ys.push_back(GetY(i));
        }
    const int n = int(xs.size()) - 1;
    if (n < 2)
        return;
    const double first = xs[1], last = xs[size_t(n)];
    const double lo = std::max(std::min(first, last), XAxis()->Min());
    const double hi = std::min(std::max(first, last), XAxis()->Max());
    if (lo > hi)
        return;
    auto interpolate = [Rational](const std::vector<double> &XA, const std::vector<double> &YA, int N, double X) {
        double y, dy;
        if (Rational)
            RationalInterpolate(XA, YA, N, X, y, dy);
        else
            PolynomialInterpolate(XA, YA, N, X, y, dy);
        return y;
    };
    if (n <= LocalPoints) {
        DrawCurveColumns(Canvas, XYAxesReversed, lo, hi, [&](double x) { return interpolate(xs, ys, n, x); });
        return;
    }
    const bool rising = UpdateXIncreasing();
    std::vector<double> wx(LocalPoints + 1), wy(LocalPoints + 1);
    int windowStart = -1;
    DrawCurveColumns(Canvas, XYAxesReversed, lo, hi, [&](double x) {
        // The first point at or beyond x, in the data's order.
        const auto begin = xs.begin() + 1, end = xs.end();
        const auto at = rising ? std::lower_bound(begin, end, x) : std::lower_bound(begin, end, x, std::greater<>());
        const int centre = int(at - begin);
        const int start = std::clamp(centre - LocalPoints / 2, 0, n - LocalPoints);
        if (start != windowStart) {
            std::copy(xs.begin() + 1 + start, xs.begin() + 1 + start + LocalPoints, wx.begin() + 1);
            std::copy(ys.begin() + 1 + start, ys.begin() + 1 + start + LocalPoints, wy.begin() + 1);
            windowStart = start;
        }
        return interpolate(wx, wy, LocalPoints, x);
    });
}

void TgPlotChannel::DrawPolynomial(TCanvas *Canvas, bool XYAxesReversed)
{
    DrawInterpolatedCurve(Canvas, XYAxesReversed, false);
}

void TgPlotChannel::DrawRational(TCanvas *Canvas, bool XYAxesReversed)
{
    DrawInterpolatedCurve(Canvas, XYAxesReversed, true);
}

void TgPlotChannel::FillStep(TCanvas *Canvas, bool XYAxesReversed, double X1, double X2, double Y)
{
    if (!FFillEnabled || FFillStyle == bsClear)
        return;
    Canvas->Pen()->SetColor(FillBrushColor());
    Canvas->Rectangle(GetPixelRect(X1, X2, Y, FFillReference));
    Canvas->Pen()->SetColor(Color());
}

void TgPlotChannel::DrawDifferential(TCanvas *Canvas, bool XYAxesReversed)
{
    if (Count() == 0)
        return;
    Canvas->Brush()->SetStyle(FFillStyle);
    Canvas->Brush()->SetColor(FillBrushColor());
    bool havePrevious = false;
    double px = 0, py = 0;
    if (FDrawStartIndex == -1 || FDrawStopIndex == -1) {
        const int i = ValidFrom(false);
        if (i >= 0) {
            havePrevious = true;
            px = GetX(i);
            py = GetY(i);
        }
    } else {
        // A gap closes the step up to it; a point adds its step and rise.
        ForEachNonEmpty(FDrawStartIndex, FDrawStopIndex, [&](double X, double Y, bool Null) {
            if (havePrevious) {
                FillStep(Canvas, XYAxesReversed, px, X, py);
                DrawTraceSegment(Canvas, XYAxesReversed, false, px, py, X, py);
                if (!Null)
                    DrawTraceSegment(Canvas, XYAxesReversed, false, X, py, X, Y);
            }
            havePrevious = !Null;
            px = X;
            py = Y;
        });
    }
    if (FInterpolationStyle == ipistDifferential && havePrevious) {
        Canvas->Pen()->SetColor(Color());
        DrawTraceSegment(Canvas, XYAxesReversed, false, px, py, XAxis()->Max(), py);
    }
}
