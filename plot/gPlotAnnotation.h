#pragma once
#include "Brush.h"
#include "Font.h"
#include "Pen.h"
#include "gPlotObject.h"
#include "gTypes.h"

class TgPlotDataView;

// A text or shape placed on the plot by the user or the application. This
// annotation keeps its pen, brush, font and reference frames and the data
// view the plot hands it before every paint; it draws nothing yet.
class TgPlotAnnotation : public TgPlotObject {
public:
    TgPlotAnnotation(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);

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
    // Setting copies the given font's attributes; any change of the font
    // counts as a change of the annotation.
    TFont *Font() { return &FFont; }
    void SetFont(TFont *Value) { FFont.Assign(Value); }

    TgPlotDataView *DataView() const { return FDataView; }
    // Stored without notice (the paint hands it over); forgotten when the
    // data view goes.
    void SetDataView(TgPlotDataView *Value) { FDataView = Value; }

    void NotificationRemove(TObject *Sender) override;

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

    TgPlotReferenceType FReference = iprtDataView;
    TgPlotReferenceIndividual FReferencePositionX = ipriAuto;
    TgPlotReferenceIndividual FReferencePositionY = ipriAuto;
    TgPlotReferenceIndividual FReferenceSizeX = ipriAuto;
    TgPlotReferenceIndividual FReferenceSizeY = ipriAuto;
    TColor FPenColor = clWhite;
    int FPenWidth = 0;
    TPenStyle FPenStyle = psSolid;
    TColor FBrushColor = clWhite;
    TBrushStyle FBrushStyle = bsSolid;
    TFont FFont;
    TgPlotDataView *FDataView = nullptr;
};
