#pragma once
#include "Graphic.h"

#include <QByteArray>
#include <QImage>

// A picture kept as JPEG data: made from an image by Compress (quality 1 to
// 100, baseline or progressive, 24-bit), or read from JPEG data. It draws its
// decoded pixels; the data is what it saves and what a clipboard takes.
class TJPEGImage : public TGraphic {
public:
    int CompressionQuality = 90;
    bool ProgressiveEncoding = false;

    // Takes the pixels to compress (alpha dropped); Compress encodes them.
    void SetImage(const QImage &Image);
    void Compress();
    const QByteArray &Data() const { return data_; }

    void Draw(TCanvas *ACanvas, const TRect &Rect) override;
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    // The size follows the data; setting it alone changes nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    // Reads JPEG data whole; anything else (or a picture that declares more
    // than 64 million pixels) raises EInvalidGraphic and keeps the picture.
    void LoadFromStream(TStream *Stream) override;
    void SaveToStream(TStream *Stream) override;
    TGraphic *CreateCopy() const override;

private:
    QImage image_;
    QByteArray data_;
};
