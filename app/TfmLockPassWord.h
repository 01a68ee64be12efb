#pragma once
#include "Form.h"

#include <cstdint>

class DialogHost;
class TButton;
class TEdit;
class TLabel;
class TTimer;

// Shown when the device reports its lock: submits the password, checks every
// 100 ms for the device's answer (SetResult), and once it is accepted asks
// for the upload. Wrong: "Password Error!!" and another try; no answer after
// 31 checks: "Check Time Out!" and the link is closed as on Cancel.
class TfmLockPassWord : public TForm {
public:
    TfmLockPassWord(TComponent *AOwner, DialogHost *Host);

    static constexpr uint8_t kAwaiting = 255;
    static constexpr int kMaxChecks = 30;

    // The reply dispatcher: the answer byte of the password reply (0 wrong, 1 accepted).
    void SetResult(uint8_t Answer) { answer_ = Answer; }
    uint8_t Answer() const { return answer_; }
    int CheckCount() const { return checkCount_; }

    TLabel *lblLockPassword;
    TEdit *edName;
    TButton *btnOK;
    TButton *bnCancel;
    TTimer *tmCheck;
    TTimer *tmCmd;

    void SkBmpButton1Click();
    void bnCancelClick();

private:
    void FormShow();
    void ResetEdit();
    void tmCheckTimer();
    void tmCmdTimer();

    DialogHost *host_;
    uint8_t answer_ = kAwaiting;
    int checkCount_ = 0;
};
