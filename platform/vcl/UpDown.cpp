#include "UpDown.h"

#include <algorithm>

TUpDown::TUpDown(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 17, 21);
    SetColor(clBtnFace);
}

bool TUpDown::AllowChange(int NewValue, TUpDownDirection Direction)
{
    bool allow = true;
    if (OnChangingEx)
        OnChangingEx(this, allow, NewValue, Direction);
    return allow;
}

void TUpDown::SetPosition(int Value)
{
    if (Value == position_ || !AllowChange(Value, updNone))
        return;
    position_ = Value;
    Invalidate();
}

void TUpDown::Paint()
{
    TCanvas *c = Canvas();
    const int half = Height() / 2;
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, Width(), Height()));
    c->Pen()->SetColor(clBtnShadow);
    c->MoveTo(0, half);
    c->LineTo(Width(), half);
    c->Brush()->SetColor(clBtnText);
    c->Pen()->SetColor(clBtnText);
    const int cx = Width() / 2;
    c->Polygon({{cx - 3, half - 3}, {cx + 3, half - 3}, {cx, half - 6}});
    c->Polygon({{cx - 3, half + 3}, {cx + 3, half + 3}, {cx, half + 6}});
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled())
        Click(Y < Height() / 2 ? btNext : btPrev);
}

void TUpDown::Click(TUDBtnType Button)
{
    const int step = Button == btNext ? increment_ : -increment_;
    const int wanted = position_ + step;
    const int next = std::clamp(wanted, std::min(min_, max_), std::max(min_, max_));
    if (AllowChange(wanted, Button == btNext ? updUp : updDown) && next != position_) {
        position_ = next;
        Invalidate();
    }
    if (OnClick)
        OnClick(this, Button);
}
