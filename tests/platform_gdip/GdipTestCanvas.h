#pragma once
// A white ARGB image with a GDI+ graphics drawing into it.

#include "GdipFlat.h"

#include <QImage>
#include <QPainter>

struct GdipTestCanvas {
    explicit GdipTestCanvas(int w = 64, int h = 64, SmoothingMode mode = SmoothingModeAntiAlias)
        : image(w, h, QImage::Format_ARGB32_Premultiplied)
    {
        static uintptr_t token = 0;
        if (token == 0) {
            GdiplusStartupInput in;
            GdiplusStartup(&token, &in, nullptr);
        }
        image.fill(Qt::white);
        painter.begin(&image);
        GdipCreateFromHDC(&painter, &g);
        GdipSetSmoothingMode(g, mode);
    }
    ~GdipTestCanvas() { finish(); }
    // Ends drawing; the image can be read afterwards.
    QImage &done()
    {
        finish();
        return image;
    }
    void finish()
    {
        if (g) {
            GdipDeleteGraphics(g);
            g = nullptr;
        }
        if (painter.isActive())
            painter.end();
    }
    // How much the pixel was darkened from white (0 none, 255 black).
    int ink(int x, int y) const { return 255 - qGray(image.pixel(x, y)); }

    QImage image;
    QPainter painter;
    GpGraphics *g = nullptr;
};

struct SolidBrush {
    explicit SolidBrush(ARGB c) { GdipCreateSolidFill(c, &b); }
    ~SolidBrush() { GdipDeleteBrush(b); }
    GpBrush *brush() const { return b; }
    GpSolidFill *b = nullptr;
};

struct Pen {
    explicit Pen(ARGB c, REAL w = 1) { GdipCreatePen1(c, w, UnitWorld, &p); }
    ~Pen() { GdipDeletePen(p); }
    GpPen *p = nullptr;
};
