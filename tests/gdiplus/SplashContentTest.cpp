#include "Exceptions.h"
#include "Form.h"
#include "ImageList.h"
#include "SmSplashScreen.h"
#include "TestSurface.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// An ordinary (opaque) splash whose window draws its layers on request.
struct Content : ::testing::Test {
    void SetUp() override
    {
        form = std::make_unique<TForm>(nullptr, CreateNew);
        splash = new TSmSplashScreen(form.get());
        splash->SetDisplayStyle(dsNormal);
        splash->Fill()->SetColor(clNone);
        splash->Fill()->SetColorTo(clNone);
        splash->Show();
        window = splash->SplashWindow();
    }
    std::unique_ptr<TForm> form;
    TSmSplashScreen *splash = nullptr;
    TSplashScreenWindow *window = nullptr;
};

bool Reddish(QRgb p) { return qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 110; }
bool Greenish(QRgb p) { return qGreen(p) > 100 && qRed(p) < 90 && qBlue(p) < 90; }
bool Bluish(QRgb p) { return qBlue(p) > 150 && qRed(p) < 110 && qGreen(p) < 110; }
bool Inked(QRgb p) { return qRed(p) < 220 || qGreen(p) < 220 || qBlue(p) < 220; }

} // namespace

TEST_F(Content, OverflowingListItemsDropTheOldest)
{
    TSplashListItemsSettings *s = splash->ListItemsSettings();
    s->Rect()->SetLeft(10);
    s->Rect()->SetTop(20);
    s->Rect()->SetWidth(200);
    s->Rect()->SetHeight(60);
    for (int i = 0; i < 5; ++i)
        splash->ListItems()->Add()->SetHTMLText(QStringLiteral("<FONT size=\"12\">line %1</FONT>").arg(i));
    Surface surface(600, 400);
    window->DrawListItems(surface.g.get());
    const TRect first = splash->ListItems()->Items(0)->DisplayRect();
    EXPECT_EQ(first.Top, -1);
    EXPECT_EQ(first.Bottom, -1);
    // The newest item is shown, the shown ones start at the top, in order.
    int shown = 0;
    int expectedTop = 20;
    for (int i = 0; i < 5; ++i) {
        const TRect d = splash->ListItems()->Items(i)->DisplayRect();
        if (d.Top == -1) {
            EXPECT_EQ(shown, 0) << "only the oldest drop out";
            continue;
        }
        EXPECT_EQ(d.Top, expectedTop) << i;
        expectedTop = d.Bottom + s->Space();
        ++shown;
    }
    EXPECT_GE(shown, 1);
    EXPECT_LE(shown, 3);
    EXPECT_LE(splash->ListItems()->Items(4)->DisplayRect().Bottom, 80 + 1);
}

TEST_F(Content, HeadingColoursByGradient)
{
    struct Row { TSmGradientType type; TColor end; bool drawn; };
    const std::vector<Row> rows = {
        {gtVertical, clNone, true}, {gtRadial, clNone, true}, {gtHatch, clNone, true},
        {gtRadial, clBlue, false}, {gtPath, clBlue, false}, {gtNone, clNone, false},
    };
    TSplashHeadingText *name = splash->BasicProgramInfo()->ProgramName();
    name->SetText(QStringLiteral("HHHH"));
    name->SetLocation(ilCustom);
    name->SetPosX(20);
    name->SetPosY(20);
    name->SetColorStart(clRed);
    for (const Row &r : rows) {
        name->SetGradientType(r.type);
        name->SetColorEnd(r.end);
        Surface surface(300, 100);
        window->DrawProgramInfo(surface.g.get());
        const QImage img = surface.done();
        const QRect inked = PixelBox(img, Inked);
        EXPECT_EQ(!inked.isEmpty(), r.drawn) << r.type;
        if (r.drawn) { // solid in the start colour (anti-aliased edges aside)
            const QRect red = PixelBox(img, Reddish);
            EXPECT_LE((red.topLeft() - inked.topLeft()).manhattanLength(), 2) << r.type;
            EXPECT_LE((red.bottomRight() - inked.bottomRight()).manhattanLength(), 2) << r.type;
        }
    }
}

