// TCustomTrackBar painting: background, bar, ticks, thumb, buttons, label,
// focus frame and rating cells, in that order.
#include "SmTrackBar.h"
#include "SmTrackBarDrawing.h"

#include "Region.h"

#include <memory>

namespace {

bool Set(TColor c)
{
    return c != clNone;
}

// A pair of colours fills with a banded gradient when both are set and
// with whichever one is set otherwise; nothing when neither is.
void FillPair(TCanvas *c, TColor c1, TColor c2, TTrackGradientDirection dir, const TRect &r, int steps)
{
    if (Set(c1) && Set(c2)) {
        DrawGradientRect(c, c1, c2, dir, r, steps);
    } else if (Set(c1) || Set(c2)) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(Set(c1) ? c1 : c2);
        c->FillRect(r);
    }
}

void DrawPictureAt(TCanvas *c, TGpPicture *p, int x, int y)
{
    if (p->Empty() || !c->Handle())
        return;
    TGPGraphics g(c->Handle());
    p->DrawImage(&g, x, y);
}

void DrawPictureStretched(TCanvas *c, TGpPicture *p, const TRect &r)
{
    if (p->Empty() || !c->Handle())
        return;
    TGPGraphics g(c->Handle());
    p->DrawImageRect(&g, r.Left, r.Top, r.Width(), r.Height());
}

TTrackGradientDirection ThumbDirection(TGpGradient g)
{
    switch (g) {
    case ggRadial: return gdHorizontal;
    case ggDiagonalForward: return gdHorizontalInOut;
    default: return gdVertical; // vertical, and the backward diagonal as well
    }
}

// The colours of one state of the thumb.
struct ThumbLook {
    TGpPicture *picture;
    TColor border, color, colorTo, mirror, mirrorTo;
};

} // namespace

void TCustomTrackBar::Paint()
{
    DrawBackground();
    if (RatingMode()) {
        DrawRatingCells();
        return;
    }
    DrawTrackLabel();
    DrawSlider();
    DrawTickMarks();
    DrawThumb();
    DrawButtons();
    if (showFocus_ && Focused())
        DrawDottedFrame(Canvas(), Rect(0, 0, Width() - 1, Height() - 1), clBlack);
}

void TCustomTrackBar::DrawBackground()
{
    TCanvas *c = Canvas();
    const bool enabled = Enabled();
    TGpPicture *pic = enabled || backGroundDisabled_->Empty() ? backGround_.get() : backGroundDisabled_.get();
    const TColor border = enabled ? borderColor_ : borderColorDisabled_;
    const TColor c1 = enabled ? Color() : colorDisabled_;
    const TColor c2 = enabled ? colorTo_ : colorDisabledTo_;
    if (!pic->Empty()) {
        if (backGroundStretched_)
            DrawPictureStretched(c, pic, ClientRect());
        else
            DrawPictureAt(c, pic, 0, 0);
    } else if (!transparent_) {
        FillPair(c, c1, c2, direction_, ClientRect(), 80);
    }
    if (Set(border) && borderWidth_ >= 1) {
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetColor(border);
        c->Pen()->SetWidth(borderWidth_);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(ClientRect());
        c->Pen()->SetWidth(1);
        c->Brush()->SetStyle(bsSolid);
    }
}

