// The data cursor as its user meets it on a shown plot: pointers and hint
// found in the rendered picture, moved there with the mouse and the keys,
// its menu opened with a right click on a pointer.
#include "Cursors.h"
#include "Menus.h"
#include "PageControl.h"
#include "ShownPlot.h"
#include "gPlotEditorForm.h"
#include "gPlotMasterManager.h"
#include "gPlot.h"
#include "gPlotDataCursor.h"
#include "gXYPlot.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The pointers (and the hint's outline) in the channel's colour, which
// nothing else in the picture has.
const TColor kPointer = clFuchsia;

template <class P>
struct CursorPlot : TShownPlot<P> {
    TgPlotDataCursor *cursor;
    CursorPlot(int Width = 500, int Height = 300) : TShownPlot<P>(Width, Height)
    {
        cursor = this->plot->GetDataCursor(0);
        cursor->SetVisible(true);
        this->plot->GetChannel(0)->SetColor(kPointer);
        cursor->SetColor(kPointer);
        this->plot->GetChannel(0)->SetTitleText(QStringLiteral("Main"));
    }
    // What the picture shows.
    struct Seen {
        QRect frame;
        std::vector<int> vertical, horizontal; // pointer columns and rows
        QRect hint;                           // the hint box's filling
    };
    Seen Look()
    {
        const QImage img = this->Shot();
        Seen s;
        s.frame = DataViewFrame(img);
        s.vertical = LinesOf(img, Rgb(kPointer), true, s.frame.height() * 9 / 10);
        s.horizontal = LinesOf(img, Rgb(kPointer), false, s.frame.width() * 9 / 10);
        s.hint = BoxOf(img, Rgb(clInfoBk), s.frame);
        return s;
    }
    // A point on the pointer line at Column (or Row), away from the hint.
    QPoint OnColumn(const Seen &S, int Column) { return QPoint(Column, S.frame.top() + S.frame.height() / 8); }
    QPoint OnRow(const Seen &S, int Row) { return QPoint(S.frame.left() + S.frame.width() / 8, Row); }
    QMenu *RightClickMenu(QPoint At)
    {
        this->ClickAt(At, Qt::RightButton);
        return this->plot->PopupMenu()->Menu();
    }
};

std::vector<int> Pixels(const QRect &Frame, std::initializer_list<double> Percents, bool Vertical)
{
    std::vector<int> result;
    for (double p : Percents)
        result.push_back(Vertical ? PercentX(Frame, p) : PercentY(Frame, p));
    std::sort(result.begin(), result.end());
    return result;
}

// Equal within a pixel, element by element.
::testing::AssertionResult SameLines(const std::vector<int> &Seen, const std::vector<int> &Expected)
{
    bool same = Seen.size() == Expected.size();
    for (size_t i = 0; same && i < Seen.size(); ++i)
        same = std::abs(Seen[i] - Expected[i]) <= 1;
    if (same)
        return ::testing::AssertionSuccess();
    QStringList a, b;
    for (int v : Seen)
        a << QString::number(v);
    for (int v : Expected)
        b << QString::number(v);
    return ::testing::AssertionFailure() << "seen {" << a.join(u',').toStdString() << "} expected {"
                                         << b.join(u',').toStdString() << "}";
}

QAction *ActionOf(QMenu *Menu, const QString &Text)
{
    for (QAction *a : Menu->actions())
        if (a->text() == Text)
            return a;
    return nullptr;
}

QStringList TextsOf(QMenu *Menu)
{
    QStringList texts;
    for (QAction *a : Menu->actions())
        texts << a->text();
    return texts;
}

// --- Pointer layout -----------------------------------------------------------

struct LayoutRow {
    const char *name;
    TgPlotDataCursorStyle style;
    bool exchanged; // the plot's X and Y axes exchanged
    std::initializer_list<double> vertical, horizontal;
    double x, y; // the readings (XY plot; X axis 0..10, Y axis 0..100)
};

// Pointer 1 at 30 %, pointer 2 at 70 %.
template <class P>
void CheckLayout(const std::vector<LayoutRow> &Rows, bool Readings)
{
    CursorPlot<P> shown;
    shown.plot->GetXAxis(0)->SetMinSpan(0, 10);
    shown.cursor->SetPointer1Position(30);
    shown.cursor->SetPointer2Position(70);
    for (const LayoutRow &r : Rows) {
        SCOPED_TRACE(r.name);
        shown.plot->SetXYAxesReverse(r.exchanged);
        shown.cursor->SetStyle(r.style);
        const auto seen = shown.Look();
        EXPECT_TRUE(SameLines(seen.vertical, Pixels(seen.frame, r.vertical, true)));
        EXPECT_TRUE(SameLines(seen.horizontal, Pixels(seen.frame, r.horizontal, false)));
        EXPECT_FALSE(seen.hint.isNull());
        if (!Readings)
            continue;
        // Within a pixel of the axis the pointer runs across.
        const double pixel = 100.0 / std::min(seen.frame.width(), seen.frame.height());
        EXPECT_NEAR(shown.cursor->ValueX(), r.x, r.style == ipcsInverseDeltaX ? 0.01 : pixel / 10);
        EXPECT_NEAR(shown.cursor->ValueY(), r.y, pixel);
    }
}

