// Creating many named controls on a form and finding them by name, as the
// main window's layout and its handlers do.
#include "Form.h"
#include "PaintBox.h"
#include "Panel.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kControls = 2000;

template <typename Control>
void Populate(TForm *form, int count)
{
    for (int i = 0; i < count; ++i) {
        auto *c = new Control(form);
        c->SetName(QStringLiteral("cvdControl%1").arg(i));
        c->SetParent(form);
        c->SetBounds((i % 40) * 10, (i / 40) * 10, 10, 10);
    }
}

template <typename Control>
void BM_CreateNamedControls(benchmark::State &state)
{
    for (auto _ : state) {
        auto form = std::make_unique<TForm>(nullptr);
        Populate<Control>(form.get(), kControls);
        benchmark::DoNotOptimize(form->ComponentCount());
    }
    state.SetItemsProcessed(state.iterations() * kControls);
}
BENCHMARK_TEMPLATE(BM_CreateNamedControls, TPaintBox)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CreateNamedControls, TPanel)->Unit(benchmark::kMillisecond);

void BM_FindComponentByName(benchmark::State &state)
{
    TForm form(nullptr);
    Populate<TPaintBox>(&form, kControls);
    int i = 0;
    for (auto _ : state) {
        // Spread over the list, in another letter case than stored.
        QString name = QStringLiteral("CVDCONTROL%1").arg(i);
        benchmark::DoNotOptimize(form.FindComponent(name));
        i = (i + 997) % kControls;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FindComponentByName);

} // namespace
