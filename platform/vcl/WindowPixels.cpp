#include "WindowPixels.h"

#include "Canvas.h"
#include "WinControl.h"

#include <QBackingStore>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

namespace {

// The window's own image that Control's canvas is drawing into right now,
// with the painter; none when the canvas paints elsewhere or not at all.
QImage *WindowImage(TWinControl *Control, QPainter *&Painter)
{
    QWidget *w = Control ? Control->Widget() : nullptr;
    Painter = Control ? Control->Canvas()->Handle() : nullptr;
    if (!w || !Painter || !Painter->isActive())
        return nullptr;
    QPaintEngine *engine = Painter->paintEngine();
    QBackingStore *store = w->backingStore();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    if (!device || !store || device != store->paintDevice() || device->devType() != QInternal::Image)
        return nullptr;
    return static_cast<QImage *>(device);
}

} // namespace

bool WindowPtVisible(TWinControl *Control, TPoint P)
{
    QPainter *painter = nullptr;
    QImage *image = WindowImage(Control, painter);
    if (!image)
        return false;
    const QPoint logical(P.X, P.Y);
    if (painter->hasClipping() && !painter->clipRegion().contains(logical))
        return false;
    const QPoint device = painter->deviceTransform().map(QPointF(logical)).toPoint();
    const QRegion renewed = painter->paintEngine()->systemClip();
    return image->rect().contains(device) && (renewed.isEmpty() || renewed.contains(device));
}

QImage WindowPixels(TWinControl *Control, const TRect &R)
{
    QPainter *painter = nullptr;
    QImage *image = WindowImage(Control, painter);
    if (!image || R.IsEmpty())
        return QImage();
    const QRect device = painter->deviceTransform().mapRect(QRectF(ToQRect(R))).toAlignedRect();
    QImage part = image->copy(device).convertToFormat(QImage::Format_RGB32);
    part.setDevicePixelRatio(1);
    if (part.width() != R.Width() || part.height() != R.Height())
        part = part.scaled(R.Width(), R.Height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return part;
}
