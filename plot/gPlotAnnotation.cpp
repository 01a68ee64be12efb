// The annotation's settings, reference frames, conversions and mouse.
#include "gPlotAnnotation.h"

#include "Bitmap.h"
#include "Cursors.h"
#include "Exceptions.h"
#include "TypInfo.h"
#include "gPlotChannelCustom.h"
#include "gPlotDataView.h"
#include "gPlotOwner.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <cmath>

TgPlotAnnotation::TgPlotAnnotation(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    FFont.SetName(QStringLiteral("Arial"));
    FFont.SetColor(clWhite);
    FFont.OnChange = [this](TObject *) { DoChange(); };
}

TgPlotAnnotation::~TgPlotAnnotation() = default;

void TgPlotAnnotation::SetCoordinate(double &Field, double Value)
{
    if (Field == Value)
        return;
    Field = Value;
    DoChange();
    NotifyCoordinatesChange();
}

void TgPlotAnnotation::NotifyCoordinatesChange()
{
    if (IgPlotOwner *plot = Plot())
        plot->DoAnnotationCoordinatesChange(this);
}

void TgPlotAnnotation::SetChannelName(const QString &Value)
{
    if (Value == FChannelName)
        return;
    FChannelName = Value;
    FChannel = nullptr;
    DoChange();
}

void TgPlotAnnotation::SetImage(TBitmap *Value)
{
    FImage.Assign(Value);
    DoChange();
}

void TgPlotAnnotation::ImageClear()
{
    if (FImage.Clear())
        DoChange();
}

void TgPlotAnnotation::ImageLoadFromFile(const QString &FileName)
{
    FImage.LoadFromFile(FileName);
    DoChange();
}

int TgPlotAnnotation::PolyPointAdd(double X, double Y)
{
    FPolyPoints.push_back({X, Y});
    return PolyPointsCount() - 1;
}

void TgPlotAnnotation::PolyPointsClear()
{
    FPolyPoints.clear();
}

const TgPlotAnnotationPoint &TgPlotAnnotation::PolyPoint(int Index) const
{
    if (Index < 0 || Index >= PolyPointsCount())
        throw Exception(QStringLiteral("Index out of Bounds"));
    return FPolyPoints[static_cast<size_t>(Index)];
}

// --- Frames and conversions ------------------------------------------------

TgPlotChannelCustom *TgPlotAnnotation::FindChannel()
{
    if (!FChannel)
        if (IgPlotOwner *plot = Plot())
            FChannel = plot->GetChannelByName(FChannelName);
    return FChannel;
}

bool TgPlotAnnotation::ChannelFrameReady()
{
    TgPlotChannelCustom *channel = FindChannel();
    return channel && channel->XAxis() && channel->YAxis();
}

bool TgPlotAnnotation::UsesChannelPositionX() const
{
    return FReferencePositionX == ipriChannel ||
           (FReferencePositionX == ipriAuto && (FReference == iprtChannel || FReference == iprtXChannelYDataView));
}

bool TgPlotAnnotation::UsesChannelPositionY() const
{
    return FReferencePositionY == ipriChannel ||
           (FReferencePositionY == ipriAuto && (FReference == iprtChannel || FReference == iprtXDataViewYChannel));
}

bool TgPlotAnnotation::UsesChannelSizeX() const
{
    return FReferenceSizeX == ipriChannel ||
           (FReferenceSizeX == ipriAuto && (FReference == iprtChannel || FReference == iprtXChannelYDataView));
}

bool TgPlotAnnotation::UsesChannelSizeY() const
{
    return FReferenceSizeY == ipriChannel ||
           (FReferenceSizeY == ipriAuto && (FReference == iprtChannel || FReference == iprtXDataViewYChannel));
}

namespace {

// Percent of the data view along the plot's X (Y) axis: horizontal unless
// the axes are exchanged.
int PercentToPixels(const TgPlotDataView *View, bool AlongX, bool Reversed, double Value)
{
    return AlongX != Reversed ? View->PositionPercentToPixelsX(Value) : View->PositionPercentToPixelsY(Value);
}

double PixelsToPercent(const TgPlotDataView *View, bool AlongX, bool Reversed, int Value)
{
    return AlongX != Reversed ? View->PixelsXToPositionPercent(Value) : View->PixelsYToPositionPercent(Value);
}

} // namespace

