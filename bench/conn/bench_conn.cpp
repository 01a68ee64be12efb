// The connection logic against the simulated processor: connect-to-online time,
// a preset-file load, the level poll's jitter, and resources over many
// connect/close cycles.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "CM_MCS_CMD.h"
#include "LHeadlessUi.h"
#include "LMainLink.h"
#include "LSysLinkFactory.h"
#include "PresetFile.h"
#include "ProcessCounts.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"

namespace {

// Bytes on the wire of a connect and upload: every request and reply frame up
// to the last block's reply, which brings the editor online (the closing poll
// and its acknowledgement, 18 bytes more, follow it).
constexpr double kConnectWireBytes = 2836;
constexpr double kBytesPerSecond = 11520; // 115200 baud, 10 bits per byte

struct Rig {
    explicit Rig(bool paced) : sim(std::make_unique<SimPty>(1)), main(&ui, &factory)
    {
        sim->knobs.pace115200 = paced;
        ui.SetMain(&main);
        ui.candidates.push_back(LHeadlessUi::ComCandidate(sim->SlavePath()));
    }
    ~Rig() { main.CloseLink(); }
    bool Online() const
    {
        return main.IsOnline() && ui.pageRefreshes > 0 && main.GetSequence() == LMainLink::Sequence::None;
    }
    bool Connect()
    {
        const int refreshes = ui.pageRefreshes;
        main.skbMenuLinkClick();
        return WaitUntil([&] { return Online() && ui.pageRefreshes > refreshes; }, 20000);
    }
    std::unique_ptr<SimPty> sim;
    LHeadlessUi ui;
    LSysLinkFactory factory;
    LMainLink main;
};

// The figure beside its floor: mean milliseconds, the wire floor, the share
// above it, and the part of that share that the simulated device itself
// spent (its replies leaving late), which no change of the editor removes.
void Report(benchmark::State &state, double totalMs, double floorMs, const SimFrontEnd &sim, int runs)
{
    const double ms = totalMs / runs;
    const double simLateMs = double(sim.PacingLateUs()) / 1000.0 / runs;
    state.counters["measured_ms"] = ms;
    state.counters["wire_floor_ms"] = floorMs;
    state.counters["over_floor_pct"] = (ms - floorMs) / floorMs * 100.0;
    state.counters["sim_late_ms"] = simLateMs;
    state.counters["editor_over_floor_pct"] = (ms - simLateMs - floorMs) / floorMs * 100.0;
    // Of the rest: from each reply written to the next frame's arrival (the
    // editor's turnaround with the pseudo-terminal's transit both ways).
    state.counters["turnaround_ms"] = double(sim.HostTurnaroundUs()) / 1000.0 / runs;
}

double Elapsed(const std::chrono::steady_clock::time_point &t0)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void BM_ConnectToOnline(benchmark::State &state)
{
    const bool paced = state.range(0) != 0;
    Rig rig(paced);
    double totalMs = 0;
    int runs = 0;
    rig.sim->ResetPacingLate();
    for (auto _ : state) {
        rig.sim->NewExchange();
        const auto t0 = std::chrono::steady_clock::now();
        if (!rig.Connect()) {
            state.SkipWithError("no upload");
            return;
        }
        totalMs += Elapsed(t0);
        ++runs;
        state.PauseTiming();
        rig.main.CloseLink();
        PumpUntil([] { return false; }, 20);
        state.ResumeTiming();
    }
    if (paced)
        Report(state, totalMs, kConnectWireBytes / kBytesPerSecond * 1000.0, *rig.sim, runs);
    state.SetLabel(paced ? "115200 baud" : "full speed");
}
BENCHMARK(BM_ConnectToOnline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PresetFileLoad(benchmark::State &state)
{
    const bool paced = state.range(0) != 0;
    QTemporaryDir dir;
    ParameterImage img = ParameterImage::Default();
    img.outputs[2].gain = 300;
    const std::string name = dir.filePath("bench.prs").toStdString();
    const ByteVector bytes = PresetFile::ToBytes(img);
    std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    Rig rig(paced);
    if (!rig.Connect()) {
        state.SkipWithError("no upload");
        return;
    }
    // Floor: every command and its acknowledgement, then the level request
    // and its reply that end the load.
    double wireBytes = 9 + 9 + 38;
    for (const LCmd &c : PresetFile::LoadCommands(img, 1))
        wireBytes += double(c.ToBytes(1).size()) + 9;
    double totalMs = 0;
    int runs = 0;
    PumpUntil([] { return false; }, 20); // the upload's closing poll
    rig.sim->ResetPacingLate();
    for (auto _ : state) {
        rig.sim->NewExchange();
        const auto t0 = std::chrono::steady_clock::now();
        rig.ui.openNames.push_back(name);
        rig.main.OpenClick();
        if (!WaitUntil([&] { return !rig.ui.busyVisible && rig.main.GetAfterLoadStep() == 0; }, 20000)) {
            state.SkipWithError("busy window stayed");
            return;
        }
        totalMs += Elapsed(t0);
        ++runs;
        state.PauseTiming();
        PumpUntil([] { return false; }, 20); // the closing poll's reply
        state.ResumeTiming();
    }
    if (paced)
        Report(state, totalMs, wireBytes / kBytesPerSecond * 1000.0, *rig.sim, runs);
    state.SetLabel(paced ? "115200 baud, until the busy window closes" : "full speed, until the busy window closes");
}
BENCHMARK(BM_PresetFileLoad)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LevelPollJitter(benchmark::State &state)
{
    Rig rig(false);
    if (!rig.Connect()) {
        state.SkipWithError("no upload");
        return;
    }
    std::vector<double> gaps;
    for (auto _ : state) {
        rig.sim->ClearFrames();
        const int polls = 21;
        PumpUntil([&] {
            const auto frames = rig.sim->Frames();
            return std::count_if(frames.begin(), frames.end(), [](const ByteVector &f) { return f[5] == CMD_LEVELS; }) >=
                   polls;
        }, 30000);
        const auto frames = rig.sim->Frames();
        const auto times = rig.sim->FrameTimesMs();
        int64_t last = -1;
        for (size_t i = 0; i < frames.size(); ++i) {
            if (frames[i][5] != CMD_LEVELS)
                continue;
            if (last >= 0)
                gaps.push_back(double(times[i] - last));
            last = times[i];
        }
    }
    std::vector<double> dev;
    for (double g : gaps)
        dev.push_back(std::abs(g - 300.0));
    std::sort(dev.begin(), dev.end());
    if (!dev.empty()) {
        state.counters["jitter_p50_ms"] = dev[dev.size() / 2];
        state.counters["jitter_p99_ms"] = dev[std::min(dev.size() - 1, size_t(double(dev.size()) * 0.99))];
        state.counters["polls"] = double(gaps.size());
    }
}
BENCHMARK(BM_LevelPollJitter)->Unit(benchmark::kMillisecond)->Iterations(1);

long RssKb()
{
    std::ifstream in("/proc/self/status");
    std::string key;
    while (in >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            in >> kb;
            return kb;
        }
        in.ignore(1 << 12, '\n');
    }
    return 0;
}

void BM_ConnectCloseCycles(benchmark::State &state)
{
    Rig rig(false);
    // One cycle first, so that everything made once per process exists.
    rig.Connect();
    rig.main.CloseLink();
    PumpUntil([] { return false; }, 50);
    rig.sim->ClearFrames();
    rig.sim->WithSim([](SimProcessor &s) { s.ClearReceived(); });
    const int threads0 = CountThreads(), fds0 = CountFds();
    const long rss0 = RssKb();
    int failures = 0;
    for (auto _ : state) {
        for (int i = 0; i < 500; ++i) {
            if (!rig.Connect())
                ++failures;
            rig.main.CloseLink();
            // The simulator's own records of what it received are not ours.
            rig.sim->ClearFrames();
            rig.sim->WithSim([](SimProcessor &s) { s.ClearReceived(); });
        }
    }
    PumpUntil([] { return false; }, 100);
    state.counters["failed_connects"] = failures;
    state.counters["threads_delta"] = CountThreads() - threads0;
    state.counters["fds_delta"] = CountFds() - fds0;
    state.counters["rss_delta_kb"] = double(RssKb() - rss0);
}
BENCHMARK(BM_ConnectCloseCycles)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
