#pragma once
#include "Form.h"

#include "LConnectScan.h"

class TButton;
class TLabel;
class TSmProgressBar;

// The connect window: runs the scan over the candidate links and shows which
// one is tried. Rescan starts again; Demo leaves the editor offline. It has no
// close box: it closes when a device answers or through Demo.
class TfmNetwork : public TForm {
public:
    explicit TfmNetwork(TComponent *AOwner);

    LConnectScan &Scan() { return scan_; }
    void StartScan();
    void ConnectResult(bool connected) { scan_.ConnectResult(connected); }
    void ShowLinkBroken();
    bool IsConnected() const { return scan_.Connected(); }
    void HideDialog();

    TSmProgressBar *pbScan;
    TLabel *lblScan;
    TLabel *lblDeviceID;
    TButton *btnOK;   // Rescan
    TButton *btnExit; // Demo

private:
    void FormShow();
    void EnableButtons(bool on);
    void btnOKClick();
    void btnExitClick();

    LConnectScan scan_;
    bool closing_ = false;
};

extern TfmNetwork *fmNetwork;
