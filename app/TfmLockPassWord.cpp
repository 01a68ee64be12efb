#include "TfmLockPassWord.h"

#include "Button.h"
#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "Edit.h"
#include "Label.h"
#include "Timer.h"

namespace {
constexpr uint8_t kUploadStart = 34;
}

TfmLockPassWord::TfmLockPassWord(TComponent *AOwner, DialogHost *Host) : TForm(AOwner, CreateNew), host_(Host)
{
    const PasswordLayout l = BuildPasswordLayout(this, "fmLockPassWord", "UnLock Password", "bnCancel");
    lblLockPassword = l.label;
    edName = l.edit;
    btnOK = l.ok;
    bnCancel = l.cancel;
    edName->SetText("****");
    edName->SetPasswordChar('*');
    EnterActsAs(edName, [this] { SkBmpButton1Click(); });
    btnOK->OnClick = [this](TObject *) { SkBmpButton1Click(); };
    bnCancel->OnClick = [this](TObject *) { bnCancelClick(); };
    for (TTimer **t : {&tmCheck, &tmCmd}) {
        *t = new TTimer(this);
        (*t)->SetEnabled(false);
        (*t)->SetInterval(100);
    }
    tmCheck->SetName("tmCheck");
    tmCheck->OnTimer = [this](TObject *) { tmCheckTimer(); };
    tmCmd->SetName("tmCmd");
    tmCmd->OnTimer = [this](TObject *) { tmCmdTimer(); };

    OnShow = [this](TObject *) { FormShow(); };
    // Closed by the window's close box: the same as Cancel, so the timers
    // never run on behind a hidden dialog.
    OnClose = [this](TObject *, TCloseAction &) {
        tmCheck->SetEnabled(false);
        tmCmd->SetEnabled(false);
    };
}

void TfmLockPassWord::FormShow()
{
    SetCaption(host_->Translate("SID_UNLOCK_TITLE"));
    lblLockPassword->SetCaption(host_->Translate("SID_UNLOCK_PASSWORD"));
    btnOK->SetCaption(host_->Translate("SID_EXIT_OK"));
    bnCancel->SetCaption(host_->Translate("SID_EXIT_CANCEL"));
    ResetEdit();
}

void TfmLockPassWord::ResetEdit()
{
    edName->SetText("****");
    edName->SetFocus();
    edName->SelectAll();
}

void TfmLockPassWord::SkBmpButton1Click()
{
    const std::string pw = FixedBytes(edName->Text(), 4, '\0');
    host_->SendCommand(CM_MCS_PASS_SUBMIT(host_->GetDeviceId(), 0, pw), true);
    checkCount_ = 0;
    answer_ = kAwaiting;
    tmCheck->SetEnabled(true);
}

void TfmLockPassWord::tmCheckTimer()
{
    ++checkCount_;
    tmCheck->SetEnabled(false);
    switch (answer_) {
    case 0:
        host_->ShowMessageBox("Password Error!!");
        ResetEdit();
        break;
    case 1:
        tmCmd->SetEnabled(true);
        break;
    case kAwaiting:
        if (checkCount_ > kMaxChecks) {
            host_->ShowMessageBox("Check Time Out!");
            bnCancelClick();
        } else {
            tmCheck->SetEnabled(true);
        }
        break;
    default:
        break;
    }
}

void TfmLockPassWord::tmCmdTimer()
{
    tmCmd->SetEnabled(false);
    host_->SendCommand(CM_MCS_CMD(host_->GetDeviceId(), kUploadStart), false);
    Close();
}

void TfmLockPassWord::bnCancelClick()
{
    tmCheck->SetEnabled(false);
    host_->CloseLink();
    Close();
}
