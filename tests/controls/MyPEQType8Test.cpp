#include "MyPEQType8.h"

#include "Edit.h"
#include "Form.h"
#include "Panel.h"
#include "FormatSettings.h"
#include "SkButton.h"
#include "SkComboBox.h"
#include "SkLabel.h"
#include "TestInput.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct PeqFixture : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TMyPEQType8 *table = nullptr;
    TEdit *elsewhere = nullptr;
    int changes = 0;

    void SetUp() override
    {
        form->SetBounds(0, 0, 700, 400);
        table = new TMyPEQType8(form.get());
        table->SetParent(form.get());
        table->SetBounds(0, 0, 536, 270);
        table->SetGroupStyle(gsCustom);
        table->SetChannelNumber(8);
        table->OnChange = [this](TObject *) { ++changes; };
        elsewhere = new TEdit(form.get());
        elsewhere->SetParent(form.get());
        elsewhere->SetBounds(600, 10, 60, 21);
        form->Show();
        QApplication::setActiveWindow(form->Widget());
        elsewhere->SetFocus(); // not in a table edit, whose leaving would count
        changes = 0;
    }
    void TearDown() override { QApplication::setActiveWindow(nullptr); }

    // Types Text into the edit over what it holds, through real key events.
    void TypeInto(TEdit *Edit, const QString &Text)
    {
        Edit->SetFocus();
        Edit->SelectAll();
        for (QChar c : Text)
            Key(Edit->Widget(), 0, QString(c));
    }
};

struct TypedRow {
    const char *text;
    int position;      // afterwards: the old position for a refused text
    const char *shown;
};

// Each row typed into row 2, confirmed once with Enter and once by leaving
// the edit; either way OnChange fires once and the row becomes the now index.
void RunTypedTable(PeqFixture &f, TEdit *(TMyPEQType8::*edit)(int), int (TMyPEQType8::*position)(int) const,
                   const std::vector<TypedRow> &rows)
{
    for (bool byEnter : {true, false}) {
        for (const TypedRow &r : rows) {
            f.changes = 0;
            TEdit *e = (f.table->*edit)(2);
            f.TypeInto(e, QString::fromUtf8(r.text));
            if (byEnter)
                Key(e->Widget(), Qt::Key_Return, "\r");
            else
                f.elsewhere->SetFocus();
            const std::string how = std::string(r.text) + (byEnter ? " (Enter)" : " (exit)");
            EXPECT_EQ((f.table->*position)(2), r.position) << how;
            EXPECT_EQ(e->Text(), QString::fromUtf8(r.shown)) << how;
            EXPECT_EQ(f.changes, 1) << how;
            EXPECT_EQ(f.table->GetNowIndex(), 2) << how;
            if (byEnter)
                f.elsewhere->SetFocus(); // leaving reads the text again
        }
    }
}

TEST_F(PeqFixture, TypedFrequencies)
{
    table->SetFreqValue(2, 1000);
    RunTypedTable(*this, &TMyPEQType8::FreqEdit, &TMyPEQType8::FreqPosition,
                  {{"1.5kHz", 18, "1.52KHz"}, {"100", -100, "99.2Hz"}, {"abc", -100, "99.2Hz"},
                   {"0", -100, "99.2Hz"}, {"0.0", -100, "99.2Hz"}, {".0k", -100, "99.2Hz"},
                   {"1,000", -100, "99.2Hz"}, {"30000", 130, "20.16KHz"}, {"5", -170, "19.7Hz"},
                   {"20KHz5", -170, "19.7Hz"}, {"1500", 18, "1.52KHz"}});
}

TEST_F(PeqFixture, TypedQAndGain)
{
    RunTypedTable(*this, &TMyPEQType8::QEdit, &TMyPEQType8::QPosition,
                  {{"200", 100, "128.00"}, {"0.1", 0, "0.40"}, {"10", 56, "10.10"}, {"1,5", 56, "10.10"},
                   {"1.26", 20, "1.26"}, {"0", 20, "1.26"}});
    RunTypedTable(*this, &TMyPEQType8::GainEdit, &TMyPEQType8::GainPosition,
                  {{"-20dB", -120, "-12dB"}, {"1.25", 12, "1.2dB"}, {"5.", 12, "1.2dB"}, {"--1", 12, "1.2dB"},
                   {"1-2", 10, "1dB"}, {"-.5", -5, "-0.5dB"}, {"1,5", -5, "-0.5dB"}});
}

