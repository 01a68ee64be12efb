#include "Timer.h"

#include "HandlerGuard.h"

#include <QTimer>

TTimer::TTimer(TComponent *AOwner) : TComponent(AOwner), timer_(new QTimer)
{
    QObject::connect(timer_, &QTimer::timeout, [this]() { GuardHandler("timer", Name(), [this] { Timer(); }); });
    UpdateTimer();
}

TTimer::~TTimer()
{
    Destroying();
    timer_->stop();
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

void TTimer::UpdateTimer()
{
    timer_->stop();
    if (enabled_ && interval_ > 0)
        timer_->start(static_cast<int>(interval_));
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
