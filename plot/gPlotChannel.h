#pragma once
#include "DateTime.h"
#include "gPlotChannelCustom.h"
#include "gPlotChannelOPCItems.h"

#include <algorithm>
#include <vector>

class TgPlotMinMaxPoint;
class TDigitalSequenceData;

enum TgPlotInterpolationStyle {
    ipistStraightLine, ipistCubicSpline, ipistPolynomial, ipistRational, ipistDifferential,
    ipistDifferentialTerminated
};
enum TgPlotHighLowStyle { iphlsOpenClose, iphlsCandleStick };
enum TgPlotDigitalReferenceStyle { ipdrScale, ipdrPercent };
enum TgOPCXValueSourceStyle {
    iopcxvsOPCServerTimeStamp, iopcxvsSystemTimeStamp, iopcxvsElapsedTime, iopcxvsElapsedSeconds, iopcxvsOPCItem
};

// What a curve style drew in one pixel column, for the data cursor to read.
class TgPlotPixelPoint {
public:
    bool NoValue = true;
    double YValue = 0;
};

// The channel of the strip chart: a series whose X normally grows with time.
// Points come by value, by the clock (now, or the time since ElapsedStartTime
// in days or seconds), as arrays at a fixed interval, as high-low records or
// from one or two OPC items. The visible range is found by bisection (X in
// order, rising or falling), Y is read back at any X by interpolation in
// pixels, and the trace is drawn straight (decimated to at most two segments
// per pixel column), as a two-level digital signal, as a spline, polynomial
// or rational curve, or as steps, with fills, bars and high-low figures.
class TgPlotChannel : public TgPlotChannelCustom, public TgPlotChannelOPCItems {
public:
    TgPlotChannel(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);
    ~TgPlotChannel() override;

    // Adding. Each add restarts the elapsed time first when
    // ResetStartTimeOnFirstDataPoint is set and the channel is empty. AddXY,
    // AddXNull, AddXEmpty and AddHighLow refuse an X against the data's order
    // unless AllowOutOfOrderXValues ("New Data-Point X-Value is out of
    // order", with a full stop for falling data); the others do not check.
    int AddXY(double X, double Y) override;
    int AddXNull(double X);  // a gap at X
    int AddXEmpty(double X); // a point every drawing skips
    // Kept only by a list that holds high-low values; no running statistics.
    int AddHighLow(double X, double High, double Low, double Open, double Close);
    int AddYNow(double Y);
    int AddYElapsedTime(double Y);    // X in days since ElapsedStartTime
    int AddYElapsedSeconds(double Y); // X in seconds since ElapsedStartTime
    // A one-dimensional list of numbers, X stepping by XInterval from the last
    // point's X (0 when empty): the first value repeats the last X. Anything
    // else raises ("Y-Data array must be 1 dimensional", or a conversion
    // error) before a point is added.
    void AddYArray(double XInterval, const QVariant &YData);
    // Adds the X order that AddXY keeps unless AllowOutOfOrderXValues (the
    // first two points set its direction) to the base's check.
    void CheckAppend(int Count, const std::function<double(int)> &XAt, bool Replacing = false) const override;
    // As AddXY, with the point's flags.
    int AddXYFlags(double X, double Y, bool Null, bool Empty) override;
    void ResetElapsedStartTime();

    // The index of the first point, in X order, at or beyond Target; -1
    // outside the data or without an X axis.
    int CalcIndex(double TargetValue) override;
    // Y at XValue between its neighbours, interpolated in X pixels (the level
    // before it on a digital channel); false where there is nothing to read.
    bool GetYInterpolated(double XValue, double &YValue);
    // The column XPixel of the pixel list takes Y; raises "Pixel List XPixel
    // out of Range" outside PixelListStart..PixelListStop.
    void SetPixelPoint(int XPixel, double Y);
    const TgPlotPixelPoint &PixelPoint(int XPixel) const { return FPixelList.at(size_t(XPixel - FPixelListStart)); }
    int PixelListStart() const { return FPixelListStart; }
    int PixelListStop() const { return FPixelListStop; }
    int PixelsHigh() const { return FPixelsHigh; }
    int PixelsLow() const { return FPixelsLow; }
    bool XIncreasing() const { return FXIncreasing; }
    TgPlotDataPointStatus GetDataCursorYValue(double X, double &Y);
    // The rectangle of point Index's bar, in pixels.
    TRect GetBarRect(int Index) override;

