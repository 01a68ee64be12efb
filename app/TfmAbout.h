#pragma once
#include "Form.h"

class DialogHost;
class TButton;
class TLabel;

// The about box: product name, version and copyright lines and an OK button.
class TfmAbout : public TForm {
public:
    TfmAbout(TComponent *AOwner, DialogHost *Host);

    TLabel *ProductName;
    TLabel *Version;
    TLabel *Copyright;
    TButton *btnOK;

private:
    DialogHost *host_;
};
