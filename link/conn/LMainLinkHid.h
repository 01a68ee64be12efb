#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class LMainLink;
class LMainLinkUi;
class LSysLinkFactory;
class THidDevice;
class THidDeviceController;

// The main window's side of the HID device controller: it takes the processor
// (vendor 0x0168, product 0x0821) when it appears, hands its input reports to
// the open USB link, writes the USB link's frames as output reports and
// notices when the processor is unplugged. It owns the controller and hooks
// itself into the connection logic (the USB link's writer, the device change
// when the window goes offline). Everything runs on the UI thread except the
// report write, which the USB link's worker calls.
// Must be destroyed before the LMainLink and LSysLinkFactory that it serves.
class LMainLinkHid {
public:
    static constexpr uint16_t kVendorId = 0x0168;
    static constexpr uint16_t kProductId = 0x0821;

    LMainLinkHid(LMainLink &main, LSysLinkFactory &factory, LMainLinkUi *ui);
    ~LMainLinkHid();
    LMainLinkHid(const LMainLinkHid &) = delete;
    LMainLinkHid &operator=(const LMainLinkHid &) = delete;

    THidDeviceController &HidCtl() { return *hidCtl; }
    // The processor's device while it is held, else nullptr.
    THidDevice *HidDevice() const;
    // The hidden status label: "Detect HID" once the processor was taken,
    // "OffLine" after it left; empty before.
    const std::string &StatusText() const { return statusText; }

    // Handlers of the controller.
    void HidCtlDeviceChange(THidDeviceController *sender);
    // Takes the processor at idx; always true, so the enumeration goes on.
    bool HidCtlEnumerate(THidDevice *dev, int32_t idx);
    // A processor that left is given back; when it was the one held and a USB
    // link is open, the link is closed 300 ms later.
    void HidCtlDeviceUnplug(THidDevice *dev);
    // Hands the frame of one input report of the held processor to the USB
    // link: at most byte 4 + 8 bytes, never more than were received.
    void HidCtlDeviceData(THidDevice *dev, uint8_t reportId, const uint8_t *data, uint16_t size);
    // A failed read. ENODEV and EIO mean the device is gone: its unplug
    // follows and reports the lost link, so they stay quiet; any other error
    // shows "READ ERROR: " and the system's text.
    void HidCtlDeviceDataError(THidDevice *dev, uint32_t error);

    // The USB link's write, on its worker: one output report of the device's
    // output length, report ID 0, the frame, zero filler. False (nothing
    // written) without a device or for a frame that does not fit the report.
    bool UsbWrite(const uint8_t *p, size_t n);

private:
    struct Held;
    static bool IsProcessor(THidDevice *dev);
    static bool Write(Held &held, const uint8_t *p, size_t n);
    void Hold(THidDevice *dev, uint16_t outputLength);
    void SetStatus(const char *text); // and shows it in the window's status label

    LMainLink &main;
    LSysLinkFactory &factory;
    LMainLinkUi *ui;
    // Shared with the writer that the USB link keeps, so that a link still
    // open while this object goes finds no device rather than a dangling one.
    std::shared_ptr<Held> held;
    // Owned; deleted by hand, so that the unplug handler, which the
    // controller's destruction fires, still reaches it.
    THidDeviceController *hidCtl;
    std::string statusText;
    bool closing = false;
};
