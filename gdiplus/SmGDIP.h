#pragma once
// The drawing layer of the styled controls: thin owning wrappers over the
// flat drawing services, the colour rules, the shared shape filler and the
// text helpers. Every call forwards to one flat function with the wrapper's
// handle; failures come back as Status values, never as exceptions.
//
// Status convention: an operation returns its own call's status and
// remembers a failure as the wrapper's last status; GetLastStatus answers it
// and resets it to Ok. Constructors keep their creating call's status.
// Objects handed out by Clone, GetBrush, GetImage, GetThumbnailImage,
// FromImage and FromStream belong to the caller.

#include "GdipFlat.h"

#include "Color.h"
#include "Types.h"

#include <QString>
#include <cstddef>

class QIODevice;
class QPainter;
class TFont;

using TGPPointF = GpPointF;
using TGPPoint = GpPoint;
using TGPRectF = GpRectF;
using TGPRect = GpRect;

inline TGPPoint MakePoint(INT x, INT y) { return TGPPoint{x, y}; }
inline TGPPointF MakePointF(REAL x, REAL y) { return TGPPointF{x, y}; }
inline TGPRectF MakeRectF(REAL x, REAL y, REAL width, REAL height)
{
    return TGPRectF{x, y, width, height};
}

enum TGPImageFormat {
    ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF,
    ifTIFF, ifEXIF, ifIcon
};

enum TSmGradientType {
    gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal,
    gtBackwardDiagonal, gtAngle, gtHatch, gtPath, gtTexture, gtNone
};

// Start-up and shutdown of the drawing services; the unit starts them once
// before any control exists and shuts them down at process end.
void GdiplusUnitStartup();
void GdiplusUnitShutdown();

ARGB PackArgb(Byte alpha, Byte red, Byte green, Byte blue);
ARGB PackArgb(Byte red, Byte green, Byte blue);
// System colours are resolved first; clNone is not special (it gives
// white): callers test for it before converting.
ARGB ArgbFromColor(Byte alpha, TColor color);
ARGB OpaqueArgbFromColor(TColor color);
inline Byte ArgbRed(ARGB c) { return Byte((c >> 16) & 0xFF); }
inline Byte ArgbGreen(ARGB c) { return Byte((c >> 8) & 0xFF); }
inline Byte ArgbBlue(ARGB c) { return Byte(c & 0xFF); }

// A text length handed to the drawing services never runs past the text
// (a negative one means all of it).
inline INT ClampedTextLength(const QString &text, INT length)
{
    return (length < 0 || length > text.size()) ? INT(text.size()) : length;
}

// Root of the wrappers; instances live on the drawing services' heap.
class TGdiplusBase {
public:
    TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase &) = delete;
    TGdiplusBase &operator=(const TGdiplusBase &) = delete;
    virtual ~TGdiplusBase() = default;
    static void *operator new(size_t size);
    static void operator delete(void *ptr);

    Status GetLastStatus();

protected:
    // Remembers a failure; answers the status it was given.
    Status SetStatus(Status s)
    {
        if (s != Ok)
            lastResult = s;
        return s;
    }
    Status lastResult = Ok;
};

