// AddXY into an XY plot whose axes fit themselves to the data after every
// point (expand-collapse tracking on X and Y): the total time must grow in
// proportion to the points, so the cost per point at 1e5 points stays about
// what it is at 1e4 (budget: 2 us per point at either size, and at most 1.5
// times the 1e4 figure at 1e5). Figures print beside the budget.
#include <benchmark/benchmark.h>

#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <chrono>
#include <cmath>
#include <map>
#include <memory>

namespace {

constexpr double BudgetNsPerPoint = 2000;
constexpr double BudgetGrowth = 1.5;

std::map<int, double> NsPerPoint; // by point count

void BM_AddXYExpandCollapse(benchmark::State &state)
{
    const int points = int(state.range(0));
    double ns = 0;
    long runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plot = std::make_unique<TgXYPlot>(nullptr);
        plot->SetBounds(0, 0, 1200, 800);
        for (TgPlotAxis *axis : {static_cast<TgPlotAxis *>(plot->GetXAxis(0)), static_cast<TgPlotAxis *>(plot->GetYAxis(0))})
            axis->SetTrackingStyle(iptsExpandCollapse);
        TgXYPlotChannel *channel = plot->GetChannel(0);
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        // A slowly widening spiral: both ranges keep growing, now and then.
        for (int i = 0; i < points; ++i)
            channel->AddXY(i * std::cos(i * 0.01), i * std::sin(i * 0.01));
        ns += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
        benchmark::DoNotOptimize(plot->GetXAxis(0)->Span());
        state.PauseTiming();
        plot.reset();
        state.ResumeTiming();
    }
    const double perPoint = runs ? ns / runs / points : 0;
    NsPerPoint[points] = perPoint;
    state.counters["ns_per_point"] = perPoint;
    state.counters["budget_ns_per_point"] = BudgetNsPerPoint;
    if (points > 10000 && NsPerPoint.count(10000) && NsPerPoint[10000] > 0) {
        state.counters["growth_vs_1e4"] = perPoint / NsPerPoint[10000];
        state.counters["budget_growth"] = BudgetGrowth;
    }
    state.SetLabel("AddXY with expand-collapse tracking on both axes; per-point cost must stay flat");
}

} // namespace

BENCHMARK(BM_AddXYExpandCollapse)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
