#pragma once
#include "LMainLinkUi.h"

class PageHost;
class TWinControl;

// The level meters of one dynamics page: per channel a black panel with a
// meter, its scale labels and (compressor, limiter) a one-segment activity
// bar, and one more meter set beside the transfer plot that shows the
// channel on the plot. Names follow the page's stem: "plLevelCompOut1",
// "pbLevelCompOut1", "pbLimitCompOut1", "lbLimitCompOut1", "lbClipCompOut1"
// ... and the same without suffix for the plot's channel.
class DynamicsMeters {
public:
    enum class Kind { Comp, Limit, Gate };

    DynamicsMeters(PageHost &Host, Kind K) : host(Host), kind(K) {}

    // Made into the page frame ("skgFftComp", "skgFftLimit", "skgFftGate").
    void Build(TWinControl *Client);
    // The meters' stretch rules; false at a missing name.
    bool Stretch(int dw, int dh, bool Vertical, bool Horizontal);
    // Shows the levels of this page's channels; PlotChannel's levels also
    // go to the plot's meter. Comp: the activity of output o lights only
    // while its ratio spinner stands above 0. Stops at a missing meter.
    void Show(const LMainLinkUi::LevelDisplay &Levels, int PlotChannel);
    void Reset();

private:
    PageHost &host;
    Kind kind;
};
