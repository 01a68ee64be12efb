#include "Component.h"
#include "gPlotChannelCustom.h"

#include "Exceptions.h"
#include "TypInfo.h"
#include "gPlotDataCompactIntervalList.h"
#include "gPlotDataCompactList.h"
#include "gPlotDataFullList.h"
#include "gPlotDataNullList.h"
#include "gPlotOwner.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include <cmath>

namespace {

std::unique_ptr<TgPlotDataCustomList> NewList(TgPlotDataStyle Style)
{
    switch (Style) {
    case ipdsCompact: return std::make_unique<TgPlotDataCompactList>();
    case ipdsCompactInterval: return std::make_unique<TgPlotDataCompactIntervalList>();
    case ipdsFullFeature: return std::make_unique<TgPlotDataFullList>();
    case ipdsStandard: break;
    }
    return std::make_unique<TgPlotDataNullList>();
}

} // namespace

TgPlotChannelCustom::TgPlotChannelCustom(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FData(NewList(ipdsStandard))
{
    FData->StoredTraceLineColor = clRed;
    FData->StoredTraceLineStyle = iplsSolid;
    FData->StoredTraceLineWidth = 1;
    FData->StoredMarkerVisible = false;
    FData->StoredMarkerSize = 3;
    FData->StoredMarkerStyle = ipmsCircle;
    FData->StoredMarkerPenColor = clRed;
    FData->StoredMarkerPenStyle = psSolid;
    FData->StoredMarkerPenWidth = 0;
    FData->StoredMarkerBrushColor = clRed;
    FData->StoredMarkerBrushStyle = bsSolid;
    FMarkersFont.SetColor(clWhite);
    FMarkersFont.SetStyle(TFontStyles() << fsBold);
    FMarkersFont.OnChange = [this](TObject *) { DoChange(); };
}

TgPlotChannelCustom::~TgPlotChannelCustom() = default;

int TgPlotChannelCustom::AddXY(double X, double Y)
{
    return DoAddXY(X, Y, false, false);
}

void TgPlotChannelCustom::CheckFiniteX(double X)
{
    if (!std::isfinite(X))
        throw Exception(QStringLiteral("New Data-Point X-Value is not a finite number"));
}

int TgPlotChannelCustom::DoAddXY(double X, double Y, bool Null, bool Empty)
{
    CheckFiniteX(X);
    // A Y that is not a finite number is a gap, as a Null point is; its
    // value stays as given, and counts as 0 in the running statistics.
    const bool finiteY = std::isfinite(Y);
    Null = Null || (!finiteY && !Empty);
    // A full ring drops its oldest point: written first while it is unlogged.
    if (FLoggingActive && FLogBufferCount > 0 && FData->RingBufferEnabled() && Count() == Capacity() &&
        FLogBufferCount >= Count())
        FlushLog();
    // A full ring drops its oldest point: index 0 names the next one.
    if (FData->RingBufferEnabled() && Count() > 0 && Count() == Capacity())
        ++FFirstSequence;
    const int index = FData->Add(X, Y, Null, Empty);
    if (FXRises == 1 && IsValidPoint(Count() - 1)) {
        const double x = GetX(Count() - 1); // as the list keeps it
        FXRises = x >= FLastValidX;
        FLastValidX = x;
    }
    if (X > FRunningXMax)
        FRunningXMax = X;
    if (X < FRunningXMin)
        FRunningXMin = X;
    const double runningY = finiteY ? Y : 0;
    if (runningY > FRunningYMax)
        FRunningYMax = runningY;
    if (runningY < FRunningYMin)
        FRunningYMin = runningY;
    ++FRunningCount;
    FRunningXTotal += X;
    FRunningXMean = double(FRunningXTotal / FRunningCount);
    FRunningYTotal += runningY;
    FRunningYMean = double(FRunningYTotal / FRunningCount);
    if (FXAxisTrackingEnabled || FYAxisTrackingEnabled) {
        const int last = Count() - 1;
        TgPlotXAxis *xAxis = FXAxisTrackingEnabled ? XAxis() : nullptr;
        TgPlotYAxis *yAxis = FYAxisTrackingEnabled ? YAxis() : nullptr;
        if (MarkersVisible()) {
            // Empty points keep out of Y tracking whatever the markers do.
            if (!GetNull(last)) {
                if (xAxis) {
                    xAxis->NewTrackingData(GetXPlusMarker(last));
                    xAxis->NewTrackingData(GetXMinusMarker(last));
                }
                if (yAxis && !GetEmpty(last)) {
                    yAxis->NewTrackingData(GetYPlusMarker(last));
                    yAxis->NewTrackingData(GetYMinusMarker(last));
                }
            }
        } else {
            if (xAxis)
                xAxis->NewTrackingData(X);
            if (yAxis && !Null && !Empty)
                yAxis->NewTrackingData(Y);
        }
    }
    FKeepValidExtremes = true;
    DoChange();
    FKeepValidExtremes = false;
    if (FLoggingActive) {
        ++FLogBufferCount;
        if (FLogBufferCount >= FLogBufferSize || FLogBufferSize < 2)
            FlushLog();
    }
    return index;
}

void TgPlotChannelCustom::DoChange()
{
    if (!FKeepValidExtremes) {
        FXWindow.Clear();
        FYWindow.Clear();
        FXRises = -1;
    }
    TgPlotManagerObject::DoChange();
}

// The values are read back from the list, as it keeps them (a compact list
// in single precision).
void TgPlotChannelCustom::FollowRun(TgPlotWindowExtremes &Window, int From, int To, bool X)
{
    Window.MoveTo(FFirstSequence + From, FFirstSequence + To, [&](std::int64_t Sequence, double &Value) {
        const int i = int(Sequence - FFirstSequence);
        if (!IsValidPoint(i))
            return false;
        Value = X ? GetX(i) : GetY(i);
        return true;
    });
}

void TgPlotChannelCustom::GetValidExtremes(double &XMin, double &XMax, double &YMin, double &YMax)
{
    FollowRun(FXWindow, 0, Count() - 1, true);
    FollowRun(FYWindow, 0, Count() - 1, false);
    const bool any = FXWindow.Any();
    XMin = any ? FXWindow.Lowest() : HUGE_VAL;
    XMax = any ? FXWindow.Highest() : -HUGE_VAL;
    YMin = any ? FYWindow.Lowest() : HUGE_VAL;
    YMax = any ? FYWindow.Highest() : -HUGE_VAL;
}

bool TgPlotChannelCustom::ValidXRises()
{
    if (FXRises < 0) {
        FXRises = 1;
        FLastValidX = -HUGE_VAL;
        for (int i = 0; i < Count() && FXRises; ++i)
            if (IsValidPoint(i)) {
                FXRises = GetX(i) >= FLastValidX;
                FLastValidX = GetX(i);
            }
    }
    return FXRises == 1;
}

void TgPlotChannelCustom::ValidYExtremes(int From, int To, int &Lowest, int &Highest)
{
    FollowRun(FYWindow, From, To, false);
    Lowest = FYWindow.Any() ? int(FYWindow.LowestAt() - FFirstSequence) : -1;
    Highest = FYWindow.Any() ? int(FYWindow.HighestAt() - FFirstSequence) : -1;
}

void TgPlotChannelCustom::AddXYArrays(const QVariant &XData, const QVariant &YData)
{
    auto isList = [](const QVariant &V) { return V.metaType().id() == QMetaType::QVariantList; };
    auto isFlat = [&](const QVariant &V) {
        if (!isList(V))
            return false;
        for (const QVariant &e : V.toList())
            if (isList(e))
                return false;
        return true;
    };
    if (!isFlat(XData))
        throw Exception(QStringLiteral("X-Data array must be 1 dimensional"));
    if (!isFlat(YData))
        throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
    const QVariantList xs = XData.toList(), ys = YData.toList();
    if (xs.size() != ys.size())
        throw Exception(QStringLiteral("X-Data and Y-Data hogh bound dimension must match"));
    for (int i = 0; i < xs.size(); ++i) {
        bool okX, okY;
        const double x = xs[i].toDouble(&okX), y = ys[i].toDouble(&okY);
        if (!okX || !okY)
            throw EConvertError(QStringLiteral("Could not convert variant to Double"));
        DoAddXY(x, y, false, false);
    }
}

void TgPlotChannelCustom::AddXYArray(const QVariant &Data)
{
    const QVariantList rows = Data.toList();
    if (Data.metaType().id() != QMetaType::QVariantList || rows.isEmpty() ||
        rows[0].metaType().id() != QMetaType::QVariantList)
        throw Exception(QStringLiteral("Array Must Be 2 Dimensional"));
    if (rows.size() != 2)
        throw Exception(QStringLiteral("Array First Dimension Must Be 2 Elements"));
    const QVariantList xs = rows[0].toList(), ys = rows[1].toList();
    for (int j = 0; j < std::min(xs.size(), ys.size()); ++j) {
        bool okX, okY;
        const double x = xs[j].toDouble(&okX), y = ys[j].toDouble(&okY);
        if (!okX || !okY)
            throw EConvertError(QStringLiteral("Could not convert variant to Double"));
        DoAddXY(x, y, false, false);
    }
}

void TgPlotChannelCustom::DeletePoints(int Size)
{
    if (Size == Count()) {
        Clear();
        return;
    }
    FData->DeletePoints(Size);
    DoChange();
}

void TgPlotChannelCustom::ResetRunning()
{
    FRunningCount = 0;
    FRunningXTotal = FRunningYTotal = 0;
    FRunningXMean = FRunningYMean = 0;
    FRunningXMax = FRunningYMax = -1e300;
    FRunningXMin = FRunningYMin = 1e300;
}

void TgPlotChannelCustom::Clear()
{
    ResetRunning();
    FDrawStartIndex = FDrawStopIndex = -1;
    if (FLoggingActive)
        LogDeactivate();
    FData->Clear();
    DoChange();
}

void TgPlotChannelCustom::GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const
{
    FData->GetXYEmptyNull(Index, X, Y, Empty, Null);
}

void TgPlotChannelCustom::SetCount(int Value)
{
    FData->SetCapacity(Value);
    DoChange();
}

void TgPlotChannelCustom::SetRingBufferSize(int Value)
{
    FData->SetRingBufferSize(Value);
    DoChange();
}

void TgPlotChannelCustom::SetDataStyle(TgPlotDataStyle Value)
{
    if (Value == FDataStyle)
        return;
    std::unique_ptr<TgPlotDataCustomList> list = NewList(Value);
    const TgPlotDataCustomList &old = *FData;
    list->StoredTraceLineColor = old.StoredTraceLineColor;
    list->StoredTraceLineWidth = old.StoredTraceLineWidth;
    list->StoredTraceLineStyle = old.StoredTraceLineStyle;
    list->StoredMarkerVisible = old.StoredMarkerVisible;
    list->StoredMarkerSize = old.StoredMarkerSize;
    list->StoredMarkerStyle = old.StoredMarkerStyle;
    list->StoredMarkerPenColor = old.StoredMarkerPenColor;
    list->StoredMarkerPenStyle = old.StoredMarkerPenStyle;
    list->StoredMarkerPenWidth = old.StoredMarkerPenWidth;
    list->StoredMarkerBrushColor = old.StoredMarkerBrushColor;
    list->StoredMarkerBrushStyle = old.StoredMarkerBrushStyle;
    list->StoredBarVisible = old.StoredBarVisible;
    list->StoredBarWidth = old.StoredBarWidth;
    list->StoredBarReference = old.StoredBarReference;
    list->StoredBarPenColor = old.StoredBarPenColor;
    list->StoredBarPenStyle = old.StoredBarPenStyle;
    list->StoredBarPenWidth = old.StoredBarPenWidth;
    list->StoredBarBrushColor = old.StoredBarBrushColor;
    list->StoredBarBrushStyle = old.StoredBarBrushStyle;
    list->SetRingBufferSize(old.RingBufferSize());
    FData = std::move(list);
    FDataStyle = Value;
    DoChange();
}

void TgPlotChannelCustom::ReCalcRunningMinMaxMean()
{
    ResetRunning();
    for (int i = 0; i < Count(); ++i) {
        if (!IsValidPoint(i))
            continue;
        const double x = GetX(i), y = GetY(i);
        ++FRunningCount;
        FRunningXMin = std::min(FRunningXMin, x);
        FRunningXMax = std::max(FRunningXMax, x);
        FRunningYMin = std::min(FRunningYMin, y);
        FRunningYMax = std::max(FRunningYMax, y);
        FRunningXTotal += x;
        FRunningYTotal += y;
    }
    if (FRunningCount) {
        FRunningXMean = double(FRunningXTotal / FRunningCount);
        FRunningYMean = double(FRunningYTotal / FRunningCount);
    }
}

double TgPlotChannelCustom::ScanValid(bool X, bool Largest)
{
    double result = Largest ? -1e300 : 1e300;
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) {
            const double v = X ? GetX(i) : GetY(i);
            result = Largest ? std::max(result, v) : std::min(result, v);
        }
    return result;
}

