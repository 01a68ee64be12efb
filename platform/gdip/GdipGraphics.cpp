// Graphics objects: state, clipping, shapes and pictures.

#include "GdipPaint.h"

#include <algorithm>
#include <cmath>

GpGraphics::~GpGraphics()
{
    if (ownsPainter) {
        painter->end();
        delete painter;
        if (image)
            --image->painters;
    }
}

namespace {

using gdip::PaintScope;

QPainterPath rectPath(REAL x, REAL y, REAL w, REAL h)
{
    QPainterPath r;
    r.addRect(QRectF(x, y, w, h));
    return r;
}

QPainterPath ellipsePath(REAL x, REAL y, REAL w, REAL h)
{
    QPainterPath e;
    e.addEllipse(QRectF(x, y, w, h));
    return e;
}

Status fill(GpGraphics *g, GpBrush *brush, const QPainterPath &shape)
{
    if (!g || !brush)
        return InvalidParameter;
    PaintScope s(g);
    gdip::fillShape(s, shape, brush);
    return Ok;
}

Status stroke(GpGraphics *g, GpPen *pen, const QPainterPath &path)
{
    if (!g || !pen)
        return InvalidParameter;
    PaintScope s(g);
    gdip::strokeShape(s, path, pen);
    return Ok;
}

// The clip is kept in device coordinates, so that later transforms do not
// move it, as in GDI+.
Status setClip(GpGraphics *g, const QPainterPath &worldShape, bool infinite,
               CombineMode mode)
{
    QPainterPath shape = g->world.map(worldShape);
    const QPainterPath everything = gdip::infinitePlane();
    if (infinite)
        shape = everything;
    if (!gdip::combineShapes(g->clipped ? g->clip : everything, shape, mode, g->clip))
        return InvalidParameter;
    g->clipped = !(mode == CombineModeReplace && infinite);
    return Ok;
}

} // namespace

Status GdipCreateFromHDC(QPainter *hdc, GpGraphics **graphics)
{
    if (!hdc || !graphics)
        return InvalidParameter;
    if (!hdc->isActive())
        return OutOfMemory;
    auto *g = new GpGraphics;
    g->painter = hdc;
    g->base = hdc->transform();
    *graphics = g;
    return Ok;
}

// Indexed pictures cannot be drawn into, as in GDI+.
Status GdipGetImageGraphicsContext(GpImage *image, GpGraphics **graphics)
{
    if (!image || !graphics)
        return InvalidParameter;
    if ((image->pixelFormat & 0x00010000) || image->image.isNull())
        return OutOfMemory;
    if (image->painters > 0)
        return ObjectBusy;
    auto *g = new GpGraphics;
    g->image = image;
    g->painter = new QPainter(&image->writable());
    g->ownsPainter = true;
    ++image->painters;
    *graphics = g;
    return Ok;
}

Status GdipDeleteGraphics(GpGraphics *graphics)
{
    return gdipDelete(graphics);
}

Status GdipFlush(GpGraphics *graphics, FlushIntention)
{
    return graphics ? Ok : InvalidParameter;
}

Status GdipGraphicsClear(GpGraphics *graphics, ARGB color)
{
    if (!graphics)
        return InvalidParameter;
    PaintScope s(graphics);
    QPainter &p = s.painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setTransform(QTransform());
    const QRect all(0, 0, p.device()->width(), p.device()->height());
    p.fillRect(all, gdip::toQColor(color));
    return Ok;
}

Status GdipSetWorldTransform(GpGraphics *graphics, GpMatrix *matrix)
{
    if (!graphics || !matrix)
        return InvalidParameter;
    graphics->world = matrix->m;
    return Ok;
}

Status GdipResetWorldTransform(GpGraphics *graphics)
{
    if (!graphics)
        return InvalidParameter;
    graphics->world.reset();
    return Ok;
}

Status GdipGetDC(GpGraphics *graphics, QPainter **hdc)
{
    return gdipGet(graphics, hdc, [](const auto &o) { return o.painter; });
}

