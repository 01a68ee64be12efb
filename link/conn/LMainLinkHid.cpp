#include "LMainLinkHid.h"

#include <cerrno>
#include <mutex>
#include <system_error>
#include <vector>

#include "LMainLink.h"
#include "LMainLinkUi.h"
#include "LSysLinkFactory.h"
#include "LUsb.h"
#include "THidDevice.h"
#include "THidDeviceController.h"
#include "TrafficLog.h"

namespace {
const char kDetectHid[] = "Detect HID";
const char kOffLine[] = "OffLine";
constexpr uint8_t kReportId = 0;
} // namespace

// The device that the USB link writes to. The lock is held across each
// write, so once the device is cleared no worker is inside WriteFile.
struct LMainLinkHid::Held {
    std::mutex lock;
    THidDevice *device = nullptr;
    uint16_t outputLength = 0; // the device's output report length, report ID included
    LSysLinkFactory *factory = nullptr;
};

LMainLinkHid::LMainLinkHid(LMainLink &m, LSysLinkFactory &f, LMainLinkUi *u)
    : main(m), factory(f), ui(u), held(std::make_shared<Held>()), hidCtl(new THidDeviceController)
{
    held->factory = &f;
    // While loading, assigning the change handler does not enumerate: the
    // first enumeration runs from the event loop, with every handler in place.
    hidCtl->SetLoading(true);
    hidCtl->SetOnEnumerate([this](THidDevice *dev, int32_t idx) { return HidCtlEnumerate(dev, idx); });
    hidCtl->SetOnDeviceChange([this](THidDeviceController *sender) { HidCtlDeviceChange(sender); });
    hidCtl->SetOnDeviceData([this](THidDevice *dev, uint8_t id, const uint8_t *data, uint16_t size) {
        HidCtlDeviceData(dev, id, data, size);
    });
    hidCtl->SetOnDeviceDataError([this](THidDevice *dev, uint32_t error) { HidCtlDeviceDataError(dev, error); });
    hidCtl->SetOnDeviceUnplug([this](THidDevice *dev) { HidCtlDeviceUnplug(dev); });
    hidCtl->SetLoading(false);

    std::shared_ptr<Held> h = held;
    main.SetUsbWriter([h](const uint8_t *p, size_t n) { return Write(*h, p, n); });
    main.SetHidController(hidCtl);
}

LMainLinkHid::~LMainLinkHid()
{
    closing = true;
    main.SetHidController(nullptr);
    main.SetUsbWriter(nullptr);
    Hold(nullptr, 0);
    // The controller unplugs the devices still out; the unplug handler gives
    // them back.
    delete hidCtl;
    hidCtl = nullptr;
}

THidDevice *LMainLinkHid::HidDevice() const
{
    std::lock_guard<std::mutex> g(held->lock);
    return held->device;
}

void LMainLinkHid::Hold(THidDevice *dev, uint16_t outputLength)
{
    std::lock_guard<std::mutex> g(held->lock);
    held->device = dev;
    held->outputLength = outputLength;
}

bool LMainLinkHid::IsProcessor(THidDevice *dev)
{
    return dev && dev->Attributes().VendorID == kVendorId && dev->Attributes().ProductID == kProductId;
}

void LMainLinkHid::SetStatus(const char *text)
{
    statusText = text;
    if (ui)
        ui->SetStatusLabel(statusText);
}

void LMainLinkHid::HidCtlDeviceChange(THidDeviceController *)
{
    hidCtl->Enumerate();
}

bool LMainLinkHid::HidCtlEnumerate(THidDevice *dev, int32_t idx)
{
    THidDevice *taken = nullptr;
    if (IsProcessor(dev) && hidCtl->CheckOutByIndex(taken, idx)) {
        // The output length is read here, on the UI thread, once.
        Hold(taken, taken->Caps().OutputReportByteLength);
        SetStatus(kDetectHid);
    }
    return true;
}

void LMainLinkHid::HidCtlDeviceUnplug(THidDevice *dev)
{
    if (!IsProcessor(dev))
        return;
    const bool wasHeld = HidDevice() == dev;
    // Cleared before the check-in frees it: the worker writes to it no more.
    if (wasHeld)
        Hold(nullptr, 0);
    THidDevice *giveBack = dev;
    hidCtl->CheckIn(giveBack);
    if (closing || !wasHeld)
        return;
    if (statusText == kDetectHid)
        SetStatus(kOffLine);
    if (main.HasLinkOfKind(LLinkPort::Kind::Usb))
        main.StartLinkBrokenTimer();
}

void LMainLinkHid::HidCtlDeviceData(THidDevice *dev, uint8_t reportId, const uint8_t *data, uint16_t size)
{
    // Only the held processor talks to the link.
    if (!dev || dev != HidDevice() || !main.HasLinkOfKind(LLinkPort::Kind::Usb))
        return;
    const size_t n = FirstFrameSize(data, size);
    if (n > 0)
        if (LUsb *usb = factory.UsbLink())
            usb->PutReceived(data, n);
    if (main.LogWanted())
        main.LogLine(UsbReadLine(reportId, data, n));
}

void LMainLinkHid::HidCtlDeviceDataError(THidDevice *, uint32_t error)
{
    if (error == ENODEV || error == EIO)
        return;
    ui->ShowMessageBox("READ ERROR: " + std::system_category().message(int(error)));
}

bool LMainLinkHid::UsbWrite(const uint8_t *p, size_t n)
{
    return Write(*held, p, n);
}

bool LMainLinkHid::Write(Held &h, const uint8_t *p, size_t n)
{
    std::lock_guard<std::mutex> g(h.lock);
    if (!h.device || n == 0 || n + 1 > h.outputLength)
        return false;
    std::vector<uint8_t> report(h.outputLength, 0);
    report[0] = kReportId;
    std::copy(p, p + n, report.begin() + 1);
    uint32_t written = 0;
    const bool ok = h.device->WriteFile(report.data(), uint32_t(report.size()), written);
    if (TrafficLogSink *log = h.factory->TrafficLog())
        log->AddTrafficLine(UsbWriteLine(kReportId, p, n));
    return ok;
}
