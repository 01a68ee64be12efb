#pragma once
#include "Form.h"

class DialogHost;
class TButton;
class TLabel;

// Confirms an EQ reset. Target 0-11: the parametric EQ of that channel;
// 12-15: the graphic EQ of input A-D.
class TfmPeqRst : public TForm {
public:
    TfmPeqRst(TComponent *AOwner, DialogHost *Host);

    void SetTarget(int Target) { target_ = Target; }
    int Target() const { return target_; }

    TLabel *lbReset;
    TButton *btnOK;
    TButton *btnCancel;

    void btnOKClick();

private:
    void FormShow();

    DialogHost *host_;
    int target_ = 0;
};
