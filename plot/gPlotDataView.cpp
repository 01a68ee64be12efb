#include "Component.h"
#include "gPlotDataView.h"

#include "Canvas.h"
#include "Cursors.h"
#include "gDrawing.h"
#include "gPlotAxis.h"
#include "gPlotOwner.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <cmath>

namespace {
TPenStyle PenOf(TgPlotGridLineStyle Style)
{
    return Style == ipglsDash ? psDash : Style == ipglsDot ? psDot : psSolid;
}
} // namespace

TgPlotDataView::TgPlotDataView(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                               TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename))
{
}

void TgPlotDataView::SetGridXAxisName(const QString &Value)
{
    FXAxis = nullptr;
    ChangeString(FGridXAxisName, Value, &TgPlotObject::DoChange);
}

void TgPlotDataView::SetGridYAxisName(const QString &Value)
{
    FYAxis = nullptr;
    ChangeString(FGridYAxisName, Value, &TgPlotObject::DoChange);
}

TgPlotAxis *TgPlotDataView::GridXAxis()
{
    if (!FXAxis && Plot())
        FXAxis = Plot()->GetXAxisByName(FGridXAxisName);
    return FXAxis;
}

TgPlotAxis *TgPlotDataView::GridYAxis()
{
    if (!FYAxis && Plot())
        FYAxis = Plot()->GetYAxisByName(FGridYAxisName);
    return FYAxis;
}

double TgPlotDataView::PixelsXToPositionPercent(int Value) const
{
    return double(Value - Left()) / Width() * 100;
}

double TgPlotDataView::PixelsYToPositionPercent(int Value) const
{
    return (1 - double(Value - Top()) / Height()) * 100;
}

int TgPlotDataView::PositionPercentToPixelsX(double Value) const
{
    return int(std::nearbyint(Width() * Value / 100 + Left()));
}

int TgPlotDataView::PositionPercentToPixelsY(double Value) const
{
    return int(std::nearbyint(Height() * (100 - Value) / 100 + Top()));
}

void TgPlotDataView::DrawBackground(TCanvas *Canvas)
{
    if (FBackgroundTransparent)
        return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(FBackgroundColor);
    Canvas->FillRect(DrawRect());
}

void TgPlotDataView::DrawGridOf(TCanvas *Canvas, TgPlotAxis *Axis, bool X)
{
    const GridLines &major = FGrid[X ? XMajor : YMajor], &minor = FGrid[X ? XMinor : YMinor];
    const TColor majorColor = major.Custom ? major.Color : FGridLineColor;
    const TColor minorColor = minor.Custom ? minor.Color : FGridLineColor;
    const int majorWidth = major.Custom ? major.Width : 0, minorWidth = minor.Custom ? minor.Width : 0;
    const TPenStyle majorStyle = PenOf(major.Custom ? major.Style : FMajorStyle);
    const TPenStyle minorStyle = PenOf(minor.Custom ? minor.Style : FMinorStyle);
    Axis->DrawGridLines(Canvas, DrawRect(), minorWidth, majorWidth, minorColor, majorColor, minorStyle, majorStyle,
                        X ? FShowXMinors : FShowYMinors, X ? FShowXMajors : FShowYMajors);
}

void TgPlotDataView::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    TgPlotLayoutObject::Draw(Canvas, BackGroundColor);
    const int left = Left(), top = Top(), right = Right(), bottom = Bottom();
    if (FGridShow) {
        Canvas->Brush()->SetColor(BackGroundColor);
        IgPlotOwner *plot = Plot();
        if (plot && FGridXAxisName.toUpper() == QStringLiteral("<ALL>")) {
            for (int i = 0; i < plot->XAxisCount(); ++i)
                DrawGridOf(Canvas, plot->GetXAxis(i), true);
        } else if (TgPlotAxis *axis = GridXAxis()) {
            DrawGridOf(Canvas, axis, true);
        }
        if (plot && FGridYAxisName.toUpper() == QStringLiteral("<ALL>")) {
            for (int i = 0; i < plot->YAxisCount(); ++i)
                DrawGridOf(Canvas, plot->GetYAxis(i), false);
        } else if (TgPlotAxis *axis = GridYAxis()) {
            DrawGridOf(Canvas, axis, false);
        }
        Canvas->Pen()->SetColor(FGridLineColor);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(0);
        auto line = [&](int X1, int Y1, int X2, int Y2) {
            Canvas->MoveTo(X1, Y1);
            Canvas->LineTo(X2, Y2);
        };
        if (FShowLeft)
            line(left, top, left, bottom);
        if (FShowRight)
            line(right, top, right, bottom);
        if (FShowTop)
            line(left, top, right, top);
        if (FShowBottom)
            line(left, bottom, right + 1, bottom);
    }
    if (UserSelected()) {
        Canvas->Pen()->SetColor(BackGroundColor);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(0);
        Canvas->MoveTo(left, top);
        Canvas->LineTo(left, bottom);
        Canvas->MoveTo(right, top);
        Canvas->LineTo(right, bottom);
        Canvas->MoveTo(left, top);
        Canvas->LineTo(right, top);
        Canvas->MoveTo(left, bottom);
        Canvas->LineTo(right + 1, bottom);
        Canvas->Font()->SetColor(clWhite);
        Canvas->DrawFocusRect(TRect(left, top, right + 1, bottom + 1));
    }
}

