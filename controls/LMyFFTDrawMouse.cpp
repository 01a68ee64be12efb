// Mouse navigation of the response plot: pan, stretch, zoom to a dragged
// rectangle, fit to the curves, and the mouse position in data units. The
// control's own mouse input only fires its events; callers run these.
#include "LMyFFTDrawHpLp6dB.h"

#include <cmath>
#include <cstdlib>

void LMyFFTDrawHpLp6dB::MouseDown1(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControl::MouseDown(Button, Shift, X, Y);
    if (plotPage_.Empty())
        return;
    if (Button == mbLeft) {
        if (Shift == TShiftState{ssAlt, ssLeft} || Shift == TShiftState{ssAlt, ssRight})
            stretching_ = true;
        else if (Shift == TShiftState{ssCtrl, ssLeft})
            zooming_ = true;
        else
            panning_ = true;
    }
    if (zooming_ && mouseControl_) {
        zoomRect_ = std::make_unique<TRect>(X, Y, X + 2, Y + 2);
        zoomAnchorX_ = X;
        zoomAnchorY_ = Y;
        Invalidate();
    }
    lastMouseX_ = X;
    lastMouseY_ = Y;
}

void LMyFFTDrawHpLp6dB::ApplyRange(double NewXMin, double NewXMax, double NewYMin, double NewYMax)
{
    SetXYMinMax(NewXMin, NewXMax, NewYMin, NewYMax);
    if (!autoRedraw_) {
        DrawAllPlots();
        DrawXAxisLabels();
        DrawYAxisLabels();
    }
}

void LMyFFTDrawHpLp6dB::MouseMove1(TShiftState Shift, int X, int Y)
{
    TControl::MouseMove(Shift, X, Y);
    if (plotPage_.Empty())
        return;
    const int dx = X - lastMouseX_, dy = Y - lastMouseY_;
    lastMouseX_ = X;
    lastMouseY_ = Y;
    const double w = plotPage_.Width(), h = plotPage_.Height();
    const bool logX = xAxisFormat_ == TMyAxisFormat::Log, logY = yAxisFormat_ == TMyAxisFormat::Log;
    const double rX = dx * (logX ? lgXMax_ - lgXMin_ : xMax_ - xMin_) / w;
    const double sY = dy * (logY ? lgYMax_ - lgYMin_ : yMax_ - yMin_) / h;
    if (mouseControl_) {
        const double fx = std::pow(10.0, rX), fy = std::pow(10.0, sY);
        if (panning_) {
            ApplyRange(logX ? xMin_ / fx : xMin_ - rX, logX ? xMax_ / fx : xMax_ - rX,
                       logY ? yMin_ * fy : yMin_ + sY, logY ? yMax_ * fy : yMax_ + sY);
        } else if (stretching_) {
            ApplyRange(logX ? xMin_ * fx : xMin_ + rX, logX ? xMax_ / fx : xMax_ - rX,
                       logY ? yMin_ / fy : yMin_ - sY, logY ? yMax_ * fy : yMax_ + sY);
        } else if (zooming_ && zoomRect_) {
            const int left = std::min(zoomAnchorX_, X), top = std::min(zoomAnchorY_, Y);
            *zoomRect_ = TRect(left, top, left + std::abs(X - zoomAnchorX_), top + std::abs(Y - zoomAnchorY_));
            Invalidate();
        }
    }
    mouseX_ = PlotX(X);
    mouseY_ = PlotY(Y);
    if (!panning_ && !stretching_)
        DrawMouseCoord();
}

void LMyFFTDrawHpLp6dB::MouseUp1(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControl::MouseUp(Button, Shift, X, Y);
    panning_ = stretching_ = false;
    if (zooming_ && mouseControl_ && zoomRect_ && !plotPage_.Empty()) {
        const TRect r = *zoomRect_;
        zoomRect_.reset();
        Invalidate();
        SetXYMinMax(PlotX(r.Left), PlotX(r.Right), PlotY(r.Bottom), PlotY(r.Top));
    }
    zoomRect_.reset();
    zooming_ = false;
}

void LMyFFTDrawHpLp6dB::DblClick1()
{
    TControl::DblClick();
    if (!mouseControl_)
        return;
    FindYMaxMin();
    FindXMaxMin();
    DrawPlotsAndLabels();
}

double LMyFFTDrawHpLp6dB::PlotX(double PX) const
{
    if (plotPage_.Empty())
        return 0;
    const double l = plotPage_.Dest().Left, w = plotPage_.Width();
    if (xAxisFormat_ == TMyAxisFormat::Linear)
        return xMin_ + (PX - l) * (xMax_ - xMin_) / w;
    return std::pow(10.0, lgXMin_ + (PX - l) * (lgXMax_ - lgXMin_) / w);
}

double LMyFFTDrawHpLp6dB::PlotY(double PY) const
{
    if (plotPage_.Empty())
        return 0;
    const double t = plotPage_.Dest().Top, h = plotPage_.Height();
    if (yAxisFormat_ == TMyAxisFormat::Linear)
        return yMin_ + (t + h - PY) * (yMax_ - yMin_) / h;
    return std::pow(10.0, lgYMin_ + (t + h - PY) * (lgYMax_ - lgYMin_) / h);
}

void LMyFFTDrawHpLp6dB::DrawMouseCoord()
{
    if (!showCoordinates_ || !Visible() || coordPage_.Empty() || PutOff())
        return;
    coordPage_.UseFont(&mouseCoordFont_);
    coordPage_.Clear(Color());
    TCanvas *c = coordPage_.Canvas();
    const QString x = QStringLiteral("x = ") + FormatNumber(mouseX_, xLabelFormat_, xLabelPrecision_, xLabelDigits_);
    const QString y = QStringLiteral("y = ") + FormatNumber(mouseY_, yLabelFormat_, yLabelPrecision_, yLabelDigits_);
    c->TextOut(0, 0, x);
    c->TextOut(0, c->TextHeight(x) + 3, y);
    UpdatePaintPage(&coordPage_);
}

// The zoom rubber band, over the screen image: a dotted frame that inverts
// what lies under it. The next repaint without it removes it.
void LMyFFTDrawHpLp6dB::PaintOverlay(TCanvas *ACanvas)
{
    if (!zoomRect_)
        return;
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Pen()->SetColor(clBlack);
    ACanvas->Pen()->SetWidth(1);
    ACanvas->Pen()->SetStyle(psDot);
    ACanvas->Pen()->SetMode(pmNot);
    ACanvas->Rectangle(*zoomRect_);
    ACanvas->Pen()->SetMode(pmCopy);
    ACanvas->Pen()->SetStyle(psSolid);
}
