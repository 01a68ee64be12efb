#include "gComponentEditorCheckBox.h"

#include "gCustomEditorForm.h"
#include "gEditorSilence.h"

void TgComponentEditorCheckBox::SetAsBoolean(bool Value)
{
    TgEditorSilence silence(FBlockingEvents, {&OnClick, &OnChange, &OnChangeUser});
    SetChecked(Value);
}

void TgComponentEditorCheckBox::Disable()
{
    TgEditorSilence silence(FBlockingEvents, {&OnClick, &OnChange, &OnChangeUser});
    SetEnabled(false);
    SetChecked(false);
}

void TgComponentEditorCheckBox::DoChange()
{
    std::shared_ptr<bool> alive = aliveToken_;
    TgCheckBox::DoChange();
    if (!*alive || FBlockingEvents)
        return;
    NotifyUserChange(this);
    if (*alive && OnClick)
        OnClick(this);
}
