#include "gOwnedBitmap.h"

#include "Bitmap.h"

TgOwnedBitmap::TgOwnedBitmap() = default;
TgOwnedBitmap::~TgOwnedBitmap() = default;

void TgOwnedBitmap::Assign(TBitmap *Value)
{
    if (!Value) {
        FBitmap.reset();
        return;
    }
    if (!FBitmap)
        FBitmap = std::make_unique<TBitmap>();
    FBitmap->Assign(Value);
}

bool TgOwnedBitmap::Clear()
{
    if (!FBitmap)
        return false;
    FBitmap.reset();
    return true;
}

void TgOwnedBitmap::LoadFromFile(const QString &FileName)
{
    TBitmap loaded;
    loaded.LoadFromFile(FileName);
    Assign(&loaded);
}
