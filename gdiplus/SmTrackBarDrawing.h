#pragma once
// The slider's drawing routines: banded gradients, colour blending, the 3-D
// and dotted frames, the two-half glow painter on the drawing layer and the
// polygon thumbs. Rectangles are left, top, right, bottom unless a routine
// says (x, y, width, height).
#include "Canvas.h"
#include "SmGDIP.h"
#include "SmTrackBarSettings.h"

#include <vector>

// n bands from Color1 to Color2 across R (left to right when Horizontal,
// else top to bottom); 0 steps draw one band.
void DrawSteppedGradient(TCanvas *Canvas, TColor Color1, TColor Color2, bool Horizontal, const TRect &R, int Steps);
// The banded gradient in one of the four directions; the in-out ones run
// Color1 to Color2 to the middle and back, the halves overlapping by a pixel.
void DrawGradientRect(TCanvas *Canvas, TColor Color1, TColor Color2, TTrackGradientDirection Direction, const TRect &R,
                      int Steps);
// Percent of Color1 mixed with the rest of Color2, each channel rounded to
// the nearest (halves to even); 100 or more gives Color1, 0 or less Color2.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
// Measures Text in Font; the canvas font is left as it was.
TSize GetTextSize(TCanvas *Canvas, TFont *Font, const QString &Text);
// The raised (Flag) two-colour frame of the slider bar.
void Draw3DFrame(TCanvas *Canvas, const TRect &R, bool Flag, TColor ColorA, TColor ColorB);
// The focus frame: every other pixel along the four edges of R in Color.
void DrawDottedFrame(TCanvas *Canvas, const TRect &R, TColor Color);

// A rounded rectangle path (R is x, y, width, height); the caller frees it.
TGPGraphicsPath *CreateRoundRectPath(const TRect &R, int Radius);
void DrawRoundRectOutline(TGPGraphics *Graphics, const TRect &R, int Radius, TColor Color);
void FillGlowHalf(TGPGraphics *Graphics, const TRect &R, TColor Color1, TColor Color2, TGpGradient Gradient, bool Upper);
void DrawGlowBorder(TGPGraphics *Graphics, const TRect &R, TTrackButtonShape Shape, TColor Light, TColor Border,
                    bool Vertical);
// Two glow halves when all four colours are set, then the border; Graphics
// may be none (one is made on the canvas for the call).
void DrawGlowButton(TGPGraphics *Graphics, TCanvas *Canvas, const TRect &R, TTrackButtonShape Shape, TColor Light,
                    TColor Border, TColor Color, TColor ColorTo, TColor ColorMirror, TColor ColorMirrorTo,
                    TGpGradient Gradient, TGpGradient GradientMirror, bool Vertical);

// The outline of the tsPointer thumb: T with a triangular tip on each side
// that the ticks are on.
std::vector<TPoint> PointerThumbPolygon(const TRect &T, TTickMark Ticks, bool Vertical);

// The polygon thumbs; Kind 0 to 5 as the slider derives it from the shape,
// the orientation and the tick position.
void DrawTriangleThumb(TCanvas *Canvas, const TRect &T, int Kind, TColor Border, TColor Color, TColor ColorTo,
                       TTrackGradientDirection Direction, int Steps);
void DrawPointerRightUpThumb(TCanvas *Canvas, const TRect &T, int Kind, TColor Border, TColor Color, TColor ColorTo,
                             TTrackGradientDirection Direction, int Steps);
void DrawPointerLeftUpThumb(TCanvas *Canvas, const TRect &T, int Kind, TColor Border, TColor Color, TColor ColorTo,
                            TTrackGradientDirection Direction, int Steps);
// The polygon of a polygon thumb (for tests and hit shapes).
std::vector<TPoint> ThumbPolygon(TThumbShape Shape, const TRect &T, int Kind);
