#include "THidDevice.h"

#include "HidApi.h"
#include "HidError.h"
#include "THidDeviceController.h"
#include "THidDeviceReadThread.h"

#include "WindowMessage.h"

#include <QPointer>

#include <algorithm>
#include <exception>
#include <cerrno>
#include <cstring>

struct THidDevice::Inbox
{
    struct Item
    {
        bool isError;
        uint32_t error;
        std::vector<uint8_t> report;
    };
    std::mutex lock;
    std::deque<Item> items;
    bool posted = false;  // a delivery is on its way to the UI thread
};

namespace {

// Posted by the reader when reports wait for the UI thread.
constexpr uint32_t WM_HID_REPORTS = 0x0400 + 0x48;

// Receives the reader's hand-overs on the UI thread; hand-overs still on
// their way when it is destroyed are dropped with it.
class THidDeviceWindow : public MessageWindow
{
public:
    explicit THidDeviceWindow(std::function<void()> deliver) : deliver_(std::move(deliver)) {}
    void Dispatch(const WindowMessage &m) override
    {
        if (m.msg != WM_HID_REPORTS)
            return;
        // A client handler's exception never crosses the event loop.
        try {
            deliver_();
        } catch (const std::exception &e) {
            qWarning("HID device: %s", e.what());
        } catch (...) {
            qWarning("HID device: unknown exception");
        }
    }

private:
    std::function<void()> deliver_;
};

} // namespace

THidDevice::THidDevice()
{
    throw EControllerError(QStringLiteral("Direct creation of a THidDevice object is not allowed"));
}

THidDevice::THidDevice(std::unique_ptr<THidPnPInfo> pnpInfo, THidDeviceController *controller)
    : FMyController(controller), FPnPInfo(std::move(pnpInfo)), FInbox(std::make_shared<Inbox>()),
      FContext(new THidDeviceWindow([this] { DeliverPending(); }))
{
    if (controller) {
        SetDataEvent(controller->FDevDataEvent);  // starts nothing: not checked out
        FUnplug = controller->FDevUnplugEvent;
        // The client's data-error handler reaches every device, so failed
        // reads are reported.
        FDataError = controller->FDevDataErrorEvent;
    }
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (!OpenSync())
        throw EControllerError(QStringLiteral("device cannot be opened"));
    FAttributes.Size = sizeof(HidAttributes);
    if (!HidApi.GetAttributes || !HidApi.GetAttributes(FHidFileHandle, FAttributes)) {
        CloseFile();
        throw EControllerError(QStringLiteral("device cannot be identified"));
    }
    CloseFile();
}

THidDevice::~THidDevice()
{
    THidDataEvent data = FData;
    THidPlugEvent unplug = FUnplug;
    SetDataEvent(nullptr);
    FUnplug = nullptr;
    CloseFile();
    CloseFileEx(omhRead);
    CloseFileEx(omhWrite);
    if (FPreparsedData && HidApi.FreePreparsedData)
        HidApi.FreePreparsedData(FPreparsedData);
    FPreparsedData = nullptr;

    THidDeviceController *c = FMyController;
    int idx = c ? c->IndexOf(this) : -1;
    if (idx < 0)
        return;
    bool wasOut = FIsCheckedOut;
    if (FIsPluggedIn) {
        // A client freed a device it holds: a fresh, checked-in one takes
        // its place.
        THidDevice *fresh = nullptr;
        try {
            fresh = new THidDevice(std::move(FPnPInfo), c);
        } catch (const EControllerError &) {
            fresh = nullptr;
        }
        if (fresh) {
            fresh->SetDataEvent(data);
            fresh->FUnplug = unplug;
            fresh->FThreadSleepTime = int32_t(FThreadSleepTime);
            c->FList[size_t(idx)] = fresh;
            if (wasOut) {
                --c->FNumCheckedOutDevices;
                ++c->FNumCheckedInDevices;
            }
        } else {
            // It could no longer be opened: it has gone, and leaves the list.
            c->FList.erase(c->FList.begin() + idx);
            if (wasOut)
                --c->FNumCheckedOutDevices;
            else
                --c->FNumCheckedInDevices;
        }
    } else {
        c->FList.erase(c->FList.begin() + idx);
        --c->FNumUnpluggedDevices;
    }
}

bool THidDevice::IsAccessible() const
{
    return FIsPluggedIn && (FIsCheckedOut || FIsEnumerated);
}

bool THidDevice::OpenSync()
{
    if (FHidFileHandle >= 0 || !HidApi.Open)
        return FHidFileHandle >= 0;
    const QByteArray path = FPnPInfo ? FPnPInfo->DevicePath().toLocal8Bit() : QByteArray();
    FHidFileHandle = HidApi.Open(path.constData(), HidAccessReadWrite);
    FHasReadWriteAccess = FHidFileHandle >= 0;
    if (FHidFileHandle < 0)
        FHidFileHandle = HidApi.Open(path.constData(), HidAccessNone);
    return FHidFileHandle >= 0;
}