double TgPlotChannelCustom::GetXMax() { return FRunningXMax = ScanValid(true, true); }
double TgPlotChannelCustom::GetXMin() { return FRunningXMin = ScanValid(true, false); }
double TgPlotChannelCustom::GetYMax() { return FRunningYMax = ScanValid(false, true); }
double TgPlotChannelCustom::GetYMin() { return FRunningYMin = ScanValid(false, false); }

double TgPlotChannelCustom::MeanOfValid(bool X, long double &Total)
{
    Total = 0;
    FRunningCount = 0;
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) {
            Total += X ? GetX(i) : GetY(i);
            ++FRunningCount;
        }
    return FRunningCount ? double(Total / FRunningCount) : 0;
}

double TgPlotChannelCustom::GetXMean() { return FRunningXMean = MeanOfValid(true, FRunningXTotal); }
double TgPlotChannelCustom::GetYMean() { return FRunningYMean = MeanOfValid(false, FRunningYTotal); }

TgPlotXAxis *TgPlotChannelCustom::XAxis()
{
    if (!FXAxis)
        if (IgPlotOwner *plot = Plot())
            FXAxis = plot->GetXAxisByName(FXAxisName);
    return FXAxis;
}

TgPlotYAxis *TgPlotChannelCustom::YAxis()
{
    if (!FYAxis)
        if (IgPlotOwner *plot = Plot())
            FYAxis = plot->GetYAxisByName(FYAxisName);
    return FYAxis;
}

