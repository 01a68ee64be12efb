#include "ImageList.h"

#include "Canvas.h"
#include "Exceptions.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>

TCustomImageList::TCustomImageList(TComponent *AOwner) : TComponent(AOwner) {}

void TCustomImageList::SetWidth(int Value)
{
    Value = std::max(Value, 1);
    if (Value == width_)
        return;
    width_ = Value;
    images_.clear();
    Change();
}

void TCustomImageList::SetHeight(int Value)
{
    Value = std::max(Value, 1);
    if (Value == height_)
        return;
    height_ = Value;
    images_.clear();
    Change();
}

int TCustomImageList::Add(const QImage &Image)
{
    const int first = Count();
    const int count = std::max(1, Image.width() / width_);
    for (int i = 0; i < count; ++i) {
        QImage fitted(width_, height_, QImage::Format_ARGB32_Premultiplied);
        fitted.fill(Qt::transparent);
        {
            QPainter p(&fitted);
            p.drawImage(0, 0, Image, i * width_, 0, width_, height_);
        }
        images_.push_back(fitted);
    }
    Change();
    return first;
}

int TCustomImageList::AddMasked(const QImage &Image, TColor MaskColor)
{
    QImage masked = Image.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = qRgb(MaskColor & 0xFF, (MaskColor >> 8) & 0xFF, (MaskColor >> 16) & 0xFF);
    for (int y = 0; y < masked.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (mask & 0xFFFFFF))
                line[x] = 0;
    }
    return Add(masked);
}

namespace {
constexpr quint32 kImageListMagic = 0x54514C31; // "TQL1"
} // namespace

QByteArray TCustomImageList::SaveToBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kImageListMagic << qint32(width_) << qint32(height_) << qint32(images_.size());
    for (const QImage &image : images_) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        out << png;
    }
    return bytes;
}

bool TCustomImageList::LoadFromBytes(const QByteArray &Bytes)
{
    images_.clear();
    QDataStream in(Bytes);
    quint32 magic = 0;
    qint32 w = 0, h = 0, count = 0;
    in >> magic >> w >> h >> count;
    if (in.status() != QDataStream::Ok || magic != kImageListMagic || w < 1 || h < 1 || count < 0 ||
        count > Bytes.size()) {
        Change();
        return false;
    }
    width_ = w;
    height_ = h;
    std::vector<QImage> images;
    for (qint32 i = 0; i < count; ++i) {
        QByteArray png;
        in >> png;
        QImage image;
        if (in.status() != QDataStream::Ok || !image.loadFromData(png, "PNG") || image.width() != w ||
            image.height() != h) {
            Change();
            return false;
        }
        images.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    images_ = std::move(images);
    Change();
    return true;
}

void TCustomImageList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        ThrowListIndexError(Index);
    images_.erase(images_.begin() + Index);
    Change();
}

void TCustomImageList::Clear()
{
    if (images_.empty())
        return;
    images_.clear();
    Change();
}

QImage TCustomImageList::Image(int Index) const
{
    if (Index < 0 || Index >= Count())
        ThrowListIndexError(Index);
    return images_[static_cast<size_t>(Index)];
}

void TCustomImageList::Draw(TCanvas *Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (Index < 0 || Index >= Count() || !Canvas)
        return;
    QPainter *p = Canvas->Handle();
    if (!p)
        return;
    const QImage &img = images_[static_cast<size_t>(Index)];
    if (Enabled) {
        p->drawImage(X, Y, img);
        return;
    }
    // Greyed: each pixel's grey level, lightened, keeping its transparency.
    QImage grey = img.copy();
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb c = qUnpremultiply(line[x]);
            const int g = 128 + qGray(c) / 2;
            line[x] = qPremultiply(qRgba(g, g, g, qAlpha(c)));
        }
    }
    p->drawImage(X, Y, grey);
}

void TCustomImageList::Change()
{
    if (OnChange)
        OnChange(this);
}