class TGPImage;
class TGPBitmap;
class TGPBrush;
class TGPGraphicsPath;
class TGPFontFamily;
class TGPFontCollection;
class TSmGDIPPicture;

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix();
    TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    TGPMatrix(const TGPRectF &rect, const TGPPointF *dstplg);
    TGPMatrix(const TGPRect &rect, const TGPPoint *dstplg);
    explicit TGPMatrix(GpMatrix *nativeMatrix);
    ~TGPMatrix() override;

    // A copy, or none when the clone call failed.
    TGPMatrix *Clone();
    Status GetElements(REAL *m);
    REAL OffsetX();
    REAL OffsetY();
    Status SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    Status Reset();
    Status Multiply(TGPMatrix *matrix, MatrixOrder order = MatrixOrderPrepend);
    Status Translate(REAL offsetX, REAL offsetY, MatrixOrder order = MatrixOrderPrepend);
    Status Scale(REAL scaleX, REAL scaleY, MatrixOrder order = MatrixOrderPrepend);
    Status Rotate(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    Status RotateAt(REAL angle, const TGPPointF &center,
                    MatrixOrder order = MatrixOrderPrepend);
    Status Shear(REAL shearX, REAL shearY, MatrixOrder order = MatrixOrderPrepend);
    Status Invert();
    Status TransformPoints(TGPPointF *pts, INT count = 1);
    Status TransformPoints(TGPPoint *pts, INT count = 1);
    Status TransformVectors(TGPPointF *pts, INT count = 1);
    Status TransformVectors(TGPPoint *pts, INT count = 1);
    bool IsInvertible();
    bool IsIdentity();
    GpMatrix *NativeMatrix() const { return nativeMatrix; }

private:
    GpMatrix *nativeMatrix = nullptr;
};

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(INT formatFlags = 0, LANGID language = 0);
    explicit TGPStringFormat(const TGPStringFormat *format);
    TGPStringFormat(GpStringFormat *clonedStringFormat, Status status);
    ~TGPStringFormat() override;

    Status SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    Status SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    Status SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    Status SetFormatFlags(INT flags);
    INT GetFormatFlags();
    Status SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();
    GpStringFormat *NativeFormat() const { return nativeFormat; }

private:
    GpStringFormat *nativeFormat = nullptr;
};

class TGPBrush : public TGdiplusBase {
public:
    // No brush: the last status is NotImplemented.
    TGPBrush();
    TGPBrush(GpBrush *nativeBrush, Status status);
    ~TGPBrush() override;
    GpBrush *NativeBrush() const { return nativeBrush; }

protected:
    friend class TGPPen;
    // Empty shells for the brush kinds; a pen hands them its brush.
    struct Shell {};
    explicit TGPBrush(Shell) {}
    void SetNativeBrush(GpBrush *brush) { nativeBrush = brush; }
    GpBrush *nativeBrush = nullptr;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
    TGPSolidBrush() : TGPBrush(Shell{}) {}
    Status GetColor(ARGB &color);
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
    TGPHatchBrush() : TGPBrush(Shell{}) {}
    HatchStyle GetHatchStyle();
    Status GetForegroundColor(ARGB &color);
    Status GetBackgroundColor(ARGB &color);
};

class TGPImageAttributes;

class TGPTextureBrush : public TGPBrush {
public:
    explicit TGPTextureBrush(TGPImage *image, WrapMode wrapMode = WrapModeTile);
    TGPTextureBrush(TGPImage *image, WrapMode wrapMode, const TGPRectF &dstRect);
    TGPTextureBrush(TGPImage *image, WrapMode wrapMode, const TGPRect &dstRect);
    TGPTextureBrush(TGPImage *image, WrapMode wrapMode, REAL dstX, REAL dstY,
                    REAL dstWidth, REAL dstHeight);
    TGPTextureBrush(TGPImage *image, WrapMode wrapMode, INT dstX, INT dstY,
                    INT dstWidth, INT dstHeight);
    TGPTextureBrush(TGPImage *image, const TGPRectF &dstRect,
                    TGPImageAttributes *imageAttributes = nullptr);
    TGPTextureBrush(TGPImage *image, const TGPRect &dstRect,
                    TGPImageAttributes *imageAttributes = nullptr);
    TGPTextureBrush() : TGPBrush(Shell{}) {}

    Status ResetTransform();
    Status TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    Status SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
    // A new picture wrapper holding the brush's picture.
    TGPImage *GetImage();
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(const TGPPointF &point1, const TGPPointF &point2,
                           ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPPoint &point1, const TGPPoint &point2,
                           ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF &rect, ARGB color1, ARGB color2,
                           LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect &rect, ARGB color1, ARGB color2,
                           LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF &rect, ARGB color1, ARGB color2,
                           REAL angle, bool isAngleScalable = false);
    TGPLinearGradientBrush(const TGPRect &rect, ARGB color1, ARGB color2,
                           REAL angle, bool isAngleScalable = false);
    TGPLinearGradientBrush() : TGPBrush(Shell{}) {}

