#include "SerialPort.h"

#include "WriteFully.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kWriteWaitMs = 1000; // longest wait for room in the output queue

struct RateMap {
    uint32_t baud;
    speed_t code;
};

const RateMap kRates[] = {
    {50, B50},       {75, B75},       {110, B110},     {134, B134},       {150, B150},
    {200, B200},     {300, B300},     {600, B600},     {1200, B1200},     {1800, B1800},
    {2400, B2400},   {4800, B4800},   {9600, B9600},   {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool RateCode(uint32_t baud, speed_t &code)
{
    for (const RateMap &r : kRates)
        if (r.baud == baud) {
            code = r.code;
            return true;
        }
    return false;
}

uint32_t RateOf(speed_t code)
{
    for (const RateMap &r : kRates)
        if (r.code == code)
            return r.baud;
    return 0;
}

std::string ReadLine(const std::string &file)
{
    std::ifstream in(file);
    std::string s;
    std::getline(in, s);
    return s;
}

bool Exists(const std::string &p)
{
    struct stat st;
    return stat(p.c_str(), &st) == 0;
}

// A ttyS entry is a real UART when the serial core knows its type (non-zero),
// or, where no type is published, when a device stands behind it.
bool IsRealUart(const std::string &entry)
{
    const std::string type = ReadLine(entry + "/type");
    if (!type.empty())
        return type != "0";
    return Exists(entry + "/device");
}

} // namespace

std::vector<std::string> SerialPort::ListPorts(const std::string &sysClassTty, const std::string &devDir)
{
    static const char *kPrefixes[] = {"ttyS", "ttyUSB", "ttyACM"};
    std::vector<std::pair<std::pair<int, long>, std::string>> found;
    DIR *d = opendir(sysClassTty.c_str());
    if (!d)
        return {};
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        for (int k = 0; k < 3; ++k) {
            const std::string prefix = kPrefixes[k];
            if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
                continue;
            const std::string digits = name.substr(prefix.size());
            if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })
                || digits.size() > 6)
                continue;
            if (k == 0 && !IsRealUart(sysClassTty + "/" + name))
                continue;
            found.push_back({{k, std::stol(digits)}, devDir + "/" + name});
        }
    }
    closedir(d);
    std::sort(found.begin(), found.end());
    std::vector<std::string> out;
    for (auto &f : found)
        out.push_back(f.second);
    return out;
}

std::string SerialPort::PortPath(int number, const std::string &sysClassTty, const std::string &devDir)
{
    if (number < kFirstPort || number > kLastPort)
        return {};
    const auto ports = ListPorts(sysClassTty, devDir);
    return size_t(number) <= ports.size() ? ports[size_t(number) - 1] : std::string();
}

bool SerialPort::IsSupportedRate(uint32_t baud)
{
    speed_t c;
    return RateCode(baud, c);
}

SerialPort::~SerialPort() { Close(); }

bool SerialPort::Fail(const std::string &what)
{
    error = what;
    return false;
}

bool SerialPort::Open(int number)
{
    if (number < kFirstPort || number > kLastPort)
        return Fail("port number " + std::to_string(number) + " is outside 1 to 98");
    const std::string p = PortPath(number);
    if (p.empty())
        return Fail("there is no serial port number " + std::to_string(number));
    return Open(p);
}

bool SerialPort::Open(const std::string &devicePath)
{
    if (fd >= 0)
        return Fail("the port is already open");
    const int f = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (f < 0)
        return Fail("cannot open " + devicePath + ": " + std::strerror(errno));
    if (!isatty(f)) {
        ::close(f);
        return Fail(devicePath + " is not a serial port");
    }
    // Not shared: the lock keeps out every other opener, root included, which
    // TIOCEXCL alone would let in.
    if (flock(f, LOCK_EX | LOCK_NB) != 0) {
        ::close(f);
        return Fail(devicePath + " is in use");
    }
    ioctl(f, TIOCEXCL);
    fd = f;
    path = devicePath;
    error.clear();
    return true;
}

