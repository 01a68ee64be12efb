#pragma once
#include "Types.h"

#include <QString>
#include <functional>

class TFont;
class TgPlotAnnotation;
class TgPlotAxis;
class TgPlotChannelCustom;
class TgPlotDataCursor;
class TgPlotDataView;
class TgPlotObject;
class TgPlotToolBar;
class TgPlotXAxis;
class TgPlotYAxis;
struct TgPlotMouseData;

// The plot as its axes, data views and channels see it: the objects they
// find by index or by name, the occupied rectangles of the paint, and the
// user events they fire through it. The plot component implements it; an
// object whose owner does not finds nothing and fires nothing.
class IgPlotOwner {
public:
    virtual int XAxisCount() const = 0;
    virtual TgPlotXAxis *GetXAxis(int Index) const = 0;
    virtual int YAxisCount() const = 0;
    virtual TgPlotYAxis *GetYAxis(int Index) const = 0;
    virtual int ChannelCount() const = 0;
    virtual TgPlotChannelCustom *GetChannel(int Index) const = 0;
    virtual int DataViewCount() const = 0;
    virtual TgPlotDataView *GetDataView(int Index) const = 0;
    virtual int ToolBarCount() const = 0;
    virtual TgPlotToolBar *GetToolBar(int Index) const = 0;
    // The axis of that kind whose name is Value (ignoring case), or none.
    virtual TgPlotXAxis *GetXAxisByName(const QString &Value) const = 0;
    virtual TgPlotYAxis *GetYAxisByName(const QString &Value) const = 0;
    virtual TgPlotChannelCustom *GetChannelByName(const QString &Value) const = 0;

    // Cartesian axes keep their labels apart through these (Rect is accepted
    // when it meets no occupied rectangle and lies in the first data view).
    virtual bool TryOccupyRect(const TRect &Rect) = 0;
    virtual void AddOccupiedRect(const TRect &Rect) = 0;

    // True while the plot is read from a stream: no user events then.
    virtual bool PlotLoading() const = 0;
    virtual void DisableAllTracking() = 0;
    // User events, relayed with the object's index in its manager.
    virtual void DoObjectClick(TgPlotObject *Obj) = 0;
    // The cursor an object asks for, as the plot's event may change it.
    virtual void DoObjectGetMouseCursor(TgPlotObject *Obj, int &MouseCursor) = 0;
    // The first toolbar's select mode (off without a toolbar): only then
    // do channel points and annotations answer the mouse.
    virtual bool GetSelectActive() const = 0;
    virtual TFont *HintsFont() const = 0;
    virtual bool ClipAnnotationsToAxes() const = 0;
    // A channel's data points: presses, moves, releases, clicks, moved
    // points and the text of a point's hint.
    virtual void DoDataPointMouseDown(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data) = 0;
    virtual void DoDataPointMouseMove(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data) = 0;
    virtual void DoDataPointMouseUp(TgPlotChannelCustom *Channel, int DataIndex, const TgPlotMouseData &Data) = 0;
    virtual void DoDataPointClick(TgPlotChannelCustom *Channel, int DataIndex) = 0;
    virtual void DoDataPointMoved(TgPlotChannelCustom *Channel, int DataIndex, double OldX, double OldY, double NewX,
                                  double NewY) = 0;
    virtual void DoDataPointCustomizeHint(TgPlotChannelCustom *Channel, int DataIndex, QString &Text) = 0;
    // An annotation's coordinates changed; the user moved or resized it;
    // the user's drag that changed it ended.
    virtual void DoAnnotationCoordinatesChange(TgPlotAnnotation *Annotation) = 0;
    virtual void DoAnnotationMoveUser(TgPlotAnnotation *Annotation) = 0;
    virtual void DoAnnotationResizeUser(TgPlotAnnotation *Annotation) = 0;
    virtual void DoAnnotationCoordinatesChangeFinished(TgPlotAnnotation *Annotation) = 0;
    virtual void DoAxisMinChange(TgPlotAxis *Axis, double OldValue, double NewValue) = 0;
    virtual void DoAxisSpanChange(TgPlotAxis *Axis, double OldValue, double NewValue) = 0;
    virtual void DoAxisMinSpanChange(TgPlotAxis *Axis, double OldMin, double OldSpan, double NewMin,
                                     double NewSpan) = 0;
    virtual void DoAxisMinSpanChangeFinished(TgPlotAxis *Axis, double OldMin, double OldSpan, double NewMin,
                                             double NewSpan) = 0;
    virtual void DoAxisCustomizeLabel(TgPlotAxis *Axis, double Value, QString &Label) = 0;
    virtual void DoAxisCustomizeHint(TgPlotAxis *Axis, QString &Text) = 0;
    virtual void DoBeforeZoomBox(TgPlotDataView *DataView, TRect &ZoomRect, bool &Cancel) = 0;
    // A data cursor is about to take its readings; its reading changed
    // (the change is told also while the plot is read).
    virtual void DoBeforeDataCursorUpdate(TgPlotDataCursor *Cursor) = 0;
    virtual void DoDataCursorChange(TgPlotDataCursor *Cursor) = 0;

    // The master-axis relays: Axis's input replayed on every other axis of
    // its kind. Calls made while a relay (or WithoutAxisRelays) runs do not
    // relay again, so each axis takes the input once.
    virtual void RelayAxisMouseLeft(TgPlotAxis * /*Axis*/, const TgPlotMouseData & /*MouseData*/) {}
    virtual void RelayAxisMouseMove(TgPlotAxis * /*Axis*/, const TgPlotMouseData & /*MouseData*/) {}
    virtual void RelayAxisMouseUp(TgPlotAxis * /*Axis*/, const TgPlotMouseData & /*MouseData*/) {}
    virtual void RelayAxisMouseWheel(TgPlotAxis * /*Axis*/, int /*WheelDelta*/, TShiftState /*Shift*/, int /*X*/,
                                     int /*Y*/)
    {
    }
    virtual void RelayAxisKeyDown(TgPlotAxis * /*Axis*/, Word & /*Key*/, TShiftState /*Shift*/) {}
    // Runs Call with the relays held back: for a caller that hands the input
    // to every axis itself.
    virtual void WithoutAxisRelays(const std::function<void()> &Call) { Call(); }

    // What the channels' files take from the plot: the column separator of
    // data files (TAB or ",") and whether properties at their defaults are
    // left out of configuration files.
    virtual char GetDataFileSeparatorChar() const { return '\t'; }
    virtual bool DifferentialPropertySave() const { return false; }

    TgPlotDataView *FirstDataView() const { return DataViewCount() > 0 ? GetDataView(0) : nullptr; }
    TgPlotToolBar *FirstToolBar() const { return ToolBarCount() > 0 ? GetToolBar(0) : nullptr; }

protected:
    ~IgPlotOwner() = default;
};
