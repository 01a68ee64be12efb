#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QTimer>

#include "LConnectScan.h"
#include "LMainLinkUi.h"

class LMainLink;
class LSysLinkFactory;

// The windows' side of the connection logic without windows, for tools and tests:
// English texts, an information window that closes itself at once, file names
// and passwords answered from queues, and a connect dialog that scans a list of
// candidates as the real one does (one at a time, each under a watchdog, the
// next when one fails). Everything shown is recorded.
class LHeadlessUi : public LMainLinkUi {
    LConnectScan scan; // first: `candidates` refers into it

public:
    using Candidate = LConnectScan::Candidate;
    static Candidate ComCandidate(const std::string &portName) { return LConnectScan::ComCandidate(portName); }
    static Candidate NetCandidate(LSysLinkFactory &factory) { return LConnectScan::NetCandidate(factory); }

    LHeadlessUi();
    ~LHeadlessUi() override;
    void SetMain(LMainLink *m)
    {
        main = m;
        scan.SetMain(m);
    }

    // Knobs.
    std::vector<Candidate> &candidates; // the scan's list
    std::deque<std::string> saveNames, openNames; // answers; empty = cancel
    std::deque<std::string> passwords;            // typed into the unlock dialog in turn
    bool trafficLogVisible = false;
    bool holdInformation = false; // the information window stays until CloseInformation
    void CloseInformation();
    std::function<void(const std::string &)> onInformation; // each text as shown
    std::function<void()> onChange;                       // after every recorded change
    std::function<void(const LevelDisplay &)> onLevels;   // each level reply as shown

    // What was shown.
    std::vector<std::string> informations;
    std::vector<std::string> messageBoxes;
    std::vector<std::string> trafficLines;
    std::vector<std::string> unlockSubmissions;
    std::map<int, std::string> storeNames, recallNames;
    std::string windowCaption, linkButtonCaption, connectItemCaption, interfaceLabel, deviceIdLabel;
    std::string presetNumberLabel, presetNameLabel;
    std::string busyStatus;
    bool linkButtonEnabled = true, linkButtonDown = false, mainWindowEnabled = true;
    bool busyVisible = false, busyModal = false;
    int busyShows = 0, busyMax = 0, busyPosition = 0;
    std::vector<int> busyPositions;
    std::vector<std::string> busyInterruptions; // why each interrupted sequence ended
    bool dialogVisible = false, dialogConnected = false;
    bool scanFailed = false; // the last candidate failed: "SID_NO_DEVICE"
    int connectResults = 0, connectFailures = 0, linkBrokenCount = 0;
    int pageRefreshes = 0, meterResets = 0, levelDisplays = 0, factoryConfirmations = 0;
    std::vector<int> invalidatedCurves;
    LevelDisplay lastLevels{};
    int unlockResult = -1;

    // LMainLinkUi.
    std::string Translate(const std::string &sid) override;
    void ShowInformation(const std::string &text, std::function<void()> closed) override;
    void ShowMessageBox(const std::string &text) override;
    void SetBusyStatus(const std::string &text) override;
    void SetBusyMax(int max) override;
    void SetBusyPosition(int position) override;
    void ShowBusy(bool modal) override;
    void CloseBusy() override;
    void BusyInterrupted(const std::string &why) override;
    void ConnectResult(bool connected) override;
    void ShowLinkBroken() override;
    bool IsConnectDialogConnected() override { return dialogConnected; }
    bool IsConnectDialogVisible() override { return dialogVisible; }
    void HideConnectDialog() override;
    void ShowConnectDialog() override;
    void ClearScanProgress() override {}
    void StartConnectScan() override;
    void SetStorePresetName(int row, const std::string &name) override;
    void SetRecallPresetName(int row, const std::string &name) override;
    void AskSaveFileName(FileKind kind, std::function<void(const std::string &)> chosen) override;
    void AskOpenFileName(FileKind kind, std::function<void(const std::string &)> chosen) override;
    void ShowUnlockDialog() override;
    void SetUnlockResult(uint8_t answer) override;
    void ShowFactoryConfirmation() override;
    void SetWindowCaption(const std::string &text) override;
    void SetLinkButtonCaption(const std::string &text) override;
    void SetConnectItemCaption(const std::string &text) override;
    void SetLinkButtonEnabled(bool enabled) override;
    void SetLinkButtonDown(bool down) override;
    void SetInterfaceLabel(const std::string &text) override;
    void SetDeviceIdLabel(const std::string &text) override;
    void SetPresetLabels(const std::string &number, const std::string &name) override;
    void SetMainWindowEnabled(bool enabled) override;
    void RefreshAllPages() override;
    void ClearPeqBandSelection() override {}
    void HideGeqBandOverlay() override {}
    void InvalidateCurve(int channel) override;
    void ShowLevels(const LevelDisplay &levels) override;
    void ResetMeters() override;
    bool IsTrafficLogVisible() override { return trafficLogVisible; }
    void AddTrafficLine(const std::string &line) override;

private:
    void Changed();
    void SubmitPassword();

    LMainLink *main = nullptr;
    std::function<void()> pendingClose;
    QTimer tmCancel; // carries the unlock dialog's Cancel to the event loop
};
