// Scale geometry, required space, ticks and drawing of an axis.
#include "Canvas.h"
#include "gPlotAxis.h"
#include "gPlotOwner.h"

#include <cmath>

namespace {

int Round(double Value) { return int(std::nearbyint(Value)); }

bool AlongWidth(bool Horizontal, TgRotationAngle Rotation)
{
    const bool flat = Rotation == ira000 || Rotation == ira180;
    return Horizontal ? flat : !flat;
}

bool KnownRotation(TgRotationAngle Rotation) { return Rotation >= ira000 && Rotation <= ira270; }

TPenStyle PenStyleOf(TPenStyle Style) { return Style; }

} // namespace

int TgPlotAxis::LabelHeightOfMin(TCanvas *Canvas)
{
    Canvas->SetFont(&FLabelsFont);
    return MultiLineTextHeight(Canvas, GetLabelText(Min()));
}

void TgPlotAxis::CalcScaleRect(TCanvas *Canvas)
{
    const bool cartesian = FCartesianStyle != ipcsNone;
    const bool horz = IsHorz();
    FScale.Horizontal = horz;
    if (cartesian)
        FQuadSide = horz ? iqsBottom : iqsRight;
    else if (horz)
        FQuadSide = ReverseSide() ? iqsTop : iqsBottom;
    else
        FQuadSide = ReverseSide() ? iqsRight : iqsLeft;
    Canvas->SetFont(&FLabelsFont);
    const TRect draw = DrawRect();
    TRect scale = draw;
    if (horz) {
        FFocusRect.Top = draw.Top + 2;
        FFocusRect.Bottom = draw.Bottom - 2;
        const int z = Canvas->TextWidth(QStringLiteral("0"));
        int e = 0;
        if (FLabelsVisible && KnownRotation(FLabelsRotation))
            e = AlongWidth(true, FLabelsRotation) ? GetLabelsWidth(Canvas, &FLabelsFont) : LabelHeightOfMin(Canvas);
        const int d = cartesian ? 0 : Round(e / 2.0) + Round(z * FStackingEndsMargin);
        scale.Left = StartStacked() ? draw.Left + d : draw.Left;
        scale.Right = StopStacked() ? draw.Right - d : draw.Right;
        FFocusRect.Left = scale.Left - d;
        FFocusRect.Right = scale.Right + d;
    } else {
        FFocusRect.Left = draw.Left + 2;
        FFocusRect.Right = draw.Right - 2;
        const int z = Canvas->TextHeight(QStringLiteral("0"));
        int e = 0;
        if (KnownRotation(FLabelsRotation))
            e = AlongWidth(false, FLabelsRotation) ? GetLabelsWidth(Canvas, &FLabelsFont) : LabelHeightOfMin(Canvas);
        const int d = cartesian ? 0 : (e + Round(z * FStackingEndsMargin)) / 2;
        scale.Bottom = StartStacked() ? draw.Bottom - d : draw.Bottom;
        scale.Top = StopStacked() ? draw.Top + d : draw.Top;
        FFocusRect.Bottom = scale.Bottom + d;
        FFocusRect.Top = scale.Top - d;
    }
    FScale.SetGeometry(scale);
}

void TgPlotAxis::CalcTicks(TCanvas *Canvas)
{
    FTicks.MonthModeEnabled = FTicks.YearModeEnabled = false;
    CalcScaleRect(Canvas);
    struct UpdatePixels {
        TgPlotAxisTicks &ticks;
        const TgPlotAxisScale &scale;
        ~UpdatePixels() { ticks.UpdateTickPixels(scale); }
    } guard{FTicks, FScale};
    if (FTickListCustom)
        return;
    FTicks.Ticks.clear();
    Canvas->SetFont(&FLabelsFont);
    int s = 0;
    if (KnownRotation(FLabelsRotation)) {
        if (AlongWidth(IsHorz(), FLabelsRotation))
            s = Round(Canvas->TextWidth(QStringLiteral("0")) * (FLabelSeparation + 1) +
                      GetLabelsWidth(Canvas, &FLabelsFont));
        else
            s = Round(Canvas->TextHeight(QStringLiteral("0")) * (FLabelSeparation + 1));
    }
    s = std::max(s, 1);
    const int count = std::max(GetScaleLength() / s, 1);
    TgPlotTickSettings settings;
    settings.DesiredIncrement = FDesiredIncrement;
    settings.DesiredStart = FDesiredStart;
    settings.MinorCount = FMinorCount;
    settings.LabelsVisible = FLabelsVisible;
    settings.LabelsFormatStyle = FLabels.FormatStyle;
    FTicks.Generate(FScale, settings, count, [this](double V) { return GetLabelText(V); });
}

