#pragma once
#include "PageControl.h"

// The page control of the editor forms; Tab leaves it for the next control
// of the form's Tab order.
class TgComponentEditorPageControl : public TPageControl {
public:
    using TPageControl::TPageControl;
};
