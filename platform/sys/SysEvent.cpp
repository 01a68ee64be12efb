#include "SysEvent.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>

AutoResetEvent::AutoResetEvent() : fd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

AutoResetEvent::~AutoResetEvent()
{
    if (fd >= 0)
        close(fd);
}

void AutoResetEvent::Set()
{
    const uint64_t one = 1;
    while (write(fd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

bool AutoResetEvent::TryReset()
{
    uint64_t v = 0;
    ssize_t r;
    while ((r = read(fd, &v, sizeof v)) < 0 && errno == EINTR) {
    }
    return r == sizeof v;
}

bool AutoResetEvent::Wait(int timeoutMs)
{
    WaitItem item = WaitItem::Of(*this);
    return WaitForAny(&item, 1, timeoutMs) == 0;
}

int WaitForAny(const WaitItem *items, size_t count, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    std::vector<pollfd> fds(count);
    for (size_t i = 0; i < count; ++i) {
        fds[i].fd = items[i].event ? items[i].event->Fd() : items[i].fd;
        fds[i].events = POLLIN;
        if (fds[i].fd < 0)
            return kWaitFailed;
    }
    for (;;) {
        int wait = -1;
        if (timeoutMs >= 0) {
            auto us = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
            // Rounded up, so that a wait never ends a fraction of a millisecond early.
            wait = us <= 0 ? 0 : int((us + 999) / 1000);
        }
        for (auto &p : fds)
            p.revents = 0;
        int r = poll(fds.data(), fds.size(), wait);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return kWaitFailed;
        }
        if (r == 0) {
            if (timeoutMs >= 0 && Clock::now() < deadline)
                continue;
            return kWaitTimeout;
        }
        for (size_t i = 0; i < count; ++i) {
            const short ev = fds[i].revents;
            if (!ev)
                continue;
            if (items[i].event) {
                // Another waiter may have taken the signal in between.
                if (items[i].event->TryReset())
                    return int(i);
                continue;
            }
            if (ev & POLLIN)
                return int(i);
            return kWaitFailed; // POLLHUP, POLLERR or POLLNVAL without input
        }
    }
}
