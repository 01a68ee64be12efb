// TSmProgressBar and its painter.

#include "SmProgressBar.h"

#include "Bitmap.h"
#include "Canvas.h"
#include "Format.h"

#include <algorithm>

namespace {

void fill(TCanvas *c, const TRect &r, TColor color)
{
    if (r.IsEmpty())
        return;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(color);
    c->FillRect(r);
}

// One half of a block in Steps bands from colour `from` to colour `to`,
// along the short side of the bar.
void shadeHalf(TCanvas *c, const TRect &half, TColor from, TColor to, int steps, bool alongY)
{
    const int bands = std::max(1, steps);
    const TColor a = ColorToRGB(from), b = ColorToRGB(to);
    const int extent = alongY ? half.Height() : half.Width();
    if (extent <= 0)
        return;
    const double s = double(extent) / bands;
    auto paintBand = [&](int i) {
        auto channel = [&](int ca, int cb) { return ca + RoundHalfEven(double(i) * (cb - ca) / bands); };
        const TColor band = RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
                                channel(GetBValue(a), GetBValue(b)));
        const int start = RoundHalfEven(i * s);
        const int len = int(s) + 1;
        TRect r = half;
        if (alongY) {
            r.Top = half.Top + start;
            r.Bottom = std::min(half.Bottom, r.Top + len);
        } else {
            r.Left = half.Left + start;
            r.Right = std::min(half.Right, r.Left + len);
        }
        fill(c, r, band);
    };
    if (bands <= extent) {
        for (int i = 0; i < bands; ++i)
            paintBand(i);
        return;
    }
    // More bands than pixels: each band is one pixel and later bands paint
    // over earlier ones, so only the last band starting on each pixel shows.
    // Painting just those keeps the time bounded by the size, not by Steps.
    auto start = [&](int i) { return RoundHalfEven(i * s); };
    for (int k = 0; k < extent; ++k) {
        int lo = 0, hi = bands - 1, last = -1;
        while (lo <= hi) {
            const int mid = lo + (hi - lo) / 2;
            if (start(mid) <= k) {
                last = mid;
                lo = mid + 1;
            } else {
                hi = mid - 1;
            }
        }
        if (last >= 0 && start(last) == k)
            paintBand(last);
    }
}

void drawBlock(TCanvas *c, const TRect &r, TColor first, TColor second, const TGaugeSettings &s)
{
    if (!s.ShowGradient) {
        fill(c, r, first);
        return;
    }
    if (s.Orientation == goHorizontal) {
        const int m = r.Top + r.Height() / 2;
        shadeHalf(c, Rect(r.Left, r.Top, r.Right, m), second, first, s.Steps, true);
        shadeHalf(c, Rect(r.Left, m, r.Right, r.Bottom), first, second, s.Steps, true);
    } else {
        const int m = r.Left + r.Width() / 2;
        shadeHalf(c, Rect(r.Left, r.Top, m, r.Bottom), second, first, s.Steps, false);
        shadeHalf(c, Rect(m, r.Top, r.Right, r.Bottom), first, second, s.Steps, false);
    }
}

} // namespace

