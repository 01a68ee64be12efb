#pragma once
#include <cstddef>

// An unnamed auto-reset event: Set() signals it, a wait that returns it clears
// it again, so each Set() wakes at most one wait. Backed by an eventfd, so it can
// be waited on together with device descriptors.
class AutoResetEvent {
public:
    AutoResetEvent();
    ~AutoResetEvent();
    AutoResetEvent(const AutoResetEvent &) = delete;
    AutoResetEvent &operator=(const AutoResetEvent &) = delete;

    bool IsValid() const { return fd >= 0; }
    void Set();
    // Clears the event; true when it was signalled.
    bool TryReset();
    // Waits up to timeoutMs (negative: for ever); true when signalled (and cleared).
    bool Wait(int timeoutMs);
    int Fd() const { return fd; }

private:
    int fd = -1;
};

// One thing a wait can return: an auto-reset event, or a descriptor that is
// ready when it has input to read.
struct WaitItem {
    AutoResetEvent *event = nullptr;
    int fd = -1;
    static WaitItem Of(AutoResetEvent &e) { return {&e, -1}; }
    static WaitItem Input(int d) { return {nullptr, d}; }
};

constexpr int kWaitTimeout = -1;
constexpr int kWaitFailed = -2;
constexpr int kWaitInfinite = -1;

// Waits until one of the items is ready or timeoutMs passes (kWaitInfinite: no
// limit). Returns the index of the earliest ready item in list order (an event
// is cleared when returned), kWaitTimeout, or kWaitFailed when the wait itself
// fails or a descriptor reports hang-up or an error with nothing left to read.
int WaitForAny(const WaitItem *items, size_t count, int timeoutMs);
