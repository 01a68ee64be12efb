// DrawShapeFill: the one routine that fills and outlines a shape.

#include "SmGDIP.h"
#include "SmGDIPPicture.h"

#include <memory>

void DrawShapeFill(ShapeFillParams p)
{
    if (!p.Graphics)
        return;
    const TGPRectF enlarged = MakeRectF(p.Rect.X - 1, p.Rect.Y - 1, p.Rect.Width + 2,
                                        p.Rect.Height + 2);
    const ARGB from = ArgbFromColor(p.Opacity, p.Color);
    const ARGB to = ArgbFromColor(p.OpacityTo, p.ColorTo);
    std::unique_ptr<TGPBrush> brush;
    bool linear = false;
    switch (p.Kind) {
    case gtSolid: brush.reset(new TGPSolidBrush(from)); break;
    case gtVertical:
    case gtHorizontal:
    case gtForwardDiagonal:
    case gtBackwardDiagonal: {
        static const LinearGradientMode modes[] = {
            LinearGradientModeVertical, LinearGradientModeHorizontal,
            LinearGradientModeForwardDiagonal, LinearGradientModeBackwardDiagonal};
        auto *lg = new TGPLinearGradientBrush(enlarged, from, to, modes[p.Kind - gtVertical]);
        lg->SetGammaCorrection(true);
        brush.reset(lg);
        linear = true;
        break;
    }
    case gtAngle: {
        auto *lg = new TGPLinearGradientBrush(enlarged, from, to, REAL(p.Angle), true);
        lg->SetGammaCorrection(true);
        brush.reset(lg);
        break;
    }
    case gtHatch: brush.reset(new TGPHatchBrush(p.Hatch, from, to)); break;
    case gtTexture:
        if (p.Picture) {
            if (p.UsePath)
                p.Picture->FillPath(p.Graphics, p.Path);
            else
                p.Picture->FillRect(p.Graphics, p.Rect);
        }
        break;
    default: break;
    }
    if (brush) {
        if (p.UsePath)
            p.Graphics->FillPath(brush.get(), p.Path);
        else
            p.Graphics->FillRectangle(brush.get(), p.Rect);
    }
    if (linear && p.Mirror) {
        TGPSolidBrush top(from);
        p.Graphics->FillRectangle(&top, MakeRectF(p.Rect.X, p.Rect.Y, p.Rect.Width, 1.0f));
    }
    if (p.BorderColor != clNone) {
        TGPPen pen(ArgbFromColor(p.Opacity, p.BorderColor), REAL(p.BorderWidth));
        pen.SetDashStyle(p.BorderStyle);
        if (p.UsePath)
            p.Graphics->DrawPath(&pen, p.Path);
        else
            p.Graphics->DrawRectangle(&pen, p.Rect);
    }
}
