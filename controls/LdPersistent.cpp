#include "LdPersistent.h"

void TLdPersistent::EndUpdate()
{
    if (updateCount_ > 0)
        --updateCount_;
    Changed();
}

void TLdPersistent::Changed()
{
    if (updateCount_ == 0 && OnChange)
        OnChange(this);
}

void TLdPalette::SetLow(TColor Value)
{
    if (Value == low_)
        return;
    low_ = Value;
    Changed();
}

void TLdPalette::SetHigh(TColor Value)
{
    if (Value == high_)
        return;
    high_ = Value;
    Changed();
}

void TLdPalette::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TLdPalette *>(Source);
    if (!other) {
        TLdPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    SetLow(other->Low());
    SetHigh(other->High());
    EndUpdate();
}

void TLdPalette::ToBMP(TBitmap *Bitmap, TColor DarkColor, TColor LightColor) const
{
    const int w = Bitmap->Width(), h = Bitmap->Height();
    // Each colour through a mask of its pixels: the brush colour goes where
    // the mask is white, the picture stays elsewhere.
    TBitmap dark, light;
    dark.Assign(Bitmap);
    dark.Mask(DarkColor);
    light.Assign(Bitmap);
    light.Mask(LightColor);
    TCanvas *c = Bitmap->Canvas();
    const TCopyMode mode = c->CopyMode();
    const TColor brush = c->Brush()->Color(), font = c->Font()->Color();
    c->Font()->SetColor(clBlack);
    c->SetCopyMode(DSPDXAX);
    c->Brush()->SetColor(low_);
    c->CopyRect(Rect(0, 0, w, h), dark.Canvas(), Rect(0, 0, w, h));
    c->Brush()->SetColor(high_);
    c->CopyRect(Rect(0, 0, w, h), light.Canvas(), Rect(0, 0, w, h));
    c->SetCopyMode(mode);
    c->Brush()->SetColor(brush);
    c->Font()->SetColor(font);
}

template <typename T>
void TLdFont3D::Store(T &Field, T Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TLdFont3D::SetStyle(TLdFont3DStyle Value) { Store(style_, Value); }
void TLdFont3D::SetHighlightColor(TColor Value) { Store(highlightColor_, Value); }
void TLdFont3D::SetShadowColor(TColor Value) { Store(shadowColor_, Value); }
void TLdFont3D::SetHighlightDepth(int Value) { Store(highlightDepth_, Value); }
void TLdFont3D::SetShadowDepth(int Value) { Store(shadowDepth_, Value); }

void TLdFont3D::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TLdFont3D *>(Source);
    if (!other) {
        TLdPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    SetStyle(other->style_);
    SetHighlightColor(other->highlightColor_);
    SetShadowColor(other->shadowColor_);
    SetHighlightDepth(other->highlightDepth_);
    SetShadowDepth(other->shadowDepth_);
    EndUpdate();
}

void TLdFont3D::Paint(TCanvas *Canvas, const TRect &R, unsigned Flags, const QString &Text) const
{
    Canvas->Brush()->SetStyle(bsClear);
    const TColor own = Canvas->Font()->Color();
    auto copy = [&](TColor c, int d) {
        TRect r = R;
        r.Offset(d, d);
        Canvas->Font()->SetColor(c);
        Canvas->DrawText(Text, r, Flags);
    };
    switch (style_) {
    case f3dRaised:
        copy(shadowColor_, shadowDepth_);
        copy(highlightColor_, -highlightDepth_);
        break;
    case f3dSunken:
        copy(highlightColor_, highlightDepth_);
        copy(shadowColor_, -shadowDepth_);
        break;
    case f3dShadow: copy(shadowColor_, shadowDepth_); break;
    case f3dNone: break;
    }
    copy(own, 0);
}
