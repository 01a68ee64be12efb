#include "gPlotDataViewManager.h"

#include "gPlotDataView.h"
#include "gPlotXAxis.h"
#include "gPlotXAxisManager.h"
#include "gPlotYAxis.h"
#include "gPlotYAxisManager.h"

TgPlotObject *TgPlotDataViewManager::CreateObject()
{
    return new TgPlotDataView(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotDataViewManager::NotificationInsert(TObject *Sender)
{
    TgPlotDataView *view = InsertKind<TgPlotDataView>(Sender);
    if (!view)
        return;
    if (FXAxisManager && FXAxisManager->Count() > 0)
        view->SetGridXAxisName(FXAxisManager->GetItem(0)->Name());
    if (FYAxisManager && FYAxisManager->Count() > 0)
        view->SetGridYAxisName(FYAxisManager->GetItem(0)->Name());
}

TgPlotDataView *TgPlotDataViewManager::GetItem(int Index) const
{
    return ItemAs<TgPlotDataView>(Index);
}
