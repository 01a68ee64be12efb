#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

using ByteVector = std::vector<uint8_t>;

// Byte layout of one command or reply on the wire:
//   0x10 0x02 0x00 ID LEN CODE DATA... 0x10 0x03 CHK
// LEN is the payload length + 1, the frame is LEN + 8 bytes, CHK the XOR of every
// byte before it. Received frames carry the device ID in byte 2; there is no
// escaping, the end is found by LEN alone.
struct CommandFrame {
    static constexpr uint8_t kDle = 0x10;
    static constexpr uint8_t kStx = 0x02;
    static constexpr uint8_t kEtx = 0x03;
    static constexpr size_t kHeaderSize = 6;     // 0x10 0x02 0x00 ID LEN CODE
    static constexpr size_t kOverhead = 9;       // header + 0x10 0x03 CHK
    static constexpr size_t kMinSize = kOverhead; // a frame without payload
    static constexpr size_t kMaxPayload = 254;   // LEN is one byte
    static constexpr size_t kLenByte = 4;
    static constexpr size_t kCodeByte = 5;
    static constexpr size_t kReplyIdByte = 2;
    static constexpr size_t kSentIdByte = 3;

    // Whole frame size announced by a LEN byte.
    static constexpr size_t SizeForLen(uint8_t len) { return size_t(len) + 8; }
    // XOR of the n bytes at p.
    static uint8_t Check(const uint8_t *p, size_t n);
    // True when the n bytes start 0x10 0x02 and hold 0x10 0x03 exactly where
    // their LEN byte puts the end, with the check byte after it (n == LEN + 8).
    static bool IsComplete(const uint8_t *p, size_t n);
};

// One command or reply: device ID, command code and payload. Command classes
// derive from it and only fill the three fields in their constructors.
class LCmd {
public:
    LCmd();
    LCmd(uint8_t id, uint8_t code);
    // Parses a received vector. Mode 1: a CommandFrame (ID from byte 2, payload of
    // LEN - 1 bytes); a vector that fails the framing test or is too short for
    // its LEN yields IsFramed() false and ID 0, which no device can have.
    // Mode 0: the whole vector becomes the payload.
    LCmd(const ByteVector &bytes, int mode);
    virtual ~LCmd();

    // Mode 1: the CommandFrame; mode 0: the payload alone; other modes: empty.
    ByteVector ToBytes(int mode) const;

    uint8_t GetId() const { return id; }
    uint8_t GetCode() const { return code; }
    ByteVector GetData() const { return data; }
    // The payload without a copy, for readers that check its length first.
    const ByteVector &Data() const { return data; }
    bool IsFramed() const { return framed; }

protected:
    void PutByte(uint8_t b) { data.push_back(b); }
    void PutWord(uint16_t w)
    {
        data.push_back(uint8_t(w & 0xFF));
        data.push_back(uint8_t(w >> 8));
    }
    void PutBytes(const uint8_t *p, size_t n) { data.insert(data.end(), p, p + n); }

    uint8_t id = 0;
    uint8_t code = 0;
    ByteVector data;

private:
    bool framed = false;
};
