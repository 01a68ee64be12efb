#pragma once
#include "Font.h"
#include "gPlotManagerObject.h"
#include "gTypes.h"

class TgPlotChannelCustom;
class TgPlotComponent;
class TgPlotDataView;

enum TgOrientationSide { iosTopLeft, iosBottomRight };
enum TgOrientation { ioVertical, ioHorizontal };

// A measuring cursor over the plot's first data view: one or two pointer
// lines at percent positions of the data view (a vertical pointer at an X
// percentage, a horizontal one at a Y percentage) and a hint box with the
// reading of the channel it reads. The user drags the pointers and the hint
// with the mouse, moves them with the keys and picks the channel, the style
// and the options from its menu; on strip charts a pointer may snap to the
// nearest data point. The cursor is created invisible.
class TgPlotDataCursor : public TgPlotManagerObject {
public:
    TgPlotDataCursor(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);

    // "<All>" reads every channel.
    static const QString &AllChannels();
    const QString &ChannelName() const { return FChannelName; }
    void SetChannelName(const QString &Value);
    bool ChannelAllowAll() const { return FChannelAllowAll; }
    void SetChannelAllowAll(bool Value) { ChangeBoolean(FChannelAllowAll, Value, &TgPlotObject::DoChange); }
    bool ChannelShowAllInLegend() const { return FChannelShowAllInLegend; }
    void SetChannelShowAllInLegend(bool Value) { ChangeBoolean(FChannelShowAllInLegend, Value, &TgPlotObject::DoChange); }
    TgPlotDataCursorStyle Style() const { return FStyle; }
    void SetStyle(TgPlotDataCursorStyle Value);
    TFont *Font() { return &FFont; }
    void SetFont(TFont *Value) { FFont.Assign(Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool UseChannelColor() const { return FUseChannelColor; }
    void SetUseChannelColor(bool Value) { ChangeBoolean(FUseChannelColor, Value, &TgPlotObject::DoChange); }
    bool HintShow() const { return FHintShow; }
    void SetHintShow(bool Value) { ChangeBoolean(FHintShow, Value, &TgPlotObject::DoChange); }
    bool HintHideOnRelease() const { return FHintHideOnRelease; }
    void SetHintHideOnRelease(bool Value) { ChangeBoolean(FHintHideOnRelease, Value, &TgPlotObject::DoChange); }
    TgOrientationSide HintOrientationSide() const { return FHintOrientationSide; }
    void SetHintOrientationSide(TgOrientationSide Value);
    // Not held to 0..100 here (the mouse and the keys hold it).
    double HintPosition() const { return FHintPosition; }
    void SetHintPosition(double Value) { ChangeDouble(FHintPosition, Value, &TgPlotObject::DoChange); }
    // Percent positions, held to 0..100.
    double Pointer1Position() const { return FPointer1Position; }
    void SetPointer1Position(double Value);
    double Pointer2Position() const { return FPointer2Position; }
    void SetPointer2Position(double Value);
    int PointerPenWidth() const { return FPointerPenWidth; }
    void SetPointerPenWidth(int Value) { ChangeInteger(FPointerPenWidth, Value, &TgPlotObject::DoChange); }
    // Plain settings: stored without a repaint.
    bool MenuUserCanChangeOptions() const { return FMenuUserCanChangeOptions; }
    void SetMenuUserCanChangeOptions(bool Value) { FMenuUserCanChangeOptions = Value; }
    bool SnapToDataPoint() const { return FSnapToDataPoint; }
    void SetSnapToDataPoint(bool Value) { FSnapToDataPoint = Value; }
    bool UseCachedInterpolatedData() const { return FUseCachedInterpolatedData; }
    void SetUseCachedInterpolatedData(bool Value) { FUseCachedInterpolatedData = Value; }
    // The style menu's items, one per style (in the order of the styles).
    bool MenuItemVisible(TgPlotDataCursorStyle Style) const { return FMenuItemVisible[Style]; }
    void SetMenuItemVisible(TgPlotDataCursorStyle Style, bool Value) { FMenuItemVisible[Style] = Value; }
    const QString &MenuItemCaption(TgPlotDataCursorStyle Style) const { return FMenuItemCaption[Style]; }
    void SetMenuItemCaption(TgPlotDataCursorStyle Style, const QString &Value) { FMenuItemCaption[Style] = Value; }
    template <TgPlotDataCursorStyle S> bool MenuItemVisibleOf() const { return FMenuItemVisible[S]; }
    template <TgPlotDataCursorStyle S> void SetMenuItemVisibleOf(bool Value) { FMenuItemVisible[S] = Value; }
    template <TgPlotDataCursorStyle S> const QString &MenuItemCaptionOf() const { return FMenuItemCaption[S]; }
    template <TgPlotDataCursorStyle S> void SetMenuItemCaptionOf(const QString &V) { FMenuItemCaption[S] = V; }

    TgPlotDataView *DataView() const { return FDataView; }
    // Stored without notice (the manager and the paint hand it over).
    void SetDataView(TgPlotDataView *Value) { FDataView = Value; }

    // Which pointers show and how they and the hint stand, as the style,
    // the plot's kind and the exchange of the plot's axes decide.
    bool Pointer1Show() const { return FPointer1Show; }
    bool Pointer2Show() const { return FPointer2Show; }
    TgOrientation Pointer1Orientation() const { return FPointer1Orientation; }
    TgOrientation Pointer2Orientation() const { return FPointer2Orientation; }
    TgOrientation HintOrientation() const { return FHintOrientation; }
    // The rectangles of the last paint (empty when not drawn).
    const TRect &Pointer1Rect() const { return FPointer1Rect; }
    const TRect &Pointer2Rect() const { return FPointer2Rect; }
    const TRect &HintRect() const { return FHintRect; }
    bool HintShowing() const { return FHintShowing; }

    // The last reading, set by the channel the cursor reads.
    double ValueX() const { return FValueX; }
    double ValueY() const { return FValueY; }
    TgPlotDataPointStatus Status() const { return FStatus; }
    // Stores a reading; a reading that differs from the last one is told to
    // the plot (OnDataCursorChange).
    void SetReading(TgPlotDataPointStatus Status, double Y, double X);
    const QString &CursorDisplayText() const { return FCursorDisplayText; }
    void SetCursorDisplayText(const QString &Value) { FCursorDisplayText = Value; }

    // The plot says a reading is about to be taken (OnBeforeDataCursorUpdate);
    // then every channel of the plot in order reads it with "<All>" (the
    // last one's reading stays), else the cursor's own channel when found.
    void UpdateReadings();
    // The plot's channel named ChannelName, looked up once and kept until
    // the name changes or the channel goes.
    TgPlotChannelCustom *FindChannel();

    // Strip charts: both pointers onto their nearest data points.
    void DoSnapToDataPoint();
    // Strip charts: the Y the channel named ChannelName reads at XValue, as
    // this cursor would read it there (the cursor's settings and the X
    // axis's range are put back afterwards); Null status and 0 without
    // such a channel.
    TgPlotDataPointStatus GetInterpolatedYValue(const QString &ChannelName, double XValue, double &YValue);
    // Strip charts: the index of Channel's point nearest to X (P is the
    // pointer's percent position), and its distance in X; -1 for none.
    int FindNearestIndex(TgPlotChannelCustom *Channel, double P, double X, double &Distance);

    void SetVisible(bool Value) override;
    void SetXYAxesReversed(bool Value) override;
    void NotificationRemove(TObject *Sender) override;
    void NotificationRename(TObject *Sender) override;
    void NotificationSetFocus(TObject *Sender) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    bool gMouseHitTest(const TgPlotMouseData &MouseData) override;
    void DoMouseLeft(const TgPlotMouseData &MouseData) override;
    void DoMouseMove(const TgPlotMouseData &MouseData) override;
    void DoMouseUp(const TgPlotMouseData &MouseData) override;
    void DoGotFocus() override;
    int GetMouseCursor(TPoint Point) override;
    void gKeyDown(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu) override;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    // The owner as a plot component (null for another owner), and this
    // cursor's index among its data cursors.
    TgPlotComponent *PlotComponent() const;
    int IndexInPlot() const;
    bool OnXYPlot() const;
    bool OnStripChart() const;
    bool IsAll() const;
    bool IsDeltaStyle() const;
    void UpdatePointerLayout();
    TColor PointerColor();
    void DrawPointer(TCanvas *Canvas, TgOrientation Orientation, double Position, TRect &HitRect);
    void DrawHint(TCanvas *Canvas);
    // The box of a hint Width x Height beside the pointers, inside the data
    // view; may choose the other HintOrientationSide where the box would not
    // fit, quietly (a paint's choice asks for no further paint).
    TRect PlaceHint(int Width, int Height, int TextWidth, int TextHeight, int CharWidth);
    // A pixel position along an orientation, and back.
    int PercentToPixels(TgOrientation Orientation, double Percent) const;
    double PixelsToPercent(TgOrientation Orientation, int Pixels) const;
    // One pixel of the data view in percent along X (px) or Y (py).
    double PixelStep(TgOrientation Orientation) const;

    void SnapPointer(int Which);
    void MoveToDataIndex(int ChannelIndex, int DataIndex, int Step, int Which);
    void SnapKeyDown(Word Key, TShiftState Shift);
    void MoveHintOnePixel(bool Up);
    void ClampPositions();
    // Value held to 0..100 (what is not at least 0, NaN too, becomes 0).
    static double HeldPercent(double Value);

    QString FChannelName;
    bool FChannelAllowAll = true;
    bool FChannelShowAllInLegend = true;
    TgPlotDataCursorStyle FStyle = ipcsValueXY;
    TFont FFont;
    TColor FColor = 65535;
    bool FUseChannelColor = true;
    bool FHintShow = true;
    bool FHintHideOnRelease = false;
    TgOrientationSide FHintOrientationSide = iosBottomRight;
    double FHintPosition = 50;
    double FPointer1Position = 50;
    double FPointer2Position = 60;
    int FPointerPenWidth = 1;
    bool FMenuUserCanChangeOptions = true;
    bool FSnapToDataPoint = false;
    bool FUseCachedInterpolatedData = false;
    bool FMenuItemVisible[6] = {true, true, true, true, true, true};
    QString FMenuItemCaption[6] = {QStringLiteral("Value X-Y"), QStringLiteral("Value X"), QStringLiteral("Value Y"),
                                   QStringLiteral("Period"),    QStringLiteral("Peak-Peak"), QStringLiteral("Frequency")};

    bool FPointer1Show = true;
    bool FPointer2Show = false;
    TgOrientation FPointer1Orientation = ioVertical;
    TgOrientation FPointer2Orientation = ioHorizontal;
    TgOrientation FHintOrientation = ioVertical;
    TRect FPointer1Rect, FPointer2Rect, FHintRect;
    bool FHintShowing = false;
    int FMouseDownX = 0, FMouseDownY = 0;
    int FDragPixels = 0;
    bool FHintDrag = false, FPointer1Drag = false, FPointer2Drag = false;
    int FSnapToIndexChannel = -1;
    int FSnapToIndexData = -1;

    TgPlotDataView *FDataView = nullptr;
    TgPlotChannelCustom *FChannel = nullptr;
    double FValueX = 0, FValueY = 0;
    TgPlotDataPointStatus FStatus = ipdpsValid;
    QString FCursorDisplayText;
};
