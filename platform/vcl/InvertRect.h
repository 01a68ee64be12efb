#pragma once
#include "Canvas.h"
#include "Types.h"

// Inverts every pixel of R (XOR with white) on an image device, so a second
// call restores it; on other devices (a printer, a picture recorder) where
// pixels cannot be read back it draws the dotted focus outline instead.
void InvertRect(TCanvas *Canvas, const TRect &R);
