#include "gPlotLimit.h"

#include "Canvas.h"
#include "Cursors.h"
#include "Exceptions.h"
#include "gPlotComponent.h"
#include "gPlotObjectHost.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gUtilities.h"

TgPlotLimit::TgPlotLimit(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
}

TgPlotComponent *TgPlotLimit::PlotComponent() const
{
    return dynamic_cast<TgPlotComponent *>(Owner());
}

int TgPlotLimit::IndexInPlot() const
{
    TgPlotComponent *plot = PlotComponent();
    return plot ? plot->GetLimitIndexByName(Name()) : -1;
}

void TgPlotLimit::SetXAxisName(const QString &Value)
{
    if (Value == FXAxisName)
        return;
    FXAxisName = Value;
    FXAxis = nullptr;
    DoChange();
}

void TgPlotLimit::SetYAxisName(const QString &Value)
{
    if (Value == FYAxisName)
        return;
    FYAxisName = Value;
    FYAxis = nullptr;
}

TgPlotXAxis *TgPlotLimit::XAxis()
{
    if (!FXAxis)
        if (IgPlotOwner *plot = Plot())
            FXAxis = plot->GetXAxisByName(FXAxisName);
    return FXAxis;
}

TgPlotYAxis *TgPlotLimit::YAxis()
{
    if (!FYAxis)
        if (IgPlotOwner *plot = Plot())
            FYAxis = plot->GetYAxisByName(FYAxisName);
    return FYAxis;
}

void TgPlotLimit::SetLinePosition(double &Field, double Value, int Line)
{
    if (Value == Field)
        return;
    const double old = Field;
    Field = Value;
    DoChange();
    TgPlotComponent *plot = PlotComponent();
    if (!plot || plot->PlotLoading())
        return;
    if (const auto &event = Line == 1 ? plot->OnLimitLine1PositionChange : plot->OnLimitLine2PositionChange)
        event(plot, IndexInPlot(), old, Value);
}

void TgPlotLimit::SetLine1Position(double Value)
{
    SetLinePosition(FLine1Position, Value, 1);
}

void TgPlotLimit::SetLine2Position(double Value)
{
    SetLinePosition(FLine2Position, Value, 2);
}

