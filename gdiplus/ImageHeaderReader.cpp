// Bounded header readers of JPEG, PNG, BMP, TIFF and GIF files.

#include "ImageHeaderReader.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Bounds-checked access to the bytes: every read says whether it fitted.
class Bytes {
public:
    explicit Bytes(const QByteArray &d) : d_(d) {}
    qint64 size() const { return d_.size(); }
    bool has(qint64 pos, qint64 n) const { return pos >= 0 && n >= 0 && pos + n <= d_.size(); }
    bool u8(qint64 pos, uint32_t &v) const
    {
        if (!has(pos, 1))
            return false;
        v = uint8_t(d_[pos]);
        return true;
    }
    bool u16(qint64 pos, bool bigEndian, uint32_t &v) const
    {
        uint32_t a, b;
        if (!u8(pos, a) || !u8(pos + 1, b))
            return false;
        v = bigEndian ? (a << 8 | b) : (b << 8 | a);
        return true;
    }
    bool u32(qint64 pos, bool bigEndian, uint32_t &v) const
    {
        uint32_t lo, hi;
        if (!u16(pos, bigEndian, bigEndian ? hi : lo) || !u16(pos + 2, bigEndian, bigEndian ? lo : hi))
            return false;
        v = hi << 16 | lo;
        return true;
    }
    bool matches(qint64 pos, const char *sig, int n) const
    {
        return has(pos, n) && d_.mid(int(pos), n) == QByteArray(sig, n);
    }

private:
    const QByteArray &d_;
};

bool found(ImageHeaderSize &size, uint32_t w, uint32_t h)
{
    size.Width = int(w & 0xFFFF);
    size.Height = int(h & 0xFFFF);
    return true;
}

bool none(ImageHeaderSize &size)
{
    size = ImageHeaderSize{};
    return false;
}

} // namespace

// Markers: FF then a code (more FF are fill). SOF0..SOF2 carry the size;
// 01 and D0..D7 stand alone; every other marker has a length that counts
// itself, so a length below 2 is damage (it would not move on).
bool ReadJpegHeaderSize(const QByteArray &data, ImageHeaderSize &size)
{
    const Bytes b(data);
    if (!b.matches(0, "\xFF\xD8", 2))
        return none(size);
    qint64 pos = 2;
    while (pos < b.size()) {
        uint32_t v;
        if (!b.u8(pos, v) || v != 0xFF)
            return none(size);
        uint32_t code = 0xFF;
        while (code == 0xFF) {
            if (!b.u8(++pos, code))
                return none(size);
        }
        ++pos;
        if (code == 0xC0 || code == 0xC1 || code == 0xC2) {
            uint32_t h, w;
            if (!b.u16(pos + 3, true, h) || !b.u16(pos + 5, true, w))
                return none(size);
            return found(size, w, h);
        }
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue;
        uint32_t len;
        if (!b.u16(pos, true, len) || len < 2)
            return none(size);
        pos += len;
    }
    return none(size);
}

bool ReadPngHeaderSize(const QByteArray &data, ImageHeaderSize &size)
{
    const Bytes b(data);
    uint32_t w, h;
    if (!b.matches(0, "\x89PNG\r\n\x1A\n", 8) || !b.u16(18, true, w) || !b.u16(22, true, h))
        return none(size);
    return found(size, w, h);
}

bool ReadBmpHeaderSize(const QByteArray &data, ImageHeaderSize &size)
{
    const Bytes b(data);
    uint32_t w, h;
    if (!b.matches(0, "BM", 2) || !b.u32(18, false, w) || !b.u32(22, false, h))
        return none(size);
    return found(size, w, h);
}

// The first directory's entries: tag 256 width, 257 height. A SHORT value
// sits in the first two bytes of the value field in either byte order.
bool ReadTiffHeaderSize(const QByteArray &data, ImageHeaderSize &size)
{
    const Bytes b(data);
    bool big;
    if (b.matches(0, "II", 2))
        big = false;
    else if (b.matches(0, "MM", 2))
        big = true;
    else
        return none(size);
    uint32_t magic, ifd, count;
    if (!b.u16(2, big, magic) || magic != 42 || !b.u32(4, big, ifd)
        || !b.u16(qint64(ifd), big, count))
        return none(size);
    bool haveW = false, haveH = false;
    uint32_t w = 0, h = 0;
    for (uint32_t i = 0; i < count && !(haveW && haveH); ++i) {
        const qint64 e = qint64(ifd) + 2 + qint64(i) * 12;
        uint32_t tag, type, value;
        if (!b.u16(e, big, tag) || !b.u16(e + 2, big, type))
            return none(size);
        if (tag != 256 && tag != 257)
            continue;
        if (type == 3) {
            if (!b.u16(e + 8, big, value))
                return none(size);
        } else {
            if (!b.u32(e + 8, big, value))
                return none(size);
            value = uint32_t(std::llabs(int64_t(int32_t(value))));  // INT_MIN too
        }
        (tag == 256 ? w : h) = value;
        (tag == 256 ? haveW : haveH) = true;
    }
    if (!(haveW && haveH))
        return none(size);
    return found(size, w, h);
}

// Header, logical screen, optional global colour table, then extensions
// (sub-blocks up to an empty one) until the first image descriptor.
bool ReadGifHeaderSize(const QByteArray &data, ImageHeaderSize &size)
{
    const Bytes b(data);
    uint32_t packed;
    if (!b.matches(0, "GIF", 3) || !b.u8(10, packed))
        return none(size);
    qint64 pos = 13;
    if (packed & 0x80)
        pos += 3 * (qint64(2) << (packed & 7));
    for (;;) {
        uint32_t kind;
        if (!b.u8(pos, kind))
            return none(size);
        if (kind == 0x2C) {
            uint32_t w, h;
            if (!b.u16(pos + 5, false, w) || !b.u16(pos + 7, false, h))
                return none(size);
            return found(size, w, h);
        }
        if (kind != 0x21)
            return none(size);
        pos += 2;
        for (;;) {
            uint32_t len;
            if (!b.u8(pos, len))
                return none(size);
            pos += 1 + len;
            if (len == 0)
                break;
        }
    }
}

namespace {
using Reader = bool (*)(const QByteArray &, ImageHeaderSize &);

Reader readerFor(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString ext = dot < 0 ? QString() : fileName.mid(dot).toUpper();
    if (ext == QLatin1String(".JPG") || ext == QLatin1String(".JPEG"))
        return ReadJpegHeaderSize;
    if (ext == QLatin1String(".PNG"))
        return ReadPngHeaderSize;
    if (ext == QLatin1String(".BMP"))
        return ReadBmpHeaderSize;
    if (ext == QLatin1String(".TIFF"))
        return ReadTiffHeaderSize;
    if (ext == QLatin1String(".GIF"))
        return ReadGifHeaderSize;
    return nullptr;
}
} // namespace

bool HasHeaderReader(const QString &fileName)
{
    return readerFor(fileName) != nullptr;
}

bool ReadHeaderSizeByName(const QString &fileName, const QByteArray &data, ImageHeaderSize &size)
{
    const Reader read = readerFor(fileName);
    return read ? read(data, size) : none(size);
}
