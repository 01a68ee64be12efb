// Matrices: GDI+ row-vector affine transforms, as QTransform keeps them.

#include "GdipInternal.h"

#include <cmath>

namespace {
void combine(QTransform &m, const QTransform &op, MatrixOrder order)
{
    m = order == MatrixOrderPrepend ? op * m : m * op;
}

bool validOrder(MatrixOrder order)
{
    return order == MatrixOrderPrepend || order == MatrixOrderAppend;
}
} // namespace

Status GdipCreateMatrix(GpMatrix **matrix)
{
    return gdipNew(matrix, new GpMatrix);
}

Status GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx,
                         REAL dy, GpMatrix **matrix)
{
    auto *m = new GpMatrix;
    m->m.setMatrix(m11, m12, 0, m21, m22, 0, dx, dy, 1);
    return gdipNew(matrix, m);
}

// Maps the rectangle onto the parallelogram of its upper-left, upper-right
// and lower-left corners.
Status GdipCreateMatrix3(const GpRectF *rect, const GpPointF *dstplg,
                         GpMatrix **matrix)
{
    if (!rect || !dstplg || !matrix || rect->Width == 0 || rect->Height == 0)
        return InvalidParameter;
    const qreal sx = 1.0 / rect->Width, sy = 1.0 / rect->Height;
    const qreal m11 = (dstplg[1].X - dstplg[0].X) * sx;
    const qreal m12 = (dstplg[1].Y - dstplg[0].Y) * sx;
    const qreal m21 = (dstplg[2].X - dstplg[0].X) * sy;
    const qreal m22 = (dstplg[2].Y - dstplg[0].Y) * sy;
    auto *m = new GpMatrix;
    m->m.setMatrix(m11, m12, 0, m21, m22, 0,
                   dstplg[0].X - rect->X * m11 - rect->Y * m21,
                   dstplg[0].Y - rect->X * m12 - rect->Y * m22, 1);
    return gdipNew(matrix, m);
}

Status GdipCreateMatrix3I(const GpRect *rect, const GpPoint *dstplg,
                          GpMatrix **matrix)
{
    if (!rect || !dstplg)
        return InvalidParameter;
    GpRectF r{REAL(rect->X), REAL(rect->Y), REAL(rect->Width),
              REAL(rect->Height)};
    GpPointF p[3];
    for (int i = 0; i < 3; ++i)
        p[i] = GpPointF{REAL(dstplg[i].X), REAL(dstplg[i].Y)};
    return GdipCreateMatrix3(&r, p, matrix);
}

Status GdipCloneMatrix(GpMatrix *matrix, GpMatrix **cloneMatrix)
{
    if (!matrix)
        return InvalidParameter;
    return gdipNew(cloneMatrix, new GpMatrix(*matrix));
}

Status GdipDeleteMatrix(GpMatrix *matrix)
{
    return gdipDelete(matrix);
}

Status GdipSetMatrixElements(GpMatrix *matrix, REAL m11, REAL m12, REAL m21,
                             REAL m22, REAL dx, REAL dy)
{
    if (!matrix)
        return InvalidParameter;
    matrix->m.setMatrix(m11, m12, 0, m21, m22, 0, dx, dy, 1);
    return Ok;
}

Status GdipGetMatrixElements(const GpMatrix *matrix, REAL *out)
{
    if (!matrix || !out)
        return InvalidParameter;
    const QTransform &t = matrix->m;
    out[0] = REAL(t.m11());
    out[1] = REAL(t.m12());
    out[2] = REAL(t.m21());
    out[3] = REAL(t.m22());
    out[4] = REAL(t.dx());
    out[5] = REAL(t.dy());
    return Ok;
}

Status GdipMultiplyMatrix(GpMatrix *matrix, GpMatrix *matrix2,
                          MatrixOrder order)
{
    if (!matrix || !matrix2 || !validOrder(order))
        return InvalidParameter;
    combine(matrix->m, matrix2->m, order);
    return Ok;
}

