#pragma once
#include <mutex>

// A critical section: one thread at a time, re-entrant for the thread that
// holds it.
class CriticalSection {
public:
    void Enter() { m.lock(); }
    void Leave() { m.unlock(); }

private:
    friend class CriticalSectionLock;
    std::recursive_mutex m;
};

// Holds a critical section for the life of the object.
class CriticalSectionLock {
public:
    explicit CriticalSectionLock(CriticalSection &cs) : l(cs.m) {}

private:
    std::lock_guard<std::recursive_mutex> l;
};
