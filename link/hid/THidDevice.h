#pragma once
// One HID interface known to the controller: its plug-and-play data,
// handles opened on demand, attributes, capabilities and strings, report
// transfers, and while checked out with a data handler a reader that hands
// every input report to the UI thread.
//
// Threads: everything runs on the UI thread except WriteFile, ReadFile and
// Caps, which a link's worker may call; the synchronous handle and the
// caches are guarded for that.

#include "HidEvents.h"
#include "HidTypes.h"
#include "THidPnPInfo.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class HidPreparsedData;
class QObject;
class THidDeviceController;
class THidDeviceReadThread;

enum THidOpenExMode { omhRead, omhWrite };

using TPhysicalDescriptor = std::vector<uint16_t>;

class THidDevice
{
public:
    // Devices are made by their controller only.
    THidDevice();
    // Frees the device. A checked-out device that is still plugged in
    // leaves a fresh, checked-in device in its slot of the controller's list;
    // an unplugged one leaves the list for good.
    ~THidDevice();
    THidDevice(const THidDevice &) = delete;
    THidDevice &operator=(const THidDevice &) = delete;

    // Handles. Operations on the synchronous handle open it when needed
    // and only while the device is accessible.
    bool IsAccessible() const;
    bool OpenFile();
    void CloseFile();
    bool OpenFileEx(THidOpenExMode mode);
    void CloseFileEx(THidOpenExMode mode);

    // Report transfers; buffers begin with the report ID, counts include it.
    // ReadFile waits for one input report (report ID 0 put in front when
    // the device declares no report IDs).
    bool ReadFile(uint8_t *report, uint32_t count, uint32_t &bytesRead);
    bool WriteFile(const uint8_t *report, uint32_t count, uint32_t &bytesWritten);
    // Transfers on the read and write handles: ReadFileEx waits at most
    // waitMs for a report; their byte counts are kept for the Result calls.
    bool ReadFileEx(uint8_t *report, uint32_t count, int waitMs);
    bool WriteFileEx(const uint8_t *report, uint32_t count);
    uint32_t HidOverlappedReadResult() const;
    uint32_t HidOverlappedWriteResult() const;
    // Transfers complete within their call here, so nothing is pending:
    // true while the chosen handle is open.
    bool CancelIO(THidOpenExMode mode);
    bool GetFeature(uint8_t *report, uint32_t size);
    bool SetFeature(const uint8_t *report, uint32_t size);
    bool GetInputReport(uint8_t *report, uint32_t size);    // false without the service
    bool SetOutputReport(const uint8_t *report, uint32_t size);
    bool FlushQueue();
    bool DeviceIoControl(unsigned long controlCode, void *inBuffer, uint32_t inSize, void *outBuffer,
                         uint32_t outSize, uint32_t &bytesReturned);
    bool GetConfiguration(HidConfiguration &configuration);
    bool SetConfiguration(const HidConfiguration &configuration);
    void SetNumInputBuffers(int32_t count);
    void SetNumOverlappedBuffers(int32_t count);
    QString GetDeviceStringUnicode(int idx);
    std::string GetDeviceStringAnsi(int idx);

    // The device checks itself out at its controller.
    void CheckOut();

    // Properties.
    bool IsPluggedIn() const { return FIsPluggedIn; }
    bool IsCheckedOut() const { return FIsCheckedOut; }
    int HidFileHandle() const { return FHidFileHandle; }
    int HidOverlappedRead() const { return FHidOverlappedRead; }
    int HidOverlappedWrite() const { return FHidOverlappedWrite; }
    const HidAttributes &Attributes() const { return FAttributes; }
    const THidPnPInfo *PnPInfo() const { return FPnPInfo.get(); }
    HidCaps Caps();
    const HidPreparsedData *PreparsedData();
    QString VendorName();
    QString ProductName();
    QString SerialNumber();
    const TPhysicalDescriptor &PhysicalDescriptor();
    const QStringList &LanguageStrings();
    int32_t NumInputBuffers() const { return FNumInputBuffers; }
    int32_t NumOverlappedBuffers() const { return FNumOverlappedBuffers; }
    int32_t ThreadSleepTime() const { return FThreadSleepTime; }
    void SetThreadSleepTime(int32_t ms);  // 10 to 10000; anything else is ignored
    bool HasReadWriteAccess() const { return FHasReadWriteAccess; }
    int32_t Tag = 0;

