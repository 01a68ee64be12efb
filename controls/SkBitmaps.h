#pragma once
#include "Bitmap.h"
#include "Canvas.h"
#include "Color.h"
#include "Control.h"
#include "Types.h"

// Transparent bitmap drawing and the parent's background under a control.
// Pixels of the transparent colour are left out (what was under them on the
// canvas shows); every other pixel is copied exactly. Stretching picks the
// nearest pixel. The canvas's copy mode, font and brush are left as found.

// SourceRect of Bitmap stretched into DestRect.
void DrawTransparentBitmapRect(TCanvas *Canvas, TBitmap *Bitmap, const TRect &DestRect, TColor TransparentColor,
                               const TRect &SourceRect);
// The whole bitmap stretched into DestRect.
void DrawWholeTransparentBitmap(TCanvas *Canvas, TBitmap *Bitmap, const TRect &DestRect, TColor TransparentColor);
// The bitmap at its own size in rows and columns from DestRect's top-left
// corner, the last row and column cut at DestRect's edges.
void TileTransparentBitmap(TCanvas *Canvas, TBitmap *Bitmap, const TRect &DestRect, TColor TransparentColor);
// SourceRect stretched to DestRect's size with its top-left corner at the
// canvas origin (DestRect's position is not used).
void StretchTransparentBitmap(TCanvas *Canvas, TBitmap *Bitmap, const TRect &DestRect, TColor TransparentColor,
                              const TRect &SourceRect);

// Puts the parent's background under Control into Target, an off-screen
// image of the control's size: Qt composes the parent under a control whose
// paint leaves pixels untouched, so a pf32bit Target becomes fully
// transparent (the parent shows through it when it is copied on); an opaque
// Target is filled with the parent's colour. Does nothing without a parent.
// With InvalidateParent, a parent that is neither a self-drawn control nor a
// form is invalidated afterwards.
void CopyParentBackground(TControl *Control, TBitmap *Target, bool InvalidateParent);

// Controls with a Transparent property (they let their parent show through).
class ITransparentControl {
public:
    virtual ~ITransparentControl() = default;
    virtual bool Transparent() const = 0;
};

// Invalidates every child of Panel whose Transparent property is true.
class TWinControl;
void InvalidateTransparentChildren(TWinControl *Panel);
