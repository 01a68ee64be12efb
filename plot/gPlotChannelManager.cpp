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
    if (auto *held = dynamic_cast<TgPlotChannelCustom *>(Sender); held && Holds(held))
        Track(held);
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

void TgPlotChannelManager::CountColor(TColor Color, int Delta) const
{
    FPaletteCounts.resize(std::size(Palette));
    const auto at = std::find(std::begin(Palette), std::end(Palette), Color);
    if (at != std::end(Palette))
        FPaletteCounts[size_t(at - std::begin(Palette))] += Delta;
}

void TgPlotChannelManager::Track(TgPlotChannelCustom *Channel) const
{
    if (!FCountedColor.emplace(Channel, Channel->Color()).second)
        return;
    CountColor(Channel->Color(), 1);
    Channel->OnColorChange = [this](TObject *Sender) {
        auto *channel = static_cast<TgPlotChannelCustom *>(Sender);
        const auto at = FCountedColor.find(channel);
        if (at == FCountedColor.end())
            return;
        CountColor(at->second, -1);
        at->second = channel->Color();
        CountColor(at->second, 1);
    };
}

void TgPlotChannelManager::DoForget(const TObject *AObject)
{
    const auto at = FCountedColor.find(AObject);
    if (at == FCountedColor.end())
        return;
    CountColor(at->second, -1);
    FCountedColor.erase(at);
}

TColor TgPlotChannelManager::GetNextChannelColor() const
{
    if (Count() < 2)
        return clRed;
    FPaletteCounts.resize(std::size(Palette));
    const auto least = std::min_element(FPaletteCounts.begin(), FPaletteCounts.end());
    return Palette[size_t(least - FPaletteCounts.begin())];
}