TEST(DataCursorLayout, XYPlot)
{
    CheckLayout<TgXYPlot>(
        {
            {"Value X-Y", ipcsValueXY, false, {30}, {70}, 3, 70},
            {"Value X-Y exchanged", ipcsValueXY, true, {70}, {30}, 3, 70},
            {"Value X", ipcsValueX, false, {30}, {}, 3, 0},
            {"Value X exchanged", ipcsValueX, true, {}, {30}, 3, 0},
            {"Value Y", ipcsValueY, false, {}, {70}, 0, 70},
            {"Value Y exchanged", ipcsValueY, true, {70}, {}, 0, 70},
            {"Period", ipcsDeltaX, false, {30, 70}, {}, 4, 0},
            {"Period exchanged", ipcsDeltaX, true, {}, {30, 70}, 4, 0},
            {"Frequency", ipcsInverseDeltaX, false, {30, 70}, {}, 0.25, 0},
            {"Frequency exchanged", ipcsInverseDeltaX, true, {}, {30, 70}, 0.25, 0},
            {"Peak-Peak", ipcsDeltaY, false, {}, {30, 70}, 0, 40},
            {"Peak-Peak exchanged", ipcsDeltaY, true, {30, 70}, {}, 0, 40},
        },
        true);
}

// On a strip chart X-Y and Y read along pointer 1 alone.
TEST(DataCursorLayout, StripChart)
{
    CheckLayout<TgPlot>(
        {
            {"Value X-Y", ipcsValueXY, false, {30}, {}, 0, 0},
            {"Value X-Y exchanged", ipcsValueXY, true, {}, {30}, 0, 0},
            {"Value X", ipcsValueX, false, {30}, {}, 0, 0},
            {"Value Y", ipcsValueY, false, {30}, {}, 0, 0},
            {"Value Y exchanged", ipcsValueY, true, {}, {30}, 0, 0},
            {"Period", ipcsDeltaX, false, {30, 70}, {}, 0, 0},
            {"Frequency exchanged", ipcsInverseDeltaX, true, {}, {30, 70}, 0, 0},
            {"Peak-Peak", ipcsDeltaY, false, {}, {30, 70}, 0, 0},
            {"Peak-Peak exchanged", ipcsDeltaY, true, {30, 70}, {}, 0, 0},
        },
        false);
}

// --- Positions ------------------------------------------------------------------

TEST(DataCursorPositions, HeldWithinTheDataView)
{
    CursorPlot<TgXYPlot> shown;
    TgPlotDataCursor *c = shown.cursor;
    TgPlotDataCursor fresh(shown.plot, [](TObject *) {}, [](TObject *) {}, [](TObject *) {}, [](TObject *) {});
    EXPECT_FALSE(fresh.Visible());
    EXPECT_EQ(fresh.Style(), ipcsValueXY);
    EXPECT_EQ(fresh.Pointer1Position(), 50);
    EXPECT_EQ(fresh.Pointer2Position(), 60);
    EXPECT_EQ(fresh.HintPosition(), 50);
    EXPECT_EQ(fresh.Color(), clYellow);

    c->SetPointer1Position(-3);
    EXPECT_EQ(c->Pointer1Position(), 0);
    c->SetPointer1Position(250);
    EXPECT_EQ(c->Pointer1Position(), 100);
    c->SetPointer2Position(std::nan(""));
    EXPECT_EQ(c->Pointer2Position(), 0);
    c->SetHintPosition(250);
    EXPECT_EQ(c->HintPosition(), 250); // held only where the user moves it

    // Pointer 1 dragged past the right edge stops there, and past the left
    // edge at the other.
    c->SetPointer1Position(50);
    c->SetPointer2Position(60);
    c->SetHintPosition(50);
    auto seen = shown.Look();
    ASSERT_EQ(seen.vertical.size(), 1u);
    const QPoint grip = shown.OnColumn(seen, seen.vertical[0] + 3); // 3 pixels beside the line still holds it
    shown.Drag(grip, {grip + QPoint(100, 0), QPoint(shown.plot->Width() + 60, grip.y())});
    EXPECT_EQ(c->Pointer1Position(), 100);
    seen = shown.Look();
    EXPECT_TRUE(SameLines(seen.vertical, {seen.frame.right()}));
    shown.Drag(shown.OnColumn(seen, seen.vertical[0]), {QPoint(-40, grip.y())});
    EXPECT_EQ(c->Pointer1Position(), 0);
    EXPECT_TRUE(SameLines(shown.Look().vertical, {seen.frame.left()}));

    // The hint dragged above the top stays inside the data view, its
    // position held at 100.
    seen = shown.Look();
    ASSERT_FALSE(seen.hint.isNull());
    shown.Drag(seen.hint.center(), {seen.hint.center() - QPoint(0, 400)});
    EXPECT_EQ(c->HintPosition(), 100);
    seen = shown.Look();
    EXPECT_GE(seen.hint.top(), seen.frame.top());
    // Horizontal pointer 2 dragged below the bottom.
    ASSERT_EQ(seen.horizontal.size(), 1u);
    shown.Drag(shown.OnRow(seen, seen.horizontal[0]), {QPoint(60, shown.plot->Height() + 30)});
    EXPECT_EQ(c->Pointer2Position(), 0);
    EXPECT_TRUE(SameLines(shown.Look().horizontal, {seen.frame.bottom()}));
}

