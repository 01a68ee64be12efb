#pragma once
#include <cstdint>
#include <memory>
#include <vector>

class TTimer;

// What the repaint scheduler needs of a control whose repaints are limited to
// a frame rate. Times are of the monotonic clock, in milliseconds.
class IUpdateControl {
public:
    virtual bool GetUpdateActive() const = 0;  // inside an update bracket
    virtual bool GetNeedsRepaint() const = 0;  // a repaint is pending
    virtual int GetUpdateFrameRate() const = 0;
    virtual std::int64_t GetLastUpdate() const = 0;
    virtual void DoInvalidate() = 0;

protected:
    ~IUpdateControl() = default;
};

// True when a frame interval of Rate repaints per second has passed between
// Last and Now; a rate of 0 or less sets no limit.
inline bool FrameIntervalPassed(std::int64_t Last, int Rate, std::int64_t Now)
{
    return Rate <= 0 || (Now - Last) * Rate >= 1000;
}

// Milliseconds from Now until FrameIntervalPassed turns true (0 when it is).
inline std::int64_t MsUntilFrameInterval(std::int64_t Last, int Rate, std::int64_t Now)
{
    if (FrameIntervalPassed(Last, Rate, Now))
        return 0;
    return (1000 + Rate - 1) / Rate - (Now - Last);
}

// The program's one repaint scheduler: a one-second tick that completes the
// repaints a control's frame-rate limit held back and that nothing else
// completed. Controls register for their lifetime; the tick runs only while
// some are registered, on the clock current when the first one registered.
class TgUpdateObject {
public:
    TgUpdateObject();
    ~TgUpdateObject();
    TgUpdateObject(const TgUpdateObject &) = delete;
    TgUpdateObject &operator=(const TgUpdateObject &) = delete;

    void AddUpdateControl(IUpdateControl *Control);
    void RemoveUpdateControl(IUpdateControl *Control);
    bool TimerEnabled() const { return timer_ != nullptr; }
    int Count() const { return static_cast<int>(controls_.size()); }

    // Repaints every registered control that is outside an update bracket,
    // has a repaint pending and whose frame interval has passed. Controls
    // made or freed by a repaint do not disturb the walk.
    void UpdateTimerTick();

private:
    std::vector<IUpdateControl *> controls_;
    std::unique_ptr<TTimer> timer_;
};

TgUpdateObject &UpdateObject();
