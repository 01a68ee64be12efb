#include "SkFrames.h"

#include "Bitmap.h"
#include "SkColorUtils.h"
#include "SkTextUtils.h"
#include "Themes.h"

#include <algorithm>

namespace {

// Upper-left and lower-right colours of the one-ring frame styles.
struct FrameColors {
    TColor upperLeft, lowerRight;
};
constexpr FrameColors frameColors[] = {
    {clWindow, clWindow},             // fsNone
    {cl3DDkShadow, cl3DDkShadow},     // fsFlat
    {clBtnShadow, clBtnHighlight},    // fsGroove
    {clBtnHighlight, clBtnShadow},    // fsBump
    {clNone, clNone},                 // fsLowered: two rings
    {clNone, clNone},                 // fsButtonDown: two rings
    {clNone, clNone},                 // fsRaised: two rings
    {clNone, clNone},                 // fsButtonUp: two rings
    {clBtnShadow, clBtnHighlight},    // fsStatus
    {clBtnHighlight, clBtnShadow},    // fsPopup
    {clBtnShadow, clBtnShadow},       // fsFlatBold
    {cl3DDkShadow, cl3DDkShadow},     // fsFlatRounded: drawn as fsFlat
};

// Outer and inner rings of the two-ring edges.
struct TwoRings {
    FrameColors outer, inner;
};
constexpr TwoRings raised3D{{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}};
constexpr TwoRings lowered3D{{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}};
constexpr TwoRings buttonUp{{clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}};
constexpr TwoRings buttonDown{{clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}};

TRect PaintTwoRings(TCanvas *Canvas, const TRect &R, const TwoRings &Rings, TSides Sides)
{
    const TRect inner = PaintBevelRings(Canvas, R, Rings.outer.upperLeft, Rings.outer.lowerRight, 1, Sides);
    return PaintBevelRings(Canvas, inner, Rings.inner.upperLeft, Rings.inner.lowerRight, 1, Sides);
}

void Line(TCanvas *Canvas, TColor Color, int X1, int Y1, int X2, int Y2)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

// An etched frame: a ring in W one pixel right of and below a ring in U, with
// single pixels mending the corners where a drawn side meets an omitted one.
TRect PaintEtched(TCanvas *Canvas, const TRect &R, TColor U, TColor W, TSides Sides)
{
    const bool left = Sides.Contains(sdLeft), top = Sides.Contains(sdTop);
    const bool right = Sides.Contains(sdRight), bottom = Sides.Contains(sdBottom);
    auto pixel = [&](int x, int y, TColor c) {
        if (c != clNone)
            Canvas->SetPixel(x, y, c);
    };
    if (right)
        pixel(R.Right - 1, R.Top, W);
    else if (top)
        pixel(R.Right - 1, R.Top, U);
    if (bottom)
        pixel(R.Left, R.Bottom - 1, W);
    else if (left)
        pixel(R.Left, R.Bottom - 1, U);
    if (top && !left)
        pixel(R.Left, R.Top + 1, W);
    if (left && !top)
        pixel(R.Left + 1, R.Top, W);
    if (bottom && !right)
        pixel(R.Right - 1, R.Bottom - 2, U);
    if (right && !bottom)
        pixel(R.Right - 2, R.Bottom - 1, U);
    PaintSideLines(Canvas, Rect(R.Left + 1, R.Top + 1, R.Right, R.Bottom), W, W, Sides);
    PaintSideLines(Canvas, Rect(R.Left, R.Top, R.Right - 1, R.Bottom - 1), U, U, Sides);
    TRect inside = R;
    if (left)
        inside.Left += 2;
    if (top)
        inside.Top += 2;
    if (right)
        inside.Right -= 2;
    if (bottom)
        inside.Bottom -= 2;
    return inside;
}

} // namespace