int TgPlotAxis::GetRequiredSpace(TCanvas *Canvas)
{
    int title = 0;
    if (FTitleShow && FCartesianStyle == ipcsNone) {
        Canvas->SetFont(&FTitleFont);
        const int h = MultiLineTextHeight(Canvas, FTitle);
        title = FTitleRotated ? Round(MaxLineWidth(Canvas, FTitle) + h * FTitleMargin) : Round(h + h * FTitleMargin);
    }
    const int ticks = FScaleLinesShow ? std::max({0, FMajorLength, FMinorLength}) : 0;
    int margin = 0, labels = 0;
    if (FLabelsVisible) {
        Canvas->SetFont(&FLabelsFont);
        margin = Round(Canvas->TextHeight(QStringLiteral("A")) * FLabelsMargin);
        if (KnownRotation(FLabelsRotation)) {
            const bool widthAcross = !AlongWidth(IsHorz(), FLabelsRotation);
            labels = widthAcross ? GetLabelsWidth(Canvas, &FLabelsFont) : LabelHeightOfMin(Canvas);
        }
    }
    FRequiredWidth = FInnerMargin + FOuterMargin + ticks + margin + labels + title;
    return FRequiredWidth;
}

int TgPlotAxis::GetEndMargin(TCanvas *Canvas)
{
    if (!FLabelsVisible || !KnownRotation(FLabelsRotation))
        return 0;
    Canvas->SetFont(&FLabelsFont);
    if (AlongWidth(IsHorz(), FLabelsRotation))
        return GetLabelsWidth(Canvas, &FLabelsFont) / 2;
    return Canvas->TextHeight(QStringLiteral("XYZ")) / 2;
}

void TgPlotAxis::UpdateCanDraw()
{
    TgPlotLayoutObject::UpdateCanDraw();
    IgPlotOwner *plot = Plot();
    if (FCartesianStyle == ipcsNone || !plot)
        return;
    const TRect &s = ScaleRect();
    switch (FQuadSide) {
    case iqsBottom: plot->AddOccupiedRect(TRect(s.Left, s.Top, s.Right + 1, s.Top + 1)); break;
    case iqsRight: plot->AddOccupiedRect(TRect(s.Left, s.Top, s.Left + 1, s.Bottom + 1)); break;
    case iqsLeft: plot->AddOccupiedRect(TRect(s.Right, s.Top, s.Right + 1, s.Bottom + 1)); break;
    case iqsTop: plot->AddOccupiedRect(TRect(s.Left, s.Bottom, s.Right, s.Bottom + 1)); break;
    }
}

