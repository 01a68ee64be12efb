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
