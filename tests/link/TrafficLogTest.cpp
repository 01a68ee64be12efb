#include "TrafficLog.h"

#include <gtest/gtest.h>

TEST(TrafficLog, LinesOfEveryKind)
{
    const uint8_t frame[] = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
    // A report: the frame, then filler that is not part of it.
    const uint8_t report[] = {0x10, 0x02, 0x01, 0x00, 0x01, 0x01, 0x10, 0x03, 0x00, 0x00, 0x00, 0xFF};
    const uint8_t shortRead[] = {0xAB, 0x0C};
    struct Case {
        std::string got, want;
    };
    const Case cases[] = {
        {ComWriteLine(frame, 9), "COM W 10 02 00 01 01 12 10 03 13 "},
        {ComReadLine(report, 9), "COM R 10 02 01 00 01 01 10 03 00 "},
        {UsbWriteLine(0, frame, 9), "USB W 00  10 02 00 01 01 12 10 03 13 "},
        {UsbReadLine(0, report, sizeof report), "USB R 00  10 02 01 00 01 01 10 03 00 "},
        {NetWriteLine(frame, 9), "NET W 10 02 00 01 01 12 10 03 13 "},
        {NetReadLine(report, sizeof report), "NET R 10 02 01 00 01 01 10 03 00 "},
        {NetReadLine(shortRead, 2), "NET R AB 0C "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.got, c.want);
}
