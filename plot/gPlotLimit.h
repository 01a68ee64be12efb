#pragma once
#include "gPlotObject.h"

// A limit line or band drawn against one X and one Y axis (bound by name).
class TgPlotLimit : public TgPlotObject {
public:
    using TgPlotObject::TgPlotObject;

    // True when the limit fills a band (drawn beneath the data view's grid).
    virtual bool FillDrawn() const { return false; }

    const QString &XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString &Value) { ChangeString(FXAxisName, Value, &TgPlotObject::DoChange); }
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value) { ChangeString(FYAxisName, Value, &TgPlotObject::DoChange); }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished()
    {
        static const TPublishedClass info =
            TPublishedBuilder<TgPlotLimit>(TgPlotObject::StaticPublished())
                .String("XAxisName", &TgPlotLimit::XAxisName, &TgPlotLimit::SetXAxisName)
                .String("YAxisName", &TgPlotLimit::YAxisName, &TgPlotLimit::SetYAxisName)
                .Build();
        return &info;
    }

private:
    QString FXAxisName;
    QString FYAxisName;
};
