// Graphics paths and regions.

#include "GdipInternal.h"

#include <QFontMetricsF>
#include <cmath>

namespace {

// Lines and arcs continue an open figure (joined by a straight segment);
// closed shapes always start figures of their own.
void continueTo(GpPath *p, const QPointF &pt)
{
    if (p->open)
        p->path.lineTo(pt);
    else
        p->path.moveTo(pt);
    p->open = true;
}

void addClosed(GpPath *p, const QPainterPath &shape)
{
    p->path.addPath(shape);
    p->open = false;
}

// Cardinal spline through the points as cubic Bezier segments.
void addCardinal(GpPath *p, const std::vector<QPointF> &pts, qreal tension)
{
    continueTo(p, pts[0]);
    const qreal k = tension / 3.0;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const QPointF p0 = pts[i == 0 ? 0 : i - 1];
        const QPointF p1 = pts[i];
        const QPointF p2 = pts[i + 1];
        const QPointF p3 = pts[i + 2 < pts.size() ? i + 2 : i + 1];
        p->path.cubicTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
    }
}

QPainterPath regionPath(const GpRegion *r)
{
    return r->infinite ? gdip::infinitePlane() : r->path;
}

} // namespace

Status GdipCreatePath(GpFillMode brushMode, GpPath **path)
{
    if (brushMode != FillModeAlternate && brushMode != FillModeWinding)
        return InvalidParameter;
    auto *p = new GpPath;
    p->path.setFillRule(brushMode == FillModeWinding ? Qt::WindingFill
                                                     : Qt::OddEvenFill);
    return gdipNew(path, p);
}

Status GdipDeletePath(GpPath *path)
{
    return gdipDelete(path);
}

Status GdipResetPath(GpPath *path)
{
    if (!path)
        return InvalidParameter;
    const Qt::FillRule rule = path->path.fillRule();
    path->path = QPainterPath();
    path->path.setFillRule(rule);
    path->open = false;
    return Ok;
}

Status GdipGetPointCount(GpPath *path, INT *count)
{
    if (!path || !count)
        return InvalidParameter;
    *count = path->path.elementCount();
    return Ok;
}

Status GdipGetPathWorldBounds(GpPath *path, GpRectF *bounds,
                              const GpMatrix *matrix, const GpPen *pen)
{
    if (!path || !bounds)
        return InvalidParameter;
    QRectF r = matrix ? matrix->m.map(path->path).boundingRect()
                      : path->path.boundingRect();
    if (pen) {
        const qreal h = pen->width / 2;
        r.adjust(-h, -h, h, h);
    }
    *bounds = GpRectF{REAL(r.x()), REAL(r.y()), REAL(r.width()),
                      REAL(r.height())};
    return Ok;
}

Status GdipClosePathFigure(GpPath *path)
{
    if (!path)
        return InvalidParameter;
    if (path->open)
        path->path.closeSubpath();
    path->open = false;
    return Ok;
}

Status GdipAddPathLine(GpPath *path, REAL x1, REAL y1, REAL x2, REAL y2)
{
    if (!path)
        return InvalidParameter;
    continueTo(path, QPointF(x1, y1));
    path->path.lineTo(x2, y2);
    return Ok;
}

Status GdipAddPathLine2I(GpPath *path, const GpPoint *points, INT count)
{
    if (!path || !points || count < 1)
        return InvalidParameter;
    continueTo(path, QPointF(points[0].X, points[0].Y));
    for (INT i = 1; i < count; ++i)
        path->path.lineTo(points[i].X, points[i].Y);
    return Ok;
}

Status GdipAddPathRectangle(GpPath *path, REAL x, REAL y, REAL width,
                            REAL height)
{
    if (!path)
        return InvalidParameter;
    QPainterPath r;
    r.moveTo(x, y);
    r.lineTo(x + width, y);
    r.lineTo(x + width, y + height);
    r.lineTo(x, y + height);
    r.closeSubpath();
    addClosed(path, r);
    return Ok;
}

Status GdipAddPathRectangleI(GpPath *path, INT x, INT y, INT width, INT height)
{
    return GdipAddPathRectangle(path, REAL(x), REAL(y), REAL(width),
                                REAL(height));
}

Status GdipAddPathArc(GpPath *path, REAL x, REAL y, REAL width, REAL height,
                      REAL startAngle, REAL sweepAngle)
{
    if (!path || width <= 0 || height <= 0)
        return InvalidParameter;
    const QRectF r(x, y, width, height);
    qreal qs = 0, qw = 0;
    gdip::arcAngles(r, startAngle, sweepAngle, qs, qw);
    QPainterPath arc;
    arc.arcMoveTo(r, qs);
    continueTo(path, arc.currentPosition());
    path->path.arcTo(r, qs, qw);
    return Ok;
}

Status GdipAddPathEllipse(GpPath *path, REAL x, REAL y, REAL width, REAL height)
{
    if (!path)
        return InvalidParameter;
    QPainterPath e;
    e.addEllipse(QRectF(x, y, width, height));
    addClosed(path, e);
    return Ok;
}

Status GdipAddPathPie(GpPath *path, REAL x, REAL y, REAL width, REAL height,
                      REAL startAngle, REAL sweepAngle)
{
    if (!path || width <= 0 || height <= 0)
        return InvalidParameter;
    const QRectF r(x, y, width, height);
    qreal qs = 0, qw = 0;
    gdip::arcAngles(r, startAngle, sweepAngle, qs, qw);
    QPainterPath pie;
    pie.moveTo(r.center());
    pie.arcTo(r, qs, qw);
    pie.closeSubpath();
    addClosed(path, pie);
    return Ok;
}

