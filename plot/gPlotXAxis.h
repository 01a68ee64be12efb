#pragma once
#include "gPlotAxis.h"

// An axis of X values: follows new values from the left edge (scrolling on a
// strip chart), and fires the plot's X-axis events.
class TgPlotXAxis : public TgPlotAxis {
public:
    TgPlotXAxis(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);

protected:
    bool IsXAxis() const override { return true; }
};
