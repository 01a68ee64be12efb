#include "SkComboBox.h"

#include "Edit.h"
#include "Form.h"
#include "HandlerGuard.h"
#include "MessageBeep.h"
#include "MonotonicClock.h"
#include "TestInput.h"
#include "VirtualKeys.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct ComboFixture : ::testing::Test {
    ManualClock clock;
    ScopedClock scope{clock};
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TSkComboBox *combo = nullptr;
    int beeps = 0, changes = 0, clicks = 0, matches = 0;

    void SetUp() override
    {
        SetMessageBeepHandler([this](unsigned) { ++beeps; });
        form->SetBounds(0, 0, 300, 120);
        combo = new TSkComboBox(form.get());
        combo->SetParent(form.get());
        combo->SetBounds(10, 10, 120, 21);
        combo->Items()->SetText("BW -6\nBL -6\nLK -12");
        combo->OnChange = [this](TObject *) { ++changes; };
        combo->OnClick = [this](TObject *) { ++clicks; };
        combo->OnMatch = [this](TObject *) { ++matches; };
    }
    void TearDown() override
    {
        SetMessageBeepHandler(nullptr);
        QApplication::setActiveWindow(nullptr);
    }
    // Shown and active, so that the focus moves as a user's would.
    void Show()
    {
        form->Show();
        QApplication::setActiveWindow(form->Widget());
    }
    void Type(const QString &text)
    {
        for (QChar c : text)
            Key(combo->Widget(), Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c));
    }
    QString Selected() const { return combo->LineEdit() ? combo->LineEdit()->selectedText() : QString(); }
};

TEST_F(ComboFixture, ColourFollowsTheState)
{
    auto *other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(150, 10, 60, 21);
    Show();
    const TColor light = RGB(223, 255, 255);
    combo->SetColor(light);
    EXPECT_EQ(combo->Color(), light) << "unfocused";
    EXPECT_EQ(combo->FocusColor(), light) << "the focus colour came along";
    combo->SetFocus();
    EXPECT_EQ(combo->Color(), light) << "focused";
    combo->SetFocusColor(clYellow);
    EXPECT_EQ(combo->Color(), clYellow);
    other->SetFocus();
    EXPECT_EQ(combo->Color(), light);
    combo->SetReadOnly(true);
    EXPECT_EQ(combo->Color(), clInfoBk) << "read-only";
    combo->SetFocus();
    EXPECT_EQ(combo->Color(), clYellow) << "read-only and focused shows the focus colour";
    combo->SetReadOnlyColorOnFocus(true);
    EXPECT_EQ(combo->Color(), clInfoBk);
    combo->SetEnabled(false);
    EXPECT_EQ(combo->Color(), clBtnFace) << "disabled";
    combo->SetEnabled(true);
    combo->SetReadOnly(false);
    other->SetFocus();
    EXPECT_EQ(combo->Color(), light);
}

TEST_F(ComboFixture, ReadOnlyIgnoresMouseWheelAndKeys)
{
    combo->SetStyle(csDropDownList);
    combo->SetFlatButtons(true);
    combo->SetItemIndex(1);
    combo->SetReadOnly(true);
    Show();
    Click(combo->Widget(), QPoint(110, 10));
    EXPECT_FALSE(combo->DroppedDown());
    Wheel(combo->Widget(), QPoint(50, 10), -120);
    Key(combo->Widget(), Qt::Key_Down);
    Type("l");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes + clicks, 0);
    // The button area shows the box's colour: no button.
    combo->SetReadOnlyColorOnFocus(true);
    ASSERT_EQ(combo->Color(), clInfoBk);
    const QImage img = combo->PaintToImage();
    EXPECT_EQ(img.pixelColor(110, 10), ToQColor(ColorToRGB(clInfoBk)));

    // The edit style lets only Ctrl+C through.
    combo->SetStyle(csDropDown);
    QChar copy(3), letter('a');
    combo->KeyPress(copy);
    combo->KeyPress(letter);
    EXPECT_EQ(copy, QChar(3));
    EXPECT_TRUE(letter.isNull());
    Word down = VK_DOWN, f4 = VK_F4, home = VK_HOME;
    combo->KeyDown(down, {});
    combo->KeyDown(f4, {});
    combo->KeyDown(home, {});
    EXPECT_EQ(down, 0);
    EXPECT_EQ(f4, 0);
    EXPECT_EQ(home, VK_HOME);
    Word altF4 = VK_F4, altX = 'X';
    combo->KeyDown(altF4, TShiftState{ssAlt});
    combo->KeyDown(altX, TShiftState{ssAlt});
    EXPECT_EQ(altF4, VK_F4) << "Alt+F4 gets through";
    EXPECT_EQ(altX, 0);
}

