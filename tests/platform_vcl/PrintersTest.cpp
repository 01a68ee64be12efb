#include "Canvas.h"
#include "Exceptions.h"
#include "PdfPrinter.h"
#include "Printers.h"


#include <gtest/gtest.h>

namespace {

// The program printer writing a PDF file, put back as it was afterwards.
struct PdfPrinter : ::testing::Test {
    TPdfPrinter pdf;
    QString file = pdf.file;
};

// Paper code, resolution and the offsets of the printable area come from the
// printer's paper, page rectangle and resolution.
TEST_F(PdfPrinter, GeometryFollowsPaperResolutionAndMargins)
{
    const struct {
        QPageSize::PageSizeId paper;
        int code, dpi;
        QMarginsF inches;
        int offX, offY;
    } rows[] = {
        {QPageSize::Letter, 1, 300, {0.25, 0.5, 0.25, 0.25}, 75, 150},
        {QPageSize::A4, 9, 600, {0.5, 0.125, 0.5, 0.5}, 300, 75},
        {QPageSize::Legal, 5, 72, {0, 0, 0, 0}, 0, 0},
    };
    for (const auto &row : rows) {
        Printer()->setResolution(row.dpi);
        Printer()->setPageLayout(QPageLayout(QPageSize(row.paper), QPageLayout::Portrait, row.inches,
                                             QPageLayout::Inch));
        TPrinterGeometry g;
        ASSERT_TRUE(GetPrinterGeometry(g));
        EXPECT_EQ(g.PaperCode, row.code);
        EXPECT_EQ(g.DpiX, row.dpi);
        EXPECT_EQ(g.DpiY, row.dpi);
        EXPECT_NEAR(g.OffsetX, row.offX, 1) << row.code;
        EXPECT_NEAR(g.OffsetY, row.offY, 1) << row.code;
        // The paper keeps its code in either orientation.
        SetPrinterOrientation(poLandscape);
        EXPECT_EQ(PrinterOrientation(), poLandscape);
        ASSERT_TRUE(GetPrinterGeometry(g));
        EXPECT_EQ(g.PaperCode, row.code);
        SetPrinterOrientation(poPortrait);
        EXPECT_EQ(PrinterOrientation(), poPortrait);
    }
}

TEST_F(PdfPrinter, InjectedGeometryStandsInForThePrinters)
{
    Printer()->setPageSize(QPageSize(QPageSize::A4));
    InjectPrinterGeometry(TPrinterGeometry{1, 600, 500, 40, 30});
    TPrinterGeometry g;
    ASSERT_TRUE(GetPrinterGeometry(g));
    EXPECT_EQ(g.PaperCode, 1);
    EXPECT_EQ(g.DpiX, 600);
    EXPECT_EQ(g.DpiY, 500);
    EXPECT_EQ(g.OffsetX, 40);
    EXPECT_EQ(g.OffsetY, 30);
    InjectPrinterGeometry(std::nullopt);
    ASSERT_TRUE(GetPrinterGeometry(g));
    EXPECT_EQ(g.PaperCode, 9);
}

// A document of three pages, each drawn on through the canvas; a printer that
// cannot start raises and leaves no document open.
TEST_F(PdfPrinter, DocumentPagesAndFailures)
{
    Printer()->setPageSize(QPageSize(QPageSize::Letter));
    EXPECT_FALSE(PrinterPrinting());
    EXPECT_EQ(PrinterCanvas(), nullptr);
    PrinterBeginDoc();
    EXPECT_TRUE(PrinterPrinting());
    for (int page = 0; page < 3; ++page) {
        if (page > 0)
            PrinterNewPage();
        ASSERT_NE(PrinterCanvas(), nullptr);
        PrinterCanvas()->Rectangle(10, 10, 200 + page, 100);
    }
    EXPECT_THROW(PrinterBeginDoc(), EInvalidOperation);
    PrinterEndDoc();
    EXPECT_FALSE(PrinterPrinting());
    PrinterEndDoc(); // none open: nothing
    EXPECT_EQ(PdfPageCount(file), 3);
    for (const QSizeF &box : PdfMediaBoxes(file)) {
        EXPECT_NEAR(box.width(), 612, 1);
        EXPECT_NEAR(box.height(), 792, 1);
    }

    EXPECT_THROW(PrinterNewPage(), EInvalidOperation);
    Printer()->setOutputFileName(QString()); // a PDF printer without a file
    try {
        PrinterBeginDoc();
        ADD_FAILURE() << "began";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), "Printing could not start");
    }
    EXPECT_FALSE(PrinterPrinting());
    // The printer is still usable afterwards.
    Printer()->setOutputFileName(file);
    EXPECT_EQ(Printer()->outputFileName(), file);
    PrinterBeginDoc();
    PrinterEndDoc();
    EXPECT_EQ(PdfPageCount(file), 1);
}

// Selecting a printer that the system does not offer changes nothing; the
// print question is answered by the test's runner.
TEST_F(PdfPrinter, SelectionAndDialog)
{
    const QString missing = QStringLiteral("No Such Printer %1").arg(PrinterNames().size());
    EXPECT_FALSE(PrinterNames().contains(missing));
    EXPECT_FALSE(SelectPrinter(missing));
    EXPECT_EQ(Printer()->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(Printer()->outputFileName(), file);

    QPrinter *asked = nullptr;
    TPrintDialog::Runner = [&](QPrinter *p) {
        asked = p;
        return false;
    };
    EXPECT_FALSE(TPrintDialog().Execute());
    EXPECT_EQ(asked, Printer());
    TPrintDialog::Runner = [](QPrinter *) { return true; };
    EXPECT_TRUE(TPrintDialog().Execute());
}

} // namespace
