#pragma once
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// One worker thread. The owner may wait for its end with a limit and must Join()
// before it goes away; the destructor joins a thread that is still there.
class SysThread {
public:
    SysThread() = default;
    ~SysThread();
    SysThread(const SysThread &) = delete;
    SysThread &operator=(const SysThread &) = delete;

    // Starts body on a new thread; false when a thread exists or cannot start.
    bool Start(std::function<void()> body);
    // True once the body has returned (or no thread was started).
    bool IsFinished() const;
    // Waits up to timeoutMs for the body to return; true when it has.
    bool WaitFinished(int timeoutMs);
    // Waits for the thread without limit and releases it.
    void Join();
    bool Joinable() const { return th.joinable(); }
    bool IsCurrent() const { return th.get_id() == std::this_thread::get_id(); }

private:
    std::thread th;
    mutable std::mutex m;
    std::condition_variable cv;
    bool finished = true;
};
