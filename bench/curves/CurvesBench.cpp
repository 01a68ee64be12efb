// The response maths: every slot of twelve channel displays rebuilt, counted
// in section evaluations (one slot over the 4096 grid points is 4096), against
// the budget of 400 M evaluations per second on one core; and the largest
// distance of the fast evaluation from the plain one over those slots.
#include <benchmark/benchmark.h>

#include "CurveBuilder.h"
#include "LUnitControl.h"
#include "Plot.h"
#include "ResponseKernel.h"
#include "SharedConstants.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double kBudgetPerSecond = 400e6;

// A model whose channels use every band type and many slopes, so that every
// code of the maths is in the measured mix.
LUnitControl &BusyModel()
{
    static LUnitControl model;
    static bool ready = false;
    if (!ready) {
        for (int ch = 0; ch < kChannelCount; ++ch) {
            const int bands = ch < kInputCount ? kInputPeqBands : kOutputPeqBands;
            for (int b = 0; b < bands; ++b)
                model.SetPeqBand(ch, b,
                                 PeqBand{uint16_t(60 + 15 * b), uint16_t(20 + 30 * b), uint8_t((7 * b + ch) % 101),
                                         uint8_t((b + ch) % 9)},
                                 false);
            model.SetHighPass(ch, CrossoverRecord{uint16_t(10 + ch * 5), 0, uint8_t(1 + ch % 20), 0});
            model.SetLowPass(ch, CrossoverRecord{0, uint16_t(200 + ch * 7), 0, uint8_t(20 - ch % 20)});
        }
        ready = true;
    }
    return model;
}

// Slots one channel's build computes: its bands, and per filter the total
// plus, for slopes of more than one section, the five section slots.
int64_t EvaluationsOfChannel(const LUnitControl &model, int ch)
{
    const CrossoverRecord x = model.GetCrossover(ch);
    auto filter = [](int type) { return CrossoverSlopeRow(type) >= 2 ? 1 + Plot::kSectionSlots : 1; };
    const int bands = ch < kInputCount ? kInputPeqBands : kOutputPeqBands;
    return int64_t(bands + filter(x.hpfType) + filter(x.lpfType)) * kGridPoints;
}

// The largest |fast - plain| over every slot the twelve builds computed.
double WorstDistance(std::vector<std::unique_ptr<Plot>> &plots, bool phase)
{
    std::vector<double> fast(kGridPoints), plain(kGridPoints);
    double worst = 0;
    for (auto &plot : plots)
        for (int s = 0; s < Plot::kSlotCount; ++s) {
            FilterCoefficients c;
            if (s == Plot::kSumSlot || !plot->Filter(s).ComputeCoefficients(c))
                continue;
            EvaluateResponse(c, phase, fast.data());
            EvaluateResponsePlain(c, phase, plain.data());
            for (int i = 0; i < kGridPoints; ++i)
                if (std::isfinite(plain[i]))
                    worst = std::max(worst, std::fabs(fast[i] - plain[i]));
        }
    return worst;
}

// Slots that a channel build computes, each one section over the grid.
std::vector<int> ComputedSlots(const LUnitControl &model, int ch)
{
    std::vector<int> slots;
    for (int n = 0; n < (ch < kInputCount ? kInputPeqBands : kOutputPeqBands); ++n)
        slots.push_back(n);
    const CrossoverRecord x = model.GetCrossover(ch);
    slots.push_back(Plot::kHighPassSlot);
    slots.push_back(Plot::kLowPassSlot);
    if (CrossoverSlopeRow(x.hpfType) >= 2 || CrossoverSlopeRow(x.lpfType) >= 2)
        for (int k = 0; k < Plot::kSectionSlots; ++k)
            slots.push_back(Plot::kFirstSectionSlot + k);
    return slots;
}

std::vector<std::unique_ptr<Plot>> BuiltPlots(const LUnitControl &model, uint8_t phase)
{
    std::vector<std::unique_ptr<Plot>> plots;
    for (int ch = 0; ch < kChannelCount; ++ch) {
        plots.push_back(std::make_unique<Plot>());
        plots.back()->SetPhaseMode(phase);
        BuildChannelCurves(*plots.back(), model, ch);
    }
    return plots;
}

