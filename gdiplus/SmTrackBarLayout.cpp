// TCustomTrackBar layout: the rectangles of the track, bar, tick bands,
// buttons, label and thumb, recomputed from the properties on every call,
// and the rating cells.
#include "SmTrackBar.h"

#include <QFontMetrics>

namespace {
bool IsTopLabel(TLabelPosition p)
{
    return p == lpTopCenter || p == lpTopLeft || p == lpTopRight;
}
} // namespace

// -- layout -------------------------------------------------------------------

int TCustomTrackBar::PointerOffset() const
{
    const int w = thumb_->Width();
    if (w <= 0)
        return 0;
    switch (thumb_->ThumbPointer()) {
    case tpLeft: return 0;
    case tpCenter: return w / 2;
    case tpRight: return w;
    }
    return 0;
}

TRect TCustomTrackBar::InnerRect() const
{
    TRect r = ClientRect();
    r.Inflate(-(borderWidth_ + offset_), -(borderWidth_ + offset_));
    return r;
}

TRect TCustomTrackBar::MinButtonRect() const
{
    TRect r = InnerRect();
    if (orientation_ == trVertical)
        r.Top = r.Bottom - buttons_->Size();
    else
        r.Right = r.Left + buttons_->Size();
    return r;
}

TRect TCustomTrackBar::MaxButtonRect() const
{
    TRect r = InnerRect();
    if (orientation_ == trVertical)
        r.Bottom = r.Top + buttons_->Size();
    else
        r.Left = r.Right - buttons_->Size();
    return r;
}

TRect TCustomTrackBar::TrackRect() const
{
    TRect r = InnerRect();
    const bool vertical = orientation_ == trVertical;
    (vertical ? r.Left : r.Top) += slider_->Offset();
    if (trackLabel_->Visible() && IsTopLabel(trackLabel_->Position())) {
        const TRect band = LabelRect(false);
        (vertical ? r.Left : r.Top) += (vertical ? band.Width() : band.Height()) + 1;
    }
    if (buttons_->Visible()) {
        const int sp = buttons_->Spacing();
        if (vertical) {
            r.Top = MaxButtonRect().Bottom + sp;
            r.Bottom = MinButtonRect().Top - sp;
        } else {
            r.Left = MinButtonRect().Right + sp;
            r.Right = MaxButtonRect().Left - sp;
        }
    }
    return r;
}

void TCustomTrackBar::GetTickRectTopLeft(TRect &Rect) const
{
    const TTickMark pos = tickMark_->Position();
    if (tickMark_->Style() == tsNone || (pos != tmTopLeft && pos != tmBoth)) {
        Rect = NoRect;
        return;
    }
    const TRect t = TrackRect();
    const int e = PointerOffset();
    const int extent = (tickMark_->ShowText() ? textHeight_ : 0) + tickMark_->Size();
    Rect = orientation_ == trVertical ? ::Rect(t.Left, t.Top + e, t.Left + extent, t.Bottom - e)
                                      : ::Rect(t.Left + e, t.Top, t.Right - e, t.Top + extent);
}

void TCustomTrackBar::GetTickRectBottomRight(TRect &Rect) const
{
    const TTickMark pos = tickMark_->Position();
    if (tickMark_->Style() == tsNone || (pos != tmBottomRight && pos != tmBoth)) {
        Rect = NoRect;
        return;
    }
    const bool vertical = orientation_ == trVertical;
    const TRect t = TrackRect();
    const TRect bar = SliderRect();
    TRect topLeft;
    GetTickRectTopLeft(topLeft);
    int s;
    if (bar != NoRect)
        s = (vertical ? bar.Right : bar.Bottom) - (slider_->Border3D() ? 1 : 0) + tickMark_->Spacing();
    else if (topLeft != NoRect)
        s = (vertical ? topLeft.Right : topLeft.Bottom) + 2 * tickMark_->Spacing();
    else
        s = vertical ? t.Left : t.Top;
    const int e = PointerOffset();
    const int extent = (tickMark_->ShowText() ? textHeight_ : 0) + tickMark_->Size();
    Rect = vertical ? ::Rect(s, t.Top + e, s + extent, t.Bottom - e) : ::Rect(t.Left + e, s, t.Right - e, s + extent);
}

TRect TCustomTrackBar::SliderRect() const
{
    if (!slider_->Visible() || slider_->Size() <= 0)
        return NoRect;
    TRect r = TrackRect();
    TRect band;
    GetTickRectTopLeft(band);
    const bool hasBand = band != NoRect;
    if (orientation_ == trVertical) {
        r.Left = hasBand ? band.Right + tickMark_->Spacing() : r.Left;
        r.Right = r.Left + slider_->Size();
    } else {
        r.Top = hasBand ? band.Bottom + tickMark_->Spacing() : r.Top;
        r.Bottom = r.Top + slider_->Size();
    }
    return r;
}