// --- Keys -------------------------------------------------------------------------

struct KeyRow {
    const char *name;
    TgPlotDataCursorStyle style;
    int key;
    Qt::KeyboardModifiers mods;
    // Expected moves in pixels: pointer 1 and 2 along their orientation
    // (right or up counts positive), the hint box (right or up). kEdgeHigh
    // and kEdgeLow: the pointer stands at the far (right, top) or near edge.
    int p1, p2, hint;
};
constexpr int kEdgeHigh = 1000, kEdgeLow = -1000;

TEST(DataCursorKeys, MoveThePointersAndTheHint)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier;
    const KeyRow rows[] = {
        {"Page Up", ipcsValueXY, Qt::Key_PageUp, none, 5, 0, 0},
        {"Page Down", ipcsValueXY, Qt::Key_PageDown, none, -5, 0, 0},
        {"End", ipcsValueXY, Qt::Key_End, none, kEdgeHigh, 0, 0},
        {"Home", ipcsValueXY, Qt::Key_Home, none, kEdgeLow, 0, 0},
        {"Left", ipcsValueXY, Qt::Key_Left, none, -1, 0, 0},
        {"Right", ipcsValueXY, Qt::Key_Right, none, 1, 0, 0},
        {"Up moves the hint", ipcsValueXY, Qt::Key_Up, none, 0, 0, 1},
        {"Down moves the hint", ipcsValueXY, Qt::Key_Down, none, 0, 0, -1},
        {"Shift+Page Up", ipcsValueXY, Qt::Key_PageUp, shift, 0, 5, 0},
        {"Shift+Page Down", ipcsValueXY, Qt::Key_PageDown, shift, 0, -5, 0},
        {"Shift+End", ipcsValueXY, Qt::Key_End, shift, 0, kEdgeHigh, 0},
        {"Shift+Home", ipcsValueXY, Qt::Key_Home, shift, 0, kEdgeLow, 0},
        {"Shift+Left: pointer 2 lies across", ipcsValueXY, Qt::Key_Left, shift, 0, 0, 0},
        {"Shift+Right: pointer 2 lies across", ipcsValueXY, Qt::Key_Right, shift, 0, 0, 0},
        {"Shift+Up", ipcsValueXY, Qt::Key_Up, shift, 0, 1, 0},
        {"Shift+Down", ipcsValueXY, Qt::Key_Down, shift, 0, -1, 0},
        {"Shift without pointer 2", ipcsValueX, Qt::Key_PageUp, shift, 0, 0, 0},
        {"Shift+Right on two vertical pointers", ipcsDeltaX, Qt::Key_Right, shift, 0, 1, 0},
        {"Left moves a horizontal hint", ipcsDeltaY, Qt::Key_Left, none, 0, 0, -1},
        {"Up moves a horizontal pointer 1", ipcsDeltaY, Qt::Key_Up, none, 1, 0, 0},
    };
    CursorPlot<TgXYPlot> shown;
    TgPlotDataCursor *c = shown.cursor;
    // Selected with a click on pointer 1: the keys go to it.
    auto seen = shown.Look();
    shown.ClickAt(shown.OnColumn(seen, seen.vertical[0]));
    ASSERT_TRUE(c->UserSelected());
    for (const KeyRow &r : rows) {
        SCOPED_TRACE(r.name);
        c->SetStyle(r.style);
        c->SetPointer1Position(40);
        c->SetPointer2Position(70);
        c->SetHintPosition(40);
        // Where pointer n stands (right and up positive) and the hint.
        const auto where = [&](const auto &S, TgOrientation O, double Percent) {
            const std::vector<int> &lines = O == ioVertical ? S.vertical : S.horizontal;
            const int expected = O == ioVertical ? PercentX(S.frame, Percent) : PercentY(S.frame, Percent);
            for (int l : lines)
                if (std::abs(l - expected) <= 6)
                    return O == ioVertical ? l : -l;
            return -99999;
        };
        const auto hintAt = [&](const auto &S) {
            return c->HintOrientation() == ioVertical ? -S.hint.top() : S.hint.left();
        };
        const auto before = shown.Look();
        const int p1 = where(before, c->Pointer1Orientation(), 40), p2 = where(before, c->Pointer2Orientation(), 70);
        const int hint = hintAt(before);
        Key(shown.Widget(), r.key, QString(), r.mods);
        const auto after = shown.Look();
        const auto check = [&](const char *what, TgOrientation O, double Percent, int Before, int Expected) {
            SCOPED_TRACE(what);
            if (Expected == kEdgeHigh || Expected == kEdgeLow) {
                const bool high = Expected == kEdgeHigh;
                EXPECT_EQ(Percent, high ? 100 : 0);
                const std::vector<int> &lines = O == ioVertical ? after.vertical : after.horizontal;
                const int edge = O == ioVertical ? (high ? after.frame.right() : after.frame.left())
                                                 : (high ? after.frame.top() : after.frame.bottom());
                EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](int l) { return std::abs(l - edge) <= 1; }));
            } else {
                EXPECT_EQ(where(after, O, Percent) - Before, Expected);
            }
        };
        if (c->Pointer1Show())
            check("pointer 1", c->Pointer1Orientation(), c->Pointer1Position(), p1, r.p1);
        if (c->Pointer2Show())
            check("pointer 2", c->Pointer2Orientation(), c->Pointer2Position(), p2, r.p2);
        EXPECT_EQ(hintAt(after) - hint, r.hint);
    }
}

