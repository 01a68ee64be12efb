#pragma once
#include "gPlotLayoutObject.h"

// The plot's row of command buttons.
class TgPlotToolBar : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;
};
