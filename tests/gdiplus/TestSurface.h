#pragma once
// A white ARGB image with a drawing-layer graphics on it.

#include "SmGDIP.h"

#include <QImage>
#include <QPainter>
#include <memory>

struct Surface {
    explicit Surface(int w = 64, int h = 64, SmoothingMode mode = SmoothingModeDefault)
        : image(w, h, QImage::Format_ARGB32_Premultiplied)
    {
        image.fill(Qt::white);
        painter.begin(&image);
        g = std::make_unique<TGPGraphics>(&painter);
        g->SetSmoothingMode(mode);
    }
    // Ends drawing; the image can be read afterwards.
    const QImage &done()
    {
        g.reset();
        painter.end();
        return image;
    }
    QImage image;
    QPainter painter;
    std::unique_ptr<TGPGraphics> g;
};
