#pragma once
#include "FloatFormat.h"
#include "PaintPage.h"
#include "PlotList.h"
#include "ScreenImagePaintBox.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

enum class TMyAxisStyle { Box, Centered, CenteredBox, LB, None };
enum class TMyAxisFormat { Linear, Log };
// N = 256 x 2^value bins across F.
enum TFFTNumber { n256, n512, n1024, n2048, n4096 };
// F = 24000 x (value + 1) Hz.
enum TSampleRate { n48000, n96000, n192000 };
enum TStringFloatFormat : unsigned char { sffGeneral, sffExponent, sffFixed, sffNumber, sffCurrency };

// The frequency-response plot of the channel pages. It draws curves that its
// owner computes (x in bins: bin(f) = N log10(f) / log10(F)), over a
// frequency grid with axis labels and optional titles, and over them the band
// handles, the selected band's parameter text and translucent fill, a marker
// line and a free text.
//
// Everything is built in off-screen pages (a plot page and eight for labels,
// titles, margin and mouse coordinates) and copied onto the control's screen
// image. The plot page holds only what the curve redraw puts there; the
// overlays are composed over a copy of it each time it reaches the screen,
// so a repaint shows the same pixels however often it runs.
//
// Layout runs when the size or a layout setting changes; while the control
// is too small for a plot page, no page is placed and nothing is drawn.
//
// While a window or frame that holds the control is hidden, drawing is put
// off: the pages keep no pixels and the next paint, or the first read of the
// screen image or a page, draws everything from the control's state.
class LMyFFTDrawHpLp6dB : public TScreenImagePaintBox {
public:
    static constexpr int BandSlots = 50;
    static constexpr int FillPoints = 4096;

    explicit LMyFFTDrawHpLp6dB(TComponent *AOwner);
    // A control of Other's owner with Other's curves (in reverse order) and settings.
    LMyFFTDrawHpLp6dB(LMyFFTDrawHpLp6dB &Other);
    ~LMyFFTDrawHpLp6dB() override;

    // --- Curves
    // Adds or replaces the curve under Key (true when it existed; a replaced
    // curve keeps its colour and style); auto-scales; redraws the plot and
    // labels when AutoRedraw, leaving the plot page's copy to UpdateCurvePage.
    bool FFTDraw(const double *X, const double *Y, int Count, int Key, TColor Colour, TMyPlotStyle Style);
    // x = 0 .. Count - 1.
    bool FFTDraw(const double *Y, int Count, int Key, TColor Colour, TMyPlotStyle Style);
    // x evenly from XFrom to XTo.
    bool FFTDraw(const double *Y, int Count, double XFrom, double XTo, int Key, TColor Colour, TMyPlotStyle Style);
    bool RemovePlot(int Key);
    bool SetPlotColor(TColor Colour, int Key);
    bool SetPlotStyle(TMyPlotStyle Style, int Key);
    bool GetPlotColor(TColor &Colour, int Key) const;
    bool GetPlotStyle(TMyPlotStyle &Style, int Key) const;
    bool GetPlotNumPoints(int &Count, int Key) const;
    // Copies all of the curve's values into Values (room for its point count).
    bool GetPlotX(double *Values, int Key) const;
    bool GetPlotY(double *Values, int Key) const;
    const TPlotList &Plots() const { return *plots_; }
    bool SetPlotWidth(int Width);
    int GetPlotWidth() const { return plotPage_.BitmapWidth(); }
    int GetPlotHeight() const { return plotPage_.BitmapHeight(); }

    void AssignPlot(LMyFFTDrawHpLp6dB *Other);
    void AssignPlotData(LMyFFTDrawHpLp6dB *Other);
    void AppendPlotData(LMyFFTDrawHpLp6dB *Other);
    void AssignPlotProperties(LMyFFTDrawHpLp6dB *Other);
    void SetXYMinMax(double XMin, double XMax, double YMin, double YMax);

    // --- Axis mapping: data value to plot page pixel. The FFT pair is the same.
    double ScreenX(double X) const;
    double ScreenY(double Y) const;
    double FFTScreenX(double X) const { return ScreenX(X); }
    double FFTScreenY(double Y) const { return ScreenY(Y); }
    // bin(f) with this control's N and F.
    double Bin(double Frequency) const;

    // --- Redraw
    void Redraw();
    void RedrawScreen();
    void ClearPlot();
    void DrawPlotsAndLabels();
    void DrawPlotsAndLabelsNoUpdate();
    void DrawAllPlots();
    void DrawOnePlot(const TPlotListMember *Member);
    // Copies the page to the screen image; the plot page goes there with the
    // overlays composed over it.
    void UpdatePaintPage(TPaintPage *Page);
    void UpdateCurvePage() { UpdatePaintPage(&plotPage_); }
    void FindXMaxMin();
    void FindYMaxMin();
    void CompareMaxMin();
    void CalculateLogMaxMin();

