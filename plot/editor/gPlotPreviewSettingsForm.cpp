#include "gPlotPreviewSettingsForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FloatFormat.h"
#include "GroupBox.h"
#include "Label.h"
#include "RadioGroup.h"
#include "gUtilities.h"

#include <cmath>
#include <utility>

namespace {

template <class T>
T *Place(TForm *Form, TWinControl *Parent, const char *Name, int Left, int Top, int Width, int Height)
{
    auto *c = new T(Form);
    c->SetName(QString::fromLatin1(Name));
    c->SetParent(Parent);
    c->SetBounds(Left, Top, Width, Height);
    return c;
}

TLabel *PlaceLabel(TForm *Form, const char *Name, const QString &Caption, int Left, int Top)
{
    auto *l = new TLabel(Form);
    l->SetName(QString::fromLatin1(Name));
    l->SetParent(Form);
    l->SetCaption(Caption);
    l->SetLeft(Left);
    l->SetTop(Top);
    return l;
}

} // namespace

TgPlotPreviewSettingsForm::TgPlotPreviewSettingsForm(TComponent *AOwner) : TForm(AOwner, CreateNew)
{
    SetCaption("Settings");
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poScreenCenter);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    SetClientWidth(354);
    SetClientHeight(228);

    PrintOrientationRadioGroup = Place<TRadioGroup>(this, this, "PrintOrientationRadioGroup", 8, 8, 140, 65);
    PrintOrientationRadioGroup->SetCaption("Orientation");
    PrintOrientationRadioGroup->Items()->SetText("Portrait\nLandscape");

    PaperSizeLabel = PlaceLabel(this, "PaperSizeLabel", "Paper Size", 8, 82);
    PrintPaperSizeComboBox = Place<TComboBox>(this, this, "PrintPaperSizeComboBox", 8, 98, 140, 21);
    PrintPaperSizeComboBox->SetStyle(csDropDownList);
    PrintPaperSizeComboBox->Items()->SetText("Letter\nLegal\nA3\nA4\nA5");

    PrinterMarginGroupBox = Place<TGroupBox>(this, this, "PrinterMarginGroupBox", 156, 8, 190, 111);
    PrinterMarginGroupBox->SetCaption("Margin");
    PrintMarginTopEdit = Place<TEdit>(this, PrinterMarginGroupBox, "PrintMarginTopEdit", 65, 22, 60, 21);
    PrintMarginLeftEdit = Place<TEdit>(this, PrinterMarginGroupBox, "PrintMarginLeftEdit", 8, 50, 60, 21);
    PrintMarginRightEdit = Place<TEdit>(this, PrinterMarginGroupBox, "PrintMarginRightEdit", 122, 50, 60, 21);
    PrintMarginBottomEdit = Place<TEdit>(this, PrinterMarginGroupBox, "PrintMarginBottomEdit", 65, 78, 60, 21);

    DocumentNameLabel = PlaceLabel(this, "DocumentNameLabel", "Document Name", 8, 128);
    PrintDocumentNameEdit = Place<TEdit>(this, this, "PrintDocumentNameEdit", 8, 144, 338, 21);

    ErrorLabel = PlaceLabel(this, "ErrorLabel", "Margins are inches: a number, 0 or more", 8, 172);
    ErrorLabel->Font()->SetColor(clRed);
    ErrorLabel->SetVisible(false);
    NoRoomLabel = PlaceLabel(this, "NoRoomLabel", QString::fromLatin1(kPrintMarginsLeaveNoRoom), 8, 172);
    NoRoomLabel->Font()->SetColor(clRed);
    NoRoomLabel->SetVisible(false);

    Button1 = Place<TButton>(this, this, "Button1", 190, 195, 75, 25);
    Button1->SetCaption("OK");
    Button1->SetModalResult(mrOk);
    Button1->SetDefault(true);
    Button2 = Place<TButton>(this, this, "Button2", 271, 195, 75, 25);
    Button2->SetCaption("Cancel");
    Button2->SetModalResult(mrCancel);
    Button2->SetCancel(true);

    OnCloseQuery = [this](TObject *Sender, bool &CanClose) { CheckMargins(Sender, CanClose); };
}

bool TgPlotPreviewSettingsForm::ReadMargin(TEdit *Edit, double &Value)
{
    double v = 0;
    if (!TryStrToFloat(Edit->Text().trimmed(), v) || !std::isfinite(v) || v < 0)
        return false;
    Value = v;
    return true;
}

void TgPlotPreviewSettingsForm::ShowMargin(TEdit *Edit, double Value)
{
    Edit->SetText(FloatToStr(Value));
}

void TgPlotPreviewSettingsForm::PaperInches(int PaperSize, TPrinterOrientation Orientation, double &Width,
                                            double &Height)
{
    // The printer paper codes of Legal, A3, A4 and A5; Letter otherwise.
    static const int codes[] = {5, 8, 9, 11};
    PaperSizeToInches(PaperSize >= 1 && PaperSize <= 4 ? codes[PaperSize - 1] : 1, Width, Height);
    if (Orientation == poLandscape)
        std::swap(Width, Height);
}

void TgPlotPreviewSettingsForm::RefuseMargin(TLabel *Error, TEdit *Edit)
{
    for (TLabel *label : {ErrorLabel, NoRoomLabel})
        label->SetVisible(label == Error);
    Edit->SetFocus();
    Edit->SelectAll();
}

void TgPlotPreviewSettingsForm::CheckMargins(TObject *, bool &CanClose)
{
    if (ModalResult() != mrOk)
        return;
    double top = 0, left = 0, right = 0, bottom = 0;
    const std::pair<TEdit *, double *> margins[] = {{PrintMarginTopEdit, &top},
                                                    {PrintMarginLeftEdit, &left},
                                                    {PrintMarginRightEdit, &right},
                                                    {PrintMarginBottomEdit, &bottom}};
    for (const auto &[edit, value] : margins) {
        if (!ReadMargin(edit, *value)) {
            CanClose = false;
            RefuseMargin(ErrorLabel, edit);
            return;
        }
    }
    double width = 0, height = 0;
    PaperInches(PrintPaperSizeComboBox->ItemIndex(),
                PrintOrientationRadioGroup->ItemIndex() == 1 ? poLandscape : poPortrait, width, height);
    if (!PrintMarginsLeaveRoom(width, height, left, top, right, bottom)) {
        CanClose = false;
        // The left margin when the width is used up, else the top one.
        RefuseMargin(NoRoomLabel, left + right < width ? PrintMarginTopEdit : PrintMarginLeftEdit);
    }
}
