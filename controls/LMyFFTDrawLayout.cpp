// Layout of the response plot's pages, its grid, ticks, axis lines, axis
// labels and titles.
#include "LMyFFTDrawHpLp6dB.h"

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

// The common logarithms of the X label frequencies: 20 Hz, 100 Hz, 1 kHz,
// 10 kHz and 20 kHz, then 50, 200, 500 Hz, 2 and 5 kHz for wide controls.
const double XLabelLogs[10] = {1.301029996, 2.0, 3.0, 4.0, 4.301029996,
                               1.698970004, 2.301029996, 2.698970004, 3.301029996, 3.698970004};

} // namespace

QString LMyFFTDrawHpLp6dB::FormatNumber(double Value, TStringFloatFormat Format, int Precision, int Digits) const
{
    return FloatToStrF(Value, static_cast<TFloatFormat>(Format), Precision, Digits);
}

// The widest of Prefix + the number pi x 10^k, k = -100 to 100, on Page in its
// current font; measured again only when the font or the format changed. The
// measures are shared by every plot of the program: the displays of a window
// use the same fonts and formats, and each would otherwise measure the same
// 201 texts again.
int LMyFFTDrawHpLp6dB::WidestLabel(TPaintPage *Page, WidthCache &Cache, const QString &Prefix,
                                   TStringFloatFormat Format, int Precision, int Digits)
{
    TFont *font = Page->Font();
    auto matches = [&](const WidthCache &c) {
        return c.Format == static_cast<int>(Format) && c.Precision == Precision && c.Digits == Digits &&
               c.Prefix == Prefix && c.Font == *font;
    };
    auto copy = [](WidthCache &To, const WidthCache &From) {
        To.Font.Assign(const_cast<TFont *>(&From.Font));
        To.Format = From.Format;
        To.Precision = From.Precision;
        To.Digits = From.Digits;
        To.Prefix = From.Prefix;
        To.Width = From.Width;
    };
    if (matches(Cache))
        return Cache.Width;
    static std::vector<std::unique_ptr<WidthCache>> shared;
    for (const auto &c : shared) {
        if (matches(*c)) {
            copy(Cache, *c);
            return Cache.Width;
        }
    }
    int widest = 0;
    for (int k = -100; k <= 100; ++k) {
        const double v = 3.141592653589793 * std::pow(10.0, k);
        widest = std::max(widest, Page->TextWidth(Prefix + FormatNumber(v, Format, Precision, Digits)));
    }
    Cache.Font.Assign(font);
    Cache.Format = static_cast<int>(Format);
    Cache.Precision = Precision;
    Cache.Digits = Digits;
    Cache.Prefix = Prefix;
    Cache.Width = widest;
    // A few fonts and formats are in use at a time; the oldest measure goes.
    if (shared.size() >= 16)
        shared.erase(shared.begin());
    shared.push_back(std::make_unique<WidthCache>());
    copy(*shared.back(), Cache);
    return widest;
}

void LMyFFTDrawHpLp6dB::ResizePaintPage()
{
    LayOut(true);
}

