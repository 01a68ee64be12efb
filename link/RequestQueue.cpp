#include "RequestQueue.h"

#include <algorithm>

namespace {

// How many payload bytes, from the first, name what a command sets.
size_t AddressBytes(uint8_t code)
{
    switch (code) {
    case 0x33: // PEQ: channel, band
    case 0x48: // GEQ: input, band
    case 0x41: // MIX: output, input
        return 2;
    case 0x15: // delay unit
    case 0x26: // preset name
    case 0x2F: // lock password
    case 0x39: // test-signal mode
        return 0;
    default:
        return 1; // the channel
    }
}

} // namespace

bool RequestQueue::SameTarget(const ByteVector &a, const ByteVector &b)
{
    const size_t codeAt = CommandFrame::kCodeByte;
    if (a.size() <= codeAt || b.size() <= codeAt || a[codeAt] != b[codeAt])
        return false;
    const size_t from = CommandFrame::kHeaderSize;
    const size_t to = from + AddressBytes(a[codeAt]);
    if (a.size() < to || b.size() < to)
        return a.size() == b.size() && std::equal(a.begin() + from, a.end(), b.begin() + from);
    return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
}

void RequestQueue::Push(const ByteVector &frame, bool append)
{
    if (!append && backIsTarget && SameTarget(frames.back(), frame)) {
        frames.back() = frame;
        return;
    }
    frames.push_back(frame);
    backIsTarget = !append;
}

bool RequestQueue::PopFront(ByteVector &frame)
{
    if (frames.empty())
        return false;
    frame = std::move(frames.front());
    frames.pop_front();
    if (frames.empty())
        backIsTarget = false;
    return true;
}

void RequestQueue::Clear()
{
    frames.clear();
    backIsTarget = false;
}
