#include "gPlotObjectOwnedManager.h"

#include <vector>

TgPlotObjectOwnedManager::~TgPlotObjectOwnedManager()
{
    Clear();
}

void TgPlotObjectOwnedManager::NotificationRemove(TObject *Sender)
{
    if (Sender == this)
        return;
    for (int i = 0; i < FList.Count(); ++i)
        if (FList.GetObject(i) != Sender)
            GetItem(i)->NotificationRemove(Sender);
    TgPlotObjectManagerCustom::NotificationRemove(Sender);
}

void TgPlotObjectOwnedManager::Clear()
{
    std::vector<TgPlotObject *> copy;
    for (int i = 0; i < FList.Count(); ++i)
        copy.push_back(GetItem(i));
    for (TgPlotObject *object : copy) {
        delete object;
        // An object whose callbacks no longer reach this manager (shutdown)
        // must not stay behind freed.
        if (Holds(object))
            Forget(FList.IndexOfObject(object));
    }
}
