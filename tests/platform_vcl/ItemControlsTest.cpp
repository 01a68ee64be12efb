#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Form.h"
#include "ListBox.h"
#include "TestInput.h"
#include "ValueListEditor.h"

#include <QComboBox>
#include <QApplication>
#include <QListWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

TEST(ComboBox, ItemsIndexAndUserSelection)
{
    TForm form(nullptr);
    auto *combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDownList);
    int changes = 0, clicks = 0;
    combo->OnChange = [&](TObject *) { ++changes; };
    combo->OnClick = [&](TObject *) { ++clicks; };
    combo->Items()->SetText("BW -6\nBW -12\nLK -24");
    EXPECT_EQ(combo->Items()->Count(), 3);
    EXPECT_EQ(combo->ItemIndex(), -1); // adding items selects nothing
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "BW -12");
    EXPECT_EQ(changes, 0); // code changes fire nothing
    combo->SetItemIndex(7); // out of range: ignored
    EXPECT_EQ(combo->ItemIndex(), 1);

    auto *box = static_cast<QComboBox *>(combo->Widget());
    box->setCurrentIndex(2); // the user picks an item
    emit box->activated(2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->Text(), "LK -24");
    EXPECT_THROW(combo->Items()->Get(3), EListError);
    combo->Items()->Delete(0);
    EXPECT_EQ(combo->Items()->Strings(0), "BW -12");
}

TEST(ListBox, ItemsAndClicksOnlyFromTheUser)
{
    TForm form(nullptr);
    auto *list = new TListBox(&form);
    list->SetParent(&form);
    int clicks = 0;
    list->OnClick = [&](TObject *) { ++clicks; };
    TStringList names;
    names.SetText("A\nB\nC");
    list->SetItems(&names);
    EXPECT_EQ(list->Items()->Count(), 3);
    list->SetItemIndex(2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 0);
    static_cast<QListWidget *>(list->Widget())->setCurrentRow(0); // as a user's selection arrives
    EXPECT_EQ(clicks, 1);
    list->Items()->Clear();
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(clicks, 1);
}

// A sorted list box keeps its entries in the order of their texts (letter
// case aside), each with its object; sorting an unsorted one keeps the
// chosen entry chosen and tells no one.
TEST(ListBox, SortedKeepsEntriesInOrderWithTheirObjects)
{
    TForm form(nullptr);
    auto *list = new TListBox(&form);
    list->SetParent(&form);
    int clicks = 0;
    list->OnClick = [&](TObject *) { ++clicks; };
    TObject a, b, c;
    list->Items()->AddObject("delta", &a);
    list->Items()->AddObject("Alpha", &b);
    list->Items()->AddObject("charlie", &c);
    list->SetItemIndex(0);
    list->SetSorted(true);
    EXPECT_EQ(list->Items()->Text(), "Alpha\r\ncharlie\r\ndelta\r\n");
    EXPECT_EQ(list->Items()->GetObject(0), &b);
    EXPECT_EQ(list->Items()->GetObject(2), &a);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(list->Items()->Add("Bravo"), 1);
    EXPECT_EQ(list->Items()->Add("echo"), 4);
    EXPECT_EQ(list->Items()->AddObject("Charlie", &a), 3); // after its equal
    EXPECT_EQ(list->Items()->GetObject(3), &a);
    EXPECT_EQ(clicks, 0);
    list->SetSorted(false);
    EXPECT_EQ(list->Items()->Add("aa"), 6);
}

TEST(ListBox, FocusArrivingPicksNoEntryTheUsersKeysDo)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *list = new TListBox(&form);
    list->SetParent(&form);
    list->Items()->Add("A");
    list->Items()->Add("B");
    int clicks = 0;
    list->OnClick = [&](TObject *) { ++clicks; };
    form.Show();
    QApplication::setActiveWindow(form.WindowWidget());
    list->SetFocus();
    ASSERT_TRUE(list->Focused());
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);
    Key(list->Widget(), Qt::Key_Down);
    EXPECT_GE(list->ItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
    QApplication::setActiveWindow(nullptr);
}

// A key/value list of two rows on a form.
struct TwoRowList {
    TForm form{nullptr};
    TValueListEditor *list = new TValueListEditor(&form);
    TwoRowList()
    {
        form.SetBounds(0, 0, 300, 200);
        list->SetParent(&form);
        list->SetBounds(0, 0, 280, 150);
        list->InsertRow("U01", "Live");
        list->InsertRow("U02", "Studio");
    }
};

// The focus arriving in the list (its window shown and activated, or Tab)
// picks no row; the user's click and arrow keys do, the first row too.
TEST(ValueListEditor, OnlyTheUsersPickSelectsACell)
{
    TwoRowList l;
    TForm &form = l.form;
    TValueListEditor *list = l.list;
    std::vector<int> picked;
    list->OnSelectCell = [&](TObject *, int, int ARow, bool &) { picked.push_back(ARow); };
    form.Show();
    QApplication::setActiveWindow(form.WindowWidget());
    list->SetFocus();
    ASSERT_TRUE(list->Focused());
    EXPECT_TRUE(picked.empty());
    EXPECT_EQ(list->Row(), 0);

    QTableWidget *table = list->Table();
    const QRect first = table->visualRect(table->model()->index(0, 1));
    Click(table->viewport(), first.center());
    EXPECT_EQ(picked, std::vector<int>{1});
    EXPECT_EQ(list->Row(), 1);
    Key(table, Qt::Key_Down);
    EXPECT_EQ(picked, (std::vector<int>{1, 2}));
    EXPECT_EQ(list->Row(), 2);
    Click(table->viewport(), first.center()); // another row: one pick, not two
    EXPECT_EQ(picked, (std::vector<int>{1, 2, 1}));
    QApplication::setActiveWindow(nullptr);
}

// The list's mouse events come in its own coordinates, and MouseToCell
// finds the key row under them: none over the space below the last row.
TEST(ValueListEditor, MouseUpTellsTheCellUnderThePointer)
{
    TwoRowList l;
    TForm &form = l.form;
    TValueListEditor *list = l.list;
    std::vector<std::pair<int, int>> cells;
    list->OnMouseUp = [&](TObject *, TMouseButton, TShiftState, int X, int Y) {
        int col = 0, row = 0;
        list->MouseToCell(X, Y, col, row);
        cells.emplace_back(col, row);
    };
    form.Show();
    QTableWidget *table = list->Table();
    const QRect second = table->visualRect(table->model()->index(1, 1));
    Click(table->viewport(), second.center());
    Click(table->viewport(), QPoint(second.center().x(), second.bottom() + 20));
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{1, 2}, {-1, -1}}));
}

TEST(Edit, OnChangeForCodeAndTyping)
{
    TForm form(nullptr);
    auto *edit = new TEdit(&form);
    edit->SetParent(&form);
    int changes = 0;
    edit->OnChange = [&](TObject *) { ++changes; };
    edit->SetText("12.5");
    EXPECT_EQ(changes, 1);
    Key(edit->Widget(), Qt::Key_0, "0");
    EXPECT_EQ(edit->Text(), "12.50");
    EXPECT_EQ(changes, 2);
}

TEST(CheckBox, ClickOnEveryStateChange)
{
    TForm form(nullptr);
    auto *check = new TCheckBox(&form);
    check->SetParent(&form);
    int clicks = 0;
    check->OnClick = [&](TObject *) { ++clicks; };
    check->SetChecked(true);
    EXPECT_TRUE(check->Checked());
    check->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    check->SetState(cbGrayed);
    EXPECT_EQ(check->State(), cbGrayed);
    EXPECT_EQ(clicks, 2);
}

} // namespace
