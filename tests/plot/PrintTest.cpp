// Printing a plot: the paper, scale and page rectangle on an injected
// printer geometry, the print question, X-axis paging into a PDF file,
// failures, the paper-based sizing helpers and the scaled drawing.
#include "Bitmap.h"
#include "Exceptions.h"
#include "Form.h"
#include "PdfPrinter.h"
#include "Printers.h"
#include "RenderedPlot.h"
#include "ShownPlot.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gXYPlot.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// An XY plot that writes down where each page put it.
class TPageRecordingPlot : public TgXYPlot {
public:
    using TgXYPlot::TgXYPlot;
    std::vector<TRect> rects;
    void PrintToRect(TCanvas *Canvas, const TRect &Rect) override
    {
        rects.push_back(Rect);
        TgXYPlot::PrintToRect(Canvas, Rect);
    }
};

// A shown 500 x 200 plot printing into a PDF file, its events written down;
// the printer is put back as it was afterwards.
struct PrintTest : ::testing::Test {
    TPdfPrinter pdf;
    QString file = pdf.file;
    TForm form{nullptr};
    TPageRecordingPlot *plot = nullptr;
    QStringList events;

    void SetUp() override
    {
        form.SetBounds(0, 0, 600, 300);
        plot = new TPageRecordingPlot(&form);
        plot->SetParent(&form);
        plot->SetBounds(0, 0, 500, 200);
        plot->SetPrintShowDialog(false);
        plot->OnBeforePrint = [this](TObject *) { events << "before"; };
        plot->OnAfterPrint = [this](TObject *) { events << "after"; };
        plot->OnBeforePrintPage = [this](TObject *, int Page, bool &Last) {
            events << QStringLiteral("page %1%2").arg(Page).arg(Last ? " last" : "");
        };
        form.Show();
    }
    TgPlotXAxis *X() const { return plot->GetXAxis(0); }
};

// 600 dpi letter with 1-inch margins: the paper in pixels, the scale onto
// the area inside the margins and the page rectangle, moved by the printer's
// physical offsets; landscape turns the paper.
TEST_F(PrintTest, PaperScaleAndPageRectangleOnAnInjectedPrinter)
{
    InjectPrinterGeometry(TPrinterGeometry{1, 600, 600, 50, 40});
    const struct {
        TPrinterOrientation orientation;
        double inchesW, inchesH;
        int pixelsW, pixelsH;
        double scale;
    } rows[] = {
        {poPortrait, 8.5, 11, 5100, 6600, 7.8},   // min(3900 / 500, 5400 / 200)
        {poLandscape, 11, 8.5, 6600, 5100, 10.8}, // min(5400 / 500, 3900 / 200)
    };
    for (const auto &row : rows) {
        plot->rects.clear();
        events.clear();
        plot->SetPrintOrientation(row.orientation);
        plot->PrintChart();
        EXPECT_EQ(plot->PrinterPaperWidthInches(), row.inchesW);
        EXPECT_EQ(plot->PrinterPaperHeightInches(), row.inchesH);
        EXPECT_NEAR(plot->PrinterPaperWidthCentimeters(), row.inchesW * 2.54, 1e-9);
        EXPECT_NEAR(plot->PrinterPaperHeightCentimeters(), row.inchesH * 2.54, 1e-9);
        EXPECT_EQ(plot->PrinterPaperWidthPixels(), row.pixelsW);
        EXPECT_EQ(plot->PrinterPaperHeightPixels(), row.pixelsH);
        ASSERT_EQ(plot->rects.size(), 1u);
        const TRect r = plot->rects[0];
        EXPECT_EQ(r.Left, 600 - 50);
        EXPECT_EQ(r.Top, 600 - 40);
        EXPECT_EQ(r.Right, qRound(600 - 50 + 500 * row.scale));
        EXPECT_EQ(r.Bottom, qRound(600 - 40 + 200 * row.scale));
        EXPECT_EQ(events, QStringList({"before", "page 1 last", "after"}));
        EXPECT_EQ(Printer()->docName(), "Untitled");
        EXPECT_EQ(PrinterOrientation(), row.orientation);
    }
}

