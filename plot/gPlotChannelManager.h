#pragma once
#include "Color.h"
#include "gPlotChannelCustom.h"
#include "gPlotAxisBoundManager.h"

// A palette entry while the next channel colour is chosen.
class TgColorCountObject : public TObject {
public:
    TColor Color = 0;
    int Count = 0;
};

// The plot's channels, created of ChannelClass and named "Channel N". A
// channel named here gets its title, the least used palette colour and the
// names of X and Y axis 0.
class TgPlotChannelManager : public TgPlotAxisBoundManager {
public:
    using TgPlotAxisBoundManager::TgPlotAxisBoundManager;

    // Raises when no channel class is set.
    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Channel"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotChannelCustom *GetItem(int Index) const;
    // Red while fewer than two channels are held; otherwise the first palette
    // colour that the fewest channels use.
    TColor GetNextChannelColor() const;

    TgPlotChannelClass ChannelClass() const { return FChannelClass; }
    void SetChannelClass(TgPlotChannelClass Value) { FChannelClass = Value; }

private:
    TgPlotChannelClass FChannelClass = nullptr;
};
