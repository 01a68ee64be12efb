#pragma once
#include "Graphic.h"

#include <memory>

class TBitmap;

// Holds one picture of any TGraphic class (owned), as the image control and
// the layouts keep it. Assigning a graphic copies it into a new object of the
// same class when that class can be copied (TBitmap), otherwise by Assign.
class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    TGraphic *Graphic() const { return graphic_.get(); }
    // Takes a copy of Value (none clears the picture).
    void SetGraphic(TGraphic *Value);
    // Takes ownership of Value.
    void AdoptGraphic(TGraphic *Value);
    // The graphic as a bitmap; replaces any other graphic by an empty bitmap.
    TBitmap *Bitmap();
    int Width() const;
    int Height() const;
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    // Decodes a file (BMP, PNG, JPEG, GIF) into a bitmap; throws EFOpenError
    // or EInvalidGraphic and then keeps the previous picture.
    void LoadFromFile(const QString &FileName);
    void SaveToFile(const QString &FileName);

    void Assign(TPersistent *Source) override;

    TNotifyEvent OnChange;

private:
    void GraphicChanged();
    std::unique_ptr<TGraphic> graphic_;
};
