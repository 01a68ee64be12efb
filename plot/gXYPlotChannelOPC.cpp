// The XY channel's OPC side: two items (X and Y) subscribed in one group of
// the channel's own; each delivery of that group adds one point.
#include "gXYPlotChannel.h"

#include "Exceptions.h"
#include "FloatFormat.h"
#include "TypInfo.h"
#include "gComponent.h"
#include "gOPCItem.h"
#include "gOPCManager.h"

namespace {

// An item's value as a number: a value never received counts 0, text is read
// with the program's number format; false for anything else.
bool OPCValueToDouble(const QVariant &Value, double &Result)
{
    switch (Value.typeId()) {
    case QMetaType::UnknownType:
        Result = 0;
        return true;
    case QMetaType::QString:
        return TryStrToFloat(Value.toString().trimmed(), Result);
    default: {
        bool ok = false;
        Result = Value.toDouble(&ok);
        return ok;
    }
    }
}

} // namespace

TgXYPlotChannel::TgXYPlotChannel(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                 TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FOPCManager(std::make_unique<TgOPCManager>(nullptr)),
      // No owner: the channel connects its items itself, in its group, so a
      // lone AutoConnect switch must not subscribe item 0 outside it.
      FOPCItemManager(std::make_unique<TgOPCItemManager>(nullptr))
{
    FOPCManager->OnBeforeGroupUpdate = [this](TObject *, const QString &) { FOPCDeliveryFailed = false; };
    FOPCManager->OnAfterGroupUpdate = [this](TObject *, const QString &GroupName) {
        if (FOPCManager->GetGroupIndex(GroupName) >= 0)
            DoOPCAfterGroupUpdate();
    };
    FOPCItemManager->OnGetDesigning = [this](TObject *, bool &Designing) {
        if (auto *plot = dynamic_cast<TgComponent *>(Owner()))
            Designing = plot->IsDesigning();
    };
    FOPCItemManager->OnErrorState = [this](bool Error) {
        if (Error)
            FOPCDeliveryFailed = true;
        ShowOPCError(Error);
    };
    for (int i = 0; i < 2; ++i)
        OPCItem(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

TgXYPlotChannel::~TgXYPlotChannel()
{
    FOPCItemManager.reset(); // the items unsubscribe before their group goes
    FOPCManager.reset();
}

TgOPCItem *TgXYPlotChannel::OPCItem(int Index) const
{
    return FOPCItemManager->Item(Index);
}

void TgXYPlotChannel::SetOPCLibrary(TgOPCLibrary *Library)
{
    FOPCManager->SetLibrary(Library);
    FOPCItemManager->SetLibrary(Library);
}

void TgXYPlotChannel::DoInsert()
{
    TgPlotChannelCustom::DoInsert();
    if (!OPCItem(0)->AutoConnect())
        return;
    // A server that refuses must not stop the channel (or the rest of a
    // stored plot) from loading: the plot shows the error state instead.
    try {
        OPCActivate();
    } catch (const Exception &) {
        ShowOPCError(true);
    }
}

QString TgXYPlotChannel::OPCComputerName() const { return OPCItem(0)->ComputerName(); }
void TgXYPlotChannel::SetOPCComputerName(const QString &Value) { OPCItem(0)->SetComputerName(Value); }
QString TgXYPlotChannel::OPCServerName() const { return OPCItem(0)->ServerName(); }
void TgXYPlotChannel::SetOPCServerName(const QString &Value) { OPCItem(0)->SetServerName(Value); }
QString TgXYPlotChannel::OPCItemName() const { return OPCItem(0)->ItemName(); }
void TgXYPlotChannel::SetOPCItemName(const QString &Value) { OPCItem(0)->SetItemName(Value); }
QString TgXYPlotChannel::OPCItem2Name() const { return OPCItem(1)->ItemName(); }
void TgXYPlotChannel::SetOPCItem2Name(const QString &Value) { OPCItem(1)->SetItemName(Value); }
int TgXYPlotChannel::OPCUpdateRate() const { return OPCItem(0)->UpdateRate(); }
void TgXYPlotChannel::SetOPCUpdateRate(int Value) { OPCItem(0)->SetUpdateRate(Value); }
double TgXYPlotChannel::OPCScalar() const { return OPCItem(0)->Scalar(); }
void TgXYPlotChannel::SetOPCScalar(double Value) { OPCItem(0)->SetScalar(Value); }
double TgXYPlotChannel::OPCOffset() const { return OPCItem(0)->Offset(); }
void TgXYPlotChannel::SetOPCOffset(double Value) { OPCItem(0)->SetOffset(Value); }
double TgXYPlotChannel::OPCScalar2() const { return OPCItem(1)->Scalar(); }
void TgXYPlotChannel::SetOPCScalar2(double Value) { OPCItem(1)->SetScalar(Value); }
double TgXYPlotChannel::OPCOffset2() const { return OPCItem(1)->Offset(); }
void TgXYPlotChannel::SetOPCOffset2(double Value) { OPCItem(1)->SetOffset(Value); }
bool TgXYPlotChannel::OPCAutoConnect() const { return OPCItem(0)->AutoConnect(); }
void TgXYPlotChannel::SetOPCAutoConnect(bool Value) { OPCItem(0)->SetAutoConnect(Value); }
bool TgXYPlotChannel::OPCActive() const { return OPCItem(0)->GetActive(); }
bool TgXYPlotChannel::OPCQualityGood() const { return OPCItem(0)->GetQualityGood(); }

void TgXYPlotChannel::OPCActivate()
{
    if (FOPCItemManager->IsDesigning())
        return;
    OPCDeactivate();
    FOPCManager->GroupClear();
    TgOPCItem *x = OPCItem(0);
    TgOPCItem *y = OPCItem(1);
    // The group is this channel's alone: named after its address, as "%p" prints it.
    const QString group = QStringLiteral("%1")
                              .arg(reinterpret_cast<quintptr>(this), QT_POINTER_SIZE * 2, 16, QLatin1Char('0'))
                              .toUpper();
    FOPCManager->GroupAdd(group, x->ComputerName(), x->ServerName(), x->UpdateRate());
    x->SetGroupName(group);
    y->SetGroupName(group);
    x->Activate();
    y->Activate();
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
    if (FOPCManager->GetGroupCount() > 0)
        FOPCManager->GetGroup(0)->Suspend();
}

void TgXYPlotChannel::OPCUpdateResume()
{
    if (FOPCManager->GetGroupCount() > 0)
        FOPCManager->GetGroup(0)->Resume();
}

void TgXYPlotChannel::DoOPCAfterGroupUpdate()
{
    double x = 0, y = 0;
    const bool converted =
        OPCValueToDouble(OPCItem(0)->Data(), x) && OPCValueToDouble(OPCItem(1)->Data(), y);
    // An item whose value failed in this delivery still holds its previous
    // one: no point is made of it.
    if (!converted || FOPCDeliveryFailed) {
        ShowOPCError(true);
        return;
    }
    if (FOPCErrorShown)
        ShowOPCError(false);
    AddXY(x, y);
}

void TgXYPlotChannel::ShowOPCError(bool Error)
{
    FOPCErrorShown = Error;
    if (auto *plot = dynamic_cast<TgComponent *>(Owner()))
        plot->SetErrorActive(Error);
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
