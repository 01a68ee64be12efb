#pragma once
#include "ChunkLinkTransport.h"

// The network link's transport. Each frame is written through the writer
// (TfmMain::NetWrite); a failed send ends the worker with WM_LINK_ERROR code 7.
// An unanswered frame is rewritten resend-count times one reply timeout apart;
// the next timeout gives it up with code 0.
class LNet : public ChunkLinkTransport {
public:
    LNet(LinkOwner &owner, LinkWriter writer);
    ~LNet() override;
    // The connection failed or was closed by the other side (UI thread).
    void ConnectionLost();

protected:
    int WriteFailureCode() const override { return LinkErrorConnectionLost; }
    void OnReplyTimeout() override;
};
