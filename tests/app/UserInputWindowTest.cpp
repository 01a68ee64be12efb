#include <gtest/gtest.h>

#include "Button.h"
#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "Edit.h"
#include "EditorWindows.h"
#include "FileDialogs.h"
#include "FirstUpload.h"
#include "Label.h"
#include "LCmd.h"
#include "LMainLink.h"
#include "MainDialogs.h"
#include "Menus.h"
#include "OfflineUserInput.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "TfmAbout.h"
#include "TfmChannelName.h"
#include "TfmChNameList.h"
#include "TfmCopy.h"
#include "TfmExit.h"
#include "TfmInformation.h"
#include "TfmLinkSel.h"
#include "TfmLockSetup.h"
#include "TfmMain.h"
#include "TfmNetwork.h"
#include "TfmNetworkSetup.h"
#include "TfmRecallPreset.h"
#include "TfmStoreName.h"
#include "TfmStorePreset.h"
#include "TfmTest.h"
#include "TProtocolViewer.h"
#include "UserInput.h"
#include "ValueListEditor.h"

#include <QApplication>
#include <QTableWidget>
#include <QTimer>

#include <functional>
#include <set>

namespace {

// The program's windows online with the simulated device, used as a user
// uses them: clicks and keys through the window system at places read from
// the laid-out widgets.
class OnlineUserInput : public testing::Test {
protected:
    void SetUp() override
    {
        TfmMain::connectOption = {true, "127.0.0.1", sim.Port()};
        CreateEditorWindows();
        fmMain->Show();
        // The connect dialog closes a little after the device answered; the
        // upload may end before that.
        ASSERT_TRUE(PumpUntil([] { return FirstUploadEnded(fmMain->MainLink()) && !fmNetwork->Visible(); }, 30000));
        UserInput::Render();
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    // Codes of the frames the device received, polls and level requests left out.
    std::set<int> SentCodes() const
    {
        std::set<int> codes;
        for (const ByteVector &f : sim.Frames())
            if (f.size() > CommandFrame::kCodeByte && f[CommandFrame::kCodeByte] != CMD_POLL &&
                f[CommandFrame::kCodeByte] != CMD_LEVELS)
                codes.insert(f[CommandFrame::kCodeByte]);
        return codes;
    }
    static QWidget *Window(TCustomForm *form) { return form->WindowWidget(); }
    static QWidget *MainWidget(const char *name)
    {
        auto *c = dynamic_cast<TWinControl *>(fmMain->FindControl(name));
        return c ? c->Widget() : nullptr;
    }
    // The window the user's keys go to: the active one.
    static QWidget *KeyWindow(TCustomForm *fallback)
    {
        QWidget *active = QApplication::activeWindow();
        return active ? active : Window(fallback);
    }
    // Clears the device's frames and opens the preset list by its main-window button.
    void OpenList(const char *button, TPresetListForm *list)
    {
        sim.ClearFrames();
        ASSERT_TRUE(UserInput::Click(MainWidget(button)));
        ASSERT_TRUE(PumpUntil([&] { return list->Visible(); }, 2000));
        UserInput::Render();
    }
    // A click on list row `row` (0 the first key row) where the list draws it.
    static void ClickRow(TPresetListForm *list, int row)
    {
        QTableWidget *table = list->vledPresetName->Table();
        const QRect cell = table->visualRect(table->model()->index(row, 1));
        ASSERT_FALSE(cell.isEmpty());
        QWidget *top = Window(list);
        UserInput::ClickAt(top, table->viewport()->mapTo(top, cell.center()));
    }

    SimTcp sim;
};

// Opening a list is no choice of a preset: Enter right after it sends
// nothing and opens nothing. A row the user clicks opens its dialog, the
// first row too.
TEST_F(OnlineUserInput, PresetListsOpenOnlyTheRowTheUserPicks)
{
    MainDialogs *d = fmMain->Dialogs();
    const struct {
        const char *button;
        TPresetListForm *list;
        int row;
        const char *title;
        int mode;
    } rows[] = {{"bStore", d->fmStorePreset, 2, "U03 : ", 1}, {"bRecall", d->fmRecallPreset, 0, "F00 : ", 0}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.button);
        OpenList(r.button, r.list);
        if (HasFatalFailure())
            return;
        EXPECT_FALSE(d->fmStoreName->Visible());
        UserInput::Key(KeyWindow(r.list), Qt::Key_Return);
        PumpFor(400);
        EXPECT_EQ(SentCodes(), std::set<int>{});
        EXPECT_FALSE(d->fmStoreName->Visible());

        ClickRow(r.list, r.row);
        ASSERT_TRUE(d->fmStoreName->Visible());
        EXPECT_EQ(d->fmStoreName->lTitle->Caption(), r.title);
        EXPECT_EQ(d->fmStoreName->StoreMode(), r.mode);
        UserInput::Render();
        ASSERT_TRUE(UserInput::Click(d->fmStoreName->bnCancel->Widget()));
        EXPECT_FALSE(d->fmStoreName->Visible());
        ASSERT_TRUE(UserInput::Click(r.list->bnCancel->Widget()));
        EXPECT_FALSE(r.list->Visible());
        PumpFor(100);
        EXPECT_EQ(SentCodes(), std::set<int>{});
    }
}

// The arrow keys move a list's highlight and open nothing; Enter or Space
// opens the highlighted row's dialog, and Escape there and in the list closes
// them without sending anything.
TEST_F(OnlineUserInput, PresetListKeysMoveTheHighlightAndOpenOnlyOnEnterOrSpace)
{
    MainDialogs *d = fmMain->Dialogs();
    const struct {
        const char *button;
        TPresetListForm *list;
        Qt::Key open;
        const char *title;
    } rows[] = {{"bStore", d->fmStorePreset, Qt::Key_Return, "U05 : "},
                {"bRecall", d->fmRecallPreset, Qt::Key_Space, "U04 : "}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.button);
        OpenList(r.button, r.list);
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(r.list->vledPresetName->Focused());
        for (int i = 0; i < 4; ++i) {
            UserInput::Key(KeyWindow(r.list), Qt::Key_Down);
            UserInput::Render();
            EXPECT_FALSE(d->fmStoreName->Visible()) << i;
        }
        UserInput::Key(KeyWindow(r.list), r.open);
        UserInput::Render();
        ASSERT_TRUE(d->fmStoreName->Visible());
        EXPECT_EQ(d->fmStoreName->lTitle->Caption(), r.title);
        UserInput::Key(KeyWindow(d->fmStoreName), Qt::Key_Escape);
        UserInput::Render();
        EXPECT_FALSE(d->fmStoreName->Visible());
        ASSERT_TRUE(r.list->Visible());
        UserInput::Key(KeyWindow(r.list), Qt::Key_Escape);
        UserInput::Render();
        EXPECT_FALSE(r.list->Visible());
        PumpFor(400);
        EXPECT_EQ(SentCodes(), std::set<int>{});
    }
}

