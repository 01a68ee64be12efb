#pragma once
#include "Brush.h"
#include "Font.h"
#include "Pen.h"
#include "gDrawing.h"
#include "gOwnedBitmap.h"
#include "gPlotObject.h"
#include "gTypes.h"

#include <memory>
#include <vector>

class TBitmap;
class TgPlotChannelCustom;
class TgPlotDataView;

enum TgPlotAnnotationStyle {
    ipasText, ipasLine, ipasRectangle, ipasLineX, ipasLineY, ipasImage, ipasTextRectangle, ipasEllipse, ipasTextBox,
    ipasEllipse2, ipasPolygon, ipasRectangle2
};
// What the drag under way does: nothing, move, or resize by a corner.
enum TgPlotAnnotationSelectStyle {
    ipassNone, ipassMove, ipassSizeTopLeft, ipassSizeTopRight, ipassSizeBottomLeft, ipassSizeBottomRight
};

// A corner of a polygon annotation, in the frames of the annotation's X and Y.
struct TgPlotAnnotationPoint {
    double X = 0;
    double Y = 0;
};

// A free-standing drawing on the plot: a text, a line, a marker line across
// the data view, a rectangle, an ellipse, a text box, a polygon or an image.
// Each coordinate is given in its own frame: percent of the data view, or
// values on the axes of the channel named ChannelName. Sized shapes
// (ipasRectangle, ipasEllipse2, ipasTextRectangle) stand on their centre (X, Y)
// with Width and Height; two-corner shapes (ipasEllipse, ipasRectangle2) on
// (X, Y) and (X2, Y2). The plot hands over its data view and the axes'
// exchange before every paint; a paint that lacks a frame leaves the
// annotation undrawn and deaf to the mouse. The user may move (UserCanMove)
// and resize (UserCanSize) it; with SelectModeOnlyInteraction only while the
// plot's toolbar is in select mode. Every change of coordinates reaches the
// plot's annotation events; a drag that changed them ends with
// OnAnnotationCoordinatesChangeFinished, once.
class TgPlotAnnotation : public TgPlotObject {
public:
    TgPlotAnnotation(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);
    ~TgPlotAnnotation() override;

    TgPlotAnnotationStyle Style() const { return FStyle; }
    void SetStyle(TgPlotAnnotationStyle Value) { ChangeEnum(FStyle, Value); }
    // The frame chosen for every coordinate whose own frame is ipriAuto.
    TgPlotReferenceType Reference() const { return FReference; }
    void SetReference(TgPlotReferenceType Value) { ChangeEnum(FReference, Value); }
    TgPlotReferenceIndividual ReferencePositionX() const { return FReferencePositionX; }
    void SetReferencePositionX(TgPlotReferenceIndividual Value) { ChangeEnum(FReferencePositionX, Value); }
    TgPlotReferenceIndividual ReferencePositionY() const { return FReferencePositionY; }
    void SetReferencePositionY(TgPlotReferenceIndividual Value) { ChangeEnum(FReferencePositionY, Value); }
    TgPlotReferenceIndividual ReferenceSizeX() const { return FReferenceSizeX; }
    void SetReferenceSizeX(TgPlotReferenceIndividual Value) { ChangeEnum(FReferenceSizeX, Value); }
    TgPlotReferenceIndividual ReferenceSizeY() const { return FReferenceSizeY; }
    void SetReferenceSizeY(TgPlotReferenceIndividual Value) { ChangeEnum(FReferenceSizeY, Value); }

