#pragma once
#include "gPlotLayoutObject.h"

class IgPlotOwner;
class TgPlotAxis;

enum TgPlotGridLineStyle { ipglsSolid, ipglsDash, ipglsDot };
enum TgPlotAxesControlStyle { ipacsXAxis, ipacsYAxis, ipacsBoth, ipacsNone };

// The plot area: the rectangle in the middle around which the layout stacks
// the other objects and inside which channels draw. It paints an optional
// background, grid lines at its axes' ticks and border lines, converts
// between pixels and percent positions, and turns the mouse into axis
// control: a drag or a wheel turn scrolls or zooms the axes, a drawn box
// zooms into its contents.
class TgPlotDataView : public TgPlotLayoutObject {
public:
    TgPlotDataView(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                   TNotifyEvent AOnRename);

    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &Value) { ChangeString(FTitle, Value, &TgPlotObject::DoChange); }
    bool BackgroundTransparent() const { return FBackgroundTransparent; }
    void SetBackgroundTransparent(bool Value) { ChangeBoolean(FBackgroundTransparent, Value, &TgPlotObject::DoChange); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { Change(FBackgroundColor, Value); }
    bool GridShow() const { return FGridShow; }
    void SetGridShow(bool Value) { ChangeBoolean(FGridShow, Value, &TgPlotObject::DoChange); }
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value) { Change(FGridLineColor, Value); }

    // The grid settings of one kind of line (X or Y, major or minor).
    struct GridLines {
        bool Custom = false;
        TColor Color = clGreen;
        int Width = 0;
        TgPlotGridLineStyle Style = ipglsSolid;
    };
    enum GridKind { XMajor, XMinor, YMajor, YMinor };
    const GridLines &Grid(GridKind Kind) const { return FGrid[Kind]; }
    void SetGridCustom(GridKind Kind, bool Value) { Change(FGrid[Kind].Custom, Value); }
    void SetGridColor(GridKind Kind, TColor Value) { Change(FGrid[Kind].Color, Value); }
    void SetGridWidth(GridKind Kind, int Value) { Change(FGrid[Kind].Width, Value); }
    void SetGridStyle(GridKind Kind, TgPlotGridLineStyle Value) { Change(FGrid[Kind].Style, Value); }
    // The same as published properties (GridLineXMajorCustom ...).
    template <GridKind K> bool GridCustomOf() const { return FGrid[K].Custom; }
    template <GridKind K> void SetGridCustomOf(bool Value) { SetGridCustom(K, Value); }
    template <GridKind K> TColor GridColorOf() const { return FGrid[K].Color; }
    template <GridKind K> void SetGridColorOf(TColor Value) { SetGridColor(K, Value); }
    template <GridKind K> int GridWidthOf() const { return FGrid[K].Width; }
    template <GridKind K> void SetGridWidthOf(int Value) { SetGridWidth(K, Value); }
    template <GridKind K> TgPlotGridLineStyle GridStyleOf() const { return FGrid[K].Style; }
    template <GridKind K> void SetGridStyleOf(TgPlotGridLineStyle Value) { SetGridStyle(K, Value); }
    bool GridLineShowLeft() const { return FShowLeft; }
    void SetGridLineShowLeft(bool Value) { ChangeBoolean(FShowLeft, Value, &TgPlotObject::DoChange); }
    bool GridLineShowTop() const { return FShowTop; }
    void SetGridLineShowTop(bool Value) { ChangeBoolean(FShowTop, Value, &TgPlotObject::DoChange); }
    bool GridLineShowRight() const { return FShowRight; }
    void SetGridLineShowRight(bool Value) { ChangeBoolean(FShowRight, Value, &TgPlotObject::DoChange); }
    bool GridLineShowBottom() const { return FShowBottom; }
    void SetGridLineShowBottom(bool Value) { ChangeBoolean(FShowBottom, Value, &TgPlotObject::DoChange); }
    bool GridLineShowXMajors() const { return FShowXMajors; }
    void SetGridLineShowXMajors(bool Value) { ChangeBoolean(FShowXMajors, Value, &TgPlotObject::DoChange); }
    bool GridLineShowYMajors() const { return FShowYMajors; }
    void SetGridLineShowYMajors(bool Value) { ChangeBoolean(FShowYMajors, Value, &TgPlotObject::DoChange); }
    bool GridLineShowXMinors() const { return FShowXMinors; }
    void SetGridLineShowXMinors(bool Value) { ChangeBoolean(FShowXMinors, Value, &TgPlotObject::DoChange); }
    bool GridLineShowYMinors() const { return FShowYMinors; }
    void SetGridLineShowYMinors(bool Value) { ChangeBoolean(FShowYMinors, Value, &TgPlotObject::DoChange); }
    TgPlotGridLineStyle GridLineMajorStyle() const { return FMajorStyle; }
    void SetGridLineMajorStyle(TgPlotGridLineStyle Value) { Change(FMajorStyle, Value); }
    TgPlotGridLineStyle GridLineMinorStyle() const { return FMinorStyle; }
    void SetGridLineMinorStyle(TgPlotGridLineStyle Value) { Change(FMinorStyle, Value); }
    // The axis whose ticks give the grid lines; "<ALL>" (any case) takes
    // every axis of the kind.
    const QString &GridXAxisName() const { return FGridXAxisName; }
    void SetGridXAxisName(const QString &Value);
    const QString &GridYAxisName() const { return FGridYAxisName; }
    void SetGridYAxisName(const QString &Value);
    // Stored without a repaint.
    bool AxesControlEnabled() const { return FAxesControlEnabled; }
    void SetAxesControlEnabled(bool Value) { FAxesControlEnabled = Value; }
    TgPlotAxesControlStyle AxesControlMouseStyle() const { return FAxesControlMouseStyle; }
    void SetAxesControlMouseStyle(TgPlotAxesControlStyle Value) { Change(FAxesControlMouseStyle, Value); }
    TgPlotAxesControlStyle AxesControlWheelStyle() const { return FAxesControlWheelStyle; }
    void SetAxesControlWheelStyle(TgPlotAxesControlStyle Value) { Change(FAxesControlWheelStyle, Value); }
    bool AxesControlAllowInSelectMode() const { return FAxesControlAllowInSelectMode; }
    void SetAxesControlAllowInSelectMode(bool Value) { Change(FAxesControlAllowInSelectMode, Value); }

    // Percent positions of the data view (Y runs upward).
    double PixelsXToPositionPercent(int Value) const;
    double PixelsYToPositionPercent(int Value) const;
    int PositionPercentToPixelsX(double Value) const;
    int PositionPercentToPixelsY(double Value) const;

    void DrawBackground(TCanvas *Canvas);
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    virtual void DrawZoomBox(TCanvas *Canvas);
    bool ZoomBoxActive() const { return FZoomBoxActive; }
    // The plot's OnBeforeZoomBox may change or cancel R; then every axis
    // zooms to it.
    void ZoomToRect(TRect R);
    // 2 select, 1 zoom box, 3 axes control, 0 none.
    int GetMouseMode();

    void DoMouseLeft(const TgPlotMouseData &MouseData) override;
    void DoMouseRight(const TgPlotMouseData &MouseData) override;
    void DoMouseMove(const TgPlotMouseData &MouseData) override;
    void DoMouseUp(const TgPlotMouseData &MouseData) override;
    bool DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y) override;
    void gKeyDown(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu) override;
    TgPlotObject *GetMouseOverObject(int X, int Y) override;
    int GetMouseCursor(TPoint Point) override;
    void NotificationRemove(TObject *Sender) override;
    void NotificationRename(TObject *Sender) override;
    void NotificationSetFocus(TObject *Sender) override;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    TgPlotAxis *GridXAxis();
    TgPlotAxis *GridYAxis();
    void DrawGridOf(TCanvas *Canvas, TgPlotAxis *Axis, bool X);
    // Every X axis, then every Y axis, as chosen.
    template <class F>
    void ForAxes(bool X, bool Y, F &&Call);

    QString FTitle;
    bool FBackgroundTransparent = true;
    TColor FBackgroundColor = 8421376;
    bool FGridShow = true;
    TColor FGridLineColor = clGreen;
    GridLines FGrid[4];
    bool FShowLeft = true, FShowTop = true, FShowRight = true, FShowBottom = true;
    bool FShowXMajors = true, FShowYMajors = true, FShowXMinors = false, FShowYMinors = false;
    TgPlotGridLineStyle FMajorStyle = ipglsSolid, FMinorStyle = ipglsSolid;
    QString FGridXAxisName, FGridYAxisName;
    bool FAxesControlEnabled = false;
    TgPlotAxesControlStyle FAxesControlMouseStyle = ipacsBoth;
    TgPlotAxesControlStyle FAxesControlWheelStyle = ipacsXAxis;
    bool FAxesControlAllowInSelectMode = false;

    TgPlotAxis *FXAxis = nullptr;
    TgPlotAxis *FYAxis = nullptr;
    bool FMouseDownLeft = false;
    bool FMouseDownRight = false;
    bool FZoomBoxActive = false;
    int FMouseDownX = 0, FMouseDownY = 0, FMouseMoveX = 0, FMouseMoveY = 0;
    bool FDirectionLock = false;
    bool FDirectionLockXAxis = false;
};