// --- Hint ---------------------------------------------------------------------------

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *E) override
    {
        paints += E->type() == QEvent::Paint;
        return false;
    }
};

// A hint too wide for either side of its pointer is drawn where it fits, and
// the idle plot then paints once per change, not on and on.
template <class P>
void CheckIdleWithWideHint(int Width, const std::function<void(CursorPlot<P> &)> &Prepare)
{
    CursorPlot<P> shown(Width, 300);
    Prepare(shown);
    PaintCounter counter;
    QWidget *w = shown.Widget();
    w->installEventFilter(&counter);
    w->update();
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }));
    const auto seen = shown.Look();
    ASSERT_FALSE(seen.hint.isNull());
    EXPECT_GT(seen.hint.width(), seen.frame.width() / 2); // wider than the room on either side
    for (double position : {50.0, 45.0}) {
        counter.paints = 0;
        shown.cursor->SetPointer1Position(position); // one change
        QTest::qWait(1000);
        EXPECT_GE(counter.paints, 1) << position;
        EXPECT_LE(counter.paints, 1) << position;
    }
}

TEST(DataCursorHint, TooWideForEitherSidePaintsOncePerChange)
{
    {
        SCOPED_TRACE("XY plot of 600 pixels, a 50-character hint");
        CheckIdleWithWideHint<TgXYPlot>(600, [](CursorPlot<TgXYPlot> &S) {
            S.plot->OnDataCursorCustomizeHint = [](TObject *, int, QString &Text) { Text = QString(50, u'W'); };
        });
    }
    {
        SCOPED_TRACE("strip chart of 400 pixels, a date-time reading");
        CheckIdleWithWideHint<TgPlot>(400, [](CursorPlot<TgPlot> &S) {
            TgPlotXAxis *x = S.plot->GetXAxis(0);
            x->SetLabelsFormatStyle(iptfDateTime);
            x->SetDateTimeFormat(QStringLiteral("dddd d mmmm yyyy hh:nn:ss.zzz"));
            x->SetMinSpan(46000, 1);
            S.plot->GetChannel(0)->AddXY(46000.25, 10);
            S.plot->GetChannel(0)->AddXY(46000.75, 20);
            S.cursor->SetStyle(ipcsValueXY);
        });
    }
}

