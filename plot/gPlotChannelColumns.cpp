// The decimated straight trace, shared by the strip chart and the XY plot
// (for X that rises): every pixel column costs at most its vertical stroke
// and the segment that joins it to the next column, however many points
// fall into it.
#include "gPlotChannelCustom.h"

#include "gPlotDataNullList.h"
#include "gPlotMinMaxPoint.h"
#include "gPlotXAxis.h"

#include <cmath>
#include <functional>

namespace {

// The decimated straight trace's walk over pixel columns: P the earlier, Q
// the middle and R the newest column. A point of the column being filled (Q
// once begun, else P) costs a multiplication, a comparison and a min/max; a
// point of a new column moves the columns on, and Draw gets the three
// whenever a column is complete (and at a gap, and at the end).
class TColumnWalk {
public:
    using TDraw = std::function<void(const TgPlotMinMaxPoint &, const TgPlotMinMaxPoint &, const TgPlotMinMaxPoint &)>;
    TColumnWalk(const TgPlotAxisScale &Scale, TDraw Draw)
        : scale_(Scale), draw_(std::move(Draw)), linear_(Scale.ScaleType == ipstLinear &&
                                                         Scale.ActualStart() != Scale.ActualStop() &&
                                                         Scale.Span > 1e-300)
    {
    }

    void Add(double X, double Y, bool Empty, bool Null)
    {
        if (Empty)
            return;
        if (Null) {
            Gap();
            return;
        }
        // Strictly inside the current column's half-pixel bounds the offset
        // rounds to that column: the same product the scale's conversion
        // takes, without its rounding.
        const double offset = (X - scale_.Min) * scale_.PixelsPerSpanUnit();
        if (offset > lo_ && offset < hi_)
            current_->AddData(X, Y, current_->XPixels);
        else
            Place(X, Y);
    }
    // The standard list's points in place. Points inside the current
    // column fold into figures held in registers, two at a time in two
    // lanes so that neither waits on the other's comparison (the walk's hot
    // loop); any other point goes through Add.
    void AddRun(const TgPlotDataNullPoint *Points, int N)
    {
        const TgPlotDataNullPoint *p = Points, *const end = Points + N;
        const double min = scale_.Min, k = scale_.PixelsPerSpanUnit();
        const auto inside = [&](const TgPlotDataNullPoint &Point) {
            const double offset = (Point.X - min) * k;
            return TgPlotDataNullList::IsPlain(Point) && offset > lo_ && offset < hi_;
        };
        // As AddData: a NaN leaves the extremes.
        const auto fold = [](double Y, double &Max, double &Min) {
            Max = Y > Max ? Y : Max;
            Min = Y < Min ? Y : Min;
        };
        while (p != end) {
            double max0 = current_->YMax, min0 = current_->YMin, last = current_->YLast;
            double max1 = max0, min1 = min0;
            for (;;) {
                if (end - p >= 2 && inside(p[0]) && inside(p[1])) {
                    fold(p[0].Y, max0, min0);
                    fold(p[1].Y, max1, min1);
                    last = p[1].Y;
                    p += 2;
                } else if (p != end && inside(*p)) {
                    fold(p->Y, max0, min0);
                    last = p->Y;
                    ++p;
                } else {
                    break;
                }
            }
            max0 = max1 > max0 ? max1 : max0;
            min0 = min1 < min0 ? min1 : min0;
            current_->YMax = max0;
            current_->YMin = min0;
            current_->YLast = last;
            if (p == end)
                break;
            Add(p->X, p->Y, TgPlotDataNullList::IsEmpty(*p), TgPlotDataNullList::IsNull(*p));
            ++p;
        }
    }
    void Finish() { draw_(P, Q, R); }

private:
    // Kept out of Add, so that Add stays small enough to inline.
    [[gnu::noinline]] void Place(double X, double Y)
    {
        const int c = scale_.PositionToPixels(X);
        if (!current_->Empty && c == current_->XPixels)
            current_->AddData(X, Y, c);
        else
            NewColumn(X, Y, c);
    }
    void NewColumn(double X, double Y, int C)
    {
        if (P.Empty || C == P.XPixels) {
            P.AddData(X, Y, C);
        } else if (Q.Empty || C == Q.XPixels) {
            Q.AddData(X, Y, C);
        } else {
            R.AddData(X, Y, C);
            draw_(P, Q, R);
            P.AssignDown(R);
            Q.Clear();
            R.Clear();
        }
        current_ = Q.Empty ? &P : &Q;
        TakeBounds();
    }
    [[gnu::noinline]] void Gap()
    {
        draw_(P, Q, R);
        P.Clear();
        Q.Clear();
        R.Clear();
        current_ = &P;
        TakeBounds();
    }
    // The offsets that round to the current column; none off a linear
    // scale or at the pixel limit.
    void TakeBounds()
    {
        lo_ = 1, hi_ = 0;
        if (!linear_ || current_->Empty || std::abs(current_->XPixels) >= 32000)
            return;
        const double k = scale_.ActualStart() - current_->XPixels;
        lo_ = k - 0.5;
        hi_ = k + 0.5;
    }

