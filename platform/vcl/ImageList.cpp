#include "ImageList.h"

#include "Canvas.h"
#include "Exceptions.h"

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
    QImage fitted(width_, height_, QImage::Format_ARGB32_Premultiplied);
    fitted.fill(Qt::transparent);
    {
        QPainter p(&fitted);
        p.drawImage(0, 0, Image);
    }
    images_.push_back(fitted);
    Change();
    return Count() - 1;
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
