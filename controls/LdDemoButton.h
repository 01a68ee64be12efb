#pragma once
#include "LdCustomControl.h"
#include "LdDrawing.h"
#include "LdPersistent.h"

enum TLdTextAlignment {
    vtaLeft, vtaCenter, vtaRight, vtaTopLeft, vtaTop, vtaTopRight, vtaBottomLeft, vtaBottom, vtaBottomRight,
};

// A bevelled push button whose caption changes to FontEnter while the mouse
// is over it. OnClick fires when a press (mouse or space) is released over
// the button, and for the caption's accelerator.
class TLdDemoButton : public TLdCustomImageControl {
public:
    explicit TLdDemoButton(TComponent *AOwner);

    TFont *FontEnter() { return &fontEnter_; }
    TFont *FontLeave() { return &fontLeave_; }
    TBitmap *Bitmap() { return &bitmap_; }
    TLdFont3D *Font3D() { return &font3D_; }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int Value);
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor Value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor Value);
    TColor DisabledTextColor() const { return disabledTextColor_; }
    void SetDisabledTextColor(TColor Value);
    TLdTextAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TLdTextAlignment Value);
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    bool IsDown() const { return down_; }
    bool HasMouse() const { return hasMouse_; }

    void Paint() override;
    void Click() override {}
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word &Key, TShiftState Shift) override;
    void KeyUp(Word &Key, TShiftState Shift) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void PressAt(int X, int Y);
    void TextChanged() override;
    bool DialogChar(QChar Key) override;

private:
    template <typename T>
    void Store(T &Field, T Value);
    // Ends a press: OnClick when it was released over the button.
    void Release(bool Fire);

    TBitmap bitmap_;
    TFont fontEnter_, fontLeave_;
    int bevelWidth_ = 2, outlineWidth_ = 1;
    TColor outlineColor_ = clBlack, shadowColor_ = clBtnShadow, highlightColor_ = clBtnHighlight;
    TColor focusColor_ = clBlue;
    TLdTextAlignment textAlignment_ = vtaCenter;
    TColor disabledTextColor_ = clInactiveCaption;
    TLdFont3D font3D_;
    bool flat_ = false, hasMouse_ = false, down_ = false, pressed_ = false;
};
