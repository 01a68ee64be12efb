// The main window's twelve PEQ band tables: building them (600 type lists
// with their edits, labels and buttons) and one resize of all twelve to the
// layout's 536 x 270.
#include "Form.h"
#include "MyPEQType8.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTables = 12;
constexpr double kBudgetMs = 50;

void BM_BuildAndResizeTwelvePeqTables(benchmark::State &state)
{
    double worstMs = 0;
    for (auto _ : state) {
        TForm form(nullptr);
        form.SetBounds(0, 0, 1280, 760);
        QElapsedTimer t;
        t.start();
        std::vector<TMyPEQType8 *> tables;
        for (int i = 0; i < kTables; ++i) {
            auto *table = new TMyPEQType8(&form);
            table->SetParent(&form);
            tables.push_back(table);
        }
        for (int i = 0; i < kTables; ++i) {
            tables[i]->SetChannelNumber(i < 4 ? 8 : 9);
            tables[i]->SetBounds((i % 2) * 540, (i / 2) * 10, 536, 270);
        }
        const double ms = t.nsecsElapsed() / 1e6;
        worstMs = std::max(worstMs, ms);
        state.SetIterationTime(ms / 1000);
    }
    state.counters["worst_ms"] = worstMs;
    state.counters["budget_ms"] = kBudgetMs;
    state.SetLabel(worstMs <= kBudgetMs ? "within budget" : "OVER budget");
}
BENCHMARK(BM_BuildAndResizeTwelvePeqTables)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
