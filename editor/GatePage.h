#pragma once
#include "DynamicsPage.h"

// The noise gate page of the inputs: per input threshold, attack, release
// and hold sliders with their value boxes; the gate curve of one input on
// ipGate, redrawn at once on every change. The "GATE" labels of the block
// diagram open the page.
class GatePage : public DynamicsPage {
public:
    explicit GatePage(PageHost &Host);

    void Build(TWinControl *Client) override;
    void ApplyLanguage() override;
    void Refresh() override;

    // Field 0 threshold (stored + 180), 1 attack, 2 release, 3 hold.
    void CommitGateParam(int Channel, int Field, int Value);
    // Draws the input's curve, titles the plot and makes the input the one shown.
    void DrawGateCurve(int Channel);
    void RefreshLinkedGate(int Channel, int Field, int Value);

private:
    void SliderChange(TObject *Sender, int Field);
    // The curve of Channel on the plot and its title; the head label stays.
    bool ShowCurve(int Channel);
};
