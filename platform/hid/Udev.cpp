#include "Udev.h"

#include <poll.h>

#include <cstring>
#include <cstdlib>

struct udev;
struct udev_enumerate;
struct udev_list_entry;
struct udev_device;
struct udev_monitor;

namespace {

// The libudev entries this program calls, in lookup order.
struct UdevEntries
{
    udev *(*udev_new)();
    udev *(*udev_unref)(udev *);
    udev_enumerate *(*udev_enumerate_new)(udev *);
    int (*udev_enumerate_add_match_subsystem)(udev_enumerate *, const char *);
    int (*udev_enumerate_scan_devices)(udev_enumerate *);
    udev_list_entry *(*udev_enumerate_get_list_entry)(udev_enumerate *);
    udev_enumerate *(*udev_enumerate_unref)(udev_enumerate *);
    udev_list_entry *(*udev_list_entry_get_next)(udev_list_entry *);
    const char *(*udev_list_entry_get_name)(udev_list_entry *);
    udev_device *(*udev_device_new_from_syspath)(udev *, const char *);
    udev_device *(*udev_device_unref)(udev_device *);
    const char *(*udev_device_get_devnode)(udev_device *);
    const char *(*udev_device_get_syspath)(udev_device *);
    const char *(*udev_device_get_driver)(udev_device *);
    const char *(*udev_device_get_property_value)(udev_device *, const char *);
    const char *(*udev_device_get_sysattr_value)(udev_device *, const char *);
    udev_device *(*udev_device_get_parent_with_subsystem_devtype)(udev_device *, const char *, const char *);
    udev_monitor *(*udev_monitor_new_from_netlink)(udev *, const char *);
    int (*udev_monitor_filter_add_match_subsystem_devtype)(udev_monitor *, const char *, const char *);
    int (*udev_monitor_enable_receiving)(udev_monitor *);
    int (*udev_monitor_get_fd)(udev_monitor *);
    udev_device *(*udev_monitor_receive_device)(udev_monitor *);
    udev_monitor *(*udev_monitor_unref)(udev_monitor *);
};

TModuleHandle g_handle = nullptr;
UdevEntries g_udev = {};

template <typename F>
void Bind(F &entry, const char *name, bool &ok)
{
    entry = reinterpret_cast<F>(GetModuleSymbolEx(g_handle, name, ok));
}

std::string Str(const char *s)
{
    return s ? std::string(s) : std::string();
}

} // namespace

bool UdevBind(const std::string &libraryName)
{
    if (g_handle)
        return true;
    bool ok = LoadModule(g_handle, libraryName);
    if (!ok)
        return false;
    UdevEntries &e = g_udev;
    Bind(e.udev_new, "udev_new", ok);
    Bind(e.udev_unref, "udev_unref", ok);
    Bind(e.udev_enumerate_new, "udev_enumerate_new", ok);
    Bind(e.udev_enumerate_add_match_subsystem, "udev_enumerate_add_match_subsystem", ok);
    Bind(e.udev_enumerate_scan_devices, "udev_enumerate_scan_devices", ok);
    Bind(e.udev_enumerate_get_list_entry, "udev_enumerate_get_list_entry", ok);
    Bind(e.udev_enumerate_unref, "udev_enumerate_unref", ok);
    Bind(e.udev_list_entry_get_next, "udev_list_entry_get_next", ok);
    Bind(e.udev_list_entry_get_name, "udev_list_entry_get_name", ok);
    Bind(e.udev_device_new_from_syspath, "udev_device_new_from_syspath", ok);
    Bind(e.udev_device_unref, "udev_device_unref", ok);
    Bind(e.udev_device_get_devnode, "udev_device_get_devnode", ok);
    Bind(e.udev_device_get_syspath, "udev_device_get_syspath", ok);
    Bind(e.udev_device_get_driver, "udev_device_get_driver", ok);
    Bind(e.udev_device_get_property_value, "udev_device_get_property_value", ok);
    Bind(e.udev_device_get_sysattr_value, "udev_device_get_sysattr_value", ok);
    Bind(e.udev_device_get_parent_with_subsystem_devtype, "udev_device_get_parent_with_subsystem_devtype", ok);
    Bind(e.udev_monitor_new_from_netlink, "udev_monitor_new_from_netlink", ok);
    Bind(e.udev_monitor_filter_add_match_subsystem_devtype, "udev_monitor_filter_add_match_subsystem_devtype", ok);
    Bind(e.udev_monitor_enable_receiving, "udev_monitor_enable_receiving", ok);
    Bind(e.udev_monitor_get_fd, "udev_monitor_get_fd", ok);
    Bind(e.udev_monitor_receive_device, "udev_monitor_receive_device", ok);
    Bind(e.udev_monitor_unref, "udev_monitor_unref", ok);
    if (!ok)
        UdevUnbind();
    return ok;
}

void UdevUnbind()
{
    UnloadModule(g_handle);
    g_udev = UdevEntries();
}

bool UdevIsBound()
{
    return g_handle != nullptr;
}

TModuleHandle UdevModuleHandle()
{
    return g_handle;
}

