// The editor's check box, radio group and combo box as their user meets
// them: the user's changes fire the event the editor forms bind and are
// reported to the form; the program's setters and Disable fire nothing.
#include "EditorFormHost.h"
#include "Strings.h"
#include "gComponentEditorCheckBox.h"
#include "gComponentEditorComboBox.h"
#include "gComponentEditorRadioGroup.h"

#include <gtest/gtest.h>

namespace {

QRect WhiteBox(const QImage &Image, const QRect &Within)
{
    QRect box;
    for (int y = Within.top(); y <= Within.bottom(); ++y)
        for (int x = Within.left(); x <= Within.right(); ++x)
            if (QColor(Image.pixel(x, y)) == QColor(Qt::white))
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(EditorCheckBox, AClickFiresOnClickOnceTheSettersNothing)
{
    EditorFormHost host;
    auto *box = host.Add<TgComponentEditorCheckBox>(20, 20, 120, 21);
    QStringList events;
    box->OnClick = [&](TObject *) { events << QStringLiteral("click %1").arg(box->AsBoolean()); };
    box->OnChange = [&](TObject *) { events << QStringLiteral("change"); };

    const QRect square = WhiteBox(host.Shot(), QRect(20, 20, 120, 21));
    ASSERT_TRUE(square.isValid());
    QTest::mouseClick(box->Widget(), Qt::LeftButton, Qt::NoModifier, square.center() - QPoint(20, 20));
    EXPECT_EQ(events, (QStringList{"change", "click 1"}));
    EXPECT_EQ(host.form.userChanges, 1);

    events.clear();
    box->SetAsBoolean(false);
    box->SetAsBoolean(true);
    box->Disable();
    EXPECT_FALSE(box->AsBoolean());
    EXPECT_FALSE(box->Enabled());
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(host.form.userChanges, 1);
    box->Enable();
    EXPECT_TRUE(box->Enabled());
    EXPECT_FALSE(box->AsBoolean());
    // The handlers are back.
    box->SetChecked(true);
    EXPECT_EQ(events, (QStringList{"change", "click 1"}));
}

TEST(EditorRadioGroup, TheUsersChoiceIsReportedTheSettersFireNothing)
{
    EditorFormHost host;
    auto *group = host.Add<TgComponentEditorRadioGroup>(20, 20, 150, 90);
    for (const char *item : {"One", "Two", "Three"})
        group->Items()->Add(QString::fromLatin1(item));
    QStringList events;
    group->OnChange = [&](TObject *) { events << QStringLiteral("change %1").arg(group->AsInteger()); };
    group->SetFocus();
    Press(group, Qt::Key_Down);
    EXPECT_EQ(events, QStringList{"change 1"});
    EXPECT_EQ(host.form.userChanges, 1);

    events.clear();
    group->SetItemIndex(0); // the program's, though not silent
    EXPECT_EQ(events, QStringList{"change 0"});
    EXPECT_EQ(host.form.userChanges, 1);
    events.clear();
    group->SetAsInteger(2);
    EXPECT_EQ(group->AsInteger(), 2);
    group->Disable();
    EXPECT_EQ(group->AsInteger(), -1);
    EXPECT_FALSE(group->Enabled());
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(host.form.userChanges, 1);
}

TEST(EditorComboBox, TheUsersChoiceIsReportedTheSettersFireNothing)
{
    EditorFormHost host;
    auto *combo = new TgComponentEditorComboBox(&host.form, csDropDownList);
    combo->SetParent(&host.form);
    combo->SetBounds(20, 20, 120, 21);
    for (const char *item : {"One", "Two", "Three"})
        combo->Items()->Add(QString::fromLatin1(item));
    QStringList events;
    combo->OnChange = [&](TObject *) { events << QStringLiteral("change %1").arg(combo->AsInteger()); };

    combo->SetAsInteger(0);
    combo->SetAsString(QStringLiteral("Two"));
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(combo->AsInteger(), 1);

    QTest::mouseClick(combo->Widget(), Qt::LeftButton); // opens the list
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(combo->AsInteger(), 2);
    EXPECT_EQ(events, QStringList{"change 2"});
    EXPECT_EQ(host.form.userChanges, 1);

    events.clear();
    combo->Disable();
    EXPECT_FALSE(combo->Enabled());
    EXPECT_EQ(combo->AsInteger(), -1);
    EXPECT_EQ(combo->AsString(), QString());
    EXPECT_EQ(combo->Color(), clBtnFace);
    EXPECT_TRUE(events.isEmpty());
    combo->Enable();
    EXPECT_EQ(combo->Color(), clWindow);
}

} // namespace
