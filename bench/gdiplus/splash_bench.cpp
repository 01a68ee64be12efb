// The splash frame, its tagged-text renderer and the rich-text label of the
// protocol viewers, each figure printed beside its budget (counter budget_ms;
// the time column is the figure, unless a counter names another).

#include "Application.h"
#include "Font.h"
#include "Form.h"
#include "SmSplashHtml.h"
#include "SmSplashScreen.h"
#include "SplashLayout.h"
#include "rtflabel.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <chrono>
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

// The tagged-text renderer over 10 000 and 40 000 lines, measured only
// (range 1 = 0) or drawn (1): the figure is how much longer four times the
// text takes, beside its budget of 5 (it grows with the text). Range 0 picks
// the text: lines that end at tags (0) or a text without tags that wraps (1).
void BM_HtmlTextFourTimesTheLines(benchmark::State &state)
{
    const bool tagged = state.range(0) == 0, draw = state.range(1) != 0;
    const QString line = tagged ? QStringLiteral("<FONT size=\"12\" color=\"clWhite\">Loading</FONT> Program....<br>")
                                : QStringLiteral("Loading the program ");
    const QString small = line.repeated(10000), large = line.repeated(40000);
    QImage target(300, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    TGPGraphics g(&painter);
    TFont font;
    THtmlDrawOptions options;
    options.MeasureOnly = !draw;
    const TRect r = Rect(0, 0, tagged ? 300 : 120, 1 << 30); // room for every line
    double smallMs = 0, largeMs = 0;
    for (auto _ : state) {
        using Clock = std::chrono::steady_clock;
        THtmlDrawResult result;
        const auto t0 = Clock::now();
        DrawHtmlTextGdip(&g, &font, small, r, options, result);
        const auto t1 = Clock::now();
        DrawHtmlTextGdip(&g, &font, large, r, options, result);
        const auto t2 = Clock::now();
        smallMs += std::chrono::duration<double, std::milli>(t1 - t0).count();
        largeMs += std::chrono::duration<double, std::milli>(t2 - t1).count();
        benchmark::DoNotOptimize(result.YSize);
    }
    const double n = double(state.iterations());
    state.counters["ms_10000_lines"] = smallMs / n;
    state.counters["ms_40000_lines"] = largeMs / n;
    state.counters["ratio"] = largeMs / smallMs;
    state.counters["budget_ratio"] = 5;
    state.SetLabel(std::string(tagged ? "lines ending at tags" : "wrapped text without tags") +
                   (draw ? ", drawn" : ", measured"));
}

} // namespace

BENCHMARK(BM_HtmlTextFourTimesTheLines)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfLabelPaintParsedEachTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfLabelPaintCachedDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplashFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplashShowToExposed)->Unit(benchmark::kMillisecond);
