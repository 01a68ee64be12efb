#include "Bitmap.h"

#include "Exceptions.h"
#include "Stream.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cmath>

TBitmapCanvas::~TBitmapCanvas()
{
    Flush();
}

void TBitmapCanvas::Flush()
{
    if (own_) {
        Detach();
        own_->end();
        own_.reset();
        if (owner_->Monochrome())
            owner_->Threshold();
    }
}

bool TBitmapCanvas::IsMonochrome() const
{
    return owner_->Monochrome();
}

void TBitmapCanvas::CreateHandle()
{
    QImage &img = owner_->image_;
    if (img.isNull() || img.width() == 0 || img.height() == 0)
        return;
    own_ = std::make_unique<QPainter>(&img);
    Attach(own_.get(), TPoint(0, 0), Bounds(0, 0, img.width(), img.height()));
}

const QImage *TBitmapCanvas::ReadableImage()
{
    return &owner_->image_;
}

QImage *TBitmapCanvas::WritableImage()
{
    return &owner_->image_;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int AWidth, int AHeight)
{
    SetSize(AWidth, AHeight);
}

TBitmap::~TBitmap()
{
    canvas_.Flush();
}

QImage::Format TBitmap::QtFormat() const
{
    return format_ == pf32bit ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

void TBitmap::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == Width() && AHeight == Height() && !image_.isNull())
        return;
    canvas_.Flush();
    QImage next(AWidth, AHeight, QtFormat());
    next.fill(format_ == pf32bit ? QColor(0, 0, 0, 0) : QColor(Qt::white));
    if (!image_.isNull() && AWidth > 0 && AHeight > 0) {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = next;
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == format_)
        return;
    canvas_.Flush();
    format_ = Value;
    if (!image_.isNull())
        image_ = image_.convertToFormat(QtFormat());
    if (format_ == pf1bit)
        Threshold();
    Changed(this);
}

void TBitmap::Threshold()
{
    for (int y = 0; y < image_.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image_.scanLine(y));
        for (int x = 0; x < image_.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? 0xFFFFFFFFu : 0xFF000000u;
    }
}

void TBitmap::Mask(TColor TransparentColor)
{
    canvas_.Flush();
    const QRgb key = ToQColor(ColorToRGB(TransparentColor)).rgb() & 0xFFFFFF;
    if (format_ == pf32bit)
        image_ = image_.convertToFormat(QImage::Format_RGB32);
    format_ = pf1bit;
    for (int y = 0; y < image_.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image_.scanLine(y));
        for (int x = 0; x < image_.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u;
    }
    Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (Value == transparentMode_)
        return;
    transparentMode_ = Value;
    Changed(this);
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    const QImage &img = Image();
    if (img.isNull() || img.width() == 0 || img.height() == 0)
        return clDefault;
    return FromQColor(img.pixelColor(0, img.height() - 1));
}

void TBitmap::SetTransparentColor(TColor Value)
{
    transparentColor_ = Value;
    transparentMode_ = tmFixed;
    Changed(this);
}

QImage &TBitmap::Image()
{
    canvas_.Flush();
    return image_;
}

const QImage &TBitmap::Image() const
{
    return image_; // readable while the canvas draws on it
}

void TBitmap::SetImage(const QImage &Img)
{
    canvas_.Flush();
    image_ = Img.convertToFormat(QtFormat());
    if (format_ == pf1bit)
        Threshold();
    Changed(this);
}

