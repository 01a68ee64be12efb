#include "gPlot.h"

#include "Exceptions.h"
#include "gPlotMasterManager.h"
#include "gXYPlot.h"

TgPlot::TgPlot(TComponent *AOwner) : TgPlotComponent(AOwner)
{
    BeginUpdate();
    struct Close {
        TgPlot *plot;
        ~Close() { plot->EndUpdate(); }
    } close{this};
    Master()->SetChannelClass(&CreateChannelOf<TgPlotChannel>);
    CreateDefaultPlotObjects(this);
}

TgPlotChannel *TgPlot::GetChannel(int Index) const
{
    TgPlotChannelCustom *channel = TgPlotComponent::GetChannel(Index);
    auto *strip = dynamic_cast<TgPlotChannel *>(channel);
    if (channel && !strip)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    return strip;
}
