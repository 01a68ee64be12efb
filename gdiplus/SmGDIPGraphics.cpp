// TGPGraphics and its text helpers.

#include "SmGDIP.h"

#include "Canvas.h"
#include "Font.h"

namespace {
const WCHAR *wide(const QString &s)
{
    return reinterpret_cast<const WCHAR *>(s.utf16());
}

GpPen *penOf(TGPPen *pen) { return pen ? pen->NativePen() : nullptr; }
GpBrush *brushOf(const TGPBrush *brush) { return brush ? brush->NativeBrush() : nullptr; }
GpImage *imageOf(TGPImage *image) { return image ? image->NativeImage() : nullptr; }
GpPath *pathOf(TGPGraphicsPath *path) { return path ? path->NativePath() : nullptr; }
GpRegion *regionOf(TGPRegion *region) { return region ? region->NativeRegion() : nullptr; }
const GpFont *fontOf(const TGPFont *font) { return font ? font->NativeFont() : nullptr; }
const GpStringFormat *formatOf(const TGPStringFormat *f) { return f ? f->NativeFormat() : nullptr; }
} // namespace

TGPGraphics::TGPGraphics(QPainter *hdc)
{
    lastResult = GdipCreateFromHDC(hdc, &nativeGraphics);
}

TGPGraphics::TGPGraphics(TGPImage *image)
{
    if (image)
        lastResult = GdipGetImageGraphicsContext(image->NativeImage(), &nativeGraphics);
}

TGPGraphics *TGPGraphics::FromImage(TGPImage *image)
{
    return new TGPGraphics(image);
}

TGPGraphics::~TGPGraphics()
{
    if (nativeGraphics)
        GdipDeleteGraphics(nativeGraphics);
}

void TGPGraphics::Flush(FlushIntention intention)
{
    GdipFlush(nativeGraphics, intention);
}

Status TGPGraphics::Clear(ARGB color)
{
    return SetStatus(GdipGraphicsClear(nativeGraphics, color));
}

Status TGPGraphics::SetTransform(TGPMatrix *matrix)
{
    return SetStatus(GdipSetWorldTransform(nativeGraphics, matrix ? matrix->NativeMatrix() : nullptr));
}

Status TGPGraphics::ResetTransform()
{
    return SetStatus(GdipResetWorldTransform(nativeGraphics));
}

QPainter *TGPGraphics::GetHDC()
{
    QPainter *hdc = nullptr;
    SetStatus(GdipGetDC(nativeGraphics, &hdc));
    return hdc;
}

void TGPGraphics::ReleaseHDC(QPainter *hdc)
{
    SetStatus(GdipReleaseDC(nativeGraphics, hdc));
}

Status TGPGraphics::SetCompositingQuality(CompositingQuality compositingQuality)
{
    return SetStatus(GdipSetCompositingQuality(nativeGraphics, compositingQuality));
}

CompositingQuality TGPGraphics::GetCompositingQuality()
{
    CompositingQuality q = CompositingQualityInvalid;
    SetStatus(GdipGetCompositingQuality(nativeGraphics, &q));
    return q;
}

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GdipSetTextRenderingHint(nativeGraphics, newMode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    TextRenderingHint h = TextRenderingHintSystemDefault;
    SetStatus(GdipGetTextRenderingHint(nativeGraphics, &h));
    return h;
}

Status TGPGraphics::SetSmoothingMode(SmoothingMode smoothingMode)
{
    return SetStatus(GdipSetSmoothingMode(nativeGraphics, smoothingMode));
}

SmoothingMode TGPGraphics::GetSmoothingMode()
{
    SmoothingMode m = SmoothingModeInvalid;
    SetStatus(GdipGetSmoothingMode(nativeGraphics, &m));
    return m;
}

Status TGPGraphics::DrawPath(TGPPen *pen, TGPGraphicsPath *path)
{
    return SetStatus(GdipDrawPath(nativeGraphics, penOf(pen), pathOf(path)));
}

Status TGPGraphics::FillRectangle(TGPBrush *brush, const TGPRectF &rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillRectangle(TGPBrush *brush, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GdipFillRectangle(nativeGraphics, brushOf(brush), x, y, width, height));
}

Status TGPGraphics::DrawRectangle(TGPPen *pen, const TGPRectF &rect)
{
    return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawRectangle(TGPPen *pen, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GdipDrawRectangle(nativeGraphics, penOf(pen), x, y, width, height));
}

Status TGPGraphics::DrawLine(TGPPen *pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    return SetStatus(GdipDrawLine(nativeGraphics, penOf(pen), x1, y1, x2, y2));
}

Status TGPGraphics::DrawLine(TGPPen *pen, const TGPPointF &pt1, const TGPPointF &pt2)
{
    return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y);
}

