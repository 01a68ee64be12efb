// Filling and stroking with GDI+ brushes and pens on QPainter.

#include "GdipPaint.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gdip {

PaintScope::PaintScope(GpGraphics *g)
    : g_(g), p_(*g->painter),
      shift_(smoothingIsAntiAlias(g->smoothing) ? 0.5 : 0.0)
{
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    if (g_->clipped) {
        p_.setTransform(g_->base);
        p_.setClipPath(g_->clip,
                       p_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    p_.setRenderHint(QPainter::Antialiasing, shift_ != 0);
    const bool textAA = g_->textHint != TextRenderingHintSingleBitPerPixel
                        && g_->textHint != TextRenderingHintSingleBitPerPixelGridFit;
    p_.setRenderHint(QPainter::TextAntialiasing, textAA);
    p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p_.setOpacity(1.0);
    p_.setTransform(geometry());
}

PaintScope::~PaintScope()
{
    p_.restore();
}

QTransform PaintScope::geometry() const
{
    return g_->world * QTransform::fromTranslate(shift_, shift_) * g_->base;
}

QTransform PaintScope::imageGeometry() const
{
    return g_->world * g_->base;
}

namespace {

void addStops(QGradient &grad, ARGB a, ARGB b, qreal from, qreal to, bool gamma)
{
    const int steps = gamma ? 16 : 1;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        grad.setColorAt(from + (to - from) * t, toQColor(lerpArgb(a, b, t, gamma)));
    }
}

void setBlendStops(QGradient &grad, const GpBlend &blend, ARGB c1, ARGB c2,
                   bool gamma)
{
    if (blend.colors.size() >= 2) {
        for (size_t i = 0; i + 1 < blend.colors.size(); ++i)
            addStops(grad, blend.colors[i], blend.colors[i + 1],
                     blend.positions[i], blend.positions[i + 1], gamma);
    } else {
        addStops(grad, c1, c2, 0, 1, gamma);
    }
}

// Tiles for the mirrored wrap modes: the picture and its mirror images.
QImage wrapTile(const QImage &img, WrapMode wrap)
{
    const bool fx = wrap == WrapModeTileFlipX || wrap == WrapModeTileFlipXY;
    const bool fy = wrap == WrapModeTileFlipY || wrap == WrapModeTileFlipXY;
    if (!fx && !fy)
        return img;
    QImage tile(img.width() * (fx ? 2 : 1), img.height() * (fy ? 2 : 1),
                QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter p(&tile);
    p.drawImage(0, 0, img);
    if (fx)
        p.drawImage(img.width(), 0, img.mirrored(true, false));
    if (fy)
        p.drawImage(0, img.height(), img.mirrored(false, true));
    if (fx && fy)
        p.drawImage(img.width(), img.height(), img.mirrored(true, true));
    return tile;
}

struct Edge {
    QPointF a, b;
    ARGB ca, cb;
};

// The boundary of a path-gradient brush as straight edges, each end carrying
// the surround colour of its path point (the last colour repeats).
std::vector<Edge> boundaryEdges(const GpPathGradient &b, const QTransform &t)
{
    const QPainterPath &path = b.path;
    auto colorAt = [&](int i) {
        if (b.surround.empty())
            return ARGB(0xFFFFFFFF);
        return b.surround[size_t(std::min<int>(i, int(b.surround.size()) - 1))];
    };
    std::vector<Edge> edges;
    QPointF start, prev;
    ARGB startC = 0, prevC = 0;
    bool haveStart = false;
    auto closeFigure = [&]() {
        if (haveStart && prev != start)
            edges.push_back({t.map(prev), t.map(start), prevC, startC});
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF pt(e.x, e.y);
        if (e.type == QPainterPath::MoveToElement) {
            closeFigure();
            start = prev = pt;
            startC = prevC = colorAt(i);
            haveStart = true;
        } else if (e.type == QPainterPath::LineToElement) {
            edges.push_back({t.map(prev), t.map(pt), prevC, colorAt(i)});
            prev = pt;
            prevC = colorAt(i);
        } else if (e.type == QPainterPath::CurveToElement
                   && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element e3 = path.elementAt(i + 2);
            const QPointF p1 = pt, p2(c2.x, c2.y), p3(e3.x, e3.y);
            const ARGB endC = colorAt(i + 2);
            QPointF last = prev;
            const int n = 12;
            for (int k = 1; k <= n; ++k) {
                const qreal u = qreal(k) / n, v = 1 - u;
                const QPointF q = prev * (v * v * v) + p1 * (3 * v * v * u)
                                  + p2 * (3 * v * u * u) + p3 * (u * u * u);
                edges.push_back({t.map(last), t.map(q),
                                 lerpArgb(prevC, endC, double(k - 1) / n, false),
                                 lerpArgb(prevC, endC, double(k) / n, false)});
                last = q;
            }
            prev = p3;
            prevC = endC;
            i += 2;
        }
    }
    closeFigure();
    return edges;
}

ARGB blendAt(const GpPathGradient &b, double pos, ARGB surround)
{
    const GpBlend &bl = b.preset;
    if (bl.colors.size() >= 2) {
        for (size_t i = 0; i + 1 < bl.colors.size(); ++i)
            if (pos <= bl.positions[i + 1] || i + 2 == bl.colors.size()) {
                const double span = bl.positions[i + 1] - bl.positions[i];
                const double t = span > 0 ? (pos - bl.positions[i]) / span : 1.0;
                return lerpArgb(bl.colors[i], bl.colors[i + 1], t, b.gamma);
            }
    }
    return lerpArgb(surround, b.centerColor, pos, b.gamma);
}

// A path gradient is drawn pixel by pixel: each pixel takes its place on
// the ray from the centre point through it to the boundary (position 0 on
// the boundary, 1 at the centre). The pixels are then masked by the shape
// and the brush's own path, with the painter's anti-aliasing.
void fillPathGradient(PaintScope &s, const QPainterPath &shape,
                      const GpPathGradient &b)
{
    GpGraphics *g = s.graphics();
    QPainter &p = s.painter();
    // Work in GDI+ device space: pixel (i, j) is centred on (i, j).
    const QTransform toDev = g->world;
    const QPainterPath devBrushPath = toDev.map(b.path);
    const QPainterPath devShape = toDev.map(shape);
    QRectF area = devShape.boundingRect().intersected(devBrushPath.boundingRect());
    // Only what can show is computed: the device and the clip bound the
    // work, however far the shape reaches beyond them.
    if (const QPaintDevice *dev = p.device()) {
        QRectF visible = g->base.inverted().mapRect(QRectF(0, 0, dev->width(), dev->height()));
        if (p.hasClipping())
            visible = visible.intersected(
                (toDev * QTransform::fromTranslate(s.shift(), s.shift())).mapRect(p.clipBoundingRect()));
        area = area.intersected(visible.adjusted(-2, -2, 2, 2));
    }
    if (area.isEmpty())
        return;
    const QRect px(int(std::floor(area.left())) - 1, int(std::floor(area.top())) - 1,
                   int(std::ceil(area.width())) + 3, int(std::ceil(area.height())) + 3);
    if (px.width() <= 0 || px.height() <= 0 || qint64(px.width()) * px.height() > 16777216)
        return;
    const QPointF c = toDev.map(b.center);
    const std::vector<Edge> edges = boundaryEdges(b, toDev);
    if (edges.empty())
        return;

    // Boundary distance and colour per direction, sampled finely enough
    // for every shape the controls draw.
    const int bins = 1440;
    std::vector<double> radius(bins, 0.0);
    std::vector<ARGB> rimColor(bins, b.surround.empty() ? 0xFFFFFFFF : b.surround[0]);
    for (int k = 0; k < bins; ++k) {
        const double ang = 2 * M_PI * k / bins;
        const double dx = std::cos(ang), dy = std::sin(ang);
        for (const Edge &e : edges) {
            const double ex = e.b.x() - e.a.x(), ey = e.b.y() - e.a.y();
            const double den = dx * ey - dy * ex;
            if (std::abs(den) < 1e-12)
                continue;
            const double wx = e.a.x() - c.x(), wy = e.a.y() - c.y();
            const double tRay = (wx * ey - wy * ex) / den;
            const double u = (wx * dy - wy * dx) / den;
            if (tRay > 0 && u >= -1e-9 && u <= 1 + 1e-9 && tRay > radius[size_t(k)]) {
                radius[size_t(k)] = tRay;
                rimColor[size_t(k)] = lerpArgb(e.ca, e.cb, std::clamp(u, 0.0, 1.0), false);
            }
        }
    }

    QImage colors(px.size(), QImage::Format_ARGB32);
    for (int y = 0; y < px.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(colors.scanLine(y));
        for (int x = 0; x < px.width(); ++x) {
            const double vx = px.left() + x - c.x(), vy = px.top() + y - c.y();
            const double dist = std::hypot(vx, vy);
            double ang = std::atan2(vy, vx);
            if (ang < 0)
                ang += 2 * M_PI;
            const int k = int(ang / (2 * M_PI) * bins) % bins;
            const double r = radius[size_t(k)];
            double pos = r > 0 ? 1.0 - dist / r : 0.0;
            pos = std::clamp(pos, 0.0, 1.0);
            line[x] = blendAt(b, pos, rimColor[size_t(k)]);
        }
    }
    QImage out = colors.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    // Coverage of shape and brush path, rasterised as the painter would.
    QImage mask(px.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing, s.shift() != 0);
        m.setTransform(QTransform::fromTranslate(s.shift() - px.left(),
                                                 s.shift() - px.top()));
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::white);
        m.setClipPath(devBrushPath);
        m.drawPath(devShape);
    }
    {
        QPainter m(&out);
        m.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        m.drawImage(0, 0, mask);
    }
    p.setTransform(g->base);
    p.drawImage(QPointF(px.left(), px.top()), out);
}

} // namespace