int TgPlotAnnotation::PositionXToPixels(double Value)
{
    if (UsesChannelPositionX())
        return ChannelFrameReady() ? FChannel->XAxis()->PositionToPixels(Value) : 0;
    return FDataView ? PercentToPixels(FDataView, true, XYAxesReversed(), Value) : 0;
}

int TgPlotAnnotation::PositionYToPixels(double Value)
{
    if (UsesChannelPositionY())
        return ChannelFrameReady() ? FChannel->YAxis()->PositionToPixels(Value) : 0;
    return FDataView ? PercentToPixels(FDataView, false, XYAxesReversed(), Value) : 0;
}

double TgPlotAnnotation::PixelsXToPosition(int Value)
{
    if (UsesChannelPositionX())
        return ChannelFrameReady() ? FChannel->XAxis()->PixelsToPosition(Value) : 0;
    return FDataView ? PixelsToPercent(FDataView, true, XYAxesReversed(), Value) : 0;
}

double TgPlotAnnotation::PixelsYToPosition(int Value)
{
    if (UsesChannelPositionY())
        return ChannelFrameReady() ? FChannel->YAxis()->PixelsToPosition(Value) : 0;
    return FDataView ? PixelsToPercent(FDataView, false, XYAxesReversed(), Value) : 0;
}

int TgPlotAnnotation::SizeXToPixels(double Value)
{
    if (UsesChannelSizeX()) {
        if (!ChannelFrameReady())
            return 0;
        const TgPlotXAxis *axis = FChannel->XAxis();
        return std::abs(axis->PositionToPixels(axis->Min() + Value) - axis->PositionToPixels(axis->Min()));
    }
    if (!FDataView)
        return 0;
    return std::abs(PercentToPixels(FDataView, true, XYAxesReversed(), Value) -
                    PercentToPixels(FDataView, true, XYAxesReversed(), 0));
}

int TgPlotAnnotation::SizeYToPixels(double Value)
{
    if (UsesChannelSizeY()) {
        if (!ChannelFrameReady())
            return 0;
        const TgPlotYAxis *axis = FChannel->YAxis();
        return std::abs(axis->PositionToPixels(axis->Min() + Value) - axis->PositionToPixels(axis->Min()));
    }
    if (!FDataView)
        return 0;
    return std::abs(PercentToPixels(FDataView, false, XYAxesReversed(), Value) -
                    PercentToPixels(FDataView, false, XYAxesReversed(), 0));
}

double TgPlotAnnotation::PixelsToSizeX(int Value)
{
    if (UsesChannelSizeX())
        return ChannelFrameReady() ? FChannel->XAxis()->PixelsToPosition(Value) : 0;
    return FDataView ? PixelsToPercent(FDataView, true, XYAxesReversed(), Value) : 0;
}

double TgPlotAnnotation::PixelsToSizeY(int Value)
{
    if (UsesChannelSizeY())
        return ChannelFrameReady() ? FChannel->YAxis()->PixelsToPosition(Value) : 0;
    return FDataView ? PixelsToPercent(FDataView, false, XYAxesReversed(), Value) : 0;
}

bool TgPlotAnnotation::IsSizeable() const
{
    return FStyle == ipasRectangle || FStyle == ipasTextRectangle || FStyle == ipasEllipse || FStyle == ipasEllipse2 ||
           FStyle == ipasRectangle2;
}

bool TgPlotAnnotation::IsTwoCorner() const
{
    return FStyle == ipasEllipse || FStyle == ipasRectangle2;
}

