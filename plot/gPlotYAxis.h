#pragma once
#include "gPlotAxis.h"

// An axis of Y values; the layout manager lays it vertically unless the plot swaps its axes.
class TgPlotYAxis : public TgPlotAxis {
public:
    using TgPlotAxis::TgPlotAxis;
};
