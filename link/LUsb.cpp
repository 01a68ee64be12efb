#include "LUsb.h"

namespace {
constexpr int kExtraTimeouts = 3; // code 0 comes on the timeout after more than this many
}

LUsb::LUsb(LinkOwner &o, LinkWriter w) : ChunkLinkTransport(o, std::move(w)) {}

LUsb::~LUsb() { LUsb::Close(); }

bool LUsb::WriteOut(const uint8_t *p, size_t n)
{
    WriteViaMainWindow(p, n); // the outcome of a report write is not looked at
    return true;
}

void LUsb::OnReplyTimeout()
{
    if (resendCounter < resendCount.load()) {
        extraTimeouts = 0;
        RewritePending();
        ++resendCounter;
    } else if (extraTimeouts > kExtraTimeouts) {
        resendCounter = 0;
        GiveUpPending();
    } else {
        ++extraTimeouts;
    }
}
