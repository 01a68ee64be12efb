// Printing of the plot: the print question, the page loop over X axis 0,
// the paper-based sizing helpers and the print preview.
#include "Exceptions.h"
#include "Metafile.h"
#include "Printers.h"
#include "gPlotComponent.h"
#include "gPlotMasterManager.h"
#include "gPlotPreviewForm.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gUtilities.h"

#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Rounded to the nearest integer, halves to even.
int Near(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

} // namespace

void TgPlotComponent::PaperSizeInches(double &Width, double &Height) const
{
    if (FPrinterPaperWidthInches > 0 && FPrinterPaperHeightInches > 0) {
        Width = FPrinterPaperWidthInches;
        Height = FPrinterPaperHeightInches;
        return;
    }
    // Before any print: the paper a print would take, in the orientation a
    // print would set.
    GetPrinterPaperSize(Width, Height);
    if (PrinterOrientation() != FPrintOrientation)
        std::swap(Width, Height);
}

void TgPlotComponent::PrintSizeToFillPage()
{
    double w = 0, h = 0;
    PaperSizeInches(w, h);
    SetHeight(static_cast<int>(Width() * h / w));
    ReCalcLayout();
}

void TgPlotComponent::PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter)
{
    double w = 0, h = 0;
    PaperSizeInches(w, h);
    ReCalcLayout();
    if (XAxisCount() == 0 || Height() <= 0)
        return;
    TgPlotXAxis *axis = GetXAxis(0);
    const double printedInches =
        std::abs(axis->MaxPixels() - axis->MinPixels()) * (h - FPrintMarginTop - FPrintMarginBottom) / Height();
    axis->SetSpan(printedInches * 25.4 * MinutesPerMillimeter / 1440);
}

void TgPlotComponent::PrintChart()
{
    if (PrinterPrinting())
        PrinterEndDoc();
    SetPrinterOrientation(FPrintOrientation);
    Printer()->setDocName(FPrintDocumentName);
    if (FPrintShowDialog && !TPrintDialog().Execute(dynamic_cast<TCustomForm *>(FindOwnerForm(this))))
        return;
    BeginUpdate();
    try {
        if (XAxisCount() > 0) {
            FPrintXStart = GetXAxis(0)->Min();
            FPrintXStop = GetXAxis(0)->Max();
        }
        PrintPages();
    } catch (const Exception &e) {
        EndUpdate();
        throw Exception(QStringLiteral("Error Printing : ") + e.Message());
    }
    EndUpdate();
}

