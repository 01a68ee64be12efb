#include "LCmd.h"

uint8_t CommandFrame::Check(const uint8_t *p, size_t n)
{
    uint8_t x = 0;
    for (size_t i = 0; i < n; ++i)
        x ^= p[i];
    return x;
}

bool CommandFrame::IsComplete(const uint8_t *p, size_t n)
{
    if (n < kMinSize || p[0] != kDle || p[1] != kStx)
        return false;
    if (n != SizeForLen(p[kLenByte]))
        return false;
    return p[n - 3] == kDle && p[n - 2] == kEtx;
}

LCmd::LCmd() = default;

LCmd::LCmd(uint8_t id_, uint8_t code_) : id(id_), code(code_) {}

LCmd::LCmd(const ByteVector &bytes, int mode)
{
    if (mode == 0) {
        data = bytes;
        return;
    }
    if (mode != 1)
        return;
    const size_t n = bytes.size();
    if (n >= CommandFrame::kMinSize && bytes[0] == CommandFrame::kDle && bytes[1] == CommandFrame::kStx
        && bytes[n - 3] == CommandFrame::kDle && bytes[n - 2] == CommandFrame::kEtx) {
        const size_t len = bytes[CommandFrame::kLenByte];
        // The payload is cut by LEN; one that would reach into the end bytes is
        // refused rather than read past the vector.
        if (len >= 1 && CommandFrame::kHeaderSize + (len - 1) <= n - 3) {
            id = bytes[CommandFrame::kReplyIdByte];
            code = bytes[CommandFrame::kCodeByte];
            data.assign(bytes.begin() + CommandFrame::kHeaderSize,
                        bytes.begin() + CommandFrame::kHeaderSize + (len - 1));
            framed = true;
            return;
        }
    }
    // Not a frame: the code is the first byte and the ID stays 0, which no
    // device can answer with, so the dispatcher treats it as foreign.
    id = 0;
    code = n ? bytes[0] : 0;
}

LCmd::~LCmd() = default;

ByteVector LCmd::ToBytes(int mode) const
{
    if (mode == 0)
        return data;
    if (mode != 1)
        return {};
    ByteVector f;
    f.reserve(data.size() + CommandFrame::kOverhead);
    f.push_back(CommandFrame::kDle);
    f.push_back(CommandFrame::kStx);
    f.push_back(0x00);
    f.push_back(id);
    f.push_back(uint8_t(data.size() + 1));
    f.push_back(code);
    f.insert(f.end(), data.begin(), data.end());
    f.push_back(CommandFrame::kDle);
    f.push_back(CommandFrame::kEtx);
    f.push_back(CommandFrame::Check(f.data(), f.size()));
    return f;
}
