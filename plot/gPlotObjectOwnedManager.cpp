#include "gPlotObjectOwnedManager.h"

#include <algorithm>

TgPlotObjectOwnedManager::~TgPlotObjectOwnedManager()
{
    Clear();
}

void TgPlotObjectOwnedManager::NotificationRemove(TObject *Sender)
{
    if (Sender == this)
        return;
    const int index = GetIndex(Sender);
    const bool cleared = index >= 0 && index < FClearing;
    // The objects a Clear has still to free go with it: unless they may
    // refer to one another, they need not hear of one another's removal.
    const int first = cleared && FClearingQuietly ? FClearing : 0;
    for (int i = first; i < Count(); ++i)
        if (GetItem(i) != Sender)
            GetItem(i)->NotificationRemove(Sender);
    if (cleared)
        --FClearing;
    TgPlotObjectManagerCustom::NotificationRemove(Sender);
}

void TgPlotObjectOwnedManager::Clear()
{
    FClearing = Count();
    FClearingQuietly = std::none_of(FList.begin(), FList.end(),
                                    [](const TgPlotObject *Object) { return Object->RefersToItsKind(); });
    while (FClearing > 0) {
        const int left = FClearing;
        delete GetItem(0);
        // Its removal notice did not reach this manager (shutdown): it must
        // not stay behind freed.
        if (FClearing == left) {
            Forget(0);
            --FClearing;
        }
    }
}
