#include "MonotonicClock.h"

#include <gtest/gtest.h>
#include <string>

TEST(MonotonicClock, SystemClockNeverGoesBackAndIsCurrentByDefault)
{
    const int64_t a = NowMs();
    const int64_t b = SystemClock().NowMs();
    EXPECT_LE(a, b);
    EXPECT_EQ(&CurrentClock(), &SystemClock());
    EXPECT_EQ(SystemClock().AsManual(), nullptr);
}

TEST(MonotonicClock, ScopedClockInstallsAndRestoresNested)
{
    ManualClock outer(100), inner(5);
    {
        ScopedClock a(outer);
        EXPECT_EQ(NowMs(), 100);
        {
            ScopedClock b(inner);
            EXPECT_EQ(NowMs(), 5);
        }
        EXPECT_EQ(NowMs(), 100);
    }
    EXPECT_EQ(&CurrentClock(), &SystemClock());
}

TEST(MonotonicClock, AlarmsFireInDueOrderAtTheirOwnTime)
{
    ManualClock clock(1000);
    std::string log;
    clock.AddAlarm(1030, [&] { log += "c@" + std::to_string(clock.NowMs()) + " "; });
    clock.AddAlarm(1010, [&] { log += "a@" + std::to_string(clock.NowMs()) + " "; });
    clock.AddAlarm(1010, [&] { log += "b@" + std::to_string(clock.NowMs()) + " "; });
    const auto late = clock.AddAlarm(1020, [&] { log += "cancelled "; });
    clock.CancelAlarm(late);
    clock.Advance(25);
    EXPECT_EQ(log, "a@1010 b@1010 ");
    EXPECT_EQ(clock.NowMs(), 1025);
    clock.Advance(-5); // time never runs back
    EXPECT_EQ(clock.NowMs(), 1025);
    clock.Advance(5);
    EXPECT_EQ(log, "a@1010 b@1010 c@1030 ");
    EXPECT_EQ(clock.PendingAlarms(), 0u);
}

TEST(MonotonicClock, AlarmMayRearmItselfWithinOneAdvance)
{
    ManualClock clock;
    int fired = 0;
    std::function<void()> again = [&] {
        ++fired;
        clock.AddAlarm(clock.NowMs() + 10, again);
    };
    clock.AddAlarm(10, again);
    clock.Advance(35);
    EXPECT_EQ(fired, 3);
    EXPECT_EQ(clock.PendingAlarms(), 1u);
}