void TgPlotAxis::DrawTick(TCanvas *Canvas, const TgPlotTickObject &Tick)
{
    const bool cartesian = FCartesianStyle != ipcsNone;
    const bool major = Tick.TickType == ipttMajor;
    int from, to;
    if (cartesian) {
        const int h = ((major ? FMajorLength : FMinorLength) + 1) / 2;
        from = h;
        to = -h - 1;
    } else if (major) {
        from = FInnerMargin;
        to = FInnerMargin + FMajorLength;
    } else {
        from = FInnerMargin + FMinorLength;
        to = FInnerMargin;
    }
    const TRect d = DrawRect();
    const int p = Tick.PositionPixels;
    TPoint a, b;
    switch (FQuadSide) {
    case iqsLeft: a = TPoint(d.Right - from, p); b = TPoint(d.Right - to, p); break;
    case iqsTop: a = TPoint(p, d.Bottom - from); b = TPoint(p, d.Bottom - to); break;
    case iqsRight: a = TPoint(d.Left + from, p); b = TPoint(d.Left + to, p); break;
    case iqsBottom: a = TPoint(p, d.Top + from); b = TPoint(p, d.Top + to); break;
    }
    Canvas->MoveTo(a.X, a.Y);
    Canvas->LineTo(b.X, b.Y);
    if (cartesian)
        if (IgPlotOwner *plot = Plot())
            plot->AddOccupiedRect(TRect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1,
                                        std::max(a.Y, b.Y) + 1));
}

void TgPlotAxis::DrawLabel(TCanvas *Canvas, const TgPlotTickObject &Tick)
{
    Canvas->SetFont(&FLabelsFont);
    Canvas->Brush()->SetStyle(bsClear);
    const int m = Round(Canvas->TextHeight(QStringLiteral("A")) * FLabelsMargin);
    const int w = MaxLineWidth(Canvas, Tick.Text), h = MultiLineTextHeight(Canvas, Tick.Text);
    int dist;
    if (FCartesianStyle != ipcsNone)
        dist = m + (FMajorLength + 1) / 2;
    else
        dist = FScaleLinesShow ? FInnerMargin + FMajorLength + m : FInnerMargin + m;
    const bool flat = FLabelsRotation == ira000 || FLabelsRotation == ira180;
    const int along = flat ? w : h, across = flat ? h : w;
    const int cross = flat ? h : w, length = flat ? w : h;
    const TRect d = DrawRect();
    const int p = Tick.PositionPixels;
    TRect r;
    switch (FQuadSide) {
    case iqsLeft: r = TRect(d.Right - dist - along, p - cross / 2, d.Right - dist, p + cross / 2); break;
    case iqsTop: r = TRect(p - length / 2, d.Bottom - dist - across, p + length / 2, d.Bottom - dist); break;
    case iqsRight: r = TRect(d.Left + dist, p - cross / 2, d.Left + dist + along, p + cross / 2); break;
    case iqsBottom: r = TRect(p - length / 2, d.Top + dist, p + length / 2, d.Top + dist + across); break;
    }
    if (FCartesianStyle != ipcsNone) {
        IgPlotOwner *plot = Plot();
        if (!plot || !plot->TryOccupyRect(r))
            return;
    }
    TRect covered;
    DrawRotatedText(Canvas, Tick.Text, r, FLabelsRotation, iahCenter, true, clBlack, covered);
}

void TgPlotAxis::DrawTitle(TCanvas *Canvas)
{
    if (!FTitleShow || FTitle.trimmed().isEmpty())
        return;
    Canvas->SetFont(&FTitleFont);
    Canvas->Brush()->SetStyle(bsClear);
    int t = MultiLineTextHeight(Canvas, FTitle), l = MaxLineWidth(Canvas, FTitle);
    const bool horz = FQuadSide == iqsTop || FQuadSide == iqsBottom;
    if (horz == FTitleRotated)
        std::swap(t, l);
    const TRect &s = ScaleRect();
    const int o = FOuterMargin, c = (s.Top + s.Bottom) / 2;
    TRect r;
    TgRotationAngle rotation;
    switch (FQuadSide) {
    case iqsTop: r = TRect(s.Left, s.Top + o, s.Right, s.Top + o + t); break;
    case iqsBottom: r = TRect(s.Left, s.Bottom - o - t, s.Right, s.Bottom - o); break;
    case iqsLeft: r = TRect(s.Left + o, c - l / 2, s.Left + o + t, c + l / 2); break;
    case iqsRight: r = TRect(s.Right - o - t, c - l / 2, s.Right - o, c + l / 2); break;
    }
    if (horz)
        rotation = FTitleRotated ? ira090 : ira000;
    else
        rotation = FTitleRotated ? ira000 : ira090;
    TRect covered;
    DrawRotatedText(Canvas, FTitle, r, rotation, iahCenter, true, clBlack, covered);
}