    Status SetGammaCorrection(bool useGammaCorrection);
    // InvalidParameter without a call when count is 0 or less.
    Status SetInterpolationColors(const ARGB *presetColors,
                                  const REAL *blendPositions, INT count);
};

class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(TGPGraphicsPath *path);
    TGPPathGradientBrush() : TGPBrush(Shell{}) {}

    Status GetCenterColor(ARGB &color);
    Status SetCenterColor(ARGB color);
    INT GetPointCount();
    // count: room in colors on entry, colours fetched on return.
    Status GetSurroundColors(ARGB *colors, INT &count);
    // count: colours given on entry, colours taken on return.
    Status SetSurroundColors(const ARGB *colors, INT &count);
    Status GetCenterPoint(TGPPointF &point);
    Status GetCenterPoint(TGPPoint &point);
    Status SetCenterPoint(const TGPPointF &point);
    Status SetCenterPoint(const TGPPoint &point);
    Status SetWrapMode(WrapMode wrapMode);
    Status SetGammaCorrection(bool useGammaCorrection);
    Status SetInterpolationColors(const ARGB *presetColors,
                                  const REAL *blendPositions, INT count);
};

class TGPPen : public TGdiplusBase {
public:
    explicit TGPPen(ARGB color, REAL width = 1.0f);
    explicit TGPPen(TGPBrush *brush, REAL width = 1.0f);
    ~TGPPen() override;

    Status SetBrush(TGPBrush *brush);
    // A new wrapper of the kind of the pen's brush (solid, hatch, texture,
    // path or linear gradient), or none for another kind.
    TGPBrush *GetBrush();
    DashStyle GetDashStyle();
    Status SetDashStyle(DashStyle dashStyle);
    Status SetEndCap(LineCap endCap);
    PenType GetPenType();
    GpPen *NativePen() const { return nativePen; }

private:
    GpPen *nativePen = nullptr;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);
    explicit TGPGraphicsPath(GpPath *nativePath);
    ~TGPGraphicsPath() override;

    Status Reset();
    Status CloseFigure();
    Status AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
    Status AddLine(const TGPPointF &pt1, const TGPPointF &pt2);
    Status AddLines(const TGPPoint *points, INT count);
    Status AddRectangle(const TGPRectF &rect);
    Status AddRectangle(const TGPRect &rect);
    Status AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                  REAL sweepAngle);
    Status AddArc(const TGPRectF &rect, REAL startAngle, REAL sweepAngle);
    Status AddEllipse(REAL x, REAL y, REAL width, REAL height);
    Status AddEllipse(const TGPRectF &rect);
    Status AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                  REAL sweepAngle);
    Status AddPolygon(const TGPPointF *points, INT count);
    Status AddPolygon(const TGPPoint *points, INT count);
    Status AddCurve(const TGPPointF *points, INT count);
    Status AddCurve(const TGPPoint *points, INT count);
    Status AddCurve(const TGPPoint *points, INT count, REAL tension);
    Status AddBezier(const TGPPointF &pt1, const TGPPointF &pt2,
                     const TGPPointF &pt3, const TGPPointF &pt4);
    Status AddBezier(const TGPPoint &pt1, const TGPPoint &pt2,
                     const TGPPoint &pt3, const TGPPoint &pt4);
    Status AddString(const QString &text, INT length, const TGPFontFamily *family,
                     INT style, REAL emSize, const TGPRectF &layoutRect,
                     const TGPStringFormat *format);
    GpPath *NativePath() const { return nativePath; }

private:
    GpPath *nativePath = nullptr;
};

class TGPRegion : public TGdiplusBase {
public:
    explicit TGPRegion(const TGPRectF &rect);
    explicit TGPRegion(TGPGraphicsPath *path);
    ~TGPRegion() override;
    Status Exclude(TGPGraphicsPath *path);
    Status Union(TGPRegion *region);
    GpRegion *NativeRegion() const { return nativeRegion; }

private:
    GpRegion *nativeRegion = nullptr;
};

