#pragma once
#include "gPlotChannelCustom.h"

#include <memory>

class TgOPCItem;
class TgOPCItemManager;
class TgOPCLibrary;
class TgOPCManager;

// The channel of the XY plot: every point is drawn in insertion order (X may
// run backwards), clipped per segment and per marker; it gives the visible
// extents that axis scaling fits and the data-cursor reading of an XY plot.
// Two OPC items of its own feed it: each delivery of the channel's one OPC
// group adds the point (item 0's value, item 1's value).
class TgXYPlotChannel : public TgPlotChannelCustom {
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
    // Registers the channel, then connects its items when OPCAutoConnect.
    void DoInsert() override;

    // OPC: the settings live in the two items (item 0 supplies X, item 1 Y).
    QString OPCComputerName() const;
    void SetOPCComputerName(const QString &Value);
    QString OPCServerName() const;
    void SetOPCServerName(const QString &Value);
    QString OPCItemName() const;
    void SetOPCItemName(const QString &Value);
    QString OPCItem2Name() const;
    void SetOPCItem2Name(const QString &Value);
    int OPCUpdateRate() const;
    void SetOPCUpdateRate(int Value);
    double OPCScalar() const;
    void SetOPCScalar(double Value);
    double OPCOffset() const;
    void SetOPCOffset(double Value);
    double OPCScalar2() const;
    void SetOPCScalar2(double Value);
    double OPCOffset2() const;
    void SetOPCOffset2(double Value);
    bool OPCAutoConnect() const;
    void SetOPCAutoConnect(bool Value);
    bool OPCActive() const;      // item 0 subscribed
    bool OPCQualityGood() const; // item 0's last quality
    // Registers the channel's group (named after the channel) with item 0's
    // computer, server and rate and subscribes both items in it; nothing
    // while the plot is designed. Raises the support library's errors.
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    // The group's updates stop / start ("Tarvex OPC DLL Not Found." without
    // the support library); nothing before the group exists.
    void OPCUpdateSuspend();
    void OPCUpdateResume();
    TgOPCManager *OPCManager() const { return FOPCManager.get(); }
    TgOPCItemManager *OPCItemManager() const { return FOPCItemManager.get(); }
    // The binding both managers use (the program's unless set; tests set a fake).
    void SetOPCLibrary(TgOPCLibrary *Library);

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    TgOPCItem *OPCItem(int Index) const;
    // The group delivered: one point from both items' values. A pair that
    // does not convert is dropped and shows as the plot's error state.
    void DoOPCAfterGroupUpdate();
    void ShowOPCError(bool Error);

    // Over every valid point; Start when there is none or no axis.
    template <class F>
    double VisibleExtent(double Start, F &&Better);

    std::unique_ptr<TgOPCManager> FOPCManager;
    std::unique_ptr<TgOPCItemManager> FOPCItemManager; // declared last: freed first
    bool FOPCErrorShown = false;     // the plot's error state is ours
    bool FOPCDeliveryFailed = false; // an item's value failed in this delivery
};
