#include "PerfCounter.h"
#include "SysEvent.h"
#include "SysThread.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {
int64_t Ms()
{
    return QueryPerfCounter() / 1000000;
}
} // namespace

TEST(AutoResetEvent, OneSetWakesOneWait)
{
    AutoResetEvent e;
    ASSERT_TRUE(e.IsValid());
    EXPECT_FALSE(e.Wait(0));
    e.Set();
    e.Set(); // signalled twice is still one signal
    EXPECT_TRUE(e.Wait(0));
    EXPECT_FALSE(e.Wait(0));
}

TEST(WaitForAny, EarliestReadyItemInListOrderWins)
{
    AutoResetEvent a, b, c;
    b.Set();
    c.Set();
    WaitItem items[3] = {WaitItem::Of(a), WaitItem::Of(b), WaitItem::Of(c)};
    EXPECT_EQ(WaitForAny(items, 3, 0), 1);
    EXPECT_EQ(WaitForAny(items, 3, 0), 2); // b was cleared by the first wait
    EXPECT_EQ(WaitForAny(items, 3, 0), kWaitTimeout);
}

TEST(WaitForAny, TimesOutNotEarlier)
{
    AutoResetEvent a;
    WaitItem item = WaitItem::Of(a);
    const int64_t t0 = Ms();
    EXPECT_EQ(WaitForAny(&item, 1, 120), kWaitTimeout);
    const int64_t took = Ms() - t0;
    EXPECT_GE(took, 120);
    EXPECT_LT(took, 2000);
}

TEST(WaitForAny, WakesOnASetFromAnotherThread)
{
    AutoResetEvent stop, other;
    std::thread t([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop.Set();
    });
    WaitItem items[2] = {WaitItem::Of(other), WaitItem::Of(stop)};
    EXPECT_EQ(WaitForAny(items, 2, 10000), 1);
    t.join();
}

TEST(WaitForAny, DescriptorInputAndHangUp)
{
    int p[2];
    ASSERT_EQ(pipe(p), 0);
    AutoResetEvent e;
    WaitItem items[2] = {WaitItem::Input(p[0]), WaitItem::Of(e)};
    EXPECT_EQ(WaitForAny(items, 2, 0), kWaitTimeout);
    ASSERT_EQ(write(p[1], "x", 1), 1);
    EXPECT_EQ(WaitForAny(items, 2, 0), 0);
    char c;
    ASSERT_EQ(read(p[0], &c, 1), 1);
    close(p[1]); // the writer is gone: the wait fails instead of spinning
    EXPECT_EQ(WaitForAny(items, 2, 1000), kWaitFailed);
    close(p[0]);
}

TEST(SysThread, WaitFinishedWithLimitThenJoin)
{
    SysThread t;
    AutoResetEvent go;
    ASSERT_TRUE(t.Start([&] { go.Wait(5000); }));
    EXPECT_FALSE(t.Start([] {})); // one thread at a time
    EXPECT_FALSE(t.WaitFinished(30));
    go.Set();
    EXPECT_TRUE(t.WaitFinished(5000));
    t.Join();
    EXPECT_FALSE(t.Joinable());
}

TEST(PerfCounter, MonotonicAndElapsedInWholeMilliseconds)
{
    const int64_t f = QueryPerfFrequency();
    const int64_t a = QueryPerfCounter();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_GE(QueryPerfCounter(), a);
    const uint32_t ms = PerfElapsedMs(a, f);
    EXPECT_GE(ms, 30u);
    EXPECT_LT(ms, 3000u);
    // A start far in the past is cut to the largest 32-bit value.
    EXPECT_EQ(PerfElapsedMs(QueryPerfCounter() - f * int64_t(6000000), f), UINT32_MAX);
}
