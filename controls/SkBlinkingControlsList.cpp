#include "SkBlinkingControlsList.h"

#include "Control.h"
#include "Exceptions.h"
#include "Timer.h"

#include <algorithm>

std::unique_ptr<TSkBlinkingControlsList> BlinkingControls;

TSkBlinkingControlsList::TSkBlinkingControlsList() : timer_(std::make_unique<TTimer>(nullptr))
{
    timer_->OnTimer = [this](TObject *) { TimerFired(); };
    timer_->SetInterval(intervalOff_);
    timer_->SetEnabled(true);
}

TSkBlinkingControlsList::~TSkBlinkingControlsList() = default;

void TSkBlinkingControlsList::Add(TControl *Control)
{
    controls_.push_back(Control);
}

void TSkBlinkingControlsList::Remove(TControl *Control)
{
    auto it = std::find(controls_.begin(), controls_.end(), Control);
    if (it == controls_.end())
        throw EListError(QStringLiteral("Control not in the blinking list"));
    controls_.erase(it);
}

void TSkBlinkingControlsList::TimerFired()
{
    if (state_ == bsOn) {
        state_ = bsOff;
        timer_->SetInterval(intervalOn_);
    } else {
        state_ = bsOn;
        timer_->SetInterval(intervalOff_);
    }
    // Walks the live list, so that a control freed by another's handler is
    // never reached.
    for (size_t i = 0; i < controls_.size(); ++i) {
        TControl *c = controls_[i];
        if (c->Perform(CM_QUERYBLINKING, 0, 0) == 1)
            c->Perform(CM_BLINKCHANGE, static_cast<uintptr_t>(state_), 0);
    }
}

void ReleaseBlinkingControlsIfEmpty()
{
    if (BlinkingControls && BlinkingControls->Count() == 0)
        BlinkingControls.reset();
}
