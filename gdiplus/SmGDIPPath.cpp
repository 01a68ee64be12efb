// Paths, regions, string formats, font families and fonts.

#include "SmGDIP.h"

#include <vector>

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode)
{
    lastResult = GdipCreatePath(fillMode, &nativePath);
}

TGPGraphicsPath::TGPGraphicsPath(GpPath *nativePath_) : nativePath(nativePath_) {}

TGPGraphicsPath::~TGPGraphicsPath()
{
    if (nativePath)
        GdipDeletePath(nativePath);
}

Status TGPGraphicsPath::Reset()
{
    return SetStatus(GdipResetPath(nativePath));
}

Status TGPGraphicsPath::CloseFigure()
{
    return SetStatus(GdipClosePathFigure(nativePath));
}

Status TGPGraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2)
{
    return SetStatus(GdipAddPathLine(nativePath, x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLine(const TGPPointF &pt1, const TGPPointF &pt2)
{
    return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y);
}

Status TGPGraphicsPath::AddLines(const TGPPoint *points, INT count)
{
    return SetStatus(GdipAddPathLine2I(nativePath, points, count));
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF &rect)
{
    return SetStatus(GdipAddPathRectangle(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddRectangle(const TGPRect &rect)
{
    return SetStatus(GdipAddPathRectangleI(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                               REAL sweepAngle)
{
    return SetStatus(GdipAddPathArc(nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddArc(const TGPRectF &rect, REAL startAngle, REAL sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddEllipse(REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GdipAddPathEllipse(nativePath, x, y, width, height));
}

Status TGPGraphicsPath::AddEllipse(const TGPRectF &rect)
{
    return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphicsPath::AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                               REAL sweepAngle)
{
    return SetStatus(GdipAddPathPie(nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddPolygon(const TGPPointF *points, INT count)
{
    return SetStatus(GdipAddPathPolygon(nativePath, points, count));
}

Status TGPGraphicsPath::AddPolygon(const TGPPoint *points, INT count)
{
    return SetStatus(GdipAddPathPolygonI(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF *points, INT count)
{
    return SetStatus(GdipAddPathCurve(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint *points, INT count)
{
    return SetStatus(GdipAddPathCurveI(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint *points, INT count, REAL tension)
{
    return SetStatus(GdipAddPathCurve2I(nativePath, points, count, tension));
}

Status TGPGraphicsPath::AddBezier(const TGPPointF &pt1, const TGPPointF &pt2,
                                  const TGPPointF &pt3, const TGPPointF &pt4)
{
    return SetStatus(GdipAddPathBezier(nativePath, pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y,
                                       pt4.X, pt4.Y));
}

Status TGPGraphicsPath::AddBezier(const TGPPoint &pt1, const TGPPoint &pt2,
                                  const TGPPoint &pt3, const TGPPoint &pt4)
{
    return AddBezier(MakePointF(REAL(pt1.X), REAL(pt1.Y)), MakePointF(REAL(pt2.X), REAL(pt2.Y)),
                     MakePointF(REAL(pt3.X), REAL(pt3.Y)), MakePointF(REAL(pt4.X), REAL(pt4.Y)));
}

Status TGPGraphicsPath::AddString(const QString &text, INT length, const TGPFontFamily *family,
                                  INT style, REAL emSize, const TGPRectF &layoutRect,
                                  const TGPStringFormat *format)
{
    return SetStatus(GdipAddPathString(
        nativePath, reinterpret_cast<const WCHAR *>(text.utf16()), ClampedTextLength(text, length),
        family ? family->NativeFamily() : nullptr, style, emSize, &layoutRect,
        format ? format->NativeFormat() : nullptr));
}

TGPRegion::TGPRegion(const TGPRectF &rect)
{
    lastResult = GdipCreateRegionRect(&rect, &nativeRegion);
}

TGPRegion::TGPRegion(TGPGraphicsPath *path)
{
    lastResult = GdipCreateRegionPath(path ? path->NativePath() : nullptr, &nativeRegion);
}

TGPRegion::~TGPRegion()
{
    if (nativeRegion)
        GdipDeleteRegion(nativeRegion);
}

Status TGPRegion::Exclude(TGPGraphicsPath *path)
{
    return SetStatus(GdipCombineRegionPath(nativeRegion, path ? path->NativePath() : nullptr,
                                           CombineModeExclude));
}

Status TGPRegion::Union(TGPRegion *region)
{
    return SetStatus(GdipCombineRegionRegion(nativeRegion, region ? region->nativeRegion : nullptr,
                                             CombineModeUnion));
}

TGPStringFormat::TGPStringFormat(INT formatFlags, LANGID language)
{
    lastResult = GdipCreateStringFormat(formatFlags, language, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(const TGPStringFormat *format)
{
    lastResult = GdipCloneStringFormat(format ? format->nativeFormat : nullptr, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(GpStringFormat *clonedStringFormat, Status status)
    : nativeFormat(clonedStringFormat)
{
    lastResult = status;
}

TGPStringFormat::~TGPStringFormat()
{
    if (nativeFormat)
        GdipDeleteStringFormat(nativeFormat);
}

Status TGPStringFormat::SetAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatAlign(nativeFormat, align));
}

StringAlignment TGPStringFormat::GetAlignment()
{
    StringAlignment a = StringAlignmentNear;
    SetStatus(GdipGetStringFormatAlign(nativeFormat, &a));
    return a;
}

Status TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatLineAlign(nativeFormat, align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    StringAlignment a = StringAlignmentNear;
    SetStatus(GdipGetStringFormatLineAlign(nativeFormat, &a));
    return a;
}

Status TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GdipSetStringFormatTrimming(nativeFormat, trimming));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    StringTrimming t = StringTrimmingNone;
    SetStatus(GdipGetStringFormatTrimming(nativeFormat, &t));
    return t;
}

Status TGPStringFormat::SetFormatFlags(INT flags)
{
    return SetStatus(GdipSetStringFormatFlags(nativeFormat, flags));
}

INT TGPStringFormat::GetFormatFlags()
{
    INT f = 0;
    SetStatus(GdipGetStringFormatFlags(nativeFormat, &f));
    return f;
}

Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GdipSetStringFormatHotkeyPrefix(nativeFormat, hotkeyPrefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    INT h = HotkeyPrefixNone;
    SetStatus(GdipGetStringFormatHotkeyPrefix(nativeFormat, &h));
    return static_cast<HotkeyPrefix>(h);
}

TGPFontFamily::TGPFontFamily(const QString &name, TGPFontCollection *fontCollection)
{
    lastResult = GdipCreateFontFamilyFromName(reinterpret_cast<const WCHAR *>(name.utf16()),
                                              fontCollection ? fontCollection->NativeCollection()
                                                             : nullptr,
                                              &nativeFamily);
}

TGPFontFamily::TGPFontFamily(GpFontFamily *nativeOrig, Status status) : nativeFamily(nativeOrig)
{
    lastResult = status;
}

TGPFontFamily::~TGPFontFamily()
{
    if (nativeFamily)
        GdipDeleteFontFamily(nativeFamily);
}

namespace {
TGPFontFamily *genericFamily(TGPFontFamily *&slot, Status (*get)(GpFontFamily **))
{
    if (!slot) {
        GpFontFamily *f = nullptr;
        const Status s = get(&f);
        slot = new TGPFontFamily(f, s);
    }
    return slot;
}
TGPFontFamily *genericSansSerif = nullptr;
TGPFontFamily *genericSerif = nullptr;
TGPFontFamily *genericMonospace = nullptr;
} // namespace

TGPFontFamily *TGPFontFamily::GenericSansSerif()
{
    return genericFamily(genericSansSerif, &GdipGetGenericFontFamilySansSerif);
}

TGPFontFamily *TGPFontFamily::GenericSerif()
{
    return genericFamily(genericSerif, &GdipGetGenericFontFamilySerif);
}

TGPFontFamily *TGPFontFamily::GenericMonospace()
{
    return genericFamily(genericMonospace, &GdipGetGenericFontFamilyMonospace);
}

TGPFont::TGPFont(const TGPFontFamily *family, REAL emSize, INT style, Unit_ unit)
{
    lastResult = GdipCreateFont(family ? family->NativeFamily() : nullptr, emSize, style, unit,
                                &nativeFont);
}

TGPFont::TGPFont(const QString &familyName, REAL emSize, INT style, Unit_ unit,
                 TGPFontCollection *fontCollection)
{
    TGPFontFamily family(familyName, fontCollection);
    lastResult = GdipCreateFont(family.NativeFamily(), emSize, style, unit, &nativeFont);
    if (lastResult != Ok)
        lastResult = GdipCreateFont(TGPFontFamily::GenericSansSerif()->NativeFamily(), emSize,
                                    style, unit, &nativeFont);
}

TGPFont::TGPFont(GpFont *font, Status status) : nativeFont(font)
{
    lastResult = status;
}

TGPFont::~TGPFont()
{
    if (nativeFont)
        GdipDeleteFont(nativeFont);
}
