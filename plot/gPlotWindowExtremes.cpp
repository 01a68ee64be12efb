#include "gPlotWindowExtremes.h"

void TgPlotWindowExtremes::Clear()
{
    FLow.clear();
    FHigh.clear();
    FFrom = 0;
    FTo = -1;
}

// A later point hides every earlier one it beats: those can never be the
// extreme again while it stays in the run. Equal ones stay, so the front is
// the earliest of its value.
void TgPlotWindowExtremes::Push(std::int64_t Sequence, double Value)
{
    while (!FLow.empty() && FLow.back().Value > Value)
        FLow.pop_back();
    FLow.push_back({Sequence, Value});
    while (!FHigh.empty() && FHigh.back().Value < Value)
        FHigh.pop_back();
    FHigh.push_back({Sequence, Value});
}