void TCustomTrackBar::DrawSlider()
{
    if (RatingMode() || slider_->Size() <= 0 || !slider_->Visible())
        return;
    TCanvas *c = Canvas();
    const TTrackBarSlider &s = *slider_;
    const bool enabled = Enabled();
    TGpPicture *pic = enabled || s.PictureDisabled()->Empty() ? s.Picture() : s.PictureDisabled();
    TGpPicture *done = enabled ? s.PictureCompleted() : s.PictureCompletedDisabled();
    const TColor border = enabled ? s.BorderColor() : s.BorderColorDisabled();
    const TColor c1 = enabled ? s.Color() : s.ColorDisabled();
    const TColor c2 = enabled ? s.ColorTo() : s.ColorDisabledTo();
    const TColor d1 = enabled ? s.ColorCompleted() : s.ColorCompletedDisabled();
    const TColor d2 = enabled ? s.ColorCompletedTo() : s.ColorCompletedDisabledTo();
    const TRect R = SliderRect();
    const bool vertical = orientation_ == trVertical;

    // The completed part (below or left of the thumb's middle) and the rest.
    const bool hasCompleted = Set(s.ColorCompleted()) || !done->Empty();
    TRect completed = NoRect, rest = R;
    if (hasCompleted) {
        const TRect T = ThumbRect();
        if (position_ == min_) {
            rest = R;
        } else if (position_ == max_) {
            completed = R;
            rest = NoRect;
        } else if (vertical) {
            const int y = T.Top + thumb_->Width() / 2;
            completed = Rect(R.Left, y, R.Right, R.Bottom);
            rest = Rect(R.Left, R.Top, R.Right, y + 1);
        } else {
            const int x = T.Left + thumb_->Width() / 2;
            completed = Rect(R.Left, R.Top, x, R.Bottom);
            rest = Rect(x - 1, R.Top, R.Right, R.Bottom);
        }
    }
    const bool rounded = s.Rounded() && pic->Empty();
    c->SaveState();
    if (rounded) {
        QPainterPath path;
        path.addRoundedRect(QRectF(ToQRect(R)), 3.5, 3.5);
        TRegion clip(QRegion(path.toFillPolygon().toPolygon()));
        c->SelectClipRgn(&clip);
    }
    if (!pic->Empty()) {
        auto draw = [&](TGpPicture *p, const TRect &part) {
            if (p->Empty() || part == NoRect)
                return;
            if (s.PictureStretched()) {
                DrawPictureStretched(c, p, part);
            } else if (part.Left > 0 && part.Right > 0) {
                c->SaveState();
                c->IntersectClipRect(part);
                DrawPictureAt(c, p, R.Left, R.Top);
                c->RestoreState();
            }
        };
        if (hasCompleted)
            draw(done, completed);
        draw(pic, rest);
    } else {
        if (completed != NoRect)
            FillPair(c, d1, d2, s.Direction(), completed, s.Steps());
        if (rest != NoRect)
            FillPair(c, c1, c2, s.Direction(), rest, 20);
    }
    c->RestoreState();
    if (!Set(border))
        return;
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetStyle(psSolid);
    if (s.Rounded()) {
        c->Pen()->SetColor(border);
        c->RoundRect(R.Left, R.Top, R.Right, R.Bottom, 7, 7);
        if (s.Border3D()) {
            c->Pen()->SetColor(clWhite);
            c->RoundRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1, 7, 7);
        }
    } else if (s.Border3D()) {
        Draw3DFrame(c, R, true, border, BlendColor(border, clWhite, 10));
    } else {
        c->Pen()->SetColor(border);
        c->Rectangle(R);
    }
    c->Brush()->SetStyle(bsSolid);
}

