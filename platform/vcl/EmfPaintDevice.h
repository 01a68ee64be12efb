#pragma once
#include <QByteArray>
#include <QPaintDevice>
#include <QString>
#include <memory>

class TEmfPaintEngine;

// A paint device whose drawing becomes an Enhanced Metafile: its paint
// engine turns what a painter draws into EMF records, which libUEMF makes
// and puts together into a file. One pixel is one device unit of a 96 dpi
// reference device (MM_TEXT); the header's bounds are the device's area and
// its description is CreatedBy and Description, each ended by a null.
// Pens, brushes, fonts, clipping, images and the pen's raster operations
// are kept; gradients and textures become their brush's colour, and
// transparent image pixels are blended by the player (ALPHABLEND).
class TEmfPaintDevice : public QPaintDevice {
public:
    TEmfPaintDevice(int Width, int Height, const QString &CreatedBy, const QString &Description);
    ~TEmfPaintDevice() override;

    QPaintEngine *paintEngine() const override;
    // The whole file once the painter has ended; empty before.
    QByteArray Bytes() const;

protected:
    int metric(PaintDeviceMetric Metric) const override;

private:
    int width_, height_;
    std::unique_ptr<TEmfPaintEngine> engine_;
};
