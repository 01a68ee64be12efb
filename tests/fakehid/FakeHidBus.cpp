#include "FakeHidBus.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

FakeHidBus *FakeHidBus::Current = nullptr;

FakeHidInterface::~FakeHidInterface()
{
    if (node >= 0)
        close(node);
    if (far >= 0)
        close(far);
}

FakeHidBus::FakeHidBus() : previous(Current)
{
    Current = this;
    if (pipe2(monitor, O_CLOEXEC | O_NONBLOCK) != 0)
        monitor[0] = monitor[1] = -1;
    table = LinuxHidApi();
    table.GetClassDevs = []() -> HidDeviceInfoSet * {
        FakeHidBus *bus = Current;
        ++bus->classDevCalls;
        auto *set = new HidDeviceInfoSet;
        for (auto &dev : bus->present) {
            HidInterfaceRecord r;
            r.DeviceID = dev->id;
            r.DevicePath = dev->path;
            r.Properties[SPDRP_CLASS] = "hidraw";
            r.Properties[SPDRP_HARDWAREID] = std::string("HID_ID\0MODALIAS", 15);
            r.Properties[SPDRP_BUSNUMBER] = "3";
            r.Properties[SPDRP_MFG] = dev->manufacturer;
            set->Interfaces.push_back(r);
        }
        return set;
    };
    table.MonitorOpen = []() -> void * { return Current; };
    table.MonitorFd = [](void *m) { return static_cast<FakeHidBus *>(m)->monitor[0]; };
    table.MonitorReceive = [](void *m) {
        char c;
        return read(static_cast<FakeHidBus *>(m)->monitor[0], &c, 1) == 1;
    };
    table.MonitorClose = [](void *) {};
    table.Open = [](const char *path, THidAccess access) -> int {
        FakeHidBus *bus = Current;
        for (auto &dev : bus->present) {
            if (dev->path != path)
                continue;
            if (!dev->openable || ((access == HidAccessReadWrite || access == HidAccessWrite) && !dev->readWrite)) {
                errno = EACCES;
                return -1;
            }
            int fd = fcntl(dev->node, F_DUPFD_CLOEXEC, 0);
            std::lock_guard<std::mutex> g(bus->lock);
            bus->open[fd] = dev;
            return fd;
        }
        errno = ENOENT;
        return -1;
    };
    table.Close = [](int fd) {
        {
            std::lock_guard<std::mutex> g(Current->lock);
            Current->open.erase(fd);
        }
        close(fd);
    };
    table.Read = [](int fd, void *buf, size_t n, int timeoutMs) {
        FakeHidBus *bus = Current;
        ++bus->readCalls;
        if (int e = bus->failReadsWith.load()) {
            errno = e;
            return -1;
        }
        return HidrawRead(fd, buf, n, timeoutMs);
    };
    table.GetAttributes = [](int fd, HidAttributes &a) {
        auto dev = Current->OfFd(fd);
        if (!dev)
            return false;
        a.VendorID = dev->vid;
        a.ProductID = dev->pid;
        return true;
    };
    table.GetPreparsedData = [](int fd) -> HidPreparsedData * {
        auto dev = Current->OfFd(fd);
        auto *p = new HidPreparsedData;
        if (!dev || !p->Parse(dev->descriptor.data(), dev->descriptor.size())) {
            delete p;
            return nullptr;
        }
        return p;
    };
    table.GetManufacturerString = [](int fd, std::string &s) {
        auto dev = Current->OfFd(fd);
        return dev ? (s = dev->manufacturer, true) : false;
    };
    table.GetProductString = [](int fd, std::string &s) {
        auto dev = Current->OfFd(fd);
        return dev ? (s = dev->product, true) : false;
    };
    table.GetSerialNumberString = [](int fd, std::string &s) {
        auto dev = Current->OfFd(fd);
        return dev ? (s = dev->serial, true) : false;
    };
    SetHidApiSource(&table);
}

FakeHidBus::~FakeHidBus()
{
    SetHidApiSource(previous ? &previous->table : nullptr);
    Current = previous;
    present.clear();
    for (int fd : monitor)
        if (fd >= 0)
            close(fd);
}

std::shared_ptr<FakeHidInterface> FakeHidBus::OfFd(int fd)
{
    std::lock_guard<std::mutex> g(lock);
    auto it = open.find(fd);
    return it == open.end() ? nullptr : it->second;
}

std::shared_ptr<FakeHidInterface> FakeHidBus::Add(const std::string &id, uint16_t vid, uint16_t pid,
                                                  std::vector<uint8_t> descriptor)
{
    auto dev = std::make_shared<FakeHidInterface>();
    dev->id = id;
    dev->path = "/fake/" + id;
    dev->vid = vid;
    dev->pid = pid;
    dev->descriptor = descriptor.empty() ? VendorDescriptor64(false) : std::move(descriptor);
    int sv[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sv) == 0) {
        dev->node = sv[0];
        dev->far = sv[1];
    }
    present.push_back(dev);
    return dev;
}

void FakeHidBus::Remove(const std::shared_ptr<FakeHidInterface> &dev)
{
    for (size_t i = 0; i < present.size(); ++i)
        if (present[i] == dev)
            present.erase(present.begin() + long(i));
}

void FakeHidBus::Signal()
{
    char c = 1;
    if (write(monitor[1], &c, 1) != 1) {
    }
}

std::vector<uint8_t> VendorDescriptor64(bool reportIds)
{
    std::vector<uint8_t> d = {
        0x06, 0x00, 0xFF,  // Usage Page (vendor 0xFF00)
        0x09, 0x01,        // Usage 1
        0xA1, 0x01,        // Collection (Application)
        0x15, 0x00,        //   Logical Minimum 0
        0x26, 0xFF, 0x00,  //   Logical Maximum 255
        0x75, 0x08,        //   Report Size 8
        0x95, 0x40,        //   Report Count 64
    };
    if (reportIds)
        d.insert(d.end(), {0x85, 0x01});  // Report ID 1
    d.insert(d.end(), {0x09, 0x02, 0x81, 0x02});  // Usage 2, Input (Data, Var, Abs)
    if (reportIds)
        d.insert(d.end(), {0x85, 0x02});  // Report ID 2
    d.insert(d.end(), {0x09, 0x03, 0x91, 0x02, 0xC0});  // Usage 3, Output (Data, Var, Abs), End
    return d;
}

std::vector<uint8_t> KeyboardDescriptor()
{
    return {
        0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,        // Generic Desktop, Keyboard, Collection (Application)
        0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,        // Key codes, Usage Min E0, Max E7
        0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02,  // 8 modifier bits
        0x95, 0x01, 0x75, 0x08, 0x81, 0x01,        // reserved byte (constant)
        0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02,  // 5 LEDs
        0x95, 0x01, 0x75, 0x03, 0x91, 0x01,        // LED padding
        0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65,
        0x81, 0x00,                                // 6 key codes (array)
        0xC0,
    };
}
