#pragma once
#include "Object.h"

class TgPlotChannelCustom;

// One row of a legend: its channel (not owned), its height, its position and
// its row and wrap column (counted from 1).
class TgPlotLegendItem : public TObject {
public:
    TgPlotChannelCustom *Channel = nullptr;
    int MaxHeight = 0;
    int ALeft = 0, ATop = 0;
    int ARow = 0, ACol = 0;
};
