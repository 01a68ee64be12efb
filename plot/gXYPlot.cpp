#include "gXYPlot.h"

#include "Exceptions.h"
#include "gPlotChannelCustom.h"
#include "gPlotLabel.h"
#include "gPlotLayoutManager.h"
#include "gPlotLegend.h"
#include "gPlotMasterManager.h"
#include "gPlotToolBar.h"
#include "gXYPlotChannel.h"

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

TgXYPlotChannel *TgXYPlot::GetChannel(int Index) const
{
    return ChannelAs<TgXYPlotChannel>(TgPlotComponent::GetChannel(Index));
}

TgXYPlot::TgXYPlot(TComponent *AOwner) : TgPlotComponent(AOwner)
{
    Master()->SetChannelClass(&CreateChannelOf<TgXYPlotChannel>);
    CreateDefaultPlotObjects(this);
}
