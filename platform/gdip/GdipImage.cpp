// Images and bitmaps, decoded by Qt's image readers.

#include "GdipInternal.h"

#include <QBuffer>
#include <cstdlib>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

const QImage &GpImage::drawable()
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

QImage &GpImage::writable()
{
    drawable();
    return image;
}

namespace {

GUID rawFormatOf(const QByteArray &readerFormat)
{
    const QByteArray f = readerFormat.toLower();
    if (f == "jpeg" || f == "jpg")
        return ImageFormatJPEG;
    if (f == "png")
        return ImageFormatPNG;
    if (f == "bmp" || f == "dib")
        return ImageFormatBMP;
    if (f == "gif")
        return ImageFormatGIF;
    if (f == "tif" || f == "tiff")
        return ImageFormatTIFF;
    if (f == "ico" || f == "cur")
        return ImageFormatIcon;
    return ImageFormatUndefined;
}

PixelFormat pixelFormatOf(const QImage &img)
{
    switch (img.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return PixelFormat1bppIndexed;
    case QImage::Format_Indexed8:
        return img.colorCount() <= 16 && img.colorCount() > 2
                   ? PixelFormat4bppIndexed : PixelFormat8bppIndexed;
    case QImage::Format_Grayscale8: return PixelFormat8bppIndexed;
    case QImage::Format_Grayscale16: return PixelFormat16bppGrayScale;
    case QImage::Format_RGB16: return PixelFormat16bppRGB565;
    case QImage::Format_RGB555: return PixelFormat16bppRGB555;
    case QImage::Format_RGB32:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888: return PixelFormat24bppRGB;
    case QImage::Format_ARGB32_Premultiplied: return PixelFormat32bppPARGB;
    case QImage::Format_RGBX64:
    case QImage::Format_RGB30: return PixelFormat48bppRGB;
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied: return PixelFormat64bppARGB;
    default: return PixelFormat32bppARGB;
    }
}

// What every loader keeps of a decoded picture.
void adopt(GpImage *img, const QImage &decoded, const GUID &rawFormat)
{
    img->image = decoded;
    img->rawFormat = rawFormat;
    img->pixelFormat = pixelFormatOf(decoded);
}

// Decodes everything from the stream's position to its end.
Status decode(QIODevice *stream, GpImage *img)
{
    if (!stream || !stream->isReadable())
        return InvalidParameter;
    QByteArray bytes = stream->readAll();
    if (bytes.isEmpty())
        return InvalidParameter;
    QBuffer buf(&bytes);
    buf.open(QIODevice::ReadOnly);
    if (DeclaredPicturePixels(&buf) > kMaxPicturePixels)
        return OutOfMemory;
    buf.seek(0);
    QImageReader reader(&buf);
    reader.setAutoTransform(false);
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return UnknownImageFormat;
    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull())
        return OutOfMemory;
    adopt(img, decoded, rawFormatOf(format));
    return Ok;
}

template <typename T>
Status loadStream(QIODevice *stream, T **out, bool bitmap)
{
    if (!out)
        return InvalidParameter;
    // Every picture decoded here is a raster picture, so a bitmap.
    GpBitmap *img = new GpBitmap;
    img->isBitmap = bitmap;
    Status s = decode(stream, img);
    if (s != Ok) {
        delete img;
        return s;
    }
    *out = img;
    return Ok;
}

Status loadFile(const WCHAR *filename, GpImage **image)
{
    if (!filename || !image)
        return InvalidParameter;
    QFile f(gdip::toQString(filename, -1));
    if (!f.exists())
        return FileNotFound;
    if (!f.open(QIODevice::ReadOnly))
        return AccessDenied;
    return loadStream(&f, image, false);
}

} // namespace

long long DeclaredPicturePixels(QIODevice *stream)
{
    if (!stream || !stream->isReadable())
        return 0;
    // Qt's BMP reader tells no size for a picture above its allocation limit:
    // that header is read here.
    const QByteArray head = stream->peek(26);
    if (head.size() == 26 && head.startsWith("BM")) {
        auto le32 = [&head](int at) {
            return qint32(quint32(quint8(head[at])) | quint32(quint8(head[at + 1])) << 8
                          | quint32(quint8(head[at + 2])) << 16 | quint32(quint8(head[at + 3])) << 24);
        };
        if (le32(14) >= 40)
            return std::abs(qint64(le32(18))) * std::abs(qint64(le32(22)));
    }
    QImageReader reader(stream);
    const QSize size = reader.size();
    return size.isValid() ? qint64(size.width()) * size.height() : 0;
}

