#include "PumpEvents.h"
#include "SysEvent.h"
#include "WindowMessage.h"

#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

struct Seen {
    WindowMessage m;
    std::vector<uint8_t> payload;
    bool onUiThread;
};

class RecordingWindow : public MessageWindow {
public:
    void Dispatch(const WindowMessage &m) override
    {
        Seen s{m, {}, QThread::currentThread() == thread()};
        if (m.msg == WM_LINK_REPLY)
            s.payload = *reinterpret_cast<const std::vector<uint8_t> *>(m.wParam);
        seen.push_back(s);
        if (onDispatch)
            onDispatch();
    }
    std::vector<Seen> seen;
    std::function<void()> onDispatch;
};

} // namespace

TEST(WindowMessage, PostFromAWorkerArrivesOnTheUiThread)
{
    RecordingWindow w;
    MessageSource src;
    std::thread t([&] { PostWindowMessage(&w, WM_LINK_ERROR, 6, 42, &src); });
    t.join();
    EXPECT_TRUE(w.seen.empty()); // nothing before the event loop runs
    ASSERT_TRUE(PumpUntil([&] { return !w.seen.empty(); }));
    EXPECT_EQ(w.seen[0].m.msg, WM_LINK_ERROR);
    EXPECT_EQ(w.seen[0].m.wParam, 6u);
    EXPECT_EQ(w.seen[0].m.lParam, 42);
    EXPECT_EQ(w.seen[0].m.sourceId, src.Id());
    EXPECT_TRUE(w.seen[0].onUiThread);
}

TEST(WindowMessage, PostsOfARetiredSourceAreDropped)
{
    RecordingWindow w;
    MessageSource closed, open;
    PostWindowMessage(&w, WM_LINK_ERROR, 0, 1, &closed);
    PostWindowMessage(&w, WM_LINK_ERROR, 0, 2, &open);
    closed.Retire();
    ASSERT_TRUE(PumpUntil([&] { return !w.seen.empty(); }));
    PumpFor(30);
    ASSERT_EQ(w.seen.size(), 1u);
    EXPECT_EQ(w.seen[0].m.lParam, 2);
}

TEST(WindowMessage, SendWaitsUntilHandledAndCarriesACopyOfThePayload)
{
    RecordingWindow w;
    AutoResetEvent stop;
    std::atomic<int> result{-1};
    std::thread t([&] {
        std::vector<uint8_t> bytes{0x10, 0x02, 0x01};
        result = int(SendWindowMessage(&w, WM_LINK_REPLY, bytes, 17, &stop));
    });
    PumpFor(50);
    ASSERT_TRUE(PumpUntil([&] { return result.load() >= 0; }));
    t.join();
    EXPECT_EQ(result.load(), int(SendResult::Handled));
    ASSERT_EQ(w.seen.size(), 1u);
    EXPECT_EQ(w.seen[0].payload, (std::vector<uint8_t>{0x10, 0x02, 0x01}));
    EXPECT_EQ(w.seen[0].m.lParam, 17);
}

TEST(WindowMessage, ASenderWakesOnItsStopEventAndTheMessageIsWithdrawn)
{
    RecordingWindow w;
    AutoResetEvent stop;
    std::atomic<int> result{-1};
    std::thread t([&] { result = int(SendWindowMessage(&w, WM_LINK_REPLY, {1, 2}, 0, &stop)); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30)); // the UI thread does not pump
    stop.Set();
    t.join();
    EXPECT_EQ(result.load(), int(SendResult::Stopped));
    PumpFor(30);
    EXPECT_TRUE(w.seen.empty());
}

TEST(WindowMessage, AHandlerThatThrowsReleasesItsSenderAndStaysInsideTheWindow)
{
    RecordingWindow w;
    w.onDispatch = [] { throw std::runtime_error("handler failed"); };
    AutoResetEvent stop;
    std::atomic<int> result{-1};
    std::thread t([&] { result = int(SendWindowMessage(&w, WM_LINK_REPLY, {1}, 0, &stop)); });
    ASSERT_TRUE(PumpUntil([&] { return result.load() >= 0; }));
    t.join();
    EXPECT_EQ(result.load(), int(SendResult::Handled));
    PostWindowMessage(&w, WM_LINK_ERROR, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return w.seen.size() == 2; }));
}

TEST(WindowMessage, SendOnTheWindowsOwnThreadDispatchesAtOnce)
{
    RecordingWindow w;
    EXPECT_EQ(SendWindowMessage(&w, WM_LINK_REPLY, {9}, 3, nullptr), SendResult::Handled);
    ASSERT_EQ(w.seen.size(), 1u);
    EXPECT_EQ(w.seen[0].payload, std::vector<uint8_t>{9});
}
