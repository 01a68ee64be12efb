// One refresh of every object tab of the property editor (UpdateAll), as it
// runs on each activation of the stay-on-top editor: an XY plot with 10
// channels, 4 axes, 4 data cursors and 4 limits, an entry selected in every
// list (budget 30 ms). The figure prints beside its budget.
#include <benchmark/benchmark.h>

#include "Form.h"
#include "gPlotEditorForm.h"
#include "gPlotMasterManager.h"
#include "gXYPlot.h"

#include <QApplication>

#include <chrono>

namespace {

constexpr double BudgetMs = 30.0;

void BM_EditorUpdateAll(benchmark::State &state)
{
    TForm host(nullptr);
    host.SetBounds(0, 0, 660, 420);
    auto *plot = new TgXYPlot(&host);
    plot->SetParent(&host);
    plot->SetBounds(0, 0, 640, 400);
    TgPlotMasterManager *master = plot->Master();
    while (plot->ChannelCount() < 10)
        master->AddChannel();
    master->AddXAxis();
    master->AddYAxis();
    while (plot->DataCursorCount() < 4)
        master->AddDataCursor();
    while (plot->LimitCount() < 4)
        master->AddLimit();
    host.Show();
    plot->SetEditorFormStyle(ipfsStayOnTop);
    master->EditProperties();
    auto *editor = dynamic_cast<TgPlotEditorForm *>(master->EditorForm());
    if (!editor) {
        state.SkipWithError("no editor");
        return;
    }
    for (int kind = 0; kind <= iekLabel; ++kind)
        if (editor->ListEntryCount(TgPlotEditorKind(kind)) > 0)
            editor->SelectListEntry(TgPlotEditorKind(kind), editor->ListEntryCount(TgPlotEditorKind(kind)) - 1);
    QApplication::processEvents();

    long runs = 0;
    double ms = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        editor->UpdateAll();
        ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
    }
    const double perRun = runs ? ms / double(runs) : 0;
    state.counters["ms_per_update"] = perRun;
    state.counters["budget_ms"] = BudgetMs;
    state.SetLabel(perRun <= BudgetMs ? "UpdateAll of every tab; budget 30 ms" : "OVER BUDGET; budget 30 ms");
    editor->Close();
}

} // namespace

BENCHMARK(BM_EditorUpdateAll)->Unit(benchmark::kMillisecond);