void SerialPort::Close()
{
    if (fd < 0)
        return;
    ioctl(fd, TIOCNXCL);
    flock(fd, LOCK_UN);
    ::close(fd);
    fd = -1;
    path.clear();
}

bool SerialPort::Configure(const Settings &s)
{
    if (fd < 0)
        return Fail("the port is not open");
    speed_t code;
    if (!RateCode(s.baud, code))
        return Fail("the rate " + std::to_string(s.baud) + " baud is not available on this system");
    if (s.byteSize < 5 || s.byteSize > 8)
        return Fail("byte size " + std::to_string(s.byteSize) + " is not 5 to 8");
    if (s.parity > 2)
        return Fail("parity " + std::to_string(s.parity) + " is not supported (0 none, 1 odd, 2 even)");
    if (s.stopBits != 0 && s.stopBits != 2)
        return Fail("stop bits " + std::to_string(s.stopBits) + " is not supported (0 one, 2 two)");
    termios t;
    if (tcgetattr(fd, &t) != 0)
        return Fail(std::string("cannot read the port settings: ") + std::strerror(errno));
    cfmakeraw(&t);
    t.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    static const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= kSizes[s.byteSize - 5] | CREAD | CLOCAL;
    if (s.parity)
        t.c_cflag |= PARENB | (s.parity == 1 ? PARODD : 0);
    if (s.stopBits == 2)
        t.c_cflag |= CSTOPB;
    t.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, code);
    cfsetospeed(&t, code);
    if (tcsetattr(fd, TCSANOW, &t) != 0)
        return Fail(std::string("cannot set the port settings: ") + std::strerror(errno));
    return true;
}

bool SerialPort::ReadSettings(Settings &s) const
{
    termios t;
    if (fd < 0 || tcgetattr(fd, &t) != 0)
        return false;
    s.baud = RateOf(cfgetospeed(&t));
    switch (t.c_cflag & CSIZE) {
    case CS5: s.byteSize = 5; break;
    case CS6: s.byteSize = 6; break;
    case CS7: s.byteSize = 7; break;
    default: s.byteSize = 8; break;
    }
    s.parity = (t.c_cflag & PARENB) ? ((t.c_cflag & PARODD) ? 1 : 2) : 0;
    s.stopBits = (t.c_cflag & CSTOPB) ? 2 : 0;
    return true;
}

void SerialPort::Purge()
{
    if (fd >= 0)
        tcflush(fd, TCIOFLUSH);
}

int SerialPort::Available()
{
    int n = 0;
    if (fd < 0 || ioctl(fd, FIONREAD, &n) != 0)
        return -1;
    return n;
}

bool SerialPort::WaitInput(int timeoutMs)
{
    if (fd < 0)
        return false;
    pollfd p{fd, POLLIN, 0};
    int r;
    while ((r = poll(&p, 1, timeoutMs)) < 0 && errno == EINTR) {
    }
    return r > 0 && (p.revents & POLLIN);
}

long SerialPort::Read(uint8_t *p, size_t n)
{
    if (fd < 0)
        return -1;
    for (;;) {
        const ssize_t r = ::read(fd, p, n);
        if (r > 0)
            return long(r);
        if (r == 0) {
            // Raw mode reads 0 both when nothing is there and after a hang-up.
            pollfd p{fd, POLLIN, 0};
            return (poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) ? -1 : 0;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return 0;
        Fail(std::string("read failed: ") + std::strerror(errno));
        return -1;
    }
}

bool SerialPort::Write(const uint8_t *p, size_t n)
{
    if (fd < 0)
        return Fail("the port is not open");
    const int err = WriteFully(fd, p, n, kWriteWaitMs, false);
    if (err == ETIMEDOUT)
        return Fail("write timed out");
    if (err)
        return Fail(std::string("write failed: ") + std::strerror(err));
    return true;
}