Status TGPGraphics::DrawArc(TGPPen *pen, REAL x, REAL y, REAL width, REAL height,
                            REAL startAngle, REAL sweepAngle)
{
    return SetStatus(
        GdipDrawArc(nativeGraphics, penOf(pen), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::DrawArc(TGPPen *pen, const TGPRectF &rect, REAL startAngle, REAL sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawEllipse(TGPPen *pen, const TGPRectF &rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawEllipse(TGPPen *pen, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GdipDrawEllipse(nativeGraphics, penOf(pen), x, y, width, height));
}

Status TGPGraphics::DrawEllipse(TGPPen *pen, INT x, INT y, INT width, INT height)
{
    return SetStatus(GdipDrawEllipseI(nativeGraphics, penOf(pen), x, y, width, height));
}

Status TGPGraphics::FillEllipse(TGPBrush *brush, const TGPRectF &rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillEllipse(TGPBrush *brush, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GdipFillEllipse(nativeGraphics, brushOf(brush), x, y, width, height));
}

Status TGPGraphics::FillEllipse(TGPBrush *brush, INT x, INT y, INT width, INT height)
{
    return SetStatus(GdipFillEllipseI(nativeGraphics, brushOf(brush), x, y, width, height));
}

Status TGPGraphics::FillPolygon(TGPBrush *brush, const TGPPointF *points, INT count,
                                FillMode fillMode)
{
    return SetStatus(GdipFillPolygon(nativeGraphics, brushOf(brush), points, count, fillMode));
}

Status TGPGraphics::FillPolygon(TGPBrush *brush, const TGPPoint *points, INT count,
                                FillMode fillMode)
{
    return SetStatus(GdipFillPolygonI(nativeGraphics, brushOf(brush), points, count, fillMode));
}

Status TGPGraphics::FillPath(TGPBrush *brush, TGPGraphicsPath *path)
{
    return SetStatus(GdipFillPath(nativeGraphics, brushOf(brush), pathOf(path)));
}

Status TGPGraphics::DrawImage(TGPImage *image, INT x, INT y)
{
    return SetStatus(GdipDrawImageI(nativeGraphics, imageOf(image), x, y));
}

Status TGPGraphics::DrawImage(TGPImage *image, const TGPRectF &rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawImage(TGPImage *image, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GdipDrawImageRect(nativeGraphics, imageOf(image), x, y, width, height));
}

Status TGPGraphics::DrawImage(TGPImage *image, const TGPRectF &destRect, REAL srcx, REAL srcy,
                              REAL srcwidth, REAL srcheight, Unit_ srcUnit,
                              TGPImageAttributes *imageAttributes, DrawImageAbort callback,
                              void *callbackData)
{
    return SetStatus(GdipDrawImageRectRect(
        nativeGraphics, imageOf(image), destRect.X, destRect.Y, destRect.Width, destRect.Height,
        srcx, srcy, srcwidth, srcheight, srcUnit,
        imageAttributes ? imageAttributes->NativeAttributes() : nullptr, callback, callbackData));
}

Status TGPGraphics::DrawImageRect(TGPImage *image, INT x, INT y, INT w, INT h)
{
    return SetStatus(
        GdipDrawImageRect(nativeGraphics, imageOf(image), REAL(x), REAL(y), REAL(w), REAL(h)));
}

Status TGPGraphics::DrawImageRect(TGPImage *image, const TGPRectF &rect)
{
    return DrawImageRect(image, RoundHalfEven(rect.X), RoundHalfEven(rect.Y),
                         RoundHalfEven(rect.Width), RoundHalfEven(rect.Height));
}

Status TGPGraphics::DrawString(const QString &text, INT length, const TGPFont *font,
                               const TGPRectF &layoutRect, const TGPStringFormat *stringFormat,
                               const TGPBrush *brush)
{
    return SetStatus(GdipDrawString(nativeGraphics, wide(text), ClampedTextLength(text, length),
                                    fontOf(font), &layoutRect, formatOf(stringFormat),
                                    brushOf(brush)));
}

Status TGPGraphics::DrawString(const QString &text, INT length, const TGPFont *font,
                               const TGPPointF &origin, const TGPBrush *brush)
{
    return DrawString(text, length, font, origin, nullptr, brush);
}

Status TGPGraphics::DrawString(const QString &text, INT length, const TGPFont *font,
                               const TGPPointF &origin, const TGPStringFormat *stringFormat,
                               const TGPBrush *brush)
{
    const TGPRectF rect = MakeRectF(origin.X, origin.Y, 0, 0);
    return DrawString(text, length, font, rect, stringFormat, brush);
}

Status TGPGraphics::MeasureString(const QString &text, INT length, const TGPFont *font,
                                  const TGPRectF &layoutRect,
                                  const TGPStringFormat *stringFormat, TGPRectF &boundingBox,
                                  INT *codepointsFitted, INT *linesFilled)
{
    return SetStatus(GdipMeasureString(nativeGraphics, wide(text), ClampedTextLength(text, length),
                                       fontOf(font), &layoutRect, formatOf(stringFormat),
                                       &boundingBox, codepointsFitted, linesFilled));
}

Status TGPGraphics::MeasureString(const QString &text, INT length, const TGPFont *font,
                                  const TGPPointF &origin, const TGPStringFormat *stringFormat,
                                  TGPRectF &boundingBox)
{
    return MeasureString(text, length, font, MakeRectF(origin.X, origin.Y, 0, 0), stringFormat,
                         boundingBox);
}

Status TGPGraphics::MeasureString(const QString &text, INT length, const TGPFont *font,
                                  const TGPRectF &layoutRect, TGPRectF &boundingBox)
{
    return MeasureString(text, length, font, layoutRect, nullptr, boundingBox);
}

Status TGPGraphics::ExcludeClip(const TGPRectF &rect)
{
    return SetStatus(GdipSetClipRect(nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height,
                                     CombineModeExclude));
}

Status TGPGraphics::ExcludeClip(TGPRegion *region)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, regionOf(region), CombineModeExclude));
}

Status TGPGraphics::SetClip(TGPRegion *region, CombineMode combineMode)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, regionOf(region), combineMode));
}