void TgPlotAnnotation::SetFromPixelRect(int Left, int Top, int Right, int Bottom)
{
    // With the axes exchanged the vertical edges carry X.
    const bool reversed = XYAxesReversed();
    const int xa = reversed ? Top : Left, xb = reversed ? Bottom : Right;
    const int ya = reversed ? Left : Top, yb = reversed ? Right : Bottom;
    if (IsTwoCorner()) {
        FX = PixelsXToPosition(xa);
        FY = PixelsYToPosition(ya);
        FX2 = PixelsXToPosition(xb);
        FY2 = PixelsYToPosition(yb);
    } else {
        FX = (PixelsXToPosition(xa) + PixelsXToPosition(xb)) / 2;
        FY = (PixelsYToPosition(ya) + PixelsYToPosition(yb)) / 2;
        FWidth = std::fabs(PixelsToSizeX(xb) - PixelsToSizeX(xa));
        FHeight = std::fabs(PixelsToSizeY(yb) - PixelsToSizeY(ya));
    }
    FRectChange = true;
    DoChange();
    NotifyCoordinatesChange();
}

// --- Notifications ----------------------------------------------------------

void TgPlotAnnotation::NotificationRemove(TObject *Sender)
{
    TgPlotObject::NotificationRemove(Sender);
    // Told from the object's base destructor: compare addresses only.
    if (static_cast<void *>(Sender) == static_cast<void *>(FDataView))
        FDataView = nullptr;
    if (static_cast<void *>(Sender) == static_cast<void *>(FChannel))
        FChannel = nullptr;
}

void TgPlotAnnotation::NotificationRename(TObject *Sender)
{
    TgPlotObject::NotificationRename(Sender);
    if (FChannel && static_cast<void *>(Sender) == static_cast<void *>(FChannel))
        FChannelName = FChannel->Name();
}

void TgPlotAnnotation::NotificationSetFocus(TObject *Sender)
{
    TgPlotObject::NotificationSetFocus(Sender);
    if (Sender != this)
        SetUserSelected(false);
}

// --- Mouse ----------------------------------------------------------------

bool TgPlotAnnotation::gMouseHitTest(const TgPlotMouseData &MouseData)
{
    if (FSelectModeOnlyInteraction) {
        IgPlotOwner *plot = Plot();
        if (!plot || !plot->GetSelectActive())
            return false;
    }
    if (!FShowing)
        return false;
    for (const TRect *r : {&FClickRect, &FSizeTopLeftRect, &FSizeTopRightRect, &FSizeBottomLeftRect,
                           &FSizeBottomRightRect})
        if (r->Contains(MouseData.X, MouseData.Y))
            return true;
    return false;
}

int TgPlotAnnotation::GetMouseCursor(TPoint Point)
{
    int cursor = crHandPoint;
    if (FUserCanSize && IsSizeable() && UserSelected()) {
        if (FSizeTopLeftRect.Contains(Point) || FSizeBottomRightRect.Contains(Point))
            cursor = crSizeNWSE;
        else if (FSizeTopRightRect.Contains(Point) || FSizeBottomLeftRect.Contains(Point))
            cursor = crSizeNESW;
    }
    if (IgPlotOwner *plot = Plot())
        plot->DoObjectGetMouseCursor(this, cursor);
    return cursor;
}

void TgPlotAnnotation::DoMouseLeft(const TgPlotMouseData &MouseData)
{
    if (!FShowing)
        return;
    FSelectStyle = ipassNone;
    if (CanUserSize()) {
        // Where handles overlap, this order decides.
        const struct {
            const TRect *Handle;
            TgPlotAnnotationSelectStyle Style;
        } handles[] = {{&FSizeTopLeftRect, ipassSizeTopLeft},
                       {&FSizeBottomRightRect, ipassSizeBottomRight},
                       {&FSizeTopRightRect, ipassSizeTopRight},
                       {&FSizeBottomLeftRect, ipassSizeBottomLeft}};
        for (const auto &h : handles)
            if (h.Handle->Contains(MouseData.X, MouseData.Y)) {
                FSelectStyle = h.Style;
                break;
            }
    }
    if (CanUserMove() && FSelectStyle == ipassNone)
        FSelectStyle = ipassMove;
    FMouseDownActive = true;
    FMouseDownRect = FDrawRect;
    FRectChange = false;
    FMouseDownXValue = FX;
    FMouseDownYValue = FY;
    FMouseDownX2Value = FX2;
    FMouseDownY2Value = FY2;
    FMouseDownWidth = FWidth;
    FMouseDownHeight = FHeight;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    const int x = PositionXToPixels(FX), y = PositionYToPixels(FY);
    FMouseDownPositionPixelsX = XYAxesReversed() ? y : x;
    FMouseDownPositionPixelsY = XYAxesReversed() ? x : y;
}

