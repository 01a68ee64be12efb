#pragma once
#include "Component.h"
#include "Strings.h"

// The open-file question of the editor's open picker, asked through the
// program's one file-question service (TFileDialog) over the form that owns
// the component. Execute clears Files and asks, modally, starting in
// DefaultDir on FileName; true when the user chose: Files then holds every
// name chosen as an absolute path (one unless AllowMultiSelect) and
// FileName the first. Filter is "description|pattern|..." pairs. Without a
// form (or windowed control) among the owners nothing is asked.
class TgOpenDialog : public TComponent {
public:
    explicit TgOpenDialog(TComponent *AOwner);
    ~TgOpenDialog() override;

    QString FileName, Filter, DefaultExt, DefaultDir;
    bool FileMustExist = false;
    bool AllowMultiSelect = false;
    TStrings *Files() const { return FFiles.get(); }

    bool Execute();

private:
    std::unique_ptr<TStringList> FFiles;
};
