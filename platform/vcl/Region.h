#pragma once
#include "Types.h"

#include <QRegion>
#include <vector>

enum TPolyFillMode { ALTERNATE = 1, WINDING = 2 };
enum TRegionCombine { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

// A region of whole pixels, for clipping canvases and shaping windows.
// Rectangles exclude their right and bottom edges, as everywhere else.
class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect &R) : region_(ToQRect(R)) {}
    explicit TRegion(const QRegion &R) : region_(R) {}

    static TRegion FromRect(const TRect &R) { return TRegion(R); }
    static TRegion FromEllipse(const TRect &R);
    static TRegion FromPolygon(const std::vector<TPoint> &Points, TPolyFillMode Mode = ALTERNATE);

    // Combines a and b into this region by Mode (RGN_COPY takes a).
    void Combine(const TRegion &a, const TRegion &b, TRegionCombine Mode);
    void Offset(int dx, int dy) { region_.translate(dx, dy); }
    bool IsEmpty() const { return region_.isEmpty(); }
    bool Contains(int X, int Y) const { return region_.contains(QPoint(X, Y)); }
    // The bounding box (GetRgnBox).
    TRect BoundingBox() const { return FromQRect(region_.boundingRect()); }

    const QRegion &ToQRegion() const { return region_; }

private:
    QRegion region_;
};
