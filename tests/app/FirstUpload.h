#pragma once
#include "CM_MCS_CMD.h"
#include "LCmd.h"
#include "LMainLink.h"
#include "SimFrontEnd.h"

// The link is online before its first upload starts (the answer to the lock
// status starts it), so "online and no sequence" alone holds for a moment
// before the upload: a test that acts then races with the upload.

// Online with the first upload ended: the model holds the device's image and
// level polling runs.
inline bool FirstUploadEnded(const LMainLink &link)
{
    return link.IsOnline() && link.GetSequence() == LMainLink::Sequence::None && link.IsLevelPolling();
}

// The device received the poll that closes an upload (the poll after the
// parameter blocks). The upload ends on the editor's side before that poll
// reaches the device: frames cleared before it arrives would still get it.
inline bool UploadClosingPollArrived(const SimFrontEnd &sim)
{
    bool afterBlocks = false;
    for (const ByteVector &f : sim.Frames()) {
        const int code = f.size() > CommandFrame::kCodeByte ? f[CommandFrame::kCodeByte] : -1;
        if (code == CMD_GET_PARAMETER_BLOCK)
            afterBlocks = true;
        else if (afterBlocks && code == CMD_POLL)
            return true;
    }
    return false;
}
