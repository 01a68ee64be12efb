#pragma once
#include "Form.h"

class DialogHost;
class TButton;
class TEdit;
class TLabel;
class TTimer;

// Sends a new four-character lock password to the device, then takes the
// editor offline. The link is closed only once the device has answered the
// lock frame (the main window calls LockAnswered); when the reply time-out
// passes first, "SID_INFO_ERROR_CMD" is shown and the link closed all the same.
class TfmLockSetup : public TForm {
public:
    TfmLockSetup(TComponent *AOwner, DialogHost *Host);

    // The main window's reply dispatcher: the device answered the lock frame.
    void LockAnswered();
    bool AwaitingAnswer() const { return awaiting_; }
    // How long the device may take to answer (the link's reply time-out).
    void SetReplyTimeout(unsigned Ms);

    TLabel *lblLockPassword;
    TEdit *edName;
    TButton *btnOK;
    TButton *btnExit;
    TTimer *tmClose;

    void SkBmpButton1Click();

private:
    void FormShow();
    void tmCloseTimer();
    void Finish();

    DialogHost *host_;
    bool awaiting_ = false;
};
