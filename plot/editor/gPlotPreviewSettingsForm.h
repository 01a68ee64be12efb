#pragma once
#include "Form.h"
#include "Printers.h"

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TRadioGroup;

// The page settings of the print preview: orientation, the four margins in
// inches laid out as a cross, the document name and the paper size. OK
// closes it with mrOk only when every margin reads as a number of inches,
// 0 or more, and the margins leave room on the chosen paper in the chosen
// orientation; otherwise the first bad margin is marked with its error and
// the dialog stays.
class TgPlotPreviewSettingsForm : public TForm {
public:
    explicit TgPlotPreviewSettingsForm(TComponent *AOwner);

    TRadioGroup *PrintOrientationRadioGroup;
    TGroupBox *PrinterMarginGroupBox;
    TEdit *PrintMarginTopEdit;
    TEdit *PrintMarginLeftEdit;
    TEdit *PrintMarginRightEdit;
    TEdit *PrintMarginBottomEdit;
    TLabel *DocumentNameLabel;
    TEdit *PrintDocumentNameEdit;
    TLabel *PaperSizeLabel;
    TComboBox *PrintPaperSizeComboBox;
    TLabel *ErrorLabel;
    TLabel *NoRoomLabel;
    TButton *Button1;
    TButton *Button2;

    // A margin edit's value and its text for a value.
    static bool ReadMargin(TEdit *Edit, double &Value);
    static void ShowMargin(TEdit *Edit, double Value);
    // The paper of a paper size index (0 Letter, 1 Legal, 2 A3, 3 A4, 4 A5,
    // any other value Letter) in inches, turned for landscape.
    static void PaperInches(int PaperSize, TPrinterOrientation Orientation, double &Width, double &Height);

private:
    // The OK button's check of the margins.
    void CheckMargins(TObject *Sender, bool &CanClose);
    // Shows Error (one of the error labels) and marks Edit.
    void RefuseMargin(TLabel *Error, TEdit *Edit);
};
