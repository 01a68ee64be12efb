#pragma once
#include <QString>
#include <memory>

class TBitmap;

// A picture that a plot object may own (labels, annotations): a copy of
// another bitmap, freed, or read from a file.
class TgOwnedBitmap {
public:
    TgOwnedBitmap();
    ~TgOwnedBitmap();

    TBitmap *Get() const { return FBitmap.get(); }
    // Keeps a copy of Value (made when missing); none frees the picture.
    void Assign(TBitmap *Value);
    // False when there was no picture.
    bool Clear();
    // The loader's error for a missing or unreadable file passes on and
    // leaves the picture as it was.
    void LoadFromFile(const QString &FileName);

private:
    std::unique_ptr<TBitmap> FBitmap;
};
