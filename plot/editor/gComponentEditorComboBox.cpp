#include "gComponentEditorComboBox.h"

#include "gCustomEditorForm.h"
#include "gEditorFocusMark.h"
#include "gEditorSilence.h"

#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

TgComponentEditorComboBox::TgComponentEditorComboBox(TComponent *AOwner, TComboBoxStyle InitialStyle)
    : TComboBox(AOwner, InitialStyle)
{
    if (auto *combo = qobject_cast<QComboBox *>(Widget()))
        new TgEditorFocusMark(
            this, combo,
            [combo] {
                if (combo->isEditable())
                    return QRect();
                QStyleOptionComboBox option;
                option.initFrom(combo);
                return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                                      combo);
            },
            true);
}

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
