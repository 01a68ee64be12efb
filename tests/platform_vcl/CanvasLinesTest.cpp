// Lines and polylines of the canvas against the exact walk, pixel for
// pixel: straight into an image's pixels and through the painter.
#include "Canvas.h"
#include "Color.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <vector>

namespace {

constexpr int W = 48, H = 36;

// A canvas on an image that it may write straight into (Direct) or that
// only its painter reaches.
class ImageCanvas : public TCanvas {
public:
    ImageCanvas(bool Direct, TPoint Origin) : direct_(Direct), image_(W, H, QImage::Format_RGB32)
    {
        image_.fill(Qt::white);
        painter_.begin(&image_);
        Attach(&painter_, Origin, Bounds(-Origin.X, -Origin.Y, W, H));
    }
    QImage Finish()
    {
        Detach();
        painter_.end();
        return image_;
    }

protected:
    QImage *WritableImage() override { return direct_ ? &image_ : nullptr; }

private:
    bool direct_;
    QImage image_;
    QPainter painter_;
};

struct LineCase {
    int width;
    TPenStyle style;
    TPoint origin;
    bool clipped;
    TRect clip;
    std::vector<TPoint> points;

    std::string Describe() const
    {
        std::ostringstream s;
        s << "width " << width << " style " << style << " origin " << origin.X << "," << origin.Y;
        if (clipped)
            s << " clip " << clip.Left << "," << clip.Top << "-" << clip.Right << "," << clip.Bottom;
        s << " points";
        for (const TPoint &p : points)
            s << " (" << p.X << "," << p.Y << ")";
        return s.str();
    }
};

// The exact walk: step i of n = max(|dx|, |dy|) lies at i along the major
// axis (x when both are equal) and at i * minor / major rounded to the
// nearest pixel, halves away from the start, on the other; the end point is
// left out. One-pixel pens leave out the gaps of their dash pattern, which
// starts afresh with each line; wide pens are solid and stamp a disc of
// their width (offsets -(w-1)/2 .. w/2 within half the width of its centre).
QImage ExactLines(const LineCase &k, QRgb Colour)
{
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    const bool wide = k.width > 1 && k.style != psAlternate;
    std::vector<int> pattern;
    if (!wide) {
        switch (k.style) {
        case psDash: pattern = {18, 6}; break;
        case psDot: pattern = {3, 3}; break;
        case psDashDot: pattern = {9, 6, 3, 6}; break;
        case psDashDotDot: pattern = {9, 3, 3, 3, 3, 3}; break;
        case psAlternate: pattern = {1, 1}; break;
        default: break;
        }
    }
    std::vector<bool> on; // one period of the pattern
    for (size_t s = 0; s < pattern.size(); ++s)
        on.insert(on.end(), size_t(pattern[s]), s % 2 == 0);
    std::vector<QPoint> disc{{0, 0}};
    if (wide) {
        disc.clear();
        const int lo = -((k.width - 1) / 2), hi = k.width / 2;
        const double c = (lo + hi) / 2.0, r2 = k.width * k.width / 4.0;
        for (int dy = lo; dy <= hi; ++dy)
            for (int dx = lo; dx <= hi; ++dx)
                if ((dx - c) * (dx - c) + (dy - c) * (dy - c) <= r2 + 1e-9)
                    disc.emplace_back(dx, dy);
    }
    auto put = [&](long long x, long long y) {
        for (const QPoint &d : disc) {
            const long long cx = x + d.x(), cy = y + d.y();
            if (k.clipped && !(cx >= k.clip.Left && cx < k.clip.Right && cy >= k.clip.Top && cy < k.clip.Bottom))
                continue;
            const long long ix = cx + k.origin.X, iy = cy + k.origin.Y;
            if (ix >= 0 && ix < W && iy >= 0 && iy < H)
                img.setPixel(int(ix), int(iy), Colour);
        }
    };
    for (size_t s = 1; s < k.points.size(); ++s) {
        const long long x1 = k.points[s - 1].X, y1 = k.points[s - 1].Y, x2 = k.points[s].X, y2 = k.points[s].Y;
        const long long dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1), n = std::max(dx, dy);
        const long long sx = x2 > x1 ? 1 : -1, sy = y2 > y1 ? 1 : -1;
        const bool xMajor = dx >= dy;
        // Only the steps whose major coordinate comes near the image matter.
        const long long from = xMajor ? x1 : y1, step = xMajor ? sx : sy;
        const long long lo = -(xMajor ? k.origin.X : k.origin.Y) - 8, hi = lo + (xMajor ? W : H) + 16;
        const long long first = std::max(0LL, step > 0 ? lo - from : from - hi);
        const long long last = std::min(n - 1, step > 0 ? hi - from : from - lo);
        for (long long i = first; i <= last; ++i) {
            if (!on.empty() && !on[size_t(i % static_cast<long long>(on.size()))])
                continue;
            if (xMajor)
                put(x1 + sx * i, y1 + sy * static_cast<long long>((__int128(2) * i * dy + dx) / (2 * dx)));
            else
                put(x1 + sx * static_cast<long long>((__int128(2) * i * dx + dy) / (2 * dy)), y1 + sy * i);
        }
    }
    return img;
}

