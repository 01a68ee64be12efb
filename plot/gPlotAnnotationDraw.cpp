// The annotation's drawing: each style's figure, its text placement, the
// rectangles that answer the mouse and the corner handles.
#include "Bitmap.h"
#include "Canvas.h"
#include "ImageList.h"
#include "InvertRect.h"
#include "Region.h"
#include "gMath.h"
#include "gPlotAnnotation.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataView.h"
#include "gPlotObjectHost.h"
#include "gPlotOwner.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gUtilities.h"

namespace {

bool Meets(const TRect &A, const TRect &B)
{
    return !IntersectRect(A, B).IsEmpty();
}

} // namespace

void TgPlotAnnotation::CalcSizeHandles(const TRect &Rect)
{
    const TRect view = FDataView ? FDataView->DrawRect() : Rect;
    auto handle = [&view](int X, int Y) { return IntersectRect(TRect(X - 3, Y - 3, X + 3, Y + 3), view); };
    FSizeTopLeftRect = handle(Rect.Left, Rect.Top);
    FSizeTopRightRect = handle(Rect.Right, Rect.Top);
    FSizeBottomLeftRect = handle(Rect.Left, Rect.Bottom);
    FSizeBottomRightRect = handle(Rect.Right, Rect.Bottom);
}

void TgPlotAnnotation::DrawSizeHandles(TCanvas *Canvas)
{
    if (!UserSelected() || !FShowFocusRect)
        return;
    for (const TRect *r : {&FSizeTopLeftRect, &FSizeTopRightRect, &FSizeBottomLeftRect, &FSizeBottomRightRect})
        if (!r->IsEmpty())
            InvertRect(Canvas, *r);
}

void TgPlotAnnotation::ClipToChannelAxes(TCanvas *Canvas)
{
    // The channel frame may not be in use at all (every frame the data
    // view): then the data view is the clip.
    if (!ChannelFrameReady()) {
        if (FDataView)
            Canvas->IntersectClipRect(FDataView->DrawRect());
        return;
    }
    const int x1 = FChannel->XAxis()->MinPixels(), x2 = FChannel->XAxis()->MaxPixels();
    const int y1 = FChannel->YAxis()->MinPixels(), y2 = FChannel->YAxis()->MaxPixels();
    Canvas->IntersectClipRect(ReversibleNormalizedRect(XYAxesReversed(), x1, y1, x2, y2));
}

void TgPlotAnnotation::SetShapeTools(TCanvas *Canvas, TColor)
{
    Canvas->Pen()->SetColor(FPenColor);
    Canvas->Pen()->SetWidth(FPenWidth);
    Canvas->Pen()->SetStyle(FPenStyle);
    Canvas->Brush()->SetColor(FBrushColor);
    Canvas->Brush()->SetStyle(FBrushStyle);
}

void TgPlotAnnotation::SetLineTools(TCanvas *Canvas, TColor BackGroundColor)
{
    SetShapeTools(Canvas, BackGroundColor);
    Canvas->Brush()->SetColor(BackGroundColor);
}

TSize TgPlotAnnotation::TextExtent(TCanvas *Canvas)
{
    Canvas->SetFont(&FFont);
    const int width = MaxLineWidth(Canvas, FText), height = MultiLineTextHeight(Canvas, FText);
    const bool turned = FTextRotation == ira090 || FTextRotation == ira270;
    return turned ? TSize(height, width) : TSize(width, height);
}

TRect TgPlotAnnotation::TextBlockAt(TCanvas *Canvas, TPoint Anchor)
{
    const TSize extent = TextExtent(Canvas);
    const int tw = extent.cx, th = extent.cy;
    const int cw = Canvas->TextWidth(QStringLiteral("A")), ch = Canvas->TextHeight(QStringLiteral("A"));
    int left = Anchor.X - tw / 2, top = Anchor.Y - th / 2;
    const int m = RoundHalfEven(cw * FTextHorzMargin), n = RoundHalfEven(ch * FTextVertMargin);
    if (FTextHorzAlignment == iahLeft)
        left += m + tw / 2;
    else if (FTextHorzAlignment == iahRight)
        left -= m + tw / 2;
    if (FTextVertAlignment == iavTop)
        top += n + th / 2;
    else if (FTextVertAlignment == iavBottom)
        top -= n + th / 2;
    return TRect(left, top, left + tw, top + th);
}