    // The base's overrides.
    void CalcStartIndex() override;
    void CalcStopIndex() override;
    double GetVisibleXMax() override;
    double GetVisibleXMin() override;
    double GetVisibleYMax() override;
    double GetVisibleYMin() override;
    void DataCursorUpdate(TgPlotDataCursor *Cursor) override;
    void UpdateCanDraw() override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    void DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor) override;
    void DrawMarkers(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor) override;
    // The base's hit, or a right press within 10 pixels of the trace.
    bool gMouseHitTest(const TgPlotMouseData &MouseData) override;
    bool RelaysMouseWheel() const override { return true; }
    // Registers the channel, then connects item 0 (and 1) when OPCAutoConnect.
    void DoInsert() override;

    // Settings.
    bool FastDrawEnabled() const { return FFastDrawEnabled; }
    void SetFastDrawEnabled(bool Value) { ChangeBoolean(FFastDrawEnabled, Value, &TgPlotObject::DoChange); }
    bool AllowOutOfOrderXValues() const { return FAllowOutOfOrderXValues; }
    void SetAllowOutOfOrderXValues(bool Value) { FAllowOutOfOrderXValues = Value; }
    bool DrawOutOfOrderXValues() const { return FDrawOutOfOrderXValues; }
    void SetDrawOutOfOrderXValues(bool Value) { ChangeBoolean(FDrawOutOfOrderXValues, Value, &TgPlotObject::DoChange); }
    bool ResetStartTimeOnFirstDataPoint() const { return FResetStartTimeOnFirstDataPoint; }
    void SetResetStartTimeOnFirstDataPoint(bool Value) { FResetStartTimeOnFirstDataPoint = Value; }
    TgPlotInterpolationStyle InterpolationStyle() const { return FInterpolationStyle; }
    void SetInterpolationStyle(TgPlotInterpolationStyle Value) { Change(FInterpolationStyle, Value); }
    TDateTime ElapsedStartTime() const { return FElapsedStartTime; }
    void SetElapsedStartTime(TDateTime Value) { ChangeDouble(FElapsedStartTime, Value, &TgPlotObject::DoChange); }

    bool FillEnabled() const { return FFillEnabled; }
    void SetFillEnabled(bool Value) { ChangeBoolean(FFillEnabled, Value, &TgPlotObject::DoChange); }
    double FillReference() const { return FFillReference; }
    void SetFillReference(double Value) { ChangeDouble(FFillReference, Value, &TgPlotObject::DoChange); }
    bool FillUseChannelColor() const { return FFillUseChannelColor; }
    void SetFillUseChannelColor(bool Value) { ChangeBoolean(FFillUseChannelColor, Value, &TgPlotObject::DoChange); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle Value) { Change(FFillStyle, Value); }
    TColor FillColor() const { return FFillColor; }
    void SetFillColor(TColor Value) { Change(FFillColor, Value); }

    TgPlotHighLowStyle HighLowStyle() const { return FHighLowStyle; }
    void SetHighLowStyle(TgPlotHighLowStyle Value) { Change(FHighLowStyle, Value); }
    bool HighLowEnabled() const { return FHighLowEnabled; }
    void SetHighLowEnabled(bool Value) { ChangeBoolean(FHighLowEnabled, Value, &TgPlotObject::DoChange); }
    TColor HighLowBarColor() const { return FHighLowBarColor; }
    void SetHighLowBarColor(TColor Value) { Change(FHighLowBarColor, Value); }
    double HighLowBarWidth() const { return FHighLowBarWidth; }
    void SetHighLowBarWidth(double Value) { ChangeDouble(FHighLowBarWidth, Value, &TgPlotObject::DoChange); }
    bool HighLowOpenShow() const { return FHighLowOpenShow; }
    void SetHighLowOpenShow(bool Value) { ChangeBoolean(FHighLowOpenShow, Value, &TgPlotObject::DoChange); }
    TColor HighLowOpenColor() const { return FHighLowOpenColor; }
    void SetHighLowOpenColor(TColor Value) { Change(FHighLowOpenColor, Value); }
    double HighLowOpenWidth() const { return FHighLowOpenWidth; }
    void SetHighLowOpenWidth(double Value) { ChangeDouble(FHighLowOpenWidth, Value, &TgPlotObject::DoChange); }
    double HighLowOpenHeight() const { return FHighLowOpenHeight; }
    void SetHighLowOpenHeight(double Value) { ChangeDouble(FHighLowOpenHeight, Value, &TgPlotObject::DoChange); }
    bool HighLowCloseShow() const { return FHighLowCloseShow; }
    void SetHighLowCloseShow(bool Value) { ChangeBoolean(FHighLowCloseShow, Value, &TgPlotObject::DoChange); }
    TColor HighLowCloseColor() const { return FHighLowCloseColor; }
    void SetHighLowCloseColor(TColor Value) { Change(FHighLowCloseColor, Value); }
    double HighLowCloseWidth() const { return FHighLowCloseWidth; }
    void SetHighLowCloseWidth(double Value) { ChangeDouble(FHighLowCloseWidth, Value, &TgPlotObject::DoChange); }
    double HighLowCloseHeight() const { return FHighLowCloseHeight; }
    void SetHighLowCloseHeight(double Value) { ChangeDouble(FHighLowCloseHeight, Value, &TgPlotObject::DoChange); }
    TColor HighLowShadowColor() const { return FHighLowShadowColor; }
    void SetHighLowShadowColor(TColor Value) { Change(FHighLowShadowColor, Value); }
    TColor HighLowBullishColor() const { return FHighLowBullishColor; }
    void SetHighLowBullishColor(TColor Value) { Change(FHighLowBullishColor, Value); }
    TColor HighLowBearishColor() const { return FHighLowBearishColor; }
    void SetHighLowBearishColor(TColor Value) { Change(FHighLowBearishColor, Value); }

    bool DigitalEnabled() const { return FDigitalEnabled; }
    void SetDigitalEnabled(bool Value) { ChangeBoolean(FDigitalEnabled, Value, &TgPlotObject::DoChange); }
    double DigitalReferenceLow() const { return FDigitalReferenceLow; }
    void SetDigitalReferenceLow(double Value) { ChangeDouble(FDigitalReferenceLow, Value, &TgPlotObject::DoChange); }
    double DigitalReferenceHigh() const { return FDigitalReferenceHigh; }
    void SetDigitalReferenceHigh(double Value) { ChangeDouble(FDigitalReferenceHigh, Value, &TgPlotObject::DoChange); }
    TgPlotDigitalReferenceStyle DigitalReferenceStyle() const { return FDigitalReferenceStyle; }
    void SetDigitalReferenceStyle(TgPlotDigitalReferenceStyle Value) { Change(FDigitalReferenceStyle, Value); }

    // Bars: the switches live here, the appearance in the data list as its
    // stored per-point defaults (a full-feature list keeps them per point).
    bool BarEnabled() const override { return FBarEnabled; }
    void SetBarEnabled(bool Value) { ChangeBoolean(FBarEnabled, Value, &TgPlotObject::DoChange); }
    bool BarPenUseChannelColor() const { return FBarPenUseChannelColor; }
    void SetBarPenUseChannelColor(bool Value) { ChangeBoolean(FBarPenUseChannelColor, Value, &TgPlotObject::DoChange); }
    bool BarBrushUseChannelColor() const { return FBarBrushUseChannelColor; }
    void SetBarBrushUseChannelColor(bool Value) { ChangeBoolean(FBarBrushUseChannelColor, Value, &TgPlotObject::DoChange); }
    double BarReference() const { return Data().StoredBarReference; }
    void SetBarReference(double Value) { SetListValue(DataList().StoredBarReference, Value); }
    double BarWidth() const { return Data().StoredBarWidth; }
    void SetBarWidth(double Value) { SetListValue(DataList().StoredBarWidth, Value); }
    TColor BarPenColor() const { return Data().StoredBarPenColor; }
    void SetBarPenColor(TColor Value) { SetListValue(DataList().StoredBarPenColor, Value); }
    int BarPenWidth() const { return Data().StoredBarPenWidth; }
    void SetBarPenWidth(int Value) { SetListValue(DataList().StoredBarPenWidth, Value); }
    TPenStyle BarPenStyle() const { return Data().StoredBarPenStyle; }
    void SetBarPenStyle(TPenStyle Value) { SetListValue(DataList().StoredBarPenStyle, Value); }
    TColor BarBrushColor() const { return Data().StoredBarBrushColor; }
    void SetBarBrushColor(TColor Value) { SetListValue(DataList().StoredBarBrushColor, Value); }
    TBrushStyle BarBrushStyle() const { return Data().StoredBarBrushStyle; }
    void SetBarBrushStyle(TBrushStyle Value) { SetListValue(DataList().StoredBarBrushStyle, Value); }

    // OPC: where an incoming value's X comes from. With iopcxvsOPCItem item 0
    // gives X and item 1 gives Y in one group of the channel's own; otherwise
    // item 0 alone gives Y.
    TgOPCXValueSourceStyle OPCXValueSource() const { return FOPCXValueSource; }
    void SetOPCXValueSource(TgOPCXValueSourceStyle Value) { FOPCXValueSource = Value; }
    // Nothing while the plot is designed. Raises the support library's errors.
    void OPCActivate() override;
    // These four act on item 0.
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

