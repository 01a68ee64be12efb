#include "gPlotDataViewManager.h"

#include "gPlotDataView.h"

TgPlotObject *TgPlotDataViewManager::CreateObject()
{
    return new TgPlotDataView(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotDataViewManager::NotificationInsert(TObject *Sender)
{
    TgPlotDataView *view = InsertKind<TgPlotDataView>(Sender);
    if (!view)
        return;
    if (const QString x = FirstXAxisName(); !x.isEmpty())
        view->SetGridXAxisName(x);
    if (const QString y = FirstYAxisName(); !y.isEmpty())
        view->SetGridYAxisName(y);
}

TgPlotDataView *TgPlotDataViewManager::GetItem(int Index) const
{
    return ItemAs<TgPlotDataView>(Index);
}
