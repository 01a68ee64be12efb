#include "SysThread.h"

#include <chrono>
#include <system_error>

SysThread::~SysThread() { Join(); }

bool SysThread::Start(std::function<void()> body)
{
    if (th.joinable())
        return false;
    {
        std::lock_guard<std::mutex> l(m);
        finished = false;
    }
    try {
        th = std::thread([this, body = std::move(body)] {
            body();
            std::lock_guard<std::mutex> l(m);
            finished = true;
            cv.notify_all();
        });
    } catch (const std::system_error &) {
        std::lock_guard<std::mutex> l(m);
        finished = true;
        return false;
    }
    return true;
}

bool SysThread::IsFinished() const
{
    std::lock_guard<std::mutex> l(m);
    return finished;
}

bool SysThread::WaitFinished(int timeoutMs)
{
    std::unique_lock<std::mutex> l(m);
    return cv.wait_for(l, std::chrono::milliseconds(timeoutMs), [this] { return finished; });
}

void SysThread::Join()
{
    if (!th.joinable())
        return;
    if (IsCurrent())
        th.detach(); // a thread cannot wait for itself; its body is ending anyway
    else
        th.join();
}
