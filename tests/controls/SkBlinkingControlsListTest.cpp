#include "Control.h"
#include "MonotonicClock.h"
#include "SkBlinkingControlsList.h"
#include "Timer.h"
#include "Exceptions.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A control that answers the blinking query and records the states it is told.
class Blinker : public TControl {
public:
    Blinker(bool blinking) : TControl(nullptr), blinking_(blinking) {}
    std::vector<int> told;

protected:
    void WndProc(TMessage &Message) override
    {
        if (Message.Msg == CM_QUERYBLINKING)
            Message.Result = blinking_ ? 1 : 0;
        else if (Message.Msg == CM_BLINKCHANGE)
            told.push_back(static_cast<int>(Message.WParam));
        else
            TControl::WndProc(Message);
    }

private:
    bool blinking_;
};

TEST(SkBlinkingControlsList, TicksFlipTheStateAndTellOnlyBlinkingControls)
{
    ManualClock clock;
    ScopedClock scope(clock);
    TSkBlinkingControlsList list;
    Blinker on(true), off(false);
    list.Add(&on);
    list.Add(&off);
    EXPECT_EQ(list.BlinkState(), bsOff);
    list.SetIntervalOn(200); // the wait after a tick that turned the state off
    clock.Advance(500);      // first tick after IntervalOff
    EXPECT_EQ(list.BlinkState(), bsOn);
    clock.Advance(499);
    EXPECT_EQ(list.BlinkState(), bsOn);
    clock.Advance(1);
    EXPECT_EQ(list.BlinkState(), bsOff);
    clock.Advance(200);
    EXPECT_EQ(list.BlinkState(), bsOn);
    EXPECT_EQ(on.told, (std::vector<int>{bsOn, bsOff, bsOn}));
    EXPECT_TRUE(off.told.empty());
    list.Remove(&on);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_THROW(list.Remove(&on), EListError);
}

TEST(SkBlinkingControlsList, EmptyListOnlyTogglesAndIsReleased)
{
    ManualClock clock;
    ScopedClock scope(clock);
    BlinkingControls = std::make_unique<TSkBlinkingControlsList>();
    BlinkingControls->TimerFired();
    EXPECT_EQ(BlinkingControls->BlinkState(), bsOn);
    EXPECT_EQ(BlinkingControls->Timer()->Interval(), 500u);
    Blinker one(true);
    BlinkingControls->Add(&one);
    ReleaseBlinkingControlsIfEmpty();
    ASSERT_TRUE(BlinkingControls);
    BlinkingControls->Remove(&one);
    ReleaseBlinkingControlsIfEmpty();
    EXPECT_FALSE(BlinkingControls);
}

} // namespace
