#pragma once
// Where a plot on screen shows its parts, read from its rendered pixels:
// lines of one colour (an axis line, a trace), so that tests press where
// the user sees the part.
#include <QApplication>
#include <QImage>
#include <QWidget>

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