bool THidDevice::OpenFile()
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (FHidFileHandle < 0 && IsAccessible() && OpenSync()) {
        uint32_t n = 0;
        if (FNumInputBuffers != 0 && HidApi.SetNumInputBuffers)
            HidApi.SetNumInputBuffers(FHidFileHandle, uint32_t(FNumInputBuffers));
        if (HidApi.GetNumInputBuffers && HidApi.GetNumInputBuffers(FHidFileHandle, n))
            FNumInputBuffers = int32_t(n);
    }
    return FHidFileHandle >= 0;
}

void THidDevice::CloseFile()
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (FHidFileHandle >= 0 && HidApi.Close)
        HidApi.Close(FHidFileHandle);
    FHidFileHandle = -1;
    FNumInputBuffers = 0;
}

bool THidDevice::OpenFileEx(THidOpenExMode mode)
{
    if (!IsAccessible() || !HidApi.Open)
        return false;
    const QByteArray path = FPnPInfo->DevicePath().toLocal8Bit();
    if (mode == omhWrite) {
        if (FHidOverlappedWrite < 0)
            FHidOverlappedWrite = HidApi.Open(path.constData(), HidAccessWrite);
        return FHidOverlappedWrite >= 0;
    }
    if (FHidOverlappedRead < 0) {
        FHidOverlappedRead = HidApi.Open(path.constData(), HidAccessRead);
        if (FHidOverlappedRead >= 0) {
            uint32_t n = 0;
            if (FNumOverlappedBuffers != 0 && HidApi.SetNumInputBuffers)
                HidApi.SetNumInputBuffers(FHidOverlappedRead, uint32_t(FNumOverlappedBuffers));
            if (HidApi.GetNumInputBuffers && HidApi.GetNumInputBuffers(FHidOverlappedRead, n))
                FNumOverlappedBuffers = int32_t(n);
        }
    }
    return FHidOverlappedRead >= 0;
}

void THidDevice::CloseFileEx(THidOpenExMode mode)
{
    int &fd = mode == omhRead ? FHidOverlappedRead : FHidOverlappedWrite;
    if (fd < 0)
        return;
    // The reader waits on the read handle: it ends before the handle closes.
    if (mode == omhRead)
        HaltReader();
    if (HidApi.Close)
        HidApi.Close(fd);
    fd = -1;
    if (mode == omhRead)
        FNumOverlappedBuffers = 0;
}

int THidDevice::ReadReport(int fd, uint8_t *report, size_t count, bool usesReportIds, int timeoutMs)
{
    if (!HidApi.Read || count == 0) {
        errno = EINVAL;
        return -1;
    }
    if (usesReportIds)
        return HidApi.Read(fd, report, count, timeoutMs);
    if (count < 2)
        return 0;
    // hidraw leaves the report ID out when the descriptor declares none.
    int n = HidApi.Read(fd, report + 1, count - 1, timeoutMs);
    if (n > 0) {
        report[0] = 0;
        ++n;
    }
    return n;
}

bool THidDevice::UsesReportIds()
{
    const HidPreparsedData *p = PreparsedData();
    return p && p->UsesReportIds();
}

bool THidDevice::ReadFile(uint8_t *report, uint32_t count, uint32_t &bytesRead)
{
    bytesRead = 0;
    bool ids = UsesReportIds();
    int fd;
    {
        std::lock_guard<std::recursive_mutex> g(FLock);
        if (!OpenFile())
            return false;
        fd = FHidFileHandle;
    }
    // The wait is not under the lock, so that writes go on meanwhile.
    int n = ReadReport(fd, report, count, ids, -1);
    if (n < 0)
        return false;
    bytesRead = uint32_t(n);
    return true;
}

bool THidDevice::WriteFile(const uint8_t *report, uint32_t count, uint32_t &bytesWritten)
{
    bytesWritten = 0;
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (!OpenFile() || !HidApi.Write)
        return false;
    int n = HidApi.Write(FHidFileHandle, report, count);
    if (n < 0)
        return false;
    bytesWritten = uint32_t(n);
    return true;
}

bool THidDevice::ReadFileEx(uint8_t *report, uint32_t count, int waitMs)
{
    FOvlReadResult = 0;
    if (!OpenFileEx(omhRead))
        return false;
    int n = ReadReport(FHidOverlappedRead, report, count, UsesReportIds(), waitMs);
    if (n < 0)
        return false;
    FOvlReadResult = uint32_t(n);
    return true;
}

