#include "EditorWindows.h"
#include "TfmMain.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

// The main window and its shell windows made, shown and painted once, as the
// program does from its start to the first paint (the process start itself
// and the Qt platform set-up come on top).
static void BM_MainWindowToFirstPaint(benchmark::State &state)
{
    TfmMain::connectOption = {true, "127.0.0.1", 1};
    for (auto _ : state) {
        CreateEditorWindows();
        fmMain->Show();
        QImage img = fmMain->Widget()->grab().toImage();
        benchmark::DoNotOptimize(img.constBits());
        state.PauseTiming();
        DestroyEditorWindows();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["budget_ms"] = 400;
    state.SetLabel("windows made, shown and painted; budget 400 ms from process start");
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(5);

// Switching the language of every caption, each way.
static void BM_ApplyLanguage(benchmark::State &state)
{
    TfmMain::connectOption = {true, "127.0.0.1", 1};
    CreateEditorWindows();
    bool chinese = false;
    for (auto _ : state) {
        chinese = !chinese;
        fmMain->SetLanguage(chinese ? "ChineseGB" : "English");
    }
    DestroyEditorWindows();
    state.counters["budget_ms"] = 30;
    state.SetLabel("ApplyLanguage, alternating; budget 30 ms");
}
BENCHMARK(BM_ApplyLanguage)->Unit(benchmark::kMillisecond);

// A name lookup with the case differing from the stored name.
static void BM_FindControl(benchmark::State &state)
{
    TfmMain::connectOption = {true, "127.0.0.1", 1};
    CreateEditorWindows();
    const QString names[] = {"skgfftout3", "FFTDRAWGEQIND", "lbPstName", "skbMenuOut8"};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(fmMain->FindControl(names[i++ & 3]));
    state.counters["controls"] = fmMain->ControlCount();
    DestroyEditorWindows();
    state.counters["budget_ns"] = 1000;
    state.SetLabel("name lookup, case ignored; budget 1 us");
}
BENCHMARK(BM_FindControl);