void TgPlotLimit::AddBandElement(double Position, double UpperLimit, double LowerLimit)
{
    if (LowerLimit > UpperLimit)
        throw Exception(QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
    FElements.Add(Position, UpperLimit, LowerLimit);
    DoChange();
}

void TgPlotLimit::ClearAllElements()
{
    FElements.Clear();
    DoChange();
}

bool TgPlotLimit::IsYStyle() const
{
    return FStyle == iplsLineY || FStyle == iplsBandY || FStyle == iplsPolyBandY;
}

bool TgPlotLimit::IsFilledStyle() const
{
    switch (FStyle) {
    case iplsBandX:
    case iplsBandY: return FFillStyle != bsClear;
    case iplsPolyBandX:
    case iplsPolyBandY: return true;
    default: return false;
    }
}

void TgPlotLimit::NotificationRemove(TObject *Sender)
{
    TgPlotObject::NotificationRemove(Sender);
    // Told from the object's base destructor: compare addresses only.
    if (static_cast<void *>(Sender) == static_cast<void *>(FXAxis))
        FXAxis = nullptr;
    if (static_cast<void *>(Sender) == static_cast<void *>(FYAxis))
        FYAxis = nullptr;
}

void TgPlotLimit::NotificationRename(TObject *Sender)
{
    TgPlotObject::NotificationRename(Sender);
    if (FXAxis && static_cast<void *>(Sender) == static_cast<void *>(FXAxis))
        FXAxisName = static_cast<TgPlotObject *>(Sender)->Name();
    if (FYAxis && static_cast<void *>(Sender) == static_cast<void *>(FYAxis))
        FYAxisName = static_cast<TgPlotObject *>(Sender)->Name();
}

void TgPlotLimit::NotificationSetFocus(TObject *Sender)
{
    auto *object = dynamic_cast<TgPlotObject *>(Sender);
    if (object && object != this && object->UserSelected())
        SetUserSelected(false);
}

// --- Drawing ------------------------------------------------------------------

TPoint TgPlotLimit::PixelOf(double X, double Y)
{
    return ReversiblePoint(XYAxesReversed(), XAxis()->PositionToPixels(X), YAxis()->PositionToPixels(Y));
}

TRect TgPlotLimit::LineClickRect(int Pixel, bool AlongX)
{
    TgPlotAxis *across = AlongX ? static_cast<TgPlotAxis *>(YAxis()) : static_cast<TgPlotAxis *>(XAxis());
    const int a = across->PositionToPixels(across->Min()), b = across->PositionToPixels(across->Max());
    TRect r = AlongX ? ReversibleNormalizedRect(XYAxesReversed(), Pixel - 5, a, Pixel + 5, b)
                     : ReversibleNormalizedRect(XYAxesReversed(), a, Pixel - 5, b, Pixel + 5);
    // Both edges belong to the rectangle: the line is hit 5 pixels either side.
    ++r.Right;
    ++r.Bottom;
    return r;
}

void TgPlotLimit::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    FLine1Drawn = FLine2Drawn = false;
    FLine1ClickRect = FLine2ClickRect = TRect();
    if (!Visible() || !XAxis() || !YAxis())
        return;
    Canvas->SaveState();
    if (FClipToAxes) {
        TRect clip = ReversibleNormalizedRect(XYAxesReversed(), XAxis()->MinPixels(), YAxis()->MinPixels(),
                                              XAxis()->MaxPixels(), YAxis()->MaxPixels());
        ++clip.Right;
        ++clip.Bottom;
        Canvas->IntersectClipRect(clip);
    }
    switch (FStyle) {
    case iplsLineX: DrawLine(Canvas, BackGroundColor, true); break;
    case iplsLineY: DrawLine(Canvas, BackGroundColor, false); break;
    case iplsBandX: DrawBand(Canvas, true); break;
    case iplsBandY: DrawBand(Canvas, false); break;
    case iplsPolyBandX: DrawPolyBand(Canvas, true); break;
    case iplsPolyBandY: DrawPolyBand(Canvas, false); break;
    }
    Canvas->RestoreState();
}

void TgPlotLimit::DrawLine(TCanvas *Canvas, TColor BackGroundColor, bool AlongX)
{
    TgPlotAxis *along = AlongX ? static_cast<TgPlotAxis *>(XAxis()) : static_cast<TgPlotAxis *>(YAxis());
    TgPlotAxis *across = AlongX ? static_cast<TgPlotAxis *>(YAxis()) : static_cast<TgPlotAxis *>(XAxis());
    if (FLine1Position < along->Min() || FLine1Position > along->Max())
        return;
    Canvas->Pen()->SetColor(FColor);
    Canvas->Pen()->SetWidth(FLineWidth);
    Canvas->Pen()->SetStyle(FLineStyle);
    Canvas->Brush()->SetColor(BackGroundColor);
    const auto at = [&](double Across) {
        return AlongX ? PixelOf(FLine1Position, Across) : PixelOf(Across, FLine1Position);
    };
    const TPoint from = at(across->Min()), to = at(across->Max());
    Canvas->MoveTo(from.X, from.Y);
    Canvas->LineTo(to.X, to.Y);
    FLine1Drawn = true;
    FLine1ClickRect = LineClickRect(along->PositionToPixels(FLine1Position), AlongX);
}