TEST_F(ComboFixture, WheelStepsAndStopsAtTheEnds)
{
    combo->SetStyle(csDropDownList);
    Show();
    struct Step {
        int delta;
        int index;
        int events;
    } steps[] = {{120, 0, 0}, {-120, 1, 1}, {-120, 2, 2}, {-120, 2, 2}, {120, 1, 3}, {120, 0, 4}, {120, 0, 4}};
    combo->SetItemIndex(0);
    for (const Step &s : steps) {
        Wheel(combo->Widget(), QPoint(50, 10), s.delta);
        EXPECT_EQ(combo->ItemIndex(), s.index);
        EXPECT_EQ(changes, s.events);
        EXPECT_EQ(clicks, s.events);
    }
    // An owner's handler that marks the wheel handled keeps the box still.
    combo->OnMouseWheel = [](TObject *, TShiftState, int, TPoint, bool &handled) { handled = true; };
    Wheel(combo->Widget(), QPoint(50, 10), -120);
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ComboFixture, ValuesBesideTheItems)
{
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("a\nb\nc");
    combo->Values()->SetText("10\n\n30");
    combo->SetItemIndex(1);
    combo->Click();
    EXPECT_EQ(combo->Value(), "b") << "an empty value line reads the item";
    combo->SetValue("30");
    EXPECT_EQ(combo->ItemIndex(), 2);
    const int before = changes;
    combo->SetValue("30");
    combo->SetValue("nothing");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(changes, before) << "setting a value fires nothing";
    combo->SetValue("10");
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->Values()->SetText("30\n\n10");
    EXPECT_EQ(combo->ItemIndex(), 0) << "re-selected by the value it now reads";
    EXPECT_EQ(combo->Value(), "30");
}

TEST_F(ComboFixture, ListWidthAndNotInList)
{
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("a\nan item far wider than the box itself");
    Show();
    combo->SetDroppedDown(true);
    TCanvas measure;
    measure.SetFont(combo->Font());
    EXPECT_EQ(combo->ListWidth(), measure.TextWidth("an item far wider than the box itself") + 8);
    combo->SetDroppedDown(false);
    combo->SetDropDownCount(1);
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->ListWidth(), measure.TextWidth("an item far wider than the box itself") + 8 + 17);
    combo->SetDroppedDown(false);
    combo->Items()->SetText("a\nb");
    combo->SetDroppedDown(true);
    EXPECT_EQ(combo->ListWidth(), combo->Width()) << "at least the box's width";
    combo->SetDroppedDown(false);

    combo->SetStyle(csDropDown);
    auto *other = new TEdit(form.get());
    other->SetParent(form.get());
    int notInList = 0;
    combo->OnNotInList = [&](TObject *) { ++notInList; };
    struct Row {
        const char *text;
        int fires;
    } rows[] = {{"zz", 1}, {"", 0}, {"B", 0}};
    for (const Row &r : rows) {
        notInList = 0;
        combo->SetFocus();
        combo->SetText(r.text);
        other->SetFocus();
        EXPECT_EQ(notInList, r.fires) << r.text;
    }
}

TEST_F(ComboFixture, ListStyleSearchesWhatIsTypedWithinTheInterval)
{
    combo->SetStyle(csDropDownList);
    Show();
    combo->SetFocus();
    Type("b");
    EXPECT_EQ(combo->ItemIndex(), 0);
    Type("l");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->SearchString(), "bl");
    EXPECT_EQ(changes, 2);
    Type("x"); // no item: refused with a beep, the search text kept
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(combo->SearchString(), "bl");
    clock.Advance(1501);
    EXPECT_EQ(combo->SearchString(), "");
    Type("l");
    EXPECT_EQ(combo->ItemIndex(), 2);

    // Backspace that empties the search selects the first item.
    changes = clicks = 0;
    Key(combo->Widget(), Qt::Key_Backspace, "\b");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    Key(combo->Widget(), Qt::Key_Backspace, "\b");
    EXPECT_EQ(beeps, 2) << "nothing left to take back";
    combo->SetBeepOnInvalidKey(false);
    Type("q");
    EXPECT_EQ(beeps, 2);
}

