#include "FakeDialogHost.h"

#include "Edit.h"
#include "Label.h"
#include "TfmChNameList.h"
#include "TfmChannelName.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(ChannelNameDialog, SendsEightBytesPaddedWithNul)
{
    struct Case {
        int channel;
        const char *typed;
        std::string sent;
        const char *label;
    } cases[] = {
        {6, "Kick", "Kick\0\0\0\0"s, "Out3 :"},
        {0, "", std::string(8, '\0'), "InA :"},
        {11, "Subwoofr", "Subwoofr"s, "Out8 :"},
        {3, "Bass\xC3\xA4\xE4\xB8\xAD" /* non-ASCII refused */, "Bass\0\0\0\0"s, "InD :"},
    };
    for (const Case &c : cases) {
        FakeDialogHost host;
        TfmChannelName dlg(nullptr, &host);
        dlg.SetChannelName("Old\0\0\0\0\0"s);
        EXPECT_EQ(dlg.edName->Text(), "Old");
        dlg.SetChannel(c.channel);
        EXPECT_EQ(dlg.lbChannel->Caption(), c.label);
        dlg.Show();
        dlg.edName->SetText(QString::fromUtf8(c.typed));
        dlg.btnOKClick();
        ASSERT_EQ(host.namesSet.size(), 1u) << c.typed;
        EXPECT_EQ(host.namesSet[0].first, c.channel);
        EXPECT_EQ(host.namesSet[0].second, c.sent) << c.typed;
        EXPECT_FALSE(dlg.Visible());
    }
}

TEST(ChannelNameList, SendsOnlyChangedNamesOneCommandEach)
{
    FakeDialogHost host;
    host.channelNames[1] = "Vox\0\0\0\0\0"s;
    host.channelNames[5] = "Top12345"s;
    TfmChNameList dlg(nullptr, &host);
    dlg.Show();
    EXPECT_EQ(dlg.edName[1]->Text(), "Vox");
    EXPECT_EQ(dlg.edName[5]->Text(), "Top12345");
    EXPECT_EQ(dlg.lbName[4]->Caption(), "Out1");

    dlg.btnOKClick(); // nothing changed
    EXPECT_TRUE(host.namesSet.empty());

    dlg.Show();
    dlg.edName[1]->SetText("Lead");
    dlg.edName[9]->SetText("Fill");
    dlg.btnOKClick();
    ASSERT_EQ(host.namesSet.size(), 2u);
    EXPECT_EQ(host.namesSet[0], std::make_pair(1, "Lead\0\0\0\0"s));
    EXPECT_EQ(host.namesSet[1], std::make_pair(9, "Fill\0\0\0\0"s));
    EXPECT_FALSE(dlg.Visible());
}
