#pragma once
#include "Canvas.h"
#include "ComponentStream.h"
#include "Font.h"
#include "gDrawing.h"
#include "gPlotAxisLabelFormat.h"
#include "gPlotAxisScale.h"
#include "gPlotAxisTicks.h"
#include "gPlotLayoutObject.h"

class IgPlotOwner;

// An axis: a layout object on one side of the data view that owns a value
// range (Min, Span), maps values to pixels on a linear or log scale, keeps
// its ticks with their label texts and draws its line, ticks, labels and
// title. Range changes go through the setters, which clamp, notify and fire
// the plot's events (one set of events for SetMinSpan). The X and Y axis
// classes differ only in their defaults and in which events and lookups
// they use.
class TgPlotAxis : public TgPlotLayoutObject, public IDefinesProperties {
public:
    TgPlotAxis(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
               TNotifyEvent AOnRename);
    ~TgPlotAxis() override;

    // Range.
    double Min() const { return FScale.Min; }
    void SetMin(double Value);
    double Span() const { return FScale.Span; }
    void SetSpan(double Value);
    double Max() const { return FScale.Max(); }
    double Mid() const { return FScale.Mid(); }
    // Both ends with one set of events; on a log scale values not above 0
    // become 1.
    void SetMinSpan(double NewMin, double NewSpan);
    double DesiredStart() const { return FDesiredStart; }
    void SetDesiredStart(double Value) { ChangeDouble(FDesiredStart, Value, &TgPlotObject::DoChange); }
    double DesiredIncrement() const { return FDesiredIncrement; }
    void SetDesiredIncrement(double Value);
    bool ReverseScale() const { return FScale.ReverseScale; }
    void SetReverseScale(bool Value) { Change(FScale.ReverseScale, Value); }
    TgPlotScaleType ScaleType() const { return FScale.ScaleType; }
    void SetScaleType(TgPlotScaleType Value);

