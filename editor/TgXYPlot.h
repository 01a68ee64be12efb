#pragma once
#include "CustomControl.h"

#include <vector>

// Stand-in of the transfer plot of the dynamics pages until the plot library's
// own control replaces it: point series by channel, painted as joined lines
// over a dB grid from -100 to +20 on both axes.
class TgXYPlot : public TCustomControl {
public:
    struct Series {
        std::vector<double> x, y;
        void DeletePoints() { x.clear(), y.clear(); }
        void AddXY(double X, double Y) { x.push_back(X), y.push_back(Y); }
        int Count() const { return int(x.size()); }
    };

    explicit TgXYPlot(TComponent *AOwner);

    // The series of channel `Index`, made on first use.
    Series &GetChannel(int Index);
    int ChannelCount() const { return int(channels_.size()); }
    void Paint() override;

private:
    std::vector<Series> channels_;
};
