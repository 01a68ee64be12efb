#include "gPlotXAxis.h"
#include "gPlotYAxis.h"

#include "Component.h"

namespace {
// The strip chart tells itself apart by its class name: its X axes scroll.
bool OwnedByStripChart(TComponent *Owner)
{
    return Owner && Owner->ClassName() == QStringLiteral("TgPlot");
}
} // namespace

TgPlotXAxis::TgPlotXAxis(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TgPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    SetTrackingStyle(OwnedByStripChart(AOwner) ? iptsScrollSmooth : iptsScaleMinMax);
    SetTrackingAlignFirstStyle(ipafsAuto);
}

TgPlotYAxis::TgPlotYAxis(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TgPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    SetTrackingStyle(iptsScaleMinMax);
    SetTrackingAlignFirstStyle(ipafsNone);
}