    // Geometry.
    int InnerMargin() const { return FInnerMargin; }
    void SetInnerMargin(int Value) { ChangeInteger(FInnerMargin, Value, &TgPlotObject::DoChange); }
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int Value) { ChangeInteger(FOuterMargin, Value, &TgPlotObject::DoChange); }
    double StackingEndsMargin() const { return FStackingEndsMargin; }
    void SetStackingEndsMargin(double Value) { ChangeDouble(FStackingEndsMargin, Value, &TgPlotObject::DoChange); }

    // Title.
    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &Value) { ChangeString(FTitle, Value, &TgPlotObject::DoLayoutChange); }
    bool TitleShow() const { return FTitleShow; }
    void SetTitleShow(bool Value) { ChangeBoolean(FTitleShow, Value, &TgPlotObject::DoChange); }
    bool TitleRotated() const { return FTitleRotated; }
    void SetTitleRotated(bool Value) { ChangeBoolean(FTitleRotated, Value, &TgPlotObject::DoChange); }
    double TitleMargin() const { return FTitleMargin; }
    void SetTitleMargin(double Value) { ChangeDouble(FTitleMargin, Value, &TgPlotObject::DoChange); }
    TFont *TitleFont() { return &FTitleFont; }
    void SetTitleFont(TFont *Value) { FTitleFont.Assign(Value); }

    // Ticks.
    int MajorLength() const { return FMajorLength; }
    void SetMajorLength(int Value) { ChangeInteger(FMajorLength, Value, &TgPlotObject::DoChange); }
    int MinorLength() const { return FMinorLength; }
    void SetMinorLength(int Value) { ChangeInteger(FMinorLength, Value, &TgPlotObject::DoChange); }
    int MinorCount() const { return FMinorCount; }
    void SetMinorCount(int Value) { ChangeInteger(FMinorCount, Value, &TgPlotObject::DoChange); }
    bool ScaleLineShow() const { return FScaleLineShow; }
    void SetScaleLineShow(bool Value) { ChangeBoolean(FScaleLineShow, Value, &TgPlotObject::DoChange); }
    bool ScaleLinesShow() const { return FScaleLinesShow; }
    void SetScaleLinesShow(bool Value) { ChangeBoolean(FScaleLinesShow, Value, &TgPlotObject::DoChange); }
    TColor ScaleLinesColor() const { return FScaleLinesColor; }
    void SetScaleLinesColor(TColor Value) { Change(FScaleLinesColor, Value); }
    bool GridLinesVisible() const { return FGridLinesVisible; }
    void SetGridLinesVisible(bool Value) { ChangeBoolean(FGridLinesVisible, Value, &TgPlotObject::DoChange); }

    // Labels.
    bool LabelsVisible() const { return FLabelsVisible; }
    void SetLabelsVisible(bool Value) { ChangeBoolean(FLabelsVisible, Value, &TgPlotObject::DoChange); }
    double LabelsMargin() const { return FLabelsMargin; }
    void SetLabelsMargin(double Value) { ChangeDouble(FLabelsMargin, Value, &TgPlotObject::DoChange); }
    TFont *LabelsFont() { return &FLabelsFont; }
    void SetLabelsFont(TFont *Value) { FLabelsFont.Assign(Value); }
    double LabelSeparation() const { return FLabelSeparation; }
    void SetLabelSeparation(double Value) { ChangeDouble(FLabelSeparation, Value, &TgPlotObject::DoChange); }
    TgRotationAngle LabelsRotation() const { return FLabelsRotation; }
    void SetLabelsRotation(TgRotationAngle Value) { Change(FLabelsRotation, Value); }
    int LabelsPrecision() const { return FLabels.Precision; }
    void SetLabelsPrecision(int Value) { Change(FLabels.Precision, Value); }
    TgPrecisionStyle LabelsPrecisionStyle() const { return FLabels.PrecisionStyle; }
    void SetLabelsPrecisionStyle(TgPrecisionStyle Value) { Change(FLabels.PrecisionStyle, Value); }
    TgPlotTextFormat LabelsFormatStyle() const { return FLabels.FormatStyle; }
    void SetLabelsFormatStyle(TgPlotTextFormat Value) { Change(FLabels.FormatStyle, Value); }
    const QString &DateTimeFormat() const { return FLabels.DateTimeFormat; }
    void SetDateTimeFormat(const QString &Value) { ChangeString(FLabels.DateTimeFormat, Value, &TgPlotObject::DoChange); }
    double LabelsMinLength() const { return FLabelsMinLength; }
    void SetLabelsMinLength(double Value) { ChangeDouble(FLabelsMinLength, Value, &TgPlotObject::DoChange); }
    bool LabelsMinLengthAutoAdjust() const { return FLabelsMinLengthAutoAdjust; }
    void SetLabelsMinLengthAutoAdjust(bool Value) { Change(FLabelsMinLengthAutoAdjust, Value); }

    // Tracking.
    bool TrackingEnabled() const { return FTrackingEnabled; }
    void SetTrackingEnabled(bool Value);
    TgPlotTrackingStyle TrackingStyle() const { return FTrackingStyle; }
    void SetTrackingStyle(TgPlotTrackingStyle Value) { Change(FTrackingStyle, Value); }
    TgPlotTrackingIncrementStyle TrackingIncrementStyle() const { return FTrackingIncrementStyle; }
    void SetTrackingIncrementStyle(TgPlotTrackingIncrementStyle Value) { Change(FTrackingIncrementStyle, Value); }
    TgPlotAlignFirstStyle TrackingAlignFirstStyle() const { return FTrackingAlignFirstStyle; }
    void SetTrackingAlignFirstStyle(TgPlotAlignFirstStyle Value) { Change(FTrackingAlignFirstStyle, Value); }
    double TrackingScrollCompressMax() const { return FTrackingScrollCompressMax; }
    void SetTrackingScrollCompressMax(double Value) { ChangeDouble(FTrackingScrollCompressMax, Value, &TgPlotObject::DoChange); }
    double TrackingSpanMinimum() const { return FTrackingSpanMinimum; }
    void SetTrackingSpanMinimum(double Value) { ChangeDouble(FTrackingSpanMinimum, Value, &TgPlotObject::DoChange); }
    double TrackingMaxMargin() const { return FTrackingMaxMargin; }
    void SetTrackingMaxMargin(double Value) { ChangeDouble(FTrackingMaxMargin, Value, &TgPlotObject::DoChange); }
    double TrackingMinMargin() const { return FTrackingMinMargin; }
    void SetTrackingMinMargin(double Value) { ChangeDouble(FTrackingMinMargin, Value, &TgPlotObject::DoChange); }
    bool RestoreValuesOnResume() const { return FRestoreValuesOnResume; }
    void SetRestoreValuesOnResume(bool Value) { ChangeBoolean(FRestoreValuesOnResume, Value, &TgPlotObject::DoChange); }
    // A value a channel added: widens, moves or re-fits the range by
    // TrackingStyle (the first value after construction or ResetFirstAlign
    // only aligns the range by TrackingAlignFirstStyle); then the minimum
    // span and the margins. Nothing while tracking is off.
    void NewTrackingData(double Value);
    void ResetFirstAlign() { FFirstAlignDone = false; }
    // The range over the visible points of the channels on this axis (Fast:
    // over their running extremes, without the span minimum), widened by the
    // tracking margins; nothing without points or when they span nothing.
    void ZoomToFit();
    void ZoomToFitFast();
    // Widens the range to whole steps of the last tick generation's major or
    // minor increment (TrackingIncrementStyle; iptisMinimum leaves it).
    void SnapToIncrement();
    // Stores Min, Span and LabelsMinLength as the values a resume restores.
    void UpdateResumeValues();

    // Cursor and legend texts.
    bool CursorUseDefaultFormat() const { return FCursorUseDefaultFormat; }
    void SetCursorUseDefaultFormat(bool Value) { Change(FCursorUseDefaultFormat, Value); }
    TgPlotTextFormat CursorFormatStyle() const { return FCursor.FormatStyle; }
    void SetCursorFormatStyle(TgPlotTextFormat Value) { Change(FCursor.FormatStyle, Value); }
    const QString &CursorDateTimeFormat() const { return FCursor.DateTimeFormat; }
    void SetCursorDateTimeFormat(const QString &Value) { ChangeString(FCursor.DateTimeFormat, Value, &TgPlotObject::DoChange); }
    TgPrecisionStyle CursorPrecisionStyle() const { return FCursor.PrecisionStyle; }
    void SetCursorPrecisionStyle(TgPrecisionStyle Value) { Change(FCursor.PrecisionStyle, Value); }
    int CursorPrecision() const { return FCursor.Precision; }
    void SetCursorPrecision(int Value) { Change(FCursor.Precision, Value); }
    double CursorMinLength() const { return FCursorMinLength; }
    void SetCursorMinLength(double Value) { ChangeDouble(FCursorMinLength, Value, &TgPlotObject::DoChange); }
    bool CursorMinLengthAutoAdjust() const { return FCursorMinLengthAutoAdjust; }
    void SetCursorMinLengthAutoAdjust(bool Value) { Change(FCursorMinLengthAutoAdjust, Value); }
    double CursorScaler() const { return FCursorScaler; }
    void SetCursorScaler(double Value) { ChangeDouble(FCursorScaler, Value, &TgPlotObject::DoChange); }
    bool LegendUseDefaultFormat() const { return FLegendUseDefaultFormat; }
    void SetLegendUseDefaultFormat(bool Value) { Change(FLegendUseDefaultFormat, Value); }
    TgPlotTextFormat LegendFormatStyle() const { return FLegend.FormatStyle; }
    void SetLegendFormatStyle(TgPlotTextFormat Value) { Change(FLegend.FormatStyle, Value); }
    const QString &LegendDateTimeFormat() const { return FLegend.DateTimeFormat; }
    void SetLegendDateTimeFormat(const QString &Value) { ChangeString(FLegend.DateTimeFormat, Value, &TgPlotObject::DoChange); }
    TgPrecisionStyle LegendPrecisionStyle() const { return FLegend.PrecisionStyle; }
    void SetLegendPrecisionStyle(TgPrecisionStyle Value) { Change(FLegend.PrecisionStyle, Value); }
    int LegendPrecision() const { return FLegend.Precision; }
    void SetLegendPrecision(int Value) { Change(FLegend.Precision, Value); }
    double LegendMinLength() const { return FLegendMinLength; }
    void SetLegendMinLength(double Value) { ChangeDouble(FLegendMinLength, Value, &TgPlotObject::DoChange); }
    bool LegendMinLengthAutoAdjust() const { return FLegendMinLengthAutoAdjust; }
    void SetLegendMinLengthAutoAdjust(bool Value) { Change(FLegendMinLengthAutoAdjust, Value); }

    // Interaction.
    bool ScrollMinMaxEnabled() const { return FScrollMinMaxEnabled; }
    void SetScrollMinMaxEnabled(bool Value) { Change(FScrollMinMaxEnabled, Value); }
    double ScrollMin() const { return FScrollMin; }
    void SetScrollMin(double Value) { ChangeDouble(FScrollMin, Value, &TgPlotObject::DoChange); }
    double ScrollMax() const { return FScrollMax; }
    void SetScrollMax(double Value) { ChangeDouble(FScrollMax, Value, &TgPlotObject::DoChange); }
    bool MasterUIInput() const { return FMasterUIInput; }
    void SetMasterUIInput(bool Value) { Change(FMasterUIInput, Value); }
    TgPlotAxisMode Mode() const { return FMode; }
    void SetMode(TgPlotAxisMode Value) { Change(FMode, Value); }

    // Cartesian and alignment.
    TgPlotCartesianStyle CartesianStyle() const { return FCartesianStyle; }
    bool IsCartesian() const { return FCartesianStyle != ipcsNone; }
    void SetCartesianStyle(TgPlotCartesianStyle Value) { Change(FCartesianStyle, Value); }
    const QString &CartesianChildRefAxisName() const { return FCartesianChildRefAxisName; }
    void SetCartesianChildRefAxisName(const QString &Value);
    double CartesianChildRefValue() const { return FCartesianChildRefValue; }
    void SetCartesianChildRefValue(double Value) { ChangeDouble(FCartesianChildRefValue, Value, &TgPlotObject::DoChange); }
    const QString &AlignRefAxisName() const { return FAlignRefAxisName; }
    void SetAlignRefAxisName(const QString &Value);
    // The axis of the other kind named CartesianChildRefAxisName, and the
    // axis of the same kind named AlignRefAxisName (looked up once).
    TgPlotAxis *CartesianRefAxis();
    TgPlotAxis *AlignRefAxis();

    // Conversions (current after each layout pass).
    int PositionToPixels(double Value) const { return FScale.PositionToPixels(Value); }
    double PixelsToPosition(int Value) const { return FScale.PixelsToPosition(Value); }
    int WidthToPixels(double Value) const { return FScale.WidthToPixels(Value); }
    double PositionToPercent(double Value) const { return FScale.PositionToPercent(Value); }
    double PercentToPosition(double Value) const;
    bool PointOnScale(double Value) const { return FScale.PointOnScale(Value); }
    bool ValueOnScale(double Value) const { return FScale.ValueOnScale(Value); }
    int MinPixels() const { return FScale.MinPixels(); }
    int MaxPixels() const { return FScale.MaxPixels(); }
    const TgPlotAxisScale &Scale() const { return FScale; }

    // Ticks.
    double MajorIncrement() const { return FTicks.MajorIncrement; }
    double MinorIncrement() const { return FTicks.MinorIncrement; }
    bool TickListCustom() const { return FTickListCustom; }
    void SetTickListCustom(bool Value) { FTickListCustom = Value; }
    int TickListCount() const { return int(FTicks.Ticks.size()); }
    const TgPlotTickObject &Tick(int Index) const;
    void TickListClear();
    // Raises "Log Scale Requires Position to be Greater Than Zero" for a
    // position not above 0 on a log scale.
    int TickListAdd(double Position, const QString &ALabel, TgPlotTickType Style);
    // Rebuilds the tick list for the current range and scale length.
    void CalcTicks(TCanvas *Canvas);

    // Texts.
    QString GetLabelText(double Value);
    QString GetCursorText(double Value);
    QString GetLegendText(double Value);
    QString GetCursorValueText(double Value);
    QString GetLabelTextAdjusting(double Value);
    int GetLabelsWidth(TCanvas *Canvas, TFont *Font);
    int GetLegendValueWidth(TCanvas *Canvas, TFont *Font);
    int GetCursorValueWidth(TCanvas *Canvas, TFont *Font);
    const QString &CustomizeLabelEventText() const { return FCustomizeLabelEventText; }
    void SetCustomizeLabelEventText(const QString &Value);

    // Zoom and scroll by the user (each switches tracking off). With
    // MasterUIInput the press, moves, release, wheel and keys are replayed on
    // the plot's other axes of the same kind.
    // Linear: the span times Value around the middle (Value above 0, else
    // "Linear Scale Zoom Factor must be Greater than Zero"); log: Value decades.
    void Zoom(double Value);
    // The range between the pixels of Rect along the axis.
    void ZoomToPixelRect(const TRect &Rect);
    // The common scroll and zoom steps: by a fraction of the span (held
    // within ScrollMin..ScrollMax when enabled), and by a power of ten.
    void ScrollByFraction(double AMin, double ASpan, double AMax, double F);
    void ZoomByExponent(double AMin, double ASpan, double AMax, double E);
    // Mode, swapped while Ctrl is held.
    TgPlotAxisMode GetEffectiveMode(TShiftState Shift) const;
    // A drag along the axis: scroll mode moves the content with the mouse,
    // zoom mode zooms by the distance (Ctrl swaps the two).
    void DoMouseLeft(const TgPlotMouseData &MouseData) override;
    void DoMouseMove(const TgPlotMouseData &MouseData) override;
    void DoMouseUp(const TgPlotMouseData &MouseData) override;
    // A notch scrolls 5 % of the span or zooms (Ctrl swaps the two).
    bool DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y) override;
    // Page Up/Down and Home/End a whole step, the arrows a hundredth, in the
    // axis's Mode (Ctrl does not swap here).
    void gKeyDown(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu) override;

    // Layout and drawing.
    TgQuadSide QuadSide() const { return FQuadSide; }
    const TRect &ScaleRect() const { return FScale.ScaleRect(); }
    const TRect &FocusRect() const { return FFocusRect; }
    void CalcScaleRect(TCanvas *Canvas);
    // The same, measuring the fonts without a device.
    void CalcScaleRect() { CalcScaleRect(&FMeasureCanvas); }
    void CalcTicks() { CalcTicks(&FMeasureCanvas); }
    int GetScaleLength() const { return FScale.ScaleLength(); }
    int GetRequiredSpace(TCanvas *Canvas) override;
    int GetEndMargin(TCanvas *Canvas) override;
    void UpdateCanDraw() override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    void DrawGridLines(TCanvas *Canvas, const TRect &Rect, int MinorWidth, int MajorWidth, TColor MinorColor,
                       TColor MajorColor, TPenStyle MinorStyle, TPenStyle MajorStyle, bool ShowMinors,
                       bool ShowMajors);

    // Object overrides.
    void NotificationRemove(TObject *Sender) override;
    // An axis may be aligned to another of its kind.
    bool RefersToItsKind() const override { return true; }
    void NotificationRename(TObject *Sender) override;
    void NotificationSetFocus(TObject *Sender) override;
    bool gMouseHitTest(const TgPlotMouseData &MouseData) override;
    void DoMouseHint(const TgPlotMouseData &MouseData, TgHintData &HintData) override;
    int GetMouseCursor(TPoint Point) override;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override;
    void DefineProperties(TFiler *Filer) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