void TBitmap::Draw(TCanvas *ACanvas, const TRect &Rect)
{
    if (!ACanvas || ACanvas == &canvas_ || Empty())
        return;
    QPainter *p = ACanvas->Handle();
    if (!p)
        return;
    const QImage &src = Image();
    const QRectF target = ToQRect(Rect);
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!Transparent()) {
        p->drawImage(target, src);
        p->restore();
        return;
    }
    // Keying costs per pixel: only the source pixels that can show (device and
    // clip, one pixel of margin) are keyed and drawn, at the places the whole
    // picture would put them.
    QRect part = src.rect();
    bool invertible = false;
    const QTransform toLogical = p->transform().inverted(&invertible);
    if (p->device() && invertible && target.width() > 0 && target.height() > 0) {
        QRectF visible = toLogical.mapRect(QRectF(0, 0, p->device()->width(), p->device()->height()));
        if (p->hasClipping())
            visible = visible.intersected(p->clipBoundingRect());
        const QRectF shown = target.intersected(visible);
        const qreal sx = src.width() / target.width(), sy = src.height() / target.height();
        part = shown.isEmpty() ? QRect()
                               : QRectF((shown.x() - target.x()) * sx, (shown.y() - target.y()) * sy,
                                        shown.width() * sx, shown.height() * sy)
                                     .toAlignedRect()
                                     .adjusted(-1, -1, 1, 1)
                                     .intersected(src.rect());
    }
    if (!part.isEmpty()) {
        const QRgb key = ToQColor(TransparentColor()).rgb() & 0xFFFFFF;
        const qreal kx = target.width() / src.width(), ky = target.height() / src.height();
        const QRectF into(target.x() + part.x() * kx, target.y() + part.y() * ky, part.width() * kx,
                          part.height() * ky);
        // Far more source pixels than device pixels: the nearest ones are taken
        // first, so that the work follows what is drawn.
        const QRectF onDevice = p->transform().mapRect(into);
        const int tw = std::min(part.width(), std::max(1, int(std::ceil(std::abs(onDevice.width())))));
        const int th = std::min(part.height(), std::max(1, int(std::ceil(std::abs(onDevice.height())))));
        const QImage view(src.constScanLine(part.y()) + part.x() * (src.depth() / 8), part.width(), part.height(),
                          src.bytesPerLine(), src.format());
        QImage keyed = (tw < part.width() || th < part.height()
                            ? view.scaled(tw, th, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                            : view)
                           .convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < keyed.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x)
                if ((line[x] & 0xFFFFFF) == key)
                    line[x] = 0;
        }
        p->drawImage(into, keyed);
    }
    p->restore();
}

void TBitmap::LoadFromStream(TStream *Stream)
{
    if (!Stream)
        return;
    QByteArray bytes = Stream->ReadAll();
    QImage img;
    if (bytes.isEmpty() || !img.loadFromData(bytes))
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    canvas_.Flush();
    format_ = img.hasAlphaChannel() ? pf32bit : pf24bit;
    image_ = img.convertToFormat(QtFormat());
    Changed(this);
}

void TBitmap::SaveToStream(TStream *Stream)
{
    if (!Stream)
        return;
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!Empty()) {
        QImage out = format_ == pf1bit ? Image().convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)
                                       : Image();
        // The screen's 96 dots per inch, as 3780 dots per metre.
        out.setDotsPerMeterX(3780);
        out.setDotsPerMeterY(3780);
        if (!out.save(&buf, format_ == pf32bit ? "PNG" : "BMP"))
            throw EInvalidGraphic(QStringLiteral("Bitmap image could not be encoded"));
    }
    Stream->WriteBytes(bytes);
}

void TBitmap::Assign(TPersistent *Source)
{
    if (!Source) {
        canvas_.Flush();
        image_ = QImage();
        Changed(this);
        return;
    }
    if (auto *src = dynamic_cast<TBitmap *>(Source)) {
        if (src == this)
            return;
        canvas_.Flush();
        format_ = src->format_;
        image_ = src->Image().copy();
        transparentMode_ = src->transparentMode_;
        transparentColor_ = src->transparentColor_;
        SetTransparent(src->Transparent());
        Changed(this);
        return;
    }
    if (auto *g = dynamic_cast<TGraphic *>(Source)) {
        canvas_.Flush();
        image_ = QImage();
        SetSize(g->Width(), g->Height());
        if (!Empty())
            g->Draw(&canvas_, Bounds(0, 0, Width(), Height()));
        canvas_.Flush();
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}
