#pragma once
// The flat drawing interface: every object is an opaque handle, every call
// answers a Status and never throws. Drawing runs on QPainter with GDI+'s
// geometry: pixel centres at integer coordinates, flat line caps, miter
// joins, angles clockwise in degrees.

#include "GdipObjects.h"
#include "GdipTypes.h"

class QString;

// Start-up, shutdown and the object heap. GdipAlloc answers nullptr while
// the services are not started.
Status GdiplusStartup(uintptr_t *token, const GdiplusStartupInput *input,
                      GdiplusStartupOutput *output);
void GdiplusShutdown(uintptr_t token);
void *GdipAlloc(size_t size);
void GdipFree(void *ptr);

// Matrices
Status GdipCreateMatrix(GpMatrix **matrix);
Status GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx,
                         REAL dy, GpMatrix **matrix);
Status GdipCreateMatrix3(const GpRectF *rect, const GpPointF *dstplg,
                         GpMatrix **matrix);
Status GdipCreateMatrix3I(const GpRect *rect, const GpPoint *dstplg,
                          GpMatrix **matrix);
Status GdipCloneMatrix(GpMatrix *matrix, GpMatrix **cloneMatrix);
Status GdipDeleteMatrix(GpMatrix *matrix);
Status GdipSetMatrixElements(GpMatrix *matrix, REAL m11, REAL m12, REAL m21,
                             REAL m22, REAL dx, REAL dy);
Status GdipGetMatrixElements(const GpMatrix *matrix, REAL *matrixOut);
Status GdipMultiplyMatrix(GpMatrix *matrix, GpMatrix *matrix2,
                          MatrixOrder order);
Status GdipTranslateMatrix(GpMatrix *matrix, REAL offsetX, REAL offsetY,
                           MatrixOrder order);
Status GdipScaleMatrix(GpMatrix *matrix, REAL scaleX, REAL scaleY,
                       MatrixOrder order);
Status GdipRotateMatrix(GpMatrix *matrix, REAL angle, MatrixOrder order);
Status GdipShearMatrix(GpMatrix *matrix, REAL shearX, REAL shearY,
                       MatrixOrder order);
Status GdipInvertMatrix(GpMatrix *matrix);
Status GdipTransformMatrixPoints(GpMatrix *matrix, GpPointF *pts, INT count);
Status GdipTransformMatrixPointsI(GpMatrix *matrix, GpPoint *pts, INT count);
Status GdipVectorTransformMatrixPoints(GpMatrix *matrix, GpPointF *pts,
                                       INT count);
Status GdipVectorTransformMatrixPointsI(GpMatrix *matrix, GpPoint *pts,
                                        INT count);
Status GdipIsMatrixInvertible(const GpMatrix *matrix, BOOL *result);
Status GdipIsMatrixIdentity(const GpMatrix *matrix, BOOL *result);

// String formats
Status GdipCreateStringFormat(INT formatAttributes, LANGID language,
                              GpStringFormat **format);
Status GdipCloneStringFormat(const GpStringFormat *format,
                             GpStringFormat **newFormat);
Status GdipDeleteStringFormat(GpStringFormat *format);
Status GdipSetStringFormatAlign(GpStringFormat *format, StringAlignment align);
Status GdipGetStringFormatAlign(const GpStringFormat *format,
                                StringAlignment *align);
Status GdipSetStringFormatLineAlign(GpStringFormat *format,
                                    StringAlignment align);
Status GdipGetStringFormatLineAlign(const GpStringFormat *format,
                                    StringAlignment *align);
Status GdipSetStringFormatTrimming(GpStringFormat *format,
                                   StringTrimming trimming);
Status GdipGetStringFormatTrimming(const GpStringFormat *format,
                                   StringTrimming *trimming);
Status GdipSetStringFormatFlags(GpStringFormat *format, INT flags);
Status GdipGetStringFormatFlags(const GpStringFormat *format, INT *flags);
Status GdipSetStringFormatHotkeyPrefix(GpStringFormat *format,
                                       INT hotkeyPrefix);
