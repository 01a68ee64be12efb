#include "gPlotAxisBoundManager.h"

#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxis.h"
#include "gPlotYAxisManager.h"

QString TgPlotAxisBoundManager::FirstXAxisName() const
{
    return FXAxisManager && FXAxisManager->Count() > 0 ? FXAxisManager->GetItem(0)->Name() : QString();
}

QString TgPlotAxisBoundManager::FirstYAxisName() const
{
    return FYAxisManager && FYAxisManager->Count() > 0 ? FYAxisManager->GetItem(0)->Name() : QString();
}
