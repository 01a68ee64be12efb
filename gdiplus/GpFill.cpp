// TGpFill: painting.

#include "GpFill.h"

#include <cmath>
#include <memory>

TGpFill::TGpFill() : backGroundPicture_(new TSmGDIPPicture), picture_(new TSmGDIPPicture)
{
    backGroundPicture_->OnChange = [this](TObject *) { Changed(); };
    picture_->OnChange = [this](TObject *) { Changed(); };
}

TGpFill::~TGpFill() = default;

void TGpFill::Changed()
{
    if (OnChange && updateCount_ == 0)
        OnChange(this);
}

void TGpFill::SetBackGroundPicture(TSmGDIPPicture *Value)
{
    if (Value != backGroundPicture_.get())
        backGroundPicture_->Assign(Value);
    Changed();
}

void TGpFill::SetPicture(TSmGDIPPicture *Value)
{
    if (Value != picture_.get())
        picture_->Assign(Value);
    Changed();
}

TGPGraphicsPath *TGpFill::RoundRectPath(const TGPRectF &r, int d, TFillRoundingType type)
{
    auto *path = new TGPGraphicsPath(FillModeAlternate);
    const bool tl = type == rtTop || type == rtBoth || type == rtLeft;
    const bool tr = type == rtTop || type == rtBoth || type == rtRight;
    const bool br = type == rtBottom || type == rtBoth || type == rtRight;
    const bool bl = type == rtBottom || type == rtBoth || type == rtLeft;
    const REAL s = 2 * REAL(d);
    const bool round = d > 0;
    const REAL x = r.X, y = r.Y, w = r.Width, h = r.Height;
    auto corner = [&](bool rounded, REAL ax, REAL ay, REAL start, REAL px, REAL py) {
        if (rounded && round)
            path->AddArc(ax, ay, s, s, start, 90);
        else
            path->AddLine(px, py, px, py);
    };
    corner(tl, x, y, 180, x, y);
    corner(tr, x + w - s, y, 270, x + w, y);
    corner(br, x + w - s, y + h - s, 0, x + w, y + h);
    corner(bl, x, y + h - s, 90, x, y + h);
    path->CloseFigure();
    return path;
}

TGPPointF TGpFill::FitPictureSize(double w, double h, double aw, double ah, TPictureMode mode)
{
    if (w <= 0 || h <= 0 || aw <= 0 || ah <= 0)
        return MakePointF(0, 0);
    if (w < aw && h < ah && mode == pmNormal)
        return MakePointF(REAL(w), REAL(h));
    if (aw / ah > w / h)
        return MakePointF(REAL(ah * w / h), REAL(ah));
    return MakePointF(REAL(aw), REAL(aw * h / w));
}

void TGpFill::DrawRadialPart(TGPGraphics *g, const TGPRectF &r, TColor c1, TColor c2, Byte a1,
                             Byte a2, bool top, int radius, TFillRoundingType type)
{
    std::unique_ptr<TGPGraphicsPath> shape(RoundRectPath(r, radius, type));
    {
        TGPSolidBrush solid(top ? ArgbFromColor(a1, c1) : ArgbFromColor(a2, c2));
        g->FillPath(&solid, shape.get());
    }
    TGPRegion region(shape.get());
    g->SetClip(&region);
    TGPGraphicsPath ellipse;
    if (top)
        ellipse.AddEllipse(r.X, r.Y - r.Height / 2, r.Width, r.Height * 1.5f);
    else
        ellipse.AddEllipse(r.X, r.Y, r.Width, r.Height * 1.5f);
    TGPPathGradientBrush brush(&ellipse);
    brush.SetCenterPoint(MakePointF(r.X + r.Width / 2, top ? r.Y : r.Y + r.Height));
    brush.SetCenterColor(top ? ArgbFromColor(a2, c2) : ArgbFromColor(a1, c1));
    ARGB surround = top ? ArgbFromColor(a1, c1) : ArgbFromColor(a2, c2);
    INT count = 1;
    brush.SetSurroundColors(&surround, count);
    g->FillRectangle(&brush, r);
    g->ResetClip();
}

