#include "gPlotChannelOPCItems.h"

#include "Exceptions.h"
#include "FloatFormat.h"
#include "gComponent.h"
#include "gOPCItem.h"
#include "gOPCManager.h"

TgPlotChannelOPCItems::TgPlotChannelOPCItems(TComponent *Owner, std::function<void(double, double)> OnPair)
    : FPlot(Owner), FOnPair(std::move(OnPair)), FOPCManager(std::make_unique<TgOPCManager>(nullptr)),
      FOPCItemManager(std::make_unique<TgOPCItemManager>(nullptr))
{
    FOPCManager->OnBeforeGroupUpdate = [this](TObject *, const QString &) { FOPCDeliveryFailed = false; };
    FOPCManager->OnAfterGroupUpdate = [this](TObject *, const QString &GroupName) {
        if (FOPCManager->GetGroupIndex(GroupName) >= 0)
            DeliverPair();
    };
    FOPCItemManager->OnGetDesigning = [this](TObject *, bool &Designing) { Designing = OPCDesigning(); };
    FOPCItemManager->OnErrorState = [this](bool Error) {
        if (Error)
            FOPCDeliveryFailed = true;
        ShowOPCError(Error);
    };
    for (int i = 0; i < 2; ++i)
        OPCItem(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

TgPlotChannelOPCItems::~TgPlotChannelOPCItems()
{
    FOPCItemManager.reset(); // the items unsubscribe before their group goes
    FOPCManager.reset();
}

TgOPCItem *TgPlotChannelOPCItems::OPCItem(int Index) const
{
    return FOPCItemManager->Item(Index);
}

bool TgPlotChannelOPCItems::OPCDesigning() const
{
    auto *plot = dynamic_cast<TgComponent *>(FPlot);
    return plot && plot->IsDesigning();
}

void TgPlotChannelOPCItems::SetOPCLibrary(TgOPCLibrary *Library)
{
    FOPCManager->SetLibrary(Library);
    FOPCItemManager->SetLibrary(Library);
}

QString TgPlotChannelOPCItems::OPCComputerName() const { return OPCItem(0)->ComputerName(); }
void TgPlotChannelOPCItems::SetOPCComputerName(const QString &Value) { OPCItem(0)->SetComputerName(Value); }
QString TgPlotChannelOPCItems::OPCServerName() const { return OPCItem(0)->ServerName(); }
void TgPlotChannelOPCItems::SetOPCServerName(const QString &Value) { OPCItem(0)->SetServerName(Value); }
QString TgPlotChannelOPCItems::OPCGroupName() const { return OPCItem(0)->GroupName(); }
void TgPlotChannelOPCItems::SetOPCGroupName(const QString &Value) { OPCItem(0)->SetGroupName(Value); }
QString TgPlotChannelOPCItems::OPCItemName() const { return OPCItem(0)->ItemName(); }
void TgPlotChannelOPCItems::SetOPCItemName(const QString &Value) { OPCItem(0)->SetItemName(Value); }
QString TgPlotChannelOPCItems::OPCItem2Name() const { return OPCItem(1)->ItemName(); }
void TgPlotChannelOPCItems::SetOPCItem2Name(const QString &Value) { OPCItem(1)->SetItemName(Value); }
int TgPlotChannelOPCItems::OPCUpdateRate() const { return OPCItem(0)->UpdateRate(); }
void TgPlotChannelOPCItems::SetOPCUpdateRate(int Value) { OPCItem(0)->SetUpdateRate(Value); }
double TgPlotChannelOPCItems::OPCScalar() const { return OPCItem(0)->Scalar(); }
void TgPlotChannelOPCItems::SetOPCScalar(double Value) { OPCItem(0)->SetScalar(Value); }
double TgPlotChannelOPCItems::OPCOffset() const { return OPCItem(0)->Offset(); }
void TgPlotChannelOPCItems::SetOPCOffset(double Value) { OPCItem(0)->SetOffset(Value); }
double TgPlotChannelOPCItems::OPCScalar2() const { return OPCItem(1)->Scalar(); }
void TgPlotChannelOPCItems::SetOPCScalar2(double Value) { OPCItem(1)->SetScalar(Value); }
double TgPlotChannelOPCItems::OPCOffset2() const { return OPCItem(1)->Offset(); }
void TgPlotChannelOPCItems::SetOPCOffset2(double Value) { OPCItem(1)->SetOffset(Value); }
bool TgPlotChannelOPCItems::OPCAutoConnect() const { return OPCItem(0)->AutoConnect(); }
void TgPlotChannelOPCItems::SetOPCAutoConnect(bool Value) { OPCItem(0)->SetAutoConnect(Value); }
bool TgPlotChannelOPCItems::OPCActive() const { return OPCItem(0)->GetActive(); }
bool TgPlotChannelOPCItems::OPCQualityGood() const { return OPCItem(0)->GetQualityGood(); }

void TgPlotChannelOPCItems::ConnectWhenAutoConnect()
{
    if (!OPCAutoConnect())
        return;
    try {
        OPCActivate();
    } catch (const Exception &) {
        ShowOPCError(true);
    }
}

QString TgPlotChannelOPCItems::AddChannelGroup(const void *Channel)
{
    FOPCManager->GroupClear();
    const TgOPCItem *x = OPCItem(0);
    const QString group = QStringLiteral("%1")
                              .arg(reinterpret_cast<quintptr>(Channel), QT_POINTER_SIZE * 2, 16, QLatin1Char('0'))
                              .toUpper();
    FOPCManager->GroupAdd(group, x->ComputerName(), x->ServerName(), x->UpdateRate());
    return group;
}

void TgPlotChannelOPCItems::ActivateBothInGroup()
{
    OPCItem(1)->SetGroupName(OPCItem(0)->GroupName());
    OPCItem(0)->Activate();
    OPCItem(1)->Activate();
}

void TgPlotChannelOPCItems::DeliverPair()
{
    double x = 0, y = 0;
    const bool converted = OPCValueToDouble(OPCItem(0)->Data(), x) && OPCValueToDouble(OPCItem(1)->Data(), y);
    // An item whose value failed in this delivery still holds its previous
    // one: no point is made of it.
    if (!converted || FOPCDeliveryFailed) {
        ShowOPCError(true);
        return;
    }
    if (FOPCErrorShown)
        ShowOPCError(false);
    FOnPair(x, y);
}

void TgPlotChannelOPCItems::ShowOPCError(bool Error)
{
    FOPCErrorShown = Error;
    if (auto *plot = dynamic_cast<TgComponent *>(FPlot))
        plot->SetErrorActive(Error);
}

bool TgPlotChannelOPCItems::OPCValueToDouble(const QVariant &Value, double &Result)
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
