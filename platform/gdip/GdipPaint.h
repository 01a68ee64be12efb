#pragma once
// How the graphics objects turn brushes and pens into QPainter drawing
// (private to the drawing services).

#include "GdipInternal.h"

#include <QPainter>

namespace gdip {

// One drawing call: saves the painter, applies the graphics' smoothing,
// clip and transform, and restores the painter when it ends. Geometry is
// shifted by half a pixel when anti-aliased, so that integer coordinates
// are pixel centres as in GDI+; aliased rasterisation already is.
class PaintScope {
public:
    explicit PaintScope(GpGraphics *g);
    ~PaintScope();
    PaintScope(const PaintScope &) = delete;
    PaintScope &operator=(const PaintScope &) = delete;

    QPainter &painter() { return p_; }
    qreal shift() const { return shift_; }
    // Logical (world) to painter device, half-pixel shift included.
    QTransform geometry() const;
    // World to painter device for pictures, whose pixels cover whole cells.
    QTransform imageGeometry() const;
    GpGraphics *graphics() const { return g_; }

private:
    GpGraphics *g_;
    QPainter &p_;
    qreal shift_;
};

void fillShape(PaintScope &s, const QPainterPath &shape, const GpBrush *brush);
void strokeShape(PaintScope &s, const QPainterPath &path, const GpPen *pen);
// A QBrush for everything but path gradients (which answer false).
bool qbrushOf(const PaintScope &s, const GpBrush *brush, QBrush &out);

} // namespace gdip
