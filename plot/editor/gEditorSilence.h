#pragma once
#include "Events.h"

#include <initializer_list>
#include <utility>
#include <vector>

// For the scope of a silent change of an editor control: the given change
// events are detached and the control's blocking flag is set; both are put
// back on every exit, also when the change raises.
class TgEditorSilence {
public:
    TgEditorSilence(bool &Blocking, std::initializer_list<TNotifyEvent *> Events) : blocking_(Blocking)
    {
        blocking_ = true;
        for (TNotifyEvent *e : Events)
            saved_.emplace_back(e, std::exchange(*e, nullptr));
    }
    ~TgEditorSilence()
    {
        for (auto &[event, handler] : saved_)
            *event = std::move(handler);
        blocking_ = false;
    }
    TgEditorSilence(const TgEditorSilence &) = delete;
    TgEditorSilence &operator=(const TgEditorSilence &) = delete;

private:
    bool &blocking_;
    std::vector<std::pair<TNotifyEvent *, TNotifyEvent>> saved_;
};
