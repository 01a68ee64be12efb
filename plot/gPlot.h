#pragma once
#include "gPlotChannel.h"
#include "gPlotComponent.h"

// The strip chart: the XY plot's default objects on the strip-chart channel
// class, made inside one update bracket so that building them asks for one
// repaint.
class TgPlot : public TgPlotComponent {
public:
    explicit TgPlot(TComponent *AOwner);

    // Channel Index as a strip-chart channel; a channel of another class
    // raises EInvalidCast.
    TgPlotChannel *GetChannel(int Index) const override;
};
