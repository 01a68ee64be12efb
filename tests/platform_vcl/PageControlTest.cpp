// The page control: one page shown at a time in the display area, the index
// rules, tabs that follow the pages, and the user's tab choice.
#include "Exceptions.h"
#include "Form.h"
#include "PageControl.h"
#include "TestInput.h"

#include <QApplication>
#include <QImage>
#include <QTabBar>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct Pages : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr, CreateNew);
    TPageControl *pc = nullptr;
    TTabSheet *page[3] = {};
    void SetUp() override
    {
        form->SetBounds(0, 0, 300, 220);
        form->SetColor(clWhite);
        pc = new TPageControl(form.get());
        pc->SetParent(form.get());
        pc->SetBounds(10, 10, 240, 180);
        const TColor colours[] = {clRed, clLime, clBlue};
        const char *captions[] = {"&One", "Two", "Three"};
        for (int i = 0; i < 3; ++i) {
            page[i] = new TTabSheet(form.get());
            page[i]->SetPageControl(pc);
            page[i]->SetCaption(captions[i]);
            page[i]->SetColor(colours[i]);
        }
        form->Show();
    }
    QTabBar *Tabs() const { return pc->Widget()->findChild<QTabBar *>(); }
    // The colour in the middle of the page control's display area.
    QColor Shown()
    {
        const QImage img = form->PaintToImage();
        return QColor(img.pixel(10 + 120, 10 + 110));
    }
};

TEST_F(Pages, OnePageShowsAtATimeAndIndexesOutsideShowNone)
{
    EXPECT_EQ(pc->PageCount(), 3);
    EXPECT_EQ(pc->ActivePageIndex(), -1); // adding pages activates none
    EXPECT_EQ(pc->ActivePage(), nullptr);
    const QColor face = Shown();
    EXPECT_NE(face, QColor(Qt::red));

    struct Case {
        int set;
        int active;
        QColor shown;
    };
    const Case cases[] = {
        {1, 1, Qt::green}, {0, 0, Qt::red},  {2, 2, Qt::blue}, {3, -1, face},
        {1, 1, Qt::green}, {-1, -1, face}, {2, 2, Qt::blue}, {-7, -1, face},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.set);
        pc->SetActivePageIndex(c.set);
        EXPECT_EQ(pc->ActivePageIndex(), c.active);
        EXPECT_EQ(pc->ActivePage(), c.active < 0 ? nullptr : page[c.active]);
        EXPECT_EQ(Shown(), c.shown);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(page[i]->Visible(), i == c.active) << i;
    }

    // The page fills the display area below the tabs, inside the frame.
    pc->SetActivePageIndex(0);
    const int tabHeight = Tabs()->height();
    EXPECT_GT(tabHeight, 0);
    EXPECT_EQ(page[0]->BoundsRect(), TRect(4, tabHeight + 4, 236, 176));
    pc->SetBounds(10, 10, 200, 150); // follows a resize
    EXPECT_EQ(page[0]->BoundsRect(), TRect(4, tabHeight + 4, 196, 146));

    EXPECT_THROW(pc->Pages(3), EListError);
    EXPECT_THROW(pc->Pages(-1), EListError);
}

TEST_F(Pages, TabsFollowThePages)
{
    QTabBar *tabs = Tabs();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "&One");
    page[1]->SetCaption("Second");
    EXPECT_EQ(tabs->tabText(1), "Second");

    // A page with its tab hidden can still be shown.
    page[1]->SetTabVisible(false);
    EXPECT_FALSE(tabs->isTabVisible(1));
    pc->SetActivePage(page[1]);
    EXPECT_EQ(Shown(), QColor(Qt::green));

    // A page of another page control is not taken; a page that moves over
    // or is freed leaves its page control.
    auto *other = new TPageControl(form.get());
    other->SetParent(form.get());
    auto *foreign = new TTabSheet(form.get());
    foreign->SetPageControl(other);
    pc->SetActivePage(foreign);
    EXPECT_EQ(pc->ActivePage(), page[1]);
    page[1]->SetPageControl(other);
    EXPECT_EQ(pc->PageCount(), 2);
    EXPECT_EQ(pc->ActivePageIndex(), -1); // the active page went with it
    EXPECT_EQ(page[1]->PageIndex(), 1);
    EXPECT_EQ(page[1]->Parent(), other);
    EXPECT_EQ(page[2]->PageIndex(), 1);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Three");
    delete page[0];
    EXPECT_EQ(pc->PageCount(), 1);
    EXPECT_EQ(pc->Pages(0), page[2]);
    EXPECT_EQ(page[2]->PageIndex(), 0);
    EXPECT_EQ(tabs->count(), 1);
}

TEST_F(Pages, ChoosingATabShowsItsPageAndTellsOnChange)
{
    int changes = 0;
    int indexSeen = -2;
    pc->OnChange = [&](TObject *) {
        ++changes;
        indexSeen = pc->ActivePageIndex();
    };
    pc->SetActivePageIndex(0);
    EXPECT_EQ(changes, 0); // the program's choice is not reported

    QTabBar *tabs = Tabs();
    Click(tabs, tabs->tabRect(2).center());
    EXPECT_EQ(pc->ActivePage(), page[2]);
    EXPECT_EQ(Shown(), QColor(Qt::blue));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(indexSeen, 2);
    Click(tabs, tabs->tabRect(2).center()); // the tab already chosen
    EXPECT_EQ(changes, 1);
    // The program's choice moves the tab too.
    pc->SetActivePageIndex(1);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(changes, 1);

    // Left and Right on the focused page control step over hidden tabs and
    // stop at the ends.
    page[1]->SetTabVisible(false);
    pc->SetActivePageIndex(0);
    QApplication::setActiveWindow(form->Widget());
    pc->SetFocus();
    const struct {
        int qtKey, active, changes;
    } steps[] = {{Qt::Key_Right, 2, 2}, {Qt::Key_Right, 2, 2}, {Qt::Key_Left, 0, 3}, {Qt::Key_Left, 0, 3}};
    for (const auto &s : steps) {
        Key(QApplication::focusWidget(), s.qtKey);
        EXPECT_EQ(pc->ActivePageIndex(), s.active);
        EXPECT_EQ(changes, s.changes);
        EXPECT_TRUE(pc->Focused());
    }
    QApplication::setActiveWindow(nullptr);
}

} // namespace