void TgPlotChannelCustom::SetXAxisName(const QString &Value)
{
    FXAxis = nullptr;
    ChangeString(FXAxisName, Value, &TgPlotObject::DoChange);
}

void TgPlotChannelCustom::SetYAxisName(const QString &Value)
{
    FYAxis = nullptr;
    ChangeString(FYAxisName, Value, &TgPlotObject::DoChange);
}

bool TgPlotChannelCustom::HasAxes()
{
    return XAxis() && YAxis();
}

void TgPlotChannelCustom::SetX(int Index, double Value) { FData->SetX(Index, Value); DoChange(); }
void TgPlotChannelCustom::SetY(int Index, double Value) { FData->SetY(Index, Value); DoChange(); }
void TgPlotChannelCustom::SetNull(int Index, bool Value) { FData->SetNull(Index, Value); DoChange(); }
void TgPlotChannelCustom::SetEmpty(int Index, bool Value) { FData->SetEmpty(Index, Value); DoChange(); }

double TgPlotChannelCustom::MarkerExtent(TgPlotAxis *Axis)
{
    return std::fabs(Axis->PixelsToPosition(MarkersSize() + Axis->MinPixels()) - Axis->Min());
}

double TgPlotChannelCustom::WidenByMarker(double Value, bool X, int Sign)
{
    if (!MarkersVisible())
        return Value;
    TgPlotAxis *axis = X ? static_cast<TgPlotAxis *>(XAxis()) : static_cast<TgPlotAxis *>(YAxis());
    if (!axis)
        throw Exception(X ? QStringLiteral("X-Axis not assigned") : QStringLiteral("Y-Axis not assigned"));
    return Value + Sign * MarkerExtent(axis);
}

