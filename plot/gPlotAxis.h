#pragma once
#include "gPlotLayoutObject.h"
#include "gTypes.h"

// The common base of the X and Y axes. A new axis is titled with the name
// its manager gives it. The layout pass asks an axis for its scale (the
// part of its draw rectangle that maps values; the whole rectangle here)
// and places Cartesian axes inside the data view.
class TgPlotAxis : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;

    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &Value) { ChangeString(FTitle, Value, &TgPlotObject::DoLayoutChange); }
    TgPlotCartesianStyle CartesianStyle() const { return FCartesianStyle; }
    void SetCartesianStyle(TgPlotCartesianStyle Value) { FCartesianStyle = Value; }
    bool IsCartesian() const { return FCartesianStyle != ipcsNone; }
    const QString &CartesianChildRefAxisName() const { return FCartesianChildRefAxisName; }
    double CartesianChildRefValue() const { return FCartesianChildRefValue; }
    const QString &AlignRefAxisName() const { return FAlignRefAxisName; }

    // Rebuilds the tick list (and the scale rectangle first).
    virtual void CalcTicks() { CalcScaleRect(); }
    virtual void CalcScaleRect() { FScaleRect = DrawRect(); }
    TRect ScaleRect() const { return FScaleRect; }
    // The pixel of Value along the axis.
    virtual int PositionToPixels(double Value) const { return 0; }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished()
    {
        static const TPublishedClass info = TPublishedBuilder<TgPlotAxis>(TgPlotLayoutObject::StaticPublished())
                                                .String("Title", &TgPlotAxis::Title, &TgPlotAxis::SetTitle)
                                                .Build();
        return &info;
    }

protected:
    QString FCartesianChildRefAxisName;
    double FCartesianChildRefValue = 0;
    QString FAlignRefAxisName;

private:
    QString FTitle;
    TgPlotCartesianStyle FCartesianStyle = ipcsNone;
    TRect FScaleRect;
};
