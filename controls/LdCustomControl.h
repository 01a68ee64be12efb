#pragma once
#include "Bitmap.h"
#include "CustomControl.h"

#include <QString>

// The base of the Ld controls: grouped updates, and a repaint for each
// change outside them. The mouse coming and going reaches MouseEnter and
// MouseLeave, which fire OnMouseEnter and OnMouseLeave (the control's own,
// see TControl); a change of font or caption ends in NotifyFontChange or
// NotifyTextChange, after the control has taken it in.
class TLdCustomControl : public TCustomControl {
public:
    explicit TLdCustomControl(TComponent *AOwner) : TCustomControl(AOwner) {}
    QString Version() const { return QStringLiteral("1.4.5"); }
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    TNotifyEvent OnFontChanged;
    TNotifyEvent OnTextChanged;

protected:
    // Repaints unless loading or inside an update.
    virtual void Changed();
    // Fire OnFontChanged and OnTextChanged.
    virtual void NotifyFontChange();
    virtual void NotifyTextChange();
    void FontChanged() override;
    void TextChanged() override;

private:
    int updateCount_ = 0;
};

// An Ld control that paints into an off-screen bitmap and copies it to the
// screen in one step.
class TLdCustomImageControl : public TLdCustomControl {
public:
    explicit TLdCustomImageControl(TComponent *AOwner) : TLdCustomControl(AOwner) {}
    // Copies the off-screen bitmap to the control.
    void Paint() override;

protected:
    // Sizes the bitmap to the control and fills it with Color.
    virtual void ClearBitmap();
    TBitmap *Image() { return &image_; }
    // Focus changes and enabling or disabling repaint.
    bool HasFocus() const { return focused_; }
    void FocusGained() override;
    void FocusLost() override;
    void EnabledChanged() override;

private:
    TBitmap image_;
    bool focused_ = false;
};