double TgPlotChannelCustom::WithMarker(int Index, bool X, int Sign)
{
    if (GetNull(Index))
        throw Exception(QStringLiteral("Data Point Null"));
    return WidenByMarker(X ? GetX(Index) : GetY(Index), X, Sign);
}

double TgPlotChannelCustom::GetXPlusMarker(int Index) { return WithMarker(Index, true, 1); }
double TgPlotChannelCustom::GetXMinusMarker(int Index) { return WithMarker(Index, true, -1); }
double TgPlotChannelCustom::GetYPlusMarker(int Index) { return WithMarker(Index, false, 1); }
double TgPlotChannelCustom::GetYMinusMarker(int Index) { return WithMarker(Index, false, -1); }

QString TgPlotChannelCustom::GetXValueText(double Value)
{
    if (!XAxis())
        return TranslateText(QStringLiteral("No X-Axis"));
    return XAxis()->GetCursorText(Value);
}

QString TgPlotChannelCustom::GetYValueText(double Value)
{
    if (!YAxis())
        return TranslateText(QStringLiteral("No Y-Axis"));
    return YAxis()->GetCursorText(Value);
}

QString TgPlotChannelCustom::FormatCursorText(TgPlotDataCursorStyle Style, TgPlotDataPointStatus Status, double Y,
                                              double X)
{
    FDataCursorXText.clear();
    FDataCursorYText.clear();
    FDataCursorXValue = X;
    FDataCursorYValue = Y;
    FDataCursorStatus = Status;
    if (!XAxis()) {
        FDataCursorXText = TranslateText(QStringLiteral("No X-Axis"));
        return FDataCursorXText;
    }
    auto yText = [&] {
        if (!YAxis())
            return QStringLiteral("No Y-Axis");
        if (Status == ipdpsNull)
            return TranslateText(QStringLiteral("Null"));
        if (Status == ipdpsEmpty)
            return TranslateText(QStringLiteral("Empty"));
        return CursorValidYText(Y);
    };
    switch (Style) {
    case ipcsValueXY:
        FDataCursorXText = GetXValueText(X);
        FDataCursorYText = yText();
        return FDataCursorXText + QStringLiteral(", ") + FDataCursorYText;
    case ipcsValueX:
    case ipcsDeltaX:
        FDataCursorXText = GetXValueText(X);
        return FDataCursorXText;
    case ipcsValueY:
        FDataCursorYText = yText();
        return FDataCursorYText;
    case ipcsDeltaY:
        FDataCursorYText = YAxis() ? GetYValueText(Y) : QStringLiteral("No Y-Axis");
        return FDataCursorYText;
    case ipcsInverseDeltaX:
        FDataCursorXText = X < 1e301 ? GetXValueText(X) : TranslateText(QStringLiteral("Infinite"));
        return FDataCursorXText;
    }
    return QString();
}

