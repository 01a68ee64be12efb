#pragma once
// Helpers shared by the implementation of the drawing services.

#include "GdipFlat.h"

#include <QPainterPath>

namespace gdip {
bool started();
QColor toQColor(ARGB c);
ARGB fromQColor(const QColor &c);
QString toQString(const WCHAR *s, INT length);
ARGB lerpArgb(ARGB a, ARGB b, double t, bool gamma);
// GDI+ angles (degrees, clockwise, measured on the ellipse itself) as Qt's
// counter-clockwise parametric angles for arcTo.
void arcAngles(const QRectF &r, REAL start, REAL sweep, qreal &qtStart,
               qreal &qtSweep);
QImage hatchTile(HatchStyle style, ARGB fore, ARGB back);
bool smoothingIsAntiAlias(SmoothingMode m);
QFont qfontOf(const GpFont &font);
qreal emPixels(REAL emSize, Unit_ unit);
QString resolveFamily(const QString &name);
QImage toPremultiplied(const QImage &img);
// The area that stands for "everything" in clips and infinite regions.
QPainterPath infinitePlane();
// `current` combined with `shape` by a GDI+ combine mode (Replace gives
// `shape`); false for a mode outside the enumeration, `out` untouched then.
bool combineShapes(const QPainterPath &current, const QPainterPath &shape,
                   CombineMode mode, QPainterPath &out);
} // namespace gdip

template <typename T>
inline Status gdipNew(T **out, T *obj)
{
    if (!out) {
        delete obj;
        return InvalidParameter;
    }
    *out = obj;
    return Ok;
}

// The shape of every simple query: a handle and an out parameter, both
// required, the answer read from the object.
template <typename H, typename V, typename Read>
inline Status gdipGet(H *handle, V *out, Read read)
{
    if (!handle || !out)
        return InvalidParameter;
    *out = read(*handle);
    return Ok;
}

template <typename T>
inline Status gdipDelete(T *handle)
{
    if (!handle)
        return InvalidParameter;
    delete handle;
    return Ok;
}
