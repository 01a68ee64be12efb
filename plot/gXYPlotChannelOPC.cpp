// The XY channel's OPC side: two items (X and Y) subscribed in one group of
// the channel's own; each delivery of that group adds one point.
#include "gXYPlotChannel.h"

#include "TypInfo.h"
#include "gOPCItem.h"
#include "gOPCManager.h"

TgXYPlotChannel::TgXYPlotChannel(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                 TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      TgPlotChannelOPCItems(AOwner, [this](double X, double Y) { AddXY(X, Y); })
{
}

TgXYPlotChannel::~TgXYPlotChannel() = default;

void TgXYPlotChannel::DoInsert()
{
    TgPlotChannelCustom::DoInsert();
    ConnectWhenAutoConnect();
}

void TgXYPlotChannel::OPCActivate()
{
    if (OPCDesigning())
        return;
    OPCDeactivate();
    OPCItem(0)->SetGroupName(AddChannelGroup(this));
    ActivateBothInGroup();
}

void TgXYPlotChannel::OPCActivateSuspend()
{
    OPCActivate();
    OPCUpdateSuspend();
}

void TgXYPlotChannel::OPCDeactivate()
{
    OPCItem(0)->Deactivate();
    OPCItem(1)->Deactivate();
}

void TgXYPlotChannel::OPCUpdateSuspend()
{
    if (OPCManager()->GetGroupCount() > 0)
        OPCManager()->GetGroup(0)->Suspend();
}

void TgXYPlotChannel::OPCUpdateResume()
{
    if (OPCManager()->GetGroupCount() > 0)
        OPCManager()->GetGroup(0)->Resume();
}

const TPublishedClass *TgXYPlotChannel::StaticPublished()
{
    using C = TgXYPlotChannel;
    static const TPublishedClass info = TPublishedBuilder<C>(TgPlotChannelCustom::StaticPublished())
                                            .String("OPCComputerName", &C::OPCComputerName, &C::SetOPCComputerName)
                                            .String("OPCServerName", &C::OPCServerName, &C::SetOPCServerName)
                                            .String("OPCItemName", &C::OPCItemName, &C::SetOPCItemName)
                                            .String("OPCItem2Name", &C::OPCItem2Name, &C::SetOPCItem2Name)
                                            .Integer("OPCUpdateRate", &C::OPCUpdateRate, &C::SetOPCUpdateRate, 500)
                                            .Float("OPCScalar", &C::OPCScalar, &C::SetOPCScalar)
                                            .Float("OPCOffset", &C::OPCOffset, &C::SetOPCOffset)
                                            .Float("OPCScalar2", &C::OPCScalar2, &C::SetOPCScalar2)
                                            .Float("OPCOffset2", &C::OPCOffset2, &C::SetOPCOffset2)
                                            .Bool("OPCAutoConnect", &C::OPCAutoConnect, &C::SetOPCAutoConnect, true)
                                            .Build();
    return &info;
}
