#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Form.h"
#include "ListBox.h"
#include "TestInput.h"

#include <QComboBox>
#include <QListWidget>
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
