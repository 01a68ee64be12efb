#pragma once
#include "CriticalSection.h"
#include "LCmd.h"
#include "LinkErrorCode.h"
#include "SysEvent.h"
#include "SysThread.h"
#include "WindowMessage.h"

#include <atomic>
#include <cstdint>
#include <mutex>

class LinkOwner;

// The part that the serial, USB and network links share: a worker thread that
// waits on received input, a send request and a stop request with the reply
// timeout, writes the pending frame, rewrites it on timeouts by the transport's
// rule and reports failures as WM_LINK_ERROR. The transport classes supply the
// input, the write and the resend rule.
//
// Timeouts run only while a frame is outstanding: the frame is cleared when its
// reply is complete (ReplyComplete) or when it is given up after the resends.
class LinkTransport {
public:
    virtual ~LinkTransport();
    LinkTransport(const LinkTransport &) = delete;
    LinkTransport &operator=(const LinkTransport &) = delete;

    bool IsOpen() const { return open.load(); }
    // Stops the worker (waiting up to 5000 ms, then posting code 5 and waiting
    // on: no thread is ever left behind) and drops what is pending. Every message
    // the link posted that has not arrived yet is dropped, code 5 with them: it
    // comes from a link that is closed by the time it could be handled.
    virtual void Close();

    // Copies the frame into the send buffer and has the worker write it; only
    // while open. Frames over the send buffer's size are refused.
    virtual void SendBytes(const uint8_t *p, size_t n);
    virtual void SendFrame(const ByteVector &frame);
    virtual void NotifyError(int code, intptr_t argument);

    // The reply timeout, read by the worker at the start of every wait.
    virtual void SetTimeout(uint32_t ms) { replyTimeout.store(ms); }
    uint32_t GetTimeout() const { return replyTimeout.load(); }
    void SetRetryCount(int n) { resendCount.store(n); }
    int GetRetryCount() const { return resendCount.load(); }
    // True while a written frame waits for its reply.
    bool HasPending() const;
    // Identity of the link in the messages it sends.
    const MessageSource &Source() const { return source; }

protected:
    LinkTransport(LinkOwner &owner, size_t sendBufferSize);

    // Starts the worker; false when already open or the thread cannot start.
    bool StartWorker();
    // Input of the wait: the port, or the event of received chunks.
    virtual WaitItem ReceiveItem() = 0;
    // Worker, under the lock: hands the received bytes to OnByte; false when the
    // transport failed (the worker reports code 6 and ends).
    virtual bool DrainReceived() = 0;
    // Worker, under the lock: writes one frame; false ends the worker with
    // WriteFailureCode().
    virtual bool WriteOut(const uint8_t *p, size_t n) = 0;
    virtual int WriteFailureCode() const { return LinkErrorWaitFailed; }
    // Worker: the reply timeout passed while a frame is outstanding.
    virtual void OnReplyTimeout() = 0;
    // Worker: a new frame is about to be written from the send request.
    virtual void OnNewFrame() {}
    // Worker: a new frame is about to be written from the send request, or the
    // reply timeout passed: the reply to come starts afresh, so received bytes
    // that make no whole frame yet are stale.
    virtual void DropPartialReply() {}
    // One received byte; the base posts WM_LINK_BYTE.
    virtual void OnByte(uint8_t b);
    // A line for a frame put into the send buffer (serial only).
    virtual void LogSend(const uint8_t *, size_t) {}

    // Worker: writes the frame just put into the send buffer, as the send
    // request would, without waiting for the request (it is consumed).
    void WriteNewFrameNow();
    // For the resend rules, on the worker thread.
    void RewritePending();     // writes the outstanding frame again
    void GiveUpPending();      // drops it and reports code 0 with its device ID
    void ReplyComplete();      // a complete reply: nothing outstanding any more
    uint8_t PendingByte(size_t i) const;
    void RequestStop() { stopping.store(true); }
    bool Stopping() const { return stopping.load(); }

    LinkOwner &owner;
    CriticalSection lock; // held by the worker while it writes and collects
    AutoResetEvent stopEvent;
    AutoResetEvent sendEvent;
    std::atomic<uint32_t> replyTimeout{800};
    std::atomic<int> resendCount{2};
    int resendCounter = 0; // worker only

private:
    void ThreadProc();
    bool WritePending();

    MessageSource source;
    SysThread worker;
    std::atomic<bool> open{false};
    std::atomic<bool> stopping{false};

    mutable std::mutex bufLock; // the send buffer is filled by one thread, written by another
    ByteVector sendBuf;
    size_t sendCapacity;
    bool pending = false;
};
