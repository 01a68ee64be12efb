// TGpPictureContainer and its items.

#include "GpPictureContainer.h"

#include "Exceptions.h"

TPictureItem::TPictureItem(TCollection *Collection)
    : TCollectionItem(Collection), picture_(new TSmGDIPPicture)
{
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::SetPicture(TSmGDIPPicture *Value)
{
    picture_->Assign(Value);
}

void TPictureItem::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TPictureItem *>(Source);
    if (!other)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    picture_->Assign(other->Picture());
    tag_ = other->tag_;
    name_ = other->name_;
}

TPictureCollection::TPictureCollection(TGpPictureContainer *AOwner)
    : TCollection([](TCollection *c) { return new TPictureItem(c); }, AOwner)
{
}

TGpPictureContainer::TGpPictureContainer(TComponent *AOwner)
    : TComponent(AOwner), items_(new TPictureCollection(this))
{
}

TGpPictureContainer::~TGpPictureContainer() = default;

namespace {
// Upper case for the ASCII letters a to z only.
QString asciiUpper(const QString &s)
{
    QString out = s;
    for (QChar &c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return out;
}
} // namespace

TSmGDIPPicture *TGpPictureContainer::FindPicture(const QString &s) const
{
    const QString wanted = asciiUpper(s);
    for (int i = 0; i < items_->Count(); ++i)
        if (asciiUpper(items_->Items(i)->Name()) == wanted)
            return items_->Items(i)->Picture();
    return nullptr;
}
