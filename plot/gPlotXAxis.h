#pragma once
#include "gPlotAxis.h"

// An axis of X values; the layout manager lays it horizontally unless the plot swaps its axes.
class TgPlotXAxis : public TgPlotAxis {
public:
    using TgPlotAxis::TgPlotAxis;
};
