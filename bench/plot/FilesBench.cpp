// The plot's files with 1e6 points: save and load of the plot's text form
// (budget 1 us per point each way), of its compact-interval form (0.1 us)
// and of a channel's data file (1 us). A load first reads its whole file
// into a staging copy: its peak memory may reach at most twice what the
// loaded points keep (peak RSS growth over the channel's memory, budget 2).
// And a
// channel logging 1e6 points with LogBufferSize 1000 against 0 (one file
// write per point), and the same for the plot's log of AddDataArray rows.
// Loads in proportion to their files: a configuration of 1000 and of 10 000
// channels, an annotations file of 5000 and of 50 000 annotations; the
// larger load may take at most 15 times the smaller (ten times the items).
// Clearing 1e4 and 1e5 annotations, and loading an annotations file over as
// many held: per annotation, the larger within 2 times the smaller.
// Figures print beside their budgets.
#include <benchmark/benchmark.h>

#include "SineSeries.h"
#include "gPlotAnnotation.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"
#include "gXYPlotChannel.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <malloc.h>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace {

constexpr int Points = 1000000;

const SineSeries &TheData()
{
    static const SineSeries data(Points);
    return data;
}

// A plot whose one channel holds the series (evenly spaced X).
std::unique_ptr<TgXYPlot> MakePlot(bool Filled)
{
    auto plot = std::make_unique<TgXYPlot>(nullptr);
    plot->GetXAxis(0)->SetMinSpan(0, 100);
    plot->GetYAxis(0)->SetMinSpan(-50, 100);
    if (Filled) {
        const SineSeries &d = TheData();
        TgXYPlotChannel *channel = plot->GetChannel(0);
        channel->SetCount(Points);
        for (int i = 0; i < Points; ++i)
            channel->AddXY(d.x[size_t(i)], d.y[size_t(i)]);
    }
    return plot;
}

QTemporaryDir &Folder()
{
    static QTemporaryDir dir;
    return dir;
}

// Kilobytes of a /proc/self/status line ("VmRSS", "VmHWM").
long StatusKb(const char *Key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(Key) + ":";
    while (std::getline(status, line))
        if (line.compare(0, key.size(), key) == 0)
            return std::stol(line.substr(key.size()));
    return 0;
}

// Gives freed memory back and starts the peak RSS afresh from the current
// RSS.
void ResetPeak()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

enum TFile { PlotText, PlotCompact, ChannelData };

const char *Name(TFile File)
{
    return File == PlotText ? "plot text form" : File == PlotCompact ? "compact interval form" : "channel data file";
}

double Budget(TFile File)
{
    return File == PlotCompact ? 0.1 : 1.0;
}

void Save(TgXYPlot &Plot, TFile File, const QString &Path)
{
    Plot.SetDataFileFormat(File == PlotCompact ? ipdffCompactInterval : ipdffText);
    if (File == ChannelData)
        Plot.GetChannel(0)->SaveDataToFile(Path);
    else
        Plot.SaveDataToFile(Path);
}

void Load(TgXYPlot &Plot, TFile File, const QString &Path)
{
    if (File == ChannelData)
        Plot.GetChannel(0)->LoadDataFromFile(Path, true);
    else
        Plot.LoadDataFromFile(Path);
}

QString PathOf(TFile File)
{
    return Folder().filePath(QStringLiteral("bench%1.dat").arg(int(File)));
}

void BM_Save(benchmark::State &state)
{
    const TFile file = TFile(state.range(0));
    auto plot = MakePlot(true);
    double seconds = 0;
    long runs = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        Save(*plot, file, PathOf(file));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
    }
    state.counters["us_per_point"] = runs ? seconds / runs / Points * 1e6 : 0;
    state.counters["budget_us"] = Budget(file);
    state.counters["file_MB"] = double(QFile(PathOf(file)).size()) / 1e6;
    state.SetLabel(QStringLiteral("save of 1e6 points, %1; budget %2 us per point")
                       .arg(QLatin1String(Name(file)))
                       .arg(Budget(file))
                       .toStdString());
}
BENCHMARK(BM_Save)->Arg(PlotText)->Arg(PlotCompact)->Arg(ChannelData)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State &state)
{
    const TFile file = TFile(state.range(0));
    {
        auto source = MakePlot(true);
        Save(*source, file, PathOf(file));
    }
    double seconds = 0, peakMb = 0, dataMb = 0;
    long runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plot = MakePlot(false);
        ResetPeak();
        const long before = StatusKb("VmRSS");
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        Load(*plot, file, PathOf(file));
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.PauseTiming();
        peakMb = (StatusKb("VmHWM") - before) / 1024.0;
        dataMb = double(plot->GetChannel(0)->MemoryUsed()) / 1024.0 / 1024.0;
        ++runs;
        if (plot->GetChannel(0)->Count() != Points)
            state.SkipWithError("the load lost points");
        plot.reset();
        state.ResumeTiming();
    }
    state.counters["us_per_point"] = runs ? seconds / runs / Points * 1e6 : 0;
    state.counters["budget_us"] = Budget(file);
    state.counters["peak_growth_MB"] = peakMb;
    state.counters["data_MB"] = dataMb;
    state.counters["peak_over_data"] = dataMb > 0 ? peakMb / dataMb : 0;
    state.counters["budget_peak_over_data"] = 2;
    state.SetLabel(QStringLiteral("load of 1e6 points, %1; budget %2 us per point, peak growth at most twice the data")
                       .arg(QLatin1String(Name(file)))
                       .arg(Budget(file))
                       .toStdString());
}
BENCHMARK(BM_Load)->Arg(PlotText)->Arg(PlotCompact)->Arg(ChannelData)->Unit(benchmark::kMillisecond);