namespace {

const char *encoderName(const CLSID *clsid)
{
    if (!clsid)
        return nullptr;
    if (*clsid == EncoderBMP)
        return "BMP";
    if (*clsid == EncoderJPEG)
        return "JPEG";
    if (*clsid == EncoderGIF)
        return "GIF";
    if (*clsid == EncoderTIFF)
        return "TIFF";
    if (*clsid == EncoderPNG)
        return "PNG";
    return nullptr;
}

Status save(GpImage *image, QIODevice *dev, const CLSID *clsid,
            const EncoderParameters *params)
{
    const char *name = encoderName(clsid);
    if (!image || !dev || !name)
        return InvalidParameter;
    QImageWriter writer(dev, name);
    if (!writer.canWrite())
        return UnknownImageFormat;
    if (params && params->Quality >= 0)
        writer.setQuality(params->Quality);
    return writer.write(image->image) ? Ok : Win32Error;
}

} // namespace

Status GdipLoadImageFromFile(const WCHAR *filename, GpImage **image)
{
    return loadFile(filename, image);
}

Status GdipLoadImageFromFileICM(const WCHAR *filename, GpImage **image)
{
    return loadFile(filename, image);
}

Status GdipLoadImageFromStream(QIODevice *stream, GpImage **image)
{
    return loadStream(stream, image, false);
}

Status GdipLoadImageFromStreamICM(QIODevice *stream, GpImage **image)
{
    return loadStream(stream, image, false);
}

Status GdipLoadImageFromDecoded(const QImage &decoded, const GUID &rawFormat, GpImage **image)
{
    if (!image || decoded.isNull())
        return InvalidParameter;
    auto *img = new GpBitmap;
    adopt(img, decoded, rawFormat);
    *image = img;
    return Ok;
}

Status GdipDisposeImage(GpImage *image)
{
    if (!image)
        return InvalidParameter;
    if (image->painters > 0)
        return ObjectBusy;
    delete image;
    return Ok;
}

Status GdipGetImageRawFormat(GpImage *image, GUID *format)
{
    return gdipGet(image, format, [](const auto &o) { return o.rawFormat; });
}

Status GdipGetImagePixelFormat(GpImage *image, PixelFormat *format)
{
    return gdipGet(image, format, [](const auto &o) { return o.pixelFormat; });
}

Status GdipGetImageWidth(GpImage *image, UINT *width)
{
    if (!image || !width)
        return InvalidParameter;
    *width = UINT(image->image.width());
    return Ok;
}

Status GdipGetImageHeight(GpImage *image, UINT *height)
{
    if (!image || !height)
        return InvalidParameter;
    *height = UINT(image->image.height());
    return Ok;
}