Status GdipReleaseDC(GpGraphics *graphics, QPainter *hdc)
{
    if (!graphics || hdc != graphics->painter)
        return InvalidParameter;
    return Ok;
}

Status GdipSetCompositingQuality(GpGraphics *graphics,
                                 CompositingQuality compositingQuality)
{
    if (!graphics || compositingQuality < CompositingQualityDefault
        || compositingQuality > CompositingQualityAssumeLinear)
        return InvalidParameter;
    graphics->compositing = compositingQuality;
    return Ok;
}

Status GdipGetCompositingQuality(GpGraphics *graphics,
                                 CompositingQuality *compositingQuality)
{
    return gdipGet(graphics, compositingQuality, [](const auto &o) { return o.compositing; });
}

Status GdipSetTextRenderingHint(GpGraphics *graphics, TextRenderingHint mode)
{
    if (!graphics || mode < TextRenderingHintSystemDefault
        || mode > TextRenderingHintClearTypeGridFit)
        return InvalidParameter;
    graphics->textHint = mode;
    return Ok;
}

Status GdipGetTextRenderingHint(GpGraphics *graphics, TextRenderingHint *mode)
{
    return gdipGet(graphics, mode, [](const auto &o) { return o.textHint; });
}

Status GdipSetSmoothingMode(GpGraphics *graphics, SmoothingMode smoothingMode)
{
    if (!graphics || smoothingMode < SmoothingModeDefault
        || smoothingMode > SmoothingModeAntiAlias8x8)
        return InvalidParameter;
    graphics->smoothing = smoothingMode;
    return Ok;
}

Status GdipGetSmoothingMode(GpGraphics *graphics, SmoothingMode *smoothingMode)
{
    return gdipGet(graphics, smoothingMode, [](const auto &o) { return o.smoothing; });
}

Status GdipDrawPath(GpGraphics *graphics, GpPen *pen, GpPath *path)
{
    if (!path)
        return InvalidParameter;
    return stroke(graphics, pen, path->path);
}

Status GdipFillPath(GpGraphics *graphics, GpBrush *brush, GpPath *path)
{
    if (!path)
        return InvalidParameter;
    return fill(graphics, brush, path->path);
}

Status GdipFillRectangle(GpGraphics *graphics, GpBrush *brush, REAL x, REAL y,
                         REAL width, REAL height)
{
    return fill(graphics, brush, rectPath(x, y, width, height));
}

Status GdipDrawRectangle(GpGraphics *graphics, GpPen *pen, REAL x, REAL y,
                         REAL width, REAL height)
{
    return stroke(graphics, pen, rectPath(x, y, width, height));
}

Status GdipDrawLine(GpGraphics *graphics, GpPen *pen, REAL x1, REAL y1,
                    REAL x2, REAL y2)
{
    QPainterPath line;
    line.moveTo(x1, y1);
    line.lineTo(x2, y2);
    return stroke(graphics, pen, line);
}

Status GdipDrawArc(GpGraphics *graphics, GpPen *pen, REAL x, REAL y,
                   REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    if (width <= 0 || height <= 0)
        return InvalidParameter;
    const QRectF r(x, y, width, height);
    qreal qs = 0, qw = 0;
    gdip::arcAngles(r, startAngle, sweepAngle, qs, qw);
    QPainterPath arc;
    arc.arcMoveTo(r, qs);
    arc.arcTo(r, qs, qw);
    return stroke(graphics, pen, arc);
}

Status GdipDrawEllipse(GpGraphics *graphics, GpPen *pen, REAL x, REAL y,
                       REAL width, REAL height)
{
    return stroke(graphics, pen, ellipsePath(x, y, width, height));
}

Status GdipDrawEllipseI(GpGraphics *graphics, GpPen *pen, INT x, INT y,
                        INT width, INT height)
{
    return GdipDrawEllipse(graphics, pen, REAL(x), REAL(y), REAL(width),
                           REAL(height));
}

