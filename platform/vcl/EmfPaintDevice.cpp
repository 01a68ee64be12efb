#include "EmfPaintDevice.h"

#include "Canvas.h"

#include <uemf.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDpi = 96;
// The reference device of the header: a 96 dpi screen of 1920 x 1080.
constexpr int kDeviceWidth = 1920, kDeviceHeight = 1080;

// Every device coordinate the writer makes lies within this bound, so that
// a rectangle's size and its edges plus a pixel or two stay within 32 bits.
constexpr qreal kLimit = qreal(1 << 28);

// The writer's rounding: halves away from zero, NaN as 0, and the result
// within the bound above.
int Round(qreal v)
{
    return std::isnan(v) ? 0 : static_cast<int>(std::lround(std::clamp(v, -kLimit, kLimit)));
}

int Floor(qreal v)
{
    return std::isnan(v) ? 0 : static_cast<int>(std::floor(std::clamp(v, -kLimit, kLimit)));
}

int Ceil(qreal v)
{
    return std::isnan(v) ? 0 : static_cast<int>(std::ceil(std::clamp(v, -kLimit, kLimit)));
}

// QRectF::toRect with the writer's rounding: the same pixels for ordinary
// rectangles, bounded ones for huge or NaN coordinates.
QRect Rounded(const QRectF &R)
{
    const int x = Round(R.x()), y = Round(R.y());
    return QRect(x, y, Round(R.width() + (R.x() - x) / 2), Round(R.height() + (R.y() - y) / 2));
}

// QRectF::toAlignedRect the same way: the pixels the rectangle touches.
QRect Aligned(const QRectF &R)
{
    return QRect(QPoint(Floor(R.left()), Floor(R.top())), QPoint(Ceil(R.right()) - 1, Ceil(R.bottom()) - 1));
}

// Polygon cut to the rectangle Box (Sutherland-Hodgman, one edge at a time):
// inside Box the winding of every point stays as it was, so either fill rule
// fills the same pixels there. Points with NaN coordinates are dropped.
QPolygonF ClippedTo(const QPolygonF &Polygon, const QRectF &Box)
{
    QPolygonF in;
    for (const QPointF &p : Polygon)
        if (!std::isnan(p.x()) && !std::isnan(p.y()))
            in.append(p);
    // Each edge of Box: which coordinate it bounds, its value, and whether
    // the inside lies above it.
    const struct {
        bool vertical;
        qreal at;
        bool above;
    } edges[] = {{true, Box.left(), true}, {true, Box.right(), false}, {false, Box.top(), true},
                 {false, Box.bottom(), false}};
    for (const auto &e : edges) {
        QPolygonF out;
        const auto coord = [&](const QPointF &p) { return e.vertical ? p.x() : p.y(); };
        const auto inside = [&](const QPointF &p) { return e.above ? coord(p) >= e.at : coord(p) <= e.at; };
        for (int i = 0; i < in.size(); ++i) {
            const QPointF a = in[i], b = in[(i + 1) % in.size()];
            if (inside(a))
                out.append(a);
            if (inside(a) != inside(b)) {
                const qreal t = (e.at - coord(a)) / (coord(b) - coord(a));
                out.append(e.vertical ? QPointF(e.at, a.y() + t * (b.y() - a.y()))
                                      : QPointF(a.x() + t * (b.x() - a.x()), e.at));
            }
        }
        in = out;
    }
    return in;
}

U_COLORREF Ref(const QColor &c)
{
    return colorref3_set(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()));
}

U_RECTL RectL(const QRect &r)
{
    return rectl_set(point32_set(r.left(), r.top()), point32_set(r.right(), r.bottom()));
}

