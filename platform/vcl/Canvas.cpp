#include "Canvas.h"

#include "Exceptions.h"
#include "FontMeasures.h"
#include "Graphic.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace {

Qt::PenStyle QtPenStyle(TPenStyle s)
{
    switch (s) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psAlternate: return Qt::DotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

QBrush QtBrush(const TBrush &b)
{
    QColor c = ToQColor(b.Color());
    switch (b.Style()) {
    case bsSolid: return QBrush(c);
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(c, Qt::HorPattern);
    case bsVertical: return QBrush(c, Qt::VerPattern);
    case bsFDiagonal: return QBrush(c, Qt::BDiagPattern);
    case bsBDiagonal: return QBrush(c, Qt::FDiagPattern);
    case bsCross: return QBrush(c, Qt::CrossPattern);
    case bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
    }
    return QBrush(c);
}

} // namespace

TCanvas::TCanvas()
{
    brush_.OnChange = [this](TObject *) { bkMode_ = brush_.Style() == bsSolid ? OPAQUE : TRANSPARENT; };
}

TCanvas::~TCanvas()
{
    Detach();
}

QPainter *TCanvas::Handle()
{
    Ready();
    return painter_;
}

bool TCanvas::Ready()
{
    if (!painter_)
        CreateHandle();
    return painter_ != nullptr;
}