    // --- Layout, grid and labels
    void ResizePaintPage();
    void DrawGrid();
    void DrawTicks();
    void DrawAxis();
    void DrawXAxisLabels();
    void DrawYAxisLabels();
    void DrawTitles();
    // False while the control is too small for a plot page.
    bool LaidOut() const { return laidOut_; }

    // --- Band handles, parameter texts, fill, marker line, free text
    void DrawBlock(double Y, double X, TColor Colour, int Band, bool Hidden, int Style);
    int SetBlockParameter(int Band, double Frequency, double Gain, double Q, int Code);
    void DrawParam(int Type, double Gain, double X, float Frequency, double Q, TColor Colour);
    void ShowParam(int Type, double Gain, double X, float Frequency, double Q, TColor Colour);
    // At most FillPoints values are used.
    void DrawCurveFill(int Band, const double *Y, int Count);
    bool SetCurveDisplay(bool On);
    bool SetParameterDisplay(bool On);
    TPoint GetBlockPos(int Band) const;
    void SetBlockPosition(double PX, double PY, int Band);
    void DrawTextA(int X, int Y, int Size, TColor Colour, const QString &FontName, const QString &Text);
    void DrawLine(double X, TColor Colour, bool Square);
    void BlockPaint();
    void LinePaint();
    void TextPaint();
    void CuveDisplayPaint();

