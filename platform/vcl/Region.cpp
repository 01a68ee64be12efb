#include "Region.h"

#include <QPolygon>

TRegion TRegion::FromEllipse(const TRect &R)
{
    return TRegion(QRegion(ToQRect(R), QRegion::Ellipse));
}

TRegion TRegion::FromPolygon(const std::vector<TPoint> &Points, TPolyFillMode Mode)
{
    QPolygon poly;
    for (const TPoint &p : Points)
        poly << ToQPoint(p);
    return TRegion(QRegion(poly, Mode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

void TRegion::Combine(const TRegion &a, const TRegion &b, TRegionCombine Mode)
{
    switch (Mode) {
    case RGN_AND: region_ = a.region_.intersected(b.region_); break;
    case RGN_OR: region_ = a.region_.united(b.region_); break;
    case RGN_XOR: region_ = a.region_.xored(b.region_); break;
    case RGN_DIFF: region_ = a.region_.subtracted(b.region_); break;
    case RGN_COPY: region_ = a.region_; break;
    }
}