void TCanvas::Attach(QPainter *Painter, TPoint Origin, const TRect &Bounds)
{
    Detach();
    if (!Painter)
        return;
    painter_ = Painter;
    painter_->save();
    painter_->translate(Origin.X, Origin.Y);
    painter_->setClipRect(ToQRect(Bounds), painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    baseClip_ = painter_->clipRegion();
}

void TCanvas::Detach()
{
    if (!painter_)
        return;
    while (!savedPenPos_.empty()) {
        painter_->restore();
        savedPenPos_.pop_back();
    }
    painter_->restore();
    painter_ = nullptr;
    baseClip_ = QRegion();
}

void TCanvas::ApplyPenMode()
{
    QPainter::CompositionMode m = QPainter::CompositionMode_SourceOver;
    switch (pen_.Mode()) {
    case pmCopy: break;
    case pmXor: m = QPainter::RasterOp_SourceXorDestination; break;
    case pmNotXor: m = QPainter::RasterOp_NotSourceXorDestination; break;
    case pmNot: m = QPainter::RasterOp_NotDestination; break;
    }
    painter_->setCompositionMode(m);
}

void TCanvas::ApplyPen()
{
    if (pen_.Style() == psClear) {
        painter_->setPen(Qt::NoPen);
        return;
    }
    QPen p(ToQColor(pen_.Color()));
    p.setWidth(pen_.Width());
    p.setStyle(QtPenStyle(pen_.Style()));
    p.setCapStyle(pen_.Width() > 1 ? Qt::RoundCap : Qt::SquareCap);
    p.setJoinStyle(pen_.Width() > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    painter_->setPen(p);
}

void TCanvas::ApplyBrush()
{
    painter_->setBrush(QtBrush(brush_));
}

void TCanvas::Record(TCanvasPrimitive Kind, std::vector<TPoint> Points, const QString &Text)
{
    record_->push_back({Kind, std::move(Points), Text, pen_.Color(), pen_.Style(), pen_.Width(), brush_.Color(),
                        brush_.Style()});
}

void TCanvas::Polygon(const std::vector<TPoint> &Points)
{
    if (record_)
        Record(cpPolygon, Points);
    if (Points.size() < 2 || !Ready())
        return;
    QPolygon poly;
    for (const TPoint &p : Points)
        poly << ToQPoint(p);
    ApplyPenMode();
    ApplyPen();
    ApplyBrush();
    painter_->drawPolygon(poly, Qt::OddEvenFill);
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    if (record_)
        Record(cpRectangle, {TPoint(X1, Y1), TPoint(X2, Y2)});
    if (!Ready())
        return;
    if (X2 < X1)
        std::swap(X1, X2);
    if (Y2 < Y1)
        std::swap(Y1, Y2);
    ApplyPenMode();
    if (pen_.Style() == psClear) {
        // GDI: without a pen the filled figure is one pixel smaller.
        if (brush_.Style() != bsClear)
            painter_->fillRect(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1), QtBrush(brush_));
        return;
    }
    if (brush_.Style() != bsClear)
        painter_->fillRect(QRect(X1, Y1, X2 - X1, Y2 - Y1), QtBrush(brush_));
    if (pen_.Width() == 1) {
        TPoint saved = penPos_;
        DrawLineExcludingEnd(X1, Y1, X2 - 1, Y1);
        DrawLineExcludingEnd(X2 - 1, Y1, X2 - 1, Y2 - 1);
        DrawLineExcludingEnd(X2 - 1, Y2 - 1, X1, Y2 - 1);
        DrawLineExcludingEnd(X1, Y2 - 1, X1, Y1);
        if (X2 - X1 == 1 || Y2 - Y1 == 1) // a line: the loop above draws nothing
            painter_->fillRect(QRect(X1, Y1, X2 - X1, Y2 - Y1), ToQColor(pen_.Color()));
        penPos_ = saved;
        return;
    }
    double inset = pen_.Style() == psInsideFrame ? (pen_.Width() - 1) / 2.0 : 0.0;
    QPen p(ToQColor(pen_.Color()), pen_.Width(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter_->setPen(p);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(X1 + 0.5 + inset, Y1 + 0.5 + inset, X2 - X1 - 1 - 2 * inset,
                              Y2 - Y1 - 1 - 2 * inset));
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight)
{
    if (record_)
        Record(cpRectangle, {TPoint(X1, Y1), TPoint(X2, Y2)});
    if (!Ready())
        return;
    ApplyPenMode();
    ApplyPen();
    ApplyBrush();
    painter_->drawRoundedRect(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1), CornerWidth / 2.0,
                              CornerHeight / 2.0, Qt::AbsoluteSize);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    if (record_)
        Record(cpEllipse, {TPoint(X1, Y1), TPoint(X2, Y2)});
    if (!Ready())
        return;
    ApplyPenMode();
    ApplyPen();
    ApplyBrush();
    if (pen_.Style() == psClear || pen_.Width() <= 1) {
        painter_->drawEllipse(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
        return;
    }
    // A wide pen straddles the outline through the centres of the box's edge
    // pixels, as Rectangle draws it, so the figure stays centred on the box.
    painter_->drawEllipse(QRectF(X1 + 0.5, Y1 + 0.5, X2 - X1 - 1, Y2 - Y1 - 1));
}

void TCanvas::FillRect(const TRect &R)
{
    if (record_)
        Record(cpFillRect, R);
    if (!Ready() || brush_.Style() == bsClear)
        return;
    ApplyPenMode();
    painter_->fillRect(ToQRect(R), QtBrush(brush_));
}

void TCanvas::FrameRect(const TRect &R)
{
    if (record_)
        Record(cpFillRect, R);
    if (!Ready() || R.IsEmpty())
        return;
    ApplyPenMode();
    QBrush b(ToQColor(brush_.Color()));
    painter_->fillRect(QRect(R.Left, R.Top, R.Width(), 1), b);
    painter_->fillRect(QRect(R.Left, R.Bottom - 1, R.Width(), 1), b);
    painter_->fillRect(QRect(R.Left, R.Top, 1, R.Height()), b);
    painter_->fillRect(QRect(R.Right - 1, R.Top, 1, R.Height()), b);
}

void TCanvas::DrawFocusRect(const TRect &R)
{
    if (record_)
        Record(cpFillRect, R);
    if (!Ready() || R.IsEmpty())
        return;
    QPolygon points;
    for (int x = R.Left; x < R.Right; x += 2) {
        points << QPoint(x, R.Top);
        if (R.Bottom - 1 > R.Top)
            points << QPoint(x, R.Bottom - 1);
    }
    for (int y = R.Top + 2; y < R.Bottom - 1; y += 2) {
        points << QPoint(R.Left, y);
        if (R.Right - 1 > R.Left)
            points << QPoint(R.Right - 1, y);
    }
    painter_->save();
    painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_->setPen(QPen(Qt::white, 1));
    painter_->drawPoints(points);
    painter_->restore();
}

TColor TCanvas::Pixels(int X, int Y)
{
    if (const QImage *img = ReadableImage()) {
        if (!img->valid(X, Y))
            return -1;
        return FromQColor(img->pixelColor(X, Y));
    }
    if (!Ready())
        return -1;
    // A painter on an image (a control painted into a picture) can be read.
    auto *img = dynamic_cast<QImage *>(painter_->device());
    if (!img)
        return -1;
    QPoint p = painter_->transform().map(QPoint(X, Y));
    if (!img->valid(p))
        return -1;
    return FromQColor(img->pixelColor(p));
}

void TCanvas::SetPixel(int X, int Y, TColor Color)
{
    if (record_)
        Record(cpPixel, {TPoint(X, Y)});
    if (!Ready())
        return;
    ApplyPenMode();
    painter_->fillRect(QRect(X, Y, 1, 1), ToQColor(Color));
}

void TCanvas::TextOut(int X, int Y, const QString &Text)
{
    if (record_)
        Record(cpText, {TPoint(X, Y)}, Text);
    DrawTextAt(X, Y, Text, bkMode_ == OPAQUE);
}

void TCanvas::DrawTextAt(int X, int Y, const QString &Text, bool FillCell)
{
    QFont f = FontMeasures::QtFont(font_);
    QFontMetrics fm(f);
    int width = FontMeasures::TextWidth(font_, Text);
    if (Ready() && !Text.isEmpty()) {
        painter_->save();
        ApplyPenMode();
        painter_->setFont(f);
        painter_->translate(X, Y);
        if (font_.Orientation() != 0)
            painter_->rotate(-font_.Orientation() / 10.0);
        const unsigned horizontal = textAlign_ & TA_CENTER, vertical = textAlign_ & TA_BASELINE;
        painter_->translate(horizontal == TA_CENTER ? -width / 2 : horizontal == TA_RIGHT ? -width : 0,
                            vertical == TA_BASELINE ? -fm.ascent() : vertical == TA_BOTTOM ? -fm.height() : 0);
        if (FillCell)
            painter_->fillRect(QRect(0, 0, width, fm.height()), ToQColor(brush_.Color()));
        painter_->setPen(ToQColor(font_.Color()));
        painter_->drawText(QPoint(0, fm.ascent()), Text);
        painter_->restore();
    }
    penPos_ = {X + width, Y};
}

void TCanvas::TextRect(const TRect &R, int X, int Y, const QString &Text)
{
    if (record_)
        Record(cpText, {TPoint(X, Y)}, Text);
    if (!Ready())
        return;
    painter_->save();
    painter_->setClipRect(ToQRect(R), Qt::IntersectClip);
    if (brush_.Style() != bsClear)
        painter_->fillRect(ToQRect(R), ToQColor(brush_.Color()));
    DrawTextAt(X, Y, Text, false);
    painter_->restore();
}

int TCanvas::DrawText(const QString &Text, TRect &R, unsigned Flags)
{
    QFont f = FontMeasures::QtFont(font_);
    QFontMetrics fm(f);
    const bool single = Flags & DT_SINGLELINE;
    int qf = (Flags & DT_CENTER) ? Qt::AlignHCenter : (Flags & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (single)
        qf |= Qt::TextSingleLine | ((Flags & DT_VCENTER) ? Qt::AlignVCenter : (Flags & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop);
    else
        qf |= Qt::AlignTop;
    if ((Flags & DT_WORDBREAK) && !single)
        qf |= Qt::TextWordWrap;
    if (Flags & DT_EXPANDTABS)
        qf |= Qt::TextExpandTabs;
    if (!(Flags & DT_NOPREFIX))
        qf |= (Flags & DT_HIDEPREFIX) ? Qt::TextHideMnemonic : Qt::TextShowMnemonic;
    QString text = Text;
    if ((Flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) && !(qf & Qt::TextWordWrap))
        text = fm.elidedText(text, (Flags & DT_PATH_ELLIPSIS) ? Qt::ElideMiddle : Qt::ElideRight,
                             std::max(R.Width(), 0), qf & Qt::TextShowMnemonic);
    const QRect area = ToQRect(R);
    QRect bound = FontMeasures::TextBounds(font_, area.size(), qf, text).translated(area.topLeft());
    if (text.isEmpty())
        bound = QRect(area.topLeft(), QSize(0, single ? fm.height() : 0));
    if (Flags & DT_CALCRECT) {
        R.Right = R.Left + bound.width();
        R.Bottom = R.Top + bound.height();
        return bound.height();
    }
    if (record_)
        Record(cpText, {R.TopLeft()}, text);
    if (Ready() && !text.isEmpty()) {
        painter_->save();
        ApplyPenMode();
        if (!(Flags & DT_NOCLIP))
            painter_->setClipRect(area, Qt::IntersectClip);
        if (brush_.Style() != bsClear)
            painter_->fillRect(bound, ToQColor(brush_.Color()));
        painter_->setFont(f);
        painter_->setPen(ToQColor(font_.Color()));
        painter_->drawText(area, qf, text);
        painter_->restore();
    }
    if (single && (Flags & (DT_VCENTER | DT_BOTTOM)))
        return bound.bottom() + 1 - R.Top;
    return bound.height();
}

int TCanvas::TextWidth(const QString &Text)
{
    return FontMeasures::TextWidth(font_, Text);
}

int TCanvas::TextHeight(const QString &)
{
    return FontMeasures::CellHeight(font_);
}

TSize TCanvas::TextExtent(const QString &Text)
{
    return TSize(FontMeasures::TextWidth(font_, Text), FontMeasures::CellHeight(font_));
}

void TCanvas::Draw(int X, int Y, TGraphic *Graphic)
{
    if (record_ && Graphic)
        Record(cpPicture, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
    if (Graphic && !Graphic->Empty())
        Graphic->Draw(this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::StretchDraw(const TRect &R, TGraphic *Graphic)
{
    if (record_ && Graphic)
        Record(cpPicture, R);
    if (Graphic && !Graphic->Empty())
        Graphic->Draw(this, R);
}

namespace {

// One axis of a StretchBlt extent: the first pixel covered, the count, and
// whether the picture runs backwards along it.
struct Span {
    int first, count;
    bool reversed;
};

Span SpanOf(int Origin, int Extent)
{
    if (Extent >= 0)
        return {Origin, Extent, false};
    return {Origin + Extent + 1, -Extent, true};
}

// The raster operations that the painter does in one pass.
bool PainterMode(TCopyMode Mode, QPainter::CompositionMode &Out)
{
    switch (Mode) {
    case SRCAND: Out = QPainter::RasterOp_SourceAndDestination; return true;
    case SRCPAINT: Out = QPainter::RasterOp_SourceOrDestination; return true;
    case SRCINVERT: Out = QPainter::RasterOp_SourceXorDestination; return true;
    case SRCERASE: Out = QPainter::RasterOp_SourceAndNotDestination; return true;
    case NOTSRCCOPY: Out = QPainter::RasterOp_NotSource; return true;
    case MERGEPAINT: Out = QPainter::RasterOp_NotSourceOrDestination; return true;
    case DSNA: Out = QPainter::RasterOp_NotSourceAndDestination; return true;
    case BLACKNESS: Out = QPainter::RasterOp_ClearDestination; return true;
    case WHITENESS: Out = QPainter::RasterOp_SetDestination; return true;
    case DSTINVERT: Out = QPainter::RasterOp_NotDestination; return true;
    default: return false;
    }
}

// Every pixel p becomes (p and Bits).
void AndPixels(QImage &Img, QRgb Bits)
{
    for (int y = 0; y < Img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(Img.scanLine(y));
        for (int x = 0; x < Img.width(); ++x)
            line[x] = (line[x] & Bits) | 0xFF000000u;
    }
}

// Black pixels become Black, white ones White (monochrome to colour).
void ColourMonochrome(QImage &Img, QRgb Black, QRgb White)
{
    for (int y = 0; y < Img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(Img.scanLine(y));
        for (int x = 0; x < Img.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? White : Black;
    }
}

} // namespace

void TCanvas::SetCopyMode(TCopyMode Value)
{
    QPainter::CompositionMode unused;
    if (Value != SRCCOPY && Value != DSPDXAX && !PainterMode(Value, unused))
        throw EInvalidOperation(QStringLiteral("Unknown copy mode 0x%1").arg(Value, 6, 16, QLatin1Char('0')));
    copyMode_ = Value;
}

void TCanvas::CopyRect(const TRect &Dest, TCanvas *Source, const TRect &SourceRect)
{
    if (record_)
        Record(cpPicture, Dest);
    if (!Source || !Ready())
        return;
    const QImage *img = Source->ReadableImage();
    if (!img || !painter_)
        return;
    const Span dx = SpanOf(Dest.Left, Dest.Right - Dest.Left), dy = SpanOf(Dest.Top, Dest.Bottom - Dest.Top);
    const Span sx = SpanOf(SourceRect.Left, SourceRect.Right - SourceRect.Left);
    const Span sy = SpanOf(SourceRect.Top, SourceRect.Bottom - SourceRect.Top);
    if (dx.count == 0 || dy.count == 0 || sx.count == 0 || sy.count == 0)
        return;
    // A copy of the part, so that a canvas may copy onto itself.
    QImage part = img->copy(sx.first, sy.first, sx.count, sy.count);
    if (part.width() != dx.count || part.height() != dy.count)
        part = part.scaled(dx.count, dy.count, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const bool flipX = dx.reversed != sx.reversed, flipY = dy.reversed != sy.reversed;
    if (flipX || flipY)
        part = part.mirrored(flipX, flipY);
    const bool srcMono = Source->IsMonochrome(), dstMono = IsMonochrome();
    // Combined with the brush, a mask keeps its own black and white: the
    // brush colour is the pattern there, not the colour of white.
    if (srcMono && !dstMono && copyMode_ != DSPDXAX) {
        part = part.convertToFormat(QImage::Format_RGB32);
        ColourMonochrome(part, ToQColor(ColorToRGB(font_.Color())).rgb(), ToQColor(ColorToRGB(brush_.Color())).rgb());
    } else if (!srcMono && dstMono) {
        part = part.convertToFormat(QImage::Format_RGB32);
        const QRgb key = ToQColor(ColorToRGB(Source->brush_.Color())).rgb() & 0xFFFFFF;
        for (int y = 0; y < part.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                line[x] = (line[x] & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    const QPoint at(dx.first, dy.first);
    painter_->save();
    QPainter::CompositionMode mode;
    if (copyMode_ == SRCCOPY) {
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_->drawImage(at, part);
    } else if (PainterMode(copyMode_, mode)) {
        painter_->setCompositionMode(mode);
        painter_->drawImage(at, part.convertToFormat(QImage::Format_RGB32));
    } else { // DSPDXAX = (D and not S) or (S and P)
        part = part.convertToFormat(QImage::Format_RGB32);
        painter_->setCompositionMode(QPainter::RasterOp_NotSourceAndDestination);
        painter_->drawImage(at, part);
        AndPixels(part, ToQColor(ColorToRGB(brush_.Color())).rgb());
        painter_->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter_->drawImage(at, part);
    }
    painter_->restore();
}

TRect TCanvas::ClipRect()
{
    if (!Ready())
        return TRect();
    if (painter_->hasClipping())
        return FromQRect(painter_->clipBoundingRect().toAlignedRect());
    QPaintDevice *d = painter_->device();
    QRect r = painter_->transform().inverted().mapRect(QRect(0, 0, d->width(), d->height()));
    return FromQRect(r);
}

void TCanvas::IntersectClipRect(const TRect &R)
{
    if (!Ready())
        return;
    painter_->setClipRect(ToQRect(R), painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::ExcludeClipRect(const TRect &R)
{
    if (!Ready())
        return;
    QRegion current = painter_->hasClipping() ? painter_->clipRegion() : QRegion(ToQRect(ClipRect()));
    painter_->setClipRegion(current.subtracted(QRegion(ToQRect(R))));
}

void TCanvas::SelectClipRgn(const TRegion *Region)
{
    if (!Ready())
        return;
    QRegion base = baseClip_;
    if (base.isEmpty() && !painter_->hasClipping())
        base = QRegion(ToQRect(ClipRect()));
    if (Region)
        painter_->setClipRegion(base.isEmpty() ? Region->ToQRegion() : base.intersected(Region->ToQRegion()));
    else if (!base.isEmpty())
        painter_->setClipRegion(base);
    else
        painter_->setClipping(false);
}

void TCanvas::SaveState()
{
    if (!Ready())
        return;
    painter_->save();
    savedPenPos_.push_back(penPos_);
}

void TCanvas::RestoreState()
{
    if (!painter_ || savedPenPos_.empty())
        return;
    painter_->restore();
    penPos_ = savedPenPos_.back();
    savedPenPos_.pop_back();
}

void TCanvas::Assign(TPersistent *Source)
{
    if (auto *src = dynamic_cast<TCanvas *>(Source)) {
        font_.Assign(&src->font_);
        pen_.Assign(&src->pen_);
        brush_.Assign(&src->brush_);
        return;
    }
    TPersistent::Assign(Source);
}
