#include <gtest/gtest.h>

#include "Button.h"
#include "MainDialogs.h"
#include "OfflineUserInput.h"
#include "OnScreen.h"
#include "PumpEvents.h"
#include "SkBmpButton.h"
#include "TfmAbout.h"
#include "TfmChNameList.h"
#include "TfmCopy.h"
#include "TfmLinkSel.h"
#include "TfmLockSetup.h"
#include "TfmMain.h"
#include "TfmNetwork.h"
#include "TfmNetworkSetup.h"
#include "TfmRecallPreset.h"
#include "TfmStoreName.h"
#include "TfmStorePreset.h"
#include "TfmTest.h"
#include "UserInput.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>

#include <string>
#include <vector>

// The program's windows on a real X display under a window manager
// (openbox): what the manager offers for each window, which window a
// dialog stands over, and keys and focus marks as the user meets them.
namespace {

QString RunTool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString XId(QWidget *window) { return QString::number(window->winId()); }

// One property of a top-level window as the X server holds it (xprop's line).
QString XProperty(QWidget *window, const char *name) { return RunTool("xprop", {"-id", XId(window), name}); }

// The window that `window` is transient for (0: none).
WId TransientFor(QWidget *window)
{
    const QString line = XProperty(window, "WM_TRANSIENT_FOR");
    const qsizetype at = line.indexOf("0x");
    return at < 0 ? 0 : line.mid(at + 2).toULongLong(nullptr, 16);
}

// The window manager's allowed actions, once it has managed the window.
QString AllowedActions(QWidget *window)
{
    QString actions;
    PumpUntil([&] { return (actions = XProperty(window, "_NET_WM_ALLOWED_ACTIONS")).contains('='); }, 5000);
    return actions;
}

bool Iconic(QWidget *window) { return XProperty(window, "WM_STATE").contains("Iconic"); }
bool Normal(QWidget *window) { return XProperty(window, "WM_STATE").contains("Normal"); }

// What shows of widget `w` on the display, read back from the X server.
QImage Shot(QWidget *w)
{
    w->repaint(); // painted and on the display now, however busy the machine
    return ScreenShot(w).copy(UserInput::VisibleRect(w));
}

void Settle()
{
    UserInput::Render();
    PumpFor(60);
}

// The connect dialog as the program first shows it: its scan has ended.
class ConnectDialogUnderAManager : public OfflineEditorWindows {
protected:
    void SetUp() override
    {
        OfflineEditorWindows::SetUp();
        fmMain->Show();
        ASSERT_TRUE(PumpUntil([] { return fmNetwork->Visible() && fmNetwork->btnExit->Enabled(); }, 10000));
        Settle();
    }
};

class DialogsUnderAManager : public OfflineUserInput {
protected:
    struct Opener {
        const char *name;
        std::function<bool()> open;
        TCustomForm *form;
        TWinControl *exit; // its Cancel or Exit button
    };
    static void Open(const Opener &o)
    {
        ASSERT_TRUE(o.open());
        ASSERT_TRUE(PumpUntil([&] { return o.form->Visible(); }, 2000));
        Settle();
    }
    std::vector<Opener> Openers()
    {
        MainDialogs *d = fmMain->Dialogs();
        auto menu = [this](TMenuItem *item) { return [this, item] { return Choose(item); }; };
        auto button = [](const char *name) { return [name] { return UserInput::Click(fmMain->FindControl(name)); }; };
        return {
            {"Link", menu(fmMain->Link), d->fmLinkSel, d->fmLinkSel->bnExit},
            {"Copy", menu(fmMain->Copy), d->fmCopy, d->fmCopy->bnExit},
            {"Lock", menu(fmMain->Lock), d->fmLockSetup, d->fmLockSetup->btnExit},
            {"NetworkSetup", menu(fmMain->NetworkSetup), d->fmNetworkSetup, d->fmNetworkSetup->bnExit},
            {"TestTone", menu(fmMain->TestTone), d->fmTest, d->fmTest->bnExit},
            {"ChNameList", menu(fmMain->ChNameList), d->fmChNameList, d->fmChNameList->btnCancel},
            {"About", menu(fmMain->About), d->fmAbout, d->fmAbout->btnOK},
            {"bStore", button("bStore"), d->fmStorePreset, d->fmStorePreset->bnCancel},
            {"bRecall", button("bRecall"), d->fmRecallPreset, d->fmRecallPreset->bnCancel},
        };
    }
};

} // namespace

