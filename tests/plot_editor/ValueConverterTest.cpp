// The value converter as its user meets it: opened from the "..." picker
// beside an edit, its pages read and typed into while it is shown modally
// (a runner stands in for the modal loop), and the value taken back on OK.
#include "DateTimePicker.h"
#include "EditorFormHost.h"
#include "MessageBeep.h"
#include "PageControl.h"
#include "gComponentEditorEdit.h"
#include "gComponentEditorPageControl.h"
#include "gComponentEditorValueConverterPicker.h"
#include "gUpDown.h"
#include "gValueConverterEditForm.h"

#include <QDateTimeEdit>
#include <QTabBar>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

struct ValueConverter : ::testing::Test {
    EditorFormHost host;
    TgComponentEditorEdit *edit = nullptr;
    TgComponentEditorValueConverterPicker *picker = nullptr;
    QStringList updates;
    int pickerChanges = 0;
    int beeps = 0;
    ManualWallClock wall{45000.75};
    ScopedWallClock wallScope{wall};

    void SetUp() override
    {
        edit = host.Add<TgComponentEditorEdit>(10, 10, 120, 21);
        edit->SetValueKind(ievkFloat);
        edit->OnUpdate = [this](TObject *) { updates << edit->Text(); };
        picker = new TgComponentEditorValueConverterPicker(&host.form);
        picker->SetAssociate(edit);
        picker->OnChange = [this](TObject *) { ++pickerChanges; };
        SetMessageBeepHandler([this](unsigned) { ++beeps; });
    }
    void TearDown() override
    {
        TCustomForm::ModalRunner = nullptr;
        SetMessageBeepHandler(nullptr);
    }
    // Clicks the picker; Script drives the converter while it is shown.
    void Open(std::function<void(TgValueConverterEditForm &)> Script)
    {
        bool ran = false;
        TCustomForm::ModalRunner = [&](TCustomForm &Form) {
            auto *converter = dynamic_cast<TgValueConverterEditForm *>(&Form);
            ASSERT_NE(converter, nullptr);
            EXPECT_TRUE(converter->Modal());
            ran = true;
            Script(*converter);
        };
        QTest::mouseClick(picker->Widget(), Qt::LeftButton);
        EXPECT_TRUE(ran);
    }
    static void TypeInto(TWinControl *C, const QString &Text)
    {
        QTest::mouseClick(C->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(4, C->Height() / 2));
        QTest::keyClick(C->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(C->Widget(), Text);
        QTest::keyClick(C->Widget(), Qt::Key_Return);
    }
    static void ClickButton(TWinControl *B) { QTest::mouseClick(B->Widget(), Qt::LeftButton); }
    // A click on the page's tab.
    static void ShowPage(TgValueConverterEditForm &F, TTabSheet *Page)
    {
        auto *tabs = F.PageControl->Widget()->findChild<QTabBar *>();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(Page->PageIndex()).center());
        EXPECT_EQ(F.PageControl->ActivePage(), Page);
    }
    static QString Shown(TDateTimePicker *P) { return static_cast<QDateTimeEdit *>(P->Widget())->text(); }
};

// The fields of the three pages as shown.
struct Fields {
    QString value, weeks, days, hours, minutes, seconds, msec, integer, n32, n256;
    bool interval, date, price;
};

Fields Read(const TgValueConverterEditForm &F)
{
    return {F.ValueEdit->Text(),   F.WeeksEdit->Text(),   F.DaysEdit->Text(),       F.HoursEdit->Text(),
            F.MinutesEdit->Text(), F.SecondsEdit->Text(), F.MilliSecondsEdit->Text(), F.PriceIntegerEdit->Text(),
            F.Price32ndsEdit->Text(), F.Price256thsEdit->Text(), F.DaysEdit->Enabled(), F.DatePicker->Enabled(),
            F.PriceIntegerEdit->Enabled()};
}

TEST_F(ValueConverter, OneAndAHalfIsOneDayTwelveHoursOnEveryPageAndCancelKeepsTheEdit)
{
    edit->SetAsFloat(1.5);
    Open([&](TgValueConverterEditForm &f) {
        EXPECT_EQ(f.PageControl->ActivePage(), f.IntervalTabSheet);
        const Fields s = Read(f);
        EXPECT_EQ(s.value, "1.5");
        EXPECT_EQ(s.weeks, "0");
        EXPECT_EQ(s.days, "1");
        EXPECT_EQ(s.hours, "12");
        EXPECT_EQ(s.minutes, "0");
        EXPECT_EQ(s.integer, "1");
        EXPECT_EQ(s.n32, "16");
        EXPECT_EQ(s.n256, "0");
        // One day after date-time 0, at noon.
        EXPECT_DOUBLE_EQ(f.DatePicker->Date(), EncodeDate(1899, 12, 31));
        EXPECT_EQ(Shown(f.TimePicker), QStringLiteral("12:00:00"));
        ClickButton(f.CancelButton);
    });
    EXPECT_EQ(edit->Text(), QStringLiteral("1.5"));
    EXPECT_TRUE(updates.isEmpty());
    EXPECT_EQ(pickerChanges, 0);
}

