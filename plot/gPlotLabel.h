#pragma once
#include "gPlotLayoutObject.h"

// A caption placed beside the data view (label 0 is the plot's title).
class TgPlotLabel : public TgPlotLayoutObject {
public:
    using TgPlotLayoutObject::TgPlotLayoutObject;

    const QString &Caption() const { return FCaption; }
    void SetCaption(const QString &Value) { ChangeString(FCaption, Value, &TgPlotObject::DoLayoutChange); }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished()
    {
        static const TPublishedClass info = TPublishedBuilder<TgPlotLabel>(TgPlotLayoutObject::StaticPublished())
                                                .String("Caption", &TgPlotLabel::Caption, &TgPlotLabel::SetCaption)
                                                .Build();
        return &info;
    }

private:
    QString FCaption;
};
