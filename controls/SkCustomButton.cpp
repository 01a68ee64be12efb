#include "SkCustomButton.h"

#include "Form.h"
#include "SkColorUtils.h"
#include "SkTextUtils.h"
#include "Themes.h"
#include "VirtualKeys.h"

TSkCustomButton::TSkCustomButton(TComponent *AOwner)
    : TCustomControl(AOwner), hotTrackColor_(RGB(240, 155, 20)), highlightColor_(clHighlight),
      textHighlightColor_(clBtnHighlight), textShadowColor_(clBtnShadow)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csOpaque, csDoubleClicks, csReplicatable});
    SetBounds(Left(), Top(), 115, 17);
    SetTabStop(true);
}

template <typename T>
void TSkCustomButton::Store(T &Field, T Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Invalidate();
}

void TSkCustomButton::SetAlignmentVertical(TAlignmentVertical Value) { Store(alignmentVertical_, Value); }
void TSkCustomButton::SetHotTrack(bool Value) { Store(hotTrack_, Value); }
void TSkCustomButton::SetHotTrackColor(TColor Value) { Store(hotTrackColor_, Value); }
void TSkCustomButton::SetHotTrackColorType(TSkHotTrackColorType Value) { Store(hotTrackColorType_, Value); }
void TSkCustomButton::SetHighlightColor(TColor Value) { Store(highlightColor_, Value); }
void TSkCustomButton::SetLightTextStyle(bool Value) { Store(lightTextStyle_, Value); }
void TSkCustomButton::SetTextStyle(TTextStyle Value) { Store(textStyle_, Value); }
void TSkCustomButton::SetTextHighlightColor(TColor Value) { Store(textHighlightColor_, Value); }
void TSkCustomButton::SetTextShadowColor(TColor Value) { Store(textShadowColor_, Value); }
void TSkCustomButton::SetTextShadowDepth(int Value) { Store(textShadowDepth_, Value); }
void TSkCustomButton::SetThemeAware(bool Value) { Store(themeAware_, Value); }
void TSkCustomButton::SetTransparent(bool Value)
{
    // A transparent button lets the parent show where it paints nothing
    // (the cut corners of the flat look).
    TControlStyle style = ControlStyle();
    if (Value)
        style.Include(csParentBackground);
    else
        style.Exclude(csParentBackground);
    SetControlStyle(style);
    Store(transparent_, Value);
}

bool TSkCustomButton::UsingSystemStyle() const
{
    return themeAware_ && ThemesEnabled();
}

void TSkCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!*alive || Button != mbLeft || !Enabled())
        return;
    SetFocus();
    if (Focused()) {
        showPressed_ = true;
        UpdateDisplay();
        dragging_ = true;
    }
}

void TSkCustomButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!dragging_)
        return;
    const bool inside = ClientRect().Contains(X, Y);
    if (inside != showPressed_) {
        showPressed_ = inside;
        UpdateDisplay();
    }
}

void TSkCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!*alive || !dragging_)
        return;
    dragging_ = false;
    showPressed_ = false;
    if (ClientRect().Contains(X, Y))
        ButtonClicked();
    if (*alive)
        UpdateDisplay();
}

void TSkCustomButton::KeyDown(Word &Key, TShiftState Shift)
{
    if (Key == VK_SPACE && !Shift.Contains(ssAlt)) {
        keyToggle_ = true;
        showPressed_ = true;
        UpdateDisplay();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TSkCustomButton::KeyUp(Word &Key, TShiftState Shift)
{
    std::shared_ptr<bool> alive = aliveToken_;
    if (Key == VK_SPACE) {
        showPressed_ = false;
        if (keyToggle_)
            ButtonClicked();
        if (!*alive)
            return;
        UpdateDisplay();
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TSkCustomButton::MouseEnter()
{
    if (ComponentState().Contains(csDesigning))
        return;
    mouseOver_ = true;
    TCustomControl::MouseEnter();
    if (hotTrack_ || UsingSystemStyle())
        Invalidate();
}

void TSkCustomButton::MouseLeave()
{
    mouseOver_ = false;
    TCustomControl::MouseLeave();
    if (hotTrack_ || UsingSystemStyle())
        Invalidate();
}

void TSkCustomButton::FocusGained()
{
    TCustomControl::FocusGained();
    RepaintFocus();
}

void TSkCustomButton::FocusLost()
{
    TCustomControl::FocusLost();
    if (ComponentState().Contains(csDestroying))
        return;
    Repaint();
    keyToggle_ = false; // a space press is cancelled by losing the focus
    showPressed_ = false;
    UpdateDisplay();
}

void TSkCustomButton::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    // A disabled button gives up the focus.
    if (!Enabled() && Parent() && Focused()) {
        if (TCustomForm *form = GetParentForm(this))
            form->SetFocus();
    }
    Invalidate();
}

void TSkCustomButton::TextChanged()
{
    TCustomControl::TextChanged();
    Repaint();
}

void TSkCustomButton::DrawCaption(TCanvas *Canvas, TRect R, unsigned Flags)
{
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->SetFont(Font());
    TRect measure = R;
    const int a = DrawTextInRect(Canvas, Caption(), measure, 0x455);
    switch (alignmentVertical_) {
    case avTop: R.Bottom = R.Top + a; break;
    case avCenter:
        R.Top = (R.Top + R.Bottom - a) / 2;
        R.Bottom = R.Top + a;
        break;
    case avBottom: R.Top = R.Bottom - a - 1; break;
    }
    auto copy = [&](TColor c, int dx, int dy) {
        TRect r = R;
        r.Offset(dx, dy);
        Canvas->Font()->SetColor(c);
        DrawTextInRect(Canvas, Caption(), r, Flags);
    };
    if (Enabled()) {
        if (textStyle_ == tsRaised || textStyle_ == tsRecessed) {
            const bool raised = textStyle_ == tsRaised;
            const TColor c1 = raised ? textHighlightColor_ : textShadowColor_;
            const TColor c2 = raised ? textShadowColor_ : textHighlightColor_;
            if (!(lightTextStyle_ && raised))
                copy(c2, 1, 1);
            if (!(lightTextStyle_ && !raised))
                copy(c1, -1, -1);
        } else if (textStyle_ == tsShadow) {
            copy(textShadowColor_, RightAligned() ? 0 : textShadowDepth_, textShadowDepth_);
        }
        Canvas->Font()->SetColor(Font()->Color());
        if (RightAligned())
            R.Offset(-textShadowDepth_, 0);
    } else {
        Canvas->Font()->SetColor(ColorsLookAlike(Color(), clGrayText) ? cl3DDkShadow : clGrayText);
    }
    DrawTextInRect(Canvas, Caption(), R, Flags);
    Canvas->Brush()->SetStyle(bsSolid);
}
