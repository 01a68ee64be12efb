#pragma once
// Where a rendered check box shows its box, so that tests find it where the
// user sees it.
#include "Color.h"

#include <QImage>
#include <QRect>

#include <vector>

// The sunken squares within Area: an outer frame in button shadow (top,
// left) and highlight (bottom, right; it may run on into a background of the
// same colour) around an inner one whose top and left are the dark shadow;
// at least eight pixels a side.
inline std::vector<QRect> SunkenBoxes(const QImage &Image, const QRect &Area)
{
    const QRgb shadow = ToQColor(clBtnShadow).rgb(), dark = ToQColor(cl3DDkShadow).rgb(),
               light = ToQColor(clBtnHighlight).rgb();
    const QRect r = Area & Image.rect();
    const auto run = [&](int X, int Y, int Dx, int Dy, QRgb C) {
        int n = 0;
        while (r.contains(X + n * Dx, Y + n * Dy) && Image.pixel(X + n * Dx, Y + n * Dy) == C)
            ++n;
        return n;
    };
    std::vector<QRect> found;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (Image.pixel(x, y) != shadow || (r.contains(x - 1, y) && Image.pixel(x - 1, y) == shadow) ||
                (r.contains(x, y - 1) && Image.pixel(x, y - 1) == shadow))
                continue;
            const int side = run(x, y, 1, 0, shadow) + 1; // the corner pixel at the right is the highlight's
            if (side < 8 || run(x, y, 0, 1, shadow) + 1 != side)
                continue;
            const bool inner = run(x + 1, y + 1, 1, 0, dark) == side - 3 && run(x + 1, y + 1, 0, 1, dark) == side - 3;
            const bool outer = run(x, y + side - 1, 1, 0, light) >= side && run(x + side - 1, y, 0, 1, light) >= side;
            if (inner && outer)
                found.push_back(QRect(x, y, side, side));
        }
    }
    return found;
}
