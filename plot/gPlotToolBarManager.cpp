#include "gPlotToolBarManager.h"

#include "gPlotToolBar.h"

TgPlotObject *TgPlotToolBarManager::CreateObject()
{
    return new TgPlotToolBar(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotToolBarManager::NotificationInsert(TObject *Sender)
{
    InsertKind<TgPlotToolBar>(Sender);
}

TgPlotToolBar *TgPlotToolBarManager::GetItem(int Index) const
{
    return ItemAs<TgPlotToolBar>(Index);
}
