#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include <QTimer>

#include "LBlockStaging.h"
#include "LLinkPort.h"
#include "LMainLinkUi.h"
#include "LUnitHost.h"
#include "UnitFile.h"

class LUnitControl;
class THidDeviceController;

// The main window's connection logic: opening and closing the link, the one send
// routine, the reply dispatcher with the connect handshake, the acknowledgement-
// driven transfer sequences (upload, presets, whole-unit transfers, factory
// default), the preset and whole-unit files, level polling and link loss.
// The main window owns one and forwards to it; it reaches the windows only
// through LMainLinkUi. Everything runs on the UI thread.
class LMainLink : public LUnitHost, public LLinkEvents {
public:
    // The sequence that the replies drive; a reply of another sequence is dropped.
    enum class Sequence { None, Upload, Store, FileLoad, UnitUpload, UnitDownload };

    static constexpr int kMinDeviceId = 1;
    static constexpr int kMaxDeviceId = 254;

    LMainLink(LMainLinkUi *ui, LLinkFactory *factory);
    ~LMainLink() override;
    LMainLink(const LMainLink &) = delete;
    LMainLink &operator=(const LMainLink &) = delete;

    LUnitControl &Model() { return *unitControl; }

    // Link management.
    void SetComPortName(const std::string &name) { comPortName = name; }
    const std::string &GetComPortName() const { return comPortName; }
    void OpenComLink();
    // The USB link writes through `writer` (the main window's report write).
    void OpenUsbLink(UsbFrameWriter writer);
    void SetUsbWriter(UsbFrameWriter writer) { usbWriter = std::move(writer); }
    void OpenUsbLink() { OpenUsbLink(usbWriter); }
    void OpenNetLink();
    // The HID controller that going offline enumerates again (nullptr: none).
    void SetHidController(THidDeviceController *controller) { hidCtl = controller; }
    void CloseLink();
    void SetLinkTimeout(unsigned ms);
    void SetLinkRetries(int n);
    void SetLinkPollingOff(bool off);
    void SetDeviceId(int id);
    // A page switch keeps the window busy for a while: an open serial link
    // gets one resend that does not count against its resends.
    void GrantExtraResend();
    bool HasLink() const { return link != nullptr; }
    bool HasLinkOfKind(LLinkPort::Kind kind) const { return link && link->GetKind() == kind; }
    bool IsLinked() const { return isLinked; }
    // A device answered on the link that is open now: what the user-started
    // sequences need (a link closed during a scan leaves isLinked as it was).
    bool HasDevice() const { return isLinked && link != nullptr; }
    bool IsOnline() const { return isOnline; }
    bool IsConnecting() const { return isConnecting; }
    // Text of the link error that last closed a linked link (empty until one
    // did; cleared when a link is opened).
    const std::string &GetLastLinkError() const { return lastLinkError; }

    // Runs `done` once the device has answered every frame queued on the open
    // link until now; dropped when the link closes first (nothing runs offline).
    void CallWhenAnswered(std::function<void()> done);

    // The link button, and the Connected menu item that presses it.
    void skbMenuLinkClick();
    void ConnectedClick() { skbMenuLinkClick(); }
    // Starts the one-shot start-up timer that presses the link button.
    void StartConnectTimer() { tmStartConnect.start(); }
    // A lost USB device: closes the link 300 ms later (when one exists then).
    void StartLinkBrokenTimer() { tmLinkBroken.start(); }

    // LLinkEvents: what the link delivers.
    void OnReplyFrame(const ByteVector &frame) override;
    void OnLinkError(int code, int argument) override;
    bool LogWanted() override;
    void LogLine(const std::string &line) override;

    // LUnitHost: what the model needs.
    uint8_t GetDeviceId() const override { return uint8_t(deviceId); }
    bool IsUpdatingControls() const override { return isUpdatingControls; }
    void SendCommand(const LCmd &cmd, bool append) override;
    void InvalidateCurve(int channel) override;
    void SetStorePresetName(int row, const std::string &name) override;
    void SetRecallPresetName(int row, const std::string &name) override;
    void SetUpdatingControls(bool on) { isUpdatingControls = on; }

    // Transfer sequences started by the user or the editor.
    int GetTransferState() const { return transferState; }
    // The editor's channel copy and link change: state 6 makes the next
    // acknowledgement start a full upload. Ignored without a link.
    void SetTransferState(int state);
    Sequence GetSequence() const { return sequence; }
    int GetCurrentPreset() const { return currentPreset; }
    int GetAfterLoadStep() const { return afterLoadStep; }
    void StorePreset(int slot, const uint8_t *name14);
    void RecallPreset(int number);
    void StartFactoryDefault();
    // Menu FactoryDefault: the confirmation with a link, else "connect first".
    void FactoryDefaultClick();
    void UploadUnit();
    void DownloadUnit();
    // Menu Upload and Download.
    void UploadClick() { UploadUnit(); }
    void DownloadClick() { DownloadUnit(); }

    // Preset files (menu Save and Open). The controls' update flag is set while
    // a loaded file is applied and the pages refreshed.
    void SavePresetFile();
    void OpenPresetFile();
    void SaveClick() { SavePresetFile(); }
    void OpenClick();

