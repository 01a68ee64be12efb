#include "gPlotLayoutObject.h"

#include "TypInfo.h"

#include <cmath>

TgPlotLayoutObject::TgPlotLayoutObject(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                       TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename))
{
}

TgPlotLayoutObject::~TgPlotLayoutObject()
{
    // The layout manager closes the gap by the object's z-order and side.
    AnnounceRemoval();
}

void TgPlotLayoutObject::SetHorizontal(bool Value)
{
    ChangeBoolean(FHorizontal, Value, &TgPlotObject::DoLayoutChange);
}

void TgPlotLayoutObject::SetZOrder(int Value)
{
    ChangeInteger(FZOrder, Value, &TgPlotObject::DoLayoutChange);
}

void TgPlotLayoutObject::SetForceStacking(bool Value)
{
    ChangeBoolean(FForceStacking, Value, &TgPlotObject::DoLayoutChange);
}

void TgPlotLayoutObject::SetReverseSide(bool Value)
{
    ChangeBoolean(FReverseSide, Value, &TgPlotObject::DoChange);
}

void TgPlotLayoutObject::SetStartPercent(double Value)
{
    if (!(Value >= 0)) // below 0 or not a number
        Value = 0;
    if (Value > 100)
        Value = 100;
    if (FStopPercent - Value < 1) {
        FStopPercent = Value + 1;
        if (FStopPercent > 100) {
            FStopPercent = 100;
            Value = 99;
        }
    }
    ChangeDouble(FStartPercent, Value, &TgPlotObject::DoChange);
}

void TgPlotLayoutObject::SetStopPercent(double Value)
{
    if (!(Value >= 0))
        Value = 0;
    if (Value > 100)
        Value = 100;
    if (Value - FStartPercent < 1) {
        FStartPercent = Value - 1;
        if (FStartPercent < 0) {
            FStartPercent = 0;
            Value = 1;
        }
    }
    ChangeDouble(FStopPercent, Value, &TgPlotObject::DoChange);
}

void TgPlotLayoutObject::SetStartStopPercent(double Start, double Stop)
{
    FStartPercent = Start;
    FStopPercent = Stop;
    DoChange();
}

void TgPlotLayoutObject::SetDrawRect(const TRect &R)
{
    FLeft = R.Left;
    FTop = R.Top;
    FRight = R.Right;
    FBottom = R.Bottom;
}

void TgPlotLayoutObject::SetLayoutRect(const TRect &R)
{
    FLayoutLeft = R.Left;
    FLayoutTop = R.Top;
    FLayoutRight = R.Right;
    FLayoutBottom = R.Bottom;
}

QString TgPlotLayoutObject::GetZOrderText() const
{
    return QString::number(FZOrder).rightJustified(3, u'0');
}

QString TgPlotLayoutObject::GetStartPercentText() const
{
    return QString::number(RoundHalfEven(FStartPercent)).rightJustified(3, u'0');
}

bool TgPlotLayoutObject::gMouseHitTest(const TgPlotMouseData &MouseData)
{
    return DrawRect().Contains(MouseData.X, MouseData.Y);
}

void TgPlotLayoutObject::DoInsert()
{
    TgPlotObject::DoInsert();
    NotifyLayoutChange();
}

bool TgPlotLayoutObject::GetKeyPopupPoint(TPoint &Point) const
{
    Point = TPoint((FLeft + FRight) / 2, (FTop + FBottom) / 2);
    return true;
}

const TPublishedClass *TgPlotLayoutObject::StaticPublished()
{
    static const TPublishedClass info =
        TPublishedBuilder<TgPlotLayoutObject>(TgPlotObject::StaticPublished())
            .Bool("Horizontal", &TgPlotLayoutObject::Horizontal, &TgPlotLayoutObject::SetHorizontal)
            .Integer("ZOrder", &TgPlotLayoutObject::ZOrder, &TgPlotLayoutObject::SetZOrder)
            .Float("StartPercent", &TgPlotLayoutObject::StartPercent, &TgPlotLayoutObject::SetStartPercent)
            .Float("StopPercent", &TgPlotLayoutObject::StopPercent, &TgPlotLayoutObject::SetStopPercent)
            .Build();
    return &info;
}

const TPublishedClass *TgPlotLayoutObject::PublishedClass() const
{
    return StaticPublished();
}
