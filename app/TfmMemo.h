#pragma once
#include "Form.h"

class TButton;
class TMemo;

// The message list: a memo that starts with the line "Memo" and a Clear button.
class TfmMemo : public TForm {
public:
    explicit TfmMemo(TComponent *AOwner);

    TMemo *Memo;
    TButton *bnClearMemo;
};