void TgPlotComponent::PrintPages()
{
    const QString name = FPrinterName.trimmed();
    if (!name.isEmpty())
        SelectPrinter(name);
    double paperWidth = 0, paperHeight = 0;
    GetPrinterPaperSize(paperWidth, paperHeight);
    TPrinterGeometry geometry;
    if (!GetPrinterGeometry(geometry))
        throw Exception(QStringLiteral("Could not initialize printer DeviceMode Structure"));
    FPrinterPaperWidthInches = paperWidth;
    FPrinterPaperHeightInches = paperHeight;
    FPrinterPaperWidthPixels = Near(geometry.DpiX * paperWidth);
    FPrinterPaperHeightPixels = Near(geometry.DpiY * paperHeight);

    // The scale of the plot onto the area inside the margins; 0 for a plot
    // without area, which leaves its pages empty.
    const auto pageScale = [&]() {
        if (Width() <= 0 || Height() <= 0)
            return 0.0;
        const double scale =
            std::min((FPrinterPaperWidthPixels - (FPrintMarginLeft + FPrintMarginRight) * geometry.DpiX) / Width(),
                     (FPrinterPaperHeightPixels - (FPrintMarginTop + FPrintMarginBottom) * geometry.DpiY) / Height());
        if (!(scale > 0) || !std::isfinite(scale))
            throw Exception(QString::fromLatin1(kPrintMarginsLeaveNoRoom));
        return scale;
    };
    // Nothing is printed when the margins fill the paper.
    if (!PrintMarginsLeaveRoom(paperWidth, paperHeight, FPrintMarginLeft, FPrintMarginTop, FPrintMarginRight,
                               FPrintMarginBottom))
        throw Exception(QString::fromLatin1(kPrintMarginsLeaveNoRoom));
    pageScale();

    PrinterBeginDoc();
    TgPlotXAxis *axis = XAxisCount() > 0 ? GetXAxis(0) : nullptr;
    std::vector<bool> toolBarsVisible;
    for (int i = 0; i < ToolBarCount(); ++i)
        toolBarsVisible.push_back(GetToolBar(i)->Visible());
    const double axisMin = axis ? axis->Min() : 0, axisSpan = axis ? axis->Span() : 0;
    const TRect bounds = BoundsRect();
    const int margins[] = {FOuterMarginLeft, FOuterMarginTop, FOuterMarginRight, FOuterMarginBottom};
    const auto restore = [&] {
        for (int i = 0; i < ToolBarCount() && i < static_cast<int>(toolBarsVisible.size()); ++i)
            GetToolBar(i)->SetVisible(toolBarsVisible[i]);
        if (axis && XAxisCount() > 0 && GetXAxis(0) == axis)
            axis->SetMinSpan(axisMin, axisSpan);
        SetBoundsRect(bounds);
        SetOuterMarginLeft(margins[0]);
        SetOuterMarginTop(margins[1]);
        SetOuterMarginRight(margins[2]);
        SetOuterMarginBottom(margins[3]);
    };

    try {
        Master()->DeSelectAll();
        for (int i = 0; i < ToolBarCount(); ++i)
            GetToolBar(i)->SetVisible(false);
        if (OnBeforePrint && !IsLoading())
            OnBeforePrint(this);
        int page = 1;
        if (axis)
            axis->SetMin(FPrintXStart);
        // Without an X axis there is one page of the plot as it stands.
        while (!axis || axis->Min() < FPrintXStop) {
            bool lastPage = !axis || axis->Max() >= FPrintXStop;
            if (OnBeforePrintPage && !IsLoading())
                OnBeforePrintPage(this, page, lastPage);
            const double scale = pageScale();
            const double left = geometry.DpiX * FPrintMarginLeft - geometry.OffsetX;
            const double top = geometry.DpiY * FPrintMarginTop - geometry.OffsetY;
            const TRect rect(Near(left), Near(top), Near(left + Width() * scale), Near(top + Height() * scale));
            ReCalcLayout();
            if (scale > 0)
                PrintToRect(PrinterCanvas(), rect);
            if (!axis || axis->Min() + axis->Span() <= axis->Min() || axis->Max() >= FPrintXStop)
                break;
            PrinterNewPage();
            ++page;
            axis->SetMin(axis->Min() + axis->Span());
        }
        if (OnAfterPrint && !IsLoading())
            OnAfterPrint(this);
    } catch (...) {
        restore();
        PrinterEndDoc();
        throw;
    }
    restore();
    PrinterEndDoc();
}

void TgPlotComponent::PrintToRect(TCanvas *Canvas, const TRect &Rect)
{
    if (!Canvas || Width() <= 0 || Height() <= 0)
        return;
    // The plot is recorded at its own size and the picture played scaled into
    // the rectangle: lines, text and fills scale as one drawing.
    PaintSharedMetafile(Name().isEmpty() ? QStringLiteral("Plot") : Name())->Draw(Canvas, Rect);
}

void TgPlotComponent::PreviewChart()
{
    auto form = std::make_unique<TgPlotPreviewForm>(nullptr);
    form->PreviewComponent = this;
    form->PrintMarginLeft = FPrintMarginLeft;
    form->PrintMarginTop = FPrintMarginTop;
    form->PrintMarginRight = FPrintMarginRight;
    form->PrintMarginBottom = FPrintMarginBottom;
    form->PrintOrientation = FPrintOrientation;
    form->PrintDocumentName = FPrintDocumentName;
    form->SetCaption(FPrintDocumentName + QStringLiteral(" (Preview)"));
    form->DoTranslation();
    form->ShowModal();
}
