// The XY channel's hot paths: 1e6 AddXY into a channel of an XY plot, one
// paint of that plot on a 1200 x 800 image (its X rises: drawn per pixel
// column; budget 1.5 times a plain column min/max pass over the same points,
// measured first in the same run, and at least twice as fast as
// QCustomPlot's curve on the same data), one paint of the same pairs in a
// random order (a scatter drawn as a line, every segment across the plot:
// budget at least as fast as QCustomPlot's curve without antialiasing on the
// same data, measured first in the same run; aim 1.5 times), and a ring
// buffer of 1e5 points fed 1e6 (constant time per point, no reallocation
// once full). When QCustomPlot is installed its curve (insertion order) and
// graph (sorted keys) run beside ours on the same data at the same size.
#include <benchmark/benchmark.h>

#include "Bitmap.h"
#include "SineSeries.h"
#include "gPlotDataNullList.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#ifdef TQ62_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int Points = 1000000;
constexpr int Width = 1200, Height = 800;

using Data = SineSeries;
const Data &TheData()
{
    static const Data data(Points);
    return data;
}

const ScatterSeries &TheScatter()
{
    static const ScatterSeries data(Points);
    return data;
}

// An XY plot of the benchmark's size with fixed axes around the data.
std::unique_ptr<TgXYPlot> MakePlot()
{
    auto plot = std::make_unique<TgXYPlot>(nullptr);
    plot->SetBounds(0, 0, Width, Height);
    plot->GetXAxis(0)->SetMinSpan(0, 100);
    plot->GetYAxis(0)->SetMinSpan(-50, 100);
    plot->GetXAxis(0)->SetTrackingEnabled(false);
    plot->GetYAxis(0)->SetTrackingEnabled(false);
    return plot;
}

void BM_XYChannelAddXY(benchmark::State &state)
{
    const Data &d = TheData();
    double ns = 0;
    long runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plot = MakePlot();
        TgXYPlotChannel *channel = plot->GetChannel(0);
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < Points; ++i)
            channel->AddXY(d.x[size_t(i)], d.y[size_t(i)]);
        ns += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
        benchmark::DoNotOptimize(channel->Count());
        state.PauseTiming();
        plot.reset();
        state.ResumeTiming();
    }
    state.counters["ns_per_point"] = runs ? ns / runs / Points : 0;
    state.SetLabel("1e6 AddXY into an XY channel of a plot");
}

// Mean milliseconds of Runs paints of Paint.
template <class F>
double PaintMs(benchmark::State &state, F &&Paint)
{
    double total = 0;
    long runs = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        Paint();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
    }
    return runs ? total / runs : 0;
}

double OurPaintMs = 0;
double FloorMs = 0;
constexpr double BudgetTimesFloor = 1.5;

// The floor: one pass over the stored points folding each into its pixel
// column's smallest and largest Y, nothing drawn.
void BM_ColumnMinMaxFloor(benchmark::State &state)
{
    const Data &d = TheData();
    auto plot = MakePlot();
    TgXYPlotChannel *channel = plot->GetChannel(0);
    for (int i = 0; i < Points; ++i)
        channel->AddXY(d.x[size_t(i)], d.y[size_t(i)]);
    const auto &list = dynamic_cast<const TgPlotDataNullList &>(channel->Data());
    std::vector<double> lo(Width), hi(Width);
    FloorMs = PaintMs(state, [&] {
        std::fill(lo.begin(), lo.end(), 1e300);
        std::fill(hi.begin(), hi.end(), -1e300);
        // X rises: a column's figures stay in registers until it ends.
        const double k = Width / 100.0;
        int column = -1;
        double yLo = 1e300, yHi = -1e300;
        list.ForEachRun(0, list.Count(), [&](const TgPlotDataNullPoint *P, int N) {
            for (const TgPlotDataNullPoint *p = P, *end = P + N; p != end; ++p) {
                const int c = int(p->X * k);
                if (c != column) {
                    if (column >= 0 && column < Width) {
                        lo[size_t(column)] = yLo;
                        hi[size_t(column)] = yHi;
                    }
                    column = c;
                    yLo = 1e300;
                    yHi = -1e300;
                }
                yLo = std::min(yLo, p->Y);
                yHi = std::max(yHi, p->Y);
            }
        });
        benchmark::DoNotOptimize(lo.data());
        benchmark::DoNotOptimize(hi.data());
    });
    state.counters["ms_per_pass"] = FloorMs;
    state.SetLabel("floor: a plain column min/max pass over the same 1e6 points");
}

// Mean milliseconds of a whole paint of an XY plot holding Series; the
// channel's trace alone is timed beside it.
template <class Series>
double PaintXYMs(benchmark::State &state, const Series &d)
{
    auto plot = MakePlot();
    TgXYPlotChannel *channel = plot->GetChannel(0);
    for (int i = 0; i < Points; ++i)
        channel->AddXY(d.x[size_t(i)], d.y[size_t(i)]);
    TBitmap image(Width, Height);
    plot->PaintToCanvas(image.Canvas()); // lays the plot out
    const double ms = PaintMs(state, [&] { plot->PaintToCanvas(image.Canvas()); });
    TBitmap traceImage(Width, Height);
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i)
        channel->Draw(traceImage.Canvas(), clBlack);
    state.counters["trace_ms"] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / 5;
    state.counters["ms_per_paint"] = ms;
    return ms;
}

void BM_XYChannelPaint(benchmark::State &state)
{
    OurPaintMs = PaintXYMs(state, TheData());
    state.counters["budget_ms"] = BudgetTimesFloor * FloorMs;
    state.SetLabel("whole paint of a 1e6-point XY channel whose X rises, 1200 x 800; budget 1.5 x the floor");
}

