#pragma once
#include "Form.h"

#include "LConnectScan.h"

class TButton;
class TComboBox;
class TLabel;
class TSmProgressBar;

// The connect dialog: builds the candidate links (the USB device if one is
// held, else the network address if one is set, then every serial port), lets
// the scan open them one after the other and shows which one is tried. When
// nothing answers it says so and offers Rescan, the network setup and the
// offline mode (Demo). It has no close box: it closes when a device answers or
// through Demo, and its timers stop whenever it closes.
class TfmNetwork : public TForm {
public:
    explicit TfmNetwork(TComponent *AOwner);

    // Where the candidates come from; the main window's by default, tests
    // replace them. Read again at every scan.
    LConnectScan::Sources sources;
    LConnectScan &Scan() { return scan_; }

    // Disables the buttons and arms the first candidate (the link button then
    // shows the dialog).
    void StartScan();
    // Builds the candidate list and arms the first attempt, or reports that
    // there is no candidate.
    void ScanPorts();
    void ConnectResult(bool connected) { scan_.ConnectResult(connected); }
    // The open link was lost or a serial port could not be opened.
    void ShowLinkBroken();
    bool IsConnected() const { return scan_.Connected(); }
    // Closes the dialog from code (the main window's hide, a device that answered).
    void HideDialog();

    TSmProgressBar *pbScan;
    TLabel *lblScan;
    TLabel *lblDeviceID;
    TComboBox *cbCOM; // hidden: the serial port names of the last scan
    TButton *btnOK;   // Rescan
    TButton *btnId;   // network setup
    TButton *btnExit; // Demo

    void btnOKClick();
    void btnIdClick();
    void btnExitClick();

private:
    void FormShow();
    void EnableButtons(bool on);
    void ShowAttempt(size_t index);
    void ShowExhausted();

    LConnectScan scan_;
    bool closing_ = false;
};

extern TfmNetwork *fmNetwork;
