#pragma once
#include <cstdint>

// A monotonic high-resolution counter: QueryPerfCounter() ticks at
// QueryPerfFrequency() ticks per second and never goes back.
int64_t QueryPerfCounter();
int64_t QueryPerfFrequency();

// Whole milliseconds from start to now at the counter's frequency, computed in
// 64 bits and cut to the largest 32-bit unsigned value.
uint32_t PerfElapsedMs(int64_t start, int64_t frequency);