    // Coordinates; a change is told to the plot (OnAnnotationCoordinatesChange).
    double X() const { return FX; }
    void SetX(double Value) { SetCoordinate(FX, Value); }
    double Y() const { return FY; }
    void SetY(double Value) { SetCoordinate(FY, Value); }
    double X2() const { return FX2; }
    void SetX2(double Value) { SetCoordinate(FX2, Value); }
    double Y2() const { return FY2; }
    void SetY2(double Value) { SetCoordinate(FY2, Value); }
    double Width() const { return FWidth; }
    void SetWidth(double Value) { SetCoordinate(FWidth, Value); }
    double Height() const { return FHeight; }
    void SetHeight(double Value) { SetCoordinate(FHeight, Value); }

    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor Value) { ChangeEnum(FPenColor, Value); }
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int Value) { ChangeInteger(FPenWidth, Value, &TgPlotObject::DoChange); }
    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle Value) { ChangeEnum(FPenStyle, Value); }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor Value) { ChangeEnum(FBrushColor, Value); }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) { ChangeEnum(FBrushStyle, Value); }
    // Lines are separated by line breaks.
    const QString &Text() const { return FText; }
    void SetText(const QString &Value) { ChangeString(FText, Value, &TgPlotObject::DoChange); }
    // Setting copies the given font's attributes; any change of the font
    // counts as a change of the annotation.
    TFont *Font() { return &FFont; }
    void SetFont(TFont *Value) { FFont.Assign(Value); }
    // The channel whose axes form the channel frame (looked up by name once,
    // then kept until the name changes or the channel goes).
    const QString &ChannelName() const { return FChannelName; }
    void SetChannelName(const QString &Value);
    TgRotationAngle TextRotation() const { return FTextRotation; }
    void SetTextRotation(TgRotationAngle Value) { ChangeEnum(FTextRotation, Value); }
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool Value) { ChangeBoolean(FUserCanMove, Value, &TgPlotObject::DoChange); }
    bool UserCanSize() const { return FUserCanSize; }
    void SetUserCanSize(bool Value) { ChangeBoolean(FUserCanSize, Value, &TgPlotObject::DoChange); }
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool Value)
    {
        ChangeBoolean(FSelectModeOnlyInteraction, Value, &TgPlotObject::DoChange);
    }
    // Clip the drawing to the rectangle of the channel's axes (to the data
    // view when the channel or an axis is missing).
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { ChangeBoolean(FClipToAxes, Value, &TgPlotObject::DoChange); }
    // Which of the plot's image lists (0, 1, any other value the third) and
    // which image of it the image style draws when it has no Image.
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int Value) { ChangeInteger(FImageListIndex, Value, &TgPlotObject::DoChange); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { ChangeInteger(FImageIndex, Value, &TgPlotObject::DoChange); }
    TgAlignmentHorizontal TextHorzAlignment() const { return FTextHorzAlignment; }
    void SetTextHorzAlignment(TgAlignmentHorizontal Value) { ChangeEnum(FTextHorzAlignment, Value); }
    TgAlignmentVertical TextVertAlignment() const { return FTextVertAlignment; }
    void SetTextVertAlignment(TgAlignmentVertical Value) { ChangeEnum(FTextVertAlignment, Value); }
    TgAlignmentHorizontal TextLineAlignment() const { return FTextLineAlignment; }
    void SetTextLineAlignment(TgAlignmentHorizontal Value) { ChangeEnum(FTextLineAlignment, Value); }
    // In widths and heights of a character of the font.
    double TextHorzMargin() const { return FTextHorzMargin; }
    void SetTextHorzMargin(double Value) { ChangeDouble(FTextHorzMargin, Value, &TgPlotObject::DoChange); }
    double TextVertMargin() const { return FTextVertMargin; }
    void SetTextVertMargin(double Value) { ChangeDouble(FTextVertMargin, Value, &TgPlotObject::DoChange); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool Value) { ChangeBoolean(FShowFocusRect, Value, &TgPlotObject::DoChange); }
    // Pixels between a text box's border and its text.
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int Value) { ChangeInteger(FOuterMargin, Value, &TgPlotObject::DoChange); }

    // The picture of the image style: a copy of Value (none frees it).
    TBitmap *Image() const { return FImage.Get(); }
    void SetImage(TBitmap *Value);
    void ImageClear();
    // The loader's error for a missing or unreadable file passes on.
    void ImageLoadFromFile(const QString &FileName);

    // Polygon corners; moving a polygon changes only X and Y.
    int PolyPointAdd(double X, double Y);
    void PolyPointsClear();
    int PolyPointsCount() const { return static_cast<int>(FPolyPoints.size()); }
    const TgPlotAnnotationPoint &PolyPoint(int Index) const;

    TgPlotDataView *DataView() const { return FDataView; }
    // Stored without notice (the paint hands it over); forgotten when the
    // data view goes.
    void SetDataView(TgPlotDataView *Value) { FDataView = Value; }

    // Coordinates to client pixels along the X (Y) axis and back: through
    // the channel's axis in the channel frame (0 without the channel or one
    // of its axes), through the data view's percent otherwise (0 without it).
    int PositionXToPixels(double Value);
    int PositionYToPixels(double Value);
    double PixelsXToPosition(int Value);
    double PixelsYToPosition(int Value);

    // State of the last paint and of the drag.
    bool Showing() const { return FShowing; }
    const TRect &DrawRect() const { return FDrawRect; }
    const TRect &ClickRect() const { return FClickRect; }
    TgPlotAnnotationSelectStyle SelectStyle() const { return FSelectStyle; }
    const TRect &SizeTopLeftRect() const { return FSizeTopLeftRect; }
    const TRect &SizeTopRightRect() const { return FSizeTopRightRect; }
    const TRect &SizeBottomLeftRect() const { return FSizeBottomLeftRect; }
    const TRect &SizeBottomRightRect() const { return FSizeBottomRightRect; }

    void NotificationRemove(TObject *Sender) override;
    void NotificationRename(TObject *Sender) override;
    void NotificationSetFocus(TObject *Sender) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    bool gMouseHitTest(const TgPlotMouseData &MouseData) override;
    void DoMouseLeft(const TgPlotMouseData &MouseData) override;
    void DoMouseMove(const TgPlotMouseData &MouseData) override;
    void DoMouseUp(const TgPlotMouseData &MouseData) override;
    int GetMouseCursor(TPoint Point) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    template <typename T> void ChangeEnum(T &Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        DoChange();
    }
    void SetCoordinate(double &Field, double Value);
    void NotifyCoordinatesChange();

    TgPlotChannelCustom *FindChannel();
    bool ChannelFrameReady();
    bool UsesChannelPositionX() const;
    bool UsesChannelPositionY() const;
    bool UsesChannelSizeX() const;
    bool UsesChannelSizeY() const;
    int SizeXToPixels(double Value);
    int SizeYToPixels(double Value);
    double PixelsToSizeX(int Value);
    double PixelsToSizeY(int Value);
    bool IsSizeable() const;
    bool IsTwoCorner() const;
    bool CanUserMove() const { return FUserCanMove; }
    bool CanUserSize() const { return FUserCanSize && IsSizeable(); }
    void SetFromPixelRect(int Left, int Top, int Right, int Bottom);

    // Drawing steps.
    void CalcSizeHandles(const TRect &Rect);
    void DrawSizeHandles(TCanvas *Canvas);
    void ClipToChannelAxes(TCanvas *Canvas);
    void SetShapeTools(TCanvas *Canvas, TColor BackGroundColor);
    void SetLineTools(TCanvas *Canvas, TColor BackGroundColor);
    // Width and height of the text in the annotation's font, exchanged when
    // turned a quarter.
    TSize TextExtent(TCanvas *Canvas);
    // The text block placed against Anchor (ipasText, ipasTextBox).
    TRect TextBlockAt(TCanvas *Canvas, TPoint Anchor);
    // The text's rectangle inside R (ipasTextRectangle).
    TRect TextRectIn(TCanvas *Canvas, const TRect &R);
    void DrawTextIn(TCanvas *Canvas, const TRect &Rect, TColor BackGroundColor);
    void DrawShape(TCanvas *Canvas, const TRect &Rect, TColor BackGroundColor);
    void DrawLineStyle(TCanvas *Canvas, TPoint A, TColor BackGroundColor);
    void DrawImage(TCanvas *Canvas, TPoint Anchor);
    void DrawPolygon(TCanvas *Canvas, TColor BackGroundColor);

    TgPlotAnnotationStyle FStyle = ipasText;
    TgPlotReferenceType FReference = iprtDataView;
    TgPlotReferenceIndividual FReferencePositionX = ipriAuto;
    TgPlotReferenceIndividual FReferencePositionY = ipriAuto;
    TgPlotReferenceIndividual FReferenceSizeX = ipriAuto;
    TgPlotReferenceIndividual FReferenceSizeY = ipriAuto;
    TgPlotAnnotationSelectStyle FSelectStyle = ipassNone;
    TRect FSizeTopLeftRect, FSizeTopRightRect, FSizeBottomLeftRect, FSizeBottomRightRect;
    std::vector<TgPlotAnnotationPoint> FPolyPoints;
    double FX = 0, FY = 0, FY2 = 0, FX2 = 0;
    double FWidth = 0, FHeight = 0;
    TColor FPenColor = clWhite;
    int FPenWidth = 0;
    TPenStyle FPenStyle = psSolid;
    TColor FBrushColor = clWhite;
    TBrushStyle FBrushStyle = bsSolid;
    QString FText;
    TFont FFont;
    QString FChannelName;
    TgPlotDataView *FDataView = nullptr;
    TgPlotChannelCustom *FChannel = nullptr;
    TgRotationAngle FTextRotation = ira000;
    bool FShowing = false;
    TRect FDrawRect, FClickRect;
    bool FRectChange = false;
    bool FUserCanMove = false, FUserCanSize = false;
    bool FSelectModeOnlyInteraction = true;
    bool FClipToAxes = false;
    bool FMouseDownActive = false;
    int FMouseDownX = 0, FMouseDownY = 0;
    double FMouseDownWidth = 0, FMouseDownHeight = 0;
    int FMouseDownPositionPixelsX = 0, FMouseDownPositionPixelsY = 0;
    TRect FMouseDownRect;
    TgOwnedBitmap FImage;
    int FImageListIndex = 0;
    int FImageIndex = 0;
    TgAlignmentHorizontal FTextHorzAlignment = iahCenter;
    TgAlignmentVertical FTextVertAlignment = iavCenter;
    TgAlignmentHorizontal FTextLineAlignment = iahCenter;
    double FTextHorzMargin = 1.0, FTextVertMargin = 1.0;
    bool FShowFocusRect = true;
    double FMouseDownXValue = 0, FMouseDownYValue = 0, FMouseDownX2Value = 0, FMouseDownY2Value = 0;
    int FOuterMargin = 0;
};