// When the titles and labels leave no room for the plot page they are
// switched off and the layout runs once more; with still no room no page
// is placed and nothing is drawn until the size or a setting changes.
void LMyFFTDrawHpLp6dB::LayOut(bool Retry)
{
    const int W = Width(), H = Height();
    int L = -30, B = H, XT = H, T = 0, YT = 0;
    if (showXLabel_) {
        xLabelPage_.UseFont(&axisLabelFont_);
        const int h = xLabelPage_.TextHeight(FormatNumber(xMin_, xLabelFormat_, xLabelPrecision_, xLabelDigits_));
        B = static_cast<int>(B - 1.2 * h);
    }
    if (showXTitle_) {
        xTitlePage_.UseFont(&axisTitleFont_);
        const int h = xTitlePage_.TextHeight(xTitle_);
        B -= 2 * h;
        XT -= 2 * h;
    }
    if (showYLabel_) {
        yLabelPage_.UseFont(&axisLabelFont_);
        L += WidestLabel(&yLabelPage_, yLabelWidths_, QString(), xLabelFormat_,
                         std::max(xLabelPrecision_, yLabelPrecision_), std::max(xLabelDigits_, yLabelDigits_)) +
             4;
    }
    if (showYTitle_) {
        yTitlePage_.UseFont(&axisTitleFont_);
        yTitleScratchPage_.UseFont(&axisTitleFont_);
        const int h = yTitlePage_.TextHeight(yTitle_);
        L += 2 * h;
        YT += 2 * h;
        yTitleTextWidth_ = yTitleScratchPage_.TextWidth(yTitle_);
        yTitleTextHeight_ = yTitleScratchPage_.TextHeight(yTitle_);
    }
    if (showPlotTitle_) {
        plotTitlePage_.UseFont(&plotTitleFont_);
        T += 2 * plotTitlePage_.TextHeight(plotTitle_);
    } else {
        T += 10;
    }
    if (showCoordinates_) {
        coordPage_.UseFont(&mouseCoordFont_);
        const int cw = WidestLabel(&coordPage_, coordWidths_, QStringLiteral("x = "), yLabelFormat_,
                                   yLabelPrecision_, yLabelDigits_);
        const int ch = 2 * coordPage_.TextHeight(QStringLiteral("x = ")) + 10;
        coordPage_.Place(W - cw - 5, T + 4, W - 5, T + ch + 2);
    }
    if (T < B && L < W - 10) {
        plotPage_.Place(L, T, W - 10, B);
        xLabelPage_.Place(L, B, W - 10, XT);
        xTitlePage_.Place(L, XT, W - 10, H);
        yLabelPage_.Place(YT, T, L, H);
        yTitlePage_.Place(0, T, YT, H);
        yTitleScratchPage_.Place(0, 0, yTitleTextWidth_, yTitleTextHeight_);
        plotTitlePage_.Place(0, 0, W - 10, T);
        rightMarginPage_.Place(W - 10, 0, W, H);
        laidOut_ = true;
        plotDirty_ = true;
    } else {
        if (B <= T)
            showPlotTitle_ = showXLabel_ = showXTitle_ = false;
        if (W - 10 <= L)
            showYLabel_ = showYTitle_ = false;
        if (Retry) {
            LayOut(false);
            return;
        }
        for (TPaintPage *p : {&plotPage_, &xLabelPage_, &xTitlePage_, &yLabelPage_, &yTitlePage_,
                              &yTitleScratchPage_, &plotTitlePage_, &rightMarginPage_, &coordPage_})
            p->Place(0, 0, 0, 0);
        laidOut_ = false;
        plotDirty_ = false;
    }
    for (int band = 0; band < BandSlots; ++band)
        SetBlockPosition(ScreenX(bands_[band].X), ScreenY(bands_[band].Y), band);
}

// Calls Line with the page row of every horizontal grid line.
void LMyFFTDrawHpLp6dB::VisitHorzGrid(const std::function<void(int)> &Line)
{
    if (yAxisFormat_ == TMyAxisFormat::Linear) {
        const double step = (yMax_ - yMin_) / (numHorzGrid_ + 1);
        for (int k = 1; k <= numHorzGrid_; ++k)
            Line(Px(ScreenY(yMin_ + k * step)));
        return;
    }
    for (int d = static_cast<int>(std::floor(lgYMin_)); d < lgYMax_; ++d) {
        const double lo = std::pow(10.0, d), hi = std::pow(10.0, d + 1);
        Line(Px(ScreenY(lo)));
        for (int j = 1; j <= numHorzGrid_; ++j)
            Line(Px(ScreenY(lo + j * (hi - lo) / (numHorzGrid_ + 1))));
    }
}

// Calls Line with the page column of every vertical grid line and whether it
// starts a decade: on a linear X axis the frequency grid (1 to 10 times each
// power of ten from 10 Hz up), on a log X axis the decade scheme.
void LMyFFTDrawHpLp6dB::VisitVertGrid(const std::function<void(int, bool)> &Line)
{
    if (xAxisFormat_ == TMyAxisFormat::Linear) {
        for (int a = 1; a <= 14; ++a)
            for (int m = 1; m <= 10; ++m)
                Line(Px(ScreenX(Bin(m * std::pow(10.0, a)))), m == 1);
        return;
    }
    for (int d = static_cast<int>(std::floor(lgXMin_)); d < lgXMax_; ++d) {
        const double lo = std::pow(10.0, d), hi = std::pow(10.0, d + 1);
        Line(Px(ScreenX(lo)), false);
        for (int j = 1; j <= numVertGrid_; ++j)
            Line(Px(ScreenX(lo + j * (hi - lo) / (numVertGrid_ + 1))), false);
    }
}

