// Brushes: solid, hatch, texture, linear and path gradients.

#include "GdipInternal.h"

#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace gdip {

// 8 x 8 hatch patterns, one byte per row, bit 7 the leftmost pixel.
QImage hatchTile(HatchStyle style, ARGB fore, ARGB back)
{
    static const uint8_t patterns[HatchStyleTotal][8] = {
        {0xFF, 0, 0, 0, 0, 0, 0, 0},                              // Horizontal
        {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},         // Vertical
        {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},         // ForwardDiagonal
        {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},         // BackwardDiagonal
        {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},         // Cross
        {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},         // DiagonalCross
        {0x80, 0, 0, 0, 0x08, 0, 0, 0},                           // 05Percent
        {0x80, 0, 0x08, 0, 0x80, 0, 0x08, 0},                     // 10Percent
        {0x88, 0, 0x22, 0, 0x88, 0, 0x22, 0},                     // 20Percent
        {0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22},         // 25Percent
        {0xAA, 0x44, 0xAA, 0x11, 0xAA, 0x44, 0xAA, 0x11},         // 30Percent
        {0xAA, 0x54, 0xAA, 0x45, 0xAA, 0x54, 0xAA, 0x45},         // 40Percent
        {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55},         // 50Percent
        {0xEE, 0x55, 0xBB, 0x55, 0xEE, 0x55, 0xBB, 0x55},         // 60Percent
        {0x55, 0xBB, 0x55, 0xEE, 0x55, 0xBB, 0x55, 0xEE},         // 70Percent
        {0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD},         // 75Percent
        {0x77, 0xFF, 0xDD, 0xFF, 0x77, 0xFF, 0xDD, 0xFF},         // 80Percent
        {0x7F, 0xFF, 0xF7, 0xFF, 0x7F, 0xFF, 0xF7, 0xFF},         // 90Percent
        {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11},         // LightDownwardDiagonal
        {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88},         // LightUpwardDiagonal
        {0xCC, 0x66, 0x33, 0x99, 0xCC, 0x66, 0x33, 0x99},         // DarkDownwardDiagonal
        {0x33, 0x66, 0xCC, 0x99, 0x33, 0x66, 0xCC, 0x99},         // DarkUpwardDiagonal
        {0xE0, 0x70, 0x38, 0x1C, 0x0E, 0x07, 0x83, 0xC1},         // WideDownwardDiagonal
        {0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1, 0x83},         // WideUpwardDiagonal
        {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88},         // LightVertical
        {0xFF, 0, 0, 0, 0xFF, 0, 0, 0},                           // LightHorizontal
        {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA},         // NarrowVertical
        {0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0},                     // NarrowHorizontal
        {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC},         // DarkVertical
        {0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0},                     // DarkHorizontal
        {0, 0, 0x88, 0x44, 0x22, 0x11, 0, 0},                     // DashedDownwardDiagonal
        {0, 0, 0x11, 0x22, 0x44, 0x88, 0, 0},                     // DashedUpwardDiagonal
        {0xF0, 0, 0, 0, 0x0F, 0, 0, 0},                           // DashedHorizontal
        {0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08},         // DashedVertical
        {0x80, 0x04, 0x40, 0x02, 0x20, 0x01, 0x10, 0x08},         // SmallConfetti
        {0xB1, 0x30, 0x03, 0x1B, 0xD8, 0xC0, 0x0C, 0x8D},         // LargeConfetti
        {0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18},         // ZigZag
        {0x00, 0x18, 0xA4, 0x03, 0x00, 0x18, 0xA4, 0x03},         // Wave
        {0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81},         // DiagonalBrick
        {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},         // HorizontalBrick
        {0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51},         // Weave
        {0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0},         // Plaid
        {0x00, 0x10, 0x08, 0x10, 0x00, 0x01, 0x80, 0x01},         // Divot
        {0xAA, 0, 0x80, 0, 0x80, 0, 0x80, 0},                     // DottedGrid
        {0x80, 0, 0x22, 0, 0x08, 0, 0x22, 0},                     // DottedDiamond
        {0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01},         // Shingle
        {0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99},         // Trellis
        {0x77, 0x89, 0x8F, 0x8F, 0x77, 0x98, 0xF8, 0xF8},         // Sphere
        {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},         // SmallGrid
        {0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99},         // SmallCheckerBoard
        {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F},         // LargeCheckerBoard
        {0x82, 0x44, 0x28, 0x10, 0x28, 0x44, 0x82, 0x01},         // OutlinedDiamond
        {0x10, 0x38, 0x7C, 0xFE, 0x7C, 0x38, 0x10, 0x00},         // SolidDiamond
    };
    QImage tile(8, 8, QImage::Format_ARGB32);
    const int s = (style >= 0 && style < HatchStyleTotal) ? style : 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (patterns[s][y] & (0x80 >> x)) ? fore : back);
    return tile.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace gdip

