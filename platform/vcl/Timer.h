#pragma once
#include "Component.h"
#include "Events.h"

class QTimer;

// A UI-thread timer: while Enabled and Interval (milliseconds) is above 0 it
// calls OnTimer every Interval. Setting Enabled or Interval restarts the
// count. An exception thrown by OnTimer stops at the tick and is reported
// (HandlerGuard.h). A timer may be freed inside its own OnTimer. New timers are enabled with an interval of 1000.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent *AOwner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned Value);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    QTimer *timer_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
};
