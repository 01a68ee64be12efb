// Overlays of the response plot: band handles, parameter texts, the selected
// band's translucent fill, the marker line and the free text. The control
// keeps what it was last given and draws all of it over a copy of the plot
// page each time that page goes to the screen. The operations that set an
// overlay also draw it at once onto the screen image (the fill excepted:
// the next copy draws it), where it lasts until that next copy.
#include "LMyFFTDrawHpLp6dB.h"

#include "Format.h"
#include "SmGDIP.h"

#include <QPainter>
#include <cmath>
#include <limits>

namespace {

bool ValidBand(int Band)
{
    return Band >= 0 && Band < LMyFFTDrawHpLp6dB::BandSlots;
}

// Anything drawn for a handle (shape, number, parameter lines) stays within
// this many pixels of it.
const int HandleReach = 200;

} // namespace

TCanvas *LMyFFTDrawHpLp6dB::BeginOverlay()
{
    TCanvas *c = ScreenCanvas();
    if (overlayDepth_++ == 0) {
        c->SaveState();
        c->Handle()->translate(plotPage_.Dest().Left, plotPage_.Dest().Top);
        c->IntersectClipRect(plotPage_.Source());
    }
    return c;
}

void LMyFFTDrawHpLp6dB::EndOverlay()
{
    if (--overlayDepth_ == 0)
        ScreenCanvas()->RestoreState();
}

// The overlays over the plot page's copy on the screen image, in their order;
// the canvas starts as the plot page's does after a clear.
void LMyFFTDrawHpLp6dB::ComposeOverlays()
{
    TCanvas *c = BeginOverlay();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetMode(pmCopy);
    BlockPaint();
    if (markerShown_)
        LinePaint();
    TextPaint();
    CuveDisplayPaint();
    EndOverlay();
}

void LMyFFTDrawHpLp6dB::DrawHandle(TCanvas *C, double PX, double PY, const BandSlot &Slot)
{
    const int band = static_cast<int>(&Slot - bands_.data());
    C->Brush()->SetStyle(bsCross);
    C->Pen()->SetColor(Slot.Colour);
    C->Pen()->SetStyle(psSolid);
    // The figure is centred on the pixel its position falls in, the pixel the
    // pointer takes for that position (the right and bottom edges are
    // exclusive, so the box reaches one past the position on those sides).
    const int x = Px(PX), y = Px(PY);
    if (Slot.Style == 1)
        C->Ellipse(x - 3, y - 3, x + 4, y + 4);
    else
        C->Rectangle(x - 3, y - 3, x + 4, y + 4);
    C->Font()->SetColor(clWhite);
    if (Slot.Style == 2 || Slot.Style == 3) {
        C->Font()->SetSize(8);
        C->TextOut(Px(PX - 8), Px(PY - 20), Slot.Style == 2 ? QStringLiteral("LPF") : QStringLiteral("HPF"));
        C->Font()->SetSize(freeTextSize_);
    } else {
        C->Font()->SetSize(11);
        C->TextOut(Px(PX - 3), Px(PY - 23), QString::number(band + 1));
    }
}

void LMyFFTDrawHpLp6dB::DrawBlock(double Y, double X, TColor Colour, int Band, bool Hidden, int Style)
{
    if (!ValidBand(Band))
        return;
    BandSlot &slot = bands_[Band];
    slot.X = X;
    slot.Y = Y;
    slot.Colour = Colour;
    SetBlockPosition(ScreenX(X), ScreenY(Y), Band);
    slot.Style = Style;
    slot.Hidden = Hidden;
    if (!laidOut_ || PutOff())
        return;
    TCanvas *c = BeginOverlay();
    c->Pen()->SetWidth(1);
    DrawHandle(c, ScreenX(X), ScreenY(Y), slot);
    EndOverlay();
}

void LMyFFTDrawHpLp6dB::BlockPaint()
{
    if (!laidOut_ || PutOff())
        return;
    TCanvas *c = BeginOverlay();
    const int w = plotPage_.Width(), h = plotPage_.Height();
    for (const BandSlot &slot : bands_) {
        if (slot.Hidden)
            continue;
        const double px = ScreenX(slot.X), py = ScreenY(slot.Y);
        if (!(px > -HandleReach && px < w + HandleReach && py > -HandleReach && py < h + HandleReach))
            continue;
        c->Pen()->SetWidth(5);
        DrawHandle(c, px, py, slot);
        if (slot.Style == 1 && parameterDisplay_ && (slot.X != selected_.X || slot.Y != selected_.Gain)) {
            const int code = static_cast<int>(slot.Code);
            const int type = code == 7 ? 5 : code == 17 ? 6 : code - 1;
            ShowParam(type, slot.Gain, slot.X, static_cast<float>(slot.Frequency), slot.Q, clWhite);
        }
        c->Pen()->SetWidth(1);
    }
    EndOverlay();
}

