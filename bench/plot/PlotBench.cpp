// The plot library's control base: property lines of a control with 100
// properties and ten sub-objects saved and loaded (budget 2 ms), and a burst
// of 10 000 changes under the 60 fps limit (budget 2 us per change, at most
// one repaint per frame interval plus one). Figures print beside budgets.
#include <benchmark/benchmark.h>

#include "Font.h"
#include "MonotonicClock.h"
#include "Strings.h"
#include "gPropertyLines.h"
#include "gVCLComponent.h"

#include <array>
#include <chrono>

namespace {

// 100 properties: 60 floats and 40 texts, plus ten fonts of 8 each.
class TWide : public TPersistent {
public:
    std::array<double, 60> reals{};
    std::array<QString, 40> texts;
    std::array<TFont, 10> fonts;

    const TPublishedClass *PublishedClass() const override
    {
        static const TPublishedClass info = [] {
            TPublishedBuilder<TWide> b;
            static std::vector<std::string> names;
            names.reserve(110);
            for (int i = 0; i < 60; ++i) {
                names.push_back("Real" + std::to_string(i));
                b.Float(names.back().c_str(), [i](TWide *w) { return w->reals[static_cast<size_t>(i)]; },
                        [i](TWide *w, double v) { w->reals[static_cast<size_t>(i)] = v; });
            }
            for (int i = 0; i < 40; ++i) {
                names.push_back("Text" + std::to_string(i));
                b.String(names.back().c_str(), [i](TWide *w) { return w->texts[static_cast<size_t>(i)]; },
                         [i](TWide *w, const QString &v) { w->texts[static_cast<size_t>(i)] = v; });
            }
            for (int i = 0; i < 10; ++i) {
                names.push_back("Font" + std::to_string(i));
                b.Object(names.back().c_str(), [i](TWide *w) { return &w->fonts[static_cast<size_t>(i)]; });
            }
            return b.Build();
        }();
        return &info;
    }
};

void BM_PropertyLinesSaveAndLoad(benchmark::State &state)
{
    TWide source, target;
    for (int i = 0; i < 60; ++i)
        source.reals[static_cast<size_t>(i)] = i * 1.25 - 7;
    for (int i = 0; i < 40; ++i)
        source.texts[static_cast<size_t>(i)] = QStringLiteral("Caption %1\r\nsecond line").arg(i);
    size_t lines = 0;
    for (auto _ : state) {
        TStringList list;
        SavePropertiesToStrings(&source, QString(), &list, false, nullptr);
        lines = static_cast<size_t>(list.Count());
        LoadPropertiesFromStrings(&target, QString(), &list);
        benchmark::DoNotOptimize(target.reals[59]);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["budget_ms"] = 2.0;
    state.SetLabel("save + load of 100 properties and ten sub-objects; budget 2 ms");
}
BENCHMARK(BM_PropertyLinesSaveAndLoad)->Unit(benchmark::kMicrosecond);

class TCounting : public TgCustomComponent {
public:
    using TgCustomComponent::TgCustomComponent;
    int repaints = 0;
    void DoInvalidate() override
    {
        ++repaints;
        TgCustomComponent::DoInvalidate();
    }
    void PaintToCanvas(TCanvas *) override {}
};

void BM_ChangesUnderFrameRateLimit(benchmark::State &state)
{
    constexpr int kChanges = 10000;
    constexpr int kChangesPerMs = 10; // the burst spans one second of clock time
    ManualClock clock(1000000);
    ScopedClock scope(clock);
    double worstRatio = 0, totalNs = 0;
    int repaints = 0, allowed = 0;
    for (auto _ : state) {
        TCounting c(nullptr);
        c.SetBounds(0, 0, 50, 50);
        c.SetAutoFrameRate(true);
        clock.Advance(1000);
        c.repaints = 0;
        const std::int64_t start = clock.NowMs();
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kChanges; ++i) {
            c.InvalidateChange();
            if (i % kChangesPerMs == kChangesPerMs - 1)
                clock.Advance(1);
        }
        totalNs += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
        clock.Advance(100); // let the held repaint complete
        const std::int64_t elapsed = clock.NowMs() - start;
        repaints = c.repaints;
        allowed = static_cast<int>(elapsed * 60 / 1000) + 1;
        worstRatio = std::max(worstRatio, static_cast<double>(repaints) / allowed);
    }
    state.SetItemsProcessed(state.iterations() * kChanges);
    state.counters["ns_per_change"] = totalNs / (static_cast<double>(kChanges) * static_cast<double>(state.iterations()));
    state.counters["repaints"] = repaints;
    state.counters["allowed"] = allowed;
    state.counters["budget_ns"] = 2000;
    state.SetLabel(worstRatio <= 1.0 ? "repaints within one per frame interval plus one; budget 2 us per change"
                                     : "TOO MANY REPAINTS; budget one per frame interval plus one");
}
BENCHMARK(BM_ChangesUnderFrameRateLimit)->Unit(benchmark::kMillisecond);

} // namespace
