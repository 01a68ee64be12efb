#include "SkGradient.h"

#include "Bitmap.h"
#include "GradientFill.h"
#include "SkColorUtils.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Colour channels in 16.16 fixed point, stepped towards a target.
class FixedColor {
public:
    FixedColor(TColor From, TColor To, int Steps)
    {
        const TColor a = ColorToRGB(From), b = ColorToRGB(To);
        const int from[3] = {GetRValue(a), GetGValue(a), GetBValue(a)};
        const int to[3] = {GetRValue(b), GetGValue(b), GetBValue(b)};
        Steps = std::max(Steps, 1);
        for (int i = 0; i < 3; ++i) {
            value_[i] = from[i] * 65536;
            step_[i] = (to[i] - from[i]) * 65536 / Steps;
        }
    }
    void Step()
    {
        for (int i = 0; i < 3; ++i)
            value_[i] += step_[i];
    }
    TColor Color() const { return RGB(value_[0] >> 16, value_[1] >> 16, value_[2] >> 16); }

private:
    int value_[3], step_[3];
};

int LeastBand(std::uint8_t BandWidth, bool Box)
{
    if (BandWidth <= 8)
        return std::max<int>(BandWidth, 1);
    return (Box ? 256 : 255) / BandWidth + 1;
}

void Fill(TCanvas *Work, const TRect &R, TColor Color)
{
    if (R.Right <= R.Left || R.Bottom <= R.Top)
        return;
    Work->Brush()->SetColor(Color);
    Work->FillRect(R);
}

// One pass of linear bands over positions Hi down to Lo (position p is
// pixel p - 1 along the axis), colour from From towards To.
void LinearPass(TCanvas *Work, bool AlongX, int Hi, int Lo, TColor From, TColor To, int Least)
{
    if (Hi < Lo)
        return;
    FixedColor acc(From, To, Hi - Lo + 1);
    auto band = [&](int low, int high, TColor c) {
        if (AlongX)
            Fill(Work, Rect(low - 1, 0, high, 8), c);
        else
            Fill(Work, Rect(0, low - 1, 8, high), c);
    };
    int bandStart = Hi, length = 0;
    TColor bandColor = acc.Color();
    for (int p = Hi; p >= Lo; --p) {
        const TColor c = acc.Color();
        if (p != Hi && c != bandColor && length >= Least) {
            band(p + 1, bandStart, bandColor);
            bandStart = p;
            bandColor = c;
            length = 0;
        }
        ++length;
        acc.Step();
    }
    band(Lo, bandStart, bandColor);
}

void StretchCopy(TCanvas *Work, int DX, int DY, int DW, int DH, int SX, int SY, int SW, int SH)
{
    Work->CopyRect(Rect(DX, DY, DX + DW, DY + DH), Work, Rect(SX, SY, SX + SW, SY + SH));
}

} // namespace

void FillLinearBands(TCanvas *Work, int XCentre, int YCentre, int Length, TColor StartColor, TColor StopColor,
                     std::uint8_t BandWidth)
{
    const bool alongX = XCentre != 0;
    const int centre = alongX ? XCentre : YCentre;
    const int least = LeastBand(BandWidth, false);
    LinearPass(Work, alongX, centre + 1, 1, StopColor, StartColor, least);
    LinearPass(Work, alongX, Length, centre + 2, StartColor, StopColor, least);
}