TEST_F(Content, ProgramInformationPlacement)
{
    TBasicProgramInfo *info = splash->BasicProgramInfo();
    TSplashHeadingText *name = info->ProgramName();
    TSplashHeadingText *version = info->ProgramVersion();
    name->SetText(QStringLiteral("NAME"));
    name->SetColorStart(clRed);
    version->SetText(QStringLiteral("VER"));
    version->SetColorStart(RGB(0, 160, 0));
    info->SetCopyRight(QStringLiteral("LEGAL"));
    info->CopyRightFont()->SetColor(clBlue);
    info->CopyRightFont()->SetSize(12);
    const TRect r = window->ProgramInfoRect(); // 600 x 400 window, no border: (0, 0, 594, 399)
    struct Row { TItemLocation name, version, legal; };
    const std::vector<Row> rows = {
        {ilTopLeft, ilTopLeft, ilTopLeft},
        {ilBottomRight, ilBottomRight, ilBottomRight},
    };
    for (const Row &row : rows) {
        name->SetLocation(row.name);
        version->SetLocation(row.version);
        info->SetCopyRightLocation(row.legal);
        Surface surface(600, 400);
        window->DrawProgramInfo(surface.g.get());
        const QImage img = surface.done();
        const QRect n = PixelBox(img, Reddish), v = PixelBox(img, Greenish), c = PixelBox(img, Bluish);
        ASSERT_FALSE(n.isEmpty());
        ASSERT_FALSE(v.isEmpty());
        ASSERT_FALSE(c.isEmpty());
        if (row.name == ilTopLeft) {
            EXPECT_NEAR(n.left(), r.Left, 6);
            EXPECT_NEAR(n.top(), r.Top, 12);
            EXPECT_GT(v.left(), n.right()); // next to the name
            EXPECT_GT(c.top(), n.bottom()); // below the name
        } else {
            EXPECT_NEAR(c.right(), r.Right, 6); // legal notice in the corner
            EXPECT_NEAR(c.bottom(), r.Bottom, 6);
            EXPECT_LT(v.bottom(), c.top());     // name and version above it
            EXPECT_LT(n.right(), v.left());     // the name left of the version
            EXPECT_NEAR(v.right(), r.Right, 8);
        }
    }
}

TEST_F(Content, TopLayerPanelsAndItems)
{
    TSmSplashTopLayerItem *none = splash->TopLayerItems()->Add();
    none->SetAlign(alNone);
    none->Fill()->SetColor(clBlue);
    none->Fill()->SetColorTo(clBlue);
    TSmSplashTopLayerItem *panel = splash->TopLayerItems()->Add();
    panel->SetLeft(10);
    panel->SetTop(20);
    panel->SetWidth(50);
    panel->SetHeight(30);
    panel->Fill()->SetColor(clRed);
    panel->Fill()->SetColorTo(clRed);
    Surface layer(200, 100);
    window->DrawTopLayerItems(layer.g.get());
    const QImage img = layer.done();
    EXPECT_TRUE(PixelBox(img, Bluish).isEmpty()); // alNone paints nothing
    const QRect red = PixelBox(img, Reddish);
    EXPECT_NEAR(red.left(), 10, 1);
    EXPECT_NEAR(red.top(), 20, 1);
    EXPECT_NEAR(red.width(), 50, 2);
    EXPECT_NEAR(red.height(), 30, 2);

    // An item: its image from the list, then its text after the gap.
    TCustomImageList images(nullptr);
    QImage green(16, 16, QImage::Format_ARGB32);
    green.fill(qRgb(0, 160, 0));
    images.Add(green);
    splash->SetImages(&images);
    TSplashItem *item = splash->Items()->Add();
    item->SetPosX(30);
    item->SetPosY(40);
    item->SetImageIndex(0);
    item->SetText(QStringLiteral("ITEM"));
    item->Font()->SetColor(clRed);
    item->Font()->SetSize(14);
    Surface items(200, 100);
    window->DrawItems(items.g.get());
    const QImage drawn = items.done();
    EXPECT_EQ(PixelBox(drawn, Greenish), QRect(30, 40, 16, 16));
    const QRect text = PixelBox(drawn, Reddish);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 30 + 16 + 5);
    EXPECT_LE(text.left(), 30 + 16 + 5 + 7); // the layout box pads the glyphs
    splash->SetImages(nullptr);
}

