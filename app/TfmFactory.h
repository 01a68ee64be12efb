#pragma once
#include "Form.h"

class DialogHost;
class TButton;
class TLabel;

// Confirms a return to the factory defaults; OK starts the main window's
// factory-default sequence.
class TfmFactory : public TForm {
public:
    TfmFactory(TComponent *AOwner, DialogHost *Host);

    TLabel *lbMessage;
    TButton *btnOK;
    TButton *bnCancel;

private:
    void FormShow();

    DialogHost *host_;
};