void FillBoxBands(TCanvas *Work, int Width, int Height, TColor StartColor, TColor StopColor, std::uint8_t BandWidth,
                  int XInset, int YInset)
{
    if (ColorToRGB(StartColor) == ColorToRGB(StopColor) || Width < 5 || Height <= 4) {
        Fill(Work, Rect(0, 0, Width + 1, Height + 1), StartColor);
        return;
    }
    const int least = LeastBand(BandWidth, true);
    const int cx = static_cast<int>(static_cast<unsigned>(Width - 1) / 2);
    const int cy = static_cast<int>(static_cast<unsigned>(Height - 1) / 2);
    const int ix = cx - XInset, iy = cy - YInset;
    const int n = std::max(ix, iy) + 1;
    FixedColor acc(StopColor, StartColor, n);
    long long x = static_cast<long long>(ix) * 65536, y = static_cast<long long>(iy) * 65536;
    const long long dx = -x / n, dy = -y / n;
    int prevX = cx + 1, prevY = cy + 1, length = 0;
    TColor bandColor = acc.Color();
    auto arms = [&](int nx, int ny, TColor c) {
        Fill(Work, Rect(nx, ny, cx + 1, prevY), c);
        Fill(Work, Rect(nx, ny, prevX, cy + 1), c);
        prevX = nx;
        prevY = ny;
    };
    for (;;) {
        ++length;
        acc.Step();
        x += dx;
        y += dy;
        if (x < 0 && y < 0)
            break; // this last band is not drawn
        const TColor c = acc.Color();
        if (c != bandColor && length >= least) {
            arms(static_cast<int>(x >> 16), static_cast<int>(y >> 16), bandColor);
            bandColor = c;
            length = 0;
        }
        if (dx == 0 && dy == 0)
            break;
    }
}

void FillDiagonalBands(TCanvas *Work, int SignedWidth, int Height, TColor StartColor, TColor StopColor,
                       std::uint8_t BandWidth)
{
    const int w = std::abs(SignedWidth), h = Height;
    const int n = static_cast<int>(std::sqrt(static_cast<double>(SignedWidth) * SignedWidth +
                                             static_cast<double>(h) * h)) + 1;
    const int half = std::max(n / 2, 1);
    const bool up = SignedWidth > 0;
    FixedColor acc(up ? StartColor : StopColor, up ? StopColor : StartColor, n);
    const long long x0 = up ? 0 : static_cast<long long>(w) * 65536;
    const long long dx = (up ? 1 : -1) * static_cast<long long>(w) * 65536 / half;
    const long long dy = static_cast<long long>(h) * 65536 / half;
    const int far = up ? w : 0, near = up ? 0 : w;
    const int least = LeastBand(BandWidth, false);
    const TPenStyle savedPen = Work->Pen()->Style();
    Work->Pen()->SetStyle(psClear);
    auto polygon = [&](std::vector<TPoint> points, TColor c) {
        Work->Brush()->SetColor(c);
        Work->Polygon(points);
    };
    // Sweep 0 walks up the near edge and along the bottom; sweep 1 along the
    // top and up the far edge. The colour runs on from one to the other.
    for (int sweep = 0; sweep < 2; ++sweep) {
        long long x = x0, y = static_cast<long long>(h) * 65536;
        int prevX = near, prevY = h, length = 0;
        TColor bandColor = acc.Color();
        auto band = [&](int nx, int ny, TColor c) {
            if (sweep == 0) {
                if (ny < prevY || nx != prevX)
                    polygon({{near, ny}, {near, prevY}, {prevX, h}, {nx, h}}, c);
            } else if (nx != prevX || ny < prevY) {
                polygon({{nx, 0}, {prevX, 0}, {far, prevY}, {far, ny}}, c);
            }
            prevX = nx;
            prevY = ny;
        };
        for (;;) {
            ++length;
            acc.Step();
            x += dx;
            y -= dy;
            if (y < 0) {
                band(sweep == 0 ? far : static_cast<int>(x >> 16), 0, bandColor);
                break;
            }
            const TColor c = acc.Color();
            if (c != bandColor && length >= least) {
                band(static_cast<int>(x >> 16), static_cast<int>(y >> 16), bandColor);
                bandColor = c;
                length = 0;
            }
        }
    }
    Work->Pen()->SetStyle(savedPen);
}

void FillByDoubling(TCanvas *Work, int X, int Y, int FilledHeight, int FilledWidth, int TotalHeight, int TotalWidth)
{
    if (FilledWidth <= 0 || FilledHeight <= 0)
        return;
    bool below = FilledHeight < TotalHeight;
    while (FilledHeight < TotalHeight || FilledWidth < TotalWidth) {
        if (below && FilledHeight < TotalHeight) {
            const int copy = std::min(FilledHeight, TotalHeight - FilledHeight);
            StretchCopy(Work, X, Y + FilledHeight, FilledWidth, copy, X, Y, FilledWidth, copy);
            FilledHeight += copy;
            below = false;
        } else if (FilledWidth < TotalWidth) {
            const int copy = std::min(FilledWidth, TotalWidth - FilledWidth);
            StretchCopy(Work, X + FilledWidth, Y, copy, FilledHeight, X, Y, copy, FilledHeight);
            FilledWidth += copy;
            below = true;
        } else {
            below = true;
        }
    }
}

