#pragma once
#include "ButtonFace.h"
#include "CustomControl.h"
#include "Form.h"
#include "SkButtonBitmaps.h"
#include "SkCommon.h"

#include <memory>

enum TButtonBorder { bbNone, bbSingle, bbButton };
enum TBtnSize { bszNeither, bszButtonToBitmap, bszStretchToButton, bszTileToButton };

// The message by which a bitmap button tells the other buttons of its parent
// that it went down (WParam its GroupIndex, LParam the button).
constexpr unsigned BmpButtonGroupMessage = 0x2420;

// A focusable button drawn from state pictures (TSkButtonBitmaps). Buttons
// of one parent with the same non-zero GroupIndex form a radio group (one
// stays down) or, with AllowAllUp, a group of toggles of which at most one
// is down. Window code presses a button by setting Down and calling Click.
//
// A button without a border (bbNone) lets its parent show through wherever
// its picture is transparent or absent; it never waits while painting.
// Click writes ModalResult into the form only while that form is shown
// modally (a non-modal window stays open whatever the button carries).
class TSkBmpButton : public TCustomControl {
public:
    explicit TSkBmpButton(TComponent *AOwner);
    ~TSkBmpButton() override;

    bool AllowAllUp() const { return allowAllUp_; }
    virtual void SetAllowAllUp(bool Value);
    TButtonBorder ButtonBorder() const { return buttonBorder_; }
    virtual void SetButtonBorder(TButtonBorder Value);
    TBtnSize ButtonSize() const { return buttonSize_; }
    virtual void SetButtonSize(TBtnSize Value);
    TButtonStyle ButtonStyle() const { return buttonStyle_; }
    virtual void SetButtonStyle(TButtonStyle Value);
    bool Down() const { return down_; }
    virtual void SetDown(bool Value);
    int CaptionDownOffset() const { return captionDownOffset_; }
    virtual void SetCaptionDownOffset(int Value);
    int GroupIndex() const { return groupIndex_; }
    virtual void SetGroupIndex(int Value);
    TButtonLayout Layout() const { return layout_; }
    virtual void SetLayout(TButtonLayout Value);
    int Margin() const { return margin_; }
    // -1 is automatic; values below -1 are ignored.
    virtual void SetMargin(int Value);
    bool ShowDownPattern() const { return showDownPattern_; }
    virtual void SetShowDownPattern(bool Value);
    bool ShowFocus() const { return showFocus_; }
    virtual void SetShowFocus(bool Value);
    int Spacing() const { return spacing_; }
    virtual void SetSpacing(int Value);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    TSkButtonBitmaps *Bitmaps() { return bitmaps_.get(); }
    void SetBitmaps(TSkButtonBitmaps *Value);
    TSkAboutInfo About() const { return aiVelmoComponents; }

    // The paint state (as the last input or paint left it).
    TButtonState State() const { return state_; }
    void Click() override;
    void Paint() override;
    void Loaded() override;

    // The shared staying-down pattern: none until the first staying-down
    // paint that needs it, freed with the last bitmap button.
    static TBitmap *DownPatternBitmap();

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word &Key, TShiftState Shift) override;
    void KeyUp(Word &Key, TShiftState Shift) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void WndProc(TMessage &Message) override;
    bool DialogChar(QChar Key) override;
    void FocusGained() override;
    void FocusLost() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void TextChanged() override;
    void SysColorChanged() override;
    void ColorChanged() override;
    void Resize() override;

    void AdjustButtonSize();
    void BitmapsChanged();
    void BroadcastGroupDown();
    void EndPress(bool Clicked);
    // Places the caption (T) and the glyph (R becomes its rectangle when the
    // glyph is drawn at its own size) within the face rectangle R.
    void LayoutGlyphAndCaption(TRect &T, TRect &R, TBitmap *Glyph);

private:
    bool NewStyle() const;
    bool InClient(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight(); }
    TBitmap *ChooseGlyph(std::unique_ptr<TBitmap> &Greyed);

    std::unique_ptr<TSkButtonBitmaps> bitmaps_;
    bool allowAllUp_ = false;
    TButtonBorder buttonBorder_ = bbNone;
    TBtnSize buttonSize_ = bszButtonToBitmap;
    TButtonStyle buttonStyle_ = bsAutoDetect;
    bool down_ = false;
    int captionDownOffset_ = 1;
    int groupIndex_ = 0;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    bool showDownPattern_ = true;
    bool showFocus_ = true;
    int spacing_ = 4;
    TModalResult modalResult_ = mrNone;
    TButtonState state_ = bsUp;
    bool dragging_ = false;
    bool focused_ = false;
    bool mouseInside_ = false;
};