namespace {

// The blend runs across the rectangle in the direction of `angle`, from the
// corner that comes first in that direction to the one that comes last.
// A scalable angle is first stretched by the rectangle's aspect ratio, so
// that 45 degrees runs corner to corner.
void gradientLine(const QRectF &r, qreal angle, bool scalable, QPointF &start,
                  QPointF &end)
{
    const qreal rad = qDegreesToRadians(angle);
    qreal dx = std::cos(rad), dy = std::sin(rad);
    if (scalable) {
        dx *= r.height();
        dy *= r.width();
    }
    const qreal len = std::hypot(dx, dy);
    if (len <= 0) {
        dx = 1;
        dy = 0;
    } else {
        dx /= len;
        dy /= len;
    }
    const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomLeft(),
                                r.bottomRight()};
    qreal lo = 0, hi = 0;
    QPointF first;
    for (int i = 0; i < 4; ++i) {
        const qreal t = corners[i].x() * dx + corners[i].y() * dy;
        if (i == 0 || t < lo) {
            lo = t;
            first = corners[i];
        }
        if (i == 0 || t > hi)
            hi = t;
    }
    start = first;
    end = first + QPointF(dx, dy) * (hi - lo);
}

Status makeLine(const QRectF &r, ARGB c1, ARGB c2, qreal angle, bool scalable,
                WrapMode wrap, GpLineGradient **out)
{
    if (!out || r.width() <= 0 || r.height() <= 0 || wrap == WrapModeClamp
        || wrap < WrapModeTile || wrap > WrapModeClamp)
        return InvalidParameter;
    auto *b = new GpLineGradient;
    gradientLine(r, angle, scalable, b->start, b->end);
    b->color1 = c1;
    b->color2 = c2;
    b->wrap = wrap;
    return gdipNew(out, b);
}

qreal modeAngle(LinearGradientMode mode, bool &scalable)
{
    scalable = mode == LinearGradientModeForwardDiagonal
               || mode == LinearGradientModeBackwardDiagonal;
    switch (mode) {
    case LinearGradientModeVertical: return 90;
    case LinearGradientModeForwardDiagonal: return 45;
    case LinearGradientModeBackwardDiagonal: return 135;
    default: return 0;
    }
}

Status setBlend(GpBlend &blend, const ARGB *colors, const REAL *positions,
                INT count)
{
    if (!colors || !positions || count < 2)
        return InvalidParameter;
    if (positions[0] != 0.0f || positions[count - 1] != 1.0f)
        return InvalidParameter;
    for (INT i = 1; i < count; ++i)
        if (positions[i] < positions[i - 1])
            return InvalidParameter;
    blend.colors.assign(colors, colors + count);
    blend.positions.assign(positions, positions + count);
    return Ok;
}

QPointF centroid(const QPainterPath &path)
{
    const QPolygonF poly = path.toFillPolygon();
    qreal area = 0, cx = 0, cy = 0;
    for (int i = 0; i + 1 < poly.size(); ++i) {
        const qreal cross = poly[i].x() * poly[i + 1].y()
                            - poly[i + 1].x() * poly[i].y();
        area += cross;
        cx += (poly[i].x() + poly[i + 1].x()) * cross;
        cy += (poly[i].y() + poly[i + 1].y()) * cross;
    }
    if (std::abs(area) < 1e-9)
        return path.boundingRect().center();
    return QPointF(cx / (3 * area), cy / (3 * area));
}

// Applies a matrix operation to the texture's transform.
template <typename Op>
Status onTextureMatrix(GpTexture *brush, Op op)
{
    if (!brush)
        return InvalidParameter;
    GpMatrix m{brush->transform};
    const Status s = op(&m);
    brush->transform = m.m;
    return s;
}

} // namespace

Status GdipDeleteBrush(GpBrush *brush)
{
    return gdipDelete(brush);
}

