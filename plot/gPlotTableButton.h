#pragma once
#include "gPlotButton.h"

// A table's scroll button (auto-repeating while held).
class TgPlotTableButton : public TgPlotButton {
public:
    using TgPlotButton::TgPlotButton;
    bool Up = true;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override { DrawScrollButton(Canvas, Up); }
};
