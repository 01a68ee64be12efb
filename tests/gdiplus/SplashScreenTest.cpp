#include "Application.h"
#include "Form.h"
#include "SmSplashScreen.h"
#include "SplashLayout.h"
#include "SplashPicture.h"
#include "Stream.h"

#include "PumpEvents.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QRect Box(const QImage &img, const QRect &area, bool (*pred)(QRgb))
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pred(img.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool White(QRgb p) { return qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230 && qAlpha(p) > 200; }
bool Blue(QRgb p) { return qBlue(p) > qRed(p) + 60 && qAlpha(p) > 200; }

// The stand-in for the main window: a form that owns the splash.
struct Fixture : ::testing::Test {
    void SetUp() override
    {
        Application->SetSleepHandler([this](unsigned ms) { sleeps.push_back(ms); });
        form = std::make_unique<TForm>(nullptr, CreateNew);
        splash = new TSmSplashScreen(form.get());
    }
    void TearDown() override
    {
        form.reset();
        Application->SetSleepHandler(nullptr);
    }
    // Reads the layout as the main window does; the end of loading shows it.
    void LoadProgramLayout()
    {
        form->BeginLoading();
        LoadProgramSplashLayout(splash);
        form->EndLoading();
    }
    void UseTranslucentFill(TDisplayStyle style)
    {
        splash->SetDisplayStyle(style);
        splash->Fill()->SetOpacity(200);
        splash->SetWidth(200);
        splash->SetHeight(100);
    }
    std::vector<unsigned> sleeps;
    std::unique_ptr<TForm> form;
    TSmSplashScreen *splash = nullptr;
};

using SplashScreen = Fixture;

} // namespace

TEST_F(SplashScreen, ProgramSettingsGiveTheLayeredFrame)
{
    LoadProgramLayout();
    ASSERT_TRUE(splash->Showing());
    TSplashScreenWindow *w = splash->SplashWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Width(), 622);
    EXPECT_EQ(w->Height(), 352);
    EXPECT_TRUE(w->ForcedTransparent());
    EXPECT_TRUE(w->Layered());
    EXPECT_EQ(w->LayeredOpacity(), 255); // no fade: shown at once
    const Qt::WindowFlags flags = w->WindowWidget()->windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(w->Widget()->isVisible());
    EXPECT_EQ(w->Owner(), Application);
    EXPECT_TRUE(sleeps.empty());
    // No version resource on Linux: the layout's texts stay, no legal notice.
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramName()->Text(), QStringLiteral("TQ-62 DSP Processor Editor"));
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramVersion()->Text(), QStringLiteral("Ver 1.0"));
    EXPECT_TRUE(splash->BasicProgramInfo()->CopyRight().isEmpty());

    const QImage frame = w->LayeredImage();
    ASSERT_EQ(frame.size(), QSize(622, 352));
    if (!qEnvironmentVariableIsEmpty("TQ62_DUMP_DIR"))
        frame.save(qEnvironmentVariable("TQ62_DUMP_DIR") + QStringLiteral("/splash-frame.png"));
    // The picture fills the frame from the bottom, at the fill's opacity.
    EXPECT_TRUE(Blue(frame.pixel(311, 340)));
    EXPECT_EQ(qAlpha(frame.pixel(311, 340)), 255);
    // The name near (70, 130), the version near (490, 140), both white.
    const QRect name = Box(frame, QRect(40, 110, 440, 60), White);
    ASSERT_FALSE(name.isEmpty());
    EXPECT_NEAR(name.left(), 72, 5);
    EXPECT_NEAR(name.top(), 138, 9);
    EXPECT_GT(name.width(), 300);
    // The list line starts at x 181 (its rectangle's left plus one).
    const QRect line = Box(frame, QRect(170, 205, 440, 45), White);
    ASSERT_FALSE(line.isEmpty());
    EXPECT_GE(line.left(), 181);
    EXPECT_LE(line.left(), 190);
    EXPECT_GT(line.width(), 150);

    // The name alone and the version alone: the name ends clear of the
    // version, as with the original's face.
    TBasicProgramInfo *info = splash->BasicProgramInfo();
    info->ProgramVersion()->SetText(QString());
    const QRect nameAlone = Box(w->LayeredImage(), QRect(40, 110, 570, 60), White);
    info->ProgramVersion()->SetText(QStringLiteral("Ver 1.0"));
    info->ProgramName()->SetText(QString());
    const QImage alone = w->LayeredImage();
    const QRect version = Box(alone, QRect(440, 110, 170, 60), White);
    ASSERT_FALSE(version.isEmpty());
    EXPECT_NEAR(version.left(), 492, 5);
    EXPECT_NEAR(version.top(), 145, 8);
    EXPECT_LT(nameAlone.right() + 4, version.left());
}