U_RECTL BoundsOf(const std::vector<U_POINTL> &Points)
{
    if (Points.empty())
        return U_RCL_DEF;
    U_RECTL r{Points[0].x, Points[0].y, Points[0].x, Points[0].y};
    for (const U_POINTL &p : Points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}

// Pen raster operations (SetROP2) of the painter's composition modes.
uint32_t Rop2Of(QPainter::CompositionMode Mode)
{
    switch (Mode) {
    case QPainter::RasterOp_SourceXorDestination: return U_R2_XORPEN;
    case QPainter::RasterOp_NotSourceXorDestination: return U_R2_NOTXORPEN;
    case QPainter::RasterOp_NotDestination: return U_R2_NOT;
    default: return U_R2_COPYPEN;
    }
}

// Image raster operations of the composition modes, as the canvas's
// CopyRect chose them.
uint32_t RopOf(QPainter::CompositionMode Mode)
{
    switch (Mode) {
    case QPainter::RasterOp_SourceAndDestination: return SRCAND;
    case QPainter::RasterOp_SourceOrDestination: return SRCPAINT;
    case QPainter::RasterOp_SourceXorDestination: return SRCINVERT;
    case QPainter::RasterOp_SourceAndNotDestination: return SRCERASE;
    case QPainter::RasterOp_NotSource: return NOTSRCCOPY;
    case QPainter::RasterOp_NotSourceOrDestination: return MERGEPAINT;
    case QPainter::RasterOp_NotSourceAndDestination: return DSNA;
    case QPainter::RasterOp_ClearDestination: return BLACKNESS;
    case QPainter::RasterOp_SetDestination: return WHITENESS;
    case QPainter::RasterOp_NotDestination: return DSTINVERT;
    default: return SRCCOPY;
    }
}

uint32_t PenStyleOf(const QPen &Pen)
{
    switch (Pen.style()) {
    case Qt::NoPen: return U_PS_NULL;
    case Qt::DashLine: return U_PS_DASH;
    case Qt::DotLine: return U_PS_DOT;
    case Qt::DashDotLine: return U_PS_DASHDOT;
    case Qt::DashDotDotLine: return U_PS_DASHDOTDOT;
    case Qt::CustomDashLine: { // the canvas's GDI patterns: dash, dot, dash-dot, dash-dot-dot
        const QList<qreal> d = Pen.dashPattern();
        if (d.size() >= 6)
            return U_PS_DASHDOTDOT;
        if (d.size() >= 4)
            return U_PS_DASHDOT;
        return d.size() == 2 && d[0] > d[1] ? U_PS_DASH : U_PS_DOT;
    }
    default: return U_PS_SOLID;
    }
}

// Hatches of the canvas's brushes (whose Qt names run the other way round
// for the diagonals); -1 for a brush drawn solid.
int HatchOf(Qt::BrushStyle Style)
{
    switch (Style) {
    case Qt::HorPattern: return U_HS_HORIZONTAL;
    case Qt::VerPattern: return U_HS_VERTICAL;
    case Qt::BDiagPattern: return U_HS_FDIAGONAL;
    case Qt::FDiagPattern: return U_HS_BDIAGONAL;
    case Qt::CrossPattern: return U_HS_CROSS;
    case Qt::DiagCrossPattern: return U_HS_DIAGCROSS;
    default: return -1;
    }
}

// True when Path is one axis-aligned rectangle (Box), as the painter's
// fillRect makes it.
bool IsRectangle(const QPainterPath &Path, QRectF &Box)
{
    const int n = Path.elementCount();
    if (n < 4 || n > 5)
        return false;
    Box = Path.boundingRect();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element e = Path.elementAt(i);
        if (e.type != (i == 0 ? QPainterPath::MoveToElement : QPainterPath::LineToElement))
            return false;
        if ((e.x != Box.left() && e.x != Box.right()) || (e.y != Box.top() && e.y != Box.bottom()))
            return false;
    }
    return true;
}

} // namespace

// Painter calls to EMF records. Coordinates are mapped through the painter's
// transform here, so that the records hold device units; objects (pen,
// brush, font) and the clip region are written when a drawing needs them
// and differ from what the file has selected.
class TEmfPaintEngine : public QPaintEngine {
public:
    TEmfPaintEngine(int Width, int Height, const QString &CreatedBy, const QString &Description)
        : QPaintEngine(AllFeatures), width_(Width), height_(Height), createdBy_(CreatedBy), description_(Description)
    {
    }
    ~TEmfPaintEngine() override { Free(); }

    QByteArray Bytes() const { return bytes_; }