    // Level polling (300 ms while online and no transfer runs).
    void StartLevelPolling();
    void StopLevelPolling();
    bool IsLevelPolling() const { return tmInLevelDet.isActive(); }
    void ResetMeters();

    // "F00" for the factory preset, "U01" to "U20" for the user presets.
    static std::string PresetLabel(int preset);
    // Save-name rule of both file kinds: a name whose file name ends in
    // ".prs"/".unt" (any case) is kept, any other gets the suffix appended.
    static std::string SaveFileName(const std::string &chosen, LMainLinkUi::FileKind kind);

private:
    std::vector<std::function<void()>> answerWaiters;

    // Link life.
    void PrepareOpen();
    // Takes the opened candidate and sends the connect probe; a candidate that
    // could not be opened is reported to the connect dialog.
    void ProbeOpened(LLinkPort::Kind kind, std::unique_ptr<LLinkPort> opened, unsigned timeout, int retries);
    void DestroyLink();
    void ResetTransfer();
    // A link that goes away ends the running sequence: the busy window learns
    // that it was interrupted, and why.
    void InterruptSequence(const std::string &why);
    // The main window's offline captions, buttons and flags.
    void ResetWindowOffline();
    // The link went without the user asking (`why`): the running sequence
    // is interrupted, the window goes offline and the connect dialog comes
    // back with "Link Broken".
    void LinkLost(const std::string &why);

    // Handshake.
    void OnConnectReply();
    void OnIdentityReply(const ByteVector &payload);
    void OnLockStatusReply(const ByteVector &payload);
    void tmPtsTimer();
    void tmComScanTimer();
    void tmDisconnectTimer();
    void tmLinkBrokenTimer();

    // Sequences.
    void BeginSequence(Sequence s);
    // A sequence the user starts: level polling stops, the meters clear, the
    // reply timeout is set before the first command.
    void BeginUserSequence(Sequence s, int state, unsigned timeout);
    void Progress();
    void EndSequence();
    void AbandonSequence();
    void OnAcknowledge();
    void OnUploadStartReply(const ByteVector &payload);
    void OnCurrentPresetReply(const ByteVector &payload);
    void OnPresetNameReply(const ByteVector &payload);
    void OnParameterBlockReply(uint8_t replyId, const ByteVector &payload);
    void OnReadEepromReply(const ByteVector &payload);
    void RequestStoredPreset(int number);
    void OnStoredPresetReply(uint8_t replyId, const ByteVector &payload);
    void OnDownloadChunkReply(const ByteVector &payload);
    void DownloadNextPreset();
    void SendDownloadBlock(int block);
    void FinishDownload();
    void tmProcessShowTimer();
    void tmUploadTimer();
    void OnLevelReply(const ByteVector &payload);
    // A level reply that answers the last frame queued ends a preset-file
    // load: the device has taken every command of the file by then.
    void OnLoadEndReply();
    void tmInLevelDetTimer();

    // Sends a generic command to the device ID.
    void Send(uint8_t code, bool append = true);
    void SendArg(uint8_t code, uint8_t arg, bool append = true);
    void ShowInfo(const char *sid, std::function<void()> closed = {});
    void SetBusy(const char *sid, int max);
    void SetBusyPosition(int position);
    // Writes bytes to `name` through a temporary file and a rename; false when
    // anything failed (nothing is left behind then).
    static bool WriteFileAtomically(const std::string &name, const ByteVector &bytes);
    static bool ReadWholeFile(const std::string &name, size_t limit, ByteVector &bytes);
    // Asks for a file name and writes content under it ("SID_INFO_ERROR_FILE" on failure).
    void SaveAs(LMainLinkUi::FileKind kind, const ByteVector &content);
    void SaveUnitFile();

    LMainLinkUi *ui;
    LLinkFactory *factory;
    std::unique_ptr<LUnitControl> unitControl;
    std::unique_ptr<LLinkPort> link;
    unsigned linkSerial = 0; // counts the links opened, so that a late step can tell its own

    std::string comPortName;
    UsbFrameWriter usbWriter;
    THidDeviceController *hidCtl = nullptr;
    int deviceId = 1;
    int linkRetries = 0; // resend count in force on the link
    std::string lastLinkError;
    bool isOnline = false;
    bool isConnecting = false;
    bool isLinked = false;
    bool isUpdatingControls = false;
    bool mainWindowDisabled = false;

    int transferState = 0;
    Sequence sequence = Sequence::None;
    int currentPreset = 0;
    int afterLoadStep = 0;
    int busyPosition = 0;
    int busyMax = 0;

    // Whole-unit transfers.
    int uploadPresetNo = 255;
    int downloadPresetNo = 1;
    int downloadBlock = 0;          // block of the record last sent
    int downloadedRecords = 0;
    UnitFile unitFile{};            // header and records of the file being downloaded
    LBlockStaging staging;

    QTimer tmStartConnect, tmDisconnect, tmLinkBroken, tmComScan, tmPts;
    QTimer tmProcessShow, tmInLevelDet, tmUpload, tmWatchdog;
};
