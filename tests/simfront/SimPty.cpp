#include "SimFrontEnd.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

SimPty::SimPty(uint8_t deviceId) : SimFrontEnd(deviceId)
{
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) {
        char name[128];
        if (ptsname_r(master, name, sizeof name) == 0)
            slavePath = name;
        slave = open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        termios t;
        if (slave >= 0 && tcgetattr(slave, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(slave, TCSANOW, &t);
        }
    }
    Start();
}

SimPty::~SimPty()
{
    Stop();
    CloseTransport();
}

bool SimPty::SlaveSettings(uint32_t &baud, int &byteSize, bool &parity, bool &twoStop)
{
    std::lock_guard<std::recursive_mutex> l(ioLock);
    termios t;
    if (slave < 0 || tcgetattr(slave, &t) != 0)
        return false;
    baud = cfgetospeed(&t) == B115200 ? 115200 : 0;
    byteSize = (t.c_cflag & CSIZE) == CS8 ? 8 : (t.c_cflag & CSIZE) == CS7 ? 7 : (t.c_cflag & CSIZE) == CS6 ? 6 : 5;
    parity = t.c_cflag & PARENB;
    twoStop = t.c_cflag & CSTOPB;
    return true;
}

std::vector<int> SimPty::WatchFds()
{
    if (master < 0)
        return {};
    return {master};
}

bool SimPty::Ready(int fd)
{
    uint8_t buf[512];
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n > 0)
        Received(ByteVector(buf, buf + n));
    // Nothing to read while no one has the slave open: not a failure.
    return true;
}

void SimPty::WriteOut(const uint8_t *p, size_t n)
{
    if (master >= 0 && write(master, p, n) < 0) {
    }
}

void SimPty::CloseTransport()
{
    // Closing the master hangs up the slave side.
    if (master >= 0)
        close(master);
    if (slave >= 0)
        close(slave);
    master = slave = -1;
}
