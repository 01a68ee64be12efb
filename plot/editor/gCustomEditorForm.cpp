#include "gCustomEditorForm.h"

void NotifyUserChange(TComponent *Control)
{
    if (auto *form = dynamic_cast<TgCustomEditorForm *>(Control ? Control->Owner() : nullptr))
        form->UserChange();
}

void PickerTookValue(TControl *Picker, const std::shared_ptr<bool> &Alive, const TNotifyEvent &OnChange)
{
    const std::shared_ptr<bool> alive = Alive;
    NotifyUserChange(Picker);
    if (!*alive)
        return;
    Picker->Invalidate();
    if (OnChange)
        OnChange(Picker);
}
