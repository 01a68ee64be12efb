#pragma once
#include "Color.h"
#include "Exceptions.h"
#include "Font.h"
#include "gPlotDataCustomList.h"
#include "gPlotManagerObject.h"
#include "gPlotWindowExtremes.h"
#include "gUtilities.h"

#include <QVariant>
#include <cmath>
#include <functional>
#include <memory>

class IgPlotOwner;
class TgPlotAxis;
class TgPlotDataCursor;
class TgPlotMinMaxPoint;
class TgPlotDataView;
class TgPlotXAxis;
class TgPlotYAxis;

enum TgPlotChannelDataPointMoveStyle { ipcdpmsXandY, ipcdpmsXOnly, ipcdpmsYOnly };

// The common base of the plot's data series. It owns the points in a data
// list of the kind DataStyle names (the trace and marker styles live in that
// list, so they survive a change of kind), keeps running minimum, maximum and
// mean of X and Y, feeds new values to its axes' tracking, finds its X and Y
// axis by name, and draws the trace and the point markers.
class TgPlotChannelCustom : public TgPlotManagerObject {
public:
    TgPlotChannelCustom(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                        TNotifyEvent AOnRename);
    ~TgPlotChannelCustom() override;

    // Points.
    virtual int AddXY(double X, double Y);
    int DoAddXY(double X, double Y, bool Null, bool Empty);
    // One-dimensional lists of numbers of equal bounds, or one list of two
    // rows (X row, Y row).
    void AddXYArrays(const QVariant &XData, const QVariant &YData);
    void AddXYArray(const QVariant &Data);
    // Removes the Size oldest points; Size = Count clears the channel. The
    // running statistics stay as they are.
    void DeletePoints(int Size);
    virtual void Clear();
    // Strip-chart channels report the wheel to the plot; XY channels do not.
    virtual bool RelaysMouseWheel() const { return false; }
    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const;
    int Count() const { return FData->Count(); }
    // Reallocates to Value points (cutting the newest ones beyond it).
    void SetCount(int Value);
    int Capacity() const { return FData->Capacity(); }
    int DataPointSize() const { return FData->DataPointSize(); }
    int MaxDataPoints() const { return FData->MaxDataPoints(); }
    std::int64_t MemoryUsed() const { return FData->MemoryUsed(); }
    int RingBufferSize() const { return FData->RingBufferSize(); }
    void SetRingBufferSize(int Value);
    TgPlotDataStyle DataStyle() const { return FDataStyle; }
    // A new list kind: every point is dropped, the styles (but the marker
    // character) and the ring size are kept.
    void SetDataStyle(TgPlotDataStyle Value);
    const TgPlotDataCustomList &Data() const { return *FData; }

    int DrawStartIndex() const { return FDrawStartIndex; }
    int DrawStopIndex() const { return FDrawStopIndex; }
    int IndexFirst() const { return Count() ? 0 : -1; }
    int IndexLast() const { return Count() - 1; }
    double XFirst() const { return Count() ? GetX(0) : -1; }
    double XLast() const { return Count() ? GetX(Count() - 1) : -1; }
    double YFirst() const { return Count() ? GetY(0) : -1; }
    double YLast() const { return Count() ? GetY(Count() - 1) : -1; }

    // Running statistics.
    int RunningCount() const { return FRunningCount; }
    double RunningXMin() const { return FRunningXMin; }
    double RunningXMax() const { return FRunningXMax; }
    double RunningXMean() const { return FRunningXMean; }
    double RunningYMin() const { return FRunningYMin; }
    double RunningYMax() const { return FRunningYMax; }
    double RunningYMean() const { return FRunningYMean; }
    void ReCalcRunningMinMaxMean();
    double GetXMin();
    double GetXMax();
    double GetXMean();
    double GetYMin();
    double GetYMax();
    double GetYMean();

