#pragma once
#include "gPlotLayoutObject.h"

// A grid of text cells placed beside the data view.
class TgPlotTable : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;
};
