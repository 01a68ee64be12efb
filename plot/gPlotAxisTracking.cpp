// How an axis's range follows the data (tracking) and the user (zoom and
// scroll by drag, wheel and keys). Every range change goes through
// SetMinSpan, so the plot's range events fire for each.
#include "Exceptions.h"
#include "VirtualKeys.h"
#include "gPlotAxis.h"
#include "gPlotChannelCustom.h"
#include "gPlotOwner.h"

#include <QSet>

#include <cmath>

// Tracking.

void TgPlotAxis::NewTrackingData(double Value)
{
    if (!FTrackingEnabled)
        return;
    const double m = Min(), s = Span(), M = Max();
    if (!FFirstAlignDone) {
        FFirstAlignDone = true;
        double newMin = m;
        switch (FTrackingAlignFirstStyle) {
        case ipafsMin: newMin = Value; break;
        case ipafsMax: newMin = Value - s; break;
        case ipafsAuto: newMin = Value < m || Value > M ? Value : m; break;
        case ipafsNone: return;
        }
        SetMinSpan(newMin, s);
        return;
    }
    switch (FTrackingStyle) {
    case iptsScaleMinMax:
        SetMinSpan(Value < m ? Value : m, Value > m + s ? Value - m : s);
        SnapToIncrement();
        break;
    case iptsScaleMax:
        if (Value > M) {
            SetMinSpan(m, Value - M + s);
            SnapToIncrement();
        }
        break;
    case iptsScaleMin:
        if (Value < m) {
            SetMinSpan(Value, M - Value);
            SnapToIncrement();
        }
        break;
    case iptsScrollSmooth:
    case iptsScrollPage: {
        // With a compress maximum the range first grows with the data, then
        // scrolls with that span.
        const bool beyond = Value > m + s;
        double span = s;
        if (beyond && FTrackingScrollCompressMax != 0) {
            span = Value - m;
            if (Span() > FTrackingScrollCompressMax)
                span = FTrackingScrollCompressMax;
        }
        double newMin = m;
        if (FTrackingStyle == iptsScrollSmooth)
            newMin = beyond ? Value - span : Value < m ? Value : m;
        else
            newMin = beyond ? m + span : Value < m ? m - span : m;
        SetMinSpan(newMin, span);
        break;
    }
    case iptsExpandCollapse:
        ZoomToFit();
        SnapToIncrement();
        break;
    case iptsExpandCollapseFast:
        ZoomToFitFast();
        SnapToIncrement();
        break;
    case iptsExpandMinMax: {
        double newMin = m, span = s;
        if (Value > M)
            span = Value - M + s;
        if (Value < m) {
            span = m - Value + s;
            newMin = Value;
        }
        SetMinSpan(newMin, span);
        SnapToIncrement();
        break;
    }
    }
    if (FTrackingSpanMinimum != 0 && Span() < FTrackingSpanMinimum)
        SetMinSpan(Mid() - FTrackingSpanMinimum / 2, FTrackingSpanMinimum);
    if (FTrackingMinMargin != 0 && Value < Min() + FTrackingMinMargin)
        SetMinSpan(Value - FTrackingMinMargin, Span());
    if (FTrackingMaxMargin != 0 && Value > Max() - FTrackingMaxMargin)
        SetMinSpan(Min(), Value + FTrackingMaxMargin - Min());
}

void TgPlotAxis::SnapToIncrement()
{
    if (FTrackingIncrementStyle == iptisMinimum)
        return;
    const double step = FTrackingIncrementStyle == iptisMajor ? MajorIncrement() : MinorIncrement();
    if (!(step > 0) || !std::isfinite(step))
        return; // no ticks generated yet
    const auto whole = [step](double V) {
        const double q = V / step;
        return q == std::trunc(q) ? V : std::trunc(q) * step;
    };
    double newMax = whole(Max()), newMin = whole(Min());
    if (newMax < Max())
        newMax += step;
    if (newMin > Min())
        newMin -= step;
    if (newMax != Max() || newMin != Min())
        SetMinSpan(newMin, newMax - newMin);
}