class TGPFontCollection : public TGdiplusBase {
public:
    TGPFontCollection() = default;
    GpFontCollection *NativeCollection() const { return nullptr; }
};

class TGPFontFamily : public TGdiplusBase {
public:
    explicit TGPFontFamily(const QString &name, TGPFontCollection *fontCollection = nullptr);
    TGPFontFamily(GpFontFamily *nativeOrig, Status status);
    ~TGPFontFamily() override;
    // The last status (the family's "Status" property).
    Status GetStatus() const { return lastResult; }
    // Process-wide families made on first use; never freed by callers.
    static TGPFontFamily *GenericSansSerif();
    static TGPFontFamily *GenericSerif();
    static TGPFontFamily *GenericMonospace();
    GpFontFamily *NativeFamily() const { return nativeFamily; }

private:
    GpFontFamily *nativeFamily = nullptr;
};

class TGPFont : public TGdiplusBase {
public:
    TGPFont(const TGPFontFamily *family, REAL emSize, INT style = FontStyleRegular,
            Unit_ unit = UnitPoint);
    // A family that cannot be made falls back to the generic sans serif.
    TGPFont(const QString &familyName, REAL emSize, INT style = FontStyleRegular,
            Unit_ unit = UnitPoint, TGPFontCollection *fontCollection = nullptr);
    TGPFont(GpFont *font, Status status);
    ~TGPFont() override;
    Status GetStatus() const { return lastResult; }
    GpFont *NativeFont() const { return nativeFont; }

private:
    GpFont *nativeFont = nullptr;
};

class TGPImage : public TGdiplusBase {
public:
    explicit TGPImage(const QString &filename, bool useEmbeddedColorManagement = false);
    explicit TGPImage(QIODevice *stream, bool useEmbeddedColorManagement = false);
    TGPImage(GpImage *nativeImage, Status status);
    ~TGPImage() override;

    TGPImageFormat GetFormat();
    PixelFormat GetPixelFormat();
    UINT GetPixelDepth();
    bool HasPalette();
    bool HasAlphaChannel();
    // 0 when the picture has no size (a failed decode).
    UINT GetWidth();
    UINT GetHeight();
    UINT Width() { return GetWidth(); }
    UINT Height() { return GetHeight(); }
    TGPImage *GetThumbnailImage(UINT thumbWidth, UINT thumbHeight,
                                DrawImageAbort callback = nullptr,
                                void *callbackData = nullptr);
    Status RotateFlip(RotateFlipType rotateFlipType);
    Status Save(const QString &filename, const CLSID &clsidEncoder,
                const EncoderParameters *encoderParams = nullptr);
    Status Save(QIODevice *stream, const CLSID &clsidEncoder,
                const EncoderParameters *encoderParams = nullptr);
    Status SaveAdd(const EncoderParameters *encoderParams);
    Status SaveAdd(TGPImage *newImage, const EncoderParameters *encoderParams);
    GpImage *NativeImage() const { return nativeImage; }

protected:
    TGPImage() = default;
    void SetNativeImage(GpImage *image) { nativeImage = image; }
    GpImage *nativeImage = nullptr;
};

class TGPBitmap : public TGPImage {
public:
    explicit TGPBitmap(QIODevice *stream, bool useEmbeddedColorManagement = false);
    TGPBitmap(INT width, INT height, PixelFormat format = PixelFormat32bppARGB);
    explicit TGPBitmap(GpBitmap *nativeBitmap);
    static TGPBitmap *FromStream(QIODevice *stream, bool useEmbeddedColorManagement = false);

    Status GetPixel(INT x, INT y, ARGB &color);
    Status SetPixel(INT x, INT y, ARGB color);
    // The bitmap over the background colour, as an opaque picture.
    Status GetHBITMAP(ARGB colorBackground, QImage &hbmReturn);
    GpBitmap *NativeBitmap() const { return static_cast<GpBitmap *>(nativeImage); }
};