void TgPlotLimit::DrawBand(TCanvas *Canvas, bool AlongX)
{
    TgPlotAxis *along = AlongX ? static_cast<TgPlotAxis *>(XAxis()) : static_cast<TgPlotAxis *>(YAxis());
    TgPlotAxis *across = AlongX ? static_cast<TgPlotAxis *>(YAxis()) : static_cast<TgPlotAxis *>(XAxis());
    Canvas->Pen()->SetColor(FColor);
    Canvas->Brush()->SetColor(FColor);
    Canvas->Brush()->SetStyle(FFillStyle);
    const auto at = [&](double Along, double Across) {
        return AlongX ? PixelOf(Along, Across) : PixelOf(Across, Along);
    };
    const TPoint a1 = at(FLine1Position, across->Min()), b1 = at(FLine1Position, across->Max());
    const TPoint a2 = at(FLine2Position, across->Min()), b2 = at(FLine2Position, across->Max());
    FLine1Drawn = FLine2Drawn = true;
    FLine1ClickRect = LineClickRect(along->PositionToPixels(FLine1Position), AlongX);
    FLine2ClickRect = LineClickRect(along->PositionToPixels(FLine2Position), AlongX);
    const auto lines = [&] {
        Canvas->MoveTo(a1.X, a1.Y);
        Canvas->LineTo(b1.X, b1.Y);
        Canvas->MoveTo(a2.X, a2.Y);
        Canvas->LineTo(b2.X, b2.Y);
    };
    const TRect band = NormalizedRect(a1.X, a1.Y, b2.X, b2.Y);
    if (FFillStyle == bsSolid) {
        Canvas->Pen()->SetStyle(FLineStyle);
        Canvas->Pen()->SetWidth(1);
        Canvas->Rectangle(band);
    } else if (FFillStyle == bsClear) {
        Canvas->Pen()->SetStyle(FLineStyle);
        Canvas->Pen()->SetWidth(FLineWidth);
        lines();
    } else {
        Canvas->Pen()->SetStyle(psClear);
        Canvas->Rectangle(band);
        Canvas->Pen()->SetStyle(FLineStyle);
        Canvas->Pen()->SetWidth(1);
        lines();
    }
}

void TgPlotLimit::DrawPolyBand(TCanvas *Canvas, bool LimitsAlongX)
{
    const int n = FElements.Count();
    if (n < 2)
        return;
    // The positions run along the other axis than the limits.
    TgPlotAxis *positions = LimitsAlongX ? static_cast<TgPlotAxis *>(YAxis()) : static_cast<TgPlotAxis *>(XAxis());
    Canvas->Pen()->SetColor(FColor);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Brush()->SetColor(FColor);
    Canvas->Brush()->SetStyle(FFillStyle);
    const auto corner = [&](double Limit, double Position) {
        return LimitsAlongX ? PixelOf(Limit, Position) : PixelOf(Position, Limit);
    };
    for (int k = 1; k < n; ++k) {
        const double p0 = FElements.GetValue1(k - 1), p1 = FElements.GetValue1(k);
        if (p0 < positions->Min() && p1 < positions->Min())
            continue;
        // The elements are expected in ascending position.
        if (p0 > positions->Max())
            break;
        const TPoint u0 = corner(FElements.GetValue2(k - 1), p0), l0 = corner(FElements.GetValue3(k - 1), p0);
        const TPoint u1 = corner(FElements.GetValue2(k), p1), l1 = corner(FElements.GetValue3(k), p1);
        if (FFillStyle == bsSolid) {
            Canvas->Polygon({u0, u1, l1, l0});
            continue;
        }
        Canvas->Pen()->SetStyle(psClear);
        Canvas->Polygon({u0, u1, l1, l0});
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->MoveTo(u0.X, u0.Y);
        Canvas->LineTo(u1.X, u1.Y);
        Canvas->MoveTo(l0.X, l0.Y);
        Canvas->LineTo(l1.X, l1.Y);
    }
}

// --- Mouse ----------------------------------------------------------------------