#ifdef TQ62_HAVE_QCUSTOMPLOT
void BM_QCustomPlotCurveAdd(benchmark::State &state)
{
    const Data &d = TheData();
    double ns = 0;
    long runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plot = std::make_unique<QCustomPlot>();
        auto *curve = new QCPCurve(plot->xAxis, plot->yAxis);
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < Points; ++i)
            curve->addData(d.x[size_t(i)], d.y[size_t(i)]);
        ns += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
        benchmark::DoNotOptimize(curve->dataCount());
        state.PauseTiming();
        plot.reset();
        state.ResumeTiming();
    }
    state.counters["ns_per_point"] = runs ? ns / runs / Points : 0;
    state.SetLabel("QCustomPlot: 1e6 QCPCurve::addData");
}

// Mean milliseconds of QCustomPlot's whole paint of Series at the
// benchmark's size: its curve (insertion order) or its graph (sorted keys).
template <class Series>
double QCustomPlotPaintMs(benchmark::State &state, const Series &d, bool Graph, bool Antialiased)
{
    QCustomPlot plot;
    plot.resize(Width, Height);
    QVector<double> x(d.x.begin(), d.x.end()), y(d.y.begin(), d.y.end());
    QCPAbstractPlottable *plottable = nullptr;
    if (Graph) {
        QCPGraph *graph = plot.addGraph();
        graph->setData(x, y, true);
        plottable = graph;
    } else {
        auto *curve = new QCPCurve(plot.xAxis, plot.yAxis);
        curve->setData(x, y);
        plottable = curve;
    }
    if (!Antialiased)
        plottable->setAntialiased(false);
    plot.xAxis->setRange(0, 100);
    plot.yAxis->setRange(-50, 50);
    return PaintMs(state, [&] { benchmark::DoNotOptimize(plot.toPixmap(Width, Height)); });
}

template <bool Graph>
void BM_QCustomPlotPaint(benchmark::State &state)
{
    const double ms = QCustomPlotPaintMs(state, TheData(), Graph, true);
    state.counters["ms_per_paint"] = ms;
    if (!Graph && OurPaintMs > 0)
        state.counters["ours_times_faster"] = ms / OurPaintMs;
    state.SetLabel(Graph ? "QCustomPlot graph (sorted keys), 1e6 points, 1200 x 800"
                         : "QCustomPlot curve (insertion order), 1e6 points, 1200 x 800; ours must be >= 2x faster");
}

double PeerScatterMs = 0;
constexpr double ScatterBudgetTimesPeer = 1.0, ScatterAimTimesPeer = 1.5;

void BM_QCustomPlotCurveScatter(benchmark::State &state)
{
    PeerScatterMs = QCustomPlotPaintMs(state, TheScatter(), false, false);
    state.counters["ms_per_paint"] = PeerScatterMs;
    state.SetLabel("QCustomPlot curve without antialiasing, 1e6 pairs in random order, 1200 x 800");
}
#endif

// The same pairs as the rising case in a random order: every segment
// crosses the plot.
void BM_XYChannelPaintScatter(benchmark::State &state)
{
    const double ms = PaintXYMs(state, TheScatter());
    if (PeerScatterMs > 0) {
        state.counters["peer_ms"] = PeerScatterMs;
        state.counters["times_peer_speed"] = PeerScatterMs / ms;
        state.counters["budget_times"] = ScatterBudgetTimesPeer;
        state.counters["aim_times"] = ScatterAimTimesPeer;
    }
    state.SetLabel("whole paint of 1e6 XY pairs in random order drawn as a line, 1200 x 800; budget >= 1.0 x "
                   "QCustomPlot's curve without antialiasing (aim 1.5)");
}

#ifdef TQ62_HAVE_QCUSTOMPLOT
#endif

// A ring of 1e5 points fed 1e6: constant time per point, the storage
// allocated once.
void BM_RingBufferFeed(benchmark::State &state)
{
    const Data &d = TheData();
    struct Probe : TgPlotDataNullList {
        const void *Address() const { return Storage(); }
    };
    bool stable = true;
    for (auto _ : state) {
        Probe ring;
        ring.SetRingBufferSize(100000);
        const void *storage = nullptr;
        for (int i = 0; i < Points; ++i) {
            ring.Add(d.x[size_t(i)], d.y[size_t(i)], false, false);
            if (i == 0)
                storage = ring.Address();
        }
        stable = stable && ring.Address() == storage && ring.Capacity() == 100000 && ring.Count() == 100000;
        benchmark::DoNotOptimize(ring.GetY(0));
    }
    state.counters["reallocated_after_fill"] = stable ? 0 : 1;
    state.SetLabel("ring of 1e5 fed 1e6 points; constant time, no reallocation after the first fill");
    state.SetItemsProcessed(state.iterations() * Points);
}

} // namespace

BENCHMARK(BM_XYChannelAddXY)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ColumnMinMaxFloor)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_XYChannelPaint)->Unit(benchmark::kMillisecond)->Iterations(10);
#ifdef TQ62_HAVE_QCUSTOMPLOT
BENCHMARK(BM_QCustomPlotCurveAdd)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_QCustomPlotPaint<false>)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_QCustomPlotPaint<true>)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_QCustomPlotCurveScatter)->Unit(benchmark::kMillisecond)->Iterations(5);
#endif
BENCHMARK(BM_XYChannelPaintScatter)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RingBufferFeed)->Unit(benchmark::kMillisecond)->Iterations(3);
