#include "LMainLink.h"

#include <cstdio>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "LUnitControl.h"
#include "LinkErrorCode.h"
#include "SharedConstants.h"
#include "TextHelpers.h"
#include "THidDeviceController.h"

LMainLinkUi::~LMainLinkUi() = default;
LLinkPort::~LLinkPort() = default;
LLinkEvents::~LLinkEvents() = default;
LLinkFactory::~LLinkFactory() = default;

namespace {

// Link settings of the handshake.
constexpr unsigned kComProbeTimeout = 100, kUsbProbeTimeout = 100, kNetProbeTimeout = 4000;
constexpr int kComProbeRetries = 0, kUsbProbeRetries = 3, kNetProbeRetries = 0;
constexpr unsigned kConnectReplyTimeout = 100, kIdentityTimeout = 5000;
constexpr unsigned kOnlineUsbTimeout = 5000, kOnlineTimeout = 1000;
constexpr uint8_t kBroadcastId = 255;

const char kModel[] = "TQ62";
const char kModelAndVersion[] = "TQ62 V010";

} // namespace

std::string LMainLink::PresetLabel(int preset)
{
    char text[16];
    std::snprintf(text, sizeof text, preset < 1 ? "F%02d" : "U%02d", preset);
    return text;
}

LMainLink::LMainLink(LMainLinkUi *ui, LLinkFactory *factory)
    : ui(ui), factory(factory), unitControl(std::make_unique<LUnitControl>(this))
{
    auto oneShot = [](QTimer &t, int ms) {
        t.setSingleShot(true);
        t.setInterval(ms);
    };
    oneShot(tmStartConnect, 300);
    oneShot(tmDisconnect, 300);
    oneShot(tmLinkBroken, 300);
    oneShot(tmComScan, 1);
    oneShot(tmPts, 1000);
    oneShot(tmProcessShow, 100);
    oneShot(tmUpload, 300);
    oneShot(tmWatchdog, 2000);
    tmInLevelDet.setInterval(300);
    tmInLevelDet.setTimerType(Qt::PreciseTimer);

    QObject::connect(&tmStartConnect, &QTimer::timeout, &tmStartConnect, [this] { skbMenuLinkClick(); });
    QObject::connect(&tmDisconnect, &QTimer::timeout, &tmDisconnect, [this] { tmDisconnectTimer(); });
    QObject::connect(&tmLinkBroken, &QTimer::timeout, &tmLinkBroken, [this] { tmLinkBrokenTimer(); });
    QObject::connect(&tmComScan, &QTimer::timeout, &tmComScan, [this] { tmComScanTimer(); });
    QObject::connect(&tmPts, &QTimer::timeout, &tmPts, [this] { tmPtsTimer(); });
    QObject::connect(&tmProcessShow, &QTimer::timeout, &tmProcessShow, [this] { tmProcessShowTimer(); });
    QObject::connect(&tmUpload, &QTimer::timeout, &tmUpload, [this] { tmUploadTimer(); });
    QObject::connect(&tmInLevelDet, &QTimer::timeout, &tmInLevelDet, [this] { tmInLevelDetTimer(); });
    QObject::connect(&tmWatchdog, &QTimer::timeout, &tmWatchdog, [this] { AbandonSequence(); });

    SetDeviceId(1);
}

LMainLink::~LMainLink()
{
    DestroyLink();
}

// ---------------------------------------------------------------------------
// Sending

void LMainLink::SendCommand(const LCmd &cmd, bool append)
{
    if (link)
        link->QueueFrame(cmd.ToBytes(1), append);
}

void LMainLink::Send(uint8_t code, bool append)
{
    SendCommand(CM_MCS_CMD(uint8_t(deviceId), code), append);
}

void LMainLink::SendArg(uint8_t code, uint8_t arg, bool append)
{
    SendCommand(CM_MCS_CMD(uint8_t(deviceId), code, arg), append);
}

void LMainLink::InvalidateCurve(int channel)
{
    ui->InvalidateCurve(channel);
}

