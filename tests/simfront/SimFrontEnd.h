#pragma once
#include "SimProcessor.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Knobs of a simulator front end; each may be changed while it runs.
struct SimKnobs {
    std::atomic<int> replyDelayMs{0};  // wait before each reply
    std::atomic<int> dropReplies{0};   // the next this many replies are not sent
    std::atomic<int> dropEvery{0};     // non-zero: every this many-th reply is not sent
    std::atomic<int> unansweredCode{-1}; // frames of this command code are never answered
    std::atomic<bool> silent{false};   // no replies at all
    std::atomic<int> junkBytes{0};     // junk (0x55 0x10 0xAA ...) sent before each reply
    std::atomic<int> splitBytes{0};    // replies leave in pieces of this size (0: whole)
    std::atomic<int> splitGapMs{2};    // pause between the pieces
    std::atomic<int> wrongId{0};       // non-zero: replies carry this device ID
    std::atomic<bool> pace115200{false}; // request and reply take their wire time at 11520 bytes/s
};

// The simulated processor behind a transport, answering on a thread of its
// own. Frames received are kept with the time they arrived.
class SimFrontEnd {
public:
    virtual ~SimFrontEnd();

    SimKnobs knobs;

    // Frames received so far and their arrival times (ms of a steady clock).
    std::vector<ByteVector> Frames() const;
    std::vector<int64_t> FrameTimesMs() const;
    size_t FrameCount() const;
    void ClearFrames();
    // Waits until at least n frames were received; false on timeout.
    bool WaitForFrames(size_t n, int timeoutMs) const;
    // Runs f with the simulator under its lock.
    template <class F>
    auto WithSim(F f)
    {
        std::lock_guard<std::mutex> l(m);
        return f(sim);
    }
    // Drops the connection as a device that goes away would.
    void HangUp();
    // Sends raw bytes to the editor side at once.
    void SendRaw(const ByteVector &bytes);

    static int64_t NowMs();
    // Microseconds by which the paced replies were written later than their
    // wire time (the simulator's own turnaround: timer wake-ups, scheduling
    // and its writes).
    int64_t PacingLateUs() const { return pacingLateUs.load(); }
    // Microseconds from each reply written to the next frame's arrival: the
    // editor's side of the exchange, with the transport's transit both ways.
    int64_t HostTurnaroundUs() const { return hostTurnaroundUs.load(); }
    void ResetPacingLate()
    {
        pacingLateUs.store(0);
        hostTurnaroundUs.store(0);
        NewExchange();
    }
    // The next frame starts an exchange: the time since the last reply is not a turnaround.
    void NewExchange() { lastReplyUs.store(0); }

protected:
    explicit SimFrontEnd(uint8_t deviceId);
    // Starts the thread; the derived constructor calls it last.
    void Start();
    // Stops the thread; the derived destructor calls it first.
    void Stop();

    // Descriptors to watch for input, and what to do when one is ready; false
    // stops serving (the other side is gone).
    virtual std::vector<int> WatchFds() = 0;
    virtual bool Ready(int fd) = 0;
    // Writes one reply piece to the editor side.
    virtual void WriteOut(const uint8_t *p, size_t n) = 0;
    virtual void CloseTransport() = 0;
    // Whole frames handed to the simulator by the transport.
    void Received(const ByteVector &bytes);

    mutable std::recursive_mutex ioLock; // transport descriptors

private:
    void Run();
    void Answer(const ByteVector &frame);
    bool Pause(int64_t us);
    // Sleeps until the steady clock reaches the deadline (µs); false when stopping.
    bool PauseUntil(int64_t deadlineUs);
    static int64_t NowUs();

    SimProcessor sim;
    mutable std::mutex m;
    mutable std::condition_variable cv;
    std::vector<ByteVector> frames;
    std::vector<int64_t> times;
    ByteVector partial;
    int ctl = -1; // eventfd that wakes the thread to stop
    std::atomic<bool> stopping{false};
    std::atomic<bool> hangUp{false};
    std::thread th;
    int answered = 0; // replies due so far, for dropEvery
    std::atomic<int64_t> pacingLateUs{0};
    std::atomic<int64_t> hostTurnaroundUs{0};
    std::atomic<int64_t> lastReplyUs{0}; // when the last reply was written (0: none since the reset)
};

// The simulator behind a pseudo-terminal in raw mode; the link opens SlavePath().
class SimPty : public SimFrontEnd {
public:
    explicit SimPty(uint8_t deviceId = 1);
    ~SimPty() override;
    const std::string &SlavePath() const { return slavePath; }
    // The slave's termios as the simulator sees them.
    bool SlaveSettings(uint32_t &baud, int &byteSize, bool &parity, bool &twoStop);

protected:
    std::vector<int> WatchFds() override;
    bool Ready(int fd) override;
    void WriteOut(const uint8_t *p, size_t n) override;
    void CloseTransport() override;

private:
    int master = -1;
    int slave = -1; // kept open so the pair stays up between openers
    std::string slavePath;
};

// The simulator as a TCP server on 127.0.0.1 and a port of the system's choice
// (or `wantedPort`; Port() is 0 when it could not be had).
class SimTcp : public SimFrontEnd {
public:
    explicit SimTcp(uint8_t deviceId = 1, uint16_t wantedPort = 0);
    ~SimTcp() override;
    uint16_t Port() const { return port; }
    bool HasClient() const;

protected:
    std::vector<int> WatchFds() override;
    bool Ready(int fd) override;
    void WriteOut(const uint8_t *p, size_t n) override;
    void CloseTransport() override;

private:
    int listener = -1;
    int conn = -1;
    uint16_t port = 0;
};

// The simulator as a HID device: a SOCK_SEQPACKET pair whose packets are
// reports. Output reports arrive with their report ID 0 in front; input
// reports carry the frame zero-filled to 64 data bytes, with report ID 0 in
// front as the HID reader hands them on (WithReportId), or without it as
// hidraw delivers them for a descriptor that declares no report IDs (Hidraw).
class SimHid : public SimFrontEnd {
public:
    static constexpr size_t kReportData = 64;
    enum class InputReports { WithReportId, Hidraw };
    explicit SimHid(uint8_t deviceId = 1, InputReports inputReports = InputReports::WithReportId);
    ~SimHid() override;
    // The host's end: write output reports to it, read input reports from it.
    int HostFd() const { return host; }

protected:
    std::vector<int> WatchFds() override;
    bool Ready(int fd) override;
    void WriteOut(const uint8_t *p, size_t n) override;
    void CloseTransport() override;

private:
    int device = -1;
    int host = -1;
    InputReports inputReports;
};
