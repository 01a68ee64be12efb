#pragma once
#include "gPlotObject.h"

#include <memory>

class TTimer;

// A clickable sub-object of a legend, table or toolbar. Its container sets
// its rectangle and callbacks. A plain button clicks when released inside
// its rectangle; with TimerEnabled it also repeats while held: the first
// click after 500 ms, then one every 50 ms.
class TgPlotButton : public TgPlotObject {
public:
    TgPlotButton(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                 TNotifyEvent AOnRename);
    ~TgPlotButton() override;

    TRect DrawRect() const { return TRect(FLeft, FTop, FRight, FBottom); }
    void SetDrawRect(const TRect &R);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Right() const { return FRight; }
    int Bottom() const { return FBottom; }
    int Width() const { return FRight - FLeft; }
    int Height() const { return FBottom - FTop; }
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool TimerEnabled() const { return FTimerEnabled; }
    void SetTimerEnabled(bool Value) { FTimerEnabled = Value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }

    TNotifyEvent OnClick;
    TNotifyEvent OnGroupClick;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDownChange;

    void SetEnabled(bool Value) override;
    void DoMouseLeft(const TgPlotMouseData &MouseData) override;
    void DoMouseMove(const TgPlotMouseData &) override {}
    void DoMouseUp(const TgPlotMouseData &MouseData) override;

    // The face of a scroll button (visible ones only): button face colour,
    // framed raised, or sunken while pressed; then the arrow, black or gray
    // when disabled, pointing up or down.
    void DrawScrollButton(TCanvas *Canvas, bool Up);

protected:
    void DoInvalidate();

private:
    void TimerTick(TObject *Sender);
    void StopTimer();

    int FTop = 0, FBottom = 0, FRight = 0, FLeft = 0;
    bool FDown = false;
    std::unique_ptr<TTimer> FTimer;
    bool FFirstTimerMessage = false;
    bool FTimerEnabled = false;
    int FGroupIndex = 0;
};
