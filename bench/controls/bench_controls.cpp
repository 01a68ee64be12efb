// Repainting the main window's custom controls: a parent full of borderless
// bitmap buttons, and one level-poll tick over all its meters.
#include "Form.h"
#include "LProgressBar.h"
#include "SkBmpButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kButtons = 240;
constexpr int kMeters = 81;

// A face with a teal surround, as the layouts' button pictures have.
void MakeFace(TBitmap &b)
{
    b.SetSize(40, 20);
    TCanvas *c = b.Canvas();
    c->Brush()->SetColor(clTeal);
    c->FillRect(Rect(0, 0, 40, 20));
    c->Brush()->SetColor(RGB(60, 60, 70));
    c->FillRect(Rect(2, 2, 38, 18));
    c->Brush()->SetColor(RGB(200, 200, 210));
    c->FillRect(Rect(4, 4, 36, 6));
}

void BM_RepaintBorderlessButtons(benchmark::State &state)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 1280, 760);
    form.SetColor(RGB(30, 30, 40));
    TBitmap face;
    MakeFace(face);
    for (int i = 0; i < kButtons; ++i) {
        auto *b = new TSkBmpButton(&form);
        b->SetParent(&form);
        b->SetButtonSize(bszStretchToButton);
        b->SetBounds((i % 16) * 80, (i / 16) * 50, 76, 28);
        b->Bitmaps()->SetTransparentColor(clTeal);
        b->Bitmaps()->SetUp(&face);
        b->SetShowFocus(false);
        b->SetCaption(QStringLiteral("Out %1").arg(i % 8 + 1));
        b->Font()->SetColor(clWhite);
    }
    form.Show();
    QApplication::processEvents();
    QElapsedTimer t;
    qint64 worst = 0;
    for (auto _ : state) {
        t.start();
        form.Widget()->repaint(); // the parent and every button, to the last pixel
        worst = std::max(worst, t.nsecsElapsed());
    }
    state.counters["worst_ms"] = worst / 1e6;
    state.counters["budget_ms"] = 8;
    state.SetLabel("240 borderless stretched buttons with captions; budget 8 ms per repaint");
}
BENCHMARK(BM_RepaintBorderlessButtons)->Unit(benchmark::kMillisecond)->UseRealTime();

// A meter that counts its paints.
class CountedMeter : public LProgressBar {
public:
    explicit CountedMeter(TComponent *owner, int *paints) : LProgressBar(owner), paints_(paints) {}
    void Paint() override
    {
        ++*paints_;
        LProgressBar::Paint();
    }

private:
    int *paints_;
};

struct MeterWindow {
    TForm form{nullptr};
    std::vector<LProgressBar *> meters;
    int paints = 0;
    MeterWindow()
    {
        form.SetBounds(0, 0, 1300, 300);
        for (int i = 0; i < kMeters; ++i) {
            auto *m = new CountedMeter(&form, &paints);
            m->SetParent(&form);
            m->SetBounds(i * 16, 10, 14, 132);
            meters.push_back(m);
        }
        form.Show();
        QApplication::processEvents();
    }
};

void BM_MeterTickUnchanged(benchmark::State &state)
{
    MeterWindow w;
    for (LProgressBar *m : w.meters)
        m->SetPosition(37);
    QApplication::processEvents();
    w.paints = 0;
    for (auto _ : state) {
        for (LProgressBar *m : w.meters)
            m->SetPosition(37);
        QApplication::processEvents();
    }
    state.counters["paints_per_tick"] = static_cast<double>(w.paints) / state.iterations();
    state.SetLabel("81 meters, same values; budget: no paint at all");
}
BENCHMARK(BM_MeterTickUnchanged)->Unit(benchmark::kMicrosecond);

void BM_MeterTickChanged(benchmark::State &state)
{
    MeterWindow w;
    int tick = 0;
    for (auto _ : state) {
        const int value = (tick++ % 2) ? 90 : 10;
        for (LProgressBar *m : w.meters)
            m->SetPosition(value);
        QApplication::processEvents(); // the paints the changes asked for
    }
    state.counters["paints_per_tick"] = static_cast<double>(w.paints) / state.iterations();
    state.counters["budget_ms"] = 2;
    state.SetLabel("81 meters, every value changed, set and repainted; budget 2 ms per tick");
}
BENCHMARK(BM_MeterTickChanged)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
