// The editor's colour and font pickers as their user meets them: the
// "..." button and the swatch clicked, the question answered by a script
// in place of the dialog's window, the swatch read from the drawn picker.
#include "EditorFormHost.h"
#include "gColorDialog.h"
#include "gComponentEditorColorPicker.h"
#include "gComponentEditorFontPicker.h"
#include "gFontDialog.h"

#include <QColorDialog>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct Pickers : ::testing::Test {
    EditorFormHost host;
    int changes = 0;
    void TearDown() override
    {
        TgColorDialog::Runner = nullptr;
        TgFontDialog::Runner = nullptr;
    }
};

TEST_F(Pickers, TheColourPickerTakesTheChosenColourAndKeepsItsOwnOnCancel)
{
    auto *picker = host.Add<TgComponentEditorColorPicker>(20, 20, 60, 21);
    picker->OnChange = [this](TObject *) { ++changes; };
    // The swatch as drawn: the colour in the middle of the picker's left part.
    const auto swatch = [&] { return QColor(host.Shot().pixel(picker->Left() + 10, picker->Top() + 10)); };
    EXPECT_EQ(swatch(), QColor(Qt::red));
    QColorDialog::setCustomColor(3, QColor(Qt::black));

    bool answer = true;
    QColor seen;
    bool customWhite = false;
    TgColorDialog::Runner = [&](const TgColorDialog &, QColor &Chosen) {
        seen = Chosen;
        customWhite = true;
        for (int i = 0; i < 16; ++i)
            customWhite = customWhite && QColorDialog::customColor(i) == QColor(Qt::white);
        Chosen = QColor(Qt::blue);
        return answer;
    };
    QTest::mouseClick(picker->Widget()->findChild<QPushButton *>(), Qt::LeftButton);
    EXPECT_EQ(seen, QColor(Qt::red));
    EXPECT_TRUE(customWhite);
    EXPECT_EQ(swatch(), QColor(Qt::blue));
    EXPECT_EQ(picker->Color(), clBlue);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(host.form.userChanges, 1);

    answer = false; // cancelled: nothing
    QTest::mouseDClick(picker->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(seen, QColor(Qt::blue)); // the double click asked, starting on the colour
    EXPECT_EQ(picker->Color(), clBlue);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(host.form.userChanges, 1);

    picker->SetColor(clLime); // from code: shown, nothing fired
    EXPECT_EQ(swatch(), QColor(Qt::green));
    EXPECT_EQ(changes, 1);
    picker->Disable();
    EXPECT_EQ(swatch(), ToQColor(clBtnFace));
    picker->Enable();
    EXPECT_EQ(swatch(), QColor(Qt::green));
}

TEST_F(Pickers, TheFontPickerTakesFaceSizeStylesAndColourWeightsAbove400AreBold)
{
    auto *picker = host.Add<TgComponentEditorFontPicker>(20, 20, 75, 25);
    picker->OnChange = [this](TObject *) { ++changes; };
    const QString face = picker->Font()->Name();
    ASSERT_EQ(picker->Font()->Color(), clWindowText);
    // colour 0: the question's colour left as it started.
    struct Case {
        int weight;
        bool italic;
        int pixels;
        TColor colour;
        bool take;
        bool bold;
        TColor kept;
    };
    const Case cases[] = {{400, false, 14, 0, true, false, clWindowText}, // a system colour stays one
                          {500, true, 20, clNavy, true, true, clNavy},
                          {700, false, 30, clRed, false, false, clNavy}};
    int taken = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.weight);
        TColor started = clNone;
        TgFontDialog::Runner = [&](const TgFontDialog &, QFont &Chosen, TColor &ChosenColor) {
            started = ChosenColor;
            Chosen.setWeight(QFont::Weight(c.weight));
            Chosen.setItalic(c.italic);
            Chosen.setPixelSize(c.pixels);
            if (c.colour)
                ChosenColor = c.colour;
            return c.take;
        };
        const TColor before = picker->Font()->Color();
        QTest::mouseClick(picker->Widget(), Qt::LeftButton);
        EXPECT_EQ(started, before); // the question starts on the font's colour
        taken += c.take;
        EXPECT_EQ(changes, taken);
        EXPECT_EQ(host.form.userChanges, taken);
        EXPECT_EQ(picker->Font()->Color(), c.kept);
        if (!c.take)
            continue;
        EXPECT_EQ(picker->Font()->Name(), face); // the face stayed
        EXPECT_EQ(picker->Font()->Height(), -c.pixels);
        EXPECT_EQ(picker->Font()->Style().Contains(fsBold), c.bold);
        EXPECT_EQ(picker->Font()->Style().Contains(fsItalic), c.italic);
    }
    EXPECT_EQ(picker->Font()->Height(), -20); // the cancelled one changed nothing
    EXPECT_EQ(picker->Caption(), QStringLiteral("Font"));
}

} // namespace
