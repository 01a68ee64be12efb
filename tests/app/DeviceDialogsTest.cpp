#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Button.h"
#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "Edit.h"
#include "EditorWindows.h"
#include "FirstUpload.h"
#include "LMainLink.h"
#include "MainDialogs.h"
#include "Menus.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"
#include "TfmChNameList.h"
#include "TfmChannelName.h"
#include "TfmLockPassWord.h"
#include "TfmMain.h"

namespace {

// The channel-name and unlock dialogs end to end: the program's windows, the
// scan pointed at the simulated device on loopback TCP, the dialogs driven as
// a user would, the frames and the device's state checked on the simulator.
class DeviceDialogsTest : public testing::Test {
protected:
    void Start()
    {
        TfmMain::connectOption = {true, "127.0.0.1", sim.Port()};
        CreateEditorWindows();
        fmMain->messageBox = [this](const QString &text) { boxes.push_back(text); };
        fmMain->Show();
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    bool Settled() const { return FirstUploadEnded(fmMain->MainLink()); }
    // The payloads of the frames of `code` that the device received.
    std::vector<ByteVector> Payloads(uint8_t code)
    {
        std::vector<ByteVector> out;
        for (const ByteVector &f : sim.Frames())
            if (f.size() > 6 && f[5] == code)
                out.emplace_back(f.begin() + 6, f.end() - 3);
        return out;
    }
    MainDialogs &Dialogs() { return *fmMain->Dialogs(); }

    SimTcp sim;
    std::vector<QString> boxes;
};

ByteVector NamePayload(uint8_t channel, const char *name)
{
    ByteVector p{channel};
    for (size_t i = 0; i < 8; ++i)
        p.push_back(i < std::strlen(name) ? uint8_t(name[i]) : 0);
    return p;
}

TEST_F(DeviceDialogsTest, ChannelNamesReachTheDevice)
{
    Start();
    ASSERT_TRUE(PumpUntil([&] { return Settled(); }, 30000));
    sim.ClearFrames();

    // One channel: "Kick" and four NUL bytes for channel 6 (output 3).
    Dialogs().ShowChannelName(6);
    TfmChannelName *one = Dialogs().fmChannelName;
    ASSERT_TRUE(one->Visible());
    one->edName->SetText("Kick");
    one->btnOK->Click();
    ASSERT_TRUE(PumpUntil([&] { return !Payloads(CM_MCS_CHANNEL_NAME::kCode).empty(); }, 20000));
    EXPECT_EQ(Payloads(CM_MCS_CHANNEL_NAME::kCode), std::vector<ByteVector>{NamePayload(6, "Kick")});
    ASSERT_TRUE(PumpUntil(
        [&] { return sim.WithSim([](SimProcessor &s) { return std::memcmp(s.image.outputs[2].name, "Kick\0\0\0\0", 8) == 0; }); },
        20000));

    // The list: only the two changed names go out, one command each, in channel order.
    sim.ClearFrames();
    fmMain->ChNameList->Click();
    TfmChNameList *list = Dialogs().fmChNameList;
    ASSERT_TRUE(list->Visible());
    EXPECT_EQ(list->edName[6]->Text(), "Kick");
    list->edName[11]->SetText("Sub");
    list->edName[0]->SetText("Vox");
    list->btnOK->Click();
    ASSERT_TRUE(PumpUntil([&] { return Payloads(CM_MCS_CHANNEL_NAME::kCode).size() >= 2; }, 20000));
    PumpFor(200);
    EXPECT_EQ(Payloads(CM_MCS_CHANNEL_NAME::kCode),
              (std::vector<ByteVector>{NamePayload(0, "Vox"), NamePayload(11, "Sub")}));
    EXPECT_TRUE(sim.WithSim([](SimProcessor &s) {
        return std::memcmp(s.image.inputs[0].name, "Vox\0\0\0\0\0", 8) == 0 &&
               std::memcmp(s.image.outputs[7].name, "Sub\0\0\0\0\0", 8) == 0;
    }));
    EXPECT_TRUE(fmMain->MainLink().IsOnline());
}

// A locked device: the unlock dialog comes up; a wrong password gives the
// message and another try, the right one unlocks and runs the one upload.
TEST_F(DeviceDialogsTest, UnlockWrongThenRightPasswordUploads)
{
    sim.WithSim([](SimProcessor &s) {
        s.locked = true;
        s.password = {'A', 'B', 0, 0};
        return 0;
    });
    Start();
    TfmLockPassWord *unlock = Dialogs().fmLockPassWord;
    ASSERT_TRUE(PumpUntil([&] { return unlock->Visible(); }, 30000));
    EXPECT_TRUE(Payloads(CMD_UPLOAD_START).empty()) << "nothing is uploaded from a locked device";

    unlock->edName->SetText("XY");
    unlock->btnOK->Click();
    ASSERT_TRUE(PumpUntil([&] { return !boxes.empty(); }, 20000));
    EXPECT_EQ(boxes, std::vector<QString>{"Password Error!!"});
    EXPECT_TRUE(unlock->Visible());

    unlock->edName->SetText("AB");
    unlock->btnOK->Click();
    ASSERT_TRUE(PumpUntil([&] { return !unlock->Visible() && Settled() && !Payloads(CMD_UPLOAD_START).empty(); },
                          30000));
    EXPECT_EQ(Payloads(CM_MCS_PASS_SUBMIT::kCode),
              (std::vector<ByteVector>{{0, 'X', 'Y', 0, 0}, {0, 'A', 'B', 0, 0}}));
    EXPECT_EQ(Payloads(CMD_UPLOAD_START).size(), 1u);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(sim.WithSim([](SimProcessor &s) { return s.locked; }));
}

// The device never answers the password: after the checks run out the
// time-out is shown and the link is closed.
TEST_F(DeviceDialogsTest, UnlockWithoutAnAnswerTimesOutAndClosesTheLink)
{
    sim.WithSim([](SimProcessor &s) {
        s.locked = true;
        s.password = {'A', 'B', 0, 0};
        return 0;
    });
    sim.knobs.unansweredCode = CM_MCS_PASS_SUBMIT::kCode;
    Start();
    TfmLockPassWord *unlock = Dialogs().fmLockPassWord;
    ASSERT_TRUE(PumpUntil([&] { return unlock->Visible(); }, 30000));
    unlock->edName->SetText("AB");
    unlock->btnOK->Click();
    ASSERT_TRUE(PumpUntil([&] { return !boxes.empty(); }, 20000));
    EXPECT_EQ(boxes, std::vector<QString>{"Check Time Out!"});
    EXPECT_EQ(unlock->CheckCount(), TfmLockPassWord::kMaxChecks + 1);
    EXPECT_FALSE(unlock->Visible());
    EXPECT_FALSE(fmMain->MainLink().HasLink());
    EXPECT_FALSE(fmMain->MainLink().IsOnline());
    EXPECT_TRUE(Payloads(CMD_UPLOAD_START).empty());
}

} // namespace
