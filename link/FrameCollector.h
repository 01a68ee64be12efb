#pragma once
#include "LCmd.h"

#include <cstdint>
#include <functional>
#include <limits>

// Assembles received bytes into CommandFrames. A frame starts at 0x10 0x02 and
// is complete at LEN + 8 bytes when 0x10 0x03 stand where LEN puts them; the
// check byte is not tested. A frame whose end bytes are elsewhere is given up
// and its bytes after the first are scanned again for the next 0x10 0x02, and a
// partial frame is dropped when its next byte comes more than the gap later.
class FrameCollector {
public:
    // The bytes of a frame belong together whatever the pause between them.
    static constexpr int64_t kNoGap = std::numeric_limits<int64_t>::max();
    using FrameHandler = std::function<void(const ByteVector &frame)>;

    explicit FrameCollector(int64_t gapMs) : gapMs(gapMs) {}

    // Feeds n bytes that arrived at nowMs (a monotonic clock); calls onFrame for
    // every frame they complete, in order.
    void Feed(const uint8_t *p, size_t n, int64_t nowMs, const FrameHandler &onFrame);
    void Reset() { bytes.clear(); }
    const ByteVector &Partial() const { return bytes; }

private:
    void Push(uint8_t b, const FrameHandler &onFrame);
    void Resync(const FrameHandler &onFrame);

    int64_t gapMs;
    int64_t lastMs = 0;
    ByteVector bytes;
};
