#include "LBlockStaging.h"

#include <algorithm>

void LBlockStaging::Clear()
{
    bytes.fill(0);
    received.reset();
}

bool LBlockStaging::IsValidBlock(const ByteVector &payload)
{
    return payload.size() == 1 + kBlockSize && payload[0] < kBlocks;
}

bool LBlockStaging::Put(const ByteVector &payload)
{
    if (!IsValidBlock(payload))
        return false;
    const size_t n = payload[0];
    std::copy(payload.begin() + 1, payload.end(), bytes.begin() + long(n * kBlockSize));
    received.set(n);
    return true;
}

ByteVector LBlockStaging::Payload(int block) const
{
    ByteVector p;
    if (block < 0 || block >= kBlocks)
        return p;
    p.reserve(1 + kBlockSize);
    p.push_back(uint8_t(block));
    const auto first = bytes.begin() + long(size_t(block) * kBlockSize);
    p.insert(p.end(), first, first + long(kBlockSize));
    return p;
}