bool qbrushOf(const PaintScope &s, const GpBrush *brush, QBrush &out)
{
    const QTransform geo = s.geometry();
    const QTransform world = s.graphics()->world;
    const QTransform worldInv = world.inverted();
    const qreal sh = s.shift();
    switch (brush->type) {
    case BrushTypeSolidColor:
        out = QBrush(toQColor(static_cast<const GpSolidFill *>(brush)->color));
        return true;
    case BrushTypeHatchFill: {
        auto *h = static_cast<const GpHatch *>(brush);
        out = QBrush(hatchTile(h->style, h->fore, h->back));
        // Hatches are aligned to the device, whatever the world transform.
        out.setTransform(geo.inverted());
        return true;
    }
    case BrushTypeTextureFill: {
        auto *t = static_cast<const GpTexture *>(brush);
        out = QBrush(wrapTile(t->image, t->wrap));
        out.setTransform(t->transform * world * QTransform::fromTranslate(-sh, -sh)
                         * worldInv);
        return true;
    }
    case BrushTypeLinearGradient: {
        auto *l = static_cast<const GpLineGradient *>(brush);
        QLinearGradient grad(l->start, l->end);
        setBlendStops(grad, l->preset, l->color1, l->color2, l->gamma);
        grad.setSpread(l->wrap == WrapModeTile ? QGradient::RepeatSpread
                                               : QGradient::ReflectSpread);
        out = QBrush(grad);
        out.setTransform(world * QTransform::fromTranslate(0.5 - sh, 0.5 - sh)
                         * worldInv);
        return true;
    }
    default:
        return false;
    }
}

