#include "gComponentEditorFontPicker.h"

#include "gCustomEditorForm.h"
#include "gFontDialog.h"

TgComponentEditorFontPicker::TgComponentEditorFontPicker(TComponent *AOwner) : TgComponentEditorButton(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetCaption(QStringLiteral("Font"));
}

void TgComponentEditorFontPicker::Click()
{
    std::shared_ptr<bool> alive = aliveToken_;
    TgComponentEditorButton::Click();
    if (*alive)
        ShowFontDialog();
}

void TgComponentEditorFontPicker::ShowFontDialog()
{
    TgFontDialog dialog(this);
    dialog.SetFont(&FFont);
    if (!dialog.Execute())
        return;
    FFont.Assign(dialog.Font());
    PickerTookValue(this, aliveToken_, OnChange);
}
