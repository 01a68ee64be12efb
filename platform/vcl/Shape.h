#pragma once
#include "Brush.h"
#include "GraphicControl.h"
#include "Pen.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A windowless outline filled with its brush: the square and circle forms use
// the shorter side, centred. A pen or brush change repaints.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent *AOwner);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType Value);
    TPen *Pen() { return &pen_; }
    TBrush *Brush() { return &brush_; }

    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    TPen pen_;
    TBrush brush_;
};
