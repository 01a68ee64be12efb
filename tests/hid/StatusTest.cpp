#include "HidError.h"
#include "HidTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(HidStatus, ErrorStringAndCheckAsOneTable)
{
    struct Case
    {
        uint32_t status;
        const char *text;  // after the prefix; nullptr: no text at all
    };
    const Case cases[] = {
        {0x00110000u, nullptr},
        {0xC0120004u, nullptr},  // another facility
        {0x00110001u, nullptr},  // neither bit 30 nor 31
        {0x80110001u, "device not plugged in"},
        {0xC0110001u, "invalid preparsed data"},
        {0xC0110002u, "invalid report type"},
        {0xC0110003u, "invalid report length"},
        {0xC0110004u, "usage not found"},
        {0xC0110005u, "value out of range"},
        {0xC0110006u, "bad logical or physical values"},
        {0xC0110007u, "buffer too small"},
        {0xC0110008u, "internal error"},
        {0xC0110009u, "8042 key translation impossible"},
        {0xC011000Au, "incompatible report ID"},
        {0xC011000Bu, "not a value array"},
        {0xC011000Cu, "is a value array"},
        {0xC011000Du, "data index not found"},
        {0xC011000Eu, "data index out of range"},
        {0xC011000Fu, "button not pressed"},
        {0xC0110010u, "report does not exist"},
        {0xC0110020u, "not implemented"},
        {0x40110000u, "unknown HID error 40110000"},
        {0xC01100ABu, "unknown HID error C01100AB"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.status);
        const QString expected = c.text ? QStringLiteral("HID Error: ") + QString::fromLatin1(c.text) : QString();
        EXPECT_EQ(HidErrorString(c.status), expected);
        if (c.status == HIDP_STATUS_SUCCESS) {
            EXPECT_EQ(HidCheck(c.status), c.status);
        } else if (c.text) {
            try {
                HidCheck(c.status);
                ADD_FAILURE() << "no exception";
            } catch (const EHidClientError &e) {
                EXPECT_EQ(QString::fromUtf8(e.what()), expected);
            }
        } else {
            // A failure without a text passes HidCheck unchanged.
            EXPECT_EQ(HidCheck(c.status), c.status);
            EXPECT_EQ(HidError(c.status), c.status);
        }
    }
}

} // namespace
