#include <gtest/gtest.h>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"

#include <cstdio>
#include <string>

namespace {

std::string Hex(const ByteVector &v)
{
    std::string s;
    char b[4];
    for (size_t i = 0; i < v.size(); ++i) {
        std::snprintf(b, sizeof b, i ? " %02X" : "%02X", v[i]);
        s += b;
    }
    return s;
}

const uint8_t kOut1[8] = {'O', 'u', 't', '1', 0, 0, 0, 0};
const uint8_t kPreset[14] = {'D', 'e', 'f', 'a', 'u', 'l', 't', ' ', 'P', 'r', 'e', 's', 'e', 't'};
// Payload bytes that look like frame markers pass unchanged.
const uint8_t kThree[3] = {0xAA, 0x10, 0x03};

struct FrameCase {
    const char *what;
    ByteVector frame;
    const char *expected;
};

TEST(CommandClassesTest, EveryClassFramesItsArgumentsExactly)
{
    const FrameCase cases[] = {
        {"CM_MCS_COMP(1, 4, 3, 49, 499, 6, 220)", CM_MCS_COMP(1, 4, 3, 49, 499, 6, 220).ToBytes(1), "10 02 00 01 0C 30 04 03 00 31 00 F3 01 06 00 DC 00 10 03 22"},
        {"CM_MCS_LIMIT(1, 11, 49, 499, 12, 400)", CM_MCS_LIMIT(1, 11, 49, 499, 12, 400).ToBytes(1), "10 02 00 01 0A 3F 0B 31 00 F3 01 0C 00 90 01 10 03 60"},
        {"CM_MCS_GATE(1, 2, 0, 99, 99, 180)", CM_MCS_GATE(1, 2, 0, 99, 99, 180).ToBytes(1), "10 02 00 01 0A 3E 02 00 00 63 00 63 00 B4 00 10 03 82"},
        {"CM_MCS_POLARITY(1, 6, 5)", CM_MCS_POLARITY(1, 6, 5).ToBytes(1), "10 02 00 01 03 36 06 01 10 03 32"},
        {"CM_MCS_POLARITY(1, 6, 0)", CM_MCS_POLARITY(1, 6, 0).ToBytes(1), "10 02 00 01 03 36 06 00 10 03 33"},
        {"CM_MCS_PEQ(1, 5, 8, 240, 300, 100, 8, 1)", CM_MCS_PEQ(1, 5, 8, 240, 300, 100, 8, 1).ToBytes(1), "10 02 00 01 0A 33 05 08 F0 00 2C 01 64 08 01 10 03 84"},
        {"CM_MCS_PEQ(2, 0, 0, 120, 41, 35, 0, 0)", CM_MCS_PEQ(2, 0, 0, 120, 41, 35, 0, 0).ToBytes(1), "10 02 00 02 0A 33 00 00 78 00 29 00 23 00 00 10 03 48"},
        {"CM_MCS_GEQ(1, 3, 30, 0x0110)", CM_MCS_GEQ(1, 3, 30, 0x0110).ToBytes(1), "10 02 00 01 05 48 03 1E 10 01 10 03 41"},
        {"CM_MCS_HIGH_PASS(1, 0, 0x0110, 20)", CM_MCS_HIGH_PASS(1, 0, 0x0110, 20).ToBytes(1), "10 02 00 01 05 32 00 10 01 14 10 03 32"},
        {"CM_MCS_LOW_PASS(1, 11, 300, 5)", CM_MCS_LOW_PASS(1, 11, 300, 5).ToBytes(1), "10 02 00 01 05 31 0B 2C 01 05 10 03 17"},
        {"CM_MCS_GAIN(1, 6, 280)", CM_MCS_GAIN(1, 6, 280).ToBytes(1), "10 02 00 01 04 34 06 18 01 10 03 2F"},
        {"CM_MCS_DELAY(1, 4, 65280)", CM_MCS_DELAY(1, 4, 65280).ToBytes(1), "10 02 00 01 04 38 04 00 FF 10 03 C7"},
        {"CM_MCS_DELAYUNIT(1, 2)", CM_MCS_DELAYUNIT(1, 2).ToBytes(1), "10 02 00 01 02 15 02 10 03 15"},
        {"CM_MCS_MATRIX(1, 4, 0x0105)", CM_MCS_MATRIX(1, 4, 0x0105).ToBytes(1), "10 02 00 01 03 3A 04 05 10 03 38"},
        {"CM_MCS_MIX(1, 7, 3, 280)", CM_MCS_MIX(1, 7, 3, 280).ToBytes(1), "10 02 00 01 05 41 07 03 18 01 10 03 59"},
        {"CM_MCS_MUTE(1, 9, 1)", CM_MCS_MUTE(1, 9, 1).ToBytes(1), "10 02 00 01 03 35 09 01 10 03 3E"},
        {"CM_MCS_CHANNEL_NAME(1, 4, kOut1)", CM_MCS_CHANNEL_NAME(1, 4, kOut1).ToBytes(1), "10 02 00 01 0A 3D 04 4F 75 74 31 00 00 00 00 10 03 4C"},
        {"CM_MCS_PRESETNAME(1, kPreset)", CM_MCS_PRESETNAME(1, kPreset).ToBytes(1), "10 02 00 01 0F 26 44 65 66 61 75 6C 74 20 50 72 65 73 65 74 10 03 67"},
        {"CM_MCS_WRITE_EEPROM(1, 1, 3, kThree)", CM_MCS_WRITE_EEPROM(1, 1, 3, kThree).ToBytes(1), "10 02 00 01 07 1A 01 00 03 AA 10 03 10 03 A6"},
        {"CM_MCS_READ_EEPROM(1, 0, 18)", CM_MCS_READ_EEPROM(1, 0, 18).ToBytes(1), "10 02 00 01 04 19 00 00 12 10 03 0F"},
        {"CM_MCS_DOWNLOAD(1, 28, 6, kThree, 3)", CM_MCS_DOWNLOAD(1, 28, 6, kThree, 3).ToBytes(1), "10 02 00 01 06 25 1C 06 AA 10 03 10 03 80"},
        {"CM_MCS_MCU_RESET(1)", CM_MCS_MCU_RESET(1).ToBytes(1), "10 02 00 01 01 04 10 03 05"},
        {"CM_MCS_SET_LOCK(1, \"12\")", CM_MCS_SET_LOCK(1, "12").ToBytes(1), "10 02 00 01 05 2F 31 32 00 00 10 03 29"},
        {"CM_MCS_SET_LOCK(1, \"123456\")", CM_MCS_SET_LOCK(1, "123456").ToBytes(1), "10 02 00 01 05 2F 31 32 33 34 10 03 2E"},
        {"CM_MCS_PASS_SUBMIT(1, 0, \"ab\")", CM_MCS_PASS_SUBMIT(1, 0, "ab").ToBytes(1), "10 02 00 01 06 2D 00 61 62 00 00 10 03 28"},
        {"CM_MCS_WORK_MODE(1, 3, 30)", CM_MCS_WORK_MODE(1, 3, 30).ToBytes(1), "10 02 00 01 03 39 03 1E 10 03 27"},
        {"CM_MCS_CMD(1, CMD_POLL)", CM_MCS_CMD(1, CMD_POLL).ToBytes(1), "10 02 00 01 01 12 10 03 13"},
        {"CM_MCS_CMD(255, CMD_DISCONNECT)", CM_MCS_CMD(255, CMD_DISCONNECT).ToBytes(1), "10 02 00 FF 01 11 10 03 EE"},
        {"CM_MCS_CMD(1, CMD_RECALL_PRESET, 20)", CM_MCS_CMD(1, CMD_RECALL_PRESET, 20).ToBytes(1), "10 02 00 01 02 20 14 10 03 36"},
        {"CM_MCS_CMD(1, CMD_COPY_CHANNEL, 4, 9)", CM_MCS_CMD(1, CMD_COPY_CHANNEL, 4, 9).ToBytes(1), "10 02 00 01 03 2A 04 09 10 03 24"},
        {"CM_MCS_CMD(1, CMD_LINK_MASK, 5, 7)", CM_MCS_CMD(1, CMD_LINK_MASK, 5, 7).ToBytes(1), "10 02 00 01 03 3B 05 07 10 03 3A"},
    };
    for (const FrameCase &c : cases)
        EXPECT_EQ(Hex(c.frame), c.expected) << c.what;
}

TEST(CommandClassesTest, FramesParseBackToTheirFields)
{
    // A frame as the editor sends it parses back once the device's ID stands in byte 2.
    ByteVector f = CM_MCS_DOWNLOAD(7, 3, 19, kThree, 3).ToBytes(1);
    f[2] = 7;
    LCmd back(f, 1);
    EXPECT_TRUE(back.IsFramed());
    EXPECT_EQ(back.GetId(), 7);
    EXPECT_EQ(back.GetCode(), CM_MCS_DOWNLOAD::kCode);
    EXPECT_EQ(back.GetData(), (ByteVector{3, 19, 0xAA, 0x10, 0x03}));
}

TEST(CommandClassesTest, LongBlocksAreCutToOneFrame)
{
    uint8_t big[300] = {};
    // A full 50-byte download block fits; an oversized request is cut so LEN stays honest.
    EXPECT_EQ(CM_MCS_DOWNLOAD(1, 0, 0, big, 50).GetData().size(), 52u);
    const ByteVector d = CM_MCS_DOWNLOAD(1, 0, 0, big, sizeof big).ToBytes(1);
    EXPECT_EQ(d.size(), CommandFrame::SizeForLen(d[CommandFrame::kLenByte]));
    EXPECT_TRUE(CommandFrame::IsComplete(d.data(), d.size()));
    const ByteVector w = CM_MCS_WRITE_EEPROM(1, 0, 255, big).ToBytes(1);
    EXPECT_TRUE(CommandFrame::IsComplete(w.data(), w.size()));
    EXPECT_EQ(w[6 + 2], w[CommandFrame::kLenByte] - 4); // count byte matches the bytes carried
}

} // namespace
