#pragma once
#include "Component.h"
#include "Events.h"

#include <memory>

class QTimer;
class MonotonicClock;

// A UI-thread timer: while Enabled and Interval (milliseconds) is above 0 it
// calls OnTimer every Interval. Setting Enabled or Interval restarts the
// count. An exception thrown by OnTimer stops at the tick and is reported
// (HandlerGuard.h). A timer may be freed inside its own OnTimer. New timers are enabled with an interval of 1000.
//
// The timer runs on the clock that is current when it is made (or the one
// given to SetClock): on the system clock the event loop drives it; on a
// ManualClock it ticks while the test advances that clock, without waiting.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent *AOwner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned Value);
    // The clock must outlive the timer or be replaced before it goes.
    void SetClock(MonotonicClock &Clock);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void Stop();
    void Tick();
    QTimer *timer_;
    MonotonicClock *clock_;
    uint64_t alarm_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool enabled_ = true;
    unsigned interval_ = 1000;
};