void LMyFFTDrawHpLp6dB::SetBlockPosition(double PX, double PY, int Band)
{
    if (ValidBand(Band))
        bands_[Band].Pixel = TPoint(Px(PX), Px(PY));
}

TPoint LMyFFTDrawHpLp6dB::GetBlockPos(int Band) const
{
    return ValidBand(Band) ? bands_[Band].Pixel : TPoint();
}

int LMyFFTDrawHpLp6dB::SetBlockParameter(int Band, double Frequency, double Gain, double Q, int Code)
{
    if (ValidBand(Band)) {
        BandSlot &slot = bands_[Band];
        slot.Frequency = Frequency;
        slot.Gain = Gain;
        slot.Q = Q;
        slot.Code = Code;
    }
    return Band;
}

void LMyFFTDrawHpLp6dB::ShowParam(int Type, double Gain, double X, float Frequency, double Q, TColor Colour)
{
    if (!laidOut_ || PutOff())
        return;
    TCanvas *c = BeginOverlay();
    const double px = ScreenX(X), py = ScreenY(Gain);
    c->Pen()->SetColor(Colour);
    c->Pen()->SetWidth(1);
    c->Font()->SetColor(Colour);
    c->Font()->SetSize(8);
    const QString freq = Frequency >= 1000 ? Format(QStringLiteral("%4.2fKHz"), Frequency * 0.001)
                                           : Format(QStringLiteral("%4.1fHz"), static_cast<double>(Frequency));
    const QString q = Format(QStringLiteral("Q:%4.2f"), Q);
    const QString gain = Format(QStringLiteral("%4.1fdB"), Gain);
    const int x = Px(px - 20);
    const bool above = Gain <= 0;
    auto line = [&](int offsetAbove, int offsetBelow, const QString &text) {
        c->TextOut(x, Px(py + (above ? offsetAbove : offsetBelow)), text);
    };
    if (Type <= 2) {
        line(-69, 20, q);
        line(-56, 33, freq);
        line(-43, 46, gain);
    } else if (Type == 3 || Type == 5 || Type == 7) {
        line(-43, 20, freq);
    } else {
        line(-69, 20, q);
        line(-56, 33, freq);
    }
    c->Font()->SetSize(freeTextSize_);
    EndOverlay();
}

void LMyFFTDrawHpLp6dB::DrawParam(int Type, double Gain, double X, float Frequency, double Q, TColor Colour)
{
    selected_.Type = Type;
    selected_.Gain = Gain;
    selected_.X = X;
    selected_.Frequency = Frequency;
    selected_.Q = Q;
    selected_.Colour = Colour;
    ShowParam(Type, Gain, X, Frequency, Q, Colour);
}

void LMyFFTDrawHpLp6dB::DrawCurveFill(int Band, const double *Y, int Count)
{
    const int n = std::clamp(Count, 0, FillPoints);
    if (Y)
        std::copy(Y, Y + n, selectedCurve_.begin());
}