void TgPlotAxis::FitToChannels(bool Fast)
{
    IgPlotOwner *plot = Plot();
    if (!plot)
        return;
    const bool x = IsXAxis();
    double hi = -1e300, lo = 1e300;
    for (int i = 0; i < plot->ChannelCount(); ++i) {
        TgPlotChannelCustom *c = plot->GetChannel(i);
        if ((x ? c->XAxisName() : c->YAxisName()).compare(Name(), Qt::CaseInsensitive) != 0)
            continue;
        if (Fast) {
            hi = std::max(hi, x ? c->RunningXMax() : c->RunningYMax());
            lo = std::min(lo, x ? c->RunningXMin() : c->RunningYMin());
        } else {
            hi = std::max(hi, x ? c->GetVisibleXMax() : c->GetVisibleYMax());
            lo = std::min(lo, x ? c->GetVisibleXMin() : c->GetVisibleYMin());
        }
    }
    if (!(hi > -1e300 && lo < 1e300) || hi == lo)
        return;
    double span = hi - lo;
    if (!Fast && FTrackingSpanMinimum != 0 && FTrackingSpanMinimum > span)
        span = FTrackingSpanMinimum;
    SetMinSpan(lo - FTrackingMinMargin, span + FTrackingMaxMargin + FTrackingMinMargin);
}

void TgPlotAxis::ZoomToFit() { FitToChannels(false); }

void TgPlotAxis::ZoomToFitFast() { FitToChannels(true); }

// Zoom and scroll.