TEST(DataCursorHint, BesideThePointerAndFlippedAtTheEdges)
{
    CursorPlot<TgXYPlot> shown;
    TgPlotDataCursor *c = shown.cursor;
    // Right of pointer 1, centred on the hint position.
    auto seen = shown.Look();
    int x = seen.vertical[0];
    EXPECT_NEAR(seen.hint.left(), x + 6, 1); // the outline stands 5 pixels off
    EXPECT_NEAR(seen.hint.center().y(), PercentY(seen.frame, 50), 2);
    EXPECT_EQ(c->HintOrientationSide(), iosBottomRight);

    // Near the right edge it goes to the left side, and stays there...
    c->SetPointer1Position(97);
    seen = shown.Look();
    x = seen.vertical[0];
    EXPECT_EQ(c->HintOrientationSide(), iosTopLeft);
    EXPECT_NEAR(seen.hint.right(), x - 6, 1);
    c->SetPointer1Position(60);
    seen = shown.Look();
    EXPECT_LT(seen.hint.right(), seen.vertical[0]);
    // ...until it meets the left edge.
    c->SetPointer1Position(2);
    seen = shown.Look();
    EXPECT_EQ(c->HintOrientationSide(), iosBottomRight);
    EXPECT_GT(seen.hint.left(), seen.vertical[0]);

    // Moved, not shrunk, into the data view.
    const int height = seen.hint.height();
    c->SetHintPosition(100);
    seen = shown.Look();
    EXPECT_GT(seen.hint.top(), seen.frame.top());
    EXPECT_LT(seen.hint.top(), seen.frame.top() + 4);
    EXPECT_EQ(seen.hint.height(), height);

    // A horizontal hint lies below its pointer, above it near the bottom.
    c->SetStyle(ipcsValueY);
    c->SetHintPosition(50);
    c->SetHintOrientationSide(iosBottomRight);
    seen = shown.Look();
    ASSERT_EQ(seen.horizontal.size(), 1u);
    EXPECT_NEAR(seen.hint.top(), seen.horizontal[0] + 6, 1);
    EXPECT_NEAR(seen.hint.center().x(), PercentX(seen.frame, 50), 2);
    c->SetPointer2Position(2);
    seen = shown.Look();
    EXPECT_EQ(c->HintOrientationSide(), iosTopLeft);
    EXPECT_NEAR(seen.hint.bottom(), seen.horizontal[0] - 6, 1);

    // Delta styles: centred between the pointers, joined to them by a
    // dotted line through the box's middle.
    c->SetStyle(ipcsDeltaX);
    c->SetPointer1Position(20);
    c->SetPointer2Position(80);
    const QImage img = shown.Shot();
    seen = shown.Look();
    ASSERT_EQ(seen.vertical.size(), 2u);
    EXPECT_NEAR(seen.hint.center().x(), (seen.vertical[0] + seen.vertical[1]) / 2, 2);
    int dots = 0; // on the row through the box's middle that has most
    for (int y = seen.hint.top(); y <= seen.hint.bottom(); ++y) {
        int onRow = 0;
        for (int px = seen.vertical[0] + 2; px < seen.hint.left() - 2; ++px)
            onRow += (img.pixel(px, y) & 0xFFFFFF) == (Rgb(kPointer) & 0xFFFFFF);
        dots = std::max(dots, onRow);
    }
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, seen.hint.left() - seen.vertical[0] - 10); // dotted, not solid

    // The plot may write its own text; the box fits it, line by line.
    c->SetStyle(ipcsValueX);
    const QRect plain = shown.Look().hint;
    QString text = QStringLiteral("a reading of the plot's own, much longer");
    shown.plot->OnDataCursorCustomizeHint = [&](TObject *, int Index, QString &Text) {
        EXPECT_EQ(Index, 0);
        Text = text;
    };
    const QRect wide = shown.Look().hint;
    EXPECT_GT(wide.width(), plain.width() * 2);
    EXPECT_NEAR(wide.height(), plain.height(), 1);
    text = QStringLiteral("first line of two\r\nsecond");
    const QRect tall = shown.Look().hint;
    EXPECT_LT(tall.width(), wide.width());
    EXPECT_GT(tall.height(), plain.height() * 3 / 2);
    shown.plot->OnDataCursorCustomizeHint = nullptr;

    // No hint for "<All>" nor when switched off.
    c->SetChannelName(QStringLiteral("<All>"));
    EXPECT_TRUE(shown.Look().hint.isNull());
    c->SetChannelName(shown.plot->GetChannel(0)->Name());
    c->SetHintShow(false);
    EXPECT_TRUE(shown.Look().hint.isNull());
}