Status GdipTranslateMatrix(GpMatrix *matrix, REAL offsetX, REAL offsetY,
                           MatrixOrder order)
{
    if (!matrix || !validOrder(order))
        return InvalidParameter;
    combine(matrix->m, QTransform::fromTranslate(offsetX, offsetY), order);
    return Ok;
}

Status GdipScaleMatrix(GpMatrix *matrix, REAL scaleX, REAL scaleY,
                       MatrixOrder order)
{
    if (!matrix || !validOrder(order))
        return InvalidParameter;
    combine(matrix->m, QTransform::fromScale(scaleX, scaleY), order);
    return Ok;
}

Status GdipRotateMatrix(GpMatrix *matrix, REAL angle, MatrixOrder order)
{
    if (!matrix || !validOrder(order))
        return InvalidParameter;
    QTransform r;
    r.rotate(angle);
    combine(matrix->m, r, order);
    return Ok;
}

Status GdipShearMatrix(GpMatrix *matrix, REAL shearX, REAL shearY,
                       MatrixOrder order)
{
    if (!matrix || !validOrder(order))
        return InvalidParameter;
    QTransform s(1, shearY, shearX, 1, 0, 0);
    combine(matrix->m, s, order);
    return Ok;
}

Status GdipInvertMatrix(GpMatrix *matrix)
{
    if (!matrix)
        return InvalidParameter;
    bool ok = false;
    QTransform inv = matrix->m.inverted(&ok);
    if (!ok || std::abs(matrix->m.determinant()) < 1e-12)
        return InvalidParameter;
    matrix->m = inv;
    return Ok;
}

Status GdipTransformMatrixPoints(GpMatrix *matrix, GpPointF *pts, INT count)
{
    if (!matrix || !pts || count <= 0)
        return InvalidParameter;
    for (INT i = 0; i < count; ++i) {
        QPointF p = matrix->m.map(QPointF(pts[i].X, pts[i].Y));
        pts[i] = GpPointF{REAL(p.x()), REAL(p.y())};
    }
    return Ok;
}

Status GdipTransformMatrixPointsI(GpMatrix *matrix, GpPoint *pts, INT count)
{
    if (!matrix || !pts || count <= 0)
        return InvalidParameter;
    for (INT i = 0; i < count; ++i) {
        QPointF p = matrix->m.map(QPointF(pts[i].X, pts[i].Y));
        pts[i] = GpPoint{INT(std::lround(p.x())), INT(std::lround(p.y()))};
    }
    return Ok;
}

Status GdipVectorTransformMatrixPoints(GpMatrix *matrix, GpPointF *pts,
                                       INT count)
{
    if (!matrix || !pts || count <= 0)
        return InvalidParameter;
    const QTransform &t = matrix->m;
    for (INT i = 0; i < count; ++i) {
        const qreal x = pts[i].X, y = pts[i].Y;
        pts[i] = GpPointF{REAL(t.m11() * x + t.m21() * y),
                          REAL(t.m12() * x + t.m22() * y)};
    }
    return Ok;
}

Status GdipVectorTransformMatrixPointsI(GpMatrix *matrix, GpPoint *pts,
                                        INT count)
{
    if (!matrix || !pts || count <= 0)
        return InvalidParameter;
    const QTransform &t = matrix->m;
    for (INT i = 0; i < count; ++i) {
        const qreal x = pts[i].X, y = pts[i].Y;
        pts[i] = GpPoint{INT(std::lround(t.m11() * x + t.m21() * y)),
                         INT(std::lround(t.m12() * x + t.m22() * y))};
    }
    return Ok;
}

Status GdipIsMatrixInvertible(const GpMatrix *matrix, BOOL *result)
{
    return gdipGet(matrix, result, [](const auto &o) { return std::abs(o.m.determinant()) >= 1e-12; });
}

Status GdipIsMatrixIdentity(const GpMatrix *matrix, BOOL *result)
{
    return gdipGet(matrix, result, [](const auto &o) { return o.m.isIdentity(); });
}
