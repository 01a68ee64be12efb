// Lines of the canvas: the one walk every line and polyline goes through,
// dash patterns and wide pens along it, and the way straight into a
// bitmap's pixels.
#include "Canvas.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>

namespace {

// Dash patterns of one-pixel pens, in pixels on / off, as GDI draws them.
const std::vector<int> &DashPattern(TPenStyle style)
{
    static const std::vector<int> solid;
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    static const std::vector<int> dashDot{9, 6, 3, 6};
    static const std::vector<int> dashDotDot{9, 3, 3, 3, 3, 3};
    static const std::vector<int> alternate{1, 1};
    switch (style) {
    case psAlternate: return alternate;
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return solid;
    }
}

// One column of a pen's disc: the rows Top..Bottom at column offset Dx.
struct DiscColumn {
    int Dx, Top, Bottom;
};

// The disc a pen of Width stamps on every pixel of its line: offsets
// -(w-1)/2 .. w/2 on each axis, kept when within half the width of the
// disc's centre; one pixel for one-pixel pens.
std::vector<DiscColumn> PenDisc(int Width)
{
    if (Width <= 1)
        return {{0, 0, 0}};
    const int lo = -((Width - 1) / 2), hi = Width / 2;
    const double c = (lo + hi) / 2.0, r2 = Width * Width / 4.0;
    std::vector<DiscColumn> disc;
    for (int dx = lo; dx <= hi; ++dx) {
        DiscColumn col{dx, hi + 1, lo - 1};
        for (int dy = lo; dy <= hi; ++dy)
            if ((dx - c) * (dx - c) + (dy - c) * (dy - c) <= r2 + 1e-9) {
                col.Top = std::min(col.Top, dy);
                col.Bottom = std::max(col.Bottom, dy);
            }
        if (col.Top <= col.Bottom)
            disc.push_back(col);
    }
    return disc;
}

// Where Bresenham's walk of a line (see WalkLine) stands at step First: the
// minor offset q = (2 First Minor + Major) div (2 Major) and r, the
// remainder. Lines of the canvas's own size need 64 bits; only far-off ends
// need 128.
struct WalkStep {
    long long q, r;
};

WalkStep WalkStepAt(long long First, long long Major, long long Minor)
{
    if (First == 0)
        return {0, Major};
    const long long twoMajor = 2 * Major;
    if (Major < (1LL << 30)) {
        const long long num = 2 * First * Minor + Major;
        return {num / twoMajor, num % twoMajor};
    }
    const __int128 num = __int128(2) * First * Minor + Major;
    return {static_cast<long long>(num / twoMajor), static_cast<long long>(num % twoMajor)};
}

// The first step of the walk whose minor offset reaches K (1 <= K <= Minor):
// the least i with 2 i Minor + Major >= 2 K Major.
long long FirstStepReaching(long long K, long long Major, long long Minor)
{
    const long long twoMinor = 2 * Minor;
    if (Major < (1LL << 30))
        return (Major * (2 * K - 1) + twoMinor - 1) / twoMinor;
    return static_cast<long long>((__int128(Major) * (2 * K - 1) + twoMinor - 1) / twoMinor);
}

// Bresenham's walk of a one-pixel line from (X1, Y1) up to, not including,
// (X2, Y2), without a division per step: step i along the major axis (x
// when both deltas are equal) meets the minor axis at i * minor / major
// rounded to the nearest pixel, halves away from the start. Only the steps
// whose major coordinate lies within Clip widened by Reach are walked: a
// line may run far off the canvas (a curve point at an extreme value).
// Visit(x, y, i) receives each pixel with its step number.
template <class Visit>
void WalkLine(int X1, int Y1, int X2, int Y2, const TRect &Clip, long long Reach, Visit &&visit)
{
    if (X1 == X2 && Y1 == Y2)
        return;
    const long long dx = std::llabs(static_cast<long long>(X2) - X1);
    const long long dy = std::llabs(static_cast<long long>(Y2) - Y1);
    const bool xMajor = dx >= dy;
    const long long major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const long long from = xMajor ? X1 : Y1, step = (xMajor ? X2 > X1 : Y2 > Y1) ? 1 : -1;
    const long long lo = (xMajor ? Clip.Left : Clip.Top) - Reach, hi = (xMajor ? Clip.Right : Clip.Bottom) + Reach;
    const long long first = std::max(0LL, step > 0 ? lo - from : from - hi);
    const long long last = std::min(major - 1, step > 0 ? hi - from : from - lo);
    if (first > last)
        return;
    const long long twoMajor = 2 * major, twoMinor = 2 * minor;
    auto [q, r] = WalkStepAt(first, major, minor);
    const long long base = xMajor ? Y1 : X1, minorStep = (xMajor ? Y2 > Y1 : X2 > X1) ? 1 : -1;
    long long a = from + step * first;
    for (long long i = first; i <= last; ++i) {
        const int m = static_cast<int>(a), n = static_cast<int>(base + minorStep * q);
        if (xMajor)
            visit(m, n, i);
        else
            visit(n, m, i);
        a += step;
        r += twoMinor;
        if (r >= twoMajor) {
            r -= twoMajor;
            ++q;
        }
    }
}

// WalkLine leaving out the gaps of Pattern (on, off, ... pixels), which
// starts afresh with each line. Visit(x, y) receives the pixels drawn.
template <class Visit>
void WalkPenLine(int X1, int Y1, int X2, int Y2, const TRect &Clip, long long Reach, const std::vector<int> &Pattern,
                 Visit &&visit)
{
    if (Pattern.empty()) {
        WalkLine(X1, Y1, X2, Y2, Clip, Reach, [&](int x, int y, long long) { visit(x, y); });
        return;
    }
    size_t seg = 0;
    long long left = -1;
    WalkLine(X1, Y1, X2, Y2, Clip, Reach, [&](int x, int y, long long i) {
        if (left < 0) { // the dash phase of the first step walked
            long long period = 0;
            for (int len : Pattern)
                period += len;
            left = Pattern[0];
            for (long long skip = i % period; skip > 0;) {
                const long long take = std::min(skip, left);
                skip -= take;
                left -= take;
                if (left == 0) {
                    seg = (seg + 1) % Pattern.size();
                    left = Pattern[seg];
                }
            }
        }
        if (seg % 2 == 0)
            visit(x, y);
        if (--left == 0) {
            seg = (seg + 1) % Pattern.size();
            left = Pattern[seg];
        }
    });
}

// Pixels of one colour written straight into a 32-bit image (under an
// integer offset, within a clip rectangle of the image), each stamped with
// a pen's disc (which must outlive the object). Neighbouring pixels of one
// column gather into a run stamped once: a copying pen leaves the union of
// its stamps, whatever their order or repetition, so the image is the same.
class DirectPixels {
public:
    DirectPixels(QImage &Image, QPoint Offset, const QRect &Clip, QRgb Colour, const std::vector<DiscColumn> &Disc)
        : bits_(Image.bits()), stride_(Image.bytesPerLine()), ox_(Offset.x()), oy_(Offset.y()), left_(Clip.left()),
          right_(Clip.right()), top_(Clip.top()), bottom_(Clip.bottom()), colour_(Colour), disc_(Disc)
    {
    }
    ~DirectPixels() { Flush(); }