    // --- Mouse navigation (callers invoke these; the control's own mouse
    // input only fires its events)
    virtual void MouseDown1(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove1(TShiftState Shift, int X, int Y);
    virtual void MouseUp1(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DblClick1();
    // Control pixel to data value; 0 while there is no plot page.
    double PlotX(double PX) const;
    double PlotY(double PY) const;
    void DrawMouseCoord();
    // The zoom rubber band being dragged, or none.
    const TRect *ZoomRect() const { return zoomRect_.get(); }

    virtual void Change();
    TNotifyEvent OnChange;
    void Paint() override;

    // --- Pages (the plot page brought up to date first)
    TPaintPage *PlotPage();
    TPaintPage *XLabelPage() { return UpToDate(&xLabelPage_); }
    TPaintPage *YLabelPage() { return UpToDate(&yLabelPage_); }
    TPaintPage *XTitlePage() { return UpToDate(&xTitlePage_); }
    TPaintPage *YTitlePage() { return UpToDate(&yTitlePage_); }
    TPaintPage *YTitleScratchPage() { return UpToDate(&yTitleScratchPage_); }
    TPaintPage *RightMarginPage() { return UpToDate(&rightMarginPage_); }
    TPaintPage *PlotTitlePage() { return UpToDate(&plotTitlePage_); }
    TPaintPage *CoordinatePage() { return UpToDate(&coordPage_); }
    // Whether drawing waits for the control to be shown (see above).
    bool DrawingPutOff() const { return drawPutOff_; }
    // Whether the screen image or any page holds pixels.
    bool HoldsPixels() const;

    // --- Properties
    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool Value);
    TColor AxisColor() const { return axisColor_; }
    void SetAxisColor(TColor Value);
    TMyAxisStyle AxisStyle() const { return axisStyle_; }
    void SetAxisStyle(TMyAxisStyle Value);
    TMyAxisFormat XAxisFormat() const { return xAxisFormat_; }
    void SetXAxisFormat(TMyAxisFormat Value);
    TMyAxisFormat YAxisFormat() const { return yAxisFormat_; }
    void SetYAxisFormat(TMyAxisFormat Value);
    bool ShowXLabel() const { return showXLabel_; }
    void SetShowXLabel(bool Value);
    bool ShowYLabel() const { return showYLabel_; }
    void SetShowYLabel(bool Value);
    bool ShowCoordinates() const { return showCoordinates_; }
    void SetShowCoordinates(bool Value);
    bool YAutoScale() const { return yAutoScale_; }
    void SetYAutoScale(bool Value);
    bool XAutoScale() const { return xAutoScale_; }
    void SetXAutoScale(bool Value);
    bool MouseControl() const { return mouseControl_; }
    void SetMouseControl(bool Value) { mouseControl_ = Value; }
    int PointSize() const { return pointSize_; }
    void SetPointSize(int Value);
    double YLabelScale() const { return yLabelScale_; }
    void SetYLabelScale(double Value);
    double YMax() const { return yMax_; }
    void SetYMax(double Value);
    double YMin() const { return yMin_; }
    void SetYMin(double Value);
    double XMax() const { return xMax_; }
    void SetXMax(double Value);
    double XMin() const { return xMin_; }
    void SetXMin(double Value);
    double MouseX() const { return mouseX_; }
    double MouseY() const { return mouseY_; }
    int XLabelPrecision() const { return xLabelPrecision_; }
    void SetXLabelPrecision(int Value);
    int YLabelPrecision() const { return yLabelPrecision_; }
    void SetYLabelPrecision(int Value);
    int XLabelDigits() const { return xLabelDigits_; }
    void SetXLabelDigits(int Value);
    int YLabelDigits() const { return yLabelDigits_; }
    void SetYLabelDigits(int Value);
    TStringFloatFormat XLabelFormat() const { return xLabelFormat_; }
    void SetXLabelFormat(TStringFloatFormat Value);
    TStringFloatFormat YLabelFormat() const { return yLabelFormat_; }
    void SetYLabelFormat(TStringFloatFormat Value);
    bool ShowVertGrid() const { return showVertGrid_; }
    void SetShowVertGrid(bool Value);
    bool ShowHorzGrid() const { return showHorzGrid_; }
    void SetShowHorzGrid(bool Value);
    int NumVertGrid() const { return numVertGrid_; }
    void SetNumVertGrid(int Value);
    int NumHorzGrid() const { return numHorzGrid_; }
    void SetNumHorzGrid(int Value);
    bool ShowVertTicks() const { return showVertTicks_; }
    void SetShowVertTicks(bool Value);
    bool ShowHorzTicks() const { return showHorzTicks_; }
    void SetShowHorzTicks(bool Value);
    int VertTickLength() const { return vertTickLength_; }
    void SetVertTickLength(int Value);
    int HorzTickLength() const { return horzTickLength_; }
    void SetHorzTickLength(int Value);
    TColor GridColor() const { return gridColor_; }
    void SetGridColor(TColor Value);
    bool ShowXTitle() const { return showXTitle_; }
    void SetShowXTitle(bool Value);
    bool ShowYTitle() const { return showYTitle_; }
    void SetShowYTitle(bool Value);
    bool ShowPlotTitle() const { return showPlotTitle_; }
    void SetShowPlotTitle(bool Value);
    const QString &XTitle() const { return xTitle_; }
    void SetXTitle(const QString &Value);
    const QString &YTitle() const { return yTitle_; }
    void SetYTitle(const QString &Value);
    const QString &YLabel() const { return yLabel_; }
    void SetYLabel(const QString &Value);
    const QString &PlotTitle() const { return plotTitle_; }
    void SetPlotTitle(const QString &Value);
    TFont *PlotTitleFont() { return &plotTitleFont_; }
    void SetPlotTitleFont(TFont *Value);
    TFont *AxisTitleFont() { return &axisTitleFont_; }
    void SetAxisTitleFont(TFont *Value);
    TFont *AxisLabelFont() { return &axisLabelFont_; }
    void SetAxisLabelFont(TFont *Value);
    TFont *MouseCoordFont() { return &mouseCoordFont_; }
    void SetMouseCoordFont(TFont *Value);
    TFFTNumber FFTNuimber() const { return fftNumber_; }
    void SetFFTNuimber(TFFTNumber Value) { fftNumber_ = Value; }
    TSampleRate SampleRate() const { return sampleRate_; }
    void SetSampleRate(TSampleRate Value) { sampleRate_ = Value; }

protected:
    void PaintOverlay(TCanvas *ACanvas) override;
    void BringScreenUpToDate() override { CatchUp(); }

private:
    struct BandSlot {
        double X = 0, Y = 0;
        double Frequency = 0, Gain = 0, Q = 0, Code = 0;
        TColor Colour = clBlack;
        TPoint Pixel;
        bool Hidden = false;
        int Style = 0;
    };
    struct SelectedBand {
        int Type = 0;
        double Gain = 0, X = 0;
        float Frequency = 0;
        double Q = 0;
        TColor Colour = clBlack;
    };
    // The widest of the label texts that the layout reserves room for,
    // remembered for the font and format that it was measured with.
    struct WidthCache {
        TFont Font;
        int Format = -1, Precision = 0, Digits = 0;
        QString Prefix;
        int Width = 0;
    };

    void SetProperties();
    void Initialize();
    void CleanUp();
    void LayOut(bool Retry);
    int WidestLabel(TPaintPage *Page, WidthCache &Cache, const QString &Prefix, TStringFloatFormat Format,
                    int Precision, int Digits);
    QString FormatNumber(double Value, TStringFloatFormat Format, int Precision, int Digits) const;
    void VisitHorzGrid(const std::function<void(int)> &Line);
    void VisitVertGrid(const std::function<void(int, bool)> &Line);
    // Where the overlays go: the screen image's plot area, in plot page
    // coordinates, between BeginOverlay and EndOverlay.
    TCanvas *BeginOverlay();
    void EndOverlay();
    void ComposeOverlays();
    void DrawHandle(TCanvas *C, double PX, double PY, const BandSlot &Slot);
    void FillCurve(TCanvas *C, const double *Y, int Count, bool OutlineCurveOnly);
    void DrawMarker(TCanvas *C, TPenStyle Style);
    void DrawFreeText(TCanvas *C);
    void RubberBand(TCanvas *C, const TRect &R);
    // The plot page is redrawn when it is next needed, so that a burst of
    // curve changes costs one redraw.
    void RenderPlotPage();
    void DrawGridLines();
    void DrawTickMarks();
    void DrawAxisLines();
    void DrawCurve(const TPlotListMember *Member);
    void ApplyRange(double NewXMin, double NewXMax, double NewYMin, double NewYMax);
    bool Drawable() { return Visible() && laidOut_; }
    // True while a parent control is hidden, unless drawing is forced; then
    // the drawing asked for is noted for CatchUp.
    bool PutOff();
    bool InHiddenParent() const;
    // Draws everything that was put off, whatever the control's visibility.
    void CatchUp();
    TPaintPage *UpToDate(TPaintPage *Page)
    {
        CatchUp();
        return Page;
    }
    // Drawing regardless of visibility while one lives (paint, catching up).
    struct ForcedDrawing {
        explicit ForcedDrawing(LMyFFTDrawHpLp6dB &Plot) : plot(Plot) { ++plot.forceDraw_; }
        ~ForcedDrawing() { --plot.forceDraw_; }
        LMyFFTDrawHpLp6dB &plot;
    };
    // A mapped value as a pixel: truncated toward zero and held well inside
    // int; not a number gives the limit, far off any page.
    static int Px(double V);

    std::unique_ptr<TPlotList> plots_;
    int lastPaintedWidth_ = 0, lastPaintedHeight_ = 0;

    bool autoRedraw_ = true;
    TColor axisColor_ = 35840;
    TMyAxisStyle axisStyle_ = TMyAxisStyle::CenteredBox;
    TMyAxisFormat xAxisFormat_ = TMyAxisFormat::Linear, yAxisFormat_ = TMyAxisFormat::Linear;
    bool showXLabel_ = true, showYLabel_ = true, showCoordinates_ = true;
    bool yAutoScale_ = true, xAutoScale_ = true, mouseControl_ = true;
    int pointSize_ = 2;
    double yLabelScale_ = 1.0;
    double yMax_ = 18, yMin_ = -18, xMax_ = 4130, xMin_ = 1030;
    double mouseX_ = 0, mouseY_ = 0;
    int xLabelPrecision_ = 4, yLabelPrecision_ = 5, xLabelDigits_ = 4, yLabelDigits_ = 4;
    TStringFloatFormat yLabelFormat_ = sffGeneral, xLabelFormat_ = sffGeneral;
    bool showVertGrid_ = true, showHorzGrid_ = true;
    int numVertGrid_ = 10, numHorzGrid_ = 11;
    bool showVertTicks_ = true, showHorzTicks_ = true;
    int vertTickLength_ = 0, horzTickLength_ = 0;
    TColor gridColor_ = 18432;
    bool showXTitle_ = false, showYTitle_ = false, showPlotTitle_ = false;
    QString xTitle_, yTitle_, yLabel_, plotTitle_;
    TFont plotTitleFont_, axisTitleFont_, axisLabelFont_, mouseCoordFont_;
    double lgXMin_ = 0, lgXMax_ = 0, lgYMin_ = 0, lgYMax_ = 0;

    int lastMouseX_ = 0, lastMouseY_ = 0, zoomAnchorX_ = 0, zoomAnchorY_ = 0;
    bool panning_ = false, stretching_ = false, zooming_ = false;
    std::unique_ptr<TRect> zoomRect_;

    TPaintPage xLabelPage_, yLabelPage_, xTitlePage_, yTitlePage_, yTitleScratchPage_, rightMarginPage_,
        plotTitlePage_, coordPage_;
    int yTitleTextWidth_ = 0, yTitleTextHeight_ = 0;

    std::array<BandSlot, BandSlots> bands_{};
    bool curveDisplay_ = false;
    SelectedBand selected_;
    std::array<double, FillPoints> selectedCurve_{};
    bool parameterDisplay_ = false;
    double markerX_ = 0;
    bool markerSquare_ = false, markerShown_ = false;
    int freeTextX_ = 0, freeTextY_ = 0, freeTextSize_ = 0;
    QString freeTextFont_;
    TColor freeTextColour_ = clBlack;
    QString freeText_;

    TFFTNumber fftNumber_ = n4096;
    TSampleRate sampleRate_ = n48000;
    TPaintPage plotPage_;

    bool laidOut_ = false;
    bool plotDirty_ = false;
    bool drawPutOff_ = false;
    int forceDraw_ = 0;
    int overlayDepth_ = 0;
    WidthCache yLabelWidths_, coordWidths_;
};
