// The data cursor's pointers and hint box.
#include "Canvas.h"
#include "gDrawing.h"
#include "gPlotChannelCustom.h"
#include "gPlotComponent.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"

#include <algorithm>
#include <cmath>

int TgPlotDataCursor::PercentToPixels(TgOrientation Orientation, double Percent) const
{
    return Orientation == ioVertical ? FDataView->PositionPercentToPixelsX(Percent)
                                     : FDataView->PositionPercentToPixelsY(Percent);
}

double TgPlotDataCursor::PixelsToPercent(TgOrientation Orientation, int Pixels) const
{
    return Orientation == ioVertical ? FDataView->PixelsXToPositionPercent(Pixels)
                                     : FDataView->PixelsYToPositionPercent(Pixels);
}

double TgPlotDataCursor::PixelStep(TgOrientation Orientation) const
{
    return std::fabs(PixelsToPercent(Orientation, 101) - PixelsToPercent(Orientation, 100));
}

TColor TgPlotDataCursor::PointerColor()
{
    TgPlotChannelCustom *channel = FUseChannelColor ? FindChannel() : nullptr;
    return channel ? channel->Color() : FColor;
}

void TgPlotDataCursor::Draw(TCanvas *Canvas, TColor)
{
    FHintShowing = false;
    FPointer1Rect = FPointer2Rect = FHintRect = TRect();
    if (!FDataView || !Visible())
        return;
    UpdateReadings();
    Canvas->Pen()->SetColor(PointerColor());
    Canvas->Pen()->SetStyle(psSolid);
    if (FPointer1Show) {
        Canvas->Pen()->SetWidth(FPointer1Drag ? 0 : FPointerPenWidth);
        DrawPointer(Canvas, FPointer1Orientation, FPointer1Position, FPointer1Rect);
    }
    if (FPointer2Show) {
        Canvas->Pen()->SetWidth(FPointer2Drag ? 0 : FPointerPenWidth);
        DrawPointer(Canvas, FPointer2Orientation, FPointer2Position, FPointer2Rect);
    }
    if (FHintShow && !IsAll() && !(FHintHideOnRelease && !FPointer1Drag && !FPointer2Drag))
        DrawHint(Canvas);
}

void TgPlotDataCursor::DrawPointer(TCanvas *Canvas, TgOrientation Orientation, double Position, TRect &HitRect)
{
    const TRect v = FDataView->DrawRect();
    if (Orientation == ioVertical) {
        const int x = FDataView->PositionPercentToPixelsX(Position);
        Canvas->MoveTo(x, v.Top);
        Canvas->LineTo(x, v.Bottom);
        HitRect = TRect(x - 5, v.Top, x + 6, v.Bottom);
    } else {
        const int y = FDataView->PositionPercentToPixelsY(Position);
        Canvas->MoveTo(v.Left, y);
        Canvas->LineTo(v.Right, y);
        HitRect = TRect(v.Left, y - 5, v.Right, y + 6);
    }
}

TRect TgPlotDataCursor::PlaceHint(int Width, int Height, int TextWidth, int TextHeight, int CharWidth)
{
    const TRect v = FDataView->DrawRect();
    const bool use1 = FPointer1Show || !FPointer2Show;
    const TRect &pointer = use1 ? FPointer1Rect : FPointer2Rect;
    // A vertical hint stands beside its pointer (across: X) at the hint
    // position (along: Y); a horizontal one below or above it.
    const bool vertical = FHintOrientation == ioVertical;
    const auto middle = [vertical](const TRect &R) {
        return vertical ? R.Left + R.Right : R.Top + R.Bottom;
    };
    const int p = middle(pointer) / 2;
    const int h = vertical ? FDataView->PositionPercentToPixelsY(FHintPosition)
                           : FDataView->PositionPercentToPixelsX(FHintPosition);
    const int reach = CharWidth + (vertical ? TextWidth + 5 : TextHeight);
    // A side chosen while painting is kept without a change notice: a hint
    // that fits on neither side would otherwise ask for paint after paint.
    if (p + reach > (vertical ? v.Right : v.Bottom))
        FHintOrientationSide = iosTopLeft;
    if (p - reach < (vertical ? v.Left : v.Top))
        FHintOrientationSide = iosBottomRight;
    const int across = vertical ? Width : Height, along = vertical ? Height : Width;
    int start;
    if (IsDeltaStyle())
        start = (middle(FPointer1Rect) + middle(FPointer2Rect)) / 4 - across / 2;
    else if (FHintOrientationSide == iosBottomRight)
        start = p + 5;
    else
        start = p - across - 5;
    const int first = h - along / 2;
    TRect box = vertical ? TRect(start, first, start + across, first + along)
                         : TRect(first, start, first + along, start + across);
    // Moved, not shrunk, into the data view: left edge first, then right,
    // top and bottom.
    if (box.Left < v.Left)
        box.Offset(v.Left - box.Left, 0);
    if (box.Right > v.Right)
        box.Offset(v.Right - box.Right, 0);
    if (box.Top < v.Top)
        box.Offset(0, v.Top - box.Top);
    if (box.Bottom > v.Bottom)
        box.Offset(0, v.Bottom - box.Bottom);
    return box;
}

void TgPlotDataCursor::DrawHint(TCanvas *Canvas)
{
    QString text = FindChannel() ? FCursorDisplayText : TranslateText(QStringLiteral("No Channel"));
    if (TgPlotComponent *plot = PlotComponent())
        if (plot->OnDataCursorCustomizeHint && !plot->PlotLoading())
            plot->OnDataCursorCustomizeHint(plot, IndexInPlot(), text);
    Canvas->Font()->Assign(&FFont);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(0);

    // The widths are whole pixels; the text may lay out a fraction wider,
    // which must not break its widest line.
    const int w = MaxLineWidth(Canvas, text);
    const int h = WrappedTextHeight(Canvas, text, w + 1);
    const int a = Canvas->TextWidth(QStringLiteral("A"));
    const int height = a / 2 + h, width = w + a;
    const TRect box = PlaceHint(width, height, w, h, a);

    const TColor outline = FUseChannelColor && FindChannel() ? FindChannel()->Color() : clBlack;
    if (IsDeltaStyle()) {
        Canvas->Pen()->SetStyle(psDot);
        Canvas->Pen()->SetColor(PointerColor());
        Canvas->Brush()->SetStyle(bsClear);
        if (FHintOrientation == ioVertical) {
            const int y = (box.Top + box.Bottom) / 2;
            Canvas->MoveTo((FPointer1Rect.Left + FPointer1Rect.Right) / 2, y);
            Canvas->LineTo((FPointer2Rect.Left + FPointer2Rect.Right) / 2, y);
        } else {
            const int x = (box.Left + box.Right) / 2;
            Canvas->MoveTo(x, (FPointer1Rect.Top + FPointer1Rect.Bottom) / 2);
            Canvas->LineTo(x, (FPointer2Rect.Top + FPointer2Rect.Bottom) / 2);
        }
    }
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(outline);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clInfoBk);
    Canvas->Font()->SetColor(clInfoText);
    Canvas->Rectangle(box);
    TRect textRect(box.Left + 2, box.Top + 1 + (height - 1 - h) / 2, box.Right, box.Bottom);
    DrawTextWithFlags(Canvas, text, textRect, itfLeft | itfTop | itfWordBreak | itfNoClip, true, clInfoBk);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(box);
    if (UserSelected()) {
        TRect focus = box;
        focus.Inflate(2, 2);
        DrawFocusRectangle(Canvas, focus);
    }
    FHintRect = box;
    FHintShowing = true;
}
