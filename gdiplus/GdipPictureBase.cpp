// The encoded-picture store shared by TGpPicture and TSmGDIPPicture.

#include "GdipPictureBase.h"

#include "Bitmap.h"
#include "Canvas.h"
#include "Exceptions.h"
#include "Picture.h"
#include "Resources.h"
#include "Stream.h"

#include <QBuffer>
#include <QImageReader>

TGdipPictureBase::TGdipPictureBase() = default;
TGdipPictureBase::~TGdipPictureBase() = default;

// The bytes a failed load or an unusable Assign left behind are no longer
// the picture: an empty picture writes nothing.
void TGdipPictureBase::SaveToStream(TStream *Stream)
{
    if (Stream && !empty_)
        Stream->WriteBytes(data_);
}

bool TGdipPictureBase::SetData(const QByteArray &bytes)
{
    decoded_.reset();
    canvasBitmap_.reset();
    headerSize_.reset();
    QBuffer header;
    header.setData(bytes);
    header.open(QIODevice::ReadOnly);
    if (DeclaredPicturePixels(&header) > kMaxPicturePixels) {
        data_.clear();
        width_ = height_ = 0;
        return false;
    }
    data_ = bytes;
    return true;
}

TGPImage *TGdipPictureBase::Decoded()
{
    if (empty_ || data_.isEmpty())
        return nullptr;
    if (!decoded_) {
        QBuffer buffer(&data_);
        buffer.open(QIODevice::ReadOnly);
        decoded_.reset(new TGPImage(&buffer, false));
    }
    return decoded_.get();
}

// The sizes are all a load needs: they come from the picture's header where
// the format tells them there, so the pixels are decoded only when the picture
// is first drawn (windows load their pictures long before most are shown).
// A header without pixels (a width or height of 0, as a few stray bytes can
// declare) is no picture: the decode answers for it, 0 x 0, as drawing does.
bool TGdipPictureBase::GetImageSizes()
{
    if (!decoded_ && !empty_ && !data_.isEmpty()) {
        if (!headerSize_) {
            QBuffer header(&data_);
            header.open(QIODevice::ReadOnly);
            headerSize_ = QImageReader(&header).size();
        }
        const QSize size = *headerSize_;
        if (!size.isEmpty()) {
            width_ = size.width();
            height_ = size.height();
            return true;
        }
    }
    TGPImage *img = Decoded();
    if (!img)
        return false;
    width_ = int(img->GetWidth());
    height_ = int(img->GetHeight());
    return true;
}

void TGdipPictureBase::LoadDecoded(const QByteArray &Bytes, const QImage &Decoded, const GUID &RawFormat)
{
    canvasBitmap_.reset();
    data_ = Bytes;
    headerSize_ = Decoded.size();
    GpImage *native = nullptr;
    const Status status = GdipLoadImageFromDecoded(Decoded, RawFormat, &native);
    decoded_ = std::make_unique<TGPImage>(native, status);
    empty_ = data_.isEmpty();
    width_ = Decoded.width();
    height_ = Decoded.height();
    Changed(this);
}

