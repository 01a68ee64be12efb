#include "LMyFFTDrawHpLp6dB.h"

#include "WinControl.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(TComponent *AOwner) : TScreenImagePaintBox(AOwner)
{
    SetProperties();
    Initialize();
}

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(LMyFFTDrawHpLp6dB &Other) : TScreenImagePaintBox(Other.Owner())
{
    SetProperties();
    Initialize();
    AssignPlot(&Other);
}

LMyFFTDrawHpLp6dB::~LMyFFTDrawHpLp6dB()
{
    CleanUp();
}

void LMyFFTDrawHpLp6dB::SetProperties()
{
    SetBounds(Left(), Top(), 500, 250);
    SetColor(clBlack);
    xTitle_ = QStringLiteral("Frequency ");
    yTitle_ = QStringLiteral("dB");
    yLabel_ = QStringLiteral("dB");
    plotTitle_ = QStringLiteral("Frequency Response");
    freeText_.clear();
    markerShown_ = false;
    curveDisplay_ = false;
}

void LMyFFTDrawHpLp6dB::Initialize()
{
    plots_ = std::make_unique<TPlotList>();
    plotTitleFont_.SetColor(clLime);
    axisTitleFont_.SetColor(clLime);
    axisLabelFont_.SetColor(clYellow);
    mouseCoordFont_.SetColor(clLime);
}

void LMyFFTDrawHpLp6dB::CleanUp()
{
    if (plots_)
        plots_->Clear();
}

void LMyFFTDrawHpLp6dB::Change()
{
    if (OnChange)
        OnChange(this);
}

// --- Curves

bool LMyFFTDrawHpLp6dB::FFTDraw(const double *X, const double *Y, int Count, int Key, TColor Colour,
                                TMyPlotStyle Style)
{
    const bool existed = plots_->AddOrReplace(X, Y, Count, Key, Colour, Style);
    FindXMaxMin();
    FindYMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabelsNoUpdate();
    return existed;
}

bool LMyFFTDrawHpLp6dB::FFTDraw(const double *Y, int Count, int Key, TColor Colour, TMyPlotStyle Style)
{
    std::vector<double> x(static_cast<size_t>(std::max(Count, 0)));
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<double>(i);
    return FFTDraw(x.data(), Y, Count, Key, Colour, Style);
}

bool LMyFFTDrawHpLp6dB::FFTDraw(const double *Y, int Count, double XFrom, double XTo, int Key, TColor Colour,
                                TMyPlotStyle Style)
{
    std::vector<double> x(static_cast<size_t>(std::max(Count, 0)));
    const double step = Count > 1 ? (XTo - XFrom) / (Count - 1) : 0.0;
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = XFrom + static_cast<double>(i) * step;
    return FFTDraw(x.data(), Y, Count, Key, Colour, Style);
}

bool LMyFFTDrawHpLp6dB::RemovePlot(int Key)
{
    if (!plots_->Remove(Key))
        return false;
    FindXMaxMin();
    FindYMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabelsNoUpdate();
    return true;
}

bool LMyFFTDrawHpLp6dB::SetPlotColor(TColor Colour, int Key)
{
    TPlotListMember *m = nullptr;
    if (!plots_->Find(m, Key))
        return false;
    m->Colour = Colour;
    DrawOnePlot(m);
    RedrawScreen();
    return true;
}

bool LMyFFTDrawHpLp6dB::SetPlotStyle(TMyPlotStyle Style, int Key)
{
    TPlotListMember *m = nullptr;
    if (!plots_->Find(m, Key))
        return false;
    m->Style = Style;
    if (autoRedraw_)
        DrawAllPlots();
    return true;
}

bool LMyFFTDrawHpLp6dB::GetPlotColor(TColor &Colour, int Key) const
{
    TPlotListMember *m = nullptr;
    if (!plots_->Find(m, Key))
        return false;
    Colour = m->Colour;
    return true;
}

bool LMyFFTDrawHpLp6dB::GetPlotStyle(TMyPlotStyle &Style, int Key) const
{
    TPlotListMember *m = nullptr;
    if (!plots_->Find(m, Key))
        return false;
    Style = m->Style;
    return true;
}

bool LMyFFTDrawHpLp6dB::GetPlotNumPoints(int &Count, int Key) const
{
    TPlotListMember *m = nullptr;
    if (!plots_->Find(m, Key))
        return false;
    Count = m->Count();
    return true;
}