void TGpFill::DrawGradientBackGround(TGPGraphics *Graphics, const TGPRectF &R, bool Mirror,
                                     Byte oc, Byte octo, Byte ocmr, Byte ocmrto)
{
    TSmGradientType kind = Mirror ? gradientMirrorType_ : gradientType_;
    const TColor c1 = Mirror ? colorMirror_ : color_;
    const TColor c2 = Mirror ? colorMirrorTo_ : colorTo_;
    if (c1 == clNone)
        kind = gtNone;
    else if (c2 == clNone)
        kind = gtSolid;
    TFillRoundingType t = roundingType_;
    if (colorMirror_ != clNone) {
        if (Mirror)
            t = (t == rtNone || t == rtTop) ? rtNone : (t == rtBottom || t == rtBoth) ? rtBottom : t;
        else
            t = (t == rtNone || t == rtBottom) ? rtNone : (t == rtTop || t == rtBoth) ? rtTop : t;
    }
    std::unique_ptr<TGPGraphicsPath> path;
    if (rounding_ != 0)
        path.reset(RoundRectPath(R, rounding_, t));
    ShapeFillParams p;
    p.Graphics = Graphics;
    p.Path = path.get();
    p.UsePath = rounding_ != 0;
    p.Rect = R;
    p.Kind = kind;
    p.Color = c1;
    p.ColorTo = c2;
    p.Opacity = Mirror ? ocmr : oc;
    p.OpacityTo = Mirror ? ocmrto : octo;
    p.Hatch = Mirror ? hatchStyleMirror_ : hatchStyle_;
    p.Angle = angle_;
    p.Picture = backGroundPicturePosition_ == ppTiled ? backGroundPicture_.get() : nullptr;
    p.BorderColor = clNone;
    p.BorderWidth = 0;
    p.BorderStyle = DashStyleSolid;
    p.Mirror = Mirror;
    if (p.UsePath) {
        const SmoothingMode previous = Graphics->GetSmoothingMode();
        Graphics->SetSmoothingMode(SmoothingModeAntiAlias);
        DrawShapeFill(p);
        Graphics->SetSmoothingMode(previous);
    } else {
        DrawShapeFill(p);
    }
}

void TGpFill::DrawGlow(TGPGraphics *Graphics, const TGPRectF &R)
{
    if (glow_ == gmNone)
        return;
    TGPRegion clip(R);
    Graphics->SetClip(&clip);
    const TGPRectF G = MakeRectF(R.X + 1, R.Y + 1, R.Width - 2, R.Height - 2);
    if (glow_ == gmGradient || glow_ == gmRadialGradient) {
        {
            std::unique_ptr<TGPGraphicsPath> outline(RoundRectPath(G, rounding_, roundingType_));
            TGPPen pen(ArgbFromColor(200, glowGradientColor_), 1);
            Graphics->DrawPath(&pen, outline.get());
        }
        auto sheen = [&](const TGPRectF &strip, Byte a1, Byte a2, REAL edgeY, REAL innerY) {
            TGPLinearGradientBrush brush(
                MakeRectF(strip.X - 1, strip.Y - 1, strip.Width + 2, strip.Height + 2),
                ArgbFromColor(a1, glowGradientColor_), ArgbFromColor(a2, glowGradientColor_),
                LinearGradientModeVertical);
            const TGPPointF left[3] = {MakePointF(G.X, edgeY), MakePointF(G.X + 5, edgeY),
                                       MakePointF(G.X + 5, innerY)};
            const TGPPointF right[3] = {MakePointF(G.X + G.Width, edgeY),
                                        MakePointF(G.X + G.Width - 5, edgeY),
                                        MakePointF(G.X + G.Width - 5, innerY)};
            Graphics->FillPolygon(&brush, left, 3);
            Graphics->FillPolygon(&brush, right, 3);
            Graphics->FillRectangle(&brush, strip);
        };
        sheen(MakeRectF(G.X + 5, G.Y, G.Width - 10, 4), 175, 0, G.Y, G.Y + 4);
        sheen(MakeRectF(G.X + 5, G.Y + G.Height - 7, G.Width - 10, 7), 0, 220, G.Y + G.Height,
              G.Y + G.Height - 7);
    }
    if (glow_ == gmRadial || glow_ == gmRadialGradient) {
        TGPGraphicsPath ellipse;
        ellipse.AddEllipse(G.X + 10, G.Y - G.Height / 2, G.Width - 20, 3 * G.Height);
        TGPPathGradientBrush brush(&ellipse);
        brush.SetCenterPoint(MakePointF(G.X + G.Width / 2, G.Y + G.Height));
        brush.SetCenterColor(ArgbFromColor(150, glowRadialColor_));
        ARGB surround = ArgbFromColor(0, color_);
        INT count = 1;
        brush.SetSurroundColors(&surround, count);
        Graphics->FillPath(&brush, &ellipse);
    }
    Graphics->ResetClip();
}

