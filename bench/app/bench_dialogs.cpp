#include "ListBox.h"
#include "TfmHidData.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

// One traffic-log line appended to a visible log that holds its cap of
// lines: the oldest goes, the newest is added and selected. The events the
// list posts (the deferred scroll to the newest line) are handled every
// 100 lines, as the event loop of an upload does between replies.
static void BM_TrafficLogLineAtCap(benchmark::State &state)
{
    TfmHidData log(nullptr);
    log.Show();
    const std::string line = "NET R 10 02 01 05 22 00 00 10 03 35 ";
    for (int i = 0; i < TfmHidData::kMaxLines; ++i)
        log.AddLine(line);
    QCoreApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        log.AddLine(line);
        if (++n % 100 == 0)
            QCoreApplication::processEvents();
    }
    state.counters["budget_us"] = 50;
    state.SetLabel("traffic-log line at 10,000 lines while visible; budget 50 us");
}
BENCHMARK(BM_TrafficLogLineAtCap)->Unit(benchmark::kMicrosecond);

// A hidden log builds nothing: the call returns at once.
static void BM_TrafficLogLineHidden(benchmark::State &state)
{
    TfmHidData log(nullptr);
    for (auto _ : state)
        log.AddLine("COM W 10 02 ");
    state.counters["lines_kept"] = log.LineCount();
    state.SetLabel("hidden log; budget: no line built");
}
BENCHMARK(BM_TrafficLogLineHidden);
