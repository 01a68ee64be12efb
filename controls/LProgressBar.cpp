#include "LProgressBar.h"

#include <cmath>

LProgressBar::LProgressBar(TComponent *AOwner) : TPanel(AOwner)
{
    SetBevelInner(bvLowered);
    SetBevelOuter(bvLowered);
    SetBounds(Left(), Top(), 14, 132);
    SetColor(clBlack);
    laidOutWidth_ = 14;
    laidOutHeight_ = 132;
    Rebuild();
}

int LProgressBar::ZoneOf(int K) const
{
    if (K <= firstNum_)
        return 0;
    if (K <= firstNum_ + secondNum_)
        return 1;
    return 2;
}

TColor &LProgressBar::Unlit(int Zone)
{
    return Zone == 0 ? firstColor_ : Zone == 1 ? secondColor_ : thirdColor_;
}

TColor &LProgressBar::Lit(int Zone)
{
    return Zone == 0 ? lFirstColor_ : Zone == 1 ? lSecondColor_ : lThirdColor_;
}

bool LProgressBar::Recolor(int K, TColor Value)
{
    TColor &c = segments_[K - 1].color;
    if (c == Value)
        return false;
    c = Value;
    return true;
}

void LProgressBar::SetSegmentColor(int K, TColor Value)
{
    if (Recolor(K, Value))
        Invalidate();
}

void LProgressBar::SetPosition(int Value)
{
    if (Value == position_)
        return;
    position_ = Value > max_ ? max_ : Value < min_ ? min_ : Value;
    const int n = SegmentCount();
    int lit = 0;
    // A meter without a range shows every segment dark.
    if (max_ > 0 && n > 0) {
        const float step = static_cast<float>(max_) / n;
        lit = static_cast<int>(position_ / step);
        if (lit > n)
            lit = n;
        if (Value >= max_ && lit < n)
            ++lit;
        if (lit < 0)
            lit = 0;
    }
    bool changed = false;
    for (int k = n; k > n - lit; --k)
        for (int z = 0; z < 3; ++z)
            if (SegmentColor(k) == Unlit(z)) {
                changed |= Recolor(k, Lit(z));
                break;
            }
    for (int k = 1; k <= n - lit; ++k)
        for (int z = 0; z < 3; ++z)
            if (SegmentColor(k) == Lit(z)) {
                changed |= Recolor(k, Unlit(z));
                break;
            }
    if (changed)
        Invalidate();
}

void LProgressBar::SetZoneColor(int Zone, TColor Value)
{
    if (Unlit(Zone) == Value)
        return;
    Unlit(Zone) = Value;
    bool changed = false;
    for (int k = 1; k <= SegmentCount(); ++k)
        if (ZoneOf(k) == Zone)
            changed |= Recolor(k, Value);
    if (changed)
        Invalidate();
}

void LProgressBar::SetZoneLitColor(int Zone, TColor Value)
{
    if (Lit(Zone) == Value)
        return;
    bool changed = false;
    for (int k = 1; k <= SegmentCount(); ++k)
        if (ZoneOf(k) == Zone && SegmentColor(k) == Lit(Zone))
            changed |= Recolor(k, Value);
    Lit(Zone) = Value;
    if (changed)
        Invalidate();
}

void LProgressBar::SetZoneCount(int Zone, int Value)
{
    int &field = Zone == 0 ? firstNum_ : Zone == 1 ? secondNum_ : thirdNum_;
    if (field == Value)
        return;
    field = Value;
    Rebuild();
    Invalidate();
}

void LProgressBar::Rebuild()
{
    const int n = std::max(firstNum_, 0) + std::max(secondNum_, 0) + std::max(thirdNum_, 0);
    segments_.assign(static_cast<size_t>(n), Segment{});
    for (int k = 1; k <= n; ++k)
        segments_[k - 1].color = Unlit(ZoneOf(k));
    LayOut();
}

void LProgressBar::LayOut()
{
    const int n = SegmentCount();
    if (n == 0)
        return;
    const int w = laidOutWidth_, h = laidOutHeight_;
    for (int k = 1; k <= n; ++k) {
        const int top = static_cast<int>(std::trunc(static_cast<double>(h) / n * (k - 1))) - 1;
        segments_[k - 1].bounds = Bounds(0, top, w, h / n + 2);
    }
}

void LProgressBar::Paint()
{
    if (laidOutWidth_ != 0 && (Width() != laidOutWidth_ || Height() != laidOutHeight_)) {
        laidOutWidth_ = Width();
        laidOutHeight_ = Height();
        LayOut();
    }
    TPanel::Paint();
    // Each segment is a rectangle in the default pen (one black pixel) filled
    // with its colour; lower segments overlap the ones above.
    TCanvas *c = Canvas();
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetStyle(bsSolid);
    for (const Segment &s : segments_) {
        c->Brush()->SetColor(s.color);
        c->Rectangle(s.bounds);
    }
}
