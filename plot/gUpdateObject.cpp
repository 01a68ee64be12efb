#include "gUpdateObject.h"

#include "MonotonicClock.h"
#include "Timer.h"

#include <algorithm>

TgUpdateObject::TgUpdateObject() = default;
TgUpdateObject::~TgUpdateObject() = default;

void TgUpdateObject::AddUpdateControl(IUpdateControl *Control)
{
    controls_.push_back(Control);
    if (!timer_) {
        timer_ = std::make_unique<TTimer>(nullptr); // enabled, 1000 ms
        timer_->OnTimer = [this](TObject *) { UpdateTimerTick(); };
    }
}

void TgUpdateObject::RemoveUpdateControl(IUpdateControl *Control)
{
    auto it = std::find(controls_.begin(), controls_.end(), Control);
    if (it != controls_.end())
        controls_.erase(it);
    if (controls_.empty())
        timer_.reset();
}

void TgUpdateObject::UpdateTimerTick()
{
    const std::vector<IUpdateControl *> walk = controls_;
    for (IUpdateControl *c : walk) {
        if (std::find(controls_.begin(), controls_.end(), c) == controls_.end())
            continue; // freed by an earlier repaint
        if (!c->GetUpdateActive() && c->GetNeedsRepaint() &&
            FrameIntervalPassed(c->GetLastUpdate(), c->GetUpdateFrameRate(), NowMs()))
            c->DoInvalidate();
    }
}

TgUpdateObject &UpdateObject()
{
    static TgUpdateObject instance;
    return instance;
}