    const THidDataEvent &OnData() const { return FData; }
    void SetDataEvent(const THidDataEvent &handler);  // stops or starts the reader as needed
    const THidDataErrorEvent &OnDataError() const { return FDataError; }
    void SetOnDataError(const THidDataErrorEvent &handler) { FDataError = handler; }
    const THidPlugEvent &OnUnplug() const { return FUnplug; }
    void SetOnUnplug(const THidPlugEvent &handler) { FUnplug = handler; }

    void StartThread();
    void StopThread();
    // Closes the handles, marks the device unplugged and fires OnUnplug once.
    void DoUnplug();

    // Report parsing: parameters and wrappers. Each wrapper answers with a
    // HID status: HIDP_STATUS_NULL when the device is not accessible,
    // HIDP_STATUS_NOT_IMPLEMENTED for the calls that hidraw has no
    // counterpart for.
    uint32_t ReportTypeParam() const { return FReportTypeParam; }
    void SetReportTypeParam(uint32_t value);
    uint16_t UsagePageParam() const { return FUsagePageParam; }
    void SetUsagePageParam(uint16_t value);
    uint16_t LinkCollectionParam() const { return FLinkCollectionParam; }
    void SetLinkCollectionParam(uint16_t value) { FLinkCollectionParam = value; }
    uint16_t UsageParam() const { return FUsageParam; }
    void SetUsageParam(uint16_t value) { FUsageParam = value; }
    uint32_t MaxDataListLength() const { return FMaxDataListLength; }
    uint32_t MaxUsageListLength() const { return FMaxUsageListLength; }
    uint32_t MaxButtonListLength() const { return FMaxButtonListLength; }

    uint32_t GetButtonCaps(HidButtonCaps *buttonCaps, uint16_t &count);
    uint32_t GetValueCaps(HidValueCaps *valueCaps, uint16_t &count);
    uint32_t GetSpecificButtonCaps(HidButtonCaps *buttonCaps, uint16_t &count);
    uint32_t GetSpecificValueCaps(HidValueCaps *valueCaps, uint16_t &count);
    uint32_t GetData(HidData *dataList, uint32_t &dataLength, uint8_t *report, uint32_t reportLength);
    uint32_t SetData(HidData *dataList, uint32_t &dataLength, uint8_t *report, uint32_t reportLength);
    uint32_t GetUsages(uint16_t *usageList, uint32_t &usageLength, uint8_t *report, uint32_t reportLength);
    uint32_t GetButtons(uint16_t *usageList, uint32_t &usageLength, uint8_t *report, uint32_t reportLength);
    uint32_t GetUsagesEx(HidUsageAndPage *usageList, uint32_t &usageLength, uint8_t *report,
                         uint32_t reportLength);
    uint32_t GetButtonsEx(HidUsageAndPage *usageList, uint32_t &usageLength, uint8_t *report,
                          uint32_t reportLength);
    uint32_t SetUsages(uint16_t *usageList, uint32_t &usageLength, uint8_t *report, uint32_t reportLength);
    uint32_t SetButtons(uint16_t *usageList, uint32_t &usageLength, uint8_t *report, uint32_t reportLength);
    uint32_t UnsetUsages(uint16_t *usageList, uint32_t &usageLength, uint8_t *report, uint32_t reportLength);
    uint32_t UnsetButtons(uint16_t *usageList, uint32_t &usageLength, uint8_t *report, uint32_t reportLength);
    uint32_t GetUsageValue(uint32_t &usageValue, uint8_t *report, uint32_t reportLength);
    uint32_t GetScaledUsageValue(int32_t &usageValue, uint8_t *report, uint32_t reportLength);
    uint32_t GetUsageValueArray(uint8_t *usageValue, uint16_t usageValueByteLength, uint8_t *report,
                                uint32_t reportLength);
    uint32_t SetUsageValue(uint32_t usageValue, uint8_t *report, uint32_t reportLength);
    uint32_t SetScaledUsageValue(int32_t usageValue, uint8_t *report, uint32_t reportLength);
    uint32_t SetUsageValueArray(uint8_t *usageValue, uint16_t usageValueByteLength, uint8_t *report,
                                uint32_t reportLength);
    uint32_t GetExtendedAttributes(uint32_t reportType, uint16_t dataIndex, void *attributes,
                                   uint32_t &lengthAttributes);
    uint32_t InitializeReportForID(uint32_t reportType, uint8_t reportID, uint8_t *report, uint32_t reportLength);
    // The node at index (from 0), or an all-zero node past the last.
    HidLinkCollectionNode GetLinkCollectionNode(uint16_t idx);

private:
    friend class THidDeviceController;
    friend class THidDeviceReadThread;
    struct Inbox;