TEST_F(ComboFixture, EditStyleCompletesFromTheItems)
{
    combo->SetStyle(csDropDown);
    Show();
    combo->SetFocus();
    Type("b");
    EXPECT_EQ(combo->Text(), "BW -6");
    EXPECT_EQ(combo->SelStart(), 1);
    EXPECT_EQ(Selected(), "W -6");
    EXPECT_EQ(matches, 1);
    Type("l");
    EXPECT_EQ(combo->SearchString(), "bl");
    EXPECT_EQ(combo->Text(), "BL -6");
    EXPECT_EQ(Selected(), " -6");
    EXPECT_EQ(matches, 2);
    Type("z"); // completes nothing: typed normally, over the selected tail
    EXPECT_EQ(combo->Text(), "BLz");
    EXPECT_EQ(beeps, 0);
}

TEST_F(ComboFixture, EditStyleWithoutAllowEditRefusesWhatCompletesNothing)
{
    combo->SetStyle(csDropDown);
    combo->SetAllowEdit(false);
    Show();
    combo->SetFocus();
    Type("l");
    EXPECT_EQ(combo->Text(), "LK -12");
    Type("q");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(combo->Text(), "LK -12");
    QChar paste(22);
    combo->KeyPress(paste);
    EXPECT_TRUE(paste.isNull()) << "Ctrl+V does nothing";
    combo->LineEdit()->setSelection(0, 2);
    Word del = VK_DELETE;
    combo->KeyDown(del, {});
    EXPECT_EQ(del, 0) << "Delete only with the whole text selected";
    combo->LineEdit()->selectAll();
    del = VK_DELETE;
    combo->KeyDown(del, {});
    EXPECT_EQ(del, VK_DELETE);
}

TEST_F(ComboFixture, MaxLengthAndEnterAsTab)
{
    combo->SetStyle(csDropDown);
    combo->Items()->Clear();
    combo->SetMaxLength(3);
    auto *next = new TEdit(form.get());
    next->SetParent(form.get());
    next->SetBounds(150, 10, 60, 21);
    next->SetTabStop(true);
    Show();
    combo->SetFocus();
    Type("abcd");
    EXPECT_EQ(combo->Text(), "abc");
    EXPECT_EQ(beeps, 1);

    combo->SetTabOnEnter(true);
    Key(combo->Widget(), Qt::Key_Return, "\r");
    QApplication::processEvents();
    EXPECT_TRUE(next->Focused()) << "Enter moved the focus on";
}

// The open list, as a user moves in it: without AutoCloseUp the arrow keys
// only walk the list and Enter chooses; with it the first key that moves
// to another item chooses that item and the list closes. The mouse moving
// over the list chooses nothing either way.
TEST_F(ComboFixture, AutoCloseUpChoosesWhereAKeyMovesTo)
{
    std::string log;
    combo->OnChange = [&](TObject *) { log += "change "; };
    combo->OnClick = [&](TObject *) { log += "click "; };
    combo->OnCloseUp = [&](TObject *) { log += "close "; };
    QCursor::setPos(-1000, -1000); // not over the window a test before left behind
    Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()->window()));
    QAbstractItemView *list = nullptr;
    auto open = [&] {
        combo->SetFocus();
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_F4);
        ASSERT_TRUE(combo->DroppedDown());
        list = static_cast<QComboBox *>(combo->Widget())->view();
    };
    struct Row {
        TComboBoxStyle style;
        bool autoCloseUp;
    } rows[] = {{csDropDown, false}, {csDropDown, true}, {csDropDownList, false}, {csDropDownList, true}};
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "style " << r.style << " AutoCloseUp " << r.autoCloseUp);
        combo->SetStyle(r.style);
        combo->SetAutoCloseUp(r.autoCloseUp);
        combo->SetItemIndex(0);
        log.clear();
        open();
        QTest::mouseMove(list->viewport(), list->visualRect(list->model()->index(2, 0)).center());
        EXPECT_TRUE(combo->DroppedDown()) << "the mouse over an item chooses nothing";
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Escape);
        ASSERT_FALSE(combo->DroppedDown());
        EXPECT_EQ(combo->ItemIndex(), 0);

        log.clear();
        open();
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Down);
        if (!r.autoCloseUp) {
            EXPECT_TRUE(combo->DroppedDown());
            EXPECT_EQ(combo->ItemIndex(), 0);
            EXPECT_EQ(log, "");
            QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
        }
        EXPECT_FALSE(combo->DroppedDown());
        EXPECT_EQ(combo->ItemIndex(), 1);
        EXPECT_EQ(combo->Text(), "BL -6");
        EXPECT_EQ(combo->Value(), "BL -6");
        EXPECT_EQ(log, "close click change ");

        // Up at the first item moves nowhere: the list stays open.
        combo->SetItemIndex(0);
        log.clear();
        open();
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Up);
        EXPECT_TRUE(combo->DroppedDown());
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Escape);
        EXPECT_EQ(combo->ItemIndex(), 0);
        EXPECT_EQ(log, "close ");
    }
}

