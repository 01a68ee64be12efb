// One drag step of the layout viewer, from the mouse event to the repainted
// schematic: the legend of a default XY plot held and moved to and fro over
// the Y axis's band, so that the drop target changes on every step (budget
// 4 ms per step). The figure prints beside its budget.
#include <benchmark/benchmark.h>

#include "Form.h"
#include "gPlotLayoutObject.h"
#include "gPlotLayoutViewer.h"
#include "gPlotLegend.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <QApplication>
#include <QMouseEvent>

#include <chrono>

namespace {

constexpr double BudgetMs = 4.0;

class TCountingViewer : public TgPlotLayoutViewer {
public:
    using TgPlotLayoutViewer::TgPlotLayoutViewer;
    long paints = 0;
    void PaintToCanvas(TCanvas *Canvas) override
    {
        ++paints;
        TgPlotLayoutViewer::PaintToCanvas(Canvas);
    }
};

void Send(QWidget *W, QEvent::Type Type, QPoint Pos, Qt::MouseButtons Buttons)
{
    const Qt::MouseButton button = Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(Type, QPointF(Pos), QPointF(W->mapToGlobal(Pos)), button, Buttons, Qt::NoModifier);
    QApplication::sendEvent(W, &e);
}

QPoint Centre(const TRect &R)
{
    return QPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
}

void BM_LayoutViewerDragStep(benchmark::State &state)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 520, 400);
    auto *plot = new TgXYPlot(&form);
    auto *viewer = new TCountingViewer(&form);
    viewer->SetParent(&form);
    viewer->SetBounds(0, 0, 480, 360);
    viewer->SetLayoutManager(plot->LayoutManager());
    viewer->SetMaster(plot->Master());
    form.Show();
    QApplication::processEvents(); // the first paint places the blocks
    QWidget *w = viewer->Widget();
    const QPoint from = Centre(plot->GetLegend(0)->LayoutRect());
    const TRect band = plot->GetYAxis(0)->LayoutRect();
    const QPoint below((band.Left * 3 + band.Right) / 4, (band.Top + band.Bottom) / 2);
    const QPoint above((band.Left + band.Right * 3) / 4, below.y());
    Send(w, QEvent::MouseMove, from, Qt::NoButton);
    Send(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
    QApplication::processEvents();

    const long paintsBefore = viewer->paints;
    long steps = 0;
    double ms = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        Send(w, QEvent::MouseMove, steps % 2 ? above : below, Qt::LeftButton);
        QApplication::processEvents();
        ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        ++steps;
    }
    // Released over the data view's middle, where nothing can be dropped.
    Send(w, QEvent::MouseMove, w->rect().center(), Qt::LeftButton);
    Send(w, QEvent::MouseButtonRelease, w->rect().center(), Qt::NoButton);

    const double perStep = steps ? ms / double(steps) : 0;
    const double paintsPerStep = steps ? double(viewer->paints - paintsBefore) / double(steps) : 0;
    state.counters["ms_per_step"] = perStep;
    state.counters["budget_ms"] = BudgetMs;
    state.counters["paints_per_step"] = paintsPerStep;
    const bool ok = perStep <= BudgetMs && paintsPerStep >= 1;
    state.SetLabel(ok ? "drag step, mouse event to repaint; budget 4 ms"
                      : "OVER BUDGET or not repainted; budget 4 ms and one repaint per step");
}

} // namespace

BENCHMARK(BM_LayoutViewerDragStep)->Unit(benchmark::kMillisecond);