TEST(SplashProgress, ValueTextAndFormatChecks)
{
    TGpSplashProgress p;
    p.SetValueType(vtPercentage);
    EXPECT_EQ(p.ValueText(20, 70, 45), QStringLiteral("50%"));
    EXPECT_EQ(p.ValueText(20, 70, 100), QStringLiteral("100%")); // clamped
    EXPECT_EQ(p.ValueText(70, 70, 70), QStringLiteral("70%"));  // empty range shows max
    p.SetValueType(vtAbsolute);
    EXPECT_EQ(p.ValueText(0, 100, 37.4), QStringLiteral("37%"));

    int changes = 0;
    p.OnChange = [&](TObject *) { ++changes; };
    for (const char *bad : {"%d", "%s", "no number", "%.0f of %.0f", "%n", "%"}) {
        EXPECT_THROW(p.SetValueFormat(QString::fromLatin1(bad)), EConvertError) << bad;
        EXPECT_EQ(p.ValueFormat(), QStringLiteral("%.0f%%")) << bad;
    }
    EXPECT_EQ(changes, 0);
    p.SetValueFormat(QStringLiteral("%.1f V"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(p.ValueText(0, 10, 2.5), QStringLiteral("2.5 V"));
}

TEST(SplashProgress, FilledPartFollowsThePositionWithinTheRange)
{
    TGpSplashProgress p;
    const TGPRectF r = MakeRectF(0, 0, 101, 12); // inside 100 wide
    struct Row { double pos; REAL width; };
    for (const Row &row : std::vector<Row>{{-50, 0}, {0, 0}, {25, 25}, {100, 100}, {250, 100}}) {
        EXPECT_FLOAT_EQ(p.CalculateProgressRectangle(r, 0, 100, row.pos).Width, row.width) << row.pos;
    }
    EXPECT_FLOAT_EQ(p.CalculateProgressRectangle(r, 50, 50, 50).Width, 0); // no range

    // Drawn: past the maximum the bar is filled to its end.
    p.ProgressFill()->SetColor(clRed);
    p.ProgressFill()->SetColorTo(clRed);
    Surface full(120, 20);
    p.Draw(full.g.get(), r, 0, 100, 250);
    const QRect red = PixelBox(full.done(), Reddish);
    EXPECT_GE(red.right(), 95);
    Surface empty(120, 20);
    p.Draw(empty.g.get(), r, 0, 100, -5);
    EXPECT_TRUE(PixelBox(empty.done(), Reddish).isEmpty());
}

TEST(SplashProgress, ControlClampsAndCopiesItsAppearance)
{
    TSmSplashProgressBar bar(nullptr);
    std::vector<double> positions;
    bar.OnPositionChanged = [&](TObject *, double v) { positions.push_back(v); };
    bar.SetPosition(150);
    bar.SetPosition(-3);
    EXPECT_EQ(positions, (std::vector<double>{100, 0}));
    bar.SetPosition(80);
    bar.SetMaximum(50); // the position follows the new bound
    EXPECT_EQ(bar.Position(), 50);

    TGpSplashProgress look;
    look.SetLeft(160);
    look.SetTop(220);
    look.SetHeight(12);
    look.SetVisible(true);
    look.SetPosition(30);
    bar.SetAppearance(&look);
    EXPECT_EQ(bar.BoundsRect(), Rect(160, 220, 460, 232));
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(bar.Position(), 30);
    EXPECT_EQ(bar.Maximum(), 100);

    // With animation the shown position approaches the target tick by tick.
    bar.SetProgressAnimation(true);
    bar.SetPosition(90);
    EXPECT_TRUE(bar.AnimationInProgress());
    for (int i = 0; i < 400 && bar.AnimationInProgress(); ++i)
        bar.AnimationTick();
    EXPECT_NEAR(bar.DisplayedPosition(), 90, 0.001);
}

TEST(SplashCollections, ReportOnlyWhenAWholeUpdateLeavesThemEmpty)
{
    TSplashListItems items(nullptr);
    int changes = 0;
    std::vector<int> deleted;
    items.OnChange = [&](TObject *) { ++changes; };
    items.OnDeleteItem = [&](int index) { deleted.push_back(index); };
    items.Add()->SetHTMLText(QStringLiteral("a"));
    items.Add()->SetHTMLText(QStringLiteral("b"));
    EXPECT_EQ(changes, 0);
    items.Delete(0);
    EXPECT_EQ(deleted, std::vector<int>{0});
    items.Clear();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(deleted, (std::vector<int>{0, 0}));
}

TEST(SplashStyles, PresetColoursOfTheFill)
{
    TForm owner(nullptr, CreateNew);
    TSmSplashScreen s(&owner);
    s.Fill()->SetGradientType(gtSolid);
    s.SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(s.Fill()->GradientType(), gtVertical);
    EXPECT_EQ(s.Fill()->Color(), RGB(233, 241, 250));
    EXPECT_EQ(s.Fill()->ColorMirrorTo(), RGB(231, 242, 255));
    EXPECT_EQ(s.Fill()->BorderColor(), RGB(141, 178, 227));
    EXPECT_EQ(s.Fill()->GradientMirrorType(), gtVertical);
    s.SetComponentStyle(tsCustom);
    EXPECT_EQ(s.Fill()->Color(), RGB(233, 241, 250));
    s.SetComponentStyle(tsWindows7);
    EXPECT_EQ(s.Fill()->ColorTo(), RGB(193, 219, 252));
    EXPECT_EQ(s.Fill()->ColorMirror(), clNone);
    EXPECT_EQ(s.GetThemeID(), QStringLiteral("TSmSplashScreen"));
}
