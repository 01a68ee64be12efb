#include "gPlotLimitManager.h"

#include "gPlotLimit.h"
#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxis.h"
#include "gPlotYAxisManager.h"

TgPlotObject *TgPlotLimitManager::CreateObject()
{
    return new TgPlotLimit(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotLimitManager::NotificationInsert(TObject *Sender)
{
    TgPlotLimit *limit = InsertKind<TgPlotLimit>(Sender);
    if (!limit)
        return;
    if (FXAxisManager && FXAxisManager->Count() > 0)
        limit->SetXAxisName(FXAxisManager->GetItem(0)->Name());
    if (FYAxisManager && FYAxisManager->Count() > 0)
        limit->SetYAxisName(FYAxisManager->GetItem(0)->Name());
}

TgPlotLimit *TgPlotLimitManager::GetItem(int Index) const
{
    return ItemAs<TgPlotLimit>(Index);
}
