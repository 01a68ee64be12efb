#pragma once
#include "LCmd.h"
#include "SysEvent.h"

#include <deque>
#include <mutex>

// Received chunks handed from the UI thread to a link's worker: each Put is
// queued under a lock and signals the event, so no chunk ever overwrites
// another that the worker has not read yet.
class ReceivedChunks {
public:
    static constexpr size_t kMaxChunk = 128; // longer chunks are cut

    void Put(const uint8_t *p, size_t n);
    // Moves every queued chunk out, in order.
    std::deque<ByteVector> TakeAll();
    void Clear();
    AutoResetEvent &Event() { return event; }

private:
    std::mutex m;
    std::deque<ByteVector> chunks;
    AutoResetEvent event;
};
