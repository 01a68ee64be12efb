#include "gFormTranslation.h"

#include "ComboBox.h"
#include "Edit.h"
#include "Form.h"
#include "Menus.h"
#include "RadioGroup.h"
#include "gRadioGroup.h"

void TranslateFormTexts(TCustomForm *Form, const std::function<QString(const QString &)> &Translate)
{
    const auto translateItems = [&](TStrings *Items) {
        for (int i = 0; i < Items->Count(); ++i)
            Items->Put(i, Translate(Items->Get(i)));
    };
    Form->SetCaption(Translate(Form->Caption()));
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent *c = Form->Components(i);
        // The text of an edit or a combo box is a value, not a caption.
        auto *control = dynamic_cast<TControl *>(c);
        if (control && !dynamic_cast<TEdit *>(c) && !dynamic_cast<TCustomComboBox *>(c))
            control->SetCaption(Translate(control->Caption()));
        if (auto *group = dynamic_cast<TCustomRadioGroup *>(c))
            translateItems(group->Items());
        else if (auto *ownGroup = dynamic_cast<TgRadioGroup *>(c))
            translateItems(ownGroup->Items());
        else if (auto *combo = dynamic_cast<TCustomComboBox *>(c))
            translateItems(combo->Items());
        else if (auto *menu = dynamic_cast<TPopupMenu *>(c))
            for (int m = 0; m < menu->Items()->Count(); ++m)
                menu->Items()->Items(m)->SetCaption(Translate(menu->Items()->Items(m)->Caption()));
    }
}