    void Add(int X, int Y) { AddRun(X, Y, Y); }
    // The rows From..To of column X.
    void AddRun(int X, long long From, long long To)
    {
        if (open_ && X == x_ && From <= y1_ + 1 && To >= y0_ - 1) {
            y0_ = std::min(y0_, From);
            y1_ = std::max(y1_, To);
            return;
        }
        Flush();
        open_ = true;
        x_ = X;
        y0_ = From;
        y1_ = To;
    }

    // The columns From..To of row Y, each pixel stamped: a band of each
    // column of the disc.
    void AddRow(int Y, long long From, long long To)
    {
        for (const DiscColumn &c : disc_) {
            const long long x0 = std::max<long long>(From + c.Dx + ox_, left_);
            const long long x1 = std::min<long long>(To + c.Dx + ox_, right_);
            const long long y0 = std::max<long long>(Y + c.Top + oy_, top_);
            const long long y1 = std::min<long long>(Y + c.Bottom + oy_, bottom_);
            for (long long y = y0; x0 <= x1 && y <= y1; ++y)
                std::fill_n(reinterpret_cast<QRgb *>(bits_ + y * stride_) + x0, x1 - x0 + 1, colour_);
        }
    }

    void Flush()
    {
        if (!open_)
            return;
        open_ = false;
        for (const DiscColumn &c : disc_) {
            const long long x = x_ + c.Dx + ox_;
            if (x < left_ || x > right_)
                continue;
            const long long from = std::max<long long>(y0_ + c.Top + oy_, top_);
            const long long to = std::min<long long>(y1_ + c.Bottom + oy_, bottom_);
            for (long long y = from; y <= to; ++y)
                reinterpret_cast<QRgb *>(bits_ + y * stride_)[x] = colour_;
        }
    }

private:
    uchar *bits_;
    qsizetype stride_;
    int ox_, oy_, left_, right_, top_, bottom_;
    QRgb colour_;
    const std::vector<DiscColumn> &disc_;
    bool open_ = false;
    int x_ = 0;
    long long y0_ = 0, y1_ = 0;
};

// One-pixel solid lines written straight into a 32-bit image, in image
// pixels: the pixels of WalkLine's walk of each whole line that lie within
// a clip rectangle of the image. Each line is clipped once, and its walk
// starts at the very step (minor offset and remainder) where the whole
// line's walk enters the clip, so no pixel is tested on its own.
class ThinLinePixels {
public:
    ThinLinePixels(QImage &Image, const QRect &Clip, QRgb Colour)
        : bits_(reinterpret_cast<QRgb *>(Image.bits())), words_(Image.bytesPerLine() / 4), left_(Clip.left()),
          right_(Clip.right()), top_(Clip.top()), bottom_(Clip.bottom()), colour_(Colour)
    {
    }

