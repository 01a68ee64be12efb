#pragma once
#include "gPlotButton.h"

// A legend's scroll button (auto-repeating while held).
class TgPlotLegendButton : public TgPlotButton {
public:
    using TgPlotButton::TgPlotButton;
    bool Up = true;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override { DrawScrollButton(Canvas, Up); }
};
