#pragma once
#include "Canvas.h"
#include "Color.h"
#include "Graphic.h"

#include <QImage>
#include <QPainter>
#include <memory>

enum TPixelFormat { pf1bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap;

// The canvas of a bitmap: it begins drawing on the bitmap's image when first
// used and ends it before the image is read or resized.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap *Owner) : owner_(Owner) {}
    ~TBitmapCanvas() override;
    // Ends drawing so that the image can be read or changed.
    void Flush();

protected:
    void CreateHandle() override;
    const QImage *ReadableImage() override;
    bool IsMonochrome() const override;
    QImage *WritableImage() override;

private:
    TBitmap *owner_;
    std::unique_ptr<QPainter> own_;
};

// An off-screen raster picture with a canvas. New pixels are white.
// pf24bit (the default) is opaque; pf32bit keeps an alpha channel, which
// Draw honours (0 = fully transparent); pf1bit (Monochrome) holds only black
// and white: whatever is drawn on it becomes white where it is white and
// black elsewhere, and copies between it and colour canvases follow the
// monochrome rules of TCanvas::CopyRect. With Transparent set, pixels of the
// transparent colour are left out when the bitmap is drawn: in tmAuto the
// colour of the bottom-left pixel, in tmFixed TransparentColor.
// LoadFromStream decodes BMP, PNG, JPEG or GIF data (throws EInvalidGraphic
// for anything else); SaveToStream writes BMP at 96 dpi (pf24bit: 24-bit
// pixels; pf1bit: 1-bit with a black and white colour table) or PNG (pf32bit).
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int AWidth, int AHeight);
    ~TBitmap() override;

    TCanvas *Canvas() { return &canvas_; }

    void Draw(TCanvas *ACanvas, const TRect &Rect) override;
    bool Empty() const override { return image_.isNull() || image_.width() == 0 || image_.height() == 0; }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void SetWidth(int Value) override { SetSize(Value, Height()); }
    void SetHeight(int Value) override { SetSize(Width(), Value); }
    void SetSize(int AWidth, int AHeight);
    void LoadFromStream(TStream *Stream) override;
    void SaveToStream(TStream *Stream) override;

    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat Value);
    bool Monochrome() const { return format_ == pf1bit; }
    void SetMonochrome(bool Value) { SetPixelFormat(Value ? pf1bit : pf24bit); }
    // Turns the bitmap into a monochrome mask of itself: white where a pixel
    // has TransparentColor, black elsewhere.
    void Mask(TColor TransparentColor);
    // True once the bitmap has pixels (of any size): a freshly made bitmap
    // has none until it is sized, assigned or loaded.
    bool HandleAllocated() const { return !image_.isNull(); }
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode Value);
    // tmAuto: the bottom-left pixel's colour (clDefault when empty).
    TColor TransparentColor() const;
    // Setting a colour switches to tmFixed.
    void SetTransparentColor(TColor Value);

    // The pixels. The const form reads them while the canvas keeps drawing;
    // the other ends the canvas's drawing first (its pen position and clip
    // start afresh) so that the pixels may be changed through it.
    QImage &Image();
    const QImage &Image() const;
    // Replaces the pixels (converted to this bitmap's format) and fires OnChange.
    void SetImage(const QImage &Img);

    void Assign(TPersistent *Source) override;

private:
    friend class TBitmapCanvas;
    QImage::Format QtFormat() const;
    // Black and white only (monochrome bitmaps after drawing).
    void Threshold();

    QImage image_;
    TBitmapCanvas canvas_{this};
    TPixelFormat format_ = pf24bit;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
};

