#pragma once
#include "Persistent.h"

#include <functional>
#include <utility>
#include <memory>
#include <vector>

class TCollection;

// One item of a TCollection; it knows its collection and its index there.
// Deleting an item removes it from its collection.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection *Collection);
    ~TCollectionItem() override;

    TCollection *Collection() const { return collection_; }
    int Index() const;
    void SetIndex(int Value);
    // A unique number within the collection, never reused.
    int ID() const { return id_; }

protected:
    // Tell the collection that this item changed (for its Update).
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection *collection_ = nullptr;
    int id_ = 0;
};

// An owned, ordered list of items of one class, created through Add/Insert
// with the item factory given at construction. The collection frees its items.
// Assign from another collection copies item by item (Add + item Assign).
class TCollection : public TPersistent {
public:
    using ItemFactory = std::function<TCollectionItem *(TCollection *)>;

    explicit TCollection(ItemFactory Factory, TPersistent *Owner = nullptr);
    ~TCollection() override;

    TPersistent *Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem *Items(int Index) const; // throws EListError out of range
    TCollectionItem *Add();
    TCollectionItem *Insert(int Index);
    void Delete(int Index);
    void Clear();
    TCollectionItem *FindItemID(int ID) const;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void Assign(TPersistent *Source) override;

    // Called after any change (Item = the changed item, or none for several).
    std::function<void(TCollection *, TCollectionItem *Item)> OnUpdate;

protected:
    virtual void Update(TCollectionItem *Item);
    void Changed(TCollectionItem *Item);

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem *Item);
    void RemoveItem(TCollectionItem *Item);

    ItemFactory factory_;
    TPersistent *owner_;
    std::vector<TCollectionItem *> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
};

// A collection that belongs to a component or another persistent object (a
// control's list of embedded buttons); Owner is that object.
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent *AOwner, ItemFactory Factory) : TCollection(std::move(Factory), AOwner) {}
};
