// A response plot inside a hidden frame puts its drawing off: it holds no
// pixels, and when it is shown, or its pixels are read, it shows exactly what
// a plot that was in view all along shows after the same calls.
#include "PlotFixture.h"

#include "Form.h"
#include "Panel.h"

#include <QCoreApplication>
#include <QPainter>
#include <functional>

namespace {

double Peak(double f) { return 12.0 * std::exp(-std::pow(std::log10(f / 1000.0) * 4, 2)); }
double Dip(double f) { return -9.0 * std::exp(-std::pow(std::log10(f / 200.0) * 3, 2)); }

// Two frames on a shown form, each with one plot: `hidden` starts hidden,
// `shown` stays in view; calls go to both.
struct DeferredPlot : ::testing::Test {
    TForm form{nullptr};
    TPanel *hiddenFrame = new TPanel(&form);
    TPanel *shownFrame = new TPanel(&form);
    LMyFFTDrawHpLp6dB *hidden = new LMyFFTDrawHpLp6dB(&form);
    LMyFFTDrawHpLp6dB *shown = new LMyFFTDrawHpLp6dB(&form);

    void SetUp() override
    {
        form.SetBounds(0, 0, 1200, 720);
        for (auto [frame, plot, top] : {std::tuple{hiddenFrame, hidden, 0}, std::tuple{shownFrame, shown, 360}}) {
            frame->SetParent(&form);
            frame->SetBounds(0, top, 1200, 360);
            plot->SetParent(frame);
            PlotFixture::MainWindowSettings(*plot, 1070, 255);
        }
        hiddenFrame->SetVisible(false);
        form.Show();
        QCoreApplication::processEvents();
    }

    void Both(const std::function<void(LMyFFTDrawHpLp6dB &)> &Call)
    {
        Call(*hidden);
        Call(*shown);
    }

    // What each plot shows on the form.
    std::pair<QImage, QImage> Shots()
    {
        QCoreApplication::processEvents();
        QImage shot(1200, 720, QImage::Format_RGB32);
        {
            QPainter painter(&shot);
            form.Widget()->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        }
        return {shot.copy(hidden->Left(), hidden->Top(), hidden->Width(), hidden->Height()),
                shot.copy(shown->Left(), shown->Top() + 360, shown->Width(), shown->Height())};
    }
};

TEST_F(DeferredPlot, AHiddenPlotHoldsNoPixelsAndShowsTheLatestStateWhenShown)
{
    const std::vector<double> peak = PlotFixture::Curve(Peak), dip = PlotFixture::Curve(Dip);
    Both([&](LMyFFTDrawHpLp6dB &p) {
        p.FFTDraw(peak.data(), 4096, 1, clYellow, TMyPlotStyle(0));
        p.FFTDraw(dip.data(), 4096, 2, clAqua, TMyPlotStyle(0));
        p.UpdateCurvePage();
        p.FFTDraw(peak.data(), 4096, 2, clRed, TMyPlotStyle(0)); // replaces the dip
        p.DrawBlock(12, p.Bin(1000), clFuchsia, 3, false, 1);
        p.SetBlockParameter(3, 1000, 12, 2, 1);
        p.DrawLine(p.Bin(200), clRed, true);
        p.DrawTextA(20, 20, 10, clWhite, QString(), QStringLiteral("A"));
        p.UpdateCurvePage();
    });
    EXPECT_TRUE(hidden->DrawingPutOff());
    EXPECT_FALSE(hidden->HoldsPixels());
    EXPECT_TRUE(shown->HoldsPixels());

    hiddenFrame->SetVisible(true);
    const auto [late, early] = Shots();
    EXPECT_FALSE(hidden->DrawingPutOff());
    EXPECT_EQ(late, early);
    // The curve under key 2 is the latest one: red, and no aqua of the dip.
    int red = 0, aqua = 0;
    for (int y = 0; y < late.height(); ++y)
        for (int x = 0; x < late.width(); ++x) {
            red += late.pixel(x, y) == qRgb(255, 0, 0);
            aqua += late.pixel(x, y) == qRgb(0, 255, 255);
        }
    EXPECT_GT(red, 100);
    EXPECT_EQ(aqua, 0);
}

TEST_F(DeferredPlot, APlotResizedWhileHiddenPaintsAtItsNewSize)
{
    // Shown once, hidden again: its pictures stay, at the old size.
    hiddenFrame->SetVisible(true);
    Shots();
    hiddenFrame->SetVisible(false);
    const std::vector<double> dip = PlotFixture::Curve(Dip);
    Both([&](LMyFFTDrawHpLp6dB &p) {
        p.SetBounds(p.Left(), p.Top(), 900, 300);
        p.FFTDraw(dip.data(), 4096, 4, clLime, TMyPlotStyle(0));
        p.UpdateCurvePage();
    });
    EXPECT_TRUE(hidden->DrawingPutOff());
    hiddenFrame->SetVisible(true);
    const auto [late, early] = Shots();
    ASSERT_EQ(late.size(), QSize(900, 300));
    EXPECT_EQ(late, early);
    EXPECT_EQ(hidden->GetPlotWidth(), shown->GetPlotWidth());
    EXPECT_EQ(hidden->GetPlotHeight(), shown->GetPlotHeight());
}

TEST_F(DeferredPlot, ReadingTheScreenImageOrAPageOfAHiddenPlotDrawsItFirst)
{
    const std::vector<double> peak = PlotFixture::Curve(Peak);
    Both([&](LMyFFTDrawHpLp6dB &p) {
        p.FFTDraw(peak.data(), 4096, 1, clYellow, TMyPlotStyle(0));
        p.UpdateCurvePage();
    });
    ASSERT_FALSE(hidden->HoldsPixels());
    EXPECT_EQ(hidden->ScreenImage(), shown->ScreenImage());
    EXPECT_FALSE(hidden->DrawingPutOff());
    // Drawn again while hidden: the plot page read alone brings it up to date.
    Both([&](LMyFFTDrawHpLp6dB &p) { p.RemovePlot(1); });
    const QImage page = static_cast<const TBitmap *>(hidden->PlotPage()->Bitmap())->Image();
    EXPECT_EQ(page, static_cast<const TBitmap *>(shown->PlotPage()->Bitmap())->Image());
    EXPECT_EQ(hidden->YLabelPage()->Canvas()->Pixels(3, 3), shown->YLabelPage()->Canvas()->Pixels(3, 3));
}

} // namespace
