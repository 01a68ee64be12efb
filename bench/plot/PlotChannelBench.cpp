// The strip chart's paint on a 1200 x 800 image, whole plot against whole
// plot beside QCustomPlot's graph (adaptive sampling) on the same data in
// the same run: 1e6 points of a smooth sine and of noise, budget at most
// QCustomPlot's time on each (the channel's own trace is printed beside).
// Then the trace zoomed to 1 % of the range (cost follows the visible
// points), through a ring buffer that has wrapped (budget 5 ms for the
// trace), and a 5000-point polynomial curve (budget 20 ms).
#include <benchmark/benchmark.h>

#include "Bitmap.h"
#include "SineSeries.h"
#include "gPlot.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#ifdef TQ62_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Points = 1000000;
constexpr int Width = 1200, Height = 800;
constexpr double Range = 100;

// Both data sets have X over 0..Range.
struct Data {
    std::vector<double> x, y;
};
template <class Series>
const Data &DataOf()
{
    static const Data data = [] {
        const Series s(Points);
        return Data{s.x, s.y};
    }();
    return data;
}
const Data &TheData()
{
    return DataOf<SineSeries>();
}

// QCustomPlot's whole-plot milliseconds by data set, the budgets of ours.
std::map<std::string, double> PeerMs;

// A strip chart of the benchmark's size showing Min .. Min + Span of X.
std::unique_ptr<TgPlot> MakePlot(double Min, double Span)
{
    auto plot = std::make_unique<TgPlot>(nullptr);
    plot->SetBounds(0, 0, Width, Height);
    plot->GetXAxis(0)->SetTrackingEnabled(false);
    plot->GetYAxis(0)->SetTrackingEnabled(false);
    plot->GetXAxis(0)->SetMinSpan(Min, Span);
    plot->GetYAxis(0)->SetMinSpan(-50, 100);
    return plot;
}

// Milliseconds of one run of F, as the mean of the benchmark's iterations;
// Best receives the fastest run (a shared machine's noise only adds).
template <class F>
double MeanMs(benchmark::State &state, F &&Run, double *Best = nullptr)
{
    double total = 0, best = 1e300;
    long runs = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        Run();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        total += ms;
        best = std::min(best, ms);
        ++runs;
    }
    if (Best)
        *Best = runs ? best : 0;
    return runs ? total / runs : 0;
}

// One paint that lays the plot out (and fills the caches a first paint fills).
void LayOut(TgPlot &Plot, TBitmap &Image)
{
    Plot.PaintToCanvas(Image.Canvas());
}

// The channel's own paint (the test before it and its drawing) on a laid-out
// plot; the whole plot's paint is timed once more beside it.
void PaintTrace(benchmark::State &state, TgPlot &Plot, double BudgetMs, const char *Label)
{
    TBitmap image(Width, Height);
    Plot.PaintToCanvas(image.Canvas()); // lays the plot out
    TgPlotChannel *channel = Plot.GetChannel(0);
    double best = 0;
    const double ms = MeanMs(
        state,
        [&] {
            channel->UpdateCanDraw();
            channel->Draw(image.Canvas(), clBlack);
        },
        &best);
    const auto t0 = std::chrono::steady_clock::now();
    Plot.PaintToCanvas(image.Canvas());
    const double whole = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    state.counters["trace_ms"] = ms;
    state.counters["best_ms"] = best;
    if (BudgetMs > 0)
        state.counters["budget_ms"] = BudgetMs;
    state.counters["whole_plot_ms"] = whole;
    state.SetLabel(Label);
}

double FullTraceMs = 0;

// The whole plot's paint, timed as QCustomPlot's is: every object of the
// plot, axes, grid and the channel's decimated trace.
template <class Series>
void BM_StripWholePlot(benchmark::State &state, const char *Name)
{
    const Data &d = DataOf<Series>();
    auto plot = MakePlot(0, Range);
    TgPlotChannel *channel = plot->GetChannel(0);
    for (int i = 0; i < Points; ++i)
        channel->AddXY(d.x[size_t(i)], d.y[size_t(i)]);
    TBitmap image(Width, Height);
    LayOut(*plot, image);
    double best = 0;
    const double ms = MeanMs(state, [&] { plot->PaintToCanvas(image.Canvas()); }, &best);
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) {
        channel->UpdateCanDraw();
        channel->Draw(image.Canvas(), clBlack);
    }
    const double trace = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / 5;
    state.counters["whole_plot_ms"] = ms;
    state.counters["best_ms"] = best;
    state.counters["trace_ms"] = trace;
    if (PeerMs.count(Name))
        state.counters["budget_ms"] = PeerMs[Name];
    state.SetLabel(std::string("whole plot, 1e6 points of ") + Name +
                   ", 1200 x 800; budget: QCustomPlot's graph on the same data");
    if (std::string(Name) == "sine")
        FullTraceMs = trace;
}

