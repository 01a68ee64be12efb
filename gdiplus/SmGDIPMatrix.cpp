// TGPMatrix.

#include "SmGDIP.h"

TGPMatrix::TGPMatrix()
{
    lastResult = GdipCreateMatrix(&nativeMatrix);
}

TGPMatrix::TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    lastResult = GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRectF &rect, const TGPPointF *dstplg)
{
    lastResult = GdipCreateMatrix3(&rect, dstplg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRect &rect, const TGPPoint *dstplg)
{
    lastResult = GdipCreateMatrix3I(&rect, dstplg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(GpMatrix *nativeMatrix_) : nativeMatrix(nativeMatrix_) {}

TGPMatrix::~TGPMatrix()
{
    if (nativeMatrix)
        GdipDeleteMatrix(nativeMatrix);
}

// Decided by this clone call alone: an earlier unread failure of the
// matrix does not lose a good copy.
TGPMatrix *TGPMatrix::Clone()
{
    GpMatrix *clone = nullptr;
    if (SetStatus(GdipCloneMatrix(nativeMatrix, &clone)) != Ok)
        return nullptr;
    return new TGPMatrix(clone);
}

Status TGPMatrix::GetElements(REAL *m)
{
    return SetStatus(GdipGetMatrixElements(nativeMatrix, m));
}

REAL TGPMatrix::OffsetX()
{
    REAL m[6];
    return GetElements(m) == Ok ? m[4] : 0.0f;
}

REAL TGPMatrix::OffsetY()
{
    REAL m[6];
    return GetElements(m) == Ok ? m[5] : 0.0f;
}

Status TGPMatrix::SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    return SetStatus(GdipSetMatrixElements(nativeMatrix, m11, m12, m21, m22, dx, dy));
}

Status TGPMatrix::Reset()
{
    return SetElements(1, 0, 0, 1, 0, 0);
}

Status TGPMatrix::Multiply(TGPMatrix *matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyMatrix(nativeMatrix, matrix ? matrix->nativeMatrix : nullptr,
                                        order));
}

Status TGPMatrix::Translate(REAL offsetX, REAL offsetY, MatrixOrder order)
{
    return SetStatus(GdipTranslateMatrix(nativeMatrix, offsetX, offsetY, order));
}

Status TGPMatrix::Scale(REAL scaleX, REAL scaleY, MatrixOrder order)
{
    return SetStatus(GdipScaleMatrix(nativeMatrix, scaleX, scaleY, order));
}

Status TGPMatrix::Rotate(REAL angle, MatrixOrder order)
{
    return SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
}

Status TGPMatrix::RotateAt(REAL angle, const TGPPointF &center, MatrixOrder order)
{
    if (order == MatrixOrderPrepend) {
        SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
        SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
        return SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
    }
    SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
    SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
    return SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
}

Status TGPMatrix::Shear(REAL shearX, REAL shearY, MatrixOrder order)
{
    return SetStatus(GdipShearMatrix(nativeMatrix, shearX, shearY, order));
}

Status TGPMatrix::Invert()
{
    return SetStatus(GdipInvertMatrix(nativeMatrix));
}

Status TGPMatrix::TransformPoints(TGPPointF *pts, INT count)
{
    return SetStatus(GdipTransformMatrixPoints(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformPoints(TGPPoint *pts, INT count)
{
    return SetStatus(GdipTransformMatrixPointsI(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPointF *pts, INT count)
{
    return SetStatus(GdipVectorTransformMatrixPoints(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPoint *pts, INT count)
{
    return SetStatus(GdipVectorTransformMatrixPointsI(nativeMatrix, pts, count));
}

bool TGPMatrix::IsInvertible()
{
    BOOL result = 0;
    SetStatus(GdipIsMatrixInvertible(nativeMatrix, &result));
    return result != 0;
}

bool TGPMatrix::IsIdentity()
{
    BOOL result = 0;
    SetStatus(GdipIsMatrixIdentity(nativeMatrix, &result));
    return result != 0;
}
