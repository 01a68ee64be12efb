// The library's check box and radio group as their user meets them: marks
// found in the rendered control and pressed with the mouse, keys typed on
// the focused control, the parent showing through, and which of the change
// events each kind of change fires.
#include "Color.h"
#include "Form.h"
#include "Panel.h"
#include "RadioMarks.h"
#include "RenderedPlot.h"
#include "TestInput.h"
#include "gCheckBox.h"
#include "gRadioGroup.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

QRgb RgbOf(TColor Colour)
{
    return ToQColor(Colour).rgb();
}

// A form whose client is a yellow panel, so that what a control leaves
// unpainted is seen to be the parent's.
struct Host {
    TForm form{nullptr};
    TPanel *panel;
    QStringList events;
    Host()
    {
        form.SetBounds(0, 0, 320, 240);
        panel = new TPanel(&form);
        panel->SetParent(&form);
        panel->SetBevelOuter(bvNone);
        panel->SetAlign(alClient);
        panel->SetColor(clYellow);
        form.Show();
        QApplication::setActiveWindow(form.WindowWidget());
    }
    ~Host() { QApplication::setActiveWindow(nullptr); }
    // The control as drawn on its parent.
    QImage Shot(TControl *C) const
    {
        QApplication::processEvents();
        return panel->PaintToImage().copy(C->Left(), C->Top(), C->Width(), C->Height()).convertToFormat(
            QImage::Format_RGB32);
    }
    template <class T> void Record(T *C)
    {
        C->OnChange = [this](TObject *) { events << QStringLiteral("change"); };
        C->OnChangeUser = [this](TObject *) { events << QStringLiteral("user"); };
        C->FOnChangeProtected = [this](TObject *, const QString &Name) { events << Name; };
    }
    QStringList Take() { return std::exchange(events, {}); }
};

// The check box's box: the white square of the picture.
QRect BoxOf(const QImage &Image)
{
    return ColourBox(Image, RgbOf(clWhite), Image.rect());
}

void ClickAt(TWinControl *C, QPoint At)
{
    QTest::mouseClick(C->Widget(), Qt::LeftButton, Qt::NoModifier, At);
}

TEST(CheckBox, TheUsersClickAndSpaceFireBothEventsCodeOnlyOnChange)
{
    Host host;
    auto *box = new TgCheckBox(&host.form);
    box->SetParent(host.panel);
    box->SetBounds(20, 20, 120, 21);
    host.Record(box);

    const QRect square = BoxOf(host.Shot(box));
    ASSERT_GE(square.width(), 8);
    ClickAt(box, square.center());
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(host.Take(), (QStringList{"Checked", "change", "user"}));
    // The tick shows in black inside the box.
    EXPECT_TRUE(ColourBox(host.Shot(box), RgbOf(clBlack), square).isValid());

    // Pressed on the box, released outside the control: nothing.
    QWidget *w = box->Widget();
    SendMouse(w, QEvent::MouseButtonPress, square.center());
    SendMouse(w, QEvent::MouseButtonRelease, QPoint(box->Width() + 30, square.center().y()));
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(host.Take().isEmpty());

    // Space on the focused control toggles when it comes up.
    box->SetFocus();
    QTest::keyPress(w, Qt::Key_Space);
    EXPECT_TRUE(box->Checked());
    QTest::keyRelease(w, Qt::Key_Space);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(host.Take(), (QStringList{"Checked", "change", "user"}));
    EXPECT_FALSE(ColourBox(host.Shot(box), RgbOf(clBlack), square).isValid());

    // From code: OnChange without OnChangeUser; the same value fires nothing.
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(host.Take(), (QStringList{"Checked", "change"}));
}

TEST(CheckBox, ARefusedEditLeavesTheBoxAsItWas)
{
    Host host;
    auto *box = new TgCheckBox(&host.form);
    box->SetParent(host.panel);
    box->SetBounds(20, 20, 120, 21);
    host.Record(box);
    bool allow = false;
    QStringList asked;
    box->FOnRequestEdit = [&](TObject *, const QString &Name, bool &CanEdit) {
        asked << Name;
        CanEdit = allow;
    };
    ClickAt(box, BoxOf(host.Shot(box)).center());
    box->SetChecked(true);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(asked, (QStringList{"Checked", "Checked"}));
    EXPECT_TRUE(host.Take().isEmpty());
    allow = true;
    ClickAt(box, BoxOf(host.Shot(box)).center());
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(host.Take(), (QStringList{"Checked", "change", "user"}));
}

