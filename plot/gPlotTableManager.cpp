#include "gPlotTableManager.h"

#include "gPlotTable.h"

TgPlotObject *TgPlotTableManager::CreateObject()
{
    return new TgPlotTable(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotTableManager::NotificationInsert(TObject *Sender)
{
    InsertKind<TgPlotTable>(Sender);
}

TgPlotTable *TgPlotTableManager::GetItem(int Index) const
{
    return ItemAs<TgPlotTable>(Index);
}
