// The print preview as its user meets it: opened with the toolbar's Preview
// button, the page and the plot's picture found in the rendered window, the
// settings dialog worked with the mouse and keys, printing from the window.
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"
#include "PaintBox.h"
#include "Panel.h"
#include "PdfPrinter.h"
#include "PrintedPage.h"
#include "Printers.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "RenderedPlot.h"
#include "ShownForm.h"
#include "gPlotLegend.h"
#include "gPlotPreviewForm.h"
#include "gPlotPreviewSettingsForm.h"
#include "gPlotToolBar.h"
#include "gXYPlot.h"

#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr TColor kPlotColour = 0x00FFFF; // yellow: the plot's background

void ClickWidget(TWinControl *Control)
{
    QWidget *w = Control->Widget();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

// A radio button is clicked on its indicator, at its left.
void ClickRadio(TRadioButton *Button)
{
    QWidget *w = Button->Widget();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(6, w->height() / 2));
}

void TypeInto(TEdit *Edit, const QString &Text)
{
    QWidget *w = Edit->LineEdit();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w, Text);
}

// What the preview shows: the page (the white sheet with its black outline)
// and the plot's picture (its background colour) within the paint box.
struct TShownPage {
    QRect page, picture;
};

TShownPage ShownPage(TgPlotPreviewForm *Form)
{
    QApplication::processEvents();
    const QImage shot = Form->PaintToImage().convertToFormat(QImage::Format_RGB32);
    const QRect area(Form->Preview->Left(), Form->Preview->Top(), Form->Preview->Width(), Form->Preview->Height());
    const QImage preview = shot.copy(area);
    TShownPage shown;
    const QRect sheet = ColourBox(preview, qRgb(255, 255, 255), preview.rect());
    if (!sheet.isNull())
        shown.page = sheet.adjusted(-1, -1, 1, 1);
    shown.picture = ColourBox(preview, ToQColor(kPlotColour).rgb(), preview.rect());
    return shown;
}

// A shown XY plot (500 x 200, background yellow, toolbar with its Preview
// button) printing into a PDF file; the printer is put back afterwards.
struct PreviewTest : ::testing::Test {
    TPdfPrinter pdf{QPageSize::A4}; // the preview shows Letter all the same
    QString file = pdf.file;
    TForm form{nullptr};
    TgXYPlot *plot = nullptr;

    void SetUp() override
    {
        form.SetBounds(0, 0, 700, 650);
        plot = new TgXYPlot(&form);
        plot->SetParent(&form);
        plot->SetBounds(0, 0, 500, 200);
        plot->SetBackGroundColor(kPlotColour);
        plot->SetBorderStyle(ibsNone); // the picture is the background colour to its edges
        plot->SetPrintOrientation(poPortrait);
        plot->SetPrintShowDialog(false);
        plot->GetToolBar(0)->SetShowPreviewButton(true);
        form.Show();
        QApplication::setActiveWindow(form.Widget());
    }
    void TearDown() override { QApplication::setActiveWindow(nullptr); }

    // Opens the preview with the toolbar's Preview button (the last one
    // shown), runs Body on it with its paint box at 520 x 420, and closes
    // it with its Close button.
    void WithPreview(const std::function<void(TgPlotPreviewForm *)> &Body)
    {
        const std::vector<QRect> buttons = ToolBarButtons(Shot(plot->Widget()));
        ASSERT_FALSE(buttons.empty());
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto *preview = ShownForm<TgPlotPreviewForm>();
            if (!preview) {
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
                return;
            }
            preview->SetClientWidth(520);
            preview->SetClientHeight(420 + preview->Panel2->Height());
            Body(preview);
            ran = true;
            ClickWidget(preview->CloseButton);
        });
        QTest::mouseClick(plot->Widget(), Qt::LeftButton, Qt::NoModifier, buttons.back().center());
        EXPECT_TRUE(ran);
        EXPECT_EQ(ShownForm<TgPlotPreviewForm>(), nullptr);
    }

    // Opens the settings with the preview's Settings button and runs each
    // step on them in turn, the window's own events handled between steps
    // (an OK or Cancel takes effect then); the last step ends them with OK
    // or Cancel, else they are closed after it.
    using TSettingsStep = std::function<void(TgPlotPreviewSettingsForm *)>;
    static void WithSettings(TgPlotPreviewForm *Preview, std::vector<TSettingsStep> Steps)
    {
        size_t ran = 0;
        std::function<void(size_t)> run = [&](size_t Step) {
            QTimer::singleShot(0, [&, Step] {
                auto *settings = ShownForm<TgPlotPreviewSettingsForm>();
                if (!settings)
                    return;
                if (Step == Steps.size()) {
                    settings->Close();
                    return;
                }
                Steps[Step](settings);
                ++ran;
                run(Step + 1);
            });
        };
        run(0);
        ClickWidget(Preview->SettingsButton);
        EXPECT_EQ(ran, Steps.size());
        EXPECT_EQ(ShownForm<TgPlotPreviewSettingsForm>(), nullptr);
    }
};