void BM_StripWholePlotSine(benchmark::State &state)
{
    BM_StripWholePlot<SineSeries>(state, "sine");
}

void BM_StripWholePlotNoise(benchmark::State &state)
{
    BM_StripWholePlot<NoiseSeries>(state, "noise");
}

void BM_StripFastTraceZoomed(benchmark::State &state)
{
    const Data &d = TheData();
    auto plot = MakePlot(50, Range / 100);
    TgPlotChannel *channel = plot->GetChannel(0);
    for (int i = 0; i < Points; ++i)
        channel->AddXY(d.x[size_t(i)], d.y[size_t(i)]);
    PaintTrace(state, *plot, 0, "the sine's trace zoomed to 1 % of the range: cheaper than the whole");
    if (FullTraceMs > 0)
        state.counters["times_cheaper"] = FullTraceMs / state.counters["trace_ms"];
}

// A ring of 1e6 points fed 1.5e6: its oldest point sits in the middle of the
// storage, so every read crosses the wrap.
void BM_StripFastTraceRing(benchmark::State &state)
{
    const Data &d = TheData();
    auto plot = MakePlot(0, Range);
    TgPlotChannel *channel = plot->GetChannel(0);
    channel->SetRingBufferSize(Points);
    for (int i = 0; i < Points / 2; ++i)
        channel->AddXY(-Range + d.x[size_t(2 * i)], 0);
    for (int i = 0; i < Points; ++i)
        channel->AddXY(d.x[size_t(i)], d.y[size_t(i)]);
    PaintTrace(state, *plot, 5, "fast trace of 1e6 points through a wrapped ring buffer; budget 5 ms");
}

void BM_StripPolynomial5000(benchmark::State &state)
{
    auto plot = MakePlot(0, Range);
    TgPlotChannel *channel = plot->GetChannel(0);
    channel->SetInterpolationStyle(ipistPolynomial);
    for (int i = 0; i < 5000; ++i) {
        const double x = i * Range / 5000;
        channel->AddXY(x, 40 * std::sin(x / 5));
    }
    PaintTrace(state, *plot, 20, "polynomial curve through 5000 points, 1200 x 800; budget 20 ms");
}

#ifdef TQ62_HAVE_QCUSTOMPLOT
template <class Series>
void BM_QCustomPlotGraph(benchmark::State &state, const char *Name, bool Zoomed)
{
    const Data &d = DataOf<Series>();
    QCustomPlot plot;
    plot.resize(Width, Height);
    QVector<double> x(d.x.begin(), d.x.end()), y(d.y.begin(), d.y.end());
    QCPGraph *graph = plot.addGraph();
    graph->setAdaptiveSampling(true);
    graph->setData(x, y, true);
    if (Zoomed)
        plot.xAxis->setRange(50, 50 + Range / 100);
    else
        plot.xAxis->setRange(0, Range);
    plot.yAxis->setRange(-50, 50);
    benchmark::DoNotOptimize(plot.toPixmap(Width, Height)); // a first paint, as ours has
    const double ms = MeanMs(state, [&] { benchmark::DoNotOptimize(plot.toPixmap(Width, Height)); });
    state.counters["whole_plot_ms"] = ms;
    if (!Zoomed)
        PeerMs[Name] = ms;
    state.SetLabel(std::string("QCustomPlot graph, adaptive sampling, 1e6 points of ") + Name +
                   (Zoomed ? ", zoomed to 1 %" : ", 1200 x 800"));
}

void BM_QCustomPlotGraphSine(benchmark::State &state)
{
    BM_QCustomPlotGraph<SineSeries>(state, "sine", false);
}

void BM_QCustomPlotGraphNoise(benchmark::State &state)
{
    BM_QCustomPlotGraph<NoiseSeries>(state, "noise", false);
}

void BM_QCustomPlotGraphSineZoomed(benchmark::State &state)
{
    BM_QCustomPlotGraph<SineSeries>(state, "sine", true);
}
#endif

} // namespace

// The peer first: its figures are the budgets of ours.
#ifdef TQ62_HAVE_QCUSTOMPLOT
BENCHMARK(BM_QCustomPlotGraphSine)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_QCustomPlotGraphNoise)->Unit(benchmark::kMillisecond)->Iterations(40);
#endif
BENCHMARK(BM_StripWholePlotSine)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_StripWholePlotNoise)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_StripFastTraceZoomed)->Unit(benchmark::kMillisecond)->Iterations(20);
#ifdef TQ62_HAVE_QCUSTOMPLOT
BENCHMARK(BM_QCustomPlotGraphSineZoomed)->Unit(benchmark::kMillisecond)->Iterations(20);
#endif
BENCHMARK(BM_StripFastTraceRing)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StripPolynomial5000)->Unit(benchmark::kMillisecond)->Iterations(10);
