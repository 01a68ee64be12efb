// TSmGDIPPicture.

#include "SmGDIPPicture.h"

#include "Canvas.h"
#include "Exceptions.h"
#include "ImageHeaderReader.h"
#include "Stream.h"

#include <QBuffer>
#include <QFile>

void TSmGDIPPicture::LoadFromFile(const QString &FileName)
{
    try {
        TFileStream file(FileName, fmOpenRead);
        const QByteArray bytes = ReadWholeStream(&file);
        if (bytes.isEmpty()) {
            empty_ = true;
            return;
        }
        empty_ = !SetData(bytes);
        FireClear();
        GetImageSizesFromFileName(FileName);
        Changed(this);
    } catch (const Exception &) {
        empty_ = true;
    }
}

void TSmGDIPPicture::LoadFromStream(TStream *Stream)
{
    if (!Stream || Stream->Size() == 0)
        return;
    empty_ = !SetData(ReadWholeStream(Stream));
    GetImageSizes();
    Changed(this);
}

void TSmGDIPPicture::ReadData(TStream *Stream)
{
    if (!Stream || Stream->Size() == 0)
        return;
    empty_ = !SetData(ReadWholeStream(Stream));
    GetImageSizes();
}

void TSmGDIPPicture::Assign(TPersistent *Source)
{
    AssignFrom(Source, dynamic_cast<TSmGDIPPicture *>(Source), true);
}

void TSmGDIPPicture::Draw(TCanvas *ACanvas, const TRect &Rect)
{
    DrawOnCanvas(ACanvas, Rect, false);
}

void TSmGDIPPicture::Refresh(TGPImage *img)
{
    hasAlpha_ = img->HasAlphaChannel();
    hasPalette_ = img->HasPalette();
    pixelDepth_ = int(img->GetPixelDepth());
    pixelFormat_ = img->GetPixelFormat();
    width_ = int(img->GetWidth());
    height_ = int(img->GetHeight());
}

ARGB TSmGDIPPicture::KeyColor(TGPImage *img)
{
    if (transparentMode_ == tmFixed)
        return ArgbFromColor(255, transparentColor_);
    // The kept decode is a bitmap: its bottom-left pixel is read from it.
    ARGB key = 0;
    GdipBitmapGetPixel(static_cast<GpBitmap *>(img->NativeImage()), 0, INT(img->GetHeight()) - 1, &key);
    return key;
}

void TSmGDIPPicture::DrawKeyed(TGPGraphics *Graphics, TGPImage *img, const TGPRectF &dest)
{
    const ARGB key = KeyColor(img);
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key, ColorAdjustTypeDefault);
    Graphics->DrawImage(img, dest, 0, 0, REAL(img->GetWidth()), REAL(img->GetHeight()),
                        UnitPixel, &attributes);
}

void TSmGDIPPicture::GpDraw(TGPGraphics *Graphics, const TRect &Rect)
{
    TGPImage *img = Decoded();
    if (!img || !Graphics)
        return;
    Refresh(img);
    if (img->GetFormat() == ifBMP && Transparent())
        DrawKeyed(Graphics, img,
                  MakeRectF(REAL(Rect.Left), REAL(Rect.Top), REAL(width_), REAL(height_)));
    else
        Graphics->DrawImage(img, REAL(Rect.Left), REAL(Rect.Top), REAL(Rect.Right - Rect.Left),
                            REAL(Rect.Bottom - Rect.Top));
}

void TSmGDIPPicture::GpDraw(TGPGraphics *Graphics, const TGPRectF &Rect)
{
    if (drawing_)
        return;
    TGPImage *img = Decoded();
    if (!img || !Graphics)
        return;
    drawing_ = true;
    Refresh(img);
    if (img->GetFormat() == ifBMP && Transparent())
        DrawKeyed(Graphics, img, Rect);
    else
        Graphics->DrawImage(img, REAL(RoundHalfEven(Rect.X)), REAL(RoundHalfEven(Rect.Y)),
                            REAL(RoundHalfEven(Rect.Width)), REAL(RoundHalfEven(Rect.Height)));
    drawing_ = false;
}

void TSmGDIPPicture::FillRect(TGPGraphics *Graphics, const TGPRectF &R)
{
    TGPImage *img = Decoded();
    if (!img || !Graphics)
        return;
    TGPTextureBrush brush(img, WrapModeTile);
    Graphics->FillRectangle(&brush, R);
}

void TSmGDIPPicture::FillPath(TGPGraphics *Graphics, TGPGraphicsPath *Path)
{
    TGPImage *img = Decoded();
    if (!img || !Graphics)
        return;
    TGPTextureBrush brush(img, WrapModeTile);
    Graphics->FillPath(&brush, Path);
}

bool TSmGDIPPicture::GetImageSizesFromFileName(const QString &FileName)
{
    if (Empty() || Data().isEmpty())
        return false;
    // Names without a reader give 0 x 0 and read no file.
    if (!HasHeaderReader(FileName)) {
        width_ = height_ = 0;
        return false;
    }
    const bool gif = FileName.toUpper().endsWith(QLatin1String(".GIF"));
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (gif) {
            width_ = height_ = 0;
            return false;
        }
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
    }
    ImageHeaderSize size;
    const bool found = ReadHeaderSizeByName(FileName, file.read(kMaxPictureBytes), size);
    width_ = size.Width;
    height_ = size.Height;
    return found;
}
