#pragma once
#include "Form.h"

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
