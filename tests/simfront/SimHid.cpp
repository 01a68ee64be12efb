#include "SimFrontEnd.h"

#include "TrafficLog.h"

#include <sys/socket.h>
#include <unistd.h>

SimHid::SimHid(uint8_t deviceId, InputReports reports) : SimFrontEnd(deviceId), inputReports(reports)
{
    int sv[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sv) == 0) {
        device = sv[0];
        host = sv[1];
    }
    Start();
}

SimHid::~SimHid()
{
    Stop();
    CloseTransport();
    if (host >= 0)
        close(host);
}

std::vector<int> SimHid::WatchFds()
{
    if (device < 0)
        return {};
    return {device};
}

bool SimHid::Ready(int fd)
{
    uint8_t report[1 + 256];
    const ssize_t n = recv(fd, report, sizeof report, 0);
    if (n <= 0)
        return false;
    if (n < 2)
        return true;
    // Report ID first; the filler after the frame is not part of it.
    const size_t len = FirstFrameSize(report + 1, size_t(n - 1));
    Received(ByteVector(report + 1, report + 1 + len));
    return true;
}

void SimHid::WriteOut(const uint8_t *p, size_t n)
{
    if (device < 0)
        return;
    // Whole replies fill a report; pieces of a split reply go as they are.
    const size_t idBytes = inputReports == InputReports::WithReportId ? 1 : 0;
    ByteVector report(idBytes, 0);
    report.insert(report.end(), p, p + n);
    if (knobs.splitBytes.load() == 0 && report.size() < idBytes + kReportData)
        report.resize(idBytes + kReportData, 0);
    if (send(device, report.data(), report.size(), MSG_NOSIGNAL) < 0) {
    }
}

void SimHid::CloseTransport()
{
    // An unplugged hidraw node reads as gone (EOF, then ENODEV), never as a
    // reset: nothing more is taken in and what the editor wrote is read away
    // before the close, since a close over unread packets resets the peer.
    if (device >= 0) {
        shutdown(device, SHUT_RDWR);
        uint8_t drop[1 + 256];
        while (recv(device, drop, sizeof drop, MSG_DONTWAIT) > 0) {
        }
        close(device);
    }
    device = -1;
}
