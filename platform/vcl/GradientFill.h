#pragma once
#include "Canvas.h"
#include "Color.h"
#include "Types.h"

enum TGradientFillDirection { gfdHorizontal, gfdVertical };

// The toolkit's two-colour gradient over R: gfdVertical changes colour from
// the top row (Start) to the bottom row (Stop), gfdHorizontal from the left
// column to the right one; each line in between takes the colour
// interpolated at its place, rounded. Nothing is drawn for an empty R.
void GradientFillCanvas(TCanvas *Canvas, TColor Start, TColor Stop, const TRect &R, TGradientFillDirection Direction);
