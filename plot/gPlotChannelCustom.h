#pragma once
#include "Color.h"
#include "gPlotManagerObject.h"

// The common base of the plot's channels: a named, coloured series of data
// drawn against one X and one Y axis (bound by name).
class TgPlotChannelCustom : public TgPlotManagerObject {
public:
    using TgPlotManagerObject::TgPlotManagerObject;

    // Drops the channel's data.
    virtual void Clear() {}
    // Strip-chart channels report the wheel to the plot; XY channels do not.
    virtual bool RelaysMouseWheel() const { return false; }

    const QString &TitleText() const { return FTitleText; }
    void SetTitleText(const QString &Value) { ChangeString(FTitleText, Value, &TgPlotObject::DoChange); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { ChangeInteger(FColor, Value, &TgPlotObject::DoChange); }
    const QString &XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString &Value) { ChangeString(FXAxisName, Value, &TgPlotObject::DoChange); }
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value) { ChangeString(FYAxisName, Value, &TgPlotObject::DoChange); }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished()
    {
        static const TPublishedClass info =
            TPublishedBuilder<TgPlotChannelCustom>(TgPlotObject::StaticPublished())
                .String("TitleText", &TgPlotChannelCustom::TitleText, &TgPlotChannelCustom::SetTitleText)
                .Integer("Color", &TgPlotChannelCustom::Color, &TgPlotChannelCustom::SetColor)
                .String("XAxisName", &TgPlotChannelCustom::XAxisName, &TgPlotChannelCustom::SetXAxisName)
                .String("YAxisName", &TgPlotChannelCustom::YAxisName, &TgPlotChannelCustom::SetYAxisName)
                .Build();
        return &info;
    }

private:
    QString FTitleText;
    TColor FColor = clRed;
    QString FXAxisName;
    QString FYAxisName;
};

// The class a plot creates its channels of (its "virtual constructor").
using TgPlotChannelClass = TgPlotChannelCustom *(*)(TComponent *AOwner, TNotifyEvent AOnChange,
                                                    TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                                                    TNotifyEvent AOnRename);

template <class T>
TgPlotChannelCustom *CreateChannelOf(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                     TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
{
    return new T(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename));
}
