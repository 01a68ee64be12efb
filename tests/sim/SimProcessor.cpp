#include "SimProcessor.h"

SimProcessor::SimProcessor(uint8_t id) : image(ParameterImage::Default()), deviceId(id)
{
    for (auto &s : slots)
        s = ParameterImage::Default();
}

ByteVector SimProcessor::Feed(const uint8_t *p, size_t n)
{
    ByteVector out;
    pending.insert(pending.end(), p, p + n);
    for (;;) {
        size_t start = 0;
        while (start + 1 < pending.size() && !(pending[start] == CommandFrame::kDle && pending[start + 1] == CommandFrame::kStx))
            ++start;
        pending.erase(pending.begin(), pending.begin() + long(start));
        if (pending.size() < CommandFrame::kMinSize)
            break;
        const size_t size = CommandFrame::SizeForLen(pending[CommandFrame::kLenByte]);
        if (pending.size() < size)
            break;
        if (!CommandFrame::IsComplete(pending.data(), size)) {
            pending.erase(pending.begin());
            continue;
        }
        ByteVector frame(pending.begin(), pending.begin() + long(size));
        pending.erase(pending.begin(), pending.begin() + long(size));
        for (const ByteVector &r : HandleFrame(frame))
            out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

std::vector<ByteVector> SimProcessor::HandleFrame(const ByteVector &frame)
{
    received.push_back(frame);
    return {};
}