// Random polylines: points near the image, runs up and down one column,
// repeated points, and ends far off the canvas (up to the int limits).
LineCase RandomCase(std::mt19937 &rng)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const TPenStyle styles[] = {psSolid, psSolid, psSolid, psDash,      psDot,
                                       psDashDot, psDashDotDot, psAlternate, psInsideFrame};
    static const int widths[] = {1, 1, 1, 2, 2, 3, 4, 5};
    LineCase k;
    k.width = widths[pick(0, 7)];
    k.style = styles[pick(0, 8)];
    k.origin = pick(0, 2) == 0 ? TPoint(0, 0) : TPoint(pick(-12, 12), pick(-12, 12));
    k.clipped = pick(0, 2) == 0;
    if (k.clipped) {
        const int l = pick(-20, W), t = pick(-20, H);
        k.clip = TRect(l, t, l + pick(0, W), t + pick(0, H));
    }
    auto far = [&] { return pick(0, 1) ? 2147483647 - pick(0, 99999) : -2147483647 + pick(0, 99999); };
    const int count = pick(2, 30);
    TPoint p(pick(-10, W + 10), pick(-10, H + 10));
    k.points.push_back(p);
    for (int i = 1; i < count; ++i) {
        switch (pick(0, 10)) {
        case 0: break;                                     // the same point again
        case 1: p = TPoint(p.X, p.Y + pick(-6, 6)); break; // up or down its column
        case 2: p = TPoint(p.X + pick(-1, 1), p.Y + pick(-20, 20)); break;
        case 3: p = TPoint(pick(-100000, 100000), pick(-100000, 100000)); break;
        case 4: p = TPoint(far(), pick(-10, H + 10)); break;
        case 5: p = TPoint(pick(-10, W + 10), far()); break;
        case 6: p = TPoint(far(), far()); break; // a corner far off: the next line comes in steeply
        default: p = TPoint(pick(-10, W + 10), pick(-10, H + 10)); break;
        }
        k.points.push_back(p);
    }
    return k;
}

void SetPen(TCanvas &C, const LineCase &k, TColor Colour)
{
    C.Pen()->SetColor(Colour);
    C.Pen()->SetWidth(k.width);
    C.Pen()->SetStyle(k.style);
    if (k.clipped)
        C.IntersectClipRect(k.clip);
}

