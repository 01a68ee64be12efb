#include "ConfirmLayout.h"

#include "Button.h"
#include "DialogControls.h"
#include "Form.h"
#include "Label.h"

void BuildConfirmLayout(TForm *Form, const char *FormName, ConfirmMessage Message, TLabel **Label, TButton **Ok,
                        const char *CancelName, TButton **Cancel)
{
    Form->SetName(FormName);
    Form->SetBorderStyle(bsDialog);
    Form->SetBorderIcons({});
    Form->SetPosition(poScreenCenter);
    Form->SetClientWidth(265);
    Form->SetClientHeight(174);
    TLabel *l = PlaceControl<TLabel>(Form, Message.labelName, 16, 40, 233, 60);
    l->SetAutoSize(false);
    l->SetWordWrap(true);
    l->SetAlignment(taCenter);
    l->SetCaption(Message.text);
    *Label = l;
    *Ok = PlaceControl<TButton>(Form, "btnOK", 48, 128, 75, 25, "OK");
    (*Ok)->SetDefault(true);
    *Cancel = PlaceControl<TButton>(Form, CancelName, 142, 128, 75, 25, "Cancel");
    (*Cancel)->SetCancel(true);
}