void TgPlotAnnotation::DoMouseMove(const TgPlotMouseData &MouseData)
{
    if (!UserSelected() || !FMouseDownActive)
        return;
    const int dx = MouseData.X - FMouseDownX, dy = MouseData.Y - FMouseDownY;
    IgPlotOwner *plot = Plot();
    switch (FSelectStyle) {
    case ipassMove: {
        const int sx = FMouseDownPositionPixelsX + dx, sy = FMouseDownPositionPixelsY + dy;
        const bool reversed = XYAxesReversed();
        const double x = PixelsXToPosition(reversed ? sy : sx);
        const double y = PixelsYToPosition(reversed ? sx : sy);
        SetX(x);
        SetY(y);
        // The second corner follows the press's shape, so the whole shape
        // moves by the same amount however many moves the drag makes.
        if (IsTwoCorner()) {
            SetX2(FMouseDownX2Value + (x - FMouseDownXValue));
            SetY2(FMouseDownY2Value + (y - FMouseDownYValue));
        }
        FRectChange = true;
        DoChange();
        if (plot) {
            plot->DoAnnotationMoveUser(this);
            plot->DoAnnotationCoordinatesChange(this);
        }
        DoChange();
        break;
    }
    case ipassSizeTopLeft:
    case ipassSizeTopRight:
    case ipassSizeBottomLeft:
    case ipassSizeBottomRight: {
        TRect r = FMouseDownRect;
        (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeBottomLeft ? r.Left : r.Right) += dx;
        (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeTopRight ? r.Top : r.Bottom) += dy;
        SetFromPixelRect(r.Left, r.Top, r.Right, r.Bottom);
        if (plot)
            plot->DoAnnotationResizeUser(this);
        DoChange();
        break;
    }
    case ipassNone:
        DoChange();
        break;
    }
}

void TgPlotAnnotation::DoMouseUp(const TgPlotMouseData &MouseData)
{
    // The plot hands a release to the pressed object and to every selected
    // one: only the first after the press counts.
    if (!FMouseDownActive)
        return;
    FMouseDownActive = false;
    IgPlotOwner *plot = Plot();
    if (plot && gMouseHitTest(MouseData))
        plot->DoObjectClick(this);
    if (plot && FRectChange)
        plot->DoAnnotationCoordinatesChangeFinished(this);
    FSelectStyle = ipassNone;
}

// --- Published --------------------------------------------------------------

