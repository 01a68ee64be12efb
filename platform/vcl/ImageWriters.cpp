#include "ImageWriters.h"

#include "Exceptions.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>
#include <zlib.h>

namespace {

void PutU32(QByteArray &out, quint32 v)
{
    out.append(static_cast<char>(v >> 24)).append(static_cast<char>(v >> 16));
    out.append(static_cast<char>(v >> 8)).append(static_cast<char>(v));
}

void Chunk(QByteArray &out, const char *type, const QByteArray &data)
{
    PutU32(out, static_cast<quint32>(data.size()));
    QByteArray body(type, 4);
    body += data;
    out += body;
    PutU32(out, static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef *>(body.constData()),
                                           static_cast<uInt>(body.size()))));
}

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr cinfo)
{
    auto *e = reinterpret_cast<JpegError *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, e->message);
    std::longjmp(e->jump, 1);
}

} // namespace

QByteArray EncodePNG(const QImage &Image, int Level)
{
    const QImage rgb = Image.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width(), h = rgb.height();
    QByteArray raw;
    raw.reserve((w * 3 + 1) * h);
    for (int y = 0; y < h; ++y) {
        raw.append('\0'); // no filter
        raw.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), w * 3);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    QByteArray packed(static_cast<int>(size), '\0');
    if (compress2(reinterpret_cast<Bytef *>(packed.data()), &size, reinterpret_cast<const Bytef *>(raw.constData()),
                  static_cast<uLong>(raw.size()), std::clamp(Level, 0, 9)) != Z_OK)
        throw EInvalidGraphic(QStringLiteral("PNG compression failed"));
    packed.resize(static_cast<int>(size));

    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    PutU32(header, static_cast<quint32>(w));
    PutU32(header, static_cast<quint32>(h));
    header.append('\x08').append('\x02').append('\0').append('\0').append('\0'); // 8-bit RGB
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", QByteArray());
    return out;
}

QByteArray EncodeJPEG(const QImage &Image, int Quality, bool Progressive, TJPEGPerformance Performance)
{
    const QImage rgb = Image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    JpegError err{};
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = OnJpegError;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        free(buffer);
        throw EInvalidGraphic(QStringLiteral("JPEG compression failed: %1").arg(QString::fromLatin1(err.message)));
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(Quality, 1, 100), TRUE);
    cinfo.dct_method = Performance == jpBestSpeed ? JDCT_IFAST : JDCT_ISLOW;
    if (Progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char *>(buffer), static_cast<int>(size));
    free(buffer);
    return out;
}
