#include "Printers.h"

#include "Canvas.h"
#include "Exceptions.h"
#include "Form.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

QPrinter *Printer()
{
    static QPrinter *printer = new QPrinter(QPrinter::HighResolution);
    return printer;
}

namespace {

std::optional<TPrinterGeometry> injectedGeometry;

// The open document: its painter and the canvas over it.
struct Document {
    QPainter painter;
    TCanvas canvas;
};
std::unique_ptr<Document> document;

} // namespace

bool GetPrinterGeometry(TPrinterGeometry &Geometry)
{
    if (injectedGeometry) {
        Geometry = *injectedGeometry;
        return true;
    }
    QPrinter *printer = Printer();
    if (!printer->isValid())
        return false;
    const QRect paper = printer->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer->pageRect(QPrinter::DevicePixel).toRect();
    Geometry.PaperCode = printer->pageLayout().pageSize().windowsId();
    Geometry.DpiX = printer->logicalDpiX();
    Geometry.DpiY = printer->logicalDpiY();
    Geometry.OffsetX = page.left() - paper.left();
    Geometry.OffsetY = page.top() - paper.top();
    return true;
}

void InjectPrinterGeometry(std::optional<TPrinterGeometry> Geometry)
{
    injectedGeometry = Geometry;
}

TPrinterOrientation PrinterOrientation()
{
    return Printer()->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void SetPrinterOrientation(TPrinterOrientation Value)
{
    Printer()->setPageOrientation(Value == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QStringList PrinterNames()
{
    return QPrinterInfo::availablePrinterNames();
}

bool SelectPrinter(const QString &Name)
{
    if (!PrinterNames().contains(Name))
        return false;
    Printer()->setPrinterName(Name);
    return true;
}

bool PrinterPrinting()
{
    return document != nullptr;
}

void PrinterBeginDoc()
{
    if (document)
        throw EInvalidOperation(QStringLiteral("Printing in progress"));
    QPrinter *printer = Printer();
    // A PDF printer without a file refuses to start and would then stay
    // busy for good: it is refused before it is asked.
    const bool noFile = printer->outputFormat() == QPrinter::PdfFormat && printer->outputFileName().isEmpty();
    auto doc = std::make_unique<Document>();
    if (noFile || !doc->painter.begin(printer))
        throw Exception(QStringLiteral("Printing could not start"));
    const QRect page = printer->pageRect(QPrinter::DevicePixel).toRect();
    doc->canvas.Attach(&doc->painter, TPoint(0, 0), TRect(0, 0, page.width(), page.height()));
    document = std::move(doc);
}

TCanvas *PrinterCanvas()
{
    return document ? &document->canvas : nullptr;
}

void PrinterNewPage()
{
    if (!document)
        throw EInvalidOperation(QStringLiteral("Printer is not printing"));
    // The canvas's state belongs to the page it drew on.
    document->canvas.Detach();
    Printer()->newPage();
    const QRect page = Printer()->pageRect(QPrinter::DevicePixel).toRect();
    document->canvas.Attach(&document->painter, TPoint(0, 0), TRect(0, 0, page.width(), page.height()));
}

void PrinterEndDoc()
{
    if (!document)
        return;
    std::unique_ptr<Document> doc = std::move(document);
    doc->canvas.Detach();
    doc->painter.end();
}

std::function<bool(QPrinter *Printer)> TPrintDialog::Runner;

bool TPrintDialog::Execute(TCustomForm *Parent)
{
    if (Runner)
        return Runner(Printer());
    QPrintDialog dialog(Printer(), Parent ? Parent->WindowWidget() : nullptr);
    return dialog.exec() == QDialog::Accepted;
}
