#pragma once
// A component holding named pictures, found by name without regard to the
// case of the ASCII letters.

#include "Collection.h"
#include "Component.h"
#include "SmGDIPPicture.h"

#include <memory>

class TPictureItem : public TCollectionItem {
public:
    explicit TPictureItem(TCollection *Collection);
    ~TPictureItem() override;

    TSmGDIPPicture *Picture() const { return picture_.get(); }
    // Copies the given picture into the item's own.
    void SetPicture(TSmGDIPPicture *Value);
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    const QString &Name() const { return name_; }
    void SetName(const QString &Value) { name_ = Value; }

    // From another item: picture, tag and name; anything else throws
    // EInvalidCast.
    void Assign(TPersistent *Source) override;

private:
    std::unique_ptr<TSmGDIPPicture> picture_;
    int tag_ = 0;
    QString name_;
};

class TGpPictureContainer;

class TPictureCollection : public TCollection {
public:
    explicit TPictureCollection(TGpPictureContainer *AOwner);
    TPictureItem *Add() { return static_cast<TPictureItem *>(TCollection::Add()); }
    TPictureItem *Insert(int Index) { return static_cast<TPictureItem *>(TCollection::Insert(Index)); }
    TPictureItem *Items(int Index) const { return static_cast<TPictureItem *>(TCollection::Items(Index)); }
};

class TGpPictureContainer : public TComponent {
public:
    explicit TGpPictureContainer(TComponent *AOwner);
    ~TGpPictureContainer() override;

    TPictureCollection *Items() const { return items_.get(); }
    // Copies the items of the given collection.
    void SetItems(TPictureCollection *Value) { items_->Assign(Value); }
    QString Version() const { return QStringLiteral("1.0.0.0"); }
    void SetVersion(const QString &) {}

    // The picture of the first item (by index) whose name matches; none when
    // no item matches. The picture stays the item's.
    TSmGDIPPicture *FindPicture(const QString &s) const;

private:
    std::unique_ptr<TPictureCollection> items_;
};