Status GdipGetBrushType(GpBrush *brush, BrushType *type)
{
    return gdipGet(brush, type, [](const auto &o) { return o.type; });
}

Status GdipCreateSolidFill(ARGB color, GpSolidFill **brush)
{
    auto *b = new GpSolidFill;
    b->color = color;
    return gdipNew(brush, b);
}

Status GdipGetSolidFillColor(GpSolidFill *brush, ARGB *color)
{
    return gdipGet(brush, color, [](const auto &o) { return o.color; });
}

Status GdipCreateHatchBrush(GpHatchStyle hatchStyle, ARGB foreColor,
                            ARGB backColor, GpHatch **brush)
{
    if (hatchStyle < HatchStyleMin || hatchStyle > HatchStyleMax)
        return InvalidParameter;
    auto *b = new GpHatch;
    b->style = hatchStyle;
    b->fore = foreColor;
    b->back = backColor;
    return gdipNew(brush, b);
}

Status GdipGetHatchStyle(GpHatch *brush, GpHatchStyle *hatchStyle)
{
    return gdipGet(brush, hatchStyle, [](const auto &o) { return o.style; });
}

Status GdipGetHatchForegroundColor(GpHatch *brush, ARGB *foreColor)
{
    return gdipGet(brush, foreColor, [](const auto &o) { return o.fore; });
}

Status GdipGetHatchBackgroundColor(GpHatch *brush, ARGB *backColor)
{
    return gdipGet(brush, backColor, [](const auto &o) { return o.back; });
}

Status GdipCreateTextureIA(GpImage *image,
                           const GpImageAttributes *imageAttributes, REAL x,
                           REAL y, REAL width, REAL height, GpTexture **texture)
{
    if (!image || !texture || image->image.isNull())
        return InvalidParameter;
    // The texture keeps the picture's own pixel format: the paint engine
    // reads any format, and converting a huge picture for a small fill
    // would cost what the picture declares, not what is drawn.
    const QImage &src = image->image;
    QRect part(int(std::floor(x)), int(std::floor(y)), int(std::lround(width)),
               int(std::lround(height)));
    if (width <= 0 || height <= 0)
        part = src.rect();
    if (!src.rect().contains(part))
        return OutOfMemory;
    auto *b = new GpTexture;
    b->image = part == src.rect() ? src : src.copy(part);
    if (imageAttributes) {
        b->image = imageAttributes->apply(b->image, ColorAdjustTypeBrush);
        b->wrap = imageAttributes->wrap;
    }
    return gdipNew(texture, b);
}

Status GdipCreateTextureIAI(GpImage *image,
                            const GpImageAttributes *imageAttributes, INT x,
                            INT y, INT width, INT height, GpTexture **texture)
{
    return GdipCreateTextureIA(image, imageAttributes, REAL(x), REAL(y),
                               REAL(width), REAL(height), texture);
}

Status GdipCreateTexture2(GpImage *image, GpWrapMode wrapMode, REAL x, REAL y,
                          REAL width, REAL height, GpTexture **texture)
{
    if (wrapMode < WrapModeTile || wrapMode > WrapModeClamp)
        return InvalidParameter;
    Status s = GdipCreateTextureIA(image, nullptr, x, y, width, height, texture);
    if (s == Ok)
        (*texture)->wrap = wrapMode;
    return s;
}

Status GdipCreateTexture2I(GpImage *image, GpWrapMode wrapMode, INT x, INT y,
                           INT width, INT height, GpTexture **texture)
{
    return GdipCreateTexture2(image, wrapMode, REAL(x), REAL(y), REAL(width),
                              REAL(height), texture);
}

Status GdipCreateTexture(GpImage *image, GpWrapMode wrapMode,
                         GpTexture **texture)
{
    return GdipCreateTexture2(image, wrapMode, 0, 0, 0, 0, texture);
}

Status GdipResetTextureTransform(GpTexture *brush)
{
    if (!brush)
        return InvalidParameter;
    brush->transform.reset();
    return Ok;
}

Status GdipTranslateTextureTransform(GpTexture *brush, REAL dx, REAL dy,
                                     GpMatrixOrder order)
{
    return onTextureMatrix(brush, [&](GpMatrix *m) { return GdipTranslateMatrix(m, dx, dy, order); });
}

Status GdipScaleTextureTransform(GpTexture *brush, REAL sx, REAL sy,
                                 GpMatrixOrder order)
{
    return onTextureMatrix(brush, [&](GpMatrix *m) { return GdipScaleMatrix(m, sx, sy, order); });
}

