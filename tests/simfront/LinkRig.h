#pragma once
#include "SimFrontEnd.h"

#include "LCommProc.h"
#include "LNetProc.h"
#include "LUsbProc.h"
#include "LinkOwner.h"
#include "NetLinkSocket.h"
#include "PumpEvents.h"
#include "TrafficLog.h"
#include "WindowMessage.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <sys/socket.h>
#include <vector>

// The main window as the links see it: records every message and traffic line.
class TestOwner : public MessageWindow, public LinkOwner, public TrafficLogSink {
public:
    struct Reply {
        ByteVector bytes;
        uint32_t ms;
        int64_t at;
    };
    struct Error {
        int code;
        intptr_t arg;
        uint32_t source;
        int64_t at;
    };

    MessageWindow *LinkWindow() override { return this; }
    int GetDeviceId() const override { return 1; }
    TrafficLogSink *TrafficLog() override { return this; }
    void AddTrafficLine(const std::string &line) override
    {
        std::lock_guard<std::mutex> l(m);
        lines.push_back(line);
    }
    std::vector<std::string> Lines()
    {
        std::lock_guard<std::mutex> l(m);
        return lines;
    }
    void Dispatch(const WindowMessage &msg) override
    {
        if (msg.msg == WM_LINK_REPLY || msg.msg == WM_LINK_REPLY_ALT) {
            const auto &bytes = *reinterpret_cast<const ByteVector *>(msg.wParam);
            replies.push_back({bytes, uint32_t(msg.lParam), SimFrontEnd::NowMs()});
            if (onReply)
                onReply(bytes);
        } else if (msg.msg == WM_LINK_ERROR) {
            errors.push_back({int(msg.wParam), msg.lParam, msg.sourceId, SimFrontEnd::NowMs()});
        }
    }

    std::vector<Reply> replies;
    std::vector<Error> errors;
    std::function<void(const ByteVector &)> onReply;

private:
    std::mutex m;
    std::vector<std::string> lines;
};

// One link of any kind against its simulator, with what the main window
// would do around it.
class Rig {
public:
    virtual ~Rig() = default;
    virtual const char *Kind() const = 0;
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual void QueueFrame(const ByteVector &f, bool append) = 0;
    virtual void SetTimeout(uint32_t ms) = 0;
    virtual uint32_t GetTimeout() const = 0;
    virtual void SetRetryCount(int n) = 0;
    virtual void SetPollingSuspended(bool f) = 0;
    virtual void PollTimer() = 0;
    virtual bool IsBusy() const = 0;
    virtual size_t QueuedCount() const = 0;
    virtual size_t FramesBehind() const = 0;
    virtual bool IsOpen() const = 0;
    virtual uint32_t SourceId() const = 0;
    virtual SimFrontEnd &Sim() = 0;
    TestOwner owner;
};

template <class Proc, class Front>
class RigOf : public Rig {
public:
    void Close() override { link->Close(); }
    void QueueFrame(const ByteVector &f, bool append) override { link->QueueFrame(f, append); }
    void SetTimeout(uint32_t ms) override { link->SetTimeout(ms); }
    uint32_t GetTimeout() const override { return link->GetTimeout(); }
    void SetRetryCount(int n) override { link->SetRetryCount(n); }
    void SetPollingSuspended(bool f) override { link->SetPollingSuspended(f); }
    void PollTimer() override { link->PollTimer(); }
    bool IsBusy() const override { return link->IsBusy(); }
    size_t QueuedCount() const override { return link->QueuedCount(); }
    size_t FramesBehind() const override { return link->FramesBehind(); }
    bool IsOpen() const override { return link->IsOpen(); }
    uint32_t SourceId() const override { return link->Source().Id(); }
    SimFrontEnd &Sim() override { return sim; }
    Front sim;
    std::unique_ptr<Proc> link;
};

class SerialRig : public RigOf<LCommProc, SimPty> {
public:
    SerialRig() { link = std::make_unique<LCommProc>(owner); }
    ~SerialRig() override { link.reset(); }
    const char *Kind() const override { return "serial"; }
    bool Open() override { return link->Open(sim.SlavePath(), 115200, 8, 0, 0); }
};

// USB: output reports go to the simulator over the packet pair; input reports
// come back through a notifier on the UI thread, as the HID read thread hands
// them to the main window, and are cut to their frame as TfmMain::HidCtlDeviceData does.
class UsbRig : public RigOf<LUsbProc, SimHid> {
public:
    UsbRig()
    {
        const int fd = sim.HostFd();
        link = std::make_unique<LUsbProc>(owner, [this, fd](const uint8_t *p, size_t n) {
            ByteVector report(1, 0);
            report.insert(report.end(), p, p + n);
            report.resize(65, 0);
            owner.AddTrafficLine(UsbWriteLine(0, p, n));
            return send(fd, report.data(), report.size(), MSG_NOSIGNAL) == ssize_t(report.size());
        });
        notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this, fd] {
            uint8_t report[300];
            const ssize_t n = recv(fd, report, sizeof report, MSG_DONTWAIT);
            if (n <= 0) {
                notifier->setEnabled(false);
                return;
            }
            const uint8_t *data = report + 1;
            size_t size = size_t(n - 1);
            if (size >= 2 && data[0] == 0x10 && data[1] == 0x02)
                size = FirstFrameSize(data, size);
            owner.AddTrafficLine(UsbReadLine(report[0], data, size));
            link->PutReceived(data, size);
        });
    }
    ~UsbRig() override
    {
        notifier.reset();
        link.reset();
    }
    const char *Kind() const override { return "usb"; }
    bool Open() override { return link->Open(); }
    std::unique_ptr<QSocketNotifier> notifier;
};

// TCP: the main window's client socket and its handlers in front of the link.
class NetRig : public RigOf<LNetProc, SimTcp> {
public:
    NetRig() : glue(socket)
    {
        glue.SetTrafficLog(&owner);
        link = std::make_unique<LNetProc>(owner, glue.Writer());
    }
    ~NetRig() override
    {
        glue.SetLink(nullptr);
        link.reset();
        socket.Close();
    }
    const char *Kind() const override { return "net"; }
    bool Open() override { return Connect(sim.Port()) && OpenLink(); }
    bool Connect(uint16_t port)
    {
        socket.SetAddress("127.0.0.1");
        socket.SetPort(port);
        return socket.Open() && PumpUntil([&] { return socket.IsConnected() && sim.HasClient(); });
    }
    bool OpenLink()
    {
        glue.SetLink(link.get());
        return link->Open();
    }
    // As the main window does: the link first, then the socket.
    void Close() override
    {
        link->Close();
        glue.SetLink(nullptr);
        socket.Close();
    }
    ClientSocket socket;
    NetLinkSocket glue;
};

inline std::unique_ptr<Rig> MakeRig(const std::string &kind)
{
    if (kind == "serial")
        return std::make_unique<SerialRig>();
    if (kind == "usb")
        return std::make_unique<UsbRig>();
    return std::make_unique<NetRig>();
}
