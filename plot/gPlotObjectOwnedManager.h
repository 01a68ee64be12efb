#pragma once
#include "Exceptions.h"
#include "gPlotObject.h"
#include "gPlotObjectManagerCustom.h"

// A typed manager: it owns the objects of its kind (Clear and its own
// destruction free them) and tells its other objects of a removal before it
// drops the entry, so that they can let go of the removed object.
class TgPlotObjectOwnedManager : public TgPlotObjectManagerCustom {
public:
    using TgPlotObjectManagerCustom::TgPlotObjectManagerCustom;
    ~TgPlotObjectOwnedManager() override;

    void NotificationRemove(TObject *Sender) override;
    // Frees every object held when it starts, from the first; each one's
    // removal notice takes it out of this and every other manager. Objects
    // added meanwhile stay; one whose removal is under way is left to it. The
    // objects it frees do not hear of one another's removal (unless one may
    // refer to its own kind), so that a clear costs time in proportion to
    // what the manager holds. A handler's exception is raised at the end.
    void Clear() override;

protected:
    // The object at Index as T; another class there raises EInvalidCast.
    template <class T>
    T *ItemAs(int Index) const
    {
        T *object = dynamic_cast<T *>(TgPlotObjectManagerCustom::GetItem(Index));
        if (!object)
            throw EInvalidCast(QStringLiteral("Invalid class typecast"));
        return object;
    }
    // Inserts Sender when it is a T. Returns it when it came without a name
    // and was named here (the caller then does its kind's extra work).
    template <class T>
    T *InsertKind(TObject *Sender)
    {
        T *object = dynamic_cast<T *>(Sender);
        if (!object)
            return nullptr;
        InsertObject(object);
        if (!object->Name().isEmpty())
            return nullptr;
        object->SetName(GetNextName());
        return object;
    }

private:
    // While a Clear runs: the objects it has still to free, the first
    // FClearing of the list (any added meanwhile go to its end).
    int FClearing = 0;
    bool FClearingQuietly = false;
};
