// Printed pages as paper shows them: the plot printed into a PDF file at the
// printer's resolution, each page rasterised, and the plot found filling the
// area inside the margins as the screen shows it, at any resolution; X-axis
// paging puts each range of the axis on its own page.
#include "PdfPrinter.h"
#include "PrintedPage.h"
#include "Printers.h"
#include "RenderedPlot.h"
#include "gPlotChannelCustom.h"
#include "gXYPlot.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A shown 500 x 300 plot with its toolbar (the Print button) and a red
// trace over X 0..400 that steps up by 20 every 100, rippling; the axes show
// 0..100. It prints portrait Letter with 1-inch margins into a PDF file.
struct PrintedPageTest : ::testing::Test {
    TPdfPrinter pdf;
    TShownPlot<TgXYPlot> shown{500, 300};
    TgXYPlot *plot = shown.plot;
    const TPrintedPlace place{QSize(500, 300), QSizeF(8.5, 11), 1};

    void SetUp() override
    {
        plot->SetPrintShowDialog(false);
        plot->SetPrintOrientation(poPortrait);
        TgPlotChannelCustom *channel = plot->GetChannel(0);
        channel->SetColor(clRed);
        for (int x = 0; x <= 400; ++x)
            channel->AddXY(x, 10 + 20 * (x / 100) + 4 * std::sin(x / 8.0));
        plot->GetToolBar(0)->SetVisible(true);
        plot->GetXAxis(0)->LabelsFont()->SetSize(16); // large digits tell the ranges apart
    }

    // The plot as it goes on paper (without its toolbar), X axis 0 from Min.
    QImage ScreenFrom(double Min)
    {
        TgPlotXAxis *x = plot->GetXAxis(0);
        const double before = x->Min();
        plot->GetToolBar(0)->SetVisible(false);
        x->SetMin(Min);
        const QImage image = shown.Shot();
        x->SetMin(before);
        plot->GetToolBar(0)->SetVisible(true);
        return image;
    }

    // The ink of the X axis's labels: the strip below the data view's frame
    // and the tick marks, 20 screen pixels wider on each side, from a screen
    // picture or from the page, brought to a quarter of the screen's size (a
    // digit's shape stays, the outline of its strokes goes) in grey.
    static QRect LabelStrip(const QImage &Screen)
    {
        const QRect frame = DataViewFrame(Screen);
        return QRect(QPoint(frame.left() - 20, frame.bottom() + 11), QPoint(frame.right() + 20, Screen.height() - 4));
    }
    QImage LabelInk(const QImage &Image, const QRect &Strip, bool OnPage) const
    {
        const QImage part = OnPage ? Image.copy(place.Of(Strip)) : Image.copy(Strip);
        return part.scaled(Strip.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_Grayscale8);
    }
    static double InkDistance(const QImage &A, const QImage &B)
    {
        double sum = 0;
        for (int y = 0; y < A.height(); ++y)
            for (int x = 0; x < A.width(); ++x)
                sum += std::abs(qGray(A.pixel(x, y)) - qGray(B.pixel(x, y)));
        return sum / (A.width() * A.height());
    }
};

// The toolbar's Print button at 96, 300, 600 and 1200 dpi: one page each,
// the plot filling the width inside the margins (6.5 of 8.5 inches) with its
// aspect kept, its frame, grid and trace in the screen's proportions.
TEST_F(PrintedPageTest, ThePlotFillsThePrintableAreaAtEveryResolution)
{
    const QImage screen = ScreenFrom(0);
    QApplication::setActiveWindow(shown.form.Widget());
    const std::vector<QRect> buttons = ToolBarButtons(Shot(plot->Widget()));
    ASSERT_EQ(buttons.size(), 12u); // Print is the last one shown
    for (int dpi : {96, 300, 600, 1200}) {
        QFile::remove(pdf.file);
        Printer()->setResolution(dpi);
        QTest::mouseClick(plot->Widget(), Qt::LeftButton, Qt::NoModifier, buttons.back().center());
        const std::vector<QImage> pages = PdfPages(pdf.file, kPageDpi);
        ASSERT_EQ(pages.size(), 1u) << dpi;
        EXPECT_EQ(pages[0].size(), QSize(850, 1100)) << dpi;
        EXPECT_TRUE(ShowsPlotAsOnScreen(pages[0], screen, place, Rgb(clRed))) << dpi << " dpi";
    }
}

// PrintXStart 0 to PrintXStop 400 with the axis showing 100 at a time, at
// the printer's own 1200 dpi and at 300: four pages, page k showing the
// range from 100 k, its trace and the labels of that range, which match the
// screen's labels of that range better than those of any other.
TEST_F(PrintedPageTest, XAxisPagingPrintsEachRangeOnItsPage)
{
    SetPrinterOrientation(poPortrait); // the page loop prints on the printer as it is set
    std::vector<QImage> screens;
    for (int k = 0; k < 4; ++k)
        screens.push_back(ScreenFrom(100 * k));
    const QRect strip = LabelStrip(screens[0]);
    for (int dpi : {1200, 300}) {
        QFile::remove(pdf.file);
        Printer()->setResolution(dpi);
        plot->SetPrintXStart(0);
        plot->SetPrintXStop(400);
        plot->PrintPages();
        const std::vector<QImage> pages = PdfPages(pdf.file, kPageDpi);
        ASSERT_EQ(pages.size(), 4u) << dpi;
        for (int k = 0; k < 4; ++k) {
            EXPECT_TRUE(ShowsPlotAsOnScreen(pages[k], screens[k], place, Rgb(clRed))) << dpi << " dpi, page " << k + 1;
            const QImage printed = LabelInk(pages[k], strip, true);
            std::vector<double> distances;
            for (const QImage &screen : screens)
                distances.push_back(InkDistance(printed, LabelInk(screen, strip, false)));
            const int nearest = int(std::min_element(distances.begin(), distances.end()) - distances.begin());
            EXPECT_EQ(nearest, k) << dpi << " dpi, page " << k + 1 << ": label distances " << distances[0] << ' '
                                  << distances[1] << ' ' << distances[2] << ' ' << distances[3];
        }
    }
}

} // namespace
