#pragma once
// Picture files made in code for the tests: encoded by Qt's writers, or
// byte by byte where Qt has no writer (GIF, TIFF).

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

// A w x h picture of one colour with a red top-left pixel, in the format
// that Qt writes ("PNG", "JPEG", "BMP").
inline QByteArray EncodedPicture(const char *format, int w, int h, QColor fill = QColor(10, 200, 30))
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    img.setPixelColor(0, 0, QColor(255, 0, 0));
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return bytes;
}

// A GIF of w x h pixels (colour 1 of a two-colour table), with a graphic
// control extension before the image. The LZW stream sends a clear code
// before every pixel, so its codes stay 3 bits wide.
inline QByteArray GifPicture(int w, int h)
{
    QByteArray g("GIF89a");
    auto u16 = [&g](int v) { g.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    u16(w);
    u16(h);
    g.append(char(0x80)).append(char(0)).append(char(0));
    g.append("\x00\x00\x00\xFF\xFF\xFF", 6);
    g.append("\x21\xF9\x04\x00\x00\x00\x00\x00", 8);
    g.append(char(0x2C));
    u16(0);
    u16(0);
    u16(w);
    u16(h);
    g.append(char(0));
    g.append(char(2));  // minimum code size
    QByteArray codes;
    quint32 acc = 0;
    int bits = 0;
    auto put = [&](int code) {
        acc |= quint32(code) << bits;
        bits += 3;
        while (bits >= 8) {
            codes.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    for (int i = 0; i < w * h; ++i) {
        put(4);
        put(1);
    }
    put(5);
    if (bits > 0)
        codes.append(char(acc & 0xFF));
    for (int i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        g.append(char(block.size())).append(block);
    }
    g.append(char(0)).append(char(0x3B));
    return g;
}

// A TIFF header with one directory holding width (tag 256) and height (257)
// as SHORT values, in either byte order; no pixel data.
inline QByteArray TiffHeader(int w, int h, bool bigEndian)
{
    QByteArray t;
    auto u16 = [&](int v) {
        if (bigEndian)
            t.append(char((v >> 8) & 0xFF)).append(char(v & 0xFF));
        else
            t.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    };
    auto u32 = [&](quint32 v) {
        if (bigEndian) {
            u16(int(v >> 16));
            u16(int(v & 0xFFFF));
        } else {
            u16(int(v & 0xFFFF));
            u16(int(v >> 16));
        }
    };
    t.append(bigEndian ? "MM" : "II");
    u16(42);
    u32(8);
    u16(2);
    for (auto [tag, value] : {std::pair{256, w}, std::pair{257, h}}) {
        u16(tag);
        u16(3);
        u32(1);
        u16(value);
        u16(0);
    }
    u32(0);
    return t;
}
