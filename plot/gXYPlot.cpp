#include "gXYPlot.h"

#include "gPlotChannelCustom.h"
#include "gPlotLabel.h"
#include "gPlotLayoutManager.h"
#include "gPlotLegend.h"
#include "gPlotMasterManager.h"
#include "gPlotToolBar.h"

void CreateDefaultPlotObjects(TgPlotComponent *Plot)
{
    struct LayoutOff {
        TgPlotComponent *plot;
        explicit LayoutOff(TgPlotComponent *p) : plot(p) { plot->DisableLayoutManager(); }
        ~LayoutOff() { plot->EnableLayoutManager(); }
    } off(Plot);
    Plot->GetToolBar(Plot->AddToolBar())->SetZOrder(3);
    Plot->GetLegend(Plot->AddLegend())->SetZOrder(2);
    Plot->AddXAxis();
    Plot->AddYAxis();
    Plot->AddChannel();
    Plot->AddDataView();
    Plot->AddDataCursor();
    TgPlotLabel *title = Plot->GetLabel(Plot->AddLabel());
    title->SetZOrder(2);
    title->SetName(QStringLiteral("Title"));
    title->SetCaption(QStringLiteral("Untitled"));
    title->SetMarginBottom(0.0);
}

TgXYPlot::TgXYPlot(TComponent *AOwner) : TgPlotComponent(AOwner)
{
    // The XY channel class replaces the base channel here once it exists.
    Master()->SetChannelClass(&CreateChannelOf<TgPlotChannelCustom>);
    CreateDefaultPlotObjects(this);
}
