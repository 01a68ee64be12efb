#include "Picture.h"

#include "Bitmap.h"

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::GraphicChanged()
{
    if (OnChange)
        OnChange(this);
}

void TPicture::AdoptGraphic(TGraphic *Value)
{
    graphic_.reset(Value);
    if (graphic_)
        graphic_->OnChange = [this](TObject *) { GraphicChanged(); };
    GraphicChanged();
}

void TPicture::SetGraphic(TGraphic *Value)
{
    if (!Value) {
        AdoptGraphic(nullptr);
        return;
    }
    if (Value == graphic_.get())
        return;
    if (TGraphic *same = Value->CreateCopy()) {
        AdoptGraphic(same);
        return;
    }
    auto copy = std::make_unique<TBitmap>();
    if (auto *bmp = dynamic_cast<TBitmap *>(Value)) {
        copy->Assign(bmp);
        AdoptGraphic(copy.release());
        return;
    }
    copy->Assign(Value);
    AdoptGraphic(copy.release());
}

TBitmap *TPicture::Bitmap()
{
    auto *bmp = dynamic_cast<TBitmap *>(graphic_.get());
    if (!bmp) {
        bmp = new TBitmap();
        AdoptGraphic(bmp);
    }
    return bmp;
}

int TPicture::Width() const
{
    return graphic_ ? graphic_->Width() : 0;
}

int TPicture::Height() const
{
    return graphic_ ? graphic_->Height() : 0;
}

void TPicture::LoadFromFile(const QString &FileName)
{
    auto bmp = std::make_unique<TBitmap>();
    bmp->LoadFromFile(FileName);
    AdoptGraphic(bmp.release());
}

void TPicture::SaveToFile(const QString &FileName)
{
    if (graphic_)
        graphic_->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent *Source)
{
    if (!Source) {
        SetGraphic(nullptr);
        return;
    }
    if (auto *pic = dynamic_cast<TPicture *>(Source)) {
        if (pic != this)
            SetGraphic(pic->Graphic());
        return;
    }
    if (auto *g = dynamic_cast<TGraphic *>(Source)) {
        SetGraphic(g);
        return;
    }
    TPersistent::Assign(Source);
}
