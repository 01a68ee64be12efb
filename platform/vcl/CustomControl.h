#pragma once
#include "WinControl.h"

// A windowed control that draws itself: Paint on Canvas(). The window is
// erased with Color first unless csParentBackground is in ControlStyle, in
// which case the parent shows through wherever Paint leaves the canvas
// untouched.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent *AOwner) : TWinControl(AOwner) {}
};
