#include "Hidraw.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#ifdef HIDIOCGINPUT
const bool HidrawHasInputOutputReports = true;
#else
const bool HidrawHasInputOutputReports = false;
#endif

namespace {

// The kernel's per-handle queue of input reports (HIDRAW_BUFFER_SIZE).
constexpr uint32_t HidrawQueueLength = 64;

// sysfs folder of the node's device (the hid device above hidrawN).
bool SysfsDeviceDir(int fd, std::string &dir)
{
    struct stat st;
    if (fstat(fd, &st) != 0)
        return false;
    if (!S_ISCHR(st.st_mode)) {
        errno = ENOTTY;
        return false;
    }
    char link[64];
    std::snprintf(link, sizeof link, "/sys/dev/char/%u:%u/device", major(st.st_rdev), minor(st.st_rdev));
    char *real = realpath(link, nullptr);
    if (!real)
        return false;
    dir = real;
    std::free(real);
    return true;
}

bool ReadLine(const std::string &file, std::string &value)
{
    std::ifstream in(file);
    if (!in)
        return false;
    std::getline(in, value);
    return true;
}

} // namespace

int HidrawOpen(const char *path, THidAccess access)
{
    int flags = O_CLOEXEC;
    switch (access) {
    case HidAccessNone: flags |= O_PATH; break;
    case HidAccessRead: flags |= O_RDONLY; break;
    case HidAccessWrite: flags |= O_WRONLY; break;
    case HidAccessReadWrite: flags |= O_RDWR; break;
    }
    return ::open(path, flags);
}

void HidrawClose(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

int HidrawRead(int fd, void *buffer, size_t length, int timeoutMs)
{
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        int r = ::poll(&p, 1, timeoutMs);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return -1;
        if (r == 0)
            return 0;
        if (p.revents & POLLNVAL) {
            errno = EBADF;
            return -1;
        }
        // Readable, hung up or in error: read tells which.
        ssize_t n = ::read(fd, buffer, length);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n == 0 && (p.revents & (POLLHUP | POLLERR))) {
            errno = ENODEV;
            return -1;
        }
        return int(n);
    }
}

int HidrawWrite(int fd, const void *buffer, size_t length)
{
    for (;;) {
        ssize_t n = ::write(fd, buffer, length);
        if (n < 0 && errno == EINTR)
            continue;
        return int(n);
    }
}

bool HidrawGetAttributes(int fd, HidAttributes &a)
{
    hidraw_devinfo info{};
    std::string dir;
    if (ioctl(fd, HIDIOCGRAWINFO, &info) == 0) {
        a.VendorID = uint16_t(info.vendor);
        a.ProductID = uint16_t(info.product);
    } else {
        // A handle without access cannot ask the node; the hid device's
        // uevent holds the same IDs (HID_ID=bus:vendor:product).
        std::ifstream in;
        if (!SysfsDeviceDir(fd, dir))
            return false;
        in.open(dir + "/uevent");
        std::string line;
        bool found = false;
        while (std::getline(in, line)) {
            if (line.rfind("HID_ID=", 0) == 0) {
                unsigned bus = 0, vid = 0, pid = 0;
                if (std::sscanf(line.c_str() + 7, "%x:%x:%x", &bus, &vid, &pid) == 3) {
                    a.VendorID = uint16_t(vid);
                    a.ProductID = uint16_t(pid);
                    found = true;
                }
            }
        }
        if (!found) {
            errno = ENODATA;
            return false;
        }
    }
    a.VersionNumber = 0;
    std::string bcd;
    if ((!dir.empty() || SysfsDeviceDir(fd, dir))) {
        // The release is the USB device's bcdDevice, a few levels up.
        for (std::string d = dir; d.size() > 5; d = d.substr(0, d.rfind('/'))) {
            if (ReadLine(d + "/bcdDevice", bcd)) {
                a.VersionNumber = uint16_t(std::strtoul(bcd.c_str(), nullptr, 16));
                break;
            }
        }
    }
    return true;
}

bool HidrawGetReportDescriptor(int fd, std::vector<uint8_t> &descriptor)
{
    int size = 0;
    if (ioctl(fd, HIDIOCGRDESCSIZE, &size) != 0)
        return false;
    hidraw_report_descriptor rd{};
    rd.size = uint32_t(size);
    if (ioctl(fd, HIDIOCGRDESC, &rd) != 0)
        return false;
    descriptor.assign(rd.value, rd.value + rd.size);
    return true;
}

bool HidrawGetFeature(int fd, void *buffer, size_t length)
{
    return ioctl(fd, HIDIOCGFEATURE(length), buffer) >= 0;
}

bool HidrawSetFeature(int fd, const void *buffer, size_t length)
{
    return ioctl(fd, HIDIOCSFEATURE(length), buffer) >= 0;
}

bool HidrawGetInputReport(int fd, void *buffer, size_t length)
{
#ifdef HIDIOCGINPUT
    return ioctl(fd, HIDIOCGINPUT(length), buffer) >= 0;
#else
    errno = ENOSYS;
    return false;
#endif
}

bool HidrawSetOutputReport(int fd, const void *buffer, size_t length)
{
#ifdef HIDIOCSOUTPUT
    return ioctl(fd, HIDIOCSOUTPUT(length), buffer) >= 0;
#else
    errno = ENOSYS;
    return false;
#endif
}

bool HidrawFlushQueue(int fd)
{
    uint8_t scratch[4096];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        int r = ::poll(&p, 1, 0);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 || (p.revents & POLLNVAL))
            return false;
        if (r == 0 || !(p.revents & POLLIN))
            return true;
        if (::read(fd, scratch, sizeof scratch) <= 0)
            return errno == EAGAIN || errno == EINTR;
    }
}

bool HidrawGetNumInputBuffers(int fd, uint32_t &count)
{
    if (fcntl(fd, F_GETFL) < 0)
        return false;
    count = HidrawQueueLength;
    return true;
}

bool HidrawSetNumInputBuffers(int fd, uint32_t count)
{
    if (fcntl(fd, F_GETFL) < 0)
        return false;
    if (count != HidrawQueueLength) {
        errno = EINVAL;
        return false;
    }
    return true;
}

bool HidrawGetUsbString(int fd, const char *attribute, std::string &value)
{
    std::string dir;
    if (!SysfsDeviceDir(fd, dir))
        return false;
    // The USB device is the first folder above the node that has idVendor.
    for (std::string d = dir; d.size() > 5; d = d.substr(0, d.rfind('/'))) {
        std::string vid;
        if (ReadLine(d + "/idVendor", vid)) {
            if (ReadLine(d + "/" + attribute, value))
                return true;
            errno = ENODATA;
            return false;
        }
    }
    errno = ENODEV;
    return false;
}

int HidrawIoctl(int fd, unsigned long request, void *argument)
{
    return ioctl(fd, request, argument);
}

std::string HidrawServiceVersion()
{
    utsname u;
    if (uname(&u) != 0)
        return std::string();
    return u.release;
}
