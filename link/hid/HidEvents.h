#pragma once
// Event types of the HID controller and its devices. An event is a
// callback with an identity: copies of one assignment compare equal, two
// separate assignments never do, so the controller can tell whether a
// device still carries the handler it handed over.

#include <atomic>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>

template <typename Signature>
class THidEvent;

template <typename R, typename... Args>
class THidEvent<R(Args...)>
{
public:
    THidEvent() = default;
    THidEvent(std::nullptr_t) {}
    template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, THidEvent> &&
                                                      std::is_invocable_r_v<R, F &, Args...>>>
    THidEvent(F f) : fn_(std::move(f)), id_(fn_ ? NextId() : 0)
    {
    }

    explicit operator bool() const { return bool(fn_); }
    R operator()(Args... args) const { return fn_(std::forward<Args>(args)...); }
    bool operator==(const THidEvent &other) const { return id_ == other.id_; }
    bool operator!=(const THidEvent &other) const { return id_ != other.id_; }

private:
    static uint64_t NextId()
    {
        static std::atomic<uint64_t> next{1};
        return next++;
    }
    std::function<R(Args...)> fn_;
    uint64_t id_ = 0;
};

class THidDevice;
class THidDeviceController;

using THidPlugEvent = THidEvent<void(THidDevice *HidDev)>;
using THidEnumerateEvent = THidEvent<bool(THidDevice *HidDev, int32_t Idx)>;
// Data: the bytes after the report ID; Size: their count.
using THidDataEvent = THidEvent<void(THidDevice *HidDev, uint8_t ReportID, const uint8_t *Data, uint16_t Size)>;
// Error: the system's error number of the failed read.
using THidDataErrorEvent = THidEvent<void(THidDevice *HidDev, uint32_t Error)>;
using THidNotifyEvent = THidEvent<void(THidDeviceController *Sender)>;
using THidCheckCallback = bool (*)(THidDevice *HidDev);
