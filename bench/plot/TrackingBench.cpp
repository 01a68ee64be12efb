// Adding points to plots whose axes fit themselves to the data after every
// point (expand-collapse tracking on X and Y): the total time must grow in
// proportion to the points, so the cost per point stays flat as the points
// grow. The XY plot: budget 2 us per point at 1e4 and 1e5, and at most 1.5
// times the 1e4 figure at 1e5. The strip chart, plain and through a ring
// that keeps the newest half of the points (so extremes leave the view as
// the ring drops them): the per-point cost at 1e4, 1e5 and 1e6 within 2 times
// of each other. Figures print beside the budget.
#include <benchmark/benchmark.h>

#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gPlot.h"
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

constexpr double BudgetStripGrowth = 2;

// Per-point figures of the strip chart by ring (0 or 1) and point count.
std::map<std::pair<int, int>, double> StripNsPerPoint;

void BM_StripAddXYExpandCollapse(benchmark::State &state)
{
    const int points = int(state.range(0));
    const bool ring = state.range(1) != 0;
    double ns = 0;
    long runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plot = std::make_unique<TgPlot>(nullptr);
        plot->SetBounds(0, 0, 1200, 800);
        for (TgPlotAxis *axis : {static_cast<TgPlotAxis *>(plot->GetXAxis(0)), static_cast<TgPlotAxis *>(plot->GetYAxis(0))})
            axis->SetTrackingStyle(iptsExpandCollapse);
        TgPlotChannel *channel = plot->GetChannel(0);
        if (ring)
            channel->SetRingBufferSize(points / 2);
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        // A swelling wave: its range grows now and then, and the extremes
        // the ring drops are replaced by smaller ones.
        for (int i = 0; i < points; ++i)
            channel->AddXY(i, (i % 5000) * std::sin(i * 0.01));
        ns += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
        benchmark::DoNotOptimize(plot->GetYAxis(0)->Span());
        state.PauseTiming();
        plot.reset();
        state.ResumeTiming();
    }
    const double perPoint = runs ? ns / runs / points : 0;
    StripNsPerPoint[{ring, points}] = perPoint;
    state.counters["ns_per_point"] = perPoint;
    double lo = perPoint, hi = perPoint;
    for (const auto &[key, figure] : StripNsPerPoint)
        if (key.first == int(ring)) {
            lo = std::min(lo, figure);
            hi = std::max(hi, figure);
        }
    state.counters["spread_so_far"] = lo > 0 ? hi / lo : 0;
    state.counters["budget_spread"] = BudgetStripGrowth;
    state.SetLabel(ring ? "strip chart through a ring of half the points, expand-collapse on both axes"
                        : "strip chart, expand-collapse on both axes; per-point cost flat from 1e4 to 1e6");
}

} // namespace

BENCHMARK(BM_AddXYExpandCollapse)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StripAddXYExpandCollapse)
    ->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})
    ->ArgNames({"points", "ring"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
