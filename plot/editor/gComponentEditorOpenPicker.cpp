#include "gComponentEditorOpenPicker.h"

#include "Strings.h"
#include "gCustomEditorForm.h"
#include "gOpenDialog.h"

QString InitialFileName(const QString &FileName)
{
    return FileName.endsWith(u'/') ? FileName + QStringLiteral("Untitled") : FileName;
}

TgComponentEditorOpenPicker::TgComponentEditorOpenPicker(TComponent *AOwner)
    : TgComponentEditorButton(AOwner), FFiles(std::make_unique<TStringList>())
{
    SetBounds(0, 0, 75, 25);
    SetCaption(QStringLiteral("Open"));
    SetTabStop(true);
}

TgComponentEditorOpenPicker::~TgComponentEditorOpenPicker() = default;

TStrings *TgComponentEditorOpenPicker::Files() const
{
    return FFiles.get();
}

void TgComponentEditorOpenPicker::Click()
{
    std::shared_ptr<bool> alive = aliveToken_;
    TgComponentEditorButton::Click();
    if (*alive)
        ShowOpenDialog();
}

void TgComponentEditorOpenPicker::ShowOpenDialog()
{
    TgOpenDialog dialog(this);
    dialog.FileMustExist = FileMustExist;
    dialog.FileName = InitialFileName(FileName);
    dialog.Filter = Filter;
    dialog.DefaultExt = DefaultExt;
    dialog.DefaultDir = DefaultDir;
    dialog.AllowMultiSelect = AllowMultiSelect;
    if (!dialog.Execute())
        return;
    FileName = dialog.FileName;
    FFiles->Assign(dialog.Files());
    PickerTookValue(this, aliveToken_, OnChange);
}
