#include <gtest/gtest.h>

#include "LCmd.h"
#include "ParameterImage.h"

#include <cstring>

namespace {

class GainCmd : public LCmd {
public:
    GainCmd(uint8_t id_, uint8_t ch, uint16_t gain)
    {
        id = id_;
        code = 0x34;
        PutByte(ch);
        PutWord(gain);
    }
};

TEST(CommandFrameTest, WorkedExamplesFrameByteForByte)
{
    EXPECT_EQ(GainCmd(1, 6, 280).ToBytes(1),
              (ByteVector{0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x06, 0x18, 0x01, 0x10, 0x03, 0x2F}));
    EXPECT_EQ(LCmd(1, 0x12).ToBytes(1), (ByteVector{0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13}));
    EXPECT_EQ(GainCmd(1, 6, 280).ToBytes(0), (ByteVector{0x06, 0x18, 0x01}));
    EXPECT_TRUE(GainCmd(1, 6, 280).ToBytes(2).empty());
}

TEST(CommandFrameTest, ParsingCutsThePayloadByLenAndIgnoresTheCheck)
{
    // 0x10 and 0x10 0x03 inside the payload, a wrong check byte, garbage in byte 3.
    ByteVector f{0x10, 0x02, 0x07, 0x55, 0x04, 0x24, 0x10, 0x10, 0x03, 0x10, 0x03, 0x00};
    LCmd c(f, 1);
    EXPECT_TRUE(c.IsFramed());
    EXPECT_EQ(c.GetId(), 7);
    EXPECT_EQ(c.GetCode(), 0x24);
    EXPECT_EQ(c.GetData(), (ByteVector{0x10, 0x10, 0x03}));
}

TEST(CommandFrameTest, BadVectorsAreRejectedWithoutReadingPastThem)
{
    const ByteVector bad[] = {
        {},
        {0x10, 0x02, 0x01},
        {0x10, 0x02, 0x01, 0x00, 0x01, 0x12, 0x10, 0x04, 0x00},       // wrong end byte
        {0x10, 0x02, 0x01, 0x00, 0x40, 0x12, 0x10, 0x03, 0x00},       // LEN beyond the vector
        {0x10, 0x02, 0x01, 0x00, 0x00, 0x12, 0x10, 0x03, 0x00},       // LEN 0
    };
    for (const ByteVector &v : bad) {
        LCmd c(v, 1);
        EXPECT_FALSE(c.IsFramed());
        EXPECT_EQ(c.GetId(), 0);
        EXPECT_TRUE(c.GetData().empty());
    }
}

TEST(ParameterImageTest, DefaultImageAtItsOffsets)
{
    const ByteVector b = ParameterImage::Default().ToBytes();
    ASSERT_EQ(b.size(), 1448u);
    EXPECT_EQ(std::memcmp(&b[2], "Default Preset", 14), 0);
    EXPECT_EQ(std::memcmp(&b[16], "InA\0\0\0\0\0", 8), 0);
    auto word = [&](size_t off) { return unsigned(b[off] | (b[off + 1] << 8)); };
    EXPECT_EQ(word(16 + 8 + 2), 99u);          // gate release of input A
    EXPECT_EQ(word(16 + 128), 300u);           // input A low-pass frequency
    EXPECT_EQ(word(16 + 3 * 140 + 138), 8u);   // input D link mask
    EXPECT_EQ(word(576 + 4 * 104 + 8), 1u);    // output 5 route mask
    EXPECT_EQ(word(576 + 96), 280u);           // output 1 gain
    EXPECT_EQ(word(576 + 7 * 104 + 102), 128u); // output 8 link mask
    EXPECT_EQ(word(576 + 78 + 4), 499u);       // output 1 compressor release
    EXPECT_EQ(word(576 + 24 + 8 * 6 + 2), 285u); // output 1 band 8 frequency
}

} // namespace
