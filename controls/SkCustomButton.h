#pragma once
#include "CustomControl.h"
#include "SkCommon.h"

// The press and hot tracking of the Sk push buttons and their caption
// drawing (raised, recessed or shadowed text, aligned vertically).
// ButtonClicked is what a completed press does.
class TSkCustomButton : public TCustomControl {
public:
    explicit TSkCustomButton(TComponent *AOwner);

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    virtual void SetAlignmentVertical(TAlignmentVertical Value);
    bool HotTrack() const { return hotTrack_; }
    virtual void SetHotTrack(bool Value);
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(TColor Value);
    TSkHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(TSkHotTrackColorType Value);
    TColor HighlightColor() const { return highlightColor_; }
    virtual void SetHighlightColor(TColor Value);
    bool LightTextStyle() const { return lightTextStyle_; }
    virtual void SetLightTextStyle(bool Value);
    TTextStyle TextStyle() const { return textStyle_; }
    virtual void SetTextStyle(TTextStyle Value);
    TColor TextHighlightColor() const { return textHighlightColor_; }
    virtual void SetTextHighlightColor(TColor Value);
    TColor TextShadowColor() const { return textShadowColor_; }
    virtual void SetTextShadowColor(TColor Value);
    int TextShadowDepth() const { return textShadowDepth_; }
    virtual void SetTextShadowDepth(int Value);
    bool ThemeAware() const { return themeAware_; }
    virtual void SetThemeAware(bool Value);
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool Value);

    bool ShowPressed() const { return showPressed_; }
    bool MouseOver() const { return mouseOver_; }

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word &Key, TShiftState Shift) override;
    void KeyUp(Word &Key, TShiftState Shift) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    virtual void UpdateDisplay() { Invalidate(); }
    virtual void RepaintFocus() { Repaint(); }
    virtual TRect GetHotTrackRect() { return ClientRect(); }
    // The themed look: ThemeAware and the theme switch on.
    virtual bool UsingSystemStyle() const;
    // The caption in R, placed vertically by AlignmentVertical, with its
    // raised, recessed or shadow copies; grey when disabled.
    virtual void DrawCaption(TCanvas *Canvas, TRect R, unsigned Flags);
    virtual void ButtonClicked() = 0;
    // The caption is right-aligned (the shadow copy then moves only down).
    virtual bool RightAligned() const { return false; }

    void FocusGained() override;
    void FocusLost() override;
    void EnabledChanged() override;
    void TextChanged() override;

    bool dragging_ = false;
    bool showPressed_ = false;
    bool keyToggle_ = false;
    bool mouseOver_ = false;

private:
    template <typename T>
    void Store(T &Field, T Value);

    TAlignmentVertical alignmentVertical_ = avCenter;
    bool hotTrack_ = false;
    TColor hotTrackColor_;
    TSkHotTrackColorType hotTrackColorType_ = htctActual;
    TColor highlightColor_;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = tsNormal;
    TColor textHighlightColor_;
    TColor textShadowColor_;
    int textShadowDepth_ = 2;
    bool themeAware_ = true;
    bool transparent_ = false;
};
