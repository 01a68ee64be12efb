#pragma once
#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

class QSocketNotifier;

// A non-blocking TCP client whose connecting, connect, read, disconnect and
// error events arrive on the thread that owns it (the UI thread). SendBuf may be
// called from any thread; everything else belongs to the owning thread.
class ClientSocket : public QObject {
public:
    enum ErrorEvent { eeGeneral, eeSend, eeReceive, eeConnect, eeDisconnect };

    explicit ClientSocket(QObject *parent = nullptr);
    ~ClientSocket() override;

    // Dotted IPv4 address and port of the remote side.
    void SetAddress(const std::string &ipv4) { address = ipv4; }
    void SetAddress(uint32_t ipv4HostOrder);
    void SetPort(uint16_t p) { port = p; }
    const std::string &RemoteAddress() const { return address; }
    uint16_t Port() const { return port; }

    // Starts connecting (OnConnecting, then OnConnect or OnError); false when
    // the address is not valid or no socket can be made.
    bool Open();
    // Drops the connection; no event follows.
    void Close();
    bool IsActive() const;
    bool IsConnected() const;

    // Reads what has arrived, without waiting: the count, 0 when nothing is
    // there, -1 on failure. Owning thread only.
    int ReceiveBuf(void *p, int n);
    // Sends all n bytes, completing partial sends (waiting up to a limit for
    // room); false when not connected or on failure, which is also reported as
    // OnError(eeSend) on the owning thread.
    bool SendBuf(const void *p, size_t n);

    std::function<void()> OnConnecting;
    std::function<void()> OnConnect;
    std::function<void()> OnRead;
    std::function<void()> OnDisconnect; // the remote side closed the connection
    // errorCode: the system's error number; a handler may set it to 0 to mark it handled.
    std::function<void(ErrorEvent, int &errorCode)> OnError;

private:
    void ConnectDone();
    void ReadReady();
    void Fail(ErrorEvent e, int code);
    void CloseLocked();

    std::string address;
    uint16_t port = 0;
    mutable std::mutex lock; // guards fd against SendBuf on a worker thread
    int fd = -1;
    bool connected = false;
    std::atomic<uint64_t> generation{0}; // one per Open, so late reports find their connection
    QSocketNotifier *readNotifier = nullptr;
    QSocketNotifier *writeNotifier = nullptr;
};
