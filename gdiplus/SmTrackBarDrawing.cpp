#include "SmTrackBarDrawing.h"

#include "Region.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// Num / Den rounded to the nearest integer, a half to the even neighbour,
// exactly (no floating point between the two).
long long RoundRatio(long long Num, long long Den)
{
    if (Den < 0)
        Num = -Num, Den = -Den;
    long long q = Num / Den, r = Num % Den;
    if (r < 0)
        --q, r += Den;
    if (2 * r > Den || (2 * r == Den && (q & 1)))
        ++q;
    return q;
}

TColor Channels(int r, int g, int b)
{
    return RGB(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

} // namespace

void DrawSteppedGradient(TCanvas *Canvas, TColor Color1, TColor Color2, bool Horizontal, const TRect &R, int Steps)
{
    const long long n = Steps <= 0 ? 1 : Steps;
    TRect r = R;
    (Horizontal ? r.Right : r.Bottom) -= 1;
    const TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
    const int r1 = GetRValue(c1), g1 = GetGValue(c1), b1 = GetBValue(c1);
    const int dr = GetRValue(c2) - r1, dg = GetGValue(c2) - g1, db = GetBValue(c2) - b1;
    const long long extent = Horizontal ? r.Width() : r.Height();
    const int band = int(RoundRatio(extent, n));
    const TPenStyle oldStyle = Canvas->Pen()->Style();
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Brush()->SetStyle(bsSolid);
    for (long long i = 0; i < n; ++i) {
        const TColor c = Channels(r1 + int(RoundRatio(i * dr, n)), g1 + int(RoundRatio(i * dg, n)),
                                  b1 + int(RoundRatio(i * db, n)));
        Canvas->Pen()->SetColor(c);
        Canvas->Brush()->SetColor(c);
        const int p = int(RoundRatio(i * extent, n));
        if (Horizontal)
            Canvas->Rectangle(r.Left + p, r.Top, r.Left + p + band + 1, r.Bottom);
        else
            Canvas->Rectangle(r.Left, r.Top + p, r.Right, r.Top + p + band + 1);
    }
    Canvas->Pen()->SetStyle(oldStyle);
}

void DrawGradientRect(TCanvas *Canvas, TColor Color1, TColor Color2, TTrackGradientDirection Direction, const TRect &R,
                      int Steps)
{
    switch (Direction) {
    case gdHorizontal: DrawSteppedGradient(Canvas, Color1, Color2, true, R, Steps); break;
    case gdVertical: DrawSteppedGradient(Canvas, Color1, Color2, false, R, Steps); break;
    case gdHorizontalInOut: {
        const int m = R.Left + R.Width() / 2;
        DrawSteppedGradient(Canvas, Color1, Color2, true, Rect(R.Left, R.Top, m, R.Bottom), Steps);
        DrawSteppedGradient(Canvas, Color2, Color1, true, Rect(m - 1, R.Top, R.Right, R.Bottom), Steps);
        break;
    }
    case gdVerticalInOut: {
        const int m = R.Top + R.Height() / 2;
        DrawSteppedGradient(Canvas, Color1, Color2, false, Rect(R.Left, R.Top, R.Right, m), Steps);
        DrawSteppedGradient(Canvas, Color2, Color1, false, Rect(R.Left, m - 1, R.Right, R.Bottom), Steps);
        break;
    }
    }
}

TColor BlendColor(TColor Color1, TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
    auto mix = [Percent](int x, int y) { return int(RoundRatio(Percent * x + (100 - Percent) * y, 100)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TSize GetTextSize(TCanvas *Canvas, TFont *Font, const QString &Text)
{
    (void)Canvas; // measuring needs no device, and the canvas font stays
    QFontMetrics fm(Font->ToQFont());
    return TSize(fm.horizontalAdvance(Text), fm.height());
}

void Draw3DFrame(TCanvas *Canvas, const TRect &R, bool Flag, TColor ColorA, TColor ColorB)
{
    const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(Flag ? ColorA : ColorB);
    if (b - t > 2) {
        Canvas->MoveTo(l, t);
        Canvas->LineTo(l, b);
    }
    Canvas->MoveTo(l, t);
    Canvas->LineTo(r, t);
    Canvas->MoveTo(r - 2, t);
    Canvas->LineTo(r - 2, b - 2);
    Canvas->LineTo(l, b - 2);
    Canvas->Pen()->SetColor(Flag ? ColorB : ColorA);
    Canvas->MoveTo(l + 1, b - 1);
    Canvas->LineTo(r - 1, b - 1);
    Canvas->LineTo(r - 1, t - 1);
    Canvas->MoveTo(l + 1, b - 1);
    Canvas->LineTo(l + 1, t + 1);
    Canvas->LineTo(r - 2, t + 1);
}

void DrawDottedFrame(TCanvas *Canvas, const TRect &R, TColor Color)
{
    TPen saved;
    saved.Assign(Canvas->Pen());
    Canvas->Pen()->SetStyle(psAlternate);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
    Canvas->MoveTo(l, t);
    Canvas->LineTo(r, t);
    Canvas->MoveTo(r, t);
    Canvas->LineTo(r, b);
    Canvas->MoveTo(r, b);
    Canvas->LineTo(l, b);
    Canvas->MoveTo(l, t);
    Canvas->LineTo(l, b);
    Canvas->SetPen(&saved);
}

// -- glow painting ------------------------------------------------------------

TGPGraphicsPath *CreateRoundRectPath(const TRect &R, int Radius)
{
    auto *path = new TGPGraphicsPath();
    const REAL x = REAL(R.Left), y = REAL(R.Top), w = REAL(R.Right), h = REAL(R.Bottom), d = REAL(2 * Radius);
    if (Radius <= 0) {
        path->AddRectangle(MakeRectF(x, y, w, h));
        return path;
    }
    path->AddArc(x, y, d, d, 180, 90);
    path->AddArc(x + w - d, y, d, d, 270, 90);
    path->AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path->AddArc(x, y + h - d, d, d, 90, 90);
    path->CloseFigure();
    return path;
}

void DrawRoundRectOutline(TGPGraphics *Graphics, const TRect &R, int Radius, TColor Color)
{
    if (!Graphics)
        return;
    std::unique_ptr<TGPGraphicsPath> path(CreateRoundRectPath(R, Radius));
    TGPPen pen(OpaqueArgbFromColor(Color), 1);
    Graphics->DrawPath(&pen, path.get());
}

void FillGlowHalf(TGPGraphics *Graphics, const TRect &R, TColor Color1, TColor Color2, TGpGradient Gradient, bool Upper)
{
    const int w = R.Width(), h = R.Height();
    const TGPRectF rect = MakeRectF(REAL(R.Left), REAL(R.Top), REAL(w), REAL(h));
    const ARGB a1 = OpaqueArgbFromColor(Color1), a2 = OpaqueArgbFromColor(Color2);
    if (Gradient == ggRadial) {
        TGPSolidBrush solid(Upper ? a1 : a2);
        Graphics->FillRectangle(&solid, rect);
        TGPGraphicsPath ellipse;
        if (Upper)
            ellipse.AddEllipse(REAL(R.Left), REAL(R.Top - h / 2 + 2), REAL(w), REAL(h));
        else
            ellipse.AddEllipse(REAL(R.Left), REAL(R.Top), REAL(w), REAL(h));
        TGPPathGradientBrush brush(&ellipse);
        brush.SetCenterPoint(MakePointF(REAL(R.Left + w / 2), REAL(Upper ? R.Top : R.Bottom)));
        brush.SetCenterColor(Upper ? a2 : a1);
        ARGB surround = Upper ? a1 : a2;
        INT count = 1;
        brush.SetSurroundColors(&surround, count);
        Graphics->FillRectangle(&brush, rect);
        return;
    }
    const LinearGradientMode mode = Gradient == ggVertical          ? LinearGradientModeVertical
                                    : Gradient == ggDiagonalForward ? LinearGradientModeForwardDiagonal
                                                                    : LinearGradientModeBackwardDiagonal;
    TGPLinearGradientBrush brush(rect, a1, a2, mode);
    Graphics->FillRectangle(&brush, rect);
}

void DrawGlowBorder(TGPGraphics *Graphics, const TRect &R, TTrackButtonShape Shape, TColor Light, TColor Border,
                    bool Vertical)
{
    const int w = R.Width(), h = R.Height();
    if (Light != clNone) {
        if (Shape == bsRound && !Vertical)
            DrawRoundRectOutline(Graphics, Rect(R.Left, R.Top + (h - w) / 2, w, h), w / 2, Light);
        else if (Shape == bsRound)
            DrawRoundRectOutline(Graphics, Rect(R.Left + (w - h) / 2, R.Top, w, h), h / 2, Light);
        else
            DrawRoundRectOutline(Graphics, Rect(R.Left, R.Top, w, h), 0, Light);
    }
    if (Border != clNone) {
        if (Shape == bsRound && !Vertical)
            DrawRoundRectOutline(Graphics, Rect(R.Left + 1, R.Top + (h - w) / 2 + 1, w - 2, h - 2), (w - 2) / 2, Border);
        else if (Shape == bsRound)
            DrawRoundRectOutline(Graphics, Rect(R.Left + (w - h) / 2 + 1, R.Top + 1, w - 2, h - 2), (h - 2) / 2, Border);
        else
            DrawRoundRectOutline(Graphics, Rect(R.Left, R.Top, w, h), 0, Border);
    }
}

void DrawGlowButton(TGPGraphics *Graphics, TCanvas *Canvas, const TRect &R, TTrackButtonShape Shape, TColor Light,
                    TColor Border, TColor Color, TColor ColorTo, TColor ColorMirror, TColor ColorMirrorTo,
                    TGpGradient Gradient, TGpGradient GradientMirror, bool Vertical)
{
    std::unique_ptr<TGPGraphics> own;
    if (!Graphics) {
        if (!Canvas || !Canvas->Handle())
            return;
        own = std::make_unique<TGPGraphics>(Canvas->Handle());
        Graphics = own.get();
    }
    Graphics->SetSmoothingMode(SmoothingModeAntiAlias);
    if (Color != clNone && ColorTo != clNone && ColorMirror != clNone && ColorMirrorTo != clNone) {
        const int h = R.Height() / 2;
        FillGlowHalf(Graphics, Rect(R.Left, R.Top + h - 1, R.Right, R.Bottom), ColorMirrorTo, ColorMirror,
                     GradientMirror, false);
        FillGlowHalf(Graphics, Rect(R.Left, R.Top, R.Right, R.Bottom - h + 1), Color, ColorTo, Gradient, true);
    }
    DrawGlowBorder(Graphics, R, Shape, Light, Border, Vertical);
}

// -- polygon thumbs -----------------------------------------------------------

std::vector<TPoint> PointerThumbPolygon(const TRect &T, TTickMark Ticks, bool Vertical)
{
    const int l = T.Left, t = T.Top, r = T.Right, b = T.Bottom;
    const bool near = Ticks == tmTopLeft || Ticks == tmBoth; // tip at the left / top
    const bool far = Ticks == tmBottomRight || Ticks == tmBoth;
    if (Vertical) {
        const int h = T.Height() / 2, m = t + h;
        std::vector<TPoint> p;
        p.push_back({near ? l + h : l, t});
        p.push_back({far ? r - h : r, t});
        if (far)
            p.push_back({r, m});
        p.push_back({far ? r - h : r, b});
        p.push_back({near ? l + h : l, b});
        if (near)
            p.push_back({l, m});
        return p;
    }
    const int h = T.Width() / 2, m = l + h;
    std::vector<TPoint> p;
    p.push_back({l, near ? t + h : t});
    if (near)
        p.push_back({m, t});
    p.push_back({r, near ? t + h : t});
    p.push_back({r, far ? b - h : b});
    if (far)
        p.push_back({m, b});
    p.push_back({l, far ? b - h : b});
    return p;
}

namespace {

struct PolyThumb {
    std::vector<TPoint> poly, outer, middle, inner;
    bool gripHorizontal;
    int at, from, to; // the grip line: fixed coordinate and its run
};

// The tables of the three polygon painters, by kind.
PolyThumb TrianglePolys(const TRect &T, int kind)
{
    const int l = T.Left, t = T.Top, r = T.Right, b = T.Bottom;
    const int hw = (r - l) / 2, hh = (b - t) / 2, p = hw / 2, q = hh / 2;
    switch (kind) {
    case 0:
        return {{{l, b}, {l, t}, {r, t + hh}},
                {{l, b}, {l, t}, {r, t + hh}, {l, b}},
                {{l + 1, b - 2}, {l + 1, t + 2}, {r - 3, t + hh}, {l + 1, b - 2}},
                {{l + 2, b - 3}, {l + 2, t + 3}, {r - 5, t + hh}, {l + 2, b - 3}},
                true, t + hh, l + hw - p - 2, l + hw + p - 6};
    case 1:
        return {{{l, t + hh}, {r, t}, {r, b}},
                {{l + 1, t + hh}, {r - 1, t}, {r - 1, b}, {l + 1, t + hh}},
                {{l + 3, t + hh}, {r - 2, t + 2}, {r - 2, b - 2}, {l + 3, t + hh}},
                {{l + 4, t + hh}, {r - 3, t + 3}, {r - 3, b - 3}, {l + 3, t + hh}},
                true, t + hh, l + hw - p + 6, l + hw + p + 2};
    case 2:
        return {{{l, b}, {l + hw, t}, {r, b}},
                {{l, b}, {l + hw, t}, {r - 2, b - 1}, {l, b - 1}},
                {{l + 2, b - 2}, {l + hw, t + 2}, {r - 3, b - 2}, {l + 1, b - 2}},
                {{l + 4, b - 3}, {l + hw, t + 3}, {r - 5, b - 3}, {l + 3, b - 3}},
                false, l + hw, t + hh - q + 1, t + hh + q + 1};
    case 3:
        return {{{l, t}, {r, t}, {l + hw, b}},
                {{l, t}, {r, t}, {l + hw, b}, {l, t}},
                {{l + 1, t + 1}, {r - 1, t + 1}, {l + hw, b - 1}, {l + 1, t + 1}},
                {{l + 3, t + 2}, {r - 3, t + 2}, {l + hw, b - 4}, {l + 3, t + 2}},
                false, l + hw, t + hh - q, t + hh + q};
    default:
        return {{{l, t + hh}, {l + hw, t}, {r, t + hh}, {l + hw, b}},
                {{l, t + hh}, {l + hw, t + 1}, {r, t + hh}, {l + hw, b - 1}, {l, t + hh}},
                {{l + 1, t + hh}, {l + hw, t + 2}, {r - 1, t + hh}, {l + hw, b - 2}, {l + 1, t + hh}},
                {{l + 3, t + hh}, {l + hw, t + 3}, {r - 3, t + hh}, {l + hw, b - 3}, {l + 2, t + hh}},
                false, l + hw, t + hh - q + 2, t + hh + q - 2};
    }
}

PolyThumb RightUpPolys(const TRect &T, int kind)
{
    const int l = T.Left, t = T.Top, r = T.Right, b = T.Bottom;
    const int hw = (r - l) / 2, hh = (b - t) / 2, q = hh / 2;
    switch (kind) {
    case 0:
        return {{{l, t}, {r, t}, {r, b}, {l + hh, b}},
                {{l, t}, {r - 1, t}, {r - 1, b - 1}, {l + hh, b - 1}, {l, t}},
                {{l + 1, t + 1}, {r - 2, t + 1}, {r - 2, b - 2}, {l + hh, b - 2}, {l + 1, t + 1}},
                {{l + 2, t + 2}, {r - 3, t + 2}, {r - 3, b - 3}, {l + hh + 1, b - 3}, {l + 2, t + 2}},
                true, t + hh, l + hh + 2, l + hw + hh - 1};
    case 1:
        return {{{l, t}, {r, t}, {r - hh, b}, {l, b}},
                {{l, t}, {r, t}, {r - hh - 1, b - 1}, {l, b - 1}, {l, t}},
                {{l + 1, t + 1}, {r - 2, t + 1}, {r - hh - 1, b - 2}, {l + 1, b - 2}, {l + 1, t + 1}},
                {{l + 2, t + 2}, {r - 3, t + 2}, {r - hh - 2, b - 3}, {l + 2, b - 3}, {l + 2, t + 2}},
                true, t + hh, l + 5, r - hh - 3};
    case 2:
        return {{{l, t + hw}, {r, t}, {r, b}, {l, b}},
                {{l, t + hw + 1}, {r - 1, t + 1}, {r - 1, b - 1}, {l, b - 1}, {l, t + hw + 1}},
                {{l + 1, t + hw + 1}, {r - 2, t + 2}, {r - 2, b - 2}, {l + 1, b - 2}, {l + 1, t + hw + 1}},
                {{l + 2, t + hw + 2}, {r - 3, t + 3}, {r - 3, b - 3}, {l + 2, b - 3}, {l + 2, t + hw + 2}},
                false, l + hw, t + hh - q + 4, t + hh + q + 2};
    case 3:
        return {{{l, t}, {r, t}, {r, b}, {l, b - hw}},
                {{l, t}, {r - 1, t}, {r - 1, b}, {l, b - hw}, {l, t}},
                {{l + 1, t + 1}, {r - 2, t + 1}, {r - 2, b - 2}, {l + 1, b - hw - 1}, {l + 1, t + 1}},
                {{l + 2, t + 2}, {r - 3, t + 2}, {r - 3, b - 3}, {l + 2, b - hw - 2}, {l + 2, t + 2}},
                false, l + hw, t + hh - q, t + hh + q - 2};
    case 4:
        return {{{l, t}, {r, t}, {r - hh, b}, {l + hh, b}},
                {{l, t}, {r, t}, {r - hh, b - 1}, {l + hh, b - 1}, {l, t}},
                {{l + 1, t + 1}, {r - 1, t + 1}, {r - hh, b - 2}, {l + hh, b - 2}, {l + 1, t + 1}},
                {{l + 2, t + 2}, {r - 2, t + 2}, {r - hh - 1, b - 3}, {l + hh + 1, b - 3}, {l + 2, t + 2}},
                true, t + hh, l + hh + 2, r - hh - 2};
    default:
        return {{{l, t + hw}, {r, t}, {r, b}, {l, b - hw}},
                {{l, t + hw + 1}, {r - 1, t}, {r - 1, b}, {l, b - hw}, {l, t + hw + 1}},
                {{l + 1, t + hw + 1}, {r - 2, t + 2}, {r - 2, b - 1}, {l + 1, b - hw - 1}, {l + 1, t + hw + 1}},
                {{l + 2, t + hw + 2}, {r - 3, t + 3}, {r - 3, b - 2}, {l + 2, b - hw - 2}, {l + 2, t + hw + 2}},
                false, l + hw, t + hw + 2, t + hw + hh};
    }
}

PolyThumb LeftUpPolys(const TRect &T, int kind)
{
    const int l = T.Left, t = T.Top, r = T.Right, b = T.Bottom;
    const int hw = (r - l) / 2, hh = (b - t) / 2, q = hh / 2;
    switch (kind) {
    case 0: return RightUpPolys(T, 1);
    case 1: return RightUpPolys(T, 0);
    case 2:
        return {{{l, t}, {r, t + hw}, {r, b}, {l, b}},
                {{l, t + 1}, {r - 1, t + hw + 1}, {r - 1, b - 1}, {l, b - 1}, {l, t + 1}},
                {{l + 1, t + 1}, {r - 2, t + hw + 2}, {r - 2, b - 2}, {l + 1, b - 2}, {l + 1, t + 1}},
                {{l + 2, t + 2}, {r - 3, t + hw + 3}, {r - 3, b - 3}, {l + 2, b - 3}, {l + 2, t + 2}},
                false, l + hw, t + hw + 1, b - 4};
    case 3:
        return {{{l, t}, {r, t}, {r, b - hw}, {l, b}},
                {{l, t}, {r - 1, t}, {r - 1, b - hw}, {l, b}, {l, t}},
                {{l + 1, t + 1}, {r - 2, t + 1}, {r - 2, b - hw - 2}, {l + 1, b - 1}, {l + 1, t + 1}},
                {{l + 2, t + 2}, {r - 3, t + 2}, {r - 3, b - hw - 3}, {l + 2, b - 2}, {l + 2, t + 2}},
                false, l + hw, t + hh - q, t + hh + q - 2};
    case 4: return RightUpPolys(T, 4);
    default:
        return {{{l, t}, {r, t + hw}, {r, b - hw}, {l, b}},
                {{l, t + 1}, {r - 1, t + hw}, {r - 1, b - hw}, {l, b}, {l, t + 1}},
                {{l + 1, t + 1}, {r - 2, t + hw + 2}, {r - 2, b - hw - 1}, {l + 1, b - 1}, {l + 1, t + 1}},
                {{l + 2, t + 2}, {r - 3, t + hw + 3}, {r - 3, b - hw - 2}, {l + 2, b - 2}, {l + 2, t + 2}},
                false, l + hw, t + hw + 2, b - hw - 2};
    }
}

void Grip(TCanvas *c, const PolyThumb &p, int shift)
{
    if (p.gripHorizontal) {
        c->MoveTo(p.from, p.at + shift);
        c->LineTo(p.to, p.at + shift);
    } else {
        c->MoveTo(p.at + shift, p.from);
        c->LineTo(p.at + shift, p.to);
    }
}

void PaintPolyThumb(TCanvas *c, const TRect &T, const PolyThumb &p, TColor Border, TColor Color, TColor ColorTo,
                    TTrackGradientDirection Direction, int Steps)
{
    c->SaveState();
    TRegion clip = TRegion::FromPolygon(p.poly, ALTERNATE);
    c->SelectClipRgn(&clip);
    DrawGradientRect(c, Color, ColorTo, Direction, T, Steps);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(clWhite);
    c->Polyline(p.outer);
    c->Polyline(p.inner);
    Grip(c, p, 1);
    if (Border != clNone) {
        c->Pen()->SetColor(Border);
        c->Polyline(p.middle);
        Grip(c, p, 0);
    }
    c->SelectClipRgn(nullptr);
    c->RestoreState();
}

} // namespace

void DrawTriangleThumb(TCanvas *Canvas, const TRect &T, int Kind, TColor Border, TColor Color, TColor ColorTo,
                       TTrackGradientDirection Direction, int Steps)
{
    PaintPolyThumb(Canvas, T, TrianglePolys(T, Kind), Border, Color, ColorTo, Direction, Steps);
}

void DrawPointerRightUpThumb(TCanvas *Canvas, const TRect &T, int Kind, TColor Border, TColor Color, TColor ColorTo,
                             TTrackGradientDirection Direction, int Steps)
{
    PaintPolyThumb(Canvas, T, RightUpPolys(T, Kind), Border, Color, ColorTo, Direction, Steps);
}

void DrawPointerLeftUpThumb(TCanvas *Canvas, const TRect &T, int Kind, TColor Border, TColor Color, TColor ColorTo,
                            TTrackGradientDirection Direction, int Steps)
{
    PaintPolyThumb(Canvas, T, LeftUpPolys(T, Kind), Border, Color, ColorTo, Direction, Steps);
}

std::vector<TPoint> ThumbPolygon(TThumbShape Shape, const TRect &T, int Kind)
{
    switch (Shape) {
    case tsPointerRightUp: return RightUpPolys(T, Kind).poly;
    case tsPointerLeftUp: return LeftUpPolys(T, Kind).poly;
    default: return TrianglePolys(T, Kind).poly;
    }
}