TEST_F(PeqFixture, CellsReadTheirOwnTextUnderACommaLocale)
{
    TFormatSettings comma;
    comma.DecimalSeparator = u',';
    comma.ThousandSeparator = u'.';
    TFormatSettingsScope scope(comma);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    RunTypedTable(*this, &TMyPEQType8::QEdit, &TMyPEQType8::QPosition,
                  {{"1.26", 20, "1.26"}, {"1,5", 20, "1.26"}});
    RunTypedTable(*this, &TMyPEQType8::GainEdit, &TMyPEQType8::GainPosition, {{"-3.5", -35, "-3.5dB"}});
    RunTypedTable(*this, &TMyPEQType8::FreqEdit, &TMyPEQType8::FreqPosition, {{"1.5k", 18, "1.52KHz"}});
    // Confirming the unchanged texts keeps every value.
    for (TEdit *e : {table->QEdit(2), table->GainEdit(2), table->FreqEdit(2)}) {
        e->SetFocus();
        Key(e->Widget(), Qt::Key_Return, "\r");
    }
    EXPECT_EQ(table->QPosition(2), 20);
    EXPECT_EQ(table->GainPosition(2), -35);
    EXPECT_EQ(table->FreqPosition(2), 18);
    QLocale::setDefault(saved);
}

