#include "LHeadlessUi.h"

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "LMainLink.h"
#include "LSysLinkFactory.h"

namespace {

// English texts of the keys that the connection logic shows.
const std::map<std::string, std::string> &EnglishTexts()
{
    static const std::map<std::string, std::string> texts = {
        {"SID_CONNECT", "Connect"},
        {"SID_DISCONNECT", "Disconnect"},
        {"SID_ONLINE", "OnLine"},
        {"SID_OFFLINE", "OffLine"},
        {"SID_NO_DEVICE", "No Device found."},
        {"SID_LINK_BROKEN", "Link Broken"},
        {"SID_UPLOAD_PRESET", "Upload preset now , please wait..."},
        {"SID_DOWNLOAD_PRESET", "Download preset now , please wait..."},
        {"SID_STORE_PRESET", "Store preset now , please wait..."},
        {"SID_LOAD_PRESET", "Load preset now , please wait..."},
        {"SID_UPLOAD_PARAMETER", "Upload parameters now , please wait..."},
        {"SID_INFO_CON_FIRST", "You Must Connect First !!"},
        {"SID_INFO_NO_SAVE_EXIST", "No Saving Preset Exist !!"},
        {"SID_INFO_ERROR_FILE", "Open File Error !!"},
        {"SID_INFO_ERROR_UNIT", "Unit's Type Error !!"},
        {"SID_INFO_ERROR_VERSION", "Unit's Version Error !!"},
        {"SID_INFO_ERROR_DOWNLAOD", "Download File Error !!"},
    };
    return texts;
}

} // namespace

LHeadlessUi::LHeadlessUi() : candidates(scan.candidates)
{
    tmCancel.setSingleShot(true);
    tmCancel.setInterval(0);
    QObject::connect(&tmCancel, &QTimer::timeout, &tmCancel, [this] {
        if (main)
            main->CloseLink();
    });
    scan.onConnected = [this] {
        dialogVisible = false;
        Changed();
    };
    scan.onExhausted = [this] {
        scanFailed = true;
        informations.push_back(Translate("SID_NO_DEVICE"));
        if (onInformation)
            onInformation(informations.back());
        Changed();
    };
}

LHeadlessUi::~LHeadlessUi() = default;

void LHeadlessUi::Changed()
{
    if (onChange)
        onChange();
}

std::string LHeadlessUi::Translate(const std::string &sid)
{
    const auto &texts = EnglishTexts();
    const auto it = texts.find(sid);
    return it == texts.end() ? sid : it->second;
}

void LHeadlessUi::ShowInformation(const std::string &text, std::function<void()> closed)
{
    informations.push_back(text);
    if (onInformation)
        onInformation(text);
    Changed();
    if (holdInformation) {
        pendingClose = std::move(closed);
        return;
    }
    if (closed)
        closed();
}

void LHeadlessUi::ShowMessageBox(const std::string &text)
{
    messageBoxes.push_back(text);
    Changed();
}

void LHeadlessUi::CloseInformation()
{
    auto closed = std::move(pendingClose);
    pendingClose = nullptr;
    if (closed)
        closed();
}

void LHeadlessUi::SetBusyStatus(const std::string &text) { busyStatus = text; }
void LHeadlessUi::SetBusyMax(int max) { busyMax = max; }

void LHeadlessUi::SetBusyPosition(int position)
{
    busyPosition = position;
    busyPositions.push_back(position);
}

void LHeadlessUi::ShowBusy(bool modal)
{
    busyVisible = true;
    busyModal = modal;
    ++busyShows;
    Changed();
}

void LHeadlessUi::CloseBusy()
{
    busyVisible = false;
    busyModal = false;
    Changed();
}

void LHeadlessUi::BusyInterrupted(const std::string &why)
{
    busyInterruptions.push_back(why);
    Changed();
}

// ---------------------------------------------------------------------------
// Connect dialog

void LHeadlessUi::StartConnectScan()
{
    dialogConnected = false;
    scanFailed = false;
    scan.Start();
}

