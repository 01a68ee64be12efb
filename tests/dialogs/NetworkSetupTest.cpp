#include "FakeDialogHost.h"

#include "Button.h"
#include "Edit.h"
#include "TfmNetworkSetup.h"

#include <gtest/gtest.h>

namespace {
struct NetworkFixture : ::testing::Test {
    FakeDialogHost host;
    TfmNetworkSetup dlg{nullptr, &host};
    NetworkFixture()
    {
        host.deviceAddress = 0xC0000207; // 192.0.2.7, a documentation address never reached
        host.deviceId = 5;
        host.linked = false;
        dlg.Show();
    }
};
} // namespace

TEST_F(NetworkFixture, ShowsTheAddressOctetsFirstOctetFromHighByte)
{
    const char *expected[4] = {"192", "0", "2", "7"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dlg.edIp[i]->Text(), expected[i]);
    EXPECT_EQ(dlg.Caption(), "SID_SET_NETWORK");
}

TEST_F(NetworkFixture, EditsAreClampedWhenLeftEmptyOnesShowTheOldValue)
{
    struct Case {
        bool id;
        const char *typed;
        const char *shown;
    } cases[] = {{false, "300", "255"}, {false, "255", "255"}, {false, "", "192"}, {true, "0", "1"},
                 {true, "999", "250"},  {true, "250", "250"},  {true, "", "5"}};
    for (const Case &c : cases) {
        TEdit *e = c.id ? dlg.edId : dlg.edIp[0];
        e->SetText(c.typed);
        if (c.id)
            dlg.edIdExit();
        else
            dlg.edIpExit(e);
        EXPECT_EQ(e->Text(), c.shown) << c.typed;
    }
    dlg.edIp[1]->SetText("1x2");
    EXPECT_EQ(dlg.edIp[1]->MaxLength(), 3);
}

TEST_F(NetworkFixture, SetWhileUnlinkedStoresIdAndPointsTheSocket)
{
    const char *octets[4] = {"127", "0", "0", "1"};
    for (int i = 0; i < 4; ++i)
        dlg.edIp[i]->SetText(octets[i]);
    dlg.edId->SetText("7");
    dlg.bnSetClick();
    EXPECT_EQ(host.deviceId, 7);
    EXPECT_EQ(host.socketTargets, QStringList{"127.0.0.1"});
    EXPECT_EQ(host.deviceAddress, 0x7F000001u);
    EXPECT_FALSE(dlg.Visible());
}

TEST_F(NetworkFixture, BadIdReportsAndRestoresOldIdLinkedKeepsAddress)
{
    host.linked = true;
    dlg.SetOnline(true);
    EXPECT_FALSE(dlg.edIp[0]->Enabled());
    dlg.edId->SetText("0");
    dlg.bnSetClick();
    EXPECT_EQ(host.information, QStringList{"SID_ID_NUMBER_ERROR"});
    EXPECT_EQ(dlg.edId->Text(), "5");
    EXPECT_EQ(host.deviceId, 5);
    EXPECT_TRUE(host.socketTargets.isEmpty());
    EXPECT_TRUE(dlg.Visible());

    dlg.edId->SetText("12");
    dlg.bnExitClick(); // Exit restores the current ID and changes nothing
    EXPECT_EQ(dlg.edId->Text(), "5");
    EXPECT_EQ(host.deviceId, 5);
}

TEST(NetworkAddress, PackingReducesEachOctetToItsLowByte)
{
    uint32_t p = 0;
    const QString octets[4] = {"192", "300", "0", "9"};
    ASSERT_TRUE(PackAddress(octets, p));
    EXPECT_EQ(AddressText(p), "192.44.0.9");
    const QString empty[4] = {"1", "", "2", "3"};
    EXPECT_FALSE(PackAddress(empty, p));
}
