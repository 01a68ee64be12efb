#pragma once
#include "gPlotManagerObject.h"

class TgPlotDataView;

// A cursor that reads a channel's values inside a data view.
class TgPlotDataCursor : public TgPlotManagerObject {
public:
    using TgPlotManagerObject::TgPlotManagerObject;

    const QString &ChannelName() const { return FChannelName; }
    void SetChannelName(const QString &Value) { ChangeString(FChannelName, Value, &TgPlotObject::DoChange); }
    TgPlotDataView *DataView() const { return FDataView; }
    // Stored without notice (the manager and the paint hand it over).
    void SetDataView(TgPlotDataView *Value) { FDataView = Value; }

    void NotificationRemove(TObject *Sender) override
    {
        TgPlotManagerObject::NotificationRemove(Sender);
        if (static_cast<void *>(Sender) == static_cast<void *>(FDataView))
            FDataView = nullptr;
    }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished()
    {
        static const TPublishedClass info =
            TPublishedBuilder<TgPlotDataCursor>(TgPlotObject::StaticPublished())
                .String("ChannelName", &TgPlotDataCursor::ChannelName, &TgPlotDataCursor::SetChannelName)
                .Build();
        return &info;
    }

private:
    QString FChannelName;
    TgPlotDataView *FDataView = nullptr;
};