bool THidDevice::WriteFileEx(const uint8_t *report, uint32_t count)
{
    FOvlWriteResult = 0;
    if (!OpenFileEx(omhWrite) || !HidApi.Write)
        return false;
    int n = HidApi.Write(FHidOverlappedWrite, report, count);
    if (n < 0)
        return false;
    FOvlWriteResult = uint32_t(n);
    return true;
}

uint32_t THidDevice::HidOverlappedReadResult() const
{
    return FHidOverlappedRead >= 0 ? FOvlReadResult : 0;
}

uint32_t THidDevice::HidOverlappedWriteResult() const
{
    return FHidOverlappedWrite >= 0 ? FOvlWriteResult : 0;
}

bool THidDevice::CancelIO(THidOpenExMode mode)
{
    return (mode == omhRead ? FHidOverlappedRead : FHidOverlappedWrite) >= 0;
}

bool THidDevice::GetFeature(uint8_t *report, uint32_t size)
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    return OpenFile() && HidApi.GetFeature && HidApi.GetFeature(FHidFileHandle, report, size);
}

bool THidDevice::SetFeature(const uint8_t *report, uint32_t size)
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    return OpenFile() && HidApi.SetFeature && HidApi.SetFeature(FHidFileHandle, report, size);
}

bool THidDevice::GetInputReport(uint8_t *report, uint32_t size)
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (!HidApi.GetInputReport || !OpenFile())
        return false;
    return HidApi.GetInputReport(FHidFileHandle, report, size);
}

bool THidDevice::SetOutputReport(const uint8_t *report, uint32_t size)
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (!HidApi.SetOutputReport || !OpenFile())
        return false;
    return HidApi.SetOutputReport(FHidFileHandle, report, size);
}

bool THidDevice::FlushQueue()
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    return OpenFile() && HidApi.FlushQueue && HidApi.FlushQueue(FHidFileHandle);
}

bool THidDevice::DeviceIoControl(unsigned long controlCode, void *inBuffer, uint32_t inSize, void *outBuffer,
                                 uint32_t outSize, uint32_t &bytesReturned)
{
    bytesReturned = 0;
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (!OpenFile())
        return false;
    // The kernel's control calls take one buffer, which carries the input
    // and receives the output.
    void *arg = outBuffer ? outBuffer : inBuffer;
    if (outBuffer && inBuffer && outBuffer != inBuffer)
        std::memcpy(outBuffer, inBuffer, std::min(inSize, outSize));
    if (HidrawIoctl(FHidFileHandle, controlCode, arg) < 0)
        return false;
    bytesReturned = outBuffer ? outSize : 0;
    return true;
}

bool THidDevice::GetConfiguration(HidConfiguration &configuration)
{
    // hidraw has no configuration record.
    configuration = HidConfiguration();
    errno = ENOSYS;
    return false;
}

bool THidDevice::SetConfiguration(const HidConfiguration &)
{
    errno = ENOSYS;
    return false;
}

void THidDevice::SetNumInputBuffers(int32_t count)
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (count == FNumInputBuffers || !OpenFile())
        return;
    uint32_t n = 0;
    if (HidApi.SetNumInputBuffers)
        HidApi.SetNumInputBuffers(FHidFileHandle, uint32_t(count));
    if (HidApi.GetNumInputBuffers && HidApi.GetNumInputBuffers(FHidFileHandle, n))
        FNumInputBuffers = int32_t(n);
}

void THidDevice::SetNumOverlappedBuffers(int32_t count)
{
    if (count == FNumOverlappedBuffers || !OpenFileEx(omhRead))
        return;
    uint32_t n = 0;
    if (HidApi.SetNumInputBuffers)
        HidApi.SetNumInputBuffers(FHidOverlappedRead, uint32_t(count));
    if (HidApi.GetNumInputBuffers && HidApi.GetNumInputBuffers(FHidOverlappedRead, n))
        FNumOverlappedBuffers = int32_t(n);
}

QString THidDevice::GetDeviceStringUnicode(int)
{
    // hidraw does not hand out string descriptors by index.
    return QString();
}

std::string THidDevice::GetDeviceStringAnsi(int idx)
{
    return GetDeviceStringUnicode(idx).toLocal8Bit().toStdString();
}

void THidDevice::CheckOut()
{
    THidDeviceController *c = FMyController;
    if (!c || !FIsPluggedIn || FIsCheckedOut)
        return;
    FIsCheckedOut = true;
    ++c->FNumCheckedOutDevices;
    --c->FNumCheckedInDevices;
    StartThread();
}

