#pragma once
// TSmGDIPPicture: the encoded picture of the fills, the splash screen and the
// picture container. Beyond TGpPicture it draws into a given graphics (a
// BMP with its colour key when Transparent), fills shapes with itself as a
// tiled texture, and reads sizes from file headers.

#include "Bitmap.h"
#include "GdipPictureBase.h"

class TSmGDIPPicture : public TGdipPictureBase {
public:
    TSmGDIPPicture() = default;

    void Assign(TPersistent *Source) override;
    void Draw(TCanvas *ACanvas, const TRect &Rect) override;
    void LoadFromFile(const QString &FileName) override;
    // A stream without bytes is ignored.
    void LoadFromStream(TStream *Stream) override;
    void ReadData(TStream *Stream) override;

    void GpDraw(TGPGraphics *Graphics, const TRect &Rect);
    // Does nothing while another GpDraw of this picture is running.
    void GpDraw(TGPGraphics *Graphics, const TGPRectF &Rect);
    void FillRect(TGPGraphics *Graphics, const TGPRectF &R);
    void FillPath(TGPGraphics *Graphics, TGPGraphicsPath *Path);
    // Size from the named file's header (by extension), without decoding;
    // 0 x 0 when the header gives none. Unreadable files throw EFOpenError,
    // except GIF files, which give 0 x 0.
    bool GetImageSizesFromFileName(const QString &FileName);

    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode Value) { transparentMode_ = Value; }
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor Value) { transparentColor_ = Value; }
    PixelFormat GetPixelFormat() const { return pixelFormat_; }
    int PixelDepth() const { return pixelDepth_; }
    bool HasAlpha() const { return hasAlpha_; }
    bool HasPalette() const { return hasPalette_; }

private:
    void Refresh(TGPImage *img);
    // The colour key of a transparent BMP.
    ARGB KeyColor(TGPImage *img);
    void DrawKeyed(TGPGraphics *Graphics, TGPImage *img, const TGPRectF &dest);

    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clWhite;
    PixelFormat pixelFormat_ = PixelFormatUndefined;
    int pixelDepth_ = 0;
    bool hasAlpha_ = false;
    bool hasPalette_ = false;
    bool drawing_ = false;
};