protected:
    bool FiresEvents() const;
    virtual bool IsXAxis() const = 0;

    // The label text by one set of settings, customized by the plot's event;
    // MinLength grows with AutoAdjust while labels may adjust.
    QString FormatValue(const TgPlotAxisTextFormat &Format, double &MinLength, bool AutoAdjust, double Value);
    int LabelHeightOfMin(TCanvas *Canvas);

private:
    void FitToChannels(bool Fast);
    // The user's zooms end here: a narrower range is taken only while the
    // axis can still label its ticks there (as many distinct labels as now,
    // up to two, at steps the numbers resolve, no longer than 24 characters
    // or than now); a wider one always.
    void ZoomTo(double NewMin, double NewSpan);
    // The count of distinct texts of the major ticks shown over AMin ..
    // AMin + ASpan, and the longest's length (the axis's own ticks are left
    // as they were).
    int SurveyLabels(double AMin, double ASpan, int &Longest);
    void DrawTick(TCanvas *Canvas, const TgPlotTickObject &Tick);
    void DrawLabel(TCanvas *Canvas, const TgPlotTickObject &Tick);
    void DrawTitle(TCanvas *Canvas);

    TCanvas FMeasureCanvas;
    TgPlotAxisScale FScale;
    TgPlotAxisTicks FTicks;
    double FDesiredStart = 0;
    double FDesiredIncrement = 0;
    int FInnerMargin = 5;
    int FOuterMargin = 5;
    double FStackingEndsMargin = 0.5;
    QString FTitle;
    bool FTitleShow = false;
    bool FTitleRotated = false;
    double FTitleMargin = 0.25;
    TFont FTitleFont;
    int FMajorLength = 7;
    int FMinorLength = 3;
    int FMinorCount = 1;
    bool FScaleLineShow = true;
    bool FScaleLinesShow = true;
    TColor FScaleLinesColor = clWhite;
    bool FGridLinesVisible = true;
    bool FLabelsVisible = true;
    double FLabelsMargin = 0.25;
    TFont FLabelsFont;
    double FLabelSeparation = 2.0;
    TgRotationAngle FLabelsRotation = ira000;
    TgPlotAxisTextFormat FLabels;
    double FLabelsMinLength = 5.0;
    bool FLabelsMinLengthAutoAdjust = false;
    bool FTrackingEnabled = true;
    TgPlotTrackingStyle FTrackingStyle = iptsScaleMinMax;
    TgPlotTrackingIncrementStyle FTrackingIncrementStyle = iptisMinimum;
    TgPlotAlignFirstStyle FTrackingAlignFirstStyle = ipafsNone;
    double FTrackingScrollCompressMax = 0;
    double FTrackingSpanMinimum = 0;
    double FTrackingMaxMargin = 0;
    double FTrackingMinMargin = 0;
    bool FRestoreValuesOnResume = true;
    bool FCursorUseDefaultFormat = true;
    TgPlotAxisTextFormat FCursor;
    double FCursorMinLength = 5.0;
    bool FCursorMinLengthAutoAdjust = false;
    double FCursorScaler = 1.0;
    bool FLegendUseDefaultFormat = true;
    TgPlotAxisTextFormat FLegend;
    double FLegendMinLength = 5.0;
    bool FLegendMinLengthAutoAdjust = false;
    bool FScrollMinMaxEnabled = false;
    double FScrollMin = 0;
    double FScrollMax = 100;
    bool FMasterUIInput = false;
    TgPlotAxisMode FMode = ipamScroll;
    TgPlotCartesianStyle FCartesianStyle = ipcsNone;
    QString FCartesianChildRefAxisName = QStringLiteral("<None>");
    double FCartesianChildRefValue = 0;
    QString FAlignRefAxisName = QStringLiteral("<None>");
    bool FTickListCustom = false;

    TgPlotAxis *FCartesianRefAxis = nullptr;
    TgPlotAxis *FAlignRefAxis = nullptr;
    bool FBlockMinSpanEvents = false;
    TgQuadSide FQuadSide = iqsBottom;
    TRect FFocusRect;
    int FRequiredWidth = 0;
    double FPreviousMin = 0;
    double FPreviousSpan = 100;
    double FPreviousLabelsMinLength = 0;
    bool FAllowLabelMinAdjust = false;
    bool FFirstAlignDone = false;
    bool FAxisMouseDown = false;
    int FMouseDownX = 0, FMouseDownY = 0;
    double FMouseDownMin = 0, FMouseDownSpan = 0;
    QString FCustomizeLabelEventText;
    bool FCustomizeLabelEventModified = false;
};