void TGpFill::DrawPositionedPicture(TGPGraphics *g, TSmGDIPPicture *pic, const TRect &area,
                                    TFillPicturePosition position, int cx, int cy, int w, int h,
                                    bool aspectRatio, TPictureMode aspectMode)
{
    if (!pic || pic->Empty())
        return;
    const int L = area.Left, T = area.Top, Rt = area.Right, B = area.Bottom;
    if (position == ppTiled)
        return;
    if (position == ppStretched) {
        TGPPointF size = aspectRatio ? FitPictureSize(w, h, Rt - L, B - T, aspectMode)
                                     : MakePointF(REAL(Rt - L), REAL(B - T));
        const int x = RoundHalfEven((Rt - L - size.X) / 2 + L);
        const int y = RoundHalfEven((B - T - size.Y) / 2 + T);
        pic->GpDraw(g, Bounds(x, y, RoundHalfEven(size.X), RoundHalfEven(size.Y)));
        return;
    }
    int x = L, y = T;
    switch (position) {
    case ppTopCenter: x = L + (Rt - L - w) / 2; break;
    case ppTopRight: x = Rt - w; break;
    case ppBottomLeft: y = B - h; break;
    case ppBottomCenter: x = L + (Rt - L - w) / 2; y = B - h; break;
    case ppBottomRight: x = Rt - w; y = B - h; break;
    case ppCenterLeft: y = T + (B - T - h) / 2; break;
    case ppCenterCenter: x = L + (Rt - L - w) / 2; y = T + (B - T - h) / 2; break;
    case ppCenterRight: x = Rt - w; y = T + (B - T - h) / 2; break;
    case ppCustom: x = cx; y = cy; break;
    default: break;
    }
    pic->GpDraw(g, Bounds(x, y, w, h));
}

