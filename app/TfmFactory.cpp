#include "TfmFactory.h"

#include "Button.h"
#include "ConfirmLayout.h"
#include "DialogHost.h"
#include "Label.h"

TfmFactory::TfmFactory(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    BuildConfirmLayout(this, "fmFactory", {"lbMessage", "Are you Sure to Return Factory Default?"}, &lbMessage,
                       &btnOK, "bnCancel", &bnCancel);
    btnOK->OnClick = [this](TObject *) {
        host_->StartFactoryDefault();
        Close();
    };
    bnCancel->OnClick = [this](TObject *) { Close(); };
    OnShow = [this](TObject *) { FormShow(); };
}

void TfmFactory::FormShow()
{
    SetCaption(host_->Translate("SID_INFO_TITLE"));
    lbMessage->SetCaption(host_->Translate("SID_FACTORY_DEFAULT"));
    btnOK->SetCaption(host_->Translate("SID_EXIT_OK"));
    bnCancel->SetCaption(host_->Translate("SID_EXIT_CANCEL"));
}
