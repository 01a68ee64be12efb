#pragma once
#include "Bitmap.h"
#include "ButtonFace.h"
#include "Form.h"
#include "SkCustomButton.h"

// The message by which a push button tells the buttons of its parent that
// it went down (WParam its GroupIndex, LParam the button).
constexpr unsigned ButtonGroupMessage = 0x2421;

// A push button in one of three looks: themed (ThemeAware with themes on),
// flat with hot tracking (HotTrack), or classic bevelled in any face
// colour. Enter clicks the active button (the focused push button, or the
// Default one while the focus is on a control that is no button), Escape a
// Cancel button, neither with Shift, Ctrl or Alt. Buttons of one parent with
// the same non-zero GroupIndex behave as the bitmap buttons' groups. Click
// writes ModalResult into the form only while it is shown modally.
class TSkButton : public TSkCustomButton {
public:
    explicit TSkButton(TComponent *AOwner);

    TAlignment Alignment() const { return alignment_; }
    virtual void SetAlignment(TAlignment Value);
    bool AllowAllUp() const { return allowAllUp_; }
    virtual void SetAllowAllUp(bool Value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    bool Default() const { return default_; }
    virtual void SetDefault(bool Value);
    bool DropDownOnEnter() const { return dropDownOnEnter_; }
    void SetDropDownOnEnter(bool Value) { dropDownOnEnter_ = Value; }
    int GroupIndex() const { return groupIndex_; }
    virtual void SetGroupIndex(int Value);
    bool Down() const { return down_; }
    virtual void SetDown(bool Value);
    TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(TColor Value);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    bool ShowDownPattern() const { return showDownPattern_; }
    virtual void SetShowDownPattern(bool Value);
    bool ShowFocusRect() const { return showFocusRect_; }
    virtual void SetShowFocusRect(bool Value);
    void SetHotTrack(bool Value) override;

    // True while Enter would click this button.
    bool IsActive() const { return active_; }
    void Click() override;
    void Paint() override;

protected:
    void ButtonClicked() override;
    bool RightAligned() const override { return alignment_ == taRightJustify; }
    void WndProc(TMessage &Message) override;
    bool DialogChar(QChar Key) override;
    void FocusChanged(TWinControl *Focused) override;
    void BroadcastGroupDown();
    TRect GetCaptionRect() const;
    void PaintCaptionText();
    // The 8 x 8 staying-down checker: silver on Color (grey on silver).
    void FillDownPattern(TBitmap &Pattern) const;

private:
    bool Pressed() const;
    void PaintClassic(TRect &B);
    void PaintFlat(TRect &B);
    void PaintHotFace(TRect B);

    TAlignment alignment_ = taCenter;
    bool allowAllUp_ = false;
    bool cancel_ = false;
    bool default_ = false;
    bool dropDownOnEnter_ = true;
    int groupIndex_ = 0;
    bool down_ = false;
    TColor frameColor_ = cl3DDkShadow;
    TModalResult modalResult_ = mrNone;
    bool showDownPattern_ = true;
    bool showFocusRect_ = true;
    bool active_ = false;
    bool clicking_ = false;
    TButtonState groupState_ = bsUp;
};
