#pragma once
#include "gComponentEditorButton.h"

class TStringList;
class TStrings;

// The editor's "Open" button: a click asks for a file to open (starting in
// DefaultDir on FileName, "Untitled" when FileName names a folder by its
// closing "/"); the name taken becomes FileName, with every chosen name in
// Files, is reported to the owning editor form and fires OnChange. A
// cancelled question changes nothing.
class TgComponentEditorOpenPicker : public TgComponentEditorButton {
public:
    explicit TgComponentEditorOpenPicker(TComponent *AOwner);
    ~TgComponentEditorOpenPicker() override;

    QString FileName, Filter, DefaultExt, DefaultDir;
    bool FileMustExist = false;
    bool AllowMultiSelect = false;
    TStrings *Files() const;

    void ShowOpenDialog();
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }

    TNotifyEvent OnChange;

    void Click() override;

private:
    std::unique_ptr<TStringList> FFiles;
};

// FileName as the file questions start on it: "Untitled" in the folder that
// a name ending in "/" gives.
QString InitialFileName(const QString &FileName);
