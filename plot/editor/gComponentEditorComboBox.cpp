#include "gComponentEditorComboBox.h"

#include "gCustomEditorForm.h"
#include "gEditorSilence.h"

void TgComponentEditorComboBox::SetAsInteger(int Value)
{
    TgEditorSilence silence(FBlockingEvents, {&OnChange});
    SetItemIndex(Value);
}

void TgComponentEditorComboBox::SetAsString(const QString &Value)
{
    TgEditorSilence silence(FBlockingEvents, {&OnChange});
    SetText(Value);
}

void TgComponentEditorComboBox::Disable()
{
    TgEditorSilence silence(FBlockingEvents, {&OnChange});
    SetEnabled(false);
    SetItemIndex(-1);
    SetText(QString());
}

void TgComponentEditorComboBox::Enable()
{
    SetEnabled(true);
}

void TgComponentEditorComboBox::EnabledChanged()
{
    TComboBox::EnabledChanged();
    SetColor(Enabled() ? clWindow : clBtnFace);
}

void TgComponentEditorComboBox::Click()
{
    std::shared_ptr<bool> alive = aliveToken_;
    TComboBox::Click();
    if (*alive && !FBlockingEvents)
        NotifyUserChange(this);
}
