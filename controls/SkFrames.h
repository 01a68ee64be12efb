#pragma once
#include "Canvas.h"
#include "Color.h"
#include "SkCommon.h"
#include "Types.h"

// Frames and bevels of the Sk controls, drawn with one-pixel lines on the
// chosen sides of a rectangle. Each routine returns the rectangle left inside
// what it drew (moved in on the chosen sides, also where a colour was clNone,
// which draws nothing). Lines cover Left..Right-1 and Top..Bottom-1.

TRect PaintSideLines(TCanvas *Canvas, const TRect &R, TColor UpperLeftColor, TColor LowerRightColor, TSides Sides);
// Width rings of side lines, each inside the last; R itself for Width <= 0.
TRect PaintBevelRings(TCanvas *Canvas, const TRect &R, TColor UpperLeftColor, TColor LowerRightColor, int Width,
                      TSides Sides);
TRect Paint3DEdgeSides(TCanvas *Canvas, const TRect &R, bool Lowered, TSides Sides);
TRect PaintButtonEdgeSides(TCanvas *Canvas, const TRect &R, bool Down, TSides Sides);
TRect PaintButtonEdge(TCanvas *Canvas, const TRect &R, bool Down);
TRect PaintColorButtonEdgeSides(TCanvas *Canvas, const TRect &R, TColor FaceColor, TSides Sides, bool Lowered);
TRect PaintColorButtonEdge(TCanvas *Canvas, const TRect &R, TColor FaceColor, bool Lowered);
// fsFlatRounded, which has no colours of its own here, draws as fsFlat.
TRect PaintFrameSides(TCanvas *Canvas, const TRect &R, TFrameStyleEx Style, TSides Sides);
TRect PaintFrame(TCanvas *Canvas, const TRect &R, TFrameStyleEx Style);
TRect PaintColorFrameSides(TCanvas *Canvas, const TRect &R, TColor FaceColor, TSides Sides, TFrameStyleEx Style);
TRect PaintColorFrame(TCanvas *Canvas, const TRect &R, TColor FaceColor, TFrameStyleEx Style);
TRect PaintFlatOutline(TCanvas *Canvas, const TRect &R, TColor Color);
// Sides two pixels short at each drawn corner, with the corner pixel set
// diagonally inside.
TRect PaintRoundedOutline(TCanvas *Canvas, const TRect &R, TColor Color, TSides Sides);
// Every second pixel black along the four sides.
TRect PaintDottedRect(TCanvas *Canvas, const TRect &R);

// The border of a panel: outer frame, a band of BorderWidth in BorderColor,
// inner frame; returns the rectangle inside all three.
TRect PaintPanelBorder(TCanvas *Canvas, const TRect &Bounds, TFrameStyleEx BorderOuter, TFrameStyleEx BorderInner,
                       int BorderWidth, TSides BorderSides, int BevelWidth, TColor BorderColor,
                       TColor BorderHighlight, TColor BorderShadow, TColor FlatColor, int FlatColorAdjustment,
                       TColor Color, TColor ParentColor, bool Transparent, bool RoundedFlatInner);

// The drop-down arrow of a combo box centred in R; ArrowStyle 0 flat, 1
// themed, 2 classic (from Windows 6.0 on every style draws as classic).
void PaintDropDownArrow(TCanvas *Canvas, const TRect &R, int ArrowStyle, bool Enabled);
