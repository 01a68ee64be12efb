#pragma once
#include "gPlotChannelCustom.h"

// The channel of the XY plot: every point is drawn in insertion order (X may
// run backwards), clipped per segment and per marker; it gives the visible
// extents that axis scaling fits and the data-cursor reading of an XY plot.
class TgXYPlotChannel : public TgPlotChannelCustom {
public:
    using TgPlotChannelCustom::TgPlotChannelCustom;

    // Points that break (Null) or are skipped by (Empty) the trace; no
    // statistics, no tracking.
    int AddNull();
    int AddEmpty();

    void CalcStartIndex() override;
    void CalcStopIndex() override;
    double GetVisibleXMax() override;
    double GetVisibleXMin() override;
    double GetVisibleYMax() override;
    double GetVisibleYMin() override;
    // Pointer 1 reads X and pointer 2 reads Y, through the axes' own spans.
    void DataCursorUpdate(TgPlotDataCursor *Cursor) override;

    void UpdateCanDraw() override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;

private:
    // Over every valid point; Start when there is none or no axis.
    template <class F>
    double VisibleExtent(double Start, F &&Better);
};