const HidPreparsedData *THidDevice::PreparsedData()
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (!FPreparsedData && HidApi.GetPreparsedData && OpenFile()) {
        FPreparsedData = HidApi.GetPreparsedData(FHidFileHandle);
        CloseFile();
    }
    return FPreparsedData;
}

HidCaps THidDevice::Caps()
{
    HidCaps caps;
    const HidPreparsedData *p = PreparsedData();
    if (p && HidApi.GetCaps)
        HidApi.GetCaps(p, caps);
    return caps;
}

QString THidDevice::CachedString(QString &cache, bool (*entry)(int, std::string &))
{
    std::lock_guard<std::recursive_mutex> g(FLock);
    if (cache.isEmpty() && OpenFile()) {
        std::string s;
        if (entry && entry(FHidFileHandle, s))
            cache = QString::fromUtf8(s.c_str());
        CloseFile();
    }
    return cache;
}

QString THidDevice::VendorName()
{
    return CachedString(FVendorName, HidApi.GetManufacturerString);
}

QString THidDevice::ProductName()
{
    return CachedString(FProductName, HidApi.GetProductString);
}

QString THidDevice::SerialNumber()
{
    // The USB device's serial as the kernel has read it; there is no
    // language list to compare it with.
    return CachedString(FSerialNumber, HidApi.GetSerialNumberString);
}

const TPhysicalDescriptor &THidDevice::PhysicalDescriptor()
{
    // hidraw hands out no physical descriptor: it stays empty.
    return FPhysicalDescriptor;
}

const QStringList &THidDevice::LanguageStrings()
{
    // hidraw hands out no language-ID list: the list stays empty.
    return FLanguageStrings;
}

void THidDevice::SetThreadSleepTime(int32_t ms)
{
    if (ms >= 10 && ms <= 10000)
        FThreadSleepTime = ms;
}

void THidDevice::SetDataEvent(const THidDataEvent &handler)
{
    if (!handler)
        StopThread();
    FData = handler;
    StartThread();
}

void THidDevice::StartThread()
{
    if (!FData || !FIsPluggedIn || !FIsCheckedOut || !FHasReadWriteAccess || FDataThread)
        return;
    uint16_t length = Caps().InputReportByteLength;
    bool ids = UsesReportIds();
    if (!OpenFileEx(omhRead)) {
        PostDataError(uint32_t(errno ? errno : ENODEV));
        return;
    }
    FDataThread.reset(new THidDeviceReadThread(this, FHidOverlappedRead, length, ids));
    FDataThread->Resume();
}

void THidDevice::HaltReader()
{
    if (FDataThread) {
        FDataThread->Terminate();
        FDataThread->WaitFor();
    }
}

void THidDevice::StopThread()
{
    if (!FDataThread)
        return;
    HaltReader();
    FDataThread.reset();
    // Whatever the reader queued is no one's any more.
    std::lock_guard<std::mutex> g(FInbox->lock);
    FInbox->items.clear();
}

void THidDevice::DoUnplug()
{
    CloseFile();
    CloseFileEx(omhRead);
    CloseFileEx(omhWrite);
    FIsPluggedIn = false;
    THidPlugEvent unplug = FUnplug;
    FUnplug = nullptr;
    if (unplug)
        unplug(this);
}

void THidDevice::PostData(const uint8_t *report, size_t count)
{
    Post(false, 0, std::vector<uint8_t>(report, report + count));
}

void THidDevice::PostDataError(uint32_t error)
{
    Post(true, error, {});
}

void THidDevice::Post(bool isError, uint32_t error, std::vector<uint8_t> report)
{
    std::lock_guard<std::mutex> g(FInbox->lock);
    FInbox->items.push_back({isError, error, std::move(report)});
    if (!FInbox->posted) {
        FInbox->posted = true;
        PostWindowMessage(static_cast<MessageWindow *>(FContext.get()), WM_HID_REPORTS, 0, 0);
    }
}

void THidDevice::DeliverPending()
{
    // A handler may free this device (check-in of an unplugged one); the
    // guard notices, and the loop ends without touching it again.
    QPointer<QObject> alive(FContext.get());
    std::shared_ptr<Inbox> inbox = FInbox;
    for (;;) {
        Inbox::Item item;
        {
            std::lock_guard<std::mutex> g(inbox->lock);
            if (inbox->items.empty()) {
                inbox->posted = false;
                return;
            }
            item = std::move(inbox->items.front());
            inbox->items.pop_front();
        }
        if (item.isError) {
            THidDataErrorEvent error = FDataError;
            if (error)
                error(this, item.error);
        } else if (FData && !item.report.empty()) {
            // The first byte of every input report is its ID.
            THidDataEvent data = FData;
            data(this, item.report[0], item.report.data() + 1, uint16_t(item.report.size() - 1));
        }
        if (!alive)
            return;
    }
}
