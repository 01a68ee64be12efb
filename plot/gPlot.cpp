#include "gPlot.h"

#include "gPlotChannelCustom.h"
#include "gPlotMasterManager.h"
#include "gXYPlot.h"
#include "gXYPlotChannel.h"

TgPlot::TgPlot(TComponent *AOwner) : TgPlotComponent(AOwner)
{
    BeginUpdate();
    struct Close {
        TgPlot *plot;
        ~Close() { plot->EndUpdate(); }
    } close{this};
    // The XY channel stands in for the strip-chart channel until that exists.
    Master()->SetChannelClass(&CreateChannelOf<TgXYPlotChannel>);
    CreateDefaultPlotObjects(this);
}
