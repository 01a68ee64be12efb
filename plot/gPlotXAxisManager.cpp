#include "gPlotXAxisManager.h"

#include "gPlotXAxis.h"

TgPlotObject *TgPlotXAxisManager::CreateObject()
{
    return new TgPlotXAxis(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotXAxisManager::NotificationInsert(TObject *Sender)
{
    if (TgPlotXAxis *object = InsertKind<TgPlotXAxis>(Sender))
        object->SetTitle(object->Name());
}

TgPlotXAxis *TgPlotXAxisManager::GetItem(int Index) const
{
    return ItemAs<TgPlotXAxis>(Index);
}