    // The line from (X1, Y1) up to, not including, (X2, Y2).
    void Add(long long X1, long long Y1, long long X2, long long Y2)
    {
        const long long dx = std::llabs(X2 - X1), dy = std::llabs(Y2 - Y1);
        const bool xMajor = dx >= dy;
        const long long major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
        const long long from = xMajor ? X1 : Y1, step = (xMajor ? X2 > X1 : Y2 > Y1) ? 1 : -1;
        const long long base = xMajor ? Y1 : X1, minorStep = (xMajor ? Y2 > Y1 : X2 > X1) ? 1 : -1;
        const long long majorLo = xMajor ? left_ : top_, majorHi = xMajor ? right_ : bottom_;
        const long long minorLo = xMajor ? top_ : left_, minorHi = xMajor ? bottom_ : right_;
        // The steps whose major coordinate lies within the clip, and the
        // minor offsets kLo..kHi that do; the offset rises from 0 to at most
        // minor, step by step.
        long long first = std::max(0LL, step > 0 ? majorLo - from : from - majorHi);
        long long last = std::min(major - 1, step > 0 ? majorHi - from : from - majorLo);
        const long long kLo = minorStep > 0 ? minorLo - base : base - minorHi;
        const long long kHi = minorStep > 0 ? minorHi - base : base - minorLo;
        if (first > last || kHi < 0 || kLo > minor)
            return;
        if (kLo > 0)
            first = std::max(first, FirstStepReaching(kLo, major, minor));
        if (kHi < minor)
            last = std::min(last, FirstStepReaching(kHi + 1, major, minor) - 1);
        if (first > last)
            return;
        auto [q, r] = WalkStepAt(first, major, minor);
        const long long x = xMajor ? from + step * first : base + minorStep * q;
        const long long y = xMajor ? base + minorStep * q : from + step * first;
        const qsizetype along = xMajor ? step : step * words_, across = xMajor ? minorStep * words_ : minorStep;
        const long long twoMajor = 2 * major, twoMinor = 2 * minor;
        qsizetype at = y * words_ + x;
        for (long long n = last - first + 1; n > 0; --n) {
            bits_[at] = colour_;
            at += along;
            r += twoMinor;
            if (r >= twoMajor) {
                r -= twoMajor;
                at += across;
            }
        }
    }

private:
    QRgb *bits_;
    qsizetype words_;
    long long left_, right_, top_, bottom_;
    QRgb colour_;
};

} // namespace