class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();
    TGPImageAttributes(GpImageAttributes *imageAttr, Status status);
    ~TGPImageAttributes() override;

    TGPImageAttributes *Clone();
    Status SetToIdentity(ColorAdjustType type = ColorAdjustTypeDefault);
    Status Reset(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorMatrix(const ColorMatrix &colorMatrix,
                          ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                          ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorMatrix(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorMatrices(const ColorMatrix &colorMatrix, const ColorMatrix *grayMatrix,
                            ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                            ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorMatrices(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetThreshold(REAL threshold, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearThreshold(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetGamma(REAL gamma, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearGamma(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorKey(ARGB colorLow, ARGB colorHigh,
                       ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorKey(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetOutputChannel(ColorChannelFlags channelFlags,
                            ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearOutputChannel(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetOutputChannelColorProfile(const QString &colorProfileFilename,
                                        ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearOutputChannelColorProfile(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetRemapTable(UINT mapSize, const ColorMap *map,
                         ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearRemapTable(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetBrushRemapTable(UINT mapSize, const ColorMap *map);
    Status ClearBrushRemapTable();
    Status SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, bool clamp = false);
    Status GetAdjustedPalette(ColorPalette *colorPalette, ColorAdjustType colorAdjustType);
    GpImageAttributes *NativeAttributes() const { return nativeImageAttr; }

private:
    GpImageAttributes *nativeImageAttr = nullptr;
};

class TGPGraphics : public TGdiplusBase {
public:
    // Draws through the painter of a canvas (its device context).
    explicit TGPGraphics(QPainter *hdc);
    // Draws into the picture; no picture gives no handle and status Ok.
    explicit TGPGraphics(TGPImage *image);
    static TGPGraphics *FromImage(TGPImage *image);
    ~TGPGraphics() override;

    void Flush(FlushIntention intention = FlushIntentionFlush);
    Status Clear(ARGB color);
    Status SetTransform(TGPMatrix *matrix);
    Status ResetTransform();
    QPainter *GetHDC();
    void ReleaseHDC(QPainter *hdc);
    Status SetCompositingQuality(CompositingQuality compositingQuality);
    CompositingQuality GetCompositingQuality();
    Status SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    Status SetSmoothingMode(SmoothingMode smoothingMode);
    // -1 (SmoothingModeInvalid) when the mode cannot be read.
    SmoothingMode GetSmoothingMode();

    Status DrawPath(TGPPen *pen, TGPGraphicsPath *path);
    Status FillRectangle(TGPBrush *brush, const TGPRectF &rect);
    Status FillRectangle(TGPBrush *brush, REAL x, REAL y, REAL width, REAL height);
    Status DrawRectangle(TGPPen *pen, const TGPRectF &rect);
    Status DrawRectangle(TGPPen *pen, REAL x, REAL y, REAL width, REAL height);
    Status DrawLine(TGPPen *pen, REAL x1, REAL y1, REAL x2, REAL y2);
    Status DrawLine(TGPPen *pen, const TGPPointF &pt1, const TGPPointF &pt2);
    Status DrawArc(TGPPen *pen, REAL x, REAL y, REAL width, REAL height,
                   REAL startAngle, REAL sweepAngle);
    Status DrawArc(TGPPen *pen, const TGPRectF &rect, REAL startAngle, REAL sweepAngle);
    Status DrawEllipse(TGPPen *pen, const TGPRectF &rect);
    Status DrawEllipse(TGPPen *pen, REAL x, REAL y, REAL width, REAL height);
    Status DrawEllipse(TGPPen *pen, INT x, INT y, INT width, INT height);
    Status FillEllipse(TGPBrush *brush, const TGPRectF &rect);
    Status FillEllipse(TGPBrush *brush, REAL x, REAL y, REAL width, REAL height);
    Status FillEllipse(TGPBrush *brush, INT x, INT y, INT width, INT height);
    Status FillPolygon(TGPBrush *brush, const TGPPointF *points, INT count,
                       FillMode fillMode = FillModeAlternate);
    Status FillPolygon(TGPBrush *brush, const TGPPoint *points, INT count,
                       FillMode fillMode = FillModeAlternate);
    Status FillPath(TGPBrush *brush, TGPGraphicsPath *path);
    Status DrawImage(TGPImage *image, INT x, INT y);
    Status DrawImage(TGPImage *image, const TGPRectF &rect);
    Status DrawImage(TGPImage *image, REAL x, REAL y, REAL width, REAL height);
    Status DrawImage(TGPImage *image, const TGPRectF &destRect, REAL srcx, REAL srcy,
                     REAL srcwidth, REAL srcheight, Unit_ srcUnit,
                     TGPImageAttributes *imageAttributes = nullptr,
                     DrawImageAbort callback = nullptr, void *callbackData = nullptr);
    Status DrawImageRect(TGPImage *image, INT x, INT y, INT w, INT h);
    Status DrawImageRect(TGPImage *image, const TGPRectF &rect);

    // A length below 0 or beyond the text means the whole text.
    Status DrawString(const QString &text, INT length, const TGPFont *font,
                      const TGPRectF &layoutRect, const TGPStringFormat *stringFormat,
                      const TGPBrush *brush);
    Status DrawString(const QString &text, INT length, const TGPFont *font,
                      const TGPPointF &origin, const TGPBrush *brush);
    Status DrawString(const QString &text, INT length, const TGPFont *font,
                      const TGPPointF &origin, const TGPStringFormat *stringFormat,
                      const TGPBrush *brush);
    Status MeasureString(const QString &text, INT length, const TGPFont *font,
                         const TGPRectF &layoutRect, const TGPStringFormat *stringFormat,
                         TGPRectF &boundingBox, INT *codepointsFitted = nullptr,
                         INT *linesFilled = nullptr);
    Status MeasureString(const QString &text, INT length, const TGPFont *font,
                         const TGPPointF &origin, const TGPStringFormat *stringFormat,
                         TGPRectF &boundingBox);
    Status MeasureString(const QString &text, INT length, const TGPFont *font,
                         const TGPRectF &layoutRect, TGPRectF &boundingBox);

    Status ExcludeClip(const TGPRectF &rect);
    Status ExcludeClip(TGPRegion *region);
    Status SetClip(TGPRegion *region, CombineMode combineMode = CombineModeReplace);
    Status SetClip(TGPGraphicsPath *path, CombineMode combineMode = CombineModeReplace);
    Status ResetClip();

    // Text helpers with a class-library font.
    TGPFont *MakeFont(TFont *AFont);
    int TextWidth(const QString &text, TFont *font);
    int TextHeight(const QString &text, TFont *font);
    // Flag DT_CALCRECT (0x400) only measures: rect is updated, nothing drawn.
    int DrawText(const QString &text, int len, TRect &rect, TFont *font,
                 UINT style, TColor bkColor);

    GpGraphics *NativeGraphics() const { return nativeGraphics; }

private:
    GpGraphics *nativeGraphics = nullptr;
};

// One whole fill description for DrawShapeFill.
struct ShapeFillParams {
    TGPGraphics *Graphics = nullptr;
    TGPGraphicsPath *Path = nullptr;
    bool UsePath = false;
    TGPRectF Rect{};
    TSmGradientType Kind = gtSolid;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    Byte Opacity = 255;
    Byte OpacityTo = 255;
    HatchStyle Hatch = HatchStyleHorizontal;
    INT Angle = 0;
    TSmGDIPPicture *Picture = nullptr;
    TColor BorderColor = clNone;
    INT BorderWidth = 0;
    DashStyle BorderStyle = DashStyleSolid;
    bool Mirror = false;
};

// Fills the path or rectangle by Kind and outlines it when BorderColor is
// not clNone; every brush and pen it makes is freed before it returns.
void DrawShapeFill(ShapeFillParams p);