    bool begin(QPaintDevice *) override;
    bool end() override;
    void updateState(const QPaintEngineState &State) override;
    void drawRects(const QRect *Rects, int Count) override;
    void drawRects(const QRectF *Rects, int Count) override;
    void drawEllipse(const QRectF &Rect) override;
    void drawPath(const QPainterPath &Path) override;
    void drawPoints(const QPointF *Points, int Count) override;
    void drawPolygon(const QPointF *Points, int Count, PolygonDrawMode Mode) override;
    void drawPixmap(const QRectF &Rect, const QPixmap &Pixmap, const QRectF &Source) override;
    void drawImage(const QRectF &Rect, const QImage &Image, const QRectF &Source,
                   Qt::ImageConversionFlags Flags) override;
    void drawTextItem(const QPointF &At, const QTextItem &Item) override;
    Type type() const override { return User; }

private:
    void Append(char *Record);
    void Free();
    U_POINTL Map(const QPointF &P) const;
    std::vector<U_POINTL> Map(const QPointF *Points, int Count) const;
    bool AxisAligned() const { return xf_.type() <= QTransform::TxScale; }
    // Writes what the next drawing needs: clip, raster operation, pen, brush.
    void Prepare(bool UsesPen, bool UsesBrush);
    void SelectPen();
    void SelectBrush();
    void SelectFont(const QFont &Font, int Escapement, qreal Scale);
    void WriteClip();
    PU_RGNDATA Region(const QRegion &R) const;
    // A clip given under Transform, in device pixels and bounded by the
    // page (with a pixel round it): a huge or far-off clip costs what one
    // the size of the page does.
    QRectF Page() const { return QRectF(-1, -1, width_ + 2.0, height_ + 2.0); }
    QRegion PageRegion(const QRegion &R, const QTransform &Transform) const;
    QRegion PageRegion(const QPainterPath &Path, const QTransform &Transform) const;
    void FillRegion(const QRegion &R);

    int width_, height_;
    QString createdBy_, description_;
    EMFTRACK *et_ = nullptr;
    EMFHANDLES *eht_ = nullptr;
    QByteArray bytes_;

    QTransform xf_;
    QPen pen_;
    QBrush brush_;
    QPainter::CompositionMode mode_ = QPainter::CompositionMode_SourceOver;
    QRegion clip_;
    bool clipOn_ = false, clipEnabled_ = true, clipDirty_ = true;

    // What the file has selected (0: a stock object).
    uint32_t penHandle_ = 0, brushHandle_ = 0, fontHandle_ = 0;
    QString penKey_, brushKey_, fontKey_;
    uint32_t rop2_ = U_R2_COPYPEN, fillMode_ = U_ALTERNATE;
    QRgb textColor_ = 0;
};

bool TEmfPaintEngine::begin(QPaintDevice *)
{
    Free();
    bytes_.clear();
    // libUEMF builds the file in memory and writes it through a FILE when it
    // finishes; the bytes are taken from its buffer, so that the caller can
    // save them atomically or hand them to the clipboard.
    if (emf_start("/dev/null", 1 << 16, 1 << 16, &et_) != 0 || emf_htable_create(128, 128, &eht_) != 0) {
        Free();
        return false;
    }
    std::vector<uint16_t> desc;
    for (const QString &part : {createdBy_, description_}) {
        for (QChar ch : part)
            desc.push_back(ch.unicode());
        desc.push_back(0);
    }
    desc.push_back(0);
    const U_RECTL bounds{0, 0, std::max(width_, 1) - 1, std::max(height_, 1) - 1};
    const U_RECTL frame{0, 0, Round(width_ * 2540.0 / kDpi) - 1, Round(height_ * 2540.0 / kDpi) - 1};
    const U_SIZEL device = sizel_set(kDeviceWidth, kDeviceHeight);
    const U_SIZEL mm = sizel_set(Round(kDeviceWidth * 25.4 / kDpi), Round(kDeviceHeight * 25.4 / kDpi));
    Append(U_EMRHEADER_set(bounds, frame, nullptr, U_CBSTR(desc.size()), desc.data(), device, mm, 0));
    Append(U_EMRSETMAPMODE_set(U_MM_TEXT));
    // The canvas fills text cells itself; hatches leave their gaps alone.
    Append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    Append(U_EMRSETTEXTALIGN_set(U_TA_BASELINE | U_TA_LEFT));
    Append(U_EMRSETPOLYFILLMODE_set(U_ALTERNATE));
    xf_ = QTransform();
    pen_ = QPen();
    brush_ = QBrush();
    mode_ = QPainter::CompositionMode_SourceOver;
    clip_ = QRegion();
    clipOn_ = false;
    clipEnabled_ = true;
    clipDirty_ = true;
    penHandle_ = brushHandle_ = fontHandle_ = 0;
    penKey_.clear();
    brushKey_.clear();
    fontKey_.clear();
    rop2_ = U_R2_COPYPEN;
    fillMode_ = U_ALTERNATE;
    textColor_ = 0;
    return true;
}

