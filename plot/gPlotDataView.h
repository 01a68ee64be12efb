#pragma once
#include "Color.h"
#include "gPlotLayoutObject.h"

// The area in which channels are drawn, with its grid bound to one X and one
// Y axis by name.
class TgPlotDataView : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;

    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { ChangeInteger(FBackgroundColor, Value, &TgPlotObject::DoChange); }
    bool BackgroundTransparent() const { return FBackgroundTransparent; }
    void SetBackgroundTransparent(bool Value)
    {
        ChangeBoolean(FBackgroundTransparent, Value, &TgPlotObject::DoChange);
    }
    // The zoom box, when one is being drawn.
    virtual void DrawZoomBox(TCanvas *Canvas) {}

    const QString &GridXAxisName() const { return FGridXAxisName; }
    void SetGridXAxisName(const QString &Value) { ChangeString(FGridXAxisName, Value, &TgPlotObject::DoChange); }
    const QString &GridYAxisName() const { return FGridYAxisName; }
    void SetGridYAxisName(const QString &Value) { ChangeString(FGridYAxisName, Value, &TgPlotObject::DoChange); }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished()
    {
        static const TPublishedClass info =
            TPublishedBuilder<TgPlotDataView>(TgPlotLayoutObject::StaticPublished())
                .String("GridXAxisName", &TgPlotDataView::GridXAxisName, &TgPlotDataView::SetGridXAxisName)
                .String("GridYAxisName", &TgPlotDataView::GridYAxisName, &TgPlotDataView::SetGridYAxisName)
                .Build();
        return &info;
    }

private:
    TColor FBackgroundColor = clBlack;
    bool FBackgroundTransparent = false;
    QString FGridXAxisName;
    QString FGridYAxisName;
};
