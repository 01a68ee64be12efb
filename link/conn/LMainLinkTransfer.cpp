// The acknowledgement-driven transfer sequences of LMainLink: parameter upload,
// preset store and recall, factory default, whole-unit upload and download.
#include "LMainLink.h"

#include <algorithm>
#include <cstring>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "LUnitControl.h"

namespace {
constexpr unsigned kTransferTimeout = 5000, kLongTimeout = 10000;
constexpr int kLastBlock = LBlockStaging::kBlocks - 1; // 28
constexpr int kPresetCount = 20;
} // namespace

// ---------------------------------------------------------------------------
// Sequence bookkeeping

void LMainLink::BeginSequence(Sequence s)
{
    sequence = s;
    staging.Clear();
    Progress();
}

void LMainLink::BeginUserSequence(Sequence s, int state, unsigned timeout)
{
    transferState = state;
    BeginSequence(s);
    StopLevelPolling();
    ResetMeters();
    SetLinkTimeout(timeout);
    Progress();
}

// A sequence that makes no progress within one reply timeout more than the
// link takes to give a frame up is abandoned; a link that fails reports its own
// error first. Called after the timeout of the step's command is set.
void LMainLink::Progress()
{
    if (sequence == Sequence::None)
        return;
    const unsigned timeout = std::max(link ? link->GetTimeout() : 0u, 100u);
    // The USB link waits five timeouts more after its resends.
    const bool usb = link && link->GetKind() == LLinkPort::Kind::Usb;
    const int timeouts = std::max(linkRetries, 0) + (usb ? 5 : 1) + 1;
    tmWatchdog.start(int(unsigned(timeouts) * timeout));
}

void LMainLink::EndSequence()
{
    sequence = Sequence::None;
    tmWatchdog.stop();
    tmProcessShow.stop();
}

void LMainLink::AbandonSequence()
{
    if (sequence == Sequence::None)
        return;
    ResetTransfer();
    if (isOnline) {
        ui->SetLinkButtonEnabled(true);
        StartLevelPolling();
    }
    ShowInfo("SID_INFO_ERROR_CMD");
}

void LMainLink::SetBusy(const char *sid, int max)
{
    ui->SetBusyStatus(ui->Translate(sid));
    SetBusyPosition(0);
    busyMax = max;
    ui->SetBusyMax(max);
}

void LMainLink::SetBusyPosition(int position)
{
    busyPosition = position;
    ui->SetBusyPosition(position);
}

void LMainLink::tmProcessShowTimer()
{
    tmProcessShow.stop();
    // A sequence that already ended (or was given up) shows no busy window.
    if (sequence != Sequence::None)
        ui->ShowBusy(true);
}

void LMainLink::SetTransferState(int state)
{
    if (!HasDevice())
        return;
    transferState = state;
    if (state == 6)
        BeginSequence(Sequence::Upload);
}

// ---------------------------------------------------------------------------
// Acknowledgements

void LMainLink::OnAcknowledge()
{
    const int state = transferState;
    switch (state) {
    case 1: // recall sent: read the recalled image
        transferState = 0;
        SetLinkTimeout(kTransferTimeout);
        Progress();
        SendArg(CMD_GET_PARAMETER_BLOCK, 0);
        break;
    case 2: // preset name taken: store
        transferState = 9;
        SetLinkTimeout(kLongTimeout);
        Progress();
        SendArg(CMD_STORE_PRESET, uint8_t(currentPreset));
        SetBusyPosition(1);
        break;
    case 3: // factory settings restored: read them
    case 6: // re-upload wanted by the editor
        transferState = 0;
        SetLinkTimeout(kTransferTimeout);
        Progress();
        Send(CMD_UPLOAD_START);
        break;
    case 4: // stored preset selected: read its blocks
        transferState = 0;
        SetLinkTimeout(kTransferTimeout);
        Progress();
        SendArg(CMD_STORED_PRESET_BLOCK, 0);
        break;
    case 5: // unit header written: the records follow
        transferState = 0;
        Progress();
        DownloadNextPreset();
        break;
    case 8:
        transferState = 0;
        break;
    case 9: // stored
        transferState = 0;
        SetBusyPosition(busyMax);
        Send(CMD_POLL, false);
        EndSequence();
        ui->CloseBusy();
        StartLevelPolling();
        break;
    case 10: // download prepared: write the unit header (bytes 1 to 17)
        transferState = 5;
        Progress();
        SendCommand(CM_MCS_WRITE_EEPROM(uint8_t(deviceId), 1, UnitInfoBlock::kSize - 1,
                                        unitFile.unitInfo.bytes + 1),
                    true);
        break;
    default:
        transferState = 0;
        break;
    }
}

// ---------------------------------------------------------------------------
// Parameter upload

void LMainLink::OnUploadStartReply(const ByteVector &payload)
{
    if (payload.size() < size_t(kPresetCount))
        return;
    StopLevelPolling();
    BeginSequence(Sequence::Upload);
    Send(CMD_CURRENT_PRESET);
    unitControl->SetPresetFlags(payload);
    unitControl->ResetPresetNames();
    SetBusy("SID_UPLOAD_PARAMETER", LBlockStaging::kBlocks);
    tmProcessShow.start();
}

