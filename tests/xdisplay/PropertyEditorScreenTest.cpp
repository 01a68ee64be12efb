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

} // namespace
