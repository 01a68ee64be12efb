#include "EditorWindows.h"
#include "GeqPage.h"
#include "LMyFFTDrawHpLp6dB.h"
#include "SmTrackBar.h"
#include "TfmMain.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

// The main window on its GEQ page, shown, with input A's 31 band sliders.
struct GeqWindow {
    GeqPage *page = nullptr;
    TSmTrackBar *sliders[GeqPage::kBands] = {};
    LMyFFTDrawHpLp6dB *display = nullptr;

    GeqWindow()
    {
        TfmMain::connectOption = {true, "127.0.0.1", 1};
        CreateEditorWindows();
        fmMain->Show();
        if (TControl *geq = fmMain->FindControl("skbMenuGeq"))
            if (geq->OnClick)
                geq->OnClick(geq);
        QCoreApplication::processEvents();
        for (const auto &p : fmMain->Pages())
            if (auto *geq = dynamic_cast<GeqPage *>(p.get()))
                page = geq;
        for (int b = 0; b < GeqPage::kBands; ++b)
            sliders[b] = dynamic_cast<TSmTrackBar *>(fmMain->FindControl(QString::asprintf("isGeqCh%02dInA", b + 1)));
        display = dynamic_cast<LMyFFTDrawHpLp6dB *>(fmMain->FindControl("fftDrawGeqInA"));
    }
    ~GeqWindow() { DestroyEditorWindows(); }
    bool Ready() const { return page && sliders[GeqPage::kBands - 1] && display; }
    // Every band moved once (label, band curve, model, command).
    void Burst(int Step)
    {
        for (int b = 0; b < GeqPage::kBands; ++b)
            sliders[b]->SetPosition(120 + ((b + Step) % 7 - 3) * 10);
    }
};

} // namespace

// A drag across the whole graphic EQ of input A: 31 slider moves (label, band
// curve, model, command) and the one redraw of the curve that follows them
// (the 1 ms tick without its wait: band fill and texts, sum drawn, display
// page copied to the screen image).
static void BM_GeqBurstOf31Moves(benchmark::State &state)
{
    GeqWindow w;
    if (!w.Ready()) {
        state.SkipWithError("GEQ page not built");
        return;
    }
    QCoreApplication::processEvents();
    int step = 0;
    double moves = 0, tick = 0;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        w.Burst(++step);
        moves += double(t.nsecsElapsed());
        t.start();
        w.page->GeqCurveTimer();
        tick += double(t.nsecsElapsed());
        // The repaints the burst asked for (sliders, labels, the display's own
        // paint, which renders its whole plot again) are the controls' work,
        // measured below.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    const double n = double(state.iterations()) * 1e6;
    state.counters["moves_ms"] = moves / n;
    state.counters["tick_ms"] = tick / n;
    state.counters["budget_ms"] = 4;
    state.SetLabel("31 GEQ slider moves and their one curve redraw; budget 4 ms");
}
BENCHMARK(BM_GeqBurstOf31Moves)->Unit(benchmark::kMillisecond);

// For comparison: the display's own repaint after the redraw, and the burst
// with every repaint it causes (the 31 moved sliders and labels too).
static void BM_GeqDisplayRepaint(benchmark::State &state)
{
    GeqWindow w;
    if (!w.Ready()) {
        state.SkipWithError("GEQ page not built");
        return;
    }
    QCoreApplication::processEvents();
    for (auto _ : state)
        w.display->Repaint();
    state.SetLabel("the GEQ display repainted on the screen (its own full render); no budget");
}
BENCHMARK(BM_GeqDisplayRepaint)->Unit(benchmark::kMillisecond);

static void BM_GeqBurstWithWindowRepaint(benchmark::State &state)
{
    GeqWindow w;
    if (!w.Ready()) {
        state.SkipWithError("GEQ page not built");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        w.Burst(++step);
        w.page->GeqCurveTimer();
        QCoreApplication::processEvents();
    }
    state.SetLabel("burst, redraw and every repaint it causes; no budget");
}
BENCHMARK(BM_GeqBurstWithWindowRepaint)->Unit(benchmark::kMillisecond);
