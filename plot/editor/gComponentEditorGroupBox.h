#pragma once
#include "GroupBox.h"

// The group frame of the editor forms.
class TgComponentEditorGroupBox : public TGroupBox {
public:
    using TGroupBox::TGroupBox;
};