const TPublishedClass *TgPlotAnnotation::StaticPublished()
{
    using A = TgPlotAnnotation;
    static const QStringList styles{
        QStringLiteral("ipasText"),          QStringLiteral("ipasLine"),     QStringLiteral("ipasRectangle"),
        QStringLiteral("ipasLineX"),         QStringLiteral("ipasLineY"),    QStringLiteral("ipasImage"),
        QStringLiteral("ipasTextRectangle"), QStringLiteral("ipasEllipse"),  QStringLiteral("ipasTextBox"),
        QStringLiteral("ipasEllipse2"),      QStringLiteral("ipasPolygon"), QStringLiteral("ipasRectangle2")};
    static const QStringList references{QStringLiteral("iprtDataView"), QStringLiteral("iprtChannel"),
                                        QStringLiteral("iprtXChannelYDataView"),
                                        QStringLiteral("iprtXDataViewYChannel")};
    static const QStringList individual{QStringLiteral("ipriDataView"), QStringLiteral("ipriChannel"),
                                        QStringLiteral("ipriAuto")};
    static const QStringList rotations{QStringLiteral("ira000"), QStringLiteral("ira090"), QStringLiteral("ira180"),
                                       QStringLiteral("ira270")};
    static const QStringList horizontal{QStringLiteral("iahCenter"), QStringLiteral("iahLeft"),
                                        QStringLiteral("iahRight")};
    static const QStringList vertical{QStringLiteral("iavCenter"), QStringLiteral("iavTop"),
                                      QStringLiteral("iavBottom")};
    // PenWidth starts at 0 but is stored against 1, as declared.
    static const TPublishedClass info =
        TPublishedBuilder<A>(TgPlotObject::StaticPublished())
            .Enumeration("Style", &A::Style, &A::SetStyle, styles, ipasText)
            .Enumeration("Reference", &A::Reference, &A::SetReference, references, iprtDataView)
            .Enumeration("ReferencePositionX", &A::ReferencePositionX, &A::SetReferencePositionX, individual, ipriAuto)
            .Enumeration("ReferencePositionY", &A::ReferencePositionY, &A::SetReferencePositionY, individual, ipriAuto)
            .Enumeration("ReferenceSizeX", &A::ReferenceSizeX, &A::SetReferenceSizeX, individual, ipriAuto)
            .Enumeration("ReferenceSizeY", &A::ReferenceSizeY, &A::SetReferenceSizeY, individual, ipriAuto)
            .Float("X", &A::X, &A::SetX)
            .Float("Y", &A::Y, &A::SetY)
            .Float("Y2", &A::Y2, &A::SetY2)
            .Float("X2", &A::X2, &A::SetX2)
            .Float("Width", &A::Width, &A::SetWidth)
            .Float("Height", &A::Height, &A::SetHeight)
            .Integer("PenColor", &A::PenColor, &A::SetPenColor, clWhite)
            .Integer("PenWidth", &A::PenWidth, &A::SetPenWidth, 1)
            .Enumeration("PenStyle", &A::PenStyle, &A::SetPenStyle, PenStyleNames(), psSolid)
            .Integer("BrushColor", &A::BrushColor, &A::SetBrushColor, clWhite)
            .Enumeration("BrushStyle", &A::BrushStyle, &A::SetBrushStyle, BrushStyleNames(), bsSolid)
            .String("Text", &A::Text, &A::SetText)
            .Object("Font", [](A *a) -> TObject * { return a->Font(); })
            .String("ChannelName", &A::ChannelName, &A::SetChannelName)
            .Enumeration("TextRotation", &A::TextRotation, &A::SetTextRotation, rotations, ira000)
            .Bool("UserCanMove", &A::UserCanMove, &A::SetUserCanMove, false)
            .Bool("UserCanSize", &A::UserCanSize, &A::SetUserCanSize, false)
            .Bool("SelectModeOnlyInteraction", &A::SelectModeOnlyInteraction, &A::SetSelectModeOnlyInteraction, true)
            .Bool("ClipToAxes", &A::ClipToAxes, &A::SetClipToAxes, false)
            .Integer("ImageListIndex", &A::ImageListIndex, &A::SetImageListIndex, 0)
            .Integer("ImageIndex", &A::ImageIndex, &A::SetImageIndex, 0)
            .Enumeration("TextHorzAlignment", &A::TextHorzAlignment, &A::SetTextHorzAlignment, horizontal, 0)
            .Enumeration("TextVertAlignment", &A::TextVertAlignment, &A::SetTextVertAlignment, vertical, 0)
            .Enumeration("TextLineAlignment", &A::TextLineAlignment, &A::SetTextLineAlignment, horizontal, 0)
            .Float("TextHorzMargin", &A::TextHorzMargin, &A::SetTextHorzMargin)
            .Float("TextVertMargin", &A::TextVertMargin, &A::SetTextVertMargin)
            .Bool("ShowFocusRect", &A::ShowFocusRect, &A::SetShowFocusRect, true)
            .Integer("OuterMargin", &A::OuterMargin, &A::SetOuterMargin, 0)
            .Build();
    return &info;
}
