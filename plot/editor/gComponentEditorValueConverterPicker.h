#pragma once
#include "gComponentEditorButton.h"
#include "gComponentEditorEdit.h"
#include "gValueConverterEditForm.h"

#include <functional>

// The "..." button beside an editor edit that opens the value converter on
// the edit's number (or on DateTime without an edit), at the DefaultPage,
// translated by TranslationMethod. On OK the converted value goes to
// DateTime and into the edit as if typed and committed (so the edit's
// OnUpdate applies it), then OnChange fires; Cancel changes nothing.
class TgComponentEditorValueConverterPicker : public TgComponentEditorButton {
public:
    explicit TgComponentEditorValueConverterPicker(TComponent *AOwner);

    TgComponentEditorEdit *Associate() const { return FAssociate.Get(); }
    // Also moves the picker to the edit's right edge, at its top and height.
    void SetAssociate(TgComponentEditorEdit *Value);
    double DateTime() const { return FDateTime; }
    void SetDateTime(double Value) { FDateTime = Value; }
    TgValueConverterPageType DefaultPage() const { return FDefaultPage; }
    void SetDefaultPage(TgValueConverterPageType Value) { FDefaultPage = Value; }
    std::function<void(TCustomForm *Form)> TranslationMethod;
    TNotifyEvent OnChange;

    // Shows the converter modally; true when the user took its value.
    bool Execute();
    void Click() override;

    // Disabled / enabled.
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    TgEditAssociate FAssociate{this};
    double FDateTime = 0;
    TgValueConverterPageType FDefaultPage = ivcptInterval;
};
