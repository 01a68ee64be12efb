#include "SimFrontEnd.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

SimTcp::SimTcp(uint8_t deviceId, uint16_t wantedPort) : SimFrontEnd(deviceId)
{
    listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(wantedPort);
    const int on = 1;
    if (listener >= 0 && wantedPort != 0) // a fixed port can be taken again at once after a run
        setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    socklen_t len = sizeof sa;
    if (listener >= 0 && bind(listener, reinterpret_cast<sockaddr *>(&sa), sizeof sa) == 0 && listen(listener, 4) == 0
        && getsockname(listener, reinterpret_cast<sockaddr *>(&sa), &len) == 0)
        port = ntohs(sa.sin_port);
    Start();
}

SimTcp::~SimTcp()
{
    Stop();
    CloseTransport();
    if (listener >= 0)
        close(listener);
}

bool SimTcp::HasClient() const
{
    std::lock_guard<std::recursive_mutex> l(ioLock);
    return conn >= 0;
}

std::vector<int> SimTcp::WatchFds()
{
    std::vector<int> fds;
    if (listener >= 0)
        fds.push_back(listener);
    if (conn >= 0)
        fds.push_back(conn);
    return fds;
}

bool SimTcp::Ready(int fd)
{
    if (fd == listener) {
        const int c = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (c >= 0) {
            if (conn >= 0)
                close(conn); // one client at a time, the newest
            const int one = 1;
            setsockopt(c, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            conn = c;
        }
        return true;
    }
    uint8_t buf[512];
    const ssize_t n = recv(fd, buf, sizeof buf, 0);
    if (n <= 0)
        return false;
    Received(ByteVector(buf, buf + n));
    return true;
}

void SimTcp::WriteOut(const uint8_t *p, size_t n)
{
    if (conn >= 0 && send(conn, p, n, MSG_NOSIGNAL) < 0) {
    }
}

void SimTcp::CloseTransport()
{
    // Shut down first: a close alone waits for the serving thread's poll.
    if (conn >= 0) {
        shutdown(conn, SHUT_RDWR);
        close(conn);
    }
    conn = -1;
}