const std::vector<int> &TCanvas::LinePattern() const
{
    static const std::vector<int> solid;
    return WidePen() ? solid : DashPattern(pen_.Style());
}

long long TCanvas::LineReach() const
{
    // A wide pen reaches a few pixels beyond its line: walk a little further.
    return WidePen() ? pen_.Width() / 2 + 1 : 1;
}

void TCanvas::AddLinePixels(int X1, int Y1, int X2, int Y2, const TRect &Clip, QPolygon &Points)
{
    WalkPenLine(X1, Y1, X2, Y2, Clip, LineReach(), LinePattern(), [&](int x, int y) { Points << QPoint(x, y); });
}

QImage *TCanvas::DirectImage(QPoint &Offset, QRect &Clip)
{
    QImage *img = WritableImage();
    // A shared image would be copied by writing to it, away from the painter.
    if (!img || !img->isDetached() || pen_.Mode() != pmCopy ||
        painter_->compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    if (img->format() != QImage::Format_RGB32 && img->format() != QImage::Format_ARGB32_Premultiplied &&
        img->format() != QImage::Format_ARGB32)
        return nullptr;
    const QTransform t = painter_->transform();
    if (t.type() > QTransform::TxTranslate)
        return nullptr;
    const int ox = static_cast<int>(t.dx()), oy = static_cast<int>(t.dy());
    if (ox != t.dx() || oy != t.dy())
        return nullptr;
    Clip = img->rect();
    if (painter_->hasClipping()) {
        const QRegion r = painter_->clipRegion();
        if (r.rectCount() > 1)
            return nullptr;
        Clip &= r.boundingRect().translated(ox, oy);
    }
    Offset = QPoint(ox, oy);
    return img;
}

bool TCanvas::DrawLinesDirect(const TPoint *Points, size_t Count, size_t Step)
{
    QPoint offset;
    QRect clip;
    QImage *img = DirectImage(offset, clip);
    if (!img)
        return false;
    const std::vector<int> &pattern = LinePattern();
    const bool thin = pattern.empty() && !WidePen();
    // A scatter's two-point polylines come here one by one: thin lines skip
    // what only the general walk needs (its clip rectangle, a wide disc).
    const TRect walk = thin ? TRect() : ClipRect();
    const long long reach = LineReach();
    static const std::vector<DiscColumn> onePixel = PenDisc(1);
    const std::vector<DiscColumn> wideDisc = WidePen() ? PenDisc(pen_.Width()) : std::vector<DiscColumn>();
    const QRgb colour = 0xFF000000u | ToQColor(pen_.Color()).rgb();
    DirectPixels pixels(*img, offset, clip, colour, WidePen() ? wideDisc : onePixel);
    ThinLinePixels thinLines(*img, clip, colour);
    const long long ox = offset.x(), oy = offset.y();
    for (size_t i = 1; i < Count; i += Step) {
        const TPoint a = Points[i - 1], b = Points[i];
        if (pattern.empty() && a.X == b.X) { // the walk's rows from a up to, not including, b, at once
            if (a.Y != b.Y)
                pixels.AddRun(a.X, b.Y > a.Y ? a.Y : b.Y + 1LL, b.Y > a.Y ? b.Y - 1LL : a.Y);
            continue;
        }
        if (pattern.empty() && a.Y == b.Y) { // and the walk's columns likewise
            pixels.AddRow(a.Y, b.X > a.X ? a.X : b.X + 1LL, b.X > a.X ? b.X - 1LL : a.X);
            continue;
        }
        if (thin) {
            thinLines.Add(a.X + ox, a.Y + oy, b.X + ox, b.Y + oy);
            continue;
        }
        WalkPenLine(a.X, a.Y, b.X, b.Y, walk, reach, pattern, [&](int x, int y) { pixels.Add(x, y); });
    }
    return true;
}

// The painter's way for the pixels of AddLinePixels: each stamped with the
// pen's disc.
void TCanvas::DrawLinePixels(const QPolygon &Points)
{
    if (Points.isEmpty())
        return;
    QPen p(ToQColor(pen_.Color()));
    p.setWidth(1);
    p.setCapStyle(Qt::SquareCap);
    painter_->setPen(p);
    if (!WidePen()) {
        painter_->drawPoints(Points);
        return;
    }
    for (const DiscColumn &c : PenDisc(pen_.Width()))
        for (int oy = c.Top; oy <= c.Bottom; ++oy) {
            painter_->translate(c.Dx, oy);
            painter_->drawPoints(Points);
            painter_->translate(-c.Dx, -oy);
        }
}

void TCanvas::DrawVectorLines(const TPoint *Points, size_t Count)
{
    QPen p(ToQColor(pen_.Color()));
    p.setWidth(WidePen() ? pen_.Width() : 1);
    p.setCapStyle(WidePen() ? Qt::RoundCap : Qt::FlatCap);
    p.setJoinStyle(WidePen() ? Qt::RoundJoin : Qt::MiterJoin);
    const std::vector<int> &pattern = LinePattern();
    if (!pattern.empty()) // in pen widths, which are pixels here
        p.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    QPolygon line;
    for (size_t i = 0; i < Count; ++i)
        line << ToQPoint(Points[i]);
    painter_->save();
    painter_->setPen(p);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPolyline(line);
    painter_->restore();
}

void TCanvas::FillPixelsRect(const QRect &r, const QColor &c)
{
    if (r.isEmpty())
        return;
    painter_->fillRect(r, c);
}

void TCanvas::DrawLineExcludingEnd(int X1, int Y1, int X2, int Y2)
{
    if (pen_.Style() == psClear || (X1 == X2 && Y1 == Y2))
        return;
    ApplyPenMode();
    const TPoint ends[2] = {TPoint(X1, Y1), TPoint(X2, Y2)};
    if (VectorLines()) {
        DrawVectorLines(ends, 2);
        return;
    }
    if (DrawLinesDirect(ends, 2))
        return;
    QColor color = ToQColor(pen_.Color());
    if (!WidePen() && pen_.Style() == psSolid && (X1 == X2 || Y1 == Y2)) {
        if (Y1 == Y2)
            FillPixelsRect(X2 > X1 ? QRect(X1, Y1, X2 - X1, 1) : QRect(X2 + 1, Y1, X1 - X2, 1), color);
        else
            FillPixelsRect(Y2 > Y1 ? QRect(X1, Y1, 1, Y2 - Y1) : QRect(X1, Y2 + 1, 1, Y1 - Y2), color);
        return;
    }
    QPolygon points;
    AddLinePixels(X1, Y1, X2, Y2, ClipRect(), points);
    DrawLinePixels(points);
}

void TCanvas::LineTo(int X, int Y)
{
    if (record_)
        Record(cpLine, {penPos_, TPoint(X, Y)});
    if (Ready())
        DrawLineExcludingEnd(penPos_.X, penPos_.Y, X, Y);
    penPos_ = {X, Y};
}

void TCanvas::Polyline(const std::vector<TPoint> &Points)
{
    Polyline(Points.data(), Points.size());
}

// The same pixels as LineTo from point to point, gathered and drawn at once.
void TCanvas::Polyline(const TPoint *Points, size_t Count)
{
    if (record_)
        Record(cpPolyline, std::vector<TPoint>(Points, Points + Count));
    if (Count < 2 || !Ready() || pen_.Style() == psClear)
        return;
    ApplyPenMode();
    if (VectorLines()) {
        DrawVectorLines(Points, Count);
        return;
    }
    if (DrawLinesDirect(Points, Count))
        return;
    const TRect clip = ClipRect();
    QPolygon points;
    for (size_t i = 1; i < Count; ++i)
        AddLinePixels(Points[i - 1].X, Points[i - 1].Y, Points[i].X, Points[i].Y, clip, points);
    DrawLinePixels(points);
}

void TCanvas::Segments(const TPoint *Ends, size_t Count)
{
    Count -= Count % 2;
    // Copying pixels straight into the image: the union of the lines'
    // pixels, whatever the order. Elsewhere (a raster mode, a recording)
    // line by line.
    if (Count >= 2 && !record_ && Ready() && pen_.Style() != psClear && !VectorLines()) {
        ApplyPenMode();
        if (DrawLinesDirect(Ends, Count, 2))
            return;
    }
    for (size_t i = 0; i < Count; i += 2)
        Polyline(Ends + i, 2);
}