void TCustomTrackBar::DrawThumb()
{
    const TTrackBarThumb &th = *thumb_;
    if (RatingMode() || th.Size() < 1)
        return;
    if (!th.ShowAtMinMax() && (position_ == min_ || position_ == max_))
        return;
    TCanvas *c = Canvas();
    const TRect T = ThumbRect();
    ThumbLook look{th.Picture(), th.BorderColor(), th.Color(), th.ColorTo(), th.ColorMirror(), th.ColorMirrorTo()};
    if (thumbDown_) {
        look = {th.PictureDown()->Empty() ? th.Picture() : th.PictureDown(), th.BorderColorDown(), th.ColorDown(),
                th.ColorDownTo(), th.ColorMirrorDown(), th.ColorMirrorDownTo()};
    } else if (thumbHot_) {
        look = {th.PictureHot()->Empty() ? th.Picture() : th.PictureHot(), th.BorderColorHot(), th.ColorHot(),
                th.ColorHotTo(), th.ColorMirrorHot(), th.ColorMirrorHotTo()};
    }
    if (!Enabled()) {
        if (!th.PictureDisabled()->Empty())
            look.picture = th.PictureDisabled();
        look.border = th.BorderColorDisabled();
        look.color = th.ColorDisabled();
        look.colorTo = th.ColorDisabledTo();
        look.mirror = th.ColorMirrorDisabled();
        look.mirrorTo = th.ColorMirrorDisabledTo();
    }
    if (!look.picture->Empty()) {
        DrawPictureAt(c, look.picture, T.Left, T.Top);
        return;
    }
    const bool vertical = orientation_ == trVertical;
    const TTrackGradientDirection dir = ThumbDirection(th.Gradient());

    // Fills the shape (its region) by the colours that are set.
    auto fill = [&](const TRegion &shape, const TRect &glowRect) {
        c->SaveState();
        c->SelectClipRgn(&shape);
        if (Set(look.color) && Set(look.colorTo) && (!Set(look.mirror) || !Set(look.mirrorTo)))
            DrawGradientRect(c, look.color, look.colorTo, dir, T, th.Steps());
        else if (Set(look.color) && Set(look.colorTo))
            DrawGlowButton(nullptr, c, glowRect, bsRectangle, clNone, clNone, look.color, look.colorTo, look.mirror,
                           look.mirrorTo, th.Gradient(), th.GradientMirror(), vertical);
        else if (Set(look.color) || Set(look.colorTo))
            FillPair(c, look.color, clNone, dir, T, 1);
        c->SelectClipRgn(nullptr);
        c->RestoreState();
        c->Brush()->SetStyle(bsClear); // the outlines below fill nothing
    };

    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetStyle(psSolid);
    switch (th.Shape()) {
    case tsPointer: {
        fill(TRegion::FromPolygon(PointerThumbPolygon(T, tickMark_->Position(), vertical)), T);
        const TColor outlines[] = {clWhite, look.border, clWhite};
        for (int i = 0; i < 3; ++i) {
            if (!Set(outlines[i]))
                continue;
            TRect in = T;
            in.Inflate(-i, -i);
            std::vector<TPoint> poly = PointerThumbPolygon(in, tickMark_->Position(), vertical);
            poly.push_back(poly.front());
            c->Pen()->SetColor(outlines[i]);
            c->Polyline(poly);
        }
        if (Set(look.border)) {
            c->Pen()->SetColor(look.border);
            if (vertical) {
                const int len = T.Width() / 2 - 3, y = T.Top + T.Height() / 2;
                const int x = T.Left + (T.Width() - len) / 2;
                c->MoveTo(x, y);
                c->LineTo(x + len, y);
            } else {
                const int len = T.Height() / 2 - 3, x = T.Left + T.Width() / 2;
                const int y = T.Top + (T.Height() - len) / 2;
                c->MoveTo(x, y);
                c->LineTo(x, y + len);
            }
        }
        break;
    }
    case tsRectangle:
    case tsRoundRect: {
        const int corner = th.Shape() == tsRectangle ? 1 : 8;
        QPainterPath path;
        path.addRoundedRect(QRectF(ToQRect(T)), corner / 2.0, corner / 2.0);
        fill(TRegion(QRegion(path.toFillPolygon().toPolygon())), Rect(T.Left, T.Top, T.Right - 1, T.Bottom - 1));
        c->Pen()->SetColor(clWhite);
        c->RoundRect(T.Left, T.Top, T.Right, T.Bottom, corner, corner);
        if (Set(look.border)) {
            c->Pen()->SetColor(look.border);
            c->RoundRect(T.Left + 1, T.Top + 1, T.Right - 1, T.Bottom - 1, corner, corner);
        }
        if (th.Shape() == tsRectangle) {
            c->Pen()->SetColor(clWhite);
            c->Rectangle(T.Left + 2, T.Top + 2, T.Right - 2, T.Bottom - 2);
        }
        if (Set(look.border)) {
            c->Pen()->SetColor(look.border);
            if (vertical) {
                const int len = T.Width() / 2 - 2, y = T.Top + T.Height() / 2;
                c->MoveTo(T.Left + (T.Width() - len) / 2, y);
                c->LineTo(T.Left + (T.Width() - len) / 2 + len, y);
            } else {
                const int len = T.Height() / 2 - 2, x = T.Left + T.Width() / 2;
                c->MoveTo(x, T.Top + (T.Height() - len) / 2);
                c->LineTo(x, T.Top + (T.Height() - len) / 2 + len);
            }
        }
        break;
    }
    case tsRound: {
        const int corner = th.Size() / 2;
        if (Set(look.color) && Set(look.colorTo) && Set(look.mirror) && Set(look.mirrorTo)) {
            DrawGlowButton(nullptr, c, T, bsRound, look.border, clWhite, look.color, look.colorTo, look.mirror,
                           look.mirrorTo, th.Gradient(), th.GradientMirror(), vertical);
        } else {
            QPainterPath path;
            path.addRoundedRect(QRectF(ToQRect(T)), corner / 2.0, corner / 2.0);
            fill(TRegion(QRegion(path.toFillPolygon().toPolygon())), T);
            if (Set(look.border)) {
                c->Pen()->SetColor(look.border);
                c->RoundRect(T.Left, T.Top, T.Right, T.Bottom, corner, corner);
            }
        }
        if (Set(look.border)) {
            const int cx = T.Left + T.Width() / 2 + 1, cy = T.Top + T.Height() / 2 + 1;
            c->Brush()->SetStyle(bsSolid);
            c->Brush()->SetColor(look.border);
            c->Pen()->SetColor(look.border);
            c->RoundRect(cx - 2, cy - 2, cx + 2, cy + 2, 2, 2);
        }
        break;
    }
    case tsLine: {
        const TColor colours[] = {look.colorTo, look.color, BlendColor(look.color, clWhite, 60),
                                  BlendColor(look.color, clWhite, 10)};
        for (int i = 0; i < 4; ++i) {
            if (!Set(colours[i]))
                continue;
            c->Pen()->SetColor(colours[i]);
            if (vertical) {
                const int y = T.Top + T.Height() / 2 - 1 + i;
                c->MoveTo(T.Left, y);
                c->LineTo(T.Right, y);
            } else {
                const int x = T.Left + T.Width() / 2 - 1 + i;
                c->MoveTo(x, T.Top);
                c->LineTo(x, T.Bottom);
            }
        }
        break;
    }
    default: {
        const TTickMark tp = tickMark_->Position();
        int kind;
        switch (th.Shape()) {
        case tsTriangleLeft: kind = vertical ? 2 : 0; break;
        case tsTriangleRight: kind = vertical ? 3 : 1; break;
        default: kind = (tp == tmTopLeft ? 0 : tp == tmBottomRight ? 1 : 4) + (vertical ? 0 : (tp == tmBoth ? 1 : 2));
        }
        if (th.Shape() == tsPointerRightUp)
            DrawPointerRightUpThumb(c, T, kind, look.border, look.color, look.colorTo, dir, th.Steps());
        else if (th.Shape() == tsPointerLeftUp)
            DrawPointerLeftUpThumb(c, T, kind, look.border, look.color, look.colorTo, dir, th.Steps());
        else
            DrawTriangleThumb(c, T, kind, look.border, look.color, look.colorTo, dir, th.Steps());
    }
    }
    c->Brush()->SetStyle(bsSolid);
}