// Hidden on release: the hint shows only while a pointer is dragged.
TEST(DataCursorHint, HiddenOnRelease)
{
    CursorPlot<TgXYPlot> shown;
    shown.cursor->SetHintHideOnRelease(true);
    auto seen = shown.Look();
    EXPECT_TRUE(seen.hint.isNull());
    QWidget *w = shown.Widget();
    const QPoint grip = shown.OnColumn(seen, seen.vertical[0]);
    Move(w, grip);
    SendMouse(w, QEvent::MouseButtonPress, grip);
    Move(w, grip + QPoint(20, 0), Qt::LeftButton);
    seen = shown.Look();
    EXPECT_FALSE(seen.hint.isNull());
    EXPECT_NEAR(seen.hint.left(), seen.vertical[0] + 6, 1); // beside the pointer where it is now
    SendMouse(w, QEvent::MouseButtonRelease, grip + QPoint(20, 0));
    EXPECT_TRUE(shown.Look().hint.isNull());
}

// --- Mouse ----------------------------------------------------------------------------

TEST(DataCursorMouse, ClickEventAndMouseCursor)
{
    CursorPlot<TgXYPlot> shown;
    QStringList events;
    shown.plot->OnClickDataCursor = [&](TObject *, int i) { events << QStringLiteral("click %1").arg(i); };
    auto seen = shown.Look();
    const QPoint on = shown.OnColumn(seen, seen.vertical[0]);
    Move(shown.Widget(), on);
    EXPECT_EQ(shown.plot->Cursor(), crHandPoint);
    shown.plot->OnGetMouseCursorDataCursor = [](TObject *, int, int &Cursor) { Cursor = crCross; };
    Move(shown.Widget(), on + QPoint(0, 1));
    EXPECT_EQ(shown.plot->Cursor(), crCross);
    shown.ClickAt(on);
    EXPECT_EQ(events, QStringList({"click 0"}));
    // A click beside the pointers is not the cursor's.
    shown.ClickAt(on + QPoint(40, 0));
    EXPECT_EQ(events, QStringList({"click 0"}));
    EXPECT_FALSE(shown.cursor->UserSelected());
}

// --- Menu -------------------------------------------------------------------------------

TEST(DataCursorMenu, ContentsAndChoices)
{
    CursorPlot<TgXYPlot> shown;
    TgPlotDataCursor *c = shown.cursor;
    TgPlotChannelCustom *second = shown.plot->GetChannel(shown.plot->AddChannel());
    second->SetTitleText(QStringLiteral("Left\r\nSide"));
    second->SetColor(kPointer);
    shown.plot->GetChannel(shown.plot->AddChannel())->SetVisible(false);
    shown.plot->AddTranslation(QStringLiteral("Style"), QStringLiteral("Stil"));
    c->SetMenuItemVisible(ipcsDeltaY, false);
    const auto open = [&] {
        const auto seen = shown.Look();
        return shown.RightClickMenu(shown.OnColumn(seen, seen.vertical[0]));
    };
    QMenu *menu = open();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(TextsOf(menu), QStringList({"Channel", "Stil", "Options", "Edit..."}));
    QMenu *channels = ActionOf(menu, "Channel")->menu();
    EXPECT_EQ(TextsOf(channels), QStringList({"<All>", "Main", "LeftSide"})); // visible channels only
    EXPECT_TRUE(ActionOf(channels, "Main")->isChecked());
    EXPECT_FALSE(ActionOf(channels, "<All>")->isChecked());
    QMenu *styles = ActionOf(menu, "Stil")->menu();
    EXPECT_EQ(TextsOf(styles), QStringList({"Value X-Y", "Value X", "Value Y", "Period", "Frequency"}));
    EXPECT_TRUE(ActionOf(styles, "Value X-Y")->isChecked());
    QMenu *options = ActionOf(menu, "Options")->menu();
    EXPECT_EQ(TextsOf(options), QStringList({"Use Channel Color", "Hide Hint On Release", "Flip Alignment"}));
    EXPECT_TRUE(ActionOf(options, "Use Channel Color")->isChecked());
    EXPECT_FALSE(ActionOf(options, "Hide Hint On Release")->isChecked());
    EXPECT_TRUE(ActionOf(options, "Flip Alignment")->isEnabled());

    ActionOf(options, "Flip Alignment")->trigger();
    EXPECT_EQ(c->HintOrientationSide(), iosTopLeft);
    ActionOf(styles, "Frequency")->trigger();
    EXPECT_EQ(c->Style(), ipcsInverseDeltaX);

    menu = open();
    ActionOf(ActionOf(menu, "Channel")->menu(), "LeftSide")->trigger();
    EXPECT_EQ(c->ChannelName(), second->Name());
    EXPECT_TRUE(second->UserSelected());
    EXPECT_TRUE(c->UserSelected());
    // Another channel selected while the cursor is: the cursor reads it.
    shown.plot->GetChannel(0)->SetUserSelected(false);
    shown.plot->GetChannel(0)->SetUserSelected(true);
    EXPECT_EQ(c->ChannelName(), shown.plot->GetChannel(0)->Name());
    EXPECT_TRUE(c->UserSelected());

    // "<All>": every channel, none selected, no hint, and the alignment no
    // longer flips.
    menu = open();
    ActionOf(ActionOf(menu, "Channel")->menu(), "<All>")->trigger();
    EXPECT_EQ(c->ChannelName(), QStringLiteral("<All>"));
    for (int i = 0; i < shown.plot->ChannelCount(); ++i)
        EXPECT_FALSE(shown.plot->GetChannel(i)->UserSelected());
    c->SetStyle(ipcsValueX);
    EXPECT_TRUE(shown.Look().hint.isNull());
    menu = open();
    EXPECT_TRUE(ActionOf(ActionOf(menu, "Channel")->menu(), "<All>")->isChecked());
    EXPECT_FALSE(ActionOf(ActionOf(menu, "Options")->menu(), "Flip Alignment")->isEnabled());

    c->SetChannelAllowAll(false);
    c->SetMenuUserCanChangeOptions(false);
    menu = open();
    EXPECT_EQ(TextsOf(menu), QStringList({"Channel", "Stil", "Edit..."}));
    EXPECT_FALSE(TextsOf(ActionOf(menu, "Channel")->menu()).contains("<All>"));
}

