#include "SkBitmaps.h"

#include "CustomControl.h"
#include "Form.h"

#include <QPainter>
#include <algorithm>

namespace {

// The part Source of Bitmap at the size of Dest, its TransparentColor pixels
// made fully transparent.
QImage KeyedPart(TBitmap *Bitmap, const TRect &Source, int Width, int Height, TColor TransparentColor)
{
    const QImage &src = static_cast<const TBitmap *>(Bitmap)->Image();
    QImage part = src.copy(Source.Left, Source.Top, Source.Width(), Source.Height());
    if (part.width() != Width || part.height() != Height)
        part = part.scaled(Width, Height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    part = part.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(ColorToRGB(TransparentColor)).rgb() & 0xFFFFFF;
    for (int y = 0; y < part.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return part;
}

void DrawKeyed(TCanvas *Canvas, TBitmap *Bitmap, const TRect &Dest, TColor TransparentColor, const TRect &Source)
{
    if (!Canvas || !Bitmap || Bitmap->Empty() || Dest.Width() <= 0 || Dest.Height() <= 0 || Source.Width() <= 0 ||
        Source.Height() <= 0)
        return;
    QPainter *p = Canvas->Handle();
    if (!p)
        return;
    const QImage part = KeyedPart(Bitmap, Source, Dest.Width(), Dest.Height(), TransparentColor);
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(Dest.Left, Dest.Top, part);
    p->restore();
}

} // namespace

void DrawTransparentBitmapRect(TCanvas *Canvas, TBitmap *Bitmap, const TRect &DestRect, TColor TransparentColor,
                               const TRect &SourceRect)
{
    DrawKeyed(Canvas, Bitmap, DestRect, TransparentColor, SourceRect);
}

void DrawWholeTransparentBitmap(TCanvas *Canvas, TBitmap *Bitmap, const TRect &DestRect, TColor TransparentColor)
{
    if (Bitmap)
        DrawKeyed(Canvas, Bitmap, DestRect, TransparentColor, Rect(0, 0, Bitmap->Width(), Bitmap->Height()));
}

void TileTransparentBitmap(TCanvas *Canvas, TBitmap *Bitmap, const TRect &DestRect, TColor TransparentColor)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    const int w = Bitmap->Width(), h = Bitmap->Height();
    for (int y = DestRect.Top; y < DestRect.Bottom; y += h)
        for (int x = DestRect.Left; x < DestRect.Right; x += w) {
            const int cw = std::min(w, DestRect.Right - x), ch = std::min(h, DestRect.Bottom - y);
            DrawKeyed(Canvas, Bitmap, Bounds(x, y, cw, ch), TransparentColor, Rect(0, 0, cw, ch));
        }
}

void StretchTransparentBitmap(TCanvas *Canvas, TBitmap *Bitmap, const TRect &DestRect, TColor TransparentColor,
                              const TRect &SourceRect)
{
    DrawKeyed(Canvas, Bitmap, Rect(0, 0, DestRect.Width(), DestRect.Height()), TransparentColor, SourceRect);
}

void CopyParentBackground(TControl *Control, TBitmap *Target, bool InvalidateParent)
{
    TWinControl *parent = Control ? Control->Parent() : nullptr;
    if (!parent || !Target)
        return;
    QImage &img = Target->Image();
    if (Target->PixelFormat() == pf32bit)
        img.fill(Qt::transparent);
    else
        img.fill(ToQColor(parent->Color()));
    if (InvalidateParent && !dynamic_cast<TCustomControl *>(parent) && !dynamic_cast<TCustomForm *>(parent))
        parent->Invalidate();
}

void InvalidateTransparentChildren(TWinControl *Panel)
{
    for (int i = 0; i < Panel->ControlCount(); ++i) {
        auto *child = dynamic_cast<ITransparentControl *>(Panel->Controls(i));
        if (child && child->Transparent())
            Panel->Controls(i)->Invalidate();
    }
}
