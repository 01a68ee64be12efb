#include "Metafile.h"

#include "EmfPaintDevice.h"
#include "Exceptions.h"
#include "Stream.h"

#include <QPainter>
#include <algorithm>

namespace {

// Plays Picture at the painter's origin in the painter's own units. Qt plays
// a picture scaled by the device's resolution over the resolution it was
// recorded at (the screen's), which on a printer would enlarge the drawing by
// its dpi over the screen's: that scale is taken back here.
void PlayPicture(QPainter *Painter, const QPicture &Picture)
{
    const QPaintDevice *device = Painter->device();
    Painter->save();
    if (device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0)
        Painter->scale(double(Picture.logicalDpiX()) / device->logicalDpiX(),
                       double(Picture.logicalDpiY()) / device->logicalDpiY());
    Painter->drawPicture(0, 0, Picture);
    Painter->restore();
}

} // namespace

TMetafile::TMetafile() = default;
TMetafile::~TMetafile() = default;

bool TMetafile::Empty() const
{
    return !recorded_ || width_ <= 0 || height_ <= 0;
}

void TMetafile::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == width_ && AHeight == height_)
        return;
    width_ = AWidth;
    height_ = AHeight;
    picture_ = QPicture();
    recorded_ = false;
    Changed(this);
}

void TMetafile::Clear()
{
    picture_ = QPicture();
    recorded_ = false;
    createdBy_.clear();
    description_.clear();
    Changed(this);
}

void TMetafile::Recorded(const QPicture &Picture, const QString &CreatedBy, const QString &Description)
{
    picture_ = Picture;
    recorded_ = true;
    createdBy_ = CreatedBy;
    description_ = Description;
    Changed(this);
}

void TMetafile::Draw(TCanvas *ACanvas, const TRect &Rect)
{
    if (!ACanvas || Empty() || Rect.Width() == 0 || Rect.Height() == 0)
        return;
    QPainter *p = ACanvas->Handle();
    if (!p)
        return;
    p->save();
    p->translate(Rect.Left, Rect.Top);
    p->scale(double(Rect.Width()) / width_, double(Rect.Height()) / height_);
    PlayPicture(p, picture_);
    p->restore();
}

void TMetafile::LoadFromStream(TStream *)
{
    throw EInvalidGraphic(QStringLiteral("Metafiles cannot be read"));
}

QByteArray TMetafile::EmfBytes() const
{
    TEmfPaintDevice device(width_, height_, createdBy_, description_);
    QPainter p;
    if (!p.begin(&device))
        throw EStreamError(QStringLiteral("The metafile could not be written"));
    if (!Empty())
        PlayPicture(&p, picture_);
    p.end();
    if (device.Bytes().isEmpty())
        throw EStreamError(QStringLiteral("The metafile could not be written"));
    return device.Bytes();
}

void TMetafile::SaveToStream(TStream *Stream)
{
    if (Stream)
        Stream->WriteBytes(EmfBytes());
}

TGraphic *TMetafile::CreateCopy() const
{
    auto *copy = new TMetafile;
    copy->CopyFrom(*this);
    return copy;
}

void TMetafile::CopyFrom(const TMetafile &Source)
{
    width_ = Source.width_;
    height_ = Source.height_;
    picture_ = Source.picture_;
    recorded_ = Source.recorded_;
    createdBy_ = Source.createdBy_;
    description_ = Source.description_;
}

void TMetafile::Assign(TPersistent *Source)
{
    if (auto *src = dynamic_cast<TMetafile *>(Source)) {
        if (src != this) {
            CopyFrom(*src);
            Changed(this);
        }
        return;
    }
    TGraphic::Assign(Source);
}

TMetafileCanvas::TMetafileCanvas(TMetafile *Metafile, const QString &CreatedBy, const QString &Description)
    : metafile_(Metafile), createdBy_(CreatedBy), description_(Description)
{
}

TMetafileCanvas::~TMetafileCanvas()
{
    Detach();
    if (own_) {
        own_->end();
        own_.reset();
    }
    if (metafile_ && metafile_->width_ > 0 && metafile_->height_ > 0) {
        picture_.setBoundingRect(QRect(0, 0, metafile_->width_, metafile_->height_));
        metafile_->Recorded(picture_, createdBy_, description_);
    }
}

void TMetafileCanvas::CreateHandle()
{
    if (own_ || !metafile_ || metafile_->width_ <= 0 || metafile_->height_ <= 0)
        return;
    const QRect area(0, 0, metafile_->width_, metafile_->height_);
    own_ = std::make_unique<QPainter>(&picture_);
    // The picture's own bounds follow what is drawn; the whole area counts.
    picture_.setBoundingRect(area);
    Attach(own_.get(), TPoint(0, 0), Bounds(0, 0, area.width(), area.height()));
}
