#pragma once
// A white ARGB image with a drawing-layer graphics on it.

#include "SmGDIP.h"

#include <QImage>
#include <QPainter>
#include <memory>

// The bounding box of the pixels for which pred holds.
template <class Pred>
QRect PixelBox(const QImage &img, Pred pred)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (pred(img.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

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
