#include "gPlotObjectOwnedManager.h"

#include <unordered_set>
#include <vector>

TgPlotObjectOwnedManager::~TgPlotObjectOwnedManager()
{
    Clear();
}

void TgPlotObjectOwnedManager::NotificationRemove(TObject *Sender)
{
    if (Sender == this)
        return;
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i) != Sender)
            GetItem(i)->NotificationRemove(Sender);
    TgPlotObjectManagerCustom::NotificationRemove(Sender);
}

void TgPlotObjectOwnedManager::Clear()
{
    const std::vector<TgPlotObject *> copy(FList.begin(), FList.end());
    for (TgPlotObject *object : copy)
        delete object;
    // Objects whose callbacks no longer reach this manager (shutdown) must
    // not stay behind freed; dropped from the end, each costs no move.
    const std::unordered_set<const TObject *> freed(copy.begin(), copy.end());
    for (int i = Count() - 1; i >= 0; --i)
        if (freed.count(FList[size_t(i)]))
            Forget(i);
}
