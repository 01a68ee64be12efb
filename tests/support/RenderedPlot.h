#pragma once
// Where a plot on screen shows its parts, read from its rendered pixels:
// lines of one colour (an axis line, a trace), so that tests press where
// the user sees the part.
#include <QApplication>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <vector>

inline QImage Shot(QWidget *W)
{
    QApplication::processEvents();
    return W->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The longest straight run of Colour: a row (Horizontal) or a column, with
// the first and last pixel along it; At is -1 when there is none.
struct TRun {
    int At = -1, From = 0, To = -1;
    int Length() const { return To - From + 1; }
    int Middle() const { return (From + To) / 2; }
};

inline TRun LongestRun(const QImage &Image, QRgb Colour, bool Horizontal, const QRect &Area)
{
    TRun best;
    const QRect r = Area & Image.rect();
    const int first = Horizontal ? r.top() : r.left(), last = Horizontal ? r.bottom() : r.right();
    const int begin = Horizontal ? r.left() : r.top(), end = Horizontal ? r.right() + 1 : r.bottom() + 1;
    for (int l = first; l <= last; ++l) {
        int start = -1;
        for (int i = begin; i <= end; ++i) {
            const bool on = i < end && (Horizontal ? Image.pixel(i, l) : Image.pixel(l, i)) == Colour;
            if (on && start < 0)
                start = i;
            if (!on && start >= 0) {
                if (i - start > best.Length())
                    best = {l, start, i - 1};
                start = -1;
            }
        }
    }
    return best;
}

// The same inside the control's frame (its border's edges are left out).
inline TRun LongestRun(const QImage &Image, QRgb Colour, bool Horizontal)
{
    return LongestRun(Image, Colour, Horizontal, Image.rect().adjusted(3, 3, -3, -3));
}

// The box of every pixel of Image within Area whose colour is Colour.
inline QRect ColourBox(const QImage &Image, QRgb Colour, const QRect &Area)
{
    QRect box;
    const QRect r = Area & Image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (Image.pixel(x, y) == Colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

// How many pixels of Image have the colour Colour.
inline int ColourCount(const QImage &Image, QRgb Colour)
{
    int n = 0;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            n += Image.pixel(x, y) == Colour;
    return n;
}

// The buttons of a plot toolbar as drawn: squares whose top edge is a line,
// a run of one colour (the row below it differs) closed by a single corner
// pixel of another, the top of the button's right side; raised, sunken and
// flat buttons alike. The row that shows the most such squares is the
// buttons' top; each button reaches down as far as its left or its right
// side.
inline std::vector<QRect> ToolBarButtons(const QImage &Image)
{
    const auto down = [&](int X, int Y, QRgb C) {
        int n = 0;
        while (Y + n < Image.height() && Image.pixel(X, Y + n) == C)
            ++n;
        return n;
    };
    std::vector<QRect> best;
    for (int y = 0; y + 1 < Image.height(); ++y) {
        std::vector<QRect> found;
        for (int x = 0; x < Image.width();) {
            const QRgb c = Image.pixel(x, y);
            int e = x;
            while (e < Image.width() && Image.pixel(e, y) == c)
                ++e;
            if (e - x >= 12 && e - x <= 48 && e < Image.width() && Image.pixel((x + e) / 2, y + 1) != c) {
                const QRgb corner = Image.pixel(e, y);
                const int height = std::max(down(x, y, c), down(e, y, corner)), width = e - x + 1;
                if (std::abs(height - width) <= 1)
                    found.push_back(QRect(x, y, width, height));
            }
            x = e;
        }
        if (found.size() > best.size())
            best = found;
    }
    return best;
}
