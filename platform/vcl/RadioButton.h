#pragma once
#include "WinControl.h"

class QRadioButton;

// A radio button (a Qt radio button inside). The buttons of one parent form
// one group: checking one unchecks the others. OnClick fires when the button
// becomes checked, by the user or by code, as with the system's radio button.
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent *AOwner);

    bool Checked() const;
    void SetChecked(bool Value);

protected:
    void TextChanged() override;

private:
    QRadioButton *button_;
};
