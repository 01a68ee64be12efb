#pragma once
#include <functional>
#include <utility>

// A window made the first time anything asks for it. It reads as the window's
// pointer, so every caller finds the window as if it had been made at start;
// Made() asks without making it.
template <class T>
class OnFirstUse {
public:
    explicit OnFirstUse(std::function<T *()> Make) : make_(std::move(Make)) {}
    OnFirstUse(const OnFirstUse &) = delete;
    OnFirstUse &operator=(const OnFirstUse &) = delete;

    T *Get()
    {
        if (!made_)
            made_ = make_();
        return made_;
    }
    T *operator->() { return Get(); }
    operator T *() { return Get(); }
    bool Made() const { return made_ != nullptr; }

private:
    std::function<T *()> make_;
    T *made_ = nullptr;
};