// A name typed into the name dialog over the store list, and Enter, store it:
// the device gets the name and the store of U03, and the rows show it.
TEST_F(OnlineUserInput, ANameTypedOverTheStoreListIsStored)
{
    MainDialogs *d = fmMain->Dialogs();
    sim.ClearFrames();
    ASSERT_TRUE(UserInput::Click(MainWidget("bStore")));
    ASSERT_TRUE(d->fmStorePreset->Visible());
    UserInput::Render();
    ClickRow(d->fmStorePreset, 2);
    ASSERT_TRUE(d->fmStoreName->Visible());
    UserInput::Render();
    QWidget *window = Window(d->fmStoreName);
    EXPECT_EQ(QApplication::activeWindow(), window);
    UserInput::Type(window, "Live");
    UserInput::Key(window, Qt::Key_Return);
    ASSERT_TRUE(PumpUntil([&] { return SentCodes().count(CMD_STORE_PRESET) > 0; }, 20000));
    ByteVector name, slot;
    for (const ByteVector &f : sim.Frames()) {
        if (f[CommandFrame::kCodeByte] == CM_MCS_PRESETNAME::kCode)
            name.assign(f.begin() + 6, f.end() - 3);
        if (f[CommandFrame::kCodeByte] == CMD_STORE_PRESET)
            slot.assign(f.begin() + 6, f.end() - 3);
    }
    const std::string live = "Live          ";
    EXPECT_EQ(name, ByteVector(live.begin(), live.end()));
    EXPECT_EQ(slot, ByteVector{3});
    EXPECT_FALSE(d->fmStorePreset->Visible());
    EXPECT_EQ(d->fmStorePreset->PresetName(2), QString::fromStdString(live));
    EXPECT_EQ(d->fmRecallPreset->PresetName(3), QString::fromStdString(live));
}