void Report(benchmark::State &state, double perRound, double maxDiff, const std::string &what)
{
    state.counters["evaluations"] = benchmark::Counter(perRound * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["budget"] = kBudgetPerSecond;
    state.counters["max_diff"] = maxDiff;
    state.SetLabel(what + "; budget 400M evaluations/s per core, max_diff <= 1e-9");
}

// The machine's own choice of instruction set, or (second argument 1) the
// AVX2 variant that machines without AVX-512 use, for the guard's life.
struct IsaChoice {
    bool avx2, ok;
    explicit IsaChoice(const benchmark::State &state)
        : avx2(state.range(1) != 0), ok(!avx2 || UseKernelIsa(KernelIsa::Avx2))
    {
    }
    ~IsaChoice() { UseKernelIsa(KernelIsa::Avx512); }
    std::string Name(const char *what) const { return std::string(what) + (avx2 ? ", AVX2" : ""); }
};

// The maths: every slot of the twelve channels' builds computed again from its
// parameters (coefficients, 4096 points, phase fix-ups).
void BM_TwelveChannelSlots(benchmark::State &state)
{
    const uint8_t phase = uint8_t(state.range(0));
    const IsaChoice isa(state);
    if (!isa.ok) {
        state.SkipWithError("no AVX2 on this machine");
        return;
    }
    const LUnitControl &model = BusyModel();
    std::vector<std::unique_ptr<Plot>> plots = BuiltPlots(model, phase);
    std::vector<PlotFilter *> slots;
    for (int ch = 0; ch < kChannelCount; ++ch)
        for (int s : ComputedSlots(model, ch))
            slots.push_back(&plots[size_t(ch)]->Filter(s));
    for (auto _ : state) {
        for (PlotFilter *f : slots)
            f->ComputeResponse();
        benchmark::ClobberMemory();
    }
    Report(state, double(slots.size()) * kGridPoints, WorstDistance(plots, phase != 0),
           isa.Name(phase ? "phase, sections only" : "magnitude, sections only"));
}
BENCHMARK(BM_TwelveChannelSlots)
    ->ArgNames({"phase", "avx2"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The same with everything a refresh does around them: section totals and the
// sums of slots 0-32, counted in the same evaluations.
void BM_TwelveChannelBuilds(benchmark::State &state)
{
    const uint8_t phase = uint8_t(state.range(0));
    const IsaChoice isa(state);
    if (!isa.ok) {
        state.SkipWithError("no AVX2 on this machine");
        return;
    }
    const LUnitControl &model = BusyModel();
    std::vector<std::unique_ptr<Plot>> plots = BuiltPlots(model, phase);
    double perRound = 0;
    for (int ch = 0; ch < kChannelCount; ++ch)
        perRound += double(EvaluationsOfChannel(model, ch));
    for (auto _ : state) {
        for (int ch = 0; ch < kChannelCount; ++ch)
            BuildChannelCurves(*plots[size_t(ch)], model, ch);
        benchmark::ClobberMemory();
    }
    Report(state, perRound, WorstDistance(plots, phase != 0),
           isa.Name(phase ? "phase, whole builds" : "magnitude, whole builds"));
}
BENCHMARK(BM_TwelveChannelBuilds)
    ->ArgNames({"phase", "avx2"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// One section over the grid, fast and plain: the evaluation alone.
void BM_SectionEvaluation(benchmark::State &state)
{
    const bool phase = state.range(0) != 0, plain = state.range(1) != 0;
    PlotFilter f;
    f.gainDb = 6, f.freqHz = 1000, f.q = 1.4, f.code = 1;
    FilterCoefficients c;
    f.ComputeCoefficients(c);
    std::vector<double> out(kGridPoints);
    for (auto _ : state) {
        (plain ? EvaluateResponsePlain : EvaluateResponse)(c, phase, out.data());
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["evaluations"] =
        benchmark::Counter(double(kGridPoints) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(std::string(phase ? "phase" : "magnitude") + (plain ? ", plain" : ", fast; budget 400M/s"));
}
BENCHMARK(BM_SectionEvaluation)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

// The AVX2 variant, which machines without AVX-512 use.
void BM_SectionEvaluationAvx2(benchmark::State &state)
{
    const bool phase = state.range(0) != 0;
    PlotFilter f;
    f.gainDb = 6, f.freqHz = 1000, f.q = 1.4, f.code = 1;
    FilterCoefficients c;
    f.ComputeCoefficients(c);
    std::vector<double> out(kGridPoints);
    if (!EvaluateResponseWith(KernelIsa::Avx2, c, phase, out.data())) {
        state.SkipWithError("no AVX2 on this machine");
        return;
    }
    for (auto _ : state) {
        EvaluateResponseWith(KernelIsa::Avx2, c, phase, out.data());
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["evaluations"] =
        benchmark::Counter(double(kGridPoints) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(std::string(phase ? "phase" : "magnitude") + ", AVX2; budget 400M/s");
}
BENCHMARK(BM_SectionEvaluationAvx2)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