TRect TCustomTrackBar::LabelRect(bool TextOnly) const
{
    if (!trackLabel_->Visible())
        return NoRect;
    QString text;
    GetTrackLabelText(text);
    if (text.isEmpty() && HasTrackLabelHandler())
        text = QStringLiteral("Pos");
    QFontMetrics fm(trackLabel_->Font()->ToQFont());
    const int w = fm.horizontalAdvance(text), h = fm.height();
    const int sp = trackLabel_->Spacing();
    const bool vertical = orientation_ == trVertical;
    const TLabelPosition pos = trackLabel_->Position();
    TRect r = InnerRect();
    if (IsTopLabel(pos)) {
        if (vertical) {
            r.Left = r.Left + slider_->Offset();
            r.Right = r.Left + h + sp;
        } else {
            r.Top = r.Top + slider_->Offset();
            r.Bottom = r.Top + h + sp;
        }
    } else {
        TRect band;
        GetTickRectBottomRight(band);
        if (vertical) {
            r.Left = band.Right + 1;
            r.Right = band.Right + h + sp + 1;
        } else {
            r.Top = band.Bottom + 1;
            r.Bottom = band.Bottom + h + sp + 1;
        }
    }
    if (!TextOnly)
        return r;
    const bool left = pos == lpTopLeft || pos == lpBottomLeft;
    const bool right = pos == lpTopRight || pos == lpBottomRight;
    if (!vertical) {
        if (left) {
            r.Right = r.Left + w + 5;
        } else if (right) {
            r.Left = r.Right - w - 5;
        } else {
            r.Left = r.Left + (r.Right - r.Left - w) / 2;
            r.Right = r.Left + w + 5;
        }
    } else if (left) { // the text runs upwards: top lies below bottom
        const int bottom = r.Bottom;
        r.Top = bottom;
        r.Bottom = bottom - w - 5;
    } else if (right) {
        const int top = r.Top;
        r.Bottom = top;
        r.Top = top + w + 5;
    } else {
        const int c = r.Top + (r.Bottom - r.Top - w) / 2;
        r.Bottom = c;
        r.Top = c + w + 5;
    }
    return r;
}

TRect TCustomTrackBar::ThumbRectAt(int Value) const
{
    const TRect t = TrackRect();
    const bool vertical = orientation_ == trVertical;
    const int length = (vertical ? t.Height() : t.Width()) - GetThumbWidth();
    int d = 0;
    if (max_ != min_)
        d = RoundHalfEven(length * (double(Value) - min_) / (double(max_) - min_));
    TRect r;
    if (vertical) {
        r.Bottom = t.Bottom - d;
        r.Top = r.Bottom - thumb_->Width();
    } else {
        r.Left = t.Left + d;
        r.Right = r.Left + thumb_->Width();
    }
    int across;
    const TRect bar = SliderRect();
    if (bar != NoRect) {
        across = vertical ? bar.Left + bar.Width() / 2 - thumb_->Size() / 2
                          : bar.Top + bar.Height() / 2 - thumb_->Size() / 2;
    } else if (tickMark_->Style() == tsNone) {
        across = vertical ? t.Left : t.Top;
    } else if (tickMark_->Position() != tmBottomRight) {
        TRect band;
        GetTickRectTopLeft(band);
        across = (vertical ? band.Left : band.Top) + tickMark_->Spacing() - thumb_->Size() / 2;
    } else {
        TRect band;
        GetTickRectBottomRight(band);
        across = vertical ? band.Left : band.Top;
    }
    if (vertical) {
        r.Left = across;
        r.Right = across + thumb_->Size();
    } else {
        r.Top = across;
        r.Bottom = across + thumb_->Size();
    }
    if (thumb_->Shape() == tsLine && thumb_->Picture()->Empty()) {
        const TRect inner = InnerRect();
        if (vertical) {
            r.Left = inner.Left;
            r.Right = Width() - borderWidth_;
        } else {
            r.Top = inner.Top;
            r.Bottom = Height() - borderWidth_;
        }
    }
    return r;
}

void TCustomTrackBar::GetThumbRect(bool Flag, TRect &Rect) const
{
    (void)Flag;
    Rect = ThumbRectAt(position_);
}

bool TCustomTrackBar::RatingMode() const
{
    return !rateActive_->Empty() && !rateInActive_->Empty();
}

TRect TCustomTrackBar::RatingCellRect(int Value) const
{
    if (Value <= min_ || Value > max_)
        return NoRect;
    const int cw = std::max(rateActive_->Width(), rateInActive_->Width());
    const int ch = std::max(rateActive_->Height(), rateInActive_->Height());
    if (cw <= 0 || ch <= 0)
        return NoRect;
    const TRect t = TrackRect();
    int x = t.Left, y = t.Top;
    for (int v = min_ + 1; v <= Value; ++v) {
        if (v > min_ + 1)
            x += cw;
        if (x + cw > t.Right && x != t.Left) {
            x = t.Left;
            y += ch;
        }
        if (y > t.Bottom)
            return NoRect;
    }
    return Bounds(x, y, cw, ch);
}

int TCustomTrackBar::RatingValueAt(TPoint P) const
{
    for (int v = min_ + 1; v <= max_; ++v) {
        const TRect r = RatingCellRect(v);
        if (r == NoRect)
            return -1;
        if (r.Contains(P))
            return v;
    }
    return -1;
}