Status GdipGetImageThumbnail(GpImage *image, UINT thumbWidth, UINT thumbHeight,
                             GpImage **thumbImage, DrawImageAbort callback,
                             void *callbackData)
{
    if (!image || !thumbImage)
        return InvalidParameter;
    if (callback && callback(callbackData))
        return Aborted;
    const int w = thumbWidth ? int(thumbWidth) : 120;
    const int h = thumbHeight ? int(thumbHeight) : 120;
    auto *t = new GpBitmap;
    t->isBitmap = true;
    t->image = image->drawable().scaled(w, h, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    t->rawFormat = ImageFormatMemoryBMP;
    t->pixelFormat = PixelFormat32bppPARGB;
    *thumbImage = t;
    return Ok;
}

Status GdipImageRotateFlip(GpImage *image, RotateFlipType rfType)
{
    if (!image || rfType < RotateNoneFlipNone || rfType > Rotate270FlipX)
        return InvalidParameter;
    if (image->painters > 0)
        return ObjectBusy;
    QImage img = image->image;
    if (rfType >= RotateNoneFlipX)
        img = img.mirrored(true, false);
    const int quarter = rfType % 4;
    if (quarter) {
        QTransform r;
        r.rotate(90 * quarter);
        img = img.transformed(r);
    }
    image->image = img;
    return Ok;
}

Status GdipSaveImageToFile(GpImage *image, const WCHAR *filename,
                           const CLSID *clsidEncoder,
                           const EncoderParameters *encoderParams)
{
    if (!filename)
        return InvalidParameter;
    QFile f(gdip::toQString(filename, -1));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Win32Error;
    return save(image, &f, clsidEncoder, encoderParams);
}

Status GdipSaveImageToStream(GpImage *image, QIODevice *stream,
                             const CLSID *clsidEncoder,
                             const EncoderParameters *encoderParams)
{
    return save(image, stream, clsidEncoder, encoderParams);
}

// Multi-frame files are not written by Qt's encoders.
Status GdipSaveAdd(GpImage *image, const EncoderParameters *)
{
    return image ? NotImplemented : InvalidParameter;
}

Status GdipSaveAddImage(GpImage *image, GpImage *newImage,
                        const EncoderParameters *)
{
    return image && newImage ? NotImplemented : InvalidParameter;
}

Status GdipCreateBitmapFromStream(QIODevice *stream, GpBitmap **bitmap)
{
    return loadStream(stream, bitmap, true);
}

Status GdipCreateBitmapFromStreamICM(QIODevice *stream, GpBitmap **bitmap)
{
    return loadStream(stream, bitmap, true);
}

// The pixels are always allocated here; a caller's buffer is not adopted.
Status GdipCreateBitmapFromScan0(INT width, INT height, INT stride,
                                 PixelFormat format, uint8_t *scan0,
                                 GpBitmap **bitmap)
{
    if (!bitmap || width <= 0 || height <= 0 || width > 32767 || height > 32767)
        return InvalidParameter;
    if (scan0 || stride != 0)
        return NotImplemented;
    QImage::Format qf;
    switch (format) {
    case PixelFormat24bppRGB: qf = QImage::Format_RGB888; break;
    case PixelFormat32bppRGB: qf = QImage::Format_RGB32; break;
    case PixelFormat32bppARGB: qf = QImage::Format_ARGB32; break;
    case PixelFormat32bppPARGB: qf = QImage::Format_ARGB32_Premultiplied; break;
    default: return InvalidParameter;
    }
    auto *b = new GpBitmap;
    b->isBitmap = true;
    b->image = QImage(width, height, qf);
    if (b->image.isNull()) {
        delete b;
        return OutOfMemory;
    }
    b->image.fill(format == PixelFormat24bppRGB || format == PixelFormat32bppRGB
                      ? QColor(Qt::black) : QColor(Qt::transparent));
    b->rawFormat = ImageFormatMemoryBMP;
    b->pixelFormat = format;
    *bitmap = b;
    return Ok;
}

Status GdipBitmapGetPixel(GpBitmap *bitmap, INT x, INT y, ARGB *color)
{
    if (!bitmap || !color || !bitmap->image.valid(x, y))
        return InvalidParameter;
    *color = gdip::fromQColor(bitmap->image.pixelColor(x, y));
    return Ok;
}

Status GdipBitmapSetPixel(GpBitmap *bitmap, INT x, INT y, ARGB color)
{
    if (!bitmap || !bitmap->image.valid(x, y))
        return InvalidParameter;
    if (bitmap->image.format() == QImage::Format_Indexed8
        || bitmap->image.format() == QImage::Format_Mono
        || bitmap->image.format() == QImage::Format_MonoLSB)
        return InvalidParameter;
    bitmap->image.setPixelColor(x, y, gdip::toQColor(color));
    return Ok;
}

Status GdipCreateHBITMAPFromBitmap(GpBitmap *bitmap, QImage *hbmReturn,
                                   ARGB background)
{
    if (!bitmap || !hbmReturn)
        return InvalidParameter;
    // A background with alpha keeps the bitmap's own alpha (premultiplied),
    // which is what a layered window is pushed from.
    const bool translucent = (background >> 24) != 0xFF;
    QImage out(bitmap->image.size(), translucent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    out.fill(translucent ? gdip::toQColor(background) : gdip::toQColor(background | 0xFF000000));
    QPainter p(&out);
    p.drawImage(0, 0, bitmap->drawable());
    p.end();
    *hbmReturn = out;
    return Ok;
}