    // Axes.
    TgPlotXAxis *XAxis();
    TgPlotYAxis *YAxis();
    const QString &XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString &Value);
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value);
    bool XAxisTrackingEnabled() const { return FXAxisTrackingEnabled; }
    void SetXAxisTrackingEnabled(bool Value) { ChangeBoolean(FXAxisTrackingEnabled, Value, &TgPlotObject::DoChange); }
    bool YAxisTrackingEnabled() const { return FYAxisTrackingEnabled; }
    void SetYAxisTrackingEnabled(bool Value) { ChangeBoolean(FYAxisTrackingEnabled, Value, &TgPlotObject::DoChange); }

    // Appearance.
    const QString &TitleText() const { return FTitleText; }
    void SetTitleText(const QString &Value) { ChangeString(FTitleText, Value, &TgPlotObject::DoChange); }
    bool VisibleInLegend() const { return FVisibleInLegend; }
    void SetVisibleInLegend(bool Value) { ChangeBoolean(FVisibleInLegend, Value, &TgPlotObject::DoChange); }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { ChangeBoolean(FClipToAxes, Value, &TgPlotObject::DoChange); }
    bool ShowDataPointHints() const { return FShowDataPointHints; }
    void SetShowDataPointHints(bool Value) { FShowDataPointHints = Value; }
    bool UserCanMoveDataPoints() const { return FUserCanMoveDataPoints; }
    void SetUserCanMoveDataPoints(bool Value) { FUserCanMoveDataPoints = Value; }
    TgPlotChannelDataPointMoveStyle UserCanMoveDataPointsStyle() const { return FUserCanMoveDataPointsStyle; }
    void SetUserCanMoveDataPointsStyle(TgPlotChannelDataPointMoveStyle Value) { FUserCanMoveDataPointsStyle = Value; }
    bool TraceVisible() const { return FTraceVisible; }
    void SetTraceVisible(bool Value) { ChangeBoolean(FTraceVisible, Value, &TgPlotObject::DoChange); }
    TColor Color() const { return FData->StoredTraceLineColor; }
    void SetColor(TColor Value)
    {
        if (Value == Color())
            return;
        SetStored(FData->StoredTraceLineColor, Value);
        if (OnColorChange)
            OnColorChange(this);
    }
    // After the colour changed: the channel manager counts the colours in use.
    TNotifyEvent OnColorChange;
    TgPlotLineStyle TraceLineStyle() const { return FData->StoredTraceLineStyle; }
    void SetTraceLineStyle(TgPlotLineStyle Value) { SetStored(FData->StoredTraceLineStyle, Value); }
    int TraceLineWidth() const { return FData->StoredTraceLineWidth; }
    void SetTraceLineWidth(int Value) { SetStored(FData->StoredTraceLineWidth, Value); }
    bool MarkersAllowIndividual() const { return FMarkersAllowIndividual; }
    void SetMarkersAllowIndividual(bool Value) { ChangeBoolean(FMarkersAllowIndividual, Value, &TgPlotObject::DoChange); }
    bool MarkersPenUseChannelColor() const { return FMarkersPenUseChannelColor; }
    void SetMarkersPenUseChannelColor(bool Value) { ChangeBoolean(FMarkersPenUseChannelColor, Value, &TgPlotObject::DoChange); }
    bool MarkersBrushUseChannelColor() const { return FMarkersBrushUseChannelColor; }
    void SetMarkersBrushUseChannelColor(bool Value) { ChangeBoolean(FMarkersBrushUseChannelColor, Value, &TgPlotObject::DoChange); }
    int MarkersTurnOffLimit() const { return FMarkersTurnOffLimit; }
    void SetMarkersTurnOffLimit(int Value) { ChangeInteger(FMarkersTurnOffLimit, Value, &TgPlotObject::DoChange); }
    bool MarkersVisible() const { return FData->StoredMarkerVisible; }
    void SetMarkersVisible(bool Value) { SetStored(FData->StoredMarkerVisible, Value); }
    int MarkersSize() const { return FData->StoredMarkerSize; }
    void SetMarkersSize(int Value) { SetStored(FData->StoredMarkerSize, Value); }
    TgPlotMarkerStyle MarkersStyle() const { return FData->StoredMarkerStyle; }
    void SetMarkersStyle(TgPlotMarkerStyle Value) { SetStored(FData->StoredMarkerStyle, Value); }
    TColor MarkersPenColor() const { return FData->StoredMarkerPenColor; }
    void SetMarkersPenColor(TColor Value) { SetStored(FData->StoredMarkerPenColor, Value); }
    TPenStyle MarkersPenStyle() const { return FData->StoredMarkerPenStyle; }
    void SetMarkersPenStyle(TPenStyle Value) { SetStored(FData->StoredMarkerPenStyle, Value); }
    int MarkersPenWidth() const { return FData->StoredMarkerPenWidth; }
    void SetMarkersPenWidth(int Value) { SetStored(FData->StoredMarkerPenWidth, Value); }
    TColor MarkersBrushColor() const { return FData->StoredMarkerBrushColor; }
    void SetMarkersBrushColor(TColor Value) { SetStored(FData->StoredMarkerBrushColor, Value); }
    TBrushStyle MarkersBrushStyle() const { return FData->StoredMarkerBrushStyle; }
    void SetMarkersBrushStyle(TBrushStyle Value) { SetStored(FData->StoredMarkerBrushStyle, Value); }
    TFont *MarkersFont() { return &FMarkersFont; }
    void SetMarkersFont(TFont *Value) { FMarkersFont.Assign(Value); }

    // Files of the channel (gPlotChannelFiles.cpp). The configuration file
    // is "File Type = Plot Channel Config" and the channel's property lines
    // under "Channel" (all of them, or only those off their defaults when
    // the plot saves differentially), without its Name. The data file holds
    // one line per point that is not Empty: X, the plot's column separator,
    // then Y or "Null". Saves are whole or not at all; loads check the whole
    // file before they change anything. Failures raise "Error Saving
    // Properties - " / "Error Loading Properties - " and the cause for the
    // configuration; for data, the file's error or a conversion error naming
    // its line.
    void SavePropertiesToFile(const QString &FileName);
    // A "Name" line is ignored: names stay unique within the plot.
    void LoadPropertiesFromFile(const QString &FileName);
    void SaveDataToFile(const QString &FileName);
    // Ends logging first (the buffered points are written); the separator
    // is TAB when the first line holds one (a "," is then also a decimal
    // point), else ",".
    void LoadDataFromFile(const QString &FileName, bool ClearPreviousData);

    // Logging: every point that DoAddXY adds while logging is active is
    // appended to LogFileName as "X separator Y" (CR LF), in blocks of
    // LogBufferSize points (every point when it is below 2).
    const QString &LogFileName() const { return FLogFileName; }
    // Refused while logging is active (a change to the same text passes).
    void SetLogFileName(const QString &Value);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int Value) { ChangeInteger(FLogBufferSize, Value, &TgPlotObject::DoChange); }
    bool LoggingActive() const { return FLoggingActive; }
    int LogBufferCount() const { return FLogBufferCount; }
    // Append: the file must exist; otherwise it is made empty. Raises "Log
    // File Name not Defined", "Logging Already Active" or the file's error,
    // and logging stays off then.
    void LogActivate(bool Append);
    // Raises "Logging not Active"; writes the buffered points.
    void LogDeactivate();
    // Writes the buffered points that the channel still holds (a ring or a
    // delete may have taken older ones) and empties the buffer.
    void FlushLog();

    // Points added by the plot's files and transfers: CheckAppend raises
    // what adding Count points at XAt(0) .. XAt(Count - 1) in turn would
    // raise (a full list; strip-chart channels add their X order), so that a
    // load checks before it adds (Replacing: the points come in place of the
    // channel's own); AddXYFlags adds one point with its flags as AddXY would.
    virtual void CheckAppend(int Count, const std::function<double(int)> &XAt, bool Replacing = false) const;
    virtual int AddXYFlags(double X, double Y, bool Null, bool Empty) { return DoAddXY(X, Y, Null, Empty); }
    // Raises "New Data-Point X-Value is not a finite number" for a NaN or
    // infinite X: every add refuses one (a Y of that kind is a Null point).
    static void CheckFiniteX(double X);
    QVariant Tag;

    // Data-cursor readings and texts.
    const QString &DataCursorXText() const { return FDataCursorXText; }
    const QString &DataCursorYText() const { return FDataCursorYText; }
    double DataCursorXValue() const { return FDataCursorXValue; }
    double DataCursorYValue() const { return FDataCursorYValue; }
    TgPlotDataPointStatus DataCursorStatus() const { return FDataCursorStatus; }
    QString GetXValueText(double Value);
    QString GetYValueText(double Value);
    const TRect &LegendRect() const { return FLegendRect; }
    void SetLegendRect(const TRect &Rect) { FLegendRect = Rect; }

    // The smallest and largest X and Y over the valid points (neither Null
    // nor Empty), infinite without one. Kept as points are added and as a
    // ring drops them, and counted again once after any other change, so
    // that fitting an axis after every added point stays linear in the
    // points.
    void GetValidExtremes(double &XMin, double &XMax, double &YMin, double &YMax);
    // A change of the channel: the valid extremes are counted again when next
    // asked for (adding a point keeps them).
    void DoChange() override;

    // What the descendant decides: the points to draw, the extents that
    // axis scaling fits, the data cursor's reading.
    virtual void CalcStartIndex() = 0;
    virtual void CalcStopIndex() = 0;
    virtual double GetVisibleXMax() = 0;
    virtual double GetVisibleXMin() = 0;
    virtual double GetVisibleYMax() = 0;
    virtual double GetVisibleYMin() = 0;
    virtual void DataCursorUpdate(TgPlotDataCursor *Cursor) = 0;
    // The index of the first point, in X order, whose X is at or beyond
    // TargetValue; -1 when there is none. A channel without an X order (an
    // XY channel) finds none.
    virtual int CalcIndex([[maybe_unused]] double TargetValue) { return -1; }
    virtual void DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor);
    virtual void DrawMarkers(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor);

    // The point's value widened by the marker size while markers show;
    // "Data Point Null" for a Null point, "X-Axis not assigned" without axis.
    double GetXPlusMarker(int Index);
    double GetXMinusMarker(int Index);
    double GetYPlusMarker(int Index);
    double GetYMinusMarker(int Index);
    static double LineYAtX(double X1, double Y1, double X2, double Y2, double X);
    static double LineXAtY(double X1, double Y1, double X2, double Y2, double Y);
    // The legend's sample is DrawMarker with index -1.
    void DrawMarker(TCanvas *Canvas, int Index, TColor BackGroundColor, TPoint Point);

    void NotificationRemove(TObject *Sender) override;
    void NotificationRename(TObject *Sender) override;

    // Mouse: the channel answers on its legend row and, in the toolbar's
    // select mode, on its markers (or bars); the first point in index order
    // under the mouse is the one hit (SelectDataIndex, -1 for none).
    // Hovering hints the point's values, a press on a point may drag it
    // (UserCanMoveDataPoints), and presses, moves, releases, clicks and
    // moved points reach the plot's data-point events.
    int SelectDataIndex() const { return FSelectDataIndex; }
    int MouseDownDataIndex() const { return FMouseDownDataIndex; }
    bool gMouseHitTest(const TgPlotMouseData &MouseData) override;
    void DoMouseHint(const TgPlotMouseData &MouseData, TgHintData &HintData) override;
    void DoMouseLeft(const TgPlotMouseData &MouseData) override;
    void DoMouseMove(const TgPlotMouseData &MouseData) override;
    void DoMouseUp(const TgPlotMouseData &MouseData) override;
    int GetMouseCursor(TPoint Point) override;
    void NotificationSetFocus(TObject *Sender) override;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override;
    // Points drawn as bars are hit on their bars (strip-chart channels).
    virtual bool BarEnabled() const { return false; }
    virtual TRect GetBarRect(int Index) { return TRect(); }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

