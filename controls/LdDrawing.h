#pragma once
#include "Bitmap.h"
#include "Canvas.h"
#include "Types.h"

#include <QString>

// Drawing helpers of the Ld controls.

// Width rings of one-pixel lines just inside R, left and top in TopColor,
// right and bottom in BottomColor; R ends up inside the frame.
void DrawFrame3D(TCanvas *Canvas, TRect &R, TColor TopColor, TColor BottomColor, int Width);
// Bitmap at its own size from R's top-left corner, column by column and row
// by row, until R is covered (the canvas clips at R's edges).
void TileBitmap(TCanvas *Canvas, const TRect &R, TBitmap *Bitmap);
// One centred line in the font colour when enabled; when disabled the text
// twice without flags, in clBtnHighlight moved by (1, 1), then in
// clBtnShadow in place. The brush is left clear.
void DrawButtonCaption(TCanvas *Canvas, const QString &Text, const TRect &R, bool Enabled);

enum TLdImageTextLayout { ImageLeft = 1, ImageRight, ImageTop, ImageBottom };

// Places an image and a caption of the given sizes in Client: centred
// across the layout's axis, and along it by Margin and Spacing (-1 for
// automatic). Gives the image's top-left corner and the caption's bounds.
void ImageTextLayout(const TRect &Client, TSize TextSize, TSize ImageSize, int Spacing, int Margin,
                     TLdImageTextLayout Layout, TPoint &ImagePos, TRect &TextBounds);
// The same with the caption measured on Canvas (DrawText with DT_CALCRECT
// within the client width); an empty caption has no size.
void CalcImageTextLayout(TCanvas *Canvas, const TRect &Client, const QString &Caption, TSize ImageSize,
                         int Spacing, int Margin, TLdImageTextLayout Layout, TPoint &ImagePos, TRect &TextBounds);
