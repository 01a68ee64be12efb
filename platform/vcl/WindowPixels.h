#pragma once
#include "Types.h"

#include <QImage>

class TWinControl;

// Reading back a windowed control's own window while the control paints on
// it (inside Paint, through Canvas()). Qt has by then painted the parent and
// the siblings below the control there, for the part of the window that this
// paint renews, so a transparent control can take what lies under it without
// painting anything itself. Outside such a paint (a picture, a printout, a
// render of the control alone) nothing can be read.

// True when P (control coordinates) lies in the part of the window that the
// current paint of Control renews.
bool WindowPtVisible(TWinControl *Control, TPoint P);

// The window's pixels under R (control coordinates) as painted so far, at
// R's size in RGB32; a null image when they cannot be read.
QImage WindowPixels(TWinControl *Control, const TRect &R);
