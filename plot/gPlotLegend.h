#pragma once
#include "gPlotLayoutObject.h"

// The list of the plot's channels with their colours and line samples.
class TgPlotLegend : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;
};