// A paint box of 520 x 420 with Letter portrait: a page 309 x 400, centred
// and moved up and left by 5, with its shadow; the plot's picture scaled into
// the 237 x 328 inside the 1-inch margins (36 pixels per inch) with its
// aspect kept: a wide plot fills the width, a tall one the height.
TEST_F(PreviewTest, LetterPageAndPrintableArea)
{
    WithPreview([&](TgPlotPreviewForm *preview) {
        EXPECT_EQ(preview->Caption(), "Untitled (Preview)");
        ASSERT_EQ(preview->Preview->Width(), 520);
        ASSERT_EQ(preview->Preview->Height(), 420);
        TShownPage shown = ShownPage(preview);
        EXPECT_EQ(shown.page, QRect(260 - 154 - 5, 210 - 200 - 5, 309, 400));
        const QImage shot = preview->PaintToImage().convertToFormat(QImage::Format_RGB32);
        const QPoint shadow = QPoint(shown.page.right() + 4, shown.page.bottom() + 4) +
                              QPoint(preview->Preview->Left(), preview->Preview->Top());
        EXPECT_EQ(shot.pixel(shadow) & 0xFFFFFF, 0u);

        EXPECT_EQ(shown.picture.left(), shown.page.left() + 36);
        EXPECT_EQ(shown.picture.top(), shown.page.top() + 36);
        EXPECT_NEAR(shown.picture.width(), 237, 1);
        EXPECT_NEAR(shown.picture.height(), 237 * 200 / 500, 1);

        plot->SetBounds(0, 0, 200, 500);
        preview->Preview->Invalidate();
        shown = ShownPage(preview);
        EXPECT_NEAR(shown.picture.height(), 328, 1);
        EXPECT_NEAR(shown.picture.width(), 328 * 200 / 500, 1);
        EXPECT_EQ(shown.picture.top(), shown.page.top() + 36);
    });
}

// The settings dialog shows the preview's values; Landscape, a margin, a
// name and A4 chosen by the user and confirmed reach the page, the plot and
// the caption. Cancelled changes change nothing.
TEST_F(PreviewTest, SettingsConfirmedAndCancelled)
{
    WithPreview([&](TgPlotPreviewForm *preview) {
        WithSettings(preview, {[&](TgPlotPreviewSettingsForm *s) {
            EXPECT_EQ(s->Caption(), "Settings");
            EXPECT_EQ(s->PrintOrientationRadioGroup->ItemIndex(), 0);
            EXPECT_EQ(s->PrintMarginTopEdit->Text(), "1");
            EXPECT_EQ(s->PrintDocumentNameEdit->Text(), "Untitled");
            EXPECT_EQ(s->PrintPaperSizeComboBox->ItemIndex(), 0);
            ClickRadio(s->PrintOrientationRadioGroup->Buttons(1));
            TypeInto(s->PrintMarginTopEdit, "0.5");
            TypeInto(s->PrintDocumentNameEdit, "Report");
            ClickWidget(s->Button1);
        }});
        EXPECT_EQ(plot->PrintOrientation(), poLandscape);
        EXPECT_EQ(plot->PrintMarginTop(), 0.5);
        EXPECT_EQ(plot->PrintMarginLeft(), 1);
        EXPECT_EQ(plot->PrintDocumentName(), "Report");
        EXPECT_EQ(preview->Caption(), "Report (Preview)");
        // Landscape letter: 11 x 8.5 in fills the width, 500 x 386.
        TShownPage shown = ShownPage(preview);
        EXPECT_EQ(shown.page.size(), QSize(500, 386));
        EXPECT_EQ(shown.picture.top(), shown.page.top() + 22); // half an inch of 45 pixels, halves to even

        WithSettings(preview, {[&](TgPlotPreviewSettingsForm *s) {
            EXPECT_EQ(s->PrintOrientationRadioGroup->ItemIndex(), 1);
            EXPECT_EQ(s->PrintMarginTopEdit->Text(), "0.5");
            ClickRadio(s->PrintOrientationRadioGroup->Buttons(0));
            TypeInto(s->PrintMarginLeftEdit, "2");
            TypeInto(s->PrintDocumentNameEdit, "Other");
            QTest::keyClick(s->PrintPaperSizeComboBox->Widget(), Qt::Key_Down);
            ClickWidget(s->Button2);
        }});
        EXPECT_EQ(plot->PrintOrientation(), poLandscape);
        EXPECT_EQ(plot->PrintMarginLeft(), 1);
        EXPECT_EQ(plot->PrintDocumentName(), "Report");
        EXPECT_EQ(preview->Caption(), "Report (Preview)");
        EXPECT_EQ(preview->PrintSize, 0);
        EXPECT_EQ(ShownPage(preview).page, shown.page);

        // A4 chosen from the list: 11.69 x 8.27 in landscape.
        WithSettings(preview, {[&](TgPlotPreviewSettingsForm *s) {
            QWidget *combo = s->PrintPaperSizeComboBox->Widget();
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(combo, Qt::Key_Down);
            EXPECT_EQ(s->PrintPaperSizeComboBox->Text(), "A4");
            ClickWidget(s->Button1);
        }});
        EXPECT_EQ(preview->PrintSize, 3);
        EXPECT_EQ(ShownPage(preview).page.size(), QSize(500, 354));
    });
    EXPECT_EQ(plot->PrintOrientation(), poLandscape);
}

