#pragma once
#include "Color.h"
#include "GraphicsObject.h"

#include <QStringList>

// psAlternate is the cosmetic pen that sets exactly every other pixel (focus
// frames); it is always one pixel wide.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psAlternate };
// The names of the streamable pen styles ("psSolid" .. "psInsideFrame"), in
// order, for published TPenStyle properties.
const QStringList &PenStyleNames();
// pmCopy draws the pen colour; pmNotXor / pmXor combine it with what is there
// (so that drawing twice restores the picture: rubber-band lines, cursors).
enum TPenMode { pmCopy, pmNotXor, pmXor, pmNot };

// The canvas pen: colour, width in pixels (1 by default), style and mode.
class TPen : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    int Width() const { return width_; }
    void SetWidth(int Value); // values below 1 become 1
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode Value);

    void Assign(TPersistent *Source) override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};
