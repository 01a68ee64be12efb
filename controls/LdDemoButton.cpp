#include "LdDemoButton.h"

#include "VirtualKeys.h"

#include <algorithm>

namespace {

// Text flags of each caption alignment (one line).
unsigned AlignmentFlags(TLdTextAlignment A)
{
    switch (A) {
    case vtaLeft: return DT_VCENTER | DT_LEFT;
    case vtaCenter: return DT_VCENTER | DT_CENTER;
    case vtaRight: return DT_VCENTER | DT_RIGHT;
    case vtaTopLeft: return DT_TOP | DT_LEFT;
    case vtaTop: return DT_CENTER;
    case vtaTopRight: return DT_RIGHT;
    case vtaBottomLeft: return DT_BOTTOM;
    case vtaBottom: return DT_BOTTOM | DT_CENTER;
    case vtaBottomRight: return DT_BOTTOM | DT_RIGHT;
    }
    return DT_VCENTER | DT_CENTER;
}

void ButtonFont(TFont &F, TColor Color)
{
    F.SetName("Arial");
    F.SetSize(12);
    F.SetStyle(TFontStyles{fsBold});
    F.SetColor(Color);
}

} // namespace

TLdDemoButton::TLdDemoButton(TComponent *AOwner) : TLdCustomImageControl(AOwner)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csSetCaption});
    SetColor(clBtnFace);
    ButtonFont(fontEnter_, clRed);
    ButtonFont(fontLeave_, clBlack);
    for (TFont *f : {&fontEnter_, &fontLeave_})
        f->OnChange = [this](TObject *) { Changed(); };
    bitmap_.OnChange = [this](TObject *) { Changed(); };
    font3D_.OnChange = [this](TObject *) { Changed(); };
    SetBounds(Left(), Top(), 150, 25);
}

template <typename T>
void TLdDemoButton::Store(T &Field, T Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TLdDemoButton::SetBevelWidth(int Value) { Store(bevelWidth_, std::clamp(Value, 0, 255)); }
void TLdDemoButton::SetOutlineWidth(int Value) { Store(outlineWidth_, Value); }
void TLdDemoButton::SetOutlineColor(TColor Value) { Store(outlineColor_, Value); }
void TLdDemoButton::SetShadowColor(TColor Value) { Store(shadowColor_, Value); }
void TLdDemoButton::SetHighlightColor(TColor Value) { Store(highlightColor_, Value); }
void TLdDemoButton::SetFocusColor(TColor Value) { Store(focusColor_, Value); }
void TLdDemoButton::SetDisabledTextColor(TColor Value) { Store(disabledTextColor_, Value); }
void TLdDemoButton::SetTextAlignment(TLdTextAlignment Value) { Store(textAlignment_, Value); }
void TLdDemoButton::SetFlat(bool Value) { Store(flat_, Value); }

void TLdDemoButton::Paint()
{
    ClearBitmap();
    TCanvas *c = Image()->Canvas();
    TRect r = ClientRect();
    if (down_)
        r.Offset(1, 1);
    if (!bitmap_.Empty())
        TileBitmap(c, r, &bitmap_);
    r = ClientRect();
    const TColor outline = HasFocus() ? focusColor_ : outlineColor_;
    DrawFrame3D(c, r, outline, outline, outlineWidth_);
    if (down_)
        DrawFrame3D(c, r, shadowColor_, highlightColor_, bevelWidth_);
    else if (!flat_ || hasMouse_)
        DrawFrame3D(c, r, highlightColor_, shadowColor_, bevelWidth_);
    else
        r = Rect(r.Left + bevelWidth_, r.Top + bevelWidth_, r.Right - bevelWidth_, r.Bottom - bevelWidth_);
    c->SetFont(hasMouse_ && Enabled() ? &fontEnter_ : &fontLeave_);
    if (!Enabled())
        c->Font()->SetColor(disabledTextColor_);
    if (down_)
        r.Offset(1, 1);
    font3D_.Paint(c, r, DT_SINGLELINE | AlignmentFlags(textAlignment_), Caption());
    TLdCustomImageControl::Paint();
}

void TLdDemoButton::PressAt(int X, int Y)
{
    if (!ClientRect().Contains(X, Y))
        return;
    pressed_ = true;
    down_ = true;
    if (TabStop())
        SetFocus();
    Changed();
}

void TLdDemoButton::Release(bool Fire)
{
    const bool click = Fire && pressed_ && down_;
    pressed_ = false;
    down_ = false;
    if (click) {
        Changed();
        if (OnClick)
            OnClick(this);
    }
}

void TLdDemoButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        PressAt(X, Y);
    TLdCustomImageControl::MouseDown(Button, Shift, X, Y);
}

void TLdDemoButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TLdCustomImageControl::MouseMove(Shift, X, Y);
    if (!pressed_)
        return;
    const bool inside = ClientRect().Contains(X, Y);
    if (inside != down_) {
        down_ = inside;
        Changed();
    }
}

void TLdDemoButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        std::shared_ptr<bool> alive = aliveToken_;
        Release(true);
        if (!*alive)
            return;
    }
    TLdCustomImageControl::MouseUp(Button, Shift, X, Y);
}

void TLdDemoButton::KeyDown(Word &Key, TShiftState Shift)
{
    if (Key == VK_SPACE && !down_)
        PressAt(0, 0);
    TLdCustomImageControl::KeyDown(Key, Shift);
}

void TLdDemoButton::KeyUp(Word &Key, TShiftState Shift)
{
    if (Key == VK_SPACE)
        Release(true);
    else
        TLdCustomImageControl::KeyUp(Key, Shift);
}

void TLdDemoButton::MouseEnter()
{
    hasMouse_ = true;
    Changed();
    TLdCustomImageControl::MouseEnter();
}

void TLdDemoButton::MouseLeave()
{
    hasMouse_ = false;
    Changed();
    TLdCustomImageControl::MouseLeave();
}




void TLdDemoButton::TextChanged()
{
    Changed();
    TLdCustomImageControl::TextChanged();
}

bool TLdDemoButton::DialogChar(QChar Key)
{
    if (!Enabled() || !IsAccel(Key, Caption()))
        return false;
    if (OnClick)
        OnClick(this);
    return true;
}
