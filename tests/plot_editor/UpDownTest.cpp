// The editor's up-down as its user meets it: its arrows found in the
// rendered form and held with the mouse while an injected clock runs the
// auto-repeat; the bounds, including none and the 16-bit limits.
#include "EditorFormHost.h"
#include "MonotonicClock.h"
#include "gComponentEditorEdit.h"
#include "gUpDown.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct UpDown : ::testing::Test {
    ManualClock clock;
    ScopedClock scope{clock};
    EditorFormHost host;
    TgComponentEditorEdit *edit = nullptr;
    TgUpDown *upDown = nullptr;
    QStringList updates;
    void SetUp() override
    {
        edit = host.Add<TgComponentEditorEdit>(20, 20, 60, 21);
        upDown = new TgUpDown(&host.form);
        upDown->SetAssociate(edit);
        edit->OnUpdate = [this](TObject *) { updates << edit->Text(); };
    }
    // The arrows as drawn right of the edit: the black pixels above and
    // below the middle of the spinner's height, in form coordinates.
    QPoint Arrow(bool Up)
    {
        const QImage shot = host.Shot();
        const QRect area(edit->Left() + edit->Width(), edit->Top(), 40, edit->Height());
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (QColor(shot.pixel(x, y)) == QColor(Qt::black) &&
                    (Up ? y < area.center().y() : y > area.center().y()))
                    box |= QRect(x, y, 1, 1);
        EXPECT_TRUE(box.isValid());
        return box.center();
    }
    QWidget *Surface() { return host.form.Widget(); }
    void Hold(QPoint At) { SendMouse(Surface(), QEvent::MouseButtonPress, At); }
    void Release(QPoint At) { SendMouse(Surface(), QEvent::MouseButtonRelease, At); }
    void Step(QPoint At)
    {
        Hold(At);
        Release(At);
    }
};

TEST_F(UpDown, SitsRightOfItsEditAndAHeldArrowRepeatsAfter500ThenEvery50ms)
{
    EXPECT_EQ(upDown->Left(), edit->Left() + edit->Width());
    EXPECT_EQ(upDown->Top(), edit->Top());
    EXPECT_EQ(upDown->Height(), edit->Height());
    upDown->SetAsInteger(10);
    EXPECT_TRUE(updates.isEmpty()); // from code: silent
    const QPoint up = Arrow(true);
    Hold(up);
    EXPECT_EQ(edit->AsInteger(), 11);
    struct Tick {
        int advance, value;
    };
    const Tick ticks[] = {{499, 11}, {1, 12}, {49, 12}, {1, 13}, {50, 14}, {100, 16}};
    for (const Tick &t : ticks) {
        clock.Advance(t.advance);
        EXPECT_EQ(edit->AsInteger(), t.value) << clock.NowMs();
    }
    Release(up);
    clock.Advance(1000);
    EXPECT_EQ(edit->AsInteger(), 16);
    // Every step was the user's and committed once.
    EXPECT_EQ(updates, (QStringList{"11", "12", "13", "14", "15", "16"}));
    EXPECT_GE(host.form.userChanges, 6);
}

TEST_F(UpDown, APressLedOffBothArrowsStepsDown)
{
    upDown->SetAsInteger(10);
    const QPoint up = Arrow(true);
    Hold(up);
    const QPoint away(upDown->Left() + upDown->Width() + 30, up.y());
    Move(Surface(), away, Qt::LeftButton);
    clock.Advance(500);
    EXPECT_EQ(edit->AsInteger(), 10); // 11, then one step down
    clock.Advance(50);
    EXPECT_EQ(edit->AsInteger(), 9);
    Release(away);
}

TEST_F(UpDown, BoundsHoldTheValueAndBothZeroMeansNone)
{
    struct Case {
        int min, max;
        int start;
        bool up;
        int expected;
    };
    const Case cases[] = {
        {0, 0, 100, true, 101},         {0, 0, -5, false, -6},          {0, 0, 32767, true, 32768},
        {1, 50, 1, false, 1},           {1, 50, 50, true, 50},          {1, 50, 0, true, 1},
        {-40000, 40000, 32767, true, 32767}, {-40000, 40000, -32768, false, -32768},
    };
    const QPoint up = Arrow(true), down = Arrow(false);
    for (const Case &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1..%2 from %3").arg(c.min).arg(c.max).arg(c.start).toStdString());
        upDown->SetMin(c.min);
        upDown->SetMax(c.max);
        edit->SetAsInteger(c.start);
        Step(c.up ? up : down);
        EXPECT_EQ(edit->AsInteger(), c.expected);
    }
    // The 16-bit limits.
    EXPECT_EQ(upDown->Min(), -32768);
    EXPECT_EQ(upDown->Max(), 32767);
}

TEST_F(UpDown, WholeDaysBeyond32BitsStepAsWholeNumbers)
{
    upDown->SetMin(0);
    upDown->SetMax(0);
    edit->SetAsString("100000000000000");
    Step(Arrow(true));
    EXPECT_EQ(edit->Text(), QStringLiteral("100000000000001"));
}

TEST_F(UpDown, DisableGreysTheArrowsAndDisablesTheEdit)
{
    upDown->SetAsInteger(3);
    const QPoint up = Arrow(true);
    upDown->Disable();
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Text(), QString());
    EXPECT_EQ(QColor(host.Shot().pixel(up)), QColor(128, 128, 128));
    Step(up);
    EXPECT_EQ(edit->Text(), QString());
    upDown->Enable();
    EXPECT_TRUE(edit->Enabled());
    EXPECT_EQ(QColor(host.Shot().pixel(up)), QColor(Qt::black));
}

} // namespace
