// The editor edit as its user meets it: text typed into it takes effect
// once per commit (Enter, leaving it), Esc brings back the last committed
// text, text that does not read as the edit's kind is refused and marked,
// and the program's setters fire nothing.
#include "EditorFormHost.h"
#include "Exceptions.h"
#include "MessageBeep.h"
#include "gComponentEditorEdit.h"

#include <gtest/gtest.h>

namespace {

struct EditorEdit : ::testing::Test {
    EditorFormHost host;
    TgComponentEditorEdit *edit = nullptr;
    TgComponentEditorEdit *next = nullptr;
    QStringList updates;
    int changes = 0;
    int beeps = 0;
    void SetUp() override
    {
        edit = host.Add<TgComponentEditorEdit>(10, 10, 120, 21);
        next = host.Add<TgComponentEditorEdit>(10, 50, 120, 21);
        edit->OnUpdate = [this](TObject *) { updates << edit->Text(); };
        edit->OnChange = [this](TObject *) { ++changes; };
        SetMessageBeepHandler([this](unsigned) { ++beeps; });
    }
    void TearDown() override { SetMessageBeepHandler(nullptr); }
    // Typed over the whole text of the edit.
    void TypeOver(const QString &Text)
    {
        QTest::mouseClick(edit->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
        QTest::keyClick(edit->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit->Widget(), Text);
    }
    // The edit's left border as drawn: red while it is marked.
    bool Marked()
    {
        const QImage shot = host.Shot();
        return QColor(shot.pixel(edit->Left(), edit->Top() + edit->Height() / 2)) == QColor(Qt::red);
    }
};

TEST_F(EditorEdit, EnterCommitsOnceAndLeavingCommitsWhatIsLeft)
{
    TypeOver("12");
    EXPECT_TRUE(updates.isEmpty()); // not per keystroke
    Press(edit, Qt::Key_Return);
    EXPECT_EQ(updates, QStringList{"12"});
    EXPECT_EQ(host.form.userChanges, 1);
    EXPECT_EQ(edit->SelText(), QStringLiteral("12")); // Enter selects all
    Press(edit, Qt::Key_Return);
    EXPECT_EQ(updates, QStringList{"12"});

    QTest::keyClicks(edit->Widget(), "34");
    Press(edit, Qt::Key_Tab);
    EXPECT_TRUE(next->Focused());
    EXPECT_EQ(updates, (QStringList{"12", "34"}));
    EXPECT_EQ(host.form.userChanges, 2);

    // Leaving by a click elsewhere commits as well.
    TypeOver("56");
    QTest::mouseClick(next->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
    EXPECT_EQ(updates, (QStringList{"12", "34", "56"}));
}

TEST_F(EditorEdit, EscapeBringsBackTheLastCommittedText)
{
    edit->SetAsString("first");
    TypeOver("second");
    Press(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), QStringLiteral("first"));
    EXPECT_EQ(edit->SelText(), QStringLiteral("first"));
    Press(edit, Qt::Key_Tab);
    EXPECT_TRUE(updates.isEmpty());
    EXPECT_EQ(host.form.userChanges, 0);
}

TEST_F(EditorEdit, TextThatDoesNotReadAsTheKindIsRefusedMarkedAndNothingFires)
{
    struct Case {
        TgEditorValueKind kind;
        const char *typed;
        bool taken;
    };
    const Case cases[] = {
        {ievkInteger, "abc", false},    {ievkInteger, "12.5", false}, {ievkInteger, "99999999999", false},
        {ievkInteger, "", false},       {ievkInteger, " -7 ", true},  {ievkFloat, "abc", false},
        {ievkFloat, "1,5", false},      {ievkFloat, "", false},       {ievkFloat, "2.5e-3", true},
        {ievkDateTime, "03/07/2026 14:05:09", true}, {ievkDateTime, "02/30/2026", false},
        {ievkText, "anything", true},   {ievkText, "", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        edit->SetValueKind(c.kind);
        edit->SetAsString("5");
        updates.clear();
        beeps = 0;
        const int userChanges = host.form.userChanges;
        TypeOver(c.typed);
        if (QString(c.typed).isEmpty())
            Press(edit, Qt::Key_Delete);
        Press(edit, Qt::Key_Return);
        if (c.taken) {
            EXPECT_EQ(updates, QStringList{QString(c.typed)});
            EXPECT_EQ(edit->Text(), QString(c.typed));
            EXPECT_FALSE(Marked());
            EXPECT_EQ(beeps, 0);
        } else {
            EXPECT_TRUE(updates.isEmpty());
            EXPECT_EQ(host.form.userChanges, userChanges);
            EXPECT_EQ(edit->Text(), QStringLiteral("5"));
            EXPECT_TRUE(edit->Refused());
            EXPECT_TRUE(Marked());
            EXPECT_EQ(beeps, 1);
        }
    }
    // Leaving with refused text refuses it as Enter does; the next typed
    // change clears the mark.
    edit->SetValueKind(ievkFloat);
    edit->SetAsString("5");
    updates.clear();
    TypeOver("x");
    Press(edit, Qt::Key_Tab);
    EXPECT_EQ(edit->Text(), QStringLiteral("5"));
    EXPECT_TRUE(Marked());
    EXPECT_TRUE(updates.isEmpty());
    TypeOver("7");
    EXPECT_FALSE(Marked());
    Press(edit, Qt::Key_Return);
    EXPECT_EQ(updates, QStringList{"7"});
}

TEST_F(EditorEdit, TheProgramsSettersFireNothingAndCountAsCommitted)
{
    QTest::mouseClick(edit->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
    edit->SetAsInteger(42);
    EXPECT_EQ(edit->Text(), QStringLiteral("42"));
    edit->SetAsFloat(0.1 + 0.2);
    EXPECT_EQ(edit->Text(), QStringLiteral("0.3"));
    EXPECT_DOUBLE_EQ(edit->AsFloat(), 0.3);
    edit->SetAsString("text");
    EXPECT_EQ(edit->AsInteger(), 0);
    EXPECT_EQ(changes, 0);
    Press(edit, Qt::Key_Return);
    Press(edit, Qt::Key_Tab);
    EXPECT_TRUE(updates.isEmpty());
    EXPECT_EQ(host.form.userChanges, 0);
    // The OnChange handler is back after them.
    TypeOver("1");
    EXPECT_GT(changes, 0);
}

TEST_F(EditorEdit, DateTimesReadBackAndATextThatIsNoneRaises)
{
    const TDateTime t = EncodeDate(2026, 3, 7) + EncodeTime(14, 5, 9, 0);
    edit->SetAsDateTime(t);
    EXPECT_NEAR(edit->AsDateTime(), t, 1e-9);
    edit->SetAsString("not a date");
    EXPECT_THROW(edit->AsDateTime(), EConvertError);
}

TEST_F(EditorEdit, SetWithEventCommitsAsTheUserWould)
{
    edit->SetIntegerWithEvent(7);
    EXPECT_EQ(updates, QStringList{"7"});
    EXPECT_GT(host.form.userChanges, 0);
    edit->SetDoubleWithEvent(7);
    EXPECT_EQ(updates, QStringList{"7"}); // the same text: no commit
    edit->SetStringWithEvent("8.5");
    EXPECT_EQ(updates, (QStringList{"7", "8.5"}));
}

TEST_F(EditorEdit, DisableBlanksAndGreysEnableKeepsTheBlank)
{
    edit->SetAsString("value");
    edit->Disable();
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Text(), QString());
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_EQ(changes, 0);
    edit->Enable();
    EXPECT_TRUE(edit->Enabled());
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_EQ(edit->Text(), QString());
    Press(edit, Qt::Key_Return);
    EXPECT_TRUE(updates.isEmpty());
    edit->SetAsString("kept");
    edit->DisableNoClear();
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Text(), QStringLiteral("kept"));
}

} // namespace