void TCustomTrackBar::DrawTickMarks()
{
    const TTrackBarTick &tk = *tickMark_;
    if (RatingMode() || tk.Size() <= 0 || tk.Style() != tsAuto)
        return;
    TCanvas *c = Canvas();
    const bool vertical = orientation_ == trVertical;
    TRect bands[2];
    GetTickRectTopLeft(bands[0]);
    GetTickRectBottomRight(bands[1]);
    const TTickMark tp = tk.Position();
    const bool use[2] = {tp == tmTopLeft || tp == tmBoth, tp == tmBottomRight || tp == tmBoth};
    const TRect &first = use[0] ? bands[0] : bands[1];
    const TRect t = TrackRect();
    int n = max_;
    if (!OnDrawTick && !tk.ShowText()) {
        const int start = vertical ? first.Top : first.Left;
        n = std::min(max_, (std::max(Width(), Height()) - 2 * start) / 2);
    }
    const double span = double(vertical ? t.Height() : t.Width()) - GetThumbWidth();
    const double s = n == min_ ? 0.0 : span / (double(n) - min_);
    if (tk.ShowText()) {
        if (use[0])
            (vertical ? bands[0].Left : bands[0].Top) += textHeight_;
        if (use[1])
            (vertical ? bands[1].Right : bands[1].Bottom) -= textHeight_;
    }
    int last = -100;
    c->Pen()->SetStyle(psSolid);
    for (int i = min_; i <= n; ++i) {
        const int p = int((double(i) - min_) * s);
        if (!OnDrawTick && p - last <= 1)
            continue;
        last = p;
        for (int b = 0; b < 2; ++b) {
            if (!use[b])
                continue;
            const TRect &band = bands[b];
            bool def = true;
            int length = tk.Size();
            TColor colour = Enabled() ? tk.Color() : tk.ColorDisabled();
            TColor textColour = tk.Font()->Color();
            QString text;
            if (tk.ShowText()) {
                text = QString::number(i);
                if (OnGetTickMarkText)
                    OnGetTickMarkText(this, i, text);
            }
            TPoint a, z;
            if (vertical) {
                const int y = band.Bottom - p;
                a = b == 0 ? TPoint(band.Left, y) : TPoint(band.Right - length, y);
                z = b == 0 ? TPoint(band.Left + length, y) : TPoint(band.Right, y);
            } else {
                const int x = band.Left + p;
                a = b == 0 ? TPoint(x, band.Top) : TPoint(x, band.Bottom - length);
                z = b == 0 ? TPoint(x, band.Top + length) : TPoint(x, band.Bottom);
            }
            if (OnDrawTick) {
                OnDrawTick(this, c, a, i, b == 0 ? tmTopLeft : tmBottomRight, length, colour, textColour, text, def);
                if (vertical)
                    (b == 0 ? z.X : a.X) = b == 0 ? a.X + length : z.X - length;
                else
                    (b == 0 ? z.Y : a.Y) = b == 0 ? a.Y + length : z.Y - length;
            }
            c->Pen()->SetColor(colour);
            if (tk.ShowImageAtThumbOnly() && i != position_)
                def = false;
            if (tk.ShowImageAtSteps() > 1 && i % tk.ShowImageAtSteps() != 0)
                def = false;
            if (def) {
                if (images_ && images_->Count() > 0) {
                    const int index = i < images_->Count() ? i : 0;
                    if (vertical)
                        images_->Draw(c, a.X, a.Y - images_->Height() / 2, index, Enabled());
                    else
                        images_->Draw(c, a.X - images_->Width() / 2, a.Y, index, Enabled());
                } else {
                    c->MoveTo(a.X, a.Y);
                    c->LineTo(z.X, z.Y);
                    if (tk.Line3D()) {
                        c->Pen()->SetColor(BlendColor(colour, clWhite, 10));
                        const int dx = vertical ? 0 : 1, dy = vertical ? -1 : 0;
                        c->MoveTo(a.X + dx, a.Y + dy);
                        c->LineTo(z.X + dx, z.Y + dy);
                    }
                }
            }
            if (tk.ShowText() && !text.isEmpty()) {
                c->SetFont(tk.Font());
                c->Font()->SetColor(textColour);
                c->Brush()->SetStyle(bsClear);
                const int w = c->TextWidth(text);
                if (!vertical) {
                    const int x = a.X - w / 2;
                    c->TextOut(x, b == 0 ? band.Top + tickTextOffset_ - textHeight_ : band.Bottom + tickTextOffset_,
                               text);
                } else if (tk.RotateFontVert()) {
                    c->Font()->SetOrientation(b == 0 ? 900 : -900);
                    if (b == 0)
                        c->TextOut(band.Left + tickTextOffset_ - textHeight_, a.Y + w / 2, text);
                    else
                        c->TextOut(band.Right + textHeight_, a.Y - w / 2, text);
                    c->Font()->SetOrientation(0);
                } else if (b == 0) {
                    c->TextOut(band.Left - w - tickTextOffset_, a.Y - textHeight_ / 2, text);
                } else {
                    c->TextOut(band.Left + tk.Size() + tickTextOffset_, a.Y - textHeight_ / 2, text);
                }
                c->Brush()->SetStyle(bsSolid);
            }
        }
    }
}

