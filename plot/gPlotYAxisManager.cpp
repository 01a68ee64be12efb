#include "gPlotYAxisManager.h"

#include "gPlotYAxis.h"

TgPlotObject *TgPlotYAxisManager::CreateObject()
{
    return new TgPlotYAxis(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotYAxisManager::NotificationInsert(TObject *Sender)
{
    if (TgPlotYAxis *object = InsertKind<TgPlotYAxis>(Sender))
        object->SetTitle(object->Name());
}

TgPlotYAxis *TgPlotYAxisManager::GetItem(int Index) const
{
    return ItemAs<TgPlotYAxis>(Index);
}
