#include "gPlotObjectOwnedManager.h"

#include <algorithm>

TgPlotObjectOwnedManager::~TgPlotObjectOwnedManager()
{
    // Objects a handler adds meanwhile go too; a handler's failure cannot
    // leave a destructor.
    while (FirstStaying()) {
        try {
            Clear();
        } catch (...) {
        }
    }
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
    std::exception_ptr failure;
    FClearing = Count();
    FClearingQuietly = std::none_of(FList.begin(), FList.end(),
                                    [](const TgPlotObject *Object) { return Object->RefersToItsKind(); });
    // The first entries whose removal a caller up the stack has under way:
    // they stay in place until it frees them.
    int kept = 0;
    while (FClearing > kept) {
        TgPlotObject *object = GetItem(kept);
        if (object->Removing()) {
            ++kept;
            continue;
        }
        KeepFirstFailure(failure, [object] { object->Free(); });
        // Its removal notice did not reach this manager (shutdown): it must
        // not stay behind freed.
        if (const int at = GetIndex(object); at >= 0) {
            Forget(at);
            --FClearing;
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}