TEST_F(ValueConverter, PricesInThirtySecondsBothWays)
{
    edit->SetAsFloat(2.515625);
    Open([&](TgValueConverterEditForm &f) {
        const Fields s = Read(f);
        EXPECT_EQ(s.integer, "2");
        EXPECT_EQ(s.n32, "16");
        EXPECT_EQ(s.n256, "4");
        TypeInto(f.Price32ndsEdit, "8");
        EXPECT_EQ(f.ValueEdit->Text(), QStringLiteral("2.265625"));
        TypeInto(f.PriceIntegerEdit, "-3");
        EXPECT_EQ(f.ValueEdit->Text(), QStringLiteral("-3.265625"));
        ClickButton(f.OkButton);
    });
    EXPECT_EQ(updates, QStringList{"-3.265625"});
}

// The price page truncates to the 256th below the value; OK with no edit
// gives the value back as it was.
TEST_F(ValueConverter, PricePageTruncatesToTheTwoHundredFiftySixth)
{
    const struct {
        double value;
        const char *integer, *n32, *n256;
    } rows[] = {
        {2.5195, "2", "16", "4"},     {2.51953125, "2", "16", "5"}, {127.998, "127", "31", "7"},
        {3.99999, "3", "31", "7"},    {-0.9999, "-0", "31", "7"},   {0.00390625, "0", "0", "1"},
        {0.0039, "0", "0", "0"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.value);
        edit->SetAsFloat(r.value);
        Open([&](TgValueConverterEditForm &f) {
            ShowPage(f, f.Price32TabSheet);
            const Fields s = Read(f);
            EXPECT_EQ(s.integer, r.integer);
            EXPECT_EQ(s.n32, r.n32);
            EXPECT_EQ(s.n256, r.n256);
            ClickButton(f.OkButton);
        });
        EXPECT_DOUBLE_EQ(edit->AsFloat(), r.value);
    }
}

TEST_F(ValueConverter, TenWeeksAndSixHoursGiveSeventyAndAQuarter)
{
    Open([&](TgValueConverterEditForm &f) {
        TypeInto(f.HoursEdit, "6");
        TypeInto(f.WeeksEdit, "10");
        const Fields s = Read(f);
        EXPECT_EQ(s.value, "70.25");
        EXPECT_EQ(s.days, "70");
        EXPECT_EQ(s.hours, "6");
        EXPECT_EQ(s.integer, "70");
        EXPECT_EQ(s.n32, "8");
        ClickButton(f.OkButton);
    });
    EXPECT_EQ(edit->Text(), QStringLiteral("70.25"));
    EXPECT_EQ(updates, QStringList{"70.25"});
    EXPECT_EQ(pickerChanges, 1);
    EXPECT_DOUBLE_EQ(picker->DateTime(), 70.25);
}

TEST_F(ValueConverter, NegativeIntervalsKeepTheirSignThroughAnEdit)
{
    edit->SetAsFloat(-1.5);
    Open([&](TgValueConverterEditForm &f) {
        EXPECT_EQ(f.DaysEdit->Text(), QStringLiteral("-1"));
        EXPECT_EQ(f.HoursEdit->Text(), QStringLiteral("12"));
        TypeInto(f.MinutesEdit, "30");
        // The edit holds 15 significant digits, and so the value.
        EXPECT_NEAR(f.Value(), -(1 + 12.5 / 24), 1e-13);
        // Under a day: the sign stays on the zero days.
        TypeInto(f.DaysEdit, "-0");
        EXPECT_NEAR(f.Value(), -12.5 / 24, 1e-13);
        EXPECT_EQ(f.DaysEdit->Text(), QStringLiteral("-0"));
        ClickButton(f.CancelButton);
    });
}

TEST_F(ValueConverter, LargeNegativeAndUndatableValuesAreGuarded)
{
    struct Case {
        double value;
        const char *valueText;
        bool interval, date, price;
        const char *days, *hours, *integer;
    };
    const Case cases[] = {
        {std::nan(""), "NAN", false, false, false, "", "", ""},
        {-1e15, "-1E15", true, true, true, "0", "0", "-1000000000000000"},
        {1e14 + 0.25, "100000000000000", true, true, true, "0", "6", "100000000000000"},
        {3e6, "3000000", true, false, true, "3000000", "0", "3000000"},
        {-700000, "-700000", true, false, true, "-700000", "0", "-700000"},
        {2958465.5, "2958465.5", true, true, true, "2958465", "12", "2958465"},
        {1e300, "1E300", true, true, true, "0", "0", nullptr},
    };
    picker->SetAssociate(nullptr); // the value comes from DateTime
    for (const Case &c : cases) {
        SCOPED_TRACE(c.valueText);
        picker->SetDateTime(c.value);
        Open([&](TgValueConverterEditForm &f) {
            const Fields s = Read(f);
            EXPECT_EQ(s.value, c.valueText);
            EXPECT_EQ(s.interval, c.interval);
            EXPECT_EQ(s.date, c.date);
            EXPECT_EQ(f.TimePicker->Enabled(), c.date);
            EXPECT_EQ(s.price, c.price);
            EXPECT_EQ(s.days, c.days);
            EXPECT_EQ(s.hours, c.hours);
            if (c.integer) {
                EXPECT_EQ(s.integer, c.integer);
            }
            ClickButton(f.CancelButton);
        });
    }
}

