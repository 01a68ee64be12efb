// The brush wrappers and the pen.

#include "SmGDIP.h"

TGPBrush::TGPBrush()
{
    lastResult = NotImplemented;
}

TGPBrush::TGPBrush(GpBrush *nativeBrush_, Status status) : nativeBrush(nativeBrush_)
{
    lastResult = status;
}

TGPBrush::~TGPBrush()
{
    if (nativeBrush)
        GdipDeleteBrush(nativeBrush);
}

TGPSolidBrush::TGPSolidBrush(ARGB color) : TGPBrush(Shell{})
{
    GpSolidFill *b = nullptr;
    lastResult = GdipCreateSolidFill(color, &b);
    nativeBrush = b;
}

Status TGPSolidBrush::GetColor(ARGB &color)
{
    return SetStatus(GdipGetSolidFillColor(static_cast<GpSolidFill *>(nativeBrush), &color));
}

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor)
    : TGPBrush(Shell{})
{
    GpHatch *b = nullptr;
    lastResult = GdipCreateHatchBrush(hatchStyle, foreColor, backColor, &b);
    nativeBrush = b;
}

HatchStyle TGPHatchBrush::GetHatchStyle()
{
    HatchStyle s = HatchStyleHorizontal;
    SetStatus(GdipGetHatchStyle(static_cast<GpHatch *>(nativeBrush), &s));
    return s;
}

Status TGPHatchBrush::GetForegroundColor(ARGB &color)
{
    return SetStatus(GdipGetHatchForegroundColor(static_cast<GpHatch *>(nativeBrush), &color));
}

Status TGPHatchBrush::GetBackgroundColor(ARGB &color)
{
    return SetStatus(GdipGetHatchBackgroundColor(static_cast<GpHatch *>(nativeBrush), &color));
}

namespace {
GpImage *imageOf(TGPImage *image)
{
    return image ? image->NativeImage() : nullptr;
}
GpImageAttributes *attributesOf(TGPImageAttributes *ia)
{
    return ia ? ia->NativeAttributes() : nullptr;
}
} // namespace

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode) : TGPBrush(Shell{})
{
    GpTexture *t = nullptr;
    lastResult = GdipCreateTexture(imageOf(image), wrapMode, &t);
    nativeBrush = t;
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode, const TGPRectF &dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode, const TGPRect &dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode, REAL dstX, REAL dstY,
                                 REAL dstWidth, REAL dstHeight)
    : TGPBrush(Shell{})
{
    GpTexture *t = nullptr;
    lastResult = GdipCreateTexture2(imageOf(image), wrapMode, dstX, dstY, dstWidth,
                                    dstHeight, &t);
    nativeBrush = t;
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, WrapMode wrapMode, INT dstX, INT dstY,
                                 INT dstWidth, INT dstHeight)
    : TGPBrush(Shell{})
{
    GpTexture *t = nullptr;
    lastResult = GdipCreateTexture2I(imageOf(image), wrapMode, dstX, dstY, dstWidth,
                                     dstHeight, &t);
    nativeBrush = t;
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, const TGPRectF &dstRect,
                                 TGPImageAttributes *imageAttributes)
    : TGPBrush(Shell{})
{
    GpTexture *t = nullptr;
    lastResult = GdipCreateTextureIA(imageOf(image), attributesOf(imageAttributes), dstRect.X,
                                     dstRect.Y, dstRect.Width, dstRect.Height, &t);
    nativeBrush = t;
}

TGPTextureBrush::TGPTextureBrush(TGPImage *image, const TGPRect &dstRect,
                                 TGPImageAttributes *imageAttributes)
    : TGPBrush(Shell{})
{
    GpTexture *t = nullptr;
    lastResult = GdipCreateTextureIAI(imageOf(image), attributesOf(imageAttributes), dstRect.X,
                                      dstRect.Y, dstRect.Width, dstRect.Height, &t);
    nativeBrush = t;
}

Status TGPTextureBrush::ResetTransform()
{
    return SetStatus(GdipResetTextureTransform(static_cast<GpTexture *>(nativeBrush)));
}

