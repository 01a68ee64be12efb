#pragma once
// Value types, enumerations and handle types of the 2-D drawing services
// (the GDI+ flat interface) that the styled controls draw through. Ordinals
// are those of GDI+, so stored values and callers' constants keep meaning.

#include <cstddef>
#include <cstdint>

class QIODevice;
class QPainter;
class QImage;

using std::size_t;
using ARGB = uint32_t;
using REAL = float;
using INT = int32_t;
using UINT = uint32_t;
using BOOL = int32_t;
using WCHAR = char16_t;
using LANGID = uint16_t;
using PixelFormat = int32_t;

enum Status {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20
};
using GpStatus = Status;

enum FillMode { FillModeAlternate = 0, FillModeWinding = 1 };
using GpFillMode = FillMode;

enum Unit_ {
    UnitWorld = 0,
    UnitDisplay = 1,
    UnitPixel = 2,
    UnitPoint = 3,
    UnitInch = 4,
    UnitDocument = 5,
    UnitMillimeter = 6
};
using GpUnit = Unit_;

enum HatchStyle {
    HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal,
    HatchStyleBackwardDiagonal, HatchStyleCross, HatchStyleDiagonalCross,
    HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent,
    HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent,
    HatchStyle50Percent, HatchStyle60Percent, HatchStyle70Percent,
    HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent,
    HatchStyleLightDownwardDiagonal, HatchStyleLightUpwardDiagonal,
    HatchStyleDarkDownwardDiagonal, HatchStyleDarkUpwardDiagonal,
    HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal,
    HatchStyleLightVertical, HatchStyleLightHorizontal,
    HatchStyleNarrowVertical, HatchStyleNarrowHorizontal,
    HatchStyleDarkVertical, HatchStyleDarkHorizontal,
    HatchStyleDashedDownwardDiagonal, HatchStyleDashedUpwardDiagonal,
    HatchStyleDashedHorizontal, HatchStyleDashedVertical,
    HatchStyleSmallConfetti, HatchStyleLargeConfetti, HatchStyleZigZag,
    HatchStyleWave, HatchStyleDiagonalBrick, HatchStyleHorizontalBrick,
    HatchStyleWeave, HatchStylePlaid, HatchStyleDivot, HatchStyleDottedGrid,
    HatchStyleDottedDiamond, HatchStyleShingle, HatchStyleTrellis,
    HatchStyleSphere, HatchStyleSmallGrid, HatchStyleSmallCheckerBoard,
    HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond,
    HatchStyleSolidDiamond,
    HatchStyleTotal,
    HatchStyleLargeGrid = HatchStyleCross,
    HatchStyleMin = HatchStyleHorizontal,
    HatchStyleMax = HatchStyleTotal - 1
};
using GpHatchStyle = HatchStyle;

enum DashStyle {
    DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot,
    DashStyleDashDotDot, DashStyleCustom
};
using GpDashStyle = DashStyle;

enum LineCap {
    LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3,
    LineCapNoAnchor = 0x10, LineCapSquareAnchor = 0x11,
    LineCapRoundAnchor = 0x12, LineCapDiamondAnchor = 0x13,
    LineCapArrowAnchor = 0x14, LineCapCustom = 0xff
};
using GpLineCap = LineCap;

enum WrapMode {
    WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY,
    WrapModeClamp
};
using GpWrapMode = WrapMode;

enum LinearGradientMode {
    LinearGradientModeHorizontal, LinearGradientModeVertical,
    LinearGradientModeForwardDiagonal, LinearGradientModeBackwardDiagonal
};

enum CombineMode {
    CombineModeReplace, CombineModeIntersect, CombineModeUnion,
    CombineModeXor, CombineModeExclude, CombineModeComplement
};

enum MatrixOrder { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };
using GpMatrixOrder = MatrixOrder;

enum ColorMatrixFlags {
    ColorMatrixFlagsDefault = 0, ColorMatrixFlagsSkipGrays = 1,
    ColorMatrixFlagsAltGray = 2
};

enum ColorChannelFlags {
    ColorChannelFlagsC, ColorChannelFlagsM, ColorChannelFlagsY,
    ColorChannelFlagsK, ColorChannelFlagsLast
};

enum ColorAdjustType {
    ColorAdjustTypeDefault, ColorAdjustTypeBitmap, ColorAdjustTypeBrush,
    ColorAdjustTypePen, ColorAdjustTypeText, ColorAdjustTypeCount,
    ColorAdjustTypeAny
};

enum TextRenderingHint {
    TextRenderingHintSystemDefault, TextRenderingHintSingleBitPerPixelGridFit,
    TextRenderingHintSingleBitPerPixel, TextRenderingHintAntiAliasGridFit,
    TextRenderingHintAntiAlias, TextRenderingHintClearTypeGridFit
};

enum SmoothingMode {
    SmoothingModeInvalid = -1,
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4,
    SmoothingModeAntiAlias8x8 = 5
};

enum CompositingQuality {
    CompositingQualityInvalid = -1,
    CompositingQualityDefault, CompositingQualityHighSpeed,
    CompositingQualityHighQuality, CompositingQualityGammaCorrected,
    CompositingQualityAssumeLinear
};

enum StringAlignment {
    StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar
};

enum StringTrimming {
    StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord,
    StringTrimmingEllipsisCharacter, StringTrimmingEllipsisWord,
    StringTrimmingEllipsisPath
};

enum HotkeyPrefix { HotkeyPrefixNone, HotkeyPrefixShow, HotkeyPrefixHide };

