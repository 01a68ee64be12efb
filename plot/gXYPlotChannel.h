#pragma once
#include "gPlotChannelCustom.h"
#include "gPlotChannelOPCItems.h"

// The channel of the XY plot: every point is drawn in insertion order (X may
// run backwards), clipped per segment and per marker; it gives the visible
// extents that axis scaling fits and the data-cursor reading of an XY plot.
// Two OPC items of its own feed it: each delivery of the channel's one OPC
// group adds the point (item 0's value, item 1's value).
class TgXYPlotChannel : public TgPlotChannelCustom, public TgPlotChannelOPCItems {
public:
    TgXYPlotChannel(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                    TNotifyEvent AOnRename);
    ~TgXYPlotChannel() override;

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
    // Points whose X rises are drawn per pixel column as the strip chart
    // draws them (the same pixels, a stroke and a joint per column); other
    // data point by point.
    void DrawTrace(TCanvas *Canvas, bool XYAxesReversed, TColor BackGroundColor) override;
    // Registers the channel, then connects its items when OPCAutoConnect.
    void DoInsert() override;

    // Registers the channel's group (named after the channel) with item 0's
    // computer, server and rate and subscribes both items in it; nothing
    // while the plot is designed. Raises the support library's errors.
    void OPCActivate() override;
    void OPCActivateSuspend();
    void OPCDeactivate();
    // The group's updates stop / start ("Tarvex OPC DLL Not Found." without
    // the support library); nothing before the group exists.
    void OPCUpdateSuspend();
    void OPCUpdateResume();

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    // The largest (Sign 1) or smallest (-1) X or Y over the valid points,
    // widened by the markers; +-1e300 when there is none or no axis.
    double VisibleExtent(bool X, int Sign);
};
