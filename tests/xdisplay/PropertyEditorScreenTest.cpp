// The plot library's property editor as a real X display shows it: opened
// with a click on the toolbar's Edit button, its pages chosen with clicks on
// their tabs, what the screen holds read back from the server.
#include "CheckBoxBoxes.h"
#include "OnScreen.h"
#include "PlotEditorTour.h"
#include "RadioMarks.h"
#include "RenderedPlot.h"
#include "gCheckBox.h"
#include "gPlotMasterManager.h"
#include "gRadioGroup.h"
#include "gXYPlot.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PropertyEditorOnScreen : public ::testing::Test {
protected:
    TForm host{nullptr};
    TgXYPlot *plot = nullptr;
    TgPlotEditorForm *editor = nullptr;

    void SetUp() override
    {
        host.SetBounds(0, 0, 660, 420);
        plot = new TgXYPlot(&host);
        plot->SetParent(&host);
        plot->SetBounds(0, 0, 640, 400);
        plot->SetEditorFormStyle(ipfsStayOnTop);
        host.Show();
        ASSERT_TRUE(WaitExposed(plot->Widget()));
    }

    // The editor opened with a click on the toolbar's ninth button, Edit,
    // as the screen shows it.
    void OpenWithEditButton()
    {
        std::vector<QRect> buttons;
        ASSERT_TRUE(PumpUntil([&] {
            buttons = ToolBarButtons(ScreenShot(plot->Widget()).copy(AreaOnScreen(plot->Widget())));
            return buttons.size() >= 9;
        }));
        QTest::mouseClick(plot->Widget(), Qt::LeftButton, Qt::NoModifier, buttons[8].center());
        editor = dynamic_cast<TgPlotEditorForm *>(plot->Master()->EditorForm());
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(WaitExposed(editor->Widget()));
    }

    // The tab of page Index clicked once the page control shows; false
    // when its tab is hidden by then.
    static bool ClickTab(TPageControl *Pages, int Index)
    {
        auto *bar = Pages->Widget()->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
        EXPECT_NE(bar, nullptr);
        EXPECT_TRUE(bar && PumpUntil([bar] { return bar->isVisible(); })) << Pages->Name().toStdString();
        QApplication::processEvents();
        if (!bar || !bar->isVisible() || !Pages->Pages(Index)->TabVisible())
            return false;
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(Index).center());
        EXPECT_EQ(Pages->ActivePageIndex(), Index) << Pages->Name().toStdString();
        return Pages->ActivePageIndex() == Index;
    }
};

// Every check box and radio group of every page shows on the screen as soon
// as its page does: a check box its box, a radio group a mark per item.
TEST_F(PropertyEditorOnScreen, EveryPageShowsItsCheckBoxesAndRadioGroups)
{
    OpenWithEditButton();
    QStringList seen;
    TourPlotEditor(editor, ClickTab, [&](const QString &Page) {
        QStringList missing;
        const auto look = [&] {
            missing.clear();
            const QImage screen = ScreenShot(editor->Widget());
            for (int i = 0; i < editor->ComponentCount(); ++i) {
                auto *c = dynamic_cast<TWinControl *>(editor->Components(i));
                if (!c || !c->Showing())
                    continue;
                const QRect area = AreaOnScreen(c->Widget());
                if (dynamic_cast<TgCheckBox *>(c)) {
                    if (SunkenBoxes(screen, area).size() != 1)
                        missing << c->Name();
                } else if (auto *group = dynamic_cast<TgRadioGroup *>(c)) {
                    if (int(MarkCentres(screen.copy(area)).size()) != group->Items()->Count())
                        missing << c->Name();
                } else {
                    continue;
                }
                if (!seen.contains(c->Name()))
                    seen << c->Name();
            }
            return missing.isEmpty();
        };
        PumpUntil(look, 5000);
        EXPECT_TRUE(missing.isEmpty()) << "page " << Page.toStdString() << ": "
                                       << missing.join(", ").toStdString();
    });
    // The first ones a user reported.
    for (const char *name : {"AutoFrameRateCheckBox", "ClipAnnotationsToAxesCheckBox", "BorderStyleRadioGroup"})
        EXPECT_TRUE(seen.contains(name)) << name;
    EXPECT_GT(seen.size(), 20);
}

// The control that holds the focus, and the part of the screen that is its
// own: a page control's row of tabs (its pages hold other controls), any
// other control's whole window.
TWinControl *FocusedControl()
{
    return TWinControl::FindControl(QApplication::focusWidget());
}

QRect OwnArea(TWinControl *C)
{
    if (dynamic_cast<TPageControl *>(C))
        if (auto *tabs = C->Widget()->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly))
            return AreaOnScreen(tabs);
    return AreaOnScreen(C->Widget());
}

// The screen once the part Area of it stays the same between two looks.
QImage Settled(QWidget *W, const QRect &Area)
{
    QImage last = ScreenShot(W);
    PumpUntil([&] {
        const QImage now = ScreenShot(W);
        const bool same = now.copy(Area) == last.copy(Area);
        last = now;
        return same;
    });
    return last;
}

// On the Control page each stop of the Tab walk shows the focus: real Tab
// presses go round every stop, and each looks different on the screen
// while it holds the focus from how it looks without it.
TEST_F(PropertyEditorOnScreen, EveryTabStopOfTheControlPageShowsTheFocus)
{
    OpenWithEditButton();
    ASSERT_EQ(editor->PageControl->ActivePageIndex(), 0);
    ASSERT_TRUE(PumpUntil([] { return FocusedControl() != nullptr; }));
    TWinControl *first = FocusedControl();
    const QImage others = Settled(editor->Widget(), OwnArea(first)); // every stop but the first unfocused
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(FocusedControl(), first);
    const QImage firstAlone = Settled(editor->Widget(), OwnArea(first)).copy(OwnArea(first));

    QStringList stops, unmarked;
    for (TWinControl *c = FocusedControl(); c && stops.size() < 60;) {
        stops << c->Name();
        const QRect area = OwnArea(c);
        const QImage plain = c == first ? firstAlone : others.copy(area);
        if (!PumpUntil([&] { return ScreenShot(editor->Widget()).copy(area) != plain; }, 3000))
            unmarked << c->Name();
        if (c == first)
            break;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        c = FocusedControl();
    }
    EXPECT_EQ(stops.last(), first->Name()) << "the walk went round: " << stops.join(", ").toStdString();
    EXPECT_GE(stops.size(), 10) << stops.join(", ").toStdString();
    EXPECT_TRUE(unmarked.isEmpty()) << "no focus shown on " << unmarked.join(", ").toStdString();
}

} // namespace
