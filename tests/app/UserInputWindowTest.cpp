#include <gtest/gtest.h>

#include "Button.h"
#include "CM_MCS_CMD.h"
#include "LCmd.h"
#include "EditorWindows.h"
#include "FirstUpload.h"
#include "LMainLink.h"
#include "Label.h"
#include "MainDialogs.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"
#include "TfmMain.h"
#include "TfmRecallPreset.h"
#include "TfmStoreName.h"
#include "TfmStorePreset.h"
#include "UserInput.h"
#include "ValueListEditor.h"

#include <QApplication>
#include <QTableWidget>

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
        ASSERT_TRUE(PumpUntil([] { return FirstUploadEnded(fmMain->MainLink()); }, 30000));
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
        sim.ClearFrames();
        ASSERT_TRUE(UserInput::Click(MainWidget(r.button)));
        ASSERT_TRUE(PumpUntil([&] { return r.list->Visible(); }, 2000));
        UserInput::Render();
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

} // namespace
