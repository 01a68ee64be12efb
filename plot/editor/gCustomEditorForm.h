#pragma once
#include "Form.h"

#include <memory>

// The base of the library's editor forms, built in code. The editor
// controls owned by such a form report every change their user makes
// through UserChange.
class TgCustomEditorForm : public TCustomForm {
public:
    explicit TgCustomEditorForm(TComponent *AOwner) : TCustomForm(AOwner, CreateNew) {}

    // A control of the form was changed by its user; nothing here.
    virtual void UserChange() {}
};

// UserChange of the editor form that owns Control, if one does.
void NotifyUserChange(TComponent *Control);

// A picker took the user's choice: the owning editor form hears of it, the
// picker repaints and fires OnChange (no more once a handler freed it, when
// Alive turns false).
void PickerTookValue(TControl *Picker, const std::shared_ptr<bool> &Alive, const TNotifyEvent &OnChange);
