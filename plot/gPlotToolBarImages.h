#pragma once
#include "Color.h"

#include <QImage>
#include <QString>

// The toolbar buttons' pictures, drawn by our own code in sixteen colours
// on teal, which stands for transparent: 24 x 24 for the image names "AUTO",
// "PAUSE", "SCROLL", "ZOOM", "ZOOMOUT", "ZOOMIN", "SELECT", "SCROLLBOX",
// "CURSOR", "PROPERTIES", "COPY", "SAVE", "PRINTER", "PREVIEW", and 16 x 16
// for the same names with "SMALL" in front. Any other name gives a null
// image.
constexpr TColor kPlotToolBarTransparent = 8421376; // teal
QImage PlotToolBarImage(const QString &Name);