// --- Strip charts: snapping -------------------------------------------------------------

struct SnapPlot : CursorPlot<TgPlot> {
    TgPlotChannelCustom *channel;
    SnapPlot()
    {
        plot->DeleteChannel(0);
        channel = plot->GetChannel(plot->AddChannel());
        channel->SetColor(kPointer);
        plot->GetXAxis(0)->SetMinSpan(0, 10);
        for (double x : {1.0, 2.0, 5.0, 9.0})
            channel->AddXY(x, x * 10);
        cursor->SetChannelName(channel->Name());
        cursor->SetStyle(ipcsValueX);
        cursor->SetSnapToDataPoint(true);
    }
    int PointerColumn() { return Look().vertical.at(0); }
};

TEST(DataCursorSnap, ReleaseAndMenu)
{
    SnapPlot shown;
    TgPlotDataCursor *c = shown.cursor;
    // Released at X 1.4, between the points at 1 and 2: onto 1.
    auto seen = shown.Look();
    shown.Drag(shown.OnColumn(seen, seen.vertical[0]), {QPoint(PercentX(seen.frame, 14), 40)});
    EXPECT_NEAR(c->Pointer1Position(), 10, 1e-9);
    EXPECT_NEAR(shown.PointerColumn(), PercentX(seen.frame, 10), 1);

    // "<All>": onto the nearest point of the nearest channel.
    TgPlotChannelCustom *other = shown.plot->GetChannel(shown.plot->AddChannel());
    other->AddXY(1.3, 0);
    other->AddXY(8, 0);
    c->SetChannelName(QStringLiteral("<All>"));
    seen = shown.Look();
    shown.Drag(shown.OnColumn(seen, seen.vertical[0]), {QPoint(PercentX(seen.frame, 14), 40)});
    EXPECT_NEAR(c->Pointer1Position(), 13, 1e-9);

    // Falling X: the point nearest to where the pointer was let go, not the
    // last one.
    TgPlotChannelCustom *falling = shown.plot->GetChannel(shown.plot->AddChannel());
    for (double x : {9.0, 5.0, 2.0, 1.0})
        falling->AddXY(x, 0);
    falling->SetColor(kPointer);
    c->SetChannelName(falling->Name());
    seen = shown.Look();
    shown.Drag(shown.OnColumn(seen, seen.vertical[0]), {QPoint(PercentX(seen.frame, 46), 40)});
    EXPECT_NEAR(c->Pointer1Position(), 50, 1e-9);

    // The menu offers snapping on a strip chart; switched on it snaps at once.
    c->SetChannelName(shown.channel->Name());
    c->SetSnapToDataPoint(false);
    c->SetPointer1Position(48);
    seen = shown.Look();
    QMenu *menu = shown.RightClickMenu(shown.OnColumn(seen, seen.vertical[0]));
    ASSERT_NE(ActionOf(menu, "Snap to Data-Point"), nullptr);
    EXPECT_FALSE(ActionOf(menu, "Snap to Data-Point")->isChecked());
    ActionOf(menu, "Snap to Data-Point")->trigger();
    EXPECT_TRUE(c->SnapToDataPoint());
    EXPECT_NEAR(c->Pointer1Position(), 50, 1e-9);
}