Status GdipGetStringFormatHotkeyPrefix(const GpStringFormat *format,
                                       INT *hotkeyPrefix);

// Pens
Status GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen **pen);
Status GdipCreatePen2(GpBrush *brush, REAL width, GpUnit unit, GpPen **pen);
Status GdipDeletePen(GpPen *pen);
Status GdipSetPenBrushFill(GpPen *pen, GpBrush *brush);
Status GdipGetPenBrushFill(GpPen *pen, GpBrush **brush);
Status GdipGetPenFillType(GpPen *pen, GpPenType *type);
Status GdipSetPenDashStyle(GpPen *pen, GpDashStyle dashStyle);
Status GdipGetPenDashStyle(GpPen *pen, GpDashStyle *dashStyle);
Status GdipSetPenEndCap(GpPen *pen, GpLineCap endCap);
Status GdipSetPenStartCap(GpPen *pen, GpLineCap startCap);

// Brushes
Status GdipDeleteBrush(GpBrush *brush);
Status GdipGetBrushType(GpBrush *brush, BrushType *type);
Status GdipCreateSolidFill(ARGB color, GpSolidFill **brush);
Status GdipGetSolidFillColor(GpSolidFill *brush, ARGB *color);
Status GdipCreateHatchBrush(GpHatchStyle hatchStyle, ARGB foreColor,
                            ARGB backColor, GpHatch **brush);
Status GdipGetHatchStyle(GpHatch *brush, GpHatchStyle *hatchStyle);
Status GdipGetHatchForegroundColor(GpHatch *brush, ARGB *foreColor);
Status GdipGetHatchBackgroundColor(GpHatch *brush, ARGB *backColor);
Status GdipCreateTexture(GpImage *image, GpWrapMode wrapMode,
                         GpTexture **texture);
Status GdipCreateTexture2(GpImage *image, GpWrapMode wrapMode, REAL x, REAL y,
                          REAL width, REAL height, GpTexture **texture);
Status GdipCreateTexture2I(GpImage *image, GpWrapMode wrapMode, INT x, INT y,
                           INT width, INT height, GpTexture **texture);
Status GdipCreateTextureIA(GpImage *image,
                           const GpImageAttributes *imageAttributes, REAL x,
                           REAL y, REAL width, REAL height,
                           GpTexture **texture);
Status GdipCreateTextureIAI(GpImage *image,
                            const GpImageAttributes *imageAttributes, INT x,
                            INT y, INT width, INT height, GpTexture **texture);
Status GdipResetTextureTransform(GpTexture *brush);
Status GdipTranslateTextureTransform(GpTexture *brush, REAL dx, REAL dy,
                                     GpMatrixOrder order);
Status GdipScaleTextureTransform(GpTexture *brush, REAL sx, REAL sy,
                                 GpMatrixOrder order);
Status GdipRotateTextureTransform(GpTexture *brush, REAL angle,
                                  GpMatrixOrder order);
Status GdipSetTextureWrapMode(GpTexture *brush, GpWrapMode wrapMode);
Status GdipGetTextureWrapMode(GpTexture *brush, GpWrapMode *wrapMode);
Status GdipGetTextureImage(GpTexture *brush, GpImage **image);
Status GdipCreateLineBrush(const GpPointF *point1, const GpPointF *point2,
                           ARGB color1, ARGB color2, GpWrapMode wrapMode,
                           GpLineGradient **lineGradient);
Status GdipCreateLineBrushI(const GpPoint *point1, const GpPoint *point2,
                            ARGB color1, ARGB color2, GpWrapMode wrapMode,
                            GpLineGradient **lineGradient);
Status GdipCreateLineBrushFromRect(const GpRectF *rect, ARGB color1,
                                   ARGB color2, LinearGradientMode mode,
                                   GpWrapMode wrapMode,
                                   GpLineGradient **lineGradient);
Status GdipCreateLineBrushFromRectI(const GpRect *rect, ARGB color1,
                                    ARGB color2, LinearGradientMode mode,
                                    GpWrapMode wrapMode,
                                    GpLineGradient **lineGradient);
