#pragma once
#include "GraphicControl.h"

// A windowless area drawn by its OnPaint handler on Canvas(); the canvas
// starts with the control's font and a brush of its Color.
class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent *AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 105, 105); }

    TNotifyEvent OnPaint;

    void Paint() override
    {
        if (OnPaint)
            OnPaint(this);
    }
};