TRect TgPlotAnnotation::TextRectIn(TCanvas *Canvas, const TRect &R)
{
    const TSize extent = TextExtent(Canvas);
    const int tw = extent.cx, th = extent.cy;
    const int cw = Canvas->TextWidth(QStringLiteral("0")), ch = Canvas->TextHeight(QStringLiteral("A"));
    const int m = RoundHalfEven(cw * FTextHorzMargin), n = RoundHalfEven(ch * FTextVertMargin);
    TRect text = R;
    if (FTextHorzAlignment == iahLeft) {
        text.Left = R.Left + m;
        text.Right = text.Left + tw;
    } else if (FTextHorzAlignment == iahRight) {
        text.Right = R.Right - m;
        text.Left = text.Right - tw;
    }
    if (FTextVertAlignment == iavTop) {
        text.Top = R.Top + n;
        text.Bottom = text.Top + th;
    } else if (FTextVertAlignment == iavBottom) {
        text.Bottom = R.Bottom - n;
        text.Top = text.Bottom - th;
    }
    return text;
}

void TgPlotAnnotation::DrawTextIn(TCanvas *Canvas, const TRect &Rect, TColor BackGroundColor)
{
    Canvas->SaveState();
    if (FDataView)
        Canvas->IntersectClipRect(FDataView->DrawRect());
    Canvas->SetFont(&FFont);
    Canvas->Brush()->SetStyle(bsClear);
    TRect covered;
    DrawRotatedText(Canvas, FText, Rect, FTextRotation, FTextLineAlignment, Enabled(), BackGroundColor, covered);
    Canvas->RestoreState();
}

void TgPlotAnnotation::DrawShape(TCanvas *Canvas, const TRect &Rect, TColor BackGroundColor)
{
    const TRect view = FDataView ? FDataView->DrawRect() : Canvas->ClipRect();
    if (!Meets(Rect, view))
        return;
    SetShapeTools(Canvas, BackGroundColor);
    if (FStyle == ipasEllipse || FStyle == ipasEllipse2)
        Canvas->Ellipse(Rect);
    else
        Canvas->Rectangle(Rect);
    if (FStyle == ipasTextRectangle)
        DrawTextIn(Canvas, TextRectIn(Canvas, Rect), BackGroundColor);
    FShowing = true;
    FDrawRect = Rect;
    FClickRect = IntersectRect(Rect, view);
    CalcSizeHandles(Rect);
    DrawSizeHandles(Canvas);
}

void TgPlotAnnotation::DrawLineStyle(TCanvas *Canvas, TPoint A, TColor BackGroundColor)
{
    const TRect view = FDataView ? FDataView->DrawRect() : Canvas->ClipRect();
    const bool reversed = XYAxesReversed();
    // A in axis order: A.X along the X axis, A.Y along the Y axis.
    TPoint from, to;
    TRect click;
    if (FStyle == ipasLine) {
        from = ReversiblePoint(reversed, A.X, A.Y);
        to = ReversiblePoint(reversed, PositionXToPixels(FX2), PositionYToPixels(FY2));
    } else if ((FStyle == ipasLineX) != reversed) {
        // Upright at the screen's x.
        const int x = FStyle == ipasLineX ? A.X : A.Y;
        from = TPoint(x, view.Top);
        to = TPoint(x, view.Bottom);
        click = TRect(x - 5, view.Top, x + 5, view.Bottom);
    } else {
        const int y = FStyle == ipasLineY ? A.Y : A.X;
        from = TPoint(view.Right, y);
        to = TPoint(view.Left, y);
        click = TRect(view.Left, y - 5, view.Right, y + 5);
    }
    if (!SegmentIntersectsRect(from, to, view))
        return;
    SetLineTools(Canvas, BackGroundColor);
    Canvas->MoveTo(from.X, from.Y);
    Canvas->LineTo(to.X, to.Y);
    // A free line answers no mouse.
    if (FStyle != ipasLine) {
        FShowing = true;
        FClickRect = click;
    }
}

void TgPlotAnnotation::DrawImage(TCanvas *Canvas, TPoint Anchor)
{
    const TRect view = FDataView ? FDataView->DrawRect() : Canvas->ClipRect();
    if (TBitmap *image = FImage.Get(); image && !image->Empty()) {
        const int w = image->Width(), h = image->Height();
        const TRect r(Anchor.X - w / 2, Anchor.Y - h / 2, Anchor.X - w / 2 + w, Anchor.Y - h / 2 + h);
        if (!Meets(r, view))
            return;
        image->SetTransparentColor(image->Canvas()->Pixels(0, h - 1));
        Canvas->Draw(r.Left, r.Top, image);
        FShowing = true;
        FClickRect = r;
        return;
    }
    IgPlotObjectHost *host = Host();
    TCustomImageList *list = host ? host->GetImageList(FImageListIndex == 0 || FImageListIndex == 1 ? FImageListIndex : 2)
                                  : nullptr;
    if (!list)
        return;
    const int w = list->Width(), h = list->Height();
    const TRect r(Anchor.X - w / 2, Anchor.Y - h / 2, Anchor.X - w / 2 + w, Anchor.Y - h / 2 + h);
    if (!Meets(r, view))
        return;
    list->Draw(Canvas, r.Left, r.Top, FImageIndex, Enabled());
    FShowing = true;
    FClickRect = r;
}

