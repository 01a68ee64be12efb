#include "ClientSocket.h"

#include "WriteFully.h"

#include <QSocketNotifier>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kSendWaitMs = 2000; // longest wait for room in the send buffer
}

ClientSocket::ClientSocket(QObject *parent) : QObject(parent) {}

ClientSocket::~ClientSocket() { Close(); }

void ClientSocket::SetAddress(uint32_t ip)
{
    address = std::to_string(ip >> 24) + "." + std::to_string((ip >> 16) & 255) + "." +
              std::to_string((ip >> 8) & 255) + "." + std::to_string(ip & 255);
}

bool ClientSocket::IsActive() const
{
    std::lock_guard<std::mutex> l(lock);
    return fd >= 0;
}

bool ClientSocket::IsConnected() const
{
    std::lock_guard<std::mutex> l(lock);
    return fd >= 0 && connected;
}

bool ClientSocket::Open()
{
    Close();
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    if (port == 0 || inet_pton(AF_INET, address.c_str(), &sa.sin_addr) != 1)
        return false;
    const int s = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    const int one = 1;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    {
        std::lock_guard<std::mutex> l(lock);
        fd = s;
        connected = false;
    }
    ++generation;
    if (OnConnecting)
        OnConnecting();
    int r;
    while ((r = ::connect(s, reinterpret_cast<sockaddr *>(&sa), sizeof sa)) < 0 && errno == EINTR) {
    }
    if (r < 0 && errno != EINPROGRESS) {
        Fail(eeConnect, errno);
        return true;
    }
    writeNotifier = new QSocketNotifier(s, QSocketNotifier::Write, this);
    connect(writeNotifier, &QSocketNotifier::activated, this, [this] { ConnectDone(); });
    return true;
}

void ClientSocket::ConnectDone()
{
    int s, err = 0;
    socklen_t len = sizeof err;
    {
        std::lock_guard<std::mutex> l(lock);
        s = fd;
    }
    if (writeNotifier) {
        writeNotifier->setEnabled(false);
        writeNotifier->deleteLater();
        writeNotifier = nullptr;
    }
    if (s < 0)
        return;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, &err, &len) != 0)
        err = errno;
    if (err) {
        Fail(eeConnect, err);
        return;
    }
    {
        std::lock_guard<std::mutex> l(lock);
        connected = true;
    }
    readNotifier = new QSocketNotifier(s, QSocketNotifier::Read, this);
    connect(readNotifier, &QSocketNotifier::activated, this, [this] { ReadReady(); });
    if (OnConnect)
        OnConnect();
}

void ClientSocket::ReadReady()
{
    int s;
    {
        std::lock_guard<std::mutex> l(lock);
        s = fd;
    }
    if (s < 0)
        return;
    char c;
    const ssize_t r = recv(s, &c, 1, MSG_PEEK | MSG_DONTWAIT);
    if (r == 0) {
        Close();
        if (OnDisconnect)
            OnDisconnect();
        return;
    }
    if (r < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            Fail(eeReceive, errno);
        return;
    }
    if (OnRead)
        OnRead();
    else {
        char sink[256];
        ReceiveBuf(sink, sizeof sink); // nobody listens: keep the notifier from spinning
    }
}

int ClientSocket::ReceiveBuf(void *p, int n)
{
    int s;
    {
        std::lock_guard<std::mutex> l(lock);
        s = fd;
    }
    if (s < 0 || n <= 0)
        return -1;
    ssize_t r;
    while ((r = recv(s, p, size_t(n), MSG_DONTWAIT)) < 0 && errno == EINTR) {
    }
    if (r < 0)
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    return int(r);
}

bool ClientSocket::SendBuf(const void *p, size_t n)
{
    int err = 0;
    {
        std::lock_guard<std::mutex> l(lock);
        if (fd < 0 || !connected)
            return false;
        err = WriteFully(fd, p, n, kSendWaitMs, true);
        if (!err)
            return true;
    }
    // Reported on the owning thread; dropped when the socket is gone or was
    // opened anew by then.
    const uint64_t gen = generation.load();
    QMetaObject::invokeMethod(
        this,
        [this, err, gen] {
            if (generation.load() == gen)
                Fail(eeSend, err);
        },
        Qt::QueuedConnection);
    return false;
}

void ClientSocket::Fail(ErrorEvent e, int code)
{
    if (!IsActive())
        return;
    Close();
    int c = code;
    if (OnError)
        OnError(e, c);
}

void ClientSocket::Close()
{
    // Deleted later: Close may run inside a notifier's own signal.
    for (QSocketNotifier **n : {&readNotifier, &writeNotifier})
        if (*n) {
            (*n)->setEnabled(false);
            (*n)->deleteLater();
            *n = nullptr;
        }
    std::lock_guard<std::mutex> l(lock);
    CloseLocked();
}

void ClientSocket::CloseLocked()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    connected = false;
}
