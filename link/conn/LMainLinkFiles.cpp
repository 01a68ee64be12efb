// Preset files, whole-unit files and level meters of LMainLink.
#include "LMainLink.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "CM_MCS_CMD.h"
#include "LUnitControl.h"
#include "LevelReply.h"
#include "PresetFile.h"
#include "UnitFile.h"

// ---------------------------------------------------------------------------
// File helpers

std::string LMainLink::SaveFileName(const std::string &chosen, LMainLinkUi::FileKind kind)
{
    const std::string ext = kind == LMainLinkUi::FileKind::Preset ? ".prs" : ".unt";
    // Only the final suffix of the file's own name counts, in any letter case.
    const size_t slash = chosen.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (chosen.size() >= nameStart + ext.size()) {
        std::string tail = chosen.substr(chosen.size() - ext.size());
        std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (tail == ext)
            return chosen;
    }
    return chosen + ext;
}

bool LMainLink::WriteFileAtomically(const std::string &name, const ByteVector &bytes)
{
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only when every byte was written.
    QSaveFile file(QString::fromStdString(name));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool LMainLink::ReadWholeFile(const std::string &name, size_t limit, ByteVector &bytes)
{
    // Reads at most limit + 1 bytes, so that a longer file shows as too long.
    std::ifstream in(name, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(limit + 1, 0);
    in.read(reinterpret_cast<char *>(bytes.data()), std::streamsize(bytes.size()));
    if (in.bad())
        return false;
    bytes.resize(size_t(in.gcount()));
    return true;
}

// ---------------------------------------------------------------------------
// Preset files

void LMainLink::SaveAs(LMainLinkUi::FileKind kind, const ByteVector &content)
{
    ui->AskSaveFileName(kind, [this, kind, content](const std::string &chosen) {
        if (chosen.empty())
            return;
        if (!WriteFileAtomically(SaveFileName(chosen, kind), content))
            ShowInfo("SID_INFO_ERROR_FILE");
    });
}

void LMainLink::SavePresetFile()
{
    // The content is taken before the question, as the model stands now.
    SaveAs(LMainLinkUi::FileKind::Preset, PresetFile::ToBytes(unitControl->GetImage()));
}

void LMainLink::OpenPresetFile()
{
    ui->AskOpenFileName(LMainLinkUi::FileKind::Preset, [this](const std::string &name) {
        if (name.empty())
            return;
        const bool wasUpdating = isUpdatingControls;
        isUpdatingControls = true;
        ui->ClearPeqBandSelection();
        ByteVector bytes;
        // The model checks the whole body before it takes or sends anything.
        if (!ReadWholeFile(name, PresetFile::kSize, bytes)
            || PresetFile::CheckSizeAndMagic(bytes.data(), bytes.size(), PresetFile::kSize, nullptr) != FileStatus::Ok
            || unitControl->ApplyPresetBytes(bytes.data() + PresetFile::kMagicSize,
                                             bytes.size() - PresetFile::kMagicSize) != FileStatus::Ok) {
            isUpdatingControls = wasUpdating;
            ShowInfo("SID_INFO_ERROR_FILE");
            return;
        }
        ui->RefreshAllPages();
        isUpdatingControls = wasUpdating;
        if (HasDevice()) {
            // The level request queued right behind the commands ends the
            // wait. Polling pauses meanwhile, so that no later request stands
            // between the last command and that one.
            afterLoadStep = 12;
            BeginSequence(Sequence::FileLoad);
            StopLevelPolling();
            Send(CMD_LEVELS, false);
            ui->ShowBusy(true);
        }
    });
}

void LMainLink::OpenClick()
{
    OpenPresetFile();
}

// ---------------------------------------------------------------------------
// Whole-unit file

void LMainLink::SaveUnitFile()
{
    SaveAs(LMainLinkUi::FileKind::Unit, UnitFile::FromModel(*unitControl).ToBytes());
}

// ---------------------------------------------------------------------------
// Level meters

void LMainLink::StartLevelPolling()
{
    if (isOnline)
        tmInLevelDet.start();
}

void LMainLink::StopLevelPolling()
{
    tmInLevelDet.stop();
}

void LMainLink::ResetMeters()
{
    ui->ResetMeters();
}

void LMainLink::tmInLevelDetTimer()
{
    Send(CMD_LEVELS, false);
}

void LMainLink::OnLoadEndReply()
{
    // A request already on the wire or queued when the file was opened comes
    // back while the file's commands still wait.
    if (afterLoadStep != 12 || (link && link->QueuedCount() != 0))
        return;
    afterLoadStep = 0;
    Send(CMD_POLL, false);
    if (sequence == Sequence::FileLoad)
        EndSequence();
    ui->CloseBusy();
    StartLevelPolling();
}

void LMainLink::OnLevelReply(const ByteVector &payload)
{
    LevelReply reply;
    if (!LevelReply::Decode(payload.data(), payload.size(), reply))
        return;
    LMainLinkUi::LevelDisplay d{};
    for (int i = 0; i < kInputCount; ++i)
        d.inputSteps[i] = reply.Steps(i);
    for (int k = 0; k < kOutputCount; ++k)
        d.outputSteps[k] = reply.Steps(kInputCount + k);
    d.activity = reply.activity;
    ui->ShowLevels(d);
}