Status TGPTextureBrush::TranslateTransform(REAL dx, REAL dy, MatrixOrder order)
{
    return SetStatus(
        GdipTranslateTextureTransform(static_cast<GpTexture *>(nativeBrush), dx, dy, order));
}

Status TGPTextureBrush::ScaleTransform(REAL sx, REAL sy, MatrixOrder order)
{
    return SetStatus(
        GdipScaleTextureTransform(static_cast<GpTexture *>(nativeBrush), sx, sy, order));
}

Status TGPTextureBrush::RotateTransform(REAL angle, MatrixOrder order)
{
    return SetStatus(
        GdipRotateTextureTransform(static_cast<GpTexture *>(nativeBrush), angle, order));
}

Status TGPTextureBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipSetTextureWrapMode(static_cast<GpTexture *>(nativeBrush), wrapMode));
}

WrapMode TGPTextureBrush::GetWrapMode()
{
    WrapMode w = WrapModeTile;
    SetStatus(GdipGetTextureWrapMode(static_cast<GpTexture *>(nativeBrush), &w));
    return w;
}

TGPImage *TGPTextureBrush::GetImage()
{
    GpImage *img = nullptr;
    const Status s = SetStatus(GdipGetTextureImage(static_cast<GpTexture *>(nativeBrush), &img));
    return new TGPImage(img, s);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF &point1, const TGPPointF &point2,
                                               ARGB color1, ARGB color2)
    : TGPBrush(Shell{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrush(&point1, &point2, color1, color2, WrapModeTile, &b);
    nativeBrush = b;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint &point1, const TGPPoint &point2,
                                               ARGB color1, ARGB color2)
    : TGPBrush(Shell{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushI(&point1, &point2, color1, color2, WrapModeTile, &b);
    nativeBrush = b;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF &rect, ARGB color1, ARGB color2,
                                               LinearGradientMode mode)
    : TGPBrush(Shell{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushFromRect(&rect, color1, color2, mode, WrapModeTile, &b);
    nativeBrush = b;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect &rect, ARGB color1, ARGB color2,
                                               LinearGradientMode mode)
    : TGPBrush(Shell{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, WrapModeTile, &b);
    nativeBrush = b;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF &rect, ARGB color1, ARGB color2,
                                               REAL angle, bool isAngleScalable)
    : TGPBrush(Shell{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle,
                                                      isAngleScalable, WrapModeTile, &b);
    nativeBrush = b;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect &rect, ARGB color1, ARGB color2,
                                               REAL angle, bool isAngleScalable)
    : TGPBrush(Shell{})
{
    GpLineGradient *b = nullptr;
    lastResult = GdipCreateLineBrushFromRectWithAngleI(&rect, color1, color2, angle,
                                                       isAngleScalable, WrapModeTile, &b);
    nativeBrush = b;
}

Status TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetLineGammaCorrection(static_cast<GpLineGradient *>(nativeBrush),
                                                useGammaCorrection));
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB *presetColors,
                                                      const REAL *blendPositions, INT count)
{
    if (count <= 0)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipSetLinePresetBlend(static_cast<GpLineGradient *>(nativeBrush),
                                            presetColors, blendPositions, count));
}

TGPPathGradientBrush::TGPPathGradientBrush(TGPGraphicsPath *path) : TGPBrush(Shell{})
{
    GpPathGradient *b = nullptr;
    lastResult = GdipCreatePathGradientFromPath(path ? path->NativePath() : nullptr, &b);
    nativeBrush = b;
}

namespace {
GpPathGradient *pg(GpBrush *b)
{
    return static_cast<GpPathGradient *>(b);
}
} // namespace

// The centre and surround colour calls answer their own call's status, so
// an earlier unread failure of the brush does not make them fail.
Status TGPPathGradientBrush::GetCenterColor(ARGB &color)
{
    return SetStatus(GdipGetPathGradientCenterColor(pg(nativeBrush), &color));
}

Status TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    return SetStatus(GdipSetPathGradientCenterColor(pg(nativeBrush), color));
}

INT TGPPathGradientBrush::GetPointCount()
{
    INT count = 0;
    if (SetStatus(GdipGetPathGradientPointCount(pg(nativeBrush), &count)) != Ok)
        return 0;
    return count;
}

