#include "LinkTransport.h"

#include "LinkErrorCode.h"
#include "LinkOwner.h"

namespace {
constexpr int kCloseWaitMs = 5000;
}

LinkTransport::LinkTransport(LinkOwner &o, size_t sendBufferSize) : owner(o), sendCapacity(sendBufferSize)
{
    sendBuf.reserve(sendBufferSize);
}

LinkTransport::~LinkTransport()
{
    // The derived class has closed already; this only keeps a thread from outliving us.
    worker.Join();
}

bool LinkTransport::StartWorker()
{
    if (open.load() || worker.Joinable())
        return false;
    if (!stopEvent.IsValid() || !sendEvent.IsValid())
        return false;
    stopEvent.TryReset();
    sendEvent.TryReset();
    stopping.store(false);
    source = MessageSource();
    {
        std::lock_guard<std::mutex> l(bufLock);
        sendBuf.clear();
        pending = false;
    }
    resendCounter = 0;
    open.store(true);
    if (!worker.Start([this] { ThreadProc(); })) {
        open.store(false);
        return false;
    }
    return true;
}

void LinkTransport::Close()
{
    source.Retire();
    if (worker.Joinable()) {
        stopping.store(true);
        stopEvent.Set();
        if (!worker.WaitFinished(kCloseWaitMs))
            NotifyError(LinkErrorStopTimeout, 0);
        worker.Join();
    }
    open.store(false);
    std::lock_guard<std::mutex> l(bufLock);
    pending = false;
}

void LinkTransport::SendBytes(const uint8_t *p, size_t n)
{
    if (!open.load() || n == 0 || n > sendCapacity)
        return;
    {
        std::lock_guard<std::mutex> l(bufLock);
        sendBuf.assign(p, p + n);
        pending = true;
    }
    LogSend(p, n);
    sendEvent.Set();
}

void LinkTransport::SendFrame(const ByteVector &frame) { LinkTransport::SendBytes(frame.data(), frame.size()); }

void LinkTransport::NotifyError(int code, intptr_t argument)
{
    PostWindowMessage(owner.LinkWindow(), WM_LINK_ERROR, uintptr_t(code), argument, &source);
}

void LinkTransport::OnByte(uint8_t b) { PostWindowMessage(owner.LinkWindow(), WM_LINK_BYTE, b, 0, &source); }

bool LinkTransport::HasPending() const
{
    std::lock_guard<std::mutex> l(bufLock);
    return pending;
}

uint8_t LinkTransport::PendingByte(size_t i) const
{
    std::lock_guard<std::mutex> l(bufLock);
    return i < sendBuf.size() ? sendBuf[i] : 0;
}

bool LinkTransport::WritePending()
{
    ByteVector copy;
    {
        std::lock_guard<std::mutex> l(bufLock);
        if (!pending)
            return true; // a dropped or answered frame is never written again
        copy = sendBuf;
    }
    CriticalSectionLock l(lock);
    return WriteOut(copy.data(), copy.size());
}

void LinkTransport::WriteNewFrameNow()
{
    sendEvent.TryReset();
    resendCounter = 0;
    OnNewFrame();
    RewritePending();
}

void LinkTransport::RewritePending()
{
    if (!WritePending()) {
        NotifyError(WriteFailureCode(), PendingByte(CommandFrame::kSentIdByte));
        RequestStop();
    }
}

void LinkTransport::GiveUpPending()
{
    uint8_t id;
    {
        std::lock_guard<std::mutex> l(bufLock);
        id = sendBuf.size() > CommandFrame::kSentIdByte ? sendBuf[CommandFrame::kSentIdByte] : 0;
        pending = false;
        if (!sendBuf.empty())
            sendBuf[0] = 0;
    }
    NotifyError(LinkErrorNoReply, id);
}

void LinkTransport::ReplyComplete()
{
    std::lock_guard<std::mutex> l(bufLock);
    pending = false;
}

void LinkTransport::ThreadProc()
{
    while (!stopping.load()) {
        const int timeout = HasPending() ? int(replyTimeout.load()) : kWaitInfinite;
        const WaitItem items[3] = {ReceiveItem(), WaitItem::Of(sendEvent), WaitItem::Of(stopEvent)};
        const int r = WaitForAny(items, 3, timeout);
        if (r == 0) {
            bool ok;
            {
                CriticalSectionLock l(lock);
                ok = DrainReceived();
            }
            if (!ok && !stopping.load()) {
                NotifyError(LinkErrorWaitFailed, PendingByte(CommandFrame::kSentIdByte));
                break;
            }
        } else if (r == 1) {
            DropPartialReply();
            WriteNewFrameNow();
        } else if (r == 2) {
            break;
        } else if (r == kWaitTimeout) {
            DropPartialReply();
            OnReplyTimeout();
        } else {
            if (!stopping.load())
                NotifyError(LinkErrorWaitFailed, PendingByte(CommandFrame::kSentIdByte));
            break;
        }
    }
    open.store(false);
}
