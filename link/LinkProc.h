#pragma once
#include "CM_MCS_CMD.h"
#include "FrameCollector.h"
#include "LinkOwner.h"
#include "PerfCounter.h"
#include "RequestQueue.h"

#include <QThread>
#include <QTimer>
#include <memory>
#include <mutex>

// The request queue on top of a link transport (LComm, LUsb or LNet): at most
// one frame outstanding, later frames queued and merged (RequestQueue), the
// received bytes collected into frames (FrameCollector, with the transport's
// gap; a partial frame is also dropped when a new frame goes out and when the
// reply timeout passes), each complete reply sent to the main window as
// WM_LINK_REPLY with its round-trip time, and a poll frame when the link has
// been idle for the poll interval.
//
// Threads: construction, Open, Close, QueueFrame, the setters and the poll
// timer on the UI thread; the collector, FrameReceived and SendNext on the
// worker. The worker waiting in WM_LINK_REPLY also wakes on the stop request,
// so Close never waits on the UI thread.
template <class Transport>
class LinkProc : public Transport {
public:
    static constexpr int kPollIntervalMs = 2000;

    template <class... Args>
    explicit LinkProc(LinkOwner &o, Args &&...args)
        : Transport(o, std::forward<Args>(args)...), deviceId(o.GetDeviceId())
    {
    }
    ~LinkProc() override { Close(); }

    // Stops polling, empties the queue and closes the transport. Busy stays as it was.
    void Close() override
    {
        pollTimer.reset();
        {
            std::lock_guard<std::mutex> l(queueLock);
            queue.Clear();
        }
        Transport::Close();
    }

    // The entry for every outgoing frame. Idle: written at once and the link
    // becomes busy; busy: queued by the RequestQueue rule. Nothing while closed.
    void QueueFrame(const ByteVector &frame, bool append)
    {
        if (!this->IsOpen())
            return;
        RestartPollTimer();
        std::lock_guard<std::mutex> l(queueLock);
        if (!busy) {
            busy = true;
            replyStart = QueryPerfCounter();
            counterFrequency = QueryPerfFrequency();
            Transport::SendFrame(frame);
        } else {
            queue.Push(frame, append);
        }
    }
    // Without the append flag, as QueueFrame.
    void SendBytes(const uint8_t *p, size_t n) override { QueueFrame(ByteVector(p, p + n), false); }
    void SendFrame(const ByteVector &frame) override { QueueFrame(frame, false); }

    void SetPollingSuspended(bool flag) { pollingSuspended.store(flag); }
    bool IsPollingSuspended() const { return pollingSuspended.load(); }
    void SetDeviceId(int id) { deviceId.store(id); }
    int GetDeviceId() const { return deviceId.load(); }
    bool IsBusy() const
    {
        std::lock_guard<std::mutex> l(queueLock);
        return busy;
    }
    size_t QueuedCount() const
    {
        std::lock_guard<std::mutex> l(queueLock);
        return queue.Size();
    }
    // While a reply is being handled: the frames after the one it answers,
    // queued or already on the wire. 0 means that it answers the last frame
    // queued so far.
    size_t FramesBehind() const
    {
        std::lock_guard<std::mutex> l(queueLock);
        return queue.Size() + (wroteAhead ? 1 : 0);
    }

    // The poll timer's handler: when idle, nothing queued and polling allowed,
    // sets the transport's poll reply timeout and queues the poll frame.
    void PollTimer()
    {
        {
            std::lock_guard<std::mutex> l(queueLock);
            if (busy || !queue.Empty() || pollingSuspended.load())
                return;
        }
        this->SetTimeout(Transport::kPollTimeoutMs);
        QueueFrame(LCmd(uint8_t(deviceId.load()), CMD_POLL).ToBytes(1), false);
    }

protected:
    // Creates the poll timer (even when the transport then fails to open).
    void StartPollTimer()
    {
        pollTimer = std::make_unique<QTimer>();
        pollTimer->setTimerType(Qt::PreciseTimer);
        pollTimer->setInterval(kPollIntervalMs);
        QObject::connect(pollTimer.get(), &QTimer::timeout, [this] { PollTimer(); });
        pollTimer->start();
    }

    void OnByte(uint8_t b) override
    {
        const int64_t nowMs = QueryPerfCounter() / (QueryPerfFrequency() / 1000);
        collector.Feed(&b, 1, nowMs, [this](const ByteVector &f) { FrameReceived(f); });
    }

    void DropPartialReply() override { collector.Reset(); }

    // Worker, under the lock: a complete reply. A frame already queued goes
    // out before the reply is handed to the main window, so that the device
    // works on it while the UI thread handles the reply; still only one frame
    // is ever outstanding.
    void FrameReceived(const ByteVector &reply)
    {
        this->ReplyComplete();
        uint32_t ms;
        {
            // A reply that comes while idle races with QueueFrame restarting the clock.
            std::lock_guard<std::mutex> l(queueLock);
            ms = PerfElapsedMs(replyStart, counterFrequency);
        }
        this->LogReply(reply);
        const bool ahead = SendNext(false);
        if (ahead)
            this->WriteNewFrameNow();
        const SendResult r = SendWindowMessage(this->owner.LinkWindow(), this->ReplyMessageId(), reply,
                                               intptr_t(ms), &this->stopEvent, &this->Source());
        {
            std::lock_guard<std::mutex> l(queueLock);
            wroteAhead = false;
        }
        if (r == SendResult::Stopped) {
            this->RequestStop();
            return;
        }
        // What the reply's handler queued, when nothing went out ahead.
        if (!ahead)
            SendNext(true);
    }

    // Worker: puts the front of the queue into the send buffer (true), or,
    // with an empty queue and mayGoIdle, makes the link idle.
    bool SendNext(bool mayGoIdle)
    {
        std::lock_guard<std::mutex> l(queueLock);
        ByteVector next;
        if (!queue.PopFront(next)) {
            if (mayGoIdle)
                busy = false;
            return false;
        }
        wroteAhead = !mayGoIdle;
        replyStart = QueryPerfCounter();
        counterFrequency = QueryPerfFrequency();
        Transport::SendFrame(next);
        return true;
    }

private:
    void RestartPollTimer()
    {
        if (!pollTimer)
            return;
        if (pollTimer->thread() == QThread::currentThread())
            pollTimer->start();
        else
            QMetaObject::invokeMethod(pollTimer.get(), [t = pollTimer.get()] { t->start(); }, Qt::QueuedConnection);
    }

    std::atomic<bool> pollingSuspended{false};
    std::atomic<int> deviceId;
    mutable std::mutex queueLock;
    bool busy = false;
    bool wroteAhead = false; // a frame went out while the reply before it is being handled
    RequestQueue queue;
    FrameCollector collector{Transport::kFrameGapMs};
    std::unique_ptr<QTimer> pollTimer;
    int64_t replyStart = 0;
    int64_t counterFrequency = 1;
};
