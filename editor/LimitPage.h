#pragma once
#include "DynamicsPage.h"

// The limiter page of the outputs: per output threshold, attack and release
// sliders and a knee spinner with their value boxes; the transfer curve of
// one output on ipLimit, redrawn 1 ms after a burst of changes. The "LIMIT"
// labels of the block diagram open the page.
class LimitPage : public DynamicsPage {
public:
    explicit LimitPage(PageHost &Host);

    void Build(TWinControl *Client) override;
    void ApplyLanguage() override;
    void Refresh() override;

    // Field 0 threshold (stored + 180), 1 attack, 2 release, 3 knee.
    void CommitLimitParam(int Channel, int Field, int Value);
    void DrawLimitCurve(int Channel);
    // Field 3 skips Channel itself, whose spinner is changing.
    void RefreshLinkedLimit(int Channel, int Field, int Value);

    TTimer *RedrawTimer() const { return tmLimitDisp; }

private:
    void Changed(int Channel, int Field, int Value);

    TTimer *tmLimitDisp = nullptr;
    int limitRedrawChannel = 4;
};