void LMainLink::OnCurrentPresetReply(const ByteVector &payload)
{
    if (sequence != Sequence::Upload || payload.empty())
        return;
    Progress();
    // 0 is the factory preset, 1 to 20 the user presets: a number beyond them
    // is held to the last, as the model holds every value the device sends.
    currentPreset = std::min<int>(payload[0], kPresetCount);
    SendArg(CMD_PRESET_NAME, 0);
}

void LMainLink::OnPresetNameReply(const ByteVector &payload)
{
    if (sequence != Sequence::Upload || payload.size() < 1 + kPresetNameSize || payload[0] >= kPresetCount)
        return;
    Progress();
    const int n = payload[0];
    unitControl->SetStoredPresetName(n + 1, payload);
    if (n + 1 == currentPreset)
        unitControl->SetPresetName(ByteVector(payload.begin() + 1, payload.begin() + 1 + kPresetNameSize));
    if (n + 1 < kPresetCount)
        SendArg(CMD_PRESET_NAME, uint8_t(n + 1));
    else
        SendArg(CMD_GET_PARAMETER_BLOCK, 0);
}

void LMainLink::OnParameterBlockReply(uint8_t replyId, const ByteVector &payload)
{
    if (sequence != Sequence::Upload || !staging.Put(payload))
        return;
    Progress();
    const int n = payload[0];
    if (n < kLastBlock) {
        SendCommand(CM_MCS_CMD(replyId, CMD_GET_PARAMETER_BLOCK, uint8_t(n + 1)), true);
        SetBusyPosition(n);
        return;
    }
    if (!staging.IsComplete()) {
        AbandonSequence();
        return;
    }
    // Only a complete set of blocks replaces the image, in block order.
    for (int b = 0; b <= kLastBlock; ++b)
        unitControl->ReceiveImageChunk(staging.Payload(b));
    SetBusyPosition(LBlockStaging::kBlocks);
    Send(CMD_POLL, false);
    EndSequence();
    ui->CloseBusy();
    ui->HideGeqBandOverlay();
    const uint8_t *name = unitControl->GetPresetName();
    ui->SetPresetLabels(PresetLabel(currentPreset), std::string(name, name + kPresetNameSize));
    ui->RefreshAllPages();
    StartLevelPolling();
    ui->SetLinkButtonEnabled(true);
    ui->SetLinkButtonDown(false);
    ui->SetLinkButtonDown(true);
}

// ---------------------------------------------------------------------------
// Presets

void LMainLink::StorePreset(int slot, const uint8_t *name14)
{
    if (!HasDevice() || slot < 0 || slot >= kPresetCount || !name14)
        return;
    const ByteVector name(name14, name14 + kPresetNameSize);
    BeginUserSequence(Sequence::Store, 2, kLongTimeout);
    currentPreset = slot + 1;
    unitControl->SetPresetStored(slot);
    unitControl->SetPresetName(name);
    ui->SetPresetLabels(PresetLabel(currentPreset), std::string(name.begin(), name.end()));
    SendCommand(CM_MCS_PRESETNAME(uint8_t(deviceId), unitControl->GetPresetName()), true);
    SetBusy("SID_STORE_PRESET", 2);
    ui->ShowBusy(true);
}

void LMainLink::RecallPreset(int number)
{
    if (!HasDevice() || number < 0 || number > kPresetCount)
        return;
    BeginUserSequence(Sequence::Upload, 1, kLongTimeout);
    currentPreset = number;
    SendArg(CMD_RECALL_PRESET, uint8_t(number));
    SetBusy("SID_LOAD_PRESET", LBlockStaging::kBlocks);
    ui->ShowBusy(true);
}

void LMainLink::FactoryDefaultClick()
{
    if (HasDevice())
        ui->ShowFactoryConfirmation();
    else
        ShowInfo("SID_INFO_CON_FIRST");
}

void LMainLink::StartFactoryDefault()
{
    if (!HasDevice())
        return;
    BeginUserSequence(Sequence::Upload, 3, kLongTimeout);
    Send(CMD_PREPARE_DOWNLOAD);
}

// ---------------------------------------------------------------------------
// Whole-unit upload

void LMainLink::UploadUnit()
{
    if (!HasDevice()) {
        ShowInfo("SID_INFO_CON_FIRST");
        return;
    }
    int count = 0;
    uploadPresetNo = 255;
    for (int slot = kPresetCount - 1; slot >= 0; --slot)
        if (unitControl->IsPresetStored(slot)) {
            ++count;
            uploadPresetNo = slot + 1;
        }
    if (count == 0) {
        ShowInfo("SID_INFO_NO_SAVE_EXIST");
        return;
    }
    StopLevelPolling();
    ResetMeters();
    BeginSequence(Sequence::UnitUpload);
    SendCommand(CM_MCS_READ_EEPROM(uint8_t(deviceId), 0, UnitInfoBlock::kSize), true);
    SetBusy("SID_UPLOAD_PRESET", count);
    ui->ShowBusy(true);
}

