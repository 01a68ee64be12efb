#include "TfmLockSetup.h"

#include "Button.h"
#include "CommandClasses.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Edit.h"
#include "Label.h"
#include "Timer.h"

TfmLockSetup::TfmLockSetup(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    const PasswordLayout l = BuildPasswordLayout(this, "fmLockSetup", "Lock Password", "btnExit");
    lblLockPassword = l.label;
    edName = l.edit;
    btnOK = l.ok;
    btnExit = l.cancel;
    edName->SetText("8265");
    EnterActsAs(edName, [this] { SkBmpButton1Click(); });
    btnOK->OnClick = [this](TObject *) { SkBmpButton1Click(); };
    btnExit->OnClick = [this](TObject *) {
        if (!awaiting_)
            Close();
    };
    tmClose = new TTimer(this);
    tmClose->SetName("tmClose");
    tmClose->SetEnabled(false);
    tmClose->SetInterval(1000);
    tmClose->OnTimer = [this](TObject *) { tmCloseTimer(); };

    OnShow = [this](TObject *) { FormShow(); };
    // The answer is awaited with the window open: closing it then would
    // leave the link as it is behind an unanswered lock.
    OnCloseQuery = [this](TObject *, bool &CanClose) { CanClose = !awaiting_; };
}

void TfmLockSetup::SetReplyTimeout(unsigned Ms)
{
    tmClose->SetInterval(Ms);
}

void TfmLockSetup::FormShow()
{
    SetCaption(host_->Translate("SID_LOCK_TITLE"));
    lblLockPassword->SetCaption(host_->Translate("SID_LOCK_PASSWORD"));
    btnOK->SetCaption(host_->Translate("SID_EXIT_OK"));
    btnExit->SetCaption(host_->Translate("SID_EXIT_CANCEL"));
    edName->SetText("8265");
    edName->SetFocus();
    edName->SelectAll();
}

void TfmLockSetup::SkBmpButton1Click()
{
    if (awaiting_)
        return;
    const std::string pw = FixedBytes(edName->Text(), 4, '\0');
    host_->SendCommand(CM_MCS_SET_LOCK(host_->GetDeviceId(), pw), true);
    awaiting_ = true;
    tmClose->SetEnabled(true);
    host_->CallWhenAnswered([this] { LockAnswered(); });
}

void TfmLockSetup::LockAnswered()
{
    if (awaiting_)
        Finish();
}

void TfmLockSetup::tmCloseTimer()
{
    if (!awaiting_) {
        tmClose->SetEnabled(false);
        return;
    }
    Finish();
    host_->ShowInformation(host_->Translate("SID_INFO_ERROR_CMD"));
}

void TfmLockSetup::Finish()
{
    tmClose->SetEnabled(false);
    awaiting_ = false;
    host_->CloseLink();
    Close();
}
