#include "MainDialogs.h"

#include "EditorWindows.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "Menus.h"
#include "TProtocolViewer.h"
#include "TfmChannelName.h"
#include "TfmHidData.h"
#include "TfmLockPassWord.h"
#include "TfmMain.h"
#include "TfmNetworkSetup.h"
#include "TfmRecallPreset.h"
#include "TfmStorePreset.h"
#include "TfmTest.h"
#include "TfmAbout.h"
#include "TfmChNameList.h"
#include "TfmFactory.h"
#include "TfmLockSetup.h"
#include "TfmMemo.h"
#include "ComboBox.h"
#include "RadioButton.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// The program's windows with the dialogs the main window attaches; the scan
// points at a loopback port that nobody is expected to serve, and is not waited for.
class MainDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        TfmMain::connectOption = {true, "127.0.0.1", 1};
        CreateEditorWindows();
        dialogs = fmMain->Dialogs();
        ASSERT_NE(dialogs, nullptr);
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    MainDialogs *dialogs = nullptr;
};
} // namespace

TEST_F(MainDialogsTest, MenuItemsOpenTheirDialogs)
{
    struct Case {
        TMenuItem *TfmMain::*item;
        std::function<TForm *(MainDialogs &)> form;
    } cases[] = {
        {&TfmMain::NetworkSetup, [](MainDialogs &d) -> TForm * { return d.fmNetworkSetup; }},
        {&TfmMain::TestTone, [](MainDialogs &d) -> TForm * { return d.fmTest; }},
        {&TfmMain::ChNameList, [](MainDialogs &d) -> TForm * { return d.fmChNameList; }},
        {&TfmMain::LockSetup, [](MainDialogs &d) -> TForm * { return d.fmLockSetup; }},
        {&TfmMain::About, [](MainDialogs &d) -> TForm * { return d.fmAbout; }},
        {&TfmMain::MemoShow, [](MainDialogs &d) -> TForm * { return d.fmMemo; }},
        {&TfmMain::HidData, [](MainDialogs &d) -> TForm * { return d.fmHidData; }},
        {&TfmMain::Rs232Code, [](MainDialogs &d) -> TForm * { return d.fmRs232CodeEnglish; }},
    };
    for (const Case &c : cases) {
        TForm *form = c.form(*dialogs);
        ASSERT_FALSE(form->Visible()) << form->Name().toStdString();
        (fmMain->*c.item)->Click();
        EXPECT_TRUE(form->Visible()) << form->Name().toStdString();
        form->Close();
    }
    fmMain->SetLanguage("ChineseGB");
    fmMain->Rs232Code->Click();
    EXPECT_TRUE(dialogs->fmRs232Code->Visible());
    fmMain->TestTone->Click(); // captions follow the language at each showing
    EXPECT_EQ(dialogs->fmTest->Caption(), fmMain->TranslateQ("SID_TEST_TITLE"));
    EXPECT_NE(dialogs->fmTest->Caption(), "Input Signal Select");
}

TEST_F(MainDialogsTest, ConnectionLogicCallsReachTheDialogs)
{
    // Through the main window's side of the connection logic, as the link calls it.
    LMainLinkUi &ui = *fmMain;
    ui.SetStorePresetName(2, "Live");
    ui.SetRecallPresetName(3, "Live");
    EXPECT_EQ(dialogs->fmStorePreset->PresetName(2), "Live          ");
    EXPECT_EQ(dialogs->fmRecallPreset->PresetName(3), "Live          ");

    EXPECT_FALSE(ui.IsTrafficLogVisible());
    dialogs->fmHidData->Show();
    EXPECT_TRUE(ui.IsTrafficLogVisible());
    ui.AddTrafficLine("COM W 10 02 ");
    EXPECT_EQ(dialogs->fmHidData->LineCount(), 1);

    ui.ShowUnlockDialog();
    EXPECT_TRUE(dialogs->fmLockPassWord->Visible());
    ui.SetUnlockResult(1);
    EXPECT_EQ(dialogs->fmLockPassWord->Answer(), 1);
    dialogs->fmLockPassWord->Close();

    ui.ShowFactoryConfirmation();
    EXPECT_TRUE(dialogs->fmFactory->Visible());
    dialogs->fmFactory->Close();

    // Offline a channel name changes the model only.
    dialogs->ShowChannelName(6);
    EXPECT_TRUE(dialogs->fmChannelName->Visible());
    const uint8_t kick[8] = {'K', 'i', 'c', 'k', 0, 0, 0, 0};
    dialogs->SetChannelName(6, kick);
    EXPECT_EQ(dialogs->GetChannelName(6), std::string("Kick\0\0\0\0", 8));
}

