#pragma once
#include "Button.h"
#include "EditorWindowsFixture.h"
#include "FileDialogs.h"
#include "Menus.h"
#include "PumpEvents.h"
#include "TfmNetwork.h"
#include "UserInput.h"

#include <QStringList>

// The program's windows offline, as a user finds them: the connect dialog
// has found nothing and the user clicked Demo.
class OfflineUserInput : public OfflineEditorWindows {
protected:
    void SetUp() override
    {
        OfflineEditorWindows::SetUp();
        fmMain->Show();
        ASSERT_TRUE(PumpUntil([] { return fmNetwork->Visible() && fmNetwork->btnExit->Enabled(); }, 10000));
        UserInput::Render();
        ASSERT_TRUE(UserInput::Click(fmNetwork->btnExit));
        ASSERT_FALSE(fmNetwork->Visible());
        UserInput::Render();
    }
    void TearDown() override
    {
        TFileDialog::Runner = nullptr;
        OfflineEditorWindows::TearDown();
    }
    static TControl *Main(const char *name) { return fmMain->FindControl(name); }
    // The captions of the menu path to `item`, as the bar shows them now.
    static QStringList PathOf(TMenuItem *item)
    {
        QStringList path;
        for (TMenuItem *i = item; i && i->Parent(); i = i->Parent())
            path.prepend(i->Caption());
        return path;
    }
    static bool Choose(TMenuItem *item) { return UserInput::ChooseMenu(fmMain->MainMenu->Bar(), PathOf(item)); }
};
