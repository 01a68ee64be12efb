#include "gComponentEditorRadioGroup.h"

#include "gCustomEditorForm.h"
#include "gEditorSilence.h"

void TgComponentEditorRadioGroup::SetAsInteger(int Value)
{
    TgEditorSilence silence(FBlockingEvents, {&OnClick, &OnChange, &OnChangeUser});
    SetItemIndex(Value);
}

void TgComponentEditorRadioGroup::Disable()
{
    TgEditorSilence silence(FBlockingEvents, {&OnClick, &OnChange, &OnChangeUser});
    SetEnabled(false);
    SetItemIndex(-1);
}

void TgComponentEditorRadioGroup::DoChange()
{
    std::shared_ptr<bool> alive = aliveToken_;
    TgRadioGroup::DoChange();
    if (*alive && !FBlockingEvents && UserGenerated())
        NotifyUserChange(this);
}
