#include "ChannelStrip.h"

#include "../device/RecordingHost.h"
#include "CommandClasses.h"
#include "FakePageHost.h"
#include "LProgressBar.h"
#include "MainLayout.h"
#include "PageNames.h"
#include "RoundedControls.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "TestInput.h"
#include "UpDown.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

using PageNames::SideName;

struct Strip : ::testing::Test {
    FakePageHost host;
    RecordingHost commands;
    ChannelStrip strip{host};

    void SetUp() override
    {
        MainLayout::Build(host, host.form);
        strip.Build(host.form);
        strip.ApplyLanguage();
        host.model.SetHost(&commands);
        host.form->Show();
        QApplication::setActiveWindow(host.form->Widget());
    }
    template <typename T>
    T *Get(const char *stem, int ch)
    {
        auto *c = dynamic_cast<T *>(host.FindControl(SideName(stem, ch)));
        EXPECT_NE(c, nullptr) << stem << ch;
        return c;
    }
    // Frames sent, as (command code, channel).
    std::vector<std::pair<int, int>> Sent()
    {
        std::vector<std::pair<int, int>> v;
        for (const auto &s : commands.sent)
            v.push_back({s.frame[CommandFrame::kCodeByte], s.frame[CommandFrame::kCodeByte + 1]});
        return v;
    }
    void UserClick(TSkBmpButton *b) { Click(b->Widget(), QPoint(b->Width() / 2, b->Height() / 2)); }
};

TEST_F(Strip, GainMoveShowsTheTextOnBothCopiesAndStoresTheWord)
{
    struct Row {
        int channel, position, word;
        const char *text;
        bool backup;
    };
    const Row rows[] = {
        {0, 120, 400, "+12.0dB", false}, {3, 0, 280, "+0.0dB", true},    {4, -1, 279, "-0.1dB", false},
        {6, -200, 80, "-20.0dB", true},  {6, -201, 79, "-20.5dB", false}, {11, -280, 0, "-60.0dB", true},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.position);
        host.updating = true; // start every row from another position
        Get<TSmTrackBar>("isGain", r.channel)->SetPosition(1);
        Get<TSmTrackBar>("isGainBackup", r.channel)->SetPosition(1);
        host.updating = false;
        commands.sent.clear();
        auto *moved = Get<TSmTrackBar>(r.backup ? "isGainBackup" : "isGain", r.channel);
        moved->SetPosition(r.position);
        EXPECT_EQ(Get<TSmTrackBar>(r.backup ? "isGain" : "isGainBackup", r.channel)->Position(), r.position);
        EXPECT_EQ(Get<TRoundedEdit>("cvdGain", r.channel)->Text(), r.text);
        EXPECT_EQ(Get<TRoundedEdit>("cvdGainBackup", r.channel)->Text(), r.text);
        EXPECT_EQ(host.model.GetGain(r.channel), r.word);
        // The twin's handler runs inside the first: the model is set twice.
        const std::pair<int, int> gain{CM_MCS_GAIN::kCode, r.channel};
        EXPECT_EQ(Sent(), (std::vector<std::pair<int, int>>{gain, gain}));
    }
}

TEST_F(Strip, WhileControlsAreUpdatedAMoveChangesNothing)
{
    host.updating = true;
    Get<TSmTrackBar>("isGain", 5)->SetPosition(-50);
    Get<TSmTrackBar>("isGainBackup", 5)->SetPosition(-70);
    EXPECT_EQ(Get<TSmTrackBar>("isGainBackup", 5)->Position(), -70);
    EXPECT_EQ(Get<TSmTrackBar>("isGain", 5)->Position(), -50);
    EXPECT_EQ(Get<TRoundedEdit>("cvdGain", 5)->Text(), "+0.0dB");
    EXPECT_EQ(host.model.GetGain(5), 280);
    EXPECT_TRUE(commands.sent.empty());
}

