#pragma once
#include <ctime>

// Milliseconds of processor time this thread has used: a time limit that
// holds on a loaded machine, where the wall clock also counts other work.
inline double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}