Status GdipAddPathPolygon(GpPath *path, const GpPointF *points, INT count)
{
    if (!path || !points || count < 3)
        return InvalidParameter;
    QPainterPath poly;
    poly.moveTo(points[0].X, points[0].Y);
    for (INT i = 1; i < count; ++i)
        poly.lineTo(points[i].X, points[i].Y);
    poly.closeSubpath();
    addClosed(path, poly);
    return Ok;
}

Status GdipAddPathPolygonI(GpPath *path, const GpPoint *points, INT count)
{
    if (!points || count < 3)
        return InvalidParameter;
    std::vector<GpPointF> f(static_cast<size_t>(count));
    for (INT i = 0; i < count; ++i)
        f[size_t(i)] = GpPointF{REAL(points[i].X), REAL(points[i].Y)};
    return GdipAddPathPolygon(path, f.data(), count);
}

Status GdipAddPathCurve(GpPath *path, const GpPointF *points, INT count)
{
    if (!path || !points || count < 2)
        return InvalidParameter;
    std::vector<QPointF> pts;
    for (INT i = 0; i < count; ++i)
        pts.emplace_back(points[i].X, points[i].Y);
    addCardinal(path, pts, 0.5);
    return Ok;
}

Status GdipAddPathCurve2I(GpPath *path, const GpPoint *points, INT count,
                          REAL tension)
{
    if (!path || !points || count < 2)
        return InvalidParameter;
    std::vector<QPointF> pts;
    for (INT i = 0; i < count; ++i)
        pts.emplace_back(points[i].X, points[i].Y);
    addCardinal(path, pts, tension);
    return Ok;
}

Status GdipAddPathCurveI(GpPath *path, const GpPoint *points, INT count)
{
    return GdipAddPathCurve2I(path, points, count, 0.5f);
}

Status GdipAddPathBezier(GpPath *path, REAL x1, REAL y1, REAL x2, REAL y2,
                         REAL x3, REAL y3, REAL x4, REAL y4)
{
    if (!path)
        return InvalidParameter;
    continueTo(path, QPointF(x1, y1));
    path->path.cubicTo(x2, y2, x3, y3, x4, y4);
    return Ok;
}

Status GdipCreateRegionRect(const GpRectF *rect, GpRegion **region)
{
    if (!rect)
        return InvalidParameter;
    auto *r = new GpRegion;
    r->path.addRect(QRectF(rect->X, rect->Y, rect->Width, rect->Height));
    return gdipNew(region, r);
}

Status GdipCreateRegionPath(GpPath *path, GpRegion **region)
{
    if (!path)
        return InvalidParameter;
    auto *r = new GpRegion;
    r->path = path->path;
    return gdipNew(region, r);
}

Status GdipDeleteRegion(GpRegion *region)
{
    return gdipDelete(region);
}

namespace {
Status combineRegion(GpRegion *region, const QPainterPath &other,
                     bool otherInfinite, CombineMode mode)
{
    const QPainterPath mine = regionPath(region);
    const QPainterPath theirs = otherInfinite ? gdip::infinitePlane() : other;
    if (!gdip::combineShapes(mine, theirs, mode, region->path))
        return InvalidParameter;
    region->infinite = mode == CombineModeReplace && otherInfinite;
    return Ok;
}
} // namespace

Status GdipCombineRegionPath(GpRegion *region, GpPath *path,
                             CombineMode combineMode)
{
    if (!region || !path)
        return InvalidParameter;
    return combineRegion(region, path->path, false, combineMode);
}

Status GdipCombineRegionRegion(GpRegion *region, GpRegion *region2,
                               CombineMode combineMode)
{
    if (!region || !region2)
        return InvalidParameter;
    return combineRegion(region, region2->path, region2->infinite, combineMode);
}

Status GdipIsVisibleRegionPoint(GpRegion *region, REAL x, REAL y,
                                GpGraphics *graphics, BOOL *result)
{
    return gdipGet(region, result, [x, y](const GpRegion &o) {
        return BOOL(o.infinite || o.path.contains(QPointF(x, y)));
    });
}

Status GdipAddPathString(GpPath *path, const WCHAR *string, INT length,
                         const GpFontFamily *family, INT style, REAL emSize,
                         const GpRectF *layoutRect,
                         const GpStringFormat *format)
{
    if (!path || !string || !family || !layoutRect || emSize <= 0)
        return InvalidParameter;
    // Outlines are taken at a large size and scaled, so that fractional
    // em sizes keep their exact proportions.
    const qreal refPx = 256;
    QFont f(family->name);
    f.setPixelSize(int(refPx));
    f.setBold(style & FontStyleBold);
    f.setItalic(style & FontStyleItalic);
    f.setUnderline(style & FontStyleUnderline);
    f.setStrikeOut(style & FontStyleStrikeout);
    const QFontMetricsF fm(f);
    const qreal k = emSize / refPx;
    const QStringList lines = gdip::toQString(string, length).split('\n');
    QPainterPath text;
    qreal y = fm.ascent();
    for (const QString &line : lines) {
        QString l = line;
        if (l.endsWith('\r'))
            l.chop(1);
        qreal x = refPx / 6;
        const qreal w = fm.horizontalAdvance(l);
        if (format && layoutRect->Width > 0) {
            const qreal room = layoutRect->Width / k - 2 * refPx / 6;
            if (format->align == StringAlignmentCenter)
                x += (room - w) / 2;
            else if (format->align == StringAlignmentFar)
                x += room - w;
        }
        text.addText(QPointF(x, y), f, l);
        y += fm.lineSpacing();
    }
    QTransform t;
    t.translate(layoutRect->X, layoutRect->Y);
    t.scale(k, k);
    path->path.addPath(t.map(text));
    path->open = false;
    return Ok;
}
