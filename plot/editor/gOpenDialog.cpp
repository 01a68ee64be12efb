#include "gOpenDialog.h"

#include "FileDialogs.h"
#include "Form.h"
#include "gUtilities.h"

#include <QDir>
#include <QFileInfo>

TgOpenDialog::TgOpenDialog(TComponent *AOwner) : TComponent(AOwner), FFiles(std::make_unique<TStringList>()) {}

TgOpenDialog::~TgOpenDialog() = default;

bool TgOpenDialog::Execute()
{
    FFiles->Clear();
    TWinControl *parent = FindOwnerForm(this);
    if (!parent)
        return false;
    TOpenDialog dialog;
    dialog.Filter = Filter;
    dialog.DefaultExt = DefaultExt;
    dialog.FileName = FileName;
    dialog.InitialDir = DefaultDir;
    dialog.FileMustExist = FileMustExist;
    dialog.AllowMultiSelect = AllowMultiSelect;
    if (!dialog.Execute(dynamic_cast<TCustomForm *>(parent)))
        return false;
    // A name given without its folder is in the folder the question started in.
    const QDir folder(DefaultDir.isEmpty() ? QDir::currentPath() : DefaultDir);
    for (const QString &name : dialog.Files)
        FFiles->Add(QFileInfo(name).isAbsolute() ? name : folder.absoluteFilePath(name));
    FileName = FFiles->Get(0);
    return true;
}