void TCustomTrackBar::DrawTrackLabel()
{
    if (!trackLabel_->Visible())
        return;
    TCanvas *c = Canvas();
    QString text;
    GetTrackLabelText(text);
    c->SetFont(trackLabel_->Font());
    c->Brush()->SetStyle(bsClear);
    const TLabelPosition pos = trackLabel_->Position();
    if (orientation_ == trHorizontal) {
        TRect band = LabelRect(false);
        unsigned flags = DT_SINGLELINE | DT_NOPREFIX;
        flags |= pos == lpTopLeft || pos == lpBottomLeft ? DT_LEFT
                 : pos == lpTopRight || pos == lpBottomRight ? DT_RIGHT
                                                              : DT_CENTER;
        flags |= pos == lpTopCenter || pos == lpTopLeft || pos == lpTopRight ? DT_VCENTER : DT_BOTTOM;
        c->DrawText(text, band, flags);
    } else {
        const TRect band = LabelRect(true);
        c->Font()->SetOrientation(900);
        c->TextOut(band.Left + 3, band.Top, text);
        c->Font()->SetOrientation(0);
    }
    c->Brush()->SetStyle(bsSolid);
}

void TCustomTrackBar::DrawButtons()
{
    if (RatingMode() || !buttons_->Visible())
        return;
    DrawMinButton();
    DrawMaxButton();
}

void TCustomTrackBar::DrawMinButton()
{
    DrawButton(false);
}

void TCustomTrackBar::DrawMaxButton()
{
    DrawButton(true);
}