namespace {

// Bus names of the bus field of HID_ID (the kernel's BUS_ numbers).
std::string BusName(const std::string &hidId)
{
    unsigned long bus = std::strtoul(hidId.c_str(), nullptr, 16);
    switch (bus) {
    case 0x03: return "USB";
    case 0x05: return "Bluetooth";
    case 0x06: return "Virtual";
    case 0x18: return "I2C";
    default: return hidId.empty() ? std::string() : "HID";
    }
}

void Put(HidInterfaceRecord &r, uint32_t code, const std::string &value)
{
    if (!value.empty())
        r.Properties[code] = value;
}

HidInterfaceRecord Describe(const UdevEntries &e, udev_device *dev)
{
    HidInterfaceRecord r;
    r.DevicePath = Str(e.udev_device_get_devnode(dev));
    std::string syspath = Str(e.udev_device_get_syspath(dev));
    // A device plugged in again gets the same node and sysfs path; udev's
    // initialisation time tells the two apart.
    std::string since = Str(e.udev_device_get_property_value(dev, "USEC_INITIALIZED"));
    r.DeviceID = since.empty() ? syspath : syspath + "@" + since;
    r.Properties[SPDRP_CLASS] = "hidraw";
    Put(r, SPDRP_PHYSICAL_DEVICE_OBJECT_NAME, syspath);

    udev_device *hid = e.udev_device_get_parent_with_subsystem_devtype(dev, "hid", nullptr);
    if (hid) {
        std::string hidId = Str(e.udev_device_get_property_value(hid, "HID_ID"));
        std::string alias = Str(e.udev_device_get_property_value(hid, "MODALIAS"));
        Put(r, SPDRP_DEVICEDESC, Str(e.udev_device_get_property_value(hid, "HID_NAME")));
        Put(r, SPDRP_FRIENDLYNAME, Str(e.udev_device_get_property_value(hid, "HID_NAME")));
        Put(r, SPDRP_LOCATION_INFORMATION, Str(e.udev_device_get_property_value(hid, "HID_PHYS")));
        Put(r, SPDRP_SERVICE, Str(e.udev_device_get_driver(hid)));
        Put(r, SPDRP_DRIVER, Str(e.udev_device_get_driver(hid)));
        Put(r, SPDRP_BUSTYPEGUID, BusName(hidId));
        std::string ids = hidId;
        if (!alias.empty())
            ids += (ids.empty() ? "" : std::string(1, '\0')) + alias;
        Put(r, SPDRP_HARDWAREID, ids);
    }
    udev_device *usb = e.udev_device_get_parent_with_subsystem_devtype(dev, "usb", "usb_device");
    if (usb) {
        Put(r, SPDRP_MFG, Str(e.udev_device_get_sysattr_value(usb, "manufacturer")));
        Put(r, SPDRP_BUSNUMBER, Str(e.udev_device_get_sysattr_value(usb, "busnum")));
        Put(r, SPDRP_ADDRESS, Str(e.udev_device_get_sysattr_value(usb, "devpath")));
        Put(r, SPDRP_ENUMERATOR_NAME, "USB");
    } else if (hid) {
        Put(r, SPDRP_ENUMERATOR_NAME, "HID");
    }
    return r;
}

} // namespace

HidDeviceInfoSet *UdevGetHidrawDevs()
{
    const UdevEntries &e = g_udev;
    if (!g_handle)
        return nullptr;
    udev *u = e.udev_new();
    if (!u)
        return nullptr;
    HidDeviceInfoSet *set = nullptr;
    udev_enumerate *en = e.udev_enumerate_new(u);
    if (en && e.udev_enumerate_add_match_subsystem(en, "hidraw") >= 0 && e.udev_enumerate_scan_devices(en) >= 0) {
        set = new HidDeviceInfoSet;
        for (udev_list_entry *it = e.udev_enumerate_get_list_entry(en); it; it = e.udev_list_entry_get_next(it)) {
            udev_device *dev = e.udev_device_new_from_syspath(u, e.udev_list_entry_get_name(it));
            if (!dev)
                continue;
            HidInterfaceRecord r = Describe(e, dev);
            if (!r.DevicePath.empty())
                set->Interfaces.push_back(std::move(r));
            e.udev_device_unref(dev);
        }
    }
    if (en)
        e.udev_enumerate_unref(en);
    e.udev_unref(u);
    return set;
}

struct UdevMonitor
{
    udev *u = nullptr;
    udev_monitor *mon = nullptr;
};

UdevMonitor *UdevMonitorOpen()
{
    const UdevEntries &e = g_udev;
    if (!g_handle)
        return nullptr;
    auto *m = new UdevMonitor;
    m->u = e.udev_new();
    if (m->u)
        m->mon = e.udev_monitor_new_from_netlink(m->u, "udev");
    if (!m->mon || e.udev_monitor_filter_add_match_subsystem_devtype(m->mon, "hidraw", nullptr) < 0 ||
        e.udev_monitor_enable_receiving(m->mon) < 0 || e.udev_monitor_get_fd(m->mon) < 0) {
        UdevMonitorClose(m);
        return nullptr;
    }
    return m;
}

int UdevMonitorFd(UdevMonitor *m)
{
    return m && m->mon ? g_udev.udev_monitor_get_fd(m->mon) : -1;
}

bool UdevMonitorReceive(UdevMonitor *m)
{
    int fd = UdevMonitorFd(m);
    if (fd < 0)
        return false;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 0) <= 0 || !(p.revents & POLLIN))
        return false;
    udev_device *dev = g_udev.udev_monitor_receive_device(m->mon);
    if (dev)
        g_udev.udev_device_unref(dev);
    // A message that was readable but filtered out still counts as taken.
    return true;
}

void UdevMonitorClose(UdevMonitor *m)
{
    if (!m)
        return;
    if (m->mon && g_udev.udev_monitor_unref)
        g_udev.udev_monitor_unref(m->mon);
    if (m->u && g_udev.udev_unref)
        g_udev.udev_unref(m->u);
    delete m;
}
