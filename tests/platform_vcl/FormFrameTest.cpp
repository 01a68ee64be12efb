#include "Form.h"
#include "Menus.h"
#include "Panel.h"

#include <QApplication>
#include <QMenuBar>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TMainMenu *MenuWithOneItem(TComponent *Owner)
{
    auto *menu = new TMainMenu(Owner);
    auto *file = new TMenuItem(menu);
    file->SetCaption("File");
    menu->Items()->Add(file);
    return menu;
}

TPanel *Child(TForm &Form, int Left, int Top, int Width, int Height, TColor Colour)
{
    auto *p = new TPanel(&Form);
    p->SetBevelOuter(bvNone);
    p->SetCaption("");
    p->SetColor(Colour);
    p->SetBounds(Left, Top, Width, Height);
    p->SetParent(&Form);
    return p;
}

} // namespace

// Width and Height are the outer size: the client plus a fixed allowance for
// borders, title bar and menu bar, whatever the desktop draws.
TEST(FormFrame, OuterSizeIsTheClientPlusTheFrame)
{
    struct Row {
        const char *name;
        TFormBorderStyle style;
        bool menu;
        int frameW, frameH;
    };
    const Row rows[] = {
        {"sizeable", bsSizeable, false, 10, 33},
        {"sizeable with menu", bsSizeable, true, 10, 52},
        {"dialog", bsDialog, false, 10, 33},
        {"frameless", bsNone, false, 0, 0},
        {"frameless with menu", bsNone, true, 0, 19},
    };
    for (const Row &r : rows) {
        TForm f(nullptr, CreateNew);
        f.SetBorderStyle(r.style);
        if (r.menu)
            f.SetMenu(MenuWithOneItem(&f));
        f.SetBounds(30, 40, 500, 400);
        EXPECT_EQ(f.Width(), 500) << r.name;
        EXPECT_EQ(f.ClientWidth(), 500 - r.frameW) << r.name;
        EXPECT_EQ(f.ClientHeight(), 400 - r.frameH) << r.name;
        EXPECT_EQ(f.ClientRect(), Rect(0, 0, 500 - r.frameW, 400 - r.frameH)) << r.name;
        // The client widget is the client area; the window holds it and the bar.
        EXPECT_EQ(f.Widget()->size(), QSize(500 - r.frameW, 400 - r.frameH)) << r.name;
        const int bar = r.menu ? f.Menu()->Bar()->sizeHint().height() : 0;
        EXPECT_EQ(f.WindowWidget()->size(), QSize(500 - r.frameW, 400 - r.frameH + bar)) << r.name;
        // The window sits inside the outer rectangle, below the title bar.
        const QPoint inside = r.style == bsNone ? QPoint(30, 40) : QPoint(35, 68);
        EXPECT_EQ(f.WindowWidget()->geometry().topLeft(), inside) << r.name;

        f.SetClientWidth(200);
        f.SetClientHeight(100);
        EXPECT_EQ(f.Width(), 200 + r.frameW) << r.name;
        EXPECT_EQ(f.Height(), 100 + r.frameH) << r.name;
    }
}

TEST(FormFrame, MenuBarSitsAboveTheClientAndCanGo)
{
    TForm f(nullptr, CreateNew);
    f.SetBounds(0, 0, 400, 300);
    TPanel *c = Child(f, 10, 20, 50, 40, clRed);
    f.Show();
    EXPECT_EQ(f.WindowWidget()->findChild<QMenuBar *>(), nullptr);
    EXPECT_EQ(c->Widget()->mapTo(f.WindowWidget(), QPoint(0, 0)), QPoint(10, 20));

    TMainMenu *menu = MenuWithOneItem(&f);
    f.SetMenu(menu);
    QMenuBar *bar = menu->Bar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->parentWidget(), f.WindowWidget());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(bar->width(), f.ClientWidth());
    // The outer size stays; the client gives the bar its room, and the
    // children keep their client coordinates below it.
    EXPECT_EQ(f.Height(), 300);
    EXPECT_EQ(f.ClientHeight(), 300 - 52);
    EXPECT_EQ(c->Left(), 10);
    EXPECT_EQ(c->Widget()->mapTo(f.WindowWidget(), QPoint(0, 0)), QPoint(10, 20 + bar->height()));
    EXPECT_EQ(ToQPoint(c->ClientToScreen(TPoint(0, 0))), f.Widget()->mapToGlobal(QPoint(10, 20)));

    // Freeing the menu takes the bar away and gives the room back.
    delete menu;
    EXPECT_EQ(f.Menu(), nullptr);
    EXPECT_EQ(f.ClientHeight(), 300 - 33);
    EXPECT_EQ(c->Widget()->mapTo(f.WindowWidget(), QPoint(0, 0)), QPoint(10, 20));
}

