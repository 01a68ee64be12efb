#include <gtest/gtest.h>

#include "ConnectOption.h"
#include "EditorWindows.h"
#include "LProgressBar.h"
#include "LUnitControl.h"
#include "MainDialogs.h"
#include "RoundedControls.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "TfmMain.h"

#include "EditorWindowsFixture.h"

namespace {

class StripAndNavigationWindowTest : public OfflineEditorWindows {
protected:
    template <typename T>
    T *Get(const char *name)
    {
        auto *c = dynamic_cast<T *>(fmMain->FindControl(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void Press(const char *button)
    {
        auto *b = Get<TSkBmpButton>(button);
        b->SetDown(true);
        b->Click();
    }
};

TEST_F(StripAndNavigationWindowTest, PageButtonsSwitchTheWindowsPages)
{
    EXPECT_EQ(fmMain->CurrentPage(), 14);
    const struct {
        const char *button, *display;
        int page;
    } rows[] = {{"skbMenuOut3", "skgFftOut3", 6},   {"skbMenuInB", "skgFftInB", 1},
                {"skbMenuMatrix", "skgFftMatrix", 15}, {"skbMenuGeq", "skgFftGeq", 18},
                {"skbMenuGain", "skgFftGain", 14}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.button);
        Press(r.button);
        EXPECT_EQ(fmMain->CurrentPage(), r.page);
        EXPECT_TRUE(Get<TControl>(r.display)->Visible());
    }
    EXPECT_FALSE(Get<TControl>("skgFftOut3")->Visible());
}

TEST_F(StripAndNavigationWindowTest, NameDialogsAndGainMovesReachLabelsModelAndBothStrips)
{
    const uint8_t kick[8] = {'K', 'i', 'c', 'k', 0, 0, 0, 0};
    fmMain->Dialogs()->SetChannelName(2, kick);
    EXPECT_EQ(Get<TControl>("lbMatrixChNameInC")->Caption(), "Kick");
    EXPECT_EQ(Get<TControl>("skbMenuInC")->Hint(), "Kick");

    Get<TSmTrackBar>("isGainBackupOut3")->SetPosition(-201);
    EXPECT_EQ(fmMain->Model().GetGain(6), 79);
    EXPECT_EQ(Get<TSmTrackBar>("isGainOut3")->Position(), -201);
    EXPECT_EQ(Get<TRoundedEdit>("cvdGainOut3")->Text(), "-20.5dB");

    // The window's refresh shows the model on both copies.
    fmMain->Model().SetGain(1, 400);
    fmMain->RefreshAllPages();
    EXPECT_EQ(Get<TSmTrackBar>("isGainInB")->Position(), 120);
    EXPECT_EQ(Get<TSmTrackBar>("isGainBackupInB")->Position(), 120);
}

TEST_F(StripAndNavigationWindowTest, LevelsReachEveryPagesMetersAndAResetClearsThem)
{
    LMainLinkUi::LevelDisplay levels{{9, 8, 7, 6}, {8, 7, 6, 5, 4, 3, 2, 1}, 0};
    fmMain->ShowLevels(levels);
    for (const char *name : {"pbLevelInA", "pbLevelBackupInA", "pbLevelGateInA"})
        EXPECT_EQ(Get<LProgressBar>(name)->Position(), 9) << name;
    for (const char *name : {"pbLevelOut2", "pbLevelBackupOut2", "pbLevelCompOut2", "pbLevelLimitOut2"})
        EXPECT_EQ(Get<LProgressBar>(name)->Position(), 7) << name;
    fmMain->ResetMeters();
    for (const char *name : {"pbLevelInA", "pbLevelBackupInA", "pbLevelOut2", "pbLevelBackupOut2"})
        EXPECT_EQ(Get<LProgressBar>(name)->Position(), 0) << name;
}

} // namespace
