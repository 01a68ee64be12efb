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
    // Never one on its way out: the cursor would keep a freed view.
    if (TgPlotObject *view = FDataViewManager ? FDataViewManager->FirstStaying() : nullptr)
        cursor->SetDataView(dynamic_cast<TgPlotDataView *>(view));
    if (const TgPlotObject *channel = FChannelManager ? FChannelManager->FirstStaying() : nullptr)
        cursor->SetChannelName(channel->Name());
}

TgPlotDataCursor *TgPlotDataCursorManager::GetItem(int Index) const
{
    return ItemAs<TgPlotDataCursor>(Index);
}