TEST(CanvasLines, RandomPolylinesAndLinesMatchTheExactWalkOnBothPaths)
{
    std::mt19937 rng(4711);
    const TColor colour = RGB(200, 30, 90);
    for (int n = 0; n < 1500; ++n) {
        const LineCase k = RandomCase(rng);
        SCOPED_TRACE(k.Describe());
        const QImage exact = ExactLines(k, 0xFF000000u | ToQColor(colour).rgb());
        ImageCanvas direct(true, k.origin), painter(false, k.origin), lines(true, k.origin);
        ImageCanvas directSegments(true, k.origin), painterSegments(false, k.origin);
        for (ImageCanvas *c : {&direct, &painter, &lines, &directSegments, &painterSegments})
            SetPen(*c, k, colour);
        direct.Polyline(k.points);
        painter.Polyline(k.points);
        lines.MoveTo(k.points[0].X, k.points[0].Y);
        for (size_t i = 1; i < k.points.size(); ++i)
            lines.LineTo(k.points[i].X, k.points[i].Y);
        // The polyline's lines as separate segments, last first.
        std::vector<TPoint> ends;
        for (size_t i = k.points.size() - 1; i > 0; --i)
            ends.insert(ends.end(), {k.points[i - 1], k.points[i]});
        directSegments.Segments(ends.data(), ends.size());
        painterSegments.Segments(ends.data(), ends.size());
        const QImage a = direct.Finish(), b = painter.Finish(), c = lines.Finish();
        ASSERT_TRUE(a == exact) << "straight into the image";
        ASSERT_TRUE(b == exact) << "through the painter";
        ASSERT_TRUE(c == exact) << "LineTo from point to point";
        ASSERT_TRUE(directSegments.Finish() == exact) << "segments straight into the image";
        ASSERT_TRUE(painterSegments.Finish() == exact) << "segments through the painter";
    }
}

void ExpectExact(const LineCase &k)
{
    SCOPED_TRACE(k.Describe());
    ImageCanvas direct(true, k.origin), painter(false, k.origin);
    SetPen(direct, k, clBlack);
    SetPen(painter, k, clBlack);
    direct.Polyline(k.points);
    painter.Polyline(k.points);
    const QImage exact = ExactLines(k, 0xFF000000u);
    EXPECT_TRUE(direct.Finish() == exact) << "straight into the image";
    EXPECT_TRUE(painter.Finish() == exact) << "through the painter";
}

// Each octant, both tie directions and the diagonals, from a centre pixel;
// lines across the whole int range that pass through the image.
TEST(CanvasLines, EveryDirectionAndFarEndsMatchTheExactWalk)
{
    for (int width : {1, 2, 3})
        for (int dx = -14; dx <= 14; ++dx)
            for (int dy = -14; dy <= 14; ++dy)
                ExpectExact({width, psSolid, TPoint(0, 0), false, TRect(), {TPoint(24, 18), TPoint(24 + dx, 18 + dy)}});
    const int big = 2147483647;
    const std::vector<TPoint> far[] = {
        {TPoint(-big, -big), TPoint(big, big)},
        {TPoint(big, big - 40), TPoint(-big, -big + 3)},
        {TPoint(-big + 7, big), TPoint(big, -big)},
        {TPoint(big / 3, -big), TPoint(-big / 5 - 1, big)},
        {TPoint(-big, 20), TPoint(big, 21)},
        {TPoint(-big, 20), TPoint(big, 20), TPoint(big, 7), TPoint(-big, 7)},
        {TPoint(30, -1), TPoint(-3, -1), TPoint(-3, 35), TPoint(50, 35)},
        {TPoint(20, -big), TPoint(30, 10), TPoint(40, big)},
    };
    for (const std::vector<TPoint> &points : far)
        for (int width : {1, 3})
            ExpectExact({width, psSolid, TPoint(5, 3), false, TRect(), points});
}

// The pixels where two pictures differ.
int Differences(const QImage &A, const QImage &B)
{
    int n = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            n += A.pixel(x, y) != B.pixel(x, y);
    return n;
}

