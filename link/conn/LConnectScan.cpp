#include "LConnectScan.h"

#include "LMainLink.h"
#include "LSysLinkFactory.h"

#include <algorithm>
#include <memory>

LConnectScan::Candidate LConnectScan::UsbCandidate()
{
    return {"USB", [](LMainLink &m) { m.OpenUsbLink(); }, 6000, Kind::Usb};
}

LConnectScan::Candidate LConnectScan::ComCandidate(const std::string &portName)
{
    return {portName,
            [portName](LMainLink &m) {
                m.SetComPortName(portName);
                m.OpenComLink();
            },
            10000, Kind::Com};
}

LConnectScan::Candidate LConnectScan::NetCandidate(LSysLinkFactory &factory, std::function<void(const std::string &)> status)
{
    // Set while an attempt of this candidate waits for the socket. The hook
    // stays on the socket afterwards but opens nothing: a socket that someone
    // else connects later (Rescan, the network setup) is no attempt's.
    auto waiting = std::make_shared<bool>(false);
    Candidate c{"NET",
                [&factory, status, waiting](LMainLink &m) {
                    ClientSocket &socket = factory.Socket();
                    const auto connected = [&socket, status] {
                        if (status)
                            status("Connecting IP:" + socket.RemoteAddress());
                    };
                    *waiting = false;
                    if (socket.IsConnected()) {
                        connected();
                        m.OpenNetLink();
                        return;
                    }
                    *waiting = true;
                    socket.OnConnect = [&m, connected, waiting] {
                        if (!*waiting)
                            return;
                        *waiting = false;
                        connected();
                        m.OpenNetLink();
                    };
                    if (status)
                        status("Network Connecting");
                    // Closing a network link deactivates the socket: connect again.
                    if (!socket.IsActive())
                        factory.DiscoverDevices();
                },
                2000, Kind::Net};
    c.disarm = [waiting] { *waiting = false; };
    return c;
}

LConnectScan::LConnectScan()
{
    for (QTimer *t : {&tmRunUsbConnect, &tmRunNetConnect, &tmRunComConnect, &tmConnect, &tmLinkBroken}) {
        t->setSingleShot(true);
        t->setInterval(100);
    }
    watchdog.setSingleShot(true);
    watchdog.setTimerType(Qt::PreciseTimer); // the scan budget is measured against it
    for (QTimer *t : {&tmRunUsbConnect, &tmRunNetConnect, &tmRunComConnect})
        QObject::connect(t, &QTimer::timeout, t, [this] {
            if (main && candidate < candidates.size()) {
                armedDisarm = candidates[candidate].disarm;
                candidates[candidate].open(*main);
            }
        });
    // An attempt that neither succeeded nor failed in time is evaluated as failed.
    QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [this] { tmConnect.start(); });
    QObject::connect(&tmConnect, &QTimer::timeout, &tmConnect, [this] { Evaluate(); });
    QObject::connect(&tmLinkBroken, &QTimer::timeout, &tmLinkBroken, [this] {
        if (onLinkBroken)
            onLinkBroken();
    });
}

LConnectScan::~LConnectScan()
{
    EndAttempt();
}

std::vector<std::string> LConnectScan::BuildCandidates(const Sources &sources)
{
    std::vector<std::string> ports = sources.listPorts ? sources.listPorts() : std::vector<std::string>{};
    candidates.clear();
    extraCandidates = 0;
    if (sources.hasHidDevice && sources.hasHidDevice()) {
        candidates.push_back(UsbCandidate());
        extraCandidates = 1;
    } else if (sources.factory && sources.hasDeviceAddress && sources.hasDeviceAddress()) {
        candidates.push_back(NetCandidate(*sources.factory, onStatus));
        extraCandidates = 1;
    }
    for (const std::string &port : ports)
        candidates.push_back(ComCandidate(port));
    return ports;
}

bool LConnectScan::TimersActive() const
{
    for (const QTimer *t :
         {&tmRunUsbConnect, &tmRunNetConnect, &tmRunComConnect, &watchdog, &tmConnect, &tmLinkBroken})
        if (t->isActive())
            return true;
    return false;
}

void LConnectScan::Halt()
{
    for (QTimer *t : {&tmRunUsbConnect, &tmRunNetConnect, &tmRunComConnect, &watchdog, &tmConnect, &tmLinkBroken})
        t->stop();
    EndAttempt();
    scanning = false;
}

void LConnectScan::EndAttempt()
{
    const std::function<void()> disarm = std::move(armedDisarm);
    armedDisarm = nullptr;
    if (disarm)
        disarm();
}

void LConnectScan::Start()
{
    Halt();
    connected = false;
    failed = false;
    scanning = true;
    candidate = 0;
    if (candidates.empty()) {
        tmConnect.start();
        return;
    }
    Arm();
}

void LConnectScan::Arm()
{
    const Candidate &c = candidates[candidate];
    watchdogMs = c.watchdogMs;
    watchdog.start(std::max(1, int(c.watchdogMs * timeScale)));
    if (onAttempt)
        onAttempt(candidate);
    switch (c.kind) {
    case Kind::Usb:
        tmRunUsbConnect.start();
        break;
    case Kind::Net:
        tmRunNetConnect.start();
        break;
    case Kind::Com:
        tmRunComConnect.start();
        break;
    }
}

void LConnectScan::Evaluate()
{
    EndAttempt();
    if (connected) {
        Halt();
        if (onConnected)
            onConnected();
        return;
    }
    if (!scanning)
        return;
    // The failed candidate's link goes before the next one is armed.
    if (main)
        main->CloseLink();
    if (candidate + 1 >= candidates.size()) {
        Halt();
        failed = true;
        if (onExhausted)
            onExhausted();
        return;
    }
    ++candidate;
    Arm();
}

void LConnectScan::ConnectResult(bool ok)
{
    connected = ok;
    tmConnect.start();
}

void LConnectScan::LinkBroken()
{
    connected = false;
    tmLinkBroken.start();
}
