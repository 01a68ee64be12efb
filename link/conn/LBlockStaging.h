#pragma once
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

#include "LCmd.h"

// The 29 blocks of 50 bytes of one image transfer, with the set of blocks that
// have arrived. A reply is staged only when it is block 0..28 with exactly 50
// data bytes; the image is complete only when all 29 came.
class LBlockStaging {
public:
    static constexpr int kBlocks = 29;
    static constexpr size_t kBlockSize = 50;

    void Clear();
    // Payload of a block reply: byte 0 the block number, then 50 data bytes.
    // False (nothing staged) for any other shape.
    bool Put(const ByteVector &payload);
    static bool IsValidBlock(const ByteVector &payload);
    bool Has(int block) const { return block >= 0 && block < kBlocks && received.test(size_t(block)); }
    bool IsComplete() const { return received.all(); }
    // The reply payload of a staged block, as the model takes it.
    ByteVector Payload(int block) const;

private:
    std::array<uint8_t, kBlocks * kBlockSize> bytes{};
    std::bitset<kBlocks> received;
};
