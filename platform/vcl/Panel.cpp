#include "Panel.h"

void Frame3D(TCanvas *Canvas, TRect &R, TColor TopColor, TColor BottomColor, int Width)
{
    TPen *pen = Canvas->Pen();
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    for (int i = 0; i < Width && !R.IsEmpty(); ++i) {
        pen->SetColor(TopColor);
        Canvas->MoveTo(R.Left, R.Bottom - 1);
        Canvas->LineTo(R.Left, R.Top);
        Canvas->LineTo(R.Right - 1, R.Top);
        pen->SetColor(BottomColor);
        Canvas->LineTo(R.Right - 1, R.Bottom - 1);
        Canvas->LineTo(R.Left - 1, R.Bottom - 1);
        R.Inflate(-1, -1);
    }
}

TCustomPanel::TCustomPanel(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle().Include(csAcceptsControls).Include(csOpaque));
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Paint()
{
    TCanvas *c = Canvas();
    TRect r = ClientRect();
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone)
            return;
        TColor top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
        TColor bottom = cut == bvLowered ? clBtnHighlight : clBtnShadow;
        if (cut == bvSpace)
            top = bottom = Color();
        Frame3D(c, r, top, bottom, bevelWidth_);
    };
    bevel(bevelOuter_);
    Frame3D(c, r, Color(), Color(), borderWidth_);
    bevel(bevelInner_);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    if (Caption().isEmpty())
        return;
    c->SetFont(Font());
    c->Brush()->SetStyle(bsClear);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS |
                     (alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT);
    c->DrawText(Caption(), r, flags);
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    if (Value == bevelOuter_)
        return;
    bevelOuter_ = Value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
    if (Value == bevelInner_)
        return;
    bevelInner_ = Value;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value)
{
    if (Value < 1 || Value == bevelWidth_)
        return;
    bevelWidth_ = Value;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int Value)
{
    if (Value < 0 || Value == borderWidth_)
        return;
    borderWidth_ = Value;
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value)
{
    if (Value == alignment_)
        return;
    alignment_ = Value;
    Invalidate();
}