void TgPlotDataView::DrawZoomBox(TCanvas *Canvas)
{
    if (!FZoomBoxActive)
        return;
    Canvas->Font()->SetColor(clWhite);
    Canvas->DrawFocusRect(NormalizedRect(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY));
}

int TgPlotDataView::GetMouseMode()
{
    TgPlotToolBar *toolBar = Plot() ? Plot()->FirstToolBar() : nullptr;
    if (toolBar && toolBar->SelectActive() && !FAxesControlAllowInSelectMode)
        return 2;
    if (toolBar && toolBar->ZoomBoxActive())
        return 1;
    return FAxesControlEnabled ? 3 : 0;
}

template <class F>
void TgPlotDataView::ForAxes(bool X, bool Y, F &&Call)
{
    IgPlotOwner *plot = Plot();
    if (!plot)
        return;
    // Every axis gets the input from here: a master axis must not add its replay.
    plot->WithoutAxisRelays([&] {
        if (X)
            for (int i = 0; i < plot->XAxisCount(); ++i)
                Call(static_cast<TgPlotAxis *>(plot->GetXAxis(i)));
        if (Y)
            for (int i = 0; i < plot->YAxisCount(); ++i)
                Call(static_cast<TgPlotAxis *>(plot->GetYAxis(i)));
    });
}

void TgPlotDataView::ZoomToRect(TRect R)
{
    bool cancel = false;
    if (Plot() && !Plot()->PlotLoading())
        Plot()->DoBeforeZoomBox(this, R, cancel);
    if (cancel)
        return;
    ForAxes(true, true, [&](TgPlotAxis *Axis) { Axis->ZoomToPixelRect(R); });
}

void TgPlotDataView::DoMouseLeft(const TgPlotMouseData &MouseData)
{
    FDirectionLock = false;
    FMouseDownLeft = true;
    const int mode = GetMouseMode();
    if (mode == 1) {
        if (Plot())
            Plot()->DisableAllTracking();
        FMouseDownX = FMouseMoveX = MouseData.X;
        FMouseDownY = FMouseMoveY = MouseData.Y;
        FZoomBoxActive = true;
        NotifyInvalidateNow();
    } else if (mode == 3) {
        FMouseDownX = MouseData.X;
        FMouseDownY = MouseData.Y;
        ForAxes(true, true, [&](TgPlotAxis *Axis) { Axis->DoMouseLeft(MouseData); });
    }
}

void TgPlotDataView::DoMouseRight(const TgPlotMouseData &MouseData)
{
    if (GetMouseMode() != 3)
        return;
    FMouseDownRight = true;
    FMouseDownX = FMouseMoveX = MouseData.X;
    FMouseDownY = FMouseMoveY = MouseData.Y;
}

