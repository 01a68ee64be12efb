#pragma once
#include "Color.h"
#include "gPlotChannelCustom.h"
#include "gPlotAxisBoundManager.h"

#include <unordered_map>
#include <vector>

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

protected:
    void DoForget(const TObject *AObject) override;

private:
    // Counts Color (when a palette colour) Delta more times.
    void CountColor(TColor Color, int Delta) const;
    // Keeps the count of Channel's colour from now on.
    void Track(TgPlotChannelCustom *Channel) const;

    TgPlotChannelClass FChannelClass = nullptr;
    // The colour each held channel was counted with and the channels per
    // palette colour, kept as colours change, so that choosing a colour
    // walks the palette, not the channels.
    mutable std::unordered_map<const TObject *, TColor> FCountedColor;
    mutable std::vector<int> FPaletteCounts;
};
