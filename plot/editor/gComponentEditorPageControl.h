#pragma once
#include "PageControl.h"

// The page control of the editor forms; Tab leaves it for the next control
// of the form's Tab order. While it holds the focus its current tab shows
// the focus frame.
class TgComponentEditorPageControl : public TPageControl {
public:
    explicit TgComponentEditorPageControl(TComponent *AOwner);
};