void fillShape(PaintScope &s, const QPainterPath &shape, const GpBrush *brush)
{
    QPainter &p = s.painter();
    if (brush->type == BrushTypePathGradient) {
        fillPathGradient(s, shape, *static_cast<const GpPathGradient *>(brush));
        return;
    }
    QBrush qb;
    qbrushOf(s, brush, qb);
    if (brush->type == BrushTypeTextureFill
        && static_cast<const GpTexture *>(brush)->wrap == WrapModeClamp) {
        // A clamped texture covers its picture once and nothing around it.
        auto *t = static_cast<const GpTexture *>(brush);
        QPainterPath once;
        once.addRect(QRectF(QPointF(0, 0), QSizeF(t->image.size())));
        p.fillPath(shape.intersected(
                       (t->transform * QTransform::fromTranslate(-s.shift(), -s.shift()))
                           .map(once)),
                   qb);
        return;
    }
    p.fillPath(shape, qb);
}

void strokeShape(PaintScope &s, const QPainterPath &path, const GpPen *pen)
{
    QPainter &p = s.painter();
    const QTransform &world = s.graphics()->world;
    const qreal scale = std::sqrt(std::abs(world.determinant()));
    QPen qp;
    qp.setWidthF(pen->width);
    if (pen->unit == UnitPixel) {
        qp.setCosmetic(true);
        qp.setWidthF(std::max<qreal>(1, pen->width));
    } else if (pen->width * scale < 1) {
        qp.setCosmetic(true);
        qp.setWidthF(1);
    }
    const LineCap cap = pen->endCap != LineCapFlat ? pen->endCap : pen->startCap;
    switch (cap) {
    case LineCapSquare:
    case LineCapSquareAnchor: qp.setCapStyle(Qt::SquareCap); break;
    case LineCapRound:
    case LineCapRoundAnchor: qp.setCapStyle(Qt::RoundCap); break;
    default: qp.setCapStyle(Qt::FlatCap); break;
    }
    qp.setJoinStyle(Qt::MiterJoin);
    qp.setMiterLimit(10);
    switch (pen->dash) {
    case DashStyleDash: qp.setDashPattern({3, 1}); break;
    case DashStyleDot: qp.setDashPattern({1, 1}); break;
    case DashStyleDashDot: qp.setDashPattern({3, 1, 1, 1}); break;
    case DashStyleDashDotDot: qp.setDashPattern({3, 1, 1, 1, 1, 1}); break;
    default: qp.setStyle(Qt::SolidLine); break;
    }
    QBrush qb;
    if (qbrushOf(s, pen->brush, qb)) {
        qp.setBrush(qb);
        p.strokePath(path, qp);
        return;
    }
    QPainterPathStroker stroker(qp);
    fillShape(s, stroker.createStroke(path), pen->brush);
}

} // namespace gdip