protected:
    bool HasAxes();
    double GetX(int Index) const { return FData->GetX(Index); }
    double GetY(int Index) const { return FData->GetY(Index); }
    bool GetNull(int Index) const { return FData->GetNull(Index); }
    bool GetEmpty(int Index) const { return FData->GetEmpty(Index); }
    bool IsValidPoint(int Index) const { return !GetNull(Index) && !GetEmpty(Index); }
    void SetX(int Index, double Value);
    void SetY(int Index, double Value);
    void SetNull(int Index, bool Value);
    void SetEmpty(int Index, bool Value);
    TPoint GetPointPixels(int Index, bool XYAxesReversed);
    TRect GetMarkerRect(int Index, bool XYAxesReversed);
    bool ShouldDrawMarker(int Index);
    // Draws one segment clipped to the axes (PercentY: Y is a percentage of
    // the first data view).
    void DrawTraceSegment(TCanvas *Canvas, bool XYAxesReversed, bool PercentY, double Xa, double Ya, double Xb,
                          double Yb);
    // The pixels DrawTraceSegment joins (A drawn, B left out); false when
    // nothing of the segment shows.
    bool TraceSegmentEnds(bool XYAxesReversed, bool PercentY, double Xa, double Ya, double Xb, double Yb, TPoint &A,
                          TPoint &B);
    // The straight trace of the points From .. To (in X order) decimated per
    // pixel column: each column's stroke from its smallest to its largest Y
    // and the segment to the next column, as DrawTraceSegment draws them.
    // BothEnds: the pixels of the point-by-point trace, at the cost of a
    // third segment in columns whose last value lies between the extremes;
    // else at most two segments a column.
    void DrawTraceColumns(TCanvas *Canvas, bool XYAxesReversed, int From, int To, bool BothEnds);
    // Appends the columns' segments, as pairs of ends, to Segments.
    void AddMinMaxColumns(std::vector<TPoint> &Segments, bool XYAxesReversed, const TgPlotMinMaxPoint &P,
                          const TgPlotMinMaxPoint &Q, const TgPlotMinMaxPoint &R, bool BothEnds);
    // Whether the valid points' X never falls from one to the next: kept as
    // points are added, counted again once after any other change.
    bool ValidXRises();
    // The four value points, each through the X and Y axis, filled as one
    // polygon with the canvas's pen and brush.
    void DrawQuadrilateral(TCanvas *Canvas, bool XYAxesReversed, TgDoublePoint P1, TgDoublePoint P2,
                           TgDoublePoint P3, TgDoublePoint P4);
    // The pixel rectangle between two X and two Y values (each pair in
    // either order), exchanged when the plot exchanges its axes.
    TRect GetPixelRect(double X1, double X2, double Y1, double Y2);
    // The pen of the trace: Color, TraceLineStyle, TraceLineWidth (1 as the
    // thinnest cosmetic pen), brush clear.
    void SetTracePen(TCanvas *Canvas);
    // Value widened by the marker size along the X (or Y) axis while
    // markers show ("X-Axis not assigned" without the axis then).
    double WidenByMarker(double Value, bool X, int Sign);
    // Fills the readings and the texts of a cursor reading.
    QString FormatCursorText(TgPlotDataCursorStyle Style, TgPlotDataPointStatus Status, double Y, double X);
    // The Y text of a valid reading (the Y axis's cursor text here).
    virtual QString CursorValidYText(double Y) { return GetYValueText(Y); }
    TgPlotDataCustomList &DataList() { return *FData; }
    // The indexes of the valid points of smallest and largest Y among From
    // .. To (the earliest of equal ones), -1 without a valid point. Kept as
    // the run moves forward (points added, dropped by a ring, a view that
    // scrolls on), like GetValidExtremes.
    void ValidYExtremes(int From, int To, int &Lowest, int &Highest);

    int FDrawStartIndex = -1;
    int FDrawStopIndex = -1;