TRect PaintSideLines(TCanvas *Canvas, const TRect &R, TColor UpperLeftColor, TColor LowerRightColor, TSides Sides)
{
    Canvas->Pen()->SetWidth(1);
    if (UpperLeftColor != clNone) {
        if (Sides.Contains(sdLeft))
            Line(Canvas, UpperLeftColor, R.Left, R.Top, R.Left, R.Bottom);
        if (Sides.Contains(sdTop))
            Line(Canvas, UpperLeftColor, R.Left, R.Top, R.Right, R.Top);
    }
    if (LowerRightColor != clNone) {
        if (Sides.Contains(sdRight))
            Line(Canvas, LowerRightColor, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
        if (Sides.Contains(sdBottom))
            Line(Canvas, LowerRightColor, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
    }
    TRect inside = R;
    if (Sides.Contains(sdLeft))
        ++inside.Left;
    if (Sides.Contains(sdTop))
        ++inside.Top;
    if (Sides.Contains(sdRight))
        --inside.Right;
    if (Sides.Contains(sdBottom))
        --inside.Bottom;
    return inside;
}

TRect PaintBevelRings(TCanvas *Canvas, const TRect &R, TColor UpperLeftColor, TColor LowerRightColor, int Width,
                      TSides Sides)
{
    Canvas->Pen()->SetWidth(1);
    TRect r = R;
    for (int i = 0; i < Width; ++i)
        r = PaintSideLines(Canvas, r, UpperLeftColor, LowerRightColor, Sides);
    return r;
}

TRect Paint3DEdgeSides(TCanvas *Canvas, const TRect &R, bool Lowered, TSides Sides)
{
    return PaintTwoRings(Canvas, R, Lowered ? lowered3D : raised3D, Sides);
}

TRect PaintButtonEdgeSides(TCanvas *Canvas, const TRect &R, bool Down, TSides Sides)
{
    return PaintTwoRings(Canvas, R, Down ? buttonDown : buttonUp, Sides);
}

TRect PaintButtonEdge(TCanvas *Canvas, const TRect &R, bool Down)
{
    return PaintButtonEdgeSides(Canvas, R, Down, sdAllSides);
}

TRect PaintColorButtonEdgeSides(TCanvas *Canvas, const TRect &R, TColor FaceColor, TSides Sides, bool Lowered)
{
    if (Lowered) {
        const TRect inner = PaintBevelRings(Canvas, R, DarkenColor(FaceColor, 100), DarkenColor(FaceColor, 100), 1,
                                            sdAllSides);
        return PaintBevelRings(Canvas, inner, DarkenColor(FaceColor, 50), DarkenColor(FaceColor, 50), 1, sdAllSides);
    }
    const TRect inner =
        PaintBevelRings(Canvas, R, LightenColor(FaceColor, 100), DarkenColor(FaceColor, 100), 1, Sides);
    return PaintBevelRings(Canvas, inner, LightenColor(FaceColor, 40), DarkenColor(FaceColor, 50), 1, Sides);
}

TRect PaintColorButtonEdge(TCanvas *Canvas, const TRect &R, TColor FaceColor, bool Lowered)
{
    return PaintColorButtonEdgeSides(Canvas, R, FaceColor, sdAllSides, Lowered);
}

TRect PaintFrameSides(TCanvas *Canvas, const TRect &R, TFrameStyleEx Style, TSides Sides)
{
    const FrameColors &c = frameColors[Style];
    switch (Style) {
    case fsNone: return R;
    case fsFlat:
    case fsFlatRounded:
    case fsStatus:
    case fsPopup: return PaintSideLines(Canvas, R, c.upperLeft, c.lowerRight, Sides);
    case fsFlatBold: return PaintBevelRings(Canvas, R, c.upperLeft, c.lowerRight, 2, Sides);
    case fsLowered:
    case fsRaised: return Paint3DEdgeSides(Canvas, R, Style == fsLowered, Sides);
    case fsButtonDown:
    case fsButtonUp: return PaintButtonEdgeSides(Canvas, R, Style == fsButtonDown, Sides);
    case fsGroove:
    case fsBump: return PaintEtched(Canvas, R, c.upperLeft, c.lowerRight, Sides);
    }
    return R;
}

TRect PaintFrame(TCanvas *Canvas, const TRect &R, TFrameStyleEx Style)
{
    return PaintFrameSides(Canvas, R, Style, sdAllSides);
}

TRect PaintColorFrameSides(TCanvas *Canvas, const TRect &R, TColor FaceColor, TSides Sides, TFrameStyleEx Style)
{
    const TColor dark50 = DarkenColor(FaceColor, 50), dark100 = DarkenColor(FaceColor, 100);
    const TColor light50 = LightenColor(FaceColor, 50), light100 = LightenColor(FaceColor, 100);
    switch (Style) {
    case fsNone: return R;
    case fsFlat: return PaintSideLines(Canvas, R, dark50, dark50, Sides);
    case fsGroove: return PaintEtched(Canvas, R, dark50, light100, Sides);
    case fsBump:
    case fsFlatRounded: return PaintEtched(Canvas, R, light100, dark50, Sides);
    case fsLowered: return PaintTwoRings(Canvas, R, {{dark50, light100}, {dark100, light50}}, Sides);
    case fsRaised: return PaintTwoRings(Canvas, R, {{light50, dark100}, {light100, dark50}}, Sides);
    case fsButtonDown:
    case fsButtonUp: return PaintColorButtonEdgeSides(Canvas, R, FaceColor, Sides, Style == fsButtonDown);
    case fsStatus: return PaintSideLines(Canvas, R, dark50, light100, Sides);
    case fsPopup: return PaintSideLines(Canvas, R, light100, dark50, Sides);
    case fsFlatBold: return PaintBevelRings(Canvas, R, dark50, dark50, 2, Sides);
    }
    return R;
}

TRect PaintColorFrame(TCanvas *Canvas, const TRect &R, TColor FaceColor, TFrameStyleEx Style)
{
    return PaintColorFrameSides(Canvas, R, FaceColor, sdAllSides, Style);
}

TRect PaintFlatOutline(TCanvas *Canvas, const TRect &R, TColor Color)
{
    return PaintSideLines(Canvas, R, Color, Color, sdAllSides);
}

TRect PaintRoundedOutline(TCanvas *Canvas, const TRect &R, TColor Color, TSides Sides)
{
    const bool left = Sides.Contains(sdLeft), top = Sides.Contains(sdTop);
    const bool right = Sides.Contains(sdRight), bottom = Sides.Contains(sdBottom);
    const int t = top ? R.Top + 2 : R.Top, b = bottom ? R.Bottom - 2 : R.Bottom;
    const int l = left ? R.Left + 2 : R.Left, r = right ? R.Right - 2 : R.Right;
    if (Color != clNone) {
        Canvas->Pen()->SetWidth(1);
        if (left)
            Line(Canvas, Color, R.Left, t, R.Left, b);
        if (top)
            Line(Canvas, Color, l, R.Top, r, R.Top);
        if (right)
            Line(Canvas, Color, R.Right - 1, t, R.Right - 1, b);
        if (bottom)
            Line(Canvas, Color, l, R.Bottom - 1, r, R.Bottom - 1);
        if (left && top)
            Canvas->SetPixel(R.Left + 1, R.Top + 1, Color);
        if (right && top)
            Canvas->SetPixel(R.Right - 2, R.Top + 1, Color);
        if (right && bottom)
            Canvas->SetPixel(R.Right - 2, R.Bottom - 2, Color);
        if (left && bottom)
            Canvas->SetPixel(R.Left + 1, R.Bottom - 2, Color);
    }
    return Rect(l, t, r, b);
}

TRect PaintDottedRect(TCanvas *Canvas, const TRect &R)
{
    for (int y = R.Top + 1; y < R.Bottom; y += 2) {
        Canvas->SetPixel(R.Left, y, clBlack);
        Canvas->SetPixel(R.Right - 1, y, clBlack);
    }
    for (int x = R.Left + 1; x < R.Right; x += 2) {
        Canvas->SetPixel(x, R.Top, clBlack);
        Canvas->SetPixel(x, R.Bottom - 1, clBlack);
    }
    return Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
}

TRect PaintPanelBorder(TCanvas *Canvas, const TRect &Bounds, TFrameStyleEx BorderOuter, TFrameStyleEx BorderInner,
                       int BorderWidth, TSides BorderSides, int BevelWidth, TColor BorderColor,
                       TColor BorderHighlight, TColor BorderShadow, TColor FlatColor, int FlatColorAdjustment,
                       TColor Color, TColor ParentColor, bool Transparent, bool RoundedFlatInner)
{
    const TColor flat = AdjustColorLightness(FlatColor, FlatColorAdjustment);
    const bool banded = BorderWidth > 0 || BorderInner != fsNone;
    TRect r = Bounds;
    switch (BorderOuter) {
    case fsFlat: r = PaintBevelRings(Canvas, r, flat, flat, 1, BorderSides); break;
    case fsFlatBold: r = PaintBevelRings(Canvas, r, flat, flat, 2, BorderSides); break;
    case fsFlatRounded:
        if (!Transparent) {
            PaintBevelRings(Canvas, r, ParentColor, ParentColor, 1, BorderSides);
            const TColor ring = banded ? BorderColor : Color;
            PaintBevelRings(Canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), ring, ring, 1,
                            BorderSides);
        } else if (banded) {
            PaintBevelRings(Canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), BorderColor, BorderColor,
                            1, BorderSides);
        }
        r = PaintRoundedOutline(Canvas, r, flat, BorderSides);
        break;
    case fsStatus: r = PaintBevelRings(Canvas, r, BorderShadow, BorderHighlight, BevelWidth, BorderSides); break;
    case fsPopup: r = PaintBevelRings(Canvas, r, BorderHighlight, BorderShadow, BevelWidth, BorderSides); break;
    default: r = PaintFrameSides(Canvas, r, BorderOuter, BorderSides); break;
    }
    if (BorderWidth > 0)
        r = PaintBevelRings(Canvas, r, BorderColor, BorderColor, BorderWidth, BorderSides);
    switch (BorderInner) {
    case fsFlat:
        if (RoundedFlatInner) {
            Canvas->Pen()->SetWidth(1);
            Line(Canvas, flat, r.Left, r.Top + 1, r.Left, r.Bottom - 1);
            Line(Canvas, flat, r.Left + 1, r.Top, r.Right - 1, r.Top);
            Line(Canvas, flat, r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
            Line(Canvas, flat, r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
            return Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        }
        return PaintBevelRings(Canvas, r, flat, flat, 1, BorderSides);
    case fsFlatBold: return PaintBevelRings(Canvas, r, flat, flat, 2, BorderSides);
    case fsFlatRounded:
        if (!Transparent) {
            PaintBevelRings(Canvas, r, BorderColor, BorderColor, 1, BorderSides);
            PaintBevelRings(Canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), Color, Color, 1,
                            BorderSides);
        } else {
            PaintBevelRings(Canvas, r, BorderColor, BorderColor, 1, BorderSides);
        }
        return PaintRoundedOutline(Canvas, r, flat, BorderSides);
    case fsStatus: return PaintBevelRings(Canvas, r, BorderShadow, BorderHighlight, BevelWidth, BorderSides);
    case fsPopup: return PaintBevelRings(Canvas, r, BorderHighlight, BorderShadow, BevelWidth, BorderSides);
    default: return PaintFrameSides(Canvas, r, BorderInner, BorderSides);
    }
}

void PaintDropDownArrow(TCanvas *Canvas, const TRect &R, int ArrowStyle, bool Enabled)
{
    if (IsWindowsVersionOrLater(7))
        ArrowStyle = 2;
    const TColor saved = Canvas->Brush()->Color();
    TColor color = clBtnShadow;
    if (Enabled) {
        if (ArrowStyle == 1) {
            TBitmap probe(17, 21);
            DrawThemedComboButton(probe.Canvas(), Rect(0, 0, 16, 20), TThemedButtonState::Normal);
            color = probe.Canvas()->Pixels(8, 10);
            if (ColorsLookAlike(color, clWindow))
                color = cl3DDkShadow;
        } else {
            color = ColorsLookAlike(saved, clBlack) ? cl3DDkShadow : clBlack;
        }
    }
    const int x = R.Left + (R.Right - R.Left) / 2;
    int y = R.Top + (R.Bottom - R.Top) / 2;
    if ((R.Bottom - R.Top) % 2 == 0)
        --y;
    const TPenStyle pen = Canvas->Pen()->Style();
    Canvas->Pen()->SetStyle(psClear);
    Canvas->Brush()->SetColor(color);
    if (ArrowStyle == 1)
        Canvas->Polygon({{x, y + 4}, {x - 4, y - 1}, {x - 3, y - 3}, {x, y + 1}, {x + 3, y - 3}, {x + 5, y - 1}});
    else
        Canvas->Polygon({{x, y + 2}, {x - 3, y - 2}, {x + 4, y - 2}});
    Canvas->Pen()->SetStyle(pen);
    Canvas->Brush()->SetColor(saved);
}
