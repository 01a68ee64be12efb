#pragma once
#include "gPlotComponent.h"

// The strip chart: the XY plot's default objects, made inside one update
// bracket so that building them asks for one repaint.
class TgPlot : public TgPlotComponent {
public:
    explicit TgPlot(TComponent *AOwner);
};
