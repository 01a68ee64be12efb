#pragma once

class TButton;
class TForm;
class TLabel;

// The layout the confirmations share: a centred dialog with one message
// label and an OK and a cancel button.
struct ConfirmMessage {
    const char *labelName;
    const char *text;
};
void BuildConfirmLayout(TForm *Form, const char *FormName, ConfirmMessage Message, TLabel **Label, TButton **Ok,
                        const char *CancelName, TButton **Cancel);
