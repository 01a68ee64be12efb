#pragma once
#include "Color.h"
#include "gPlotChannelCustom.h"
#include "gPlotObjectOwnedManager.h"

class TgPlotXAxisManager;
class TgPlotYAxisManager;

// A palette entry while the next channel colour is chosen.
class TgColorCountObject : public TObject {
public:
    TColor Color = 0;
    int Count = 0;
};

// The plot's channels, created of ChannelClass and named "Channel N". A
// channel named here gets its title, the least used palette colour and the
// names of X and Y axis 0.
class TgPlotChannelManager : public TgPlotObjectOwnedManager {
public:
    using TgPlotObjectOwnedManager::TgPlotObjectOwnedManager;

    // Raises when no channel class is set.
    TgPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Channel"); }
    void NotificationInsert(TObject *Sender) override;
    TgPlotChannelCustom *GetItem(int Index) const;
    // Red while fewer than two channels are held; otherwise the first palette
    // colour that the fewest channels use.
    TColor GetNextChannelColor() const;

    TgPlotXAxisManager *XAxisManager() const { return FXAxisManager; }
    void SetXAxisManager(TgPlotXAxisManager *Value) { FXAxisManager = Value; }
    TgPlotYAxisManager *YAxisManager() const { return FYAxisManager; }
    void SetYAxisManager(TgPlotYAxisManager *Value) { FYAxisManager = Value; }
    TgPlotChannelClass ChannelClass() const { return FChannelClass; }
    void SetChannelClass(TgPlotChannelClass Value) { FChannelClass = Value; }

private:
    TgPlotXAxisManager *FXAxisManager = nullptr;
    TgPlotYAxisManager *FYAxisManager = nullptr;
    TgPlotChannelClass FChannelClass = nullptr;
};