// Each entry of the visible menu, chosen through the menu bar, does its work;
// its dialog is modal where it should be (a click on the main window's page
// button does nothing meanwhile), and the first click on a page button after
// the dialog closed changes the page.
TEST_F(OfflineUserInput, EachVisibleMenuItemOpensItsDialogModalWhereDue)
{
    MainDialogs *d = fmMain->Dialogs();
    std::vector<std::string> asked;
    TFileDialog::Runner = [&](const TFileDialog &q) {
        asked.push_back(q.IsSave() ? "save" : "open");
        return QString();
    };
    struct Row {
        TMenuItem *item;
        TCustomForm *form;   // the dialog it opens (none: it asks for a file)
        TControl *close;     // the button that closes it (none: its close box)
        const char *asks;
    };
    const Row rows[] = {
        {fmMain->Open, nullptr, nullptr, "open"},
        {fmMain->Save, nullptr, nullptr, "save"},
        {fmMain->Upload, fmInformation, fmInformation->btnOK, nullptr},
        {fmMain->Download, fmInformation, fmInformation->btnOK, nullptr},
        {fmMain->Link, d->fmLinkSel, d->fmLinkSel->bnExit, nullptr},
        {fmMain->Copy, d->fmCopy, d->fmCopy->bnExit, nullptr},
        {fmMain->Lock, d->fmLockSetup, d->fmLockSetup->btnExit, nullptr},
        {fmMain->NetworkSetup, d->fmNetworkSetup, d->fmNetworkSetup->bnExit, nullptr},
        {fmMain->TestTone, d->fmTest, d->fmTest->bnExit, nullptr},
        {fmMain->ChNameList, d->fmChNameList, d->fmChNameList->btnCancel, nullptr},
        {fmMain->Rs232Code, d->fmRs232CodeEnglish, nullptr, nullptr},
        {fmMain->About, d->fmAbout, d->fmAbout->btnOK, nullptr},
    };
    // The menu's every visible entry is here or below (Exit, the languages).
    std::set<std::string> visible, covered{"Exit", "ChineseSimplified", "English"};
    std::function<void(TMenuItem *)> walk = [&](TMenuItem *m) {
        for (int i = 0; i < m->Count(); ++i) {
            TMenuItem *c = m->Items(i);
            if (!c->Visible())
                continue;
            if (c->Count() == 0)
                visible.insert(c->Name().toStdString());
            walk(c);
        }
    };
    walk(fmMain->MainMenu->Items());
    for (const Row &r : rows)
        covered.insert(r.item->Name().toStdString());
    EXPECT_EQ(visible, covered);

    // Two page buttons, clicked in turn so that each click changes the page.
    TControl *pages[2] = {Main("skbMenuOut3"), Main("skbMenuInB")};
    int next = 0;
    auto clickPage = [&] {
        const int before = fmMain->CurrentPage();
        EXPECT_TRUE(UserInput::Click(pages[next]));
        UserInput::Render();
        return fmMain->CurrentPage() != before;
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.item->Name().toStdString());
        asked.clear();
        ASSERT_TRUE(Choose(r.item));
        if (r.asks) {
            EXPECT_EQ(asked, std::vector<std::string>{r.asks});
            continue;
        }
        ASSERT_TRUE(r.form->Visible());
        EXPECT_EQ(QApplication::activeModalWidget(), r.form->WindowWidget());
        EXPECT_FALSE(clickPage()) << "the main window took a click past the modal dialog";
        if (r.close)
            EXPECT_TRUE(UserInput::Click(r.close));
        else
            r.form->WindowWidget()->close();
        UserInput::Render();
        EXPECT_FALSE(r.form->Visible());
        EXPECT_TRUE(clickPage()) << "the first click after the dialog closed was lost";
        next = 1 - next;
    }

    // Exit waits in its own loop for the answer: Cancel, clicked from there.
    bool sawExit = false;
    QTimer::singleShot(50, [&] {
        sawExit = fmExit->Visible() && QApplication::activeModalWidget() == fmExit->WindowWidget();
        UserInput::Render();
        UserInput::Click(fmExit->btnCancel);
    });
    ASSERT_TRUE(Choose(fmMain->Exit));
    EXPECT_TRUE(sawExit);
    EXPECT_FALSE(fmExit->Visible());
    EXPECT_TRUE(fmMain->Visible());

    ASSERT_TRUE(Choose(fmMain->ChineseSimplified));
    EXPECT_EQ(fmMain->Language(), "ChineseGB");
    ASSERT_TRUE(Choose(fmMain->English));
    EXPECT_EQ(fmMain->Language(), "English");
}

