#pragma once
#include "Color.h"
#include "GraphicsObject.h"

#include <QStringList>

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
// The names of the brush styles in order, for published TBrushStyle properties.
const QStringList &BrushStyleNames();

// The canvas brush: colour and style. bsClear fills nothing and makes text
// backgrounds transparent; the hatch styles draw lines in Color over nothing.
class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle Value);

    void Assign(TPersistent *Source) override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};