TEST_F(ValueConverter, TheDatePageNowAndSetAllToZero)
{
    edit->SetAsFloat(1.5);
    Open([&](TgValueConverterEditForm &f) {
        ShowPage(f, f.DateTimeTabSheet);
        // An hour later by the time field's own key.
        QWidget *time = f.TimePicker->Widget();
        QTest::mouseClick(time, Qt::LeftButton, Qt::NoModifier, QPoint(6, time->height() / 2));
        QTest::keyClick(time, Qt::Key_Up);
        EXPECT_NEAR(f.Value(), 1.5 + 1.0 / 24, 1e-13);
        EXPECT_EQ(f.HoursEdit->Text(), QStringLiteral("13"));
        ClickButton(f.SetNowButton);
        EXPECT_DOUBLE_EQ(f.Value(), 45000.75);
        EXPECT_DOUBLE_EQ(f.DatePicker->Date(), 45000);
        EXPECT_EQ(f.HoursEdit->Text(), QStringLiteral("18"));
        ShowPage(f, f.IntervalTabSheet);
        ClickButton(f.gComponentEditorButton1);
        const Fields s = Read(f);
        EXPECT_EQ(s.value, "0");
        EXPECT_EQ(s.days, "0");
        EXPECT_EQ(s.hours, "0");
        EXPECT_EQ(s.integer, "0");
        EXPECT_DOUBLE_EQ(f.DatePicker->Date(), 0);
        ClickButton(f.OkButton);
    });
    EXPECT_EQ(edit->Text(), QStringLiteral("0"));
}

TEST_F(ValueConverter, AnHourOutsideTheDayIsRefusedAndTheValueStays)
{
    edit->SetAsFloat(1.5);
    Open([&](TgValueConverterEditForm &f) {
        TypeInto(f.HoursEdit, "25");
        EXPECT_EQ(beeps, 1);
        EXPECT_DOUBLE_EQ(f.Value(), 1.5);
        EXPECT_EQ(f.HoursEdit->Text(), QStringLiteral("12"));
        TypeInto(f.DaysEdit, "abc");
        EXPECT_EQ(f.DaysEdit->Text(), QStringLiteral("1"));
        EXPECT_DOUBLE_EQ(f.Value(), 1.5);
        ClickButton(f.OkButton);
    });
    EXPECT_TRUE(updates.isEmpty()); // the same value: nothing to apply
}

TEST_F(ValueConverter, ThePickerSitsBesideItsEditAndForgetsAFreedOne)
{
    EXPECT_EQ(picker->Left(), edit->Left() + edit->Width());
    EXPECT_EQ(picker->Top(), edit->Top());
    EXPECT_EQ(picker->Height(), edit->Height());
    delete edit;
    EXPECT_EQ(picker->Associate(), nullptr);
    picker->SetDateTime(3);
    Open([&](TgValueConverterEditForm &f) {
        EXPECT_EQ(f.DaysEdit->Text(), QStringLiteral("3"));
        ClickButton(f.OkButton);
    });
    EXPECT_EQ(pickerChanges, 1);
}

TEST_F(ValueConverter, TabWalksTheShownPageAndTheFormInOrder)
{
    const auto walk = [](int Steps, Qt::KeyboardModifiers Mods) {
        QStringList names;
        for (int i = 0; i < Steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Mods);
            TWinControl *c = TWinControl::FindControl(QApplication::focusWidget());
            names << (c ? c->Name() : QStringLiteral("?"));
        }
        return names;
    };
    Open([&](TgValueConverterEditForm &f) {
        QTest::mouseClick(f.WeeksEdit->Widget(), Qt::LeftButton);
        QTest::keyClicks(f.WeeksEdit->Widget(), "2");
        EXPECT_EQ(walk(11, Qt::NoModifier),
                  (QStringList{"DaysEdit", "HoursEdit", "MinutesEdit", "SecondsEdit", "MilliSecondsEdit",
                               "gComponentEditorButton1", "ValueEdit", "OkButton", "CancelButton", "PageControl",
                               "WeeksEdit"}));
        // Leaving the weeks field committed what was typed there.
        EXPECT_EQ(f.DaysEdit->Text(), QStringLiteral("14"));
        EXPECT_EQ(walk(2, Qt::ShiftModifier), (QStringList{"PageControl", "CancelButton"}));
        ClickButton(f.CancelButton);
    });
}

} // namespace