// The network setup opened by the connect dialog's Set stands over that
// modal dialog and takes the user's typing; its Set applies what was typed.
TEST_F(OfflineUserInput, NetworkSetupFromTheConnectDialogTakesTypedInput)
{
    ASSERT_TRUE(UserInput::Click(fmMain->skbMenuLink));
    ASSERT_TRUE(PumpUntil([] { return fmNetwork->Visible() && fmNetwork->btnId->Enabled(); }, 10000));
    UserInput::Render();
    ASSERT_TRUE(UserInput::Click(fmNetwork->btnId));
    TfmNetworkSetup *setup = fmMain->Dialogs()->fmNetworkSetup;
    ASSERT_TRUE(setup->Visible());
    UserInput::Render();
    QWidget *window = setup->WindowWidget();
    ASSERT_TRUE(UserInput::Click(setup->edId));
    UserInput::Type(window, "7");
    ASSERT_TRUE(UserInput::Click(setup->edIp[3]));
    UserInput::Type(window, "9");
    EXPECT_EQ(setup->edId->Text(), "7");
    EXPECT_EQ(setup->edIp[3]->Text(), "9");
    ASSERT_TRUE(UserInput::Click(setup->bnSet));
    EXPECT_FALSE(setup->Visible());
    EXPECT_EQ(fmMain->MainLink().GetDeviceId(), 7);
    EXPECT_EQ(fmMain->DeviceAddress() & 0xFF, 9u);
    EXPECT_TRUE(fmNetwork->Visible());
}

// While the channel-name list is open, the block diagram's name labels take
// no click (a rename there would be undone by the list's Set); once the list
// is closed, a click on a label opens its rename dialog.
TEST_F(OfflineUserInput, TheNameListKeepsTheBlockDiagramFromRenaming)
{
    ASSERT_TRUE(UserInput::Click(Main("skbMenuMatrix")));
    UserInput::Render();
    TControl *label = Main("lbMatrixChNameInC");
    MainDialogs *d = fmMain->Dialogs();
    ASSERT_TRUE(Choose(fmMain->ChNameList));
    ASSERT_TRUE(d->fmChNameList->Visible());
    EXPECT_TRUE(UserInput::Click(label));
    UserInput::Render();
    EXPECT_FALSE(d->fmChannelName->Visible());
    ASSERT_TRUE(UserInput::Click(d->fmChNameList->btnCancel));
    EXPECT_FALSE(d->fmChNameList->Visible());
    EXPECT_TRUE(UserInput::Click(label));
    ASSERT_TRUE(d->fmChannelName->Visible());
    EXPECT_EQ(QApplication::activeModalWidget(), d->fmChannelName->WindowWidget());
}

} // namespace
