#include "LConnectScan.h"

#include "LMainLink.h"
#include "LSysLinkFactory.h"

LConnectScan::Candidate LConnectScan::ComCandidate(const std::string &portName)
{
    return {portName,
            [portName](LMainLink &m) {
                m.SetComPortName(portName);
                m.OpenComLink();
            },
            10000};
}

LConnectScan::Candidate LConnectScan::NetCandidate(LSysLinkFactory &factory)
{
    return {"NET",
            [&factory](LMainLink &m) {
                if (factory.Socket().IsConnected()) {
                    m.OpenNetLink();
                    return;
                }
                factory.Socket().OnConnect = [&factory, &m] {
                    factory.Socket().OnConnect = nullptr;
                    m.OpenNetLink();
                };
                // Closing a network link deactivates the socket: connect again.
                if (!factory.Socket().IsActive())
                    factory.DiscoverDevices();
            },
            2000};
}

LConnectScan::LConnectScan()
{
    watchdog.setSingleShot(true);
    watchdog.setTimerType(Qt::PreciseTimer); // the scan budget is measured against it
    tmConnect.setSingleShot(true);
    tmConnect.setInterval(100);
    QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [this] {
        // The candidate did not become online in time: give it up.
        if (main)
            main->CloseLink();
        CandidateFailed();
    });
    QObject::connect(&tmConnect, &QTimer::timeout, &tmConnect, [this] {
        if (connected) {
            watchdog.stop();
            scanning = false;
            if (onConnected)
                onConnected();
            return;
        }
        if ((isDialogVisible && !isDialogVisible()) || !scanning) {
            // A hidden dialog does not move on (a failed identity check hides it).
            watchdog.stop();
            scanning = false;
            return;
        }
        if (main)
            main->CloseLink();
        CandidateFailed();
    });
}

void LConnectScan::Start()
{
    tmConnect.stop();
    watchdog.stop();
    connected = false;
    failed = false;
    scanning = true;
    candidate = 0;
    OpenCandidate();
}

void LConnectScan::OpenCandidate()
{
    if (candidate >= candidates.size()) {
        scanning = false;
        failed = true;
        if (onExhausted)
            onExhausted();
        return;
    }
    const Candidate &c = candidates[candidate];
    watchdog.start(c.watchdogMs);
    if (onAttempt)
        onAttempt(candidate);
    if (main)
        c.open(*main);
}

void LConnectScan::CandidateFailed()
{
    watchdog.stop();
    if (!scanning)
        return;
    ++candidate;
    OpenCandidate();
}

void LConnectScan::ConnectResult(bool ok)
{
    connected = ok;
    tmConnect.start();
}

void LConnectScan::Stop()
{
    connected = false;
    watchdog.stop();
    scanning = false;
}
