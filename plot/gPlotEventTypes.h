#pragma once
#include "Events.h"
#include "Types.h"

#include <QString>
#include <functional>

// The plot's published event types. Index is the object's position in its
// own typed manager (channel index, axis index, ...).
using TgPlotObjectEvent = std::function<void(TObject *Sender, int Index)>;
using TgPlotObjectMouseEvent =
    std::function<void(TObject *Sender, int Index, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TgPlotObjectMouseMoveEvent = std::function<void(TObject *Sender, int Index, TShiftState Shift, int X, int Y)>;
using TgPlotObjectMouseWheelEvent =
    std::function<void(TObject *Sender, int Index, int WheelDelta, TShiftState Shift, int X, int Y)>;
using TgPlotObjectGetMouseCursorEvent = std::function<void(TObject *Sender, int Index, int &MouseCursor)>;
using TgPlotPopupMenuEvent = std::function<void(TObject *Sender, int Index, bool &Cancel, int ScreenX, int ScreenY)>;
using TgPlotDataPointMouseEvent = std::function<void(TObject *Sender, int ChannelIndex, int DataIndex,
                                                     TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TgPlotDataPointMouseMoveEvent =
    std::function<void(TObject *Sender, int ChannelIndex, int DataIndex, TShiftState Shift, int X, int Y)>;
using TgPlotClickDataPointEvent = std::function<void(TObject *Sender, int ChannelIndex, int DataIndex)>;
using TgPlotObjectDoubleValueChangeEvent =
    std::function<void(TObject *Sender, int Index, double OldValue, double NewValue)>;
using TgPlotAxesMinSpanChangeEvent = std::function<void(TObject *Sender, int Index, double OldMin, double OldSpan,
                                                        double NewMin, double NewSpan)>;
using TgPlotAxesCustomizeLabelEvent = std::function<void(TObject *Sender, int Index, double Value, QString &ALabel)>;
using TgPlotObjectCustomizeTextEvent = std::function<void(TObject *Sender, int Index, QString &AText)>;
using TgPlotDataPointCustomizeTextEvent =
    std::function<void(TObject *Sender, int ChannelIndex, int DataPointIndex, QString &AText)>;
using TgPlotToolBarButtonEvent = std::function<void(TObject *Sender, int Index, int ButtonType)>;
using TgPlotToolBarButtonBeforeEvent = std::function<void(TObject *Sender, int Index, int ButtonType, bool &Cancel)>;
using TgPlotDataPointMovedEvent = std::function<void(TObject *Sender, int ChannelIndex, int DataIndex, double OldX,
                                                     double OldY, double NewX, double NewY)>;
using TgPlotZoomBoxEvent = std::function<void(TObject *Sender, TRect &ZoomRect, bool &Cancel)>;
using TgPlotPrintPageEvent = std::function<void(TObject *Sender, int PageIndex, bool &LastPage)>;

// The object kinds the plot's events name, in the order the relays test
// them.
enum TgPlotEventKind {
    ipekChannel, ipekXAxis, ipekYAxis, ipekDataCursor, ipekDataView, ipekLegend, ipekLimit, ipekTable,
    ipekAnnotation, ipekCount
};