QByteArray TGdipPictureBase::ReadWholeStream(TStream *Stream)
{
    const std::int64_t size = Stream->Size();
    if (size < 0 || size > kMaxPictureBytes)
        throw EReadError(QStringLiteral("Picture data too large"));
    Stream->SetPosition(0);
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (!bytes.isEmpty())
        Stream->ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

bool TGdipPictureBase::SavedBytes(TPersistent *Source, bool anyGraphic, QByteArray &bytes)
{
    TGraphic *graphic = nullptr;
    if (auto *holder = dynamic_cast<TPicture *>(Source))
        graphic = holder->Graphic();
    else if (auto *bmp = dynamic_cast<TBitmap *>(Source))
        graphic = bmp;
    else if (anyGraphic)
        graphic = dynamic_cast<TGraphic *>(Source);
    if (!graphic)
        return false;
    TMemoryStream temp;
    graphic->SaveToStream(&temp);
    bytes = temp.Bytes();
    return true;
}

void TGdipPictureBase::AssignFrom(TPersistent *Source, TGdipPictureBase *Same, bool anyGraphic)
{
    empty_ = true;
    if (!Source) {
        SetData(QByteArray());
        Changed(this);
        FireClear();
        return;
    }
    QByteArray bytes;
    if (Same) {
        // A copy reports the size its original reports, however that was
        // found (a header, a decode, a file name's reader): for damaged
        // data these differ, and a copy must not.
        const int width = Same->width_, height = Same->height_;
        // Its bytes passed SetData's size check when it took them: no header
        // is read again (sliders share one thumb picture by the hundred).
        decoded_.reset();
        canvasBitmap_.reset();
        data_ = Same->data_;
        headerSize_ = Same->headerSize_;
        empty_ = data_.isEmpty();
        width_ = width;
        height_ = height;
        Changed(this);
        return;
    }
    if (SavedBytes(Source, anyGraphic, bytes)) {
        SetData(bytes);
        empty_ = data_.isEmpty();
        Changed(this);
    }
    GetImageSizes();
}

void TGdipPictureBase::FireClear()
{
    if (OnClear)
        OnClear(this);
}

void TGdipPictureBase::LoadFromResourceName(HINSTANCE Instance, const QString &ResName)
{
    QByteArray bytes;
    if (!FindResource(Instance, ResName, RT_RCDATA, &bytes))
        return;
    TMemoryStream stream(bytes);
    LoadFromStream(&stream);
}

void TGdipPictureBase::LoadFromResourceID(HINSTANCE Instance, int ResID)
{
    TResourceStream stream(Instance, ResID, RT_RCDATA);
    LoadFromStream(&stream);
}

void TGdipPictureBase::LoadFromURL(const QString &URL)
{
    const QString upper = URL.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        const QString rest = URL.mid(6);
        if (!rest.isEmpty())
            LoadFromResourceName(HInstance, rest);
    } else if (upper.startsWith(QLatin1String("FILE://"))) {
        const QString rest = URL.mid(7);
        if (!rest.isEmpty())
            LoadFromFile(rest);
    }
}

void TGdipPictureBase::DrawOnCanvas(TCanvas *ACanvas, const TRect &Rect, bool stretchBitmap)
{
    TGPImage *img = Decoded();
    if (!img || !ACanvas)
        return;
    if (img->GetFormat() != ifBMP) {
        if (!ACanvas->Handle())
            return;
        width_ = int(img->GetWidth());
        height_ = int(img->GetHeight());
        TGPGraphics g(ACanvas->Handle());
        g.DrawImage(img, REAL(Rect.Left), REAL(Rect.Top), REAL(Rect.Right - Rect.Left),
                    REAL(Rect.Bottom - Rect.Top));
        return;
    }
    if (!canvasBitmap_) {
        auto bmp = std::make_unique<TBitmap>();
        try {
            TMemoryStream stream(data_);
            bmp->LoadFromStream(&stream);
        } catch (const Exception &) {
            return;
        }
        bmp->SetTransparentMode(tmAuto);
        bmp->SetTransparent(true);
        canvasBitmap_ = std::move(bmp);
    }
    if (stretchBitmap)
        ACanvas->StretchDraw(Rect, canvasBitmap_.get());
    else
        ACanvas->Draw(Rect.Left, Rect.Top, canvasBitmap_.get());
}

void TGdipPictureBase::DefineProperties(TFiler *Filer)
{
    Filer->DefineProperty(
        QStringLiteral("Data"),
        [this](TReader *Reader) {
            TMemoryStream stream(Reader->ReadBinary());
            LoadFromStream(&stream);
        },
        [this](TWriter *Writer) {
            TMemoryStream stream;
            SaveToStream(&stream);
            Writer->WriteBinary(stream.Bytes());
        },
        !Empty());
}