void TgPlotChannelCustom::NotificationRemove(TObject *Sender)
{
    TgPlotManagerObject::NotificationRemove(Sender);
    if (Sender == static_cast<TObject *>(FXAxis))
        FXAxis = nullptr;
    if (Sender == static_cast<TObject *>(FYAxis))
        FYAxis = nullptr;
}

void TgPlotChannelCustom::NotificationRename(TObject *Sender)
{
    TgPlotManagerObject::NotificationRename(Sender);
    if (FXAxis && Sender == static_cast<TObject *>(FXAxis))
        FXAxisName = FXAxis->Name();
    if (FYAxis && Sender == static_cast<TObject *>(FYAxis))
        FYAxisName = FYAxis->Name();
}

double TgPlotChannelCustom::LineYAtX(double X1, double Y1, double X2, double Y2, double X)
{
    if (X1 == X2)
        return 0;
    const double slope = (Y2 - Y1) / (X2 - X1), intercept = Y1 - X1 * slope;
    return slope * X + intercept;
}

double TgPlotChannelCustom::LineXAtY(double X1, double Y1, double X2, double Y2, double Y)
{
    if (X1 == X2)
        return X1;
    const double slope = (Y2 - Y1) / (X2 - X1), intercept = Y1 - X1 * slope;
    return (Y - intercept) / slope;
}

