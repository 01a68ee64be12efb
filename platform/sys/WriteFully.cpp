#include "WriteFully.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

int WriteFully(int fd, const void *p, size_t n, int waitMs, bool isSocket)
{
    const char *b = static_cast<const char *>(p);
    size_t done = 0;
    while (done < n) {
        const ssize_t r = isSocket ? ::send(fd, b + done, n - done, MSG_NOSIGNAL | MSG_DONTWAIT)
                                   : ::write(fd, b + done, n - done);
        if (r > 0) {
            done += size_t(r);
            continue;
        }
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd w{fd, POLLOUT, 0};
            if (poll(&w, 1, waitMs) > 0 && !(w.revents & (POLLERR | POLLHUP | POLLNVAL)))
                continue;
            return ETIMEDOUT;
        }
        return r < 0 ? errno : EPIPE;
    }
    return 0;
}
