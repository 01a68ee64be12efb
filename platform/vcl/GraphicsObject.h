#pragma once
#include "Events.h"
#include "Persistent.h"

// Base of TFont, TPen and TBrush: a drawing attribute that tells its owner
// (a canvas or a control) of every effective change through OnChange.
class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};
