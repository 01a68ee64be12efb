#include "LdPowerButton.h"

#include "VirtualKeys.h"

#include <algorithm>

TLdPowerButton::TLdPowerButton(TComponent *AOwner) : TLdCustomImageControl(AOwner)
{
    // Double clicks arrive as single presses; the click comes from the
    // handlers below, not from the toolkit.
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csSetCaption});
    SetColor(clBtnFace);
    SetTabStop(false);
    palette_.OnChange = [this](TObject *) { Changed(); };
    SetBounds(Left(), Top(), 125, 25);
    CalcLayout();
}

template <typename T>
void TLdPowerButton::Store(T &Field, T Value, bool Relayout)
{
    if (Field == Value)
        return;
    Field = Value;
    if (Relayout)
        CalcLayout();
    Changed();
}

void TLdPowerButton::SetActive(bool Value) { Store(active_, Value, false); }
void TLdPowerButton::SetLedWidth(int Value) { Store(ledWidth_, std::max(Value, 1), true); }
void TLdPowerButton::SetLedHeight(int Value) { Store(ledHeight_, std::max(Value, 1), true); }
void TLdPowerButton::SetLayout(TLdImageTextLayout Value) { Store(layout_, Value, true); }
void TLdPowerButton::SetMargin(int Value) { Store(margin_, Value, true); }
void TLdPowerButton::SetSpacing(int Value) { Store(spacing_, Value, true); }
void TLdPowerButton::SetBevelWidth(int Value) { Store(bevelWidth_, std::clamp(Value, 0, 255), true); }
void TLdPowerButton::SetOutlineWidth(int Value) { Store(outlineWidth_, std::clamp(Value, 0, 255), true); }
void TLdPowerButton::SetOutlineColor(TColor Value) { Store(outlineColor_, Value, false); }
void TLdPowerButton::SetHighlightColor(TColor Value) { Store(highlightColor_, Value, false); }
void TLdPowerButton::SetShadowColor(TColor Value) { Store(shadowColor_, Value, false); }
void TLdPowerButton::SetFocusColor(TColor Value) { Store(focusColor_, Value, false); }

void TLdPowerButton::CalcLayout()
{
    const int inset = bevelWidth_ + outlineWidth_;
    const TRect client = Rect(inset, inset, Width() - inset, Height() - inset);
    Canvas()->SetFont(Font());
    TPoint led;
    CalcImageTextLayout(Canvas(), client, Caption(), TSize(ledWidth_, ledHeight_), spacing_, margin_, layout_, led,
                        textBounds_);
    imageRect_ = Bounds(led.X, led.Y, ledWidth_, ledHeight_);
}

void TLdPowerButton::DrawLed()
{
    TCanvas *c = Image()->Canvas();
    TRect r = imageRect_;
    DrawFrame3D(c, r, shadowColor_, highlightColor_, 1);
    DrawFrame3D(c, r, clBlack, clBlack, 1);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Enabled() ? palette_.ColorForState(active_ ? 1 : 0) : Color());
    c->FillRect(r);
}

void TLdPowerButton::Paint()
{
    ClearBitmap();
    TCanvas *c = Image()->Canvas();
    TRect r = ClientRect();
    DrawFrame3D(c, r, HasFocus() ? focusColor_ : outlineColor_, HasFocus() ? focusColor_ : outlineColor_, outlineWidth_);
    if (pressed_) {
        r = ClientRect();
        DrawFrame3D(c, r, outlineColor_, highlightColor_, outlineWidth_);
        DrawFrame3D(c, r, shadowColor_, outlineColor_, bevelWidth_);
    } else {
        DrawFrame3D(c, r, highlightColor_, shadowColor_, bevelWidth_);
    }
    DrawLed();
    c->SetFont(Font());
    DrawButtonCaption(c, Caption(), textBounds_, Enabled());
    TLdCustomImageControl::Paint();
}

void TLdPowerButton::Toggle()
{
    pressed_ = false;
    active_ = !active_;
    Changed();
}

void TLdPowerButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        down_ = true;
        pressed_ = true;
        Changed();
        if (TabStop())
            SetFocus();
    }
    TLdCustomImageControl::MouseDown(Button, Shift, X, Y);
}

void TLdPowerButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TLdCustomImageControl::MouseMove(Shift, X, Y);
    if (!down_)
        return;
    const bool inside = ClientRect().Contains(X, Y);
    if (inside != pressed_) {
        pressed_ = inside;
        Changed();
    }
}

void TLdPowerButton::MouseEnter()
{
    if (down_ && !pressed_) {
        pressed_ = true;
        Changed();
    }
    TLdCustomImageControl::MouseEnter();
}

void TLdPowerButton::MouseLeave()
{
    if (down_ && pressed_) {
        pressed_ = false;
        Changed();
    }
    TLdCustomImageControl::MouseLeave();
}

void TLdPowerButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    down_ = false;
    const bool click = pressed_;
    if (click)
        Toggle();
    std::shared_ptr<bool> alive = aliveToken_;
    TLdCustomImageControl::MouseUp(Button, Shift, X, Y);
    if (click && *alive && OnClick)
        OnClick(this);
}

void TLdPowerButton::KeyDown(Word &Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        pressed_ = true;
        Changed();
    }
    TLdCustomImageControl::KeyDown(Key, Shift);
}

void TLdPowerButton::KeyUp(Word &Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        down_ = false;
        Toggle();
        if (OnClick)
            OnClick(this);
        return;
    }
    TLdCustomImageControl::KeyUp(Key, Shift);
}

bool TLdPowerButton::DialogChar(QChar Key)
{
    if (!Enabled() || !IsAccel(Key, Caption()))
        return false;
    if (OnClick)
        OnClick(this);
    return true;
}

void TLdPowerButton::Resize()
{
    TLdCustomImageControl::Resize();
    CalcLayout();
    Changed();
}

void TLdPowerButton::FontChanged()
{
    CalcLayout();
    Changed();
    TLdCustomImageControl::FontChanged();
}

void TLdPowerButton::TextChanged()
{
    CalcLayout();
    Changed();
    TLdCustomImageControl::TextChanged();
}



