#include "SplitProxy.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int LoopbackSocket() { return socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0); }

sockaddr_in Loopback(uint16_t port)
{
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(port);
    return sa;
}

// Each piece leaves in a segment of its own.
void NoDelay(int fd)
{
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

bool SendAll(int fd, const uint8_t *p, size_t n)
{
    while (n > 0) {
        const ssize_t w = send(fd, p, n, MSG_NOSIGNAL);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= size_t(w);
    }
    return true;
}

} // namespace

SplitProxy::SplitProxy(uint16_t dp, Split s) : devicePort(dp), split(std::move(s))
{
    ctl = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    listener = LoopbackSocket();
    sockaddr_in sa = Loopback(0);
    socklen_t len = sizeof sa;
    if (listener >= 0 && bind(listener, reinterpret_cast<sockaddr *>(&sa), sizeof sa) == 0 && listen(listener, 4) == 0
        && getsockname(listener, reinterpret_cast<sockaddr *>(&sa), &len) == 0)
        port = ntohs(sa.sin_port);
    th = std::thread([this] { Run(); });
}

SplitProxy::~SplitProxy()
{
    stopping.store(true);
    const uint64_t one = 1;
    if (write(ctl, &one, sizeof one) < 0) {
    }
    th.join();
    DropClient();
    for (int fd : {listener, ctl})
        if (fd >= 0)
            close(fd);
}

void SplitProxy::SetSplit(const Split &s)
{
    std::lock_guard<std::mutex> l(m);
    split = s;
}

int64_t SplitProxy::NowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SplitProxy::Run()
{
    while (!stopping.load()) {
        std::vector<pollfd> p = {{ctl, POLLIN, 0}, {listener, POLLIN, 0}};
        if (client >= 0)
            p.push_back({client, POLLIN, 0});
        if (device >= 0)
            p.push_back({device, POLLIN, 0});
        int timeoutMs = -1;
        if (!pending.empty())
            timeoutMs = int(std::max<int64_t>(0, (pending.front().dueUs - NowUs() + 999) / 1000));
        if (poll(p.data(), p.size(), timeoutMs) < 0 && errno != EINTR)
            break;
        if (p[0].revents)
            break;
        if (p[1].revents)
            Accept();
        bool ok = true;
        for (size_t i = 2; i < p.size() && ok; ++i)
            if (p[i].revents)
                ok = p[i].fd == client ? FromClient() : FromDevice();
        if (!ok)
            DropClient();
        SendDuePieces();
    }
}

void SplitProxy::Accept()
{
    const int c = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (c < 0)
        return;
    DropClient();
    const int d = LoopbackSocket();
    const sockaddr_in sa = Loopback(devicePort);
    if (d < 0 || connect(d, reinterpret_cast<const sockaddr *>(&sa), sizeof sa) != 0) {
        close(c);
        if (d >= 0)
            close(d);
        return;
    }
    NoDelay(c);
    NoDelay(d);
    client = c;
    device = d;
}

bool SplitProxy::FromClient()
{
    uint8_t buf[512];
    const ssize_t n = recv(client, buf, sizeof buf, 0);
    return n > 0 && SendAll(device, buf, size_t(n));
}

bool SplitProxy::FromDevice()
{
    uint8_t buf[512];
    const ssize_t n = recv(device, buf, sizeof buf, 0);
    if (n <= 0)
        return false;
    Split s;
    {
        std::lock_guard<std::mutex> l(m);
        s = split;
    }
    frames.Feed(buf, size_t(n), 0, [&](const ByteVector &f) {
        // After the pieces still on their way: replies keep their order.
        int64_t due = std::max(NowUs(), pending.empty() ? 0 : pending.back().dueUs);
        const size_t end = std::min(f.size(), s.keep);
        size_t at = 0;
        for (size_t i = 0; at < end; ++i) {
            const size_t next = i < s.cuts.size() ? std::min(s.cuts[i], end) : end;
            if (next <= at)
                continue;
            if (at > 0)
                due += int64_t(s.pauseMs) * 1000;
            pending.push_back({due, ByteVector(f.begin() + long(at), f.begin() + long(next))});
            at = next;
        }
    });
    return true;
}

void SplitProxy::SendDuePieces()
{
    while (!pending.empty() && pending.front().dueUs <= NowUs()) {
        if (client >= 0)
            SendAll(client, pending.front().bytes.data(), pending.front().bytes.size());
        pending.pop_front();
    }
}

void SplitProxy::DropClient()
{
    for (int *fd : {&client, &device})
        if (*fd >= 0) {
            shutdown(*fd, SHUT_RDWR);
            close(*fd);
            *fd = -1;
        }
    pending.clear();
    frames.Reset();
}