TEST_F(SplashScreen, ProgressBarOnTheLayeredFrame)
{
    LoadProgramLayout();
    TSplashScreenWindow *w = splash->SplashWindow();
    const QRect bar(160, 220, 300, 12);
    auto red = [](QRgb p) { return qAlpha(p) == 255 && qRed(p) > 150 && qGreen(p) < 120 && qBlue(p) < 120; };
    splash->ProgressBar()->ProgressFill()->SetColor(clRed);
    splash->ProgressBar()->ProgressFill()->SetColorTo(clRed);
    EXPECT_TRUE(Box(w->LayeredImage(), bar, red).isEmpty()); // hidden in the program's layout
    int changes = 0;
    splash->OnProgressPositionChanged = [&](TObject *, double) { ++changes; };
    splash->ProgressBar()->SetVisible(true);
    splash->ProgressBar()->SetPosition(50);
    EXPECT_GE(changes, 1);
    const QRect filled = Box(w->LayeredImage(), bar, red);
    ASSERT_FALSE(filled.isEmpty());
    EXPECT_NEAR(filled.left(), 161, 3);
    EXPECT_NEAR(filled.right(), 160 + 150, 6); // half of the inside
}

TEST_F(SplashScreen, MainFormShowClosesItAndCallsThePreviousHandler)
{
    std::vector<TObject *> senders;
    form->OnShow = [&](TObject *Sender) { senders.push_back(Sender); };
    int closes = 0;
    splash->OnClose = [&](TObject *Sender) {
        EXPECT_EQ(Sender, splash);
        ++closes;
    };
    LoadProgramLayout();
    ASSERT_TRUE(splash->Showing());
    form->Show();
    EXPECT_FALSE(splash->Showing());
    EXPECT_EQ(splash->SplashWindow(), nullptr);
    EXPECT_EQ(closes, 1);
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], form.get());
    // The previous handler is back in place; the splash is out of the way.
    form->Hide();
    form->Show();
    EXPECT_EQ(senders.size(), 2u);
    EXPECT_EQ(closes, 1);
    splash->Hide(); // while hidden: nothing, no OnClose
    EXPECT_EQ(closes, 1);
}

TEST_F(SplashScreen, TimeoutClosesOnlyWithCloseOnTimeout)
{
    splash->SetDisplayStyle(dsNormal);
    splash->SetTimeOut(20);
    splash->Show();
    EXPECT_FALSE(splash->CloseTimer()->Enabled());
    PumpFor(60);
    EXPECT_TRUE(splash->Showing());
    splash->Hide();

    splash->SetCloseOnTimeout(true);
    splash->Show();
    EXPECT_TRUE(splash->CloseTimer()->Enabled());
    EXPECT_EQ(splash->CloseTimer()->Interval(), 20u);
    EXPECT_TRUE(PumpUntil([&] { return !splash->Showing(); }, 5000));
    EXPECT_FALSE(splash->CloseTimer()->Enabled());
}

TEST_F(SplashScreen, ClickFiresOnClickAndLeavesItOpen)
{
    int clicks = 0;
    splash->OnClick = [&](TObject *Sender) {
        EXPECT_EQ(Sender, splash);
        ++clicks;
    };
    splash->SetDisplayStyle(dsNormal);
    splash->Show();
    splash->SplashWindow()->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(splash->Showing());

    // Hide from the window's own click frees the window after the click.
    splash->OnClick = [&](TObject *) { splash->Hide(); };
    QPointer<QWidget> widget = splash->SplashWindow()->Widget();
    splash->SplashWindow()->Click();
    EXPECT_FALSE(splash->Showing());
    EXPECT_TRUE(PumpUntil([&] { return widget.isNull(); }, 2000));
}

TEST_F(SplashScreen, FadesPushTheLayeredFrameInStepsOfTwenty)
{
    UseTranslucentFill(dsFadeInOut);
    splash->SetMaxOpacity(100); // has no say over a layered window
    splash->Show();
    TSplashScreenWindow *w = splash->SplashWindow();
    EXPECT_EQ(w->Pushes(), 1 + 13); // the first frame at 5, then 25 .. 245 and 255
    EXPECT_EQ(w->Opacity(), 255);
    EXPECT_EQ(sleeps, std::vector<unsigned>(13, 5));

    sleeps.clear();
    splash->FadeOut(50, 2, 100); // 205, 155, 105, then 100
    EXPECT_EQ(w->Opacity(), 100);
    EXPECT_EQ(sleeps, std::vector<unsigned>(3, 2));
    sleeps.clear();
    splash->FadeIn(100, 2, 255); // 200, 255
    EXPECT_EQ(w->Opacity(), 255);
    EXPECT_EQ(sleeps, std::vector<unsigned>(1, 6));

    sleeps.clear();
    const int before = w->Pushes();
    splash->Hide(); // 235 .. 15, 10
    EXPECT_EQ(sleeps.size(), 13u);
    EXPECT_EQ(before + 13, before + int(sleeps.size()));
}