void LMainLink::SetStorePresetName(int row, const std::string &name)
{
    ui->SetStorePresetName(row, name);
}

void LMainLink::SetRecallPresetName(int row, const std::string &name)
{
    ui->SetRecallPresetName(row, name);
}

bool LMainLink::LogWanted()
{
    return link && ui->IsTrafficLogVisible();
}

void LMainLink::LogLine(const std::string &line)
{
    if (LogWanted())
        ui->AddTrafficLine(line);
}

void LMainLink::ShowInfo(const char *sid, std::function<void()> closed)
{
    ui->ShowInformation(ui->Translate(sid), std::move(closed));
}

// ---------------------------------------------------------------------------
// Link settings

void LMainLink::SetLinkTimeout(unsigned ms)
{
    if (!link)
        return;
    link->SetTimeout(ms);
}

void LMainLink::SetLinkRetries(int n)
{
    if (!link)
        return;
    linkRetries = n;
    link->SetRetryCount(n);
}

void LMainLink::SetLinkPollingOff(bool off)
{
    if (link)
        link->SetPollingSuspended(off);
}

void LMainLink::SetDeviceId(int id)
{
    if (id < kMinDeviceId || id > kMaxDeviceId)
        return;
    deviceId = id;
    ui->SetDeviceIdLabel("ID : " + IntToText(id));
    if (link)
        link->SetDeviceId(id);
}

void LMainLink::GrantExtraResend()
{
    if (link && link->GetKind() == LLinkPort::Kind::Com)
        link->GrantExtraResends(1);
}

// ---------------------------------------------------------------------------
// Opening and closing

void LMainLink::PrepareOpen()
{
    // The window shows online only while the link that uploaded is open: one
    // that another opening replaces is lost, and reported so, first.
    if (isOnline && link)
        LinkLost("the link was replaced by another");
    isLinked = false;
    lastLinkError.clear();
    // One link at a time: whatever exists goes before the new candidate.
    DestroyLink();
    ResetTransfer();
}

void LMainLink::ProbeOpened(LLinkPort::Kind kind, std::unique_ptr<LLinkPort> opened, unsigned timeout,
                            int retries)
{
    link = std::move(opened);
    ++linkSerial;
    if (!link) {
        // A serial port that cannot be opened shows as a broken link.
        if (kind == LLinkPort::Kind::Com)
            ui->ShowLinkBroken();
        else
            ui->ConnectResult(false);
        return;
    }
    SetLinkTimeout(timeout);
    SetLinkRetries(retries);
    isConnecting = true;
    Send(CMD_CONNECT);
}

void LMainLink::OpenComLink()
{
    PrepareOpen();
    ProbeOpened(LLinkPort::Kind::Com, factory->OpenCom(comPortName, deviceId, this), kComProbeTimeout,
                kComProbeRetries);
}

void LMainLink::OpenUsbLink(UsbFrameWriter writer)
{
    PrepareOpen();
    ProbeOpened(LLinkPort::Kind::Usb, factory->OpenUsb(deviceId, this, std::move(writer)), kUsbProbeTimeout,
                kUsbProbeRetries);
}

void LMainLink::OpenNetLink()
{
    PrepareOpen();
    ProbeOpened(LLinkPort::Kind::Net, factory->OpenNet(deviceId, this), kNetProbeTimeout, kNetProbeRetries);
}

void LMainLink::DestroyLink()
{
    if (!link)
        return;
    // Moved out first, so that nothing reached from Close sees a half-closed link.
    std::unique_ptr<LLinkPort> closing = std::move(link);
    answerWaiters.clear();   // what this link never answered, no other link will
    closing->Close();
}

void LMainLink::ResetTransfer()
{
    const bool running = sequence != Sequence::None;
    transferState = 0;
    afterLoadStep = 0;
    sequence = Sequence::None;
    tmWatchdog.stop();
    tmProcessShow.stop();
    tmPts.stop();
    if (running)
        ui->CloseBusy();
    if (mainWindowDisabled) {
        mainWindowDisabled = false;
        ui->SetMainWindowEnabled(true);
    }
}