bool TEmfPaintEngine::end()
{
    if (!et_)
        return false;
    // Stock objects back in, ours deleted, as a tidy file does.
    Append(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    Append(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
    for (uint32_t *h : {&penHandle_, &brushHandle_, &fontHandle_})
        if (*h) {
            Append(deleteobject_set(h, eht_));
            *h = 0;
        }
    Append(U_EMREOF_set(0, nullptr, et_));
    if (emf_finish(et_, eht_) == 0)
        bytes_ = QByteArray(et_->buf, qsizetype(et_->used));
    Free();
    return !bytes_.isEmpty();
}

void TEmfPaintEngine::Free()
{
    if (et_)
        emf_free(&et_);
    if (eht_)
        emf_htable_free(&eht_);
    et_ = nullptr;
    eht_ = nullptr;
}

void TEmfPaintEngine::Append(char *Record)
{
    if (Record && et_)
        emf_append(reinterpret_cast<U_ENHMETARECORD *>(Record), et_, 1);
    else
        std::free(Record);
}

U_POINTL TEmfPaintEngine::Map(const QPointF &P) const
{
    const QPointF d = xf_.map(P);
    return point32_set(Round(d.x()), Round(d.y()));
}

std::vector<U_POINTL> TEmfPaintEngine::Map(const QPointF *Points, int Count) const
{
    std::vector<U_POINTL> out;
    out.reserve(size_t(std::max(Count, 0)));
    for (int i = 0; i < Count; ++i)
        out.push_back(Map(Points[i]));
    return out;
}

void TEmfPaintEngine::updateState(const QPaintEngineState &State)
{
    const DirtyFlags f = State.state();
    if (f & DirtyTransform)
        xf_ = State.transform();
    if (f & DirtyPen)
        pen_ = State.pen();
    if (f & DirtyBrush)
        brush_ = State.brush();
    if (f & DirtyCompositionMode)
        mode_ = State.compositionMode();
    if (f & DirtyClipEnabled) {
        clipEnabled_ = State.isClipEnabled();
        clipDirty_ = true;
    }
    if (f & (DirtyClipRegion | DirtyClipPath)) {
        // The clip arrives in the coordinates of the transform it was set under.
        const QRegion r = f & DirtyClipRegion ? PageRegion(State.clipRegion(), State.transform())
                                              : PageRegion(State.clipPath(), State.transform());
        switch (State.clipOperation()) {
        case Qt::NoClip: clipOn_ = false; clip_ = QRegion(); break;
        case Qt::ReplaceClip: clipOn_ = true; clip_ = r; break;
        case Qt::IntersectClip: clip_ = clipOn_ ? clip_.intersected(r) : r; clipOn_ = true; break;
        }
        clipDirty_ = true;
    }
}

QRegion TEmfPaintEngine::PageRegion(const QRegion &R, const QTransform &Transform) const
{
    if (Transform.type() > QTransform::TxScale) {
        QPainterPath path;
        path.addRegion(R);
        return PageRegion(path, Transform);
    }
    QRegion out;
    for (const QRect &r : R) {
        const QRectF d = Transform.mapRect(QRectF(r)).intersected(Page());
        if (!d.isEmpty())
            out += Rounded(d);
    }
    return out;
}

QRegion TEmfPaintEngine::PageRegion(const QPainterPath &Path, const QTransform &Transform) const
{
    const QPolygonF device = ClippedTo(Path.toFillPolygon(Transform), Page());
    QPolygon pixels;
    pixels.reserve(device.size());
    for (const QPointF &p : device)
        pixels.append(QPoint(Round(p.x()), Round(p.y())));
    return QRegion(pixels, Path.fillRule());
}

PU_RGNDATA TEmfPaintEngine::Region(const QRegion &R) const
{
    // An empty region is one empty rectangle: a clip that shows nothing
    // still has to be written, or what follows would show unclipped.
    std::vector<U_RECTL> rects;
    for (const QRect &r : R)
        rects.push_back(rectl_set(point32_set(r.left(), r.top()), point32_set(r.right() + 1, r.bottom() + 1)));
    if (rects.empty())
        rects.push_back(rectl_set(point32_set(0, 0), point32_set(0, 0)));
    const QRect b = R.boundingRect();
    const U_RECTL bound = rectl_set(point32_set(b.left(), b.top()), point32_set(b.right() + 1, b.bottom() + 1));
    return rgndata_set(rgndataheader_set(U_NUM_RECTL(rects.size()), bound), rects.data());
}

void TEmfPaintEngine::WriteClip()
{
    if (!clipDirty_)
        return;
    clipDirty_ = false;
    const QRegion whole(0, 0, std::max(width_, 1), std::max(height_, 1));
    const QRegion r = clipOn_ && clipEnabled_ ? clip_.intersected(whole) : whole;
    PU_RGNDATA data = Region(r);
    Append(U_EMREXTSELECTCLIPRGN_set(U_RGN_COPY, data));
    std::free(data);
}

void TEmfPaintEngine::SelectPen()
{
    const uint32_t style = PenStyleOf(pen_);
    if (style == U_PS_NULL) {
        if (!penKey_.isEmpty() || penHandle_ == 0) {
            Append(U_EMRSELECTOBJECT_set(U_NULL_PEN));
            if (penHandle_)
                Append(deleteobject_set(&penHandle_, eht_));
            penHandle_ = 0;
            penKey_.clear();
        }
        return;
    }
    // Pen widths scale with the drawing, as GDI's do in world space.
    const qreal scale = std::sqrt(std::abs(xf_.determinant()));
    const int width = pen_.widthF() <= 1.0 ? 1 : std::max(1, Round(pen_.widthF() * scale));
    const QString key = QStringLiteral("%1/%2/%3").arg(style).arg(width).arg(pen_.color().rgb());
    if (key == penKey_)
        return;
    uint32_t h = 0;
    const U_LOGPEN lp = logpen_set(width > 1 ? U_PS_SOLID : style, point32_set(width, 0), Ref(pen_.color()));
    Append(createpen_set(&h, eht_, lp));
    Append(selectobject_set(h, eht_));
    if (penHandle_)
        Append(deleteobject_set(&penHandle_, eht_));
    penHandle_ = h;
    penKey_ = key;
}

void TEmfPaintEngine::SelectBrush()
{
    if (brush_.style() == Qt::NoBrush) {
        if (!brushKey_.isEmpty() || brushHandle_ == 0) {
            Append(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
            if (brushHandle_)
                Append(deleteobject_set(&brushHandle_, eht_));
            brushHandle_ = 0;
            brushKey_.clear();
        }
        return;
    }
    const int hatch = HatchOf(brush_.style());
    const QString key = QStringLiteral("%1/%2").arg(hatch).arg(brush_.color().rgb());
    if (key == brushKey_)
        return;
    uint32_t h = 0;
    const U_LOGBRUSH lb = logbrush_set(hatch < 0 ? U_BS_SOLID : U_BS_HATCHED, Ref(brush_.color()), std::max(hatch, 0));
    Append(createbrushindirect_set(&h, eht_, lb));
    Append(selectobject_set(h, eht_));
    if (brushHandle_)
        Append(deleteobject_set(&brushHandle_, eht_));
    brushHandle_ = h;
    brushKey_ = key;
}

void TEmfPaintEngine::Prepare(bool UsesPen, bool UsesBrush)
{
    WriteClip();
    const uint32_t rop2 = Rop2Of(mode_);
    if (rop2 != rop2_) {
        Append(U_EMRSETROP2_set(rop2));
        rop2_ = rop2;
    }
    if (UsesPen)
        SelectPen();
    if (UsesBrush)
        SelectBrush();
}

void TEmfPaintEngine::FillRegion(const QRegion &R)
{
    Prepare(false, true);
    if (brushHandle_ == 0 || R.isEmpty())
        return;
    PU_RGNDATA data = Region(R);
    const QRect b = R.boundingRect();
    Append(U_EMRFILLRGN_set(RectL(b), brushHandle_, data));
    std::free(data);
}

void TEmfPaintEngine::drawRects(const QRect *Rects, int Count)
{
    for (int i = 0; i < Count; ++i) {
        const QRectF r(Rects[i]);
        drawRects(&r, 1);
    }
}

void TEmfPaintEngine::drawRects(const QRectF *Rects, int Count)
{
    for (int i = 0; i < Count; ++i) {
        const QRectF &r = Rects[i];
        if (!AxisAligned()) {
            const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
            drawPolygon(corners, 4, OddEvenMode);
            continue;
        }
        const QRect d = Rounded(xf_.mapRect(r));
        if (pen_.style() == Qt::NoPen) { // a fill covers exactly its pixels
            if (brush_.style() != Qt::NoBrush)
                FillRegion(QRegion(d));
            continue;
        }
        // GDI's rectangle leaves out its right and bottom edges; the
        // painter's outline runs on them.
        Prepare(true, true);
        Append(U_EMRRECTANGLE_set(
            rectl_set(point32_set(d.left(), d.top()), point32_set(d.right() + 2, d.bottom() + 2))));
    }
}

void TEmfPaintEngine::drawEllipse(const QRectF &Rect)
{
    if (!AxisAligned()) {
        QPaintEngine::drawEllipse(Rect); // as a path
        return;
    }
    Prepare(true, true);
    const QRect d = Rounded(xf_.mapRect(Rect));
    Append(U_EMRELLIPSE_set(rectl_set(point32_set(d.left(), d.top()), point32_set(d.right() + 2, d.bottom() + 2))));
}

void TEmfPaintEngine::drawPath(const QPainterPath &Path)
{
    const bool fill = brush_.style() != Qt::NoBrush, stroke = pen_.style() != Qt::NoPen;
    if (!fill && !stroke)
        return;
    QRectF rect;
    if (fill && !stroke && AxisAligned() && IsRectangle(Path, rect)) { // the painter's fillRect
        FillRegion(QRegion(Rounded(xf_.mapRect(rect))));
        return;
    }
    Prepare(stroke, fill);
    const uint32_t fillMode = Path.fillRule() == Qt::WindingFill ? U_WINDING : U_ALTERNATE;
    if (fillMode != fillMode_) {
        Append(U_EMRSETPOLYFILLMODE_set(fillMode));
        fillMode_ = fillMode;
    }
    std::vector<U_POINTL> all;
    Append(U_EMRBEGINPATH_set());
    for (const QPolygonF &poly : Path.toSubpathPolygons(xf_)) {
        if (poly.size() < 2)
            continue;
        std::vector<U_POINTL> pts;
        for (const QPointF &p : poly)
            pts.push_back(point32_set(Round(p.x()), Round(p.y())));
        Append(U_EMRMOVETOEX_set(pts[0]));
        Append(U_EMRPOLYLINETO_set(BoundsOf(pts), uint32_t(pts.size() - 1), pts.data() + 1));
        if (poly.isClosed())
            Append(U_EMRCLOSEFIGURE_set());
        all.insert(all.end(), pts.begin(), pts.end());
    }
    Append(U_EMRENDPATH_set());
    const U_RECTL box = BoundsOf(all);
    if (fill && stroke)
        Append(U_EMRSTROKEANDFILLPATH_set(box));
    else if (fill)
        Append(U_EMRFILLPATH_set(box));
    else
        Append(U_EMRSTROKEPATH_set(box));
}

void TEmfPaintEngine::drawPoints(const QPointF *Points, int Count)
{
    if (pen_.style() == Qt::NoPen)
        return;
    WriteClip();
    for (int i = 0; i < Count; ++i)
        Append(U_EMRSETPIXELV_set(Map(Points[i]), Ref(pen_.color())));
}

void TEmfPaintEngine::drawPolygon(const QPointF *Points, int Count, PolygonDrawMode Mode)
{
    if (Count < 2)
        return;
    const std::vector<U_POINTL> pts = Map(Points, Count);
    if (Mode == PolylineMode) {
        if (pen_.style() == Qt::NoPen)
            return;
        Prepare(true, false);
        Append(U_EMRPOLYLINE_set(BoundsOf(pts), uint32_t(pts.size()), pts.data()));
        return;
    }
    Prepare(true, true);
    const uint32_t fillMode = Mode == WindingMode ? U_WINDING : U_ALTERNATE;
    if (fillMode != fillMode_) {
        Append(U_EMRSETPOLYFILLMODE_set(fillMode));
        fillMode_ = fillMode;
    }
    Append(U_EMRPOLYGON_set(BoundsOf(pts), uint32_t(pts.size()), pts.data()));
}

void TEmfPaintEngine::drawPixmap(const QRectF &Rect, const QPixmap &Pixmap, const QRectF &Source)
{
    drawImage(Rect, Pixmap.toImage(), Source, Qt::AutoColor);
}

void TEmfPaintEngine::drawImage(const QRectF &Rect, const QImage &Image, const QRectF &Source,
                                Qt::ImageConversionFlags)
{
    const QRect src = Aligned(Source).intersected(Image.rect());
    const QRect d = Aligned(xf_.mapRect(Rect));
    if (src.isEmpty() || d.isEmpty())
        return;
    Prepare(false, false);
    const bool alpha = Image.hasAlphaChannel() && mode_ == QPainter::CompositionMode_SourceOver;
    const QImage part = Image.copy(src).convertToFormat(alpha ? QImage::Format_RGBA8888_Premultiplied
                                                              : QImage::Format_RGBA8888);
    char *px = nullptr;
    uint32_t cbPx = 0;
    PU_RGBQUAD ct = nullptr;
    int numCt = 0;
    if (RGBA_to_DIB(&px, &cbPx, &ct, &numCt, reinterpret_cast<const char *>(part.constBits()), part.width(),
                    part.height(), int(part.bytesPerLine()), alpha ? U_BCBM_COLOR32 : U_BCBM_COLOR24, U_CT_NO,
                    U_ROW_ORDER_INVERT) != 0) {
        std::free(px);
        std::free(ct);
        return;
    }
    const U_BITMAPINFOHEADER bmih = bitmapinfoheader_set(part.width(), part.height(), 1, alpha ? 32 : 24, U_BI_RGB,
                                                         cbPx, 3780, 3780, U_NUM_RGBQUAD(numCt), 0);
    PU_BITMAPINFO bmi = bitmapinfo_set(bmih, ct);
    const U_POINTL dest = point32_set(d.left(), d.top()), cDest = point32_set(d.width(), d.height());
    const U_POINTL from = point32_set(0, 0), cSrc = point32_set(part.width(), part.height());
    const U_RECTL bounds = RectL(d);
    if (alpha) {
        const U_BLEND blend{0, 0, 255, U_AC_SRC_ALPHA};
        Append(U_EMRALPHABLEND_set(bounds, dest, cDest, from, cSrc, xform_set(1, 0, 0, 1, 0, 0), colorref3_set(0, 0, 0),
                                   U_DIB_RGB_COLORS, blend, bmi, cbPx, px));
    } else {
        Append(U_EMRSTRETCHDIBITS_set(bounds, dest, cDest, from, cSrc, U_DIB_RGB_COLORS, RopOf(mode_), bmi, cbPx, px));
    }
    std::free(bmi);
    std::free(px);
    std::free(ct);
}

void TEmfPaintEngine::SelectFont(const QFont &Font, int Escapement, qreal Scale)
{
    const QFontInfo info(Font);
    const int height = -std::max(1, Round(info.pixelSize() * Scale));
    const QString key = QStringLiteral("%1/%2/%3/%4/%5/%6/%7")
                            .arg(info.family())
                            .arg(height)
                            .arg(Escapement)
                            .arg(info.bold())
                            .arg(info.italic())
                            .arg(Font.underline())
                            .arg(Font.strikeOut());
    if (key == fontKey_)
        return;
    uint16_t face[U_LF_FACESIZE] = {};
    const QString family = info.family().left(U_LF_FACESIZE - 1);
    for (int i = 0; i < family.size(); ++i)
        face[i] = family[i].unicode();
    const U_LOGFONT lf = logfont_set(height, 0, Escapement, Escapement, info.bold() ? U_FW_BOLD : U_FW_NORMAL,
                                     info.italic(), Font.underline(), Font.strikeOut(), U_DEFAULT_CHARSET,
                                     U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                                     U_DEFAULT_PITCH | U_FF_DONTCARE, face);
    uint32_t h = 0;
    Append(extcreatefontindirectw_set(&h, eht_, reinterpret_cast<const char *>(&lf), nullptr));
    Append(selectobject_set(h, eht_));
    if (fontHandle_)
        Append(deleteobject_set(&fontHandle_, eht_));
    fontHandle_ = h;
    fontKey_ = key;
}

void TEmfPaintEngine::drawTextItem(const QPointF &At, const QTextItem &Item)
{
    const QString text = Item.text();
    if (text.isEmpty())
        return;
    Prepare(false, false);
    // The text's direction and size on the device, from the transform.
    const QPointF origin = xf_.map(At), ahead = xf_.map(At + QPointF(1, 0));
    const qreal dx = ahead.x() - origin.x(), dy = ahead.y() - origin.y();
    const qreal scale = std::hypot(dx, dy);
    int escapement = Round(-std::atan2(dy, dx) * 1800.0 / M_PI);
    if (escapement < 0)
        escapement += 3600;
    const QFont font = Item.font();
    SelectFont(font, escapement, scale);
    const QRgb colour = pen_.color().rgb() & 0xFFFFFF;
    if (colour != textColor_) {
        Append(U_EMRSETTEXTCOLOR_set(Ref(pen_.color())));
        textColor_ = colour;
    }
    const QFontMetricsF fm(font);
    std::vector<uint16_t> chars;
    std::vector<uint32_t> advances;
    for (int i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString glyph = text.mid(i, pair ? 2 : 1);
        chars.push_back(text[i].unicode());
        advances.push_back(uint32_t(std::max(0, Round(fm.horizontalAdvance(glyph) * scale))));
        if (pair) {
            chars.push_back(text[++i].unicode());
            advances.push_back(0);
        }
    }
    chars.push_back(0);
    const U_POINTL ref = point32_set(Round(origin.x()), Round(origin.y()));
    const int width = Round(fm.horizontalAdvance(text) * scale), ascent = Round(fm.ascent() * scale);
    const U_RECTL bounds = rectl_set(point32_set(ref.x, ref.y - ascent),
                                     point32_set(ref.x + width, ref.y + Round(fm.descent() * scale)));
    char *emrtext = emrtext_set(ref, U_NUM_STR(chars.size() - 1), 2, chars.data(), U_ETO_NONE, U_RCL_DEF,
                                advances.data());
    Append(U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 1.0f, 1.0f, reinterpret_cast<PU_EMRTEXT>(emrtext)));
    std::free(emrtext);
}

TEmfPaintDevice::TEmfPaintDevice(int Width, int Height, const QString &CreatedBy, const QString &Description)
    : width_(std::max(Width, 0)), height_(std::max(Height, 0)),
      engine_(std::make_unique<TEmfPaintEngine>(width_, height_, CreatedBy, Description))
{
}

TEmfPaintDevice::~TEmfPaintDevice() = default;

QPaintEngine *TEmfPaintDevice::paintEngine() const
{
    return engine_.get();
}

QByteArray TEmfPaintDevice::Bytes() const
{
    return engine_->Bytes();
}

int TEmfPaintDevice::metric(PaintDeviceMetric Metric) const
{
    switch (Metric) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return Round(width_ * 25.4 / kDpi);
    case PdmHeightMM: return Round(height_ * 25.4 / kDpi);
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    default: return QPaintDevice::metric(Metric);
    }
}
