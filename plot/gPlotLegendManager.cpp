#include "gPlotLegendManager.h"

#include "gPlotLegend.h"

TgPlotObject *TgPlotLegendManager::CreateObject()
{
    return new TgPlotLegend(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotLegendManager::NotificationInsert(TObject *Sender)
{
    InsertKind<TgPlotLegend>(Sender);
}

TgPlotLegend *TgPlotLegendManager::GetItem(int Index) const
{
    return ItemAs<TgPlotLegend>(Index);
}
