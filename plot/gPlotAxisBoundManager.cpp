#include "gPlotAxisBoundManager.h"

#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxis.h"
#include "gPlotYAxisManager.h"

QString TgPlotAxisBoundManager::FirstXAxisName() const
{
    const TgPlotObject *axis = FXAxisManager ? FXAxisManager->FirstStaying() : nullptr;
    return axis ? axis->Name() : QString();
}

QString TgPlotAxisBoundManager::FirstYAxisName() const
{
    const TgPlotObject *axis = FYAxisManager ? FYAxisManager->FirstStaying() : nullptr;
    return axis ? axis->Name() : QString();
}
