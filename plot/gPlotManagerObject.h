#pragma once
#include "gPlotObject.h"

// A plot object that a typed manager creates and holds. Its constructor
// insists on an owner and all four callbacks.
class TgPlotManagerObject : public TgPlotObject {
public:
    TgPlotManagerObject(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                        TNotifyEvent AOnRemove, TNotifyEvent AOnRename);
};