// The start makes none of the dialogs; each is made when first asked for,
// and what reached the window before that is in it then.
TEST_F(MainDialogsTest, DialogsAreMadeWhenFirstAskedFor)
{
    const std::pair<const char *, std::function<bool(MainDialogs &)>> made[] = {
        {"store", [](MainDialogs &d) { return d.fmStorePreset.Made(); }},
        {"recall", [](MainDialogs &d) { return d.fmRecallPreset.Made(); }},
        {"store name", [](MainDialogs &d) { return d.fmStoreName.Made(); }},
        {"channel name", [](MainDialogs &d) { return d.fmChannelName.Made(); }},
        {"name list", [](MainDialogs &d) { return d.fmChNameList.Made(); }},
        {"test", [](MainDialogs &d) { return d.fmTest.Made(); }},
        {"lock", [](MainDialogs &d) { return d.fmLockSetup.Made(); }},
        {"unlock", [](MainDialogs &d) { return d.fmLockPassWord.Made(); }},
        {"EQ reset", [](MainDialogs &d) { return d.fmPeqRst.Made(); }},
        {"factory", [](MainDialogs &d) { return d.fmFactory.Made(); }},
        {"about", [](MainDialogs &d) { return d.fmAbout.Made(); }},
        {"network", [](MainDialogs &d) { return d.fmNetworkSetup.Made(); }},
        {"traffic log", [](MainDialogs &d) { return d.fmHidData.Made(); }},
        {"memo", [](MainDialogs &d) { return d.fmMemo.Made(); }},
        {"protocol, English", [](MainDialogs &d) { return d.fmRs232CodeEnglish.Made(); }},
        {"protocol, Chinese", [](MainDialogs &d) { return d.fmRs232Code.Made(); }},
        {"link", [](MainDialogs &d) { return d.fmLinkSel.Made(); }},
        {"copy", [](MainDialogs &d) { return d.fmCopy.Made(); }},
    };
    for (const auto &[name, isMade] : made)
        EXPECT_FALSE(isMade(*dialogs)) << name;

    // Asking whether the traffic log wants a line makes no log.
    LMainLinkUi &ui = *fmMain;
    EXPECT_FALSE(ui.IsTrafficLogVisible());
    ui.AddTrafficLine("COM W 10 02 ");
    EXPECT_FALSE(dialogs->fmHidData.Made());
    EXPECT_EQ(dialogs->fmHidData->LineCount(), 0);

    // A preset name read from the device before the lists were ever opened.
    ui.SetRecallPresetName(4, "Stage");
    dialogs->ShowRecallPresets();
    ASSERT_TRUE(dialogs->fmRecallPreset->Visible());
    EXPECT_EQ(dialogs->fmRecallPreset->PresetName(4), "Stage         ");
    dialogs->fmRecallPreset->Close();

    // The page refresh brings the test-signal dialog in line with the model,
    // whether or not it was opened before.
    ParameterImage img = fmMain->Model().GetImage();
    img.testSignalMode = 3;
    img.sineFreqIndex = 5;
    fmMain->Model().SetImage(img);
    fmMain->RefreshAllPages();
    fmMain->TestTone->Click();
    ASSERT_TRUE(dialogs->fmTest->Visible());
    EXPECT_TRUE(dialogs->fmTest->rbSineWave->Checked());
    EXPECT_EQ(dialogs->fmTest->cbSineFreq->ItemIndex(), 5);
    dialogs->fmTest->Close();
}