void TgPlotDataView::DoMouseMove(const TgPlotMouseData &MouseData)
{
    if (!FMouseDownLeft && !FMouseDownRight)
        return;
    if (FZoomBoxActive) {
        if (!MouseData.DblClickActive) {
            FMouseMoveX = MouseData.X;
            FMouseMoveY = MouseData.Y;
        }
        NotifyInvalidateNow();
        return;
    }
    if (GetMouseMode() != 3)
        return;
    if (FMouseDownLeft) {
        const bool shift = MouseData.Shift.Contains(ssShift);
        bool x = false, y = false;
        switch (FAxesControlMouseStyle) {
        case ipacsXAxis: (shift ? y : x) = true; break;
        case ipacsYAxis: (shift ? x : y) = true; break;
        case ipacsBoth:
            if (shift && !FDirectionLock) {
                const bool sideways = std::abs(MouseData.X - FMouseDownX) > 3;
                const bool upDown = std::abs(MouseData.Y - FMouseDownY) > 3;
                if (sideways || upDown) {
                    FDirectionLock = true;
                    FDirectionLockXAxis = !upDown;
                }
            }
            if (FDirectionLock) {
                x = FDirectionLockXAxis;
                y = !FDirectionLockXAxis;
            } else {
                x = y = true;
            }
            break;
        case ipacsNone: return;
        }
        ForAxes(x, y, [&](TgPlotAxis *Axis) { Axis->DoMouseMove(MouseData); });
    } else if (std::abs(MouseData.X - FMouseDownX) > 5 || std::abs(MouseData.Y - FMouseDownY) > 5) {
        FMouseMoveX = MouseData.X;
        FMouseMoveY = MouseData.Y;
        FZoomBoxActive = true;
        CancelMouseDownPopup();
        if (Plot())
            Plot()->DisableAllTracking();
        NotifyInvalidateNow();
    }
}

void TgPlotDataView::DoMouseUp(const TgPlotMouseData &MouseData)
{
    if (!FMouseDownLeft && !FMouseDownRight)
        return;
    if (FZoomBoxActive && !MouseData.DblClickActive) {
        if (FMouseMoveX > FMouseDownX && FMouseMoveY > FMouseDownY)
            ZoomToRect(TRect(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY));
        NotifyInvalidateNow();
    } else if (!FZoomBoxActive && GetMouseMode() == 3) {
        ForAxes(true, true, [&](TgPlotAxis *Axis) { Axis->DoMouseUp(MouseData); });
    }
    if (DrawRect().Contains(TPoint(MouseData.X, MouseData.Y)) && Plot())
        Plot()->DoObjectClick(this);
    FMouseDownLeft = FMouseDownRight = FZoomBoxActive = false;
    NotifyInvalidateNow();
}

bool TgPlotDataView::DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y)
{
    if (GetMouseMode() != 3)
        return false;
    const bool shift = Shift.Contains(ssShift);
    bool x = false, y = false;
    switch (FAxesControlWheelStyle) {
    case ipacsXAxis: (shift ? y : x) = true; break;
    case ipacsYAxis: (shift ? x : y) = true; break;
    case ipacsBoth: x = y = true; break;
    case ipacsNone: return false;
    }
    ForAxes(x, y, [&](TgPlotAxis *Axis) { Axis->DoMouseWheel(WheelDelta, Shift, X, Y); });
    return true;
}

void TgPlotDataView::gKeyDown(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    TgPlotLayoutObject::gKeyDown(CharCode, Shift, PopupMenu);
    if (CharCode == 27 && FZoomBoxActive) {
        FZoomBoxActive = false;
        FMouseDownLeft = FMouseDownRight = false;
        NotifyInvalidateNow();
    }
}

TgPlotObject *TgPlotDataView::GetMouseOverObject(int X, int Y)
{
    FMouseOverObject = this;
    return this;
}

int TgPlotDataView::GetMouseCursor(TPoint Point)
{
    const int base = TgPlotLayoutObject::GetMouseCursor(Point);
    if (!DrawRect().Contains(Point))
        return base;
    switch (GetMouseMode()) {
    case 1: return crDrag;
    case 3: return crHandPoint;
    default: return crDefault;
    }
}

void TgPlotDataView::NotificationRemove(TObject *Sender)
{
    TgPlotLayoutObject::NotificationRemove(Sender);
    if (Sender == static_cast<TObject *>(FXAxis))
        FXAxis = nullptr;
    if (Sender == static_cast<TObject *>(FYAxis))
        FYAxis = nullptr;
}

void TgPlotDataView::NotificationRename(TObject *Sender)
{
    TgPlotLayoutObject::NotificationRename(Sender);
    if (FXAxis && Sender == static_cast<TObject *>(FXAxis))
        FGridXAxisName = FXAxis->Name();
    if (FYAxis && Sender == static_cast<TObject *>(FYAxis))
        FGridYAxisName = FYAxis->Name();
}

void TgPlotDataView::NotificationSetFocus(TObject *Sender)
{
    if (Sender != this)
        SetUserSelected(false);
}

