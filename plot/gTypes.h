#pragma once

// Enumerations shared across the plot library.
enum TgBevelStyle { ibsNone, ibsRaised, ibsLowered };

// Trace and marker styles of channel points (stored as one byte per point).
enum TgPlotLineStyle : unsigned char { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };
enum TgPlotMarkerStyle : unsigned char {
    ipmsCircle, ipmsSquare, ipmsDiamond, ipmsCross, ipmsPlus, ipmsTriangleUp, ipmsTriangleDown,
    ipmsTriangleLeft, ipmsTriangleRight, ipmsVerticalLine, ipmsHorizontalLine, ipmsCharacter
};
// The list kind a channel keeps its points in.
enum TgPlotDataStyle { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };
enum TgPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };

// Axis enumerations.
enum TgPlotScaleType { ipstLinear, ipstLog10 };
enum TgPlotAxisMode { ipamScroll, ipamZoom };
enum TgPlotTrackingStyle {
    iptsScaleMinMax, iptsScaleMax, iptsScaleMin, iptsScrollSmooth, iptsScrollPage, iptsExpandCollapse,
    iptsExpandCollapseFast, iptsExpandMinMax
};
enum TgPlotTrackingIncrementStyle { iptisMinimum, iptisMajor, iptisMinor };
enum TgPlotAlignFirstStyle { ipafsMin, ipafsMax, ipafsAuto, ipafsNone };
enum TgPlotTextFormat { iptfValue, iptfExponent, iptfPrefix, iptfDateTime, iptfPrice32nds, iptfThousands };
enum TgPlotCartesianStyle { ipcsNone, ipcsMaster, ipcsChild };
enum TgQuadSide { iqsLeft, iqsTop, iqsRight, iqsBottom };
enum TgPlotTickType { ipttMajor, ipttMinor };

// What a data cursor reads.
enum TgPlotDataCursorStyle { ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX };

// The frame an annotation's coordinates are given in: percent of the data
// view or values on a channel's axes. ipriAuto takes it from the reference.
enum TgPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
enum TgPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };
