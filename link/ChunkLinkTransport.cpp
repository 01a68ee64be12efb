#include "ChunkLinkTransport.h"

ChunkLinkTransport::ChunkLinkTransport(LinkOwner &o, LinkWriter w)
    : LinkTransport(o, kSendBufferSize), writer(std::move(w))
{
}

bool ChunkLinkTransport::Open()
{
    if (IsOpen())
        return false;
    received.Clear();
    return StartWorker();
}

void ChunkLinkTransport::Close()
{
    LinkTransport::Close();
    received.Clear();
}

void ChunkLinkTransport::PutReceived(const uint8_t *p, size_t n)
{
    if (IsOpen())
        received.Put(p, n);
}

bool ChunkLinkTransport::DrainReceived()
{
    for (const ByteVector &chunk : received.TakeAll())
        for (uint8_t b : chunk) {
            if (Stopping())
                return true;
            OnByte(b);
        }
    return true;
}

bool ChunkLinkTransport::WriteViaMainWindow(const uint8_t *p, size_t n) { return writer ? writer(p, n) : false; }
