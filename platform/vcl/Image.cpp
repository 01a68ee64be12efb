#include "Image.h"

TImage::TImage(TComponent *AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this](TObject *) {
        if (TGraphic *g = picture_.Graphic(); g && transparent_ != g->Transparent())
            g->SetTransparent(transparent_);
        Invalidate();
    };
}

TRect TImage::DestRect() const
{
    int w = picture_.Width(), h = picture_.Height();
    const int cw = ClientWidth(), ch = ClientHeight();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
                w = ch * w / h;
                h = ch;
            } else {
                h = cw * h / w;
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r = Bounds(0, 0, w, h);
    if (center_)
        r.Offset((cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint()
{
    if (TGraphic *g = picture_.Graphic(); g && !g->Empty())
        Canvas()->StretchDraw(DestRect(), g);
}

void TImage::SetStretch(bool Value)
{
    if (Value == stretch_)
        return;
    stretch_ = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value)
{
    if (Value == center_)
        return;
    center_ = Value;
    Invalidate();
}

void TImage::SetProportional(bool Value)
{
    if (Value == proportional_)
        return;
    proportional_ = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    if (Value == transparent_)
        return;
    transparent_ = Value;
    if (TGraphic *g = picture_.Graphic())
        g->SetTransparent(Value);
    Invalidate();
}
