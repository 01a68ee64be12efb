#include "Collection.h"

#include "Exceptions.h"

#include <algorithm>

TCollectionItem::TCollectionItem(TCollection *Collection)
{
    if (Collection)
        Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem()
{
    if (collection_)
        collection_->RemoveItem(this);
}

int TCollectionItem::Index() const
{
    if (!collection_)
        return -1;
    auto &v = collection_->items_;
    return static_cast<int>(std::find(v.begin(), v.end(), this) - v.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    if (!collection_)
        return;
    auto &v = collection_->items_;
    int cur = Index();
    if (Value < 0 || Value >= static_cast<int>(v.size()) || Value == cur)
        return;
    v.erase(v.begin() + cur);
    v.insert(v.begin() + Value, this);
    Changed(true);
}

void TCollectionItem::Changed(bool AllItems)
{
    if (collection_)
        collection_->Changed(AllItems ? nullptr : this);
}

TCollection::TCollection(ItemFactory Factory, TPersistent *Owner)
    : factory_(std::move(Factory)), owner_(Owner)
{
}

TCollection::~TCollection()
{
    ++updateCount_; // no updates while tearing down
    while (!items_.empty())
        delete items_.back();
}

TCollectionItem *TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        ThrowListIndexError(Index);
    return items_[static_cast<size_t>(Index)];
}

// The change is reported once the new item is whole: a handler may look at it.
TCollectionItem *TCollection::Add()
{
    BeginUpdate();
    TCollectionItem *item = nullptr;
    try {
        item = factory_(this);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

TCollectionItem *TCollection::Insert(int Index)
{
    TCollectionItem *item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    delete Items(Index);
}

void TCollection::Clear()
{
    if (items_.empty())
        return;
    BeginUpdate();
    while (!items_.empty())
        delete items_.back();
    EndUpdate();
}

TCollectionItem *TCollection::FindItemID(int ID) const
{
    for (TCollectionItem *item : items_)
        if (item->id_ == ID)
            return item;
    return nullptr;
}

void TCollection::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed(nullptr);
}

void TCollection::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TCollection *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    try {
        while (!items_.empty())
            delete items_.back();
        for (TCollectionItem *item : other->items_)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::Update(TCollectionItem *Item)
{
    if (OnUpdate)
        OnUpdate(this, Item);
}

void TCollection::Changed(TCollectionItem *Item)
{
    if (updateCount_ == 0)
        Update(Item);
}

void TCollection::InsertItem(TCollectionItem *Item)
{
    items_.push_back(Item);
    Item->collection_ = this;
    Item->id_ = nextId_++;
    Changed(nullptr);
}

void TCollection::RemoveItem(TCollectionItem *Item)
{
    items_.erase(std::remove(items_.begin(), items_.end(), Item), items_.end());
    Item->collection_ = nullptr;
    Changed(nullptr);
}
