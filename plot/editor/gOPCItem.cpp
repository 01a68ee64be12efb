#include "gOPCItem.h"

#include "Exceptions.h"
#include "Types.h"
#include "gComponent.h"
#include "gOPCLibrary.h"

#include <cmath>

namespace {

// Value × Factor (Add false) or Value + Factor (Add true): integers stay
// integers (rounded, halves to even), floats stay floats, others as they are.
QVariant Scaled(const QVariant &Value, double Factor, bool Add)
{
    switch (Value.typeId()) {
    case QMetaType::Short: case QMetaType::Int: case QMetaType::SChar: case QMetaType::UChar:
    case QMetaType::UShort: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong: {
        const double v = Add ? Value.toDouble() + Factor : Value.toDouble() * Factor;
        if (!std::isfinite(v) || std::fabs(v) > 2147483647.0)
            throw EConvertError(QStringLiteral("Value out of range"));
        return QVariant(RoundHalfEven(v));
    }
    case QMetaType::Float: case QMetaType::Double:
        return QVariant(Add ? Value.toDouble() + Factor : Value.toDouble() * Factor);
    default:
        return Value;
    }
}

} // namespace

TgOPCItem::TgOPCItem(TgOPCItemManager *Owner) : FOwner(Owner) {}

TgOPCItem::~TgOPCItem()
{
    try {
        Deactivate();
    } catch (...) {
        // teardown never fails
    }
}

TgOPCLibrary &TgOPCItem::Library() const
{
    return FOwner ? FOwner->Library() : OPCLibrary();
}

bool TgOPCItem::Designing() const
{
    return FOwner && FOwner->IsDesigning();
}

const TPublishedClass *TgOPCItem::PublishedClass() const
{
    static const TPublishedClass info =
        TPublishedBuilder<TgOPCItem>()
            .String("PropertyName", &TgOPCItem::PropertyName, &TgOPCItem::SetPropertyName)
            .String("GroupName", &TgOPCItem::GroupName, &TgOPCItem::SetGroupName)
            .String("ComputerName", &TgOPCItem::ComputerName, &TgOPCItem::SetComputerName)
            .String("ServerName", &TgOPCItem::ServerName, &TgOPCItem::SetServerName)
            .String("ItemName", &TgOPCItem::ItemName, &TgOPCItem::SetItemName)
            .Float("Scalar", &TgOPCItem::Scalar, &TgOPCItem::SetScalar)
            .Float("Offset", &TgOPCItem::Offset, &TgOPCItem::SetOffset)
            .Integer("UpdateRate", &TgOPCItem::UpdateRate, &TgOPCItem::SetUpdateRate, 500)
            .Bool("UpdateSuspended", &TgOPCItem::GetUpdateSuspended, &TgOPCItem::SetAutoConnect)
            .ReadOnly()
            .Bool("AutoConnect", &TgOPCItem::AutoConnect, &TgOPCItem::SetAutoConnect, true)
            .Bool("AutoError", &TgOPCItem::AutoError, &TgOPCItem::SetAutoError, false)
            .Build();
    return &info;
}

void TgOPCItem::Loaded()
{
    try {
        if (FAutoError)
            UpdateErrorState();
        if (FAutoConnect && !Designing())
            Activate();
    } catch (...) {
        // a server that is not there must not stop a form from loading
    }
}

void TgOPCItem::Subscribe(bool Suspended)
{
    if (Library().LibraryMissing() || !FOwner || Designing())
        return;
    if (FAutoError)
        UpdateErrorState();
    if (FSignalHandle != 0)
        Deactivate();
    if (FPropertyName.trimmed().isEmpty() || (FGroupName.trimmed().isEmpty() && FServerName.trimmed().isEmpty()) ||
        FItemName.trimmed().isEmpty())
        return;
    if (GetActive())
        Deactivate();
    const int varType = FPropertyType == tkLString || FPropertyType == tkWString || FPropertyType == tkUString ? 8 : 0;
    FSignalHandle = Library().SignalAdd(FComputerName, FServerName, FItemName, FGroupName, FUpdateRate, Suspended,
                                        varType, [this] { OnNewDataReceived(); });
}

void TgOPCItem::Deactivate()
{
    if (Library().LibraryMissing() || !FOwner || Designing())
        return;
    if (FSignalHandle != 0) // handle 0 never subscribed: nothing to remove
        Library().SignalRemove(FSignalHandle);
    FSignalHandle = 0;
}

void TgOPCItem::Resubscribe()
{
    if (!Library().LibraryMissing() && GetActive())
        Activate();
}

void TgOPCItem::SetServerName(const QString &Value)
{
    FServerName = Value;
    Resubscribe();
}

void TgOPCItem::SetComputerName(const QString &Value)
{
    FComputerName = Value;
    Resubscribe();
}

void TgOPCItem::SetItemName(const QString &Value)
{
    FItemName = Value;
    Resubscribe();
}

void TgOPCItem::SetUpdateRate(int Value)
{
    FUpdateRate = Value;
    Resubscribe();
}

void TgOPCItem::SetGroupName(const QString &Value)
{
    FGroupName = Value;
    Resubscribe();
}

