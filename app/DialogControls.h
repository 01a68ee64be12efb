#pragma once
#include "Control.h"

#include <QString>

#include <functional>
#include <string>

class TButton;
class TEdit;
class TForm;
class TLabel;

// Makes a named control of a dialog's layout on its parent.
template <class T>
T *PlaceControl(TWinControl *Parent, const char *Name, int Left, int Top, int Width, int Height,
                const QString &Caption = QString())
{
    T *c = new T(Parent);
    c->SetName(Name);
    c->SetParent(Parent);
    c->SetBounds(Left, Top, Width, Height);
    if (!Caption.isNull())
        c->SetCaption(Caption);
    return c;
}

// Latin-1 bytes of an edit's text (the edits keep printable ASCII only), cut
// to `size` and filled with `pad` up to it.
std::string FixedBytes(const QString &Text, size_t size, char pad);

// Enter in the edit does what the dialog's OK does.
void EnterActsAs(TEdit *Edit, std::function<void()> Ok);

// Escape anywhere in the dialog clicks Exit, as Escape clicks the Cancel
// button of the dialogs that have one. Takes the form's OnKeyDown.
void EscapeClicks(TForm *Form, TControl *Exit);

// The lock dialogs' layout: a password label, an upper-case edit of four
// printable characters, OK and a cancel button (named CancelName).
struct PasswordLayout {
    TLabel *label;
    TEdit *edit;
    TButton *ok;
    TButton *cancel;
};
PasswordLayout BuildPasswordLayout(TForm *Form, const char *FormName, const char *LabelText, const char *CancelName);
