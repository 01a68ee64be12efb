#pragma once
#include "Color.h"
#include "Object.h"
#include "gDrawing.h"

#include <QString>

// One column of a plot table. Widths and margins count in widths of the
// data font's "0"; an auto-size column takes its widest text.
class TgPlotTableColumn : public TObject {
public:
    int WidthPixels = 0;
    QString Title;
    double Width = 10;
    bool Visible = true;
    TgAlignmentHorizontal TitleAlignment = iahCenter;
    double TitleAlignmentMargin = 1;
    TColor TitleFontColor = 0;
    TgAlignmentHorizontal DataAlignment = iahCenter;
    double DataAlignmentMargin = 1;
    TColor DataFontColor = 0;
    bool AutoSize = true;
};