// A margin that is not a number of inches keeps the dialog open with its
// error shown; once mended, OK takes it.
TEST_F(PreviewTest, BadMarginKeepsTheSettingsOpen)
{
    WithPreview([&](TgPlotPreviewForm *preview) {
        std::vector<TSettingsStep> steps;
        steps.push_back([](TgPlotPreviewSettingsForm *s) { EXPECT_FALSE(s->ErrorLabel->Visible()); });
        for (const char *bad : {"abc", "-1", ""}) {
            steps.push_back([bad](TgPlotPreviewSettingsForm *s) {
                TypeInto(s->PrintMarginLeftEdit, bad);
                ClickWidget(s->Button1);
            });
            steps.push_back([bad](TgPlotPreviewSettingsForm *s) {
                EXPECT_TRUE(s->Visible()) << bad;
                EXPECT_TRUE(s->ErrorLabel->Visible()) << bad;
                EXPECT_EQ(s->ActiveControl(), s->PrintMarginLeftEdit) << bad;
            });
        }
        steps.push_back([](TgPlotPreviewSettingsForm *s) {
            TypeInto(s->PrintMarginLeftEdit, "0.25");
            ClickWidget(s->Button1);
        });
        WithSettings(preview, steps);
        EXPECT_EQ(plot->PrintMarginLeft(), 0.25);
    });
}

// Margins that leave no room on the chosen paper in the chosen orientation
// (9 inches across Letter's 8.5) keep the dialog open with "The print
// margins leave no room on the paper" and the first margin of that side
// marked, as printing refuses them; turned to Landscape the width fits but
// the height does not, on A3 both fit and OK takes them.
TEST_F(PreviewTest, MarginsThatLeaveNoRoomKeepTheSettingsOpen)
{
    WithPreview([&](TgPlotPreviewForm *preview) {
        const auto refused = [](TgPlotPreviewSettingsForm *s, TEdit *Marked) {
            EXPECT_TRUE(s->Visible());
            EXPECT_TRUE(s->NoRoomLabel->Visible());
            EXPECT_EQ(s->NoRoomLabel->Caption(), "The print margins leave no room on the paper");
            EXPECT_FALSE(s->ErrorLabel->Visible());
            EXPECT_EQ(s->ActiveControl(), Marked);
        };
        WithSettings(preview, {
                                  [](TgPlotPreviewSettingsForm *s) {
                                      TypeInto(s->PrintMarginLeftEdit, "5");
                                      TypeInto(s->PrintMarginRightEdit, "4");
                                      ClickWidget(s->Button1);
                                  },
                                  [&](TgPlotPreviewSettingsForm *s) {
                                      refused(s, s->PrintMarginLeftEdit);
                                      TypeInto(s->PrintMarginTopEdit, "6");
                                      TypeInto(s->PrintMarginBottomEdit, "5");
                                      ClickRadio(s->PrintOrientationRadioGroup->Buttons(1));
                                      ClickWidget(s->Button1);
                                  },
                                  [&](TgPlotPreviewSettingsForm *s) {
                                      refused(s, s->PrintMarginTopEdit);
                                      // A bad number is told as such.
                                      TypeInto(s->PrintMarginRightEdit, "x");
                                      ClickWidget(s->Button1);
                                  },
                                  [&](TgPlotPreviewSettingsForm *s) {
                                      EXPECT_TRUE(s->ErrorLabel->Visible());
                                      EXPECT_FALSE(s->NoRoomLabel->Visible());
                                      TypeInto(s->PrintMarginRightEdit, "4");
                                      QWidget *combo = s->PrintPaperSizeComboBox->Widget();
                                      QTest::keyClick(combo, Qt::Key_Down);
                                      QTest::keyClick(combo, Qt::Key_Down);
                                      EXPECT_EQ(s->PrintPaperSizeComboBox->Text(), "A3");
                                      ClickWidget(s->Button1);
                                  },
                              });
        EXPECT_EQ(preview->PrintSize, 2);
        EXPECT_EQ(plot->PrintOrientation(), poLandscape);
        EXPECT_EQ(plot->PrintMarginLeft(), 5);
        EXPECT_EQ(plot->PrintMarginRight(), 4);
        EXPECT_EQ(plot->PrintMarginTop(), 6);
        EXPECT_EQ(plot->PrintMarginBottom(), 5);
        EXPECT_FALSE(ShownPage(preview).picture.isNull());
    });
}