// "Edit..." in a cursor's popup opens the plot's property editor on the
// Cursors page with that cursor chosen in the list.
TEST(DataCursorMenu, EditOpensThePropertyEditorOnTheCursor)
{
    CursorPlot<TgXYPlot> shown;
    shown.plot->AddDataCursor();
    shown.plot->SetEditorFormStyle(ipfsStayOnTop);
    const auto seen = shown.Look();
    QMenu *menu = shown.RightClickMenu(shown.OnColumn(seen, seen.vertical[0]));
    ASSERT_NE(menu, nullptr);
    QAction *edit = ActionOf(menu, "Edit...");
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(edit).center());
    auto *editor = dynamic_cast<TgPlotEditorForm *>(shown.plot->Master()->EditorForm());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Visible());
    EXPECT_EQ(editor->PageControl->ActivePage(), editor->KindSheet(iekDataCursor));
    EXPECT_EQ(editor->SelectedObject(iekDataCursor), shown.cursor);
    editor->Close();
}

TEST(DataCursorSnap, KeysStepThroughThePoints)
{
    SnapPlot shown;
    TgPlotDataCursor *c = shown.cursor;
    c->SetPointer1Position(18);
    auto seen = shown.Look();
    shown.ClickAt(shown.OnColumn(seen, seen.vertical[0])); // selects, snaps onto 2
    ASSERT_TRUE(c->UserSelected());
    EXPECT_NEAR(c->Pointer1Position(), 20, 1e-9);
    struct Row {
        const char *name;
        int key;
        double x; // the X pointer 1 stands at afterwards
    } rows[] = {
        {"Right: the next point", Qt::Key_Right, 5},
        {"Right again", Qt::Key_Right, 9},
        {"Right at the last point", Qt::Key_Right, 9},
        {"Left", Qt::Key_Left, 5},
        {"Home", Qt::Key_Home, 1},
        {"Page Up: five points on, held at the last", Qt::Key_PageUp, 9},
        {"Page Down", Qt::Key_PageDown, 1},
        {"End", Qt::Key_End, 9},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Key(shown.Widget(), r.key);
        EXPECT_NEAR(c->Pointer1Position(), r.x * 10, 1e-9);
        EXPECT_NEAR(shown.PointerColumn(), PercentX(shown.Look().frame, r.x * 10), 1);
    }
    // Up and Down move the hint one pixel instead.
    c->SetHintPosition(40);
    const int top = shown.Look().hint.top();
    Key(shown.Widget(), Qt::Key_Up);
    EXPECT_EQ(shown.Look().hint.top(), top - 1);
    EXPECT_NEAR(c->Pointer1Position(), 90, 1e-9);

    // A point beyond the axis brings the axis along: it ends a 40th of
    // the span inside.
    shown.channel->AddXY(15, 0);
    Key(shown.Widget(), Qt::Key_End);
    EXPECT_NEAR(shown.plot->GetXAxis(0)->Min(), 15 - 10 + 0.25, 1e-9);
    EXPECT_NEAR(c->Pointer1Position(), 97.5, 1e-9);
}

// Reading another channel's Y through the cursor leaves the cursor and the
// X axis as they were, and their events quiet.
TEST(DataCursorSnap, InterpolatedValueLeavesEverythingAsItWas)
{
    SnapPlot shown;
    TgPlotDataCursor *c = shown.cursor;
    int minEvents = 0;
    shown.plot->OnXAxisMinChange = [&](TObject *, int, double, double) { ++minEvents; };
    c->SetVisible(false);
    c->SetPointer1Position(33);
    c->SetStyle(ipcsDeltaX);
    c->SetChannelName(QStringLiteral("<All>"));
    double y = -1;
    for (bool cached : {false, true}) {
        c->SetUseCachedInterpolatedData(cached);
        c->GetInterpolatedYValue(shown.channel->Name(), 5, y);
        EXPECT_FALSE(c->Visible());
        EXPECT_EQ(c->Style(), ipcsDeltaX);
        EXPECT_EQ(c->ChannelName(), QStringLiteral("<All>"));
        EXPECT_EQ(c->Pointer1Position(), 33);
        EXPECT_EQ(shown.plot->GetXAxis(0)->Min(), 0);
    }
    EXPECT_EQ(minEvents, 0);
    EXPECT_EQ(c->GetInterpolatedYValue(QStringLiteral("nothing"), 5, y), ipdpsNull);
    EXPECT_EQ(y, 0);
    minEvents = 0;
    shown.plot->GetXAxis(0)->SetMin(1);
    EXPECT_EQ(minEvents, 1); // the event is back
}

} // namespace
