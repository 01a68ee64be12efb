#pragma once
#include "Brush.h"
#include "Pen.h"
#include "gLimitDataList.h"
#include "gPlotObject.h"

class TgPlotComponent;
class TgPlotXAxis;
class TgPlotYAxis;

// The X styles measure their positions along the X axis (vertical lines),
// the Y styles along the Y axis; a poly band's elements run along the
// other axis.
enum TgPlotLimitStyle { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };

// A limit marked against one X and one Y axis (bound by name): a line at
// Line1Position, a band between Line1Position and Line2Position, or a poly
// band whose two edges follow a list of (Position, UpperLimit, LowerLimit)
// elements kept in the order they were added. With UserCanMove the user
// drags the lines; each new position is told to the plot.
class TgPlotLimit : public TgPlotObject {
public:
    TgPlotLimit(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);

    TgPlotLimitStyle Style() const { return FStyle; }
    void SetStyle(TgPlotLimitStyle Value) { Change(FStyle, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Change(FColor, Value); }
    TPenStyle LineStyle() const { return FLineStyle; }
    void SetLineStyle(TPenStyle Value) { Change(FLineStyle, Value); }
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int Value) { ChangeInteger(FLineWidth, Value, &TgPlotObject::DoChange); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle Value) { Change(FFillStyle, Value); }
    const QString &XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString &Value);
    // Stored without a repaint.
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value);
    // Each change is told to the plot (OnLimitLine1PositionChange, ...2...)
    // with the old and the new value.
    double Line1Position() const { return FLine1Position; }
    void SetLine1Position(double Value);
    double Line2Position() const { return FLine2Position; }
    void SetLine2Position(double Value);
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool Value) { ChangeBoolean(FUserCanMove, Value, &TgPlotObject::DoChange); }
    // The mouse reaches the limit only while the toolbar's select mode is on.
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool Value) { FSelectModeOnlyInteraction = Value; }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { ChangeBoolean(FClipToAxes, Value, &TgPlotObject::DoChange); }

    // A poly band's elements; "the Upper Limit must be greater than or equal
    // to the Lower Limit" when LowerLimit > UpperLimit (nothing added).
    void AddBandElement(double Position, double UpperLimit, double LowerLimit);
    void ClearAllElements();
    const TgLimitDataList &Elements() const { return FElements; }

    bool IsYStyle() const;
    // True when the limit fills an area (drawn beneath the data view's grid).
    bool IsFilledStyle() const;

    TgPlotXAxis *XAxis();
    TgPlotYAxis *YAxis();
    // Whether each line was drawn in the last paint, and where it is hit.
    bool Line1Drawn() const { return FLine1Drawn; }
    bool Line2Drawn() const { return FLine2Drawn; }
    const TRect &Line1ClickRect() const { return FLine1ClickRect; }
    const TRect &Line2ClickRect() const { return FLine2ClickRect; }

    void NotificationRemove(TObject *Sender) override;
    void NotificationRename(TObject *Sender) override;
    void NotificationSetFocus(TObject *Sender) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    bool gMouseHitTest(const TgPlotMouseData &MouseData) override;
    void DoMouseLeft(const TgPlotMouseData &MouseData) override;
    void DoMouseMove(const TgPlotMouseData &MouseData) override;
    void DoMouseUp(const TgPlotMouseData &MouseData) override;
    int GetMouseCursor(TPoint Point) override;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    TgPlotComponent *PlotComponent() const;
    int IndexInPlot() const;
    // A value pair's pixel point, exchanged when the plot exchanges its axes.
    TPoint PixelOf(double X, double Y);
    // The hit rectangle of a line at Pixel along the measuring axis, across
    // the other axis's range: 5 pixels either side, both edges included.
    TRect LineClickRect(int Pixel, bool AlongX);
    void DrawLine(TCanvas *Canvas, TColor BackGroundColor, bool AlongX);
    void DrawBand(TCanvas *Canvas, bool AlongX);
    void DrawPolyBand(TCanvas *Canvas, bool AlongX);
    void SetLinePosition(double &Field, double Value, int Line);

    TgPlotLimitStyle FStyle = iplsLineY;
    TColor FColor = 255;
    TPenStyle FLineStyle = psSolid;
    int FLineWidth = 0;
    TBrushStyle FFillStyle = bsSolid;
    QString FXAxisName;
    QString FYAxisName;
    double FLine1Position = 50;
    double FLine2Position = 50;
    bool FUserCanMove = false;
    bool FSelectModeOnlyInteraction = true;
    bool FClipToAxes = false;

    TgPlotXAxis *FXAxis = nullptr;
    TgPlotYAxis *FYAxis = nullptr;
    bool FLine1Drawn = false, FLine2Drawn = false;
    TRect FLine1ClickRect, FLine2ClickRect;
    bool FLine1Drag = false, FLine2Drag = false;
    TgLimitDataList FElements;
};
