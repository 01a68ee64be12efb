#pragma once
#include "Form.h"
#include "Printers.h"

class TBitmap;
class TButton;
class TPaintBox;
class TPanel;
class TgPlotComponent;

// The print preview: a page of the chosen paper size and orientation with
// the plot's picture scaled into the area inside the print margins, and
// buttons to close, to print with the plot's own settings and to change the
// page settings. The plot's PreviewChart fills it from the plot's print
// settings and shows it modally. PrintSize picks the paper: 1 Legal, 2 A3,
// 3 A4, 4 A5, any other value Letter.
class TgPlotPreviewForm : public TForm {
public:
    explicit TgPlotPreviewForm(TComponent *AOwner);

    TPanel *Panel2;
    TButton *CloseButton;
    TButton *PrintButton;
    TButton *SettingsButton;
    TPaintBox *Preview;

    TgPlotComponent *PreviewComponent = nullptr;
    double PrintMarginLeft = 1, PrintMarginTop = 1, PrintMarginRight = 1, PrintMarginBottom = 1;
    TPrinterOrientation PrintOrientation = poLandscape;
    QString PrintDocumentName;
    int PrintSize = 0;

    // Draws the page; the plot's first toolbar is hidden meanwhile and the
    // plot's OnBeforePrint and OnAfterPrint fire around it, with the form
    // as sender.
    void PreviewPaint(TObject *Sender);
    void CloseButtonClick(TObject *Sender);
    // Prints with the plot's own settings, then draws the page again.
    void PrintButtonClick(TObject *Sender);
    // The settings dialog; confirmed values go into the form and the plot
    // (PrintSize stays here), a cancelled dialog changes nothing.
    void SettingsButtonClick(TObject *Sender);
    // Every caption through the plot's translation table.
    void DoTranslation();

private:
    void DrawPage(TBitmap *Bitmap);
};
