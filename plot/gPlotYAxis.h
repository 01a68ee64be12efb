#pragma once
#include "gPlotAxis.h"

// An axis of Y values; fires the plot's Y-axis events.
class TgPlotYAxis : public TgPlotAxis {
public:
    TgPlotYAxis(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);

protected:
    bool IsXAxis() const override { return false; }
};
