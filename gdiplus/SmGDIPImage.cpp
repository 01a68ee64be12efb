// Pictures, bitmaps and image attributes.

#include "SmGDIP.h"

namespace {
const WCHAR *wide(const QString &s)
{
    return reinterpret_cast<const WCHAR *>(s.utf16());
}
} // namespace

TGPImage::TGPImage(const QString &filename, bool useEmbeddedColorManagement)
{
    lastResult = useEmbeddedColorManagement
                     ? GdipLoadImageFromFileICM(wide(filename), &nativeImage)
                     : GdipLoadImageFromFile(wide(filename), &nativeImage);
}

TGPImage::TGPImage(QIODevice *stream, bool useEmbeddedColorManagement)
{
    lastResult = useEmbeddedColorManagement ? GdipLoadImageFromStreamICM(stream, &nativeImage)
                                            : GdipLoadImageFromStream(stream, &nativeImage);
}

TGPImage::TGPImage(GpImage *nativeImage_, Status status) : nativeImage(nativeImage_)
{
    lastResult = status;
}

TGPImage::~TGPImage()
{
    if (nativeImage)
        GdipDisposeImage(nativeImage);
}

TGPImageFormat TGPImage::GetFormat()
{
    GUID raw{};
    if (SetStatus(GdipGetImageRawFormat(nativeImage, &raw)) != Ok)
        return ifUndefined;
    static const struct {
        const GUID *id;
        TGPImageFormat format;
    } table[] = {{&ImageFormatMemoryBMP, ifMemoryBMP}, {&ImageFormatBMP, ifBMP},
                 {&ImageFormatEMF, ifEMF},             {&ImageFormatWMF, ifWMF},
                 {&ImageFormatJPEG, ifJPEG},           {&ImageFormatPNG, ifPNG},
                 {&ImageFormatGIF, ifGIF},             {&ImageFormatTIFF, ifTIFF},
                 {&ImageFormatEXIF, ifEXIF},           {&ImageFormatIcon, ifIcon}};
    for (const auto &entry : table)
        if (raw == *entry.id)
            return entry.format;
    return ifUndefined;
}

PixelFormat TGPImage::GetPixelFormat()
{
    PixelFormat f = PixelFormatUndefined;
    SetStatus(GdipGetImagePixelFormat(nativeImage, &f));
    return f;
}

UINT TGPImage::GetPixelDepth()
{
    return UINT((GetPixelFormat() >> 8) & 0xFF);
}

bool TGPImage::HasPalette()
{
    return (GetPixelFormat() & 0x00010000) != 0;
}

bool TGPImage::HasAlphaChannel()
{
    return (GetPixelFormat() & 0x00040000) != 0;
}

UINT TGPImage::GetWidth()
{
    UINT w = 0;
    if (SetStatus(GdipGetImageWidth(nativeImage, &w)) != Ok)
        return 0;
    return w;
}

UINT TGPImage::GetHeight()
{
    UINT h = 0;
    if (SetStatus(GdipGetImageHeight(nativeImage, &h)) != Ok)
        return 0;
    return h;
}

TGPImage *TGPImage::GetThumbnailImage(UINT thumbWidth, UINT thumbHeight,
                                      DrawImageAbort callback, void *callbackData)
{
    GpImage *thumb = nullptr;
    SetStatus(GdipGetImageThumbnail(nativeImage, thumbWidth, thumbHeight, &thumb, callback,
                                    callbackData));
    return new TGPImage(thumb, lastResult);
}

Status TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return SetStatus(GdipImageRotateFlip(nativeImage, rotateFlipType));
}

Status TGPImage::Save(const QString &filename, const CLSID &clsidEncoder,
                      const EncoderParameters *encoderParams)
{
    return SetStatus(GdipSaveImageToFile(nativeImage, wide(filename), &clsidEncoder, encoderParams));
}

Status TGPImage::Save(QIODevice *stream, const CLSID &clsidEncoder,
                      const EncoderParameters *encoderParams)
{
    return SetStatus(GdipSaveImageToStream(nativeImage, stream, &clsidEncoder, encoderParams));
}

Status TGPImage::SaveAdd(const EncoderParameters *encoderParams)
{
    return SetStatus(GdipSaveAdd(nativeImage, encoderParams));
}

Status TGPImage::SaveAdd(TGPImage *newImage, const EncoderParameters *encoderParams)
{
    if (!newImage)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipSaveAddImage(nativeImage, newImage->nativeImage, encoderParams));
}

TGPBitmap::TGPBitmap(QIODevice *stream, bool useEmbeddedColorManagement)
{
    GpBitmap *b = nullptr;
    lastResult = useEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM(stream, &b)
                                            : GdipCreateBitmapFromStream(stream, &b);
    nativeImage = b;
}

