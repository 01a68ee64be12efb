#include "LSysLinkFactory.h"

#include <cctype>
#include <type_traits>

#include <QMetaObject>

#include "LCommProc.h"
#include "LNetProc.h"
#include "LUsbProc.h"

namespace {
constexpr uint32_t kBaud = 115200;
constexpr uint8_t kByteSize = 8, kNoParity = 0, kOneStopBit = 0;
} // namespace

// Receives the links' messages on the UI thread.
class LSysLinkFactory::Window : public MessageWindow {
public:
    explicit Window(LSysLinkFactory &f) : factory(f) {}
    void Dispatch(const WindowMessage &m) override
    {
        LLinkEvents *ev = factory.events;
        if (!ev)
            return;
        if (m.msg == WM_LINK_REPLY)
            ev->OnReplyFrame(*reinterpret_cast<const std::vector<uint8_t> *>(m.wParam));
        else if (m.msg == WM_LINK_ERROR)
            ev->OnLinkError(int(m.wParam), int(m.lParam));
    }

private:
    LSysLinkFactory &factory;
};

// Traffic lines from any thread, shown on the UI thread while the log is wanted.
class LSysLinkFactory::LogSink : public TrafficLogSink {
public:
    explicit LogSink(LSysLinkFactory &f) : factory(f) {}
    void AddTrafficLine(const std::string &line) override
    {
        QMetaObject::invokeMethod(
            factory.window.get(),
            [this, line] {
                if (factory.events)
                    factory.events->LogLine(line);
            },
            Qt::AutoConnection);
    }
    std::atomic<bool> wanted{false};

private:
    LSysLinkFactory &factory;
};

template <class Proc>
class LSysLinkFactory::Port : public LLinkPort {
public:
    Port(LSysLinkFactory &f, Kind k, std::unique_ptr<Proc> p) : factory(f), kind(k), proc(std::move(p)) {}
    ~Port() override { Close(); }
    Kind GetKind() const override { return kind; }
    void QueueFrame(const ByteVector &frame, bool append) override
    {
        if (!proc)
            return;
        factory.logSink->wanted.store(factory.events && factory.events->LogWanted());
        proc->QueueFrame(frame, append);
    }
    size_t QueuedCount() const override { return proc ? proc->FramesBehind() : 0; }
    void SetTimeout(unsigned ms) override
    {
        if (proc)
            proc->SetTimeout(ms);
    }
    unsigned GetTimeout() const override { return proc ? proc->GetTimeout() : 0; }
    void SetRetryCount(int n) override
    {
        if (proc)
            proc->SetRetryCount(n);
    }
    void SetPollingSuspended(bool s) override
    {
        if (proc)
            proc->SetPollingSuspended(s);
    }
    void GrantExtraResends(int n) override
    {
        if constexpr (std::is_base_of_v<LComm, Proc>)
            if (proc)
                proc->SetUncountedResends(n);
    }
    void SetDeviceId(int id) override
    {
        factory.deviceId.store(id);
        if (proc)
            proc->SetDeviceId(id);
    }
    void Close() override
    {
        if (!proc)
            return;
        proc->Close();
        // The factory lets go of the link before it is destroyed.
        factory.Closed(kind);
        proc.reset();
    }
    Proc *Get() const { return proc.get(); }

private:
    LSysLinkFactory &factory;
    Kind kind;
    std::unique_ptr<Proc> proc;
};

LSysLinkFactory::LSysLinkFactory()
    : window(std::make_unique<Window>(*this)), logSink(std::make_unique<LogSink>(*this)), netSocket(socket)
{
    socket.SetPort(9761);
    netSocket.SetTrafficLog(logSink.get());
}

LSysLinkFactory::~LSysLinkFactory()
{
    events = nullptr;
    netSocket.SetLink(nullptr);
    socket.Close();
}

void LSysLinkFactory::SetNetAddress(const std::string &ipv4, uint16_t port)
{
    DropSocket();
    socket.SetAddress(ipv4);
    socket.SetPort(port);
}

bool LSysLinkFactory::DiscoverDevices()
{
    DropSocket();
    return socket.Open();
}

void LSysLinkFactory::DropSocket()
{
    // The socket closes without an event: a network link on it has lost its
    // connection and is told so, as when the device hangs up.
    netSocket.ClientSocketDisconnect();
    socket.Close();
}

MessageWindow *LSysLinkFactory::LinkWindow()
{
    return window.get();
}

TrafficLogSink *LSysLinkFactory::TrafficLog()
{
    return logSink->wanted.load() ? logSink.get() : nullptr;
}

void LSysLinkFactory::Bind(int id, LLinkEvents *ev)
{
    deviceId.store(id);
    events = ev;
    logSink->wanted.store(ev && ev->LogWanted());
}

void LSysLinkFactory::Closed(LLinkPort::Kind kind)
{
    // Nothing of a closed link reaches its events any more; the next open binds
    // them again. So a late message never finds a connection logic that is gone.
    events = nullptr;
    if (kind == LLinkPort::Kind::Usb)
        usbLink = nullptr;
    if (kind == LLinkPort::Kind::Net) {
        netSocket.SetLink(nullptr);
        socket.Close();
    }
}

int LSysLinkFactory::PortNumber(const std::string &portName)
{
    const bool shortName = portName.size() < 6;
    const std::string prefix = shortName ? "COM" : "\\\\.\\COM";
    if (portName.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const std::string digits = portName.substr(prefix.size());
    if (digits.empty() || digits.size() > 3)
        return 0;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return 0;
    return std::stoi(digits);
}

std::unique_ptr<LLinkPort> LSysLinkFactory::OpenCom(const std::string &portName, int id, LLinkEvents *ev)
{
    Bind(id, ev);
    auto proc = std::make_unique<LCommProc>(*this);
    const int number = PortNumber(portName);
    const bool isName = portName.compare(0, 3, "COM") == 0 || portName.compare(0, 4, "\\\\.\\") == 0;
    bool ok;
    if (isName)
        ok = number > 0 && proc->Open(number, kBaud, kByteSize, kNoParity, kOneStopBit);
    else
        ok = !portName.empty() && proc->Open(portName, kBaud, kByteSize, kNoParity, kOneStopBit);
    if (!ok) {
        proc->Close();
        return nullptr;
    }
    return std::make_unique<Port<LCommProc>>(*this, LLinkPort::Kind::Com, std::move(proc));
}

std::unique_ptr<LLinkPort> LSysLinkFactory::OpenUsb(int id, LLinkEvents *ev, UsbFrameWriter usbWriter)
{
    Bind(id, ev);
    LinkWriter writer = usbWriter ? LinkWriter(std::move(usbWriter)) : LinkWriter([](const uint8_t *, size_t) { return false; });
    auto proc = std::make_unique<LUsbProc>(*this, writer);
    if (!proc->Open()) {
        proc->Close();
        return nullptr;
    }
    usbLink = proc.get();
    return std::make_unique<Port<LUsbProc>>(*this, LLinkPort::Kind::Usb, std::move(proc));
}

std::unique_ptr<LLinkPort> LSysLinkFactory::OpenNet(int id, LLinkEvents *ev)
{
    Bind(id, ev);
    auto proc = std::make_unique<LNetProc>(*this, netSocket.Writer());
    if (!proc->Open()) {
        proc->Close();
        return nullptr;
    }
    netSocket.SetLink(proc.get());
    return std::make_unique<Port<LNetProc>>(*this, LLinkPort::Kind::Net, std::move(proc));
}
