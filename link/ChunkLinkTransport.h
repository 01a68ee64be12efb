#pragma once
#include "LinkTransport.h"
#include "LinkWriter.h"
#include "ReceivedChunks.h"

// The common transport of the USB and network links: it owns no device; the
// worker writes through an injected writer and the owner hands received bytes
// in with PutReceived.
class ChunkLinkTransport : public LinkTransport {
public:
    static constexpr size_t kSendBufferSize = 128;

    // Starts the worker; false when already open or it cannot start.
    virtual bool Open();
    void Close() override;
    // Queues received bytes for the collector (UI thread); ignored while closed.
    virtual void PutReceived(const uint8_t *p, size_t n);

protected:
    static constexpr uint32_t kPollTimeoutMs = 5000;
    uint32_t ReplyMessageId() const { return WM_LINK_REPLY; }
    void LogReply(const ByteVector &) {} // the main window logs what it reads
    ChunkLinkTransport(LinkOwner &owner, LinkWriter writer);
    WaitItem ReceiveItem() override { return WaitItem::Of(received.Event()); }
    // FeedReceived: every queued chunk, byte by byte, to OnByte.
    bool DrainReceived() override;
    bool WriteOut(const uint8_t *p, size_t n) override { return WriteViaMainWindow(p, n); }
    // The worker's write: hands the frame to the injected writer.
    bool WriteViaMainWindow(const uint8_t *p, size_t n);

private:
    LinkWriter writer;
    ReceivedChunks received;
};