// Before any print the sizing helpers ask the printer for its paper, in the
// plot's print orientation; afterwards they use the printed paper.
TEST_F(PrintTest, SizingHelpersUseThePrintersPaperBeforeAnyPrint)
{
    InjectPrinterGeometry(TPrinterGeometry{1, 600, 600, 0, 0});
    EXPECT_EQ(plot->PrinterPaperWidthInches(), 0);
    plot->SetPrintOrientation(poLandscape);
    plot->PrintSizeToFillPage();
    EXPECT_EQ(plot->Width(), 500);
    EXPECT_EQ(plot->Height(), 386); // 500 x 8.5 / 11
    plot->SetPrintOrientation(poPortrait);
    plot->PrintSizeToFillPage();
    EXPECT_EQ(plot->Height(), 647); // 500 x 11 / 8.5, truncated

    // Ten minutes per millimetre over the printed length of the X axis.
    plot->ReCalcLayout();
    const double axisPixels = std::abs(X()->MaxPixels() - X()->MinPixels());
    ASSERT_GT(axisPixels, 0);
    plot->PrintAdjustXSpanToMinutesPerMillimeter(10);
    const double printedMillimetres = axisPixels * (11 - 2) / 647 * 25.4;
    EXPECT_NEAR(X()->Span(), printedMillimetres * 10 / 1440, 1e-9);

    // After a landscape print the printed paper counts, whatever is set now.
    plot->SetPrintOrientation(poLandscape);
    plot->PrintChart();
    plot->SetPrintOrientation(poPortrait);
    plot->PrintSizeToFillPage();
    EXPECT_EQ(plot->Height(), 386);
}

// The toolbar's Print button with the print question: cancelled, nothing is
// printed and no event fires; confirmed, one page.
TEST_F(PrintTest, PrintButtonAsksFirst)
{
    plot->SetPrintShowDialog(true);
    form.SetBounds(0, 0, 700, 400);
    plot->SetBounds(0, 0, 640, 300);
    QApplication::setActiveWindow(form.Widget());
    int asked = 0;
    bool answer = false;
    TPrintDialog::Runner = [&](QPrinter *) {
        ++asked;
        return answer;
    };
    const std::vector<QRect> buttons = ToolBarButtons(Shot(plot->Widget()));
    ASSERT_EQ(buttons.size(), 12u); // Print is the last one shown
    const QPoint print = buttons.back().center();

    QTest::mouseClick(plot->Widget(), Qt::LeftButton, Qt::NoModifier, print);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(plot->rects.empty());
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(plot->PrinterPaperWidthPixels(), 0);

    answer = true;
    QTest::mouseClick(plot->Widget(), Qt::LeftButton, Qt::NoModifier, print);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(events, QStringList({"before", "page 1 last", "after"}));
    EXPECT_EQ(PdfPageCount(file), 1);
    EXPECT_TRUE(plot->GetToolBar(0)->Visible());
    QApplication::setActiveWindow(nullptr);
}

// The page loop steps X axis 0 by its span from PrintXStart until the axis
// reaches PrintXStop, one PDF page each; the plot is restored afterwards.
TEST_F(PrintTest, XAxisPagingIntoAPdfFile)
{
    X()->SetTrackingEnabled(false);
    SetPrinterOrientation(poLandscape); // the loop prints on the printer as it is set
    const struct {
        double start, stop;
        int pages;
    } rows[] = {{0, 350, 4}, {0, 400, 4}, {0, 100, 1}, {0, 100.5, 2}, {-50, 0, 1}, {20, 10, 0}};
    for (const auto &row : rows) {
        QFile::remove(file);
        events.clear();
        X()->SetMinSpan(7, 100);
        plot->SetPrintXStart(row.start);
        plot->SetPrintXStop(row.stop);
        plot->PrintPages();
        QStringList expected("before");
        for (int p = 1; p <= row.pages; ++p)
            expected << QStringLiteral("page %1%2").arg(p).arg(p == row.pages ? " last" : "");
        expected << "after";
        EXPECT_EQ(events, expected) << row.stop;
        EXPECT_EQ(PdfPageCount(file), std::max(row.pages, 1)) << row.stop; // an empty document has its one page
        for (const QSizeF &box : PdfMediaBoxes(file)) {
            EXPECT_NEAR(box.width(), 11 * 72, 1);
            EXPECT_NEAR(box.height(), 8.5 * 72, 1);
        }
        EXPECT_EQ(X()->Min(), 7);
        EXPECT_EQ(X()->Span(), 100);
        EXPECT_TRUE(plot->GetToolBar(0)->Visible());
    }

    // The axis range each page printed.
    std::vector<double> mins;
    plot->OnBeforePrintPage = [&](TObject *, int, bool &) { mins.push_back(X()->Min()); };
    plot->SetPrintXStart(0);
    plot->SetPrintXStop(350);
    plot->PrintPages();
    EXPECT_EQ(mins, std::vector<double>({0, 100, 200, 300}));
}

