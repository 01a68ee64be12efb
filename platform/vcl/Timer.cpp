#include "Timer.h"

#include "HandlerGuard.h"
#include "MonotonicClock.h"

#include <QTimer>

TTimer::TTimer(TComponent *AOwner) : TComponent(AOwner), timer_(new QTimer), clock_(&CurrentClock())
{
    QObject::connect(timer_, &QTimer::timeout, [this]() { Tick(); });
    UpdateTimer();
}

TTimer::~TTimer()
{
    Destroying();
    *alive_ = false;
    Stop();
    QObject::disconnect(timer_, nullptr, nullptr, nullptr);
    if (InsideHandler())
        timer_->deleteLater(); // its timeout may be the signal being delivered
    else
        delete timer_;
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}

void TTimer::Tick()
{
    GuardHandler("timer", Name(), [this] { Timer(); });
}

void TTimer::Stop()
{
    timer_->stop();
    if (alarm_ != 0) {
        if (ManualClock *manual = clock_->AsManual())
            manual->CancelAlarm(alarm_);
        alarm_ = 0;
    }
}

void TTimer::UpdateTimer()
{
    Stop();
    if (!enabled_ || interval_ == 0)
        return;
    ManualClock *manual = clock_->AsManual();
    if (!manual) {
        timer_->start(static_cast<int>(interval_));
        return;
    }
    // One alarm at a time; the next is armed after the tick unless the
    // handler freed, stopped or restarted the timer.
    std::weak_ptr<bool> alive = alive_;
    const int64_t due = manual->NowMs() + interval_;
    alarm_ = manual->AddAlarm(due, [this, alive] {
        alarm_ = 0;
        Tick();
        if (alive.expired() || !*alive.lock())
            return;
        if (alarm_ == 0 && enabled_ && interval_ > 0)
            UpdateTimer();
    });
}

void TTimer::SetEnabled(bool Value)
{
    if (Value == enabled_)
        return;
    enabled_ = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value)
{
    if (Value == interval_)
        return;
    interval_ = Value;
    UpdateTimer();
}

void TTimer::SetClock(MonotonicClock &Clock)
{
    Stop();
    clock_ = &Clock;
    UpdateTimer();
}
