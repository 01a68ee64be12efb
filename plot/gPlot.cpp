#include "gPlot.h"

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
    return ChannelAs<TgPlotChannel>(TgPlotComponent::GetChannel(Index));
}
