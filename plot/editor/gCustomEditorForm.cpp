#include "gCustomEditorForm.h"

void NotifyUserChange(TComponent *Control)
{
    if (auto *form = dynamic_cast<TgCustomEditorForm *>(Control ? Control->Owner() : nullptr))
        form->UserChange();
}
