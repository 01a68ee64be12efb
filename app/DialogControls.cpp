#include "DialogControls.h"

#include "Button.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"
#include "VirtualKeys.h"

#include <string>

std::string FixedBytes(const QString &Text, size_t size, char pad)
{
    std::string s = Text.toLatin1().toStdString();
    s.resize(size, pad);
    return s;
}

void EnterActsAs(TEdit *Edit, std::function<void()> Ok)
{
    Edit->OnKeyDown = [Ok = std::move(Ok)](TObject *, Word &Key, TShiftState) {
        if (Key == VK_RETURN) {
            Key = 0;
            Ok();
        }
    };
}

void EscapeClicks(TForm *Form, TControl *Exit)
{
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [Exit](TObject *, Word &Key, TShiftState) {
        if (Key == VK_ESCAPE) {
            Key = 0;
            Exit->Click();
        }
    };
}

PasswordLayout BuildPasswordLayout(TForm *Form, const char *FormName, const char *LabelText, const char *CancelName)
{
    Form->SetName(FormName);
    Form->SetBorderStyle(bsDialog);
    Form->SetPosition(poScreenCenter);
    Form->SetClientWidth(280);
    Form->SetClientHeight(110);
    PasswordLayout l;
    l.label = PlaceControl<TLabel>(Form, "lblLockPassword", 16, 22, 110, 16, LabelText);
    l.edit = PlaceControl<TEdit>(Form, "edName", 140, 18, 120, 21, "");
    l.edit->SetMaxLength(4);
    l.edit->SetCharCase(ecUpperCase);
    l.edit->SetPrintableAsciiOnly(true);
    l.ok = PlaceControl<TButton>(Form, "btnOK", 104, 70, 75, 25, "OK");
    l.cancel = PlaceControl<TButton>(Form, CancelName, 185, 70, 75, 25, "Cancel");
    l.cancel->SetCancel(true);
    return l;
}
