#pragma once
#include "CustomControl.h"

// A windowed surface drawn by its OnPaint handler on Canvas(), over its
// Color; it paints all of its area.
class TgPaintBox : public TCustomControl {
public:
    explicit TgPaintBox(TComponent *AOwner) : TCustomControl(AOwner)
    {
        TControlStyle style = ControlStyle();
        style.Include(csOpaque);
        SetControlStyle(style);
        SetBounds(0, 0, 105, 105);
    }

    TNotifyEvent OnPaint;

    void Paint() override
    {
        if (OnPaint)
            OnPaint(this);
    }
};
