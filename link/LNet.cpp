#include "LNet.h"

LNet::LNet(LinkOwner &o, LinkWriter w) : ChunkLinkTransport(o, std::move(w)) {}

LNet::~LNet() { LNet::Close(); }

void LNet::ConnectionLost()
{
    if (IsOpen())
        NotifyError(LinkErrorConnectionLost, 0);
}

void LNet::OnReplyTimeout()
{
    if (resendCounter < resendCount.load()) {
        RewritePending();
        ++resendCounter;
    } else {
        resendCounter = 0;
        GiveUpPending();
    }
}
