// Start-up, the object heap, identifiers and colour helpers.

#include "GdipInternal.h"

#include <QtMath>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
std::atomic<int> startCount{0};
} // namespace

bool operator==(const GUID &a, const GUID &b)
{
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3
           && std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}

#define TQ62_IMAGE_FORMAT(name, d1)                                           \
    const GUID name = {d1, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8,   \
                                            0x1e, 0xf3, 0x2e}}
TQ62_IMAGE_FORMAT(ImageFormatUndefined, 0xb96b3ca9);
TQ62_IMAGE_FORMAT(ImageFormatMemoryBMP, 0xb96b3caa);
TQ62_IMAGE_FORMAT(ImageFormatBMP, 0xb96b3cab);
TQ62_IMAGE_FORMAT(ImageFormatEMF, 0xb96b3cac);
TQ62_IMAGE_FORMAT(ImageFormatWMF, 0xb96b3cad);
TQ62_IMAGE_FORMAT(ImageFormatJPEG, 0xb96b3cae);
TQ62_IMAGE_FORMAT(ImageFormatPNG, 0xb96b3caf);
TQ62_IMAGE_FORMAT(ImageFormatGIF, 0xb96b3cb0);
TQ62_IMAGE_FORMAT(ImageFormatTIFF, 0xb96b3cb1);
TQ62_IMAGE_FORMAT(ImageFormatEXIF, 0xb96b3cb2);
TQ62_IMAGE_FORMAT(ImageFormatIcon, 0xb96b3cb5);
#undef TQ62_IMAGE_FORMAT

#define TQ62_ENCODER(name, d1)                                                \
    const CLSID name = {d1, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8,   \
                                             0x1e, 0xf3, 0x2e}}
TQ62_ENCODER(EncoderBMP, 0x557cf400);
TQ62_ENCODER(EncoderJPEG, 0x557cf401);
TQ62_ENCODER(EncoderGIF, 0x557cf402);
TQ62_ENCODER(EncoderTIFF, 0x557cf405);
TQ62_ENCODER(EncoderPNG, 0x557cf406);
#undef TQ62_ENCODER

Status GdiplusStartup(uintptr_t *token, const GdiplusStartupInput *input,
                      GdiplusStartupOutput *output)
{
    if (!token || !input)
        return InvalidParameter;
    if (input->GdiplusVersion != 1)
        return UnsupportedGdiplusVersion;
    if (output)
        *output = GdiplusStartupOutput{};
    *token = static_cast<uintptr_t>(++startCount);
    return Ok;
}

void GdiplusShutdown(uintptr_t token)
{
    if (token != 0 && startCount > 0)
        --startCount;
}

void *GdipAlloc(size_t size)
{
    if (startCount <= 0)
        return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

void GdipFree(void *ptr)
{
    std::free(ptr);
}

namespace gdip {

bool started()
{
    return startCount > 0;
}

QColor toQColor(ARGB c)
{
    return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF),
                  int(c >> 24));
}

ARGB fromQColor(const QColor &c)
{
    return (ARGB(c.alpha()) << 24) | (ARGB(c.red()) << 16)
           | (ARGB(c.green()) << 8) | ARGB(c.blue());
}

QString toQString(const WCHAR *s, INT length)
{
    if (!s)
        return QString();
    // A given length never runs past the terminator.
    INT n = 0;
    while ((length < 0 || n < length) && s[n])
        ++n;
    length = n;
    return QString(reinterpret_cast<const QChar *>(s), length);
}

// Gamma-corrected blending mixes the channels as light (gamma 2.2), as the
// GDI+ gradients do when gamma correction is on.
ARGB lerpArgb(ARGB a, ARGB b, double t, bool gamma)
{
    t = std::clamp(t, 0.0, 1.0);
    ARGB out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        double ca = double((a >> shift) & 0xFF) / 255.0;
        double cb = double((b >> shift) & 0xFF) / 255.0;
        double v;
        if (gamma && shift < 24)
            v = std::pow((1 - t) * std::pow(ca, 2.2) + t * std::pow(cb, 2.2),
                         1 / 2.2);
        else
            v = (1 - t) * ca + t * cb;
        out |= ARGB(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)) << shift;
    }
    return out;
}

namespace {
// The parametric angle (degrees) of the point of the ellipse that lies in
// the geometric direction `deg`, kept within a quarter turn of `deg`.
qreal parametric(const QRectF &r, qreal deg)
{
    const qreal a = r.width() / 2, b = r.height() / 2;
    if (a <= 0 || b <= 0)
        return deg;
    const qreal rad = qDegreesToRadians(deg);
    qreal t = qRadiansToDegrees(std::atan2(a * std::sin(rad), b * std::cos(rad)));
    t += 360.0 * std::round((deg - t) / 360.0);
    return t;
}
} // namespace

void arcAngles(const QRectF &r, REAL start, REAL sweep, qreal &qtStart,
               qreal &qtSweep)
{
    if (sweep > 360)
        sweep = 360;
    if (sweep < -360)
        sweep = -360;
    const qreal s = parametric(r, start);
    const qreal e = parametric(r, qreal(start) + sweep);
    qtStart = -s;
    qtSweep = -(e - s);
}

QPainterPath infinitePlane()
{
    QPainterPath everything;
    everything.addRect(QRectF(-4194304, -4194304, 8388608, 8388608));
    return everything;
}

bool combineShapes(const QPainterPath &current, const QPainterPath &shape,
                   CombineMode mode, QPainterPath &out)
{
    switch (mode) {
    case CombineModeReplace: out = shape; return true;
    case CombineModeIntersect: out = current.intersected(shape); return true;
    case CombineModeUnion: out = current.united(shape); return true;
    case CombineModeXor:
        out = current.united(shape).subtracted(current.intersected(shape));
        return true;
    case CombineModeExclude: out = current.subtracted(shape); return true;
    case CombineModeComplement: out = shape.subtracted(current); return true;
    default: return false;
    }
}

bool smoothingIsAntiAlias(SmoothingMode m)
{
    return m == SmoothingModeHighQuality || m == SmoothingModeAntiAlias
           || m == SmoothingModeAntiAlias8x8;
}

QImage toPremultiplied(const QImage &img)
{
    if (img.format() == QImage::Format_ARGB32_Premultiplied)
        return img;
    return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace gdip
