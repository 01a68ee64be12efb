#pragma once
#include "gPlotComponent.h"
#include "gXYPlotChannel.h"

// The XY plot: a plot component made with its default objects (toolbar,
// legend, X and Y axis, one channel, data view, data cursor and the title
// label) on the XY channel class.
class TgXYPlot : public TgPlotComponent {
public:
    explicit TgXYPlot(TComponent *AOwner);

    // Channel Index as an XY channel; a channel of another class raises
    // EInvalidCast.
    TgXYPlotChannel *GetChannel(int Index) const override;
};

// The default objects of both plots, with the layout manager disabled
// meanwhile (enabled again however the building ends).
void CreateDefaultPlotObjects(TgPlotComponent *Plot);
