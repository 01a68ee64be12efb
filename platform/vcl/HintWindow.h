#pragma once
#include "CustomControl.h"

// A small top-level window for hint texts: no frame, shown above every
// other window without taking the focus or the activation. It has no parent
// control; its bounds are screen coordinates.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent *AOwner);

    // Shows AHint in Rect (screen coordinates).
    virtual void ActivateHint(const TRect &Rect, const QString &AHint);
    // The rectangle (0, 0, width, height) that AHint needs, wrapped at
    // MaxWidth pixels; AData is for descendants.
    virtual TRect CalcHintRect(int MaxWidth, const QString &AHint, void *AData);
    // Hides the window; the next ActivateHint shows it again.
    void ReleaseHandle();
    // True while the window shows.
    bool HandleAllocated() const;

    void Paint() override;

protected:
    void UpdateWidgetVisibility() override {}
    void TextChanged() override;
};
