// The slider and the value edit box on the main window's paths: building
// the window's 284 sliders and 216 boxes, one drag step, and painting the
// graphic-EQ page. Each prints its budget beside the figure.

#include "Form.h"
#include "RoundedControls.h"
#include "SmTrackBar.h"
#include "Stream.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

std::unique_ptr<TGpPicture> Thumb(QColor colour)
{
    QImage img(16, 29, QImage::Format_ARGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    auto p = std::make_unique<TGpPicture>();
    TMemoryStream s(bytes);
    p->LoadFromStream(&s);
    return p;
}

struct ThumbPictures {
    std::unique_ptr<TGpPicture> normal = Thumb(QColor(0, 0, 200)), hot = Thumb(QColor(200, 200, 0)),
                                down = Thumb(QColor(200, 0, 200));
};

// An editor slider in the layout's order, then Loaded.
TSmTrackBar *EditorSlider(TForm *form, const ThumbPictures &pics, int x, int y, int h, int max)
{
    auto *s = new TSmTrackBar(form);
    s->BeginLoading();
    s->SetParent(form);
    s->SetBounds(x, y, 27, h);
    s->SetOrientation(trVertical);
    s->SetMax(max);
    s->SetMin(0);
    s->SetPageSize(10);
    s->SetShowFocus(true);
    TTrackBarThumb *t = s->Thumb();
    t->SetBorderColor(RGB(64, 111, 157));
    t->SetPicture(pics.normal.get());
    t->SetPictureHot(pics.hot.get());
    t->SetPictureDown(pics.down.get());
    t->SetSize(16);
    t->SetWidth(29);
    s->Slider()->SetBorderColor(clMedGray);
    s->Slider()->SetColorTo(clBlack);
    s->Slider()->SetSize(3);
    s->TickMark()->SetStyle(tsNone);
    s->OnChange = [](TObject *) {};
    s->EndLoading();
    return s;
}

TRoundedEdit *EditorBox(TForm *form, int x, int y)
{
    auto *b = new TRoundedEdit(form);
    b->BeginLoading();
    b->SetParent(form);
    b->SetBounds(x, y, 58, 24);
    b->SetRounding(6);
    b->SetBorderColor(clHighlightText);
    b->SetColor(clWhite);
    b->SetAlignment(taCenter);
    b->SetAutoSelect(false);
    b->SetText("+0.0dB");
    b->EndLoading();
    return b;
}

void Budget(benchmark::State &state, double ms)
{
    state.counters["budget_ms"] = ms;
    state.SetLabel("budget " + std::to_string(int(ms)) + " ms");
}

void BM_Build284SlidersAnd216Boxes(benchmark::State &state)
{
    ThumbPictures pics;
    for (auto _ : state) {
        auto form = std::make_unique<TForm>(nullptr); // hidden
        form->SetBounds(0, 0, 1280, 800);
        for (int i = 0; i < 284; ++i)
            EditorSlider(form.get(), pics, (i % 40) * 30, (i / 40) * 100, 64 + i % 130, 240);
        for (int i = 0; i < 216; ++i)
            EditorBox(form.get(), (i % 20) * 60, 700 + (i / 20) * 2);
        benchmark::DoNotOptimize(form->ControlCount());
        state.PauseTiming(); // freeing the window is not part of building it
        form.reset();
        state.ResumeTiming();
    }
    Budget(state, 100);
}
BENCHMARK(BM_Build284SlidersAnd216Boxes)->Unit(benchmark::kMillisecond)->Iterations(5);

// One mouse move of a drag, through SetPosition, up to the repainted thumb.
void BM_DragStep(benchmark::State &state)
{
    ThumbPictures pics;
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 240);
    TSmTrackBar *s = EditorSlider(&form, pics, 10, 10, 193, 158);
    form.Show();
    QApplication::processEvents();
    s->SetPosition(79);
    QWidget *w = s->Widget();
    const TRect t = s->ThumbRect();
    const QPoint grab(t.Left + 8, t.Top + 14);
    QMouseEvent press(QEvent::MouseButtonPress, grab, w->mapToGlobal(grab), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    int step = 0;
    for (auto _ : state) {
        const QPoint at = grab - QPoint(0, (step++ % 40) - 20);
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QApplication::processEvents(); // the paint of the invalidated thumb areas
    }
    QMouseEvent release(QEvent::MouseButtonRelease, grab, w->mapToGlobal(grab), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    Budget(state, 1);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

// The graphic-EQ page: 124 band sliders of 27 x 193 in one paint.
void BM_GeqPage124SlidersOnePaint(benchmark::State &state)
{
    ThumbPictures pics;
    TForm form(nullptr);
    form.SetBounds(0, 0, 31 * 30, 4 * 200);
    for (int i = 0; i < 124; ++i)
        EditorSlider(&form, pics, (i % 31) * 30, (i / 31) * 200, 193, 240)->SetPosition(i * 2);
    form.Show();
    QImage page(form.Width(), form.Height(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        form.Widget()->render(&page);
    Budget(state, 16);
}
BENCHMARK(BM_GeqPage124SlidersOnePaint)->Unit(benchmark::kMillisecond);

// One slider: a full paint, and the repaint of its thumb area alone.
void BM_OneSlider(benchmark::State &state)
{
    const bool thumbOnly = state.range(0) != 0;
    ThumbPictures pics;
    TForm form(nullptr);
    form.SetBounds(0, 0, 60, 220);
    TSmTrackBar *s = EditorSlider(&form, pics, 10, 10, 193, 240);
    s->SetPosition(120);
    form.Show();
    TRect t = s->ThumbRect();
    t.Inflate(1, 1);
    const QRegion area = thumbOnly ? QRegion(ToQRect(t)) : QRegion(0, 0, 27, 193);
    QImage img(27, 193, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        s->Widget()->render(&img, QPoint(), area);
    state.SetLabel(thumbOnly ? "thumb area only" : "whole slider");
}
BENCHMARK(BM_OneSlider)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
