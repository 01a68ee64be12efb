#pragma once
#include "Form.h"

class TStatusBar;
class TSmProgressBar;

// The busy window of long transfers: a progress bar and one status text. It
// blocks the main window while shown but runs no loop of its own, and only the
// transfer code closes it: Escape and the window system's close do nothing.
class TfmProcess : public TForm {
public:
    explicit TfmProcess(TComponent *AOwner);

    // Shows the window; `modal` blocks the other windows meanwhile.
    void ShowBusy(bool modal);
    // Hides the window (nothing happens when it is not shown).
    void CloseBusy();

    TSmProgressBar *ProgressBar;
    TStatusBar *StatusBar;

private:
    void FormShow();
    bool closing_ = false;
};

extern TfmProcess *fmProcess;
