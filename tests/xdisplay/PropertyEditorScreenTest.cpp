// The plot library's property editor as a real X display shows it: opened
// with a click on the toolbar's Edit button, its pages chosen with clicks on
// their tabs, what the screen holds read back from the server; a font's
// colour chosen in the font window of a font picker and drawn by the plot.
#include "../app/UserInput.h"
#include "CheckBoxBoxes.h"
#include "OnScreen.h"
#include "PlotEditorTour.h"
#include "RadioMarks.h"
#include "RenderedPlot.h"
#include "gCheckBox.h"
#include "gPlotMasterManager.h"
#include "gRadioGroup.h"
#include "gPlotXAxis.h"
#include "gXYPlot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

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

// The pixels of the plot as the screen shows it.
QImage PlotOnScreen(TWinControl *Plot)
{
    return ScreenShot(Plot->Widget()).copy(AreaOnScreen(Plot->Widget()));
}

// The X axis title's font picked in the editor and, in the font window it
// opens, the colour fuchsia (which the plot does not show) chosen with a
// click on fuchsia as the window shows it, then the window closed with its
// OK or its Cancel button: on OK the plot draws the title fuchsia (only
// pixels that were the title's white turn fuchsia), on Cancel the plot
// stays as it was.
TEST_F(PropertyEditorOnScreen, TheFontWindowOfAFontPickerSetsTheTitlesColourOnOkOnly)
{
    const QRgb fuchsia = qRgb(255, 0, 255), white = qRgb(255, 255, 255);
    plot->GetXAxis(0)->SetTitle(QStringLiteral("Time"));
    plot->GetXAxis(0)->SetTitleShow(true);
    PumpFor(300);
    const QImage before = PlotOnScreen(plot);
    ASSERT_EQ(ColourCount(before, fuchsia), 0);
    OpenWithEditButton();
    auto *picker = dynamic_cast<TWinControl *>(editor->FindComponent("XAxisTitleFontPicker"));
    ASSERT_NE(picker, nullptr);

    for (const QString button : {"Cancel", "OK"}) {
        SCOPED_TRACE(button.toStdString());
        std::vector<TTabSheet *> sheets; // the pages that hold the picker, the outermost first
        for (TWinControl *p = picker->Parent(); p; p = p->Parent())
            if (auto *sheet = dynamic_cast<TTabSheet *>(p))
                sheets.insert(sheets.begin(), sheet);
        for (TTabSheet *sheet : sheets)
            ASSERT_TRUE(ClickTab(sheet->PageControl(), sheet->PageIndex()));
        ASSERT_TRUE(PumpUntil([&] { return picker->Widget()->isVisible(); }));

        // The window of the question, once it shows, driven as its user
        // would: a click on fuchsia (waited for a while), then on the button.
        bool chose = false, closed = false;
        QElapsedTimer shown;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window || !window->windowHandle() || !window->windowHandle()->isExposed())
                return;
            if (!shown.isValid())
                shown.start();
            const QImage shot = ScreenShot(window);
            const QRect swatch = ColourBox(shot, fuchsia, shot.rect());
            chose = swatch.width() >= 6 && swatch.height() >= 6;
            if (!chose && shown.elapsed() < 5000)
                return;
            driver.stop();
            if (chose)
                UserInput::ClickAt(window, swatch.center());
            for (QPushButton *b : window->findChildren<QPushButton *>())
                if (b->isVisible() && b->text().remove('&') == button) {
                    UserInput::Click(b);
                    closed = true;
                    break;
                }
        });
        driver.start(20);
        UserInput::Click(picker->Widget());
        driver.stop();
        ASSERT_TRUE(closed) << "no " << button.toStdString() << " button in the font window";
        ASSERT_TRUE(chose) << "the font window offers no fuchsia to choose";
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr);

        if (button == "Cancel") {
            PumpFor(300);
            EXPECT_EQ(PlotOnScreen(plot), before) << "the cancelled colour reached the plot";
            continue;
        }
        QImage after;
        EXPECT_TRUE(PumpUntil([&] {
            after = PlotOnScreen(plot);
            return ColourCount(after, fuchsia) > 20;
        })) << "the title is not drawn fuchsia: " << ColourCount(after, fuchsia) << " fuchsia pixels";
        int whiteThenFuchsia = 0, elsewhere = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) == fuchsia)
                    ++(before.pixel(x, y) == white ? whiteThenFuchsia : elsewhere);
        EXPECT_GT(whiteThenFuchsia, 20);
        EXPECT_EQ(elsewhere, 0) << "fuchsia where the title was not";
        // The whole title, at the bottom (the plot's own title is at the top).
        const QRect title = ColourBox(after, fuchsia, after.rect());
        EXPECT_EQ(ColourCount(before.copy(title), white), ColourCount(after.copy(title), fuchsia));
        EXPECT_GT(title.top(), after.height() / 2);
        EXPECT_GT(ColourCount(after, white), 0) << "the axis labels kept their white";
    }
}

} // namespace
