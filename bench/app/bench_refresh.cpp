#include "EditorWindows.h"
#include "LUnitControl.h"
#include "TfmMain.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <random>

namespace {

// Every field of the image random within what the device stores (the link
// masks stay as they are: every channel alone).
ParameterImage RandomImage(unsigned seed)
{
    std::mt19937 rng(seed);
    auto r = [&](unsigned lo, unsigned hi) { return uint16_t(std::uniform_int_distribution<unsigned>(lo, hi)(rng)); };
    ParameterImage img = ParameterImage::Default();
    auto band = [&](PeqBand &b) {
        b.gainIndex = r(0, 240);
        b.freqIndex = r(0, 300);
        b.qIndex = uint8_t(r(0, 100));
        b.type = uint8_t(r(0, 8));
    };
    for (InputChannelRecord &in : img.inputs) {
        in.gate[0] = r(0, 998), in.gate[1] = r(9, 2999), in.gate[2] = r(9, 998), in.gate[3] = r(0, 180);
        for (uint16_t &g : in.geq)
            g = r(0, 240);
        for (PeqBand &b : in.peq)
            band(b);
        in.hpfFreq = r(0, 300), in.lpfFreq = r(0, 300);
        in.hpfType = uint8_t(r(0, 20)), in.lpfType = uint8_t(r(0, 20));
        in.gain = r(0, 400), in.polarity = r(0, 1), in.delay = r(0, 65280);
    }
    for (OutputChannelRecord &out : img.outputs) {
        out.routeMask = r(0, 15);
        for (uint16_t &m : out.mix)
            m = r(0, 280);
        out.hpfFreq = r(0, 300), out.lpfFreq = r(0, 300);
        out.hpfType = uint8_t(r(0, 20)), out.lpfType = uint8_t(r(0, 20));
        for (PeqBand &b : out.peq)
            band(b);
        out.comp[0] = r(0, 15), out.comp[1] = r(0, 998), out.comp[2] = r(9, 2999), out.comp[3] = r(0, 12);
        out.comp[4] = r(0, 220);
        out.limit[0] = r(0, 998), out.limit[1] = r(9, 2999), out.limit[2] = r(0, 12), out.limit[3] = r(0, 220);
        out.gain = r(0, 400), out.polarity = r(0, 1), out.delay = r(0, 65280);
    }
    img.inputMuteMask = r(0, 15), img.outputMuteMask = r(0, 255);
    for (uint16_t &m : img.peqBypassMasks)
        m = r(0, 511);
    img.testSignalMode = r(0, 3), img.sineFreqIndex = r(0, 30), img.delayUnit = r(0, 2);
    img.inputEqBypassMask = r(0, 15), img.outputEqBypassMask = r(0, 255), img.inputGeqBypassMask = r(0, 15);
    return img;
}

// The whole refresh of the pages from the model: every control of the
// twelve channels, the dialogs, and the curves of the 18 displays.
void Refresh(benchmark::State &state, bool random)
{
    TfmMain::connectOption = {true, "127.0.0.1", 1};
    CreateEditorWindows();
    fmMain->Show();
    QCoreApplication::processEvents();
    fmMain->RefreshAllPages(); // the displays are bound on their first use
    unsigned seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        fmMain->Model().SetImage(random ? RandomImage(seed++) : ParameterImage::Default());
        state.ResumeTiming();
        fmMain->RefreshAllPages();
    }
    DestroyEditorWindows();
    QCoreApplication::processEvents();
    state.counters["budget_ms"] = 100;
    state.SetLabel(random ? "RefreshAllPages, a full random model; budget 100 ms"
                          : "RefreshAllPages, the default model; budget 100 ms");
}

} // namespace

static void BM_RefreshAllPagesDefault(benchmark::State &state) { Refresh(state, false); }
BENCHMARK(BM_RefreshAllPagesDefault)->Unit(benchmark::kMillisecond)->MinTime(0.5);

static void BM_RefreshAllPagesRandom(benchmark::State &state) { Refresh(state, true); }
BENCHMARK(BM_RefreshAllPagesRandom)->Unit(benchmark::kMillisecond)->MinTime(0.5);
