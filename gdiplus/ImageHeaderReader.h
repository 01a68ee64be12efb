#pragma once
// Picture sizes read from file headers without decoding. Every reader stays
// within the bytes it is given; a signature that does not match, a damaged
// or cut header gives false and 0 x 0. Sizes are 16-bit values.

#include <QByteArray>
#include <QString>

struct ImageHeaderSize {
    int Width = 0;
    int Height = 0;
};

bool ReadJpegHeaderSize(const QByteArray &data, ImageHeaderSize &size);
bool ReadPngHeaderSize(const QByteArray &data, ImageHeaderSize &size);
bool ReadBmpHeaderSize(const QByteArray &data, ImageHeaderSize &size);
// "II" (little-endian) and "MM" (big-endian) files alike.
bool ReadTiffHeaderSize(const QByteArray &data, ImageHeaderSize &size);
bool ReadGifHeaderSize(const QByteArray &data, ImageHeaderSize &size);

// Whether the file name's extension has a reader below.
bool HasHeaderReader(const QString &fileName);

// The reader chosen by the file name's extension (".JPG", ".JPEG", ".PNG",
// ".BMP", ".TIFF", ".GIF", compared in upper case); other names give false.
bool ReadHeaderSizeByName(const QString &fileName, const QByteArray &data,
                          ImageHeaderSize &size);