void TgPlotAnnotation::DrawPolygon(TCanvas *Canvas, TColor BackGroundColor)
{
    if (PolyPointsCount() < 2)
        return;
    std::vector<TPoint> points;
    points.reserve(FPolyPoints.size());
    for (const TgPlotAnnotationPoint &p : FPolyPoints)
        points.push_back(ReversiblePoint(XYAxesReversed(), PositionXToPixels(p.X), PositionYToPixels(p.Y)));
    const TRect box = TRegion::FromPolygon(points, WINDING).BoundingBox();
    const TRect view = FDataView ? FDataView->DrawRect() : Canvas->ClipRect();
    if (!Meets(box, view))
        return;
    SetShapeTools(Canvas, BackGroundColor);
    Canvas->Polygon(points);
    FShowing = true;
    FDrawRect = box;
    FClickRect = IntersectRect(box, view);
    CalcSizeHandles(box);
    DrawSizeHandles(Canvas);
}

void TgPlotAnnotation::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    FShowing = false;
    FDrawRect = FClickRect = TRect();
    FSizeTopLeftRect = FSizeTopRightRect = FSizeBottomLeftRect = FSizeBottomRightRect = TRect();
    if (!Visible())
        return;
    const bool channelFrame =
        UsesChannelPositionX() || UsesChannelPositionY() || UsesChannelSizeX() || UsesChannelSizeY();
    const bool viewFrame =
        !UsesChannelPositionX() || !UsesChannelPositionY() || !UsesChannelSizeX() || !UsesChannelSizeY();
    if ((viewFrame && !FDataView) || (channelFrame && !ChannelFrameReady()))
        return;

    const bool reversed = XYAxesReversed();
    // In axis order (X along the X axis); the screen has them exchanged
    // when the axes are.
    const TPoint a(PositionXToPixels(FX), PositionYToPixels(FY));
    const TPoint b(PositionXToPixels(FX2), PositionYToPixels(FY2));
    const int w = SizeXToPixels(FWidth / 2), h = SizeYToPixels(FHeight / 2);
    const TPoint anchor = ReversiblePoint(reversed, a.X, a.Y);
    const TRect sized = ReversibleNormalizedRect(reversed, a.X - w, a.Y - h, a.X + w, a.Y + h);
    const TRect corners = ReversibleNormalizedRect(reversed, a.X, a.Y, b.X, b.Y);

    Canvas->SaveState();
    IgPlotOwner *plot = Plot();
    if (FClipToAxes || (FReference == iprtChannel && plot && plot->ClipAnnotationsToAxes()))
        ClipToChannelAxes(Canvas);
    switch (FStyle) {
    case ipasText: {
        const TRect block = TextBlockAt(Canvas, anchor);
        DrawTextIn(Canvas, block, BackGroundColor);
        FShowing = true;
        FClickRect = block;
        break;
    }
    case ipasTextBox: {
        TRect box = TextBlockAt(Canvas, anchor);
        box.Inflate(FOuterMargin, FOuterMargin);
        const TRect view = FDataView ? FDataView->DrawRect() : Canvas->ClipRect();
        if (!Meets(box, view))
            break;
        SetShapeTools(Canvas, BackGroundColor);
        Canvas->Rectangle(box);
        TRect inner = box;
        inner.Inflate(-FOuterMargin, -FOuterMargin);
        DrawTextIn(Canvas, inner, BackGroundColor);
        FShowing = true;
        FClickRect = box;
        break;
    }
    case ipasLine:
    case ipasLineX:
    case ipasLineY:
        DrawLineStyle(Canvas, a, BackGroundColor);
        break;
    case ipasRectangle:
    case ipasEllipse2:
    case ipasTextRectangle:
        Canvas->SetFont(&FFont);
        DrawShape(Canvas, sized, BackGroundColor);
        break;
    case ipasEllipse:
    case ipasRectangle2:
        DrawShape(Canvas, corners, BackGroundColor);
        break;
    case ipasImage:
        DrawImage(Canvas, anchor);
        break;
    case ipasPolygon:
        DrawPolygon(Canvas, BackGroundColor);
        break;
    }
    Canvas->RestoreState();
}
