// Link throughput and latency against the simulated processor.
#include "LinkRig.h"

#include "CommandClasses.h"
#include "PresetFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int kPolls = 1000;
constexpr double kWireBytesPerSecond = 11520.0; // 115200 baud, 10 bits a byte

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

std::unique_ptr<Rig> OpenRig(const std::string &kind)
{
    auto rig = MakeRig(kind);
    if (!rig->Open())
        return nullptr;
    rig->SetPollingSuspended(true);
    rig->SetTimeout(5000);
    return rig;
}

// Round trip of one poll frame, from QueueFrame to WM_LINK_REPLY on the UI thread.
void BM_PollRoundTrip(benchmark::State &state, const std::string &kind)
{
    auto rig = OpenRig(kind);
    if (!rig) {
        state.SkipWithError("cannot open the link");
        return;
    }
    const ByteVector poll = LCmd(1, 0x12).ToBytes(1);
    std::vector<double> us;
    for (auto _ : state) {
        us.clear();
        for (int i = 0; i < kPolls; ++i) {
            const size_t before = rig->owner.replies.size();
            const auto t0 = std::chrono::steady_clock::now();
            rig->QueueFrame(poll, false);
            WaitUntil([&] { return rig->owner.replies.size() != before; }, 10000);
            us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        }
    }
    state.counters["p50_us"] = Percentile(us, 0.50);
    state.counters["p99_us"] = Percentile(us, 0.99);
}

// 1000 moves of one gain slider while the link answers at full speed: the
// frames that reach the device.
void BM_SliderBurst(benchmark::State &state)
{
    auto rig = OpenRig("serial");
    if (!rig) {
        state.SkipWithError("cannot open the link");
        return;
    }
    for (auto _ : state) {
        rig->Sim().ClearFrames();
        for (uint16_t v = 0; v < 1000; ++v) {
            rig->QueueFrame(CM_MCS_GAIN(1, 6, uint16_t(v % 400)).ToBytes(1), false);
            QCoreApplication::processEvents();
        }
        PumpUntil([&] { return !rig->IsBusy(); }, 30000);
    }
    state.counters["frames_on_wire"] = double(rig->Sim().FrameCount());
}

// The commands of a preset-file load, sent with the append flag, until the
// last is answered.
void BM_PresetLoad(benchmark::State &state, bool paced)
{
    auto rig = OpenRig("serial");
    if (!rig) {
        state.SkipWithError("cannot open the link");
        return;
    }
    rig->Sim().knobs.pace115200 = paced;
    const auto commands = PresetFile::LoadCommands(ParameterImage::Default(), 1);
    std::vector<ByteVector> frames;
    size_t wireBytes = 0;
    for (const LCmd &c : commands) {
        frames.push_back(c.ToBytes(1));
        wireBytes += frames.back().size() + 9; // and its acknowledgement
    }
    double totalMs = 0;
    int runs = 0;
    rig->Sim().ResetPacingLate();
    for (auto _ : state) {
        rig->owner.replies.clear();
        rig->Sim().NewExchange();
        const auto t0 = std::chrono::steady_clock::now();
        for (const ByteVector &f : frames)
            rig->QueueFrame(f, true);
        // Replies arrive as events: wait for them rather than poll.
        if (!WaitUntil([&] { return rig->owner.replies.size() >= frames.size(); }, 60000))
            state.SkipWithError("not every frame was answered");
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        ++runs;
    }
    const double floorMs = 1000.0 * double(wireBytes) / kWireBytesPerSecond;
    state.counters["frames"] = double(frames.size());
    state.counters["wire_bytes"] = double(wireBytes);
    state.counters["wire_floor_ms"] = floorMs;
    if (paced && runs > 0) {
        // The figure beside its floor, and apart the share that the simulated
        // device itself spent (its replies leaving late).
        const double ms = totalMs / runs, simLateMs = double(rig->Sim().PacingLateUs()) / 1000.0 / runs;
        state.counters["measured_ms"] = ms;
        state.counters["over_floor_pct"] = (ms - floorMs) / floorMs * 100.0;
        state.counters["sim_late_ms"] = simLateMs;
        state.counters["editor_over_floor_pct"] = (ms - simLateMs - floorMs) / floorMs * 100.0;
        state.counters["turnaround_ms"] = double(rig->Sim().HostTurnaroundUs()) / 1000.0 / runs;
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_PollRoundTrip, serial, std::string("serial"))->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PollRoundTrip, usb, std::string("usb"))->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PollRoundTrip, net, std::string("net"))->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderBurst)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PresetLoad, full_speed, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PresetLoad, paced_115200, true)->Iterations(1)->Unit(benchmark::kMillisecond);
