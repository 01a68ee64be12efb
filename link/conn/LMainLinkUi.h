#pragma once
#include <cstdint>
#include <functional>
#include <string>

// What the connection logic needs of the windows. The main window implements it;
// LHeadlessUi is the implementation for tools and tests. Every call comes on the
// UI thread. Nothing here blocks: a modal window becomes a call that returns at
// once, and what follows its closing is a continuation.
class LMainLinkUi {
public:
    enum class FileKind { Preset, Unit }; // ".prs", ".unt"

    // Ten segment counts and the activity word of one level reply, ready to show.
    struct LevelDisplay {
        int inputSteps[4];   // 0..9 lit segments of inputs A to D
        int outputSteps[8];  // 0..8 lit segments of outputs 1 to 8
        uint16_t activity;   // bit k compressor, bit 8 + k limiter of output k + 1
    };

    virtual ~LMainLinkUi();

    // Text of a SID key in the current language.
    virtual std::string Translate(const std::string &sid) = 0;

    // Information window: shows the text modally; `closed` runs once the user
    // has closed it (it may be empty).
    virtual void ShowInformation(const std::string &text, std::function<void()> closed) = 0;

    // Busy window (status text, progress bar). ShowBusy(true) shows it modally,
    // ShowBusy(false) only makes it visible; CloseBusy closes or hides it.
    virtual void SetBusyStatus(const std::string &text) = 0;
    virtual void SetBusyMax(int max) = 0;
    virtual void SetBusyPosition(int position) = 0;
    virtual void ShowBusy(bool modal) = 0;
    virtual void CloseBusy() = 0;
    // The sequence that the busy window waits on was ended by a link error
    // (`why`): it did not complete. CloseBusy follows.
    virtual void BusyInterrupted(const std::string &why) = 0;

    // Connect dialog.
    virtual void ConnectResult(bool connected) = 0;
    virtual void ShowLinkBroken() = 0;
    virtual bool IsConnectDialogConnected() = 0;
    virtual bool IsConnectDialogVisible() = 0;
    virtual void HideConnectDialog() = 0;
    virtual void ShowConnectDialog() = 0;  // modal; the scan progress stays where the scan put it
    virtual void ClearScanProgress() = 0;  // the scan's progress back to 0 (a lost link)
    virtual void StartConnectScan() = 0;   // the dialog's start-scan button

    // Preset-name lists of the store (rows 0-19) and recall (rows 0-20) dialogs.
    virtual void SetStorePresetName(int row, const std::string &name) = 0;
    virtual void SetRecallPresetName(int row, const std::string &name) = 0;

    // File-name questions; `chosen` gets the name, or an empty text on cancel.
    virtual void AskSaveFileName(FileKind kind, std::function<void(const std::string &)> chosen) = 0;
    virtual void AskOpenFileName(FileKind kind, std::function<void(const std::string &)> chosen) = 0;

    // Unlock dialog: shown modally when the device reports its lock; it submits
    // the password through the main window's send routine and gets the device's
    // answer (0 wrong, 1 accepted) through SetUnlockResult.
    virtual void ShowUnlockDialog() = 0;
    virtual void SetUnlockResult(uint8_t answer) = 0;
    // Factory-default confirmation, modal; its OK calls StartFactoryDefault.
    virtual void ShowFactoryConfirmation() = 0;

    // Captions, labels and enabled states of the main window.
    virtual void SetWindowCaption(const std::string &text) = 0;
    virtual void SetLinkButtonCaption(const std::string &text) = 0;
    virtual void SetConnectItemCaption(const std::string &text) = 0;
    virtual void SetLinkButtonEnabled(bool enabled) = 0; // the link button and the Connect item
    virtual void SetLinkButtonDown(bool down) = 0;
    virtual void SetInterfaceLabel(const std::string &text) = 0;
    virtual void SetDeviceIdLabel(const std::string &text) = 0;
    virtual void SetPresetLabels(const std::string &number, const std::string &name) = 0;
    virtual void SetMainWindowEnabled(bool enabled) = 0;
    // The hidden status label: "Detect HID" when the processor was taken over
    // USB, "OffLine" after it left. A window without that label ignores it.
    virtual void SetStatusLabel(const std::string &text) { (void)text; }

    // Editor pages.
    virtual void RefreshAllPages() = 0;
    virtual void ClearPeqBandSelection() = 0;
    virtual void HideGeqBandOverlay() = 0; // the band display of the last edited GEQ curve
    virtual void InvalidateCurve(int channel) = 0;

    // Level meters.
    virtual void ShowLevels(const LevelDisplay &levels) = 0;
    virtual void ResetMeters() = 0;

    // A system message box of the information kind with only an OK button
    // (a failed read of the USB device).
    virtual void ShowMessageBox(const std::string &text) = 0;

    // Traffic log: lines are only built while it is visible.
    virtual bool IsTrafficLogVisible() = 0;
    virtual void AddTrafficLine(const std::string &line) = 0;
};
