#include "gPlotDataCursorManager.h"

#include "gPlotChannelManager.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotDataViewManager.h"

TgPlotObject *TgPlotDataCursorManager::CreateObject()
{
    return new TgPlotDataCursor(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotDataCursorManager::NotificationInsert(TObject *Sender)
{
    TgPlotDataCursor *cursor = InsertKind<TgPlotDataCursor>(Sender);
    if (!cursor)
        return;
    if (FDataViewManager && FDataViewManager->Count() > 0)
        cursor->SetDataView(FDataViewManager->GetItem(0));
    if (FChannelManager && FChannelManager->Count() > 0)
        cursor->SetChannelName(FChannelManager->GetItem(0)->Name());
}

TgPlotDataCursor *TgPlotDataCursorManager::GetItem(int Index) const
{
    return ItemAs<TgPlotDataCursor>(Index);
}
