// Drawing and measuring strings in a layout rectangle.

#include "GdipPaint.h"

#include <QFontMetricsF>
#include <cmath>

namespace {

struct Line {
    QString text;
    int first = 0;          // index of its first character in the text
    std::vector<int> underline;  // indices within the line
    qreal width = 0;
    qreal x = 0;
};

struct Layout {
    QFont font;
    qreal pad = 0;
    qreal lineHeight = 0;
    qreal ascent = 0;
    std::vector<Line> lines;
    qreal top = 0;
    int fitted = 0;
    QRectF box;
};

// Removes hotkey prefixes ("&x"; "&&" stays one "&"), remembering the
// characters to underline when they are shown.
QString stripPrefixes(const QString &in, int mode, std::vector<int> &marks)
{
    if (mode == HotkeyPrefixNone)
        return in;
    QString out;
    for (int i = 0; i < in.size(); ++i) {
        if (in[i] == '&' && i + 1 < in.size()) {
            ++i;
            if (in[i] != '&' && mode == HotkeyPrefixShow)
                marks.push_back(int(out.size()));
        }
        out += in[i];
    }
    return out;
}

qreal widthOf(const QFontMetricsF &fm, const QString &s, bool trailing)
{
    if (trailing)
        return fm.horizontalAdvance(s);
    int n = int(s.size());
    while (n > 0 && s[n - 1].isSpace())
        --n;
    return fm.horizontalAdvance(s.left(n));
}

// Greedy word wrap of one paragraph into lines no wider than `room`.
void wrapParagraph(const QFontMetricsF &fm, const QString &para, int first,
                   qreal room, bool wrap, std::vector<Line> &out)
{
    if (!wrap || room <= 0 || fm.horizontalAdvance(para) <= room) {
        out.push_back(Line{para, first, {}, 0, 0});
        return;
    }
    int start = 0;
    while (start < para.size()) {
        int end = start;
        int lastBreak = -1;
        while (end < para.size()) {
            if (widthOf(fm, para.mid(start, end - start + 1), false) > room)
                break;
            if (para[end].isSpace())
                lastBreak = end;
            ++end;
        }
        if (end >= para.size()) {
            out.push_back(Line{para.mid(start), first + start, {}, 0, 0});
            return;
        }
        int cut = lastBreak >= start ? lastBreak + 1 : std::max(end, start + 1);
        out.push_back(Line{para.mid(start, cut - start), first + start, {}, 0, 0});
        start = cut;
    }
}

Layout layoutText(const QString &raw, const GpFont &gf, const QRectF &rect,
                  const GpStringFormat *fmt)
{
    GpStringFormat def;
    const GpStringFormat &f = fmt ? *fmt : def;
    Layout L;
    L.font = gdip::qfontOf(gf);
    const QFontMetricsF fm(L.font);
    const qreal em = L.font.pixelSize();
    L.pad = em / 6.0;
    L.lineHeight = fm.lineSpacing();
    L.ascent = fm.ascent();
    std::vector<int> marks;
    const QString text = stripPrefixes(raw, f.hotkeyPrefix, marks);
    const bool trailing = f.flags & StringFormatFlagsMeasureTrailingSpaces;
    const bool wrap = !(f.flags & StringFormatFlagsNoWrap) && rect.width() > 0;
    const qreal room = rect.width() > 0 ? rect.width() - 2 * L.pad : 0;

    int pos = 0;
    for (const QString &p : text.split('\n')) {
        QString para = p;
        const int len = int(p.size());
        if (para.endsWith('\r'))
            para.chop(1);
        wrapParagraph(fm, para, pos, room, wrap, L.lines);
        pos += len + 1;
    }

    // Lines below a bounded rectangle: whole lines only with LineLimit,
    // otherwise the last one may show in part.
    if (rect.height() > 0) {
        const qreal h = rect.height();
        size_t keep = 0;
        while (keep < L.lines.size()) {
            const qreal bottom = (keep + 1) * L.lineHeight;
            const bool whole = bottom <= h + 0.01;
            const bool partial = keep * L.lineHeight < h;
            if (whole || (partial && !(f.flags & StringFormatFlagsLineLimit)))
                ++keep;
            else
                break;
        }
        if (keep == 0 && !L.lines.empty() && !(f.flags & StringFormatFlagsLineLimit))
            keep = 1;
        const bool cut = keep < L.lines.size();
        L.lines.resize(keep);
        if (cut && !L.lines.empty()
            && f.trimming >= StringTrimmingEllipsisCharacter)
            L.lines.back().text += QChar(0x2026);
    }

    const bool rtl = f.flags & StringFormatFlagsDirectionRightToLeft;
    StringAlignment align = f.align;
    if (rtl && align != StringAlignmentCenter)
        align = align == StringAlignmentNear ? StringAlignmentFar : StringAlignmentNear;
    qreal maxW = 0;
    L.fitted = 0;
    for (Line &ln : L.lines) {
        if (room > 0 && f.trimming >= StringTrimmingEllipsisCharacter
            && fm.horizontalAdvance(ln.text) > room) {
            ln.text = fm.elidedText(ln.text,
                                    f.trimming == StringTrimmingEllipsisPath
                                        ? Qt::ElideMiddle : Qt::ElideRight,
                                    room);
        }
        ln.width = widthOf(fm, ln.text, trailing);
        for (int m : marks)
            if (m >= ln.first && m < ln.first + ln.text.size())
                ln.underline.push_back(m - ln.first);
        if (rect.width() > 0) {
            if (align == StringAlignmentNear)
                ln.x = rect.x() + L.pad;
            else if (align == StringAlignmentCenter)
                ln.x = rect.x() + (rect.width() - ln.width) / 2;
            else
                ln.x = rect.right() - L.pad - ln.width;
        } else {
            if (align == StringAlignmentNear)
                ln.x = rect.x() + L.pad;
            else if (align == StringAlignmentCenter)
                ln.x = rect.x() - ln.width / 2;
            else
                ln.x = rect.x() - ln.width - L.pad;
        }
        maxW = std::max(maxW, ln.width);
        L.fitted = ln.first + int(ln.text.size());
    }
    if (!L.lines.empty() && L.lines.size() == size_t(text.count('\n') + 1))
        L.fitted = int(raw.size());

    const qreal total = L.lines.size() * L.lineHeight;
    if (rect.height() > 0) {
        if (f.lineAlign == StringAlignmentNear)
            L.top = rect.y();
        else if (f.lineAlign == StringAlignmentCenter)
            L.top = rect.y() + (rect.height() - total) / 2;
        else
            L.top = rect.bottom() - total;
    } else {
        if (f.lineAlign == StringAlignmentNear)
            L.top = rect.y();
        else if (f.lineAlign == StringAlignmentCenter)
            L.top = rect.y() - total / 2;
        else
            L.top = rect.y() - total;
    }

    qreal left = 0;
    for (size_t i = 0; i < L.lines.size(); ++i)
        left = i == 0 ? L.lines[i].x : std::min(left, L.lines[i].x);
    if (L.lines.empty())
        left = rect.x();
    QRectF box(left - L.pad, L.top, L.lines.empty() ? 0 : maxW + 2 * L.pad, total);
    if (rect.width() > 0 && box.width() > rect.width())
        box.setWidth(rect.width());
    if (rect.height() > 0 && box.height() > rect.height()
        && !(f.flags & StringFormatFlagsNoClip))
        box.setHeight(rect.height());
    L.box = box;
    return L;
}

} // namespace

