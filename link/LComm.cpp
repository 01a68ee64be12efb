#include "LComm.h"

#include "LinkOwner.h"
#include "TrafficLog.h"

LComm::LComm(LinkOwner &o) : LinkTransport(o, kSendBufferSize) {}

LComm::~LComm() { LComm::Close(); }

bool LComm::Open(int number, uint32_t baud, uint8_t byteSize, uint8_t parity, uint8_t stopBits)
{
    return OpenPort({}, number, baud, byteSize, parity, stopBits);
}

bool LComm::Open(const std::string &devicePath, uint32_t baud, uint8_t byteSize, uint8_t parity,
                 uint8_t stopBits)
{
    return OpenPort(devicePath, 0, baud, byteSize, parity, stopBits);
}

bool LComm::OpenPort(const std::string &path, int number, uint32_t baud, uint8_t byteSize, uint8_t parity,
                     uint8_t stopBits)
{
    if (IsOpen() || port.IsOpen()) {
        lastError = "the link is already open";
        return false;
    }
    if (path.empty() && (number < SerialPort::kFirstPort || number > SerialPort::kLastPort)) {
        lastError = "port number " + std::to_string(number) + " is outside 1 to 98";
        return false;
    }
    if (baud < kMinRate || baud > kMaxRate) {
        lastError = "the rate " + std::to_string(baud) + " baud is outside 1200 to 128000";
        return false;
    }
    {
        CriticalSectionLock l(lock);
        const bool opened = path.empty() ? port.Open(number) : port.Open(path);
        SerialPort::Settings s;
        s.baud = baud;
        s.byteSize = byteSize;
        s.parity = parity;
        s.stopBits = stopBits;
        if (!opened || !port.Configure(s)) {
            lastError = port.LastError();
            port.Close();
            return false;
        }
        port.Purge();
    }
    if (!StartWorker()) {
        lastError = "the link's worker cannot start";
        port.Close();
        return false;
    }
    lastError.clear();
    return true;
}

void LComm::Close()
{
    LinkTransport::Close();
    CriticalSectionLock l(lock);
    if (port.IsOpen()) {
        port.Purge();
        port.Close();
    }
}

bool LComm::GetPortSettings(SerialPort::Settings &s) const
{
    // Without the lock: the worker holds it while a reply is being handled.
    return port.IsOpen() && port.ReadSettings(s);
}

bool LComm::DrainReceived()
{
    uint8_t buf[256];
    for (;;) {
        const long n = port.Read(buf, sizeof buf);
        if (n < 0)
            return false;
        if (n == 0 || Stopping())
            return true;
        for (long i = 0; i < n && !Stopping(); ++i)
            OnByte(buf[i]);
    }
}

bool LComm::WriteOut(const uint8_t *p, size_t n) { return port.Write(p, n); }

void LComm::OnReplyTimeout()
{
    // Taken with a compare-exchange: the UI thread may grant more meanwhile.
    int uncounted = uncountedResends.load();
    while (uncounted > 0 && !uncountedResends.compare_exchange_weak(uncounted, uncounted - 1)) {
    }
    if (uncounted > 0) {
        RewritePending();
    } else if (resendCounter < resendCount.load()) {
        RewritePending();
        ++resendCounter;
    } else {
        resendCounter = 0;
        GiveUpPending();
    }
}

void LComm::LogSend(const uint8_t *p, size_t n)
{
    if (TrafficLogSink *log = owner.TrafficLog())
        log->AddTrafficLine(ComWriteLine(p, n));
}

uint32_t LComm::ReplyMessageId()
{
    SerialPort::Settings s;
    return port.ReadSettings(s) && s.baud != 115200 ? WM_LINK_REPLY_ALT : WM_LINK_REPLY;
}

void LComm::LogReply(const ByteVector &reply)
{
    if (TrafficLogSink *log = owner.TrafficLog())
        log->AddTrafficLine(ComReadLine(reply.data(), reply.size()));
}