void DrawGauge(TCanvas *Canvas, const TRect &R, const TGaugeSettings &S)
{
    const int W = R.Width(), H = R.Height();
    const bool horizontal = S.Orientation == goHorizontal;
    const int n = (horizontal ? W : H) - 2;
    int p = S.Position;
    int perc1 = S.Level1Perc, perc2 = S.Level2Perc;
    if (S.Infinite) {
        p = 100;
        perc1 = perc2 = 101;
    }

    // The empty bar; with Rounded the corners outside it stay untouched
    // (transparent on a transparent bitmap).
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(S.BackgroundColor);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(S.ShowBorder ? S.BorderColor : S.BackgroundColor);
    if (S.Rounded)
        Canvas->RoundRect(0, 0, W, H, 6, 6);
    else
        Canvas->Rectangle(0, 0, W, H);

    if (S.Level0BkColor != clNone || S.Level1BkColor != clNone || S.Level2BkColor != clNone) {
        const int c1 = RoundHalfEven(S.Level1Perc / 100.0 * n);
        const int c2 = RoundHalfEven(n * (S.Level2Perc - S.Level1Perc) / 100.0);
        const int l2 = n - (c1 + c2);
        TRect z0, z1, z2;
        if (horizontal) {
            z0 = Rect(2, 1, c1, H - 1);
            z1 = Rect(z0.Right, 1, z0.Right + c2, H - 1);
            z2 = Rect(z1.Right, 1, z1.Right + l2, H - 1);
        } else {
            z0 = Rect(1, H - c1 + 1, W - 1, H - 2);
            z1 = Rect(1, z0.Top - c2, W - 1, z0.Top);
            z2 = Rect(1, z1.Top - l2 - 1, W - 1, z1.Top - 1);
        }
        const TRect zones[3] = {z0, z1, z2};
        const TColor tints[3] = {S.Level0BkColor, S.Level1BkColor, S.Level2BkColor};
        for (int i = 0; i < 3; ++i)
            if (tints[i] != clNone)
                fill(Canvas, zones[i], tints[i]);
    }

    if (p > 0) {
        TColor first, second;
        if (p < perc1) {
            first = S.Level0Color;
            second = S.Level0ColorTo;
        } else if (p < perc2) {
            first = S.Level1Color;
            second = S.Level1ColorTo;
        } else if (p < 100) {
            first = S.Level2Color;
            second = S.Level2ColorTo;
        } else {
            first = S.Level3Color;
            second = S.Level3ColorTo;
        }
        if (S.Stacked) {
            const int len0 = RoundHalfEven(std::min(p, perc1) / 100.0 * n);
            TRect seg = horizontal ? Rect(2, 1, len0, H - 1) : Rect(1, H - len0 + 1, W - 1, H - 2);
            drawBlock(Canvas, seg, S.Level0Color, S.Level0ColorTo, S);
            if (p >= perc1) {
                const int len1 = RoundHalfEven(n * (std::min(p, perc2) - perc1) / 100.0);
                seg = horizontal ? Rect(seg.Right, 1, seg.Right + len1, H - 1)
                                 : Rect(1, seg.Top - len1, W - 1, seg.Top);
                drawBlock(Canvas, seg, S.Level1Color, S.Level1ColorTo, S);
                if (p >= perc2) {
                    const int len2 = p == 100 ? n - (len0 + len1)
                                              : RoundHalfEven(n * (p - perc2) / 100.0);
                    seg = horizontal ? Rect(seg.Right, 1, seg.Right + len2, H - 1)
                                     : Rect(1, seg.Top - len2 - 1, W - 1, seg.Top - 1);
                    drawBlock(Canvas, seg, S.Level2Color, S.Level2ColorTo, S);
                }
            }
        } else if (S.CompletionSmooth) {
            const int f = RoundHalfEven(p / 100.0 * n);
            drawBlock(Canvas, horizontal ? Rect(2, 2, f, H - 2) : Rect(2, H - f, W - 2, H - 2),
                      first, second, S);
        } else {
            const int f = RoundHalfEven(n * p / 100.0);
            if (f <= 9) {
                if (f > 1)
                    drawBlock(Canvas,
                              horizontal ? Rect(2, 2, f + 1, H - 2) : Rect(2, H - f - 1, W - 2, H - 2),
                              first, second, S);
            } else {
                TRect block = horizontal ? Rect(2, 2, 9, H - 2) : Rect(2, H - 9, W - 2, H - 2);
                drawBlock(Canvas, block, first, second, S);
                for (int i = 0; i < f / 9 - 1; ++i) {
                    block = horizontal ? Rect(block.Right + 2, 2, block.Right + 9, H - 2)
                                       : Rect(2, block.Top - 9, W - 2, block.Top - 2);
                    drawBlock(Canvas, block, first, second, S);
                }
                const int rest = f % 9;
                if (rest > 2) {
                    block = horizontal
                                ? Rect(block.Right + 2, 2, block.Right + 2 + rest - 1, H - 2)
                                : Rect(2, std::max(2, block.Top - 2 - (rest - 1)), W - 2, block.Top - 2);
                    drawBlock(Canvas, block, first, second, S);
                }
            }
        }
    }

    if (S.Infinite) {
        const int d = horizontal ? W - 4 : H - 4;
        const int total = horizontal ? W : H;
        const int x = total < 5 ? 0 : RoundHalfEven(S.InfinitePos / 100.0 * d);
        if (horizontal) {
            fill(Canvas, Rect(2, 1, std::max(2, x - 10), H - 1), S.BackgroundColor);
            fill(Canvas, Rect(std::min(W - 2, x + 12), 2, W - 2, H - 2), S.BackgroundColor);
        } else {
            fill(Canvas, Rect(2, 2, W - 2, std::max(2, x - 10)), S.BackgroundColor);
            fill(Canvas, Rect(2, std::min(H - 2, x + 12), W - 2, H - 2), S.BackgroundColor);
        }
    }

    if (S.ShowPosition) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->SetFont(S.Font);
        QString text = S.ShowPercentage ? QStringLiteral("%1%").arg(S.Position)
                                        : QString::number(S.Value);
        QString formatted;
        if (!S.Format.isEmpty() && TryFormat(formatted, S.Format, S.Value, S.Max))
            text = formatted;
        const int tw = Canvas->TextWidth(text), th = Canvas->TextHeight(text);
        if (horizontal) {
            Canvas->TextOut(W / 2 - tw / 2, H / 2 - th / 2, text);
        } else {
            Canvas->Font()->SetOrientation(900);
            Canvas->TextOut(W / 2 - th / 2, H / 2 + tw / 2, text);
            Canvas->Font()->SetOrientation(0);
        }
    }
}

