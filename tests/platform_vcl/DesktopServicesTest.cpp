// Screen and mouse, the hint window, image lists, popup menus, owned
// collections and the alternate pen.
#include "Bitmap.h"
#include "Canvas.h"
#include "Collection.h"
#include "Exceptions.h"
#include "HintWindow.h"
#include "ImageList.h"
#include "Menus.h"
#include "Screen.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct TwoMonitors : ::testing::Test {
    void SetUp() override
    {
        TMonitor left, right;
        left.BoundsRect = Rect(0, 0, 1000, 800);
        left.WorkareaRect = Rect(0, 0, 1000, 760);
        right.BoundsRect = Rect(1000, 0, 2000, 600);
        right.WorkareaRect = Rect(1000, 0, 2000, 600);
        right.Primary = true;
        Screen->SetMonitorsForTest({left, right});
    }
    void TearDown() override
    {
        Screen->SetMonitorsForTest({});
        Screen->SetPixelsPerInchForTest(0);
        Mouse->ClearCursorPosForTest();
    }
};

TEST_F(TwoMonitors, MonitorFromPointHoldingOrNearest)
{
    EXPECT_EQ(Screen->MonitorCount(), 2);
    EXPECT_EQ(Screen->PrimaryMonitor().MonitorNum, 1);
    EXPECT_EQ(Screen->WorkAreaRect(), Rect(1000, 0, 2000, 600));
    struct Row {
        const char *name;
        TPoint p;
        TMonitorDefaultTo def;
        int expected;
    } rows[] = {
        {"inside left", {10, 10}, mdNearest, 0},
        {"inside right", {1999, 599}, mdNearest, 1},
        {"below right, nearer left", {1010, 790}, mdNearest, 0},
        {"far right", {5000, 100}, mdNearest, 1},
        {"above left", {-50, -50}, mdNearest, 0},
        {"outside, primary asked", {-50, -50}, mdPrimary, 1},
        {"outside, none asked", {-50, -50}, mdNull, -1},
    };
    for (const Row &r : rows)
        EXPECT_EQ(Screen->MonitorFromPoint(r.p, r.def).MonitorNum, r.expected) << r.name;
    EXPECT_THROW(Screen->Monitors(2), EListError);
}

TEST_F(TwoMonitors, ResolutionAndCursorCanBeFixedForTests)
{
    Screen->SetPixelsPerInchForTest(144);
    EXPECT_EQ(Screen->PixelsPerInch(), 144);
    Screen->SetPixelsPerInchForTest(0);
    EXPECT_GT(Screen->PixelsPerInch(), 0);
    Mouse->SetCursorPosForTest({300, 400});
    EXPECT_EQ(Mouse->CursorPos(), TPoint(300, 400));
    Mouse->SetCursorPos({5, 6});
    EXPECT_EQ(Mouse->CursorPos(), TPoint(5, 6));
}

TEST(HintWindow, ShowsWhereAskedWithoutTakingTheFocusAndHides)
{
    THintWindow hint(nullptr);
    TRect r = hint.CalcHintRect(100, "120", nullptr);
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Top, 0);
    EXPECT_GT(r.Width(), 6);
    EXPECT_GT(r.Height(), 2);
    EXPECT_FALSE(hint.HandleAllocated());
    r.Offset(40, 50);
    hint.ActivateHint(r, "120");
    EXPECT_TRUE(hint.HandleAllocated());
    EXPECT_EQ(hint.BoundsRect(), r);
    EXPECT_EQ(hint.Caption(), "120");
    EXPECT_TRUE(hint.Widget()->isWindow());
    EXPECT_TRUE(hint.Widget()->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_NE(QApplication::focusWidget(), hint.Widget());
    QImage img = hint.PaintToImage();
    EXPECT_EQ(img.pixelColor(1, 1), ToQColor(clInfoBk));
    hint.ReleaseHandle();
    EXPECT_FALSE(hint.HandleAllocated());
}

