#pragma once
#include <vector>

class TComponent;
class TgXYPlot;

// The static transfer curves of the dynamics pages (output dB over input
// dB): the curve's corner points, drawn as joined lines on plot channel 0,
// and one marker just beside the threshold on channel 1.
struct TransferCurve {
    struct Point {
        double x, y;
        bool operator==(const Point &o) const { return x == o.x && y == o.y; }
    };
    std::vector<Point> curve;
    Point marker;
};

// Threshold positions are half dB; the ratio index is clamped to 0..15, where
// 15 ("Limit") flattens the curve above the threshold.
TransferCurve CompressorCurve(int ThresholdPosition, int RatioIndex, int KneeDb);
TransferCurve GateCurve(int ThresholdPosition);
TransferCurve LimiterCurve(int ThresholdPosition, int KneeDb);

// A transfer-curve plot as the dynamics pages show it: both axes -100 to
// +20 dB without tracking, channel 0 the curve (white, 2 wide), channel 1
// the marker (one dotted point); toolbar, legend, title and data cursor
// hidden, no border, objects not editable by the user.
TgXYPlot *MakeTransferPlot(TComponent *Owner);

// Replaces the plot's curve and marker with c: each channel is emptied
// first, whatever it held, so a redraw never depends on an earlier one.
void ShowTransferCurve(TgXYPlot &Plot, const TransferCurve &c);
