#pragma once
#include "Control.h"

// A windowless control: painted by its parent (after the parent's own
// painting, so whatever it leaves unpainted shows the parent underneath) and
// fed the mouse events that fall on it. It lies below windowed siblings.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent *AOwner) : TControl(AOwner) {}
};