void TgPlotDataView::BuildPopupMenu(TPopupMenu *PopupMenu)
{
    TgPlotLayoutObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

namespace {
template <TgPlotDataView::GridKind K>
void AddGrid(TPublishedBuilder<TgPlotDataView> &B, const char *Prefix, const QStringList &Styles)
{
    using V = TgPlotDataView;
    static const char *const suffixes[] = {"Custom", "Color", "Width", "Style"};
    QByteArray names[4];
    for (int i = 0; i < 4; ++i)
        names[i] = QByteArray(Prefix) + suffixes[i];
    B.Bool(names[0].constData(), &V::GridCustomOf<K>, &V::SetGridCustomOf<K>, false)
        .Integer(names[1].constData(), &V::GridColorOf<K>, &V::SetGridColorOf<K>, clGreen)
        .Integer(names[2].constData(), &V::GridWidthOf<K>, &V::SetGridWidthOf<K>, 0)
        .Enumeration(names[3].constData(), &V::GridStyleOf<K>, &V::SetGridStyleOf<K>, Styles, ipglsSolid);
}
} // namespace

const TPublishedClass *TgPlotDataView::StaticPublished()
{
    using V = TgPlotDataView;
    static const QStringList styles{QStringLiteral("ipglsSolid"), QStringLiteral("ipglsDash"),
                                    QStringLiteral("ipglsDot")};
    static const QStringList control{QStringLiteral("ipacsXAxis"), QStringLiteral("ipacsYAxis"),
                                     QStringLiteral("ipacsBoth"), QStringLiteral("ipacsNone")};
    static const TPublishedClass info = [] {
    TPublishedBuilder<V> b(TgPlotLayoutObject::StaticPublished());
    b.String("Title", &V::Title, &V::SetTitle)
        .Bool("BackgroundTransparent", &V::BackgroundTransparent, &V::SetBackgroundTransparent, true)
        .Integer("BackgroundColor", &V::BackgroundColor, &V::SetBackgroundColor, 8421376)
        .Bool("GridShow", &V::GridShow, &V::SetGridShow, true)
        .Integer("GridLineColor", &V::GridLineColor, &V::SetGridLineColor, clGreen)
        .Bool("GridLineShowLeft", &V::GridLineShowLeft, &V::SetGridLineShowLeft, true)
        .Bool("GridLineShowTop", &V::GridLineShowTop, &V::SetGridLineShowTop, true)
        .Bool("GridLineShowRight", &V::GridLineShowRight, &V::SetGridLineShowRight, true)
        .Bool("GridLineShowBottom", &V::GridLineShowBottom, &V::SetGridLineShowBottom, true)
        .Bool("GridLineShowXMajors", &V::GridLineShowXMajors, &V::SetGridLineShowXMajors, true)
        .Bool("GridLineShowYMajors", &V::GridLineShowYMajors, &V::SetGridLineShowYMajors, true)
        .Bool("GridLineShowXMinors", &V::GridLineShowXMinors, &V::SetGridLineShowXMinors, false)
        .Bool("GridLineShowYMinors", &V::GridLineShowYMinors, &V::SetGridLineShowYMinors, false)
        .Enumeration("GridLineMajorStyle", &V::GridLineMajorStyle, &V::SetGridLineMajorStyle, styles, ipglsSolid)
        .Enumeration("GridLineMinorStyle", &V::GridLineMinorStyle, &V::SetGridLineMinorStyle, styles, ipglsSolid);
    AddGrid<XMajor>(b, "GridLineXMajor", styles);
    AddGrid<XMinor>(b, "GridLineXMinor", styles);
    AddGrid<YMajor>(b, "GridLineYMajor", styles);
    AddGrid<YMinor>(b, "GridLineYMinor", styles);
    b.String("GridXAxisName", &V::GridXAxisName, &V::SetGridXAxisName)
        .String("GridYAxisName", &V::GridYAxisName, &V::SetGridYAxisName)
        .Bool("AxesControlEnabled", &V::AxesControlEnabled, &V::SetAxesControlEnabled, false)
        .Enumeration("AxesControlMouseStyle", &V::AxesControlMouseStyle, &V::SetAxesControlMouseStyle, control,
                     ipacsBoth)
        .Enumeration("AxesControlWheelStyle", &V::AxesControlWheelStyle, &V::SetAxesControlWheelStyle, control,
                     ipacsXAxis)
        .Bool("AxesControlAllowInSelectMode", &V::AxesControlAllowInSelectMode, &V::SetAxesControlAllowInSelectMode,
              false);
    return b.Build();
    }();
    return &info;
}