TEST(FormFrame, ScrollBarsShowWhenTheClientIsSmallerThanItsContent)
{
    TForm f(nullptr, CreateNew);
    f.SetBorderStyle(bsNone);
    f.SetAutoScroll(true);
    TPanel *c = Child(f, 0, 0, 400, 300, clRed);
    f.Show();
    const int ext = f.WindowWidget()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    struct Row {
        int clientW, clientH;
        bool horz, vert;
    };
    const Row rows[] = {
        {500, 400, false, false},
        {400, 300, false, false}, // exactly the content
        {300, 400, true, false},
        {300, 300 + ext - 1, true, true}, // the horizontal bar takes the room the content needed
        {500, 200, false, true},
        {200, 200, true, true},
    };
    for (const Row &r : rows) {
        f.SetClientWidth(r.clientW);
        f.SetClientHeight(r.clientH);
        const std::string at = std::to_string(r.clientW) + "x" + std::to_string(r.clientH);
        EXPECT_EQ(f.HorzScrollBarVisible(), r.horz) << at;
        EXPECT_EQ(f.VertScrollBarVisible(), r.vert) << at;
        EXPECT_EQ(f.Widget()->width(), std::max(400, r.clientW - (r.vert ? ext : 0))) << at;
    }

    // Scrolling moves the client under the viewport; children keep their place in it.
    f.SetScrollPos(TPoint(50, 20));
    EXPECT_EQ(f.ScrollPos(), TPoint(50, 20));
    EXPECT_EQ(c->Left(), 0);
    EXPECT_EQ(c->Widget()->mapTo(f.WindowWidget(), QPoint(50, 20)), QPoint(0, 0));

    // A child grown further out widens the range at once.
    c->SetWidth(600);
    f.SetScrollPos(TPoint(1000, 0));
    EXPECT_EQ(f.ScrollPos().X, 600 - (200 - ext));

    // A child that comes, goes, shows or hides changes what there is to scroll.
    c->SetWidth(100);
    c->SetHeight(100);
    EXPECT_FALSE(f.HorzScrollBarVisible());
    TPanel *far = Child(f, 250, 0, 50, 50, clGreen);
    EXPECT_TRUE(f.HorzScrollBarVisible());
    far->SetVisible(false);
    EXPECT_FALSE(f.HorzScrollBarVisible());
    far->SetVisible(true);
    EXPECT_TRUE(f.HorzScrollBarVisible());
    delete far;
    EXPECT_FALSE(f.HorzScrollBarVisible());

    // Without AutoScroll the client is the client area, cut where it ends.
    f.SetAutoScroll(false);
    EXPECT_FALSE(f.HorzScrollBarVisible());
    EXPECT_FALSE(f.VertScrollBarVisible());
    EXPECT_EQ(f.Widget()->size(), QSize(200, 200));
    EXPECT_EQ(c->Widget()->mapTo(f.WindowWidget(), QPoint(0, 0)), QPoint(0, 0));
}

// A size the window system gives the window comes back as the outer size, and
// the form's OnResize sees it.
TEST(FormFrame, WindowSystemResizeReachesTheForm)
{
    TForm f(nullptr, CreateNew);
    f.SetMenu(MenuWithOneItem(&f));
    f.SetBounds(0, 0, 400, 300);
    int resizes = 0;
    f.OnResize = [&](TObject *) { ++resizes; };
    f.Show();
    const int bar = f.Menu()->Bar()->sizeHint().height();
    f.WindowWidget()->resize(600, 500);
    QApplication::processEvents();
    EXPECT_EQ(f.Width(), 610);
    EXPECT_EQ(f.Height(), 500 - bar + 52);
    EXPECT_EQ(f.ClientWidth(), 600);
    EXPECT_EQ(f.ClientHeight(), 500 - bar);
    EXPECT_EQ(f.Widget()->size(), QSize(600, 500 - bar));
    EXPECT_GE(resizes, 1);
}

// The client paints the form and its children at client coordinates.
TEST(FormFrame, PaintedClientHoldsTheChildrenAtClientCoordinates)
{
    TForm f(nullptr, CreateNew);
    f.SetMenu(MenuWithOneItem(&f));
    f.SetColor(clBlue);
    f.SetClientWidth(120);
    f.SetClientHeight(80);
    Child(f, 10, 20, 30, 30, clRed);
    const QImage img = f.PaintToImage();
    EXPECT_EQ(img.size(), QSize(120, 80));
    EXPECT_EQ(QColor(img.pixel(12, 22)), QColor(Qt::red));
    EXPECT_EQ(QColor(img.pixel(5, 5)), QColor(Qt::blue));
    EXPECT_EQ(QColor(img.pixel(119, 79)), QColor(Qt::blue));
}