TEST(CheckBox, TheParentShowsAroundBoxAndCaption)
{
    Host host;
    auto *box = new TgCheckBox(&host.form);
    box->SetParent(host.panel);
    box->SetCaption(QString());
    box->SetAutoSize(false);
    box->SetBounds(20, 20, 120, 30);
    const QImage shot = host.Shot(box);
    const QRect square = BoxOf(shot);
    ASSERT_TRUE(square.isValid());
    // Outside the box (and its sunken edge) every pixel is the panel's.
    const QRect edged = square.adjusted(-2, -2, 2, 2);
    int foreign = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (!edged.contains(x, y) && shot.pixel(x, y) != RgbOf(clYellow))
                ++foreign;
    EXPECT_EQ(foreign, 0);
}

TEST(CheckBox, AutoSizeFitsTheCaptionAndABoxAtTheRightKeepsItsRightEdge)
{
    Host host;
    auto *box = new TgCheckBox(&host.form);
    box->SetParent(host.panel);
    EXPECT_EQ(box->Width(), 97);
    EXPECT_EQ(box->Height(), 17);
    box->SetAlignment(taLeftJustify);
    box->SetBounds(100, 20, 97, 17);
    box->SetCaption(QStringLiteral("A much longer caption than before"));
    EXPECT_GT(box->Width(), 97);
    EXPECT_EQ(box->Left() + box->Width(), 197);
    // The caption is drawn whole: the box sits at the right edge, the text
    // ends left of it.
    const QImage shot = host.Shot(box);
    const QRect square = BoxOf(shot);
    EXPECT_GE(square.right(), box->Width() - 4);
}

struct RadioGroup : ::testing::Test {
    Host host;
    TgRadioGroup *group = nullptr;
    void Make(int Items, int Columns, int Width, int Height)
    {
        group = new TgRadioGroup(&host.form);
        group->SetParent(host.panel);
        group->SetBounds(10, 10, Width, Height);
        for (int i = 0; i < Items; ++i)
            group->Items()->Add(QStringLiteral("Item %1").arg(i));
        group->SetColumns(Columns);
        host.Record(group);
    }
    // The marks in item order: down the first column, then the next.
    std::vector<QPoint> Marks() { return MarksInItemOrder(host.Shot(group)); }
    void Key(int K) { QTest::keyClick(group->Widget(), Qt::Key(K)); }
};

TEST_F(RadioGroup, FiveItemsInTwoColumnsFillTheFirstColumnFirstAndAClickSelects)
{
    Make(5, 2, 240, 120);
    const std::vector<QPoint> marks = Marks();
    ASSERT_EQ(marks.size(), 5u);
    // Three rows: item 3 heads the second column, level with item 0.
    EXPECT_NEAR(marks[3].y(), marks[0].y(), 1);
    EXPECT_NEAR(marks[4].y(), marks[1].y(), 1);
    EXPECT_GT(marks[3].x(), marks[2].x() + 40);
    for (int i : {3, 1, 4, 0}) {
        SCOPED_TRACE(i);
        ClickAt(group, marks[size_t(i)]);
        EXPECT_EQ(group->ItemIndex(), i);
        EXPECT_EQ(host.Take(), (QStringList{"ItemIndex", "change", "user"}));
        // The selected mark holds the black dot, the others none.
        const QImage shot = host.Shot(group);
        for (size_t k = 0; k < marks.size(); ++k)
            EXPECT_EQ(shot.pixel(marks[k]) == RgbOf(clBlack), int(k) == i) << k;
    }
    // The press follows the mouse: released over another item, that one is
    // chosen; released away from every item, none.
    QWidget *w = group->Widget();
    SendMouse(w, QEvent::MouseButtonPress, marks[1]);
    Move(w, marks[2], Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, marks[2]);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(host.Take(), (QStringList{"ItemIndex", "change", "user"}));
    const QPoint away(group->Width() + 40, marks[1].y());
    SendMouse(w, QEvent::MouseButtonPress, marks[1]);
    Move(w, away, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, away);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_TRUE(host.Take().isEmpty());
}

