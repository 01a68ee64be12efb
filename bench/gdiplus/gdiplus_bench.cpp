// Hot paths of the styled controls: the value edit box's fill (216 boxes per
// full repaint of the main window) and drawing a picture decoded at every
// draw against drawing a kept decode.

#include "GpFill.h"
#include "GpPicture.h"
#include "SmGDIP.h"

#include "Stream.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// One box as the rounded value edit box paints it: a temporary fill in the
// box colour with a border, anti-aliased, into its rectangle.
void paintEditBox(QPainter &painter, int x, int y, TColor color)
{
    TGpFill fill;
    fill.SetBorderColor(ColorToRGB(clGray));
    fill.SetRounding(4);
    fill.SetRoundingType(rtBoth);
    fill.SetColor(color);
    fill.SetColorTo(color);
    fill.SetColorMirror(color);
    fill.SetColorMirrorTo(color);
    TGPGraphics g(&painter);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    fill.Fill(&g, MakeRectF(REAL(x + 2), REAL(y), REAL(60 - 1 - 2 - 2), REAL(20 - 1)));
}

void BM_ValueEditBoxFullRepaint(benchmark::State &state)
{
    QImage window(1280, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&window);
        for (int i = 0; i < 216; ++i)
            paintEditBox(painter, (i % 18) * 70, (i / 18) * 30, clWhite);
    }
    state.SetItemsProcessed(state.iterations() * 216);
}
BENCHMARK(BM_ValueEditBoxFullRepaint)->Unit(benchmark::kMillisecond);

QByteArray jpegPage()
{
    QImage img(600, 100, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x % 256, y * 2, (x * y) % 256));
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPEG");
    return bytes;
}

// The picture decoded from its bytes for every draw.
void BM_Picture1000DrawsDecodedEachTime(benchmark::State &state)
{
    QByteArray bytes = jpegPage();
    QImage target(640, 120, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        TGPGraphics g(&painter);
        for (int i = 0; i < 1000; ++i) {
            QBuffer buf(&bytes);
            buf.open(QIODevice::ReadOnly);
            TGPImage image(&buf);
            g.DrawImage(&image, INT(15), INT(6));
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Picture1000DrawsDecodedEachTime)->Unit(benchmark::kMillisecond);

// The picture as the picture classes draw it: decoded once and kept.
void BM_Picture1000DrawsCachedDecode(benchmark::State &state)
{
    TGpPicture picture;
    TMemoryStream stream(jpegPage());
    picture.LoadFromStream(&stream);
    QImage target(640, 120, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        TGPGraphics g(&painter);
        for (int i = 0; i < 1000; ++i)
            picture.DrawImage(&g, 15, 6);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Picture1000DrawsCachedDecode)->Unit(benchmark::kMillisecond);

} // namespace
