#pragma once
#include "gRadioGroup.h"

// The editor's radio group: AsInteger is the item index (-1 for none);
// a change by the user (a click or an arrow key) reports a user change to
// the owning editor form after the group's own change events.
class TgComponentEditorRadioGroup : public TgRadioGroup {
public:
    using TgRadioGroup::TgRadioGroup;

    int AsInteger() const { return ItemIndex(); }
    // Fires nothing.
    void SetAsInteger(int Value);
    // Disabled with no item selected, silently; Enable undoes the disabling only.
    void Disable();
    void Enable() { SetEnabled(true); }

protected:
    void DoChange() override;

private:
    bool FBlockingEvents = false;
};