TEST_F(RadioGroup, ArrowKeysWrapAndAreUserChangesSpaceSelectsNothing)
{
    Make(3, 1, 120, 100);
    const std::vector<QPoint> marks = Marks();
    ASSERT_EQ(marks.size(), 3u);
    ClickAt(group, marks[0]); // focuses; item 0 was selected already
    EXPECT_TRUE(group->Focused());
    EXPECT_TRUE(host.Take().isEmpty());

    struct Step {
        int key;
        int before, after;
    };
    const Step steps[] = {
        {Qt::Key_Left, 0, 2}, {Qt::Key_Right, 2, 0}, {Qt::Key_Down, 0, 1}, {Qt::Key_Up, 1, 0}, {Qt::Key_Up, 0, 2},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.key);
        ASSERT_EQ(group->ItemIndex(), s.before);
        Key(s.key);
        EXPECT_EQ(group->ItemIndex(), s.after);
        EXPECT_EQ(host.Take(), (QStringList{"ItemIndex", "change", "user"}));
        EXPECT_TRUE(group->Focused()); // the arrows stay with the group
    }
    Key(Qt::Key_Space);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_TRUE(host.Take().isEmpty());

    // Without a selection Left selects nothing and Right the first item.
    group->SetItemIndex(-1);
    EXPECT_EQ(host.Take(), (QStringList{"ItemIndex", "change"}));
    Key(Qt::Key_Left);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_TRUE(host.Take().isEmpty());
    Key(Qt::Key_Right);
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(host.Take(), (QStringList{"ItemIndex", "change", "user"}));
}

TEST_F(RadioGroup, CodeClampsTheIndexAndEmptyItemsClearItSilently)
{
    Make(3, 1, 120, 100);
    group->SetItemIndex(10);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(host.Take(), (QStringList{"ItemIndex", "change"}));
    group->SetColumns(0); // ignored
    EXPECT_EQ(group->Columns(), 1);
    group->Items()->Clear();
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_TRUE(host.Take().isEmpty());
    EXPECT_TRUE(Marks().empty());
}

TEST_F(RadioGroup, AClickOnAGroupTooSmallForItsItemsSelectsNothing)
{
    // Two items at 97 x 17: in a font of Windows' size there is no room for
    // a second row, in a larger one not even for the first; the marks are
    // drawn on one place.
    Make(2, 1, 97, 17);
    for (int height : {-14, -18}) {
        SCOPED_TRACE(height);
        group->Font()->SetHeight(height);
        std::vector<QPoint> at = Marks();
        ASSERT_LE(at.size(), 1u);
        for (int x = 2; x < group->Width(); x += 8)
            for (int y = 1; y < group->Height(); y += 3)
                at.push_back(QPoint(x, y));
        for (QPoint p : at) {
            ClickAt(group, p);
            ASSERT_EQ(group->ItemIndex(), 0) << p.x() << "," << p.y();
        }
        EXPECT_TRUE(host.Take().isEmpty());
    }
}

TEST_F(RadioGroup, TheParentShowsInsideTheFrameBetweenTheItems)
{
    Make(2, 1, 160, 120);
    const QImage shot = host.Shot(group);
    const std::vector<QPoint> marks = MarkCentres(shot);
    ASSERT_EQ(marks.size(), 2u);
    // Between the two marks, left of their texts, and right of the texts up
    // to the frame: the panel's yellow.
    const int between = (marks[0].y() + marks[1].y()) / 2;
    EXPECT_EQ(shot.pixel(marks[0].x(), between), RgbOf(clYellow));
    EXPECT_EQ(shot.pixel(group->Width() - 10, marks[0].y()), RgbOf(clYellow));
    EXPECT_EQ(shot.pixel(group->Width() / 2, group->Height() - 8), RgbOf(clYellow));
}

} // namespace