void LMyFFTDrawHpLp6dB::DrawGrid()
{
    if (PutOff())
        return;
    RenderPlotPage();
    DrawGridLines();
}

void LMyFFTDrawHpLp6dB::DrawGridLines()
{
    if (!laidOut_)
        return;
    TCanvas *c = plotPage_.Canvas();
    const int w = plotPage_.Width(), h = plotPage_.Height();
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(gridColor_);
    if (showHorzGrid_)
        VisitHorzGrid([&](int y) {
            c->MoveTo(0, y);
            c->LineTo(w, y);
        });
    if (showVertGrid_) {
        const bool linear = xAxisFormat_ == TMyAxisFormat::Linear;
        VisitVertGrid([&](int x, bool decade) {
            c->Pen()->SetColor(linear && decade ? axisColor_ : gridColor_);
            c->MoveTo(x, 0);
            c->LineTo(x, h);
        });
    }
}

void LMyFFTDrawHpLp6dB::DrawTicks()
{
    if (PutOff())
        return;
    RenderPlotPage();
    DrawTickMarks();
}

void LMyFFTDrawHpLp6dB::DrawTickMarks()
{
    if (!laidOut_)
        return;
    TCanvas *c = plotPage_.Canvas();
    const int h = plotPage_.Height();
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(axisColor_);
    if (showHorzTicks_)
        VisitHorzGrid([&](int y) {
            c->MoveTo(0, y);
            c->LineTo(horzTickLength_, y);
        });
    if (showVertTicks_) {
        const int reach = xAxisFormat_ == TMyAxisFormat::Linear ? vertTickLength_ + 2 : vertTickLength_;
        VisitVertGrid([&](int x, bool) {
            c->MoveTo(x, h);
            c->LineTo(x, h - reach);
        });
    }
}

void LMyFFTDrawHpLp6dB::DrawAxis()
{
    if (PutOff())
        return;
    RenderPlotPage();
    DrawAxisLines();
}

void LMyFFTDrawHpLp6dB::DrawAxisLines()
{
    if (!Drawable())
        return;
    TCanvas *c = plotPage_.Canvas();
    const int w = plotPage_.Width(), h = plotPage_.Height();
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(axisColor_);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(axisColor_);
    const bool box = axisStyle_ == TMyAxisStyle::Box || axisStyle_ == TMyAxisStyle::CenteredBox;
    const bool centred = axisStyle_ == TMyAxisStyle::Centered || axisStyle_ == TMyAxisStyle::CenteredBox;
    if (box)
        c->FrameRect(plotPage_.Source());
    if (centred) {
        if (yMax_ != yMin_) {
            const int y = Px(ScreenY(0));
            c->MoveTo(0, y);
            c->LineTo(w, y);
        }
        if (xMax_ != xMin_) {
            const int x = Px(ScreenX(0));
            c->MoveTo(x, 0);
            c->LineTo(x, h);
        }
    }
    if (axisStyle_ == TMyAxisStyle::LB) {
        c->MoveTo(0, 0);
        c->LineTo(0, h - 1);
        c->LineTo(w, h - 1);
    }
}

void LMyFFTDrawHpLp6dB::DrawXAxisLabels()
{
    if (!showXLabel_ || !laidOut_ || PutOff())
        return;
    xLabelPage_.Clear(Color());
    xLabelPage_.UseFont(&axisLabelFont_);
    TCanvas *c = xLabelPage_.Canvas();
    const int count = Width() >= 800 ? 10 : 4;
    const double n = 256.0 * (1 << static_cast<int>(fftNumber_));
    const double logF = std::log10(24000.0 * (static_cast<int>(sampleRate_) + 1));
    for (int i = 0; i < count; ++i) {
        const double li = XLabelLogs[i];
        const double f = std::pow(10.0, li);
        const QString text = f < 1000
                                 ? FormatNumber(f, xLabelFormat_, xLabelPrecision_, xLabelDigits_) + QStringLiteral("Hz")
                                 : FormatNumber(f * 0.001, xLabelFormat_, xLabelPrecision_, xLabelDigits_) +
                                       QStringLiteral("K") + QStringLiteral("Hz");
        c->TextOut(Px(ScreenX(n * li / logF) - c->TextWidth(text) * 0.5), 1, text);
    }
    UpdatePaintPage(&xLabelPage_);
}

