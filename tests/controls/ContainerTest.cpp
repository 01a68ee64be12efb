#include "SkGroupBox.h"
#include "SkPanel.h"

#include "Form.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QColor At(const QImage &img, int x, int y)
{
    return img.pixelColor(x, y);
}

// A child aligned to the whole client area shows where children go.
TRect AlignedArea(TWinControl *Container)
{
    auto *child = new TCustomControl(Container);
    child->SetAlign(alClient);
    child->SetParent(Container);
    const TRect r = child->BoundsRect();
    delete child;
    return r;
}

TEST(SkPanel, ClientRectangleLeavesOutTheFramesOnTheirSides)
{
    struct Row {
        const char *name;
        TFrameStyleEx outer, inner;
        TSides sides;
        int bevel;
        TRect client;
    } rows[] = {
        {"none", fsNone, fsNone, sdAllSides, 1, Rect(0, 0, 100, 60)},
        {"flat left and top", fsFlat, fsNone, {sdLeft, sdTop}, 1, Rect(1, 1, 100, 60)},
        {"raised all", fsRaised, fsNone, sdAllSides, 1, Rect(2, 2, 98, 58)},
        {"status bevel 3 right and bottom", fsStatus, fsNone, {sdRight, sdBottom}, 3, Rect(0, 0, 97, 57)},
        {"flat outside, bold inside", fsFlat, fsFlatBold, sdAllSides, 1, Rect(3, 3, 97, 57)},
        {"groove on the bottom only", fsGroove, fsNone, {sdBottom}, 1, Rect(0, 0, 100, 58)},
    };
    for (const Row &r : rows) {
        TSkPanel panel(nullptr);
        panel.SetBounds(0, 0, 100, 60);
        panel.SetBorderOuter(r.outer);
        panel.SetBorderInner(r.inner);
        panel.SetBorderSides(r.sides);
        panel.SetBevelWidth(r.bevel);
        EXPECT_EQ(panel.ClientRect(), r.client) << r.name;
        EXPECT_EQ(AlignedArea(&panel), r.client) << r.name << ": aligned children inside";
    }
    TSkPanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 60);
    panel.SetBorderOuter(fsFlat);
    panel.SetBorderWidth(2);
    EXPECT_EQ(AlignedArea(&panel), Rect(3, 3, 97, 57)) << "the border band too";
}

TEST(SkPanel, TransparentContainersShowTheParent)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.SetColor(clTeal);
    auto *opaque = new TSkPanel(&form);
    opaque->SetParent(&form);
    opaque->SetBounds(0, 0, 60, 60);
    opaque->SetBorderOuter(fsNone);
    auto *clear = new TSkPanel(&form);
    clear->SetParent(&form);
    clear->SetBounds(70, 0, 60, 60);
    clear->SetBorderOuter(fsNone);
    clear->SetTransparent(true);
    auto *group = new TSkGroupBox(&form);
    group->SetParent(&form);
    group->SetBounds(140, 0, 60, 60);
    group->SetGroupStyle(gsCustom);
    group->SetTransparent(true);
    form.Show();
    const QImage img = form.PaintToImage();
    EXPECT_EQ(At(img, 30, 30), ToQColor(ColorToRGB(clBtnFace)));
    EXPECT_EQ(At(img, 100, 30), ToQColor(clTeal));
    EXPECT_EQ(At(img, 170, 30), ToQColor(clTeal));
    EXPECT_EQ(At(img, 141, 1), ToQColor(clTeal)) << "a frameless group draws nothing itself";
}

TEST(SkPanel, GridAndCaption)
{
    TSkPanel panel(nullptr);
    panel.SetBounds(0, 0, 40, 30);
    panel.SetBorderOuter(fsNone);
    panel.SetColor(clWhite);
    panel.SetShowGrid(true);
    panel.SetGridColor(clRed);
    panel.SetGridSize(0, 0); // no columns or rows, no division by zero
    QImage img = panel.PaintToImage();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(At(img, x, y), QColor(Qt::white)) << x << "," << y;
    panel.SetGridSize(10, 8);
    img = panel.PaintToImage();
    EXPECT_EQ(At(img, 9, 7), QColor(Qt::red));
    EXPECT_EQ(At(img, 39, 23), QColor(Qt::red));
    EXPECT_EQ(At(img, 10, 7), QColor(Qt::white));
    panel.SetGridStyle(gsSolidLines);
    img = panel.PaintToImage();
    EXPECT_EQ(At(img, 9, 3), QColor(Qt::red));
    EXPECT_EQ(At(img, 3, 15), QColor(Qt::red));

    // The caption's place follows the vertical alignment.
    panel.SetShowGrid(false);
    panel.SetBounds(0, 0, 60, 60);
    panel.SetCaption("X");
    panel.Font()->SetHeight(-12);
    int tops[3];
    for (TAlignmentVertical av : {avTop, avCenter, avBottom}) {
        panel.SetAlignmentVertical(av);
        img = panel.PaintToImage();
        tops[av] = -1;
        for (int y = 0; y < 60 && tops[av] < 0; ++y)
            for (int x = 0; x < 60; ++x)
                if (At(img, x, y) != QColor(Qt::white)) {
                    tops[av] = y;
                    break;
                }
    }
    EXPECT_LT(tops[avTop], 8);
    EXPECT_GT(tops[avCenter], 15);
    EXPECT_GT(tops[avBottom], 40);
}