protected:
    QString CursorValidYText(double Y) override;

private:
    template <class T>
    void SetListValue(T &Field, T Value)
    {
        Field = Value;
        DoChange();
    }
    // Visit(Index, Point) for the points From..To, read a block at a time
    // (one call of the list per block, not per point).
    template <class F>
    void ForEachPoint(int From, int To, F &&Visit) const
    {
        constexpr int BlockSize = 512;
        TgPlotDataCustomList::XYEmptyNull block[BlockSize];
        for (int from = From; from <= To; from += BlockSize) {
            const int n = std::min(To - from + 1, BlockSize);
            Data().GetXYEmptyNullBlock(from, n, block);
            for (int k = 0; k < n; ++k)
                Visit(from + k, block[k]);
        }
    }
    // Visit(X, Y, Null) for each point From..To that is not empty.
    template <class F>
    void ForEachNonEmpty(int From, int To, F &&Visit) const
    {
        ForEachPoint(From, To, [&Visit](int, const TgPlotDataCustomList::XYEmptyNull &P) {
            if (!P.Empty)
                Visit(P.X, P.Y, P.Null);
        });
    }
    void RestartElapsedOnFirstPoint();
    void CheckOutOfOrderX(double X);
    // X[1] >= X[0] with three points or more, else true; kept in XIncreasing.
    bool UpdateXIncreasing();
    int FindIndex(double X, bool Ascending);
    int FindIndexAscending(double X) { return FindIndex(X, true); }
    int FindIndexDescending(double X) { return FindIndex(X, false); }
    int Clamped(int Index) const { return Index < 0 ? 0 : Index >= Count() ? Count() - 1 : Index; }
    // The first (Forward) or last valid point; -1 when none.
    int ValidFrom(bool Forward);
    // Over the valid points StartIndex..StopIndex: the largest Y + marker
    // (Largest) or the smallest Y - marker.
    double VisibleY(bool Largest);
    void DoOPCNewData(TObject *Item);

    // Drawing steps (the straight trace and the figures in
    // gPlotChannelPaint.cpp, the curves and steps in gPlotChannelCurves.cpp).
    TColor FillBrushColor() const { return FFillUseChannelColor ? Color() : FFillColor; }
    void DrawFill(TCanvas *Canvas, bool XYAxesReversed);
    void DrawBars(TCanvas *Canvas, bool XYAxesReversed);
    // False when no high-low figure is drawn; else sets the figures' pen and brush.
    bool BeginHighLow(TCanvas *Canvas);
    void DrawHighLowOpenClose(TCanvas *Canvas, bool XYAxesReversed);
    void DrawHighLowCandleStick(TCanvas *Canvas, bool XYAxesReversed);
    void DrawTraceFast(TCanvas *Canvas, bool XYAxesReversed);
    void DrawDigital(TCanvas *Canvas, bool XYAxesReversed);
    void DrawDigitalRun(TCanvas *Canvas, bool XYAxesReversed, TDigitalSequenceData &Run);
    void DrawCubicSpline(TCanvas *Canvas, bool XYAxesReversed);
    void DrawCubicSplineSegment(TCanvas *Canvas, bool XYAxesReversed, std::vector<double> &X, std::vector<double> &Y,
                                int N);
    void DrawPolynomial(TCanvas *Canvas, bool XYAxesReversed);
    void DrawRational(TCanvas *Canvas, bool XYAxesReversed);
    // The polynomial or rational curve through every point, column by column.
    void DrawInterpolatedCurve(TCanvas *Canvas, bool XYAxesReversed, bool Rational);
    // Draws the curve of Y(x) over the columns of Lo..Hi (values), with the
    // fill strokes, and keeps each column's Y in the pixel list.
    template <class F>
    void DrawCurveColumns(TCanvas *Canvas, bool XYAxesReversed, double Lo, double Hi, F &&YAt);
    void DrawDifferential(TCanvas *Canvas, bool XYAxesReversed);
    // The rectangle from X1 to X2 between Y and FillReference, filled in the
    // brush colour (step fills).
    void FillStep(TCanvas *Canvas, bool XYAxesReversed, double X1, double X2, double Y);
    // Where the paint failed for a reason other than the curve maths: the
    // axes' area shows the message as a failed paint does.
    void ShowDrawFailure(TCanvas *Canvas, bool XYAxesReversed, const QString &Message);

    std::vector<TgPlotPixelPoint> FPixelList;
    int FPixelListStart = 0, FPixelListStop = 0;
    int FPixelsHigh = 0, FPixelsLow = 0;
    bool FXIncreasing = true;
    bool FFastDrawEnabled = true;
    bool FAllowOutOfOrderXValues = true;
    bool FDrawOutOfOrderXValues = false;
    bool FResetStartTimeOnFirstDataPoint = false;
    TgPlotInterpolationStyle FInterpolationStyle = ipistStraightLine;
    TDateTime FElapsedStartTime = 0;
    bool FFillEnabled = false;
    double FFillReference = 0;
    bool FFillUseChannelColor = true;
    TBrushStyle FFillStyle = bsSolid;
    TColor FFillColor = clBlack;
    TgPlotHighLowStyle FHighLowStyle = iphlsOpenClose;
    bool FHighLowEnabled = false;
    TColor FHighLowBarColor = clAqua;
    double FHighLowBarWidth = 0.5;
    bool FHighLowOpenShow = true;
    TColor FHighLowOpenColor = clLime;
    double FHighLowOpenWidth = 1.0, FHighLowOpenHeight = 1.0;
    bool FHighLowCloseShow = true;
    TColor FHighLowCloseColor = clRed;
    double FHighLowCloseWidth = 1.0, FHighLowCloseHeight = 1.0;
    TColor FHighLowShadowColor = clGray;
    TColor FHighLowBullishColor = clWhite;
    TColor FHighLowBearishColor = clGray;
    bool FDigitalEnabled = false;
    double FDigitalReferenceLow = 10, FDigitalReferenceHigh = 90;
    TgPlotDigitalReferenceStyle FDigitalReferenceStyle = ipdrScale;
    TgOPCXValueSourceStyle FOPCXValueSource = iopcxvsOPCServerTimeStamp;
    bool FBarEnabled = false;
    bool FBarPenUseChannelColor = true, FBarBrushUseChannelColor = true;
};