const TPublishedClass *TgPlotChannelCustom::StaticPublished()
{
    using C = TgPlotChannelCustom;
    static const QStringList lineStyles{QStringLiteral("iplsSolid"), QStringLiteral("iplsDash"),
                                        QStringLiteral("iplsDot"), QStringLiteral("iplsDashDot"),
                                        QStringLiteral("iplsDashDotDot")};
    static const QStringList markerStyles{
        QStringLiteral("ipmsCircle"),        QStringLiteral("ipmsSquare"),        QStringLiteral("ipmsDiamond"),
        QStringLiteral("ipmsCross"),         QStringLiteral("ipmsPlus"),          QStringLiteral("ipmsTriangleUp"),
        QStringLiteral("ipmsTriangleDown"),  QStringLiteral("ipmsTriangleLeft"),  QStringLiteral("ipmsTriangleRight"),
        QStringLiteral("ipmsVerticalLine"),  QStringLiteral("ipmsHorizontalLine"), QStringLiteral("ipmsCharacter")};
    static const QStringList moveStyles{QStringLiteral("ipcdpmsXandY"), QStringLiteral("ipcdpmsXOnly"),
                                        QStringLiteral("ipcdpmsYOnly")};
    static const QStringList dataStyles{QStringLiteral("ipdsStandard"), QStringLiteral("ipdsCompact"),
                                        QStringLiteral("ipdsCompactInterval"), QStringLiteral("ipdsFullFeature")};
    static const TPublishedClass info =
        TPublishedBuilder<C>(TgPlotManagerObject::StaticPublished())
            .String("TitleText", &C::TitleText, &C::SetTitleText)
            .Bool("VisibleInLegend", &C::VisibleInLegend, &C::SetVisibleInLegend, true)
            .Bool("ClipToAxes", &C::ClipToAxes, &C::SetClipToAxes, false)
            .Bool("ShowDataPointHints", &C::ShowDataPointHints, &C::SetShowDataPointHints, false)
            .Bool("UserCanMoveDataPoints", &C::UserCanMoveDataPoints, &C::SetUserCanMoveDataPoints, false)
            .Enumeration("UserCanMoveDataPointsStyle", &C::UserCanMoveDataPointsStyle,
                         &C::SetUserCanMoveDataPointsStyle, moveStyles, ipcdpmsXandY)
            .Integer("RingBufferSize", &C::RingBufferSize, &C::SetRingBufferSize, 0)
            .Bool("TraceVisible", &C::TraceVisible, &C::SetTraceVisible, true)
            .Integer("Color", &C::Color, &C::SetColor, clRed)
            .Enumeration("TraceLineStyle", &C::TraceLineStyle, &C::SetTraceLineStyle, lineStyles, iplsSolid)
            .Integer("TraceLineWidth", &C::TraceLineWidth, &C::SetTraceLineWidth, 1)
            .Bool("MarkersAllowIndividual", &C::MarkersAllowIndividual, &C::SetMarkersAllowIndividual, false)
            .Bool("MarkersPenUseChannelColor", &C::MarkersPenUseChannelColor, &C::SetMarkersPenUseChannelColor, true)
            .Bool("MarkersBrushUseChannelColor", &C::MarkersBrushUseChannelColor,
                  &C::SetMarkersBrushUseChannelColor, true)
            .Integer("MarkersTurnOffLimit", &C::MarkersTurnOffLimit, &C::SetMarkersTurnOffLimit, 0)
            .Bool("MarkersVisible", &C::MarkersVisible, &C::SetMarkersVisible, false)
            .Integer("MarkersSize", &C::MarkersSize, &C::SetMarkersSize, 3)
            .Enumeration("MarkersStyle", &C::MarkersStyle, &C::SetMarkersStyle, markerStyles, ipmsCircle)
            .Integer("MarkersPenColor", &C::MarkersPenColor, &C::SetMarkersPenColor, clRed)
            .Enumeration("MarkersPenStyle", &C::MarkersPenStyle, &C::SetMarkersPenStyle, PenStyleNames(), psSolid)
            .Integer("MarkersPenWidth", &C::MarkersPenWidth, &C::SetMarkersPenWidth, 0)
            .Integer("MarkersBrushColor", &C::MarkersBrushColor, &C::SetMarkersBrushColor, clRed)
            .Enumeration("MarkersBrushStyle", &C::MarkersBrushStyle, &C::SetMarkersBrushStyle, BrushStyleNames(), bsSolid)
            .Object("MarkersFont", [](C *c) -> TObject * { return c->MarkersFont(); })
            .String("XAxisName", &C::XAxisName, &C::SetXAxisName)
            .String("YAxisName", &C::YAxisName, &C::SetYAxisName)
            .Bool("XAxisTrackingEnabled", &C::XAxisTrackingEnabled, &C::SetXAxisTrackingEnabled, true)
            .Bool("YAxisTrackingEnabled", &C::YAxisTrackingEnabled, &C::SetYAxisTrackingEnabled, true)
            .String("LogFileName", &C::LogFileName, &C::SetLogFileName)
            .Integer("LogBufferSize", &C::LogBufferSize, &C::SetLogBufferSize, 0)
            .Bool("LoggingActive", &C::LoggingActive, &C::IgnoreWrite, false)
            .ReadOnly()
            .Enumeration("DataStyle", &C::DataStyle, &C::SetDataStyle, dataStyles, ipdsStandard)
            .Build();
    return &info;
}
