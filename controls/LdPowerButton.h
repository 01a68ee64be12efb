#pragma once
#include "LdCustomControl.h"
#include "LdDrawing.h"
#include "LdPersistent.h"

// A toggle button with a small LED: each click flips Active first and
// reports it second (OnClick reads the new state); dragging out before the
// release cancels. Setting Active from code repaints without OnClick. The
// LED shows Palette.High when Active, Palette.Low when not, Color when the
// button is disabled.
class TLdPowerButton : public TLdCustomImageControl {
public:
    explicit TLdPowerButton(TComponent *AOwner);

    bool Active() const { return active_; }
    void SetActive(bool Value);
    int LedWidth() const { return ledWidth_; }
    void SetLedWidth(int Value);
    int LedHeight() const { return ledHeight_; }
    void SetLedHeight(int Value);
    TLdImageTextLayout Layout() const { return layout_; }
    void SetLayout(TLdImageTextLayout Value);
    int Margin() const { return margin_; }
    void SetMargin(int Value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value);
    TLdPalette *Palette() { return &palette_; }
    void SetPalette(TLdPalette *Value) { palette_.Assign(Value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int Value);
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor Value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor Value);

    // Where the LED and the caption lie (after the first layout).
    TRect ImageRect() const { return imageRect_; }
    TRect TextBounds() const { return textBounds_; }
    bool Pressed() const { return pressed_; }

    void Paint() override;
    // The toolkit's own click paths do nothing: OnClick comes from the
    // press and key handlers only.
    void Click() override {}
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // While the button is held, leaving it lets go of the press and coming
    // back takes it again.
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(Word &Key, TShiftState Shift) override;
    void KeyUp(Word &Key, TShiftState Shift) override;

protected:
    void CalcLayout();
    void DrawLed();
    void Resize() override;
    void FontChanged() override;
    void TextChanged() override;
    bool DialogChar(QChar Key) override;

private:
    template <typename T>
    void Store(T &Field, T Value, bool Relayout);
    void Toggle();

    bool active_ = false;
    int ledWidth_ = 12, ledHeight_ = 12;
    TLdPalette palette_;
    int bevelWidth_ = 2;
    TColor highlightColor_ = clBtnHighlight, shadowColor_ = clBtnShadow, outlineColor_ = clBlack;
    int outlineWidth_ = 1;
    int spacing_ = 5, margin_ = -1;
    TLdImageTextLayout layout_ = ImageLeft;
    TColor focusColor_ = clBlue;
    bool down_ = false, pressed_ = false;
    TRect textBounds_, imageRect_;
};
