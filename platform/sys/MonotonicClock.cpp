#include "MonotonicClock.h"

#include <chrono>

namespace {

class SteadyClock : public MonotonicClock {
public:
    int64_t NowMs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

MonotonicClock *installed = nullptr;

} // namespace

MonotonicClock &SystemClock()
{
    static SteadyClock clock;
    return clock;
}

MonotonicClock &CurrentClock()
{
    return installed ? *installed : SystemClock();
}

ScopedClock::ScopedClock(MonotonicClock &Clock) : previous_(installed)
{
    installed = &Clock;
}

ScopedClock::~ScopedClock()
{
    installed = previous_;
}

void ManualClock::Advance(int64_t Ms)
{
    const int64_t target = now_ + (Ms > 0 ? Ms : 0);
    while (!alarms_.empty() && alarms_.begin()->first.first <= target) {
        auto first = alarms_.begin();
        if (first->first.first > now_)
            now_ = first->first.first;
        auto fire = std::move(first->second);
        alarms_.erase(first);
        fire();
    }
    now_ = target;
}

ManualClock::AlarmId ManualClock::AddAlarm(int64_t DueMs, std::function<void()> Fire)
{
    const AlarmId id = nextId_++;
    alarms_.emplace(std::make_pair(DueMs, id), std::move(Fire));
    return id;
}

void ManualClock::CancelAlarm(AlarmId Id)
{
    for (auto it = alarms_.begin(); it != alarms_.end(); ++it)
        if (it->first.second == Id) {
            alarms_.erase(it);
            return;
        }
}