TEST_F(SplashScreen, OpaqueFillFadesTheWholeWindowToMaxOpacity)
{
    struct Row { TDisplayStyle style; bool alphaBlend; Byte value; size_t sleeps; };
    const std::vector<Row> rows = {
        {dsFadeInOut, true, 100, (100 - 5) / 5},
        {dsNormal, false, 100, 0}, // opaque: MaxOpacity has no effect
    };
    for (const Row &r : rows) {
        sleeps.clear();
        splash->SetDisplayStyle(r.style);
        splash->SetMaxOpacity(100);
        splash->Show();
        TSplashScreenWindow *w = splash->SplashWindow();
        EXPECT_FALSE(w->ForcedTransparent());
        EXPECT_EQ(w->AlphaBlend(), r.alphaBlend);
        EXPECT_EQ(w->AlphaBlendValue(), r.value);
        EXPECT_EQ(sleeps.size(), r.sleeps);
        splash->Hide();
    }
}

// The program's picture is stored decoded beside its PNG bytes: the stored
// pixels are those the bytes decode to, and the frame shows exactly the
// pixels it shows with the picture read from the bytes.
TEST_F(SplashScreen, StoredPictureIsItsPngDecoded)
{
    const QImage stored = SplashPictureImage();
    EXPECT_EQ(stored.size(), QSize(620, 350));
    EXPECT_EQ(stored, QImage::fromData(SplashPicturePng()));

    LoadProgramLayout();
    TSplashScreenWindow *w = splash->SplashWindow();
    ASSERT_NE(w, nullptr);
    const QImage frame = w->LayeredImage();
    TMemoryStream png(SplashPicturePng());
    splash->Fill()->Picture()->LoadFromStream(&png);
    w->RenderLayered();
    EXPECT_EQ(w->LayeredImage(), frame);
}

TEST_F(SplashScreen, WindowSizeFromPictureAndBorder)
{
    struct Row { bool picture; int border; int width, height; };
    const std::vector<Row> rows = {
        {false, 1, 600, 400}, {true, 0, 620, 350}, {true, 1, 622, 352},
        {true, 2, 622, 352}, {true, 3, 624, 354},
    };
    for (const Row &r : rows) {
        TForm owner(nullptr, CreateNew);
        auto *s = new TSmSplashScreen(&owner);
        s->SetDisplayStyle(dsNormal);
        if (r.picture) {
            TMemoryStream png(SplashPicturePng());
            s->Fill()->Picture()->LoadFromStream(&png);
        }
        s->Fill()->SetBorderWidth(r.border);
        s->Show();
        EXPECT_EQ(s->SplashWindow()->Width(), r.width) << r.border;
        EXPECT_EQ(s->SplashWindow()->Height(), r.height) << r.border;
        delete s;
    }
}

TEST_F(SplashScreen, RoundedFillShapesTheWindow)
{
    splash->SetDisplayStyle(dsNormal);
    splash->Fill()->SetRounding(20);
    splash->Fill()->SetRoundingType(rtBoth);
    splash->Show();
    const TRegion shape = splash->SplashWindow()->WindowRgn();
    EXPECT_FALSE(shape.Contains(0, 0));
    EXPECT_FALSE(shape.Contains(599, 399));
    EXPECT_TRUE(shape.Contains(300, 200));
    EXPECT_TRUE(shape.Contains(300, 0));
}

TEST_F(SplashScreen, DestroyedWhileShowingPutsTheHandlerBackAndFreesTheWindow)
{
    int calls = 0;
    form->OnShow = [&](TObject *) { ++calls; };
    splash->SetDisplayStyle(dsFadeInOut);
    splash->Show();
    QPointer<QWidget> widget = splash->SplashWindow()->Widget();
    const int owned = Application->ComponentCount();
    sleeps.clear();
    delete splash;
    EXPECT_TRUE(sleeps.empty()); // no fade-out while being freed
    EXPECT_EQ(Application->ComponentCount(), owned - 1);
    EXPECT_TRUE(widget.isNull());
    form->Show();
    EXPECT_EQ(calls, 1);
}

TEST_F(SplashScreen, FocusHandOverActivatesTheMainFormWithoutInput)
{
    splash->SetDisplayStyle(dsNormal);
    splash->FocusParentForm = true;
    splash->Show();
    form->Show();
    EXPECT_TRUE(splash->FocusTimer()->Enabled());
    EXPECT_TRUE(PumpUntil([&] { return !splash->FocusTimer()->Enabled(); }, 2000));
    EXPECT_TRUE(PumpUntil([&] { return QApplication::activeWindow() == form->WindowWidget(); }, 2000));
}