// The connect dialog has no border icons: the manager offers it neither
// maximising nor resizing, as it does the main window, and it stands over the
// main window, so that minimising it minimises both and restoring the main
// window brings it back above.
TEST_F(ConnectDialogUnderAManager, OffersNoMaximiseAndMinimisesOnlyWithTheMainWindow)
{
    QWidget *dialog = fmNetwork->WindowWidget();
    QWidget *main = fmMain->WindowWidget();
    const QString mainActions = AllowedActions(main);
    EXPECT_TRUE(mainActions.contains("_NET_WM_ACTION_MAXIMIZE_HORZ")) << mainActions.toStdString();
    EXPECT_TRUE(mainActions.contains("_NET_WM_ACTION_RESIZE")) << mainActions.toStdString();
    const QString actions = AllowedActions(dialog);
    EXPECT_FALSE(actions.contains("MAXIMIZE")) << actions.toStdString();
    EXPECT_FALSE(actions.contains("_NET_WM_ACTION_RESIZE")) << actions.toStdString();
    EXPECT_EQ(TransientFor(dialog), main->winId());

    RunTool("xdotool", {"windowminimize", XId(dialog)});
    EXPECT_TRUE(PumpUntil([&] { return Iconic(dialog) && Iconic(main); }, 5000))
        << "a minimised connect dialog left the main window blocked";
    RunTool("xdotool", {"windowactivate", XId(main)});
    EXPECT_TRUE(PumpUntil([&] { return Normal(dialog) && Normal(main); }, 5000));
    Settle();
    EXPECT_TRUE(fmNetwork->Visible());
    // Still the dialog takes the user's click: Demo ends the scan.
    ASSERT_TRUE(UserInput::Click(fmNetwork->btnExit));
    EXPECT_TRUE(PumpUntil([] { return !fmNetwork->Visible(); }, 2000));
}

// Every dialog the user opens from the main window stands over it, offers
// no maximising, and closes with Escape where its Cancel or Exit would.
TEST_F(DialogsUnderAManager, EachDialogStandsOverTheMainWindowAndEscapeClosesIt)
{
    QWidget *main = fmMain->WindowWidget();
    for (const Opener &o : Openers()) {
        SCOPED_TRACE(o.name);
        Open(o);
        if (HasFatalFailure())
            return;
        QWidget *dialog = o.form->WindowWidget();
        EXPECT_EQ(TransientFor(dialog), main->winId());
        const QString actions = AllowedActions(dialog);
        EXPECT_FALSE(actions.contains("MAXIMIZE")) << actions.toStdString();
        UserInput::Key(QApplication::activeWindow() ? QApplication::activeWindow() : dialog, Qt::Key_Escape);
        EXPECT_TRUE(PumpUntil([&] { return !o.form->Visible(); }, 2000)) << "Escape left the dialog open";
        Settle();
    }
}

// The name dialog, shown over the modal store list, stands over that list.
TEST_F(DialogsUnderAManager, TheNameDialogStandsOverTheStoreList)
{
    MainDialogs *d = fmMain->Dialogs();
    ASSERT_TRUE(UserInput::Click(fmMain->FindControl("bStore")));
    ASSERT_TRUE(PumpUntil([&] { return d->fmStorePreset->Visible(); }, 2000));
    Settle();
    UserInput::Key(d->fmStorePreset->WindowWidget(), Qt::Key_Down);
    UserInput::Key(d->fmStorePreset->WindowWidget(), Qt::Key_Return);
    ASSERT_TRUE(PumpUntil([&] { return d->fmStoreName->Visible(); }, 2000));
    Settle();
    EXPECT_EQ(TransientFor(d->fmStoreName->WindowWidget()), d->fmStorePreset->WindowWidget()->winId());
}

// Tab walks every focusable control of each dialog; the control that has the
// focus looks different from the same control without it, push buttons
// included, and Return on a focused push button clicks it.
TEST_F(DialogsUnderAManager, TabShowsWhereTheFocusIsInEveryDialog)
{
    for (const Opener &o : Openers()) {
        SCOPED_TRACE(o.name);
        Open(o);
        if (HasFatalFailure())
            return;
        QWidget *window = o.form->WindowWidget();
        // The control focused as the dialog opens, before any key: no mark yet.
        QWidget *first = QApplication::focusWidget();
        const QImage firstLook = first ? Shot(first) : QImage();
        std::vector<QWidget *> seen;
        for (int step = 0; step < 40; ++step) {
            UserInput::Key(window, Qt::Key_Tab);
            Settle();
            QWidget *focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            if (std::find(seen.begin(), seen.end(), focus) != seen.end())
                break; // the walk came round
            seen.push_back(focus);
            const QImage marked = Shot(focus);
            UserInput::Key(window, Qt::Key_Tab);
            Settle();
            // Compared with the same place once the focus has moved on or,
            // for the only focusable control, as the dialog opened.
            const QImage plain = QApplication::focusWidget() != focus ? Shot(focus) : focus == first ? firstLook : marked;
            EXPECT_NE(plain, marked) << "no focus mark on " << focus->metaObject()->className() << " "
                                           << focus->objectName().toStdString() << " (step " << step << ")";
            if (QApplication::focusWidget() != focus) {
                UserInput::Key(window, Qt::Key_Backtab);
                Settle();
            }
        }
        EXPECT_FALSE(seen.empty());
        // Tab to the Cancel or Exit button; Return there closes the dialog.
        for (int step = 0; step < 40 && !o.exit->Focused(); ++step)
            UserInput::Key(window, Qt::Key_Tab);
        ASSERT_TRUE(o.exit->Focused());
        UserInput::Key(window, Qt::Key_Return);
        EXPECT_TRUE(PumpUntil([&] { return !o.form->Visible(); }, 2000)) << "Return left the dialog open";
        Settle();
    }
}
