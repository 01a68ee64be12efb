#pragma once
#include "Form.h"

#include <functional>

class TButton;
class TGroupBox;
class TLabel;

// The editor's one message box: the caller's text, the window's own caption
// and an OK button. It blocks the other windows while shown but runs no loop
// of its own: what follows its closing is `closed`.
class TfmInformation : public TForm {
public:
    explicit TfmInformation(TComponent *AOwner);

    void ShowMessage(const QString &Text, std::function<void()> Closed = {});

    TLabel *lbMessage;
    TButton *btnOK;

private:
    void FormShow();
    std::function<void()> closed_;
};

extern TfmInformation *fmInformation;
