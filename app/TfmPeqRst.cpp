#include "TfmPeqRst.h"

#include "Button.h"
#include "ConfirmLayout.h"
#include "DialogHost.h"
#include "Label.h"

TfmPeqRst::TfmPeqRst(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    BuildConfirmLayout(this, "fmPeqRst", {"lbReset", "Are you sure to RESET EQ ?"}, &lbReset, &btnOK, "btnCancel",
                       &btnCancel);
    btnOK->OnClick = [this](TObject *) { btnOKClick(); };
    btnCancel->OnClick = [this](TObject *) { Close(); };
    OnShow = [this](TObject *) { FormShow(); };
}

void TfmPeqRst::FormShow()
{
    SetCaption(host_->Translate("SID_PEQRST"));
    lbReset->SetCaption(host_->Translate("SID_PEQRST_RESET"));
    btnOK->SetCaption(host_->Translate("SID_PEQRST_OK"));
    btnCancel->SetCaption(host_->Translate("SID_PEQRST_CANCEL"));
}

void TfmPeqRst::btnOKClick()
{
    Hide();
    if (target_ > 11)
        host_->ResetGeq(target_);
    else
        host_->ResetPeq(target_);
    Close();
}
