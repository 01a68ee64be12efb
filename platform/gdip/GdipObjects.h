#pragma once
// The objects behind the flat handles. Callers hold them only as handles
// and work on them through the flat functions; the definitions are public
// so that a derived handle converts to its base (a GpSolidFill to a GpBrush).

#include "GdipTypes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QTransform>
#include <array>
#include <memory>
#include <vector>

struct GpMatrix {
    QTransform m;
};

struct GpStringFormat {
    INT flags = 0;
    LANGID language = 0;
    StringAlignment align = StringAlignmentNear;
    StringAlignment lineAlign = StringAlignmentNear;
    StringTrimming trimming = StringTrimmingCharacter;
    INT hotkeyPrefix = HotkeyPrefixNone;
};

// Colour stops as GDI+ takes them: positions 0..1 in ascending order.
struct GpBlend {
    std::vector<ARGB> colors;
    std::vector<REAL> positions;
};

struct GpBrush {
    explicit GpBrush(BrushType t) : type(t) {}
    virtual ~GpBrush() = default;
    virtual GpBrush *clone() const = 0;
    BrushType type;
};

struct GpSolidFill : GpBrush {
    GpSolidFill() : GpBrush(BrushTypeSolidColor) {}
    GpBrush *clone() const override { return new GpSolidFill(*this); }
    ARGB color = 0;
};

struct GpHatch : GpBrush {
    GpHatch() : GpBrush(BrushTypeHatchFill) {}
    GpBrush *clone() const override { return new GpHatch(*this); }
    HatchStyle style = HatchStyleHorizontal;
    ARGB fore = 0;
    ARGB back = 0;
};

struct GpTexture : GpBrush {
    GpTexture() : GpBrush(BrushTypeTextureFill) {}
    GpBrush *clone() const override { return new GpTexture(*this); }
    QImage image;           // premultiplied, attributes already applied
    WrapMode wrap = WrapModeTile;
    QTransform transform;
};

struct GpLineGradient : GpBrush {
    GpLineGradient() : GpBrush(BrushTypeLinearGradient) {}
    GpBrush *clone() const override { return new GpLineGradient(*this); }
    QPointF start;          // where the blend is at position 0
    QPointF end;            // where it is at position 1
    ARGB color1 = 0;
    ARGB color2 = 0;
    WrapMode wrap = WrapModeTile;
    bool gamma = false;
    GpBlend preset;
};

struct GpPathGradient : GpBrush {
    GpPathGradient() : GpBrush(BrushTypePathGradient) {}
    GpBrush *clone() const override { return new GpPathGradient(*this); }
    QPainterPath path;
    QPointF center;
    ARGB centerColor = 0xFFFFFFFF;
    std::vector<ARGB> surround{0xFFFFFFFF};
    WrapMode wrap = WrapModeClamp;
    bool gamma = false;
    GpBlend preset;
};

struct GpPen {
    ~GpPen() { delete brush; }
    GpBrush *brush = nullptr;   // owned
    REAL width = 1;
    GpUnit unit = UnitWorld;
    DashStyle dash = DashStyleSolid;
    LineCap startCap = LineCapFlat;
    LineCap endCap = LineCapFlat;
};

// A path keeps its figures as one QPainterPath; `open` tells whether the
// next added line or arc continues the last figure.
struct GpPath {
    QPainterPath path;
    bool open = false;
};

struct GpRegion {
    bool infinite = false;
    QPainterPath path;
};

struct GpFontFamily {
    QString name;       // family as installed
};

struct GpFontCollection {};

struct GpFont {
    QString family;
    REAL emSize = 0;
    INT style = 0;
    Unit_ unit = UnitPoint;
};

struct GpImage {
    virtual ~GpImage() = default;
    QImage image;           // the pixels, in the format the decoder gave
    GUID rawFormat{};
    PixelFormat pixelFormat = PixelFormatUndefined;
    bool isBitmap = false;
    int painters = 0;       // graphics objects drawing into it
    // The pixels as premultiplied ARGB for drawing (converted on demand).
    const QImage &drawable();
    QImage &writable();
};

struct GpBitmap : GpImage {};

struct GpColorAdjust {
    bool noOp = false;
    bool matrixOn = false;
    ColorMatrix matrix{};
    ColorMatrix gray{};
    bool hasGray = false;
    ColorMatrixFlags matrixFlags = ColorMatrixFlagsDefault;
    bool thresholdOn = false;
    REAL threshold = 0;
    bool gammaOn = false;
    REAL gamma = 1;
    bool keyOn = false;
    ARGB keyLow = 0;
    ARGB keyHigh = 0;
    bool channelOn = false;
    ColorChannelFlags channel = ColorChannelFlagsLast;
    bool profileOn = false;
    QString profile;
    bool remapOn = false;
    std::vector<ColorMap> remap;
    bool any() const
    {
        return noOp || matrixOn || thresholdOn || gammaOn || keyOn || channelOn
               || remapOn;
    }
};

struct GpImageAttributes {
    std::array<GpColorAdjust, ColorAdjustTypeCount> adjust;
    WrapMode wrap = WrapModeClamp;
    ARGB wrapColor = 0;
    // The settings that apply to pictures of the given kind.
    const GpColorAdjust &effective(ColorAdjustType type) const;
    ARGB apply(ARGB c, const GpColorAdjust &a) const;
    QImage apply(const QImage &premultiplied, ColorAdjustType type) const;
};

struct GpGraphics {
    QPainter *painter = nullptr;
    bool ownsPainter = false;
    GpImage *image = nullptr;
    QTransform base;        // the painter's transform when we were made
    QTransform world;
    bool clipped = false;
    QPainterPath clip;      // in device coordinates (world applied)
    SmoothingMode smoothing = SmoothingModeDefault;
    TextRenderingHint textHint = TextRenderingHintSystemDefault;
    CompositingQuality compositing = CompositingQualityDefault;
    ~GpGraphics();
};
