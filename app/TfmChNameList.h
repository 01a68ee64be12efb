#pragma once
#include "Form.h"

class DialogHost;
class TButton;
class TEdit;
class TLabel;

// All twelve channel names at once. OK sends only the names that changed,
// one channel-name command each, in channel order.
class TfmChNameList : public TForm {
public:
    TfmChNameList(TComponent *AOwner, DialogHost *Host);

    static constexpr int kChannels = 12;
    // Inputs A-D, then outputs 1-8.
    TEdit *edName[kChannels];
    TLabel *lbName[kChannels];
    TButton *btnOK;
    TButton *btnCancel;

    void btnOKClick();

private:
    void FormShow();

    DialogHost *host_;
};
