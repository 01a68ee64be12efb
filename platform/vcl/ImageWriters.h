#pragma once
#include <QByteArray>
#include <QImage>

// Image files written by zlib and libjpeg themselves, so that the compression
// settings mean what they say whatever image plug-ins are installed.

// A 24-bit RGB PNG; Level is zlib's compression level, 0 (stored) to 9.
QByteArray EncodePNG(const QImage &Image, int Level);
// How a JPEG is encoded: the accurate integer transform, or the fast one
// whose coefficients are slightly coarser.
enum TJPEGPerformance { jpBestQuality, jpBestSpeed };

// A 24-bit baseline or progressive JPEG of Quality 1 to 100.
QByteArray EncodeJPEG(const QImage &Image, int Quality, bool Progressive,
                      TJPEGPerformance Performance = jpBestQuality);
