#pragma once
#include "gCheckBox.h"

// The editor's check box: every change (but a silent one) reports a user
// change to the owning editor form and then fires OnClick, which the editor
// forms bind; a mouse click alone fires nothing.
class TgComponentEditorCheckBox : public TgCheckBox {
public:
    using TgCheckBox::TgCheckBox;

    bool AsBoolean() const { return Checked(); }
    // Fires nothing.
    void SetAsBoolean(bool Value);
    // Disabled and unchecked, silently; Enable undoes the disabling only.
    void Disable();
    void Enable() { SetEnabled(true); }

    void Click() override {}

protected:
    void DoChange() override;

private:
    bool FBlockingEvents = false;
};
