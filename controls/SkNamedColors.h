#pragma once
#include "Color.h"

#include <QString>
#include <vector>

// The 70 named colours of the colour pickers: 40 plain colours, then the
// system colours 0 to 30 without 25.
struct TColorData {
    TColor Color;
    QString Name;
};

const std::vector<TColorData> &NamedColors();
