#pragma once
#include "ChunkLinkTransport.h"

// The USB link's transport. Each frame goes out as one report through the
// writer (TfmMain::UsbWrite); whether that write succeeded is not looked at. An
// unanswered frame is rewritten resend-count times one reply timeout apart and
// then waited for four more timeouts before WM_LINK_ERROR code 0.
class LUsb : public ChunkLinkTransport {
public:
    LUsb(LinkOwner &owner, LinkWriter writer);
    ~LUsb() override;

protected:
    // A report carries a whole frame; a piece that waits this long for the
    // rest of its frame is a broken report and is dropped.
    static constexpr int64_t kFrameGapMs = 200;
    bool WriteOut(const uint8_t *p, size_t n) override;
    void OnNewFrame() override { extraTimeouts = 0; }
    void OnReplyTimeout() override;

private:
    int extraTimeouts = 0; // worker only
};
