#pragma once
#include "FrameCollector.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// A loopback TCP proxy between the network link and the simulator that cuts
// every reply frame into pieces and sends them apart in time, as a lost and
// retransmitted segment splits a reply on a real network. Requests pass at
// once. One client at a time; each is connected on to the device's port.
class SplitProxy {
public:
    struct Split {
        std::vector<size_t> cuts; // offsets in a reply where the next piece starts, rising
        int pauseMs = 0;          // before each piece after the first
        size_t keep = SIZE_MAX;   // bytes of each reply that ever arrive; the rest is lost
    };

    SplitProxy(uint16_t devicePort, Split split);
    ~SplitProxy();
    SplitProxy(const SplitProxy &) = delete;
    SplitProxy &operator=(const SplitProxy &) = delete;

    // The port to connect to on 127.0.0.1 (0 when none could be had).
    uint16_t Port() const { return port; }
    void SetSplit(const Split &s);

private:
    struct Piece {
        int64_t dueUs;
        ByteVector bytes;
    };

    void Run();
    void Accept();
    bool FromClient();
    bool FromDevice();
    void SendDuePieces();
    void DropClient();
    static int64_t NowUs();

    uint16_t devicePort;
    uint16_t port = 0;
    int listener = -1;
    int client = -1;
    int device = -1;
    int ctl = -1; // eventfd that wakes the thread to stop
    std::atomic<bool> stopping{false};
    std::mutex m; // split
    Split split;
    FrameCollector frames{FrameCollector::kNoGap}; // the device's bytes, cut into replies
    std::deque<Piece> pending; // pieces on their way to the client, in order
    std::thread th;
};