bool TgPlotLimit::gMouseHitTest(const TgPlotMouseData &MouseData)
{
    const bool inherited = TgPlotObject::gMouseHitTest(MouseData);
    if (FSelectModeOnlyInteraction) {
        IgPlotOwner *plot = Plot();
        TgPlotToolBar *toolBar = plot ? plot->FirstToolBar() : nullptr;
        if (!toolBar || !toolBar->SelectActive())
            return inherited;
    }
    return inherited || (FLine1Drawn && FLine1ClickRect.Contains(MouseData.X, MouseData.Y)) ||
           (FLine2Drawn && FLine2ClickRect.Contains(MouseData.X, MouseData.Y));
}

int TgPlotLimit::GetMouseCursor(TPoint)
{
    int cursor = crDefault;
    if (FUserCanMove) {
        cursor = crHandPoint;
        if (FLine1Drawn && FLine2Drawn)
            cursor = IsYStyle() != XYAxesReversed() ? crSizeNS : crSizeWE;
    }
    if (TgPlotComponent *plot = PlotComponent())
        plot->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TgPlotLimit::DoMouseLeft(const TgPlotMouseData &MouseData)
{
    if (!FUserCanMove)
        return;
    if (FLine1Drawn && FLine1ClickRect.Contains(MouseData.X, MouseData.Y))
        FLine1Drag = true;
    else if (FLine2Drawn && FLine2ClickRect.Contains(MouseData.X, MouseData.Y))
        FLine2Drag = true;
    else
        return;
    NotifyInvalidateNow();
}

void TgPlotLimit::DoMouseMove(const TgPlotMouseData &MouseData)
{
    if (!(FLine1Drag || FLine2Drag) || !XAxis() || !YAxis())
        return;
    const double value = IsYStyle() ? YAxis()->PixelsToPosition(MouseData.YAxisPixels)
                                    : XAxis()->PixelsToPosition(MouseData.XAxisPixels);
    if (FLine1Drag)
        SetLine1Position(value);
    else
        SetLine2Position(value);
}

void TgPlotLimit::DoMouseUp(const TgPlotMouseData &MouseData)
{
    FLine1Drag = FLine2Drag = false;
    if (FMouseDown && gMouseHitTest(MouseData))
        if (IgPlotObjectHost *host = Host())
            host->DoObjectClick(this);
}

void TgPlotLimit::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TgPlotObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

const TPublishedClass *TgPlotLimit::StaticPublished()
{
    using L = TgPlotLimit;
    static const QStringList styles{QStringLiteral("iplsLineX"),     QStringLiteral("iplsLineY"),
                                    QStringLiteral("iplsBandX"),     QStringLiteral("iplsBandY"),
                                    QStringLiteral("iplsPolyBandX"), QStringLiteral("iplsPolyBandY")};
    static const TPublishedClass info =
        TPublishedBuilder<L>(TgPlotObject::StaticPublished())
            .Enumeration("Style", &L::Style, &L::SetStyle, styles, iplsLineY)
            .Integer("Color", &L::Color, &L::SetColor, 255)
            .Enumeration("LineStyle", &L::LineStyle, &L::SetLineStyle, PenStyleNames(), psSolid)
            .Integer("LineWidth", &L::LineWidth, &L::SetLineWidth, 0)
            .Enumeration("FillStyle", &L::FillStyle, &L::SetFillStyle, BrushStyleNames(), bsSolid)
            .String("XAxisName", &L::XAxisName, &L::SetXAxisName)
            .String("YAxisName", &L::YAxisName, &L::SetYAxisName)
            .Float("Line1Position", &L::Line1Position, &L::SetLine1Position)
            .Float("Line2Position", &L::Line2Position, &L::SetLine2Position)
            .Bool("UserCanMove", &L::UserCanMove, &L::SetUserCanMove, false)
            .Bool("SelectModeOnlyInteraction", &L::SelectModeOnlyInteraction, &L::SetSelectModeOnlyInteraction, true)
            .Bool("ClipToAxes", &L::ClipToAxes, &L::SetClipToAxes, false)
            .Build();
    return &info;
}
