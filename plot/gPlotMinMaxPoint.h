#pragma once
#include "Persistent.h"

// The samples that fall on one pixel column reduced to the first, last,
// smallest and largest value, so a dense trace draws one vertical stroke per
// column.
class TgPlotMinMaxPoint : public TPersistent {
public:
    TgPlotMinMaxPoint() { Clear(); }

    // Empty again; YMax and YMin start beyond any sample (-1e301, 1e301), the
    // other fields keep their values.
    void Clear();
    // Inline: the decimated trace calls it once per point.
    void AddData(double NewXValue, double NewYValue, int NewXPixels)
    {
        if (Empty) {
            Empty = false;
            XPixels = NewXPixels;
            XValue = NewXValue;
            YFirst = NewYValue;
        }
        if (NewYValue > YMax)
            YMax = NewYValue;
        if (NewYValue < YMin)
            YMin = NewYValue;
        YLast = NewYValue;
    }
    void AssignDown(const TgPlotMinMaxPoint &Source); // every field

    bool Empty = true;
    int XPixels = 0;
    double XValue = 0; // X of the first sample
    double YMax = 0, YMin = 0, YFirst = 0, YLast = 0;
};

// The state of a digital trace between samples.
class TDigitalSequenceData {
public:
    void Clear() { StartSet = StopSet = TransitionSet = false; }

    bool StartSet = false;
    double StartXValue = 0;
    bool StartYValue = false;
    bool StopSet = false;
    double StopXValue = 0;
    bool TransitionSet = false;
    double TransitionXValue = 0;
};
