#include "gPlotLabelManager.h"

#include "gPlotLabel.h"

TgPlotObject *TgPlotLabelManager::CreateObject()
{
    return new TgPlotLabel(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotLabelManager::NotificationInsert(TObject *Sender)
{
    if (TgPlotLabel *object = InsertKind<TgPlotLabel>(Sender))
        object->SetCaption(object->Name());
}

TgPlotLabel *TgPlotLabelManager::GetItem(int Index) const
{
    return ItemAs<TgPlotLabel>(Index);
}