Status TGPGraphics::SetClip(TGPGraphicsPath *path, CombineMode combineMode)
{
    return SetStatus(GdipSetClipPath(nativeGraphics, pathOf(path), combineMode));
}

Status TGPGraphics::ResetClip()
{
    return SetStatus(GdipResetClip(nativeGraphics));
}

TGPFont *TGPGraphics::MakeFont(TFont *AFont)
{
    auto *family = new TGPFontFamily(AFont->Name());
    const Status s = family->GetStatus();
    if (s == FontFamilyNotFound || s == FontStyleNotFound) {
        delete family;
        family = new TGPFontFamily(QStringLiteral("Arial"));
    }
    INT style = FontStyleRegular;
    if (AFont->Style().Contains(fsBold))
        style += FontStyleBold;
    if (AFont->Style().Contains(fsItalic))
        style += FontStyleItalic;
    if (AFont->Style().Contains(fsUnderline))
        style += FontStyleUnderline;
    auto *font = new TGPFont(family, REAL(AFont->Size()), style, UnitPoint);
    delete family;
    return font;
}

int TGPGraphics::TextWidth(const QString &text, TFont *font)
{
    TGPFont *f = MakeFont(font);
    TGPRectF box{};
    MeasureString(text, -1, f, MakeRectF(0, 0, 10000, 10000), box);
    delete f;
    return RoundHalfEven(box.Width);
}

int TGPGraphics::TextHeight(const QString &text, TFont *font)
{
    TGPFont *f = MakeFont(font);
    TGPRectF box{};
    MeasureString(text, -1, f, MakeRectF(0, 0, 10000, 10000), box);
    delete f;
    return RoundHalfEven(box.Height);
}

int TGPGraphics::DrawText(const QString &text, int len, TRect &rect, TFont *font, UINT style,
                          TColor bkColor)
{
    TGPFont *f = MakeFont(font);
    if ((style & DT_CALCRECT) || bkColor != clNone) {
        int correction = 2;
        if (font->Size() > 8)
            correction += RoundHalfEven((font->Size() - 8) / 1.5);
        // A trailing blank is not measured: measure an "i" in its place.
        QString copy = text;
        if (copy.size() > 1 && copy.back() == QLatin1Char(' '))
            copy[copy.size() - 1] = QLatin1Char('i');
        TGPRectF box{};
        MeasureString(copy, len, f,
                      MakeRectF(REAL(rect.Left), REAL(rect.Top),
                                REAL(rect.Right - rect.Left + 1000), REAL(rect.Bottom - rect.Top)),
                      box);
        rect.Right = RoundHalfEven(rect.Left + box.Width - correction);
        rect.Bottom = RoundHalfEven(rect.Top + box.Height);
        if (bkColor != clNone) {
            TGPSolidBrush back(OpaqueArgbFromColor(bkColor));
            FillRectangle(&back, REAL(rect.Left + 1), REAL(rect.Top),
                          box.Width - correction + 1, box.Height);
        }
    }
    if (!(style & DT_CALCRECT)) {
        TGPSolidBrush ink(OpaqueArgbFromColor(font->Color()));
        DrawString(text, len, f, MakePointF(REAL(rect.Left), REAL(rect.Top)), &ink);
    }
    delete f;
    return rect.Bottom - rect.Top;
}
