#include "gPlotChannelManager.h"

#include <algorithm>
#include <vector>

namespace {

// Channel colours in the order they are handed out (TColor: $00BBGGRR).
constexpr TColor Palette[] = {
    0x0000FF, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFFFFFF, 0x000080, 0x008000, 0x008080,
    0x800000, 0x800080, 0x808000, 0x808080, 0x0000C0, 0x00C000, 0x00C0C0, 0xC00000, 0xC000C0, 0xC0C000,
    0xC0C0C0, 0x0080FF, 0x8000FF, 0x8080FF, 0xFF0080, 0xFF8000, 0xFF8080, 0x00FF80, 0x80FF00, 0x80FF80,
};

} // namespace

TgPlotObject *TgPlotChannelManager::CreateObject()
{
    if (!FChannelClass)
        throw Exception(QStringLiteral("Channel class not assigned"));
    return FChannelClass(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotChannelManager::NotificationInsert(TObject *Sender)
{
    TgPlotChannelCustom *channel = InsertKind<TgPlotChannelCustom>(Sender);
    if (!channel)
        return;
    channel->SetTitleText(channel->Name());
    channel->SetColor(GetNextChannelColor());
    if (const QString x = FirstXAxisName(); !x.isEmpty())
        channel->SetXAxisName(x);
    if (const QString y = FirstYAxisName(); !y.isEmpty())
        channel->SetYAxisName(y);
}

TgPlotChannelCustom *TgPlotChannelManager::GetItem(int Index) const
{
    return ItemAs<TgPlotChannelCustom>(Index);
}

TColor TgPlotChannelManager::GetNextChannelColor() const
{
    if (Count() < 2)
        return clRed;
    std::vector<TgColorCountObject> counts(std::size(Palette));
    for (size_t i = 0; i < counts.size(); ++i)
        counts[i].Color = Palette[i];
    for (int i = 0; i < Count(); ++i)
        for (TgColorCountObject &entry : counts)
            if (entry.Color == GetItem(i)->Color())
                ++entry.Count;
    const auto least = std::min_element(counts.begin(), counts.end(),
                                        [](const auto &a, const auto &b) { return a.Count < b.Count; });
    return least->Color;
}