// 1e6 rows logged with the buffer size of the benchmark's argument: Log
// sets the plot up and adds row I.
template <class L>
void Logging(benchmark::State &state, const char *What, L &&Log)
{
    const int bufferSize = int(state.range(0));
    double seconds = 0;
    long runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plot = MakePlot(false);
        const QString file = Folder().filePath(QStringLiteral("log%1.txt").arg(bufferSize));
        Log(*plot, -1, file, bufferSize);
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < Points; ++i)
            Log(*plot, i, file, bufferSize);
        Log(*plot, Points, file, bufferSize);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
    }
    state.counters["us_per_point"] = runs ? seconds / runs / Points * 1e6 : 0;
    state.SetLabel(QStringLiteral("1e6 %1 while logging, LogBufferSize %2 (no budget: 1000 against 0)")
                       .arg(QLatin1String(What))
                       .arg(bufferSize)
                       .toStdString());
}

// Row -1 starts the log, row Points ends it.
void BM_ChannelLogging(benchmark::State &state)
{
    const SineSeries &d = TheData();
    Logging(state, "AddXY", [&d](TgXYPlot &Plot, int Row, const QString &File, int BufferSize) {
        TgXYPlotChannel *channel = Plot.GetChannel(0);
        if (Row < 0) {
            channel->SetLogFileName(File);
            channel->SetLogBufferSize(BufferSize);
            channel->LogActivate(false);
        } else if (Row == Points) {
            channel->LogDeactivate();
        } else {
            channel->AddXY(d.x[size_t(Row)], d.y[size_t(Row)]);
        }
    });
}
BENCHMARK(BM_ChannelLogging)->Arg(1000)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PlotLogging(benchmark::State &state)
{
    const SineSeries &d = TheData();
    Logging(state, "AddDataArray rows", [&d](TgXYPlot &Plot, int Row, const QString &File, int BufferSize) {
        if (Row < 0) {
            Plot.SetLogFileName(File);
            Plot.SetLogBufferSize(BufferSize);
            Plot.LogActivate(false);
        } else if (Row == Points) {
            Plot.LogDeactivate();
        } else {
            Plot.AddDataArray(d.x[size_t(Row)], QVariantList{d.y[size_t(Row)]});
        }
    });
}
BENCHMARK(BM_PlotLogging)->Arg(1000)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);