enum StringFormatFlags {
    StringFormatFlagsDirectionRightToLeft = 0x0001,
    StringFormatFlagsDirectionVertical = 0x0002,
    StringFormatFlagsNoFitBlackBox = 0x0004,
    StringFormatFlagsDisplayFormatControl = 0x0020,
    StringFormatFlagsNoFontFallback = 0x0400,
    StringFormatFlagsMeasureTrailingSpaces = 0x0800,
    StringFormatFlagsNoWrap = 0x1000,
    StringFormatFlagsLineLimit = 0x2000,
    StringFormatFlagsNoClip = 0x4000
};

enum FlushIntention { FlushIntentionFlush = 0, FlushIntentionSync = 1 };

enum RotateFlipType {
    RotateNoneFlipNone = 0, Rotate90FlipNone = 1, Rotate180FlipNone = 2,
    Rotate270FlipNone = 3, RotateNoneFlipX = 4, Rotate90FlipX = 5,
    Rotate180FlipX = 6, Rotate270FlipX = 7,
    RotateNoneFlipY = Rotate180FlipX, Rotate90FlipY = Rotate270FlipX,
    Rotate180FlipY = RotateNoneFlipX, Rotate270FlipY = Rotate90FlipX,
    RotateNoneFlipXY = Rotate180FlipNone, Rotate90FlipXY = Rotate270FlipNone,
    Rotate180FlipXY = RotateNoneFlipNone, Rotate270FlipXY = Rotate90FlipNone
};

enum FontStyle {
    FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2,
    FontStyleBoldItalic = 3, FontStyleUnderline = 4, FontStyleStrikeout = 8
};

enum PenType {
    PenTypeSolidColor = 0, PenTypeHatchFill = 1, PenTypeTextureFill = 2,
    PenTypePathGradient = 3, PenTypeLinearGradient = 4, PenTypeUnknown = -1
};
using GpPenType = PenType;

enum BrushType {
    BrushTypeSolidColor = 0, BrushTypeHatchFill = 1, BrushTypeTextureFill = 2,
    BrushTypePathGradient = 3, BrushTypeLinearGradient = 4
};

// Pixel formats: bits 8-15 hold the depth, bit 16 marks a palette, bit 18 alpha.
enum : PixelFormat {
    PixelFormatUndefined = 0,
    PixelFormat1bppIndexed = 0x00030101,
    PixelFormat4bppIndexed = 0x00030402,
    PixelFormat8bppIndexed = 0x00030803,
    PixelFormat16bppGrayScale = 0x00101004,
    PixelFormat16bppRGB555 = 0x00021005,
    PixelFormat16bppRGB565 = 0x00021006,
    PixelFormat16bppARGB1555 = 0x00061007,
    PixelFormat24bppRGB = 0x00021808,
    PixelFormat32bppRGB = 0x00022009,
    PixelFormat32bppARGB = 0x0026200A,
    PixelFormat32bppPARGB = 0x000E200B,
    PixelFormat48bppRGB = 0x0010300C,
    PixelFormat64bppARGB = 0x0034400D,
    PixelFormat64bppPARGB = 0x001A400E
};

struct GpPointF { REAL X; REAL Y; };
struct GpPoint { INT X; INT Y; };
struct GpRectF { REAL X; REAL Y; REAL Width; REAL Height; };
struct GpRect { INT X; INT Y; INT Width; INT Height; };
struct GpSizeF { REAL Width; REAL Height; };

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
using CLSID = GUID;
bool operator==(const GUID &a, const GUID &b);
inline bool operator!=(const GUID &a, const GUID &b) { return !(a == b); }

// The published raw-format identifiers of decoded images.
extern const GUID ImageFormatUndefined;
extern const GUID ImageFormatMemoryBMP;
extern const GUID ImageFormatBMP;
extern const GUID ImageFormatEMF;
extern const GUID ImageFormatWMF;
extern const GUID ImageFormatJPEG;
extern const GUID ImageFormatPNG;
extern const GUID ImageFormatGIF;
extern const GUID ImageFormatTIFF;
extern const GUID ImageFormatEXIF;
extern const GUID ImageFormatIcon;

// Encoders for GdipSaveImageToFile / GdipSaveImageToStream.
extern const CLSID EncoderBMP;
extern const CLSID EncoderJPEG;
extern const CLSID EncoderGIF;
extern const CLSID EncoderTIFF;
extern const CLSID EncoderPNG;

// Save options; Quality (0..100) applies to JPEG, -1 keeps the encoder's own.
struct EncoderParameters { int Quality = -1; };

struct ColorMatrix { REAL m[5][5]; };
struct ColorMap { ARGB oldColor; ARGB newColor; };
struct ColorPalette {
    UINT Flags;
    UINT Count;
    ARGB *Entries;
};

// Abort callback of GdipDrawImageRectRect: answering true stops the drawing.
using DrawImageAbort = bool (*)(void *callbackData);

struct GpGraphics;
struct GpPen;
struct GpBrush;
struct GpSolidFill;
struct GpHatch;
struct GpTexture;
struct GpLineGradient;
struct GpPathGradient;
struct GpPath;
struct GpRegion;
struct GpMatrix;
struct GpFontFamily;
struct GpFontCollection;
struct GpFont;
struct GpStringFormat;
struct GpImage;
struct GpBitmap;
struct GpImageAttributes;

struct GdiplusStartupInput {
    UINT GdiplusVersion = 1;
    void *DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = 0;
    BOOL SuppressExternalCodecs = 0;
};
using NotificationHookProc = Status (*)(uintptr_t *token);
using NotificationUnhookProc = void (*)(uintptr_t token);
struct GdiplusStartupOutput {
    NotificationHookProc NotificationHook = nullptr;
    NotificationUnhookProc NotificationUnhook = nullptr;
};