TEST_F(PeqFixture, ValuesFromCode)
{
    table->SetFreqValue(1, 1500);
    EXPECT_EQ(table->FreqPosition(1), 17);
    EXPECT_EQ(table->FreqEdit(1)->Text(), "1.48KHz");
    table->SetFreqValue(1, 1300);
    EXPECT_EQ(table->FreqPosition(1), 11);
    table->SetGainValue(1, 1.25);
    EXPECT_EQ(table->GainPosition(1), 12);
    EXPECT_DOUBLE_EQ(table->GetGainValue(1), 1.2);
    EXPECT_EQ(table->GainEdit(1)->Text(), "1.25dB");
    table->SetEqParamValue(0, 1000, 20, 1.2, 0, false);
    EXPECT_EQ(table->FreqPosition(0), 0);
    EXPECT_EQ(table->GainPosition(0), 12);
    EXPECT_EQ(table->QPosition(0), 20);
    EXPECT_EQ(table->FreqEdit(0)->Text(), "1.00KHz");
    EXPECT_EQ(table->GainEdit(0)->Text(), "1.2dB");
    EXPECT_EQ(table->QEdit(0)->Text(), "1.26");
    EXPECT_EQ(table->GetTypeValue(0), 0);
    EXPECT_EQ(changes, 4) << "every setter fires once";
    EXPECT_EQ(table->GetNowIndex(), 0) << "code moves no index";

    // Positions are held to their scales; rows outside the table are left alone.
    table->SetQValue(3, 500);
    EXPECT_EQ(table->QPosition(3), 100);
    table->SetQValue(3, -4);
    EXPECT_EQ(table->QPosition(3), 0);
    table->SetFreqValue(3, 0);
    EXPECT_EQ(table->FreqPosition(3), -170);
    changes = 0;
    for (int row : {-1, 8, 49, 1000}) {
        table->SetEqParamValue(row, 1000, 10, 3, 2, true);
        table->SetQValue(row, 5);
        table->SetBypassValue(row, true);
        EXPECT_EQ(table->GetTypeValue(row), -1);
        EXPECT_FALSE(table->GetBypassValue(row));
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(PeqFixture, ChannelNumberIsHeldToItsRange)
{
    struct Row {
        int set;
        int stored;
        int fires;
    } rows[] = {{60, 50, 1}, {50, 50, 0}, {0, 1, 1}, {-5, 1, 0}, {9, 9, 1}};
    for (const Row &r : rows) {
        changes = 0;
        table->SetChannelNumber(r.set);
        EXPECT_EQ(table->GetChannelNumber(), r.stored) << r.set;
        EXPECT_EQ(changes, r.fires) << r.set;
        table->Repaint(); // the layout divides by it
    }
}

TEST_F(PeqFixture, ColumnsAtTheMainWindowSize)
{
    for (int channels : {8, 9}) {
        table->SetChannelNumber(channels);
        table->Repaint();
        const int rowH = channels == 8 ? 29 : 26;
        for (int i = 0; i < channels; ++i) {
            const int top = 15 + rowH * i + 8;
            EXPECT_EQ(table->NumberLabel(i)->Top(), top) << channels << " rows, row " << i;
            EXPECT_EQ(table->FreqEdit(i)->Left(), 40);
            EXPECT_EQ(table->QEdit(i)->Left(), 141);
            EXPECT_EQ(table->GainEdit(i)->Left(), 242);
            EXPECT_EQ(table->FreqEdit(i)->Width(), 93);
            EXPECT_EQ(table->TypeList(i)->BoundsRect(), Bounds(343, top - 1, 101, rowH));
            EXPECT_EQ(table->BypassButton(i)->Left(), 450);
            EXPECT_EQ(table->BypassButton(i)->Width(), 79);
            EXPECT_TRUE(table->TypeList(i)->Visible());
        }
        EXPECT_FALSE(table->FreqEdit(channels)->Visible());
        EXPECT_EQ(table->BypassButton(channels)->Top(), 10000);
    }
    // A repaint at the same size moves no row.
    const int layouts = table->LayoutCount();
    table->FreqEdit(3)->SetLeft(5);
    table->Repaint();
    table->Invalidate();
    QApplication::processEvents();
    EXPECT_EQ(table->LayoutCount(), layouts);
    EXPECT_EQ(table->FreqEdit(3)->Left(), 5);
    table->SetBounds(0, 0, 600, 300);
    EXPECT_EQ(table->LayoutCount(), layouts + 1);
    EXPECT_EQ(table->FreqEdit(3)->Left(), 40) << "laid out again on a new size";
}

// The now index beyond the row count (a cleared selection) makes no row,
// yet the row shows the highlight once it is made.
TEST_F(PeqFixture, NowIndexBeyondTheCountHighlightsTheRowWhenMade)
{
    table->SetChannelNumber(9);
    table->Repaint();
    const int components = table->ComponentCount();
    table->SetNowIndex(15);
    EXPECT_EQ(table->ComponentCount(), components);
    EXPECT_EQ(table->FreqEdit(15)->Font()->Color(), TMyPEQType8::HighlightColor);
    EXPECT_EQ(table->GainEdit(0)->Font()->Color(), table->GainEdit(1)->Font()->Color());
}

TEST_F(PeqFixture, NowIndexAndHighlight)
{
    const TColor normal = table->FreqEdit(0)->Font()->Color();
    EXPECT_EQ(table->GetNowIndex(), 0);
    table->SetNowIndex(3);
    EXPECT_EQ(table->FreqEdit(3)->Font()->Color(), TMyPEQType8::HighlightColor);
    const QImage shot = table->FreqEdit(3)->PaintToImage();
    bool green = false;
    for (int y = 0; y < shot.height() && !green; ++y)
        for (int x = 0; x < shot.width() && !green; ++x) {
            const QColor c = shot.pixelColor(x, y);
            green = c.green() > 120 && c.red() < 60 && c.blue() < 60;
        }
    EXPECT_TRUE(green) << "the highlighted row's values are written in green";
    EXPECT_EQ(table->GetNowIndex(), 3);
    EXPECT_EQ(table->PreviousIndex(), 0) << "not touched";
    table->SetNowIndex(-1);
    EXPECT_EQ(table->GainEdit(3)->Font()->Color(), normal);
    EXPECT_EQ(table->GetNowIndex(), 3);

    // A user's touch on row 5, then the owner highlights the now index.
    Click(table->QEdit(5)->Widget(), QPoint(5, 5));
    EXPECT_EQ(table->GetNowIndex(), 5);
    EXPECT_EQ(table->PreviousIndex(), 3);
    table->SetNowIndex(3); // highlights 3 first, un-highlights 5
    table->SetNowIndex(5);
    table->SetNowIndex(table->GetNowIndex()); // now = previous: nothing
    EXPECT_EQ(table->QEdit(5)->Font()->Color(), TMyPEQType8::HighlightColor);
    EXPECT_EQ(table->QEdit(3)->Font()->Color(), normal);
    table->SetColor(20, clRed); // outside the table: ignored
    EXPECT_EQ(table->QEdit(20)->Font()->Color(), normal);
}

TEST_F(PeqFixture, BypassAndTypes)
{
    table->SetBypassBackColor(clSilver);
    table->SetNowIndex(5);
    Click(table->BypassButton(3)->Widget(), QPoint(10, 8));
    EXPECT_TRUE(table->GetBypassValue(3));
    EXPECT_EQ(table->GetNowIndex(), 3);
    EXPECT_EQ(table->PreviousIndex(), 5);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(table->BypassButton(3)->Color(), TMyPEQType8::BypassedColor);

    // Without OnChange the flag changes but the colour stays.
    table->OnChange = nullptr;
    table->SetBypassValue(1, true);
    EXPECT_TRUE(table->GetBypassValue(1));
    EXPECT_EQ(table->BypassButton(1)->Color(), clSilver);
    table->OnChange = [this](TObject *) { ++changes; };
    table->SetBypassValue(0, false);
    EXPECT_EQ(table->BypassButton(1)->Color(), TMyPEQType8::BypassedColor);

    // Types survive a resize and a change of language.
    table->SetTypeValue(2, 4);
    table->SetBounds(0, 0, 560, 280);
    table->Repaint();
    EXPECT_EQ(table->GetTypeValue(2), 4);
    for (int t = 0; t < 9; ++t)
        table->SetEqTypeString(QStringLiteral("T%1").arg(t), t);
    table->SetBypassString(QStringLiteral("AUS"));
    table->ChangeLanguage();
    EXPECT_EQ(table->GetTypeValue(2), 4);
    EXPECT_EQ(table->GetTypeValue(0), 1) << "each row keeps its type";
    EXPECT_EQ(table->TypeList(2)->Items()->Strings(4), "T4");
    EXPECT_EQ(table->BypassButton(2)->Caption(), "AUS");

    // The wheel reaches the owner with the list as Sender and moves no index.
    TObject *sender = nullptr;
    table->OnPeqTypeMouseWheel = [&](TObject *s, TShiftState, int, TPoint, bool &handled) {
        sender = s;
        handled = true;
    };
    const int now = table->GetNowIndex();
    Wheel(table->TypeList(6)->Widget(), QPoint(5, 5), -120);
    EXPECT_EQ(sender, table->TypeList(6));
    EXPECT_EQ(table->GetNowIndex(), now);
    EXPECT_EQ(table->GetTypeValue(6), 1) << "handled: the list stays";
}

TEST(MyPEQType8, LanguageChosenBeforeTheFirstShowStays)
{
    TForm form(nullptr);
    auto *table = new TMyPEQType8(&form);
    table->SetEqTypeString(QStringLiteral("Glocke"), 0);
    table->SetBypassString(QStringLiteral("AUS"));
    table->SetParent(&form);
    form.Show();
    table->ChangeLanguage();
    EXPECT_EQ(table->TypeList(0)->Items()->Strings(0), "Glocke");
    EXPECT_EQ(table->BypassButton(0)->Caption(), "AUS");
    EXPECT_EQ(table->GetTypeValue(0), 1) << "Low Shelf selected at the start";
    EXPECT_EQ(table->QEdit(0)->Text(), "0.40");
    EXPECT_EQ(table->GainEdit(0)->Text(), "0dB");
}

// A table on a hidden page makes no rows; what it is given meanwhile (values,
// types, bypass flags, the highlight, a language) is in its rows once it is
// shown, as in a table shown all along that was given the same.
TEST(MyPEQType8, ATableFilledWhileHiddenShowsWhatOneShownAllAlongShows)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 1150, 330);
    TMyPEQType8 *tables[2];
    TPanel *pages[2];
    for (int k = 0; k < 2; ++k) {
        pages[k] = new TPanel(&form);
        pages[k]->SetParent(&form);
        pages[k]->SetBounds(k * 560, 0, 550, 300);
        tables[k] = new TMyPEQType8(&form); // as the editor's page makes it
        tables[k]->SetChannelNumber(9);
        tables[k]->SetTitleVisable(true);
        tables[k]->SetBypassBackColor(clSilver);
        tables[k]->SetParent(pages[k]);
        tables[k]->SetBounds(8, 24, 520, 256);
        tables[k]->OnChange = [](TObject *) {};
    }
    TMyPEQType8 *shown = tables[0], *hidden = tables[1];
    auto *elsewhere = new TEdit(&form);
    elsewhere->SetParent(&form);
    elsewhere->SetBounds(10, 305, 60, 21);
    pages[1]->SetVisible(false);
    form.Show();
    QApplication::setActiveWindow(form.Widget());
    QApplication::processEvents(); // on screen: a control's repaint paints at once
    ASSERT_EQ(hidden->MadeRows(), 0);
    for (TMyPEQType8 *t : tables) {
        t->SetEqParamValue(0, 1000, 20, 1.2, 0, false);
        t->SetEqParamValue(1, 50, 10, -3, 1, true);
        t->SetFreqValue(2, 1500);
        t->SetGainValue(3, 1.25);
        t->SetQValue(4, 10);
        t->SetTypeValue(5, 8);
        t->SetTypeValue(6, 12); // not a type: the list keeps its own
        t->SetBypassValue(7, true);
        for (int i = 0; i < 9; ++i)
            t->SetEqTypeString(QStringLiteral("T%1").arg(i), i);
        t->SetBypassString(QStringLiteral("AUS"));
        t->ChangeLanguage();
        t->SetNowIndex(2);
        t->SetNowIndex(6); // 6 highlighted, 2 back to the normal colour
        t->SetColor(8, clRed);
    }
    EXPECT_EQ(hidden->MadeRows(), 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(hidden->GetTypeValue(i), shown->GetTypeValue(i)) << "before the show, row " << i;
    pages[1]->SetVisible(true);
    EXPECT_EQ(hidden->MadeRows(), 9);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        for (auto edit : {&TMyPEQType8::FreqEdit, &TMyPEQType8::QEdit, &TMyPEQType8::GainEdit}) {
            EXPECT_EQ((hidden->*edit)(i)->Text(), (shown->*edit)(i)->Text());
            EXPECT_EQ((hidden->*edit)(i)->Font()->Color(), (shown->*edit)(i)->Font()->Color());
        }
        EXPECT_EQ(hidden->TypeList(i)->ItemIndex(), shown->TypeList(i)->ItemIndex());
        EXPECT_EQ(hidden->TypeList(i)->Items()->Strings(3), "T3");
        EXPECT_EQ(hidden->BypassButton(i)->Color(), shown->BypassButton(i)->Color());
        EXPECT_EQ(hidden->BypassButton(i)->Caption(), "AUS");
        EXPECT_EQ(hidden->GetBypassValue(i), shown->GetBypassValue(i));
    }
    EXPECT_EQ(hidden->MadeRows(), 9) << "no row beyond the count";
    // Where the focus goes from a hidden control: the rows follow their
    // table in the window's focus chain, row by row, as if made with it.
    for (TMyPEQType8 *t : tables) {
        QWidget *w = t->Widget();
        for (int i = 0; i < 9; ++i)
            for (TWinControl *c : std::initializer_list<TWinControl *>{t->FreqEdit(i), t->QEdit(i), t->GainEdit(i),
                                                                         t->TypeList(i), t->BypassButton(i)}) {
                w = w->nextInFocusChain();
                EXPECT_EQ(w, c->Widget()) << "row " << i << (t == hidden ? ", made when shown" : "");
            }
    }
    QApplication::processEvents();
    elsewhere->SetFocus(); // no table edit shows the caret
    QApplication::processEvents();
    EXPECT_EQ(hidden->Widget()->grab().toImage(), shown->Widget()->grab().toImage());
    QApplication::setActiveWindow(nullptr);
}

} // namespace
