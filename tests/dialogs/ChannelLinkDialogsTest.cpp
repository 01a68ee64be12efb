#include "ChannelLinkHost.h"
#include "ComboBox.h"
#include "FakeDialogHost.h"
#include "RenderCheck.h"
#include "SkBmpButton.h"
#include "TfmCopy.h"
#include "TfmLinkSel.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// Records the link calls; masks start as in the default model (every
// channel alone) and follow SetLinkMask.
struct FakeLinks : ChannelLinkHost {
    std::array<int, 12> masks{1, 2, 4, 8, 1, 2, 4, 8, 16, 32, 64, 128};
    std::vector<std::string> calls;

    int GetLinkMask(int c) override { return masks[size_t(c)]; }
    void SetLinkMask(int c, int m) override
    {
        masks[size_t(c)] = m;
        calls.push_back("mask " + std::to_string(c) + " " + std::to_string(m));
    }
    void CopyChannel(int f, int t, bool r) override
    {
        calls.push_back("copy " + std::to_string(f) + " " + std::to_string(t) + (r ? " reload" : ""));
    }
    void ReloadAfterLinkChange() override { calls.push_back("reload"); }
    void SetLinkedMenuCaption(int l, int m) override
    {
        calls.push_back("caption " + std::to_string(l) + " " + std::to_string(m));
    }
    void RefreshLinkedShowButtons(int c, bool v) override
    {
        calls.push_back("show " + std::to_string(c) + (v ? " on" : " off"));
    }
    void ShowGainPage() override { calls.push_back("gain page"); }
    void SelectGeqInputA() override { calls.push_back("geq A"); }

    bool Called(const std::string &s) const { return std::find(calls.begin(), calls.end(), s) != calls.end(); }
};

struct LinkDialogTest : ::testing::Test {
    FakeDialogHost dialogs;
    FakeLinks links;
    TfmLinkSel form{nullptr, &dialogs, &links};

    TSkBmpButton *B(const char *name) { return dynamic_cast<TSkBmpButton *>(form.FindComponent(name)); }
    void Press(const char *name)
    {
        B(name)->SetDown(true);
        B(name)->Click();
    }
    // The grid's leader column of each row of a side.
    std::vector<int> Leaders(int side)
    {
        std::vector<int> out;
        for (int r = 0; r < (side ? 8 : 4); ++r)
            for (int c = 0; c <= r; ++c)
                if (form.Button(side, r, c)->Down())
                    out.push_back(c);
        return out;
    }
};

