#include "GradientFill.h"

#include <cmath>

void GradientFillCanvas(TCanvas *Canvas, TColor Start, TColor Stop, const TRect &R, TGradientFillDirection Direction)
{
    const int lines = Direction == gfdVertical ? R.Height() : R.Width();
    if (R.Width() <= 0 || R.Height() <= 0)
        return;
    const TColor a = ColorToRGB(Start), b = ColorToRGB(Stop);
    const TColor savedColor = Canvas->Brush()->Color();
    const TBrushStyle savedStyle = Canvas->Brush()->Style();
    Canvas->Brush()->SetStyle(bsSolid);
    for (int i = 0; i < lines; ++i) {
        const double t = lines > 1 ? static_cast<double>(i) / (lines - 1) : 0.0;
        auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
        Canvas->Brush()->SetColor(RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                                      mix(GetBValue(a), GetBValue(b))));
        if (Direction == gfdVertical)
            Canvas->FillRect(Rect(R.Left, R.Top + i, R.Right, R.Top + i + 1));
        else
            Canvas->FillRect(Rect(R.Left + i, R.Top, R.Left + i + 1, R.Bottom));
    }
    Canvas->Brush()->SetColor(savedColor);
    Canvas->Brush()->SetStyle(savedStyle);
}
