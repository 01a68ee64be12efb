#pragma once
// Where a rendered radio group shows its marks, so that tests press where
// the user sees an item.
#include "Color.h"

#include <QImage>
#include <QPoint>

#include <algorithm>
#include <cstdlib>
#include <vector>

// Centres of the radio marks as drawn: each ring's top inner edge is a run
// of exactly four dark-shadow pixels with the outer shadow edge three pixels
// left of it one row down; the mark's middle lies five rows below that edge.
inline std::vector<QPoint> MarkCentres(const QImage &Image)
{
    const QRgb dark = ToQColor(cl3DDkShadow).rgb(), shadow = ToQColor(clBtnShadow).rgb();
    std::vector<QPoint> found;
    for (int y = 0; y + 1 < Image.height(); ++y) {
        for (int x = 2; x + 4 < Image.width(); ++x) {
            const bool run = Image.pixel(x - 1, y) != dark && Image.pixel(x, y) == dark &&
                             Image.pixel(x + 3, y) == dark && Image.pixel(x + 4, y) != dark &&
                             Image.pixel(x - 3, y + 1) == shadow;
            if (run)
                found.push_back(QPoint(x + 1, y + 5));
        }
    }
    return found;
}

// The same in item order: down the first column, then the next.
inline std::vector<QPoint> MarksInItemOrder(const QImage &Image)
{
    std::vector<QPoint> m = MarkCentres(Image);
    std::sort(m.begin(), m.end(), [](QPoint a, QPoint b) {
        return std::abs(a.x() - b.x()) > 3 ? a.x() < b.x() : a.y() < b.y();
    });
    return m;
}