void LMainLink::InterruptSequence(const std::string &why)
{
    if (sequence != Sequence::None || afterLoadStep != 0)
        ui->BusyInterrupted(why);
}

void LMainLink::CloseLink()
{
    const bool wasOnline = isOnline && link;
    DestroyLink();
    ResetTransfer();
    StopLevelPolling();
    if (wasOnline || ui->IsConnectDialogConnected())
        ResetWindowOffline();
}

void LMainLink::ResetWindowOffline()
{
    isLinked = false;
    if (hidCtl)
        hidCtl->DeviceChange();
    ui->SetConnectItemCaption(ui->Translate("SID_CONNECT"));
    ui->SetLinkButtonCaption(ui->Translate("SID_OFFLINE"));
    ui->SetWindowCaption(std::string(TitleText) + " " + VersionText);
    ui->SetInterfaceLabel("");
    ui->SetLinkButtonEnabled(true);
    ui->SetLinkButtonDown(false);
    isOnline = false;
    ui->SetMainWindowEnabled(true);
    ResetMeters();
}

// ---------------------------------------------------------------------------
// Link errors and the connect timers

void LMainLink::OnLinkError(int code, int)
{
    if (code == 0 && isConnecting && link) {
        DestroyLink();
        ResetTransfer();
        ui->ConnectResult(false);
    }
    if (isLinked)
        LinkLost(LinkErrorText(code));
}

void LMainLink::LinkLost(const std::string &why)
{
    lastLinkError = why;
    InterruptSequence(lastLinkError);
    CloseLink();
    ui->ClearScanProgress();
    ui->ShowLinkBroken();
    ui->ShowConnectDialog();
}

void LMainLink::tmComScanTimer()
{
    tmComScan.stop();
    if (!ui->IsConnectDialogVisible() || !link)
        return;
    DestroyLink();
    ResetTransfer();
    ui->ConnectResult(false);
}

void LMainLink::skbMenuLinkClick()
{
    tmStartConnect.stop();
    ui->SetLinkButtonEnabled(false);
    ui->SetLinkButtonDown(false);
    if (isOnline) {
        ui->SetConnectItemCaption(ui->Translate("SID_CONNECT"));
        tmDisconnect.start();
    } else {
        ui->StartConnectScan();
        ui->SetConnectItemCaption(ui->Translate("SID_DISCONNECT"));
        ui->ShowConnectDialog();
    }
}

void LMainLink::tmDisconnectTimer()
{
    tmDisconnect.stop();
    if (!link)
        return;
    // A device refused by the identity check never made the connect dialog
    // report a connection, yet the window must come back offline too.
    const bool resetByClose = ui->IsConnectDialogConnected();
    CloseLink();
    if (!resetByClose)
        ResetWindowOffline();
    ui->ShowLinkBroken();
}

void LMainLink::tmLinkBrokenTimer()
{
    tmLinkBroken.stop();
    if (link)
        LinkLost("the USB device was unplugged");
}

// ---------------------------------------------------------------------------
// Reply dispatch and the handshake

