#include "gPlotDataCursor.h"

#include "gPlotChannelCustom.h"
#include "gPlotOwner.h"

namespace {
double Percent(double Value)
{
    if (!(Value >= 0))
        return 0;
    return Value > 100 ? 100 : Value;
}
} // namespace

TgPlotDataCursor::TgPlotDataCursor(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename))
{
    SetVisible(false);
    FFont.OnChange = [this](TObject *) { DoChange(); };
}

const QString &TgPlotDataCursor::AllChannels()
{
    static const QString all = QStringLiteral("<All>");
    return all;
}

void TgPlotDataCursor::SetChannelName(const QString &Value)
{
    if (Value == FChannelName)
        return;
    FChannelName = Value;
    FChannel = nullptr;
    DoChange();
}

TgPlotChannelCustom *TgPlotDataCursor::FindChannel()
{
    if (!FChannel)
        if (IgPlotOwner *plot = Plot())
            FChannel = plot->GetChannelByName(FChannelName);
    return FChannel;
}

void TgPlotDataCursor::UpdateReadings()
{
    IgPlotOwner *plot = Plot();
    if (plot)
        plot->DoBeforeDataCursorUpdate(this);
    if (FChannelName == AllChannels()) {
        for (int i = 0; plot && i < plot->ChannelCount(); ++i)
            plot->GetChannel(i)->DataCursorUpdate(this);
    } else if (TgPlotChannelCustom *channel = FindChannel()) {
        channel->DataCursorUpdate(this);
    }
}

void TgPlotDataCursor::SetVisible(bool Value)
{
    const bool shown = Value && !Visible();
    TgPlotManagerObject::SetVisible(Value);
    if (shown)
        UpdateReadings();
}

void TgPlotDataCursor::SetStyle(TgPlotDataCursorStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    DoChange();
}

void TgPlotDataCursor::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    DoChange();
}

void TgPlotDataCursor::SetHintOrientationSide(TgOrientationSide Value)
{
    if (Value == FHintOrientationSide)
        return;
    FHintOrientationSide = Value;
    DoChange();
}

void TgPlotDataCursor::SetPointer1Position(double Value)
{
    ChangeDouble(FPointer1Position, Percent(Value), &TgPlotObject::DoChange);
}

void TgPlotDataCursor::SetPointer2Position(double Value)
{
    ChangeDouble(FPointer2Position, Percent(Value), &TgPlotObject::DoChange);
}

void TgPlotDataCursor::SetReading(TgPlotDataPointStatus Status, double Y, double X)
{
    if (X == FValueX && Y == FValueY && Status == FStatus)
        return;
    FStatus = Status;
    FValueY = Y;
    FValueX = X;
    if (IgPlotOwner *plot = Plot())
        plot->DoDataCursorChange(this);
}

void TgPlotDataCursor::NotificationRemove(TObject *Sender)
{
    TgPlotManagerObject::NotificationRemove(Sender);
    // Told from the object's base destructor: compare addresses only.
    if (static_cast<void *>(Sender) == static_cast<void *>(FDataView))
        FDataView = nullptr;
    if (static_cast<void *>(Sender) == static_cast<void *>(FChannel))
        FChannel = nullptr;
}

void TgPlotDataCursor::NotificationRename(TObject *Sender)
{
    TgPlotManagerObject::NotificationRename(Sender);
    if (FChannel && static_cast<void *>(Sender) == static_cast<void *>(FChannel))
        FChannelName = FChannel->Name();
}

const TPublishedClass *TgPlotDataCursor::StaticPublished()
{
    using D = TgPlotDataCursor;
    static const QStringList styles{QStringLiteral("ipcsValueXY"), QStringLiteral("ipcsValueX"),
                                    QStringLiteral("ipcsValueY"),  QStringLiteral("ipcsDeltaX"),
                                    QStringLiteral("ipcsDeltaY"),  QStringLiteral("ipcsInverseDeltaX")};
    static const QStringList sides{QStringLiteral("iosTopLeft"), QStringLiteral("iosBottomRight")};
    static const TPublishedClass info =
        TPublishedBuilder<D>(TgPlotManagerObject::StaticPublished())
            .String("ChannelName", &D::ChannelName, &D::SetChannelName)
            .Bool("ChannelAllowAll", &D::ChannelAllowAll, &D::SetChannelAllowAll, true)
            .Bool("ChannelShowAllInLegend", &D::ChannelShowAllInLegend, &D::SetChannelShowAllInLegend, true)
            .Enumeration("Style", &D::Style, &D::SetStyle, styles, ipcsValueXY)
            .Object("Font", [](D *d) -> TObject * { return d->Font(); })
            .Integer("Color", &D::Color, &D::SetColor, 65535)
            .Bool("UseChannelColor", &D::UseChannelColor, &D::SetUseChannelColor, true)
            .Bool("HintShow", &D::HintShow, &D::SetHintShow, true)
            .Bool("HintHideOnRelease", &D::HintHideOnRelease, &D::SetHintHideOnRelease, false)
            .Enumeration("HintOrientationSide", &D::HintOrientationSide, &D::SetHintOrientationSide, sides,
                         iosBottomRight)
            .Float("HintPosition", &D::HintPosition, &D::SetHintPosition)
            .Float("Pointer1Position", &D::Pointer1Position, &D::SetPointer1Position)
            .Float("Pointer2Position", &D::Pointer2Position, &D::SetPointer2Position)
            .Integer("PointerPenWidth", &D::PointerPenWidth, &D::SetPointerPenWidth, 1)
            .Build();
    return &info;
}