private:
    template <class T>
    void SetStored(T &Field, T Value)
    {
        Field = Value;
        DoChange();
    }
    void ResetRunning();
    // The setter of read-only published flags: nothing to store.
    void IgnoreWrite(bool) {}
    // The separator of the owning plot's data files (TAB without a plot).
    char DataFileSeparator() const;
    double MarkerExtent(TgPlotAxis *Axis);
    double WithMarker(int Index, bool X, int Sign);
    // Largest or smallest X (Y) over the valid points; the mean of them.
    double ScanValid(bool X, bool Largest);
    double MeanOfValid(bool X, long double &Total);
    // A run of valid points whose segments need no clipping, drawn as one
    // polyline from (PX, PY); returns the index after the run and leaves the
    // run's last point in (PX, PY). Points holds the run's pixels: the
    // caller keeps it from run to run, so that short runs (a scatter's
    // pairs) cost no buffer each.
    int DrawTraceRun(TCanvas *Canvas, bool XYAxesReversed, int From, int Stop, double &PX, double &PY,
                     std::vector<TPoint> &Points);
    bool SegmentNeedsNoClip(double X1, double Y1, double X2, double Y2);

    std::unique_ptr<TgPlotDataCustomList> FData;
    TgPlotDataStyle FDataStyle = ipdsStandard;
    TgPlotXAxis *FXAxis = nullptr;
    TgPlotYAxis *FYAxis = nullptr;
    QString FTitleText;
    QString FXAxisName;
    QString FYAxisName;
    bool FXAxisTrackingEnabled = true;
    bool FYAxisTrackingEnabled = true;
    bool FLoggingActive = false;
    int FLogBufferCount = 0;
    bool FMarkersAllowIndividual = false;
    int FMarkersTurnOffLimit = 0;
    TRect FLegendRect;
    bool FVisibleInLegend = true;
    bool FClipToAxes = false;
    bool FShowDataPointHints = false;
    bool FUserCanMoveDataPoints = false;
    TgPlotChannelDataPointMoveStyle FUserCanMoveDataPointsStyle = ipcdpmsXandY;
    bool FMarkersBrushUseChannelColor = true;
    bool FMarkersPenUseChannelColor = true;
    bool FTraceVisible = true;
    int FLogBufferSize = 0;
    QString FLogFileName;
    int FRunningCount = 0;
    double FRunningXMin = 1e300, FRunningXMax = -1e300, FRunningXMean = 0;
    long double FRunningXTotal = 0;
    double FRunningYMin = 1e300, FRunningYMax = -1e300, FRunningYMean = 0;
    long double FRunningYTotal = 0;
    TFont FMarkersFont;
    QString FDataCursorXText, FDataCursorYText;
    double FDataCursorYValue = 0, FDataCursorXValue = 0;
    TgPlotDataPointStatus FDataCursorStatus = ipdpsValid;
    // X and Y of the valid points over a run of indexes, by sequence
    // numbers: index i is point FFirstSequence + i (a ring's drop moves it).
    void FollowRun(TgPlotWindowExtremes &Window, int From, int To, bool X);
    TgPlotWindowExtremes FXWindow, FYWindow;
    std::int64_t FFirstSequence = 0;
    int FXRises = -1; // 1 rising, 0 not, -1 to be counted
    double FLastValidX = -HUGE_VAL;
    bool FKeepValidExtremes = false;
    // Selection and drag of a data point.
    int FSelectDataIndex = -1;
    TRect FSelectDataRect;
    bool FSelectDragActive = false;
    int FSelectDragIndex = -1;
    int FMouseDownDataIndex = -1;
    TRect FMouseDownDataRect;
    double FMouseDownDataX = 0, FMouseDownDataY = 0;
    TgPlotMouseData FMouseDownAxisPixels;
};

// The class a plot creates its channels of (its "virtual constructor").
using TgPlotChannelClass = TgPlotChannelCustom *(*)(TComponent *AOwner, TNotifyEvent AOnChange,
                                                    TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                                                    TNotifyEvent AOnRename);

// Channel as a T (none stays none); a channel of another class raises
// EInvalidCast.
template <class T>
T *ChannelAs(TgPlotChannelCustom *Channel)
{
    auto *typed = dynamic_cast<T *>(Channel);
    if (Channel && !typed)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    return typed;
}

template <class T>
TgPlotChannelCustom *CreateChannelOf(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                     TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
{
    return new T(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename));
}
