#include "gDrawing.h"

#include "Brush.h"
#include "ButtonFace.h"
#include "Font.h"
#include "Pen.h"

#include <QStringList>
#include <algorithm>

unsigned TextFlagsToDrawText(unsigned Flags)
{
    // Bit of the library's set -> DrawText flag; left and top are DrawText's defaults.
    static const struct {
        unsigned bit, dt;
    } table[] = {{itfCenter, DT_CENTER},         {itfRight, DT_RIGHT},
                 {itfVCenter, DT_VCENTER},       {itfBottom, DT_BOTTOM},
                 {itfWordBreak, DT_WORDBREAK},   {itfSingleLine, DT_SINGLELINE},
                 {itfExpandTabs, DT_EXPANDTABS}, {itfNoClip, DT_NOCLIP},
                 {itfCalcRect, DT_CALCRECT},     {itfEndEllipsis, DT_END_ELLIPSIS},
                 {itfPathEllipsis, DT_PATH_ELLIPSIS}, {itfWordEllipsis, DT_WORD_ELLIPSIS}};
    unsigned dt = (Flags & itfPrefix) ? 0u : static_cast<unsigned>(DT_NOPREFIX);
    for (const auto &row : table)
        if (Flags & row.bit)
            dt |= row.dt;
    return dt;
}

TColor ShiftColorBrightness(TColor Color, int Amount, bool Up)
{
    const std::uint32_t rgb = static_cast<std::uint32_t>(ColorToRGB(Color));
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int c = static_cast<int>((rgb >> shift) & 0xFF) + (Up ? Amount : -Amount);
        out |= static_cast<std::uint32_t>(std::clamp(c, 0, 255)) << shift;
    }
    return static_cast<TColor>(out);
}

namespace {

// Draws once, or embossed for the disabled look; Draw(rect) does one pass.
template <class F>
int Embossed(TCanvas *Canvas, bool Plain, F Draw)
{
    if (Plain)
        return Draw(0);
    const TColor saved = Canvas->Font()->Color();
    Canvas->Font()->SetColor(ShiftColorBrightness(clBtnFace, 64, true));
    Draw(1);
    Canvas->Font()->SetColor(ShiftColorBrightness(clBtnFace, 32, false));
    const int result = Draw(0);
    Canvas->Font()->SetColor(saved);
    return result;
}

} // namespace

int DrawTextWithFlags(TCanvas *Canvas, const QString &Text, TRect &Rect, unsigned Flags, bool Enabled,
                      TColor BackGroundColor)
{
    const unsigned dt = TextFlagsToDrawText(Flags);
    const bool plain = Enabled || (Flags & itfCalcRect) || (ColorToRGB(BackGroundColor) & 0xFFFFFF) == 0;
    return Embossed(Canvas, plain, [&](int shift) {
        if (shift == 0)
            return Canvas->DrawText(Text, Rect, dt);
        TRect moved = Rect;
        moved.Offset(shift, shift);
        return Canvas->DrawText(Text, moved, dt);
    });
}

void DrawRotatedText(TCanvas *Canvas, const QString &Text, const TRect &Rect, TgRotationAngle Rotation,
                     TgAlignmentHorizontal Alignment, bool Enabled, TColor BackGroundColor, TRect &TextRect)
{
    const int cx = (Rect.Left + Rect.Right) / 2;
    const int cy = (Rect.Top + Rect.Bottom) / 2;
    const int tw = Canvas->TextWidth(Text);
    const int th = Canvas->TextHeight(Text);
    if (Rotation == ira000) {
        unsigned flags = itfVCenter | itfNoClip | (Alignment == iahLeft ? itfLeft : Alignment == iahRight ? itfRight : itfCenter);
        if (!Text.contains(u'\r'))
            flags |= itfSingleLine;
        TRect r = Rect;
        DrawTextWithFlags(Canvas, Text, r, flags, Enabled, BackGroundColor);
        TextRect = TRect(cx - tw / 2, cy - th / 2, cx + tw / 2, cy + th / 2);
        return;
    }
    TPoint start;
    int escapement = 0;
    switch (Rotation) {
    case ira090: start = {cx - th / 2, cy + tw / 2}; escapement = 900; break;
    case ira180: start = {cx + tw / 2, cy + th / 2}; escapement = 1800; break;
    default: start = {cx - th / 2 + th, cy - tw / 2}; escapement = 2700; break;
    }
    const int saved = Canvas->Font()->Orientation();
    Canvas->Font()->SetOrientation(escapement);
    const bool plain = Enabled || (ColorToRGB(BackGroundColor) & 0xFFFFFF) == 0;
    Embossed(Canvas, plain, [&](int shift) {
        Canvas->TextOut(start.X + shift, start.Y + shift, Text);
        return th;
    });
    Canvas->Font()->SetOrientation(saved);
    if (Rotation == ira180)
        TextRect = TRect(cx - tw / 2, cy - th / 2, cx + tw / 2, cy + th / 2);
    else
        TextRect = TRect(cx - th / 2, cy - tw / 2, cx + th / 2, cy + tw / 2);
}

int MaxLineWidth(TCanvas *Canvas, const QString &Text)
{
    QString t = Text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    int widest = 0;
    for (const QString &line : t.split(u'\n'))
        widest = std::max(widest, line.isEmpty() ? 0 : Canvas->TextWidth(line));
    return widest;
}