void TCustomTrackBar::DrawButton(bool Max)
{
    const TTrackBarButtons &bt = *buttons_;
    TCanvas *c = Canvas();
    const TRect R = Max ? MaxButtonRect() : MinButtonRect();
    const bool down = Max ? maxButtonDown_ : minButtonDown_;
    const bool hot = Max ? maxButtonHot_ : minButtonHot_;
    TColor border = bt.BorderColor(), c1 = bt.Color(), c2 = bt.ColorTo(), m1 = bt.ColorMirror(),
           m2 = bt.ColorMirrorTo();
    TGpPicture *pic = Max ? bt.MaxPicture() : bt.MinPicture();
    if (down) {
        border = bt.BorderColorDown(), c1 = bt.ColorDown(), c2 = bt.ColorDownTo(), m1 = bt.ColorMirrorDown(),
        m2 = bt.ColorMirrorDownTo();
        pic = Max ? bt.MaxPictureDown() : bt.MinPictureDown();
    } else if (hot) {
        border = bt.BorderColorHot(), c1 = bt.ColorHot(), c2 = bt.ColorHotTo(), m1 = bt.ColorMirrorHot(),
        m2 = bt.ColorMirrorHotTo();
        pic = Max ? bt.MaxPictureHot() : bt.MinPictureHot();
    }
    const bool vertical = orientation_ == trVertical;
    if (!pic->Empty()) {
        c->SaveState();
        c->IntersectClipRect(R);
        if (vertical && Max && pic->Height() > bt.Size())
            DrawPictureAt(c, pic, R.Left, R.Bottom - pic->Height());
        else
            DrawPictureAt(c, pic, R.Left, R.Top);
        c->RestoreState();
        return;
    }
    const TColor light = BlendColor(border, clWhite, 30);
    const int size = bt.Size();
    TRect area = R;
    if (!c->Handle())
        return;
    if (bt.Shape() == bsRound) {
        if (vertical)
            area = Bounds(R.Left + (R.Width() - size) / 2, R.Top, size, R.Height());
        else
            area = Bounds(R.Left, R.Top + (R.Height() - size) / 2, R.Width(), size);
        TGPGraphics g(c->Handle());
        std::unique_ptr<TGPGraphicsPath> circle(CreateRoundRectPath(
            Rect(area.Left, area.Top, std::min(size, area.Width()), std::min(size, area.Height())), size / 2));
        g.SetClip(circle.get());
        DrawGlowButton(&g, c, area, bsRound, light, border, c1, c2, m1, m2, bt.Gradient(), bt.GradientMirror(),
                       vertical);
    } else {
        DrawGlowButton(nullptr, c, R, bsRectangle, light, border, c1, c2, m1, m2, bt.Gradient(), bt.GradientMirror(),
                       vertical);
    }
    // The minus or plus glyph, centred.
    const int len = Max ? (size / 2 + 1) / 2 * 2 : size / 2;
    const int cx = area.Left + area.Width() / 2, cy = area.Top + area.Height() / 2;
    auto bar = [&](bool upright) {
        const TRect b = upright ? Rect(cx - 2, cy - len / 2, cx + 2, cy - len / 2 + len)
                                : Rect(cx - len / 2, cy - 2, cx - len / 2 + len, cy + 2);
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetColor(Set(c1) ? c1 : clWhite);
        c->Rectangle(b);
        c->Pen()->SetColor(border);
        if (upright) {
            c->MoveTo(b.Left + 1, b.Top + 1);
            c->LineTo(b.Left + 1, b.Bottom - 1);
            c->MoveTo(b.Left + 2, b.Top + 1);
            c->LineTo(b.Left + 2, b.Bottom - 1);
        } else {
            c->MoveTo(b.Left + 1, b.Top + 1);
            c->LineTo(b.Right - 1, b.Top + 1);
            c->MoveTo(b.Left + 1, b.Top + 2);
            c->LineTo(b.Right - 1, b.Top + 2);
        }
    };
    const bool minusUpright = vertical && bt.RotateText();
    bar(minusUpright);
    if (Max)
        bar(!minusUpright);
    c->Brush()->SetStyle(bsSolid);
}

void TCustomTrackBar::DrawRatingCells()
{
    for (int v = min_ + 1; v <= max_; ++v)
        DrawRatingCell(v);
}

void TCustomTrackBar::DrawRatingCell(int Value)
{
    const TRect r = RatingCellRect(Value);
    if (r == NoRect || r.Left <= 0 || r.Bottom <= 0)
        return;
    DrawPictureAt(Canvas(), Value > position_ ? rateInActive_.get() : rateActive_.get(), r.Left, r.Top);
}