void TgOPCItem::SetPropertyName(const QString &Value)
{
    FPropertyName = Value;
    if (FOwner && FOwner->OnGetType)
        FOwner->OnGetType(this, Value, FPropertyType);
}

void TgOPCItem::SetAutoConnect(bool Value)
{
    FAutoConnect = Value;
    if (Library().LibraryMissing() || !FOwner || !FOwner->Owner())
        return;
    auto *control = dynamic_cast<TgComponent *>(FOwner->Owner()); // another owner counts as loading
    if (control && !control->IsLoading() && FAutoConnect)
        Activate();
}

void TgOPCItem::SetAutoError(bool Value)
{
    if (Value == FAutoError)
        return;
    FAutoError = Value;
    if (Value)
        UpdateErrorState();
}

void TgOPCItem::UpdateErrorState()
{
    if (FOwner && FOwner->OnErrorState && GetActive())
        FOwner->OnErrorState(!GetQualityGood());
}

void TgOPCItem::UpdateResume()
{
    if (!Library().LibraryMissing() && FSignalHandle != 0)
        Library().SignalResume(FSignalHandle);
}

void TgOPCItem::UpdateSuspend()
{
    if (!Library().LibraryMissing() && FSignalHandle != 0)
        Library().SignalSuspend(FSignalHandle);
}

void TgOPCItem::SetData(const QVariant &Value)
{
    if (!Library().LibraryMissing() && FSignalHandle != 0)
        Library().SignalSendData(FSignalHandle, Value);
}

QVariant TgOPCItem::GetDataNow(int &Quality)
{
    Quality = FQuality;
    if (Library().LibraryMissing() || FSignalHandle == 0)
        return {};
    Library().SignalGetDataNow(FSignalHandle);
    FData = Library().SignalGetData(FSignalHandle);
    FTimeStamp = Library().SignalGetTimeStamp(FSignalHandle);
    FQuality = Library().SignalGetQuality(FSignalHandle);
    Quality = FQuality;
    return FData;
}

bool TgOPCItem::GetActive() const
{
    if (!FOwner || Designing() || Library().LibraryMissing() || FSignalHandle == 0)
        return false;
    return Library().SignalGetActive(FSignalHandle);
}

bool TgOPCItem::GetUpdateSuspended() const
{
    if (Library().LibraryMissing() || FSignalHandle == 0)
        return false;
    return Library().SignalGetUpdateSuspended(FSignalHandle);
}

void TgOPCItem::OnNewDataReceived()
{
    try {
        QVariant data = Library().SignalGetData(FSignalHandle);
        FTimeStamp = Library().SignalGetTimeStamp(FSignalHandle);
        FQuality = Library().SignalGetQuality(FSignalHandle);
        if (GetQualityGood()) {
            if (FScalar != 0)
                data = Scaled(data, FScalar, false);
            if (FOffset != 0)
                data = Scaled(data, FOffset, true);
        }
        FData = data;
        if (FAutoError)
            UpdateErrorState();
        if (FOwner && FOwner->OnNewData)
            FOwner->OnNewData(this);
    } catch (const Exception &) {
        // A value that does not convert or overflows is dropped; the control
        // shows the error state instead.
        if (FOwner && FOwner->OnErrorState)
            FOwner->OnErrorState(true);
    }
}

// -- manager ------------------------------------------------------------------

TgOPCItemManager::TgOPCItemManager(TComponent *Owner, TgOPCLibrary *Library) : FOwner(Owner), library_(Library) {}

TgOPCItemManager::~TgOPCItemManager()
{
    Clear();
}

TgOPCLibrary &TgOPCItemManager::Library() const
{
    return library_ ? *library_ : OPCLibrary();
}

int TgOPCItemManager::Add()
{
    items_.push_back(std::make_unique<TgOPCItem>(this));
    return Count() - 1;
}

void TgOPCItemManager::Clear()
{
    items_.clear();
}

void TgOPCItemManager::Delete(int Index)
{
    Item(Index);
    items_.erase(items_.begin() + Index);
}

TgOPCItem *TgOPCItemManager::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return items_[static_cast<size_t>(Index)].get();
}

int TgOPCItemManager::FindIndex(const TgOPCItem *Item) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].get() == Item)
            return i;
    return -1;
}

bool TgOPCItemManager::IsDesigning() const
{
    bool designing = false;
    if (OnGetDesigning)
        OnGetDesigning(const_cast<TgOPCItemManager *>(this), designing);
    return designing;
}

void TgOPCItemManager::WriteToStream(TWriter *Writer)
{
    Writer->WriteValue(vaCollection);
    for (auto &item : items_) {
        Writer->WriteListBegin();
        WritePersistentProperties(Writer, item.get());
        Writer->WriteListEnd();
    }
    Writer->WriteListEnd();
}

void TgOPCItemManager::ReadFromStream(TReader *Reader)
{
    Clear();
    if (Reader->ReadValue() != vaCollection)
        return;
    while (!Reader->EndOfList()) {
        TgOPCItem *item = Item(Add());
        Reader->ReadListBegin();
        Reader->ReadProperties(item);
        item->Loaded();
    }
    Reader->ReadListEnd();
}