TGPBitmap::TGPBitmap(INT width, INT height, PixelFormat format)
{
    GpBitmap *b = nullptr;
    lastResult = GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &b);
    nativeImage = b;
}

TGPBitmap::TGPBitmap(GpBitmap *nativeBitmap)
{
    nativeImage = nativeBitmap;
}

TGPBitmap *TGPBitmap::FromStream(QIODevice *stream, bool useEmbeddedColorManagement)
{
    return new TGPBitmap(stream, useEmbeddedColorManagement);
}

Status TGPBitmap::GetPixel(INT x, INT y, ARGB &color)
{
    return SetStatus(GdipBitmapGetPixel(NativeBitmap(), x, y, &color));
}

Status TGPBitmap::SetPixel(INT x, INT y, ARGB color)
{
    return SetStatus(GdipBitmapSetPixel(NativeBitmap(), x, y, color));
}

Status TGPBitmap::GetHBITMAP(ARGB colorBackground, QImage &hbmReturn)
{
    return SetStatus(GdipCreateHBITMAPFromBitmap(NativeBitmap(), &hbmReturn, colorBackground));
}

TGPImageAttributes::TGPImageAttributes()
{
    lastResult = GdipCreateImageAttributes(&nativeImageAttr);
}

TGPImageAttributes::TGPImageAttributes(GpImageAttributes *imageAttr, Status status)
    : nativeImageAttr(imageAttr)
{
    lastResult = status;
}

TGPImageAttributes::~TGPImageAttributes()
{
    if (nativeImageAttr)
        GdipDisposeImageAttributes(nativeImageAttr);
}

TGPImageAttributes *TGPImageAttributes::Clone()
{
    GpImageAttributes *clone = nullptr;
    SetStatus(GdipCloneImageAttributes(nativeImageAttr, &clone));
    return new TGPImageAttributes(clone, lastResult);
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesToIdentity(nativeImageAttr, type));
}

Status TGPImageAttributes::Reset(ColorAdjustType type)
{
    return SetStatus(GdipResetImageAttributes(nativeImageAttr, type));
}

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix &colorMatrix, ColorMatrixFlags mode,
                                          ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, 1, &colorMatrix,
                                                       nullptr, mode));
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, 0, nullptr, nullptr,
                                                       ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetColorMatrices(const ColorMatrix &colorMatrix,
                                            const ColorMatrix *grayMatrix, ColorMatrixFlags mode,
                                            ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, 1, &colorMatrix,
                                                       grayMatrix, mode));
}

Status TGPImageAttributes::ClearColorMatrices(ColorAdjustType type)
{
    return ClearColorMatrix(type);
}

Status TGPImageAttributes::SetThreshold(REAL threshold, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, 1, threshold));
}

Status TGPImageAttributes::ClearThreshold(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, 0, 0.0f));
}

Status TGPImageAttributes::SetGamma(REAL gamma, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, 1, gamma));
}

Status TGPImageAttributes::ClearGamma(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, 0, 0.0f));
}

Status TGPImageAttributes::SetNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, 1));
}

Status TGPImageAttributes::ClearNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, 0));
}

Status TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type)
{
    return SetStatus(
        GdipSetImageAttributesColorKeys(nativeImageAttr, type, 1, colorLow, colorHigh));
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, 0, 0, 0));
}

Status TGPImageAttributes::SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type)
{
    return SetStatus(
        GdipSetImageAttributesOutputChannel(nativeImageAttr, type, 1, channelFlags));
}

Status TGPImageAttributes::ClearOutputChannel(ColorAdjustType type)
{
    return SetStatus(
        GdipSetImageAttributesOutputChannel(nativeImageAttr, type, 0, ColorChannelFlagsLast));
}

Status TGPImageAttributes::SetOutputChannelColorProfile(const QString &colorProfileFilename,
                                                        ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(
        nativeImageAttr, type, 1, wide(colorProfileFilename)));
}

Status TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType type)
{
    return SetStatus(
        GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type, 0, nullptr));
}

Status TGPImageAttributes::SetRemapTable(UINT mapSize, const ColorMap *map, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, 1, mapSize, map));
}

Status TGPImageAttributes::ClearRemapTable(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, 0, 0, nullptr));
}

Status TGPImageAttributes::SetBrushRemapTable(UINT mapSize, const ColorMap *map)
{
    return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}

Status TGPImageAttributes::ClearBrushRemapTable()
{
    return ClearRemapTable(ColorAdjustTypeBrush);
}

Status TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GdipSetImageAttributesWrapMode(nativeImageAttr, wrap, color, clamp));
}

Status TGPImageAttributes::GetAdjustedPalette(ColorPalette *colorPalette,
                                              ColorAdjustType colorAdjustType)
{
    return SetStatus(
        GdipGetImageAttributesAdjustedPalette(nativeImageAttr, colorPalette, colorAdjustType));
}
