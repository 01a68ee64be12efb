#pragma once
#include "ComponentStream.h"
#include "DateTime.h"
#include "Events.h"
#include "Persistent.h"
#include "Strings.h"

#include <QVariant>
#include <functional>
#include <memory>

class TComponent;
class TgOPCItemManager;
class TgOPCLibrary;

using TOPCItemGetDataTypeEvent = std::function<void(TObject *Sender, const QString &PropertyName, TTypeKind &Kind)>;
using TOPCGetDesigningEvent = std::function<void(TObject *Sender, bool &Designing)>;

// One published property of a control bound to one item of an OPC server
// through the support library: values the server sends are scaled, offset
// and handed to the manager's OnNewData; Data := value sends one. Without
// the library the item is inert and reports itself inactive.
class TgOPCItem : public TPersistent {
public:
    explicit TgOPCItem(TgOPCItemManager *Owner);
    ~TgOPCItem() override;

    // Connects when AutoConnect (and not designing); errors are swallowed.
    void Loaded();
    // Subscribes (again); raises the library's errors.
    void Activate() { Subscribe(false); }
    void ActivateSuspend() { Subscribe(true); }
    void Deactivate();
    void UpdateResume();
    void UpdateSuspend();
    QVariant GetDataNow(int &Quality);

    const QString &PropertyName() const { return FPropertyName; }
    void SetPropertyName(const QString &Value);
    TTypeKind PropertyType() const { return FPropertyType; }
    const QString &GroupName() const { return FGroupName; }
    void SetGroupName(const QString &Value);
    const QString &ComputerName() const { return FComputerName; }
    void SetComputerName(const QString &Value);
    const QString &ServerName() const { return FServerName; }
    void SetServerName(const QString &Value);
    const QString &ItemName() const { return FItemName; }
    void SetItemName(const QString &Value);
    double Scalar() const { return FScalar; }
    void SetScalar(double Value) { FScalar = Value; }
    double Offset() const { return FOffset; }
    void SetOffset(double Value) { FOffset = Value; }
    int UpdateRate() const { return FUpdateRate; }
    void SetUpdateRate(int Value);
    bool AutoConnect() const { return FAutoConnect; }
    void SetAutoConnect(bool Value);
    bool AutoError() const { return FAutoError; }
    void SetAutoError(bool Value);
    bool GetUpdateSuspended() const;
    bool GetActive() const;
    bool GetQualityGood() const { return (FQuality & 0xC0) == 0xC0; }

    const QVariant &Data() const { return FData; }
    void SetData(const QVariant &Value);
    TDateTime TimeStamp() const { return FTimeStamp; }
    int Quality() const { return FQuality; }
    int SignalHandle() const { return FSignalHandle; }
    TgOPCItemManager *Owner() const { return FOwner; }

    // The library reported new data: read it, scale it when the quality is
    // good, mirror the quality and hand it on. A value that does not convert
    // sets the control's error state and is dropped.
    void OnNewDataReceived();

    const TPublishedClass *PublishedClass() const override;

private:
    void Subscribe(bool Suspended);
    void Resubscribe();
    void UpdateErrorState();
    bool Designing() const;
    TgOPCLibrary &Library() const;

    QString FPropertyName;
    TTypeKind FPropertyType = tkUnknown;
    QString FGroupName, FServerName, FComputerName = QStringLiteral("Local"), FItemName;
    bool FAutoConnect = true;
    int FUpdateRate = 500;
    double FScalar = 0, FOffset = 0;
    int FSignalHandle = 0;
    QVariant FData;
    TDateTime FTimeStamp = 0;
    int FQuality = 0;
    TgOPCItemManager *FOwner;
    bool FAutoError = false;
};

// The OPC items of one control, streamed as its "OPCItems" property.
class TgOPCItemManager : public TObject {
public:
    explicit TgOPCItemManager(TComponent *Owner, TgOPCLibrary *Library = nullptr);
    ~TgOPCItemManager() override;

    int Add();
    void Clear();
    void Delete(int Index);
    int Count() const { return static_cast<int>(items_.size()); }
    TgOPCItem *Item(int Index) const; // EListError out of range
    int FindIndex(const TgOPCItem *Item) const;
    bool IsDesigning() const;
    TComponent *Owner() const { return FOwner; }
    TgOPCLibrary &Library() const;
    // The binding the items use (the program's unless set; tests set a fake).
    void SetLibrary(TgOPCLibrary *Library) { library_ = Library; }

    bool DoWriteToStream() const { return Count() > 0; }
    void WriteToStream(TWriter *Writer);
    void ReadFromStream(TReader *Reader);

    TOPCGetDesigningEvent OnGetDesigning;
    TNotifyEvent OnNewData; // Sender: the item
    TOPCItemGetDataTypeEvent OnGetType;
    // The control's error state: on for a bad quality (AutoError) or an
    // incoming value that failed to convert, off for a good quality.
    std::function<void(bool Error)> OnErrorState;

private:
    std::vector<std::unique_ptr<TgOPCItem>> items_;
    TComponent *FOwner;
    TgOPCLibrary *library_;
};