// Seconds to load the file that Make writes (Make gets the item count and
// the file's path; Load reads it into a fresh plot).
template <class M, class L>
double LoadSeconds(int Items, M &&Make, L &&Load)
{
    const QString file = Folder().filePath(QStringLiteral("items%1.txt").arg(Items));
    {
        auto source = MakePlot(false);
        Make(*source, Items, file);
    }
    auto plot = MakePlot(false);
    const auto t0 = std::chrono::steady_clock::now();
    Load(*plot, file);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Seconds of Run (given an item count) for Small and for ten times Small
// items: the best of three runs of each, on a machine others share.
template <class R>
std::pair<double, double> SmallAndLarge(int Small, R &&Run)
{
    double small = HUGE_VAL, large = HUGE_VAL;
    for (int run = 0; run < 3; ++run) {
        small = std::min(small, Run(Small));
        large = std::min(large, Run(10 * Small));
    }
    return {small, large};
}

// The loads of Small and of ten times Small items, and their ratio beside
// the budget of 15.
template <class M, class L>
void Proportional(benchmark::State &state, const char *What, int Small, M &&Make, L &&Load)
{
    double small = 0, large = 0;
    for (auto _ : state)
        std::tie(small, large) = SmallAndLarge(Small, [&](int Items) { return LoadSeconds(Items, Make, Load); });
    state.counters["us_per_item_small"] = small / Small * 1e6;
    state.counters["us_per_item_large"] = large / (10 * Small) * 1e6;
    state.counters["large_over_small"] = small > 0 ? large / small : 0;
    state.counters["budget_large_over_small"] = 15;
    state.SetLabel(QStringLiteral("load of %1 and %2 %3; budget: the larger within 15 times the smaller")
                       .arg(Small)
                       .arg(10 * Small)
                       .arg(QLatin1String(What))
                       .toStdString());
}

void BM_LoadChannels(benchmark::State &state)
{
    Proportional(
        state, "channels (configuration file)", 1000,
        [](TgXYPlot &Plot, int Items, const QString &File) {
            while (Plot.ChannelCount() < Items)
                Plot.AddChannel();
            Plot.SavePropertiesToFile(File);
        },
        [](TgXYPlot &Plot, const QString &File) {
            Plot.LoadPropertiesFromFile(File);
            if (Plot.ChannelCount() != 10000 && Plot.ChannelCount() != 1000)
                throw Exception(QStringLiteral("the load lost channels"));
        });
}
BENCHMARK(BM_LoadChannels)->Iterations(1)->Unit(benchmark::kMillisecond);

void AddAnnotations(TgXYPlot &Plot, int Items)
{
    for (int i = 0; i < Items; ++i) {
        TgPlotAnnotation *note = Plot.GetAnnotation(Plot.AddAnnotation());
        note->SetX(i);
        note->SetText(QStringLiteral("Note %1").arg(i));
    }
}

void BM_LoadAnnotations(benchmark::State &state)
{
    Proportional(
        state, "annotations", 5000,
        [](TgXYPlot &Plot, int Items, const QString &File) {
            AddAnnotations(Plot, Items);
            Plot.SaveAnnotationsToFile(File);
        },
        [](TgXYPlot &Plot, const QString &File) { Plot.LoadAnnotationsFromFile(File); });
}
BENCHMARK(BM_LoadAnnotations)->Iterations(1)->Unit(benchmark::kMillisecond);

// What takes the seconds Run gives for 1e4 and for 1e5 annotations, per
// annotation, and their ratio beside the budget: within 2 times.
template <class R>
void PerAnnotation(benchmark::State &state, const char *What, R &&Run)
{
    constexpr int Small = 10000;
    double small = 0, large = 0;
    for (auto _ : state)
        std::tie(small, large) = SmallAndLarge(Small, Run);
    const double perSmall = small / Small * 1e9, perLarge = large / (10 * Small) * 1e9;
    state.counters["ns_per_annotation_1e4"] = perSmall;
    state.counters["ns_per_annotation_1e5"] = perLarge;
    state.counters["ratio_1e5_to_1e4"] = perSmall > 0 ? perLarge / perSmall : 0;
    state.counters["budget_ratio"] = 2;
    state.SetLabel(QStringLiteral("%1, 1e4 and 1e5 annotations; budget: the cost per annotation within 2 times")
                       .arg(QLatin1String(What))
                       .toStdString());
}

// Seconds of Work on a plot that holds Held annotations and is to hold Left
// after it.
template <class W>
double SecondsOverHeld(int Held, int Left, W &&Work)
{
    auto plot = MakePlot(false);
    AddAnnotations(*plot, Held);
    const auto t0 = std::chrono::steady_clock::now();
    Work(*plot);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (plot->AnnotationCount() != Left)
        throw Exception(QStringLiteral("the plot holds %1 annotations").arg(plot->AnnotationCount()));
    return seconds;
}

void BM_ClearAnnotations(benchmark::State &state)
{
    PerAnnotation(state, "RemoveAllAnnotations", [](int Held) {
        return SecondsOverHeld(Held, 0, [](TgXYPlot &Plot) { Plot.RemoveAllAnnotations(); });
    });
}
BENCHMARK(BM_ClearAnnotations)->Iterations(1)->Unit(benchmark::kMillisecond);

// A file of as many annotations as the plot holds, loaded in their place.
void BM_LoadAnnotationsOverHeld(benchmark::State &state)
{
    PerAnnotation(state, "annotations file loaded over as many held", [](int Held) {
        const QString file = Folder().filePath(QStringLiteral("held%1.txt").arg(Held));
        if (!QFile::exists(file)) {
            auto source = MakePlot(false);
            AddAnnotations(*source, Held);
            source->SaveAnnotationsToFile(file);
        }
        return SecondsOverHeld(Held, Held, [&file](TgXYPlot &Plot) { Plot.LoadAnnotationsFromFile(file); });
    });
}
BENCHMARK(BM_LoadAnnotationsOverHeld)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
