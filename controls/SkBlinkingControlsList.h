#pragma once
#include "SkCommon.h"

#include <cstdint>
#include <memory>
#include <vector>

class TControl;
class TTimer;

// Control messages of blinking: the list asks each control whether it
// blinks (answer 1) and tells those that do the new state (WParam).
constexpr unsigned CM_QUERYBLINKING = 0xB000 + 1000;
constexpr unsigned CM_BLINKCHANGE = 0xB000 + 1001;

// The controls that blink together on one timer. Each tick flips the shared
// state and sends CM_BLINKCHANGE to every control (in list order) that
// answers CM_QUERYBLINKING with 1. The timer runs on the current clock.
class TSkBlinkingControlsList {
public:
    TSkBlinkingControlsList();
    ~TSkBlinkingControlsList();

    void Add(TControl *Control);
    // The control must be in the list.
    void Remove(TControl *Control);
    int Count() const { return static_cast<int>(controls_.size()); }
    TBlinkState BlinkState() const { return state_; }
    std::uint16_t IntervalOff() const { return intervalOff_; }
    void SetIntervalOff(std::uint16_t Value) { intervalOff_ = Value; }
    std::uint16_t IntervalOn() const { return intervalOn_; }
    void SetIntervalOn(std::uint16_t Value) { intervalOn_ = Value; }
    TTimer *Timer() const { return timer_.get(); }

    void TimerFired();

private:
    TBlinkState state_ = bsOff;
    std::vector<TControl *> controls_;
    std::unique_ptr<TTimer> timer_;
    std::uint16_t intervalOff_ = 500;
    std::uint16_t intervalOn_ = 500;
};

// The one list of the program: none until a blinking control creates it.
extern std::unique_ptr<TSkBlinkingControlsList> BlinkingControls;
// Frees BlinkingControls once it holds no control.
void ReleaseBlinkingControlsIfEmpty();
