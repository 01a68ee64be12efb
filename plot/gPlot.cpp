#include "gPlot.h"

#include "gPlotChannelCustom.h"
#include "gPlotMasterManager.h"
#include "gXYPlot.h"

TgPlot::TgPlot(TComponent *AOwner) : TgPlotComponent(AOwner)
{
    BeginUpdate();
    struct Close {
        TgPlot *plot;
        ~Close() { plot->EndUpdate(); }
    } close{this};
    // The strip-chart channel class replaces the base channel here once it exists.
    Master()->SetChannelClass(&CreateChannelOf<TgPlotChannelCustom>);
    CreateDefaultPlotObjects(this);
}
