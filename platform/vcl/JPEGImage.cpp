#include "JPEGImage.h"

#include "Canvas.h"
#include "Exceptions.h"
#include "ImageWriters.h"
#include "Stream.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace {

constexpr long long kMaxPixels = 64000000;

} // namespace

void TJPEGImage::SetImage(const QImage &Image)
{
    image_ = Image.convertToFormat(QImage::Format_RGB32);
    data_.clear();
    Changed(this);
}

void TJPEGImage::Compress()
{
    if (image_.isNull())
        return;
    data_ = EncodeJPEG(image_, CompressionQuality, ProgressiveEncoding);
    // What is drawn is what the data holds, artefacts included.
    QImage decoded;
    if (decoded.loadFromData(data_, "JPEG"))
        image_ = decoded.convertToFormat(QImage::Format_RGB32);
    Changed(this);
}

void TJPEGImage::Draw(TCanvas *ACanvas, const TRect &Rect)
{
    QPainter *p = ACanvas ? ACanvas->Handle() : nullptr;
    if (!p || image_.isNull())
        return;
    p->drawImage(QRect(Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top), image_);
}

void TJPEGImage::LoadFromStream(TStream *Stream)
{
    if (!Stream)
        return;
    QByteArray bytes = Stream->ReadAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "JPEG");
    const QSize size = reader.size();
    QImage img;
    if (!size.isValid() || static_cast<long long>(size.width()) * size.height() > kMaxPixels || !reader.read(&img))
        throw EInvalidGraphic(QStringLiteral("JPEG image is not valid"));
    image_ = img.convertToFormat(QImage::Format_RGB32);
    data_ = bytes;
    Changed(this);
}

void TJPEGImage::SaveToStream(TStream *Stream)
{
    if (Stream && !data_.isEmpty())
        Stream->WriteBytes(data_);
}

TGraphic *TJPEGImage::CreateCopy() const
{
    auto *copy = new TJPEGImage;
    copy->CompressionQuality = CompressionQuality;
    copy->ProgressiveEncoding = ProgressiveEncoding;
    copy->image_ = image_;
    copy->data_ = data_;
    return copy;
}
