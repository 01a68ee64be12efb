#include "FrameCollector.h"

void FrameCollector::Feed(const uint8_t *p, size_t n, int64_t nowMs, const FrameHandler &onFrame)
{
    if (n == 0)
        return;
    if (!bytes.empty() && nowMs - lastMs > gapMs)
        bytes.clear();
    lastMs = nowMs;
    for (size_t i = 0; i < n; ++i)
        Push(p[i], onFrame);
}

void FrameCollector::Push(uint8_t b, const FrameHandler &onFrame)
{
    if (bytes.empty() && b != CommandFrame::kDle)
        return;
    if (bytes.size() == 1 && b != CommandFrame::kStx)
        return;
    bytes.push_back(b);
    if (bytes.size() <= CommandFrame::kLenByte)
        return;
    const size_t want = CommandFrame::SizeForLen(bytes[CommandFrame::kLenByte]);
    if (want < CommandFrame::kMinSize) {
        Resync(onFrame);
        return;
    }
    if (bytes.size() < want)
        return;
    if (CommandFrame::IsComplete(bytes.data(), bytes.size())) {
        ByteVector frame;
        frame.swap(bytes);
        onFrame(frame);
        return;
    }
    Resync(onFrame);
}

void FrameCollector::Resync(const FrameHandler &onFrame)
{
    const ByteVector rest(bytes.begin() + 1, bytes.end());
    bytes.clear();
    for (uint8_t b : rest)
        Push(b, onFrame);
}