int MultiLineTextHeight(TCanvas *Canvas, const QString &Text)
{
    TRect r;
    return DrawTextWithFlags(Canvas, Text, r, itfNoClip | itfCalcRect, true, clBtnFace);
}

int WrappedTextHeight(TCanvas *Canvas, const QString &Text, int Width)
{
    TRect r(0, -800, Width, -100);
    return DrawTextWithFlags(Canvas, Text, r, itfLeft | itfTop | itfWordBreak, true, clBtnFace);
}

void DrawFocusRectangle(TCanvas *Canvas, const TRect &Rect)
{
    Canvas->DrawFocusRect(Rect);
}

void DrawBorderFrame(TCanvas *Canvas, const TRect &Rect, int Style)
{
    TRect r = Rect;
    switch (Style) {
    case 0: DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT); break;
    case 1: DrawEdge(Canvas, r, EDGE_RAISED, BF_RECT); break;
    case 2:
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetColor(clBtnShadow);
        Canvas->Polygon({{Rect.Left, Rect.Top}, {Rect.Right - 1, Rect.Top}, {Rect.Right - 1, Rect.Bottom - 1},
                         {Rect.Left, Rect.Bottom - 1}});
        break;
    default: break;
    }
}

void FillGradient(TCanvas *Canvas, const TRect &Rect, TgFillDirection Direction, TColor StartColor,
                  TColor StopColor)
{
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    const int W = R - L, H = B - T, M = std::max(R, B);
    Canvas->Brush()->SetStyle(bsClear);
    int n = 0, penWidth = 1;
    switch (Direction) {
    case ifdTopBottom: case ifdBottomTop: n = H - 1; break;
    case ifdLeftRight: case ifdRightLeft: n = W - 1; break;
    case ifdTopLeftBottomRight: case ifdBottomRightTopLeft:
    case ifdBottomLeftTopRight: case ifdTopRightBottomLeft: n = 2 * (M - 1); break;
    case ifdRectangleOut: case ifdRectangleIn: n = (M - 1) / 3; penWidth = 2; break;
    case ifdCircleOut: case ifdCircleIn: n = (M - 1) / 8; penWidth = 16; break;
    }
    const bool reversed = Direction == ifdBottomTop || Direction == ifdRightLeft || Direction == ifdBottomRightTopLeft ||
                          Direction == ifdTopRightBottomLeft || Direction == ifdRectangleIn || Direction == ifdCircleIn;
    Canvas->Pen()->SetWidth(penWidth);
    Canvas->Pen()->SetStyle(psSolid);
    const std::uint32_t a = static_cast<std::uint32_t>(reversed ? StopColor : StartColor);
    const std::uint32_t b = static_cast<std::uint32_t>(reversed ? StartColor : StopColor);
    for (int i = 0; i <= n; ++i) {
        const double t = n == 0 ? 0.0 : static_cast<double>(i) / n; // one step: the start colour
        std::uint32_t c = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const double mix = t * ((b >> shift) & 0xFF) + (1 - t) * ((a >> shift) & 0xFF);
            c |= static_cast<std::uint32_t>(RoundHalfEven(mix) & 0xFF) << shift;
        }
        Canvas->Pen()->SetColor(static_cast<TColor>(c));
        switch (Direction) {
        case ifdTopBottom: case ifdBottomTop:
            Canvas->Polyline({{L, T + i}, {R, T + i}});
            break;
        case ifdLeftRight: case ifdRightLeft:
            Canvas->Polyline({{L + i, T}, {L + i, B}});
            break;
        case ifdTopLeftBottomRight: case ifdBottomRightTopLeft:
            Canvas->Polyline({{RoundHalfEven(2 * t * (R - 1)) - 1, 0}, {-1, RoundHalfEven(2 * t * (B - 1))}});
            break;
        case ifdBottomLeftTopRight: case ifdTopRightBottomLeft:
            Canvas->Polyline({{0, (B - 1) - RoundHalfEven(2 * t * (B - 1))}, {RoundHalfEven(2 * t * (R - 1)), B - 1}});
            break;
        default: {
            const double cx = (R - 1) / 2.0, cy = (B - 1) / 2.0;
            const double s = (Direction == ifdCircleOut || Direction == ifdCircleIn) ? 1.414 * t : t;
            const TRect box(RoundHalfEven(cx - s * cx), RoundHalfEven(cy + s * cy), RoundHalfEven(cx + s * cx),
                            RoundHalfEven(cy - s * cy));
            if (Direction == ifdCircleOut || Direction == ifdCircleIn)
                Canvas->Ellipse(box);
            else
                Canvas->Rectangle(box);
            break;
        }
        }
    }
    if (Direction == ifdRectangleOut || Direction == ifdRectangleIn)
        Canvas->SetPixel(L + W / 2 - 1, T + H / 2 - 1, Direction == ifdRectangleOut ? StartColor : StopColor);
}

void DrawFailureMessage(TCanvas *Canvas, const TRect &Rect, const QString &Message)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBlack);
    Canvas->FillRect(Rect);
    Canvas->Font()->SetColor(clWhite);
    Canvas->Brush()->SetStyle(bsClear);
    TRect r = Rect;
    DrawTextWithFlags(Canvas, Message, r, itfLeft | itfTop | itfWordBreak, true, clBlack);
}
