#include "gComponentEditorSavePicker.h"

#include "gComponentEditorOpenPicker.h"
#include "gCustomEditorForm.h"
#include "gSaveDialog.h"

TgComponentEditorSavePicker::TgComponentEditorSavePicker(TComponent *AOwner) : TgComponentEditorButton(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetCaption(QStringLiteral("Save"));
    SetTabStop(true);
}

void TgComponentEditorSavePicker::Click()
{
    std::shared_ptr<bool> alive = aliveToken_;
    TgComponentEditorButton::Click();
    if (*alive)
        Execute();
}

bool TgComponentEditorSavePicker::Execute()
{
    TgSaveDialog dialog(this);
    dialog.FileName = InitialFileName(FileName);
    dialog.Filter = Filter;
    dialog.FilterIndex = FilterIndex;
    dialog.DefaultExt = DefaultExt;
    if (!FDefaultDirUsed)
        dialog.DefaultDir = DefaultDir;
    if (!dialog.Execute())
        return false;
    FDefaultDirUsed = true;
    FileName = dialog.FileName;
    FilterIndex = dialog.FilterIndex;
    std::shared_ptr<bool> alive = aliveToken_;
    PickerTookValue(this, aliveToken_, OnChange);
    return *alive;
}