void LMainLink::OnReadEepromReply(const ByteVector &payload)
{
    if (sequence != Sequence::UnitUpload || uploadPresetNo > kPresetCount || !unitControl->SetDeviceInfo(payload))
        return;
    Progress();
    RequestStoredPreset(uploadPresetNo);
}

void LMainLink::RequestStoredPreset(int number)
{
    transferState = 4;
    staging.Clear();
    SendArg(CMD_PARAMETER_BLOCK, uint8_t(number));
}

void LMainLink::OnStoredPresetReply(uint8_t replyId, const ByteVector &payload)
{
    if (sequence != Sequence::UnitUpload || uploadPresetNo > kPresetCount || !staging.Put(payload))
        return;
    Progress();
    const int b = payload[0];
    if (b < kLastBlock) {
        SendCommand(CM_MCS_CMD(replyId, CMD_STORED_PRESET_BLOCK, uint8_t(b + 1)), true);
        return;
    }
    if (!staging.IsComplete()) {
        AbandonSequence();
        return;
    }
    for (int k = 0; k <= kLastBlock; ++k)
        unitControl->ReceivePresetChunk(uploadPresetNo, staging.Payload(k));
    do
        ++uploadPresetNo;
    while (uploadPresetNo <= kPresetCount && !unitControl->IsPresetStored(uploadPresetNo - 1));
    if (uploadPresetNo <= kPresetCount) {
        SetBusyPosition(busyPosition + 1);
        RequestStoredPreset(uploadPresetNo);
        return;
    }
    Send(CMD_POLL, false);
    EndSequence();
    ui->CloseBusy();
    tmUpload.start();
    StartLevelPolling();
}

void LMainLink::tmUploadTimer()
{
    tmUpload.stop();
    SaveUnitFile();
}

// ---------------------------------------------------------------------------
// Whole-unit download

void LMainLink::DownloadUnit()
{
    if (!HasDevice()) {
        ShowInfo("SID_INFO_CON_FIRST");
        return;
    }
    ui->AskOpenFileName(LMainLinkUi::FileKind::Unit, [this](const std::string &name) {
        if (name.empty())
            return;
        ByteVector bytes;
        UnitFile file;
        if (!ReadWholeFile(name, UnitFile::kSize, bytes) || UnitFile::FromBytes(bytes, file) != FileStatus::Ok) {
            ShowInfo("SID_INFO_ERROR_DOWNLAOD");
            return;
        }
        // The link may have gone while the dialog was open.
        if (!HasDevice()) {
            ShowInfo("SID_INFO_CON_FIRST");
            return;
        }
        unitFile = file;
        int count = 0;
        for (const UnitRecord &r : unitFile.records)
            count += r.IsStored() ? 1 : 0;
        downloadPresetNo = 1;
        downloadedRecords = 0;
        BeginUserSequence(Sequence::UnitDownload, 10, kLongTimeout);
        Send(CMD_PREPARE_DOWNLOAD);
        mainWindowDisabled = true;
        ui->SetMainWindowEnabled(false);
        ui->ShowBusy(false);
        SetBusy("SID_DOWNLOAD_PRESET", count);
    });
}

void LMainLink::SendDownloadBlock(int block)
{
    const UnitRecord &record = unitFile.records[downloadPresetNo - 1];
    const auto data = record.DownloadBlock(block);
    downloadBlock = block;
    SendCommand(CM_MCS_DOWNLOAD(uint8_t(deviceId), uint8_t(block), uint8_t(downloadPresetNo - 1), data.data(),
                                data.size()),
                true);
}

void LMainLink::DownloadNextPreset()
{
    while (downloadPresetNo <= kPresetCount) {
        if (unitFile.records[downloadPresetNo - 1].IsStored()) {
            SendDownloadBlock(0);
            return;
        }
        ++downloadPresetNo;
    }
    FinishDownload();
}

void LMainLink::OnDownloadChunkReply(const ByteVector &payload)
{
    // Only the answer to the block just sent moves the download on.
    if (sequence != Sequence::UnitDownload || transferState != 0 || downloadPresetNo > kPresetCount ||
        payload.empty() || payload[0] != downloadBlock)
        return;
    Progress();
    if (downloadBlock < kLastBlock) {
        SendDownloadBlock(downloadBlock + 1);
        return;
    }
    ++downloadedRecords;
    SetBusyPosition(downloadedRecords);
    ++downloadPresetNo;
    DownloadNextPreset();
}

void LMainLink::FinishDownload()
{
    EndSequence();
    ui->CloseBusy();
    ui->SetBusyStatus("");
    mainWindowDisabled = false;
    ui->SetMainWindowEnabled(true);
    SendCommand(CM_MCS_MCU_RESET(uint8_t(deviceId)), true);
    tmDisconnect.start();
}