void TgPlotAxis::Zoom(double Value)
{
    if (FScale.ScaleType == ipstLinear) {
        if (Value <= 0)
            throw Exception(QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
        const double span = FScale.Span * Value, centre = (Max() + Min()) / 2;
        ZoomTo(centre - span / 2, span);
    } else {
        const double k = std::pow(10.0, Value);
        ZoomTo(Min() / k, Span() * k);
    }
}

int TgPlotAxis::SurveyLabels(double AMin, double ASpan, int &Longest)
{
    const TgPlotAxisScale scale = FScale;
    const TgPlotAxisTicks ticks = FTicks;
    FScale.Min = AMin;
    FScale.Span = ASpan;
    QSet<QString> texts;
    Longest = 0;
    try {
        CalcTicks();
        for (const TgPlotTickObject &tick : FTicks.Ticks)
            if (tick.TickType == ipttMajor && tick.Show) {
                texts.insert(tick.Text);
                Longest = std::max(Longest, int(tick.Text.size()));
            }
    } catch (...) {
        texts.clear();
    }
    FScale = scale;
    FTicks = ticks;
    return int(texts.size());
}

void TgPlotAxis::ZoomTo(double NewMin, double NewSpan)
{
    if (NewSpan < FScale.Span && !FTickListCustom && FLabelsVisible) {
        // Steps below about 1e-11 of the values print as noise in their
        // last digits, though the texts may still differ.
        const double magnitude = std::max(std::fabs(NewMin), std::fabs(NewMin + NewSpan));
        if (FScale.ScaleType == ipstLinear && NewSpan < magnitude * 1e-11)
            return;
        int longestNow = 0, longest = 0;
        const int now = SurveyLabels(Min(), Span(), longestNow);
        if (SurveyLabels(NewMin, NewSpan, longest) < std::min(now, 2) || longest > std::max(24, longestNow))
            return;
    }
    SetMinSpan(NewMin, NewSpan);
}

void TgPlotAxis::ZoomToPixelRect(const TRect &Rect)
{
    int p1 = FScale.Horizontal ? Rect.Left : Rect.Bottom;
    int p2 = FScale.Horizontal ? Rect.Right : Rect.Top;
    if (FScale.ReverseScale)
        std::swap(p1, p2);
    const double newMin = PixelsToPosition(p1);
    SetMinSpan(newMin, PixelsToPosition(p2) - newMin);
}

TgPlotAxisMode TgPlotAxis::GetEffectiveMode(TShiftState Shift) const
{
    if (!Shift.Contains(ssCtrl))
        return FMode;
    return FMode == ipamScroll ? ipamZoom : ipamScroll;
}

void TgPlotAxis::ScrollByFraction(double AMin, double ASpan, double AMax, double F)
{
    if (FScale.ScaleType == ipstLinear) {
        double newMin = AMin + F * ASpan;
        if (FScrollMinMaxEnabled) {
            if (newMin <= FScrollMin)
                newMin = FScrollMin;
            else if (newMin + Span() >= FScrollMax)
                newMin = FScrollMax - Span();
        }
        SetMinSpan(newMin, Span());
        return;
    }
    const double g = std::log10(AMax) - std::log10(AMin), k = std::pow(10.0, F * g);
    double newMin = AMin * k, newMax = AMax * k;
    if (FScrollMinMaxEnabled) {
        if (newMin <= FScrollMin) {
            newMin = FScrollMin;
            newMax = std::pow(10.0, g) * FScrollMin;
        } else if (newMin + Span() >= FScrollMax) {
            newMax = FScrollMax;
            newMin = FScrollMax / std::pow(10.0, g);
        }
    }
    SetMinSpan(newMin, newMax - newMin);
}

void TgPlotAxis::ZoomByExponent(double AMin, double ASpan, double AMax, double E)
{
    const double k = std::pow(10.0, E);
    if (FScale.ScaleType == ipstLinear) {
        const double span = ASpan / k, centre = (AMax + AMin) / 2;
        ZoomTo(centre - span / 2, span);
    } else {
        ZoomTo(AMin * k, ASpan / k);
    }
}

// Mouse and keys.

void TgPlotAxis::DoMouseLeft(const TgPlotMouseData &MouseData)
{
    if (FMasterUIInput && Plot())
        Plot()->RelayAxisMouseLeft(this, MouseData);
    FAxisMouseDown = true;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    FMouseDownMin = Min();
    FMouseDownSpan = Span();
}

void TgPlotAxis::DoMouseMove(const TgPlotMouseData &MouseData)
{
    if (!FAxisMouseDown)
        return;
    if (FMasterUIInput && Plot())
        Plot()->RelayAxisMouseMove(this, MouseData);
    if (MouseData.DblClickActive)
        return;
    NotifyInvalidateNow();
    SetTrackingEnabled(false);
    int d;
    if (IsHorz())
        d = FScale.ReverseScale ? FMouseDownX - MouseData.X : MouseData.X - FMouseDownX;
    else
        d = FScale.ReverseScale ? MouseData.Y - FMouseDownY : FMouseDownY - MouseData.Y;
    const int length = GetScaleLength();
    const double f = length ? double(d) / length : 0;
    // The mouse record carries no keys: Ctrl is the state the plot pushed.
    if (GetEffectiveMode(ShiftState()) == ipamScroll)
        ScrollByFraction(Min(), Span(), Max(), -f);
    else
        ZoomByExponent(Min(), Span(), Max(), FScale.ScaleType == ipstLinear ? f / 4 : 2 * f);
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
}

void TgPlotAxis::DoMouseUp(const TgPlotMouseData &MouseData)
{
    if (!FAxisMouseDown)
        return;
    try {
        if (FMasterUIInput && Plot())
            Plot()->RelayAxisMouseUp(this, MouseData);
        if (FFocusRect.Contains(TPoint(MouseData.X, MouseData.Y)) && FiresEvents())
            Plot()->DoObjectClick(this);
        if ((Min() != FMouseDownMin || Span() != FMouseDownSpan) && FiresEvents())
            Plot()->DoAxisMinSpanChangeFinished(this, FMouseDownMin, FMouseDownSpan, Min(), Span());
    } catch (...) {
        FAxisMouseDown = false;
        throw;
    }
    FAxisMouseDown = false;
}

bool TgPlotAxis::DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y)
{
    if (WheelDelta == 0)
        return true;
    SetTrackingEnabled(false);
    if (FMasterUIInput && Plot())
        Plot()->RelayAxisMouseWheel(this, WheelDelta, Shift, X, Y);
    const double sign = WheelDelta > 0 ? 1 : -1;
    if (GetEffectiveMode(Shift) == ipamScroll)
        ScrollByFraction(Min(), Span(), Max(), 0.05 * sign);
    else
        ZoomByExponent(Min(), Span(), Max(), (FScale.ScaleType == ipstLinear ? 0.025 : 0.05) * sign);
    return true;
}

void TgPlotAxis::gKeyDown(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    TgPlotLayoutObject::gKeyDown(CharCode, Shift, PopupMenu);
    if (FMasterUIInput && Plot())
        Plot()->RelayAxisKeyDown(this, CharCode, Shift);
    SetTrackingEnabled(false);
    FMouseDownMin = Min();
    FMouseDownSpan = Span();
    double step = 0;
    switch (CharCode) {
    case VK_PRIOR:
    case VK_END: step = 1; break;
    case VK_NEXT:
    case VK_HOME: step = -1; break;
    case VK_UP:
    case VK_RIGHT: step = 0.01; break;
    case VK_LEFT:
    case VK_DOWN: step = -0.01; break;
    default: break;
    }
    if (step != 0) {
        NotifyInvalidateNow();
        if (FMode == ipamScroll)
            ScrollByFraction(Min(), Span(), Max(), step);
        else
            ZoomByExponent(Min(), Span(), Max(), step);
    }
    if ((Min() != FMouseDownMin || Span() != FMouseDownSpan) && FiresEvents())
        Plot()->DoAxisMinSpanChangeFinished(this, FMouseDownMin, FMouseDownSpan, Min(), Span());
}