Status GdipFillEllipse(GpGraphics *graphics, GpBrush *brush, REAL x, REAL y,
                       REAL width, REAL height)
{
    return fill(graphics, brush, ellipsePath(x, y, width, height));
}

Status GdipFillEllipseI(GpGraphics *graphics, GpBrush *brush, INT x, INT y,
                        INT width, INT height)
{
    return GdipFillEllipse(graphics, brush, REAL(x), REAL(y), REAL(width),
                           REAL(height));
}

Status GdipFillPolygon(GpGraphics *graphics, GpBrush *brush,
                       const GpPointF *points, INT count, GpFillMode fillMode)
{
    if (!points || count < 3)
        return InvalidParameter;
    QPainterPath poly;
    poly.setFillRule(fillMode == FillModeWinding ? Qt::WindingFill
                                                 : Qt::OddEvenFill);
    poly.moveTo(points[0].X, points[0].Y);
    for (INT i = 1; i < count; ++i)
        poly.lineTo(points[i].X, points[i].Y);
    poly.closeSubpath();
    return fill(graphics, brush, poly);
}

Status GdipFillPolygonI(GpGraphics *graphics, GpBrush *brush,
                        const GpPoint *points, INT count, GpFillMode fillMode)
{
    if (!points || count < 3)
        return InvalidParameter;
    std::vector<GpPointF> f(static_cast<size_t>(count));
    for (INT i = 0; i < count; ++i)
        f[size_t(i)] = GpPointF{REAL(points[i].X), REAL(points[i].Y)};
    return GdipFillPolygon(graphics, brush, f.data(), count, fillMode);
}