// One-pixel solid lines go straight into the image clipped once per line:
// their pixels must be the painter's walk of the whole lines (the general
// path) within the clip, whether drawn as a polyline, as separate segments
// or line by line. Clips smaller than the image catch a walk that starts
// afresh at a rounded clip point.
TEST(CanvasLines, ThinSolidLinesStraightIntoTheImageMatchTheGeneralWalk)
{
    const int big = 2147483647;
    const struct {
        const char *name;
        std::vector<TPoint> points;
    } rows[] = {
        {"steep", {TPoint(10, 2), TPoint(13, 33), TPoint(11, 1), TPoint(12, 35)}},
        {"shallow", {TPoint(1, 10), TPoint(46, 14), TPoint(2, 12), TPoint(47, 11)}},
        {"diagonals", {TPoint(0, 0), TPoint(35, 35), TPoint(47, 23), TPoint(24, 0), TPoint(0, 24)}},
        {"single pixels and ties", {TPoint(5, 5), TPoint(6, 6), TPoint(7, 6), TPoint(7, 7), TPoint(6, 8), TPoint(8, 9)}},
        {"across the clip on every side",
         {TPoint(-30, 5), TPoint(80, 30), TPoint(20, -40), TPoint(28, 90), TPoint(-20, 40), TPoint(70, -3)}},
        {"ends outside the image", {TPoint(-5, -7), TPoint(53, 41), TPoint(60, -2), TPoint(-9, 38), TPoint(-1, 37)}},
        {"huge and negative coordinates",
         {TPoint(-big, -big), TPoint(big, big - 5), TPoint(-big + 3, 17), TPoint(big, -big), TPoint(20, big),
          TPoint(-100000, -3), TPoint(99999, 40)}},
        {"shared ends", {TPoint(20, 18), TPoint(30, 22), TPoint(20, 18), TPoint(14, 9), TPoint(30, 22), TPoint(14, 9)}},
    };
    const struct {
        const char *name;
        TPoint origin;
        bool clipped;
        TRect clip;
    } clips[] = {
        {"the whole image", TPoint(0, 0), false, TRect()},
        {"a small clip", TPoint(0, 0), true, TRect(12, 9, 31, 24)},
        {"a one-pixel clip", TPoint(0, 0), true, TRect(17, 13, 18, 14)},
        {"a one-row strip", TPoint(0, 0), true, TRect(-5, 20, 60, 21)},
        {"a clip over the image's corner, offset", TPoint(7, -5), true, TRect(-10, 2, 20, 25)},
    };
    const TColor colour = RGB(20, 160, 70);
    for (const auto &row : rows)
        for (const auto &c : clips) {
            SCOPED_TRACE(std::string(row.name) + ", " + c.name);
            const LineCase k{1, psSolid, c.origin, c.clipped, c.clip, row.points};
            ImageCanvas general(false, k.origin), polyline(true, k.origin), segments(true, k.origin),
                lines(true, k.origin);
            for (ImageCanvas *canvas : {&general, &polyline, &segments, &lines})
                SetPen(*canvas, k, colour);
            general.Polyline(k.points);
            polyline.Polyline(k.points);
            std::vector<TPoint> ends;
            for (size_t i = 1; i < k.points.size(); ++i)
                ends.insert(ends.end(), {k.points[i - 1], k.points[i]});
            segments.Segments(ends.data(), ends.size());
            lines.MoveTo(k.points[0].X, k.points[0].Y);
            for (size_t i = 1; i < k.points.size(); ++i)
                lines.LineTo(k.points[i].X, k.points[i].Y);
            const QImage expected = general.Finish();
            ASSERT_TRUE(expected == ExactLines(k, 0xFF000000u | ToQColor(colour).rgb()));
            EXPECT_EQ(Differences(polyline.Finish(), expected), 0) << "polyline";
            EXPECT_EQ(Differences(segments.Finish(), expected), 0) << "segments";
            EXPECT_EQ(Differences(lines.Finish(), expected), 0) << "line by line";
        }
}

} // namespace