void TgPlotAxis::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    if (!Visible())
        return;
    TgPlotLayoutObject::Draw(Canvas, BackGroundColor);
    for (TgPlotTickObject &tick : FTicks.Ticks) {
        tick.Show = PointOnScale(tick.Position);
        if (tick.Show)
            tick.PositionPixels = PositionToPixels(tick.Position);
    }
    if (FScaleLinesShow) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(FScaleLinesColor);
        const int m = FCartesianStyle != ipcsNone ? 0 : FInnerMargin;
        const TRect &s = ScaleRect();
        if (FScaleLineShow) {
            switch (FQuadSide) {
            case iqsLeft: Canvas->MoveTo(s.Right - m, s.Top); Canvas->LineTo(s.Right - m, s.Bottom + 1); break;
            case iqsTop: Canvas->MoveTo(s.Left, s.Bottom - m); Canvas->LineTo(s.Right, s.Bottom - m); break;
            case iqsRight: Canvas->MoveTo(s.Left + m, s.Top); Canvas->LineTo(s.Left + m, s.Bottom + 1); break;
            case iqsBottom: Canvas->MoveTo(s.Left, s.Top + m); Canvas->LineTo(s.Right + 1, s.Top + m); break;
            }
        }
        for (const TgPlotTickObject &tick : FTicks.Ticks)
            if (tick.Show)
                DrawTick(Canvas, tick);
    }
    if (FLabelsVisible)
        for (const TgPlotTickObject &tick : FTicks.Ticks)
            if (tick.Show && tick.TickType == ipttMajor)
                DrawLabel(Canvas, tick);
    if (FCartesianStyle != ipcsNone) {
        const TRect d = DrawRect();
        if (IsHorz()) {
            FFocusRect.Top = d.Top - (FMajorLength + 1) / 2 - 5;
            FFocusRect.Bottom = FFocusRect.Top + FRequiredWidth;
        } else {
            FFocusRect.Left = d.Left - (FMajorLength + 1) / 2 - 5;
            FFocusRect.Right = FFocusRect.Left + FRequiredWidth;
        }
    } else {
        DrawTitle(Canvas);
    }
    if (UserSelected()) {
        Canvas->Font()->SetColor(clWhite);
        Canvas->DrawFocusRect(TRect(FFocusRect.Left, FFocusRect.Top, FFocusRect.Right + 1, FFocusRect.Bottom + 1));
    }
}

void TgPlotAxis::DrawGridLines(TCanvas *Canvas, const TRect &Rect, int MinorWidth, int MajorWidth,
                               TColor MinorColor, TColor MajorColor, TPenStyle MinorStyle, TPenStyle MajorStyle,
                               bool ShowMinors, bool ShowMajors)
{
    if (!FGridLinesVisible)
        return;
    for (const TgPlotTickObject &tick : FTicks.Ticks) {
        if (!tick.Show)
            continue;
        const bool major = tick.TickType == ipttMajor;
        if (major ? !ShowMajors : !ShowMinors)
            continue;
        Canvas->Pen()->SetStyle(PenStyleOf(major ? MajorStyle : MinorStyle));
        Canvas->Pen()->SetWidth(major ? MajorWidth : MinorWidth);
        Canvas->Pen()->SetColor(major ? MajorColor : MinorColor);
        if (IsHorz()) {
            Canvas->MoveTo(tick.PositionPixels, Rect.Top);
            Canvas->LineTo(tick.PositionPixels, Rect.Bottom);
        } else {
            Canvas->MoveTo(Rect.Left, tick.PositionPixels);
            Canvas->LineTo(Rect.Right, tick.PositionPixels);
        }
    }
}
