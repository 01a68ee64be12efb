#pragma once
// Keeps the list of HID interfaces present, notices arrivals and removals
// (a udev monitor watched by the UI event loop stands for the system's
// device-change broadcast), lends devices to one client at a time (check-out,
// check-in) and hands the client's data, data-error and unplug handlers on
// to the devices. Everything here runs on the UI thread.
//
// Handlers are called from inside DeviceChange and Enumerate and may check
// devices out and in; a device that a handler checks in while a pass works
// on it stays alive until the pass ends.

#include "HidEvents.h"
#include "THidDevice.h"

#include <QString>
#include <QUuid>

#include <cstdint>
#include <memory>
#include <vector>

class QObject;
class QSocketNotifier;

class THidDeviceController
{
public:
    static constexpr uint32_t WM_DEVICECHANGE = 0x219;
    static constexpr uintptr_t DBT_DEVNODES_CHANGED = 7;

    // Binds the device-setup and HID services; when both are there it
    // watches for device changes and posts the first enumeration to the
    // event loop, which fires OnDeviceChange once even with no device.
    THidDeviceController();
    ~THidDeviceController();
    THidDeviceController(const THidDeviceController &) = delete;
    THidDeviceController &operator=(const THidDeviceController &) = delete;

    // Enumerates again: unplugs vanished devices, adds new ones, then fires
    // OnDeviceChange when anything changed (or the first time).
    void DeviceChange();
    // Calls OnEnumerate for each plugged-in device in list order until it
    // answers false; the number of calls (1 without a handler when a device
    // is there).
    int32_t Enumerate();

    // Check-out: HidDev is set to the device lent, nullptr on false.
    bool CheckOut(THidDevice *&HidDev);
    bool CheckOutByIndex(THidDevice *&HidDev, int32_t Idx);
    bool CheckOutByID(THidDevice *&HidDev, int32_t Vid, int32_t Pid);  // Pid -1: any product
    bool CheckOutByProductName(THidDevice *&HidDev, const QString &ProductName);
    bool CheckOutByVendorName(THidDevice *&HidDev, const QString &VendorName);
    bool CheckOutByClass(THidDevice *&HidDev, const QString &ClassName);
    bool CheckOutByCallback(THidDevice *&HidDev, THidCheckCallback Check);
    // Gives a device back: its reader stops and its handles close; an
    // unplugged device is freed. HidDev becomes nullptr.
    void CheckIn(THidDevice *&HidDev);

    int32_t CountByID(int32_t Vid, int32_t Pid);
    int32_t CountByProductName(const QString &ProductName);
    int32_t CountByVendorName(const QString &VendorName);
    int32_t CountByClass(const QString &ClassName);
    int32_t CountByCallback(THidCheckCallback Check);

    // Release of the HID service (the kernel's, for hidraw).
    static QString HidVersion();
    // The device-change message: WM_DEVICECHANGE with DBT_DEVNODES_CHANGED
    // runs DeviceChange unless one started here is still running.
    void EventPipe(uint32_t Msg, uintptr_t WParam, intptr_t LParam);

    const QUuid &HidGuid() const { return FHidGuid; }
    int32_t NumCheckedInDevices() const { return FNumCheckedInDevices; }
    int32_t NumCheckedOutDevices() const { return FNumCheckedOutDevices; }
    int32_t NumUnpluggedDevices() const { return FNumUnpluggedDevices; }
    int32_t DevThreadSleepTime() const { return FDevThreadSleepTime; }
    void SetDevThreadSleepTime(int32_t ms);
    QString Version() const { return FVersion; }
    void SetVersion(const QString &value) { FDummy = value; }
    // While loading, assigning OnDeviceChange does not enumerate at once.
    bool Loading() const { return FLoading; }
    void SetLoading(bool loading) { FLoading = loading; }

    const THidPlugEvent &OnArrival() const { return FArrivalEvent; }
    void SetOnArrival(const THidPlugEvent &h) { FArrivalEvent = h; }
    const THidNotifyEvent &OnDeviceChange() const { return FDeviceChangeEvent; }
    void SetOnDeviceChange(const THidNotifyEvent &h);
    const THidEnumerateEvent &OnEnumerate() const { return FEnumerateEvent; }
    void SetOnEnumerate(const THidEnumerateEvent &h) { FEnumerateEvent = h; }
    const THidDataEvent &OnDeviceData() const { return FDevDataEvent; }
    void SetOnDeviceData(const THidDataEvent &h);
    const THidDataErrorEvent &OnDeviceDataError() const { return FDevDataErrorEvent; }
    void SetOnDeviceDataError(const THidDataErrorEvent &h);
    const THidPlugEvent &OnDeviceUnplug() const { return FDevUnplugEvent; }
    void SetOnDeviceUnplug(const THidPlugEvent &h);
    const THidPlugEvent &OnRemoval() const { return FRemovalEvent; }
    void SetOnRemoval(const THidPlugEvent &h) { FRemovalEvent = h; }

private:
    friend class THidDevice;
    template <typename Match>
    bool CheckOutWhere(THidDevice *&HidDev, Match match);
    bool CheckThisOut(THidDevice *&HidDev, size_t idx, bool match);
    bool DoEnumerate(THidDevice *dev, int32_t idx);
    void FireInCallback(const THidPlugEvent &event, THidDevice *dev);
    bool CheckInCallback(THidCheckCallback check, THidDevice *dev);
    QString NameOf(THidDevice *dev, bool product);
    static void CloseAll(THidDevice *dev);
    std::vector<THidDevice *> EnumerateInterfaces();
    int IndexOf(const THidDevice *dev) const;
    void Recount();
    // Devices taken out of the list while handlers run are freed only when
    // the outermost pass ends; a PassScope brackets a pass, so a handler's
    // exception ends it too.
    struct PassScope;
    void BeginPass() { ++FPassDepth; }
    void EndPass();
    void Discard(THidDevice *dev);
    void OnMonitor();

    QUuid FHidGuid;
    THidPlugEvent FArrivalEvent;
    THidNotifyEvent FDeviceChangeEvent;
    THidEnumerateEvent FEnumerateEvent;
    THidDataEvent FDevDataEvent;
    THidDataErrorEvent FDevDataErrorEvent;
    THidPlugEvent FDevUnplugEvent;
    THidPlugEvent FRemovalEvent;
    int32_t FDevThreadSleepTime = 100;
    QString FVersion;
    QString FDummy;
    std::vector<THidDevice *> FList;  // owned
    int32_t FNumCheckedInDevices = 0;
    int32_t FNumCheckedOutDevices = 0;
    int32_t FNumUnpluggedDevices = 0;
    bool FInDeviceChange = false;
    intptr_t FLParam = 0;
    bool FLoading = false;
    bool FSetupBound = false;
    int FPassDepth = 0;
    std::vector<THidDevice *> FDiscarded;
    std::unique_ptr<QObject> FHWnd;  // stands for the hidden window: receives the posted start message
    QSocketNotifier *FNotifier = nullptr;  // child of FHWnd
    void *FMonitor = nullptr;
};
