#pragma once
#include "Events.h"
#include "Object.h"
#include "Strings.h"

#include <deque>
#include <unordered_set>

class TComponent;
class TgPlotObject;
class TReader;
class TWriter;

// A list of plot objects in insertion order (the index order of every
// Index argument and event of the plot), with generated names ("Base N"),
// lookup by name ignoring case, the fan-out of other objects' removals,
// renames and focus changes, and the component stream of its objects.
// The manager announces itself through OnInsert when made and OnRemove when
// freed, and hands its four callbacks to every object it creates.
class TgPlotObjectManagerCustom : public TObject {
public:
    // Raises when the owner or a callback is missing.
    TgPlotObjectManagerCustom(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                              TNotifyEvent AOnRemove, TNotifyEvent AOnRename);
    ~TgPlotObjectManagerCustom() override;

    virtual TgPlotObject *CreateObject() = 0;
    virtual QString GetBaseName() const = 0;
    virtual void NotificationRemove(TObject *Sender);
    virtual void NotificationInsert(TObject *Sender) = 0;
    virtual void NotificationRename(TObject *Sender);
    virtual void NotificationSetFocus(TObject *Sender);
    virtual void Clear() {}
    // Drops the entry; the object is neither freed nor told.
    virtual void Delete(int Index);

    int Count() const { return static_cast<int>(FList.size()); }
    TComponent *Owner() const { return FOwner; }
    // Appends the object unless it is already held.
    void InsertObject(TgPlotObject *AObject);
    // The base name, a blank and one more than the largest number that
    // follows the base name (ignoring case) in any held name.
    QString GetNextName() const;
    // -1 when not held.
    int GetIndex(const TObject *AObject) const;
    bool Holds(const TObject *AObject) const { return FHeld.count(AObject) != 0; }
    TgPlotObject *GetObjectByName(const QString &Value) const;
    int GetIndexByName(const QString &Value) const;
    TgPlotObject *GetItem(int Index) const;
    // The first object whose removal is not under way; nullptr when none is.
    TgPlotObject *FirstStaying() const;

    // The form stream: a collection of the objects' published properties in
    // list order; written only when the manager holds objects. Reading
    // empties the manager, then creates and registers each object read.
    bool DoWriteToStream() const { return !FList.empty(); }
    void WriteToStream(TWriter *Writer) const;
    void ReadFromStream(TReader *Reader);

    const TNotifyEvent &OnChange() const { return FOnChange; }
    const TNotifyEvent &OnInsert() const { return FOnInsert; }
    const TNotifyEvent &OnRemove() const { return FOnRemove; }
    const TNotifyEvent &OnRename() const { return FOnRename; }

protected:
    // After an object left the list.
    virtual void DoRemoveObject(TgPlotObject *AObject) {}
    // Drops the entry at Index (every change of FList goes through
    // InsertObject or here); at either end of the list it costs no move.
    void Forget(int Index);
    // After Forget dropped AObject, which may be freed already.
    virtual void DoForget(const TObject *AObject) {}

    // A deque: a Clear takes its objects from the front, one at a time.
    std::deque<TgPlotObject *> FList;

private:
    // The number that follows the base name in Name; 0 when none does.
    long long NameNumber(const QString &Name) const;

    // The held objects, and the largest NameNumber among their names while
    // known: an insertion or a rename costs no walk over the list.
    std::unordered_set<const TObject *> FHeld;
    mutable long long FLargestNumber = 0;
    mutable bool FLargestKnown = false;
    TComponent *FOwner;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnRemove;
    TNotifyEvent FOnInsert;
    TNotifyEvent FOnRename;
};
