#pragma once
#include "Form.h"

class TButton;
class TLabel;

// The exit confirmation. OK allows the main window to close and closes it;
// Cancel closes this window and keeps the editor running.
class TfmExit : public TForm {
public:
    explicit TfmExit(TComponent *AOwner);

    TLabel *lbExit;
    TButton *btnOK;
    TButton *btnCancel;

private:
    void FormShow();
    void btnOKClick();
    void btnExitClick();
};

extern TfmExit *fmExit;
