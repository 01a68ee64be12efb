#include <gtest/gtest.h>

#include "CM_MCS_CMD.h"
#include "ComboBox.h"
#include "EditorWindows.h"
#include "FirstUpload.h"
#include "LCmd.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "MainDialogs.h"
#include "Menus.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "TfmCopy.h"
#include "TfmLinkSel.h"
#include "TfmMain.h"

#include <algorithm>
#include <cstring>

namespace {

// The program's windows against the simulated device over loopback TCP, or
// offline (a port nothing listens on).
class ChannelLinkWindowTest : public testing::Test {
protected:
    void Create(uint16_t port)
    {
        TfmMain::connectOption = {true, "127.0.0.1", port};
        CreateEditorWindows();
    }
    void CreateOffline()
    {
        uint16_t dead;
        {
            SimTcp probe;
            dead = probe.Port();
        }
        Create(dead);
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    // Online, with the first upload ended (the model shows the device's image)
    // and its closing poll received, so that frames cleared now are the test's.
    bool GoOnline(SimTcp &sim)
    {
        fmMain->Show();
        LMainLink &link = fmMain->MainLink();
        return PumpUntil([&] { return FirstUploadEnded(link) && UploadClosingPollArrived(sim) && SameImage(sim); },
                         30000);
    }
    // Codes of the frames the device received, with their payloads.
    static std::vector<LCmd> Received(SimTcp &sim)
    {
        std::vector<LCmd> out;
        for (const ByteVector &f : sim.Frames())
            out.emplace_back(f, 1);
        return out;
    }
    static bool SameImage(SimTcp &sim)
    {
        const ParameterImage device = sim.WithSim([](SimProcessor &s) { return s.image; });
        const auto mine = fmMain->Model().GetImage().ToBytes(), theirs = device.ToBytes();
        return std::equal(mine.begin() + 2, mine.end(), theirs.begin() + 2);
    }
    TfmLinkSel *LinkSel() { return fmMain->Dialogs()->fmLinkSel; }
    TfmCopy *Copy() { return fmMain->Dialogs()->fmCopy; }
    void Press(const char *name)
    {
        auto *b = dynamic_cast<TSkBmpButton *>(LinkSel()->FindComponent(name));
        ASSERT_NE(b, nullptr) << name;
        b->SetDown(true);
        b->Click();
    }
    QString Caption(const char *name) { return fmMain->FindControl(name)->Caption(); }
};

// Set queues the copy and mask frames; the upload that reloads the pages
// starts only after the device answered all of them, and ends with the
// model equal to the device's image.
TEST_F(ChannelLinkWindowTest, OnlineSetSendsCopyMasksThenPollAndUploadsAfterAll)
{
    SimTcp sim;
    sim.WithSim([](SimProcessor &s) {
        s.image.inputs[0].gain = 123;
        s.image.inputs[0].delay = 960;
        return 0;
    });
    Create(sim.Port());
    ASSERT_TRUE(GoOnline(sim));
    fmMain->Link->Click();
    ASSERT_TRUE(LinkSel()->Visible());
    sim.ClearFrames();
    Press("skbBLinkInA");
    LinkSel()->bnSetClick();
    LMainLink &link = fmMain->MainLink();
    ASSERT_TRUE(PumpUntil(
        [&] {
            const auto r = Received(sim);
            return link.GetSequence() == LMainLink::Sequence::None &&
                   std::any_of(r.begin(), r.end(), [](const LCmd &c) { return c.GetCode() == CMD_UPLOAD_START; });
        },
        30000));
    std::vector<std::pair<uint8_t, ByteVector>> seen;
    for (const LCmd &c : Received(sim))
        if (c.GetCode() == CMD_COPY_CHANNEL || c.GetCode() == CMD_LINK_MASK || c.GetCode() == CMD_POLL ||
            c.GetCode() == CMD_UPLOAD_START)
            seen.push_back({c.GetCode(), c.GetData()});
    ASSERT_GE(seen.size(), 5u);
    EXPECT_EQ(seen[0], (std::pair<uint8_t, ByteVector>{CMD_COPY_CHANNEL, {0, 1}}));
    EXPECT_EQ(seen[1], (std::pair<uint8_t, ByteVector>{CMD_LINK_MASK, {0, 3}}));
    EXPECT_EQ(seen[2], (std::pair<uint8_t, ByteVector>{CMD_LINK_MASK, {1, 0}}));
    // Then the poll whose acknowledgement starts the upload (idle polls may
    // come between), and the upload.
    const auto start = std::find_if(seen.begin(), seen.end(),
                                    [](const auto &p) { return p.first == CMD_UPLOAD_START; });
    ASSERT_NE(start, seen.end());
    EXPECT_GE(start - seen.begin(), 4);
    EXPECT_EQ((start - 1)->first, CMD_POLL);
    EXPECT_TRUE(SameImage(sim));
    EXPECT_EQ(fmMain->Model().GetLinkMask(0), 3);
    EXPECT_EQ(fmMain->Model().GetGain(1), 123);
    EXPECT_EQ(Caption("skbMenuInB"), "B=A");
    EXPECT_FALSE(LinkSel()->Visible());
}

TEST_F(ChannelLinkWindowTest, OnlineCopySendsOneCopyFrameAndUploads)
{
    SimTcp sim;
    sim.WithSim([](SimProcessor &s) {
        s.image.outputs[0].delay = 4800;
        return 0;
    });
    Create(sim.Port());
    ASSERT_TRUE(GoOnline(sim));
    fmMain->Copy->Click();
    ASSERT_TRUE(Copy()->Visible());
    sim.ClearFrames();
    Copy()->cbOutDestination->SetItemIndex(2);
    Copy()->bnInChCopyClick(Copy()->bnOutChCopy);
    LMainLink &link = fmMain->MainLink();
    ASSERT_TRUE(PumpUntil([&] { return fmMain->Model().GetDelay(6) == 4800 && link.GetSequence() == LMainLink::Sequence::None; },
                          30000));
    int copies = 0;
    for (const LCmd &c : Received(sim))
        if (c.GetCode() == CMD_COPY_CHANNEL) {
            ++copies;
            EXPECT_EQ(c.GetData(), (ByteVector{4, 6}));
        }
    EXPECT_EQ(copies, 1);
    EXPECT_TRUE(SameImage(sim));
    EXPECT_TRUE(Copy()->Visible());
}

// Offline the copy reaches every channel of the target's group and the pages
// show it at once; the link captions follow the grid.
TEST_F(ChannelLinkWindowTest, OfflineCopyFillsTheTargetsGroupAndCaptionsFollowTheLinks)
{
    CreateOffline();
    ParameterImage img = fmMain->Model().GetImage();
    img.outputs[0].delay = 960;
    img.outputs[2].linkMask = 0b1100; // output 3 leads 3 and 4
    img.outputs[3].linkMask = 0;
    fmMain->Model().SetImage(img);
    Copy()->cbOutSource->SetItemIndex(0);
    Copy()->cbOutDestination->SetItemIndex(3); // onto the member: its whole group
    Copy()->bnInChCopyClick(Copy()->bnOutChCopy);
    EXPECT_EQ(fmMain->Model().GetDelay(6), 960);
    EXPECT_EQ(fmMain->Model().GetDelay(7), 960);
    EXPECT_EQ(fmMain->Model().GetDelay(5), 0);
    auto *slider = dynamic_cast<TCustomTrackBar *>(fmMain->FindControl("isDelayOut4"));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->Position(), 960);

    Press("skbBLinkInA");
    Press("skb5LinkOut3");
    LinkSel()->bnSetClick();
    EXPECT_EQ(Caption("skbMenuInB"), "B=A");
    EXPECT_EQ(Caption("skbGeqSelInB"), "B=A");
    EXPECT_EQ(Caption("skbMenuOut5"), "5=3");
    EXPECT_EQ(fmMain->Model().GetLinkMask(6), 0b10100 | 0b1000);
    Press("skbBLinkInB");
    LinkSel()->bnSetClick();
    EXPECT_EQ(Caption("skbMenuInB"), "InB");
    EXPECT_EQ(Caption("skbGeqSelInB"), "InB");
    EXPECT_FALSE(fmMain->IsUpdatingControls());
}

} // namespace
