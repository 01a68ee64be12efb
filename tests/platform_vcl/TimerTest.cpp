#include "HandlerGuard.h"
#include "MonotonicClock.h"
#include "Timer.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Ticks of a timer on a manual clock, as the clock times they fell at.
struct ClockedTimer : ::testing::Test {
    ManualClock clock{1000};
    ScopedClock scope{clock};
    std::vector<int64_t> ticks;
    TTimer *Make(unsigned interval)
    {
        auto *t = new TTimer(nullptr);
        t->SetInterval(interval);
        t->OnTimer = [this](TObject *) { ticks.push_back(clock.NowMs()); };
        return t;
    }
};

TEST_F(ClockedTimer, TicksEveryIntervalWhileEnabledWithoutWaiting)
{
    std::unique_ptr<TTimer> t(Make(300));
    clock.Advance(1000);
    EXPECT_EQ(ticks, (std::vector<int64_t>{1300, 1600, 1900}));
    t->SetEnabled(false);
    clock.Advance(1000);
    EXPECT_EQ(ticks.size(), 3u);
    EXPECT_EQ(clock.PendingAlarms(), 0u);
}

TEST_F(ClockedTimer, SettingIntervalOrEnabledRestartsTheCount)
{
    std::unique_ptr<TTimer> t(Make(300));
    clock.Advance(200);
    t->SetInterval(500); // the count starts again at 1200
    clock.Advance(400);
    EXPECT_TRUE(ticks.empty());
    clock.Advance(100);
    EXPECT_EQ(ticks, (std::vector<int64_t>{1700}));
    t->SetEnabled(false);
    t->SetEnabled(true);
    clock.Advance(499);
    EXPECT_EQ(ticks.size(), 1u);
    t->SetInterval(0); // an interval of 0 never ticks
    clock.Advance(5000);
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(ClockedTimer, HandlerMayStopRetimeOrFreeItsTimer)
{
    TTimer *oneShot = Make(100);
    oneShot->OnTimer = [&](TObject *) {
        ticks.push_back(clock.NowMs());
        oneShot->SetEnabled(false);
    };
    TTimer *slower = Make(100);
    slower->OnTimer = [&](TObject *) {
        ticks.push_back(-clock.NowMs());
        slower->SetInterval(slower->Interval() * 2);
    };
    TTimer *freed = Make(150);
    freed->OnTimer = [&](TObject *) { delete freed; };
    clock.Advance(800);
    EXPECT_EQ(ticks, (std::vector<int64_t>{1100, -1100, -1300, -1700}));
    delete oneShot;
    delete slower;
    EXPECT_EQ(clock.PendingAlarms(), 0u);
}

TEST_F(ClockedTimer, ThrowingHandlerIsReportedAndTheTimerGoesOn)
{
    std::vector<QString> reports;
    SetExceptionReporter([&](const QString &m) { reports.push_back(m); });
    std::unique_ptr<TTimer> t(Make(10));
    t->SetName("tmThrow");
    t->OnTimer = [&](TObject *) {
        ticks.push_back(clock.NowMs());
        throw std::runtime_error("tick");
    };
    clock.Advance(20);
    SetExceptionReporter(nullptr);
    EXPECT_EQ(ticks.size(), 2u);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_TRUE(reports[0].contains("tmThrow failed: tick"));
}

TEST(Timer, SetClockMovesATimerOntoAnotherClock)
{
    ManualClock clock;
    TTimer t(nullptr); // made on the system clock
    int ticks = 0;
    t.OnTimer = [&](TObject *) { ++ticks; };
    t.SetInterval(50);
    t.SetClock(clock);
    clock.Advance(120);
    EXPECT_EQ(ticks, 2);
    t.SetClock(SystemClock());
    EXPECT_EQ(clock.PendingAlarms(), 0u);
}

} // namespace
