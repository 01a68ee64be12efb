#pragma once
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class TCanvas;
class TCustomForm;

enum TPrinterOrientation { poPortrait, poLandscape };

// The program's printer, made on first use and kept; tests point its output
// at a PDF file.
QPrinter *Printer();

// What page layout needs to know of the printer. PaperCode is the Windows
// paper code (DMPAPER value) of its paper, 0 for a paper without one; DpiX
// and DpiY its pixels per inch; OffsetX and OffsetY its physical offsets:
// the unprintable margin at the left and top in device pixels, which is
// where the origin of the printer canvas lies on the paper.
struct TPrinterGeometry {
    int PaperCode = 0;
    int DpiX = 0, DpiY = 0;
    int OffsetX = 0, OffsetY = 0;
};
// False when the printer cannot say (Geometry is then left as it was).
// Offsets follow the printer's orientation; the paper code does not.
bool GetPrinterGeometry(TPrinterGeometry &Geometry);
// Tests: the geometry answered in place of the printer's own, whatever the
// printer; none gives the printer's own again.
void InjectPrinterGeometry(std::optional<TPrinterGeometry> Geometry);

TPrinterOrientation PrinterOrientation();
void SetPrinterOrientation(TPrinterOrientation Value);

// The names of the printers the system offers (none on a machine without
// printers), and the choice of one of them; a name not among them changes
// nothing and answers false.
QStringList PrinterNames();
bool SelectPrinter(const QString &Name);

// One print document on the program's printer. BeginDoc starts it (an
// Exception "Printing could not start" when the printer refuses, for
// example a PDF printer without a file name); Canvas draws on the current
// page in device pixels with (0, 0) at the printable area's top-left corner
// (none outside a document); NewPage ends the page and starts the next one;
// EndDoc finishes the document (nothing when none is open).
bool PrinterPrinting();
void PrinterBeginDoc();
TCanvas *PrinterCanvas();
void PrinterNewPage();
void PrinterEndDoc();

// The system's print question on the program's printer: the user picks the
// printer, its paper and orientation. Execute shows it modally and returns
// true when the user confirmed. Tests answer in place of the window through
// `Runner` (true: confirmed) and never see one.
class TPrintDialog {
public:
    bool Execute(TCustomForm *Parent = nullptr);

    static std::function<bool(QPrinter *Printer)> Runner;
};
