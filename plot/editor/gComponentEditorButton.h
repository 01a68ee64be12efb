#pragma once
#include "Button.h"

// The push button of the editor forms and the base of their pickers. Tab
// and Shift+Tab move the focus through the form's Tab order, as on every
// control of the layer.
class TgComponentEditorButton : public TButton {
public:
    using TButton::TButton;
};