Status GdipRotateTextureTransform(GpTexture *brush, REAL angle,
                                  GpMatrixOrder order)
{
    return onTextureMatrix(brush, [&](GpMatrix *m) { return GdipRotateMatrix(m, angle, order); });
}

Status GdipSetTextureWrapMode(GpTexture *brush, GpWrapMode wrapMode)
{
    if (!brush || wrapMode < WrapModeTile || wrapMode > WrapModeClamp)
        return InvalidParameter;
    brush->wrap = wrapMode;
    return Ok;
}

Status GdipGetTextureWrapMode(GpTexture *brush, GpWrapMode *wrapMode)
{
    return gdipGet(brush, wrapMode, [](const auto &o) { return o.wrap; });
}

Status GdipGetTextureImage(GpTexture *brush, GpImage **image)
{
    if (!brush || !image)
        return InvalidParameter;
    auto *img = new GpBitmap;
    img->isBitmap = true;
    img->image = brush->image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    img->rawFormat = ImageFormatMemoryBMP;
    img->pixelFormat = PixelFormat32bppPARGB;
    *image = img;
    return Ok;
}

Status GdipCreateLineBrush(const GpPointF *point1, const GpPointF *point2,
                           ARGB color1, ARGB color2, GpWrapMode wrapMode,
                           GpLineGradient **lineGradient)
{
    if (!point1 || !point2 || !lineGradient || wrapMode == WrapModeClamp
        || wrapMode < WrapModeTile || wrapMode > WrapModeClamp)
        return InvalidParameter;
    if (point1->X == point2->X && point1->Y == point2->Y)
        return OutOfMemory;
    auto *b = new GpLineGradient;
    b->start = QPointF(point1->X, point1->Y);
    b->end = QPointF(point2->X, point2->Y);
    b->color1 = color1;
    b->color2 = color2;
    b->wrap = wrapMode;
    return gdipNew(lineGradient, b);
}

