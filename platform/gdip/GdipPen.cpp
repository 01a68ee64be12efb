// Pens: a brush, a width in world units, a dash style and line caps.

#include "GdipInternal.h"

Status GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen **pen)
{
    if (unit != UnitWorld && unit != UnitPixel)
        return InvalidParameter;
    auto *b = new GpSolidFill;
    b->color = color;
    auto *p = new GpPen;
    p->brush = b;
    p->width = width;
    p->unit = unit;
    return gdipNew(pen, p);
}

Status GdipCreatePen2(GpBrush *brush, REAL width, GpUnit unit, GpPen **pen)
{
    if (!brush || (unit != UnitWorld && unit != UnitPixel))
        return InvalidParameter;
    auto *p = new GpPen;
    p->brush = brush->clone();
    p->width = width;
    p->unit = unit;
    return gdipNew(pen, p);
}

Status GdipDeletePen(GpPen *pen)
{
    return gdipDelete(pen);
}

Status GdipSetPenBrushFill(GpPen *pen, GpBrush *brush)
{
    if (!pen || !brush)
        return InvalidParameter;
    GpBrush *copy = brush->clone();
    delete pen->brush;
    pen->brush = copy;
    return Ok;
}

// Hands out a copy of the pen's brush, which the caller deletes.
Status GdipGetPenBrushFill(GpPen *pen, GpBrush **brush)
{
    return gdipGet(pen, brush, [](const auto &o) { return o.brush->clone(); });
}

Status GdipGetPenFillType(GpPen *pen, GpPenType *type)
{
    return gdipGet(pen, type, [](const auto &o) { return static_cast<GpPenType>(o.brush->type); });
}

Status GdipSetPenDashStyle(GpPen *pen, GpDashStyle dashStyle)
{
    if (!pen || dashStyle < DashStyleSolid || dashStyle > DashStyleCustom)
        return InvalidParameter;
    pen->dash = dashStyle;
    return Ok;
}

Status GdipGetPenDashStyle(GpPen *pen, GpDashStyle *dashStyle)
{
    return gdipGet(pen, dashStyle, [](const auto &o) { return o.dash; });
}

Status GdipSetPenEndCap(GpPen *pen, GpLineCap endCap)
{
    if (!pen)
        return InvalidParameter;
    pen->endCap = endCap;
    return Ok;
}

Status GdipSetPenStartCap(GpPen *pen, GpLineCap startCap)
{
    if (!pen)
        return InvalidParameter;
    pen->startCap = startCap;
    return Ok;
}
