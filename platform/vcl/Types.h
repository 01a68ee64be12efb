#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

// Integer geometry as the controls use it. A TRect is (Left, Top, Right,
// Bottom) with Right and Bottom outside the rectangle, as in GDI: its width is
// Right - Left.

using Word = std::uint16_t;
using Byte = std::uint8_t;
using Cardinal = std::uint32_t;

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr TPoint() = default;
    constexpr TPoint(int x, int y) : X(x), Y(y) {}
    constexpr bool operator==(const TPoint &o) const { return X == o.X && Y == o.Y; }
    constexpr bool operator!=(const TPoint &o) const { return !(*this == o); }
};

struct TSize {
    int cx = 0;
    int cy = 0;
    constexpr TSize() = default;
    constexpr TSize(int w, int h) : cx(w), cy(h) {}
    constexpr bool operator==(const TSize &o) const { return cx == o.cx && cy == o.cy; }
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TRect() = default;
    constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // True when (x, y) lies inside: Left <= x < Right, Top <= y < Bottom.
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    constexpr bool Contains(TPoint p) const { return Contains(p.X, p.Y); }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    void Offset(int dx, int dy) { Left += dx; Right += dx; Top += dy; Bottom += dy; }
    void Inflate(int dx, int dy) { Left -= dx; Right += dx; Top -= dy; Bottom += dy; }
    constexpr bool operator==(const TRect &o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
    constexpr bool operator!=(const TRect &o) const { return !(*this == o); }
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// The intersection of a and b; empty (all 0) when they do not overlap.
TRect IntersectRect(const TRect &a, const TRect &b);
// The smallest rectangle holding both; an empty one does not count.
TRect UnionRect(const TRect &a, const TRect &b);

// a * b / c with the 64-bit product, rounded half away from zero; -1 when c is
// 0 or the result does not fit in an int.
int MulDiv(int a, int b, int c);

// Round to the nearest integer, halves to even (the rounding the drawing code
// of the controls uses); beyond the int range it gives the nearest end, NaN 0.
int RoundHalfEven(double v);

inline QRect ToQRect(const TRect &r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect &r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }
inline QPoint ToQPoint(TPoint p) { return QPoint(p.X, p.Y); }
inline TPoint FromQPoint(QPoint p) { return {p.x(), p.y()}; }