TEST_F(LinkDialogTest, StartsWithEveryChannelAloneAndItsNamedButtons)
{
    EXPECT_EQ(Leaders(0), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Leaders(1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    for (const char *name : {"skbALinkInA", "skbDLinkInB", "skb8LinkOut8", "skb2LinkOut1", "bnSet", "bnExit"})
        EXPECT_NE(B(name), nullptr) << name;
    EXPECT_NE(form.FindComponent("skgLinlSelInD"), nullptr);
    EXPECT_NE(form.FindComponent("lbLinkSelOut8"), nullptr);
    EXPECT_EQ(B("skbDLinkInB")->Caption(), "InD");
    EXPECT_EQ(B("skbDLinkInB")->Tag(), 1);
}

TEST_F(LinkDialogTest, ARowThatJoinsAnEarlierLeaderCanLeadNoMore)
{
    Press("skbCLinkInB"); // C follows B
    Press("skbBLinkInA"); // B joins A: C stands alone again
    EXPECT_FALSE(B("skbCLinkInB")->Enabled());
    EXPECT_FALSE(B("skbDLinkInB")->Enabled());
    EXPECT_TRUE(B("skbCLinkInC")->Down());
    EXPECT_EQ(Leaders(0), (std::vector<int>{0, 0, 2, 3}));
    Press("skbBLinkInB");
    EXPECT_TRUE(B("skbCLinkInB")->Enabled());
    EXPECT_TRUE(B("skbDLinkInB")->Enabled());
    EXPECT_EQ(form.isGridChanged, 1);
}

TEST_F(LinkDialogTest, SetStoresMasksCopiesNewMembersAndReloads)
{
    form.Show();
    Press("skbBLinkInA");
    Press("skb5LinkOut3");
    links.calls.clear();
    form.bnSetClick();
    const std::vector<std::string> want = {
        "caption 0 1", "copy 0 1", "mask 0 3", "mask 1 0",
        "caption 6 8", "copy 6 8", "mask 6 20", "mask 8 0",
        "reload",
    };
    ASSERT_GE(links.calls.size(), want.size());
    EXPECT_EQ(std::vector<std::string>(links.calls.begin(), links.calls.begin() + long(want.size())), want);
    EXPECT_TRUE(links.Called("show 1 off"));
    EXPECT_TRUE(links.Called("show 0 on"));
    EXPECT_EQ(links.calls[links.calls.size() - 2], "gain page");
    EXPECT_EQ(links.calls.back(), "geq A");
    EXPECT_FALSE(form.Visible());
}

TEST_F(LinkDialogTest, SetWithoutChangeOnlyClosesAndSelectsInputA)
{
    form.Show();
    form.bnSetClick();
    EXPECT_EQ(links.calls, (std::vector<std::string>{"geq A"}));
    EXPECT_FALSE(form.Visible());
}

TEST_F(LinkDialogTest, ExitPutsTheGridBackToTheModel)
{
    links.masks[4] = 0b101; // output 1 leads 1 and 3
    links.masks[6] = 0;
    for (int c = 0; c < 12; ++c)
        form.ShowChannelLinks(c, links.masks[size_t(c)]);
    EXPECT_EQ(Leaders(1), (std::vector<int>{0, 1, 0, 3, 4, 5, 6, 7}));
    form.Show(); // clears the changed mark
    EXPECT_EQ(form.isGridChanged, 0);
    Press("skb3LinkOut3");
    Press("skbBLinkInA");
    form.bnExitClick();
    EXPECT_EQ(Leaders(1), (std::vector<int>{0, 1, 0, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Leaders(0), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FALSE(form.Visible());
}

TEST_F(LinkDialogTest, PublishesLeadersAndPairs)
{
    links.masks[0] = 0b1001; // A leads A and D
    links.masks[3] = 0;
    for (int c = 0; c < 12; ++c)
        form.ShowChannelLinks(c, links.masks[size_t(c)]);
    links.calls.clear();
    form.PublishLinkStates();
    EXPECT_TRUE(links.Called("show 3 off"));
    EXPECT_TRUE(links.Called("caption 0 0"));
    EXPECT_FALSE(links.Called("caption 3 3"));
    links.calls.clear();
    form.PublishLinkPairs();
    EXPECT_TRUE(links.Called("caption 0 3"));
    EXPECT_TRUE(links.Called("caption 11 11"));
}

TEST_F(LinkDialogTest, ShowsCaptionedInBothLanguages)
{
    form.Show();
    EXPECT_EQ(form.Caption(), "SID_LINK_TITLE");
    EXPECT_EQ(form.bnSet->Caption(), "SID_SET");
    EXPECT_GT(DistinctColours(RenderForm(form, "fmLinkSel")), 3);
    form.Close();
}

struct CopyDialogTest : ::testing::Test {
    FakeDialogHost dialogs;
    FakeLinks links;
    TfmCopy form{nullptr, &dialogs, &links};
};

TEST_F(CopyDialogTest, CopiesWithinASideAndStaysOpen)
{
    form.Show();
    EXPECT_EQ(form.Caption(), "SID_COPY_TITLE");
    form.bnInChCopyClick(form.bnInChCopy); // A onto B at start
    form.cbOutSource->SetItemIndex(0);
    form.cbOutDestination->SetItemIndex(2);
    form.bnInChCopyClick(form.bnOutChCopy);
    EXPECT_EQ(links.calls, (std::vector<std::string>{"copy 0 1 reload", "copy 4 6 reload"}));
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.cbInSource->Style(), csDropDownList);
    EXPECT_GT(DistinctColours(RenderForm(form, "fmCopy")), 3);
    form.bnExitClick();
    form.Show(); // the choices are kept
    EXPECT_EQ(form.cbOutDestination->ItemIndex(), 2);
    form.Close();
}

TEST_F(CopyDialogTest, NoChosenItemCopiesNothing)
{
    form.cbInDestination->SetItemIndex(-1);
    form.bnInChCopyClick(form.bnInChCopy);
    EXPECT_TRUE(links.calls.empty());
}

} // namespace
