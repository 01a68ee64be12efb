#pragma once
#include "gCustomEditorForm.h"

#include <QFont>

class QFontDialog;
class QLineEdit;
class TButton;
class TGroupBox;
class TgComponentEditorColorPicker;
class TgComponentEditorListBox;

// The window of the font question ("Font"): Qt's font dialog (face, style,
// size, effects, sample) with the font's colour beside it, the sixteen
// standard colours in a list and the editor's colour field below them,
// whose "..." button asks for any colour. The sample shows the colour
// chosen. OK (or Enter) closes with mrOk, Cancel (or Escape) with mrCancel;
// the caller reads the choice.
class TgFontDialogForm : public TgCustomEditorForm {
public:
    explicit TgFontDialogForm(TComponent *AOwner);

    QFont ChosenFont() const;
    void SetChosenFont(const QFont &Value);
    // Held as given (a system colour too) until the user picks another.
    TColor ChosenColor() const { return FColor; }
    void SetChosenColor(TColor Value);

    TWinControl *FontPanel;
    TGroupBox *ColorGroupBox;
    TgComponentEditorListBox *ColorListBox;
    TgComponentEditorColorPicker *ColorPicker;
    TButton *OkButton, *CancelButton;

private:
    // The list's entry, the picker's swatch and the sample follow FColor.
    void ShowColor();

    QFontDialog *FFontDialog;
    QLineEdit *FSample = nullptr;
    TColor FColor = clBlack;
};