// Each paint hides the plot's toolbar around the page, fires the plot's print
// events with the window as sender, and shows the toolbar again.
TEST_F(PreviewTest, ToolBarHiddenForThePageAndShownAfter)
{
    QStringList events;
    TObject *window = nullptr;
    plot->OnBeforePrint = [&](TObject *Sender) {
        window = Sender;
        events << QStringLiteral("before %1").arg(plot->GetToolBar(0)->Visible() ? "shown" : "hidden");
    };
    plot->OnAfterPrint = [&](TObject *Sender) {
        EXPECT_EQ(Sender, window);
        events << "after";
    };
    WithPreview([&](TgPlotPreviewForm *preview) {
        events.clear();
        ShownPage(preview);
        EXPECT_EQ(window, preview);
        ASSERT_FALSE(events.isEmpty());
        EXPECT_EQ(events.first(), "before hidden");
        EXPECT_EQ(events.last(), "after");
        EXPECT_TRUE(plot->GetToolBar(0)->Visible());
    });
    EXPECT_TRUE(plot->GetToolBar(0)->Visible());
    EXPECT_FALSE(ToolBarButtons(Shot(plot->Widget())).empty());
}

// A plot without area shows the empty page.
TEST_F(PreviewTest, ZeroSizePlotShowsTheEmptyPage)
{
    WithPreview([&](TgPlotPreviewForm *preview) {
        plot->SetBounds(0, 0, 0, 0);
        preview->Preview->Invalidate();
        const TShownPage shown = ShownPage(preview);
        EXPECT_EQ(shown.page.size(), QSize(309, 400));
        EXPECT_TRUE(shown.picture.isNull());
    });
}

// The Print button prints the plot as the toolbar's does: at the printer's
// 1200 dpi on its A4 paper, the plot fills the width inside the margins as
// the screen shows it.
TEST_F(PreviewTest, PrintButtonPrintsThePlotToScale)
{
    plot->GetChannel(0)->SetColor(clRed);
    for (int x = 0; x <= 100; x += 5)
        plot->GetChannel(0)->AddXY(x, x % 2 ? 30 : 60);
    Printer()->setResolution(1200);
    plot->GetToolBar(0)->SetVisible(false);
    const QImage screen = plot->PaintToImage().convertToFormat(QImage::Format_RGB32);
    plot->GetToolBar(0)->SetVisible(true);
    WithPreview([&](TgPlotPreviewForm *preview) { ClickWidget(preview->PrintButton); });
    const std::vector<QImage> pages = PdfPages(file, kPageDpi);
    ASSERT_EQ(pages.size(), 1u);
    const TPrintedPlace place(QSize(500, 200), QSizeF(210 / 25.4, 297 / 25.4), 1);
    EXPECT_TRUE(ShowsPlotAsOnScreen(pages[0], screen, place, Rgb(clRed)));
}

// The Print button prints with the plot's settings; the texts of the window
// and of its settings pass through the plot's translations.
TEST_F(PreviewTest, PrintButtonAndTranslations)
{
    plot->AddTranslation("Settings", "Seite");
    plot->AddTranslation("Orientation", "Ausrichtung");
    plot->AddTranslation("Landscape", "Quer");
    WithPreview([&](TgPlotPreviewForm *preview) {
        EXPECT_EQ(preview->SettingsButton->Caption(), "Seite");
        EXPECT_EQ(preview->CloseButton->Caption(), "Close");
        // The Print button shows the printer's picture: its black outline.
        const QImage button = preview->PrintButton->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int black = 0;
        for (int y = 0; y < button.height(); ++y)
            for (int x = 0; x < button.width(); ++x)
                black += (button.pixel(x, y) & 0xFFFFFF) == 0;
        EXPECT_GT(black, 40);
        ClickWidget(preview->PrintButton);
        EXPECT_EQ(PdfPageCount(file), 1);
        WithSettings(preview, {[&](TgPlotPreviewSettingsForm *s) {
            EXPECT_EQ(s->Caption(), "Seite");
            EXPECT_EQ(s->PrintOrientationRadioGroup->Caption(), "Ausrichtung");
            EXPECT_EQ(s->PrintOrientationRadioGroup->Buttons(1)->Caption(), "Quer");
            EXPECT_EQ(s->PrintDocumentNameEdit->Text(), "Untitled");
            ClickWidget(s->Button2);
        }});
    });
}

} // namespace