Status GdipDrawString(GpGraphics *graphics, const WCHAR *string, INT length,
                      const GpFont *font, const GpRectF *layoutRect,
                      const GpStringFormat *stringFormat, const GpBrush *brush)
{
    if (!graphics || !string || !font || !layoutRect || !brush)
        return InvalidParameter;
    const QRectF rect(layoutRect->X, layoutRect->Y, layoutRect->Width,
                      layoutRect->Height);
    const Layout L = layoutText(gdip::toQString(string, length), *font, rect,
                                stringFormat);
    gdip::PaintScope s(graphics);
    QPainter &p = s.painter();
    const bool noClip = stringFormat
                        && (stringFormat->flags & StringFormatFlagsNoClip);
    if (!noClip && rect.width() > 0 && rect.height() > 0)
        p.setClipRect(rect, Qt::IntersectClip);
    QBrush qb;
    const bool plain = gdip::qbrushOf(s, brush, qb);
    const QFontMetricsF fm(L.font);
    QPainterPath glyphs;
    p.setFont(L.font);
    p.setPen(QPen(qb, 1));
    for (size_t i = 0; i < L.lines.size(); ++i) {
        const Line &ln = L.lines[i];
        const QPointF base(ln.x, L.top + i * L.lineHeight + L.ascent);
        if (plain)
            p.drawText(base, ln.text);
        else
            glyphs.addText(base, L.font, ln.text);
        for (int u : ln.underline) {
            const qreal x0 = ln.x + fm.horizontalAdvance(ln.text.left(u));
            const qreal w = fm.horizontalAdvance(ln.text.mid(u, 1));
            glyphs.addRect(QRectF(x0, base.y() + fm.underlinePos(), w,
                                  std::max<qreal>(1, fm.lineWidth())));
        }
    }
    if (!glyphs.isEmpty())
        gdip::fillShape(s, glyphs, brush);
    return Ok;
}

Status GdipMeasureString(GpGraphics *graphics, const WCHAR *string, INT length,
                         const GpFont *font, const GpRectF *layoutRect,
                         const GpStringFormat *stringFormat,
                         GpRectF *boundingBox, INT *codepointsFitted,
                         INT *linesFilled)
{
    if (!graphics || !string || !font || !layoutRect || !boundingBox)
        return InvalidParameter;
    const QRectF rect(layoutRect->X, layoutRect->Y, layoutRect->Width,
                      layoutRect->Height);
    const Layout L = layoutText(gdip::toQString(string, length), *font, rect,
                                stringFormat);
    *boundingBox = GpRectF{REAL(L.box.x()), REAL(L.box.y()), REAL(L.box.width()),
                           REAL(L.box.height())};
    if (codepointsFitted)
        *codepointsFitted = L.fitted;
    if (linesFilled)
        *linesFilled = INT(L.lines.size());
    return Ok;
}