// Each item that leaves the list with an object reports it once, whatever
// takes it away; items without one, and renaming, report nothing.
TEST_F(ComboFixture, DeletedItemsReportTheirObjects)
{
    TObject a, b, c, d, e, f;
    std::vector<TObject *> reported;
    combo->OnDeleteItem = [&](TObject *Sender, TObject *Data) {
        EXPECT_EQ(Sender, combo);
        reported.push_back(Data);
    };
    combo->ClearItems();
    EXPECT_TRUE(reported.empty()) << "the fixture's items carry nothing";
    combo->AddObject("a", &a);
    combo->Add("plain");
    combo->AddObject("b", &b);
    combo->InsertObject(0, "c", &c);
    combo->Items()->Put(1, "renamed"); // c, a renamed, plain, b
    EXPECT_TRUE(reported.empty());

    struct Step {
        std::function<void()> act;
        std::vector<TObject *> expected;
    } steps[] = {
        {[&] { combo->Delete(2); }, {}},
        {[&] { combo->Delete(1); }, {&a}},
        {[&] { combo->ClearItems(); }, {&c, &b}},
        {[&] {
             combo->AddObject("d", &d);
             combo->Items()->SetText("x\ny");
         },
         {&d}},
        {[&] {
             combo->ClearItems();
             combo->AddObject("e", &e);
             combo->AddObject("f", &f);
             delete combo; // the box's end
         },
         {&e, &f}},
    };
    for (Step &s : steps) {
        reported.clear();
        s.act();
        EXPECT_EQ(reported, s.expected);
    }

    // A handler that throws is reported, and the item goes all the same.
    std::vector<QString> errors;
    SetExceptionReporter([&](const QString &m) { errors.push_back(m); });
    auto *other = new TSkComboBox(form.get());
    other->AddObject("a", &a);
    other->AddObject("b", &b);
    other->OnDeleteItem = [](TObject *, TObject *) { throw std::runtime_error("busy"); };
    other->Delete(0);
    EXPECT_EQ(other->Count(), 1);
    EXPECT_EQ(other->Items()->Strings(0), "b");
    SetExceptionReporter(nullptr);
    EXPECT_EQ(errors.size(), 1u);
}

} // namespace

// The whole text selected and a word typed over it that starts no item:
// with AllowEdit the box shows the letters as typed and no item is
// selected; without it every letter is refused and the item stays.
TEST_F(ComboFixture, TypingOverTheWholeTextShowsWhatWasTyped)
{
    struct Row {
        bool allowEdit;
        const char *shown;
        int item;
        int beeps;
    };
    for (const Row &row : {Row{false, "LK -48", 3, 3}, Row{true, "xyz", -1, 0}}) {
        SCOPED_TRACE(row.allowEdit ? "AllowEdit" : "no AllowEdit");
        combo->SetStyle(csDropDown);
        combo->SetAllowEdit(row.allowEdit);
        combo->Items()->SetText("BW -6\nBL -6\nLK -12\nLK -48");
        combo->SetItemIndex(3);
        beeps = 0;
        Show();
        combo->SetFocus();
        // Keys go where the focus is, as a user's do.
        QWidget *focus = QApplication::focusWidget();
        ASSERT_EQ(focus, combo->Widget());
        Key(focus, Qt::Key_A, QString(QChar(1)), Qt::ControlModifier); // Ctrl+A, as X11 types it
        ASSERT_EQ(Selected(), "LK -48");
        QTest::keyClicks(focus, "xyz");
        EXPECT_EQ(combo->LineEdit()->text(), row.shown);
        EXPECT_EQ(combo->Text(), row.shown);
        EXPECT_EQ(combo->ItemIndex(), row.item);
        EXPECT_EQ(beeps, row.beeps);
        // The caret stands after what was typed: more letters go on the end.
        if (row.allowEdit) {
            QTest::keyClicks(focus, "w");
            EXPECT_EQ(combo->Text(), "xyzw");
        }
    }
}