void LHeadlessUi::ConnectResult(bool connected)
{
    dialogConnected = connected;
    ++connectResults;
    if (!connected)
        ++connectFailures;
    scan.ConnectResult(connected);
    Changed();
}

void LHeadlessUi::ShowLinkBroken()
{
    dialogConnected = false;
    ++linkBrokenCount;
    scan.LinkBroken();
    busyVisible = false;
    Changed();
}

void LHeadlessUi::HideConnectDialog()
{
    dialogVisible = false;
    scan.Halt();
    Changed();
}

void LHeadlessUi::ShowConnectDialog()
{
    dialogVisible = true;
    Changed();
}

// ---------------------------------------------------------------------------
// Lists, files, unlock

void LHeadlessUi::SetStorePresetName(int row, const std::string &name) { storeNames[row] = name; }
void LHeadlessUi::SetRecallPresetName(int row, const std::string &name) { recallNames[row] = name; }

void LHeadlessUi::AskSaveFileName(FileKind, std::function<void(const std::string &)> chosen)
{
    std::string name;
    if (!saveNames.empty()) {
        name = saveNames.front();
        saveNames.pop_front();
    }
    chosen(name);
    Changed();
}

void LHeadlessUi::AskOpenFileName(FileKind, std::function<void(const std::string &)> chosen)
{
    std::string name;
    if (!openNames.empty()) {
        name = openNames.front();
        openNames.pop_front();
    }
    chosen(name);
    Changed();
}

void LHeadlessUi::ShowUnlockDialog()
{
    unlockResult = -1;
    SubmitPassword();
}

void LHeadlessUi::SubmitPassword()
{
    if (!main)
        return;
    if (passwords.empty()) {
        // Cancel.
        tmCancel.start();
        return;
    }
    const std::string pw = passwords.front();
    passwords.pop_front();
    unlockSubmissions.push_back(pw);
    main->SendCommand(CM_MCS_PASS_SUBMIT(main->GetDeviceId(), 0, pw), true);
}

void LHeadlessUi::SetUnlockResult(uint8_t answer)
{
    unlockResult = answer;
    Changed();
    if (!main)
        return;
    if (answer == 1)
        main->SendCommand(CM_MCS_CMD(main->GetDeviceId(), CMD_UPLOAD_START), false);
    else
        SubmitPassword();
}

void LHeadlessUi::ShowFactoryConfirmation()
{
    ++factoryConfirmations;
    if (main)
        main->StartFactoryDefault();
}

// ---------------------------------------------------------------------------
// Captions, pages, meters, log

void LHeadlessUi::SetWindowCaption(const std::string &text) { windowCaption = text; }
void LHeadlessUi::SetLinkButtonCaption(const std::string &text) { linkButtonCaption = text; }
void LHeadlessUi::SetConnectItemCaption(const std::string &text) { connectItemCaption = text; }
void LHeadlessUi::SetLinkButtonEnabled(bool enabled) { linkButtonEnabled = enabled; }
void LHeadlessUi::SetLinkButtonDown(bool down) { linkButtonDown = down; }
void LHeadlessUi::SetInterfaceLabel(const std::string &text) { interfaceLabel = text; }
void LHeadlessUi::SetDeviceIdLabel(const std::string &text) { deviceIdLabel = text; }

void LHeadlessUi::SetPresetLabels(const std::string &number, const std::string &name)
{
    presetNumberLabel = number;
    presetNameLabel = name;
}

void LHeadlessUi::SetMainWindowEnabled(bool enabled) { mainWindowEnabled = enabled; }

void LHeadlessUi::RefreshAllPages()
{
    ++pageRefreshes;
    Changed();
}

void LHeadlessUi::InvalidateCurve(int channel) { invalidatedCurves.push_back(channel); }

void LHeadlessUi::ShowLevels(const LevelDisplay &levels)
{
    lastLevels = levels;
    ++levelDisplays;
    if (onLevels)
        onLevels(levels);
    Changed();
}

void LHeadlessUi::ResetMeters() { ++meterResets; }

void LHeadlessUi::AddTrafficLine(const std::string &line) { trafficLines.push_back(line); }
