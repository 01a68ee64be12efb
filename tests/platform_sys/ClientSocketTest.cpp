#include "ClientSocket.h"
#include "PumpEvents.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// A loopback listener on a port of the system's choice.
struct Listener {
    Listener()
    {
        fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof sa;
        bind(fd, reinterpret_cast<sockaddr *>(&sa), sizeof sa);
        listen(fd, 2);
        getsockname(fd, reinterpret_cast<sockaddr *>(&sa), &len);
        port = ntohs(sa.sin_port);
    }
    ~Listener()
    {
        if (peer >= 0)
            close(peer);
        if (fd >= 0)
            close(fd);
    }
    bool Accept()
    {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 5000) <= 0)
            return false;
        peer = accept(fd, nullptr, nullptr);
        return peer >= 0;
    }
    int fd = -1, peer = -1;
    uint16_t port = 0;
};

struct Events {
    std::string order;
    int errors = 0, lastError = 0;
    ClientSocket::ErrorEvent lastEvent = ClientSocket::eeGeneral;
    void Attach(ClientSocket &s)
    {
        s.OnConnecting = [this] { order += "C"; };
        s.OnConnect = [this] { order += "K"; };
        s.OnRead = [this] { order += "R"; };
        s.OnDisconnect = [this] { order += "D"; };
        s.OnError = [this](ClientSocket::ErrorEvent e, int &code) {
            order += "E";
            ++errors;
            lastError = code;
            lastEvent = e;
            code = 0;
        };
    }
};

} // namespace

TEST(ClientSocket, ConnectsReadsSendsFromAWorkerAndSeesTheOtherSideClose)
{
    Listener l;
    ClientSocket s;
    Events ev;
    ev.Attach(s);
    std::string received;
    s.OnRead = [&] {
        char buf[100];
        const int n = s.ReceiveBuf(buf, sizeof buf);
        if (n > 0)
            received.append(buf, size_t(n));
    };
    s.SetAddress(0x7F000001u);
    EXPECT_EQ(s.RemoteAddress(), "127.0.0.1");
    s.SetPort(l.port);
    ASSERT_TRUE(s.Open());
    ASSERT_TRUE(l.Accept());
    ASSERT_TRUE(PumpUntil([&] { return s.IsConnected(); }));
    EXPECT_EQ(ev.order, "CK");

    ASSERT_EQ(write(l.peer, "hello", 5), 5);
    ASSERT_TRUE(PumpUntil([&] { return received == "hello"; }));

    bool sent = false;
    std::thread worker([&] { sent = s.SendBuf("abc", 3); });
    worker.join();
    EXPECT_TRUE(sent);
    char buf[8];
    ASSERT_EQ(read(l.peer, buf, sizeof buf), 3);

    close(l.peer);
    l.peer = -1;
    ASSERT_TRUE(PumpUntil([&] { return ev.order.find('D') != std::string::npos; }));
    EXPECT_FALSE(s.IsActive());
    EXPECT_FALSE(s.SendBuf("x", 1));
}

TEST(ClientSocket, ARefusedConnectIsAnErrorEvent)
{
    uint16_t port;
    {
        Listener gone; // a port that nobody listens on any more
        port = gone.port;
    }
    ClientSocket s;
    Events ev;
    ev.Attach(s);
    s.SetAddress("127.0.0.1");
    s.SetPort(port);
    ASSERT_TRUE(s.Open());
    ASSERT_TRUE(PumpUntil([&] { return ev.errors > 0; }));
    EXPECT_EQ(ev.lastEvent, ClientSocket::eeConnect);
    EXPECT_NE(ev.lastError, 0);
    EXPECT_FALSE(s.IsActive());
}

TEST(ClientSocket, RefusesAnAddressThatIsNoIpv4)
{
    ClientSocket s;
    s.SetAddress("not an address");
    s.SetPort(9761);
    EXPECT_FALSE(s.Open());
}

TEST(ClientSocket, CompletesALargeSendFromAWorker)
{
    Listener l;
    ClientSocket s;
    s.SetAddress("127.0.0.1");
    s.SetPort(l.port);
    ASSERT_TRUE(s.Open());
    ASSERT_TRUE(l.Accept());
    ASSERT_TRUE(PumpUntil([&] { return s.IsConnected(); }));
    const std::string big(4 << 20, 'x'); // more than the socket buffers hold
    bool ok = false;
    std::thread worker([&] { ok = s.SendBuf(big.data(), big.size()); });
    size_t got = 0;
    char buf[65536];
    while (got < big.size()) {
        const ssize_t n = read(l.peer, buf, sizeof buf);
        if (n <= 0)
            break;
        got += size_t(n);
    }
    worker.join();
    EXPECT_TRUE(ok);
    EXPECT_EQ(got, big.size());
}