// A printer that cannot start, and margins that fill the paper: "Error
// Printing : ..." with nothing printed, no print event, the update bracket
// closed and the plot as it was. A printer name the system does not offer
// leaves the printer as it is.
TEST_F(PrintTest, FailuresAreReportedAndRestoreThePlot)
{
    const auto message = [&]() {
        try {
            plot->PrintChart();
        } catch (const Exception &e) {
            return e.Message();
        }
        return QString();
    };
    plot->GetToolBar(0)->SetVisible(true);
    Printer()->setOutputFileName(QString());
    EXPECT_EQ(message(), "Error Printing : Printing could not start");
    EXPECT_FALSE(plot->GetUpdateActive());
    EXPECT_TRUE(plot->GetToolBar(0)->Visible());
    EXPECT_FALSE(PrinterPrinting());
    EXPECT_TRUE(events.isEmpty());

    Printer()->setOutputFileName(file);
    plot->SetPrintMarginTop(5);
    plot->SetPrintMarginBottom(4); // 9 inches of 8.5
    EXPECT_EQ(message(), "Error Printing : The print margins leave no room on the paper");
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(plot->GetUpdateActive());

    plot->SetPrintMarginTop(1);
    plot->SetPrintMarginBottom(1);
    plot->SetPrinterName(QStringLiteral("  No Such Printer  "));
    EXPECT_EQ(message(), QString());
    EXPECT_EQ(PdfPageCount(file), 1);
}

// A zero-size plot prints an empty page instead of dividing by its size.
TEST_F(PrintTest, ZeroSizePlotPrintsAnEmptyPage)
{
    plot->SetBounds(0, 0, 0, 0);
    plot->PrintChart();
    EXPECT_EQ(PdfPageCount(file), 1);
    EXPECT_TRUE(plot->rects.empty());
    EXPECT_EQ(events, QStringList({"before", "page 1 last", "after"}));
}

// The plot drawn into a rectangle twice its size shows the same picture,
// scaled: the data view's frame lands at twice its place.
TEST(PrintToRect, DrawsThePlotScaledIntoTheRectangle)
{
    TShownPlot<TgXYPlot> shown(300, 200);
    const QRect frame = DataViewFrame(shown.Shot());
    ASSERT_FALSE(frame.isNull());
    TBitmap bitmap(700, 500);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(TRect(0, 0, 700, 500));
    shown.plot->PrintToRect(bitmap.Canvas(), TRect(40, 30, 640, 430));
    const QImage scaled = bitmap.Image().convertToFormat(QImage::Format_RGB32);
    const QRect scaledFrame = DataViewFrame(scaled);
    EXPECT_TRUE(NearBox(scaledFrame,
                        QRect(QPoint(40 + 2 * frame.left(), 30 + 2 * frame.top()),
                              QPoint(40 + 2 * frame.right() + 1, 30 + 2 * frame.bottom() + 1)),
                        2));
    // Nothing outside the rectangle.
    EXPECT_EQ(scaled.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(scaled.pixel(660, 450), qRgb(255, 255, 255));
}

} // namespace
