// The strip-chart channel: construction, its settings, the ways points are
// added and the OPC source modes.
#include "gPlotChannel.h"

#include "Exceptions.h"
#include "TypInfo.h"
#include "gOPCItem.h"
#include "gOPCManager.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

TgPlotChannel::TgPlotChannel(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      TgPlotChannelOPCItems(AOwner,
                            [this](double X, double Y) {
                                if (FOPCXValueSource != iopcxvsOPCItem)
                                    return;
                                // A pair against the data's order is dropped and
                                // shows as the plot's error state.
                                try {
                                    AddXY(X, Y);
                                } catch (const Exception &) {
                                    ShowOPCError(true);
                                }
                            }),
      FElapsedStartTime(Now())
{
    DataList().StoredBarWidth = 5;
    DataList().StoredBarPenColor = clRed;
    DataList().StoredBarBrushColor = clRed;
    OPCItemManager()->OnNewData = [this](TObject *Item) { DoOPCNewData(Item); };
}

TgPlotChannel::~TgPlotChannel() = default;

// -- adding -------------------------------------------------------------------

void TgPlotChannel::RestartElapsedOnFirstPoint()
{
    if (FResetStartTimeOnFirstDataPoint && Count() == 0)
        ResetElapsedStartTime();
}

void TgPlotChannel::ResetElapsedStartTime()
{
    SetElapsedStartTime(Now());
}

void TgPlotChannel::CheckOutOfOrderX(double X)
{
    CheckFiniteX(X); // a NaN would pass every comparison below
    if (FAllowOutOfOrderXValues || Count() <= 1)
        return;
    const double last = GetX(Count() - 1);
    if (GetX(1) >= GetX(0)) {
        if (last > X)
            throw Exception(QStringLiteral("New Data-Point X-Value is out of order"));
    } else if (last < X) {
        throw Exception(QStringLiteral("New Data-Point X-Value is out of order."));
    }
}

int TgPlotChannel::AddXY(double X, double Y)
{
    RestartElapsedOnFirstPoint();
    CheckOutOfOrderX(X);
    return DoAddXY(X, Y, false, false);
}

int TgPlotChannel::AddXYFlags(double X, double Y, bool Null, bool Empty)
{
    RestartElapsedOnFirstPoint();
    CheckOutOfOrderX(X);
    return DoAddXY(X, Y, Null, Empty);
}

void TgPlotChannel::CheckAppend(int Count, const std::function<double(int)> &XAt, bool Replacing) const
{
    TgPlotChannelCustom::CheckAppend(Count, XAt, Replacing);
    if (FAllowOutOfOrderXValues)
        return;
    int held = Replacing ? 0 : this->Count();
    double first = held > 0 ? GetX(0) : 0, second = held > 1 ? GetX(1) : 0;
    double last = held > 0 ? GetX(held - 1) : 0;
    for (int i = 0; i < Count; ++i, ++held) {
        const double x = XAt(i);
        if (held > 1 && (second >= first ? last > x : last < x))
            throw Exception(second >= first ? QStringLiteral("New Data-Point X-Value is out of order")
                                            : QStringLiteral("New Data-Point X-Value is out of order."));
        if (held == 0)
            first = x;
        else if (held == 1)
            second = x;
        last = x;
    }
}

int TgPlotChannel::AddXNull(double X)
{
    RestartElapsedOnFirstPoint();
    CheckOutOfOrderX(X);
    return DoAddXY(X, 0, true, false);
}

int TgPlotChannel::AddXEmpty(double X)
{
    RestartElapsedOnFirstPoint();
    CheckOutOfOrderX(X);
    return DoAddXY(X, 0, false, true);
}

int TgPlotChannel::AddHighLow(double X, double High, double Low, double Open, double Close)
{
    RestartElapsedOnFirstPoint();
    CheckOutOfOrderX(X);
    TgPlotDataCustomList &list = DataList();
    const int index = list.Add(X, 0, false, false);
    list.SetHigh(index, High);
    list.SetLow(index, Low);
    list.SetOpen(index, Open);
    list.SetClose(index, Close);
    if (XAxisTrackingEnabled())
        if (TgPlotXAxis *x = XAxis())
            x->NewTrackingData(X);
    if (YAxisTrackingEnabled())
        if (TgPlotYAxis *y = YAxis())
            for (double v : {High, Low, Open, Close})
                y->NewTrackingData(v);
    DoChange();
    return index;
}

int TgPlotChannel::AddYNow(double Y)
{
    RestartElapsedOnFirstPoint();
    return DoAddXY(Now(), Y, false, false);
}

int TgPlotChannel::AddYElapsedTime(double Y)
{
    RestartElapsedOnFirstPoint();
    return DoAddXY(Now() - FElapsedStartTime, Y, false, false);
}

int TgPlotChannel::AddYElapsedSeconds(double Y)
{
    RestartElapsedOnFirstPoint();
    return DoAddXY((Now() - FElapsedStartTime) * SecsPerDay, Y, false, false);
}

void TgPlotChannel::AddYArray(double XInterval, const QVariant &YData)
{
    if (YData.metaType().id() != QMetaType::QVariantList)
        throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
    const QVariantList values = YData.toList();
    std::vector<double> ys;
    ys.reserve(size_t(values.size()));
    for (const QVariant &v : values) {
        if (v.metaType().id() == QMetaType::QVariantList)
            throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
        bool ok = false;
        ys.push_back(v.toDouble(&ok));
        if (!ok)
            throw EConvertError(QStringLiteral("Could not convert variant to Double"));
    }
    RestartElapsedOnFirstPoint();
    const double start = Count() > 0 ? GetX(Count() - 1) : 0;
    for (size_t i = 0; i < ys.size(); ++i)
        DoAddXY(double(i) * XInterval + start, ys[i], false, false);
}

// -- OPC ----------------------------------------------------------------------

void TgPlotChannel::DoInsert()
{
    TgPlotChannelCustom::DoInsert();
    ConnectWhenAutoConnect();
}

void TgPlotChannel::OPCActivate()
{
    if (OPCDesigning())
        return;
    OPCItem(0)->Deactivate();
    OPCItem(1)->Deactivate();
    if (FOPCXValueSource != iopcxvsOPCItem) {
        OPCItem(0)->Activate();
        return;
    }
    OPCManager()->GroupClear();
    if (!OPCServerName().trimmed().isEmpty())
        OPCItem(0)->SetGroupName(AddChannelGroup(this));
    ActivateBothInGroup();
}

void TgPlotChannel::OPCActivateSuspend() { OPCItem(0)->ActivateSuspend(); }
void TgPlotChannel::OPCDeactivate() { OPCItem(0)->Deactivate(); }
void TgPlotChannel::OPCUpdateSuspend() { OPCItem(0)->UpdateSuspend(); }
void TgPlotChannel::OPCUpdateResume() { OPCItem(0)->UpdateResume(); }

void TgPlotChannel::DoOPCNewData(TObject *Item)
{
    if (FOPCXValueSource == iopcxvsOPCItem)
        return; // the pair arrives with the group's delivery
    const auto *item = static_cast<TgOPCItem *>(Item);
    double y = 0;
    if (!OPCValueToDouble(item->Data(), y)) {
        ShowOPCError(true);
        return;
    }
    if (OPCErrorShown())
        ShowOPCError(false);
    switch (FOPCXValueSource) {
    case iopcxvsOPCServerTimeStamp: DoAddXY(item->TimeStamp(), y, false, false); break;
    case iopcxvsSystemTimeStamp: DoAddXY(Now(), y, false, false); break;
    case iopcxvsElapsedTime: AddYElapsedTime(y); break;
    case iopcxvsElapsedSeconds: AddYElapsedSeconds(y); break;
    case iopcxvsOPCItem: break;
    }
}

// -- published ----------------------------------------------------------------

const TPublishedClass *TgPlotChannel::StaticPublished()
{
    using C = TgPlotChannel;
    static const QStringList interpolation{
        QStringLiteral("ipistStraightLine"), QStringLiteral("ipistCubicSpline"),
        QStringLiteral("ipistPolynomial"),   QStringLiteral("ipistRational"),
        QStringLiteral("ipistDifferential"), QStringLiteral("ipistDifferentialTerminated")};
    static const QStringList highLow{QStringLiteral("iphlsOpenClose"), QStringLiteral("iphlsCandleStick")};
    static const QStringList digital{QStringLiteral("ipdrScale"), QStringLiteral("ipdrPercent")};
    static const QStringList xSource{QStringLiteral("iopcxvsOPCServerTimeStamp"),
                                     QStringLiteral("iopcxvsSystemTimeStamp"), QStringLiteral("iopcxvsElapsedTime"),
                                     QStringLiteral("iopcxvsElapsedSeconds"), QStringLiteral("iopcxvsOPCItem")};
    static const TPublishedClass info =
        TPublishedBuilder<C>(TgPlotChannelCustom::StaticPublished())
            .Bool("FastDrawEnabled", &C::FastDrawEnabled, &C::SetFastDrawEnabled, true)
            .Bool("AllowOutOfOrderXValues", &C::AllowOutOfOrderXValues, &C::SetAllowOutOfOrderXValues, true)
            .Bool("DrawOutOfOrderXValues", &C::DrawOutOfOrderXValues, &C::SetDrawOutOfOrderXValues, false)
            .Bool("ResetStartTimeOnFirstDataPoint", &C::ResetStartTimeOnFirstDataPoint,
                  &C::SetResetStartTimeOnFirstDataPoint, false)
            .Enumeration("InterpolationStyle", &C::InterpolationStyle, &C::SetInterpolationStyle, interpolation, 0)
            .Bool("FillEnabled", &C::FillEnabled, &C::SetFillEnabled, false)
            .Float("FillReference", &C::FillReference, &C::SetFillReference)
            .Bool("FillUseChannelColor", &C::FillUseChannelColor, &C::SetFillUseChannelColor, true)
            .Enumeration("FillStyle", &C::FillStyle, &C::SetFillStyle, BrushStyleNames(), 0)
            .Integer("FillColor", &C::FillColor, &C::SetFillColor, clBlack)
            .Enumeration("HighLowStyle", &C::HighLowStyle, &C::SetHighLowStyle, highLow, 0)
            .Bool("HighLowEnabled", &C::HighLowEnabled, &C::SetHighLowEnabled, false)
            .Integer("HighLowBarColor", &C::HighLowBarColor, &C::SetHighLowBarColor, clBlue)
            .Float("HighLowBarWidth", &C::HighLowBarWidth, &C::SetHighLowBarWidth)
            .Bool("HighLowOpenShow", &C::HighLowOpenShow, &C::SetHighLowOpenShow, true)
            .Integer("HighLowOpenColor", &C::HighLowOpenColor, &C::SetHighLowOpenColor, clGreen)
            .Float("HighLowOpenWidth", &C::HighLowOpenWidth, &C::SetHighLowOpenWidth)
            .Float("HighLowOpenHeight", &C::HighLowOpenHeight, &C::SetHighLowOpenHeight)
            .Bool("HighLowCloseShow", &C::HighLowCloseShow, &C::SetHighLowCloseShow, true)
            .Integer("HighLowCloseColor", &C::HighLowCloseColor, &C::SetHighLowCloseColor, clRed)
            .Float("HighLowCloseWidth", &C::HighLowCloseWidth, &C::SetHighLowCloseWidth)
            .Float("HighLowCloseHeight", &C::HighLowCloseHeight, &C::SetHighLowCloseHeight)
            .Integer("HighLowShadowColor", &C::HighLowShadowColor, &C::SetHighLowShadowColor, clGray)
            .Integer("HighLowBullishColor", &C::HighLowBullishColor, &C::SetHighLowBullishColor, clWhite)
            .Integer("HighLowBearishColor", &C::HighLowBearishColor, &C::SetHighLowBearishColor, clGray)
            .Bool("DigitalEnabled", &C::DigitalEnabled, &C::SetDigitalEnabled, false)
            .Float("DigitalReferenceLow", &C::DigitalReferenceLow, &C::SetDigitalReferenceLow)
            .Float("DigitalReferenceHigh", &C::DigitalReferenceHigh, &C::SetDigitalReferenceHigh)
            .Enumeration("DigitalReferenceStyle", &C::DigitalReferenceStyle, &C::SetDigitalReferenceStyle, digital, 0)
            .Enumeration("OPCXValueSource", &C::OPCXValueSource, &C::SetOPCXValueSource, xSource, 0)
            .Bool("BarEnabled", &C::BarEnabled, &C::SetBarEnabled, false)
            .Float("BarReference", &C::BarReference, &C::SetBarReference)
            .Float("BarWidth", &C::BarWidth, &C::SetBarWidth)
            .Integer("BarPenColor", &C::BarPenColor, &C::SetBarPenColor, clRed)
            .Integer("BarPenWidth", &C::BarPenWidth, &C::SetBarPenWidth, 0)
            .Enumeration("BarPenStyle", &C::BarPenStyle, &C::SetBarPenStyle, PenStyleNames(), 0)
            .Bool("BarPenUseChannelColor", &C::BarPenUseChannelColor, &C::SetBarPenUseChannelColor, true)
            .Integer("BarBrushColor", &C::BarBrushColor, &C::SetBarBrushColor, clRed)
            .Enumeration("BarBrushStyle", &C::BarBrushStyle, &C::SetBarBrushStyle, BrushStyleNames(), 0)
            .Bool("BarBrushUseChannelColor", &C::BarBrushUseChannelColor, &C::SetBarBrushUseChannelColor, true)
            .String("OPCComputerName", &C::OPCComputerName, &C::SetOPCComputerName)
            .String("OPCServerName", &C::OPCServerName, &C::SetOPCServerName)
            .String("OPCGroupName", &C::OPCGroupName, &C::SetOPCGroupName)
            .String("OPCItemName", &C::OPCItemName, &C::SetOPCItemName)
            .Integer("OPCUpdateRate", &C::OPCUpdateRate, &C::SetOPCUpdateRate, 500)
            .Float("OPCScalar", &C::OPCScalar, &C::SetOPCScalar)
            .Float("OPCOffset", &C::OPCOffset, &C::SetOPCOffset)
            .String("OPCItem2Name", &C::OPCItem2Name, &C::SetOPCItem2Name)
            .Float("OPCScalar2", &C::OPCScalar2, &C::SetOPCScalar2)
            .Float("OPCOffset2", &C::OPCOffset2, &C::SetOPCOffset2)
            .Bool("OPCAutoConnect", &C::OPCAutoConnect, &C::SetOPCAutoConnect, true)
            .Build();
    return &info;
}