    THidDevice(std::unique_ptr<THidPnPInfo> pnpInfo, THidDeviceController *controller);
    bool OpenSync();  // opens read/write, else without access; caller holds FLock
    void UpdateMaxLengths();
    // One report on fd within timeoutMs, report ID 0 put back when the
    // device declares none: its byte count, 0 when none came, -1 with errno.
    static int ReadReport(int fd, uint8_t *report, size_t count, bool usesReportIds, int timeoutMs);
    bool UsesReportIds();
    // The cached device string, read through entry while it is empty.
    QString CachedString(QString &cache, bool (*entry)(int, std::string &));
    // Reader side: queue a report or an error for the UI thread.
    void PostData(const uint8_t *report, size_t count);
    void PostDataError(uint32_t error);
    void Post(bool isError, uint32_t error, std::vector<uint8_t> report);
    void DeliverPending();  // UI thread
    void HaltReader();      // stops a running reader, keeps its object

    THidDeviceController *FMyController = nullptr;
    std::atomic<bool> FIsPluggedIn{true};
    std::atomic<bool> FIsCheckedOut{false};
    std::atomic<bool> FIsEnumerated{false};
    int FHidFileHandle = -1;
    int FHidOverlappedRead = -1;
    int FHidOverlappedWrite = -1;
    uint32_t FOvlReadResult = 0;
    uint32_t FOvlWriteResult = 0;
    HidAttributes FAttributes;
    std::unique_ptr<THidPnPInfo> FPnPInfo;
    QString FVendorName, FProductName, FSerialNumber;
    TPhysicalDescriptor FPhysicalDescriptor;
    HidPreparsedData *FPreparsedData = nullptr;
    QStringList FLanguageStrings;
    int32_t FNumInputBuffers = 0;
    int32_t FNumOverlappedBuffers = 0;
    std::atomic<int32_t> FThreadSleepTime{100};
    std::vector<HidLinkCollectionNode> FLinkCollection;
    bool FLinkCollectionRead = false;
    uint32_t FMaxDataListLength = 0, FMaxUsageListLength = 0, FMaxButtonListLength = 0;
    uint32_t FReportTypeParam = 0;
    uint16_t FUsagePageParam = 0, FLinkCollectionParam = 0, FUsageParam = 0;
    THidDataEvent FData;
    THidDataErrorEvent FDataError;
    THidPlugEvent FUnplug;
    bool FHasReadWriteAccess = false;
    std::unique_ptr<THidDeviceReadThread> FDataThread;

    // Guards the synchronous handle and the caches against a link's worker.
    mutable std::recursive_mutex FLock;
    // Reports and errors on their way to the UI thread; FContext, a message
    // window on the UI thread, takes the hand-overs, which die with it.
    std::shared_ptr<Inbox> FInbox;
    std::unique_ptr<QObject> FContext;
};