    const TgPlotAxisScale scale_; // a copy: nothing the walk writes can change it
    TDraw draw_;
    const bool linear_;
    TgPlotMinMaxPoint P, Q, R;
    TgPlotMinMaxPoint *current_ = &P;
    double lo_ = 1, hi_ = 0;
};

} // namespace

void TgPlotChannelCustom::AddMinMaxColumns(std::vector<TPoint> &Segments, bool XYAxesReversed,
                                           const TgPlotMinMaxPoint &P, const TgPlotMinMaxPoint &Q,
                                           const TgPlotMinMaxPoint &R, bool BothEnds)
{
    const auto segment = [&](double Xa, double Ya, double Xb, double Yb) {
        TPoint a, b;
        if (TraceSegmentEnds(XYAxesReversed, false, Xa, Ya, Xb, Yb, a, b)) {
            Segments.push_back(a);
            Segments.push_back(b);
        }
    };
    // A segment leaves out its end pixel. With BothEnds the stroke ends at
    // the extreme the column's last value holds, whose pixel the joint
    // onward draws; a last value between the extremes takes a step back
    // from the stroke's end to it.
    const auto stroke = [&](const TgPlotMinMaxPoint &C) {
        if (C.Empty || C.YMax == C.YMin)
            return;
        const bool upward = BothEnds && C.YLast == C.YMax;
        const double to = upward ? C.YMax : C.YMin;
        segment(C.XValue, upward ? C.YMin : C.YMax, C.XValue, to);
        if (BothEnds && C.YLast != to)
            segment(C.XValue, to, C.XValue, C.YLast);
    };
    stroke(P);
    stroke(Q);
    if (!P.Empty && !Q.Empty)
        segment(P.XValue, P.YLast, Q.XValue, Q.YFirst);
    if (!Q.Empty && !R.Empty)
        segment(Q.XValue, Q.YLast, R.XValue, R.YFirst);
}

void TgPlotChannelCustom::DrawTraceColumns(TCanvas *Canvas, bool XYAxesReversed, int From, int To, bool BothEnds)
{
    // The segments go to the canvas in batches: one set-up of the pen's
    // pixels for many of them.
    std::vector<TPoint> segments;
    constexpr size_t Batch = 4096;
    segments.reserve(Batch + 8);
    TColumnWalk walk(XAxis()->Scale(), [&](const TgPlotMinMaxPoint &P, const TgPlotMinMaxPoint &Q,
                                           const TgPlotMinMaxPoint &R) {
        AddMinMaxColumns(segments, XYAxesReversed, P, Q, R, BothEnds);
        if (segments.size() >= Batch) {
            Canvas->Segments(segments.data(), segments.size());
            segments.clear();
        }
    });
    const int count = To - From + 1;
    if (const auto *standard = dynamic_cast<const TgPlotDataNullList *>(FData.get())) {
        // The standard list is read in place: its points are the memory the
        // walk has to cross anyway.
        standard->ForEachRun(From, count, [&walk](const TgPlotDataNullPoint *Points, int N) { walk.AddRun(Points, N); });
    } else {
        TgPlotDataCustomList::XYEmptyNull block[1024];
        for (int i = From; i <= To;) {
            const int n = std::min(To - i + 1, int(std::size(block)));
            FData->GetXYEmptyNullBlock(i, n, block);
            for (int k = 0; k < n; ++k)
                walk.Add(block[k].X, block[k].Y, block[k].Empty, block[k].Null);
            i += n;
        }
    }
    walk.Finish();
    Canvas->Segments(segments.data(), segments.size());
}
