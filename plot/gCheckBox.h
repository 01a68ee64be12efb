#pragma once
#include "gVCLComponent.h"

// The library's owner-drawn check box. A change of Checked fires
// FOnChangeProtected ("Checked"), OnChange and, when the user made it (mouse
// release inside or the space key), OnChangeUser; FOnRequestEdit may refuse
// it first. The parent shows through wherever box and caption leave the
// control unpainted. Caption and Font are the control's own text and font;
// with AutoSize a change of either fits the width to the caption.
class TgCheckBox : public TgCustomComponent {
public:
    explicit TgCheckBox(TComponent *AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    // taRightJustify: the box on the left and the caption to its right;
    // taLeftJustify: the caption on the left and the box at the right edge.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    using TgCustomComponent::BackGroundColor;
    using TgCustomComponent::SetBackGroundColor;

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeUser;

    void PaintToCanvas(TCanvas *Canvas) override;

    const TPublishedClass *PublishedClass() const override;
    static const TPublishedClass *StaticPublished();

protected:
    virtual void DoChange();
    void DoSetFocus() override;
    void DoKillFocus() override;
    void gKeyUp(Word &Key, TShiftState Shift) override;
    void gKeyDown(Word &Key, TShiftState Shift) override;
    void gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void gMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    // Fits the width to the caption (keeping the right edge when the box is
    // at the right) and the height to its text; not while loading.
    void AdjustSize();

    bool FMouseIsDown = false;
    bool FKeyIsDown = false;
    bool FDoingAutoSize = false;
    bool FChecked = false;
    bool FAutoSize = true;
    TAlignment FAlignment = taRightJustify;
};

