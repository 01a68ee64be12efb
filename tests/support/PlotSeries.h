#pragma once
#include "gXYPlotChannel.h"

#include <vector>

// The points of a plot channel, copied out for comparison.
struct PlotSeries {
    std::vector<double> x, y;
    int Count() const { return int(x.size()); }
};

inline PlotSeries SeriesOf(const TgXYPlotChannel *Channel)
{
    PlotSeries s;
    for (int i = 0; i < Channel->Count(); ++i) {
        double x, y;
        bool empty, null;
        Channel->GetXYEmptyNull(i, x, y, empty, null);
        s.x.push_back(x);
        s.y.push_back(y);
    }
    return s;
}
