#pragma once
#include "Canvas.h"
#include "Color.h"
#include "SkCommon.h"
#include "Types.h"

#include <cstdint>

// Two-colour gradient fills in ten shapes. BandWidth is the least depth of
// one band of colour in pixel steps: 1..8 as given (0 as 1), above 8 it is
// 255 / BandWidth + 1 (256 / BandWidth + 1 for the box shapes).

// The entry point: the two end shapes go to the toolkit's gradient, the
// others to PaintGradientDirect. Nothing is drawn for an empty rectangle.
void PaintGradientFill(TCanvas *Canvas, const TRect &R, TGradientDirection Direction, TColor StartColor,
                       TColor StopColor, std::uint8_t BandWidth);
// Paints every shape into a work bitmap of R's size (filled with the start
// colour first, so that no pixel is left unpainted) and draws it at R.
void PaintGradientDirect(TCanvas *Canvas, const TRect &R, TGradientDirection Direction, TColor StartColor,
                         TColor StopColor, std::uint8_t BandWidth);
// A gradient in the two-pixel band along R's edges (full-colour screens).
void PaintGradientBorder(TCanvas *Canvas, const TRect &R, TGradientDirection Direction, TColor StartColor,
                         TColor StopColor);

// The band painters and completion steps, drawing on the work bitmap's
// canvas (exposed for tests).
// An 8-pixel strip of bands mirrored about the centre: along x when XCentre
// is not 0 (a row 8 high), else along y (a column 8 wide); StartColor at the
// ends, StopColor at the centre.
void FillLinearBands(TCanvas *Work, int XCentre, int YCentre, int Length, TColor StartColor, TColor StopColor,
                     std::uint8_t BandWidth);
// Nested L-shaped bands in the top-left quarter, StopColor at the centre.
void FillBoxBands(TCanvas *Work, int Width, int Height, TColor StartColor, TColor StopColor, std::uint8_t BandWidth,
                  int XInset, int YInset);
// Diagonal bands: SignedWidth > 0 from StartColor at the bottom-left to
// StopColor at the top-right; < 0 from StartColor at the top-left to
// StopColor at the bottom-right.
void FillDiagonalBands(TCanvas *Work, int SignedWidth, int Height, TColor StartColor, TColor StopColor,
                       std::uint8_t BandWidth);
// Copies the filled block at (X, Y) beside or below itself, doubling, until
// TotalWidth x TotalHeight is covered.
void FillByDoubling(TCanvas *Work, int X, int Y, int FilledHeight, int FilledWidth, int TotalHeight,
                    int TotalWidth);
// Completes a picture from its top-left quarter by mirroring it down and
// then across.
void MirrorQuarter(TCanvas *Work, int Height, int Width);