Status GdipDrawImageRectRect(GpGraphics *graphics, GpImage *image, REAL dstx,
                             REAL dsty, REAL dstwidth, REAL dstheight,
                             REAL srcx, REAL srcy, REAL srcwidth,
                             REAL srcheight, GpUnit srcUnit,
                             const GpImageAttributes *imageAttributes,
                             DrawImageAbort callback, void *callbackData)
{
    if (!graphics || !image || srcUnit != UnitPixel)
        return InvalidParameter;
    if (image->image.isNull())
        return InvalidParameter;
    if (callback && callback(callbackData))
        return Aborted;
    if (image == graphics->image)
        return ObjectBusy;
    PaintScope s(graphics);
    QPainter &p = s.painter();
    p.setTransform(s.imageGeometry());
    const QRectF dst(dstx, dsty, dstwidth, dstheight);
    const QRectF from(srcx, srcy, srcwidth, srcheight);
    // Unscaled pictures at whole pixels are copied exactly.
    const bool exact = dst.size() == from.size() && p.transform().isTranslating()
                       && std::floor(p.transform().dx() + dstx) == p.transform().dx() + dstx
                       && std::floor(p.transform().dy() + dsty) == p.transform().dy() + dsty;
    p.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
    const GpColorAdjust *adjust = imageAttributes ? &imageAttributes->effective(ColorAdjustTypeBitmap) : nullptr;
    if (!adjust || !adjust->any() || adjust->noOp) {
        p.drawImage(dst, image->drawable(), from);
        return Ok;
    }
    if (dst.width() <= 0 || dst.height() <= 0 || from.width() <= 0 || from.height() <= 0) {
        p.drawImage(dst, imageAttributes->apply(image->drawable(), ColorAdjustTypeBitmap), from);
        return Ok;
    }
    // Adjusted pixels cost per pixel: only the part of the picture that can
    // show (device and clip, with a margin for smoothing) is taken and adjusted.
    QRect part = from.toAlignedRect().intersected(image->image.rect());
    const QPaintDevice *dev = p.device();
    bool invertible = false;
    const QTransform toWorld = p.transform().inverted(&invertible);
    if (dev && invertible) {
        QRectF visible = toWorld.mapRect(QRectF(0, 0, dev->width(), dev->height()));
        if (p.hasClipping())
            visible = visible.intersected(p.clipBoundingRect());
        const QRectF shown = dst.intersected(visible);
        if (shown.isEmpty())
            return Ok;
        const qreal sx = from.width() / dst.width(), sy = from.height() / dst.height();
        const QRectF source(from.x() + (shown.x() - dst.x()) * sx, from.y() + (shown.y() - dst.y()) * sy,
                            shown.width() * sx, shown.height() * sy);
        const int mx = 2 + int(std::ceil(sx)), my = 2 + int(std::ceil(sy));
        part = part.intersected(source.toAlignedRect().adjusted(-mx, -my, mx, my));
    }
    if (part.isEmpty())
        return Ok;
    const QRectF take = QRectF(part).intersected(from);
    const QRectF into(dst.x() + (take.x() - from.x()) * dst.width() / from.width(),
                      dst.y() + (take.y() - from.y()) * dst.height() / from.height(),
                      take.width() * dst.width() / from.width(), take.height() * dst.height() / from.height());
    // Far more picture pixels than device pixels: sampled down first, to
    // twice the device pixels, so that the work follows what is drawn.
    const QRectF onDevice = p.transform().mapRect(into);
    const int tw = std::min(part.width(), 2 * std::max(1, int(std::ceil(onDevice.width()))));
    const int th = std::min(part.height(), 2 * std::max(1, int(std::ceil(onDevice.height()))));
    // The part is read in place (no copy of the whole picture) where its
    // pixels are whole bytes.
    const QImage &whole = image->image;
    QImage view = whole.depth() >= 8 ? QImage(whole.constScanLine(part.y()) + part.x() * (whole.depth() / 8),
                                              part.width(), part.height(), whole.bytesPerLine(), whole.format())
                                     : whole.copy(part);
    if (whole.depth() == 8)
        view.setColorTable(whole.colorTable());
    const QImage piece = (tw < part.width() || th < part.height()
                              ? view.scaled(tw, th, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                              : view)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qreal kx = qreal(tw) / part.width(), ky = qreal(th) / part.height();
    const QRectF pieceSource((take.x() - part.x()) * kx, (take.y() - part.y()) * ky, take.width() * kx,
                             take.height() * ky);
    p.drawImage(into, imageAttributes->apply(piece, ColorAdjustTypeBitmap), pieceSource);
    return Ok;
}

Status GdipDrawImageRect(GpGraphics *graphics, GpImage *image, REAL x, REAL y,
                         REAL width, REAL height)
{
    if (!image)
        return InvalidParameter;
    return GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0,
                                 REAL(image->image.width()),
                                 REAL(image->image.height()), UnitPixel,
                                 nullptr, nullptr, nullptr);
}

Status GdipDrawImageI(GpGraphics *graphics, GpImage *image, INT x, INT y)
{
    if (!image)
        return InvalidParameter;
    return GdipDrawImageRect(graphics, image, REAL(x), REAL(y),
                             REAL(image->image.width()),
                             REAL(image->image.height()));
}

Status GdipSetClipRect(GpGraphics *graphics, REAL x, REAL y, REAL width,
                       REAL height, CombineMode combineMode)
{
    if (!graphics)
        return InvalidParameter;
    return setClip(graphics, rectPath(x, y, width, height), false, combineMode);
}

Status GdipSetClipRegion(GpGraphics *graphics, GpRegion *region,
                         CombineMode combineMode)
{
    if (!graphics || !region)
        return InvalidParameter;
    return setClip(graphics, region->path, region->infinite, combineMode);
}

Status GdipSetClipPath(GpGraphics *graphics, GpPath *path,
                       CombineMode combineMode)
{
    if (!graphics || !path)
        return InvalidParameter;
    return setClip(graphics, path->path, false, combineMode);
}

Status GdipResetClip(GpGraphics *graphics)
{
    if (!graphics)
        return InvalidParameter;
    graphics->clipped = false;
    graphics->clip = QPainterPath();
    return Ok;
}
