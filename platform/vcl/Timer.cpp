#include "Timer.h"

#include <QTimer>
#include <QtDebug>
#include <exception>

TTimer::TTimer(TComponent *AOwner) : TComponent(AOwner), timer_(new QTimer)
{
    QObject::connect(timer_, &QTimer::timeout, [this]() {
        try {
            Timer();
        } catch (const std::exception &e) {
            qWarning("timer %s: %s", qPrintable(Name()), e.what());
        } catch (...) {
            qWarning("timer %s: handler failed", qPrintable(Name()));
        }
    });
    UpdateTimer();
}

TTimer::~TTimer()
{
    Destroying();
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
