#include "SkColorUtils.h"
#include "SkNamedColors.h"
#include "Themes.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TEST(SkColorUtils, SplitColorHslOfKnownColours)
{
    struct Row {
        TColor color;
        int h, s, l;
    } rows[] = {
        {clWhite, 0, 0, 240},   {clBlack, 0, 0, 0},   {clRed, 0, 240, 120},  {clLime, 80, 240, 120},
        {clBlue, 160, 240, 120}, {clGray, 0, 0, 120}, {RGB(255, 128, 128), 0, 240, 180},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.color);
        const THslColor hsl = SplitColorHsl(r.color);
        EXPECT_EQ(hsl.Hue, r.h);
        EXPECT_EQ(hsl.Saturation, r.s);
        EXPECT_EQ(hsl.Lightness, r.l);
    }
    EXPECT_EQ(HueOfColor(clBlue), 160);
}

TEST(SkColorUtils, ColorFromHslAndRoundTrips)
{
    EXPECT_EQ(ColorFromHsl(0, 240, 120), clRed);
    EXPECT_EQ(ColorFromHsl(239, 240, 120), ColorFromHsl(0, 240, 120)); // the hue scale ends at 239
    EXPECT_EQ(ColorFromHsl(0, 0, 0), clBlack);
    EXPECT_EQ(ColorFromHsl(0, 0, 240), clWhite);
    EXPECT_EQ(ColorFromHsl(0, 0, 255), clWhite); // above full lightness is capped
    for (TColor c : {clRed, clWhite, clBlack, clGray, clNavy, RGB(51, 102, 255), RGB(153, 204, 0), RGB(10, 200, 90)}) {
        SCOPED_TRACE(c);
        const THslColor hsl = SplitColorHsl(c);
        const TColor back = ColorFromHsl(hsl.Hue, hsl.Saturation, hsl.Lightness);
        EXPECT_LE(std::abs(GetRValue(back) - GetRValue(c)), 4);
        EXPECT_LE(std::abs(GetGValue(back) - GetGValue(c)), 4);
        EXPECT_LE(std::abs(GetBValue(back) - GetBValue(c)), 4);
    }
}

TEST(SkColorUtils, LightnessArithmeticStopsAtTheEndsAndLeavesZeroAlone)
{
    EXPECT_EQ(LightenColor(clWhite, 10), clWhite);
    EXPECT_EQ(DarkenColor(clBlack, 10), clBlack);
    EXPECT_EQ(AdjustColorLightness(clBtnFace, 0), clBtnFace); // not resolved
    EXPECT_EQ(AdjustColorLightness(clRed, -20), DarkenColor(clRed, 20));
    EXPECT_EQ(AdjustColorLightness(clRed, 20), LightenColor(clRed, 20));
    EXPECT_EQ(SplitColorHsl(DarkenColor(clRed, 60)).Lightness, 60);
    EXPECT_EQ(SplitColorHsl(LightenColor(clRed, 60)).Lightness, 180);
    EXPECT_EQ(SplitColorHsl(LightenColor(clGray, 130)).Lightness, 240); // capped by the components
    EXPECT_EQ(DarkenColor(clBtnShadow, 0), ColorToRGB(clBtnShadow)); // system colours resolved
}

TEST(SkColorUtils, MixLookAlikeAndContrast)
{
    EXPECT_EQ(MixColors(clRed, clBlue, 255), clRed);
    EXPECT_EQ(MixColors(clRed, clBlue, 0), clBlue);
    EXPECT_EQ(MixColors(clRed, clBlue, 128), RGB(128, 0, 127));
    EXPECT_EQ(MixColors(clBtnFace, clBtnFace, 77), ColorToRGB(clBtnFace));

    struct Row {
        TColor a, b;
        bool alike;
    } rows[] = {
        {clRed, RGB(250, 10, 10), true},
        {clRed, clLime, false},
        {clBlack, RGB(40, 40, 40), true},
        {clBlack, clWhite, false},
        {RGB(255, 0, 40), RGB(200, 0, 0), false}, // hue 234 against 0: far apart, no wrap-round
    };
    for (const Row &r : rows)
        EXPECT_EQ(ColorsLookAlike(r.a, r.b), r.alike) << r.a << " " << r.b;

    const THslColor opposite = SplitColorHsl(ContrastingHueColor(clRed, 120));
    EXPECT_NEAR(opposite.Hue, 120, 1);
    EXPECT_NEAR(SplitColorHsl(ContrastingHueColor(clBlue, 100)).Hue, 40, 1); // 160 - 120
}

TEST(SkColorUtils, SchemesFollowTheNameAndThemedColoursTheSwitch)
{
    EXPECT_EQ(XpColorSchemeFromName("homestead"), 1);
    EXPECT_EQ(XpColorSchemeFromName("Metallic"), 2);
    EXPECT_EQ(XpColorSchemeFromName("NormalColor"), 0);
    EXPECT_EQ(DetectXpColorScheme(), 0); // no desktop scheme on this platform

    TColor start, stop, line;
    GetPanelGradientColors(gcsMSOffice, start, stop); // themes are off by default
    EXPECT_EQ(start, clWindow);
    EXPECT_EQ(stop, DarkenColor(clBtnFace, 10));
    EXPECT_EQ(GetPanelFrameColor(gcsMSOffice), LightenColor(clBtnShadow, 30));
    GetBannerColors(gcsSystem, start, stop, line);
    EXPECT_EQ(line, DarkenColor(clBtnFace, 40));
    EXPECT_EQ(ThemeElementColor(3), clBtnFace);

    SetThemesEnabled(true);
    struct Row {
        int scheme;
        TColor start, stop, frame;
    } rows[] = {
        {0, RGB(227, 239, 255), RGB(153, 187, 234), RGB(87, 127, 191)},
        {1, RGB(255, 255, 237), RGB(184, 199, 146), RGB(127, 161, 119)},
        {2, RGB(249, 249, 255), RGB(189, 188, 208), RGB(159, 159, 177)},
    };
    for (const Row &r : rows) {
        SetCurrentXpColorScheme(r.scheme);
        GetPanelGradientColors(gcsMSOffice, start, stop);
        EXPECT_EQ(start, r.start);
        EXPECT_EQ(stop, r.stop);
        EXPECT_EQ(GetPanelFrameColor(gcsMSOffice), r.frame);
        GetBannerColors(gcsMSOffice, start, stop, line);
        EXPECT_EQ(line, r.stop);
        GetPanelGradientColors(gcsSystem, start, stop); // only the office style follows the scheme
        EXPECT_EQ(start, clWindow);
    }
    EXPECT_EQ(ThemeElementColor(8), clWhite);
    EXPECT_NE(ThemeElementColor(6), clBtnFace);
    SetCurrentXpColorScheme(0);
    SetThemesEnabled(false);
}

TEST(SkColorUtils, NamedColourTable)
{
    const auto &t = NamedColors();
    ASSERT_EQ(t.size(), 70u);
    EXPECT_EQ(t[0].Name, "Black");
    EXPECT_EQ(t[1].Color, RGB(153, 51, 0));
    EXPECT_EQ(t[39].Name, "White");
    EXPECT_EQ(t[40].Color, clScrollBar);
    EXPECT_EQ(t[65].Name, "Hot Light");
    EXPECT_EQ(t[65].Color, clHotLight);
    EXPECT_EQ(t[69].Name, "Menu Bar");
    EXPECT_EQ(t[69].Color, clMenuBar);
}

} // namespace