TEST(ImageList, DrawsByIndexAndNotifiesItsUsersWhenFreed)
{
    auto *list = new TCustomImageList(nullptr);
    list->SetWidth(4);
    list->SetHeight(3);
    QImage red(7, 10, QImage::Format_RGB32); // under two widths: one picture
    red.fill(Qt::red);
    QImage blue(2, 2, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    EXPECT_EQ(list->Add(red), 0);
    EXPECT_EQ(list->Add(blue), 1);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Image(0).size(), QSize(4, 3)); // cropped to the list's size

    TBitmap bmp(10, 10);
    list->Draw(bmp.Canvas(), 1, 1, 0);
    list->Draw(bmp.Canvas(), 6, 6, 1, false);
    list->Draw(bmp.Canvas(), 0, 0, 7); // outside the list: nothing
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(4, 3), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 1), clWhite);
    const TColor greyed = bmp.Canvas()->Pixels(6, 6);
    EXPECT_NE(greyed, clBlue);
    EXPECT_EQ(GetRValue(greyed), GetBValue(greyed));
    EXPECT_EQ(bmp.Canvas()->Pixels(8, 8), clWhite); // the padded part is transparent

    // At least twice as wide: a strip, one picture per width, in order.
    QImage strip(13, 3, QImage::Format_RGB32);
    strip.fill(Qt::green);
    for (int y = 0; y < 3; ++y)
        strip.setPixel(5, y, qRgb(0, 0, 255));
    EXPECT_EQ(list->Add(strip), 2);
    ASSERT_EQ(list->Count(), 5);
    EXPECT_EQ(list->Image(3).pixel(1, 1) & 0xFFFFFF, 0x0000FFu); // column 5 of the strip
    EXPECT_EQ(list->Image(4).pixel(3, 1) & 0xFFFFFF, 0x00FF00u); // the last one takes columns 8..11

    list->SetWidth(8); // a new size empties it
    EXPECT_EQ(list->Count(), 0);
    EXPECT_THROW(list->Delete(0), EListError);

    struct User : TComponent {
        using TComponent::TComponent;
        TComponent *gone = nullptr;
        void Notification(TComponent *c, TOperation op) override
        {
            TComponent::Notification(c, op);
            if (op == opRemove)
                gone = c;
        }
    } user(nullptr);
    list->FreeNotification(&user);
    delete list;
    EXPECT_EQ(user.gone, list);
}

TEST(PopupMenu, PopsUpAtThePointAndClicksTheChosenItem)
{
    TPopupMenu menu(nullptr);
    std::vector<std::string> log;
    for (const char *caption : {"One", "-", "Two", "Hidden"}) {
        auto *item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        item->OnClick = [&log, caption](TObject *) { log.push_back(caption); };
        menu.Items()->Add(item);
    }
    menu.Items()->Items(3)->SetVisible(false);
    menu.Items()->Items(2)->SetEnabled(false);
    menu.OnPopup = [&](TObject *) { log.push_back("popup"); };
    menu.Popup(120, 80);
    EXPECT_EQ(menu.PopupPoint(), TPoint(120, 80));
    ASSERT_NE(menu.Menu(), nullptr);
    const auto actions = menu.Menu()->actions();
    ASSERT_EQ(actions.size(), 3); // One, separator, Two
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_FALSE(actions[2]->isEnabled());
    actions[0]->trigger();
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "One"}));
    menu.Menu()->close();

    TMenuItem *two = menu.Items()->Items(2);
    menu.Items()->Delete(0);
    EXPECT_EQ(menu.Items()->IndexOf(two), 1);
}

TEST(OwnedCollection, KnowsItsOwnerAndReportsChanges)
{
    TPersistent owner;
    TOwnedCollection list(&owner, [](TCollection *c) { return new TCollectionItem(c); });
    int updates = 0;
    list.OnUpdate = [&](TCollection *, TCollectionItem *) { ++updates; };
    EXPECT_EQ(list.Owner(), &owner);
    list.Add();
    list.Add();
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(updates, 3);
}

TEST(AlternatePen, SetsExactlyEveryOtherPixel)
{
    TBitmap bmp(20, 20);
    TCanvas *c = bmp.Canvas();
    c->Pen()->SetStyle(psAlternate);
    c->Pen()->SetColor(clBlack);
    c->MoveTo(2, 5);
    c->LineTo(12, 5);
    c->MoveTo(15, 2);
    c->LineTo(15, 9);
    std::string row, col;
    for (int x = 2; x < 13; ++x)
        row += c->Pixels(x, 5) == clBlack ? '#' : '.';
    for (int y = 2; y < 10; ++y)
        col += c->Pixels(15, y) == clBlack ? '#' : '.';
    EXPECT_EQ(row, "#.#.#.#.#..");
    EXPECT_EQ(col, "#.#.#.#.");
}

} // namespace
