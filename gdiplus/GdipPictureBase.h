#pragma once
// What the two picture classes share: the encoded bytes of one picture file
// (kept exactly as read), the empty flag, the size as last determined, and
// the decoded picture, made on first use and kept until the bytes change
// (drawing a kept decode is many times cheaper than decoding again; the
// stored form stays the unchanged file).

#include "ComponentStream.h"
#include "Graphic.h"
#include "Resources.h"
#include "SmGDIP.h"

#include <QByteArray>
#include <QSize>
#include <cstdint>
#include <memory>
#include <optional>

class TBitmap;

class TGdipPictureBase : public TGraphic, public IDefinesProperties {
public:
    TGdipPictureBase();
    ~TGdipPictureBase() override;

    bool Empty() const override { return empty_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The size follows the picture; these do nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void SaveToStream(TStream *Stream) override;
    void WriteData(TStream *Stream) override { SaveToStream(Stream); }
    // In a component stream the picture is its "Data" block (none when empty).
    void DefineProperties(TFiler *Filer) override;

    // Loads the program resource (raw data) of that name; a missing one
    // changes nothing.
    void LoadFromResourceName(HINSTANCE Instance, const QString &ResName);
    // A missing resource throws EResNotFound.
    void LoadFromResourceID(HINSTANCE Instance, int ResID);
    // "RES://name" loads a resource, "FILE://path" a file (scheme in any
    // case); anything else, or an empty rest, does nothing.
    void LoadFromURL(const QString &URL);
    // Decodes the picture and stores its size: false for an empty picture
    // or no data.
    bool GetImageSizes();
    // Takes the bytes of a picture file (RawFormat: ImageFormatPNG, ...)
    // with the picture they decode to, decoded beforehand: the picture is as
    // after loading and drawing the bytes, and they are neither read nor
    // decoded. The caller answers for the two being one picture.
    void LoadDecoded(const QByteArray &Bytes, const QImage &Decoded, const GUID &RawFormat);

    const QByteArray &Data() const { return data_; }

    TNotifyEvent OnClear;

protected:
    // The decoded picture, or none for an empty picture or no data. A
    // picture that cannot be decoded gives a wrapper without a handle.
    TGPImage *Decoded();
    // Takes the bytes as the picture's; a picture that declares more than
    // kMaxPicturePixels is refused: nothing is kept, the size is 0 x 0 and
    // the answer false.
    bool SetData(const QByteArray &bytes);
    // Reads the whole stream (from its start), or throws EStreamError; a
    // stream larger than any picture the decoder accepts throws EReadError.
    static QByteArray ReadWholeStream(TStream *Stream);
    static constexpr std::int64_t kMaxPictureBytes = std::int64_t(256) << 20;
    // The bytes of another picture-like source (bitmap, picture holder,
    // other graphic) as the source saves them; false for other classes.
    static bool SavedBytes(TPersistent *Source, bool anyGraphic, QByteArray &bytes);
    void FireClear();
    // Assign of both classes: none empties the picture; Same (Source as this
    // picture's class, or none) copies its bytes and the size it reports; a bitmap, a picture holder
    // or, with anyGraphic, any other graphic gives the bytes it saves; any
    // other source leaves the data and marks the picture empty.
    void AssignFrom(TPersistent *Source, TGdipPictureBase *Same, bool anyGraphic);
    // Draw of both classes: a BMP through a class-library bitmap, its
    // bottom-left colour transparent, stretched into Rect (stretchBitmap) or
    // at its own size; any other picture scaled into Rect.
    void DrawOnCanvas(TCanvas *ACanvas, const TRect &Rect, bool stretchBitmap);

    bool empty_ = true;
    int width_ = 0;
    int height_ = 0;

private:
    QByteArray data_;
    std::unique_ptr<TGPImage> decoded_;
    // A BMP as the class library draws it on a canvas, made on the first such draw.
    std::unique_ptr<TBitmap> canvasBitmap_;
    // The size the bytes' header tells, once read (the bytes do not change
    // under it; copies share it with their bytes).
    std::optional<QSize> headerSize_;
};
