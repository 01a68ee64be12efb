// TGpPicture.

#include "GpPicture.h"

#include "Exceptions.h"
#include "Stream.h"

void TGpPicture::LoadFromFile(const QString &FileName)
{
    try {
        TFileStream file(FileName, fmOpenRead);
        const QByteArray bytes = ReadWholeStream(&file);
        SetData(bytes);
        empty_ = Data().isEmpty();
        FireClear();
        GetImageSizes();
        Changed(this);
    } catch (const Exception &) {
        empty_ = true;
    }
}

// A stream with no bytes leaves an empty picture.
void TGpPicture::LoadFromStream(TStream *Stream)
{
    if (!Stream)
        return;
    SetData(ReadWholeStream(Stream));
    empty_ = Data().isEmpty();
    GetImageSizes();
    Changed(this);
}

void TGpPicture::ReadData(TStream *Stream)
{
    if (!Stream)
        return;
    SetData(ReadWholeStream(Stream));
    empty_ = Data().isEmpty();
}

void TGpPicture::Assign(TPersistent *Source)
{
    AssignFrom(Source, dynamic_cast<TGpPicture *>(Source), false);
}

void TGpPicture::Draw(TCanvas *ACanvas, const TRect &Rect)
{
    DrawOnCanvas(ACanvas, Rect, true);
}

void TGpPicture::DrawImage(TGPGraphics *Graphics, int X, int Y)
{
    TGPImage *img = Decoded();
    if (img && Graphics)
        Graphics->DrawImage(img, INT(X), INT(Y));
}

void TGpPicture::DrawImageRect(TGPGraphics *Graphics, int X, int Y, int W, int H)
{
    TGPImage *img = Decoded();
    if (img && Graphics)
        Graphics->DrawImageRect(img, X, Y, W, H);
}