Status TGPPathGradientBrush::GetSurroundColors(ARGB *colors, INT &count)
{
    if (!colors)
        return SetStatus(InvalidParameter);
    INT have = 0;
    const Status s = SetStatus(GdipGetPathGradientSurroundColorCount(pg(nativeBrush), &have));
    if (s != Ok)
        return s;
    if (count < have || have <= 0)
        return SetStatus(InsufficientBuffer);
    INT fetched = count;
    const Status got =
        SetStatus(GdipGetPathGradientSurroundColorsWithCount(pg(nativeBrush), colors, &fetched));
    if (got == Ok)
        count = fetched;
    return got;
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB *colors, INT &count)
{
    const INT points = GetPointCount();
    if (!colors || count > points || points <= 0)
        return SetStatus(InvalidParameter);
    INT taken = count;
    const Status s =
        SetStatus(GdipSetPathGradientSurroundColorsWithCount(pg(nativeBrush), colors, &taken));
    if (s == Ok)
        count = taken;
    return s;
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPointF &point)
{
    return SetStatus(GdipGetPathGradientCenterPoint(pg(nativeBrush), &point));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint &point)
{
    return SetStatus(GdipGetPathGradientCenterPointI(pg(nativeBrush), &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF &point)
{
    return SetStatus(GdipSetPathGradientCenterPoint(pg(nativeBrush), &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint &point)
{
    return SetStatus(GdipSetPathGradientCenterPointI(pg(nativeBrush), &point));
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipSetPathGradientWrapMode(pg(nativeBrush), wrapMode));
}

Status TGPPathGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetPathGradientGammaCorrection(pg(nativeBrush), useGammaCorrection));
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB *presetColors,
                                                    const REAL *blendPositions, INT count)
{
    if (count <= 0 || !presetColors)
        return SetStatus(InvalidParameter);
    return SetStatus(
        GdipSetPathGradientPresetBlend(pg(nativeBrush), presetColors, blendPositions, count));
}

TGPPen::TGPPen(ARGB color, REAL width)
{
    lastResult = GdipCreatePen1(color, width, UnitWorld, &nativePen);
}

TGPPen::TGPPen(TGPBrush *brush, REAL width)
{
    lastResult = GdipCreatePen2(brush ? brush->NativeBrush() : nullptr, width, UnitWorld,
                                &nativePen);
}

TGPPen::~TGPPen()
{
    if (nativePen)
        GdipDeletePen(nativePen);
}

Status TGPPen::SetBrush(TGPBrush *brush)
{
    return SetStatus(GdipSetPenBrushFill(nativePen, brush ? brush->NativeBrush() : nullptr));
}

// The wrapper matches the brush's kind, path and linear gradients included.
TGPBrush *TGPPen::GetBrush()
{
    TGPBrush *wrapper = nullptr;
    switch (GetPenType()) {
    case PenTypeSolidColor: wrapper = new TGPSolidBrush(); break;
    case PenTypeHatchFill: wrapper = new TGPHatchBrush(); break;
    case PenTypeTextureFill: wrapper = new TGPTextureBrush(); break;
    case PenTypePathGradient: wrapper = new TGPPathGradientBrush(); break;
    case PenTypeLinearGradient: wrapper = new TGPLinearGradientBrush(); break;
    default: return nullptr;
    }
    GpBrush *brush = nullptr;
    wrapper->lastResult = SetStatus(GdipGetPenBrushFill(nativePen, &brush));
    wrapper->SetNativeBrush(brush);
    return wrapper;
}

DashStyle TGPPen::GetDashStyle()
{
    DashStyle d = DashStyleSolid;
    SetStatus(GdipGetPenDashStyle(nativePen, &d));
    return d;
}

Status TGPPen::SetDashStyle(DashStyle dashStyle)
{
    return SetStatus(GdipSetPenDashStyle(nativePen, dashStyle));
}

Status TGPPen::SetEndCap(LineCap endCap)
{
    return SetStatus(GdipSetPenEndCap(nativePen, endCap));
}

PenType TGPPen::GetPenType()
{
    PenType t = PenTypeUnknown;
    if (SetStatus(GdipGetPenFillType(nativePen, &t)) != Ok)
        return PenTypeUnknown;
    return t;
}
