// The splash frame and the rich-text label of the protocol viewers, each
// figure printed beside its budget (counter budget_ms; the time column is
// the figure).

#include "Application.h"
#include "Form.h"
#include "SmSplashScreen.h"
#include "SplashLayout.h"
#include "rtflabel.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A document of the viewers' size: headings, command rows with hex codes in
// colour, plain paragraphs; about 1400 pixels tall at 630 wide.
QString ViewerDocument()
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}{\\f1\\fnil Courier New;}}"
                                 "{\\colortbl ;\\red0\\green0\\blue160;\\red160\\green0\\blue0;}");
    for (int section = 0; section < 12; ++section) {
        rtf += QStringLiteral("\\pard\\sb120\\sa60\\f0\\fs24\\b\\cf1 %1. Command group %1\\b0\\cf0\\par ").arg(section + 1);
        for (int row = 0; row < 6; ++row)
            rtf += QStringLiteral("\\pard\\li360\\f1\\fs18 \\cf2 A5 %1 %2 00 3C\\cf0  \\f0 sets the value of channel "
                                  "%2 in steps of 0.1 dB\\par ")
                       .arg(section * 6 + row, 2, 16, QLatin1Char('0'))
                       .arg(row);
    }
    return rtf + QLatin1Char('}');
}

void PaintLabel(benchmark::State &state, bool cached)
{
    TForm form(nullptr, CreateNew);
    form.SetBounds(0, 0, 754, 662);
    auto *label = new TRTFLabel(&form);
    label->SetParent(&form);
    label->SetBounds(50, 24, 630, 1400);
    label->SetTransparent(true);
    label->SetCacheDocument(cached);
    label->SetRichText(ViewerDocument());
    QImage target(630, 1400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        target.fill(Qt::white);
        QPainter p(&target);
        label->Canvas()->Attach(&p, TPoint(0, 0), Rect(0, 0, 630, 1400));
        label->Paint();
        label->Canvas()->Detach();
    }
    state.counters["budget_ms"] = 8;
}

void BM_RtfLabelPaintParsedEachTime(benchmark::State &state) { PaintLabel(state, false); }
void BM_RtfLabelPaintCachedDocument(benchmark::State &state) { PaintLabel(state, true); }

struct ProgramSplash {
    ProgramSplash()
    {
        Application->SetSleepHandler([](unsigned) {});
        form = std::make_unique<TForm>(nullptr, CreateNew);
        splash = new TSmSplashScreen(form.get());
        splash->SetAutoShow(false);
        form->BeginLoading();
        LoadProgramSplashLayout(splash);
        form->EndLoading();
    }
    ~ProgramSplash() { Application->SetSleepHandler(nullptr); }
    std::unique_ptr<TForm> form;
    TSmSplashScreen *splash;
};

// One frame: fill with picture, headings, the tagged line, pushed.
void BM_SplashFrame(benchmark::State &state)
{
    ProgramSplash s;
    s.splash->Show();
    for (auto _ : state)
        s.splash->SplashWindow()->RenderLayered();
    state.counters["budget_ms"] = 10;
}

// Show to an exposed window (and Hide, which the first show of the main
// window does).
void BM_SplashShowToExposed(benchmark::State &state)
{
    ProgramSplash s;
    for (auto _ : state) {
        s.splash->Show();
        state.PauseTiming();
        s.splash->Hide();
        state.ResumeTiming();
    }
    state.counters["budget_ms"] = 40;
}

} // namespace

BENCHMARK(BM_RtfLabelPaintParsedEachTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfLabelPaintCachedDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplashFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplashShowToExposed)->Unit(benchmark::kMillisecond);