TEST_F(Strip, PolarityOnTheGainPagePressesThePageCopyWithOneCommand)
{
    auto *backup = Get<TSkBmpButton>("skbPhaseBackup", 6);
    UserClick(backup);
    EXPECT_TRUE(backup->Down());
    EXPECT_TRUE(Get<TSkBmpButton>("skbPhase", 6)->Down());
    EXPECT_EQ(backup->Caption(), "SID_PHASE_ON");
    EXPECT_EQ(Get<TSkBmpButton>("skbPhase", 6)->Caption(), "SID_PHASE_ON");
    EXPECT_EQ(host.model.GetPolarity(6), 1);
    EXPECT_EQ(Sent(), (std::vector<std::pair<int, int>>{{CM_MCS_POLARITY::kCode, 6}}));
    UserClick(Get<TSkBmpButton>("skbPhase", 6));
    EXPECT_FALSE(backup->Down());
    EXPECT_EQ(backup->Caption(), "SID_PHASE_OFF");
    EXPECT_EQ(host.model.GetPolarity(6), 0);
}

TEST_F(Strip, EachGainPageToggleStaysDownBesideTheOthers)
{
    for (int ch = 0; ch < 12; ++ch)
        UserClick(Get<TSkBmpButton>("skbMuteBackup", ch));
    for (int ch = 0; ch < 12; ++ch) {
        SCOPED_TRACE(ch);
        EXPECT_TRUE(Get<TSkBmpButton>("skbMuteBackup", ch)->Down());
        EXPECT_TRUE(Get<TSkBmpButton>("skbMute", ch)->Down());
        EXPECT_TRUE(host.model.IsMuted(ch));
    }
}

TEST_F(Strip, AMembersEditReachesTheWholeGroupWithOneCommandForItself)
{
    host.model.SetLinkMask(4, 0x07); // Out1 leads Out2 and Out3
    host.model.SetLinkMask(5, 0);
    host.model.SetLinkMask(6, 0);
    commands.sent.clear();

    UserClick(Get<TSkBmpButton>("skbMute", 5));
    for (int ch : {4, 5, 6}) {
        SCOPED_TRACE(ch);
        EXPECT_TRUE(host.model.IsMuted(ch));
        EXPECT_TRUE(Get<TSkBmpButton>("skbMute", ch)->Down());
        EXPECT_TRUE(Get<TSkBmpButton>("skbMuteBackup", ch)->Down());
    }
    EXPECT_FALSE(host.model.IsMuted(7));
    EXPECT_EQ(Sent(), (std::vector<std::pair<int, int>>{{CM_MCS_MUTE::kCode, 5}}));

    commands.sent.clear();
    Get<TSmTrackBar>("isGainBackup", 6)->SetPosition(-201);
    for (int ch : {4, 5, 6}) {
        SCOPED_TRACE(ch);
        EXPECT_EQ(host.model.GetGain(ch), 79);
        EXPECT_EQ(Get<TSmTrackBar>("isGain", ch)->Position(), -201);
        EXPECT_EQ(Get<TRoundedEdit>("cvdGainBackup", ch)->Text(), "-20.5dB");
    }
    EXPECT_EQ(Get<TSmTrackBar>("isGain", 7)->Position(), 0);
    for (const auto &s : Sent())
        EXPECT_EQ(s, std::make_pair(int(CM_MCS_GAIN::kCode), 6));
    EXPECT_FALSE(host.updating);

    UserClick(Get<TSkBmpButton>("skbPhaseBackup", 4));
    for (int ch : {4, 5, 6})
        EXPECT_EQ(Get<TSkBmpButton>("skbPhase", ch)->Caption(), "SID_PHASE_ON");

    // What a saved preset holds: every member's edit, read back from the file.
    const ByteVector saved = host.model.ToPresetString();
    LUnitControl reloaded;
    ASSERT_EQ(reloaded.ApplyPresetBytes(saved.data() + PresetFile::kMagicSize, saved.size() - PresetFile::kMagicSize),
              FileStatus::Ok);
    for (int ch : {4, 5, 6}) {
        SCOPED_TRACE(ch);
        EXPECT_TRUE(reloaded.IsMuted(ch));
        EXPECT_EQ(reloaded.GetGain(ch), 79);
        EXPECT_EQ(reloaded.GetPolarity(ch), 1);
    }
    EXPECT_FALSE(reloaded.IsMuted(7));
}