TEST(SkPanel, ChildrenKeepTheirEnabledSettingThroughThePanel)
{
    TSkPanel panel(nullptr);
    auto *was = new TCustomControl(&panel);
    auto *meanwhile = new TCustomControl(&panel);
    was->SetParent(&panel);
    meanwhile->SetParent(&panel);
    was->SetEnabled(false);
    panel.SetEnabled(false);
    meanwhile->SetEnabled(false);
    auto *added = new TCustomControl(&panel);
    added->SetParent(&panel);
    EXPECT_FALSE(added->Widget()->isEnabled());
    panel.SetEnabled(true);
    EXPECT_FALSE(was->Enabled());
    EXPECT_FALSE(meanwhile->Enabled());
    EXPECT_FALSE(meanwhile->Widget()->isEnabled());
    EXPECT_TRUE(added->Widget()->isEnabled());
}

int YyHeight(TControl *C)
{
    TCanvas measure;
    measure.SetFont(C->Font());
    return measure.TextHeight("Yy");
}

TEST(SkGroupBox, ClientRectanglePerGroupStyle)
{
    TSkGroupBox probe(nullptr);
    const int hc = YyHeight(&probe);
    struct Row {
        const char *name;
        TSkGroupBoxStyle style;
        const char *caption;
        int borderWidth;
        int bannerHeight;
        TRect client;
    } rows[] = {
        {"custom without caption", gsCustom, "", 0, 0, Rect(2, 2, 98, 78)},
        {"custom with caption", gsCustom, "Gain", 0, 0, Rect(2, hc + 2, 98, 78)},
        {"banner, automatic height", gsBanner, "Gain", 0, 0, Rect(0, hc + 8, 100, 80)},
        {"banner of 30", gsBanner, "Gain", 0, 30, Rect(0, 30, 100, 80)},
        {"top line", gsTopLine, "Gain", 0, 0, Rect(0, hc, 100, 80)},
        {"underline", gsUnderline, "Gain", 0, 0, Rect(0, hc + 4, 100, 80)},
        {"flat", gsFlat, "Gain", 0, 0, Rect(1, hc + 1, 99, 79)},
        {"standard, thin border", gsStandard, "Gain", 1, 0, Rect(3, 1 + hc - 1 + 2, 97, 77)},
        {"standard, wide border", gsStandard, "Gain", hc / 2, 0, Rect(hc / 2 + 2, hc / 2 + hc / 2 - 1 + 2, 98 - hc / 2, 78 - hc / 2)},
    };
    for (const Row &r : rows) {
        TSkGroupBox box(nullptr);
        box.SetBounds(0, 0, 100, 80);
        box.SetGroupStyle(r.style);
        box.SetCaption(r.caption);
        box.SetBorderWidth(r.borderWidth);
        box.SetBannerHeight(r.bannerHeight);
        EXPECT_EQ(AlignedArea(&box), r.client) << r.name;
    }
}

TEST(SkGroupBox, FlatAndStandardFrames)
{
    TSkGroupBox box(nullptr);
    box.SetBounds(0, 0, 60, 40);
    box.SetColor(clWhite);
    box.SetFlatColor(clBlue);
    box.SetFlatColorAdjustment(0);
    TCanvas measure;
    measure.SetFont(box.CaptionFont());
    const int f = measure.TextHeight("Pp") / 2 - 1;
    QImage img = box.PaintToImage(); // gsFlat, no caption: rounded outline
    EXPECT_EQ(At(img, 0, f + 2), QColor(Qt::blue));
    EXPECT_EQ(At(img, 2, f), QColor(Qt::blue));
    EXPECT_EQ(At(img, 0, f), QColor(Qt::white)) << "corner left out";
    EXPECT_EQ(At(img, 1, f + 1), QColor(Qt::blue));
    EXPECT_EQ(At(img, 59, 30), QColor(Qt::blue));

    box.SetGroupStyle(gsStandard); // empty caption: a groove with no gap
    img = box.PaintToImage();
    const QColor shadow = ToQColor(ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(img, 10, f), shadow);
    box.SetCaption("Wide caption");
    img = box.PaintToImage();
    EXPECT_NE(At(img, 12, f), shadow) << "the caption interrupts the frame";
    EXPECT_EQ(At(img, 58, 30), shadow);
}

} // namespace
