// The plot core's hot paths: the layout pass of a plot with 40 layout
// objects on its four sides (budget 0.5 ms), the legend layout with 100
// channels (budget 2 ms) and a mouse move over a plot of 50 objects, hit
// test included (budget 20 us). Figures print beside budgets.
#include <benchmark/benchmark.h>

#include "Bitmap.h"
#include "gPlotDataView.h"
#include "gPlotLayoutManager.h"
#include "gPlotLegend.h"
#include "gPlotMasterManager.h"
#include "gPlotObjectManager.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

namespace {

// Layout objects of set thickness and end margin.
template <class Base>
class TSized : public Base {
public:
    using Base::Base;
    int GetRequiredSpace(TCanvas *) override { return 12; }
    int GetEndMargin(TCanvas *) override { return 4; }
};

class TBenchPlot : public TgXYPlot {
public:
    using TgXYPlot::TgXYPlot;
    void Arrange(TCanvas *Canvas) { ArrangeLayoutObjects(Canvas); }

    template <class T>
    T *Add(bool Horizontal, int ZOrder, double Start, double Stop)
    {
        TgPlotMasterManager *m = Master();
        T *o = new T(this, [m](TObject *S) { m->ObjectChange(S); }, [m](TObject *S) { m->ObjectInsert(S); },
                     [m](TObject *S) { m->ObjectRemove(S); }, [m](TObject *S) { m->ObjectRename(S); });
        o->DoInsert();
        o->SetHorizontal(Horizontal);
        o->SetZOrder(ZOrder);
        o->SetStartStopPercent(Start, Stop);
        return o;
    }
};

// Ten objects per side in five bands of two (each half the side long).
void Populate(TBenchPlot &Plot)
{
    Plot.DisableLayoutManager();
    for (int i = 0; i < 10; ++i) {
        const int band = i / 2;
        const double start = (i % 2) * 50.0;
        Plot.Add<TSized<TgPlotYAxis>>(false, -band, start, start + 50);     // left
        Plot.Add<TSized<TgPlotYAxis>>(false, 10 + band, start, start + 50); // right
        Plot.Add<TSized<TgPlotXAxis>>(true, -band, start, start + 50);      // bottom
        Plot.Add<TSized<TgPlotXAxis>>(true, 10 + band, start, start + 50);  // top
    }
    Plot.EnableLayoutManager();
}

void BM_LayoutPass40Objects(benchmark::State &state)
{
    TBenchPlot plot(nullptr);
    plot.SetBounds(0, 0, 800, 600);
    Populate(plot);
    TBitmap bitmap(800, 600);
    for (auto _ : state)
        plot.Arrange(bitmap.Canvas());
    state.counters["objects"] = 40;
    state.counters["budget_ms"] = 0.5;
    state.SetLabel("layout pass, 40 layout objects on four sides; budget 0.5 ms");
}
BENCHMARK(BM_LayoutPass40Objects)->Unit(benchmark::kMicrosecond);

void BM_LegendLayout100Channels(benchmark::State &state)
{
    TgXYPlot plot(nullptr);
    while (plot.ChannelCount() < 100)
        plot.AddChannel();
    TgPlotLegend *legend = plot.GetLegend(0);
    legend->SetDrawRect(TRect(600, 10, 790, 590));
    legend->SetWrapColAutoCountEnabled(true);
    TBitmap bitmap(800, 600);
    for (auto _ : state)
        legend->CalcLayout(bitmap.Canvas());
    state.counters["channels"] = 100;
    state.counters["budget_ms"] = 2;
    state.SetLabel("legend layout, 100 channels; budget 2 ms");
}
BENCHMARK(BM_LegendLayout100Channels)->Unit(benchmark::kMicrosecond);

void BM_MouseMoveHitTest50Objects(benchmark::State &state)
{
    TBenchPlot plot(nullptr);
    plot.SetBounds(0, 0, 800, 600);
    Populate(plot);
    TBitmap bitmap(800, 600);
    plot.ReCalcLayout();
    // With the default set and the markers: 40 + 10 = 50 objects; the point
    // lies in the data view, which the third pass finds last.
    const TRect view = plot.GetDataView(0)->DrawRect();
    const int x = (view.Left + view.Right) / 2, y = (view.Top + view.Bottom) / 2;
    int step = 0;
    for (auto _ : state) {
        plot.MouseMove({}, x + (step & 1), y);
        ++step;
    }
    state.counters["objects"] = plot.GetObjectManager()->Count();
    state.counters["budget_us"] = 20;
    state.SetLabel("mouse move with hit test over 50 objects; budget 20 us");
}
BENCHMARK(BM_MouseMoveHitTest50Objects)->Unit(benchmark::kMicrosecond);

} // namespace