TGPRectF TGpFill::Fill(TGPGraphics *Graphics, TGPRectF R, Byte ABorderOpacity, Byte AOpacity,
                       Byte AOpacityTo, Byte AOpacityMirror, Byte AOpacityMirrorTo)
{
    if (!Graphics)
        return R;
    const Byte o = AOpacity < 255 ? AOpacity : opacity_;
    const Byte oTo = AOpacityTo < 255 ? AOpacityTo : opacityTo_;
    const Byte oM = AOpacityMirror < 255 ? AOpacityMirror : opacityMirror_;
    const Byte oMTo = AOpacityMirrorTo < 255 ? AOpacityMirrorTo : opacityMirrorTo_;
    const Byte oB = ABorderOpacity < 255 ? ABorderOpacity : borderOpacity_;
    TGPRectF r = R;
    const bool line = r.Height == 1 || r.Width == 1;

    if (line) {
        if (borderWidth_ > 0 && borderColor_ != clNone) {
            TGPPen pen(ArgbFromColor(oB, borderColor_), REAL(borderWidth_));
            Graphics->DrawLine(&pen, r.X, r.Y, r.X + r.Width, r.Y + r.Height);
        }
    } else {
        const int s = shadowOffset_;
        if (s > 0 && shadowColor_ != clNone) {
            if (shadowType_ == stBottom) {
                DrawRadialPart(Graphics, MakeRectF(r.X, r.Y + r.Height - 2 * REAL(s), r.Width, 2 * REAL(s)),
                               shadowColor_, shadowColor_, 0, 255, true, rounding_, rtBottom);
                r.Height -= s;
            } else {
                const bool surround = shadowType_ == stSurround;
                std::unique_ptr<TGPGraphicsPath> shape(
                    surround ? RoundRectPath(r, s, rtBoth) : RoundRectPath(r, rounding_, roundingType_));
                TGPPathGradientBrush brush(shape.get());
                brush.SetWrapMode(WrapModeClamp);
                const ARGB shade = ArgbFromColor(180, shadowColor_);
                const ARGB colors[3] = {PackArgb(0, 0, 0, 0), shade, shade};
                const REAL positions[3] = {0.0f, 0.1f, 1.0f};
                brush.SetInterpolationColors(colors, positions, 3);
                Graphics->FillPath(&brush, shape.get());
                if (surround) {
                    r.X += s;
                    r.Y += s;
                    r.Width -= 2 * REAL(s);
                    r.Height -= 2 * REAL(s);
                } else {
                    r.Width -= s;
                    r.Height -= s;
                }
            }
        }

        if (gradientType_ == gtHatch || gradientType_ == gtTexture || colorMirror_ == clNone) {
            if (gradientType_ == gtRadial) {
                if (color_ != clNone)
                    DrawRadialPart(Graphics, r, color_, colorTo_ == clNone ? color_ : colorTo_, o,
                                   oTo, true, rounding_, roundingType_);
            } else {
                DrawGradientBackGround(Graphics, r, false, o, oTo, oM, oMTo);
            }
        } else {
            const REAL h = r.Height / 2;
            const TGPRectF upper = MakeRectF(r.X, r.Y, r.Width, r.Height - h + 1);
            const TGPRectF lower = MakeRectF(r.X, r.Y + h - 1, r.Width, r.Height - h + 1);
            if (gradientType_ == gtRadial) {
                if (color_ != clNone)
                    DrawRadialPart(Graphics, upper, color_, colorTo_ == clNone ? color_ : colorTo_,
                                   o, oTo, true, rounding_, rtTop);
            } else {
                DrawGradientBackGround(Graphics, upper, false, o, oTo, oM, oMTo);
            }
            if (gradientMirrorType_ == gtRadial) {
                DrawRadialPart(Graphics, lower, colorMirror_,
                               colorMirrorTo_ == clNone ? colorMirror_ : colorMirrorTo_, oM, oMTo,
                               false, rounding_, rtBottom);
            } else {
                DrawGradientBackGround(Graphics, lower, true, o, oTo, oM, oMTo);
            }
        }
    }

    const TRect area = Bounds(RoundHalfEven(r.X), RoundHalfEven(r.Y), RoundHalfEven(r.Width),
                              RoundHalfEven(r.Height));
    const int bgW = backGroundPicture_->Empty() ? 0 : backGroundPicture_->Width();
    const int bgH = backGroundPicture_->Empty() ? 0 : backGroundPicture_->Height();
    if (!line && backGroundPictureMode_ == pmInsideFill && gradientType_ == gtTexture) {
        std::unique_ptr<TGPGraphicsPath> shape(RoundRectPath(r, rounding_, roundingType_));
        TGPRegion region(shape.get());
        Graphics->SetClip(&region);
        DrawPositionedPicture(Graphics, backGroundPicture_.get(), area, backGroundPicturePosition_,
                              backGroundPictureLeft_, backGroundPictureTop_, bgW, bgH,
                              backGroundPictureAspectRatio_, backGroundPictureAspectMode_);
        Graphics->ResetClip();
    }

    if (!line && borderWidth_ > 0 && borderColor_ != clNone) {
        std::unique_ptr<TGPGraphicsPath> shape(RoundRectPath(r, rounding_, roundingType_));
        TGPPen pen(ArgbFromColor(oB, borderColor_), REAL(borderWidth_));
        Graphics->DrawPath(&pen, shape.get());
    }

    DrawGlow(Graphics, r);

    FocusRect = MakeRectF(r.X + borderWidth_, r.Y + borderWidth_, r.Width - 2 * borderWidth_,
                          r.Height - 2 * borderWidth_);
    if (Focus) {
        std::unique_ptr<TGPGraphicsPath> shape(
            RoundRectPath(FocusRect, rounding_ - borderWidth_, roundingType_));
        TGPPen pen(ArgbFromColor(o, FocusColor), 1);
        pen.SetDashStyle(DashStyleDot);
        const SmoothingMode previous = Graphics->GetSmoothingMode();
        Graphics->SetSmoothingMode(SmoothingModeDefault);
        Graphics->DrawPath(&pen, shape.get());
        Graphics->SetSmoothingMode(previous);
    }

    if (backGroundPictureMode_ == pmOutsideFill && gradientType_ == gtTexture)
        DrawPositionedPicture(Graphics, backGroundPicture_.get(), area, backGroundPicturePosition_,
                              backGroundPictureLeft_, backGroundPictureTop_, bgW, bgH,
                              backGroundPictureAspectRatio_, backGroundPictureAspectMode_);

    int pw = 0, ph = 0;
    if (!picture_->Empty()) {
        picture_->GetImageSizes();
        pw = pictureSize_ == psCustom ? pictureWidth_ : picture_->Width();
        ph = pictureSize_ == psCustom ? pictureHeight_ : picture_->Height();
    }
    DrawPositionedPicture(Graphics, picture_.get(), area, picturePosition_, pictureLeft_,
                          pictureTop_, pw, ph, pictureAspectRatio_, pictureAspectMode_);
    return r;
}
