#include "gComponentEditorValueConverterPicker.h"

#include "gComponentEditorEdit.h"

#include <memory>

TgComponentEditorValueConverterPicker::TgComponentEditorValueConverterPicker(TComponent *AOwner)
    : TgComponentEditorButton(AOwner)
{
    SetBounds(0, 0, 21, 21);
    SetCaption(QStringLiteral("..."));
}

void TgComponentEditorValueConverterPicker::SetAssociate(TgComponentEditorEdit *Value)
{
    FAssociate.Set(Value);
}

void TgComponentEditorValueConverterPicker::Notification(TComponent *AComponent, TOperation Operation)
{
    TgComponentEditorButton::Notification(AComponent, Operation);
    FAssociate.Removed(AComponent, Operation);
}

void TgComponentEditorValueConverterPicker::Click()
{
    std::shared_ptr<bool> alive = aliveToken_;
    TgComponentEditorButton::Click();
    if (*alive)
        Execute();
}

bool TgComponentEditorValueConverterPicker::Execute()
{
    auto form = std::make_unique<TgValueConverterEditForm>(this);
    form->SetPage(FDefaultPage);
    if (TranslationMethod)
        TranslationMethod(form.get());
    form->SetValue(Associate() ? Associate()->AsFloat() : FDateTime);
    std::shared_ptr<bool> alive = aliveToken_;
    const TModalResult result = form->ShowModal();
    if (!*alive) {
        (void)form.release(); // went with the picker, its owner
        return false;
    }
    if (result != mrOk)
        return false;
    FDateTime = form->Value();
    form.reset();
    if (Associate())
        Associate()->SetDoubleWithEvent(FDateTime);
    if (*alive && OnChange)
        OnChange(this);
    return true;
}
