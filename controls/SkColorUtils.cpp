#include "SkColorUtils.h"

#include "SystemInfo.h"
#include "Themes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int currentScheme = DetectXpColorScheme();

// Gradient start, gradient stop and frame colour of each desktop scheme.
struct SchemeColors {
    TColor start, stop, frame;
};
constexpr SchemeColors schemes[3] = {
    {RGB(227, 239, 255), RGB(153, 187, 234), RGB(87, 127, 191)},
    {RGB(255, 255, 237), RGB(184, 199, 146), RGB(127, 161, 119)},
    {RGB(249, 249, 255), RGB(189, 188, 208), RGB(159, 159, 177)},
};

const SchemeColors &Scheme()
{
    return schemes[std::clamp(currentScheme, 0, 2)];
}

bool OfficeThemed(TSkGradientColorStyle ColorStyle)
{
    return ColorStyle == gcsMSOffice && ThemesEnabled();
}

std::uint8_t ToByte(double v)
{
    return static_cast<std::uint8_t>(std::nearbyint(v));
}

} // namespace

THslColor SplitColorHsl(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    const double r = GetRValue(c) / 255.0, g = GetGValue(c) / 255.0, b = GetBValue(c) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double l = (mx + mn) / 2;
    double h = 0, s = 0;
    if (mx != mn) {
        const double d = mx - mn;
        s = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (r == mx)
            h = (g - b) / d;
        else if (g == mx)
            h = 2 + (b - r) / d;
        else
            h = 4 + (r - g) / d;
        h /= 6;
        if (h < 0)
            h += 1;
    }
    return {ToByte(h * 240), ToByte(s * 240), ToByte(l * 240)};
}

std::uint8_t HueOfColor(TColor Color)
{
    return SplitColorHsl(Color).Hue;
}

TColor ColorFromHsl(std::uint8_t Hue, std::uint8_t Saturation, std::uint8_t Lightness)
{
    const double h = Hue / 239.0, s = Saturation / 240.0, l = Lightness / 240.0;
    const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (m2 <= 0)
        return clBlack;
    const double m1 = 2 * l - m2;
    const double x = h * 6;
    const int sector = static_cast<int>(x);
    const double f = x - sector;
    const double v = m2 * ((m2 - m1) / m2) * f;
    const double up = m1 + v, down = m2 - v;
    double r, g, b;
    switch (sector) {
    case 1: r = down, g = m2, b = m1; break;
    case 2: r = m1, g = m2, b = up; break;
    case 3: r = m1, g = down, b = m2; break;
    case 4: r = up, g = m1, b = m2; break;
    case 5: r = m2, g = m1, b = down; break;
    default: r = m2, g = up, b = m1; break;
    }
    auto channel = [](double v) { return static_cast<int>(std::nearbyint(std::min(v, 1.0) * 255)); };
    return RGB(channel(r), channel(g), channel(b));
}

TColor DarkenColor(TColor Color, std::uint8_t Amount)
{
    const THslColor c = SplitColorHsl(Color);
    return ColorFromHsl(c.Hue, c.Saturation, static_cast<std::uint8_t>(std::max(c.Lightness - Amount, 0)));
}

TColor LightenColor(TColor Color, std::uint8_t Amount)
{
    const THslColor c = SplitColorHsl(Color);
    return ColorFromHsl(c.Hue, c.Saturation, static_cast<std::uint8_t>(std::min(c.Lightness + Amount, 255)));
}

TColor AdjustColorLightness(TColor Color, int Adjustment)
{
    if (Adjustment < 0)
        return DarkenColor(Color, static_cast<std::uint8_t>(-Adjustment));
    if (Adjustment > 0)
        return LightenColor(Color, static_cast<std::uint8_t>(Adjustment));
    return Color;
}

TColor MixColors(TColor First, TColor Second, std::uint8_t Weight)
{
    const float w = Weight / 255.0f;
    const TColor a = ColorToRGB(First), b = ColorToRGB(Second);
    auto mix = [w](int x, int y) { return static_cast<int>(std::nearbyint(x * w + y * (1 - w))); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

bool ColorsLookAlike(TColor A, TColor B)
{
    const THslColor a = SplitColorHsl(A), b = SplitColorHsl(B);
    return std::abs(a.Hue - b.Hue) < 20 && std::abs(a.Lightness - b.Lightness) < 60;
}

TColor ContrastingHueColor(TColor Color, std::uint8_t Lightness)
{
    const int h = HueOfColor(Color);
    return ColorFromHsl(static_cast<std::uint8_t>(h < 120 ? h + 120 : h - 120), 240, Lightness);
}

int XpColorSchemeFromName(const QString &Name)
{
    const QString upper = Name.toUpper();
    if (upper == QLatin1String("HOMESTEAD"))
        return 1;
    if (upper == QLatin1String("METALLIC"))
        return 2;
    return 0;
}

int DetectXpColorScheme()
{
    return XpColorSchemeFromName(DesktopColorSchemeName());
}

int CurrentXpColorScheme()
{
    return currentScheme;
}

void SetCurrentXpColorScheme(int Scheme)
{
    currentScheme = Scheme;
}

TColor ThemeElementColor(int Kind)
{
    if (!ThemesEnabled())
        return clBtnFace;
    if (Kind < 0 || Kind > 7)
        return clWhite;
    return ThemeColor(static_cast<TThemeColor>(Kind));
}

void GetPanelGradientColors(TSkGradientColorStyle ColorStyle, TColor &Start, TColor &Stop)
{
    if (OfficeThemed(ColorStyle)) {
        Start = Scheme().start;
        Stop = Scheme().stop;
    } else {
        Start = clWindow;
        Stop = DarkenColor(clBtnFace, 10);
    }
}

TColor GetPanelFrameColor(TSkGradientColorStyle ColorStyle)
{
    return OfficeThemed(ColorStyle) ? Scheme().frame : LightenColor(clBtnShadow, 30);
}

void GetBannerColors(TSkGradientColorStyle ColorStyle, TColor &Start, TColor &Stop, TColor &Line)
{
    if (OfficeThemed(ColorStyle)) {
        Start = Scheme().start;
        Stop = Scheme().stop;
        Line = Scheme().stop;
    } else {
        Start = clWindow;
        Stop = DarkenColor(clBtnFace, 20);
        Line = DarkenColor(clBtnFace, 40);
    }
}

bool ScreenHasFullColor()
{
    return ScreenIsFullColor;
}
