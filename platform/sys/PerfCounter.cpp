#include "PerfCounter.h"

#include <chrono>

int64_t QueryPerfCounter()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int64_t QueryPerfFrequency() { return 1000000000; }

uint32_t PerfElapsedMs(int64_t start, int64_t frequency)
{
    if (frequency <= 0)
        return 0;
    const int64_t ticks = QueryPerfCounter() - start;
    if (ticks <= 0)
        return 0;
    // Split to stay inside 64 bits for any span.
    const int64_t ms = ticks / frequency * 1000 + ticks % frequency * 1000 / frequency;
    return ms > int64_t(UINT32_MAX) ? UINT32_MAX : uint32_t(ms);
}