void LMainLink::OnReplyFrame(const ByteVector &frame)
{
    const LCmd reply(frame, 1);
    if (!reply.IsFramed() || reply.GetId() != deviceId) {
        tmComScan.start();
        return;
    }
    // While a preset file loads, the device may answer a setter with any
    // code: every reply is a step forward.
    if (sequence == Sequence::FileLoad)
        Progress();
    const ByteVector payload = reply.GetData();
    switch (reply.GetCode()) {
    case CMD_ACK:
        OnAcknowledge();
        break;
    case CMD_CONNECT:
        OnConnectReply();
        break;
    case CMD_IDENTITY:
        OnIdentityReply(payload);
        break;
    case CMD_CURRENT_PRESET:
        OnCurrentPresetReply(payload);
        break;
    case CMD_READ_EEPROM_REPLY:
        OnReadEepromReply(payload);
        break;
    case CMD_UPLOAD_START:
        OnUploadStartReply(payload);
        break;
    case CMD_PARAMETER_BLOCK:
        OnParameterBlockReply(reply.GetId(), payload);
        break;
    case CMD_DOWNLOAD_REPLY:
        OnDownloadChunkReply(payload);
        break;
    case CMD_STORED_PRESET_BLOCK:
        OnStoredPresetReply(reply.GetId(), payload);
        break;
    case CMD_PRESET_NAME:
        OnPresetNameReply(payload);
        break;
    case CMD_LOCK_STATUS:
        OnLockStatusReply(payload);
        break;
    case CMD_PASS_SUBMIT_REPLY:
        if (payload.size() >= 2 && payload[0] == 0)
            ui->SetUnlockResult(payload[1]);
        break;
    case CMD_LEVELS:
        OnLevelReply(payload);
        OnLoadEndReply();
        break;
    default:
        break;
    }
    // No frame behind this reply: the device has answered every frame queued so far.
    if (!answerWaiters.empty() && link && link->QueuedCount() == 0) {
        std::vector<std::function<void()>> answered;
        answered.swap(answerWaiters);
        for (const auto &done : answered)
            done();
    }
}

void LMainLink::CallWhenAnswered(std::function<void()> done)
{
    if (link && done)
        answerWaiters.push_back(std::move(done));
}

void LMainLink::OnConnectReply()
{
    SetLinkTimeout(kConnectReplyTimeout);
    isConnecting = false;
    isLinked = true;
    Send(CMD_IDENTITY);
    SetLinkPollingOff(false);
    SetLinkRetries(1);
    SetLinkTimeout(kIdentityTimeout);
}

void LMainLink::OnIdentityReply(const ByteVector &payload)
{
    std::string text;
    for (uint8_t b : payload)
        text += CharToText(b);
    const char *fault = nullptr;
    // A text shorter than what it is compared with fails.
    if (text.compare(0, 4, kModel) != 0)
        fault = "SID_INFO_ERROR_UNIT";
    else if (text.compare(0, 9, kModelAndVersion) != 0)
        fault = "SID_INFO_ERROR_VERSION";

    if (fault) {
        SendCommand(CM_MCS_CMD(kBroadcastId, CMD_DISCONNECT), true);
        SetLinkPollingOff(true);
        ui->ConnectResult(false);
        ui->HideConnectDialog();
        isLinked = false;
        // Closing the window disconnects the refused link only: the scan may
        // have closed it meanwhile and opened another candidate.
        ShowInfo(fault, [this, refused = linkSerial] {
            if (link && linkSerial == refused)
                tmDisconnect.start();
            else if (!link)
                ResetWindowOffline();
        });
        return;
    }

    ui->ConnectResult(true);
    ui->SetLinkButtonCaption(ui->Translate("SID_ONLINE"));
    ui->SetConnectItemCaption(ui->Translate("SID_DISCONNECT"));
    const LLinkPort::Kind kind = link ? link->GetKind() : LLinkPort::Kind::Com;
    ui->SetInterfaceLabel(kind == LLinkPort::Kind::Com ? comPortName : kind == LLinkPort::Kind::Usb ? "USB" : "NET");
    ui->SetLinkButtonDown(true);
    isOnline = true;
    SetLinkTimeout(kind == LLinkPort::Kind::Usb ? kOnlineUsbTimeout : kOnlineTimeout);
    Send(CMD_LOCK_STATUS);
}

void LMainLink::OnLockStatusReply(const ByteVector &payload)
{
    if (payload.size() < 6)
        return;
    if (payload[5] != 0) {
        transferState = 8;
        tmPts.start();
    } else {
        Send(CMD_UPLOAD_START, false);
    }
}

void LMainLink::tmPtsTimer()
{
    tmPts.stop();
    if (transferState == 8)
        ui->ShowUnlockDialog();
}
