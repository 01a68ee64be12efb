#include "gPlotLimitManager.h"

#include "gPlotLimit.h"

TgPlotObject *TgPlotLimitManager::CreateObject()
{
    return new TgPlotLimit(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

void TgPlotLimitManager::NotificationInsert(TObject *Sender)
{
    TgPlotLimit *limit = InsertKind<TgPlotLimit>(Sender);
    if (!limit)
        return;
    if (const QString x = FirstXAxisName(); !x.isEmpty())
        limit->SetXAxisName(x);
    if (const QString y = FirstYAxisName(); !y.isEmpty())
        limit->SetYAxisName(y);
}

TgPlotLimit *TgPlotLimitManager::GetItem(int Index) const
{
    return ItemAs<TgPlotLimit>(Index);
}