Status GdipCreateLineBrushI(const GpPoint *point1, const GpPoint *point2,
                            ARGB color1, ARGB color2, GpWrapMode wrapMode,
                            GpLineGradient **lineGradient)
{
    if (!point1 || !point2)
        return InvalidParameter;
    GpPointF a{REAL(point1->X), REAL(point1->Y)};
    GpPointF b{REAL(point2->X), REAL(point2->Y)};
    return GdipCreateLineBrush(&a, &b, color1, color2, wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRect(const GpRectF *rect, ARGB color1,
                                   ARGB color2, LinearGradientMode mode,
                                   GpWrapMode wrapMode,
                                   GpLineGradient **lineGradient)
{
    if (!rect || mode < LinearGradientModeHorizontal
        || mode > LinearGradientModeBackwardDiagonal)
        return InvalidParameter;
    bool scalable = false;
    const qreal angle = modeAngle(mode, scalable);
    return makeLine(QRectF(rect->X, rect->Y, rect->Width, rect->Height), color1,
                    color2, angle, scalable, wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectI(const GpRect *rect, ARGB color1,
                                    ARGB color2, LinearGradientMode mode,
                                    GpWrapMode wrapMode,
                                    GpLineGradient **lineGradient)
{
    if (!rect)
        return InvalidParameter;
    GpRectF r{REAL(rect->X), REAL(rect->Y), REAL(rect->Width),
              REAL(rect->Height)};
    return GdipCreateLineBrushFromRect(&r, color1, color2, mode, wrapMode,
                                       lineGradient);
}

Status GdipCreateLineBrushFromRectWithAngle(const GpRectF *rect, ARGB color1,
                                            ARGB color2, REAL angle,
                                            BOOL isAngleScalable,
                                            GpWrapMode wrapMode,
                                            GpLineGradient **lineGradient)
{
    if (!rect)
        return InvalidParameter;
    return makeLine(QRectF(rect->X, rect->Y, rect->Width, rect->Height), color1,
                    color2, angle, isAngleScalable != 0, wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectWithAngleI(const GpRect *rect, ARGB color1,
                                             ARGB color2, REAL angle,
                                             BOOL isAngleScalable,
                                             GpWrapMode wrapMode,
                                             GpLineGradient **lineGradient)
{
    if (!rect)
        return InvalidParameter;
    GpRectF r{REAL(rect->X), REAL(rect->Y), REAL(rect->Width),
              REAL(rect->Height)};
    return GdipCreateLineBrushFromRectWithAngle(&r, color1, color2, angle,
                                                isAngleScalable, wrapMode,
                                                lineGradient);
}

Status GdipSetLineGammaCorrection(GpLineGradient *brush, BOOL useGammaCorrection)
{
    if (!brush)
        return InvalidParameter;
    brush->gamma = useGammaCorrection != 0;
    return Ok;
}

Status GdipSetLinePresetBlend(GpLineGradient *brush, const ARGB *blend,
                              const REAL *positions, INT count)
{
    if (!brush)
        return InvalidParameter;
    return setBlend(brush->preset, blend, positions, count);
}

Status GdipCreatePathGradientFromPath(const GpPath *path,
                                      GpPathGradient **polyGradient)
{
    if (!path || !polyGradient)
        return InvalidParameter;
    if (path->path.elementCount() < 2)
        return OutOfMemory;
    auto *b = new GpPathGradient;
    b->path = path->path;
    b->center = centroid(path->path);
    return gdipNew(polyGradient, b);
}

Status GdipGetPathGradientCenterColor(GpPathGradient *brush, ARGB *colors)
{
    return gdipGet(brush, colors, [](const auto &o) { return o.centerColor; });
}

Status GdipSetPathGradientCenterColor(GpPathGradient *brush, ARGB colors)
{
    if (!brush)
        return InvalidParameter;
    brush->centerColor = colors;
    return Ok;
}

Status GdipGetPathGradientPointCount(GpPathGradient *brush, INT *count)
{
    return gdipGet(brush, count, [](const auto &o) { return o.path.elementCount(); });
}

Status GdipGetPathGradientSurroundColorCount(GpPathGradient *brush, INT *count)
{
    return gdipGet(brush, count, [](const auto &o) { return INT(o.surround.size()); });
}

Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient *brush,
                                                  ARGB *color, INT *count)
{
    if (!brush || !color || !count)
        return InvalidParameter;
    const INT have = INT(brush->surround.size());
    if (*count < have)
        return InsufficientBuffer;
    for (INT i = 0; i < have; ++i)
        color[i] = brush->surround[size_t(i)];
    *count = have;
    return Ok;
}

Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient *brush,
                                                  const ARGB *color, INT *count)
{
    if (!brush || !color || !count || *count <= 0
        || *count > brush->path.elementCount())
        return InvalidParameter;
    brush->surround.assign(color, color + *count);
    return Ok;
}

Status GdipGetPathGradientCenterPoint(GpPathGradient *brush, GpPointF *point)
{
    return gdipGet(brush, point, [](const auto &o) { return GpPointF{REAL(o.center.x()), REAL(o.center.y())}; });
}

Status GdipGetPathGradientCenterPointI(GpPathGradient *brush, GpPoint *point)
{
    if (!brush || !point)
        return InvalidParameter;
    *point = GpPoint{INT(std::lround(brush->center.x())),
                     INT(std::lround(brush->center.y()))};
    return Ok;
}

Status GdipSetPathGradientCenterPoint(GpPathGradient *brush,
                                      const GpPointF *point)
{
    if (!brush || !point)
        return InvalidParameter;
    brush->center = QPointF(point->X, point->Y);
    return Ok;
}

Status GdipSetPathGradientCenterPointI(GpPathGradient *brush,
                                       const GpPoint *point)
{
    if (!brush || !point)
        return InvalidParameter;
    brush->center = QPointF(point->X, point->Y);
    return Ok;
}

Status GdipSetPathGradientWrapMode(GpPathGradient *brush, GpWrapMode wrapMode)
{
    if (!brush || wrapMode < WrapModeTile || wrapMode > WrapModeClamp)
        return InvalidParameter;
    brush->wrap = wrapMode;
    return Ok;
}

Status GdipSetPathGradientGammaCorrection(GpPathGradient *brush,
                                          BOOL useGammaCorrection)
{
    if (!brush)
        return InvalidParameter;
    brush->gamma = useGammaCorrection != 0;
    return Ok;
}

Status GdipSetPathGradientPresetBlend(GpPathGradient *brush, const ARGB *blend,
                                      const REAL *positions, INT count)
{
    if (!brush)
        return InvalidParameter;
    return setBlend(brush->preset, blend, positions, count);
}
