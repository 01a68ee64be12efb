#pragma once
#include "gComponentEditorButton.h"

// The editor's font button ("Font"): a click asks for a font starting on a
// copy of the picker's Font; a font taken becomes Font, is reported to the
// owning editor form and fires OnChange. The picker's Font is the value it
// edits; the caption keeps the button's own font (TControl::Font).
class TgComponentEditorFontPicker : public TgComponentEditorButton {
public:
    explicit TgComponentEditorFontPicker(TComponent *AOwner);

    TFont *Font() { return &FFont; }
    // Takes a copy.
    void SetFont(TFont *Value) { FFont.Assign(Value); }
    void ShowFontDialog();
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }

    TNotifyEvent OnChange;

    void Click() override;

private:
    TFont FFont;
};