bool LMyFFTDrawHpLp6dB::GetPlotX(double *Values, int Key) const
{
    TPlotListMember *m = nullptr;
    if (!plots_->Find(m, Key) || !Values)
        return false;
    std::copy(m->X.begin(), m->X.end(), Values);
    return true;
}

bool LMyFFTDrawHpLp6dB::GetPlotY(double *Values, int Key) const
{
    TPlotListMember *m = nullptr;
    if (!plots_->Find(m, Key) || !Values)
        return false;
    std::copy(m->Y.begin(), m->Y.end(), Values);
    return true;
}

bool LMyFFTDrawHpLp6dB::SetPlotWidth(int Width)
{
    plotPage_.Bitmap()->SetWidth(Width);
    return true;
}

void LMyFFTDrawHpLp6dB::AssignPlot(LMyFFTDrawHpLp6dB *Other)
{
    if (!Other)
        return;
    // Copied before this control lets its own curves go: Other may be this.
    auto copy = std::make_unique<TPlotList>(*Other->plots_);
    CleanUp();
    Initialize();
    plots_ = std::move(copy);
    AssignPlotProperties(Other);
    FindXMaxMin();
    FindYMaxMin();
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::AssignPlotData(LMyFFTDrawHpLp6dB *Other)
{
    if (!Other)
        return;
    plots_ = std::make_unique<TPlotList>(*Other->plots_);
    FindXMaxMin();
    FindYMaxMin();
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::AppendPlotData(LMyFFTDrawHpLp6dB *Other)
{
    if (!Other)
        return;
    plots_->AddAll(*Other->plots_);
    FindXMaxMin();
    FindYMaxMin();
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::AssignPlotProperties(LMyFFTDrawHpLp6dB *Other)
{
    if (!Other || Other == this)
        return;
    autoRedraw_ = Other->autoRedraw_;
    axisColor_ = Other->axisColor_;
    axisStyle_ = Other->axisStyle_;
    xAxisFormat_ = Other->xAxisFormat_;
    yAxisFormat_ = Other->yAxisFormat_;
    showXLabel_ = Other->showXLabel_;
    showYLabel_ = Other->showYLabel_;
    showCoordinates_ = Other->showCoordinates_;
    yAutoScale_ = Other->yAutoScale_;
    xAutoScale_ = Other->xAutoScale_;
    yLabelScale_ = Other->yLabelScale_;
    yMax_ = Other->yMax_;
    yMin_ = Other->yMin_;
    xMax_ = Other->xMax_;
    xMin_ = Other->xMin_;
    xLabelPrecision_ = Other->xLabelPrecision_;
    yLabelPrecision_ = Other->yLabelPrecision_;
    xLabelDigits_ = Other->xLabelDigits_;
    yLabelDigits_ = Other->yLabelDigits_;
    xLabelFormat_ = Other->xLabelFormat_;
    yLabelFormat_ = Other->yLabelFormat_;
    pointSize_ = Other->pointSize_;
    showVertGrid_ = Other->showVertGrid_;
    showHorzGrid_ = Other->showHorzGrid_;
    showVertTicks_ = Other->showVertTicks_;
    showHorzTicks_ = Other->showHorzTicks_;
    vertTickLength_ = Other->vertTickLength_;
    horzTickLength_ = Other->horzTickLength_;
    numVertGrid_ = Other->numVertGrid_;
    numHorzGrid_ = Other->numHorzGrid_;
    gridColor_ = Other->gridColor_;
    mouseControl_ = Other->mouseControl_;
    showXTitle_ = Other->showXTitle_;
    showYTitle_ = Other->showYTitle_;
    showPlotTitle_ = Other->showPlotTitle_;
    xTitle_ = Other->xTitle_;
    yTitle_ = Other->yTitle_;
    yLabel_ = Other->yLabel_;
    plotTitle_ = Other->plotTitle_;
    plotTitleFont_.Assign(&Other->plotTitleFont_);
    axisTitleFont_.Assign(&Other->axisTitleFont_);
    axisLabelFont_.Assign(&Other->axisLabelFont_);
    mouseCoordFont_.Assign(&Other->mouseCoordFont_);
    fftNumber_ = Other->fftNumber_;
    lgXMin_ = Other->lgXMin_;
    lgXMax_ = Other->lgXMax_;
    lgYMin_ = Other->lgYMin_;
    lgYMax_ = Other->lgYMax_;
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetXYMinMax(double XMin, double XMax, double YMin, double YMax)
{
    xMin_ = XMin;
    xMax_ = XMax;
    yMin_ = YMin;
    yMax_ = YMax;
    CalculateLogMaxMin();
    CompareMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

// --- Axis mapping

double LMyFFTDrawHpLp6dB::Bin(double Frequency) const
{
    const double n = 256.0 * (1 << static_cast<int>(fftNumber_));
    const double f = 24000.0 * (static_cast<int>(sampleRate_) + 1);
    return n * std::log10(Frequency) / std::log10(f);
}

double LMyFFTDrawHpLp6dB::ScreenX(double X) const
{
    const double w = plotPage_.Width();
    if (xAxisFormat_ == TMyAxisFormat::Linear)
        return w * (X - xMin_) / (xMax_ - xMin_);
    const double lx = X > 0 ? std::log10(X) : std::log10(0.1 * xMin_);
    return w * (lx - lgXMin_) / (lgXMax_ - lgXMin_);
}

double LMyFFTDrawHpLp6dB::ScreenY(double Y) const
{
    const double h = plotPage_.Height();
    if (yAxisFormat_ == TMyAxisFormat::Linear)
        return h - h * (Y - yMin_) / (yMax_ - yMin_);
    const double ly = Y > 0 ? std::log10(Y) : std::log10(0.1 * yMin_);
    return h - h * (ly - lgYMin_) / (lgYMax_ - lgYMin_);
}

int LMyFFTDrawHpLp6dB::Px(double V)
{
    const double limit = std::numeric_limits<int>::max() / 4;
    if (std::isnan(V))
        return static_cast<int>(limit);
    return static_cast<int>(std::trunc(std::clamp(V, -limit, limit)));
}

// --- Range upkeep

void LMyFFTDrawHpLp6dB::CompareMaxMin()
{
    if (yMax_ == yMin_)
        yMax_ = yAxisFormat_ == TMyAxisFormat::Log ? yMin_ * 10 : yMin_ + 1;
    if (xMax_ == xMin_)
        xMax_ = xAxisFormat_ == TMyAxisFormat::Log ? xMin_ * 10 : xMin_ + 1;
}

void LMyFFTDrawHpLp6dB::CalculateLogMaxMin()
{
    if (xAxisFormat_ == TMyAxisFormat::Log) {
        if (xMax_ <= 0)
            xMax_ = 10;
        if (xMin_ <= 0)
            xMin_ = 0.1 * xMax_;
        lgXMin_ = std::log10(xMin_);
        lgXMax_ = std::log10(xMax_);
    }
    if (yAxisFormat_ == TMyAxisFormat::Log) {
        if (yMax_ <= 0)
            yMax_ = 10;
        if (yMin_ <= 0)
            yMin_ = 0.01 * yMax_;
        lgYMin_ = std::log10(yMin_);
        lgYMax_ = std::log10(yMax_);
    }
}

namespace {

// The smallest and largest finite value of one coordinate over all curves;
// false when no curve has a finite point.
bool CurveExtent(const TPlotList &List, bool UseX, double &Lo, double &Hi)
{
    bool any = false;
    for (const TPlotListMember *m = List.Head(); m; m = m->Next.get()) {
        for (double v : UseX ? m->X : m->Y) {
            if (!std::isfinite(v))
                continue;
            if (!any) {
                Lo = Hi = v;
                any = true;
            } else if (v < Lo) {
                Lo = v;
            } else if (v > Hi) {
                Hi = v;
            }
        }
    }
    return any;
}

} // namespace

void LMyFFTDrawHpLp6dB::FindXMaxMin()
{
    if (!xAutoScale_)
        return;
    if (!CurveExtent(*plots_, true, xMin_, xMax_)) {
        xMin_ = -1;
        xMax_ = 1;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

void LMyFFTDrawHpLp6dB::FindYMaxMin()
{
    if (!yAutoScale_)
        return;
    if (!CurveExtent(*plots_, false, yMin_, yMax_)) {
        yMin_ = -1;
        yMax_ = 1;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

// --- Plot page

void LMyFFTDrawHpLp6dB::DrawAllPlots()
{
    if (Drawable())
        plotDirty_ = true;
}

bool LMyFFTDrawHpLp6dB::InHiddenParent() const
{
    for (const TControl *p = Parent(); p; p = p->Parent())
        if (!p->Visible())
            return true;
    return false;
}

bool LMyFFTDrawHpLp6dB::PutOff()
{
    if (forceDraw_ > 0 || !InHiddenParent())
        return false;
    drawPutOff_ = true;
    return true;
}

void LMyFFTDrawHpLp6dB::CatchUp()
{
    if (!drawPutOff_ || forceDraw_ > 0)
        return;
    ForcedDrawing forced(*this);
    drawPutOff_ = false;
    Redraw();
}

bool LMyFFTDrawHpLp6dB::HoldsPixels() const
{
    for (const TPaintPage *p : {&plotPage_, &xLabelPage_, &xTitlePage_, &yLabelPage_, &yTitlePage_,
                                &yTitleScratchPage_, &plotTitlePage_, &rightMarginPage_, &coordPage_})
        if (p->Sized() && !p->Empty())
            return true;
    return ScreenMade();
}

TPaintPage *LMyFFTDrawHpLp6dB::PlotPage()
{
    CatchUp();
    ForcedDrawing forced(*this);
    RenderPlotPage();
    return &plotPage_;
}

void LMyFFTDrawHpLp6dB::RenderPlotPage()
{
    if (!plotDirty_ || PutOff())
        return;
    plotDirty_ = false;
    if (!Drawable())
        return;
    plotPage_.Clear(Color());
    DrawGridLines();
    DrawTickMarks();
    DrawAxisLines();
    for (const TPlotListMember *m = plots_->Head(); m; m = m->Next.get())
        DrawCurve(m);
}

void LMyFFTDrawHpLp6dB::DrawOnePlot(const TPlotListMember *Member)
{
    if (PutOff())
        return;
    RenderPlotPage();
    DrawCurve(Member);
}

void LMyFFTDrawHpLp6dB::DrawCurve(const TPlotListMember *Member)
{
    if (!Member || !Drawable())
        return;
    TCanvas *c = plotPage_.Canvas();
    const int style = static_cast<int>(Member->Style);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetMode(pmCopy);
    c->Pen()->SetWidth(2);
    c->Pen()->SetColor(Member->Colour);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(style == 1 || style == 3 ? Member->Colour : Color());
    const int w = plotPage_.Width(), h = plotPage_.Height();
    const bool line = style == 0 || style == 3 || style == 4;
    const bool squares = style >= 1 && style <= 4;
    const int s = pointSize_;
    // A point more than twice the page size off the page, or not a number,
    // is not joined to its neighbours: the line breaks there.
    std::vector<TPoint> run;
    run.reserve(Member->Y.size());
    auto flush = [&] {
        if (run.size() >= 2)
            c->Polyline(run.data(), run.size());
        run.clear();
    };
    for (size_t i = 0; i < Member->Y.size(); ++i) {
        const TPoint p(Px(ScreenX(Member->X[i])), Px(ScreenY(Member->Y[i])));
        if (p.X < -2LL * w || p.X >= 3LL * w || p.Y < -2LL * h || p.Y >= 3LL * h) {
            flush();
            continue;
        }
        if (!squares) {
            run.push_back(p);
            continue;
        }
        if (line && !run.empty()) {
            c->MoveTo(run.back().X, run.back().Y);
            c->LineTo(p.X, p.Y);
        }
        c->Rectangle(p.X - s, p.Y - s, p.X + s, p.Y + s);
        run.assign(1, p);
    }
    if (!squares)
        flush();
    c->MoveTo(0, 0);
}

// --- Redraw operations

void LMyFFTDrawHpLp6dB::DrawPlotsAndLabelsNoUpdate()
{
    DrawAllPlots();
    DrawXAxisLabels();
    DrawYAxisLabels();
}

void LMyFFTDrawHpLp6dB::DrawPlotsAndLabels()
{
    DrawPlotsAndLabelsNoUpdate();
    UpdatePaintPage(&plotPage_);
}

void LMyFFTDrawHpLp6dB::Redraw()
{
    DrawPlotsAndLabels();
    DrawTitles();
}

void LMyFFTDrawHpLp6dB::RedrawScreen()
{
    if (showXLabel_)
        UpdatePaintPage(&xLabelPage_);
    if (showXTitle_)
        UpdatePaintPage(&xTitlePage_);
    if (showYLabel_)
        UpdatePaintPage(&yLabelPage_);
    if (showYTitle_)
        UpdatePaintPage(&yTitlePage_);
    if (showPlotTitle_)
        UpdatePaintPage(&plotTitlePage_);
    UpdatePaintPage(&rightMarginPage_);
    UpdatePaintPage(&plotPage_);
}

void LMyFFTDrawHpLp6dB::ClearPlot()
{
    if (!laidOut_ || PutOff())
        return;
    if (showXLabel_)
        xLabelPage_.Clear(Color());
    if (showXTitle_)
        xTitlePage_.Clear(Color());
    if (showYLabel_)
        yLabelPage_.Clear(Color());
    if (showYTitle_) {
        yTitlePage_.Clear(Color());
        yTitleScratchPage_.Clear(Color());
    }
    if (showPlotTitle_)
        plotTitlePage_.Clear(Color());
    rightMarginPage_.Clear(Color());
    plotDirty_ = false;
    plotPage_.Clear(Color());
}

void LMyFFTDrawHpLp6dB::UpdatePaintPage(TPaintPage *Page)
{
    if (!Page || !laidOut_ || PutOff())
        return;
    if (Page != &plotPage_) {
        if (!Page->Empty())
            CopyToScreen(Page->Dest(), Page->Canvas(), Page->Source());
        return;
    }
    RenderPlotPage();
    if (plotPage_.Empty())
        return;
    ScreenCanvas()->CopyRect(plotPage_.Dest(), plotPage_.Canvas(), plotPage_.Source());
    ComposeOverlays();
    if (!Canvas()->HandleAllocated())
        Invalidate();
}

// A paint draws everything, so nothing stays put off.
void LMyFFTDrawHpLp6dB::Paint()
{
    ForcedDrawing forced(*this);
    drawPutOff_ = false;
    if (Width() != lastPaintedWidth_ || Height() != lastPaintedHeight_) {
        lastPaintedWidth_ = Width();
        lastPaintedHeight_ = Height();
        ResizePaintPage();
    }
    Redraw();
    TScreenImagePaintBox::Paint();
}

// --- Properties

void LMyFFTDrawHpLp6dB::SetAutoRedraw(bool Value)
{
    autoRedraw_ = Value;
    if (Value)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetAxisColor(TColor Value)
{
    axisColor_ = Value;
    DrawAxis();
}

void LMyFFTDrawHpLp6dB::SetAxisStyle(TMyAxisStyle Value)
{
    axisStyle_ = Value;
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetXAxisFormat(TMyAxisFormat Value)
{
    xAxisFormat_ = Value;
    FindXMaxMin();
    if (Value == TMyAxisFormat::Log) {
        if (xMax_ <= 0) {
            xMin_ = 1;
            xMax_ = 10;
        } else if (xMin_ <= 0) {
            xMin_ = 0.1 * xMax_;
        }
        CalculateLogMaxMin();
    }
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetYAxisFormat(TMyAxisFormat Value)
{
    yAxisFormat_ = Value;
    FindYMaxMin();
    if (Value == TMyAxisFormat::Log) {
        if (yMax_ <= 0) {
            yMin_ = 1;
            yMax_ = 10;
        } else if (yMin_ <= 0) {
            yMin_ = 0.1 * yMax_;
        }
        CalculateLogMaxMin();
    }
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetShowXLabel(bool Value)
{
    showXLabel_ = Value;
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetShowYLabel(bool Value)
{
    showYLabel_ = Value;
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetShowCoordinates(bool Value)
{
    showCoordinates_ = Value;
    if (Visible() && autoRedraw_ && laidOut_ && !PutOff()) {
        coordPage_.Clear(Color());
        UpdatePaintPage(&coordPage_);
        DrawAllPlots();
    }
}

void LMyFFTDrawHpLp6dB::SetYAutoScale(bool Value)
{
    yAutoScale_ = Value;
    FindYMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetXAutoScale(bool Value)
{
    xAutoScale_ = Value;
    FindXMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetPointSize(int Value)
{
    pointSize_ = std::clamp(Value, 1, 10);
    if (autoRedraw_)
        DrawAllPlots();
}

void LMyFFTDrawHpLp6dB::SetYLabelScale(double Value)
{
    yLabelScale_ = Value;
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetYMax(double Value)
{
    yMax_ = Value;
    CompareMaxMin();
    CalculateLogMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetYMin(double Value)
{
    yMin_ = Value;
    CompareMaxMin();
    CalculateLogMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetXMax(double Value)
{
    xMax_ = Value;
    CompareMaxMin();
    CalculateLogMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetXMin(double Value)
{
    xMin_ = Value;
    CompareMaxMin();
    CalculateLogMaxMin();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetXLabelPrecision(int Value)
{
    xLabelPrecision_ = Value;
    SetShowXLabel(showXLabel_);
}

void LMyFFTDrawHpLp6dB::SetYLabelPrecision(int Value)
{
    yLabelPrecision_ = Value;
    SetShowYLabel(showYLabel_);
}

void LMyFFTDrawHpLp6dB::SetXLabelDigits(int Value)
{
    xLabelDigits_ = Value;
    SetShowXLabel(showXLabel_);
}

void LMyFFTDrawHpLp6dB::SetYLabelDigits(int Value)
{
    yLabelDigits_ = Value;
    SetShowYLabel(showYLabel_);
}

void LMyFFTDrawHpLp6dB::SetXLabelFormat(TStringFloatFormat Value)
{
    xLabelFormat_ = Value;
    SetShowXLabel(showXLabel_);
}

void LMyFFTDrawHpLp6dB::SetYLabelFormat(TStringFloatFormat Value)
{
    yLabelFormat_ = Value;
    SetShowYLabel(showYLabel_);
}

void LMyFFTDrawHpLp6dB::SetShowVertGrid(bool Value)
{
    showVertGrid_ = Value;
    if (autoRedraw_)
        DrawAllPlots();
}

void LMyFFTDrawHpLp6dB::SetShowHorzGrid(bool Value)
{
    showHorzGrid_ = Value;
    if (autoRedraw_)
        DrawAllPlots();
}

void LMyFFTDrawHpLp6dB::SetNumVertGrid(int Value)
{
    numVertGrid_ = std::max(Value, 0);
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetNumHorzGrid(int Value)
{
    numHorzGrid_ = std::max(Value, 0);
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetShowVertTicks(bool Value)
{
    showVertTicks_ = Value;
    if (autoRedraw_)
        DrawAllPlots();
}

void LMyFFTDrawHpLp6dB::SetShowHorzTicks(bool Value)
{
    showHorzTicks_ = Value;
    if (autoRedraw_)
        DrawAllPlots();
}

void LMyFFTDrawHpLp6dB::SetVertTickLength(int Value)
{
    vertTickLength_ = std::clamp(Value, 0, std::max(Height(), 0));
    if (autoRedraw_)
        DrawAllPlots();
}

void LMyFFTDrawHpLp6dB::SetHorzTickLength(int Value)
{
    horzTickLength_ = std::clamp(Value, 0, std::max(Width(), 0));
    if (autoRedraw_)
        DrawAllPlots();
}

void LMyFFTDrawHpLp6dB::SetGridColor(TColor Value)
{
    gridColor_ = Value;
    if (autoRedraw_)
        DrawAllPlots();
}

void LMyFFTDrawHpLp6dB::SetShowXTitle(bool Value)
{
    showXTitle_ = Value;
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetShowYTitle(bool Value)
{
    showYTitle_ = Value;
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetShowPlotTitle(bool Value)
{
    showPlotTitle_ = Value;
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetXTitle(const QString &Value)
{
    xTitle_ = Value;
    if (autoRedraw_)
        DrawTitles();
}

void LMyFFTDrawHpLp6dB::SetYTitle(const QString &Value)
{
    yTitle_ = Value;
    ResizePaintPage();
    if (autoRedraw_)
        DrawTitles();
}

void LMyFFTDrawHpLp6dB::SetYLabel(const QString &Value)
{
    yLabel_ = Value;
    ResizePaintPage();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::SetPlotTitle(const QString &Value)
{
    plotTitle_ = Value;
    if (autoRedraw_)
        DrawTitles();
}

void LMyFFTDrawHpLp6dB::SetPlotTitleFont(TFont *Value)
{
    plotTitleFont_.Assign(Value);
    plotTitlePage_.UseFont(&plotTitleFont_);
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetAxisTitleFont(TFont *Value)
{
    axisTitleFont_.Assign(Value);
    xTitlePage_.UseFont(&axisTitleFont_);
    yTitlePage_.UseFont(&axisTitleFont_);
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetAxisLabelFont(TFont *Value)
{
    axisLabelFont_.Assign(Value);
    xLabelPage_.UseFont(&axisLabelFont_);
    yLabelPage_.UseFont(&axisLabelFont_);
    ResizePaintPage();
    if (autoRedraw_)
        Redraw();
}

void LMyFFTDrawHpLp6dB::SetMouseCoordFont(TFont *Value)
{
    mouseCoordFont_.Assign(Value);
    coordPage_.UseFont(&mouseCoordFont_);
    ResizePaintPage();
    if (autoRedraw_)
        DrawPlotsAndLabels();
}