void MirrorQuarter(TCanvas *Work, int Height, int Width)
{
    // The painted quarter holds columns 0..(Width - 1) / 2 and rows
    // 0..(Height - 1) / 2. Mirrored without stretching, so that the picture
    // is symmetric about both centre lines.
    const int cols = (Width - 1) / 2 + 1;
    StretchCopy(Work, 0, Height - 1, cols, -(Height / 2), 0, 0, cols, Height / 2);
    StretchCopy(Work, Width - 1, 0, -(Width / 2), Height, 0, 0, Width / 2, Height);
}

void PaintGradientDirect(TCanvas *Canvas, const TRect &R, TGradientDirection Direction, TColor StartColor,
                         TColor StopColor, std::uint8_t BandWidth)
{
    const int w = std::abs(R.Right - R.Left), h = std::abs(R.Bottom - R.Top);
    if (w == 0 || h == 0)
        return;
    TBitmap work(w, h);
    TCanvas *c = work.Canvas();
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetStyle(bsSolid);
    Fill(c, Rect(0, 0, w, h), StartColor);
    switch (Direction) {
    case gdDiagonalUp:
    case gdDiagonalDown:
        if (ColorToRGB(StartColor) != ColorToRGB(StopColor))
            FillDiagonalBands(c, Direction == gdDiagonalUp ? w : -w, h, StartColor, StopColor, BandWidth);
        break;
    case gdHorizontalCenter:
        FillLinearBands(c, 0, h / 2, h, StartColor, StopColor, BandWidth);
        FillByDoubling(c, 0, 0, h, std::min(8, w), h, w);
        break;
    case gdVerticalCenter:
        FillLinearBands(c, w / 2, 0, w, StartColor, StopColor, BandWidth);
        FillByDoubling(c, 0, 0, std::min(8, h), w, h, w);
        break;
    case gdHorizontalBox:
        FillBoxBands(c, w, h, StartColor, StopColor, BandWidth, w / 4, 0);
        MirrorQuarter(c, h, w);
        break;
    case gdVerticalBox:
        FillBoxBands(c, w, h, StartColor, StopColor, BandWidth, 0, h / 4);
        MirrorQuarter(c, h, w);
        break;
    case gdSquareBox:
        FillBoxBands(c, w, h, StartColor, StopColor, BandWidth, 0, 0);
        MirrorQuarter(c, h, w);
        break;
    case gdBigSquareBox:
        FillBoxBands(c, w, h, StartColor, StopColor, BandWidth, w / 4, h / 4);
        MirrorQuarter(c, h, w);
        break;
    case gdHorizontalEnd:
    case gdVerticalEnd: // the toolkit draws these (PaintGradientFill)
        GradientFillCanvas(c, StartColor, StopColor, Rect(0, 0, w, h),
                           Direction == gdHorizontalEnd ? gfdVertical : gfdHorizontal);
        break;
    }
    Canvas->Draw(std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), &work);
}

void PaintGradientFill(TCanvas *Canvas, const TRect &R, TGradientDirection Direction, TColor StartColor,
                       TColor StopColor, std::uint8_t BandWidth)
{
    if (Direction == gdHorizontalEnd || Direction == gdVerticalEnd)
        GradientFillCanvas(Canvas, StartColor, StopColor, R, Direction == gdHorizontalEnd ? gfdVertical : gfdHorizontal);
    else
        PaintGradientDirect(Canvas, R, Direction, StartColor, StopColor, BandWidth);
}

void PaintGradientBorder(TCanvas *Canvas, const TRect &R, TGradientDirection Direction, TColor StartColor,
                         TColor StopColor)
{
    if (!ScreenHasFullColor())
        return;
    Canvas->SaveState();
    Canvas->ExcludeClipRect(Rect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2));
    PaintGradientFill(Canvas, R, Direction, StartColor, StopColor, 1);
    Canvas->RestoreState();
}