// The selected band's curve as a GDI+ path closed toward the 0 dB line
// (peak), the top or bottom edge on the shelf's side, or the bottom edge,
// drawn and filled in translucent grey. Points that are not numbers are
// left out of the spline.
void LMyFFTDrawHpLp6dB::FillCurve(TCanvas *C, const double *Y, int Count, bool OutlineCurveOnly)
{
    const double w = plotPage_.Width(), h = plotPage_.Height();
    std::vector<TGPPoint> points;
    points.reserve(static_cast<size_t>(Count));
    for (int i = 0; i < Count; ++i) {
        const double x = w * (i - xMin_) / (xMax_ - xMin_);
        const double y = h - h * (Y[i] - yMin_) / (yMax_ - yMin_);
        if (std::isnan(x) || std::isnan(y))
            continue;
        points.push_back(MakePoint(Px(x), Px(y)));
    }
    if (points.size() < 2)
        return;
    TGPGraphics g(C->Handle());
    const ARGB grey = PackArgb(30, 128, 128, 128);
    TGPSolidBrush brush(grey);
    TGPPen pen(grey, 1.0f);
    TGPGraphicsPath path(FillModeAlternate);
    path.AddCurve(points.data(), static_cast<INT>(points.size()));
    if (OutlineCurveOnly)
        g.DrawPath(&pen, &path);
    const REAL x10 = static_cast<REAL>(ScreenX(10)), x20k = static_cast<REAL>(ScreenX(20000));
    const REAL y0 = static_cast<REAL>(ScreenY(0)), yTop = static_cast<REAL>(ScreenY(yMax_)),
               yBot = static_cast<REAL>(ScreenY(yMin_));
    const int type = selected_.Type;
    const bool rising = selected_.Gain >= 0;
    if (type == 0) {
        path.AddLine(x10, y0, x20k, y0);
    } else if (type == 1) {
        path.AddLine(x20k, y0, x10, y0);
        path.AddLine(x10, y0, x10, rising ? yTop : yBot);
    } else if (type == 2) {
        path.AddLine(x20k, rising ? yTop : yBot, x20k, y0);
        path.AddLine(x20k, y0, x10, y0);
    } else if (type >= 3) {
        path.AddLine(x20k, y0, x20k, yBot);
        path.AddLine(x20k, yBot, x10, yBot);
    }
    if (!OutlineCurveOnly)
        g.DrawPath(&pen, &path);
    g.FillPath(&brush, &path);
}

bool LMyFFTDrawHpLp6dB::SetCurveDisplay(bool On)
{
    curveDisplay_ = On;
    return On;
}

bool LMyFFTDrawHpLp6dB::SetParameterDisplay(bool On)
{
    parameterDisplay_ = On;
    return On;
}

void LMyFFTDrawHpLp6dB::CuveDisplayPaint()
{
    if (!curveDisplay_ || !laidOut_ || PutOff())
        return;
    ShowParam(selected_.Type, selected_.Gain, selected_.X, selected_.Frequency, selected_.Q, selected_.Colour);
    TCanvas *c = BeginOverlay();
    FillCurve(c, selectedCurve_.data(), FillPoints, true);
    EndOverlay();
}

void LMyFFTDrawHpLp6dB::DrawTextA(int X, int Y, int Size, TColor Colour, const QString &FontName, const QString &Text)
{
    freeTextX_ = X;
    freeTextY_ = Y;
    freeTextSize_ = Size;
    freeTextColour_ = Colour;
    freeTextFont_ = FontName;
    freeText_ = Text;
    if (laidOut_ && !PutOff()) {
        DrawFreeText(BeginOverlay());
        EndOverlay();
    }
}

void LMyFFTDrawHpLp6dB::DrawFreeText(TCanvas *C)
{
    C->Font()->SetSize(freeTextSize_);
    C->Font()->SetColor(freeTextColour_);
    if (!freeTextFont_.isEmpty())
        C->Font()->SetName(freeTextFont_);
    C->SetBkMode(TRANSPARENT);
    C->TextOut(freeTextX_, freeTextY_, freeText_);
}

void LMyFFTDrawHpLp6dB::TextPaint()
{
    if (!laidOut_ || PutOff())
        return;
    DrawFreeText(BeginOverlay());
    EndOverlay();
}

void LMyFFTDrawHpLp6dB::DrawLine(double X, TColor Colour, bool Square)
{
    markerX_ = X;
    markerSquare_ = Square;
    markerShown_ = true;
    if (laidOut_ && !PutOff()) {
        DrawMarker(BeginOverlay(), psDash);
        EndOverlay();
    }
}

void LMyFFTDrawHpLp6dB::DrawMarker(TCanvas *C, TPenStyle Style)
{
    C->Pen()->SetWidth(1);
    C->Pen()->SetStyle(Style);
    C->Pen()->SetColor(clRed);
    const double px = ScreenX(markerX_);
    C->MoveTo(Px(px), 0);
    C->LineTo(Px(px), Height() - 10);
    C->Pen()->SetStyle(psSolid);
    if (markerSquare_) {
        C->Pen()->SetColor(clYellow);
        C->Pen()->SetWidth(1);
        const double py = ScreenY(-3.0);
        C->Rectangle(Px(px - 4), Px(py - 4), Px(px + 4), Px(py + 4));
    }
}

void LMyFFTDrawHpLp6dB::LinePaint()
{
    if (!laidOut_ || PutOff())
        return;
    DrawMarker(BeginOverlay(), psDot);
    EndOverlay();
}