void LMyFFTDrawHpLp6dB::DrawYAxisLabels()
{
    if (!showYLabel_ || !laidOut_ || PutOff())
        return;
    yLabelPage_.Clear(Color());
    yLabelPage_.UseFont(&axisLabelFont_);
    TCanvas *c = yLabelPage_.Canvas();
    const int pw = yLabelPage_.Width();
    auto number = [&](double v) { return FormatNumber(v, yLabelFormat_, yLabelPrecision_, yLabelDigits_); };
    auto put = [&](const QString &text, int y) { c->TextOut(pw - c->TextWidth(text) - 2, y, text); };
    if (yAxisFormat_ == TMyAxisFormat::Linear) {
        put(QStringLiteral("+") + number(yMax_ * yLabelScale_) + yLabel_, 0);
        const QString bottom = number(yMin_ * yLabelScale_) + yLabel_;
        put(bottom, Px(ScreenY(yMin_) - c->TextHeight(bottom)));
        const double step = (yMax_ - yMin_) / (numHorzGrid_ + 1);
        for (int k = 2; k <= numHorzGrid_; k += 2) {
            const double v = yMin_ + k * step;
            const QString text = (v > 0 ? QStringLiteral("+") : QString()) + number(v * yLabelScale_) + yLabel_;
            put(text, Px(ScreenY(v) - c->TextHeight(text) / 2.0));
        }
    } else {
        for (int e = static_cast<int>(std::floor(lgYMin_)) + 1; e < lgYMax_; ++e) {
            const QString text = number(std::pow(10.0, e * yLabelScale_)) + yLabel_;
            put(text, Px(ScreenY(std::pow(10.0, e)) - c->TextHeight(text) / 2.0));
        }
    }
    UpdatePaintPage(&yLabelPage_);
}

void LMyFFTDrawHpLp6dB::DrawTitles()
{
    if (!laidOut_ || PutOff())
        return;
    plotTitlePage_.Clear(Color());
    if (showPlotTitle_) {
        plotTitlePage_.UseFont(&plotTitleFont_);
        TCanvas *c = plotTitlePage_.Canvas();
        const int tw = c->TextWidth(plotTitle_), th = c->TextHeight(plotTitle_);
        c->TextOut((plotPage_.Width() - tw) / 2 + plotPage_.Dest().Left, plotTitlePage_.Height() - (3 * th) / 2,
                   plotTitle_);
    }
    UpdatePaintPage(&plotTitlePage_);
    if (showXTitle_) {
        xTitlePage_.Clear(Color());
        xTitlePage_.UseFont(&axisTitleFont_);
        TCanvas *c = xTitlePage_.Canvas();
        const int tw = c->TextWidth(xTitle_), th = c->TextHeight(xTitle_);
        c->TextOut((xTitlePage_.Width() - tw) / 2, xTitlePage_.Height() - (3 * th) / 2, xTitle_);
        UpdatePaintPage(&xTitlePage_);
    }
    if (showYTitle_) {
        yTitlePage_.Clear(Color());
        yTitleScratchPage_.Clear(Color());
        yTitlePage_.UseFont(&axisTitleFont_);
        yTitleScratchPage_.UseFont(&axisTitleFont_);
        TCanvas *c = yTitlePage_.Canvas();
        const int tw = c->TextWidth(yTitle_), th = c->TextHeight(yTitle_);
        c->TextOut(th / 2, (plotPage_.Height() - tw) / 2, yTitle_);
        yTitleScratchPage_.Canvas()->TextOut(0, 0, yTitle_);
        UpdatePaintPage(&yTitlePage_);
    }
    rightMarginPage_.Clear(Color());
    UpdatePaintPage(&rightMarginPage_);
}