Status GdipCreateLineBrushFromRectWithAngle(const GpRectF *rect, ARGB color1,
                                            ARGB color2, REAL angle,
                                            BOOL isAngleScalable,
                                            GpWrapMode wrapMode,
                                            GpLineGradient **lineGradient);
Status GdipCreateLineBrushFromRectWithAngleI(const GpRect *rect, ARGB color1,
                                             ARGB color2, REAL angle,
                                             BOOL isAngleScalable,
                                             GpWrapMode wrapMode,
                                             GpLineGradient **lineGradient);
Status GdipSetLineGammaCorrection(GpLineGradient *brush, BOOL useGammaCorrection);
Status GdipSetLinePresetBlend(GpLineGradient *brush, const ARGB *blend,
                              const REAL *positions, INT count);
Status GdipCreatePathGradientFromPath(const GpPath *path,
                                      GpPathGradient **polyGradient);
Status GdipGetPathGradientCenterColor(GpPathGradient *brush, ARGB *colors);
Status GdipSetPathGradientCenterColor(GpPathGradient *brush, ARGB colors);
Status GdipGetPathGradientPointCount(GpPathGradient *brush, INT *count);
Status GdipGetPathGradientSurroundColorCount(GpPathGradient *brush, INT *count);
Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient *brush,
                                                  ARGB *color, INT *count);
Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient *brush,
                                                  const ARGB *color, INT *count);
Status GdipGetPathGradientCenterPoint(GpPathGradient *brush, GpPointF *point);
Status GdipGetPathGradientCenterPointI(GpPathGradient *brush, GpPoint *point);
Status GdipSetPathGradientCenterPoint(GpPathGradient *brush,
                                      const GpPointF *point);
Status GdipSetPathGradientCenterPointI(GpPathGradient *brush,
                                       const GpPoint *point);
Status GdipSetPathGradientWrapMode(GpPathGradient *brush, GpWrapMode wrapMode);
Status GdipSetPathGradientGammaCorrection(GpPathGradient *brush,
                                          BOOL useGammaCorrection);
Status GdipSetPathGradientPresetBlend(GpPathGradient *brush, const ARGB *blend,
                                      const REAL *positions, INT count);

// Graphics. A graphics made from a painter draws through it and leaves the
// painter's own state as it found it after every call.
Status GdipCreateFromHDC(QPainter *hdc, GpGraphics **graphics);
Status GdipGetImageGraphicsContext(GpImage *image, GpGraphics **graphics);
Status GdipDeleteGraphics(GpGraphics *graphics);
Status GdipFlush(GpGraphics *graphics, FlushIntention intention);
Status GdipGraphicsClear(GpGraphics *graphics, ARGB color);
Status GdipSetWorldTransform(GpGraphics *graphics, GpMatrix *matrix);
Status GdipResetWorldTransform(GpGraphics *graphics);
Status GdipGetDC(GpGraphics *graphics, QPainter **hdc);
Status GdipReleaseDC(GpGraphics *graphics, QPainter *hdc);
Status GdipSetCompositingQuality(GpGraphics *graphics,
                                 CompositingQuality compositingQuality);
Status GdipGetCompositingQuality(GpGraphics *graphics,
                                 CompositingQuality *compositingQuality);
Status GdipSetTextRenderingHint(GpGraphics *graphics, TextRenderingHint mode);
Status GdipGetTextRenderingHint(GpGraphics *graphics, TextRenderingHint *mode);
Status GdipSetSmoothingMode(GpGraphics *graphics, SmoothingMode smoothingMode);
Status GdipGetSmoothingMode(GpGraphics *graphics, SmoothingMode *smoothingMode);
Status GdipDrawPath(GpGraphics *graphics, GpPen *pen, GpPath *path);
Status GdipFillPath(GpGraphics *graphics, GpBrush *brush, GpPath *path);
Status GdipFillRectangle(GpGraphics *graphics, GpBrush *brush, REAL x, REAL y,
                         REAL width, REAL height);
