#pragma once
#include "Color.h"
#include "SkCommon.h"

#include <QString>
#include <cstdint>

// Colour arithmetic of the Sk controls in hue / saturation / lightness, each
// on a 0..240 scale. Every routine resolves system colours first
// (ColorToRGB), except AdjustColorLightness with 0, which returns its input.

struct THslColor {
    std::uint8_t Hue = 0, Saturation = 0, Lightness = 0;
};

THslColor SplitColorHsl(TColor Color);
std::uint8_t HueOfColor(TColor Color);
// Lightness above 240 (up to 255) gives components above full intensity,
// which are capped.
TColor ColorFromHsl(std::uint8_t Hue, std::uint8_t Saturation, std::uint8_t Lightness);
TColor DarkenColor(TColor Color, std::uint8_t Amount);
TColor LightenColor(TColor Color, std::uint8_t Amount);
TColor AdjustColorLightness(TColor Color, int Adjustment);
// Weight 255 gives First, 0 gives Second.
TColor MixColors(TColor First, TColor Second, std::uint8_t Weight);
bool ColorsLookAlike(TColor A, TColor B);
TColor ContrastingHueColor(TColor Color, std::uint8_t Lightness);

// Desktop colour schemes: 0 default, 1 "HOMESTEAD", 2 "METALLIC".
int XpColorSchemeFromName(const QString &Name);
int DetectXpColorScheme();
// The scheme the themed colours use; set at start-up and again when the
// desktop theme changes.
int CurrentXpColorScheme();
void SetCurrentXpColorScheme(int Scheme);

// Theme element colours by kind (0..7); clBtnFace without themes, white for
// an unknown kind.
TColor ThemeElementColor(int Kind);
void GetPanelGradientColors(TSkGradientColorStyle ColorStyle, TColor &Start, TColor &Stop);
TColor GetPanelFrameColor(TSkGradientColorStyle ColorStyle);
void GetBannerColors(TSkGradientColorStyle ColorStyle, TColor &Start, TColor &Stop, TColor &Line);
bool ScreenHasFullColor();
