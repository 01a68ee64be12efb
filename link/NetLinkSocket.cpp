#include "NetLinkSocket.h"

#include "LNet.h"
#include "TrafficLog.h"

NetLinkSocket::NetLinkSocket(ClientSocket &s) : socket(s)
{
    socket.OnRead = [this] { ClientSocketRead(); };
    socket.OnError = [this](ClientSocket::ErrorEvent e, int &code) { ClientSocketError(e, code); };
    socket.OnDisconnect = [this] { ClientSocketDisconnect(); };
}

LinkWriter NetLinkSocket::Writer()
{
    return [this](const uint8_t *p, size_t n) { return NetWrite(p, n); };
}

bool NetLinkSocket::NetWrite(const uint8_t *p, size_t n)
{
    {
        std::lock_guard<std::mutex> l(lastLock);
        const size_t keep = n < kLastFrameSize ? n : kLastFrameSize;
        std::copy(p, p + keep, lastNetFrame);
        lastNetFrameLength = uint8_t(keep);
    }
    const bool ok = socket.SendBuf(p, n);
    if (log && link)
        log->AddTrafficLine(NetWriteLine(p, n));
    return ok;
}

void NetLinkSocket::ClientSocketRead()
{
    uint8_t buf[kReadSize];
    const int n = socket.ReceiveBuf(buf, kReadSize);
    LNet *l = link.load();
    if (n > 0 && log && l)
        log->AddTrafficLine(NetReadLine(buf, size_t(n)));
    if (l) {
        if (n > 0)
            l->PutReceived(buf, size_t(n));
        return;
    }
    // Nobody to take the data: repeat the last frame, once, so that the
    // device's answer to the repeat does not start an endless exchange.
    uint8_t again[kLastFrameSize];
    size_t len;
    {
        std::lock_guard<std::mutex> l(lastLock);
        len = lastNetFrameLength;
        std::copy(lastNetFrame, lastNetFrame + len, again);
        lastNetFrameLength = 0;
    }
    if (len)
        socket.SendBuf(again, len);
}

void NetLinkSocket::ClientSocketError(ClientSocket::ErrorEvent, int &errorCode)
{
    errorCode = 0;
    if (LNet *l = link.load())
        l->ConnectionLost();
}

void NetLinkSocket::ClientSocketDisconnect()
{
    if (LNet *l = link.load())
        l->ConnectionLost();
}
