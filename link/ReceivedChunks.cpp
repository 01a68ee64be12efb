#include "ReceivedChunks.h"

void ReceivedChunks::Put(const uint8_t *p, size_t n)
{
    if (n == 0)
        return;
    {
        std::lock_guard<std::mutex> l(m);
        chunks.emplace_back(p, p + (n < kMaxChunk ? n : kMaxChunk));
    }
    event.Set();
}

std::deque<ByteVector> ReceivedChunks::TakeAll()
{
    std::lock_guard<std::mutex> l(m);
    std::deque<ByteVector> out;
    out.swap(chunks);
    return out;
}

void ReceivedChunks::Clear()
{
    std::lock_guard<std::mutex> l(m);
    chunks.clear();
    event.TryReset();
}
