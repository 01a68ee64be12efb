#pragma once
#include "gComponentEditorButton.h"

// The editor's "Save" button: a click (or Execute) asks for a file to save
// to, starting on FileName ("Untitled" in the folder when FileName ends in
// "/") with the filter FilterIndex offered; questions start in DefaultDir
// until a name was taken, then at that name. The name taken (with the chosen filter's extension, see TgSaveDialog)
// becomes FileName, is reported to the owning editor form and fires
// OnChange; Execute then returns true. A cancelled question changes nothing.
class TgComponentEditorSavePicker : public TgComponentEditorButton {
public:
    explicit TgComponentEditorSavePicker(TComponent *AOwner);

    QString FileName, Filter, DefaultExt, DefaultDir;
    int FilterIndex = 1;

    bool Execute();
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }

    TNotifyEvent OnChange;

    void Click() override;

private:
    bool FDefaultDirUsed = false;
};
