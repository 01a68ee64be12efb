#pragma once
#include "ComboBox.h"

// The editor's combo box: AsInteger is the item index, AsString the text.
// The user's choice fires OnChange (and OnClick) and reports a user change
// to the owning editor form; the As* setters fire nothing. While it holds
// the focus a list-only combo box shows the focus frame around its text
// (an editable one shows its caret).
class TgComponentEditorComboBox : public TComboBox {
public:
    explicit TgComponentEditorComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle = csDropDown);

    int AsInteger() const { return ItemIndex(); }
    void SetAsInteger(int Value);
    const QString &AsString() const { return Text(); }
    void SetAsString(const QString &Value);
    // Disabled, greyed, with no item selected and an empty text, silently;
    // Enable undoes the disabling only.
    void Disable();
    void Enable();

    void Click() override;

protected:
    void EnabledChanged() override;

private:
    bool FBlockingEvents = false;
};