Status GdipDrawRectangle(GpGraphics *graphics, GpPen *pen, REAL x, REAL y,
                         REAL width, REAL height);
Status GdipDrawLine(GpGraphics *graphics, GpPen *pen, REAL x1, REAL y1,
                    REAL x2, REAL y2);
Status GdipDrawArc(GpGraphics *graphics, GpPen *pen, REAL x, REAL y,
                   REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipDrawEllipse(GpGraphics *graphics, GpPen *pen, REAL x, REAL y,
                       REAL width, REAL height);
Status GdipDrawEllipseI(GpGraphics *graphics, GpPen *pen, INT x, INT y,
                        INT width, INT height);
Status GdipFillEllipse(GpGraphics *graphics, GpBrush *brush, REAL x, REAL y,
                       REAL width, REAL height);
Status GdipFillEllipseI(GpGraphics *graphics, GpBrush *brush, INT x, INT y,
                        INT width, INT height);
Status GdipFillPolygon(GpGraphics *graphics, GpBrush *brush,
                       const GpPointF *points, INT count, GpFillMode fillMode);
Status GdipFillPolygonI(GpGraphics *graphics, GpBrush *brush,
                        const GpPoint *points, INT count, GpFillMode fillMode);
Status GdipDrawImageI(GpGraphics *graphics, GpImage *image, INT x, INT y);
Status GdipDrawImageRect(GpGraphics *graphics, GpImage *image, REAL x, REAL y,
                         REAL width, REAL height);
Status GdipDrawImageRectRect(GpGraphics *graphics, GpImage *image, REAL dstx,
                             REAL dsty, REAL dstwidth, REAL dstheight,
                             REAL srcx, REAL srcy, REAL srcwidth,
                             REAL srcheight, GpUnit srcUnit,
                             const GpImageAttributes *imageAttributes,
                             DrawImageAbort callback, void *callbackData);
Status GdipDrawString(GpGraphics *graphics, const WCHAR *string, INT length,
                      const GpFont *font, const GpRectF *layoutRect,
                      const GpStringFormat *stringFormat,
                      const GpBrush *brush);
Status GdipMeasureString(GpGraphics *graphics, const WCHAR *string,
                         INT length, const GpFont *font,
                         const GpRectF *layoutRect,
                         const GpStringFormat *stringFormat,
                         GpRectF *boundingBox, INT *codepointsFitted,
                         INT *linesFilled);
Status GdipSetClipRect(GpGraphics *graphics, REAL x, REAL y, REAL width,
                       REAL height, CombineMode combineMode);
Status GdipSetClipRegion(GpGraphics *graphics, GpRegion *region,
                         CombineMode combineMode);
Status GdipSetClipPath(GpGraphics *graphics, GpPath *path,
                       CombineMode combineMode);
Status GdipResetClip(GpGraphics *graphics);

// Regions
Status GdipCreateRegionRect(const GpRectF *rect, GpRegion **region);
Status GdipCreateRegionPath(GpPath *path, GpRegion **region);
Status GdipDeleteRegion(GpRegion *region);
Status GdipCombineRegionPath(GpRegion *region, GpPath *path,
                             CombineMode combineMode);
Status GdipCombineRegionRegion(GpRegion *region, GpRegion *region2,
                               CombineMode combineMode);
Status GdipIsVisibleRegionPoint(GpRegion *region, REAL x, REAL y,
                                GpGraphics *graphics, BOOL *result);

// Font families, fonts. A family name is looked up through the resolver
// that the caller installs (answering the installed family, or an empty
// name for an unknown one); without one, among the installed families and
// QFont's substitutions.
using GdipFamilyResolver = QString (*)(const QString &name);
void GdipSetFamilyResolver(GdipFamilyResolver resolver);
Status GdipCreateFontFamilyFromName(const WCHAR *name,
                                    GpFontCollection *fontCollection,
                                    GpFontFamily **fontFamily);
Status GdipDeleteFontFamily(GpFontFamily *fontFamily);
Status GdipGetFamilyName(const GpFontFamily *family, WCHAR *name,
                         INT nameLength, LANGID language);
Status GdipGetGenericFontFamilySansSerif(GpFontFamily **nativeFamily);
Status GdipGetGenericFontFamilySerif(GpFontFamily **nativeFamily);
Status GdipGetGenericFontFamilyMonospace(GpFontFamily **nativeFamily);
Status GdipCreateFont(const GpFontFamily *fontFamily, REAL emSize, INT style,
                      INT unit, GpFont **font);
Status GdipDeleteFont(GpFont *font);
Status GdipGetFontSize(GpFont *font, REAL *size);

// Paths
Status GdipCreatePath(GpFillMode brushMode, GpPath **path);
Status GdipDeletePath(GpPath *path);
Status GdipResetPath(GpPath *path);
Status GdipGetPointCount(GpPath *path, INT *count);
Status GdipGetPathWorldBounds(GpPath *path, GpRectF *bounds,
                              const GpMatrix *matrix, const GpPen *pen);
Status GdipClosePathFigure(GpPath *path);
Status GdipAddPathLine(GpPath *path, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipAddPathLine2I(GpPath *path, const GpPoint *points, INT count);
Status GdipAddPathRectangle(GpPath *path, REAL x, REAL y, REAL width,
                            REAL height);
Status GdipAddPathRectangleI(GpPath *path, INT x, INT y, INT width,
                             INT height);
Status GdipAddPathArc(GpPath *path, REAL x, REAL y, REAL width, REAL height,
                      REAL startAngle, REAL sweepAngle);
Status GdipAddPathEllipse(GpPath *path, REAL x, REAL y, REAL width,
                          REAL height);
Status GdipAddPathPie(GpPath *path, REAL x, REAL y, REAL width, REAL height,
                      REAL startAngle, REAL sweepAngle);
Status GdipAddPathPolygon(GpPath *path, const GpPointF *points, INT count);
Status GdipAddPathPolygonI(GpPath *path, const GpPoint *points, INT count);
Status GdipAddPathCurve(GpPath *path, const GpPointF *points, INT count);
Status GdipAddPathCurveI(GpPath *path, const GpPoint *points, INT count);
Status GdipAddPathCurve2I(GpPath *path, const GpPoint *points, INT count,
                          REAL tension);
Status GdipAddPathBezier(GpPath *path, REAL x1, REAL y1, REAL x2, REAL y2,
                         REAL x3, REAL y3, REAL x4, REAL y4);
Status GdipAddPathString(GpPath *path, const WCHAR *string, INT length,
                         const GpFontFamily *family, INT style, REAL emSize,
                         const GpRectF *layoutRect,
                         const GpStringFormat *format);

// Images and bitmaps. Streams are read from their current position to
// their end; the stream is used during the call only. A decoded raster
// picture is a bitmap (the bitmap calls take it). Pictures that declare more
// than kMaxPicturePixels are refused with OutOfMemory before anything is
// decoded.
constexpr long long kMaxPicturePixels = 64000000;
// Pixels that the picture's header declares (0 when it tells none); reads
// only the header.
long long DeclaredPicturePixels(QIODevice *stream);
Status GdipLoadImageFromFile(const WCHAR *filename, GpImage **image);
Status GdipLoadImageFromFileICM(const WCHAR *filename, GpImage **image);
Status GdipLoadImageFromStream(QIODevice *stream, GpImage **image);
Status GdipLoadImageFromStreamICM(QIODevice *stream, GpImage **image);
// The picture a stream of that raw format (ImageFormatPNG, ...) decoded to,
// decoded beforehand: the image as the stream loaders would have made it,
// sharing the pixels.
Status GdipLoadImageFromDecoded(const QImage &decoded, const GUID &rawFormat, GpImage **image);
Status GdipDisposeImage(GpImage *image);
Status GdipGetImageRawFormat(GpImage *image, GUID *format);
Status GdipGetImagePixelFormat(GpImage *image, PixelFormat *format);
Status GdipGetImageWidth(GpImage *image, UINT *width);
Status GdipGetImageHeight(GpImage *image, UINT *height);
Status GdipGetImageThumbnail(GpImage *image, UINT thumbWidth,
                             UINT thumbHeight, GpImage **thumbImage,
                             DrawImageAbort callback, void *callbackData);
Status GdipImageRotateFlip(GpImage *image, RotateFlipType rfType);
Status GdipSaveImageToFile(GpImage *image, const WCHAR *filename,
                           const CLSID *clsidEncoder,
                           const EncoderParameters *encoderParams);
Status GdipSaveImageToStream(GpImage *image, QIODevice *stream,
                             const CLSID *clsidEncoder,
                             const EncoderParameters *encoderParams);
Status GdipSaveAdd(GpImage *image, const EncoderParameters *encoderParams);
Status GdipSaveAddImage(GpImage *image, GpImage *newImage,
                        const EncoderParameters *encoderParams);
Status GdipCreateBitmapFromStream(QIODevice *stream, GpBitmap **bitmap);
Status GdipCreateBitmapFromStreamICM(QIODevice *stream, GpBitmap **bitmap);
Status GdipCreateBitmapFromScan0(INT width, INT height, INT stride,
                                 PixelFormat format, uint8_t *scan0,
                                 GpBitmap **bitmap);
Status GdipBitmapGetPixel(GpBitmap *bitmap, INT x, INT y, ARGB *color);
Status GdipBitmapSetPixel(GpBitmap *bitmap, INT x, INT y, ARGB color);
// Renders the bitmap over the background colour into *hbmReturn: opaque
// for an opaque background, premultiplied ARGB otherwise.
Status GdipCreateHBITMAPFromBitmap(GpBitmap *bitmap, QImage *hbmReturn,
                                   ARGB background);

// Image attributes
Status GdipCreateImageAttributes(GpImageAttributes **imageattr);
Status GdipCloneImageAttributes(const GpImageAttributes *imageattr,
                                GpImageAttributes **cloneImageattr);
Status GdipDisposeImageAttributes(GpImageAttributes *imageattr);
Status GdipSetImageAttributesToIdentity(GpImageAttributes *imageattr,
                                        ColorAdjustType type);
Status GdipResetImageAttributes(GpImageAttributes *imageattr,
                                ColorAdjustType type);
Status GdipSetImageAttributesColorMatrix(GpImageAttributes *imageattr,
                                         ColorAdjustType type,
                                         BOOL enableFlag,
                                         const ColorMatrix *colorMatrix,
                                         const ColorMatrix *grayMatrix,
                                         ColorMatrixFlags flags);
Status GdipSetImageAttributesThreshold(GpImageAttributes *imageattr,
                                       ColorAdjustType type, BOOL enableFlag,
                                       REAL threshold);
Status GdipSetImageAttributesGamma(GpImageAttributes *imageattr,
                                   ColorAdjustType type, BOOL enableFlag,
                                   REAL gamma);
Status GdipSetImageAttributesNoOp(GpImageAttributes *imageattr,
                                  ColorAdjustType type, BOOL enableFlag);
Status GdipSetImageAttributesColorKeys(GpImageAttributes *imageattr,
                                       ColorAdjustType type, BOOL enableFlag,
                                       ARGB colorLow, ARGB colorHigh);
Status GdipSetImageAttributesOutputChannel(GpImageAttributes *imageattr,
                                           ColorAdjustType type,
                                           BOOL enableFlag,
                                           ColorChannelFlags channelFlags);
Status GdipSetImageAttributesOutputChannelColorProfile(
    GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
    const WCHAR *colorProfileFilename);
Status GdipSetImageAttributesRemapTable(GpImageAttributes *imageattr,
                                        ColorAdjustType type, BOOL enableFlag,
                                        UINT mapSize, const ColorMap *map);
Status GdipSetImageAttributesWrapMode(GpImageAttributes *imageattr,
                                      WrapMode wrap, ARGB argb, BOOL clamp);
Status GdipGetImageAttributesAdjustedPalette(GpImageAttributes *imageattr,
                                             ColorPalette *colorPalette,
                                             ColorAdjustType colorAdjustType);
