#pragma once
#include "ChunkLinkTransport.h"
#include "FrameCollector.h"

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
    // TCP loses and reorders no bytes, but a lost segment comes again 200 ms
    // or more later: the pieces of a reply belong together whatever the pause.
    // A reply that never completes is ended by the reply timeout.
    static constexpr int64_t kFrameGapMs = FrameCollector::kNoGap;
    int WriteFailureCode() const override { return LinkErrorConnectionLost; }
    void OnReplyTimeout() override;
};
