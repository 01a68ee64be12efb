#include "SimFrontEnd.h"

#include "FrameCollector.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
constexpr int64_t kWireBytesPerSecond = 11520; // 115200 baud, 10 bits a byte
}

SimFrontEnd::SimFrontEnd(uint8_t deviceId) : sim(deviceId), ctl(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

SimFrontEnd::~SimFrontEnd()
{
    if (ctl >= 0)
        close(ctl);
}

int64_t SimFrontEnd::NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SimFrontEnd::Start() { th = std::thread([this] { Run(); }); }

void SimFrontEnd::Stop()
{
    stopping.store(true);
    const uint64_t one = 1;
    if (write(ctl, &one, sizeof one) < 0) {
    }
    if (th.joinable())
        th.join();
}

std::vector<ByteVector> SimFrontEnd::Frames() const
{
    std::lock_guard<std::mutex> l(m);
    return frames;
}

std::vector<int64_t> SimFrontEnd::FrameTimesMs() const
{
    std::lock_guard<std::mutex> l(m);
    return times;
}

size_t SimFrontEnd::FrameCount() const
{
    std::lock_guard<std::mutex> l(m);
    return frames.size();
}

void SimFrontEnd::ClearFrames()
{
    std::lock_guard<std::mutex> l(m);
    frames.clear();
    times.clear();
}

bool SimFrontEnd::WaitForFrames(size_t n, int timeoutMs) const
{
    std::unique_lock<std::mutex> l(m);
    return cv.wait_for(l, std::chrono::milliseconds(timeoutMs), [&] { return frames.size() >= n; });
}

void SimFrontEnd::HangUp()
{
    // The serving thread closes the transport itself: a descriptor closed
    // under its poll would stay alive, and the other side would see nothing.
    hangUp.store(true);
    const uint64_t one = 1;
    if (write(ctl, &one, sizeof one) < 0) {
    }
    for (int i = 0; i < 2000 && hangUp.load(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void SimFrontEnd::SendRaw(const ByteVector &bytes)
{
    std::lock_guard<std::recursive_mutex> l(ioLock);
    WriteOut(bytes.data(), bytes.size());
}

int64_t SimFrontEnd::NowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool SimFrontEnd::PauseUntil(int64_t deadlineUs)
{
    for (;;) {
        const int64_t left = deadlineUs - NowUs();
        if (left <= 0 || stopping.load())
            return !stopping.load();
        Pause(left);
    }
}

bool SimFrontEnd::Pause(int64_t us)
{
    if (us <= 0)
        return !stopping.load();
    pollfd p{ctl, POLLIN, 0};
    const timespec ts{time_t(us / 1000000), long(us % 1000000) * 1000};
    ppoll(&p, 1, &ts, nullptr);
    return !stopping.load();
}

void SimFrontEnd::Received(const ByteVector &bytes)
{
    partial.insert(partial.end(), bytes.begin(), bytes.end());
    // The simulator's own framing: whole frames by LEN, junk skipped.
    FrameCollector collector(FrameCollector::kNoGap);
    ByteVector rest;
    std::vector<ByteVector> whole;
    collector.Feed(partial.data(), partial.size(), 0, [&](const ByteVector &f) { whole.push_back(f); });
    partial = collector.Partial();
    for (const ByteVector &f : whole)
        Answer(f);
}

void SimFrontEnd::Answer(const ByteVector &frame)
{
    // The request's wire time runs from its arrival: paced replies leave at
    // arrival + delay + the wire time of request and reply.
    const int64_t arrivedUs = NowUs();
    if (const int64_t last = lastReplyUs.exchange(0))
        hostTurnaroundUs.fetch_add(arrivedUs - last);
    std::vector<ByteVector> replies;
    {
        std::lock_guard<std::mutex> l(m);
        replies = sim.HandleFrame(frame);
        frames.push_back(frame);
        times.push_back(NowMs());
    }
    cv.notify_all();
    if (knobs.silent.load() || replies.empty() || int(frame[CommandFrame::kCodeByte]) == knobs.unansweredCode.load())
        return;
    if (knobs.dropReplies.load() > 0) {
        --knobs.dropReplies;
        return;
    }
    const int every = knobs.dropEvery.load();
    if (every > 0 && ++answered % every == 0)
        return;
    size_t replyBytes = 0;
    for (const ByteVector &r : replies)
        replyBytes += r.size();
    int64_t due = arrivedUs + int64_t(knobs.replyDelayMs.load()) * 1000;
    if (knobs.pace115200.load())
        due += int64_t(frame.size() + replyBytes) * 1000000 / kWireBytesPerSecond;
    if (!PauseUntil(due))
        return;
    for (ByteVector r : replies) {
        if (const int id = knobs.wrongId.load()) {
            r[CommandFrame::kReplyIdByte] = uint8_t(id);
            r.back() = CommandFrame::Check(r.data(), r.size() - 1);
        }
        ByteVector out;
        static const uint8_t kJunk[] = {0x55, 0x10, 0xAA, 0x03, 0x10};
        for (int i = 0; i < knobs.junkBytes.load(); ++i)
            out.push_back(kJunk[i % sizeof kJunk]);
        out.insert(out.end(), r.begin(), r.end());
        const size_t piece = knobs.splitBytes.load() > 0 ? size_t(knobs.splitBytes.load()) : out.size();
        for (size_t at = 0; at < out.size(); at += piece) {
            if (at && !Pause(int64_t(knobs.splitGapMs.load()) * 1000))
                return;
            std::lock_guard<std::recursive_mutex> l(ioLock);
            WriteOut(out.data() + at, std::min(piece, out.size() - at));
        }
    }
    const int64_t sentUs = NowUs();
    if (knobs.pace115200.load())
        pacingLateUs.fetch_add(sentUs - due);
    lastReplyUs.store(sentUs);
}

void SimFrontEnd::Run()
{
    // Paced replies are due to the microsecond: no timer slack on this thread.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    while (!stopping.load()) {
        std::vector<int> fds;
        {
            std::lock_guard<std::recursive_mutex> l(ioLock);
            fds = WatchFds();
        }
        std::vector<pollfd> p;
        p.push_back({ctl, POLLIN, 0});
        for (int fd : fds)
            p.push_back({fd, POLLIN, 0});
        const int r = poll(p.data(), p.size(), fds.empty() ? 50 : -1);
        if (r < 0 && errno != EINTR)
            break;
        if (p[0].revents) {
            uint64_t v;
            if (read(ctl, &v, sizeof v) < 0) {
            }
            if (stopping.load())
                break;
            if (hangUp.load()) {
                std::lock_guard<std::recursive_mutex> l(ioLock);
                CloseTransport();
                hangUp.store(false);
            }
            continue;
        }
        for (size_t i = 1; i < p.size(); ++i)
            if (p[i].revents) {
                bool ok;
                {
                    std::lock_guard<std::recursive_mutex> l(ioLock);
                    ok = Ready(p[i].fd);
                }
                if (!ok) {
                    std::lock_guard<std::recursive_mutex> l(ioLock);
                    CloseTransport();
                }
            }
    }
}
