// The font window of the editor's font pickers as its user meets it: the
// picker clicked, a colour chosen in the window with a click on it as the
// window shows it (or any colour through the colour field's "..." button),
// the window closed with OK, Cancel, Enter or Escape; what the picker's
// font holds then, and what the sample shows meanwhile.
#include "../app/UserInput.h"
#include "EditorFormHost.h"
#include "RenderedPlot.h"
#include "gColorDialog.h"
#include "gComponentEditorColorPicker.h"
#include "gComponentEditorFontPicker.h"
#include "gComponentEditorListBox.h"
#include "gFontDialogForm.h"

#include "Form.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct FontWindow : ::testing::Test {
    EditorFormHost host;
    void TearDown() override
    {
        TCustomForm::ModalRunner = nullptr;
        TgColorDialog::Runner = nullptr;
    }
};

enum Closing { ByOk, ByCancel, ByEnter, ByEscape };

// Each row: the font's colour before, the colour clicked in the list (0:
// none), the colour answered through "..." (0: not asked), how the window
// closes, the font's colour after.
TEST_F(FontWindow, TheColourChosenReachesTheFontOnOkOnly)
{
    const TColor custom = RGB(10, 200, 30);
    struct Case {
        const char *name;
        TColor before, listed, asked;
        Closing closing;
        TColor after;
    };
    const Case cases[] = {
        {"a listed colour, OK", clWindowText, clFuchsia, 0, ByOk, clFuchsia},
        {"any colour through ..., OK", clWhite, 0, custom, ByOk, custom},
        {"a listed colour after any colour, Enter", clNavy, clFuchsia, custom, ByEnter, clFuchsia},
        {"a listed colour, Cancel", clNavy, clFuchsia, 0, ByCancel, clNavy},
        {"any colour, Escape", clNavy, 0, custom, ByEscape, clNavy},
        {"nothing chosen, OK: a system colour stays one", clWindowText, 0, 0, ByOk, clWindowText},
    };
    auto *picker = host.Add<TgComponentEditorFontPicker>(20, 20, 75, 25);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TFont start;
        start.SetName(QStringLiteral("Arial"));
        start.SetHeight(-24); // stems broad enough to show the colour itself
        start.SetStyle({fsBold});
        start.SetColor(c.before);
        picker->SetFont(&start);
        int changes = 0;
        picker->OnChange = [&](TObject *) { ++changes; };
        TgColorDialog::Runner = [&](const TgColorDialog &, QColor &Chosen) {
            Chosen = ToQColor(c.asked);
            return true;
        };

        bool shown = false;
        QImage sample;
        TCustomForm::ModalRunner = [&](TCustomForm &Form) {
            auto *window = dynamic_cast<TgFontDialogForm *>(&Form);
            ASSERT_NE(window, nullptr);
            shown = true;
            QWidget *top = Form.WindowWidget();
            UserInput::Render();
            if (c.asked)
                UserInput::Click(window->ColorPicker->Widget()->findChild<QPushButton *>());
            if (c.listed) {
                const QRect list = UserInput::VisibleRect(window->ColorListBox->Widget());
                const QRect swatch = ColourBox(Shot(top), ToQColor(c.listed).rgb(), list);
                ASSERT_GE(swatch.width(), 6) << "no such colour in the list";
                UserInput::ClickAt(top, swatch.center());
            }
            UserInput::Render();
            sample = Shot(top).copy(UserInput::VisibleRect(window->FontPanel->Widget()));
            switch (c.closing) {
            case ByOk: UserInput::Click(window->OkButton->Widget()); break;
            case ByCancel: UserInput::Click(window->CancelButton->Widget()); break;
            case ByEnter: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); break;
            case ByEscape: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); break;
            }
        };
        UserInput::Click(picker->Widget());
        ASSERT_TRUE(shown);
        EXPECT_EQ(picker->Font()->Color(), c.after);
        EXPECT_EQ(changes, c.closing == ByOk || c.closing == ByEnter ? 1 : 0);
        // The face, size and style went through the window unchanged.
        EXPECT_EQ(picker->Font()->Height(), -24);
        EXPECT_TRUE(picker->Font()->Style().Contains(fsBold));
        // The sample showed the colour last chosen.
        const TColor shownColour = c.listed ? c.listed : c.asked;
        if (shownColour) {
            EXPECT_GT(ColourCount(sample, ToQColor(shownColour).rgb()), 20);
        }
    }
}

// A colour too light to read on white shows in the sample on black; a dark
// one on the sample's white.
TEST_F(FontWindow, TheSampleShowsALightColourOnBlack)
{
    TgFontDialogForm window(nullptr);
    TFont font;
    font.SetHeight(-24);
    font.SetStyle({fsBold});
    window.SetChosenFont(font.ToQFont());
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    struct Case {
        TColor colour;
        QRgb ground;
    };
    for (const Case &c : {Case{clYellow, black}, Case{clAqua, black}, Case{clNavy, white}}) {
        SCOPED_TRACE(c.colour);
        window.SetChosenColor(c.colour);
        window.Show();
        const QImage sample = Shot(window.FontPanel->Widget());
        const QRect text = ColourBox(sample, ToQColor(c.colour).rgb(), sample.rect());
        ASSERT_FALSE(text.isEmpty());
        const QRect around = text.adjusted(-4, -4, 4, 4);
        EXPECT_GT(ColourCount(sample.copy(around), c.ground), around.width() * around.height() / 3);
        window.Hide();
    }
}

// Tab walks every part of the window, the font dialog's own fields
// included, and comes round to where it began.
TEST_F(FontWindow, TabWalksIntoEveryPartAndRound)
{
    TgFontDialogForm window(nullptr);
    window.Show();
    QApplication::setActiveWindow(window.WindowWidget());
    UserInput::Render();
    window.ColorListBox->SetFocus();
    QStringList walk;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        TWinControl *at = TWinControl::FindControl(QApplication::focusWidget());
        const QString part = at ? at->Name() : QStringLiteral("?");
        if (walk.isEmpty() || walk.last() != part)
            walk << part;
        if (part == "ColorListBox")
            break;
    }
    for (const char *part : {"FontPanel", "ColorListBox", "OkButton", "CancelButton"})
        EXPECT_TRUE(walk.contains(part)) << part << " missing from " << walk.join(", ").toStdString();
    EXPECT_EQ(walk.last(), "ColorListBox") << walk.join(", ").toStdString();
}

} // namespace