TEST_F(Strip, MetersShowLevelsAndActivityAndClear)
{
    for (int ch = 4; ch < 12; ++ch) {
        auto *ratio = new TUpDown(host.form);
        ratio->SetName(SideName("udCompRatio", ch));
        ratio->SetMax(15);
        ratio->SetPosition(ch == 4 ? 0 : 3);
        host.RegisterControl(ratio);
    }
    LMainLinkUi::LevelDisplay levels{{9, 0, 7, 3}, {8, 1, 2, 3, 4, 5, 6, 7}, 0x0103};
    strip.ShowLevels(levels);
    for (int ch = 0; ch < 12; ++ch) {
        SCOPED_TRACE(ch);
        const int steps = ch < 4 ? levels.inputSteps[ch] : levels.outputSteps[ch - 4];
        EXPECT_EQ(Get<LProgressBar>("pbLevel", ch)->Position(), steps);
        EXPECT_EQ(Get<LProgressBar>("pbLevelBackup", ch)->Position(), steps);
    }
    // Bit 0 with output 1's ratio at 0 stays dark; bit 1 lights output 2.
    EXPECT_EQ(Get<LProgressBar>("pbLimitBackup", 4)->Position(), 0);
    EXPECT_EQ(Get<LProgressBar>("pbLimitBackup", 5)->Position(), 1);
    EXPECT_EQ(Get<LProgressBar>("pbLimitBackup", 6)->Position(), 0);
    // A lit input meter lights its top segment red; the activity bar orange.
    auto *full = Get<LProgressBar>("pbLevel", 0);
    EXPECT_EQ(full->SegmentCount(), 9);
    EXPECT_EQ(full->SegmentColor(1), full->LFirstColor());
    EXPECT_EQ(Get<LProgressBar>("pbLimitBackup", 5)->SegmentColor(1), TColor(4629503));

    Get<LProgressBar>("pbLimit", 7)->SetPosition(1);
    strip.ResetMeters();
    for (int ch = 0; ch < 12; ++ch) {
        EXPECT_EQ(Get<LProgressBar>("pbLevel", ch)->Position(), 0);
        EXPECT_EQ(Get<LProgressBar>("pbLevelBackup", ch)->Position(), 0);
    }
    EXPECT_EQ(Get<LProgressBar>("pbLimit", 7)->Position(), 0);
    EXPECT_EQ(Get<LProgressBar>("pbLimitBackup", 5)->Position(), 0);
}

TEST_F(Strip, GainPageStripsStandSideBySideInsideTheirFrame)
{
    TControl *area = host.FindControl("skgParamGain");
    int right = 0;
    for (int ch = 0; ch < 12; ++ch) {
        SCOPED_TRACE(ch);
        TControl *frame = Get<TControl>("skgGainBackup", ch);
        EXPECT_EQ(frame->Parent(), area);
        EXPECT_GT(frame->Left(), right);
        right = frame->Left() + frame->Width();
        EXPECT_LE(right, area->Width());
        EXPECT_LE(frame->Top() + frame->Height(), area->Height());
        for (const char *stem : {"isGainBackup", "cvdGainBackup", "skbMuteBackup", "skbPhaseBackup"}) {
            TControl *c = Get<TControl>(stem, ch);
            EXPECT_EQ(c->Parent(), frame);
            EXPECT_LE(c->Left() + c->Width(), frame->Width());
            EXPECT_LE(c->Top() + c->Height(), frame->Height());
        }
    }
}

} // namespace
