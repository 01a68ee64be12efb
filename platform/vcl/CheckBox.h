#pragma once
#include "WinControl.h"

class QCheckBox;

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box (a Qt check box inside). OnClick fires whenever the state
// changes, by the user or by code.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent *AOwner);

    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    void SetState(TCheckBoxState Value);
    bool AllowGrayed() const;
    void SetAllowGrayed(bool Value);

protected:
    void TextChanged() override;

private:
    QCheckBox *box_;
};
