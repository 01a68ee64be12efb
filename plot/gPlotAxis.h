#pragma once
#include "gPlotLayoutObject.h"

// The common base of the X and Y axes. A new axis is titled with the name
// its manager gives it.
class TgPlotAxis : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;

    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &Value) { ChangeString(FTitle, Value, &TgPlotObject::DoLayoutChange); }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished()
    {
        static const TPublishedClass info = TPublishedBuilder<TgPlotAxis>(TgPlotLayoutObject::StaticPublished())
                                                .String("Title", &TgPlotAxis::Title, &TgPlotAxis::SetTitle)
                                                .Build();
        return &info;
    }

private:
    QString FTitle;
};
