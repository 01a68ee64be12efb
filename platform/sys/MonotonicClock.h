#pragma once
#include <cstdint>
#include <functional>
#include <map>

// The program's one monotonic clock, in milliseconds from an arbitrary start.
// Everything that measures time (timers, blink phases, timeouts of the user
// interface) reads CurrentClock(). Tests install a ManualClock in its place
// and move time on by hand, so that nothing has to wait.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual int64_t NowMs() const = 0;
    // A clock that fires its alarms itself when time is moved on; none for the
    // real clock, whose timers are driven by the event loop.
    virtual class ManualClock *AsManual() { return nullptr; }
};

// A clock that stands still until Advance moves it. Alarms registered with it
// fire during Advance, in order of their due times (ties in order of
// registration), each when the clock has reached its due time.
class ManualClock : public MonotonicClock {
public:
    using AlarmId = uint64_t;

    explicit ManualClock(int64_t StartMs = 0) : now_(StartMs) {}
    int64_t NowMs() const override { return now_; }
    ManualClock *AsManual() override { return this; }

    // Moves time on by Ms (negative values count as 0), firing due alarms. An
    // alarm may add or cancel alarms, including itself.
    void Advance(int64_t Ms);
    AlarmId AddAlarm(int64_t DueMs, std::function<void()> Fire);
    void CancelAlarm(AlarmId Id);
    size_t PendingAlarms() const { return alarms_.size(); }

private:
    int64_t now_;
    AlarmId nextId_ = 1;
    // Keyed by (due time, id): the first entry is the next to fire.
    std::map<std::pair<int64_t, AlarmId>, std::function<void()>> alarms_;
};

// The steady clock of the system.
MonotonicClock &SystemClock();
// The clock in use: the system clock unless a test installed another.
MonotonicClock &CurrentClock();
inline int64_t NowMs() { return CurrentClock().NowMs(); }

// Installs a clock for the scope's lifetime (tests), restoring the previous one.
class ScopedClock {
public:
    explicit ScopedClock(MonotonicClock &Clock);
    ~ScopedClock();
    ScopedClock(const ScopedClock &) = delete;
    ScopedClock &operator=(const ScopedClock &) = delete;

private:
    MonotonicClock *previous_;
};
