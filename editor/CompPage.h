#pragma once
#include "DynamicsPage.h"

#include <array>

// The compressor page of the outputs: per output threshold, attack and
// release sliders, ratio and knee spinners with their value boxes, and the
// transfer curve of one output on ipComp, redrawn 1 ms after a burst of
// changes.
class CompPage : public DynamicsPage {
public:
    explicit CompPage(PageHost &Host);

    void Build(TWinControl *Client) override;
    void ApplyLanguage() override;
    void Refresh() override;

    // Field 0 threshold (stored + 180), 1 attack, 2 release, 3 ratio index,
    // 4 knee: written into the output's record and sent for its link group.
    void CommitCompParam(int Channel, int Field, int Value);
    // Draws the output's curve on ipComp and makes it the one shown.
    void DrawCompCurve(int Channel);
    // Shows value v of the field on the group's controls (fields 3 and 4 skip
    // Channel itself, whose spinner is changing).
    void RefreshLinkedComp(int Channel, int Field, int Value);

    TTimer *RedrawTimer() const { return tmCompDisp; }
    int RedrawChannel() const { return compRedrawChannel; }

private:
    void SliderChange(TObject *Sender, int Field);
    void SpinnerChanging(TObject *Sender, bool &Allow, int NewValue, int Field);
    void Changed(int Channel, int Field, int Value);

    TTimer *tmCompDisp = nullptr;
    int compRedrawChannel = 4;
};
