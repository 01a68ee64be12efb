#pragma once
#include "gPlotLayoutObject.h"

// The plot's row of command buttons; it lies along the top by default.
class TgPlotToolBar : public TgPlotLayoutObject {
public:
    TgPlotToolBar(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename)
        : TgPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                             std::move(AOnRename))
    {
        SetHorizontal(true);
    }
};