TSmProgressBar::TSmProgressBar(TComponent *AOwner) : TGraphicControl(AOwner), timer_(new TTimer(this))
{
    SetBounds(Left(), Top(), 128, 18);
    font_.SetName(QStringLiteral("Verdana"));
    font_.SetSize(10);
    font_.OnChange = [this](TObject *) { Invalidate(); };
    timer_->SetEnabled(false);
    timer_->SetInterval(unsigned(infiniteInterval_));
    timer_->OnTimer = [this](TObject *) { SweepStep(); };
}

TSmProgressBar::~TSmProgressBar() = default;

void TSmProgressBar::SetFont(TFont *Value)
{
    font_.Assign(Value);
    Invalidate();
}

// Counted from Min, so that a range that does not start at 0 fills from
// empty to full.
int TSmProgressBar::Percentage() const
{
    if (max_ == min_)
        return 0;
    return RoundHalfEven(double(qint64(position_) - min_) / double(qint64(max_) - min_) * 100.0);
}

// Distances within the range are taken in 64 bits: Min and Max may lie
// anywhere in the int range.
void TSmProgressBar::SetPosition(int Value)
{
    const int lo = std::min(min_, max_), hi = std::max(min_, max_);
    position_ = std::clamp(Value, lo, hi);
    const int p = Percentage();
    const qint64 steps = qint64(position_) - min_;
    if (maxIncrement_ == 0 || steps % maxIncrement_ == 0 || steps / maxIncrement_ != oldBlockPos_
        || p != oldPos_)
        Repaint();
    oldPos_ = p;
    if (maxIncrement_ != 0)
        oldBlockPos_ = int(steps / maxIncrement_);
}

void TSmProgressBar::SetMin(int Value)
{
    min_ = Value;
    maxIncrement_ = int((qint64(max_) - min_) / 100);
    Invalidate();
}

void TSmProgressBar::SetMax(int Value)
{
    max_ = Value;
    maxIncrement_ = int((qint64(max_) - min_) / 100);
    Invalidate();
}

void TSmProgressBar::UpdateTimer()
{
    timer_->SetEnabled(infinite_ && animated_);
}

void TSmProgressBar::SetAnimated(bool Value)
{
    animated_ = Value;
    UpdateTimer();
    Invalidate();
}

void TSmProgressBar::SetInfinite(bool Value)
{
    const bool switchedOn = Value && !infinite_;
    infinite_ = Value;
    UpdateTimer();
    if (switchedOn)
        infinitePos_ = 0;
    Invalidate();
}

void TSmProgressBar::SetInfiniteInterval(int Value)
{
    infiniteInterval_ = Value;
    timer_->SetInterval(unsigned(std::max(0, Value)));
}

void TSmProgressBar::SetBkColor(TColor &field, TColor Value)
{
    if (field == Value)
        return;
    field = Value;
    Invalidate();
}

void TSmProgressBar::SetLevel0BkColor(TColor Value) { SetBkColor(level0BkColor_, Value); }
void TSmProgressBar::SetLevel1BkColor(TColor Value) { SetBkColor(level1BkColor_, Value); }
void TSmProgressBar::SetLevel2BkColor(TColor Value) { SetBkColor(level2BkColor_, Value); }

QString TSmProgressBar::Version() const
{
    const uint32_t v = 0x01020001;
    return QStringLiteral("%1.%2.%3.%4")
        .arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TSmProgressBar::SweepStep()
{
    if (infiniteInc_) {
        infinitePos_ += 4;
        if (infinitePos_ >= 100) {
            infinitePos_ = 100;
            infiniteInc_ = false;
        }
    } else {
        infinitePos_ -= 4;
        if (infinitePos_ <= 0) {
            infinitePos_ = 0;
            infiniteInc_ = true;
        }
    }
    Repaint();
}

// Painted through an ARGB bitmap whose untouched pixels (the rounded
// corners) stay transparent, so the parent shows there whatever colour the
// bar uses.
void TSmProgressBar::Paint()
{
    if ((!Visible() && !ComponentState().Contains(csDesigning)) || !Parent())
        return;
    TFont fontCopy;
    fontCopy.Assign(&font_);
    const TGaugeSettings s{level0Color_, level0ColorTo_, level1Color_, level1ColorTo_,
                           level2Color_, level2ColorTo_, level3Color_, level3ColorTo_,
                           level1Perc_, level2Perc_, borderColor_, level0BkColor_,
                           level1BkColor_, level2BkColor_, showBorder_, stacked_,
                           showPercentage_, showPosition_, &fontCopy, completionSmooth_,
                           showGradient_, steps_, Percentage(), position_, max_,
                           backgroundColor_, orientation_, rounded_, clNone, format_,
                           infinite_, infinitePos_};
    TBitmap bmp;
    bmp.SetPixelFormat(pf32bit);
    bmp.SetSize(Width(), Height());
    bmp.Image().fill(Qt::transparent);
    DrawGauge(bmp.Canvas(), Rect(0, 0, Width(), Height()), s);
    Canvas()->Draw(0, 0, &bmp);
}
