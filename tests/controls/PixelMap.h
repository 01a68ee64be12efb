#pragma once
#include "Bitmap.h"
#include "Color.h"

#include <QImage>
#include <QRect>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

// A picture as rows of characters, one per pixel, from a legend of colours
// (system colours resolved); '?' marks a colour outside the legend.
inline std::vector<std::string> PixelMap(TBitmap &Bitmap, const std::map<char, TColor> &Legend)
{
    std::vector<std::string> rows;
    const QImage &img = static_cast<const TBitmap &>(Bitmap).Image();
    for (int y = 0; y < img.height(); ++y) {
        std::string row;
        for (int x = 0; x < img.width(); ++x) {
            const TColor c = FromQColor(img.pixelColor(x, y));
            char ch = '?';
            for (const auto &[key, colour] : Legend)
                if (ColorToRGB(colour) == c) {
                    ch = key;
                    break;
                }
            row += ch;
        }
        rows.push_back(row);
    }
    return rows;
}

// A bitmap of the given size filled with one colour.
inline void FillBitmap(TBitmap &Bitmap, int Width, int Height, TColor Color)
{
    Bitmap.SetSize(Width, Height);
    Bitmap.Canvas()->Brush()->SetColor(Color);
    Bitmap.Canvas()->FillRect(Rect(0, 0, Width, Height));
}

// The smallest rectangle holding every pixel that is not Background; empty
// (all 0) when there is none.
inline TRect InkBounds(TBitmap &Bitmap, TColor Background)
{
    const QImage &img = static_cast<const TBitmap &>(Bitmap).Image();
    const TColor bg = ColorToRGB(Background);
    int left = img.width(), right = -1, top = img.height(), bottom = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (FromQColor(img.pixelColor(x, y)) != bg) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return right < 0 ? TRect() : Rect(left, top, right + 1, bottom + 1);
}

// The bounding box of the pixels of Colour in a rendered window.
inline QRect FindColour(const QImage &Shot, TColor Colour)
{
    QRect box;
    const QColor c = ToQColor(ColorToRGB(Colour));
    for (int y = 0; y < Shot.height(); ++y)
        for (int x = 0; x < Shot.width(); ++x)
            if (Shot.pixelColor(x, y) == c)
                box |= QRect(x, y, 1, 1);
    return box;
}
